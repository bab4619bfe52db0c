#include "XdgEmailService.h"

#include "MapiError.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <memory>

namespace velorin::widgets {

namespace {

// xdg-email answers these wherever they stand on its command line instead of composing.
bool isXdgCommonOption(const QString& value)
{
    return value == QLatin1String("--help") || value == QLatin1String("--manual") ||
           value == QLatin1String("--version");
}

void refuseCommonOptions(const QStringList& values, int code)
{
    for (const QString& v : values) {
        if (isXdgCommonOption(v))
            throw mapiError(code);
    }
}

} // namespace

QStringList XdgEmailService::arguments(const MailMessage& message)
{
    // Recipients go with --to so that none is ever taken for an option; xdg-email refuses
    // empty values, so empty parts are left out.
    QStringList args{QStringLiteral("--utf8")};
    for (const QString& to : message.toRecipients)
        args << QStringLiteral("--to") << to;
    for (const QString& cc : message.ccRecipients)
        args << QStringLiteral("--cc") << cc;
    for (const QString& bcc : message.bccRecipients)
        args << QStringLiteral("--bcc") << bcc;
    if (!message.subject.isEmpty())
        args << QStringLiteral("--subject") << message.subject;
    if (!message.text.isEmpty())
        args << QStringLiteral("--body") << message.text;
    for (const QString& file : message.attachments)
        args << QStringLiteral("--attach") << file;
    return args;
}

int XdgEmailService::mapiCodeForExit(int exitCode)
{
    switch (exitCode) {
    case 0:
        return 0;
    case 1:
        return MapiInvalidMessage;
    case 2:
        return MapiAttachmentNotFound;
    case 3:
        return MapiUserAbort;
    case 4:
        return MapiFailure;
    case 5:
        return MapiAttachmentOpenFailure;
    default:
        return MapiFailure;
    }
}

void XdgEmailService::send(const MailMessage& message)
{
    refuseCommonOptions(message.toRecipients + message.ccRecipients + message.bccRecipients,
                        MapiUnknownRecipient);
    refuseCommonOptions({message.subject, message.text}, MapiInvalidMessage);
    refuseCommonOptions(message.attachments, MapiAttachmentNotFound);

    const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-email"));
    if (program.isEmpty())
        throw mapiError(MapiUserAbort);

    auto process = std::make_unique<QProcess>();
    process->setProgram(program);
    process->setArguments(arguments(message));
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);

    // Wait for the hand-off without taking user input, so windows still repaint.
    QEventLoop loop;
    bool timedOut = false;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        loop.quit();
    });
    QObject::connect(process.get(), &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(process.get(), &QProcess::errorOccurred, &loop, [&](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            loop.quit();
    });
    process->start(QIODevice::ReadOnly);
    limit.start(m_waitMs);
    if (process->state() != QProcess::NotRunning || process->error() != QProcess::FailedToStart)
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (timedOut && process->state() != QProcess::NotRunning) {
        // The mail client holds the message and keeps running; leave it to the user.
        QProcess* running = process.release();
        running->setParent(QCoreApplication::instance());
        QObject::connect(running, &QProcess::finished, running, &QObject::deleteLater);
        return;
    }
    if (process->error() == QProcess::FailedToStart || process->exitStatus() != QProcess::NormalExit)
        throw mapiError(MapiFailure);
    const int code = mapiCodeForExit(process->exitCode());
    if (code != 0)
        throw mapiError(code);
}

} // namespace velorin::widgets
