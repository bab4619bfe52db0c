#pragma once

#include <QFrame>
#include <QPoint>
#include <QTimer>
#include <functional>

class QToolButton;

namespace velorin::widgets {

// A panel along the right edge of its parent that slides open when the pointer moves over
// its closed 10-pixel bar (only while its window is the active window) and closes again
// once the pointer has left it, checked every second, unless pinned open.
class TsuiSideChannel : public QFrame
{
    Q_OBJECT
public:
    static constexpr int ClosedWidth = 10;
    static constexpr int OpenWidth = 188;
    static constexpr int Step = 15;

    explicit TsuiSideChannel(QWidget* parent = nullptr);

    bool isOpen() const { return width() == OpenWidth && !m_moving; }
    bool isPinned() const;
    QToolButton* pinButton() const { return m_pin; }
    QTimer& closeTimer() { return m_timer; }

    // Where the pointer is, in global coordinates; replaceable for tests.
    void setPointerSource(std::function<QPoint()> source) { m_pointer = std::move(source); }
    // Whether the window counts as the active window of the active application.
    void setActiveTest(std::function<bool()> test) { m_isActive = std::move(test); }

public Q_SLOTS:
    void openPanel();
    void closePanel();

Q_SIGNALS:
    void widthChanged(int width);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void pointerOver();
    void checkPointer();
    void setPanelWidth(int width);

    QToolButton* m_pin = nullptr;
    QTimer m_timer;
    bool m_moving = false;
    std::function<QPoint()> m_pointer;
    std::function<bool()> m_isActive;
};

} // namespace velorin::widgets
