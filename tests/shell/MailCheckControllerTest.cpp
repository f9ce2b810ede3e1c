#include "shell/MailCheckController.h"

#include "platform/Errors.h"

#include "FakeMailCheck.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace corvane::shell;
using corvane::test::FakeRunner;

namespace {

TEST(MailCheckController, ShowsCheckingWhileRunningAndClearsAfterwards)
{
    MailCheckController controller;
    FakeRunner runner;
    controller.setRunner(&runner);
    QStringList texts;
    QObject::connect(&controller, &MailCheckController::statusTextChanged, &controller,
                     [&](const QString &text) { texts.append(text); });
    bool runningDuringCheck = false;
    runner.body = [&] {
        runningDuringCheck = controller.isRunning();
        return MailCheckResult{};
    };
    controller.check();
    EXPECT_TRUE(runningDuringCheck);
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Checking Messages"), QString()}));
    EXPECT_FALSE(controller.isRunning());
}

TEST(MailCheckController, ARequestDuringARunningCheckIsDropped)
{
    MailCheckController controller;
    FakeRunner runner;
    controller.setRunner(&runner);
    runner.body = [&] {
        controller.check(); // a timer tick handled between files
        return MailCheckResult{};
    };
    controller.check();
    EXPECT_EQ(runner.runs, 1);
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
    const auto failure = notices.at(0).at(0).value<corvane::core::Notice>();
    EXPECT_EQ(failure.code, corvane::core::Notice::Code::CheckFailed);
    EXPECT_EQ(failure.text, QStringLiteral("bad file"));
    EXPECT_FALSE(running.last().at(0).toBool());
    EXPECT_EQ(newMail.count(), 1);
}

} // namespace
