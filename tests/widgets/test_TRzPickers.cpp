#include "TApplication.h"
#include "TRzColorPicker.h"
#include "TRzTimePicker.h"

#include <QSignalSpy>
#include <QTest>

using velorin::widgets::TApplication;
using velorin::widgets::TRzColorPicker;
using velorin::widgets::TRzTimePicker;

class TestTRzPickers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void colorPickerEntries()
    {
        TRzColorPicker picker;
        picker.resize(152, 249);
        picker.show();
        QSignalSpy spy(&picker, &TRzColorPicker::colorChanged);
        const auto entry = [&](const QString& name) {
            for (QToolButton* b : picker.entries()) {
                if (b->accessibleName() == name)
                    return b;
            }
            return static_cast<QToolButton*>(nullptr);
        };
        QCOMPARE(picker.color(), picker.defaultColor());

        QTest::mouseClick(entry(QStringLiteral("Red")), Qt::LeftButton);
        QCOMPARE(picker.color(), QColor(255, 0, 0));
        QVERIFY(entry(QStringLiteral("Red"))->isChecked());

        QTest::mouseClick(entry(QStringLiteral("No Color")), Qt::LeftButton);
        QVERIFY(!picker.color().isValid());
        QVERIFY(entry(QStringLiteral("No Color"))->isChecked());
        QVERIFY(!entry(QStringLiteral("Red"))->isChecked());

        QTest::mouseClick(entry(QStringLiteral("Default")), Qt::LeftButton);
        QCOMPARE(picker.color(), picker.defaultColor());

        QTest::mouseClick(entry(QStringLiteral("Highlight")), Qt::LeftButton);
        QCOMPARE(picker.color(), QApplication::palette().color(QPalette::Highlight));

        picker.setCustomColorChooser([](const QColor&, QWidget*) { return QColor(1, 2, 3); });
        QTest::mouseClick(entry(QStringLiteral("Custom...")), Qt::LeftButton);
        QCOMPARE(picker.color(), QColor(1, 2, 3));
        picker.setCustomColorChooser([](const QColor&, QWidget*) { return QColor(); });
        QTest::mouseClick(entry(QStringLiteral("Custom...")), Qt::LeftButton);
        QCOMPARE(picker.color(), QColor(1, 2, 3));
        QCOMPARE(spy.count(), 5);
    }

    void timePickerFaceAndBox()
    {
        TRzTimePicker picker;
        picker.resize(156, 190);
        picker.show();
        QCOMPARE(picker.time(), QTime(0, 0));
        const QRect face = picker.faceRect();
        const QPoint c = face.center();
        const int r = face.width() / 2;

        QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(c.x() + r * 8 / 10, c.y())); // 3 o'clock, outer
        QCOMPARE(picker.time(), QTime(0, 15));
        QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(c.x(), c.y() + r / 3)); // 6 o'clock, inner
        QCOMPARE(picker.time(), QTime(6, 15));
        QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(c.x() + 2 * r, c.y())); // outside the face
        QCOMPARE(picker.time(), QTime(6, 15));

        picker.timeEdit()->setTime(QTime(14, 40));
        QCOMPARE(picker.time(), QTime(14, 40));
        QTest::mouseClick(&picker, Qt::LeftButton, {}, QPoint(c.x() - r / 3, c.y())); // 9 o'clock, inner
        QCOMPARE(picker.time(), QTime(21, 40));
    }
};

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    QStringList errors;
    app.setErrorHandler([&](const QString& m) { errors << m; });
    TestTRzPickers test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_TRzPickers.moc"
