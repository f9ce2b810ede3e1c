// How the tool turns what the logic worded for the user into output and an exit status.
#include "CliCommands.h"

#include "shell/MailServices.h"

#include <gtest/gtest.h>

using corvane::cli::reportNotices;
using corvane::core::Notice;

namespace {

struct Case
{
    const char *name;
    Notice notice;
    bool toOut;
    bool failed;
};

// The decision goes by what happened, whatever the text says: a translated success is still one,
// and a failure worded like a success is still a failure.
TEST(CliNotices, DecidedByTheirCodeWhateverTheirText)
{
    const Case cases[] = {
        {"sent, translated",
         {Notice::Code::MessagesSent, Notice::Kind::Information, QStringLiteral("Nachrichten gesendet")},
         true,
         false},
        {"target missed, worded as sent",
         {Notice::Code::TargetNotReached, Notice::Kind::Information, QStringLiteral("Messages Sent")},
         false,
         true},
        {"send waits for the check",
         {Notice::Code::SendWaitsForCheck, Notice::Kind::Information, QStringLiteral("Messages Sent")},
         false,
         true},
        {"no code given, worded as sent",
         {Notice::Code::Unspecified, Notice::Kind::Information, QStringLiteral("Messages Sent")},
         false,
         true},
        {"attachment kept at its source",
         corvane::shell::copyFailedNotice({corvane::platform::CopyFailure::Step::SourceKept, QStringLiteral("a.txt"),
                                           QStringLiteral("/s/bob/"), {}}),
         false,
         true},
        {"new mail",
         {Notice::Code::NewMail, Notice::Kind::Information, QStringLiteral("You have new mail")},
         false,
         false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QString outText;
        QString errText;
        QTextStream out(&outText);
        QTextStream err(&errText);
        const bool failed = reportNotices({c.notice}, out, err);
        out.flush();
        err.flush();
        EXPECT_EQ(failed, c.failed);
        EXPECT_EQ(outText.contains(c.notice.text), c.toOut);
        EXPECT_EQ(errText.contains(c.notice.text), !c.toOut);
    }
}

} // namespace
