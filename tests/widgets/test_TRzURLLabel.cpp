#include "LinkOpener.h"
#include "TApplication.h"
#include "TRzURLLabel.h"

#include <QSignalSpy>
#include <QTest>

using velorin::widgets::LinkOpener;
using velorin::widgets::TApplication;
using velorin::widgets::TRzURLLabel;

class FakeOpener : public LinkOpener
{
public:
    bool open(const QString& target) override
    {
        opened << target;
        return accept;
    }
    QStringList opened;
    bool accept = true;
};

class TestTRzURLLabel : public QObject
{
    Q_OBJECT
    std::shared_ptr<FakeOpener> m_opener;

private Q_SLOTS:
    void init()
    {
        m_opener = std::make_shared<FakeOpener>();
        TApplication::instance()->setService<LinkOpener>(m_opener);
    }

    void urlFor_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("url");
        QTest::newRow("www gets http") << "www.morvantek.com"
                                       << "http://www.morvantek.com";
        QTest::newRow("WWW in capitals") << "WWW.Morvantek.com/a"
                                         << "http://www.morvantek.com/a";
        QTest::newRow("blank encoded") << "www.morvantek.com/x ray.jpg"
                                       << "http://www.morvantek.com/x%20ray.jpg";
        QTest::newRow("quote and semicolon encoded") << "www.x.com/a\";rm -rf"
                                                     << "http://www.x.com/a%22;rm%20-rf";
        QTest::newRow("web link kept") << "https://morvantek.com/?q=a"
                                       << "https://morvantek.com/?q=a";
        QTest::newRow("mailto kept") << "mailto:destek@morvantek.com"
                                     << "mailto:destek@morvantek.com";
        QTest::newRow("no scheme") << "morvantek.com"
                                   << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("blanks only") << "   "
                                     << "";
    }
    void urlFor()
    {
        QFETCH(QString, target);
        QFETCH(QString, url);
        QCOMPARE(LinkOpener::urlFor(target).toString(QUrl::FullyEncoded), url);
    }

    void clickOpensLinkAndTurnsVisited()
    {
        TRzURLLabel label(QStringLiteral("www.morvantek.com"));
        label.setURL(QStringLiteral("http://www.morvantek.com"));
        label.show();
        QCOMPARE(label.cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(label.palette().color(QPalette::WindowText), label.highlightColor());
        QVERIFY(!label.isVisited());
        QSignalSpy spy(&label, &TRzURLLabel::linkOpened);

        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(m_opener->opened, QStringList(QStringLiteral("http://www.morvantek.com")));
        QVERIFY(label.isVisited());
        QCOMPARE(label.palette().color(QPalette::WindowText), QColor(128, 0, 128));
        QCOMPARE(spy.count(), 1);
    }

    void withoutLinkOpensCaption()
    {
        TRzURLLabel label(QStringLiteral("www.morvantek.com"));
        label.show();
        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(m_opener->opened, QStringList(QStringLiteral("www.morvantek.com")));
    }

    void refusedOpenStaysUnvisited()
    {
        m_opener->accept = false;
        TRzURLLabel label(QStringLiteral("x"));
        label.setURL(QStringLiteral("mailto:destek@morvantek.com"));
        label.show();
        QTest::mouseClick(&label, Qt::LeftButton);
        QCOMPARE(m_opener->opened.size(), 1);
        QVERIFY(!label.isVisited());
        QCOMPARE(label.palette().color(QPalette::WindowText), label.highlightColor());
    }

    void keyboardOpens_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("return") << int(Qt::Key_Return);
        QTest::newRow("enter") << int(Qt::Key_Enter);
        QTest::newRow("space") << int(Qt::Key_Space);
    }
    void keyboardOpens()
    {
        QFETCH(int, key);
        TRzURLLabel label(QStringLiteral("www.morvantek.com"));
        QCOMPARE(label.focusPolicy(), Qt::StrongFocus);
        label.show();
        QTest::keyClick(&label, Qt::Key(key));
        QCOMPARE(m_opener->opened.size(), 1);
        QVERIFY(label.isVisited());
    }

    void pressOutsideThenReleaseOutsideDoesNotOpen()
    {
        TRzURLLabel label(QStringLiteral("www.morvantek.com"));
        label.resize(120, 20);
        label.show();
        QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(500, 5));
        QVERIFY(m_opener->opened.isEmpty());
    }
};

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    QStringList errors;
    app.setErrorHandler([&](const QString& m) { errors << m; });
    TestTRzURLLabel test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_TRzURLLabel.moc"
