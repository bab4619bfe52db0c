#pragma once

#include <QColor>
#include <QWidget>

namespace velorin::widgets {

// A thin horizontal rule that fades from its highlight colour into the background.
class TRzSeparator : public QWidget
{
    Q_OBJECT
public:
    explicit TRzSeparator(QWidget* parent = nullptr);

    void setHighlightColor(const QColor& color);
    QColor highlightColor() const { return m_highlight; }
    void setGradient(bool on);
    bool gradient() const { return m_gradient; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_highlight;
    bool m_gradient = false;
};

} // namespace velorin::widgets
