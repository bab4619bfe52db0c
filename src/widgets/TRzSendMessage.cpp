#include "TRzSendMessage.h"

#include "TApplication.h"
#include "XdgEmailService.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

namespace velorin::widgets {

namespace {

// Recipients lose surrounding blanks; a file name keeps them, as they may be part of it.
QStringList nonBlank(const QStringList& lines, bool trim)
{
    QStringList kept;
    for (const QString& line : lines) {
        const QString t = line.trimmed();
        if (!t.isEmpty())
            kept << (trim ? t : line);
    }
    return kept;
}

} // namespace

TRzSendMessage::TRzSendMessage(QObject* parent) : QObject(parent) {}

MailMessage TRzSendMessage::message() const
{
    MailMessage m = m_message;
    m.toRecipients = nonBlank(m.toRecipients, true);
    m.ccRecipients = nonBlank(m.ccRecipients, true);
    m.bccRecipients = nonBlank(m.bccRecipients, true);
    QStringList files;
    for (const QString& line : nonBlank(m.attachments, false))
        files << QFileInfo(line).absoluteFilePath();
    m.attachments = files;
    return m;
}

void TRzSendMessage::Send()
{
    const MailMessage m = message();
    const std::shared_ptr<MailService> service =
        TApplication::serviceOr<MailService>(std::make_shared<XdgEmailService>());

    // The hourglass shows and the current directory is kept for as long as the send runs.
    const bool gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    const QString dir = QDir::currentPath();
    const auto restore = [&] {
        QDir::setCurrent(dir);
        if (gui)
            QGuiApplication::restoreOverrideCursor();
    };
    if (gui)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        service->send(m);
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

} // namespace velorin::widgets
