#include "ComboBoxesFrame.h"
#include "CustomFramingFrame.h"
#include "EDatabaseError.h"
#include "EditsFrame.h"
#include "TApplication.h"
#include "TDBEdit.h"
#include "TDBGrid.h"
#include "TDBMemo.h"
#include "TDBNavigator.h"
#include "TJvDBFindEdit.h"
#include "Table.h"
#include "TableFolder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace velorin;
using dictionary::TFmeComboBoxes;
using dictionary::TFmeCustomFraming;
using dictionary::TFmeEdits;
using dictionary::TLookupFrame;
using widgets::TApplication;
using widgets::TDBNavigator;

namespace {

void type(QWidget* w, const QString& text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

QStringList column(const TLookupFrame& page, int c = 0)
{
    QStringList words;
    const auto* m = page.DBGrid1->model();
    for (int r = 0; r < m->rowCount(); ++r)
        words << m->index(r, c).data().toString();
    return words;
}

// Hosts a page the way the main window does: a sheet of 524 x 562 pixels it fills.
struct Host
{
    QWidget sheet;
    QLineEdit outside{&sheet};
    QWidget* page;
    explicit Host(QWidget* hosted) : page(hosted)
    {
        sheet.resize(524, 562);
        outside.setGeometry(0, 0, 1, 1);
        page->setParent(&sheet);
        page->setGeometry(0, 0, 524, 562);
        sheet.show();
        sheet.activateWindow();
        if (!QTest::qWaitForWindowActive(&sheet))
            qWarning("sheet not active");
        outside.setFocus();
    }
    ~Host() { page->setParent(nullptr); }
};

} // namespace

class TestLookupPages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        messages.clear();
        TApplication::instance()->setErrorHandler([this](const QString& m) { messages << m; });
        folder = std::make_unique<TableFolder>();
        qputenv("VELORIN_ALIASES", folder->aliasesIni().toUtf8());
    }
    void cleanup() { folder.reset(); }

    void spanishPageListsAndFilters()
    {
        spanish();
        TFmeCustomFraming page;
        Host host(&page);
        QCOMPARE(column(page), (QStringList{"acaso", "Casa", "casar", "niño", "ñandú"}));
        QCOMPARE(page.DBGrid1->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Espanol"));
        QCOMPARE(page.DBMemo3->toPlainText(), QStringLiteral("perhaps"));
        // Focus entering the page makes the preset the search field.
        page.yulFindEdit1->setFocus();
        QCOMPARE(page.yulFindEdit1->dataField(), QStringLiteral("esp"));
        type(page.yulFindEdit1, QStringLiteral("CAS"));
        QCOMPARE(page.yulFindEdit1->searchInterval(), 400);
        page.yulFindEdit1->RunSearch();
        QCOMPARE(column(page), (QStringList{"Casa", "casar"}));
        QCOMPARE(page.DBMemo3->toPlainText(), QStringLiteral("house"));
        QTest::keyClick(page.DBGrid1, Qt::Key_Down);
        QCOMPARE(page.DBMemo3->toPlainText(), QStringLiteral("to marry"));
        page.yulFindEdit1->selectAll();
        type(page.yulFindEdit1, QStringLiteral("zz"));
        page.yulFindEdit1->RunSearch();
        QCOMPARE(column(page), QStringList());
        QCOMPARE(page.DBMemo3->toPlainText(), QString());
        for (auto b :
             {TDBNavigator::nbFirst, TDBNavigator::nbPrior, TDBNavigator::nbNext, TDBNavigator::nbLast})
            QVERIFY(!page.DBNavigator1->button(b)->isEnabled());
        QVERIFY(messages.isEmpty());
    }

    void hostedGeometry()
    {
        spanish();
        TFmeCustomFraming page;
        Host host(&page);
        QCOMPARE(page.TabSheet4->size(), QSize(520, 533));
        QCOMPARE(page.DBGrid1->geometry(), QRect(11, 75, 312, 425));
        QCOMPARE(page.DBMemo3->geometry(), QRect(336, 64, 180, 473));
        english();
        TFmeEdits edits;
        Host host2(&edits);
        QCOMPARE(edits.DBGrid1->size(), QSize(310, 425));
        QCOMPARE(edits.DBGrid1->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("English"));
        QCOMPARE(edits.RzPageControl1->tabText(0), QStringLiteral("English-Espanol"));
    }

    void resetOnBothPages()
    {
        spanish();
        TFmeCustomFraming page;
        Host host(&page);
        page.yulFindEdit1->setFocus();
        type(page.yulFindEdit1, QStringLiteral("cas"));
        page.yulFindEdit1->RunSearch();
        QCOMPARE(column(page).size(), 2);
        // Reached with Tab, pressed with the space bar, though the grid covers it.
        while (QApplication::focusWidget() != page.RzBitBtn1)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(page.RzBitBtn1, Qt::Key_Space);
        QCOMPARE(page.yulFindEdit1->text(), QString());
        QCOMPARE(column(page).size(), 5);
        QCOMPARE(page.Table2->currentRow(), 0);

        english();
        TFmeEdits edits;
        Host host2(&edits);
        edits.yulFindEdit1->setFocus();
        type(edits.yulFindEdit1, QStringLiteral("ho"));
        edits.yulFindEdit1->RunSearch();
        QCOMPARE(column(edits), QStringList{"house"});
        QTest::mouseClick(edits.RzBitBtn1, Qt::LeftButton);
        QCOMPARE(edits.yulFindEdit1->text(), QStringLiteral("ho"));
        QCOMPARE(column(edits), QStringList{"house"});
    }

    void tabOrder()
    {
        spanish();
        TFmeCustomFraming page;
        Host host(&page);
        page.DBGrid1->setFocus();
        QStringList order;
        for (int i = 0; i < 9; ++i) {
            QWidget* w = QApplication::focusWidget();
            order << (w->objectName().isEmpty() ? QStringLiteral("memo") : w->objectName());
            QTest::keyClick(w, Qt::Key_Tab);
        }
        QCOMPARE(order, (QStringList{"DBGrid1", "ComboBox1", "CheckBox1", "CheckBox2", "yulFindEdit1",
                                     "RzBitBtn1", "memo", "memo", "DBMemo3"}));
        QVERIFY(!page.CheckBox1->isChecked());
        QVERIFY(page.CheckBox2->isChecked());
    }

    void frameShowAppendsOnEveryEntry()
    {
        spanish({"Esp VARCHAR(40)", "Eng VARCHAR(200)", "Notes VARCHAR(10)"});
        TFmeCustomFraming page;
        Host host(&page);
        QCOMPARE(page.ComboBox1->count(), 1);
        page.yulFindEdit1->setFocus();
        host.outside.setFocus();
        page.DBGrid1->setFocus();
        QStringList items;
        for (int i = 0; i < page.ComboBox1->count(); ++i)
            items << page.ComboBox1->itemText(i);
        QCOMPARE(items, (QStringList{"esp", "Esp", "Eng", "Notes", "Esp", "Eng", "Notes"}));
        QCOMPARE(page.ComboBox1->currentIndex(), 0);
        // A click on the page's own surface runs it too.
        QTest::mouseClick(&page, Qt::LeftButton, {}, QPoint(1, 1));
        QCOMPARE(page.ComboBox1->count(), 10);
    }

    void translationFieldChosenFromTheKeyboard()
    {
        spanish();
        TFmeCustomFraming page;
        Host host(&page);
        page.ComboBox1->setFocus(); // entering the page appends Esp, Eng
        QTest::keyClick(page.ComboBox1, Qt::Key_Down);
        QTest::keyClick(page.ComboBox1, Qt::Key_Down);
        QCOMPARE(page.ComboBox1->currentText(), QStringLiteral("Eng"));
        QCOMPARE(page.yulFindEdit1->dataField(), QStringLiteral("Eng"));
        page.yulFindEdit1->setFocus();
        type(page.yulFindEdit1, QStringLiteral("HOU"));
        page.yulFindEdit1->RunSearch();
        QCOMPARE(column(page), QStringList{"Casa"});
        // Leaving and coming back returns to the headword without searching again.
        host.outside.setFocus();
        page.yulFindEdit1->setFocus();
        QCOMPARE(page.yulFindEdit1->dataField(), QStringLiteral("esp"));
        QCOMPARE(column(page), QStringList{"Casa"});
    }

    void headwordFieldInCapitals()
    {
        folder->dictionary(QStringLiteral("esptoeng.db"), QStringLiteral("ESP"), QStringLiteral("eng"),
                           {{"casa", "house"}, {"perro", "dog"}});
        TFmeCustomFraming page;
        Host host(&page);
        QCOMPARE(column(page), (QStringList{"casa", "perro"}));
        page.yulFindEdit1->setFocus();
        type(page.yulFindEdit1, QStringLiteral("pe"));
        page.yulFindEdit1->RunSearch();
        QCOMPARE(column(page), QStringList{"perro"});
        QCOMPARE(page.DBMemo3->toPlainText(), QStringLiteral("dog"));
    }

    void emptyTable()
    {
        folder->dictionary(QStringLiteral("esptoeng.db"), QStringLiteral("Esp"), QStringLiteral("Eng"), {});
        TFmeCustomFraming page;
        Host host(&page);
        QCOMPARE(page.DBGrid1->model()->rowCount(), 0);
        QCOMPARE(page.DBMemo3->toPlainText(), QString());
        for (auto b :
             {TDBNavigator::nbFirst, TDBNavigator::nbPrior, TDBNavigator::nbNext, TDBNavigator::nbLast})
            QVERIFY(!page.DBNavigator1->button(b)->isEnabled());
    }

    void missingAliasOrTableThenRetry()
    {
        qputenv("VELORIN_ALIASES", QByteArray("/nonexistent/aliases.ini"));
        QVERIFY_THROWS_EXCEPTION(velorin::EDatabaseError, TFmeCustomFraming());
        qputenv("VELORIN_ALIASES", folder->aliasesIni().toUtf8());
        try {
            TFmeCustomFraming page;
            QFAIL("no error");
        } catch (const velorin::EDatabaseError& e) {
            QVERIFY2(e.message().contains(QStringLiteral("esptoeng")), qPrintable(e.message()));
        }
        spanish();
        TFmeCustomFraming page;
        QCOMPARE(page.DBGrid1->model()->rowCount(), 5);
    }

    void missingBoundField()
    {
        folder->dictionary(QStringLiteral("esptoeng.db"), QStringLiteral("Esp"), QStringLiteral("English"),
                           {{"casa", "house"}});
        try {
            TFmeCustomFraming page;
            QFAIL("no error");
        } catch (const velorin::EDatabaseError& e) {
            QCOMPARE(e.message(), QStringLiteral("DBMemo3: Field 'Eng' not found"));
        }
        // A missing grid column field only leaves the column empty.
        folder->dictionary(QStringLiteral("engtoesp.db"), QStringLiteral("Word"), QStringLiteral("Espanol"),
                           {{"house", "casa"}});
        TFmeEdits edits;
        QCOMPARE(edits.DBGrid1->model()->rowCount(), 1);
        QCOMPARE(column(edits), QStringList{QString()});
        // Entering the page finds no field for the preset: the box's error is reported.
        Host host(&edits);
        edits.yulFindEdit1->setFocus();
        QCOMPARE(messages, QStringList{"yulFindEdit1: Field 'english' not found"});
    }

    void blackMemosNeverShowText()
    {
        spanish();
        TFmeCustomFraming page;
        Host host(&page);
        page.memoUnderLabel->setFocus();
        type(page.memoUnderLabel, QStringLiteral("x"));
        QCOMPARE(page.memoUnderLabel->toPlainText(), QString());
        QCOMPARE(page.memoUnderLabel->palette().color(QPalette::Base),
                 page.palette().color(QPalette::WindowText));
        english();
        TFmeEdits edits;
        Host host2(&edits);
        edits.DBMemo2->setFocus();
        type(edits.DBMemo2, QStringLiteral("x"));
        QCOMPARE(edits.DBMemo2->toPlainText(), QString());
    }

    void wordEntryPage()
    {
        // No table file exists: the page is made all the same.
        TFmeComboBoxes page;
        Host host(&page);
        QVERIFY(page.scrollArea->verticalScrollBar()->isVisible());
        QVERIFY(!page.scrollArea->horizontalScrollBar()->isVisible());
        QCOMPARE(page.content->childAt(250, 300), page.Panel1);
        page.DBEdit1->setFocus();
        QStringList order;
        for (int i = 0; i < 4; ++i) {
            QWidget* w = QApplication::focusWidget();
            order << w->objectName();
            type(w, QStringLiteral("a"));
            QCOMPARE(static_cast<QLineEdit*>(w)->text(), QString());
            QTest::keyClick(w, Qt::Key_Tab);
        }
        QCOMPARE(order, (QStringList{"DBEdit1", "DBEdit2", "DBEdit3", "DBEdit4"}));
        for (int i = 0; i < TDBNavigator::kButtonCount; ++i) {
            QVERIFY(!page.DBNavigator1->button(TDBNavigator::NavigateButton(i))->isEnabled());
            QVERIFY(!page.DBNavigator2->button(TDBNavigator::NavigateButton(i))->isEnabled());
        }
        QVERIFY(!page.DBNavigator1->button(TDBNavigator::nbDelete)->isVisible());
    }

private:
    void spanish(const QStringList& columns = {"Esp VARCHAR(40)", "Eng VARCHAR(200)"})
    {
        std::vector<QStringList> rows = {{"acaso", "perhaps"},
                                         {"Casa", "house"},
                                         {"casar", "to marry"},
                                         {"niño", "child"},
                                         {"ñandú", "rhea"}};
        for (QStringList& r : rows)
            while (r.size() < columns.size())
                r << QStringLiteral("x");
        folder->table(QStringLiteral("esptoeng.db"), columns, rows);
    }
    void english()
    {
        folder->dictionary(QStringLiteral("engtoesp.db"), QStringLiteral("English"),
                           QStringLiteral("Espanol"), {{"house", "casa"}, {"dog", "perro"}});
    }

    std::unique_ptr<TableFolder> folder;
    QStringList messages;
};

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    TestLookupPages test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_LookupPages.moc"
