#include "shell/widgets/MainWindow.h"

#include "receiving/widgets/DesktopNotifier.h"

#include "WindowProgram.h"

#include <QAction>
#include <QCheckBox>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace corvane::shell;
using corvane::receiving::ArrivedMessage;
using corvane::receiving::DesktopNotifier;
using corvane::test::FakeRunner;
using corvane::test::TempFolder;

namespace {

// A session bus of the test's own, from a dbus-daemon it starts and ends.
struct PrivateBus
{
    TempFolder folder;
    QProcess daemon;
    QString address;

    PrivateBus()
    {
        daemon.start(QStringLiteral("dbus-daemon"),
                     {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1"),
                      QStringLiteral("--address=unix:dir=") + folder.path()});
        if (daemon.waitForReadyRead(5000))
            address = QString::fromUtf8(daemon.readLine()).trimmed();
    }
    ~PrivateBus()
    {
        daemon.terminate();
        daemon.waitForFinished(2000);
    }
    QDBusConnection connect(const QString &name) const { return QDBusConnection::connectToBus(address, name); }
};

// The desktop's notification server, as far as a client sees it.
class FakeNotificationServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Call
    {
        QString application, icon, summary, body;
        QStringList actions;
    };
    QList<Call> calls;

public Q_SLOTS:
    uint Notify(const QString &application, uint, const QString &icon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &, int)
    {
        calls.append({application, icon, summary, body, actions});
        return uint(calls.size());
    }
};

struct NotifiedProgram : corvane::test::WindowProgram
{
    PrivateBus bus;
    QDBusConnection client = bus.connect(QStringLiteral("client"));
    std::unique_ptr<DesktopNotifier> notifier = std::make_unique<DesktopNotifier>(client);
    FakeRunner runner;

    NotifiedProgram()
    {
        notifications = notifier.get();
        makeReady();
        open();
        runner.body = [] { return MailCheckResult{true, {ArrivedMessage{QStringLiteral("Bob"), QStringLiteral("Lunch")}}, {}}; };
        window->setMailCheckRunner(&runner);
        window->startup().settings().mailSoundType = 0;
    }
    ~NotifiedProgram()
    {
        window.reset();
        notifier.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("client"));
    }
    // Hides the window to the tray, runs a check and waits for the service's answer.
    bool checkWhileHidden(int waitMs = 3000)
    {
        window->showMinimized();
        QTest::qWait(10);
        QSignalSpy replied(notifier.get(), &DesktopNotifier::replied);
        window->checkMailAction()->trigger();
        return replied.wait(waitMs);
    }
};

TEST(DesktopNotification, NewMailOutOfViewIsNotifiedAndItsDefaultActionRestoresTheWindowOnTheInBox)
{
    NotifiedProgram p;
    ASSERT_FALSE(p.bus.address.isEmpty());
    QDBusConnection serverBus = p.bus.connect(QStringLiteral("server"));
    FakeNotificationServer server;
    ASSERT_TRUE(serverBus.registerObject(QLatin1String(DesktopNotifier::kPath), &server, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(serverBus.registerService(QLatin1String(DesktopNotifier::kService)));

    p.click(Pane::Settings);
    ASSERT_TRUE(p.checkWhileHidden());
    ASSERT_EQ(server.calls.size(), 1);
    const FakeNotificationServer::Call &call = server.calls.first();
    EXPECT_EQ(call.application, QStringLiteral("Corvane"));
    EXPECT_EQ(call.summary, QStringLiteral("New mail"));
    EXPECT_EQ(call.body, QStringLiteral("Bob: Lunch"));
    EXPECT_TRUE(call.actions.contains(QStringLiteral("default")));
    EXPECT_FALSE(p.window->isVisible());

    QDBusMessage invoked = QDBusMessage::createSignal(QLatin1String(DesktopNotifier::kPath),
                                                      QLatin1String(DesktopNotifier::kService),
                                                      QStringLiteral("ActionInvoked"));
    invoked << uint(1) << QStringLiteral("default");
    serverBus.send(invoked);
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.window->isVisible(); }, 3000));
    EXPECT_EQ(p.front(), QStringLiteral("InBoxPan"));

    // Turned off in the settings: the next check out of view sends nothing.
    p.find<QCheckBox>("DesktopNotifyC")->setChecked(false);
    EXPECT_FALSE(p.window->startup().settings().desktopNotification);
    EXPECT_FALSE(p.checkWhileHidden(300));
    EXPECT_EQ(server.calls.size(), 1);
    QDBusConnection::disconnectFromBus(QStringLiteral("server"));
}

TEST(DesktopNotification, WithoutANotificationServiceNothingFails)
{
    NotifiedProgram p;
    ASSERT_FALSE(p.bus.address.isEmpty());
    ASSERT_TRUE(p.checkWhileHidden());
    EXPECT_EQ(p.front(), QStringLiteral("InBoxPan"));
    EXPECT_TRUE(p.fakes.messages.errors.isEmpty());
}

} // namespace

#include "DesktopNotificationTest.moc"
