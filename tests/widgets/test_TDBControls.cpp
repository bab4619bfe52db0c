#include "DataSource.h"
#include "EDatabaseError.h"
#include "TApplication.h"
#include "TDBEdit.h"
#include "TDBGrid.h"
#include "TDBMemo.h"
#include "TDBNavigator.h"
#include "Table.h"
#include "TableFolder.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <memory>

using velorin::db::DataSource;
using velorin::db::Table;
using velorin::widgets::TApplication;
using velorin::widgets::TDBEdit;
using velorin::widgets::TDBGrid;
using velorin::widgets::TDBMemo;
using velorin::widgets::TDBNavigator;

// Three records of a word, a long note and an extra field, with every control bound to them.
struct Bound
{
    TableFolder folder;
    QWidget window;
    Table* table;
    DataSource* source;
    TDBGrid* grid;
    TDBMemo* memo;
    TDBEdit* edit;
    TDBNavigator* navigator;

    explicit Bound(std::vector<QStringList> rows = {
                       {"uno", "first\nline two", "1"}, {"dos", "second", "2"}, {"tres", "third", "3"}})
    {
        folder.table(QStringLiteral("words.db"), {"Word VARCHAR(8)", "Note TEXT", "Num INTEGER"}, rows);
        table = new Table(&window);
        table->setAliases(folder.aliases());
        table->setDatabaseName(QStringLiteral("espanol"));
        table->setTableName(QStringLiteral("words.db"));
        source = new DataSource(&window);
        source->setDataSet(table);
        grid = new TDBGrid(&window);
        grid->setObjectName(QStringLiteral("DBGrid1"));
        grid->setGeometry(0, 0, 300, 200);
        grid->setColumns({{QStringLiteral("word"), QStringLiteral("Palabra")},
                          {QStringLiteral("Num"), QString()},
                          {QStringLiteral("Missing"), QStringLiteral("Gone")}});
        grid->setDataSource(source);
        memo = new TDBMemo(&window);
        memo->setObjectName(QStringLiteral("DBMemo1"));
        memo->setGeometry(0, 210, 300, 80);
        memo->setDataSource(source);
        memo->setDataField(QStringLiteral("Note"));
        edit = new TDBEdit(&window);
        edit->setObjectName(QStringLiteral("DBEdit1"));
        edit->setGeometry(0, 300, 300, 24);
        edit->setDataSource(source);
        edit->setDataField(QStringLiteral("Word"));
        navigator = new TDBNavigator(&window);
        navigator->setGeometry(0, 330, 300, 25);
        navigator->setDataSource(source);
        window.resize(320, 360);
        window.show();
    }

    bool enabled(TDBNavigator::NavigateButton b) const { return navigator->button(b)->isEnabled(); }
};

class TestTDBControls : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        TApplication::instance()->setErrorHandler([this](const QString& m) { messages << m; });
        messages.clear();
    }

    void closedTableShowsNothing()
    {
        Bound b;
        QCOMPARE(b.grid->model()->rowCount(), 0);
        QCOMPARE(b.memo->toPlainText(), QString());
        QVERIFY(b.memo->isReadOnly());
        QVERIFY(b.edit->isReadOnly());
        for (int i = 0; i < TDBNavigator::kButtonCount; ++i)
            QVERIFY(!b.enabled(TDBNavigator::NavigateButton(i)));
    }

    void gridReadsTheTable()
    {
        Bound b;
        b.table->open();
        const auto* m = b.grid->model();
        QCOMPARE(m->rowCount(), 3);
        QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Palabra"));
        QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Num"));
        QCOMPARE(m->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Gone"));
        QCOMPARE(m->index(1, 0).data().toString(), QStringLiteral("dos"));
        QCOMPARE(m->index(2, 1).data().toString(), QStringLiteral("3"));
        QVERIFY(!m->index(0, 2).data().isValid()); // the missing field's column stays empty
        QVERIFY(!m->headerData(0, Qt::Vertical).toString().isEmpty());
        QVERIFY(m->headerData(1, Qt::Vertical).toString().isEmpty());
        b.grid->setDataReadOnly(true);
        QVERIFY(!(m->flags(m->index(0, 0)) & Qt::ItemIsEditable));
    }

    void gridMovesTheCursorAndFollowsIt()
    {
        Bound b;
        b.table->open();
        const QRect row2 = b.grid->visualRect(b.grid->model()->index(2, 0));
        QTest::mouseClick(b.grid->viewport(), Qt::LeftButton, {}, row2.center());
        QCOMPARE(b.table->currentRow(), 2);
        QCOMPARE(b.memo->toPlainText(), QStringLiteral("third"));
        QCOMPARE(b.edit->text(), QStringLiteral("tres"));
        QVERIFY(!b.grid->model()->headerData(2, Qt::Vertical).toString().isEmpty());
        QVERIFY(b.grid->model()->headerData(0, Qt::Vertical).toString().isEmpty());
        QTest::keyClick(b.grid, Qt::Key_Up);
        QCOMPARE(b.table->currentRow(), 1);
        b.table->first();
        QCOMPARE(b.grid->currentIndex().row(), 0);
        QCOMPARE(b.memo->toPlainText(), QStringLiteral("first\nline two"));
    }

    void navigatorFollowsTheCursor()
    {
        Bound b;
        b.table->open();
        QVERIFY(!b.enabled(TDBNavigator::nbFirst));
        QVERIFY(!b.enabled(TDBNavigator::nbPrior));
        QVERIFY(b.enabled(TDBNavigator::nbNext));
        QVERIFY(b.enabled(TDBNavigator::nbLast));
        QSignalSpy before(b.navigator, &TDBNavigator::beforeAction);
        QSignalSpy after(b.navigator, &TDBNavigator::clicked);
        int rowWhenBefore = -1;
        connect(b.navigator, &TDBNavigator::beforeAction, this,
                [&] { rowWhenBefore = b.table->currentRow(); });
        QTest::mouseClick(b.navigator->button(TDBNavigator::nbLast), Qt::LeftButton);
        QCOMPARE(b.table->currentRow(), 2);
        QCOMPARE(rowWhenBefore, 0);
        QCOMPARE(before.size(), 1);
        QCOMPARE(after.size(), 1);
        QCOMPARE(after.at(0).at(0).value<TDBNavigator::NavigateButton>(), TDBNavigator::nbLast);
        QVERIFY(b.enabled(TDBNavigator::nbFirst));
        QVERIFY(!b.enabled(TDBNavigator::nbNext));
        QTest::mouseClick(b.navigator->button(TDBNavigator::nbPrior), Qt::LeftButton);
        QCOMPARE(b.table->currentRow(), 1);
        QVERIFY(b.enabled(TDBNavigator::nbNext) && b.enabled(TDBNavigator::nbPrior));
        QCOMPARE(b.navigator->focusPolicy(), Qt::NoFocus);
        QCOMPARE(b.navigator->hint(TDBNavigator::nbFirst), QStringLiteral("First record"));
        b.navigator->setHints({"ILK KAYIT", "SON KAYIT"});
        QCOMPARE(b.navigator->hint(TDBNavigator::nbPrior), QStringLiteral("SON KAYIT"));
        QCOMPARE(b.navigator->hint(TDBNavigator::nbNext), QStringLiteral("Next record"));
        b.navigator->setVisibleButtons({TDBNavigator::nbFirst, TDBNavigator::nbLast});
        QVERIFY(!b.navigator->button(TDBNavigator::nbNext)->isVisible());
        QCOMPARE(b.navigator->button(TDBNavigator::nbLast)->geometry(), QRect(150, 0, 150, 25));
    }

    void emptyTableDisablesMoving()
    {
        Bound b(std::vector<QStringList>{});
        b.table->open();
        QCOMPARE(b.grid->model()->rowCount(), 0);
        QCOMPARE(b.memo->toPlainText(), QString());
        for (auto n :
             {TDBNavigator::nbFirst, TDBNavigator::nbPrior, TDBNavigator::nbNext, TDBNavigator::nbLast,
              TDBNavigator::nbDelete, TDBNavigator::nbEdit, TDBNavigator::nbPost, TDBNavigator::nbCancel})
            QVERIFY(!b.enabled(n));
    }

    void browseStateTakesNoInput()
    {
        Bound b;
        b.table->open();
        QVERIFY(b.edit->isReadOnly());
        QVERIFY(b.memo->isReadOnly());
        b.edit->setFocus();
        QTest::keyClicks(b.edit, "x");
        QCOMPARE(b.edit->text(), QStringLiteral("uno"));
        QCOMPARE(b.edit->maxLength(), 8);
    }

    void missingBoundFieldFailsTheOpening()
    {
        Bound b;
        b.memo->setDataField(QStringLiteral("Nota"));
        try {
            b.table->open();
            QFAIL("no error");
        } catch (const velorin::EDatabaseError& e) {
            QCOMPARE(e.message(), QStringLiteral("DBMemo1: Field 'Nota' not found"));
        }
        QVERIFY(!b.table->active());
        QCOMPARE(b.grid->model()->rowCount(), 0);
    }

    void unboundMemoAndEditShowNothing()
    {
        Bound b;
        TDBMemo memo(&b.window);
        TDBEdit edit(&b.window);
        memo.show();
        edit.show();
        b.table->open();
        QVERIFY(memo.isReadOnly());
        QVERIFY(edit.isReadOnly());
        memo.setFocus();
        QTest::keyClicks(&memo, "abc");
        QCOMPARE(memo.toPlainText(), QString());
        b.memo->setWordWrap(false);
        QCOMPARE(b.memo->lineWrapMode(), QPlainTextEdit::NoWrap);
    }

    void editAndMemoWriteIntoTheFieldWhileEditing()
    {
        Bound b;
        b.table->open();
        b.table->edit();
        if (b.table->state() != velorin::db::DataSetState::Edit)
            QSKIP("the engine does not write records yet");
        QVERIFY(!b.edit->isReadOnly());
        QVERIFY(!b.memo->isReadOnly());
        b.edit->setFocus();
        b.edit->selectAll();
        QTest::keyClicks(b.edit, "ocho");
        QCOMPARE(b.table->fieldByName(QStringLiteral("Word"))->asString(), QStringLiteral("ocho"));
        QCOMPARE(b.edit->text(), QStringLiteral("ocho"));
        b.memo->setFocus();
        b.memo->selectAll();
        QTest::keyClicks(b.memo, "new note");
        QCOMPARE(b.table->fieldByName(QStringLiteral("Note"))->asString(), QStringLiteral("new note"));
        QVERIFY(b.enabled(TDBNavigator::nbPost) && b.enabled(TDBNavigator::nbCancel));
        QVERIFY(!b.enabled(TDBNavigator::nbEdit));
        QTest::mouseClick(b.navigator->button(TDBNavigator::nbCancel), Qt::LeftButton);
        QVERIFY(b.edit->isReadOnly());
        QCOMPARE(b.edit->text(), QStringLiteral("uno"));
        QCOMPARE(b.memo->toPlainText(), QStringLiteral("first\nline two"));
    }

    void deleteAsksFirst()
    {
        Bound b;
        b.table->open();
        b.table->edit();
        if (b.table->state() != velorin::db::DataSetState::Edit)
            QSKIP("the engine does not write records yet");
        b.table->cancel();
        bool answer = false;
        int asked = 0;
        b.navigator->setDeleteConfirmation([&] {
            ++asked;
            return answer;
        });
        QSignalSpy after(b.navigator, &TDBNavigator::clicked);
        QTest::mouseClick(b.navigator->button(TDBNavigator::nbDelete), Qt::LeftButton);
        QCOMPARE(asked, 1);
        QCOMPARE(after.size(), 1);
        QCOMPARE(b.table->recordCount(), 3);
        answer = true;
        QTest::mouseClick(b.navigator->button(TDBNavigator::nbDelete), Qt::LeftButton);
        QCOMPARE(b.table->recordCount(), 2);
        b.navigator->setConfirmDelete(false);
        QTest::mouseClick(b.navigator->button(TDBNavigator::nbDelete), Qt::LeftButton);
        QCOMPARE(asked, 2);
        QCOMPARE(b.table->recordCount(), 1);
    }

private:
    QStringList messages;
};

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    TestTDBControls test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_TDBControls.moc"
