#include "FormatDateTime.h"

namespace velorin {
namespace {

QChar firstSeparator(const QString& format, QChar fallback)
{
    for (const QChar c : format) {
        if (!c.isLetter() && c != QLatin1Char('\'') && !c.isSpace())
            return c;
    }
    return fallback;
}

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

QChar dateSeparator(const QLocale& locale)
{
    return firstSeparator(locale.dateFormat(QLocale::ShortFormat), QLatin1Char('/'));
}

QChar timeSeparator(const QLocale& locale)
{
    return firstSeparator(locale.timeFormat(QLocale::ShortFormat), QLatin1Char(':'));
}

QString formatDateTime(const QString& picture, const QDateTime& value, const QLocale& locale)
{
    const QDate date = value.date();
    const QTime time = value.time();
    QString out;
    int i = 0;
    const int n = picture.size();
    auto run = [&](QChar c) {
        int k = i;
        while (k < n && picture.at(k).toLower() == c)
            ++k;
        return k - i;
    };
    while (i < n) {
        const QChar c = picture.at(i);
        const QChar lower = c.toLower();
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const int end = picture.indexOf(c, i + 1);
            const int stop = end < 0 ? n : end;
            out += picture.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        if (c == QLatin1Char('/')) {
            out += dateSeparator(locale);
            ++i;
            continue;
        }
        if (c == QLatin1Char(':')) {
            out += timeSeparator(locale);
            ++i;
            continue;
        }
        const int len = run(lower);
        if (lower == QLatin1Char('d')) {
            if (len >= 6)
                out += locale.toString(date, QLocale::LongFormat);
            else if (len == 5)
                out += locale.toString(date, QLocale::ShortFormat);
            else if (len == 4)
                out += locale.dayName(date.dayOfWeek(), QLocale::LongFormat);
            else if (len == 3)
                out += locale.dayName(date.dayOfWeek(), QLocale::ShortFormat);
            else
                out += len == 2 ? twoDigits(date.day()) : QString::number(date.day());
        } else if (lower == QLatin1Char('m')) {
            out += len >= 2 ? twoDigits(date.month()) : QString::number(date.month());
        } else if (lower == QLatin1Char('y')) {
            out += len >= 3 ? QString::number(date.year()) : twoDigits(date.year() % 100);
        } else if (lower == QLatin1Char('h')) {
            out += len >= 2 ? twoDigits(time.hour()) : QString::number(time.hour());
        } else if (lower == QLatin1Char('n')) {
            out += len >= 2 ? twoDigits(time.minute()) : QString::number(time.minute());
        } else if (lower == QLatin1Char('s')) {
            out += len >= 2 ? twoDigits(time.second()) : QString::number(time.second());
        } else {
            out += picture.mid(i, len);
        }
        i += len;
    }
    return out;
}

} // namespace velorin
