#pragma once

#include <QString>

namespace velorin {

// Reads a whole number in the 32-bit signed range: leading blanks, an optional sign, then
// decimal digits, or hexadecimal digits after "$", "x" or "0x". Trailing blanks, a decimal
// separator, empty text and values out of range throw EConvertError
// "'%s' is not a valid integer value" with the whole text. No regional setting applies.
int StrToInt(const QString& text);

} // namespace velorin
