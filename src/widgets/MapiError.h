#pragma once

#include "EMapiError.h"

#include <QString>

namespace velorin::widgets {

// Simple MAPI result codes the mail sender reports.
enum MapiCode : int
{
    MapiUserAbort = 1,
    MapiFailure = 2,
    MapiLoginFailure = 3,
    MapiAttachmentNotFound = 11,
    MapiAttachmentOpenFailure = 12,
    MapiUnknownRecipient = 14,
    MapiInvalidMessage = 17,
};

// The name Simple MAPI gives a code ("Attachment Not Found" for 11).
QString mapiErrorName(int code);

// The mail sender's error for a code: "User Abort" for a cancel, otherwise
// "MAPI: <name>. ErrorCode = <code>".
EMapiError mapiError(int code);

} // namespace velorin::widgets
