#pragma once

#include <QLocale>
#include <QString>

namespace velorin {

// Writes a number through a picture of digit placeholders, such as "###,###,###,###,###.##":
// "#" is an optional digit, "0" a digit always written, "," before the point groups the
// integer digits in threes, "." marks where the fraction begins. Separators are those of
// the regional settings.
//
// The value is rounded half away from zero on its shortest decimal digits to as many
// decimals as the picture has fraction placeholders. All integer digits are written; no
// zero stands before the separator unless the picture asks for it; fraction digits are
// written up to the last non-zero one (or the last "0" of the picture), the separator only
// before a fraction digit; a negative value gets a leading "-". A picture of "#" only
// writes zero, and any value below a tenth of its last decimal place, as empty text, and a
// value that rounds to zero above that as the separator and zeros. From 10^18 in size the
// number is written in the general format with 15 significant digits ("1.5E18").
//
// A picture with other characters is a programming error (std::invalid_argument).
QString FormatFloat(const QString& picture, double value, const QLocale& locale);

// The same with the user's regional settings.
QString FormatFloat(const QString& picture, double value);

} // namespace velorin
