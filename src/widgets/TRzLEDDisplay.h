#pragma once

#include <QColor>
#include <QFrame>
#include <QString>
#include <QTimer>

namespace velorin::widgets {

// A row of LED character cells showing a caption. While scrolling is on, the caption enters
// at the right edge, moves one cell to the left on every tick of its timer and leaves at the
// left edge, then starts again. The caption is also the accessible name, so screen readers
// read the whole text whatever part of it is lit.
class TRzLEDDisplay : public QFrame
{
    Q_OBJECT
public:
    explicit TRzLEDDisplay(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    const QString& caption() const { return m_caption; }

    void setScrolling(bool on);
    bool scrolling() const { return m_scrolling; }
    // Milliseconds between two steps; 100 by default.
    void setScrollDelay(int milliseconds) { m_timer.setInterval(milliseconds); }
    int scrollDelay() const { return m_timer.interval(); }
    QTimer& timer() { return m_timer; }

    void setSegmentColors(const QColor& background, const QColor& unlit, const QColor& lit);
    QColor backgroundColor() const { return m_background; }
    QColor unlitColor() const { return m_unlit; }
    QColor litColor() const { return m_lit; }

    // Number of character cells across the display's width.
    int cellCount() const;
    // What the cells show now, one character per cell (blank for an unlit cell).
    QString visibleText() const;

    QSize sizeHint() const override;

public Q_SLOTS:
    // Moves the caption one cell to the left.
    void step();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int cellWidth() const;

    QString m_caption;
    QTimer m_timer;
    bool m_scrolling = false;
    int m_position = 0; // cells the caption has moved in from the right edge
    QColor m_background;
    QColor m_unlit;
    QColor m_lit;
};

} // namespace velorin::widgets
