#pragma once

#include <QTabWidget>

class QToolButton;

namespace velorin::widgets {

// A tab control whose corner button drops down a menu of its tabs.
class TRzPageControl : public QTabWidget
{
    Q_OBJECT
public:
    explicit TRzPageControl(QWidget* parent = nullptr);

    void setTabHeight(int pixels);
    void setShowMenuButton(bool on);
    QToolButton* menuButton() const { return m_menuButton; }

private:
    QToolButton* m_menuButton;
};

} // namespace velorin::widgets
