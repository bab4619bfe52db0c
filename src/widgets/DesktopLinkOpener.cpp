#include "DesktopLinkOpener.h"

#include <QDesktopServices>

namespace velorin::widgets {

bool DesktopLinkOpener::open(const QString& target)
{
    const QUrl url = urlFor(target);
    return !url.isEmpty() && QDesktopServices::openUrl(url);
}

} // namespace velorin::widgets
