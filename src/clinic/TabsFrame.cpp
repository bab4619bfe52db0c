#include "TabsFrame.h"

#include "DataSource.h"
#include "TApplication.h"
#include "TColor.h"
#include "TDBEdit.h"
#include "TDBGrid.h"
#include "TDBMemo.h"
#include "TDBNavigator.h"
#include "TFont.h"
#include "THeaderPanel.h"
#include "TRzBitBtn.h"
#include "TRzClockStatus.h"
#include "TRzDBDateTimeEdit.h"
#include "TRzLEDDisplay.h"
#include "TRzLabel.h"
#include "TRzPageControl.h"
#include "TRzSeparator.h"
#include "TRzURLLabel.h"
#include "Table.h"
#include "TcxLookupComboBox.h"

#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace velorin::clinic {

namespace {

const QColor maroon(128, 0, 0);

QFont verdana(int pixelHeight, bool bold = false)
{
    return widgets::designFont(QStringLiteral("Verdana"), pixelHeight, bold);
}

void setColor(QWidget* widget, QPalette::ColorRole role, const QColor& color)
{
    QPalette p = widget->palette();
    p.setColor(role, color);
    widget->setPalette(p);
}

template <class Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* maroonLabel(QWidget* parent, const char* name, const QString& caption, int left, int top)
{
    auto* label = named(new QLabel(caption, parent), name);
    label->setFont(verdana(11, true));
    setColor(label, QPalette::WindowText, maroon);
    label->move(left, top);
    label->adjustSize();
    return label;
}

// The icon buttons of both rows: maroon bold, hot tracking, hand cursor.
widgets::TRzBitBtn* iconButton(QWidget* parent, const char* name, const QString& caption,
                               const QRect& geometry, QStyle::StandardPixmap icon, int iconSize)
{
    auto* button = named(new widgets::TRzBitBtn(caption, parent), name);
    button->setFont(verdana(11, true));
    setColor(button, QPalette::ButtonText, maroon);
    button->setHotTrack(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setIconSize(QSize(iconSize, iconSize));
    button->setGeometry(geometry);
    return button;
}

widgets::TDBEdit* boundEdit(QWidget* parent, const char* name, db::DataSource* source, const QString& field,
                            const QRect& geometry)
{
    auto* edit = named(new widgets::TDBEdit(parent), name);
    edit->setDataSource(source);
    if (!field.isEmpty())
        edit->setDataField(field);
    edit->setGeometry(geometry);
    return edit;
}

widgets::TDBMemo* boundMemo(QWidget* parent, const char* name, db::DataSource* source, const QString& field,
                            const QRect& geometry)
{
    auto* memo = named(new widgets::TDBMemo(parent), name);
    memo->setDataSource(source);
    if (!field.isEmpty())
        memo->setDataField(field);
    memo->setGeometry(geometry);
    return memo;
}

QString text(db::Table* table, const char* field)
{
    return table->fieldByName(QLatin1String(field))->asString();
}

} // namespace

TFmeTabs::TFmeTabs(QWidget* parent) : TFrame(parent)
{
    setObjectName(QStringLiteral("FmeTabs"));
    setFont(verdana(11));
    setDesignSize(813, 761);
    setAttribute(Qt::WA_AlwaysShowToolTips);

    Table1 = named(new db::Table(this), "Table1");
    Table1->setDatabaseName(QStringLiteral("dorhasta"));
    Table1->setTableName(QStringLiteral("HASTA.DB"));
    DataSource1 = named(new db::DataSource(this), "DataSource1");
    DataSource1->setDataSet(Table1);
    Table2 = named(new db::Table(this), "Table2");
    Table2->setDatabaseName(QStringLiteral("dorhasta"));
    Table2->setTableName(QStringLiteral("YAPGEREK.DB"));
    Table2->setIndexName(QStringLiteral("pn1"));
    Table2->setMasterSource(DataSource1);
    Table2->setMasterFields(QStringLiteral("PNO"));
    DataSource2 = named(new db::DataSource(this), "DataSource2");
    DataSource2->setDataSet(Table2);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    RzSeparator1 = named(new widgets::TRzSeparator(this), "RzSeparator1");
    RzSeparator1->setHighlightColor(widgets::vclColor(7879740));
    RzSeparator1->setGradient(true);
    layout->addWidget(RzSeparator1);

    RzPanel1 = named(new QFrame(this), "RzPanel1");
    RzPanel1->setFrameShape(QFrame::NoFrame);
    layout->addWidget(RzPanel1, 1);
    auto* panelLayout = new QVBoxLayout(RzPanel1);
    panelLayout->setContentsMargins(8, 8, 8, 8);

    // Shows only in the panel's border, under the second tab control.
    RzPageControl1 = named(new QTabWidget(RzPanel1), "RzPageControl1");
    RzPageControl1->setGeometry(0, 0, 809, 556);

    RzPageControl2 = named(new widgets::TRzPageControl(RzPanel1), "RzPageControl2");
    RzPageControl2->setFont(verdana(11));
    RzPageControl2->setTabHeight(19);
    RzPageControl2->setShowMenuButton(true);
    panelLayout->addWidget(RzPageControl2);

    TabSheet1 = named(new QWidget, "TabSheet1");
    RzPageControl2->addTab(TabSheet1, QStringLiteral("Muayene Kayıt"));
    auto* sheetLayout = new QVBoxLayout(TabSheet1);
    sheetLayout->setContentsMargins(0, 0, 0, 0);
    sheetLayout->setSpacing(0);

    Panel1 = named(new QFrame(TabSheet1), "Panel1");
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setFixedHeight(40);
    sheetLayout->addWidget(Panel1);
    buildFinderRow(Panel1);

    Panel2 = named(new QFrame(TabSheet1), "Panel2");
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    sheetLayout->addWidget(Panel2, 1);
    auto* recordLayout = new QVBoxLayout(Panel2);
    recordLayout->setContentsMargins(4, 4, 4, 4);

    // Fixed scroll ranges that stop short of the bottom row, as designed.
    ScrollBox = named(new QScrollArea(Panel2), "ScrollBox");
    ScrollBox->setFrameShape(QFrame::NoFrame);
    ScrollBox->setWidgetResizable(true);
    auto* area = new QWidget;
    area->setMinimumSize(404, 361);
    ScrollBox->setWidget(area);
    ScrollBox->viewport()->installEventFilter(this);
    area->installEventFilter(this);
    recordLayout->addWidget(ScrollBox);
    buildRecordArea(area);

    TabSheet2 = named(new QWidget, "TabSheet2");
    RzPageControl2->addTab(TabSheet2, QStringLiteral("Labarutuvar"));
    TabSheet3 = named(new QWidget, "TabSheet3");
    RzPageControl2->addTab(TabSheet3, QStringLiteral("İlaç Adları"));
    TabSheet4 = named(new QWidget, "TabSheet4");
    RzPageControl2->addTab(TabSheet4, QStringLiteral("Reçete Kayıt"));
    RzPageControl2->setCurrentIndex(0);
    // The first sheet's tab is bold.
    RzPageControl2->tabBar()->setStyleSheet(RzPageControl2->tabBar()->styleSheet() +
                                            QStringLiteral(" QTabBar::tab:first { font-weight: bold; }"));

    pnlHeader = new widgets::THeaderPanel(QStringLiteral("Muayene İşlemleri"), this);
    layout->insertWidget(0, pnlHeader);

    Table1->setFiltered(true);
    Table1->open();
    Table2->open();
}

TFmeTabs::~TFmeTabs()
{
    // The detail goes first so that it settles its pending record while its master is there.
    // A record that cannot be stored is reported: the page is going and cannot keep it pending.
    try {
        Table2->close();
        Table1->close();
    } catch (const std::exception& e) {
        if (const widgets::TApplication* app = widgets::TApplication::instance())
            app->showError(QString::fromUtf8(e.what()));
    }
}

void TFmeTabs::buildFinderRow(QWidget* panel)
{
    RzLabel1 = named(new widgets::TRzLabel(QStringLiteral("HASTA BUL :"), panel), "RzLabel1");
    RzLabel1->setFont(verdana(11, true));
    setColor(RzLabel1, QPalette::WindowText, maroon);
    RzLabel1->setRaised(true);
    RzLabel1->move(183, 6);
    RzLabel1->adjustSize();

    using Nav = widgets::TDBNavigator;
    DBNavigator = named(new Nav(panel), "DBNavigator");
    DBNavigator->setDataSource(DataSource1);
    DBNavigator->setVisibleButtons({Nav::nbFirst, Nav::nbPrior, Nav::nbNext, Nav::nbLast});
    // Each moving button with its own hint.
    DBNavigator->setHints({QStringLiteral("ILK KAYIT"), QStringLiteral("ONCEKI KAYIT"),
                           QStringLiteral("SONRAKI KAYIT"), QStringLiteral("SON KAYIT")});
    DBNavigator->setCursor(Qt::PointingHandCursor);
    DBNavigator->setGeometry(4, 3, 168, 36);
    connect(DBNavigator, &Nav::clicked, this, &TFmeTabs::DBNavigatorClick);

    Edit3 = named(new QLineEdit(panel), "Edit3");
    Edit3->hide();

    cxLookupComboBox2 = named(new widgets::TcxLookupComboBox(panel), "cxLookupComboBox2");
    cxLookupComboBox2->setFont(verdana(13, true));
    cxLookupComboBox2->setKeyFieldName(QStringLiteral("PNO"));
    cxLookupComboBox2->setListFieldNames({QStringLiteral("ADI"), QStringLiteral("SOYADI")});
    cxLookupComboBox2->setListSource(DataSource1);
    cxLookupComboBox2->setGeometry(264, 8, 185, 22);
    connect(cxLookupComboBox2, &widgets::TcxLookupComboBox::propertiesChange, this,
            &TFmeTabs::cxLookupComboBox2PropertiesChange);
    connect(cxLookupComboBox2, &widgets::TcxLookupComboBox::clicked, this, &TFmeTabs::RzLEDDisplay1Click);

    RzBitBtn6 = iconButton(panel, "RzBitBtn6", QStringLiteral("Tahliller"), QRect(456, 8, 91, 25),
                           QStyle::SP_FileDialogDetailedView, 16);
    RzBitBtn7 = iconButton(panel, "RzBitBtn7", QStringLiteral("Reçete"), QRect(552, 8, 75, 25),
                           QStyle::SP_FileIcon, 16);
    RzBitBtn8 = iconButton(panel, "RzBitBtn8", QStringLiteral("RzBitBtn8"), QRect(632, 8, 75, 25),
                           QStyle::SP_FileDialogInfoView, 16);
    RzBitBtn9 = iconButton(panel, "RzBitBtn9", QStringLiteral("Reçete"), QRect(712, 8, 75, 25),
                           QStyle::SP_FileDialogContentsView, 16);
}

void TFmeTabs::buildRecordArea(QWidget* area)
{
    maroonLabel(area, "Label2", QStringLiteral("PNO :"), 4, 2);
    maroonLabel(area, "Label3", QStringLiteral("ADI :"), 106, 2);
    maroonLabel(area, "Label4", QStringLiteral("SOYADI :"), 279, 2);
    maroonLabel(area, "Label6", QStringLiteral("KAYIT TARİHİ :"), 513, 2);
    maroonLabel(area, "Label7", QStringLiteral("ŞİKAYETİ"), 2, 29);
    maroonLabel(area, "Label16", QStringLiteral("DİKKAT EDİLECEKLER"), 354, 29);

    auto* Label1 = named(new QLabel(QString(152, QLatin1Char('.')), area), "Label1");
    Label1->setFont(widgets::designFont(QStringLiteral("Arial"), 9, true));
    Label1->setGeometry(3, 16, 760, 14);
    Label1->setAccessibleName(QStringLiteral(" "));

    RzURLLabel1 = named(new widgets::TRzURLLabel(QStringLiteral("RONTGENİ GÖSTER"), area), "RzURLLabel1");
    RzURLLabel1->setFont(widgets::designFont(QStringLiteral("MS Sans Serif"), 11, true));
    RzURLLabel1->move(264, 400);
    RzURLLabel1->adjustSize();
    // The page's handler runs before the label opens its link.
    RzURLLabel1->installEventFilter(this);

    Label15 = named(new QLabel(QStringLiteral("Label15"), area), "Label15");
    Label15->move(8, 592);
    Label15->adjustSize();

    RzLEDDisplay1 = named(new widgets::TRzLEDDisplay(area), "RzLEDDisplay1");
    const QColor face = palette().color(QPalette::Button);
    RzLEDDisplay1->setSegmentColors(face, face, maroon);
    RzLEDDisplay1->setGeometry(392, 395, 387, 25);
    RzLEDDisplay1->setScrolling(true);

    maroonLabel(area, "Label5", QStringLiteral("ÖNERİLER :"), 310, 154);
    maroonLabel(area, "Label8", QStringLiteral("MUAYENE TARİHİ :"), 263, 136);
    maroonLabel(area, "Label9", QStringLiteral("VARSA RONTGEN NO:"), 252, 172);
    maroonLabel(area, "Label10", QStringLiteral("TANI :"), 340, 192);
    maroonLabel(area, "Label11", QStringLiteral("MUAYENE SONRASI"), 257, 210);
    maroonLabel(area, "Label12", QStringLiteral("DÜŞÜNCELER"), 294, 225);

    RzClockStatus1 =
        named(new widgets::TRzClockStatus(QStringLiteral("    hh:nn:ss"), area), "RzClockStatus1");
    RzClockStatus1->setFont(verdana(13, true));
    setColor(RzClockStatus1, QPalette::WindowText, maroon);
    RzClockStatus1->setGeometry(666, 312, 103, 20);

    cxGrid1 = named(new widgets::TDBGrid(area), "cxGrid1");
    cxGrid1->setFont(verdana(11, true));
    cxGrid1->setColumns(
        {{QStringLiteral("ADI"), {}}, {QStringLiteral("SOYADI"), {}}, {QStringLiteral("TARIH"), {}}});
    cxGrid1->setDataSource(DataSource2);
    cxGrid1->setDataReadOnly(true);
    cxGrid1->setGeometry(3, 96, 250, 324);
    cxGrid1->setColumnWidth(0, 82);
    cxGrid1->setColumnWidth(1, 87);

    EditPno = boundEdit(area, "EditPno", DataSource1, QStringLiteral("PNO"), QRect(38, 2, 61, 21));
    EditPno->setEnabled(false);
    EditHastaAd = boundEdit(area, "EditHastaAd", DataSource1, QStringLiteral("ADI"), QRect(139, 2, 137, 21));
    EditHastaSoyad =
        boundEdit(area, "EditHastaSoyad", DataSource1, QStringLiteral("SOYADI"), QRect(339, 2, 163, 21));
    EditKaytTarihi =
        boundEdit(area, "EditKaytTarihi", DataSource1, QStringLiteral("TARIHI"), QRect(613, 2, 115, 21));
    for (widgets::TDBEdit* edit : {EditHastaAd, EditHastaSoyad, EditKaytTarihi}) {
        edit->setFont(verdana(11, true));
        edit->setDataReadOnly(true);
    }

    DBMemo1 = boundMemo(area, "DBMemo1", DataSource2, QStringLiteral("SIKAYETI"), QRect(2, 44, 347, 88));
    DBMemo4 =
        boundMemo(area, "DBMemo4", DataSource2, QStringLiteral("DIKKATEDILECEKLER"), QRect(354, 44, 417, 87));
    DBMemo1->setFont(verdana(11, true));
    DBMemo4->setFont(verdana(11, true));

    BitBtn3 =
        named(new QPushButton(QStringLiteral("Bu Hasta İçin Yapılması Gereken İşlemleri"), area), "BitBtn3");
    BitBtn3->setFont(widgets::designFont(QStringLiteral("Arial"), 12));
    setColor(BitBtn3, QPalette::ButtonText, QColor(0, 0, 255));
    BitBtn3->setCursor(Qt::PointingHandCursor);
    BitBtn3->setGeometry(78, 605, 27, 22);

    DBNavigator1 = named(new widgets::TDBNavigator(area), "DBNavigator1");
    DBNavigator1->setDataSource(DataSource2);
    DBNavigator1->setGeometry(112, 600, 240, 25);

    DBEdit2 =
        boundEdit(area, "DBEdit2", DataSource2, QStringLiteral("UYGULANACAKLAR"), QRect(382, 154, 267, 21));
    DBEdit3 = boundEdit(area, "DBEdit3", DataSource2, QStringLiteral("TARIH"), QRect(382, 136, 144, 21));

    Button1 = named(new QPushButton(QStringLiteral("Button1"), area), "Button1");
    Button1->setGeometry(0, 568, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &TFmeTabs::Button1Click);

    RzButton1 = named(new QPushButton(QStringLiteral("Rn1"), area), "RzButton1");
    RzButton1->setGeometry(0, 608, 75, 25);
    connect(RzButton1, &QPushButton::clicked, this, &TFmeTabs::RzButton1Click);

    DBEdit4 = boundEdit(area, "DBEdit4", DataSource2, QString(), QRect(382, 172, 267, 21));
    DBEdit5 = boundEdit(area, "DBEdit5", DataSource2, QString(), QRect(382, 190, 267, 21));

    RzBitBtn1 = iconButton(area, "RzBitBtn1", QStringLiteral("Muayene Kayıt"), QRect(663, 136, 111, 33),
                           QStyle::SP_DialogSaveButton, 32);
    connect(RzBitBtn1, &QPushButton::clicked, this, &TFmeTabs::RzBitBtn1Click);
    RzBitBtn2 = iconButton(area, "RzBitBtn2", QStringLiteral("Muayene Sil"), QRect(663, 170, 110, 33),
                           QStyle::SP_TrashIcon, 32);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TFmeTabs::RzBitBtn2Click);
    RzBitBtn3 = iconButton(area, "RzBitBtn3", QStringLiteral("Muayene Güncelle"), QRect(666, 204, 107, 33),
                           QStyle::SP_BrowserReload, 32);
    RzBitBtn4 = iconButton(area, "RzBitBtn4", QStringLiteral("Vazgeç"), QRect(666, 270, 107, 33),
                           QStyle::SP_DialogCancelButton, 32);
    connect(RzBitBtn4, &QPushButton::clicked, this, &TFmeTabs::RzBitBtn4Click);
    RzBitBtn5 = iconButton(area, "RzBitBtn5", QStringLiteral("RzBitBtn5"), QRect(666, 237, 107, 33),
                           QStyle::SP_FileDialogListView, 32);

    RzDBDateTimeEdit1 = named(new widgets::TRzDBDateTimeEdit(area), "RzDBDateTimeEdit1");
    RzDBDateTimeEdit1->setDataSource(DataSource2);
    RzDBDateTimeEdit1->setDataField(QStringLiteral("TARIH"));
    RzDBDateTimeEdit1->setCursor(Qt::PointingHandCursor);
    RzDBDateTimeEdit1->setGeometry(524, 136, 125, 21);

    DBMemo2 = boundMemo(area, "DBMemo2", nullptr, QString(), QRect(382, 208, 267, 172));
}

bool TFmeTabs::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == RzURLLabel1) {
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                RzURLLabel1->rect().contains(mouse->position().toPoint()))
                RzButton1Click();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
                RzButton1Click();
        }
    } else if (event->type() == QEvent::MouseButtonPress && ScrollBox &&
               (watched == ScrollBox->viewport() || watched == ScrollBox->widget())) {
        RzLEDDisplay1Click();
    }
    return TFrame::eventFilter(watched, event);
}

void TFmeTabs::startExamination()
{
    Table2->edit();
    Table2->insert();
    for (int pass = 0; pass < 2; ++pass) {
        if (pass == 1)
            Table2->edit();
        Table2->fieldByName(QStringLiteral("ADI"))->setAsString(text(Table1, "ADI"));
        Table2->fieldByName(QStringLiteral("SOYADI"))->setAsString(text(Table1, "SOYADI"));
    }
}

void TFmeTabs::Button1Click()
{
    startExamination();
}

void TFmeTabs::cxLookupComboBox2PropertiesChange()
{
    startExamination();
}

void TFmeTabs::RzBitBtn1Click()
{
    if (Table2->fieldByName(QStringLiteral("TARIH"))->isNull())
        Table2->cancel();
    else
        Table2->post();
}

void TFmeTabs::RzBitBtn2Click()
{
    Table2->edit();
    Table2->deleteRecord();
}

void TFmeTabs::RzBitBtn4Click()
{
    Table2->cancel();
}

void TFmeTabs::showPatientName()
{
    RzLEDDisplay1->setCaption(text(Table1, "SOYADI") + QStringLiteral("  ") + text(Table1, "ADI"));
}

void TFmeTabs::DBNavigatorClick()
{
    showPatientName();
}

void TFmeTabs::RzLEDDisplay1Click()
{
    showPatientName();
}

void TFmeTabs::RzButton1Click()
{
    Label15->setText(text(Table2, "SOYADI"));
    RzURLLabel1->setURL(QStringLiteral("www.") + Label15->text());
    Table2->cancel();
}

} // namespace velorin::clinic
