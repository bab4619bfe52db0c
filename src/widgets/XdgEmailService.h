#pragma once

#include "MailService.h"

#include <QStringList>

namespace velorin::widgets {

// Hands a message to the desktop's mail client through xdg-email, which opens the
// client's compose window filled in for the user to review and send. Every value is an
// argument of its own and no shell is involved.
//
// xdg-email's exit codes become the mail sender's errors: 3 (no mail client) is a
// "User Abort", as is a system without xdg-email; 1 (bad argument) "Invalid Message",
// 2 (attachment missing) "Attachment Not Found", 4 (hand-off failed) "Failure", 5 (file
// not readable) "Attachment Open Failure", anything else "Failure".
class XdgEmailService : public MailService
{
public:
    // xdg-email returns once the client has the message; a client that keeps xdg-email
    // waiting longer than waitMs is taken to have it and is left running.
    explicit XdgEmailService(int waitMs = 30000) : m_waitMs(waitMs) {}

    void send(const MailMessage& message) override;

    // The arguments xdg-email gets for a message.
    static QStringList arguments(const MailMessage& message);
    // The mail sender's error code for an exit code of xdg-email; 0 when it succeeded.
    static int mapiCodeForExit(int exitCode);

private:
    int m_waitMs;
};

} // namespace velorin::widgets
