#include "EDatabaseError.h"
#include "MainForm.h"
#include "TApplication.h"
#include "TRzToolbar.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using velorin::shell::PageRegistry;
using velorin::shell::TfrmMain;
using velorin::widgets::TApplication;
using velorin::widgets::TFrame;

namespace {

struct Fixture
{
    QTemporaryDir dir;
    PageRegistry registry;
    QHash<QString, int> created;
    QStringList errors;

    Fixture()
    {
        TApplication::instance()->setErrorHandler([this](const QString& m) { errors << m; });
        for (const char* name : {"TFmeCustomFraming", "TFmeTabs", "TFmeEdits", "TFmeComboBoxes",
                                 "TFmeListBoxes", "TFmeCommonControls", "TFmeButtons", "TFmeDisplay",
                                 "TFmeReservations", "TFmeShell", "TFmeLauncher", "TFmeSendMessages"}) {
            const QString cls = QLatin1String(name);
            registry.addPage(cls, [this, cls] {
                ++created[cls];
                auto page = std::make_unique<TFrame>();
                page->setObjectName(cls);
                return page;
            });
        }
    }
    QString settings() const { return dir.filePath(QStringLiteral("velorin.ini")); }
};

// A stand-in for the widgets window: tells its host when it closes, then deletes itself.
class FakeWidgetForm : public QWidget
{
public:
    explicit FakeWidgetForm(velorin::widgets::WidgetFormHost& host) : m_host(host)
    {
        setAttribute(Qt::WA_DeleteOnClose);
    }

protected:
    void closeEvent(QCloseEvent* e) override
    {
        m_host.WidgetFormClosed();
        QWidget::closeEvent(e);
    }

private:
    velorin::widgets::WidgetFormHost& m_host;
};

QAction* menuAction(TfrmMain& w, const QString& name)
{
    return w.findChild<QAction*>(name);
}

void clickButton(TfrmMain& w, const char* name)
{
    auto* button = w.findChild<QToolButton*>(QLatin1String(name));
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

int checkedCount(TfrmMain& w)
{
    int n = 0;
    for (int i = 0; i < TfrmMain::SheetCount; ++i)
        n += w.action(i)->isChecked() ? 1 : 0;
    return n;
}

} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startsOnWelcomeWithNoPages()
    {
        Fixture f;
        TfrmMain w(f.registry, f.settings());
        QCOMPARE(w.windowTitle(), QStringLiteral("Velorin Espanol to English "));
        QCOMPARE(w.pgcWorkArea()->currentIndex(), int(TfrmMain::tabWelcome));
        QVERIFY(w.action(TfrmMain::tabWelcome)->isChecked());
        QCOMPARE(checkedCount(w), 1);
        QVERIFY(f.created.isEmpty());
        QCOMPARE(w.pgcWorkArea()->count(), 14);
        for (int i = 0; i < TfrmMain::SheetCount; ++i)
            QCOMPARE(w.action(i)->data().toInt(), i);
        auto* addWords = w.findChild<QToolButton*>(QStringLiteral("RzBitBtn4"));
        QVERIFY(!addWords->isHidden());
        QVERIFY(!addWords->isEnabled());
        QCOMPARE(w.tbrMain()->controlCount(), 12);
    }

    void everyActionChecksOnlyItself_data()
    {
        QTest::addColumn<int>("tag");
        for (int i = 0; i < TfrmMain::SheetCount; ++i)
            QTest::addRow("%d", i) << i;
    }
    void everyActionChecksOnlyItself()
    {
        QFETCH(int, tag);
        Fixture f;
        TfrmMain w(f.registry, f.settings());
        w.action(tag)->trigger();
        QCOMPARE(w.pgcWorkArea()->currentIndex(), tag);
        QVERIFY(w.action(tag)->isChecked());
        QCOMPARE(checkedCount(w), 1);
        // Triggering the checked item again must not uncheck it.
        w.action(tag)->trigger();
        QVERIFY(w.action(tag)->isChecked());
        QCOMPARE(checkedCount(w), 1);
    }

    void firstRequestCreatesLaterOnlySelect()
    {
        Fixture f;
        TfrmMain w(f.registry, f.settings());
        w.show();
        w.action(TfrmMain::tabCustomFraming)->trigger();
        TFrame* page = w.page(TfrmMain::tabCustomFraming);
        QVERIFY(page);
        QCOMPARE(page->parentWidget(), w.sheet(TfrmMain::tabCustomFraming));
        QVERIFY(page->autoFillBackground()); // Init ran
        QCOMPARE(page->size(), w.sheet(TfrmMain::tabCustomFraming)->size());
        w.action(TfrmMain::tabWelcome)->trigger();
        clickButton(w, "RzBitBtn1");
        QCOMPARE(w.page(TfrmMain::tabCustomFraming), page);
        QCOMPARE(f.created.value(QStringLiteral("TFmeCustomFraming")), 1);
        QCOMPARE(w.pgcWorkArea()->currentIndex(), int(TfrmMain::tabCustomFraming));
    }

    void buttonsAndMenuReachTheSamePage_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("tag");
        QTest::newRow("Espanol English") << "RzBitBtn1" << int(TfrmMain::tabCustomFraming);
        QTest::newRow("English Espanol") << "RzBitBtn2" << int(TfrmMain::tabEdits);
        QTest::newRow("About") << "RzBitBtn5" << int(TfrmMain::tabCommonControls);
        QTest::newRow("Main") << "RzBitBtn3" << int(TfrmMain::tabWelcome);
    }
    void buttonsAndMenuReachTheSamePage()
    {
        QFETCH(QString, button);
        QFETCH(int, tag);
        Fixture f;
        TfrmMain w(f.registry, f.settings());
        w.show();
        w.action(tag)->trigger();
        TFrame* viaMenu = w.page(tag);
        w.action(TfrmMain::tabDisplay)->trigger();
        clickButton(w, button.toLatin1().constData());
        QCOMPARE(w.page(tag), viaMenu);
        QCOMPARE(w.pgcWorkArea()->currentIndex(), tag);
        QVERIFY(w.action(tag)->isChecked());
        QCOMPARE(checkedCount(w), 1);
        int total = 0;
        for (int n : f.created)
            total += n;
        QCOMPARE(total, tag == TfrmMain::tabWelcome ? 1 : 2);
    }

    void failingConstructorLeavesNoPageAndRetries()
    {
        Fixture f;
        int attempts = 0;
        f.registry.addPage(QStringLiteral("TFmeTabs"), [&attempts]() -> std::unique_ptr<TFrame> {
            if (++attempts == 1)
                throw velorin::EDatabaseError(QStringLiteral("Alias 'dorhasta' is not defined"));
            return std::make_unique<TFrame>();
        });
        TfrmMain w(f.registry, f.settings());
        w.show();
        auto* tabs = menuAction(w, QStringLiteral("actTabs"));
        QVERIFY_THROWS_EXCEPTION(velorin::EDatabaseError, tabs->trigger());
        QVERIFY(!w.page(TfrmMain::tabTabs));
        QVERIFY(w.action(TfrmMain::tabWelcome)->isChecked());
        tabs->trigger();
        QVERIFY(w.page(TfrmMain::tabTabs));
        QCOMPARE(attempts, 2);
    }

    void viewTogglesHideAndShowAgain()
    {
        Fixture f;
        TfrmMain w(f.registry, f.settings());
        w.show();
        const QSize size = w.size();
        const int areaHeight = w.pgcWorkArea()->height();
        auto* toolbar = menuAction(w, QStringLiteral("mnuMainToolbar"));
        auto* status = menuAction(w, QStringLiteral("mnuStatusBar"));
        toolbar->trigger();
        QVERIFY(!toolbar->isChecked());
        QVERIFY(w.tbrMain()->isHidden());
        status->trigger();
        QVERIFY(!status->isChecked());
        QVERIFY(w.sbrMain()->isHidden());
        QTRY_VERIFY(w.pgcWorkArea()->height() > areaHeight);
        QCOMPARE(w.size(), size);
        toolbar->trigger();
        status->trigger();
        QVERIFY(toolbar->isChecked() && status->isChecked());
        QVERIFY(!w.tbrMain()->isHidden() && !w.sbrMain()->isHidden());
        QTRY_COMPARE(w.pgcWorkArea()->height(), areaHeight);
        auto* notes = menuAction(w, QStringLiteral("mnuNotes"));
        notes->trigger();
        QVERIFY(notes->isChecked());
    }

    void exitStoresPlacementAndLayoutQuitStoresNothing()
    {
        Fixture f;
        {
            TfrmMain w(f.registry, f.settings());
            w.show();
            w.move(40, 30);
            auto* quit = w.findChild<QToolButton*>(QStringLiteral("RzBitBtn6"));
            QTest::mouseClick(quit, Qt::LeftButton);
            w.close();
        }
        QVERIFY(!QFile::exists(f.settings()));
        {
            TfrmMain w(f.registry, f.settings());
            w.show();
            w.move(40, 30);
            menuAction(w, QStringLiteral("mnuExit"))->trigger();
            QVERIFY(!w.isVisible());
        }
        QSettings store(f.settings(), QSettings::IniFormat);
        QCOMPARE(store.value("frmMainFormState/Left").toInt(), 40);
        QCOMPARE(store.value("frmMainFormState/Top").toInt(), 30);
        QCOMPARE(store.value("frmMainFormState/Saved").toString(), QStringLiteral("1"));
        QCOMPARE(store.value("frmMainFormState/Maximized").toString(), QStringLiteral("0"));
        QCOMPARE(store.value("tbrMain/Count").toInt(), 12);
        QCOMPARE(store.value("tbrMain/Control0").toString(), QStringLiteral("RzSpacer2"));
        QCOMPARE(store.value("tbrMain/Control11").toString(), QStringLiteral("RzBitBtn6"));
        TfrmMain again(f.registry, f.settings());
        again.show();
        QCOMPARE(again.pos(), QPoint(40, 30));
        QVERIFY(f.errors.isEmpty());
    }

    void storedToolbarLayoutIsRestored()
    {
        Fixture f;
        {
            QSettings store(f.settings(), QSettings::IniFormat);
            store.setValue("tbrMain/TextOptions", 1);
            store.setValue("tbrMain/Count", 12);
            const QStringList order = {"RzBitBtn6", "RzSpacer2", "##RzBitBtn3", "RzSpacer8",
                                       "RzBitBtn1", "RzSpacer3", "RzBitBtn2",   "RzSpacer5",
                                       "RzBitBtn4", "RzSpacer6", "RzBitBtn5",   "RzSpacer7"};
            for (int i = 0; i < order.size(); ++i)
                store.setValue(QStringLiteral("tbrMain/Control%1").arg(i), order[i]);
        }
        TfrmMain w(f.registry, f.settings());
        const auto& controls = w.tbrMain()->controls();
        QCOMPARE(controls.front()->objectName(), QStringLiteral("RzBitBtn6"));
        QCOMPARE(controls[2]->objectName(), QStringLiteral("RzBitBtn3"));
        QVERIFY(controls[2]->isHidden());
        QCOMPARE(w.tbrMain()->textOptions(), 1);
    }

    void toolbarLayoutWithOtherCountIsIgnored()
    {
        Fixture f;
        {
            QSettings store(f.settings(), QSettings::IniFormat);
            store.setValue("tbrMain/TextOptions", 2);
            store.setValue("tbrMain/Count", 3);
            store.setValue("tbrMain/Control0", "RzBitBtn6");
            store.setValue("tbrMain/Control1", "##RzBitBtn3");
        }
        TfrmMain w(f.registry, f.settings());
        const auto& controls = w.tbrMain()->controls();
        QCOMPARE(controls.front()->objectName(), QStringLiteral("RzSpacer2"));
        QCOMPARE(controls[1]->objectName(), QStringLiteral("RzBitBtn3"));
        QVERIFY(!controls[1]->isHidden());
        QCOMPARE(w.tbrMain()->textOptions(), 2);
    }

    void positionOffEveryMonitorGoesToTopLeft()
    {
        Fixture f;
        {
            QSettings store(f.settings(), QSettings::IniFormat);
            store.setValue("frmMainFormState/Left", 40000);
            store.setValue("frmMainFormState/Top", -40000);
            store.setValue("frmMainFormState/Saved", 1);
        }
        TfrmMain w(f.registry, f.settings());
        w.show();
        QCOMPARE(w.pos(), QGuiApplication::primaryScreen()->geometry().topLeft());
    }

    void badSettingsFilesGiveDefaults_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("malformed") << QByteArray("[tbrMain\nCount=abc\n\x01\x02[[[\nControl0=\n=x\n");
        QTest::newRow("binary") << QByteArray("\x00\xff\xfe\x00garbage", 12);
        QTest::newRow("wrong types") << QByteArray(
            "[frmMainFormState]\nLeft=left\nTop=\n[tbrMain]\nCount=12\n");
    }
    void badSettingsFilesGiveDefaults()
    {
        QFETCH(QByteArray, content);
        Fixture f;
        QFile file(f.settings());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        TfrmMain w(f.registry, f.settings());
        w.show();
        QCOMPARE(w.tbrMain()->controls().front()->objectName(), QStringLiteral("RzSpacer2"));
        for (QWidget* c : w.tbrMain()->controls())
            QVERIFY(!c->isHidden());
        QCOMPARE(w.pos(), QPoint(342, 158));
    }

    void unwritableStoreIsReportedAndWindowStillCloses()
    {
        Fixture f;
        // A folder where the file should be: neither write can succeed.
        const QString path = f.dir.filePath(QStringLiteral("store.ini"));
        QVERIFY(QDir().mkpath(path));
        TfrmMain w(f.registry, path);
        w.show();
        QVERIFY(w.close());
        QVERIFY(!w.isVisible());
        QCOMPARE(f.errors.size(), 2);
        QVERIFY(f.errors.first().contains(path));
    }

    void widgetsWindowIsOneInstance()
    {
        Fixture f;
        int made = 0;
        f.registry.setWidgetFormFactory([&made](velorin::widgets::WidgetFormHost& host) {
            ++made;
            return std::make_unique<FakeWidgetForm>(host);
        });
        TfrmMain w(f.registry, f.settings());
        w.show();
        w.action(TfrmMain::tabWidgets)->trigger();
        QPointer<QWidget> first = w.widgetForm();
        QVERIFY(first && first->isVisible());
        QCOMPARE(w.pgcWorkArea()->currentIndex(), int(TfrmMain::tabWidgets));
        w.action(TfrmMain::tabWidgets)->trigger();
        QCOMPARE(w.widgetForm(), first.data());
        QCOMPARE(made, 1);

        first->close();
        QTRY_VERIFY(!first);
        QVERIFY(!w.widgetForm());

        // The link opens a new window without moving to another sheet or check mark.
        w.action(TfrmMain::tabDisplay)->trigger();
        auto* link = w.findChild<QLabel*>(QStringLiteral("lblWidgetFormToFront"));
        QVERIFY(link);
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(20, link->height() / 2));
        QVERIFY(w.widgetForm());
        QCOMPARE(made, 2);
        QCOMPARE(w.pgcWorkArea()->currentIndex(), int(TfrmMain::tabDisplay));
        QVERIFY(w.action(TfrmMain::tabDisplay)->isChecked());
        QCOMPARE(checkedCount(w), 1);
    }
};

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    TestMainForm test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_MainForm.moc"
