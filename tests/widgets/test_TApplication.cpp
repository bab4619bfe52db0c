#include "EDatabaseError.h"
#include "TApplication.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using velorin::widgets::TApplication;

class TestTApplication : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void exceptionInClickReachesHandlerAndLoopGoesOn()
    {
        QStringList messages;
        TApplication::instance()->setErrorHandler([&](const QString& m) { messages << m; });
        QPushButton button(QStringLiteral("x"));
        int clicks = 0;
        connect(&button, &QPushButton::clicked, [&] {
            ++clicks;
            throw velorin::EDatabaseError(QStringLiteral("Table is busy"));
        });
        button.show();
        QTest::mouseClick(&button, Qt::LeftButton);
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks, 2);
        QCOMPARE(messages, QStringList({QStringLiteral("Table is busy"), QStringLiteral("Table is busy")}));
    }

    void exceptionInTimerIsReported()
    {
        QStringList messages;
        TApplication::instance()->setErrorHandler([&](const QString& m) { messages << m; });
        QTimer::singleShot(0, [] { throw std::runtime_error("disk full"); });
        QTRY_COMPARE(messages, QStringList(QStringLiteral("disk full")));
    }
};

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    TestTApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_TApplication.moc"
