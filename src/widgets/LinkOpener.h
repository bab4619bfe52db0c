#pragma once

#include <QString>
#include <QUrl>

namespace velorin::widgets {

// Hands a link target to the system's default handler for it (web browser, mail
// program, ...). Set on the application object; tests set a fake.
class LinkOpener
{
public:
    virtual ~LinkOpener() = default;

    // True when the system took the link.
    virtual bool open(const QString& target) = 0;

    // The URL a target stands for: a target beginning "www." is a web address without its
    // scheme and gets "http://"; anything else must carry its own scheme. An empty URL when
    // the target names nothing that can be opened.
    static QUrl urlFor(const QString& target);
};

} // namespace velorin::widgets
