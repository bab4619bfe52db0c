#include "MapiError.h"

namespace velorin::widgets {

QString mapiErrorName(int code)
{
    switch (code) {
    case 1:
        return QStringLiteral("User Abort");
    case 2:
        return QStringLiteral("Failure");
    case 3:
        return QStringLiteral("Login Failure");
    case 4:
        return QStringLiteral("Disk Full");
    case 5:
        return QStringLiteral("Insufficient Memory");
    case 6:
        return QStringLiteral("Access Denied");
    case 8:
        return QStringLiteral("Too Many Sessions");
    case 9:
        return QStringLiteral("Too Many Files");
    case 10:
        return QStringLiteral("Too Many Recipients");
    case 11:
        return QStringLiteral("Attachment Not Found");
    case 12:
        return QStringLiteral("Attachment Open Failure");
    case 13:
        return QStringLiteral("Attachment Write Failure");
    case 14:
        return QStringLiteral("Unknown Recipient");
    case 15:
        return QStringLiteral("Bad Recipient Type");
    case 16:
        return QStringLiteral("No Messages");
    case 17:
        return QStringLiteral("Invalid Message");
    case 18:
        return QStringLiteral("Text Too Large");
    case 19:
        return QStringLiteral("Invalid Session");
    case 20:
        return QStringLiteral("Type Not Supported");
    case 21:
        return QStringLiteral("Ambiguous Recipient");
    case 22:
        return QStringLiteral("Message In Use");
    case 23:
        return QStringLiteral("Network Failure");
    case 24:
        return QStringLiteral("Invalid Edit Fields");
    case 25:
        return QStringLiteral("Invalid Recipients");
    case 26:
        return QStringLiteral("Not Supported");
    default:
        return QStringLiteral("Unknown Error");
    }
}

EMapiError mapiError(int code)
{
    if (code == MapiUserAbort)
        return EMapiError(QStringLiteral("User Abort"));
    return EMapiError(QStringLiteral("MAPI: %1. ErrorCode = %2").arg(mapiErrorName(code)).arg(code));
}

} // namespace velorin::widgets
