#pragma once

#include "WindowServices.h"
#include "FolderBrowser.h"

#include "shell/ColumnSettings.h"
#include "shell/MailServices.h"
#include "shell/Navigation.h"
#include "shell/Startup.h"
#include "shell/Stores.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>

class QAction;
class QProgressBar;
class QTimer;

namespace corvane::ui {
class OutlookBar;
class StatusBarEx;
} // namespace corvane::ui

namespace corvane::shell {

class AddressPanes;
class AutoCheckTimer;
class ComposeParts;
class CopiesWaitDialog;
class ListPanes;
class MailCheckController;
class MailCheckRunner;
class PaneStack;
class ReaderPanes;
class SettingsPane;
class WindowDesk;

// The main window ("Form1"): a toolbar, the navigation bar, the seven panes and the status bar. It
// composes the panes and services and runs the start-up sequence; the panes carry their own work.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // folders: the profile and the shipped files (one folder for both in a portable installation).
    explicit MainWindow(const ProgramFolders &folders, WindowServices services = {},
                        QWidget *parent = nullptr);
    ~MainWindow() override;

    Startup &startup() { return m_startup; }
    Stores &stores() { return m_stores; }
    MailServices &mail() { return m_mail; }
    const WindowServices &services() const { return m_services; }
    FolderBrowser &folderBrowser() { return m_folderBrowser; }

    PaneStack *panes() const { return m_panes; }
    SettingsPane *settingsPane() const { return m_settingsPane; }
    // The InBox, Sent Items and Address Book panes with their grids.
    ListPanes *listPanes() const { return m_lists; }
    // The Address Book's commands and the Address Edit pane.
    AddressPanes *addressPanes() const { return m_addresses; }
    // The compose pane with its dialogs and its Send.
    ComposeParts *compose() const { return m_compose; }
    // The InBox and Sent Items commands and the Mail Reader pane.
    ReaderPanes *readerPanes() const { return m_reader; }
    ui::OutlookBar *navigationBar() const { return m_navBar; }
    ui::StatusBarEx *statusBarEx() const { return m_statusBar; }
    QProgressBar *sendProgressBar() const { return m_sendProgress; }
    QProgressBar *receiveProgressBar() const { return m_receiveProgress; }
    AutoCheckTimer *autoCheckTimer() const { return m_autoCheck; }
    // The tray icon and the new-mail announcement.
    WindowDesk *desk() const { return m_desk; }

    // The Check Mail command ("Checki"), shared with the tray menu.
    QAction *checkMailAction() const { return m_checkMail; }
    QAction *paneAction(Pane pane) const { return m_paneActions.at(static_cast<int>(pane)); }
    // The mail check that Check Mail and the automatic timer run; none until the receiving side is
    // connected, in which case a check finds nothing.
    void setMailCheckRunner(MailCheckRunner *runner);

    // The start-up sequence, at creation or after Save; errors go to the error box.
    void runStartup(StartupRun run);
    // The not-ready gate: false brings the Settings pane to the front and beeps.
    bool okToStartExecute();
    // Shows a pane from program code, without asking the gate.
    void showPane(Pane pane);
    // Opens the help at a topic; 0 opens the whole document.
    void showHelp(int context);

    // The read marks and the message being written are saved (the window closes, the session
    // ends); failures are shown.
    void saveSessionState();
    // The process is asked to end (SIGTERM): saves as above, then closes as the close box does.
    void endSession();

    // The widths of a grid's columns, written to the settings file when the window goes.
    void setColumnWidthsSource(GridId grid, std::function<QList<int>()> widths);

Q_SIGNALS:
    // A pane's action ran: the pane is in front; its owner fills it.
    void paneShown(Pane pane);

protected:
    // Closing during a send waits for it to end and for its outcome to be shown, then closes.
    // Closing during a mail check ends the check at its next step, then closes.
    // Closing waits for running attachment copies instead of cutting them off half-way: the window
    // lists them, starts no check meanwhile, and offers to close anyway.
    void closeEvent(QCloseEvent *event) override;

private:
    void createActions();
    void createToolbar();
    QWidget *createNavigationBar();
    void createStatusBar();
    void connectServices();
    // The keys of the window's commands, from the key table.
    void wireKeys();

    void paneActionExecute(Pane pane);
    void refuseNotReady();
    void outlookBarPreserTimer();
    void formHelp();
    void formDestroy();
    // Every notice that reaches the window is shown here.
    void showNotice(const core::Notice &notice);
    int focusedHelpContext() const;
    void waitForCopiesBeforeClosing();
    void stopWaitingToClose();

    QString m_dataFolder; // the help
    WindowServices m_services;
    Stores m_stores;
    Startup m_startup;
    NotReadyGate m_gate;
    FolderBrowser m_folderBrowser;
    MailServices m_mail{m_stores};
    ServicesCheckRunner m_checkRunner{m_mail, m_startup.settings()};
    std::map<GridId, std::function<QList<int>()>> m_columnWidths;

    MailCheckController *m_mailCheck = nullptr;
    AutoCheckTimer *m_autoCheck = nullptr;
    QTimer *m_outlookBarPreser = nullptr;
    CopiesWaitDialog *m_copiesWait = nullptr; // while closing waits for attachment copies
    bool m_autoCheckBeforeClosing = false;
    bool m_closingAnyway = false; // the user closed without waiting: copies are being cut off
    bool m_closeAfterSend = false; // the user closed during a send
    bool m_closeAfterCheck = false; // the user closed during a mail check

    QAction *m_checkMail = nullptr;
    QAction *m_showHelp = nullptr;
    QAction *m_startupAction = nullptr;
    QList<QAction *> m_paneActions;

    ui::OutlookBar *m_navBar = nullptr;
    PaneStack *m_panes = nullptr;
    SettingsPane *m_settingsPane = nullptr;
    WindowDesk *m_desk = nullptr;
    ListPanes *m_lists = nullptr;
    AddressPanes *m_addresses = nullptr;
    ComposeParts *m_compose = nullptr;
    ReaderPanes *m_reader = nullptr;
    ui::StatusBarEx *m_statusBar = nullptr;
    QProgressBar *m_sendProgress = nullptr;
    QProgressBar *m_receiveProgress = nullptr;
};

} // namespace corvane::shell
