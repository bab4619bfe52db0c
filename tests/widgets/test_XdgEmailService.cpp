#include "EMapiError.h"
#include "MailService.h"
#include "TApplication.h"
#include "TRzSendMessage.h"
#include "XdgEmailService.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using velorin::EMapiError;
using velorin::widgets::MailMessage;
using velorin::widgets::MailService;
using velorin::widgets::TApplication;
using velorin::widgets::TRzSendMessage;
using velorin::widgets::XdgEmailService;

// Runs a stand-in xdg-email, first on PATH, that writes its arguments (each ended by a
// NUL) to a file and exits with the code it is told.
class TestXdgEmailService : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QByteArray m_path;
    QString m_out;

    void setExit(int code) { qputenv("XDG_STANDIN_EXIT", QByteArray::number(code)); }
    QStringList recordedArguments() const
    {
        QFile f(m_out);
        if (!f.open(QIODevice::ReadOnly))
            return {QStringLiteral("<not run>")};
        QStringList args;
        for (const QByteArray& a : f.readAll().split('\0'))
            args << QString::fromUtf8(a);
        args.removeLast(); // after the last NUL
        return args;
    }
    QString sendError(XdgEmailService& service, const MailMessage& m)
    {
        try {
            service.send(m);
        } catch (const EMapiError& e) {
            return e.message();
        }
        return QString();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).mkdir(QStringLiteral("bin"));
        QDir(m_dir.path()).mkdir(QStringLiteral("empty"));
        const QString script = m_dir.filePath(QStringLiteral("bin/xdg-email"));
        QFile f(script);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n"
                ": > \"$XDG_STANDIN_OUT\"\n"
                "for a in \"$@\"; do printf '%s\\0' \"$a\" >> \"$XDG_STANDIN_OUT\"; done\n"
                "[ -n \"$XDG_STANDIN_SLEEP\" ] && sleep \"$XDG_STANDIN_SLEEP\"\n"
                "exit \"${XDG_STANDIN_EXIT:-0}\"\n");
        f.close();
        QVERIFY(f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        m_out = m_dir.filePath(QStringLiteral("args"));
        qputenv("XDG_STANDIN_OUT", QFile::encodeName(m_out));
        m_path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(m_dir.filePath(QStringLiteral("bin"))) + ':' + m_path);
    }
    void init()
    {
        QFile::remove(m_out);
        setExit(0);
        qunsetenv("XDG_STANDIN_SLEEP");
    }
    void cleanupTestCase() { qputenv("PATH", m_path); }

    void everyPartIsAnArgumentOfItsOwn()
    {
        MailMessage m;
        m.toRecipients = QStringList{"ana@example.com", "bob; rm -rf ~ <b@example.com>"};
        m.ccRecipients = QStringList{"cc@example.com", "-x@example.com"};
        m.subject = QStringLiteral("Año nuevo $(whoami) \"q\"");
        m.text = QStringLiteral("Line one\nLine 'two' & `three`");
        m.attachments =
            QStringList{m_dir.filePath(QStringLiteral("a b.txt")), m_dir.filePath(QStringLiteral("c.pdf"))};
        XdgEmailService service;
        QCOMPARE(sendError(service, m), QString());
        const QStringList expected{"--utf8",
                                   "--to",
                                   "ana@example.com",
                                   "--to",
                                   "bob; rm -rf ~ <b@example.com>",
                                   "--cc",
                                   "cc@example.com",
                                   "--cc",
                                   "-x@example.com",
                                   "--subject",
                                   QStringLiteral("Año nuevo $(whoami) \"q\""),
                                   "--body",
                                   "Line one\nLine 'two' & `three`",
                                   "--attach",
                                   m_dir.filePath(QStringLiteral("a b.txt")),
                                   "--attach",
                                   m_dir.filePath(QStringLiteral("c.pdf"))};
        QCOMPARE(recordedArguments(), expected);
        QCOMPARE(XdgEmailService::arguments(m), expected);
    }

    // xdg-email refuses empty values, so an empty message goes without them; with no
    // recipients the mail client opens an empty compose window.
    void emptyPartsAreLeftOut()
    {
        XdgEmailService service;
        QCOMPARE(sendError(service, MailMessage()), QString());
        QCOMPARE(recordedArguments(), QStringList{"--utf8"});
    }

    void exitCodesBecomeMailErrors_data()
    {
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("0 handed over") << 0 << QString();
        QTest::newRow("1 bad argument") << 1 << "MAPI: Invalid Message. ErrorCode = 17";
        QTest::newRow("2 attachment missing") << 2 << "MAPI: Attachment Not Found. ErrorCode = 11";
        QTest::newRow("3 no mail client") << 3 << "User Abort";
        QTest::newRow("4 hand-off failed") << 4 << "MAPI: Failure. ErrorCode = 2";
        QTest::newRow("5 file not readable") << 5 << "MAPI: Attachment Open Failure. ErrorCode = 12";
        QTest::newRow("7 anything else") << 7 << "MAPI: Failure. ErrorCode = 2";
    }
    void exitCodesBecomeMailErrors()
    {
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        setExit(exitCode);
        MailMessage m;
        m.toRecipients = QStringList{"ana@example.com"};
        XdgEmailService service;
        QCOMPARE(sendError(service, m), message);
        QCOMPARE(recordedArguments(), (QStringList{"--utf8", "--to", "ana@example.com"}));
    }

    void noXdgEmailIsUserAbort()
    {
        qputenv("PATH", QFile::encodeName(m_dir.filePath(QStringLiteral("empty"))));
        XdgEmailService service;
        const QString error = sendError(service, MailMessage());
        qputenv("PATH", QFile::encodeName(m_dir.filePath(QStringLiteral("bin"))) + ':' + m_path);
        QCOMPARE(error, QStringLiteral("User Abort"));
        QVERIFY(!QFile::exists(m_out));
    }

    // xdg-email would print its help and report success for these wherever they stand.
    void valuesXdgEmailTakesAsCommandsAreRefused_data()
    {
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("message");
        QTest::newRow("recipient") << "--help"
                                   << ""
                                   << "MAPI: Unknown Recipient. ErrorCode = 14";
        QTest::newRow("subject") << "a@example.com"
                                 << "--version"
                                 << "MAPI: Invalid Message. ErrorCode = 17";
    }
    void valuesXdgEmailTakesAsCommandsAreRefused()
    {
        QFETCH(QString, to);
        QFETCH(QString, subject);
        QFETCH(QString, message);
        MailMessage m;
        m.toRecipients = QStringList{to};
        m.subject = subject;
        XdgEmailService service;
        QCOMPARE(sendError(service, m), message);
        QVERIFY(!QFile::exists(m_out));
    }

    // A mail client that keeps xdg-email waiting has the message; the send returns.
    void waitIsBounded()
    {
        qputenv("XDG_STANDIN_SLEEP", "2");
        setExit(4);
        XdgEmailService service(200);
        QElapsedTimer t;
        t.start();
        QCOMPARE(sendError(service, MailMessage()), QString());
        QVERIFY(t.elapsed() < 1500);
    }

    // The mail sender drops blank lines and expands attachments to full paths before
    // the service sees them; the service's error comes out of Send unchanged.
    void senderPreparesTheMessage()
    {
        struct Recorder : MailService
        {
            void send(const MailMessage& m) override
            {
                sent.append(m);
                if (fail)
                    throw EMapiError(QStringLiteral("User Abort"));
            }
            QList<MailMessage> sent;
            bool fail = false;
        };
        auto recorder = std::make_shared<Recorder>();
        TApplication::instance()->setService<MailService>(recorder);
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_dir.path()));

        TRzSendMessage sender;
        sender.setToRecipients({" ana@example.com ", "", "  "});
        sender.setCcRecipients({"", "cc@example.com"});
        sender.setSubject(QStringLiteral("Hola"));
        sender.setMessageText({"one", "", "three"});
        sender.setAttachments({"notes.txt", "", "/abs/x.pdf"});
        sender.Send();
        QCOMPARE(recorder->sent.size(), 1);
        const MailMessage& m = recorder->sent.first();
        QCOMPARE(m.toRecipients, QStringList{"ana@example.com"});
        QCOMPARE(m.ccRecipients, QStringList{"cc@example.com"});
        QVERIFY(m.bccRecipients.isEmpty());
        QCOMPARE(m.subject, QStringLiteral("Hola"));
        QCOMPARE(m.text, QStringLiteral("one\n\nthree"));
        QCOMPARE(m.attachments, (QStringList{m_dir.filePath(QStringLiteral("notes.txt")), "/abs/x.pdf"}));

        recorder->fail = true;
        QVERIFY_THROWS_EXCEPTION(EMapiError, sender.Send());
        QCOMPARE(QDir::currentPath(), QDir(m_dir.path()).canonicalPath());
        QVERIFY(!QGuiApplication::overrideCursor());
        QDir::setCurrent(before);
        TApplication::instance()->setService<MailService>(nullptr);
    }
};

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    QStringList errors;
    app.setErrorHandler([&](const QString& m) { errors << m; });
    TestXdgEmailService test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_XdgEmailService.moc"
