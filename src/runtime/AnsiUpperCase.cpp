#include "AnsiUpperCase.h"

namespace velorin {

namespace detail {

namespace {

constexpr std::array<char16_t, 256> makeLatin1Upper()
{
    std::array<char16_t, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[c] = char16_t(c);
    for (int c = 'a'; c <= 'z'; ++c)
        t[c] = char16_t(c - 0x20);
    // à..þ map to À..Þ, except the division sign; ß and µ have no single-byte capital.
    for (int c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7)
            t[c] = char16_t(c - 0x20);
    t[0xFF] = 0x0178; // ÿ → Ÿ, which the code page holds at 0x9F
    return t;
}

} // namespace

extern const std::array<char16_t, 256> kLatin1Upper = makeLatin1Upper();

char16_t ansiUpperBeyondLatin1(char16_t c)
{
    switch (c) {
    // Lower-case letters of the code page's 0x80..0x9F block.
    case 0x0161: // š
        return 0x0160;
    case 0x0153: // œ
        return 0x0152;
    case 0x017E: // ž
        return 0x017D;
    // ƒ is in the code page, its capital is not: the code page leaves it alone.
    case 0x0192:
        return c;
    default:
        break;
    }
    if (QChar::isSurrogate(c))
        return c;
    const char32_t u = QChar::toUpper(char32_t(c));
    return u > 0xFFFF ? c : char16_t(u);
}

} // namespace detail

char32_t ansiUpperCodePoint(char32_t c)
{
    if (c <= 0xFFFF)
        return QChar::isSurrogate(c) ? c : ansiUpperChar(char16_t(c));
    const char32_t u = QChar::toUpper(c);
    return u > 0xFFFF ? u : c;
}

QString ansiUpperCase(QStringView text)
{
    QString result(text.size(), Qt::Uninitialized);
    QChar* out = result.data();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(text[i + 1].unicode())) {
            const char32_t u = ansiUpperCodePoint(QChar::surrogateToUcs4(c, text[i + 1].unicode()));
            out[i] = QChar(QChar::highSurrogate(u));
            out[i + 1] = QChar(QChar::lowSurrogate(u));
            ++i;
        } else {
            out[i] = QChar(ansiUpperChar(c));
        }
    }
    return result;
}

bool ansiStartsWithUpper(QStringView text, QStringView upperPrefix)
{
    const qsizetype n = upperPrefix.size();
    if (n > text.size())
        return false;
    const QChar* t = text.data();
    const QChar* p = upperPrefix.data();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = t[i].unicode();
        const char16_t want = p[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(t[i + 1].unicode())) {
            const char32_t u = ansiUpperCodePoint(QChar::surrogateToUcs4(c, t[i + 1].unicode()));
            if (QChar::highSurrogate(u) != want || QChar::lowSurrogate(u) != p[i + 1].unicode())
                return false;
            ++i;
            continue;
        }
        if (c != want && ansiUpperChar(c) != want)
            return false;
    }
    return true;
}

} // namespace velorin
