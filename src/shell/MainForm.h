#pragma once

#include "PageRegistry.h"
#include "TFrame.h"
#include "WidgetFormHost.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QStackedWidget;
class QToolButton;
class QSettings;

namespace velorin::widgets {
class TRzToolbar;
class TRzFormState;
class TRzClockStatus;
class TRzKeyStatus;
class TRzMarqueeStatus;
class TsuiSideChannel;
} // namespace velorin::widgets

namespace velorin::shell {

// The main window and page host: toolbar, menus, status bar and the page control whose
// fourteen sheets hold the pages, each created on its first request.
class TfrmMain : public QMainWindow, public widgets::WidgetFormHost
{
    Q_OBJECT
public:
    // Sheets of pgcWorkArea; an action's Tag is its sheet's index.
    enum Sheet
    {
        tabWelcome,
        tabCustomFraming,
        tabTabs,
        tabEdits,
        tabComboBoxes,
        tabListBoxes,
        tabCommonControls,
        tabButtons,
        tabDisplay,
        tabDatabase,
        tabWidgets,
        tabShell,
        tabLauncher,
        tabSendMessages,
        SheetCount
    };

    // settingsFile: the INI file of the settings store; empty means the default place
    // (beside the executable, or the user's configuration folder where that is not writable).
    explicit TfrmMain(const PageRegistry& pages, const QString& settingsFile = QString(),
                      QWidget* parent = nullptr);
    ~TfrmMain() override;

    static QString defaultSettingsFile();
    QString settingsFile() const { return m_settingsFile; }

    QStackedWidget* pgcWorkArea() const { return m_pgcWorkArea; }
    QWidget* sheet(int index) const;
    QAction* action(int tag) const { return m_actions[size_t(tag)]; }
    // The page object of a sheet, or nullptr while it was not created.
    widgets::TFrame* page(int index) const;
    QWidget* widgetForm() const { return m_widgetForm; }
    widgets::TRzToolbar* tbrMain() const { return m_tbrMain; }
    QWidget* sbrMain() const { return m_sbrMain; }
    widgets::TsuiSideChannel* suiSideChannel1() const { return m_sideChannel; }

    void SetCurrentAction(QAction* current);
    void ShowWidgetForm();
    void WidgetFormClosed() override;

public Q_SLOTS:
    void actWelcomeExecute();
    void actCustomFramingExecute();
    void actTabsExecute();
    void actEditsExecute();
    void actComboBoxesExecute();
    void actListBoxesExecute();
    void actCommonControlsExecute();
    void actButtonsExecute();
    void actDisplayExecute();
    void actDatabaseExecute();
    void actWidgetsExecute();
    void actShellExecute();
    void actLauncherExecute();
    void actSendMessagesExecute();
    void lblWidgetFormToFrontClick();
    void mnuMainToolbarClick();
    void mnuStatusBarClick();
    void mnuExitClick();
    void RzBitBtn6Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createStatusBar(QWidget* parent);
    void createToolbar(QWidget* parent);
    void createWorkArea(QWidget* parent);
    void createWelcomeSheet(QWidget* sheet);
    void createWidgetsSheet(QWidget* sheet);
    void createMenus();
    QToolButton* createToolButton(const QString& name, const QString& caption, int image, int width);
    void showPage(int index, const QString& pageClass);
    void FormCreate();
    void FormClose();
    std::unique_ptr<QSettings> openStore() const;

    const PageRegistry& m_registry;
    QString m_settingsFile;
    std::unique_ptr<widgets::TRzFormState> m_formState;
    QStackedWidget* m_pgcWorkArea = nullptr;
    widgets::TRzToolbar* m_tbrMain = nullptr;
    QWidget* m_sbrMain = nullptr;
    widgets::TsuiSideChannel* m_sideChannel = nullptr;
    std::array<QAction*, SheetCount> m_actions{};
    std::array<QPointer<widgets::TFrame>, SheetCount> m_pages{};
    QPointer<QWidget> m_widgetForm;
    QAction* m_mnuMainToolbar = nullptr;
    QAction* m_mnuStatusBar = nullptr;
    bool m_placementApplied = false;
    bool m_terminating = false;
};

} // namespace velorin::shell
