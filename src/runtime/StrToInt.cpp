#include "StrToInt.h"

#include "EConvertError.h"

#include <limits>

namespace velorin {

namespace {

int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int value = -1;
    if (u >= u'0' && u <= u'9')
        value = u - u'0';
    else if (u >= u'a' && u <= u'f')
        value = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        value = u - u'A' + 10;
    return value < base ? value : -1;
}

bool isHexMark(QChar c)
{
    return c == QLatin1Char('x') || c == QLatin1Char('X');
}

} // namespace

int StrToInt(const QString& text)
{
    const auto invalid = [&text] {
        return EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    };
    const QStringView view(text);
    const qsizetype end = view.size();

    qsizetype i = 0;
    while (i < end && view[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < end && (view[i] == QLatin1Char('+') || view[i] == QLatin1Char('-')))
        negative = view[i++] == QLatin1Char('-');

    int base = 10;
    if (i < end && (view[i] == QLatin1Char('$') || isHexMark(view[i]))) {
        base = 16;
        ++i;
    } else if (i + 1 < end && view[i] == QLatin1Char('0') && isHexMark(view[i + 1])) {
        base = 16;
        i += 2;
    }

    // One more than the largest magnitude, so overflow is caught before it can wrap.
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 2;
    qint64 magnitude = 0;
    int digits = 0;
    for (; i < end; ++i) {
        const int d = digitValue(view[i], base);
        if (d < 0)
            throw invalid();
        magnitude = qMin(magnitude * base + d, limit);
        ++digits;
    }
    if (digits == 0)
        throw invalid();

    const qint64 value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        throw invalid();
    return int(value);
}

} // namespace velorin
