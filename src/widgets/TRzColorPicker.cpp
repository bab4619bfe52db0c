#include "TRzColorPicker.h"

#include <QApplication>
#include <QColorDialog>
#include <QGridLayout>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

namespace velorin::widgets {

namespace {

struct NamedColor
{
    const char* name;
    QRgb rgb;
};

// The usual 40 colours of a colour menu, row by row.
constexpr NamedColor kStandard[] = {
    {"Black", 0x000000},
    {"Brown", 0x993300},
    {"Olive Green", 0x333300},
    {"Dark Green", 0x003300},
    {"Dark Teal", 0x003366},
    {"Dark Blue", 0x000080},
    {"Indigo", 0x333399},
    {"Gray-80%", 0x333333},
    {"Dark Red", 0x800000},
    {"Orange", 0xFF6600},
    {"Dark Yellow", 0x808000},
    {"Green", 0x008000},
    {"Teal", 0x008080},
    {"Blue", 0x0000FF},
    {"Blue-Gray", 0x666699},
    {"Gray-50%", 0x808080},
    {"Red", 0xFF0000},
    {"Light Orange", 0xFF9900},
    {"Lime", 0x99CC00},
    {"Sea Green", 0x339966},
    {"Aqua", 0x33CCCC},
    {"Light Blue", 0x3366FF},
    {"Violet", 0x800080},
    {"Gray-40%", 0x999999},
    {"Pink", 0xFF00FF},
    {"Gold", 0xFFCC00},
    {"Yellow", 0xFFFF00},
    {"Bright Green", 0x00FF00},
    {"Turquoise", 0x00FFFF},
    {"Sky Blue", 0x00CCFF},
    {"Plum", 0x993366},
    {"Gray-25%", 0xC0C0C0},
    {"Rose", 0xFF99CC},
    {"Tan", 0xFFCC99},
    {"Light Yellow", 0xFFFF99},
    {"Light Green", 0xCCFFCC},
    {"Light Turquoise", 0xCCFFFF},
    {"Pale Blue", 0x99CCFF},
    {"Lavender", 0xCC99FF},
    {"White", 0xFFFFFF},
};

struct SystemColor
{
    const char* name;
    QPalette::ColorRole role;
};

constexpr SystemColor kSystem[] = {
    {"Window", QPalette::Window},
    {"Window Text", QPalette::WindowText},
    {"Base", QPalette::Base},
    {"Text", QPalette::Text},
    {"Button Face", QPalette::Button},
    {"Button Text", QPalette::ButtonText},
    {"Highlight", QPalette::Highlight},
    {"Highlight Text", QPalette::HighlightedText},
    {"Info Background", QPalette::ToolTipBase},
    {"Info Text", QPalette::ToolTipText},
    {"Button Highlight", QPalette::Light},
    {"Button Shadow", QPalette::Mid},
    {"Dark Shadow", QPalette::Dark},
    {"Shadow", QPalette::Shadow},
    {"Link", QPalette::Link},
    {"Visited Link", QPalette::LinkVisited},
};

constexpr int kSwatch = 14;

QIcon swatchIcon(const QColor& color)
{
    QPixmap pixmap(kSwatch, kSwatch);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(Qt::gray);
    painter.drawRect(0, 0, kSwatch - 1, kSwatch - 1);
    return QIcon(pixmap);
}

} // namespace

TRzColorPicker::TRzColorPicker(QWidget* parent)
    : QFrame(parent), m_defaultColor(Qt::black), m_group(new QButtonGroup(this))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    m_group->setExclusive(true);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(3);

    column->addWidget(addTextEntry(QStringLiteral("btnNoColor"), tr("No Color")));

    auto* standard = new QWidget(this);
    auto* standardGrid = new QGridLayout(standard);
    standardGrid->setContentsMargins(0, 0, 0, 0);
    standardGrid->setSpacing(1);
    int i = 0;
    for (const NamedColor& c : kStandard) {
        standardGrid->addWidget(addSwatch(QColor::fromRgb(c.rgb), QString::fromLatin1(c.name), standard),
                                i / 8, i % 8);
        ++i;
    }
    column->addWidget(standard);

    auto* system = new QWidget(this);
    auto* systemGrid = new QGridLayout(system);
    systemGrid->setContentsMargins(0, 0, 0, 0);
    systemGrid->setSpacing(1);
    i = 0;
    const QPalette pal = QApplication::palette();
    for (const SystemColor& c : kSystem) {
        systemGrid->addWidget(addSwatch(pal.color(c.role), QString::fromLatin1(c.name), system), i / 8,
                              i % 8);
        ++i;
    }
    column->addWidget(system);

    column->addWidget(addTextEntry(QStringLiteral("btnDefaultColor"), tr("Default")));
    column->addWidget(addTextEntry(QStringLiteral("btnCustomColor"), tr("Custom...")));
    column->addStretch();

    m_chooser = [](const QColor& initial, QWidget* owner) { return QColorDialog::getColor(initial, owner); };
    setColor(m_defaultColor);
}

QToolButton* TRzColorPicker::addSwatch(const QColor& color, const QString& name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setIcon(swatchIcon(color));
    button->setIconSize(QSize(kSwatch, kSwatch));
    button->setFixedSize(kSwatch + 2, kSwatch + 2);
    button->setAutoRaise(true);
    button->setCheckable(true);
    button->setFocusPolicy(Qt::TabFocus);
    button->setToolTip(name);
    button->setAccessibleName(name);
    button->setProperty("entryColor", color);
    m_group->addButton(button);
    m_entries.append(button);
    connect(button, &QToolButton::clicked, this, [this, color] { choose(color); });
    return button;
}

QToolButton* TRzColorPicker::addTextEntry(const QString& objectName, const QString& caption)
{
    auto* button = new QToolButton(this);
    button->setObjectName(objectName);
    button->setText(caption);
    button->setAccessibleName(caption);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::TabFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_entries.append(button);
    if (objectName == QLatin1String("btnNoColor")) {
        button->setCheckable(true);
        m_group->addButton(button);
        connect(button, &QToolButton::clicked, this, [this] { choose(QColor()); });
    } else if (objectName == QLatin1String("btnDefaultColor")) {
        connect(button, &QToolButton::clicked, this, [this] { choose(m_defaultColor); });
    } else {
        connect(button, &QToolButton::clicked, this, &TRzColorPicker::chooseCustom);
    }
    return button;
}

QList<QToolButton*> TRzColorPicker::entries() const
{
    return m_entries;
}

void TRzColorPicker::setColor(const QColor& color)
{
    m_color = color;
    // Check the first entry showing that colour, or none.
    m_group->setExclusive(false);
    for (QAbstractButton* b : m_group->buttons())
        b->setChecked(false);
    for (QAbstractButton* b : m_group->buttons()) {
        const QVariant entry = b->property("entryColor");
        const bool match =
            entry.isValid() ? (color.isValid() && entry.value<QColor>() == color) : !color.isValid();
        if (match) {
            b->setChecked(true);
            break;
        }
    }
    m_group->setExclusive(true);
}

void TRzColorPicker::choose(const QColor& color)
{
    const bool changed = color != m_color;
    setColor(color);
    if (changed)
        Q_EMIT colorChanged(color);
}

void TRzColorPicker::chooseCustom()
{
    if (!m_chooser)
        return;
    const QColor picked = m_chooser(m_color.isValid() ? m_color : m_defaultColor, this);
    if (picked.isValid())
        choose(picked);
    else
        setColor(m_color);
}

} // namespace velorin::widgets
