#include "TApplication.h"
#include "TRzEditListBox.h"

#include <QLineEdit>
#include <QTest>

using velorin::widgets::TApplication;
using velorin::widgets::TRzEditListBox;

class TestTRzEditListBox : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void deleteRemovesOnlyTheSelectedLine()
    {
        TRzEditListBox list;
        for (const char* l : {"/a", "/b", "/b", "/c"})
            list.addLine(QString::fromLatin1(l));
        list.show();
        list.setFocus();
        list.setCurrentRow(2);
        QTest::keyClick(&list, Qt::Key_Delete);
        QCOMPARE(list.lines(), QStringList({"/a", "/b", "/c"}));
        QTest::keyClick(&list, Qt::Key_Delete);
        QCOMPARE(list.lines().size(), 2);
    }

    void deleteWithoutSelectionOrPermissionKeepsAll()
    {
        TRzEditListBox list;
        list.addLine(QStringLiteral("/a"));
        list.show();
        list.clearSelection();
        QTest::keyClick(&list, Qt::Key_Delete);
        QCOMPARE(list.count(), 1);
        list.setAllowDeleteByKeyboard(false);
        list.setCurrentRow(0);
        QTest::keyClick(&list, Qt::Key_Delete);
        QCOMPARE(list.count(), 1);
    }

    void f2EditsInPlace()
    {
        TRzEditListBox list;
        list.addLine(QStringLiteral("/tmp/old.txt"));
        list.addLine(QStringLiteral("/tmp/other.txt"));
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.setFocus();
        list.setCurrentRow(0);
        QTest::keyClick(&list, Qt::Key_F2);
        auto* editor = list.viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        // Delete while editing belongs to the editor, not to the list.
        QTest::keyClick(editor, Qt::Key_End);
        QTest::keyClick(editor, Qt::Key_Delete);
        QCOMPARE(list.count(), 2);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("/tmp/new.txt"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(list.lines(), QStringList({"/tmp/new.txt", "/tmp/other.txt"}));
    }

    void secondClickEditsInPlace()
    {
        TRzEditListBox list;
        list.addLine(QStringLiteral("/tmp/a"));
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const QPoint at = list.visualItemRect(list.item(0)).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
        QVERIFY(list.viewport()->findChild<QLineEdit*>() == nullptr);
        // A second click, not a double click, on the selected line.
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
        QTRY_VERIFY(list.viewport()->findChild<QLineEdit*>() != nullptr);
    }
};

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    QStringList errors;
    app.setErrorHandler([&](const QString& m) { errors << m; });
    TestTRzEditListBox test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_TRzEditListBox.moc"
