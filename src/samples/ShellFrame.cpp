#include "ShellFrame.h"

#include "TFont.h"

#include <QMenu>
#include <QPainter>
#include <QTabBar>
#include <QVBoxLayout>

namespace velorin::samples {

namespace {

// Fourteen small pictures of our own: coloured tiles, each with a mark of its own.
QList<QIcon> shellImages()
{
    static constexpr QRgb colours[] = {0x3A6EA5, 0x5C9E3A, 0xC0392B, 0xE6A23C, 0x8E44AD, 0x16A085, 0x7F8C8D,
                                       0x2C3E50, 0xD35400, 0x27AE60, 0x2980B9, 0xB03A6A, 0x9A7D0A, 0x34495E};
    QList<QIcon> images;
    int i = 0;
    for (const QRgb c : colours) {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor::fromRgb(c));
        p.setPen(QColor::fromRgb(c).darker(140));
        p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 3, 3);
        p.setPen(QPen(Qt::white, 1.5));
        for (int k = 0; k <= i % 4; ++k)
            p.drawLine(QPointF(4, 4.5 + k * 2.5), QPointF(12, 4.5 + k * 2.5));
        p.end();
        images << QIcon(pixmap);
        ++i;
    }
    return images;
}

} // namespace

TFmeShell::TFmeShell(QWidget* parent)
    : widgets::TFrame(parent), RzStatusBar1(new QStatusBar(this)),
      pnlHeader(new widgets::THeaderPanel(QStringLiteral("Çek / Senet"), this)),
      RzPageControl1(new QTabWidget(this)), TabSheet1(new QWidget(RzPageControl1)),
      TabSheet2(new QWidget(RzPageControl1)), TabSheet3(new QWidget(RzPageControl1)),
      btnTabMenu(new QToolButton(this)), ImageList1(shellImages())
{
    setObjectName(QStringLiteral("FmeShell"));
    setFont(widgets::designFont(QStringLiteral("MS Sans Serif"), 11));
    setDesignSize(751, 646);
    setMinimumSize(500, 300);

    RzStatusBar1->setObjectName(QStringLiteral("RzStatusBar1"));
    RzStatusBar1->setFixedHeight(19);
    RzStatusBar1->setSizeGripEnabled(false);
    RzStatusBar1->setStyleSheet(QStringLiteral("QStatusBar::item { border: none; }"));

    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    RzPageControl1->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { height: 22px; }"));
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    // The page control takes ownership of each sheet.
    RzPageControl1->addTab(TabSheet1, ImageList1.value(2), QStringLiteral("TabSheet1"));
    RzPageControl1->addTab(TabSheet2, QStringLiteral("TabSheet2"));
    RzPageControl1->addTab(TabSheet3, QStringLiteral("TabSheet3"));
    RzPageControl1->setCurrentIndex(0);

    // The menu button at the end of the tab row lists the sheets.
    btnTabMenu->setObjectName(QStringLiteral("btnTabMenu"));
    btnTabMenu->setAccessibleName(tr("Sheets"));
    btnTabMenu->setArrowType(Qt::DownArrow);
    btnTabMenu->setAutoRaise(true);
    btnTabMenu->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(btnTabMenu);
    for (int i = 0; i < RzPageControl1->count(); ++i) {
        QAction* a = menu->addAction(RzPageControl1->tabIcon(i), RzPageControl1->tabText(i));
        connect(a, &QAction::triggered, RzPageControl1, [this, i] { RzPageControl1->setCurrentIndex(i); });
    }
    btnTabMenu->setMenu(menu);
    RzPageControl1->setCornerWidget(btnTabMenu, Qt::TopRightCorner);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(pnlHeader);
    column->addWidget(RzPageControl1, 1);
    column->addWidget(RzStatusBar1);
}

} // namespace velorin::samples
