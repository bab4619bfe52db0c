#include "TAnchors.h"

#include <QEvent>

namespace velorin::widgets {

TAnchors* TAnchors::anchorAll(QWidget* child)
{
    return new TAnchors(child); // owned by the child
}

TAnchors::TAnchors(QWidget* child) : QObject(child), m_child(child)
{
    QWidget* parent = child->parentWidget();
    Q_ASSERT(parent);
    const QRect g = child->geometry();
    m_distances =
        QMargins(g.left(), g.top(), parent->width() - g.right() - 1, parent->height() - g.bottom() - 1);
    parent->installEventFilter(this);
}

bool TAnchors::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && m_child && watched == m_child->parentWidget())
        apply();
    return false;
}

void TAnchors::apply()
{
    const QWidget* parent = m_child->parentWidget();
    const int w = parent->width() - m_distances.left() - m_distances.right();
    const int h = parent->height() - m_distances.top() - m_distances.bottom();
    m_child->setGeometry(m_distances.left(), m_distances.top(), qMax(0, w), qMax(0, h));
}

} // namespace velorin::widgets
