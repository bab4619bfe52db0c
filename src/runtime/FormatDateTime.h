#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace velorin {

// Formats a date and time with a picture of the regional settings' kind:
//   d dd  day        m mm  month      yy yyyy  year
//   h hh  hour (0-23) n nn  minutes    s ss     seconds
//   ddddd the short date format, dddddd the long date format
//   /     the date separator,  :  the time separator
//   "..." or '...' literal text
// Any other character stands for itself.
QString formatDateTime(const QString& picture, const QDateTime& value,
                       const QLocale& locale = QLocale::system());

// The separators the locale's short date and short time formats use.
QChar dateSeparator(const QLocale& locale);
QChar timeSeparator(const QLocale& locale);

} // namespace velorin
