#include "ButtonsFrame.h"
#include "CommonControlsFrame.h"
#include "DisplayFrame.h"
#include "LauncherFrame.h"
#include "LinkOpener.h"
#include "ListBoxesFrame.h"
#include "ShellFrame.h"
#include "TApplication.h"
#include "THeaderPanel.h"
#include "TRzURLLabel.h"

#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <functional>

using namespace velorin;
using widgets::TApplication;

using PageMaker = std::function<std::unique_ptr<widgets::TFrame>()>;
Q_DECLARE_METATYPE(PageMaker)

class FakeOpener : public widgets::LinkOpener
{
public:
    bool open(const QString& target) override
    {
        opened << target;
        return true;
    }
    QStringList opened;
};

class TestInformationPages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void headerStaysOnTop_data()
    {
        QTest::addColumn<PageMaker>("make");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("designSize");
        QTest::newRow("list boxes") << PageMaker([] { return std::make_unique<samples::TFmeListBoxes>(); })
                                    << "List Box Controls" << QSize(612, 458);
        QTest::newRow("buttons") << PageMaker([] { return std::make_unique<samples::TFmeButtons>(); })
                                 << "Kar / Zarar" << QSize(561, 417);
        QTest::newRow("shell") << PageMaker([] { return std::make_unique<samples::TFmeShell>(); })
                               << QStringLiteral("Çek / Senet") << QSize(751, 646);
        QTest::newRow("launcher") << PageMaker([] { return std::make_unique<samples::TFmeLauncher>(); })
                                  << QStringLiteral("Veri Dışarı") << QSize(806, 602);
        QTest::newRow("display") << PageMaker([] { return std::make_unique<samples::TFmeDisplay>(); })
                                 << "Display" << QSize(488, 572);
    }
    void headerStaysOnTop()
    {
        QFETCH(PageMaker, make);
        QFETCH(QString, caption);
        QFETCH(QSize, designSize);
        std::unique_ptr<widgets::TFrame> page = make();
        QCOMPARE(page->designSize(), designSize);
        auto* header = page->findChild<widgets::THeaderPanel*>(QStringLiteral("pnlHeader"));
        QVERIFY(header);
        QCOMPARE(header->text(), caption);
        page->Init();
        for (const QSize& s : {QSize(524, 562), QSize(900, 700)}) {
            page->resize(s);
            page->show();
            QTRY_COMPARE(header->geometry(), QRect(0, 0, s.width(), 35));
        }
        if (auto* panel = page->findChild<QFrame*>(QStringLiteral("RzPanel1")))
            QCOMPARE(panel->geometry(), QRect(0, 35, 900, 700 - 35));
    }

    void shellTabsAreSelectable()
    {
        samples::TFmeShell page;
        page.resize(524, 562);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto* tabs = page.findChild<QTabWidget*>(QStringLiteral("RzPageControl1"));
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->currentIndex(), 0);
        QVERIFY(!tabs->tabIcon(0).isNull());
        for (int i : {1, 2, 0}) {
            QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(i).center());
            QCOMPARE(tabs->currentIndex(), i);
            QCOMPARE(tabs->currentWidget()->objectName(), QStringLiteral("TabSheet%1").arg(i + 1));
            QVERIFY(tabs->currentWidget()->children().isEmpty());
        }
        // The menu button lists the sheets and selects them too.
        auto* menuButton = page.findChild<QToolButton*>(QStringLiteral("btnTabMenu"));
        QVERIFY(menuButton && menuButton->menu());
        QCOMPARE(menuButton->menu()->actions().size(), 3);
        menuButton->menu()->actions().at(2)->trigger();
        QCOMPARE(tabs->currentIndex(), 2);
        auto* status = page.findChild<QStatusBar*>(QStringLiteral("RzStatusBar1"));
        QVERIFY(status);
        QCOMPARE(status->currentMessage(), QString());
        QCOMPARE(status->height(), 19);
    }

    void aboutLinksOpenAndStayVisited()
    {
        auto opener = std::make_shared<FakeOpener>();
        TApplication::instance()->setService<widgets::LinkOpener>(opener);
        samples::TFmeCommonControls page;
        page.Init();
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QCOMPARE(page.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Morvantek   "));
        QVERIFY(!page.findChild<QLabel*>(QStringLiteral("Image1"))->pixmap().isNull());
        QVERIFY(!page.findChild<QLabel*>(QStringLiteral("Image2"))->pixmap().isNull());

        auto* web = page.findChild<widgets::TRzURLLabel*>(QStringLiteral("RzURLLabel1"));
        auto* mail = page.findChild<widgets::TRzURLLabel*>(QStringLiteral("RzURLLabel2"));
        QVERIFY(web && mail);
        QCOMPARE(web->text(), QStringLiteral("www.morvantek.com"));
        QCOMPARE(web->pos(), QPoint(346, 522));
        QCOMPARE(mail->pos(), QPoint(9, 477));
        QVERIFY(web->font().underline() && mail->font().underline() && mail->font().bold());
        QCOMPARE(web->cursor().shape(), Qt::PointingHandCursor);

        QTest::mouseClick(web, Qt::LeftButton);
        QCOMPARE(opener->opened, QStringList(QStringLiteral("http://www.morvantek.com")));
        QCOMPARE(web->palette().color(QPalette::WindowText), QColor(128, 0, 128));
        QCOMPARE(mail->palette().color(QPalette::WindowText), mail->highlightColor());
        mail->setFocus();
        QTest::keyClick(mail, Qt::Key_Return);
        QCOMPARE(opener->opened.last(), QStringLiteral("mailto:destek@morvantek.com"));

        // The page stays; on a later visit both are still drawn as visited.
        page.hide();
        page.show();
        QCOMPARE(web->palette().color(QPalette::WindowText), QColor(128, 0, 128));
        QCOMPARE(mail->palette().color(QPalette::WindowText), QColor(128, 0, 128));
        TApplication::instance()->setService<widgets::LinkOpener>(nullptr);
    }
};

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    QStringList errors;
    app.setErrorHandler([&](const QString& m) { errors << m; });
    TestInformationPages test;
    const int rc = QTest::qExec(&test, argc, argv);
    return rc ? rc : int(!errors.isEmpty());
}

#include "test_InformationPages.moc"
