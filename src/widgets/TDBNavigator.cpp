#include "TDBNavigator.h"

#include "DataSource.h"
#include "Table.h"

#include <QMessageBox>
#include <QMetaEnum>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include <algorithm>

namespace velorin::widgets {

namespace {

const char* const kDefaultHints[TDBNavigator::kButtonCount] = {
    QT_TRANSLATE_NOOP("TDBNavigator", "First record"),  QT_TRANSLATE_NOOP("TDBNavigator", "Prior record"),
    QT_TRANSLATE_NOOP("TDBNavigator", "Next record"),   QT_TRANSLATE_NOOP("TDBNavigator", "Last record"),
    QT_TRANSLATE_NOOP("TDBNavigator", "Insert record"), QT_TRANSLATE_NOOP("TDBNavigator", "Delete record"),
    QT_TRANSLATE_NOOP("TDBNavigator", "Edit record"),   QT_TRANSLATE_NOOP("TDBNavigator", "Post edit"),
    QT_TRANSLATE_NOOP("TDBNavigator", "Cancel edit"),   QT_TRANSLATE_NOOP("TDBNavigator", "Refresh data"),
};

// Small glyphs drawn here so the buttons need no picture files.
QIcon glyph(TDBNavigator::NavigateButton kind, const QColor& colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    auto triangle = [&](qreal tipX, qreal baseX) {
        QPainterPath path;
        path.moveTo(tipX, 8);
        path.lineTo(baseX, 3);
        path.lineTo(baseX, 13);
        path.closeSubpath();
        p.drawPath(path);
    };
    switch (kind) {
    case TDBNavigator::nbFirst:
        p.drawRect(QRectF(3, 3, 2, 10));
        triangle(5, 12);
        break;
    case TDBNavigator::nbPrior:
        triangle(4.5, 11.5);
        break;
    case TDBNavigator::nbNext:
        triangle(11.5, 4.5);
        break;
    case TDBNavigator::nbLast:
        triangle(11, 4);
        p.drawRect(QRectF(11, 3, 2, 10));
        break;
    case TDBNavigator::nbInsert:
        p.drawRect(QRectF(7, 3, 2, 10));
        p.drawRect(QRectF(3, 7, 10, 2));
        break;
    case TDBNavigator::nbDelete:
        p.drawRect(QRectF(3, 7, 10, 2));
        break;
    case TDBNavigator::nbEdit: {
        QPainterPath path;
        path.moveTo(3, 13);
        path.lineTo(4, 10);
        path.lineTo(11, 3);
        path.lineTo(13, 5);
        path.lineTo(6, 12);
        path.closeSubpath();
        p.drawPath(path);
        break;
    }
    case TDBNavigator::nbPost:
        p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({QPointF(3, 8), QPointF(6.5, 11.5), QPointF(13, 4)}));
        break;
    case TDBNavigator::nbCancel:
        p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
        break;
    case TDBNavigator::nbRefresh:
        p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(3, 3, 10, 10), 90 * 16, 270 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPolygon(QPolygonF({QPointF(8, 0.5), QPointF(11.5, 3), QPointF(8, 5.5)}));
        break;
    }
    p.end();
    QIcon icon;
    icon.addPixmap(pixmap, QIcon::Normal);
    return icon;
}

QColor glyphColour(TDBNavigator::NavigateButton kind)
{
    switch (kind) {
    case TDBNavigator::nbDelete:
    case TDBNavigator::nbCancel:
        return QColor(160, 0, 0);
    case TDBNavigator::nbPost:
        return QColor(0, 120, 0);
    default:
        return QColor(0, 0, 0);
    }
}

} // namespace

TDBNavigator::TDBNavigator(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    for (int i = 0; i < kButtonCount; ++i) {
        const auto kind = NavigateButton(i);
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(QMetaEnum::fromType<NavigateButton>().valueToKey(i)));
        b->setFocusPolicy(Qt::NoFocus);
        b->setIcon(glyph(kind, glyphColour(kind)));
        b->setToolTip(tr(kDefaultHints[i]));
        b->setAccessibleName(tr(kDefaultHints[i]));
        connect(b, &QToolButton::clicked, this, [this, kind] { BtnClick(kind); });
        m_buttons[std::size_t(i)] = b;
        m_visible[std::size_t(i)] = true;
    }
    m_askDelete = [this] {
        return QMessageBox::question(window(), QString(), tr("Delete record?"),
                                     QMessageBox::Ok | QMessageBox::Cancel,
                                     QMessageBox::Cancel) == QMessageBox::Ok;
    };
    layoutButtons();
    updateButtons();
}

void TDBNavigator::setDataSource(db::DataSource* source)
{
    if (source == m_source)
        return;
    if (m_source)
        disconnect(m_source, nullptr, this, nullptr);
    m_source = source;
    if (m_source) {
        connect(m_source, &db::DataSource::activeChanged, this, &TDBNavigator::updateButtons);
        connect(m_source, &db::DataSource::currentChanged, this, &TDBNavigator::updateButtons);
        connect(m_source, &db::DataSource::recordsChanged, this, &TDBNavigator::updateButtons);
        connect(m_source, &db::DataSource::stateChanged, this, &TDBNavigator::updateButtons);
        connect(m_source, &QObject::destroyed, this, &TDBNavigator::updateButtons);
    }
    updateButtons();
}

void TDBNavigator::setVisibleButtons(const std::vector<NavigateButton>& buttons)
{
    m_visible.fill(false);
    for (NavigateButton b : buttons)
        m_visible[std::size_t(b)] = true;
    for (int i = 0; i < kButtonCount; ++i)
        m_buttons[std::size_t(i)]->setVisible(m_visible[std::size_t(i)]);
    layoutButtons();
}

std::vector<TDBNavigator::NavigateButton> TDBNavigator::visibleButtons() const
{
    std::vector<NavigateButton> result;
    for (int i = 0; i < kButtonCount; ++i)
        if (m_visible[std::size_t(i)])
            result.push_back(NavigateButton(i));
    return result;
}

void TDBNavigator::setHints(const QStringList& hints)
{
    for (int i = 0; i < kButtonCount; ++i) {
        const QString text = i < hints.size() && !hints[i].isEmpty() ? hints[i] : tr(kDefaultHints[i]);
        m_buttons[std::size_t(i)]->setToolTip(text);
        m_buttons[std::size_t(i)]->setAccessibleName(text);
    }
}

QString TDBNavigator::hint(NavigateButton button) const
{
    return m_buttons[std::size_t(button)]->toolTip();
}

db::Table* TDBNavigator::table() const
{
    return m_source ? m_source->dataSet() : nullptr;
}

void TDBNavigator::BtnClick(NavigateButton button)
{
    db::Table* t = table();
    if (!t || !t->active() || !m_buttons[std::size_t(button)]->isEnabled())
        return;
    Q_EMIT beforeAction(button);
    switch (button) {
    case nbFirst:
        t->first();
        break;
    case nbPrior:
        t->prior();
        break;
    case nbNext:
        t->next();
        break;
    case nbLast:
        t->last();
        break;
    case nbInsert:
        t->insert();
        break;
    case nbDelete:
        if (!m_confirmDelete || m_askDelete())
            t->deleteRecord();
        break;
    case nbEdit:
        t->edit();
        break;
    case nbPost:
        t->post();
        break;
    case nbCancel:
        t->cancel();
        break;
    case nbRefresh:
        // Every post and delete is written through to the file at once, and no other
        // program writes these tables, so the records in memory are already the newest.
        break;
    }
    Q_EMIT clicked(button);
}

void TDBNavigator::updateButtons()
{
    const db::Table* t = table();
    const bool open = t && t->active();
    const bool any = open && !t->isEmpty();
    const bool editing =
        open && (t->state() == db::DataSetState::Edit || t->state() == db::DataSetState::Insert);
    const bool up = any && !t->bof();
    const bool down = any && !t->eof();
    const std::array<bool, kButtonCount> enabled = {
        up, up, down, down, open, any && !editing, any && !editing, editing, editing, open && !editing,
    };
    for (int i = 0; i < kButtonCount; ++i)
        m_buttons[std::size_t(i)]->setEnabled(enabled[std::size_t(i)]);
}

void TDBNavigator::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutButtons();
}

void TDBNavigator::layoutButtons()
{
    // The shown buttons share the width; the pixels left over go to the first ones.
    const int shown = int(std::count(m_visible.begin(), m_visible.end(), true));
    if (shown == 0)
        return;
    const int w = width() / shown;
    int extra = width() - w * shown;
    int x = 0;
    for (int i = 0; i < kButtonCount; ++i) {
        if (!m_visible[std::size_t(i)])
            continue;
        const int bw = w + (extra > 0 ? 1 : 0);
        if (extra > 0)
            --extra;
        m_buttons[std::size_t(i)]->setGeometry(x, 0, bw, height());
        x += bw;
    }
}

} // namespace velorin::widgets
