#include "LookupFrame.h"

#include "DataSource.h"
#include "TAnchors.h"
#include "TApplication.h"
#include "TColor.h"
#include "TDBGrid.h"
#include "TDBMemo.h"
#include "TDBNavigator.h"
#include "TFont.h"
#include "TJvDBFindEdit.h"
#include "Table.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>

namespace velorin::dictionary {

namespace {

constexpr int kSeparatorHeight = 2;

QFont verdana(int pixels, bool bold = false)
{
    return widgets::designFont(QStringLiteral("Verdana"), pixels, bold);
}

} // namespace

TLookupFrame::TLookupFrame(QWidget* parent, const Design& design) : widgets::TFrame(parent)
{
    setDesignSize(design.pageSize.width(), design.pageSize.height());
    setFont(verdana(11));

    RzSeparator1 = new QFrame(this);
    RzSeparator1->setObjectName(QStringLiteral("RzSeparator1"));
    RzSeparator1->setFrameShape(QFrame::NoFrame);
    RzSeparator1->setStyleSheet(QStringLiteral("QFrame { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
                                               "stop:0 %1, stop:1 palette(window)); }")
                                    .arg(widgets::vclColor(7879740).name()));

    RzPageControl1 = new QTabWidget(this);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    RzPageControl1->setFont(verdana(11, true));
    RzPageControl1->setStyleSheet(
        QStringLiteral("QTabWidget::pane { border: 2px solid palette(mid); top: 0px; }"
                       "QTabBar::tab { height: 21px; padding: 0px 8px; margin: 0px;"
                       " border: 1px solid palette(mid); border-bottom: none;"
                       " border-top-left-radius: 4px; border-top-right-radius: 4px; }"
                       "QTabBar::tab:selected { background: palette(window); }"));
    // The tab-list button: a menu that lists the tabs and selects the one picked.
    auto* tabList = new QToolButton(RzPageControl1);
    tabList->setObjectName(QStringLiteral("RzPageControl1TabList"));
    tabList->setAccessibleName(tr("Tabs"));
    tabList->setArrowType(Qt::DownArrow);
    tabList->setAutoRaise(true);
    tabList->setPopupMode(QToolButton::InstantPopup);
    tabList->setFocusPolicy(Qt::NoFocus);
    auto* tabMenu = new QMenu(tabList);
    connect(tabMenu, &QMenu::aboutToShow, tabMenu, [this, tabMenu] {
        tabMenu->clear();
        for (int i = 0; i < RzPageControl1->count(); ++i)
            tabMenu->addAction(RzPageControl1->tabIcon(i), RzPageControl1->tabText(i),
                               [this, i] { RzPageControl1->setCurrentIndex(i); });
    });
    tabList->setMenu(tabMenu);
    RzPageControl1->setCornerWidget(tabList, Qt::TopRightCorner);

    // The sheet gets its designed size first, so anchored children measure their distances
    // against it; the tab control sizes it from then on.
    TabSheet4 = new QWidget;
    TabSheet4->setObjectName(QStringLiteral("TabSheet4"));
    TabSheet4->resize(design.tabSize);

    GroupBox11 = new QGroupBox(TabSheet4);
    GroupBox11->setObjectName(QStringLiteral("GroupBox11"));
    GroupBox11->setGeometry(8, 8, 324, 497);

    ComboBox1 = new QComboBox(GroupBox11);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(QRect(design.selectorAt, QSize(41, 21)));
    ComboBox1->setEditable(false);
    ComboBox1->setFrame(false);
    ComboBox1->addItem(design.preset);
    connect(ComboBox1, &QComboBox::activated, this, &TLookupFrame::ComboBox1Change);

    CheckBox1 = new QCheckBox(QStringLiteral("Harf Duyarlı"), GroupBox11);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(QRect(design.checkBox1At, QSize(177, 17)));
    CheckBox1->setChecked(false);

    CheckBox2 = new QCheckBox(QStringLiteral("Harf Duyarsız"), GroupBox11);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setGeometry(QRect(design.checkBox2At, QSize(201, 17)));
    CheckBox2->setChecked(true);

    yulFindEdit1 = new widgets::TJvDBFindEdit(GroupBox11);
    yulFindEdit1->setObjectName(QStringLiteral("yulFindEdit1"));
    yulFindEdit1->setGeometry(2, 16, 311, 24);
    yulFindEdit1->setFrame(false);
    QFont searchFont(QStringLiteral("Verdana"));
    searchFont.setBold(true);
    yulFindEdit1->setFont(searchFont);

    RzBitBtn1 = new QPushButton(tr("Reset"), GroupBox11);
    RzBitBtn1->setObjectName(QStringLiteral("RzBitBtn1"));
    RzBitBtn1->setGeometry(QRect(design.resetAt, QSize(81, 27)));
    QIcon resetGlyph;
    resetGlyph.addFile(QStringLiteral(":/dictionary/reset.svg"), QSize(16, 16), QIcon::Normal);
    resetGlyph.addFile(QStringLiteral(":/dictionary/reset-disabled.svg"), QSize(16, 16), QIcon::Disabled);
    RzBitBtn1->setIcon(resetGlyph);
    RzBitBtn1->setStyleSheet(QStringLiteral("QPushButton { background: %1; border: 1px solid %2; }"
                                            "QPushButton:hover { background: %3; }"
                                            "QPushButton:pressed { background: %4; }"
                                            "QPushButton:focus { border: 2px solid %2; }")
                                 .arg(widgets::vclColor(15791348).name(), widgets::vclColor(7617536).name(),
                                      widgets::vclColor(15791348).lighter(104).name(),
                                      widgets::vclColor(15791348).darker(110).name()));

    DBNavigator1 = new widgets::TDBNavigator(GroupBox11);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    DBNavigator1->setGeometry(5, 42, 308, 25);
    DBNavigator1->setVisibleButtons({widgets::TDBNavigator::nbFirst, widgets::TDBNavigator::nbPrior,
                                     widgets::TDBNavigator::nbNext, widgets::TDBNavigator::nbLast});

    DBGrid1 = new widgets::TDBGrid(TabSheet4);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setGeometry(11, 75, 315, 465);
    DBGrid1->setColumns({{design.headwordField, design.headwordTitle}});
    DBGrid1->setDataReadOnly(true);
    DBGrid1->setTitleFont(verdana(11, true));
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    widgets::TAnchors::anchorAll(DBGrid1);

    QIcon tabIcon(design.tabIcons.value(design.tabIcon));
    RzPageControl1->addTab(TabSheet4, tabIcon, design.tabCaption);

    Table2 = new db::Table(this);
    Table2->setObjectName(QStringLiteral("Table2"));
    Table2->setDatabaseName(QStringLiteral("espanol"));
    Table2->setTableName(design.tableName);
    DataSource1 = new db::DataSource(this);
    DataSource1->setObjectName(QStringLiteral("DataSource1"));
    DataSource1->setDataSet(Table2);

    yulFindEdit1->setDataSource(DataSource1);
    DBNavigator1->setDataSource(DataSource1);
    DBGrid1->setDataSource(DataSource1);

    // The grid comes first among the tab's stops, then the group box's controls in order.
    setTabOrder(DBGrid1, ComboBox1);
    setTabOrder(ComboBox1, CheckBox1);
    setTabOrder(CheckBox1, CheckBox2);
    setTabOrder(CheckBox2, yulFindEdit1);
    setTabOrder(yulFindEdit1, RzBitBtn1);

    connect(qApp, &QApplication::focusChanged, this, &TLookupFrame::focusMoved);
    resizeEvent(nullptr);
}

TLookupFrame::~TLookupFrame()
{
    // The search box gives the table its own filter hook back before the table closes.
    yulFindEdit1->setDataSource(nullptr);
    Table2->close();
}

QLabel* TLookupFrame::addLabel(const QString& name, const QString& caption)
{
    auto* label = new QLabel(caption, TabSheet4);
    label->setObjectName(name);
    label->move(340, 2);
    label->adjustSize();
    label->lower(); // labels lie beneath the windowed controls
    return label;
}

widgets::TDBMemo* TLookupFrame::addMemo(const QString& name, const QRect& geometry)
{
    auto* memo = new widgets::TDBMemo(TabSheet4);
    memo->setObjectName(name);
    memo->setGeometry(geometry);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setWordWrap(false);
    return memo;
}

void TLookupFrame::paintBlack(QWidget* memo)
{
    QPalette p = memo->palette();
    p.setColor(QPalette::Base, p.color(QPalette::WindowText));
    p.setColor(QPalette::Text, p.color(QPalette::Window));
    memo->setPalette(p);
}

void TLookupFrame::FrameShow()
{
    Table2->open();
    const QStringList names = Table2->fieldNames();
    for (const QString& name : names)
        ComboBox1->addItem(name);
    if (ComboBox1->count() > 0)
        ComboBox1->setCurrentIndex(0);
    const QString name = ComboBox1->currentText();
    if (!name.isEmpty())
        yulFindEdit1->setDataField(name);
}

void TLookupFrame::ComboBox1Change()
{
    const QString name = ComboBox1->currentText();
    yulFindEdit1->setDataField(name);
    const db::Field* field = Table2->fieldByName(name);
    yulFindEdit1->setEditMask(field->isDateTime() ? QStringLiteral("!99/99/9999;1;_") : QString());
}

void TLookupFrame::mousePressEvent(QMouseEvent* event)
{
    widgets::TFrame::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        FrameShow();
}

void TLookupFrame::resizeEvent(QResizeEvent* event)
{
    if (event)
        widgets::TFrame::resizeEvent(event);
    RzSeparator1->setGeometry(0, 0, width(), kSeparatorHeight);
    RzPageControl1->setGeometry(0, kSeparatorHeight, width(), height() - kSeparatorHeight);
}

bool TLookupFrame::holds(const QWidget* widget) const
{
    return widget && (widget == this || isAncestorOf(widget));
}

void TLookupFrame::focusMoved(QWidget* from, QWidget* to)
{
    if (!holds(to) || holds(from))
        return;
    // A focus change is no event of this page, so its error is reported here.
    if (const widgets::TApplication* app = widgets::TApplication::instance())
        app->guarded([this] { FrameShow(); });
    else
        FrameShow();
}

} // namespace velorin::dictionary
