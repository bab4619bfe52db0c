#include "TApplication.h"
#include "TRzFormShape.h"

#include <QPainter>
#include <QTest>

using velorin::widgets::TApplication;
using velorin::widgets::TRzFormShape;

namespace {

// 40 x 30, transparent green around an opaque block at x 5..24, y 5..19 with a
// transparent hole at x 10..12, y 8..9 and a lone opaque pixel at 35, 25.
QImage testPicture()
{
    QImage img(40, 30, QImage::Format_RGB32);
    img.fill(QColor(198, 255, 198));
    QPainter p(&img);
    p.fillRect(QRect(5, 5, 20, 15), QColor(40, 80, 170));
    p.fillRect(QRect(10, 8, 3, 2), QColor(198, 255, 198));
    p.end();
    img.setPixelColor(35, 25, QColor(239, 231, 214));
    return img;
}

} // namespace

class TestTRzFormShape : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void regionHoldsOnlyOpaquePixels()
    {
        const QImage img = testPicture();
        const QRegion region = TRzFormShape::regionFromPicture(img, img.pixel(0, img.height() - 1));
        int inside = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                const bool opaque = img.pixelColor(x, y) != QColor(198, 255, 198);
                QCOMPARE(region.contains(QPoint(x, y)), opaque);
                inside += opaque;
            }
        }
        QCOMPARE(inside, 20 * 15 - 6 + 1);
    }

    void emptyPictureGivesEmptyRegion()
    {
        QImage img(10, 10, QImage::Format_RGB32);
        img.fill(Qt::green);
        QVERIFY(TRzFormShape::regionFromPicture(img, img.pixel(0, 9)).isEmpty());
    }

    void firstShowCutsTheWindowAndRemovesTheFrame()
    {
        QWidget form;
        form.resize(40, 30);
        auto* shape = new TRzFormShape(&form);
        shape->setPicture(testPicture());
        QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(form.mask().isEmpty());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.mask(), shape->shapeRegion());
        QCOMPARE(shape->geometry(), form.rect());
        form.resize(60, 50);
        QCOMPARE(shape->geometry(), form.rect());
    }

    // Without a window manager the window follows the mouse; a press on a transparent
    // pixel does not drag.
    void dragMovesWindowByMouseDelta()
    {
        QWidget form;
        form.resize(40, 30);
        auto* shape = new TRzFormShape(&form);
        shape->setPicture(testPicture());
        form.move(100, 100);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QPoint start = form.pos();

        QTest::mousePress(shape, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseMove(shape, QPoint(20, 20));
        QTest::mouseRelease(shape, Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(form.pos(), start);

        QTest::mousePress(shape, Qt::LeftButton, {}, QPoint(6, 6));
        QMouseEvent move(QEvent::MouseMove, QPointF(16, 13), shape->mapToGlobal(QPointF(16, 13)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(shape, &move);
        QTest::mouseRelease(shape, Qt::LeftButton, {}, QPoint(16, 13));
        QCOMPARE(form.pos(), start + QPoint(10, 7));
    }
};

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    QStringList errors;
    app.setErrorHandler([&](const QString& m) { errors << m; });
    TestTRzFormShape test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_TRzFormShape.moc"
