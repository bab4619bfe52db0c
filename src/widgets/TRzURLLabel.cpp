#include "TRzURLLabel.h"

#include "DesktopLinkOpener.h"
#include "TApplication.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace velorin::widgets {

TRzURLLabel::TRzURLLabel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent), m_highlight(palette().color(QPalette::Highlight)), m_visitedColor(128, 0, 128)
{
    setCursor(Qt::PointingHandCursor);
    setTextInteractionFlags(Qt::NoTextInteraction);
    // After the interaction flags, which would reset it.
    setFocusPolicy(Qt::StrongFocus);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    applyColor();
}

QColor TRzURLLabel::currentColor() const
{
    return m_visited ? m_visitedColor : m_highlight;
}

bool TRzURLLabel::openLink()
{
    const QString link = target();
    const std::shared_ptr<LinkOpener> opener =
        TApplication::serviceOr<LinkOpener>(std::make_shared<DesktopLinkOpener>());
    if (!opener->open(link))
        return false;
    m_visited = true;
    applyColor();
    Q_EMIT linkOpened(link);
    return true;
}

void TRzURLLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void TRzURLLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        if (rect().contains(event->position().toPoint()))
            openLink();
        event->accept();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void TRzURLLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        openLink();
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void TRzURLLabel::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    setFrameStyle(QFrame::Box | QFrame::Plain);
}

void TRzURLLabel::focusOutEvent(QFocusEvent* event)
{
    QLabel::focusOutEvent(event);
    setFrameStyle(QFrame::NoFrame);
}

void TRzURLLabel::applyColor()
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, currentColor());
    setPalette(p);
}

} // namespace velorin::widgets
