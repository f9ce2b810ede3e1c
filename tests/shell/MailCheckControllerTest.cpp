#include "shell/MailCheckController.h"

#include "platform/Errors.h"

#include "FakeMailCheck.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace corvane::shell;
using corvane::core::Notice;
using corvane::test::FakeRunner;

namespace {

TEST(MailCheckController, WhileACheckRunsItSaysCheckingRefusesConflictsAndDropsRequests)
{
    MailCheckController controller;
    FakeRunner runner;
    runner.hold = true;
    controller.setRunner(&runner);
    QStringList texts;
    QObject::connect(&controller, &MailCheckController::statusTextChanged, &controller,
                     [&](const QString &text) { texts.append(text); });
    QSignalSpy finished(&controller, &MailCheckController::finished);

    controller.check(); // returns while the check runs
    controller.check(); // a timer tick meanwhile
    EXPECT_EQ(runner.runs, 1);
    EXPECT_TRUE(controller.isRunning());
    ASSERT_TRUE(controller.refusalWhileRunning().has_value());
    EXPECT_EQ(controller.refusalWhileRunning()->code, Notice::Code::CheckRunning);
    EXPECT_EQ(finished.count(), 0);

    runner.finish();
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Checking Messages"), QString()}));
    EXPECT_FALSE(controller.refusalWhileRunning().has_value());
    EXPECT_EQ(finished.count(), 1);
}

TEST(MailCheckController, NewMailIsReportedAndAFailureReEnablesTheCommand)
{
    MailCheckController controller;
    FakeRunner runner;
    controller.setRunner(&runner);
    QSignalSpy newMail(&controller, &MailCheckController::newMailArrived);
    QSignalSpy notices(&controller, &MailCheckController::noticeRaised);
    QSignalSpy running(&controller, &MailCheckController::runningChanged);

    runner.body = [] { return MailCheckResult{true}; };
    controller.check();
    EXPECT_EQ(newMail.count(), 1);

    runner.body = []() -> MailCheckResult { throw corvane::XmlError(QStringLiteral("bad file")); };
    controller.check();
    ASSERT_EQ(notices.count(), 1);
    const auto failure = notices.at(0).at(0).value<Notice>();
    EXPECT_EQ(failure.code, Notice::Code::CheckFailed);
    EXPECT_EQ(failure.text, QStringLiteral("bad file"));
    EXPECT_FALSE(running.last().at(0).toBool());
    EXPECT_EQ(newMail.count(), 1);
}

// A file set aside held nothing up: the status text names it, and no box waits to be closed.
TEST(MailCheckController, AFileSetAsideIsNamedInTheStatusTextTheCheckLeaves)
{
    MailCheckController controller;
    FakeRunner runner;
    controller.setRunner(&runner);
    QStringList texts;
    QObject::connect(&controller, &MailCheckController::statusTextChanged, &controller,
                     [&](const QString &text) { texts.append(text); });
    QSignalSpy notices(&controller, &MailCheckController::noticeRaised);
    const Notice setAside{Notice::Code::MessageFileSetAside, Notice::Kind::Warning,
                          QStringLiteral("Bob1.cvm is not a message"), false};
    const Notice unopenable = Notice::error(Notice::Code::MessageFileUnopenable, QStringLiteral("Bob2.cvm"));
    runner.body = [&] { return MailCheckResult{false, {}, {setAside, unopenable}}; };
    controller.check();
    ASSERT_EQ(notices.count(), 1);
    EXPECT_EQ(notices.at(0).at(0).value<Notice>().code, Notice::Code::MessageFileUnopenable);
    EXPECT_EQ(texts.last(), setAside.text);
}

} // namespace
