#include "TJvDBFindEdit.h"

#include "AnsiUpperCase.h"
#include "DataSource.h"
#include "EConvertError.h"
#include "Field.h"
#include "TFieldDataLink.h"
#include "Table.h"

#include <QDateTime>
#include <QLocale>

namespace velorin::widgets {

namespace {

// Identifies AcceptRecord as a table's filter hook, whichever box it is bound to.
const char kAcceptRecordProcedure = 0;

// A whole number, with optional blanks around it and an optional sign; nothing else
// (no fraction, no exponent) counts.
bool wholeNumber(QStringView text, int& value)
{
    text = text.trimmed();
    if (text.isEmpty())
        return false;
    qsizetype i = (text[0] == u'+' || text[0] == u'-') ? 1 : 0;
    if (i == text.size())
        return false;
    for (qsizetype j = i; j < text.size(); ++j)
        if (text[j] < u'0' || text[j] > u'9')
            return false;
    bool ok = false;
    value = text.toInt(&ok);
    return ok;
}

// The locale's order of day, month and year in its short date format, as "DMY" and so on.
QString dateOrder(const QLocale& locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QString order;
    bool quoted = false;
    for (QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && (c == u'd' || c == u'M' || c == u'y')) {
            const QChar key = c == u'd' ? u'D' : c == u'M' ? u'M' : u'Y';
            if (!order.contains(key))
                order += key;
        }
    }
    return order.size() == 3 ? order : QStringLiteral("MDY");
}

// A year given with one or two digits lies in the fifty years either side of today.
int fullYear(int year)
{
    if (year >= 100)
        return year;
    const int now = QDate::currentDate().year();
    int full = now / 100 * 100 + year;
    if (full > now + 50)
        full -= 100;
    else if (full <= now - 50)
        full += 100;
    return full;
}

} // namespace

TJvDBFindEdit::TJvDBFindEdit(QWidget* parent) : QLineEdit(parent), m_link(new TFieldDataLink(this))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kFirstPause);
    connect(&m_timer, &QTimer::timeout, this, &TJvDBFindEdit::RunSearch);
    connect(this, &QLineEdit::textChanged, this, &TJvDBFindEdit::textChangedByAnyone);
    connect(m_link, &TFieldDataLink::detaching, this, &TJvDBFindEdit::giveHookBack);
    connect(m_link, &TFieldDataLink::tableClosed, this, &TJvDBFindEdit::giveHookBack);
}

TJvDBFindEdit::~TJvDBFindEdit()
{
    giveHookBack(m_hookedTable);
}

void TJvDBFindEdit::setDataSource(db::DataSource* source)
{
    m_link->setDataSource(source);
}

db::DataSource* TJvDBFindEdit::dataSource() const
{
    return m_link->dataSource();
}

void TJvDBFindEdit::setDataField(const QString& name)
{
    if (!name.isEmpty())
        m_link->setFieldName(name);
}

QString TJvDBFindEdit::dataField() const
{
    return m_link->fieldName();
}

db::Field* TJvDBFindEdit::field() const
{
    return m_link->active() ? m_link->field() : nullptr;
}

void TJvDBFindEdit::setEditMask(const QString& mask)
{
    m_editMask = mask;
    const QLocale l = locale();
    QChar timeSeparator = u':';
    for (QChar c : l.timeFormat(QLocale::ShortFormat))
        if (!c.isLetter() && !c.isSpace()) {
            timeSeparator = c;
            break;
        }
    QChar sep = dateSeparator();
    if (sep.isNull())
        sep = u'/';
    setInputMask(inputMaskFor(mask, sep, timeSeparator));
}

QString TJvDBFindEdit::inputMaskFor(const QString& editMask, QChar dateSeparator, QChar timeSeparator)
{
    if (editMask.isEmpty())
        return {};
    const QStringList parts = editMask.split(u';');
    const QString& picture = parts[0];
    const QString metaCharacters = QStringLiteral("AaNnXx90Dd#HhBb><!;[]{}\\");
    auto literal = [&](QChar c) { return metaCharacters.contains(c) ? QString(u'\\') + c : QString(c); };
    QString mask;
    for (qsizetype i = 0; i < picture.size(); ++i) {
        const QChar c = picture[i];
        switch (c.unicode()) {
        case u'!': // blanks left of the typed digits: QLineEdit keeps positions anyway
            break;
        case u'9': // optional digit
            mask += u'0';
            break;
        case u'0': // required digit
            mask += u'9';
            break;
        case u'#': // optional digit or sign
            mask += u'#';
            break;
        case u'L': // required letter
            mask += u'A';
            break;
        case u'l':
            mask += u'a';
            break;
        case u'A': // required letter or digit
            mask += u'N';
            break;
        case u'a':
            mask += u'n';
            break;
        case u'C': // required character
            mask += u'X';
            break;
        case u'c':
            mask += u'x';
            break;
        case u'>':
        case u'<':
            mask += c;
            break;
        case u'/':
            mask += literal(dateSeparator);
            break;
        case u':':
            mask += literal(timeSeparator);
            break;
        case u'\\':
            if (i + 1 < picture.size())
                mask += literal(picture[++i]);
            break;
        default:
            mask += literal(c);
        }
    }
    const QString blank = parts.size() > 2 && !parts[2].isEmpty() ? parts[2].left(1) : QStringLiteral("_");
    return mask + u';' + blank;
}

QChar TJvDBFindEdit::dateSeparator() const
{
    const QLocale l = locale();
    const QString now = l.toString(QDateTime::currentDateTime(), l.dateFormat(QLocale::ShortFormat) + u' ' +
                                                                     l.timeFormat(QLocale::LongFormat));
    for (QChar c : now)
        if (c < u'0' || c > u'9')
            return c;
    return {};
}

void TJvDBFindEdit::textChangedByAnyone(const QString& text)
{
    m_timer.stop();
    if (text.isEmpty())
        m_timer.setInterval(kFirstPause);
    m_timer.start();
    m_searchText = text;
}

db::FilterRecordHook TJvDBFindEdit::ownHook()
{
    db::FilterRecordHook hook;
    hook.callback = [this](db::Table& table, bool& accept) { AcceptRecord(table, accept); };
    hook.procedure = &kAcceptRecordProcedure;
    // The engine may run AcceptRecord's own test over the column when that is all it does:
    // no saved hook to consult first, and a bound field of the table being filtered.
    hook.prefixTest = [this](const db::Table& table) -> std::optional<db::FilterRecordHook::PrefixTest> {
        if (m_savedFiltered && m_savedHook)
            return std::nullopt;
        const db::Field* f = m_link->field();
        if (!f || &f->table() != &table)
            return std::nullopt;
        return db::FilterRecordHook::PrefixTest{f->index(), m_upperSearch};
    };
    return hook;
}

void TJvDBFindEdit::RunSearch()
{
    m_timer.stop();
    db::Table* t = m_link->table();
    const bool open = t && t->active();
    if (open && !m_searchText.isEmpty() && t->onFilterRecord().procedure != &kAcceptRecordProcedure) {
        m_savedHook = t->onFilterRecord();
        m_savedFiltered = t->filtered();
        m_hookedTable = t;
        t->setOnFilterRecord(ownHook());
    }
    if (!m_searchText.isEmpty()) {
        db::Field* f = field();
        if (!open || !f)
            return;
        QString text = m_searchText;
        if (dateStep(text) && !f->isBlob()) {
            m_upperSearch = db::UpperPrefix(ansiUpperCase(text));
            t->setFiltered(true); // also when on already: every record is tested again
        }
    } else {
        // Only a hook this box installed is taken away: a table's own hook stays.
        giveHookBack(t);
    }
    m_timer.setInterval(kNextPause);
}

void TJvDBFindEdit::ClearSearch()
{
    setText(QString());
    db::Table* t = m_link->table();
    if (t && t->active())
        t->setFiltered(false);
}

void TJvDBFindEdit::AcceptRecord(db::Table& table, bool& accept)
{
    accept = true;
    if (m_savedFiltered && m_savedHook)
        m_savedHook.callback(table, accept);
    if (!accept)
        return;
    // The field is bound once, not looked up per record: a search passes over every record.
    const db::Field* f = m_link->field();
    if (!f)
        return;
    accept = m_upperSearch.begins(f->asStringView());
}

bool TJvDBFindEdit::dateStep(QString& text) const
{
    const db::Field* f = m_link->field();
    const bool dateField = f && f->isDateTime();
    const QChar sep = dateSeparator();
    int month = 0;
    int day = 0;
    int year = 0;
    bool passes = false;
    if (!sep.isNull()) {
        const qsizetype first = text.indexOf(sep);
        const qsizetype last = text.lastIndexOf(sep);
        if (first >= 0 && last > first) {
            const QStringView t(text);
            passes = wholeNumber(t.left(first), month) &&
                     wholeNumber(t.mid(first + 1, last - first - 1), day) &&
                     wholeNumber(t.mid(last + 1), year) && month >= 1 && month <= 12 && day >= 1 &&
                     day <= 31 && year >= 1970;
        }
    }
    if (!passes)
        return !dateField;
    // The three numbers, read again in the locale's own order of day, month and year.
    const QLocale l = locale();
    const QString order = dateOrder(l);
    const int numbers[3] = {month, day, year};
    int d = 0;
    int m = 0;
    int y = 0;
    for (int i = 0; i < 3; ++i) {
        if (order[i] == u'D')
            d = numbers[i];
        else if (order[i] == u'M')
            m = numbers[i];
        else
            y = fullYear(numbers[i]);
    }
    const QDate date(y, m, d);
    if (!date.isValid())
        throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(text));
    text = l.toString(date, QLocale::ShortFormat);
    return true;
}

void TJvDBFindEdit::giveHookBack(db::Table* table)
{
    if (!table || table != m_hookedTable)
        return;
    m_hookedTable = nullptr;
    if (table->onFilterRecord().procedure != &kAcceptRecordProcedure)
        return;
    table->setOnFilterRecord(m_savedHook);
    table->setFiltered(m_savedFiltered);
}

} // namespace velorin::widgets
