#include "LinkOpener.h"

namespace velorin::widgets {

QUrl LinkOpener::urlFor(const QString& target)
{
    const QString trimmed = target.trimmed();
    if (trimmed.isEmpty())
        return {};
    const QString text = trimmed.startsWith(QLatin1String("www."), Qt::CaseInsensitive)
                             ? QStringLiteral("http://") + trimmed
                             : trimmed;
    // Tolerant parsing percent-encodes blanks and other characters a URL may not hold.
    const QUrl url(text, QUrl::TolerantMode);
    if (!url.isValid() || url.scheme().isEmpty() || url.isRelative())
        return {};
    return url;
}

} // namespace velorin::widgets
