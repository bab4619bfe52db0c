#pragma once

#include <QString>
#include <QStringList>

namespace velorin::widgets {

// One message as the mail sender hands it to the mail service. Attachments are full paths.
struct MailMessage
{
    QStringList toRecipients;
    QStringList ccRecipients;
    QStringList bccRecipients;
    QString subject;
    QString text;
    QStringList attachments;
};

} // namespace velorin::widgets
