#include "StrToFloat.h"

#include "EConvertError.h"

#include <cmath>

namespace velorin {

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isSign(QChar c)
{
    return c == QLatin1Char('+') || c == QLatin1Char('-');
}

} // namespace

double StrToFloat(const QString& text, const QLocale& locale)
{
    const auto invalid = [&text] {
        return EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    };
    const QString separator = locale.decimalPoint();
    const QStringView view(text);

    qsizetype i = 0;
    qsizetype stop = view.size();
    while (i < stop && view[i] == QLatin1Char(' '))
        ++i;
    while (stop > i && view[stop - 1] == QLatin1Char(' '))
        --stop;

    // The number is respelled in the C locale and handed to Qt's correctly rounding reader.
    QString plain;
    if (i < stop && isSign(view[i]))
        plain += view[i++];
    int mantissaDigits = 0;
    bool sawSeparator = false;
    while (i < stop) {
        if (isDigit(view[i])) {
            plain += view[i++];
            ++mantissaDigits;
        } else if (!sawSeparator && !separator.isEmpty() && view.mid(i).startsWith(separator)) {
            plain += QLatin1Char('.');
            sawSeparator = true;
            i += separator.size();
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        throw invalid();

    if (i < stop && (view[i] == QLatin1Char('e') || view[i] == QLatin1Char('E'))) {
        plain += QLatin1Char('e');
        ++i;
        if (i < stop && isSign(view[i]))
            plain += view[i++];
        int exponentDigits = 0;
        while (i < stop && isDigit(view[i])) {
            plain += view[i++];
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            throw invalid();
    }
    if (i != stop)
        throw invalid();

    // The syntax is checked, so the reader only refuses values out of range: an overflow is
    // no number, an underflow is read as zero.
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    if (!std::isfinite(value))
        throw invalid();
    return ok ? value : 0.0;
}

double StrToFloat(const QString& text)
{
    return StrToFloat(text, QLocale::system());
}

} // namespace velorin
