#pragma once

#include <QPushButton>

namespace velorin::widgets {

// A push button with an icon. With hot tracking on it lies flat until the mouse is over it.
class TRzBitBtn : public QPushButton
{
    Q_OBJECT
public:
    explicit TRzBitBtn(const QString& caption, QWidget* parent = nullptr);

    void setHotTrack(bool on);
    bool hotTrack() const { return m_hotTrack; }

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool m_hotTrack = false;
};

} // namespace velorin::widgets
