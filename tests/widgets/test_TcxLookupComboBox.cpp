#include "DataSource.h"
#include "EDatabaseError.h"
#include "TApplication.h"
#include "Table.h"
#include "SqlFixture.h"
#include "TcxLookupComboBox.h"

#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using namespace velorin;
using velorin::widgets::TApplication;
using velorin::widgets::TcxLookupComboBox;

namespace {

// Patients in record order; the names cover the Turkish letters whose order differs from
// their code order (ç after c, ğ after g, ı before i, ö after o, ş after s, ü after u).
void makePatients(const SqlFixture& fixture)
{
    fixture.run(QStringLiteral("HASTA.DB"),
                QStringLiteral("CREATE TABLE HASTA (NO INTEGER, PNO DOUBLE, "
                               "ADI VARCHAR(25), SOYADI VARCHAR(25));"
                               "INSERT INTO HASTA VALUES (1, 10, 'Şule', 'Kaya');"
                               "INSERT INTO HASTA VALUES (2, 20, 'Zeynep', 'Ak');"
                               "INSERT INTO HASTA VALUES (3, 30, 'Çiğdem', 'Öz');"
                               "INSERT INTO HASTA VALUES (4, 40, 'Sema', 'Uç');"
                               "INSERT INTO HASTA VALUES (5, 50, 'Cem', 'Ünal');"
                               "INSERT INTO HASTA VALUES (6, 60, 'İlker', 'Işık');"
                               "INSERT INTO HASTA VALUES (7, 70, 'Ilgın', 'Güneş');"
                               "INSERT INTO HASTA VALUES (8, 80, 'Sema', 'Akın');"));
}

struct Finder
{
    explicit Finder(const SqlFixture& fixture)
    {
        table.setAliases(fixture.aliases());
        table.setDatabaseName(QStringLiteral("test"));
        table.setTableName(QStringLiteral("HASTA.DB"));
        source.setDataSet(&table);
        combo.setObjectName(QStringLiteral("cxLookupComboBox2"));
        combo.setLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
        combo.setKeyFieldName(QStringLiteral("PNO"));
        combo.setListFieldNames({QStringLiteral("ADI"), QStringLiteral("SOYADI")});
        combo.setListSource(&source);
    }

    QStringList names() const
    {
        QStringList result;
        const QAbstractItemModel* model = combo.model();
        for (int row = 0; row < model->rowCount(); ++row)
            result << model->index(row, 0).data().toString() + QLatin1Char(' ') +
                          model->index(row, 1).data().toString();
        return result;
    }

    db::Table table;
    db::DataSource source;
    TcxLookupComboBox combo;
};

} // namespace

class TestTcxLookupComboBox : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void listsBothColumnsInTurkishTextOrder()
    {
        SqlFixture fixture;
        makePatients(fixture);
        Finder finder(fixture);
        QCOMPARE(finder.combo.count(), 0);
        finder.table.open();
        QCOMPARE(finder.names(), QStringList({QStringLiteral("Cem Ünal"), QStringLiteral("Çiğdem Öz"),
                                              QStringLiteral("Ilgın Güneş"), QStringLiteral("İlker Işık"),
                                              QStringLiteral("Sema Akın"), QStringLiteral("Sema Uç"),
                                              QStringLiteral("Şule Kaya"), QStringLiteral("Zeynep Ak")}));
        QCOMPARE(finder.combo.model()->columnCount(), 2);
        QCOMPARE(finder.combo.currentIndex(), -1);
        QCOMPARE(finder.combo.currentText(), QString());
        QCOMPARE(finder.table.currentRow(), 0);
        finder.table.close();
        QCOMPARE(finder.combo.count(), 0);
    }

    void choosingMovesTheTableFirstThenReportsAChangedValue()
    {
        SqlFixture fixture;
        makePatients(fixture);
        Finder finder(fixture);
        finder.table.open();
        QStringList seenOnChange;
        connect(&finder.combo, &TcxLookupComboBox::propertiesChange, this,
                [&] { seenOnChange << finder.table.fieldByName(QStringLiteral("SOYADI"))->asString(); });
        finder.combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&finder.combo));

        // "Çiğdem Öz" is the second item; the arrow key chooses each item it passes.
        finder.combo.setFocus();
        QTest::keyClick(&finder.combo, Qt::Key_Down);
        QTest::keyClick(&finder.combo, Qt::Key_Down);
        QCOMPARE(finder.combo.currentText(), QStringLiteral("Çiğdem"));
        QCOMPARE(finder.combo.editValue(), QStringLiteral("30"));
        QCOMPARE(finder.table.fieldByName(QStringLiteral("PNO"))->asString(), QStringLiteral("30"));
        QCOMPARE(seenOnChange, QStringList({QStringLiteral("Ünal"), QStringLiteral("Öz")}));

        // Choosing the same patient again after the table moved elsewhere moves it back
        // but reports no change of value.
        finder.table.first();
        QVERIFY(finder.combo.chooseKey(QStringLiteral("30")));
        QCOMPARE(finder.table.fieldByName(QStringLiteral("ADI"))->asString(), QStringLiteral("Çiğdem"));
        QCOMPARE(seenOnChange.size(), 2);
        QVERIFY(!finder.combo.chooseKey(QStringLiteral("999")));
    }

    void clickIsReported()
    {
        SqlFixture fixture;
        makePatients(fixture);
        Finder finder(fixture);
        finder.table.open();
        finder.combo.show();
        QSignalSpy clicks(&finder.combo, &TcxLookupComboBox::clicked);
        QTest::mouseClick(&finder.combo, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        finder.combo.hidePopup();
    }

    void missingListFieldFailsTheOpening()
    {
        SqlFixture fixture;
        makePatients(fixture);
        Finder finder(fixture);
        finder.combo.setListFieldNames({QStringLiteral("ADI"), QStringLiteral("SOYAD")});
        try {
            finder.table.open();
            QFAIL("the table opened");
        } catch (const EDatabaseError& e) {
            QCOMPARE(e.message(), QStringLiteral("cxLookupComboBox2: Field 'SOYAD' not found"));
        }
        QVERIFY(!finder.table.active());
        QCOMPARE(finder.combo.count(), 0);
    }
};

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    TestTcxLookupComboBox test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_TcxLookupComboBox.moc"
