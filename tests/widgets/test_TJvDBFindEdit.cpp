#include "DataSource.h"
#include "EConvertError.h"
#include "EDatabaseError.h"
#include "TApplication.h"
#include "TDBGrid.h"
#include "TDBGridModel.h"
#include "TJvDBFindEdit.h"
#include "Table.h"
#include "TableFolder.h"

#include <QElapsedTimer>
#include <QTest>
#include <memory>

using velorin::db::DataSource;
using velorin::db::Table;
using velorin::widgets::TApplication;
using velorin::widgets::TDBGrid;
using velorin::widgets::TJvDBFindEdit;

namespace {

const std::vector<std::pair<QString, QString>> kWords = {
    {QStringLiteral("acaso"), QStringLiteral("perhaps")},
    {QStringLiteral("Casa"), QStringLiteral("house")},
    {QStringLiteral("casar"), QStringLiteral("to marry")},
    {QStringLiteral("cascada"), QStringLiteral("waterfall")},
    {QStringLiteral("caña"), QStringLiteral("cane")},
    {QStringLiteral("cañón"), QStringLiteral("canyon")},
    {QStringLiteral("canción"), QStringLiteral("song")},
    {QStringLiteral("Ángel"), QStringLiteral("angel")},
    {QStringLiteral("ángulo"), QStringLiteral("angle")},
    {QStringLiteral("éxito"), QStringLiteral("success")},
    {QString(), QStringLiteral("nothing")},
    {QStringLiteral("1/2/2005"), QStringLiteral("a date")},
    {QStringLiteral("1/2/05"), QStringLiteral("short date")},
};

// Sends text the way typing does, one key at a time, also for letters beyond ASCII.
void type(QWidget* w, const QString& text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

// A dictionary table on a grid and a search box, as the lookup pages use them.
struct Lookup
{
    TableFolder folder;
    std::unique_ptr<QWidget> window;
    Table* table = nullptr;
    DataSource* source = nullptr;
    TDBGrid* grid = nullptr;
    TJvDBFindEdit* box = nullptr;

    explicit Lookup(const std::vector<std::pair<QString, QString>>& words = kWords,
                    const QString& headword = QStringLiteral("Esp"))
    {
        folder.dictionary(QStringLiteral("esptoeng.db"), headword, QStringLiteral("Eng"), words);
        window = std::make_unique<QWidget>();
        window->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        table = new Table(window.get());
        table->setAliases(folder.aliases());
        table->setDatabaseName(QStringLiteral("espanol"));
        table->setTableName(QStringLiteral("esptoeng.db"));
        source = new DataSource(window.get());
        source->setDataSet(table);
        grid = new TDBGrid(window.get());
        grid->setObjectName(QStringLiteral("DBGrid1"));
        grid->setColumns({{QStringLiteral("Esp"), QStringLiteral("Espanol")}});
        grid->setDataSource(source);
        grid->setGeometry(0, 30, 300, 300);
        box = new TJvDBFindEdit(window.get());
        box->setObjectName(QStringLiteral("yulFindEdit1"));
        box->setDataSource(source);
        box->setGeometry(0, 0, 300, 24);
        table->open();
        box->setDataField(headword);
        window->show();
        box->setFocus();
    }

    QStringList shown() const
    {
        QStringList words;
        const auto* model = grid->model();
        for (int r = 0; r < model->rowCount(); ++r)
            words << model->index(r, 0).data().toString();
        return words;
    }
    void search(const QString& text)
    {
        box->clear();
        box->RunSearch();
        type(box, text);
        box->RunSearch();
    }
};

class TestTJvDBFindEdit : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        messages.clear();
        TApplication::instance()->setErrorHandler([this](const QString& m) { messages << m; });
    }

    void filtering_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        const QStringList cas = {QStringLiteral("Casa"), QStringLiteral("casar"), QStringLiteral("cascada")};
        QTest::newRow("lower case") << QStringLiteral("cas") << cas;
        QTest::newRow("upper case") << QStringLiteral("CAS") << cas;
        QTest::newRow("mixed case") << QStringLiteral("cAs") << cas;
        QTest::newRow("whole word") << QStringLiteral("casa")
                                    << QStringList{QStringLiteral("Casa"), QStringLiteral("casar")};
        QTest::newRow("ñ") << QStringLiteral("caÑ")
                           << QStringList{QStringLiteral("caña"), QStringLiteral("cañón")};
        QTest::newRow("ñ is not n") << QStringLiteral("can") << QStringList{QStringLiteral("canción")};
        QTest::newRow("á finds Á and á")
            << QStringLiteral("á") << QStringList{QStringLiteral("Ángel"), QStringLiteral("ángulo")};
        QTest::newRow("á is not a") << QStringLiteral("a") << QStringList{QStringLiteral("acaso")};
        QTest::newRow("é") << QStringLiteral("ÉX") << QStringList{QStringLiteral("éxito")};
        QTest::newRow("middle of a word") << QStringLiteral("aso") << QStringList();
        QTest::newRow("longer than the headword") << QStringLiteral("casarse") << QStringList();
        QTest::newRow("nothing begins so") << QStringLiteral("zz") << QStringList();
    }
    void filtering()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        Lookup l;
        l.search(text);
        QCOMPARE(l.shown(), expected);
        QCOMPARE(l.table->currentRow(), expected.isEmpty() ? -1 : 0);
        QVERIFY(messages.isEmpty());
    }

    void eachSearchRetestsTheWholeText()
    {
        Lookup l;
        type(l.box, QStringLiteral("ca"));
        l.box->RunSearch();
        QCOMPARE(l.shown().size(), 6);
        type(l.box, QStringLiteral("s"));
        l.box->RunSearch();
        QCOMPARE(l.shown().size(), 3);
        type(l.box, QStringLiteral("c"));
        l.box->RunSearch();
        QCOMPARE(l.shown(), QStringList{QStringLiteral("cascada")});
        QTest::keyClick(l.box, Qt::Key_Backspace);
        QTest::keyClick(l.box, Qt::Key_Backspace);
        l.box->RunSearch();
        QCOMPARE(l.shown().size(), 6);
    }

    void pauseTimer()
    {
        Lookup l;
        QVERIFY(!l.box->searchPending());
        QCOMPARE(l.box->searchInterval(), 400);
        type(l.box, QStringLiteral("c"));
        QVERIFY(l.box->searchPending());
        QCOMPARE(l.box->searchInterval(), 400);
        l.box->RunSearch();
        QVERIFY(!l.box->searchPending());
        QCOMPARE(l.box->searchInterval(), 100);
        type(l.box, QStringLiteral("a"));
        QCOMPARE(l.box->searchInterval(), 100);
        l.box->RunSearch();
        // Emptying the box brings the first pause back.
        l.box->clear();
        QVERIFY(l.box->searchPending());
        QCOMPARE(l.box->searchInterval(), 400);
        type(l.box, QStringLiteral("c"));
        QCOMPARE(l.box->searchInterval(), 400);
    }

    void timerFiresOnePauseAfterTheLastChange()
    {
        Lookup l;
        QElapsedTimer clock;
        clock.start();
        type(l.box, QStringLiteral("cas"));
        QCOMPARE(l.shown().size(), kWords.size());
        QTRY_COMPARE_WITH_TIMEOUT(l.shown().size(), 3, 2000);
        QVERIFY2(clock.elapsed() >= 390, qPrintable(QString::number(clock.elapsed())));
        clock.restart();
        type(l.box, QStringLiteral("c"));
        QTRY_COMPARE_WITH_TIMEOUT(l.shown().size(), 1, 2000);
        QVERIFY(clock.elapsed() >= 95);
        QVERIFY2(clock.elapsed() < 390, qPrintable(QString::number(clock.elapsed())));
        l.table->moveToRow(0);
        clock.restart();
        l.box->selectAll();
        QTest::keyClick(l.box, Qt::Key_Delete);
        QTRY_COMPARE_WITH_TIMEOUT(l.shown().size(), int(kWords.size()), 2000);
        QVERIFY(clock.elapsed() >= 390);
        QCOMPARE(l.table->currentRow(), 0);
        QVERIFY(!l.table->filtered());
        QVERIFY(!l.table->onFilterRecord());
    }

    void emptyTextRestoresTheSavedHookAndFlag()
    {
        Lookup l;
        // A hook of the table's own that hides the headwords beginning with "casc".
        int calls = 0;
        velorin::db::FilterRecordHook own;
        own.procedure = &calls;
        Table* t = l.table;
        own.callback = [&calls, t](Table&, bool& accept) {
            ++calls;
            accept = !t->fieldByName(QStringLiteral("Esp"))->asString().startsWith(QStringLiteral("casc"));
        };
        l.table->setOnFilterRecord(own);
        l.table->setFiltered(true);
        calls = 0;
        l.search(QStringLiteral("cas"));
        QVERIFY(calls > 0);
        QCOMPARE(l.shown(), (QStringList{QStringLiteral("Casa"), QStringLiteral("casar")}));
        QVERIFY(l.table->onFilterRecord().procedure != &calls);
        l.box->clear();
        l.box->RunSearch();
        QCOMPARE(l.table->onFilterRecord().procedure, static_cast<const void*>(&calls));
        QVERIFY(l.table->filtered());
        QCOMPARE(l.shown().size(), int(kWords.size()) - 1);
    }

    void hookGoesBackWhenTheBoxIsDestroyedOrTheTableCloses()
    {
        {
            Lookup l;
            l.search(QStringLiteral("cas"));
            QVERIFY(l.table->filtered());
            delete l.box;
            QVERIFY(!l.table->onFilterRecord());
            QVERIFY(!l.table->filtered());
            QCOMPARE(l.shown().size(), int(kWords.size()));
        }
        {
            Lookup l;
            l.search(QStringLiteral("cas"));
            l.table->close();
            QVERIFY(!l.table->onFilterRecord());
            QVERIFY(!l.table->filtered());
            l.table->open();
            QCOMPARE(l.shown().size(), int(kWords.size()));
        }
    }

    void clearSearch()
    {
        Lookup l;
        l.search(QStringLiteral("cas"));
        l.table->moveToRow(2);
        l.box->ClearSearch();
        QCOMPARE(l.box->text(), QString());
        QCOMPARE(l.shown().size(), int(kWords.size()));
        QCOMPARE(l.table->currentRow(), 0);
        QVERIFY(l.box->searchPending());
        QCOMPARE(l.box->searchInterval(), 400);
        l.box->RunSearch();
        QVERIFY(!l.table->onFilterRecord());
        // With the box already empty only the filter is switched off; the cursor goes first.
        l.table->moveToRow(3);
        l.box->ClearSearch();
        QVERIFY(!l.box->searchPending());
        QCOMPARE(l.table->currentRow(), 0);
    }

    void noFieldOrClosedTableEndsEarly()
    {
        Lookup l;
        l.table->close();
        type(l.box, QStringLiteral("cas"));
        l.box->RunSearch();
        QCOMPARE(l.box->searchInterval(), 400);
        QVERIFY(!l.table->onFilterRecord());
    }

    void missingFieldIsReportedWithTheBoxName()
    {
        Lookup l;
        try {
            l.box->setDataField(QStringLiteral("Tarih"));
            QFAIL("no error");
        } catch (const velorin::EDatabaseError& e) {
            QCOMPARE(e.message(), QStringLiteral("yulFindEdit1: Field 'Tarih' not found"));
        }
        QCOMPARE(l.box->dataField(), QStringLiteral("Tarih"));
        QVERIFY(!l.box->field());
        type(l.box, QStringLiteral("cas"));
        l.box->RunSearch();
        QCOMPARE(l.shown().size(), int(kWords.size()));
        QCOMPARE(l.box->searchInterval(), 400);
        // An empty name is ignored.
        l.box->setDataField(QString());
        QCOMPARE(l.box->dataField(), QStringLiteral("Tarih"));
    }

    void largeObjectFieldIsNotSearched()
    {
        Lookup l;
        l.box->setDataField(QStringLiteral("Eng"));
        l.search(QStringLiteral("zzz"));
        QCOMPARE(l.shown().size(), int(kWords.size()));
        QCOMPARE(l.box->searchInterval(), 100);
    }

    void dateStep_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("searched"); // the rewritten search text; empty when untouched
        QTest::newRow("m/d/y rewritten to the short date") << "en_US"
                                                           << "1/2/2005"
                                                           << "1/2/05";
        QTest::newRow("month out of range") << "en_US"
                                            << "13/2/2005"
                                            << "";
        QTest::newRow("day out of range") << "en_US"
                                          << "1/32/2005"
                                          << "";
        QTest::newRow("year before 1970") << "en_US"
                                          << "1/2/1969"
                                          << "";
        QTest::newRow("one separator") << "en_US"
                                       << "1/2"
                                       << "";
        QTest::newRow("three separators") << "en_US"
                                          << "1/2/3/2005"
                                          << "";
        QTest::newRow("fraction is no whole number") << "en_US"
                                                     << "1.5/2/2005"
                                                     << "";
        QTest::newRow("exponent is no whole number") << "en_US"
                                                     << "1/2/2e3"
                                                     << "";
        QTest::newRow("word") << "en_US"
                              << "casa"
                              << "";
        QTest::newRow("day-month order reads the same numbers as day first") << "es_ES"
                                                                             << "1/2/2005"
                                                                             << "1/2/05";
        QTest::newRow("German separator") << "de_DE"
                                          << "3.4.2005"
                                          << "03.04.05";
        QTest::newRow("German: slash is no separator") << "de_DE"
                                                       << "1/2/2005"
                                                       << "";
    }
    void dateStep()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QString, searched);
        Lookup l;
        l.box->setLocale(QLocale(locale));
        l.search(text);
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(u'\n')));
        QCOMPARE(l.box->text(), text);
        // The rewritten text is what the headwords are tested against.
        const QString expected = searched.isEmpty() ? text : searched;
        QStringList want;
        for (const auto& [word, meaning] : kWords)
            if (!word.isEmpty() && word.toUpper().startsWith(expected.toUpper()))
                want << word;
        QCOMPARE(l.shown(), want);
    }

    void dateInvalidInTheSystemOrder()
    {
        Lookup l;
        l.box->setLocale(QLocale(QLocale::German, QLocale::Germany));
        l.search(QStringLiteral("ca"));
        const QStringList before = l.shown();
        l.box->selectAll();
        type(l.box, QStringLiteral("12.31.2005"));
        try {
            l.box->RunSearch();
            QFAIL("no error");
        } catch (const velorin::EConvertError& e) {
            QCOMPARE(e.message(), QStringLiteral("'12.31.2005' is not a valid date"));
        }
        QVERIFY(!l.box->searchPending());
        QCOMPARE(l.shown(), before);
        QVERIFY(l.table->filtered());
    }

    void editMask()
    {
        QCOMPARE(TJvDBFindEdit::inputMaskFor(QStringLiteral("!99/99/9999;1;_"), u'/', u':'),
                 QStringLiteral("00/00/0000;_"));
        QCOMPARE(TJvDBFindEdit::inputMaskFor(QStringLiteral("!99/99/9999;1;_"), u'.', u':'),
                 QStringLiteral("00.00.0000;_"));
        QCOMPARE(TJvDBFindEdit::inputMaskFor(QString(), u'/', u':'), QString());
        Lookup l;
        l.box->setEditMask(QStringLiteral("!99/99/9999;1;_"));
        QCOMPARE(l.box->inputMask(), QStringLiteral("00/00/0000;_"));
        l.box->setEditMask(QString());
        QCOMPARE(l.box->inputMask(), QString());
    }

    void dateFieldRejectsNonDates()
    {
        Lookup l;
        l.folder.table(QStringLiteral("visits.db"),
                       {QStringLiteral("Tarih TIMESTAMP"), QStringLiteral("Note VARCHAR(10)")},
                       {{QStringLiteral("2005-01-02T00:00:00"), QStringLiteral("a")}});
        Table visits;
        visits.setAliases(l.folder.aliases());
        visits.setDatabaseName(QStringLiteral("espanol"));
        visits.setTableName(QStringLiteral("visits.db"));
        DataSource source;
        source.setDataSet(&visits);
        TJvDBFindEdit box;
        box.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        box.setDataSource(&source);
        visits.open();
        box.setDataField(QStringLiteral("tarih"));
        box.setText(QStringLiteral("abc"));
        box.RunSearch();
        QVERIFY(!visits.filtered());
        QCOMPARE(box.searchInterval(), 100);
        box.setText(QStringLiteral("1/2/2005"));
        box.RunSearch();
        QVERIFY(visits.filtered());
    }

    // The engine scans the column itself unless a saved hook must run first; both ways
    // must list the same headwords.
    void columnScanAgreesWithTheHook_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        const QString clef = QString::fromUcs4(U"\U0001D11Eclave");
        QTest::newRow("ñ") << QStringLiteral("cañ")
                           << QStringList{QStringLiteral("caña"), QStringLiteral("cañón")};
        QTest::newRow("á") << QStringLiteral("Á")
                           << QStringList{QStringLiteral("Ángel"), QStringLiteral("ángulo")};
        QTest::newRow("longer than every headword") << QStringLiteral("cascadas") << QStringList();
        QTest::newRow("beyond the BMP") << QString::fromUcs4(U"\U0001D11E") << QStringList{clef};
        QTest::newRow("one letter") << QStringLiteral("c")
                                    << QStringList{QStringLiteral("Casa"),    QStringLiteral("casar"),
                                                   QStringLiteral("cascada"), QStringLiteral("caña"),
                                                   QStringLiteral("cañón"),   QStringLiteral("canción")};
    }
    void columnScanAgreesWithTheHook()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        auto words = kWords;
        words.emplace_back(QString::fromUcs4(U"\U0001D11Eclave"), QStringLiteral("clef"));
        Lookup fast(words);
        fast.box->setText(text);
        fast.box->RunSearch();
        QCOMPARE(fast.shown(), expected);

        Lookup slow(words);
        int calls = 0;
        velorin::db::FilterRecordHook all;
        all.procedure = &calls;
        all.callback = [&calls](Table&, bool& accept) {
            ++calls;
            accept = true;
        };
        slow.table->setOnFilterRecord(all);
        slow.table->setFiltered(true);
        calls = 0;
        slow.box->setText(text);
        slow.box->RunSearch();
        QVERIFY(calls >= int(words.size())); // the saved hook ran for every record
        QCOMPARE(slow.shown(), expected);
    }

private:
    QStringList messages;
};

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    TestTJvDBFindEdit test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_TJvDBFindEdit.moc"
