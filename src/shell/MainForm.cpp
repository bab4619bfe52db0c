#include "MainForm.h"

#include "MainImages.h"
#include "TApplication.h"
#include "TColor.h"
#include "TFont.h"
#include "THeaderPanel.h"
#include "TRzBalloonHints.h"
#include "TRzClockStatus.h"
#include "TRzFormState.h"
#include "TRzKeyStatus.h"
#include "TRzMarqueeStatus.h"
#include "TRzToolbar.h"
#include "TsuiSideChannel.h"
#include "WelcomeImage.h"

#include <QAction>
#include <QCalendarWidget>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

namespace velorin::shell {
namespace {

const QString toolbarSection = QStringLiteral("tbrMain");
constexpr int clientWidth = 526;
constexpr int clientHeight = 657;

const char* const sheetNames[TfrmMain::SheetCount] = {
    "tabWelcome",   "tabCustomFraming",  "tabTabs",     "tabEdits",       "tabComboBoxes",
    "tabListBoxes", "tabCommonControls", "tabButtons",  "tabDisplay",     "tabDatabase",
    "tabWidgets",   "tabShell",          "tabLauncher", "tabSendMessages"};

struct ActionDef
{
    const char* action;
    const char* menuItem;
    const char* caption;
    int image;
};

// In sheet order, so an action's index here is its Tag.
const ActionDef actionDefs[TfrmMain::SheetCount] = {
    {"actWelcome", "mnuWelcome", "Welcome", 44},
    {"actCustomFraming", "mnuCustomFraming", "Custom Framing", 14},
    {"actTabs", "mnuTabs", "Tabs", 0},
    {"actEdits", "mnuEdits", "Cari Raporlar", 30},
    {"actComboBoxes", "mnuComboBoxes", "Combo Boxes", 38},
    {"actListBoxes", "mnuListBoxes", "List Boxes", 34},
    {"actCommonControls", "mnuCommon", "Common", 36},
    {"actButtons", "mnuButtons", "Buttons", 32},
    {"actDisplay", "mnuDisplay", "Display", 2},
    {"actDatabase", "mnuDatabase", "Database", 18},
    {"actWidgets", "mnuWidgets", "Widgets", 16},
    {"actShell", "mnuShell", "Shell", 40},
    {"actLauncher", "mnuLauncher", "Launcher", 28},
    {"actSendMessages", "mnuSendMessage", "Send Message", 42},
};

// The order in which SetCurrentAction sets the check marks.
const int checkOrder[TfrmMain::SheetCount] = {
    TfrmMain::tabWelcome,   TfrmMain::tabCustomFraming,  TfrmMain::tabTabs,     TfrmMain::tabComboBoxes,
    TfrmMain::tabListBoxes, TfrmMain::tabCommonControls, TfrmMain::tabEdits,    TfrmMain::tabButtons,
    TfrmMain::tabDisplay,   TfrmMain::tabWidgets,        TfrmMain::tabDatabase, TfrmMain::tabShell,
    TfrmMain::tabLauncher,  TfrmMain::tabSendMessages};

void reportError(const QString& message)
{
    if (const auto* app = widgets::TApplication::instance())
        app->showError(message);
    else
        qWarning("%s", qPrintable(message));
}

QString storeError(const QSettings& store)
{
    return store.status() == QSettings::FormatError
               ? QStringLiteral("The settings file %1 is not in a readable format").arg(store.fileName())
               : QStringLiteral("Cannot write to the settings file %1").arg(store.fileName());
}

} // namespace

TfrmMain::TfrmMain(const PageRegistry& pages, const QString& settingsFile, QWidget* parent)
    : QMainWindow(parent), m_registry(pages),
      m_settingsFile(settingsFile.isEmpty() ? defaultSettingsFile() : settingsFile),
      m_formState(std::make_unique<widgets::TRzFormState>(QStringLiteral("frmMainFormState")))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Velorin Espanol to English "));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(widgets::designFont(QStringLiteral("Verdana"), 11));

    auto* client = new QWidget(this);
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(client);

    // Created in the designed order; the layout puts the toolbar on top and the bar below.
    createStatusBar(client);
    createToolbar(client);
    createWorkArea(client);
    column->addWidget(m_tbrMain);
    column->addWidget(m_pgcWorkArea, 1);
    column->addWidget(m_sbrMain);
    createMenus();
    widgets::TRzBalloonHints::install();

    setFixedSize(clientWidth, clientHeight + menuBar()->sizeHint().height());
    move(342, 158);

    // The placement keeper's creation step: a saved placement keeps the designed position
    // mode, which the window has anyway; the stored position itself is applied on first show.
    {
        const auto store = openStore();
        m_formState->wasSaved(*store);
    }
    FormCreate();
}

TfrmMain::~TfrmMain()
{
    delete m_widgetForm.data();
}

QString TfrmMain::defaultSettingsFile()
{
    const QString beside = QCoreApplication::applicationFilePath() + QStringLiteral(".ini");
    const QFileInfo folder(QFileInfo(beside).absolutePath());
    if (folder.isWritable())
        return beside;
    const QString config =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/velorin");
    QDir().mkpath(config);
    return config + QLatin1Char('/') + QFileInfo(beside).fileName();
}

std::unique_ptr<QSettings> TfrmMain::openStore() const
{
    return std::make_unique<QSettings>(m_settingsFile, QSettings::IniFormat);
}

void TfrmMain::createStatusBar(QWidget* parent)
{
    m_sbrMain = new QFrame(parent);
    m_sbrMain->setObjectName(QStringLiteral("sbrMain"));
    m_sbrMain->setFixedHeight(19);
    m_sbrMain->setStyleSheet(QStringLiteral("#sbrMain { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                                            "stop:0 #fbfaf6, stop:1 #dcd8c8); }"));
    auto* row = new QHBoxLayout(m_sbrMain);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    const QFont paneFont = widgets::designFont(QStringLiteral("Verdana"), 11);

    auto* marquee = new widgets::TRzMarqueeStatus(QStringLiteral("Morvantek 2004-2026"), m_sbrMain);
    marquee->setObjectName(QStringLiteral("RzMarqueeStatus1"));
    marquee->setFont(paneFont);
    marquee->setFixedSize(177, 19);
    row->addWidget(marquee);

    auto* date = new widgets::TRzClockStatus(QStringLiteral("dddddd"), m_sbrMain);
    date->setObjectName(QStringLiteral("RzClockStatus1"));
    date->setFont(paneFont);
    date->setAlignment(Qt::AlignCenter);
    date->setFixedSize(233, 19);
    row->addWidget(date);

    const std::pair<const char*, widgets::TRzKeyStatus::Key> keys[] = {
        {"RzKeyStatus1", widgets::TRzKeyStatus::Key::CapsLock},
        {"RzKeyStatus2", widgets::TRzKeyStatus::Key::NumLock},
        {"RzKeyStatus3", widgets::TRzKeyStatus::Key::ScrollLock}};
    const int widths[] = {41, 35, 34};
    for (int i = 0; i < 3; ++i) {
        auto* pane = new widgets::TRzKeyStatus(keys[i].second, m_sbrMain);
        pane->setObjectName(QLatin1String(keys[i].first));
        pane->setFixedSize(widths[i], 19);
        row->addWidget(pane);
    }

    // Image 46 of imlMain in front of the caption; image 47 while the pane is disabled.
    auto* notes = new QWidget(m_sbrMain);
    notes->setObjectName(QStringLiteral("stsNotes"));
    notes->setFixedHeight(19);
    auto* notesRow = new QHBoxLayout(notes);
    notesRow->setContentsMargins(2, 0, 0, 0);
    notesRow->setSpacing(2);
    auto* glyph = new QLabel(notes);
    QIcon icon = MainImages::imlMain(46);
    icon.addPixmap(MainImages::imlMain(47).pixmap(16, 16), QIcon::Disabled);
    glyph->setPixmap(icon.pixmap(16, 16));
    auto* caption = new QLabel(QStringLiteral("Aktif "), notes);
    caption->setObjectName(QStringLiteral("stsNotesCaption"));
    caption->setFont(paneFont);
    notesRow->addWidget(glyph);
    notesRow->addWidget(caption, 1);
    row->addWidget(notes, 1);
}

QToolButton* TfrmMain::createToolButton(const QString& name, const QString& caption, int image, int width)
{
    auto* button = new QToolButton(m_tbrMain);
    button->setObjectName(name);
    button->setText(caption);
    button->setIcon(MainImages::imageList3(image));
    button->setIconSize(QSize(32, 32));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFixedSize(width, 74);
    button->setAutoRaise(true);
    button->setFont(widgets::designFont(QStringLiteral("Verdana"), 11, true));
    m_tbrMain->addControl(button);
    return button;
}

void TfrmMain::createToolbar(QWidget* parent)
{
    m_tbrMain = new widgets::TRzToolbar(parent);
    m_tbrMain->setObjectName(QStringLiteral("tbrMain"));
    m_tbrMain->setAccessibleName(tr("Main toolbar"));
    m_tbrMain->setFixedHeight(74 + 2);
    m_tbrMain->setTextOptions(widgets::TRzToolbar::ttoSelectiveTextOnRight);
    const QColor face = widgets::vclColor(15791348);
    const QColor frame = widgets::vclColor(7617536);
    m_tbrMain->setStyleSheet(
        QStringLiteral("#tbrMain { border-top: 2px groove #a0a0a0; background: "
                       "qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 %1); }"
                       "QToolButton { background: %2; border: 1px solid %2; }"
                       "QToolButton:hover { border: 1px solid %3; }"
                       "QToolButton:disabled { color: #a0a0a0; }")
            .arg(widgets::vclColor(14215660).name(), face.name(), frame.name()));

    m_tbrMain->addSpacer(QStringLiteral("RzSpacer2"));
    auto* main = createToolButton(QStringLiteral("RzBitBtn3"), QStringLiteral("Main"), 6, 82);
    m_tbrMain->addSpacer(QStringLiteral("RzSpacer8"));
    auto* espanol = createToolButton(QStringLiteral("RzBitBtn1"), QStringLiteral("Espanol English"), 13, 82);
    m_tbrMain->addSpacer(QStringLiteral("RzSpacer3"));
    auto* english = createToolButton(QStringLiteral("RzBitBtn2"), QStringLiteral("English Espanol"), 11, 82);
    m_tbrMain->addSpacer(QStringLiteral("RzSpacer5"));
    auto* addWords = createToolButton(QStringLiteral("RzBitBtn4"), QStringLiteral("Add Words"), 0, 82);
    m_tbrMain->addSpacer(QStringLiteral("RzSpacer6"));
    auto* about = createToolButton(QStringLiteral("RzBitBtn5"), QStringLiteral("About"), 4, 82);
    m_tbrMain->addSpacer(QStringLiteral("RzSpacer7"));
    auto* quit = createToolButton(QStringLiteral("RzBitBtn6"), QStringLiteral("Quit"), 9, 81);

    addWords->setEnabled(false);
    connect(main, &QToolButton::clicked, this, &TfrmMain::actWelcomeExecute);
    connect(espanol, &QToolButton::clicked, this, &TfrmMain::actCustomFramingExecute);
    connect(english, &QToolButton::clicked, this, &TfrmMain::actEditsExecute);
    connect(addWords, &QToolButton::clicked, this, &TfrmMain::actComboBoxesExecute);
    connect(about, &QToolButton::clicked, this, &TfrmMain::actCommonControlsExecute);
    connect(quit, &QToolButton::clicked, this, &TfrmMain::RzBitBtn6Click);
}

void TfrmMain::createWorkArea(QWidget* parent)
{
    m_pgcWorkArea = new QStackedWidget(parent);
    m_pgcWorkArea->setObjectName(QStringLiteral("pgcWorkArea"));
    for (int i = 0; i < SheetCount; ++i) {
        auto* sheet = new QWidget(m_pgcWorkArea);
        sheet->setObjectName(QLatin1String(sheetNames[i]));
        auto* fill = new QVBoxLayout(sheet);
        fill->setContentsMargins(0, 0, 0, 0);
        fill->setSpacing(0);
        m_pgcWorkArea->addWidget(sheet);
    }
    createWelcomeSheet(sheet(tabWelcome));
    createWidgetsSheet(sheet(tabWidgets));
    m_pgcWorkArea->setCurrentIndex(tabWelcome);
}

void TfrmMain::createWelcomeSheet(QWidget* welcome)
{
    welcome->setAutoFillBackground(true);
    QPalette palette = welcome->palette();
    palette.setColor(QPalette::Window, QColor(192, 220, 192)); // money green
    welcome->setPalette(palette);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    qobject_cast<QVBoxLayout*>(welcome->layout())->addLayout(row);

    row->addWidget(new WelcomeImage(welcome), 1);
    m_sideChannel = new widgets::TsuiSideChannel(welcome);
    m_sideChannel->setFont(widgets::designFont(QStringLiteral("Tahoma"), 11));
    row->addWidget(m_sideChannel);

    auto* calendar = new QWidget(m_sideChannel);
    calendar->setObjectName(QStringLiteral("RzCalendar1"));
    calendar->setGeometry(16, 24, 161, 159);
    auto* calendarColumn = new QVBoxLayout(calendar);
    calendarColumn->setContentsMargins(0, 0, 0, 0);
    calendarColumn->setSpacing(1);
    auto* month = new QCalendarWidget(calendar);
    month->setObjectName(QStringLiteral("RzCalendar1Month"));
    month->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    month->setFont(widgets::designFont(QStringLiteral("Tahoma"), 9));
    calendarColumn->addWidget(month, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    auto* today = new QPushButton(QStringLiteral("Today"), calendar);
    auto* clear = new QPushButton(QStringLiteral("Clear"), calendar);
    for (QPushButton* b : {today, clear}) {
        b->setFont(widgets::designFont(QStringLiteral("Tahoma"), 10));
        b->setFixedHeight(18);
        buttons->addWidget(b);
    }
    calendarColumn->addLayout(buttons);
    connect(today, &QPushButton::clicked, month, [month] { month->setSelectedDate(QDate::currentDate()); });
    connect(clear, &QPushButton::clicked, month, [month] { month->setSelectedDate(QDate::currentDate()); });

    const QFont clockFont = widgets::designFont(QStringLiteral("Tahoma"), 27, true);
    auto* date = new widgets::TRzClockStatus(QStringLiteral("dd/mm/yyyy"), m_sideChannel);
    date->setObjectName(QStringLiteral("RzClockStatus3"));
    date->setGeometry(18, 464, 161, 33);
    auto* time = new widgets::TRzClockStatus(QStringLiteral("h:nn:ss"), m_sideChannel);
    time->setObjectName(QStringLiteral("RzClockStatus2"));
    time->setGeometry(32, 504, 129, 36);
    for (widgets::TRzClockStatus* clock : {time, date}) {
        clock->setFont(clockFont);
        clock->setAlignment(Qt::AlignCenter);
        clock->setAutoFillBackground(true);
        QPalette p = clock->palette();
        p.setColor(QPalette::Window, p.color(QPalette::Base));
        clock->setPalette(p);
    }
    m_sideChannel->pinButton()->raise();
}

void TfrmMain::createWidgetsSheet(QWidget* widgetsSheet)
{
    auto* header = new widgets::THeaderPanel(QStringLiteral("Widgets"), widgetsSheet);
    header->setObjectName(QStringLiteral("RzPanel2"));
    header->setGradient(widgets::vclColor(14215660), widgets::vclColor(10471888));
    auto* column = qobject_cast<QVBoxLayout*>(widgetsSheet->layout());
    column->addWidget(header);
    column->addStretch(1);

    // A link-style label: keyboard users reach it with Tab and open it with Enter.
    auto* link = new QLabel(widgetsSheet);
    link->setObjectName(QStringLiteral("lblWidgetFormToFront"));
    link->setFont(widgets::designFont(QStringLiteral("Verdana"), 11));
    link->setText(QStringLiteral("<a href=\"front\" style=\"color: palette(window-text);\">"
                                 "Bring shaped form back to front</a>"));
    link->setAccessibleName(QStringLiteral("Bring shaped form back to front"));
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    link->setCursor(Qt::PointingHandCursor);
    link->adjustSize();
    link->move(8, 48);
    connect(link, &QLabel::linkActivated, this, &TfrmMain::lblWidgetFormToFrontClick);
}

void TfrmMain::createMenus()
{
    QMenu* demo = menuBar()->addMenu(QStringLiteral("&Demo"));
    demo->setObjectName(QStringLiteral("mnuDemo"));
    using Handler = void (TfrmMain::*)();
    const Handler handlers[SheetCount] = {
        &TfrmMain::actWelcomeExecute,        &TfrmMain::actCustomFramingExecute,
        &TfrmMain::actTabsExecute,           &TfrmMain::actEditsExecute,
        &TfrmMain::actComboBoxesExecute,     &TfrmMain::actListBoxesExecute,
        &TfrmMain::actCommonControlsExecute, &TfrmMain::actButtonsExecute,
        &TfrmMain::actDisplayExecute,        &TfrmMain::actDatabaseExecute,
        &TfrmMain::actWidgetsExecute,        &TfrmMain::actShellExecute,
        &TfrmMain::actLauncherExecute,       &TfrmMain::actSendMessagesExecute};
    for (int tag = 0; tag < SheetCount; ++tag) {
        const ActionDef& def = actionDefs[tag];
        auto* action = new QAction(QString::fromUtf8(def.caption), this);
        action->setObjectName(QLatin1String(def.action));
        action->setData(tag);
        action->setIcon(MainImages::imlMain(def.image));
        action->setCheckable(true);
        action->setChecked(tag == tabWelcome);
        action->setProperty("menuItem", QLatin1String(def.menuItem));
        connect(action, &QAction::triggered, this, handlers[tag]);
        m_actions[size_t(tag)] = action;
        demo->addAction(action);
    }
    demo->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    auto* exit = demo->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(exit, &QAction::triggered, this, &TfrmMain::mnuExitClick);

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    m_mnuMainToolbar = view->addAction(QStringLiteral("&Main Toolbar"));
    m_mnuMainToolbar->setObjectName(QStringLiteral("mnuMainToolbar"));
    m_mnuStatusBar = view->addAction(QStringLiteral("&Status Bar"));
    m_mnuStatusBar->setObjectName(QStringLiteral("mnuStatusBar"));
    QAction* notes = view->addAction(QStringLiteral("&Notes"));
    notes->setObjectName(QStringLiteral("mnuNotes"));
    for (QAction* item : {m_mnuMainToolbar, m_mnuStatusBar, notes}) {
        item->setCheckable(true);
        item->setChecked(true);
    }
    // "Notes" is shown checked and does nothing: clicking it leaves the mark as it was.
    connect(notes, &QAction::toggled, notes, [notes] { notes->setChecked(true); });
    connect(m_mnuMainToolbar, &QAction::triggered, this, &TfrmMain::mnuMainToolbarClick);
    connect(m_mnuStatusBar, &QAction::triggered, this, &TfrmMain::mnuStatusBarClick);
}

QWidget* TfrmMain::sheet(int index) const
{
    return m_pgcWorkArea->widget(index);
}

widgets::TFrame* TfrmMain::page(int index) const
{
    return m_pages[size_t(index)];
}

void TfrmMain::SetCurrentAction(QAction* current)
{
    for (int tag : checkOrder)
        m_actions[size_t(tag)]->setChecked(m_actions[size_t(tag)] == current);
}

void TfrmMain::showPage(int index, const QString& pageClass)
{
    QPointer<widgets::TFrame>& reference = m_pages[size_t(index)];
    if (!reference) {
        // A constructor that throws leaves the reference empty; the next request tries again.
        std::unique_ptr<widgets::TFrame> created = m_registry.createPage(pageClass);
        if (created) {
            widgets::TFrame* page = created.release();
            reference = page;
            QWidget* host = sheet(index);
            page->setParent(host);
            host->layout()->addWidget(page);
            page->Init();
            page->show();
        }
    }
    if (index == tabCustomFraming)
        m_pgcWorkArea->setCurrentWidget(sheet(tabCustomFraming));
    else
        m_pgcWorkArea->setCurrentIndex(action(index)->data().toInt());
    SetCurrentAction(action(index));
}

void TfrmMain::actWelcomeExecute()
{
    m_pgcWorkArea->setCurrentIndex(tabWelcome);
    SetCurrentAction(action(tabWelcome));
}

void TfrmMain::actCustomFramingExecute()
{
    showPage(tabCustomFraming, QStringLiteral("TFmeCustomFraming"));
}
void TfrmMain::actTabsExecute()
{
    showPage(tabTabs, QStringLiteral("TFmeTabs"));
}
void TfrmMain::actEditsExecute()
{
    showPage(tabEdits, QStringLiteral("TFmeEdits"));
}
void TfrmMain::actComboBoxesExecute()
{
    showPage(tabComboBoxes, QStringLiteral("TFmeComboBoxes"));
}
void TfrmMain::actListBoxesExecute()
{
    showPage(tabListBoxes, QStringLiteral("TFmeListBoxes"));
}
void TfrmMain::actCommonControlsExecute()
{
    showPage(tabCommonControls, QStringLiteral("TFmeCommonControls"));
}
void TfrmMain::actButtonsExecute()
{
    showPage(tabButtons, QStringLiteral("TFmeButtons"));
}
void TfrmMain::actDisplayExecute()
{
    showPage(tabDisplay, QStringLiteral("TFmeDisplay"));
}
void TfrmMain::actDatabaseExecute()
{
    showPage(tabDatabase, QStringLiteral("TFmeReservations"));
}
void TfrmMain::actShellExecute()
{
    showPage(tabShell, QStringLiteral("TFmeShell"));
}
void TfrmMain::actLauncherExecute()
{
    showPage(tabLauncher, QStringLiteral("TFmeLauncher"));
}
void TfrmMain::actSendMessagesExecute()
{
    showPage(tabSendMessages, QStringLiteral("TFmeSendMessages"));
}

void TfrmMain::actWidgetsExecute()
{
    ShowWidgetForm();
    m_pgcWorkArea->setCurrentIndex(action(tabWidgets)->data().toInt());
    SetCurrentAction(action(tabWidgets));
}

void TfrmMain::lblWidgetFormToFrontClick()
{
    ShowWidgetForm();
}

void TfrmMain::ShowWidgetForm()
{
    if (!m_widgetForm) {
        std::unique_ptr<QWidget> created = m_registry.createWidgetForm(*this);
        if (!created)
            return;
        QWidget* form = created.release(); // deletes itself when it closes
        m_widgetForm = form;
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            form->move(screen->availableGeometry().center() - form->rect().center());
        form->show();
    }
    m_widgetForm->raise();
    m_widgetForm->activateWindow();
}

void TfrmMain::WidgetFormClosed()
{
    m_widgetForm = nullptr;
}

// The View items are checkable actions, so the menu has already inverted the check mark
// when these run; they make the bar follow it.
void TfrmMain::mnuMainToolbarClick()
{
    m_tbrMain->setVisible(m_mnuMainToolbar->isChecked());
}

void TfrmMain::mnuStatusBarClick()
{
    m_sbrMain->setVisible(m_mnuStatusBar->isChecked());
}

void TfrmMain::mnuExitClick()
{
    close();
}

void TfrmMain::RzBitBtn6Click()
{
    // Ends the event loop without the close handlers: nothing is saved.
    m_terminating = true;
    QCoreApplication::exit(0);
}

void TfrmMain::FormCreate()
{
    const auto store = openStore();
    m_tbrMain->restoreLayout(*store, toolbarSection);
}

void TfrmMain::FormClose()
{
    {
        const auto store = openStore();
        m_formState->save(*store, *this);
        store->sync();
        if (store->status() != QSettings::NoError)
            reportError(storeError(*store));
    }
    {
        // A layout that cannot be written is reported; the window still closes, since a
        // window that cannot be closed would be worse than a layout that is not kept.
        const auto store = openStore();
        m_tbrMain->saveLayout(*store, toolbarSection);
        store->sync();
        if (store->status() != QSettings::NoError)
            reportError(storeError(*store));
    }
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (!m_terminating)
        FormClose();
    event->accept();
    if (m_widgetForm)
        m_widgetForm->close();
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_placementApplied) {
        m_placementApplied = true;
        const auto store = openStore();
        m_formState->restore(*store, *this);
    }
}

} // namespace velorin::shell
