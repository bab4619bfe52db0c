#pragma once

#include "TFrame.h"
#include "THeaderPanel.h"

#include <QIcon>
#include <QList>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

namespace velorin::samples {

// A page with a header, three empty sheets and an empty status bar.
class TFmeShell : public widgets::TFrame
{
    Q_OBJECT
public:
    explicit TFmeShell(QWidget* parent = nullptr);

private:
    QStatusBar* RzStatusBar1;
    widgets::THeaderPanel* pnlHeader;
    QTabWidget* RzPageControl1;
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    QWidget* TabSheet3;
    QToolButton* btnTabMenu;
    QList<QIcon> ImageList1;
};

} // namespace velorin::samples
