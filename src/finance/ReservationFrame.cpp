#include "ReservationFrame.h"

#include "FormatFloat.h"
#include "StrToFloat.h"
#include "StrToInt.h"
#include "TColor.h"
#include "TFinanceCalculator.h"
#include "TFont.h"
#include "THeaderPanel.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSvgRenderer>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace velorin::finance {

namespace {

const QString resultPicture = QStringLiteral("###,###,###,###,###.##");

const QColor navy(0, 0, 128);
const QColor blue(0, 0, 255);
const QColor red(255, 0, 0);

constexpr int labelLeft = 17;
constexpr int boxLeft = 123;
constexpr int buttonLeft = 14;
constexpr int inputHeight = 21;
constexpr int resultHeight = 23;

QFont textFont(int pixelHeight)
{
    return widgets::designFont(QStringLiteral("Times New Roman"), pixelHeight);
}

void setColor(QWidget* widget, QPalette::ColorRole role, const QColor& color)
{
    QPalette p = widget->palette();
    p.setColor(role, color);
    widget->setPalette(p);
}

QPixmap renderGlyph(const QString& file)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(file);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

// The pocket calculator both buttons carry, with its own picture for the disabled state.
QIcon calculatorGlyph()
{
    QIcon icon;
    icon.addPixmap(renderGlyph(QStringLiteral(":/finance/calculator.svg")), QIcon::Normal);
    icon.addPixmap(renderGlyph(QStringLiteral(":/finance/calculator-disabled.svg")), QIcon::Disabled);
    return icon;
}

// A panel with a caption and a raised bevel, as the calculators' titles are.
QLabel* makeTitlePanel(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* panel = new QLabel(caption, parent);
    panel->setObjectName(QLatin1String(name));
    panel->setGeometry(geometry);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFont(textFont(19));
    setColor(panel, QPalette::WindowText, navy);
    return panel;
}

QFrame* makePanel(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setGeometry(geometry);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return panel;
}

} // namespace

TFmeReservations::TFmeReservations(QWidget* parent, const QLocale& regional)
    : TFrame(parent), m_regional(regional)
{
    setObjectName(QStringLiteral("FmeReservations"));
    setFont(widgets::designFont(QStringLiteral("Verdana"), 11));
    setDesignSize(806, 599);

    // The header keeps to the top and the tab control takes the rest, whatever the page's size.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    pnlHeader = new widgets::THeaderPanel(QStringLiteral("Araçlar"), this);
    layout->addWidget(pnlHeader);

    RzPageControl1 = new QTabWidget(this);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    RzPageControl1->setFont(widgets::designFont(QStringLiteral("Verdana"), 11, true));
    RzPageControl1->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { height: 19px; padding: 0 8px; }"));
    layout->addWidget(RzPageControl1);

    // The calculators need more room than a hosted page may get, so their sheet scrolls
    // rather than cut the interest calculator off.
    TabSheet1 = new QScrollArea;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    TabSheet1->setFrameShape(QFrame::NoFrame);
    TabSheet1->setWidgetResizable(true);
    auto* sheet = new QWidget;
    sheet->setMinimumSize(556, 343);
    TabSheet1->setWidget(sheet);
    RzPageControl1->addTab(TabSheet1, QStringLiteral("Finansal Araçlar"));

    Panel1 = makePanel(sheet, "Panel1", QRect(1, 36, 273, 305));
    Panel2 = makePanel(sheet, "Panel2", QRect(281, 36, 273, 305));
    Panel3 = makeTitlePanel(sheet, "Panel3", QStringLiteral("Vadeli Ödeme Hesapları"), QRect(1, 1, 272, 33));
    Panel4 = makeTitlePanel(sheet, "Panel4", QStringLiteral("Faiz Hesapları"), QRect(282, 1, 271, 33));

    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    RzPageControl1->addTab(TabSheet2, QStringLiteral("TabSheet2"));
    RzPageControl1->setCurrentIndex(0);

    // The menu button that lists the tabs.
    auto* tabMenuButton = new QToolButton(RzPageControl1);
    tabMenuButton->setAccessibleName(QStringLiteral("Sekmeler"));
    tabMenuButton->setArrowType(Qt::DownArrow);
    tabMenuButton->setPopupMode(QToolButton::InstantPopup);
    auto* tabMenu = new QMenu(tabMenuButton);
    connect(tabMenu, &QMenu::aboutToShow, this, [this, tabMenu] {
        tabMenu->clear();
        for (int i = 0; i < RzPageControl1->count(); ++i) {
            QAction* action = tabMenu->addAction(RzPageControl1->tabText(i));
            action->setCheckable(true);
            action->setChecked(i == RzPageControl1->currentIndex());
            connect(action, &QAction::triggered, RzPageControl1,
                    [this, i] { RzPageControl1->setCurrentIndex(i); });
        }
    });
    tabMenuButton->setMenu(tabMenu);
    RzPageControl1->setCornerWidget(tabMenuButton, Qt::TopRightCorner);

    // Instalment calculator. Labels first, then the button, then the boxes: that order is
    // the Tab order too.
    QLabel* Label1 = makeLabel(Panel1, "Label1", QStringLiteral("Hesaplanacak Tutar"), 9, false);
    QLabel* Label2 = makeLabel(Panel1, "Label2", QStringLiteral("Vade (Ay)"), 32, false);
    QLabel* Label3 = makeLabel(Panel1, "Label3", QStringLiteral("Peşinat"), 55, false);
    QLabel* Label4 = makeLabel(Panel1, "Label4", QStringLiteral("Aylık Faiz Oranı"), 78, false);
    QLabel* Label5 = makeLabel(Panel1, "Label5", QStringLiteral("K. D. V. Oranı"), 101, false);
    QLabel* Label9 = makeLabel(Panel1, "Label9", QStringLiteral("Vade Farkı"), 154, true);
    QLabel* Label6 = makeLabel(Panel1, "Label6", QStringLiteral("Taksit Tutarı"), 178, true);
    QLabel* Label7 = makeLabel(Panel1, "Label7", QStringLiteral("K.D.V. li Toplam"), 275, true);
    QLabel* Label8 = makeLabel(Panel1, "Label8", QStringLiteral("Aylık Taksit"), 251, true);
    QLabel* Label10 = makeLabel(Panel1, "Label10", QStringLiteral("K. D. V."), 227, true);
    QLabel* Label11 = makeLabel(Panel1, "Label11", QStringLiteral("Toplam"), 202, true);
    BitBtn1 = makeButton(Panel1, "BitBtn1", QStringLiteral("&Hesapla"), 125);
    Edit8 = makeBox(Panel1, "Edit8", Label8, true);
    Edit7 = makeBox(Panel1, "Edit7", Label7, true);
    Edit6 = makeBox(Panel1, "Edit6", Label6, true);
    Edit9 = makeBox(Panel1, "Edit9", Label9, true);
    Edit5 = makeBox(Panel1, "Edit5", Label5, false);
    Edit3 = makeBox(Panel1, "Edit3", Label4, false);
    Edit2 = makeBox(Panel1, "Edit2", Label3, false);
    Edit1 = makeBox(Panel1, "Edit1", Label2, false);
    Edit4 = makeBox(Panel1, "Edit4", Label1, false);
    Edit10 = makeBox(Panel1, "Edit10", Label10, true);
    Edit11 = makeBox(Panel1, "Edit11", Label11, true);

    // Interest calculator.
    QLabel* Label12 = makeLabel(Panel2, "Label12", QStringLiteral("Peşin Tutar"), 9, false);
    QLabel* Label13 = makeLabel(Panel2, "Label13", QStringLiteral("Vade"), 32, false);
    QLabel* Label15 = makeLabel(Panel2, "Label15", QStringLiteral("Faiz Oranı"), 55, false);
    QLabel* Label17 = makeLabel(Panel2, "Label17", QStringLiteral("Vade Farkı"), 107, true);
    QLabel* Label22 = makeLabel(Panel2, "Label22", QStringLiteral("Toplam"), 132, true);
    BitBtn2 = makeButton(Panel2, "BitBtn2", QStringLiteral("H&esapla"), 80);
    Edit15 = makeBox(Panel2, "Edit15", Label17, true);
    Edit17 = makeBox(Panel2, "Edit17", Label15, false);
    Edit19 = makeBox(Panel2, "Edit19", Label13, false);
    Edit20 = makeBox(Panel2, "Edit20", Label12, false);
    Edit22 = makeBox(Panel2, "Edit22", Label22, true);

    const QList<QWidget*> tabOrder = {BitBtn1, Edit8,  Edit7,  Edit6,  Edit9,  Edit5,
                                      Edit3,   Edit2,  Edit1,  Edit4,  Edit10, Edit11,
                                      BitBtn2, Edit15, Edit17, Edit19, Edit20, Edit22};
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(BitBtn1, &QPushButton::clicked, this, &TFmeReservations::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TFmeReservations::BitBtn2Click);
    connect(Edit4, &QLineEdit::textChanged, this, &TFmeReservations::Edit4Change);
}

QLabel* TFmeReservations::makeLabel(QWidget* panel, const char* name, const QString& caption, int top,
                                    bool result)
{
    auto* label = new QLabel(caption, panel);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(labelLeft, top, boxLeft - labelLeft, result ? resultHeight : inputHeight);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont font = textFont(13);
    font.setItalic(result);
    label->setFont(font);
    setColor(label, QPalette::WindowText, result ? blue : navy);
    return label;
}

QLineEdit* TFmeReservations::makeBox(QWidget* panel, const char* name, QLabel* label, bool result)
{
    auto* box = new QLineEdit(panel);
    box->setObjectName(QLatin1String(name));
    if (result) {
        box->setGeometry(boxLeft, label->y(), 135, resultHeight);
        box->setFont(textFont(13));
        setColor(box, QPalette::Text, red);
    } else {
        box->setGeometry(boxLeft, label->y(), 134, inputHeight);
    }
    label->setBuddy(box);
    return box;
}

QPushButton* TFmeReservations::makeButton(QWidget* panel, const char* name, const QString& caption, int top)
{
    auto* button = new QPushButton(calculatorGlyph(), caption, panel);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(buttonLeft, top, 244, 25);
    button->setIconSize(QSize(16, 16));
    button->setFont(textFont(13));
    setColor(button, QPalette::ButtonText, navy);
    return button;
}

void TFmeReservations::BitBtn1Click()
{
    const double amount = StrToFloat(Edit4->text(), m_regional);
    const int term = StrToInt(Edit1->text());
    const double downPayment = StrToFloat(Edit2->text(), m_regional);
    const double rate = StrToFloat(Edit3->text(), m_regional);
    const double vatRate = StrToFloat(Edit5->text(), m_regional);

    const auto plan = TFinanceCalculator::instalment(amount, term, downPayment, rate, vatRate);

    Edit6->setText(FormatFloat(resultPicture, plan.sum, m_regional));
    Edit7->setText(FormatFloat(resultPicture, plan.totalWithVat, m_regional));
    Edit10->setText(FormatFloat(resultPicture, plan.vat, m_regional));
    Edit11->setText(FormatFloat(resultPicture, plan.totalBeforeVat, m_regional));
    Edit8->setText(FormatFloat(resultPicture, plan.monthly, m_regional));
    Edit9->setText(FormatFloat(resultPicture, plan.maturityDifference, m_regional));
}

void TFmeReservations::BitBtn2Click()
{
    const double cash = StrToFloat(Edit20->text(), m_regional);
    // The term takes no part in the figures, but it must be a whole number.
    StrToInt(Edit19->text());
    const double rate = StrToFloat(Edit17->text(), m_regional);

    const auto result = TFinanceCalculator::interest(cash, rate);

    Edit15->setText(FormatFloat(resultPicture, result.maturityDifference, m_regional));
    Edit22->setText(FormatFloat(resultPicture, result.total, m_regional));
}

void TFmeReservations::Edit4Change()
{
    // Blanks and underscores never stay in the amount: the box starts over from "0".
    const QString text = Edit4->text();
    if (text.isEmpty() || text.contains(QLatin1Char(' ')) || text.contains(QLatin1Char('_')))
        Edit4->setText(QStringLiteral("0"));
}

} // namespace velorin::finance
