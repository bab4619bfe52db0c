#pragma once

#include <QString>
#include <QStringView>
#include <array>

namespace velorin {

// Upper-casing that gives the results of the Western single-byte code page (Windows-1252)
// for every character that code page holds: ñ→Ñ, á→Á, ÿ→Ÿ, œ→Œ, š→Š, ž→Ž, while µ, ß and ƒ
// stay as they are. Characters outside that code page take their Unicode simple upper case.
// The length of a text never changes.

namespace detail {
extern const std::array<char16_t, 256> kLatin1Upper;
char16_t ansiUpperBeyondLatin1(char16_t c);
} // namespace detail

// One UTF-16 code unit; surrogates come back unchanged (see ansiUpperCodePoint).
inline char16_t ansiUpperChar(char16_t c)
{
    return c < 0x100 ? detail::kLatin1Upper[c] : detail::ansiUpperBeyondLatin1(c);
}
inline QChar ansiUpperChar(QChar c)
{
    return QChar(ansiUpperChar(c.unicode()));
}

// One code point; a character whose upper case would need another number of UTF-16 units
// stays as it is.
char32_t ansiUpperCodePoint(char32_t c);

// The whole text, surrogate pairs included.
QString ansiUpperCase(QStringView text);

// Whether `text` begins with `upperPrefix` once `text` is upper-cased as above; `upperPrefix`
// must already be upper-cased. Allocates nothing.
bool ansiStartsWithUpper(QStringView text, QStringView upperPrefix);

} // namespace velorin
