#include "CliArguments.h"

#include <gtest/gtest.h>

using namespace corvane::cli;

namespace {

QStringList words(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *w : list)
        out.append(QString::fromUtf8(w));
    return out;
}

TEST(CliArguments, SendTakesRepeatedOptionsAndTheProfile)
{
    const auto parsed = parseArguments(words({"--profile", "/p", "send", "--to", "Ann", "--to", "Bob",
                                              "--subject", "Build broke", "--body", "see log",
                                              "--attach", "a.log", "--attach", "b.log"}));
    ASSERT_TRUE(std::holds_alternative<Invocation>(parsed));
    const auto &invocation = std::get<Invocation>(parsed);
    EXPECT_EQ(invocation.profile, QStringLiteral("/p"));
    const auto &send = std::get<SendCommand>(invocation.command);
    EXPECT_EQ(send.to, words({"Ann", "Bob"}));
    EXPECT_EQ(send.subject, QStringLiteral("Build broke"));
    EXPECT_EQ(send.body, QStringLiteral("see log"));
    EXPECT_EQ(send.attachments, words({"a.log", "b.log"}));
    EXPECT_TRUE(writesStores(invocation.command));
}

TEST(CliArguments, ReadingCommands)
{
    const auto show = std::get<Invocation>(parseArguments(words({"show", "3", "--sent", "--rtf"})));
    const auto &s = std::get<ShowCommand>(show.command);
    EXPECT_EQ(s.number, 3);
    EXPECT_TRUE(s.sent);
    EXPECT_TRUE(s.rtf);
    EXPECT_FALSE(writesStores(show.command));
    EXPECT_TRUE(std::get<ListCommand>(std::get<Invocation>(parseArguments(words({"list", "--sent"}))).command).sent);
    const auto add = std::get<Invocation>(
        parseArguments(words({"address", "add", "--name", "Bob", "--inbox", "/s/bob/", "--server"})));
    EXPECT_TRUE(std::get<AddressAddCommand>(add.command).server);
    EXPECT_EQ(std::get<AddressRemoveCommand>(
                  std::get<Invocation>(parseArguments(words({"address", "remove", "2"}))).command)
                  .number,
              2);
}

TEST(CliArguments, UsageErrors)
{
    for (const auto &args : {words({}), words({"frobnicate"}), words({"send"}), words({"send", "--to"}),
                             words({"send", "--to", "A", "--body", "x", "--body-file", "f"}),
                             words({"show"}), words({"show", "0"}), words({"show", "x"}),
                             words({"check", "now"}), words({"address"}), words({"address", "add", "--name", "A"}),
                             words({"address", "remove", "-1"}), words({"list", "--inbox"}),
                             words({"--profile"})})
        EXPECT_TRUE(std::holds_alternative<UsageError>(parseArguments(args))) << args.join(u' ').toStdString();
}

} // namespace
