#pragma once

#include <QLocale>
#include <QString>

namespace velorin {

// Reads a decimal number as the user types it: blanks before and after, an optional sign,
// digits with at most one decimal separator of the regional settings (no thousands
// separators) and an optional exponent ("E" or "e", optional sign, digits).
// Throws EConvertError "'%s' is not a valid floating point value" with the whole text.
double StrToFloat(const QString& text, const QLocale& locale);

// The same with the user's regional settings.
double StrToFloat(const QString& text);

} // namespace velorin
