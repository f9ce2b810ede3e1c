#include "MainWindow.h"

#include "AddressPanes.h"
#include "ComposeParts.h"
#include "CopiesWaitDialog.h"
#include "Icons.h"
#include "KeyTable.h"
#include "ListPanes.h"
#include "PaneStack.h"
#include "ReaderPanes.h"
#include "SettingsPane.h"
#include "WindowDesk.h"

#include "shell/AutoCheckTimer.h"
#include "shell/HelpTopics.h"
#include "shell/MailCheckController.h"

#include "platform/Errors.h"
#include "platform/Paths.h"

#include "addressbook/widgets/AddressEditPane.h"
#include "addressbook/widgets/AddressListPane.h"
#include "receiving/InboxStore.h"
#include "receiving/UnreadCount.h"
#include "receiving/widgets/InboxPane.h"
#include "receiving/widgets/MailReaderPane.h"
#include "sending/ComposeSend.h"
#include "sending/DraftKeeper.h"
#include "sending/widgets/ComposePane.h"
#include "sending/widgets/SentItemsPane.h"
#include "sortgrid/widgets/SortGrid.h"
#include "ui/widgets/OutlookBar.h"
#include "ui/widgets/StatusBarEx.h"

#include <QAbstractButton>
#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QApplication>
#include <QHBoxLayout>
#include <QLayout>
#include <QProgressBar>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <utility>

namespace corvane::shell {

MainWindow::MainWindow(const ProgramFolders &folders, WindowServices services, QWidget *parent)
    : QMainWindow(parent), m_dataFolder(folders.data),
      m_services(services.withDesktopDefaults()), m_startup(folders, m_stores),
      m_gate(m_startup, [this] { refuseNotReady(); }), m_folderBrowser(*m_services.dialogs)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Corvane"));
    setWindowIcon(icons::application());
    resize(801, 509);

    m_mailCheck = new MailCheckController(this);
    m_mailCheck->setRunner(&m_checkRunner);
    m_autoCheck = new AutoCheckTimer(this);
    m_outlookBarPreser = new QTimer(this);
    m_outlookBarPreser->setObjectName(QStringLiteral("OutlookBarPreser"));
    m_outlookBarPreser->setSingleShot(true);
    m_outlookBarPreser->setInterval(1);

    createActions();
    createToolbar();
    m_panes = new PaneStack;
    m_settingsPane = new SettingsPane(m_startup, m_folderBrowser, *m_services.dialogs);
    m_panes->setPane(Pane::Settings, m_settingsPane);
    m_lists = new ListPanes(m_mail, m_startup.settingsFile(), this);
    m_lists->placeIn(*m_panes);
    m_addresses = new AddressPanes(m_mail.addresses, *m_lists->address(), m_folderBrowser, *m_services.messages, this);
    m_addresses->placeIn(*m_panes);
    m_addresses->setAddressReader(m_mail.collector);
    m_compose = new ComposeParts(m_mail, m_startup.settings(), *m_services.messages, this);
    m_panes->setPane(Pane::New, m_compose->pane());
    m_compose->keepDraftIn(platform::joinPath(folders.profile, sending::kKeptDraftFileName));
    // Commands that conflict with a running check consult it.
    m_compose->send().setMailCheck(m_mailCheck);
    m_lists->inbox()->setMailCheck(m_mailCheck);
    m_compose->setAddressNames([this] { return m_lists->address()->namesInShownOrder(); });
    m_reader = new ReaderPanes(m_mail.inbox, *m_lists->inbox(), *m_lists->sent(), m_checkMail, *m_services.messages,
                               [this] { return attachmentPlacesFrom(m_startup.settings()); }, this);
    m_reader->placeIn(*m_panes);
    for (const GridId grid : {GridId::Address, GridId::Inbox, GridId::Sent})
        setColumnWidthsSource(grid, m_lists->widthsSource(grid));
    m_panes->bringToFront(Pane::Settings);

    auto *centre = new QWidget(this);
    auto *layout = new QHBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(createNavigationBar());
    layout->addWidget(m_panes, 1);
    setCentralWidget(centre);
    createStatusBar();
    m_desk = new WindowDesk(*this, m_services);
    connectServices();
    wireKeys();

    runStartup(StartupRun::Creation);
    // Once the window shows: a message kept when the program last ended is offered back.
    QMetaObject::invokeMethod(this, [this] {
        if (m_startup.okToStart())
            m_compose->offerKeptDraft();
    }, Qt::QueuedConnection);
}

MainWindow::~MainWindow()
{
    formDestroy();
}

void MainWindow::createActions()
{
    m_checkMail = new QAction(icons::checkMail(), tr("Check Mail"), this);
    m_checkMail->setObjectName(QStringLiteral("Checki"));
    m_checkMail->setToolTip(tr("Check for New Mail"));
    m_showHelp = new QAction(icons::help(), tr("Help"), this);
    m_showHelp->setObjectName(QStringLiteral("ShowHlpI"));
    m_showHelp->setToolTip(tr("Show Help"));
    m_startupAction = new QAction(tr("Startup"), this);
    m_startupAction->setObjectName(tr("Startup"));

    const QList<QIcon> &images = icons::navigationImages();
    for (const PaneInfo &info : paneTable()) {
        auto *action = new QAction(images.value(info.imageIndex), info.itemText(), this);
        action->setObjectName(info.actionName);
        const Pane pane = info.pane;
        connect(action, &QAction::triggered, this, [this, pane] { paneActionExecute(pane); });
        m_paneActions.append(action);
    }

    connect(m_checkMail, &QAction::triggered, m_mailCheck, &MailCheckController::check);
    connect(m_showHelp, &QAction::triggered, this, [this] { showHelp(0); });
    connect(m_startupAction, &QAction::triggered, this, [this] { runStartup(StartupRun::AfterSave); });
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(f1, &QShortcut::activated, this, &MainWindow::formHelp);
}

void MainWindow::createToolbar()
{
    auto *toolbar = addToolBar(tr("Main"));
    toolbar->setObjectName(QStringLiteral("MainToolbar"));
    toolbar->setMovable(false);
    toolbar->setFloatable(false);
    toolbar->setIconSize(QSize(16, 16));
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    toolbar->addAction(m_checkMail);
    toolbar->addAction(m_showHelp);
    toolbar->widgetForAction(m_checkMail)->setObjectName(QStringLiteral("CheckB"));
    toolbar->widgetForAction(m_showHelp)->setObjectName(QStringLiteral("ToolButton8"));
}

QWidget *MainWindow::createNavigationBar()
{
    m_navBar = new ui::OutlookBar;
    m_navBar->setObjectName(QStringLiteral("NavBar"));
    m_navBar->setProperty(kHelpContextProperty, help::kNavigationBar);
    m_navBar->setFixedWidth(100);
    const int group = m_navBar->addGroup(tr("Standard"));
    for (const PaneInfo &info : paneTable())
        m_navBar->addItem(group, info.itemText(), icons::navigationImages().value(info.imageIndex),
                          info.actionName + QStringLiteral("Item"));
    m_navBar->setChangeGuard([this] { return okToStartExecute(); });
    connect(m_navBar, &ui::OutlookBar::itemClicked, this,
            [this](int, int item) { m_paneActions.at(item)->trigger(); });
    return m_navBar;
}

void MainWindow::createStatusBar()
{
    m_statusBar = new ui::StatusBarEx;
    m_statusBar->setObjectName(QStringLiteral("StatusBarEx1"));
    m_statusBar->addPanel(350);
    m_statusBar->addPanel(350);
    m_statusBar->addPanel(50, false);
    setStatusBar(m_statusBar);

    m_sendProgress = new QProgressBar;
    m_sendProgress->setObjectName(QStringLiteral("SendProgressBar1"));
    m_receiveProgress = new QProgressBar;
    m_receiveProgress->setObjectName(QStringLiteral("RecvProgressBar1"));
    m_statusBar->host(m_sendProgress, 100, 250);
    m_statusBar->host(m_receiveProgress, 449, 250);
    m_sendProgress->hide();
    m_receiveProgress->hide();
}

void MainWindow::connectServices()
{
    // The number of unread messages: on the navigation bar's InBox item and in the tray icon's hint.
    auto showUnread = [this] {
        const int unread = m_stores.inbox.unreadCount();
        QAbstractButton *item = m_navBar->itemButton(0, static_cast<int>(Pane::InBox));
        item->setText(receiving::unreadItemCaption(paneInfo(Pane::InBox).itemText(), unread));
        item->setAccessibleName(item->text());
        m_desk->showUnread(m_startup.settings().name, unread);
    };
    connect(&m_stores.inbox, &receiving::InboxStore::changed, this, showUnread);
    connect(this, &MainWindow::paneShown, this, showUnread);

    connect(m_autoCheck, &AutoCheckTimer::tick, this, [this] {
        // A read-only inbox was named once after start-up; the timer does not repeat it every tick.
        if (!m_stores.inbox.isReadOnly())
            m_mailCheck->check();
    });
    connect(m_mailCheck, &MailCheckController::statusTextChanged, this,
            [this](const QString &text) { m_statusBar->setPanelText(0, text); });
    connect(m_mailCheck, &MailCheckController::runningChanged, this,
            [this](bool running) { m_checkMail->setEnabled(!running && !m_copiesWait); });
    connect(&m_mail.copies, &platform::BackgroundCopies::failed, this, [this](const platform::CopyFailure &failure) {
        if (m_closingAnyway)
            return; // copies cut off at the user's word, after the window has gone
        const core::Notice notice = copyFailedNotice(failure);
        m_statusBar->setPanelText(0, notice.text);
        showNotice(notice);
    });
    connect(m_mailCheck, &MailCheckController::noticeRaised, this, &MainWindow::showNotice);
    // A store another copy took over is read-only from then on, said as at start-up.
    connect(&m_stores.locks, &StoreLocks::lockLost, this, [this](const QString &reason) {
        showNotice({core::Notice::Code::StoreReadOnly, core::Notice::Kind::Warning, reason, false});
    });
    connect(m_mailCheck, &MailCheckController::newMailArrived, this, [this](const QList<receiving::ArrivedMessage> &arrived) {
        if (!m_closeAfterCheck)
            m_desk->announce(arrived);
    });
    // A check may have been the moment recipients picked up: Sent Items' Delivery column looks again.
    connect(m_mailCheck, &MailCheckController::finished, this, [this] {
        if (m_lists->sent()->isVisible())
            m_lists->sent()->lookAtDelivery();
    });
    // Queued: the check's last step unwinds before the window closes.
    connect(m_mailCheck, &MailCheckController::finished, this, [this] {
        if (std::exchange(m_closeAfterCheck, false))
            close();
    }, Qt::QueuedConnection);

    connect(m_settingsPane, &SettingsPane::autoCheckMinutesChanged, m_autoCheck,
            &AutoCheckTimer::setIntervalMinutes);
    connect(m_settingsPane, &SettingsPane::asYouTypeChanged, m_compose, &ComposeParts::applySpellSettings);
    connect(m_settingsPane, &SettingsPane::saved, m_startupAction, &QAction::trigger);
    connect(m_settingsPane, &SettingsPane::failed, this, &MainWindow::showNotice);
    connect(m_settingsPane, &SettingsPane::statusText, this,
            [this](const QString &text) { m_statusBar->setPanelText(0, text); });
    connect(m_outlookBarPreser, &QTimer::timeout, this, &MainWindow::outlookBarPreserTimer);
    connect(this, &MainWindow::paneShown, m_lists, &ListPanes::paneShown);
    connect(m_lists, &ListPanes::failed, this, &MainWindow::showNotice);
    connect(this, &MainWindow::paneShown, m_addresses, &AddressPanes::paneShown);
    connect(m_addresses, &AddressPanes::editRequested, this, [this] { showPane(Pane::AddressEdit); });
    connect(m_addresses, &AddressPanes::failed, this, &MainWindow::showNotice);
    connect(m_lists, &ListPanes::statusText, this, [this](const QString &text) { m_statusBar->setPanelText(0, text); });
    connect(m_compose, &ComposeParts::statusTextChanged, this,
            [this](const QString &text) { m_statusBar->setPanelText(0, text); });
    connect(m_compose, &ComposeParts::failed, this, &MainWindow::showNotice);
    connect(this, &MainWindow::paneShown, this, [this](Pane pane) {
        if (pane == Pane::New)
            m_compose->pane()->showSelectionFont();
    });
    connect(this, &MainWindow::paneShown, m_reader, &ReaderPanes::paneShown);
    connect(m_reader, &ReaderPanes::paneRequested, this, &MainWindow::showPane);
    connect(m_reader, &ReaderPanes::failed, this, &MainWindow::showNotice);
    connect(m_reader->reader(), &receiving::MailReaderPane::replyRequested, m_compose, &ComposeParts::replyTo);
    connect(m_reader->reader(), &receiving::MailReaderPane::forwardRequested, m_compose, &ComposeParts::forward);
    // The InBox list's context menu answers or passes on the selected message without the reader.
    connect(m_lists->inbox(), &receiving::InboxPane::replyRequested, m_compose, &ComposeParts::replyTo);
    connect(m_lists->inbox(), &receiving::InboxPane::replyAllRequested, m_compose, &ComposeParts::replyAll);
    connect(m_lists->inbox(), &receiving::InboxPane::forwardRequested, m_compose, &ComposeParts::forward);
    connect(m_reader->reader(), &receiving::MailReaderPane::replyAllRequested, m_compose, &ComposeParts::replyAll);
    connect(m_lists->sent(), &sending::SentItemsPane::reopenRequested, m_compose, &ComposeParts::reopen);
    // Save Attachment As: the user picks the file; the copy runs with the other attachment copies.
    m_reader->reader()->setSaveDialog([this](const QString &name) {
        return m_services.dialogs->chooseSaveFile(this, QDir::home().filePath(name));
    });
    connect(m_reader->reader(), &receiving::MailReaderPane::saveAttachmentRequested, this,
            [this](const QString &source, const QString &destination) {
                m_mail.copies.start([this, source, destination] {
                    const platform::ActiveCopy active(tr("%1 to %2").arg(QFileInfo(source).fileName(), destination));
                    platform::copyFileReplacing(source, destination, platform::Access::Shared); // where the user saves it
                    QMetaObject::invokeMethod(&m_mail.copies, [this, destination] {
                        m_statusBar->setPanelText(0, tr("Saved \"%1\"").arg(QDir::toNativeSeparators(destination)));
                    });
                });
            });
    connect(m_compose, &ComposeParts::paneRequested, this, &MainWindow::showPane);
    // A recipient the address book lacks, to be added before the message goes.
    connect(m_compose->pane(), &sending::ComposePane::addAddressRequested, this, [this](const QString &name) {
        showPane(Pane::AddressEdit);
        m_addresses->editPane()->newEntryNamed(name);
    });
    // Queued: the handler that showed the send's outcome returns before the window closes.
    connect(m_compose->pane(), &sending::ComposePane::sendEnded, this, [this] {
        if (std::exchange(m_closeAfterSend, false))
            close();
    }, Qt::QueuedConnection);
}

namespace {

// The action a tool button of a pane runs, found by the button's name.
QAction *buttonAction(const QWidget *pane, const char *buttonName)
{
    const auto *button = pane->findChild<QToolButton *>(QLatin1String(buttonName));
    Q_ASSERT(button && button->defaultAction());
    return button->defaultAction();
}

} // namespace

void MainWindow::wireKeys()
{
    for (const PaneInfo &info : paneTable()) {
        // Like a click on the navigation bar, a pane's key asks the not-ready gate first.
        auto *show = new QAction(info.itemText(), this);
        show->setObjectName(info.actionName + QStringLiteral("Key"));
        const Pane pane = info.pane;
        connect(show, &QAction::triggered, this, [this, pane] {
            if (okToStartExecute())
                showPane(pane);
        });
        bindKey(show, showCommand(pane), this);
        m_navBar->itemButton(0, static_cast<int>(pane))->setToolTip(show->toolTip());
    }
    // New: the compose pane with an empty message, after the question its Clear/New button asks.
    auto *newMessage = new QAction(tr("New Message"), this);
    newMessage->setObjectName(QStringLiteral("NewMessageKey"));
    connect(newMessage, &QAction::triggered, this, [this] {
        if (!okToStartExecute())
            return;
        showPane(Pane::New);
        if (m_panes->front() == Pane::New)
            m_compose->pane()->clearAction()->trigger();
    });
    bindKey(newMessage, Command::NewMessage, this);
    QAction *clear = m_compose->pane()->clearAction();
    clear->setToolTip(withKey(clear->toolTip(), keyOf(Command::NewMessage)));

    bindKey(m_checkMail, Command::CheckMail, this);

    // Reply, Reply All and Forward act on the InBox's selected message or on the message read;
    // only the pane in front takes the key.
    receiving::InboxPane *inbox = m_lists->inbox();
    for (const auto &[name, command] : {std::pair{"InboxReply", Command::Reply},
                                        std::pair{"InboxReplyAll", Command::ReplyAll},
                                        std::pair{"InboxForward", Command::Forward}})
        bindKey(inbox->findChild<QAction *>(QLatin1String(name)), command, inbox);
    receiving::MailReaderPane *reader = m_reader->reader();
    for (const auto &[name, command] : {std::pair{"ReplyI", Command::Reply}, std::pair{"ReplyAllI", Command::ReplyAll},
                                        std::pair{"ToolButton6", Command::Forward},
                                        std::pair{"DeleteMsgI", Command::Delete}, std::pair{"PrintI", Command::Print},
                                        std::pair{"PreviousMsgB", Command::PreviousMessage},
                                        std::pair{"NextMsgB", Command::NextMessage}})
        bindKey(buttonAction(reader, name), command, reader);
    // The lists take Delete themselves, when the list has the focus; their buttons say so.
    for (const auto &[pane, name] : {std::pair<QWidget *, const char *>{inbox, "DeleteInboxMsgI"},
                                     std::pair<QWidget *, const char *>{m_lists->sent(), "DeleteSentI"},
                                     std::pair<QWidget *, const char *>{m_lists->address(), "DeleteAdrI"}}) {
        QAction *remove = buttonAction(pane, name);
        remove->setToolTip(withKey(remove->toolTip(), keyOf(Command::Delete)));
    }

    // Toolbars leave their buttons out of the Tab chain; here Tab reaches them, a click still
    // leaves the focus where it was (in the message being written, say).
    for (QToolBar *toolbar : findChildren<QToolBar *>()) {
        for (QToolButton *button : toolbar->findChildren<QToolButton *>()) {
            if (button->defaultAction())
                button->setFocusPolicy(Qt::TabFocus);
        }
    }
}

void MainWindow::setMailCheckRunner(MailCheckRunner *runner)
{
    m_mailCheck->setRunner(runner);
}

void MainWindow::runStartup(StartupRun run)
{
    // The grids' header rows, widths and stored sorts come before the not-ready gate.
    m_lists->setUpGrids();
    std::optional<StartupOutcome> outcome;
    QString failure;
    try {
        outcome = m_startup.run(run);
    } catch (const Error &error) {
        failure = error.message();
    }
    // The stores may have been loaded again, wholly or in part: the lists must not show, nor
    // read on from, what was there before.
    m_lists->markStoresReloaded();

    // The settings were read before anything could fail: show them and set the timer.
    m_settingsPane->loadSettings();
    m_compose->applySpellSettings();
    if (m_copiesWait)
        m_autoCheckBeforeClosing = m_startup.settings().autoCheck; // no check while closing waits
    else
        m_autoCheck->setEnabled(m_startup.settings().autoCheck);
    if (!outcome) {
        // The steps after the failing one do not run; the user can correct the folders.
        m_panes->bringToFront(Pane::Settings);
        showNotice(core::Notice::error(core::Notice::Code::StartupFailed, failure));
        return;
    }
    if (!outcome->settingsFileError.isEmpty())
        showNotice(core::Notice::error(core::Notice::Code::SettingsUnreadable, outcome->settingsFileError));
    for (const QString &reason : std::as_const(outcome->readOnlyStores))
        showNotice({core::Notice::Code::StoreReadOnly, core::Notice::Kind::Warning, reason, false});
    if (!outcome->exposureWarning.isEmpty())
        m_statusBar->setPanelText(0, outcome->exposureWarning);

    if (!outcome->ready) {
        refuseNotReady();
    } else if (outcome->startPage) {
        if (const std::optional<Pane> pane = paneAt(*outcome->startPage)) {
            paneAction(*pane)->trigger();
            // A Mail Reader with nothing to read has said so; the user picks a message in the InBox.
            if (m_panes->front() != *pane)
                paneAction(Pane::InBox)->trigger();
        }
    }
    setWindowTitle(outcome->caption);
    if (m_outlookBarPreser)
        m_outlookBarPreser->start();
}

bool MainWindow::okToStartExecute()
{
    return m_gate.pass();
}

void MainWindow::refuseNotReady()
{
    m_panes->bringToFront(Pane::Settings);
    m_navBar->setCurrentItem(static_cast<int>(Pane::Settings));
    m_services.messages->beep();
}

void MainWindow::showPane(Pane pane)
{
    paneAction(pane)->trigger();
}

void MainWindow::paneActionExecute(Pane pane)
{
    if (!m_reader->mayShow(pane)) {
        // Nothing to read: the pane in front stays, and the bar with it.
        m_navBar->setCurrentItem(static_cast<int>(m_panes->front()));
        return;
    }
    m_panes->bringToFront(pane);
    // The bar follows the pane in front, also when program code shows the pane.
    m_navBar->setCurrentItem(static_cast<int>(pane));
    Q_EMIT paneShown(pane);
}

void MainWindow::outlookBarPreserTimer()
{
    // When the settings kept the program from starting, the bar stays on Settings, the pane in front.
    // The start page's item, unless another pane took its place (a Mail Reader with nothing to read).
    if (m_startup.storesLoaded() && m_startup.okToStart()) {
        const int location = m_startup.settings().startupLocation;
        const std::optional<Pane> start = paneAt(location);
        m_navBar->setCurrentItem(start && m_panes->front() != *start ? static_cast<int>(m_panes->front()) : location);
    }
    m_outlookBarPreser->deleteLater();
    m_outlookBarPreser = nullptr;
}

int MainWindow::focusedHelpContext() const
{
    for (const QWidget *widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
        const int context = widget->property(kHelpContextProperty).toInt();
        if (context > 0)
            return context;
        if (widget == this)
            break;
    }
    return help::kDefaultTopic;
}

void MainWindow::formHelp()
{
    showHelp(focusedHelpContext());
}

void MainWindow::showHelp(int context)
{
    m_services.help->open(this, helpUrl(m_dataFolder, context));
}

void MainWindow::setColumnWidthsSource(GridId grid, std::function<QList<int>()> widths)
{
    m_columnWidths[grid] = std::move(widths);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_compose->send().isRunning()) {
        // The send goes on in the background; the window goes once the send has said how it ended.
        event->ignore();
        m_closeAfterSend = true;
        m_statusBar->setPanelText(0, tr("Corvane will close when the message has been sent."));
        return;
    }
    if (m_mailCheck->isRunning()) {
        // The check ends at its next step, saving what it took in before it removes those files.
        event->ignore();
        m_closeAfterCheck = true;
        m_statusBar->setPanelText(0, tr("Corvane will close when the mail check has ended."));
        m_mailCheck->cancel();
        return;
    }
    if (m_mail.copies.running() > 0 && !m_closingAnyway) {
        event->ignore();
        waitForCopiesBeforeClosing();
        return;
    }
    if (m_copiesWait)
        m_copiesWait->hide();
    saveSessionState();
    QMainWindow::closeEvent(event);
}

void MainWindow::saveSessionState()
{
    m_reader->windowClosing();
    m_compose->windowClosing();
}

void MainWindow::endSession()
{
    // Saved at once, in case the end does not wait for a send, a check or copies to finish.
    saveSessionState();
    close();
}

void MainWindow::waitForCopiesBeforeClosing()
{
    if (m_copiesWait) {
        m_copiesWait->raise();
        m_copiesWait->activateWindow();
        return;
    }
    // No new check (nor send) starts while the window waits to close.
    m_autoCheckBeforeClosing = m_autoCheck->isEnabled();
    m_autoCheck->setEnabled(false);
    m_checkMail->setEnabled(false);
    m_statusBar->setPanelText(0, platform::waitingForCopiesText());

    m_copiesWait = new CopiesWaitDialog(m_mail.copies, this);
    connect(m_copiesWait, &CopiesWaitDialog::copiesFinished, this, &MainWindow::close, Qt::QueuedConnection);
    connect(m_copiesWait, &CopiesWaitDialog::closeAnyway, this, [this] {
        // The copies stop at their next block and leave no file under a real name; the program
        // waits for that after its window has gone.
        m_closingAnyway = true;
        m_mail.copies.cancelAll();
        close();
    });
    connect(m_copiesWait, &QDialog::rejected, this, &MainWindow::stopWaitingToClose);
    m_copiesWait->show();
}

void MainWindow::stopWaitingToClose()
{
    m_copiesWait->deleteLater();
    m_copiesWait = nullptr;
    m_autoCheck->setEnabled(m_autoCheckBeforeClosing);
    m_checkMail->setEnabled(!m_mailCheck->isRunning());
    m_statusBar->setPanelText(0, QString());
}

void MainWindow::formDestroy()
{
    // Settings that could not be read at start-up are not overwritten with the defaults.
    if (m_startup.settingsFile().refusesWrites())
        return;
    try {
        for (const auto &[grid, widths] : m_columnWidths)
            writeColumnWidths(m_startup.settingsFile(), grid, widths());
    } catch (const Error &error) {
        m_services.messages->showNotice(nullptr, core::Notice::error(core::Notice::Code::SettingsNotSaved, error.message()));
    }
}

void MainWindow::showNotice(const core::Notice &notice)
{
    m_services.messages->showNotice(this, notice);
}

} // namespace corvane::shell
