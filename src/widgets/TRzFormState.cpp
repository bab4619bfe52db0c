#include "TRzFormState.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

namespace velorin::widgets {

void TRzFormState::save(QSettings& store, const QWidget& window) const
{
    const QRect normal = window.isMaximized() ? window.normalGeometry() : window.frameGeometry();
    store.beginGroup(m_section);
    store.setValue(QStringLiteral("Left"), normal.left());
    store.setValue(QStringLiteral("Top"), normal.top());
    store.setValue(QStringLiteral("Maximized"), window.isMaximized() ? 1 : 0);
    store.setValue(QStringLiteral("Saved"), 1);
    store.endGroup();
}

bool TRzFormState::wasSaved(QSettings& store) const
{
    return store.value(m_section + QStringLiteral("/Saved")).toInt() == 1;
}

void TRzFormState::restore(QSettings& store, QWidget& window) const
{
    store.beginGroup(m_section);
    bool okLeft = false;
    bool okTop = false;
    const int left = store.value(QStringLiteral("Left")).toInt(&okLeft);
    const int top = store.value(QStringLiteral("Top")).toInt(&okTop);
    const bool maximized = store.value(QStringLiteral("Maximized")).toInt() == 1;
    store.endGroup();
    if (okLeft && okTop) {
        QPoint position(left, top);
        if (!QGuiApplication::screenAt(position)) {
            const QScreen* screen = QGuiApplication::primaryScreen();
            position = screen ? screen->geometry().topLeft() : QPoint(0, 0);
        }
        window.move(position);
    }
    if (maximized)
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

} // namespace velorin::widgets
