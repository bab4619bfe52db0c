#pragma once

#include <QImage>
#include <QPoint>
#include <QRegion>
#include <QWidget>

namespace velorin::widgets {

// Gives its window the outline of a picture: the picture's bottom-left pixel is the
// transparent colour, pixels of that colour are neither drawn nor part of the window.
// The shape fills the window's client area, removes the window frame, and on the
// window's first show cuts the window to the picture's opaque pixels. A press on an
// opaque part of the picture that no control covers drags the window.
class TRzFormShape : public QWidget
{
    Q_OBJECT
public:
    explicit TRzFormShape(QWidget* form);

    void setPicture(const QImage& picture);
    QImage picture() const { return m_picture; }
    QRgb transparentColor() const { return m_transparent; }
    // The window region: the union, row by row, of the runs of opaque pixels.
    QRegion shapeRegion() const { return m_region; }

    static QRegion regionFromPicture(const QImage& picture, QRgb transparent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QWidget* m_form;
    QImage m_picture;
    QImage m_drawn;
    QRgb m_transparent = 0;
    QRegion m_region;
    bool m_shown = false;
    bool m_dragging = false;
    QPoint m_grab;
};

} // namespace velorin::widgets
