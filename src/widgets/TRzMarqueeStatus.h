#pragma once

#include <QTimer>
#include <QWidget>

namespace velorin::widgets {

// A status pane whose text scrolls from right to left by 1 pixel every 50 ms and enters
// again from the right once it has left on the left.
class TRzMarqueeStatus : public QWidget
{
    Q_OBJECT
public:
    explicit TRzMarqueeStatus(const QString& text, QWidget* parent = nullptr);

    QString text() const { return m_text; }
    // Where the text's left edge is drawn, in pixels from the pane's left edge.
    int offset() const { return m_offset; }
    QTimer& timer() { return m_timer; }

    QSize sizeHint() const override;

public Q_SLOTS:
    void step();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    int m_offset = 0;
    QTimer m_timer;
};

} // namespace velorin::widgets
