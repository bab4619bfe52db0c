#pragma once

#include "MailMessage.h"

namespace velorin::widgets {

// The system's mail facility with a review step: the user sees the message in the mail
// client and sends it from there. Set on the application object; tests set a fake.
class MailService
{
public:
    virtual ~MailService() = default;

    // Returns once the facility took the message; raises EMapiError otherwise.
    virtual void send(const MailMessage& message) = 0;
};

} // namespace velorin::widgets
