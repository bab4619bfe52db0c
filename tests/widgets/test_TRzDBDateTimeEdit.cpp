#include "DataSource.h"
#include "EDatabaseError.h"
#include "TApplication.h"
#include "TRzDBDateTimeEdit.h"
#include "Table.h"
#include "SqlFixture.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QTest>

using namespace velorin;
using velorin::widgets::TApplication;
using velorin::widgets::TRzDBDateTimeEdit;

class TestTRzDBDateTimeEdit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void showsTheFieldsDateOrBlankAndTakesNoInputWhileBrowsing()
    {
        SqlFixture fixture;
        fixture.run(QStringLiteral("MUAYENE.DB"),
                    QStringLiteral("CREATE TABLE MUAYENE (NO INTEGER, TARIH TIMESTAMP);"
                                   "INSERT INTO MUAYENE VALUES (1, '2026-03-14T10:30:00');"
                                   "INSERT INTO MUAYENE VALUES (2, NULL);"));
        db::Table table;
        table.setAliases(fixture.aliases());
        table.setDatabaseName(QStringLiteral("test"));
        table.setTableName(QStringLiteral("MUAYENE.DB"));
        db::DataSource source;
        source.setDataSet(&table);
        TRzDBDateTimeEdit edit;
        edit.setObjectName(QStringLiteral("RzDBDateTimeEdit1"));
        edit.setLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
        edit.setDataSource(&source);
        edit.setDataField(QStringLiteral("tarih"));
        QVERIFY(edit.calendarPopup());
        QVERIFY(edit.isBlank());
        QVERIFY(edit.isReadOnly());

        table.open();
        QCOMPARE(edit.date(), QDate(2026, 3, 14));
        QVERIFY(!edit.isBlank());
        QVERIFY(edit.text().contains(QLatin1String("2026")));
        QVERIFY(edit.isReadOnly());

        // Typing and the calendar change nothing while the table browses.
        edit.show();
        edit.setFocus();
        QTest::keyClick(&edit, Qt::Key_Up);
        QCOMPARE(edit.date(), QDate(2026, 3, 14));
        QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(edit.width() - 6, edit.height() / 2));
        QVERIFY(!edit.calendarWidget()->isVisible());
        QCOMPARE(table.fieldByName(QStringLiteral("TARIH"))->asString().left(10),
                 QStringLiteral("2026-03-14"));

        table.next();
        QVERIFY(edit.isBlank());
        QCOMPARE(edit.text().trimmed(), QString());
        table.close();
        QVERIFY(edit.isBlank());
    }

    void aDayPickedInTheCalendarIsWrittenWhileEditing()
    {
        SqlFixture fixture;
        fixture.run(QStringLiteral("MUAYENE.DB"),
                    QStringLiteral("CREATE TABLE MUAYENE (NO INTEGER, TARIH TIMESTAMP);"
                                   "INSERT INTO MUAYENE VALUES (1, NULL);"));
        db::Table table;
        table.setAliases(fixture.aliases());
        table.setDatabaseName(QStringLiteral("test"));
        table.setTableName(QStringLiteral("MUAYENE.DB"));
        db::DataSource source;
        source.setDataSet(&table);
        TRzDBDateTimeEdit edit;
        edit.setDataSource(&source);
        edit.setDataField(QStringLiteral("TARIH"));
        table.open();
        edit.show();
        QVERIFY(QTest::qWaitForWindowExposed(&edit));
        table.edit();
        QVERIFY(!edit.isReadOnly());
        QTest::mouseClick(&edit, Qt::LeftButton, {}, QPoint(edit.width() - 6, edit.height() / 2));
        QCalendarWidget* calendar = edit.calendarWidget();
        QTRY_VERIFY(calendar->isVisible());
        QCOMPARE(calendar->yearShown(), QDate::currentDate().year());
        QCOMPARE(calendar->monthShown(), QDate::currentDate().month());

        // Click the cell of the 15th of the month shown.
        auto* view = calendar->findChild<QAbstractItemView*>();
        QVERIFY(view);
        QModelIndex day15;
        for (int row = 1; row < view->model()->rowCount() && !day15.isValid(); ++row) {
            for (int column = 0; column < view->model()->columnCount(); ++column) {
                const QModelIndex index = view->model()->index(row, column);
                if (index.data().toInt() == 15) {
                    day15 = index;
                    break;
                }
            }
        }
        QVERIFY(day15.isValid());
        const QPoint centre = view->visualRect(day15).center();
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, centre);
        const QDate expected(QDate::currentDate().year(), QDate::currentDate().month(), 15);
        QCOMPARE(edit.date(), expected);
        QCOMPARE(table.fieldByName(QStringLiteral("TARIH"))->asString().left(10),
                 expected.toString(Qt::ISODate));
        table.post();
        QVERIFY(edit.isReadOnly());
        QCOMPARE(edit.date(), expected);
    }

    void missingFieldFailsTheOpening()
    {
        SqlFixture fixture;
        fixture.run(QStringLiteral("MUAYENE.DB"),
                    QStringLiteral("CREATE TABLE MUAYENE (NO INTEGER, TARIH TIMESTAMP);"));
        db::Table table;
        table.setAliases(fixture.aliases());
        table.setDatabaseName(QStringLiteral("test"));
        table.setTableName(QStringLiteral("MUAYENE.DB"));
        db::DataSource source;
        source.setDataSet(&table);
        TRzDBDateTimeEdit edit;
        edit.setObjectName(QStringLiteral("RzDBDateTimeEdit1"));
        edit.setDataSource(&source);
        edit.setDataField(QStringLiteral("TARIHI"));
        try {
            table.open();
            QFAIL("the table opened");
        } catch (const EDatabaseError& e) {
            QCOMPARE(e.message(), QStringLiteral("RzDBDateTimeEdit1: Field 'TARIHI' not found"));
        }
        QVERIFY(!table.active());
    }
};

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    TestTRzDBDateTimeEdit test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_TRzDBDateTimeEdit.moc"
