#include "TRzDBDateTimeEdit.h"

#include "Field.h"
#include "TApplication.h"
#include "Table.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace velorin::widgets {

namespace {

// The lowest date the box accepts stands for an empty field and is drawn blank.
const QDate blankDate(1752, 9, 14);

// The locale's short date picture, with the year always in four digits.
QString datePicture(const QLocale& locale)
{
    QString picture = locale.dateFormat(QLocale::ShortFormat);
    if (!picture.contains(QLatin1String("yyyy")))
        picture.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return picture;
}

QDate parseDate(const QString& text)
{
    if (text.isEmpty())
        return {};
    QDate date = QDate::fromString(text.left(10), Qt::ISODate);
    if (!date.isValid())
        date = QDateTime::fromString(text, Qt::ISODate).date();
    return date;
}

} // namespace

TRzDBDateTimeEdit::TRzDBDateTimeEdit(QWidget* parent) : QDateEdit(parent), m_link(new TFieldDataLink(this))
{
    connect(m_link, &TFieldDataLink::dataChanged, this, [this] {
        showField();
        updateInput();
    });
    connect(m_link, &TFieldDataLink::stateChanged, this, [this] {
        showField();
        updateInput();
    });
    connect(m_link, &TFieldDataLink::tableClosed, this, [this] {
        showField();
        updateInput();
    });
    setCalendarPopup(true);
    setMinimumDate(blankDate);
    setSpecialValueText(QStringLiteral(" "));
    setDisplayFormat(datePicture(locale()));
    setDate(blankDate);
    connect(this, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        if (m_showing)
            return;
        if (const TApplication* app = TApplication::instance())
            app->guarded([this, date] { writeField(date); });
        else
            writeField(date);
    });
    updateInput();
}

void TRzDBDateTimeEdit::showField()
{
    const db::Field* f = m_link->active() ? m_link->field() : nullptr;
    const QDate shown = f ? parseDate(f->asString()) : QDate();
    m_showing = true;
    setDate(shown.isValid() ? shown : blankDate);
    m_showing = false;
}

void TRzDBDateTimeEdit::updateInput()
{
    setReadOnly(!(m_link->field() && m_link->editing()));
}

void TRzDBDateTimeEdit::writeField(const QDate& date)
{
    db::Field* f = m_link->field();
    if (!f || !m_link->editing())
        return;
    if (date == blankDate || !date.isValid())
        f->clear();
    else
        f->setAsString(date.toString(Qt::ISODate));
}

void TRzDBDateTimeEdit::mousePressEvent(QMouseEvent* event)
{
    // A read-only box keeps its calendar closed.
    if (isReadOnly()) {
        event->accept();
        return;
    }
    QDateEdit::mousePressEvent(event);
    showTodayWhenBlank();
}

void TRzDBDateTimeEdit::showTodayWhenBlank()
{
    // A blank box opens its calendar on the current month, not on the blank stand-in date.
    if (isBlank() && calendarWidget() && calendarWidget()->isVisible()) {
        const QDate today = QDate::currentDate();
        calendarWidget()->setCurrentPage(today.year(), today.month());
    }
}

void TRzDBDateTimeEdit::keyPressEvent(QKeyEvent* event)
{
    if (isReadOnly() && (event->key() == Qt::Key_F4 ||
                         (event->key() == Qt::Key_Down && event->modifiers().testFlag(Qt::AltModifier)))) {
        event->accept();
        return;
    }
    QDateEdit::keyPressEvent(event);
    showTodayWhenBlank();
}

void TRzDBDateTimeEdit::changeEvent(QEvent* event)
{
    QDateEdit::changeEvent(event);
    if (event->type() == QEvent::LocaleChange)
        setDisplayFormat(datePicture(locale()));
}

} // namespace velorin::widgets
