#include "ClinicFixture.h"
#include "EDatabaseError.h"
#include "LinkOpener.h"
#include "TApplication.h"
#include "TDBGrid.h"
#include "TDBMemo.h"
#include "TDBNavigator.h"
#include "THeaderPanel.h"
#include "TRzLEDDisplay.h"
#include "TRzPageControl.h"
#include "TRzURLLabel.h"
#include "Table.h"
#include "TabsFrame.h"
#include "TcxLookupComboBox.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace velorin;
using velorin::clinic::TFmeTabs;
using velorin::widgets::TApplication;
using Nav = velorin::widgets::TDBNavigator;

namespace {

class FakeOpener : public widgets::LinkOpener
{
public:
    QStringList opened;
    bool open(const QString& target) override
    {
        opened << target;
        return true;
    }
};

// Three patients: Ayşe with two examinations, Mehmet with none, Çağla with one.
void fill(const ClinicFixture& clinic)
{
    clinic.addPatient(1, 101, QStringLiteral("Ayşe"), QStringLiteral("Yılmaz"));
    clinic.addPatient(2, 102, QStringLiteral("Mehmet"), QStringLiteral("Öztürk"));
    clinic.addPatient(3, 103, QStringLiteral("Çağla"), QStringLiteral("Şahin"));
    clinic.addExamination(101, QStringLiteral("Ayşe"), QStringLiteral("Yılmaz"),
                          QStringLiteral("2026-03-01"));
    clinic.addExamination(101, QStringLiteral("Ayşe"), QStringLiteral("Yılmaz"),
                          QStringLiteral("2026-04-01"));
    clinic.addExamination(103, QStringLiteral("Çağla"), QStringLiteral("Şahin"),
                          QStringLiteral("2026-05-01"));
}

} // namespace

class TestTFmeTabs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_errors.clear();
        TApplication::instance()->setErrorHandler([this](const QString& m) { m_errors << m; });
    }

    void opensOnTheFirstPatientWithTheDesignedLayout()
    {
        ClinicFixture clinic;
        fill(clinic);
        TFmeTabs page;
        QCOMPARE(page.objectName(), QStringLiteral("FmeTabs"));
        QCOMPARE(page.designSize(), QSize(813, 761));
        QCOMPARE(child<widgets::THeaderPanel>(page, "pnlHeader")->text(),
                 QStringLiteral("Muayene İşlemleri"));

        auto* tabs = child<widgets::TRzPageControl>(page, "RzPageControl2");
        QCOMPARE(tabs->count(), 4);
        QCOMPARE(tabs->currentIndex(), 0);
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i)
            captions << tabs->tabText(i);
        QCOMPARE(captions, QStringList({QStringLiteral("Muayene Kayıt"), QStringLiteral("Labarutuvar"),
                                        QStringLiteral("İlaç Adları"), QStringLiteral("Reçete Kayıt")}));

        QCOMPARE(field(page.patients(), "ADI"), QStringLiteral("Ayşe"));
        QCOMPARE(page.examinations()->recordCount(), 2);
        QCOMPARE(child<widgets::TDBGrid>(page, "cxGrid1")->model()->rowCount(), 2);
        QCOMPARE(child<widgets::TRzLEDDisplay>(page, "RzLEDDisplay1")->caption(), QString());
        QVERIFY(child<widgets::TRzLEDDisplay>(page, "RzLEDDisplay1")->scrolling());
        QCOMPARE(child<QLabel>(page, "Label15")->text(), QStringLiteral("Label15"));
        QCOMPARE(child<widgets::TcxLookupComboBox>(page, "cxLookupComboBox2")->currentText(), QString());
        QCOMPARE(child<QLabel>(page, "Label8")->text(), QStringLiteral("MUAYENE TARİHİ :"));
        QCOMPARE(child<QLabel>(page, "Label8")->pos(), QPoint(263, 136));
        QCOMPARE(child<QPushButton>(page, "RzBitBtn1")->geometry(), QRect(663, 136, 111, 33));
        QCOMPARE(child<QPushButton>(page, "RzBitBtn1")->text(), QStringLiteral("Muayene Kayıt"));
        QCOMPARE(child<QWidget>(page, "cxGrid1")->geometry(), QRect(3, 96, 250, 324));
        QVERIFY(!child<QWidget>(page, "Edit3")->isVisibleTo(&page));
        QCOMPARE(child<QScrollArea>(page, "ScrollBox")->widget()->minimumSize(), QSize(404, 361));
    }

    void finderNavigatorHasItsMovingButtonsWithTheirOwnHints()
    {
        ClinicFixture clinic;
        fill(clinic);
        TFmeTabs page;
        auto* nav = child<Nav>(page, "DBNavigator");
        QCOMPARE(nav->visibleButtons(),
                 std::vector<Nav::NavigateButton>({Nav::nbFirst, Nav::nbPrior, Nav::nbNext, Nav::nbLast}));
        QCOMPARE(nav->hint(Nav::nbFirst), QStringLiteral("ILK KAYIT"));
        QCOMPARE(nav->hint(Nav::nbPrior), QStringLiteral("ONCEKI KAYIT"));
        QCOMPARE(nav->hint(Nav::nbNext), QStringLiteral("SONRAKI KAYIT"));
        QCOMPARE(nav->hint(Nav::nbLast), QStringLiteral("SON KAYIT"));
        QCOMPARE(child<Nav>(page, "DBNavigator1")->visibleButtons().size(), std::size_t(10));
    }

    void ledShowsSurnameTwoBlanksAndNameWhereTheNavigatorStopped()
    {
        ClinicFixture clinic;
        fill(clinic);
        TFmeTabs page;
        page.resize(813, 761);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto* nav = child<Nav>(page, "DBNavigator");
        auto* led = child<widgets::TRzLEDDisplay>(page, "RzLEDDisplay1");
        QTest::mouseClick(nav->button(Nav::nbNext), Qt::LeftButton);
        QCOMPARE(led->caption(), QStringLiteral("Öztürk  Mehmet"));
        QCOMPARE(led->accessibleName(), QStringLiteral("Öztürk  Mehmet"));
        // The examinations followed the patient.
        QCOMPARE(page.examinations()->recordCount(), 0);
        QTest::mouseClick(nav->button(Nav::nbLast), Qt::LeftButton);
        QCOMPARE(led->caption(), QStringLiteral("Şahin  Çağla"));
        page.patients()->first();
        QTest::mouseClick(child<QScrollArea>(page, "ScrollBox")->viewport(), Qt::LeftButton, {},
                          QPoint(300, 300));
        QCOMPARE(led->caption(), QStringLiteral("Yılmaz  Ayşe"));
        QVERIFY(m_errors.isEmpty());
    }

    void linkWithoutExaminationOpensBareWww()
    {
        ClinicFixture clinic;
        fill(clinic);
        auto opener = std::make_shared<FakeOpener>();
        TApplication::instance()->setService<widgets::LinkOpener>(opener);
        TFmeTabs page;
        page.resize(813, 761);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.patients()->next();
        QCOMPARE(page.examinations()->recordCount(), 0);
        auto* link = child<widgets::TRzURLLabel>(page, "RzURLLabel1");
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(child<QLabel>(page, "Label15")->text(), QString());
        QCOMPARE(link->URL(), QStringLiteral("www."));
        QCOMPARE(opener->opened, QStringList(QStringLiteral("www.")));

        // With an examination the surname follows; "Rn1" sets the target and opens nothing.
        page.patients()->last();
        QTest::mouseClick(child<QPushButton>(page, "RzButton1"), Qt::LeftButton);
        QCOMPARE(child<QLabel>(page, "Label15")->text(), QStringLiteral("Şahin"));
        QCOMPARE(link->URL(), QStringLiteral("www.Şahin"));
        QCOMPARE(opener->opened.size(), 1);
        TApplication::instance()->setService<widgets::LinkOpener>(nullptr);
        QVERIFY(m_errors.isEmpty());
    }

    void creationFailsWithoutAliasTableOrIndexAndTheNextTryWorks_data()
    {
        QTest::addColumn<int>("fault");
        QTest::newRow("alias") << 0;
        QTest::newRow("patient table") << 1;
        QTest::newRow("index pn1") << 2;
    }
    void creationFailsWithoutAliasTableOrIndexAndTheNextTryWorks()
    {
        QFETCH(int, fault);
        ClinicFixture clinic;
        fill(clinic);
        const QString hasta = clinic.dataPath(QStringLiteral("HASTA.DB"));
        if (fault == 0)
            clinic.writeAliases(QStringLiteral("baska"));
        else if (fault == 1)
            QVERIFY(QFile::rename(hasta, hasta + QStringLiteral(".away")));
        else
            clinic.run(QStringLiteral("YAPGEREK.DB"), QStringLiteral("DROP INDEX pn1;"));

        try {
            TFmeTabs page;
            QFAIL("the page was created");
        } catch (const EDatabaseError& e) {
            QVERIFY(!e.message().isEmpty());
            if (fault == 0)
                QVERIFY2(e.message().contains(QLatin1String("dorhasta")), qPrintable(e.message()));
            if (fault == 1)
                QVERIFY2(e.message().contains(QLatin1String("HASTA.DB")), qPrintable(e.message()));
        }

        if (fault == 0)
            clinic.writeAliases(QStringLiteral("dorhasta"));
        else if (fault == 1)
            QVERIFY(QFile::rename(hasta + QStringLiteral(".away"), hasta));
        else
            clinic.run(QStringLiteral("YAPGEREK.DB"), QStringLiteral("CREATE INDEX pn1 ON YAPGEREK (PNO);"));
        TFmeTabs page;
        QCOMPARE(page.patients()->recordCount(), 3);
        QCOMPARE(page.examinations()->recordCount(), 2);
    }

    void examinationControlsTakeNoInputInBrowseState()
    {
        ClinicFixture clinic;
        fill(clinic);
        TFmeTabs page;
        page.show();
        auto* memo = child<widgets::TDBMemo>(page, "DBMemo1");
        memo->setFocus();
        QTest::keyClicks(memo, "x");
        QCOMPARE(field(page.examinations(), "SIKAYETI"), QString());
        QCOMPARE(page.examinations()->state(), db::DataSetState::Browse);
    }

private:
    QStringList m_errors;
};

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    TestTFmeTabs test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_TFmeTabs.moc"
