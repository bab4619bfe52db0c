#include "EMapiError.h"
#include "MailService.h"
#include "SendMessageFrame.h"
#include "TApplication.h"
#include "TRzEditListBox.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace velorin;
using widgets::MailMessage;
using widgets::TApplication;

class FakeMail : public widgets::MailService
{
public:
    void send(const MailMessage& m) override
    {
        sent.append(m);
        if (!failWith.isEmpty())
            throw EMapiError(failWith);
    }
    QList<MailMessage> sent;
    QString failWith;
};

class TestSendMessageFrame : public QObject
{
    Q_OBJECT
    QStringList m_errors;
    std::shared_ptr<FakeMail> m_mail;
    QTemporaryDir m_dir;
    std::unique_ptr<samples::TFmeSendMessages> m_page;

    template <class T> T* child(const char* name) const
    {
        T* w = m_page->findChild<T*>(QString::fromLatin1(name));
        if (!w)
            qFatal("missing %s", name);
        return w;
    }
    QString file(const char* name) const
    {
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write("x");
        return path;
    }
    void fill()
    {
        child<QPlainTextEdit>("EdtTO")->setPlainText(QStringLiteral("ana@example.com\nbob@example.com"));
        child<QPlainTextEdit>("EdtCC")->setPlainText(QStringLiteral("cc@example.com"));
        QTest::keyClicks(child<QLineEdit>("EdtSubject"), QStringLiteral("Hello"));
        child<QPlainTextEdit>("EdtMessage")->setPlainText(QStringLiteral("Line 1\nLine 2"));
        attach(file("a.txt"));
        attach(file("b.pdf"));
    }
    void attach(const QString& path)
    {
        m_page->openDialog()->setChooser([path](const widgets::TRzOpenDialog&) { return path; });
        QTest::mouseClick(child<QToolButton>("BtnAttach"), Qt::LeftButton);
    }
    QStringList attachments() const { return child<widgets::TRzEditListBox>("LstFiles")->lines(); }

public:
    TestSendMessageFrame()
    {
        TApplication::instance()->setErrorHandler([this](const QString& m) { m_errors << m; });
    }

private Q_SLOTS:
    void init()
    {
        m_errors.clear();
        m_mail = std::make_shared<FakeMail>();
        TApplication::instance()->setService<widgets::MailService>(m_mail);
        m_page = std::make_unique<samples::TFmeSendMessages>();
        m_page->Init();
        m_page->resize(524, 562);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    }
    void cleanup() { m_page.reset(); }

    void layoutAsDesigned()
    {
        QCOMPARE(child<QWidget>("RzPanel1")->geometry(), QRect(0, 0, 524, 35));
        QCOMPARE(child<QWidget>("RzToolbar1")->geometry(), QRect(0, 35, 524, 33));
        QCOMPARE(child<QWidget>("PnlHeader")->geometry(), QRect(0, 68, 524, 86));
        QCOMPARE(child<QWidget>("GrpAttach")->geometry(), QRect(0, 562 - 80, 524, 80));
        QCOMPARE(child<QWidget>("PnlMessage")->geometry(), QRect(0, 154, 524, 562 - 80 - 154));
        QCOMPARE(child<QToolButton>("BtnSend")->text(), QStringLiteral("Send"));
        QCOMPARE(child<QToolButton>("BtnAttach")->geometry().left(), 63);
        QCOMPARE(child<QWidget>("EdtTO")->geometry(), QRect(60, 12, 213, 37));
        QCOMPARE(child<QWidget>("EdtCC")->geometry(), QRect(320, 12, 213, 37));
        QCOMPARE(child<QWidget>("EdtSubject")->geometry(), QRect(60, 56, 473, 21));
    }

    void sendHandsOverEveryPartAndClearsInOrder()
    {
        fill();
        QStringList cleared;
        QObject watch; // ends the recording connections with this test
        connect(child<QPlainTextEdit>("EdtTO"), &QPlainTextEdit::textChanged, &watch,
                [&] { cleared << "EdtTO"; });
        connect(child<QPlainTextEdit>("EdtCC"), &QPlainTextEdit::textChanged, &watch,
                [&] { cleared << "EdtCC"; });
        connect(child<QLineEdit>("EdtSubject"), &QLineEdit::textChanged, &watch,
                [&] { cleared << "EdtSubject"; });
        connect(child<QPlainTextEdit>("EdtMessage"), &QPlainTextEdit::textChanged, &watch,
                [&] { cleared << "EdtMessage"; });
        connect(child<widgets::TRzEditListBox>("LstFiles")->model(), &QAbstractItemModel::modelReset, &watch,
                [&] { cleared << "LstFiles"; });

        QTest::mouseClick(child<QToolButton>("BtnSend"), Qt::LeftButton);
        QVERIFY(m_errors.isEmpty());
        QCOMPARE(m_mail->sent.size(), 1);
        const MailMessage& m = m_mail->sent.first();
        QCOMPARE(m.toRecipients, (QStringList{"ana@example.com", "bob@example.com"}));
        QCOMPARE(m.ccRecipients, QStringList{"cc@example.com"});
        QVERIFY(m.bccRecipients.isEmpty());
        QCOMPARE(m.subject, QStringLiteral("Hello"));
        QCOMPARE(m.text, QStringLiteral("Line 1\nLine 2"));
        QCOMPARE(m.attachments, (QStringList{m_dir.filePath("a.txt"), m_dir.filePath("b.pdf")}));
        QCOMPARE(cleared, (QStringList{"EdtTO", "EdtCC", "EdtSubject", "EdtMessage", "LstFiles"}));
        QVERIFY(child<QPlainTextEdit>("EdtTO")->toPlainText().isEmpty());
        QVERIFY(attachments().isEmpty());
    }

    void emptyMessageIsHandedOverUnchanged()
    {
        QTest::mouseClick(child<QToolButton>("BtnSend"), Qt::LeftButton);
        QCOMPARE(m_mail->sent.size(), 1);
        QVERIFY(m_mail->sent.first().toRecipients.isEmpty());
        QVERIFY(m_mail->sent.first().text.isEmpty());
        QVERIFY(m_errors.isEmpty());
    }

    void failedSendKeepsEverything()
    {
        fill();
        m_mail->failWith = QStringLiteral("User Abort");
        QTest::mouseClick(child<QToolButton>("BtnSend"), Qt::LeftButton);
        QCOMPARE(m_errors, QStringList(QStringLiteral("User Abort")));
        QCOMPARE(child<QPlainTextEdit>("EdtTO")->toPlainText(),
                 QStringLiteral("ana@example.com\nbob@example.com"));
        QCOMPARE(child<QPlainTextEdit>("EdtCC")->toPlainText(), QStringLiteral("cc@example.com"));
        QCOMPARE(child<QLineEdit>("EdtSubject")->text(), QStringLiteral("Hello"));
        QCOMPARE(child<QPlainTextEdit>("EdtMessage")->toPlainText(), QStringLiteral("Line 1\nLine 2"));
        QCOMPARE(attachments().size(), 2);

        // Corrected and sent again, it goes through.
        m_mail->failWith.clear();
        QTest::mouseClick(child<QToolButton>("BtnSend"), Qt::LeftButton);
        QCOMPARE(m_mail->sent.size(), 2);
        QVERIFY(attachments().isEmpty());
    }

    void attachAddsDeletesAndEdits()
    {
        const QString a = file("a.txt");
        attach(a);
        attach(a);
        QCOMPARE(attachments(), (QStringList{a, a}));
        attach(QString()); // cancelled
        attach(m_dir.filePath("missing.txt"));
        QCOMPARE(attachments().size(), 2);
        const QString b = file("b.txt");
        attach(b);

        auto* list = child<widgets::TRzEditListBox>("LstFiles");
        list->setFocus();
        list->setCurrentRow(1);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(attachments(), (QStringList{a, b}));

        list->setCurrentRow(1);
        QTest::keyClick(list, Qt::Key_F2);
        auto* editor = list->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("/tmp/edited.txt"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(attachments(), (QStringList{a, "/tmp/edited.txt"}));
    }
};

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    TestSendMessageFrame test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_SendMessageFrame.moc"
