#include "CliArguments.h"

#include "support/Strings.h"

#include <gtest/gtest.h>

using namespace corvane::cli;
using corvane::test::strings;

namespace {

TEST(CliArguments, SendTakesRepeatedOptionsAndTheGlobalOnes)
{
    const auto parsed = parseArguments(strings({"--profile", "/p", "--verbose", "send", "--to", "Ann", "--to", "Bob",
                                              "--subject", "Build broke", "--body", "see log",
                                              "--attach", "a.log", "--attach", "b.log"}));
    ASSERT_TRUE(std::holds_alternative<Invocation>(parsed));
    const auto &invocation = std::get<Invocation>(parsed);
    EXPECT_EQ(invocation.profile, QStringLiteral("/p"));
    EXPECT_TRUE(invocation.verbose);
    const auto &send = std::get<SendCommand>(invocation.command);
    EXPECT_EQ(send.to, strings({"Ann", "Bob"}));
    EXPECT_EQ(send.subject, QStringLiteral("Build broke"));
    EXPECT_EQ(send.body, QStringLiteral("see log"));
    EXPECT_EQ(send.attachments, strings({"a.log", "b.log"}));
    EXPECT_TRUE(writesStores(invocation.command));
}

TEST(CliArguments, ReadingCommands)
{
    const auto show = std::get<Invocation>(parseArguments(strings({"show", "3", "--sent", "--rtf"})));
    const auto &s = std::get<ShowCommand>(show.command);
    EXPECT_EQ(s.number, 3);
    EXPECT_TRUE(s.sent);
    EXPECT_TRUE(s.rtf);
    EXPECT_FALSE(writesStores(show.command));
    EXPECT_TRUE(std::get<ListCommand>(std::get<Invocation>(parseArguments(strings({"list", "--sent"}))).command).sent);
    const auto add = std::get<Invocation>(
        parseArguments(strings({"address", "add", "--name", "Bob", "--inbox", "/s/bob/", "--server"})));
    EXPECT_TRUE(std::get<AddressAddCommand>(add.command).server);
    EXPECT_EQ(std::get<AddressRemoveCommand>(
                  std::get<Invocation>(parseArguments(strings({"address", "remove", "2"}))).command)
                  .number,
              2);
    const auto removal = std::get<Invocation>(parseArguments(strings({"delete", "--sent", "4"})));
    EXPECT_EQ(std::get<DeleteCommand>(removal.command).number, 4);
    EXPECT_TRUE(std::get<DeleteCommand>(removal.command).sent);
    EXPECT_TRUE(writesStores(removal.command));
    EXPECT_TRUE(writesStores(std::get<Invocation>(parseArguments(strings({"compact"}))).command));
    const auto forward =
        std::get<Invocation>(parseArguments(strings({"forward", "--to", "Ann", "2", "--to", "Bob", "--body", "FYI"})));
    const auto &f = std::get<ForwardCommand>(forward.command);
    EXPECT_EQ(f.number, 2);
    EXPECT_EQ(f.to, strings({"Ann", "Bob"}));
    EXPECT_EQ(f.body, QStringLiteral("FYI"));
    EXPECT_TRUE(writesStores(forward.command));
}

TEST(CliArguments, UsageErrors)
{
    for (const auto &args : {strings({}), strings({"frobnicate"}), strings({"send"}), strings({"send", "--to"}),
                             strings({"send", "--to", "A", "--body", "x", "--body-file", "f"}),
                             strings({"show"}), strings({"show", "0"}), strings({"show", "x"}),
                             strings({"delete"}), strings({"delete", "1", "--rtf"}), strings({"compact", "1"}),
                             strings({"check", "now"}), strings({"address"}), strings({"address", "add", "--name", "A"}),
                             strings({"address", "remove", "-1"}), strings({"list", "--inbox"}),
                             strings({"forward", "1"}), strings({"forward", "--to", "A"}),
                             strings({"forward", "1", "--to", "A", "--attach", "f"}),
                             strings({"--profile"})})
        EXPECT_TRUE(std::holds_alternative<UsageError>(parseArguments(args))) << args.join(u' ').toStdString();
}

} // namespace
