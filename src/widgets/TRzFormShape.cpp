#include "TRzFormShape.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVector>
#include <QWindow>

namespace velorin::widgets {

TRzFormShape::TRzFormShape(QWidget* form) : QWidget(form), m_form(form)
{
    setObjectName(QStringLiteral("RzFormShape1"));
    m_form->setWindowFlags(m_form->windowFlags() | Qt::FramelessWindowHint);
    m_form->installEventFilter(this);
    setGeometry(m_form->rect());
    lower();
}

void TRzFormShape::setPicture(const QImage& picture)
{
    m_picture = picture;
    m_transparent = picture.isNull() ? 0 : picture.pixel(0, picture.height() - 1);
    m_region = regionFromPicture(picture, m_transparent);

    m_drawn = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb clear = qRgba(0, 0, 0, 0);
    for (int y = 0; y < m_drawn.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(m_drawn.scanLine(y));
        for (int x = 0; x < m_drawn.width(); ++x) {
            if ((line[x] | 0xFF000000u) == (m_transparent | 0xFF000000u))
                line[x] = clear;
        }
    }
    if (m_shown)
        m_form->setMask(m_region);
    update();
}

QRegion TRzFormShape::regionFromPicture(const QImage& picture, QRgb transparent)
{
    const QImage img = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb key = transparent | 0xFF000000u;
    QVector<QRect> runs;
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        int x = 0;
        while (x < img.width()) {
            while (x < img.width() && (line[x] | 0xFF000000u) == key)
                ++x;
            const int start = x;
            while (x < img.width() && (line[x] | 0xFF000000u) != key)
                ++x;
            if (x > start)
                runs.append(QRect(start, y, x - start, 1));
        }
    }
    // Rows of one pixel with runs in x order are already in the banded order setRects wants.
    QRegion region;
    if (!runs.isEmpty())
        region.setRects(runs.constData(), int(runs.size()));
    return region;
}

bool TRzFormShape::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_form) {
        if (event->type() == QEvent::Resize) {
            setGeometry(m_form->rect());
        } else if (event->type() == QEvent::Show && !m_shown) {
            m_shown = true;
            if (!m_picture.isNull())
                m_form->setMask(m_region);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TRzFormShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_drawn);
}

void TRzFormShape::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() != Qt::LeftButton || !m_region.contains(at)) {
        event->ignore();
        return;
    }
    event->accept();
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    // The window manager moves the window where it can; without one, follow the mouse.
    QWindow* handle = m_form->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    m_dragging = true;
    m_grab = event->globalPosition().toPoint() - m_form->pos();
}

void TRzFormShape::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging && (event->buttons() & Qt::LeftButton)) {
        m_form->move(event->globalPosition().toPoint() - m_grab);
        event->accept();
        return;
    }
    QWidget::mouseMoveEvent(event);
}

void TRzFormShape::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_dragging && event->button() == Qt::LeftButton) {
        m_dragging = false;
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

} // namespace velorin::widgets
