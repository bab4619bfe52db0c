#pragma once

#include "MailMessage.h"

#include <QObject>
#include <QStringList>

namespace velorin::widgets {

// The mail sender: collects a message and hands it, with the review step, to the
// application's mail service. The list properties copy the lines given to them.
class TRzSendMessage : public QObject
{
    Q_OBJECT
public:
    explicit TRzSendMessage(QObject* parent = nullptr);

    void setToRecipients(const QStringList& lines) { m_message.toRecipients = lines; }
    void setCcRecipients(const QStringList& lines) { m_message.ccRecipients = lines; }
    void setBccRecipients(const QStringList& lines) { m_message.bccRecipients = lines; }
    void setSubject(const QString& subject) { m_message.subject = subject; }
    void setMessageText(const QStringList& lines) { m_message.text = lines.join(QLatin1Char('\n')); }
    void setAttachments(const QStringList& lines) { m_message.attachments = lines; }

    QStringList ToRecipients() const { return m_message.toRecipients; }
    QStringList CcRecipients() const { return m_message.ccRecipients; }
    QStringList BccRecipients() const { return m_message.bccRecipients; }
    QString Subject() const { return m_message.subject; }
    QString MessageText() const { return m_message.text; }
    QStringList Attachments() const { return m_message.attachments; }

    // The message as the service gets it: blank recipient and attachment lines left out,
    // each attachment expanded to its full path.
    MailMessage message() const;

    // Returns only when the mail service accepted the message; raises EMapiError otherwise.
    void Send();

private:
    MailMessage m_message;
};

} // namespace velorin::widgets
