#pragma once

#include <QColor>
#include <QLabel>

namespace velorin::widgets {

// The header panel most pages start with: aligned to the top, 35 pixels high, caption
// left-aligned with a margin of 4, a gradient, a flat rule on the bottom side only.
class THeaderPanel : public QLabel
{
    Q_OBJECT
public:
    explicit THeaderPanel(const QString& caption, QWidget* parent = nullptr);

    void setGradient(const QColor& from, const QColor& to);
    QColor gradientFrom() const { return m_from; }
    QColor gradientTo() const { return m_to; }
    QColor borderColor() const { return m_border; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_from;
    QColor m_to;
    QColor m_border;
};

} // namespace velorin::widgets
