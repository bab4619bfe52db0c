#include "FormatFloat.h"

#include <charconv>
#include <cmath>
#include <stdexcept>
#include <string>

namespace velorin {

namespace {

struct Picture
{
    int integerZeros = 0;  // integer digits always written
    bool grouped = false;  // thousands separators between integer digits
    int decimals = 0;      // fraction placeholders
    int fractionZeros = 0; // fraction digits always written
    bool anyZero() const { return integerZeros > 0 || fractionZeros > 0; }
};

Picture parsePicture(const QString& picture)
{
    Picture p;
    bool inFraction = false;
    bool zeroSeen = false;
    for (const QChar c : picture) {
        switch (c.unicode()) {
        case u'.':
            if (inFraction)
                throw std::invalid_argument("picture has two decimal points");
            inFraction = true;
            break;
        case u',':
            if (!inFraction)
                p.grouped = true;
            break;
        case u'0':
            zeroSeen = true;
            [[fallthrough]];
        case u'#':
            if (inFraction) {
                ++p.decimals;
                if (c == QLatin1Char('0'))
                    p.fractionZeros = p.decimals;
            } else if (zeroSeen) {
                ++p.integerZeros;
            }
            break;
        default:
            throw std::invalid_argument("picture holds a character other than # 0 , .");
        }
    }
    return p;
}

// The shortest decimal digits that read back as |value|, and the power of ten of the first.
struct Decimal
{
    std::string digits;
    int exponent = 0;
};

Decimal shortestDecimal(double magnitude)
{
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    const std::string text(buffer, r.ptr);
    const auto e = text.find('e');
    Decimal d;
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            d.digits += text[i];
    d.exponent = std::stoi(text.substr(e + 1));
    return d;
}

void incrementDecimal(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

QString grouped(const std::string& digits, const QString& separator)
{
    QString out;
    const int n = int(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separator;
        out += QLatin1Char(digits[std::size_t(i)]);
    }
    return out;
}

// General number format with 15 significant digits, in scientific form ("1.23E18").
QString generalScientific(double value, const QLocale& locale)
{
    char buffer[64];
    const auto r = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    std::string text(buffer, r.ptr);
    const auto e = text.find('e');
    std::string mantissa = text.substr(0, e);
    const int exponent = std::stoi(text.substr(e + 1));
    if (mantissa.find('.') != std::string::npos) {
        while (mantissa.back() == '0')
            mantissa.pop_back();
        if (mantissa.back() == '.')
            mantissa.pop_back();
    }
    QString out = QString::fromStdString(mantissa);
    out.replace(QLatin1Char('.'), locale.decimalPoint());
    return out + QLatin1Char('E') + QString::number(exponent);
}

} // namespace

QString FormatFloat(const QString& picture, double value, const QLocale& locale)
{
    const Picture p = parsePicture(picture);
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (std::fabs(value) >= 1e18)
        return generalScientific(value, locale);

    const bool negative = std::signbit(value);
    Decimal d;
    if (value != 0.0)
        d = shortestDecimal(std::fabs(value));

    // Keep the digits down to the last decimal place (as one whole number of those places)
    // and round on the first digit dropped.
    std::string kept;
    bool roundUp = false;
    if (!d.digits.empty()) {
        const int cut = d.exponent + 1 + p.decimals;
        if (cut > 0) {
            kept = d.digits.substr(0, std::size_t(qMin<int>(cut, int(d.digits.size()))));
            kept.resize(std::size_t(cut), '0');
            roundUp = cut < int(d.digits.size()) && d.digits[std::size_t(cut)] >= '5';
        } else {
            roundUp = cut == 0 && d.digits[0] >= '5';
        }
    }
    if (roundUp)
        incrementDecimal(kept);
    const bool zero = kept.find_first_not_of('0') == std::string::npos;

    if (zero && !p.anyZero()) {
        if (d.digits.empty() || p.decimals == 0 || d.exponent < -(p.decimals + 1))
            return QString();
        return locale.decimalPoint() + QString(p.decimals, QLatin1Char('0'));
    }

    if (kept.size() < std::size_t(p.decimals))
        kept.insert(0, std::size_t(p.decimals) - kept.size(), '0');
    std::string integer = kept.substr(0, kept.size() - std::size_t(p.decimals));
    std::string fraction = kept.substr(kept.size() - std::size_t(p.decimals));
    const auto firstDigit = integer.find_first_not_of('0');
    integer = firstDigit == std::string::npos ? std::string() : integer.substr(firstDigit);
    if (integer.size() < std::size_t(p.integerZeros))
        integer.insert(0, std::size_t(p.integerZeros) - integer.size(), '0');
    while (fraction.size() > std::size_t(p.fractionZeros) && fraction.back() == '0')
        fraction.pop_back();

    QString out;
    if (negative && !zero)
        out += QLatin1Char('-');
    out += p.grouped ? grouped(integer, locale.groupSeparator()) : QString::fromStdString(integer);
    if (!fraction.empty())
        out += locale.decimalPoint() + QString::fromStdString(fraction);
    return out;
}

QString FormatFloat(const QString& picture, double value)
{
    return FormatFloat(picture, value, QLocale::system());
}

} // namespace velorin
