#include "ClinicFixture.h"
#include "TApplication.h"
#include "TDBGrid.h"
#include "TDBMemo.h"
#include "TDBNavigator.h"
#include "TRzDBDateTimeEdit.h"
#include "Table.h"
#include "TabsFrame.h"
#include "TcxLookupComboBox.h"

#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace velorin;
using velorin::clinic::TFmeTabs;
using velorin::widgets::TApplication;
using Nav = velorin::widgets::TDBNavigator;

namespace {

// Ayşe has two examinations, Mehmet none.
void fill(const ClinicFixture& clinic)
{
    clinic.addPatient(1, 101, QStringLiteral("Ayşe"), QStringLiteral("Yılmaz"));
    clinic.addPatient(2, 102, QStringLiteral("Mehmet"), QStringLiteral("Öztürk"));
    clinic.addExamination(101, QStringLiteral("Ayşe"), QStringLiteral("Yılmaz"),
                          QStringLiteral("2026-03-01"));
    clinic.addExamination(101, QStringLiteral("Ayşe"), QStringLiteral("Yılmaz"),
                          QStringLiteral("2026-04-01"));
}

void click(const QObject& page, const char* button)
{
    QTest::mouseClick(child<QPushButton>(page, button), Qt::LeftButton);
}

} // namespace

class TestTFmeTabsRecords : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_errors.clear();
        TApplication::instance()->setErrorHandler([this](const QString& m) { m_errors << m; });
    }

    void button1TwiceStoresTheFirstStartedRecord()
    {
        ClinicFixture clinic;
        fill(clinic);
        {
            TFmeTabs page;
            page.show();
            click(page, "Button1");
            QCOMPARE(page.examinations()->state(), db::DataSetState::Insert);
            QCOMPARE(field(page.examinations(), "PNO"), QStringLiteral("101"));
            QCOMPARE(field(page.examinations(), "ADI"), QStringLiteral("Ayşe"));
            QCOMPARE(clinic.count(QStringLiteral("YAPGEREK.DB")), 2);
            click(page, "Button1");
            QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join(QLatin1Char('\n'))));
            QCOMPARE(page.examinations()->state(), db::DataSetState::Insert);
            QCOMPARE(clinic.count(QStringLiteral("YAPGEREK.DB")), 3);
            QCOMPARE(clinic.count(QStringLiteral("YAPGEREK.DB"),
                                  QStringLiteral(
                                      "PNO = 101 AND ADI = 'Ayşe' AND SOYADI = 'Yılmaz' AND TARIH IS NULL")),
                     1);
            click(page, "RzBitBtn4");
            QCOMPARE(page.examinations()->state(), db::DataSetState::Browse);
        }
        // The dropped second record never reached the file; nothing touched the patients.
        QCOMPARE(clinic.count(QStringLiteral("YAPGEREK.DB")), 3);
        QCOMPARE(clinic.count(QStringLiteral("HASTA.DB"), QStringLiteral("ADI = 'Ayşe' AND PNO = 101")), 1);
    }

    void choosingAnotherPatientStoresThePendingRecordAndStartsOne()
    {
        ClinicFixture clinic;
        fill(clinic);
        TFmeTabs page;
        page.show();
        click(page, "Button1");
        auto* finder = child<widgets::TcxLookupComboBox>(page, "cxLookupComboBox2");
        // Mehmet sorts last: End chooses him as a user's choice would.
        finder->setFocus();
        QTest::keyClick(finder, Qt::Key_End);
        QCOMPARE(finder->editValue(), QStringLiteral("102"));
        QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join(QLatin1Char('\n'))));
        QCOMPARE(clinic.count(QStringLiteral("YAPGEREK.DB"), QStringLiteral("PNO = 101 AND TARIH IS NULL")),
                 1);
        QCOMPARE(page.examinations()->state(), db::DataSetState::Insert);
        QCOMPARE(field(page.examinations(), "PNO"), QStringLiteral("102"));
        QCOMPARE(field(page.examinations(), "SOYADI"), QStringLiteral("Öztürk"));
    }

    void saveDropsAnUndatedRecordAndStoresADatedOne()
    {
        ClinicFixture clinic;
        fill(clinic);
        TFmeTabs page;
        page.show();
        auto* grid = child<widgets::TDBGrid>(page, "cxGrid1");

        click(page, "Button1");
        click(page, "RzBitBtn1");
        QCOMPARE(page.examinations()->state(), db::DataSetState::Browse);
        QCOMPARE(clinic.count(QStringLiteral("YAPGEREK.DB")), 2);
        QCOMPARE(grid->model()->rowCount(), 2);

        click(page, "Button1");
        auto* memo = child<widgets::TDBMemo>(page, "DBMemo1");
        memo->setFocus();
        QTest::keyClicks(memo, "bas agrisi");
        auto* date = child<widgets::TRzDBDateTimeEdit>(page, "RzDBDateTimeEdit1");
        QVERIFY(!date->isReadOnly());
        date->setDate(QDate(2026, 12, 11));
        QCOMPARE(field(page.examinations(), "TARIH").left(10), QStringLiteral("2026-12-11"));
        click(page, "RzBitBtn1");
        QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join(QLatin1Char('\n'))));
        QCOMPARE(page.examinations()->state(), db::DataSetState::Browse);
        QVERIFY(date->isReadOnly());
        QCOMPARE(clinic.count(QStringLiteral("YAPGEREK.DB"),
                              QStringLiteral("SIKAYETI = 'bas agrisi' AND PNO = 101")),
                 1);
        QCOMPARE(clinic.count(QStringLiteral("YAPGEREK.DB"), QStringLiteral("TARIH LIKE '2026-12-11%'")), 1);
        QCOMPARE(grid->model()->rowCount(), 3);
        QStringList listed;
        for (int row = 0; row < 3; ++row)
            listed << grid->model()->index(row, 2).data().toString();
        QVERIFY2(listed.filter(QStringLiteral("11")).size() == 1, qPrintable(listed.join(QLatin1Char('|'))));

        // Saving with nothing pending and a date in the current record is the engine's refusal.
        click(page, "RzBitBtn1");
        QCOMPARE(m_errors, QStringList(QStringLiteral("Dataset not in edit or insert mode")));
        QCOMPARE(clinic.count(QStringLiteral("YAPGEREK.DB")), 3);
    }

    void deleteChangesNothingWithoutExaminationsAndDeletesTheCurrentOneOtherwise()
    {
        ClinicFixture clinic;
        fill(clinic);
        TFmeTabs page;
        page.show();
        page.patients()->next();
        click(page, "RzBitBtn2");
        QVERIFY2(m_errors.isEmpty(), qPrintable(m_errors.join(QLatin1Char('\n'))));
        QCOMPARE(page.examinations()->recordCount(), 0);
        QCOMPARE(page.examinations()->state(), db::DataSetState::Browse);
        QCOMPARE(clinic.count(QStringLiteral("YAPGEREK.DB")), 2);

        page.patients()->first();
        click(page, "RzBitBtn2");
        QCOMPARE(clinic.count(QStringLiteral("YAPGEREK.DB")), 1);
        QCOMPARE(page.examinations()->recordCount(), 1);
    }

    void navigatorDeleteAsksFirst()
    {
        ClinicFixture clinic;
        fill(clinic);
        TFmeTabs page;
        page.show();
        auto* nav = child<Nav>(page, "DBNavigator1");
        int asked = 0;
        bool answer = false;
        nav->setDeleteConfirmation([&] {
            ++asked;
            return answer;
        });
        QTest::mouseClick(nav->button(Nav::nbDelete), Qt::LeftButton);
        QCOMPARE(asked, 1);
        QCOMPARE(clinic.count(QStringLiteral("YAPGEREK.DB")), 2);
        answer = true;
        QTest::mouseClick(nav->button(Nav::nbDelete), Qt::LeftButton);
        QCOMPARE(asked, 2);
        QCOMPARE(clinic.count(QStringLiteral("YAPGEREK.DB")), 1);
    }

private:
    QStringList m_errors;
};

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    TestTFmeTabsRecords test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_TFmeTabsRecords.moc"
