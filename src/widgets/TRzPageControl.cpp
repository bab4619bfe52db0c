#include "TRzPageControl.h"

#include <QMenu>
#include <QTabBar>
#include <QToolButton>

namespace velorin::widgets {

TRzPageControl::TRzPageControl(QWidget* parent) : QTabWidget(parent), m_menuButton(new QToolButton(this))
{
    m_menuButton->setAccessibleName(QStringLiteral("Sekmeler"));
    m_menuButton->setArrowType(Qt::DownArrow);
    m_menuButton->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(m_menuButton);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        menu->clear();
        for (int i = 0; i < count(); ++i) {
            QAction* action = menu->addAction(tabText(i));
            action->setCheckable(true);
            action->setChecked(i == currentIndex());
            connect(action, &QAction::triggered, this, [this, i] { setCurrentIndex(i); });
        }
    });
    m_menuButton->setMenu(menu);
    m_menuButton->hide();
}

void TRzPageControl::setTabHeight(int pixels)
{
    tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { height: %1px; padding: 0 8px; }").arg(pixels));
}

void TRzPageControl::setShowMenuButton(bool on)
{
    setCornerWidget(on ? m_menuButton : nullptr, Qt::TopRightCorner);
    m_menuButton->setVisible(on);
    if (!on)
        m_menuButton->setParent(this);
}

} // namespace velorin::widgets
