// Runs the built corvane-cli as a process, as scripts and administrators do.
#include "shell/ProfileLock.h"
#include "shell/Stores.h"

#include "platform/FolderLock.h"

#include "support/StoreTexts.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

using corvane::test::TempFolder;

namespace {

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

CliRun cli(const QStringList &arguments, const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(CORVANE_CLI_PATH), arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// The files show lists for a message's attachments, by name.
QMap<QString, QString> attachmentFiles(const QString &shown)
{
    QMap<QString, QString> files;
    for (const QString &line : shown.split(u'\n')) {
        const QStringList parts = line.split(u'\t');
        if (line.startsWith(QStringLiteral("Attachment: ")) && parts.size() >= 2)
            files.insert(parts[0].mid(12), parts[1]);
    }
    return files;
}

// Two users' profiles and their inbox folders on one "share".
struct TwoProfiles
{
    TempFolder temp;
    QString share = temp.subfolder(QStringLiteral("share"));
    QString annInbox = temp.subfolder(QStringLiteral("share/ann"));
    QString bobInbox = temp.subfolder(QStringLiteral("share/bob"));
    QString ann = profile(QStringLiteral("Ann"), annInbox);
    QString bob = profile(QStringLiteral("Bob"), bobInbox);

    QString profile(const QString &name, const QString &inbox)
    {
        const QString folder = temp.subfolder(name.toLower() + QStringLiteral("-profile"));
        corvane::test::writeFile(folder + QStringLiteral("main.ini"),
                                 "[Settings]\r\nName=" + name.toUtf8() + "\r\n[Destination]\r\nMyDest="
                                     + inbox.toUtf8() + "\r\n");
        return folder;
    }
    // Ann's address book gets Bob with this inbox folder, through the tool.
    int annAddsBob(const QString &inbox)
    {
        return cli({QStringLiteral("--profile"), ann, QStringLiteral("address"), QStringLiteral("add"),
                    QStringLiteral("--name"), QStringLiteral("Bob"), QStringLiteral("--inbox"), inbox})
            .exitCode;
    }
};

TEST(CorvaneCli, TwoProfilesExchangeAMessageWithAnAttachment)
{
    TwoProfiles p;
    ASSERT_EQ(p.annAddsBob(p.bobInbox), 0);
    const CliRun addresses = cli({QStringLiteral("--profile"), p.ann, QStringLiteral("address"), QStringLiteral("list")});
    EXPECT_EQ(addresses.out, QStringLiteral("1\tBob\t%1\t\tFalse\n").arg(p.bobInbox));

    const QString log = p.temp.file(QStringLiteral("nightly.log"));
    corvane::test::writeFile(log, QByteArray(10000, 'x'));
    // A body as WordPad writes a bulleted list.
    const QString body = p.temp.file(QStringLiteral("body.rtf"));
    corvane::test::writeFile(body, "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Calibri;}{\\f1 Symbol;}}\\f0 "
                                   "All green. Gr\\'fc\\'dfe\\par\r\n\\pard{\\pntext\\f1\\'B7\\tab}"
                                   "{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-360\\li720 "
                                   "Build\\par\r\n{\\pntext\\f1\\'B7\\tab}Tests\\par\r\n}");
    const CliRun sent = cli({QStringLiteral("--profile"), p.ann, QStringLiteral("send"), QStringLiteral("--to"),
                          QStringLiteral("Bob"), QStringLiteral("--subject"), QStringLiteral("Nightly & <report>"),
                          QStringLiteral("--body-file"), body, QStringLiteral("--attach"), log});
    EXPECT_EQ(sent.exitCode, 0) << sent.err.toStdString();
    EXPECT_EQ(sent.out, QStringLiteral("Messages Sent\n"));

    // With --verbose the log says where the message file went.
    const CliRun checked = cli({QStringLiteral("--profile"), p.bob, QStringLiteral("--verbose"), QStringLiteral("check")});
    EXPECT_EQ(checked.exitCode, 0) << checked.err.toStdString();
    EXPECT_EQ(checked.out, QStringLiteral("1 new\n"));
    EXPECT_TRUE(checked.err.contains(QStringLiteral("corvane.receiving: took ")
                                     + QDir::toNativeSeparators(p.bobInbox)))
        << checked.err.toStdString();
    EXPECT_FALSE(QFile::exists(p.bobInbox + QStringLiteral("nightly.log"))) << "taken off the share";

    const CliRun listed = cli({QStringLiteral("--profile"), p.bob, QStringLiteral("list")});
    const QStringList fields = listed.out.trimmed().split(u'\t');
    ASSERT_EQ(fields.size(), 6) << listed.out.toStdString();
    EXPECT_EQ(fields[0], QStringLiteral("1"));
    EXPECT_EQ(fields[1], QStringLiteral("Ann"));
    EXPECT_EQ(fields[2], QStringLiteral("Nightly & <report>"));
    EXPECT_EQ(fields[3], QStringLiteral("nightly.log"));
    EXPECT_EQ(fields[5], QStringLiteral("Unread"));

    const CliRun shown = cli({QStringLiteral("--profile"), p.bob, QStringLiteral("show"), QStringLiteral("1")});
    const QString kept = attachmentFiles(shown.out).value(QStringLiteral("nightly.log"));
    EXPECT_EQ(corvane::test::readFile(kept).size(), 10000);
    EXPECT_EQ(shown.out, QStringLiteral("From: Ann\nTo: Bob\nSubject: Nightly & <report>\nDate: %1\n"
                                        "Attachments: nightly.log\nAttachment: nightly.log\t%3\n\n%2\n")
                             .arg(fields[4], QString::fromUtf8("All green. Grüße\n•\tBuild\n•\tTests"), kept));
    const CliRun rtf = cli({QStringLiteral("--profile"), p.bob, QStringLiteral("show"), QStringLiteral("1"),
                         QStringLiteral("--rtf")});
    EXPECT_TRUE(rtf.out.contains(QStringLiteral("{\\rtf1"))) << rtf.out.toStdString();
    EXPECT_EQ(cli({QStringLiteral("--profile"), p.bob, QStringLiteral("list")}).out, listed.out)
        << "show does not mark the message read";

    const CliRun sentList = cli({QStringLiteral("--profile"), p.ann, QStringLiteral("list"), QStringLiteral("--sent")});
    EXPECT_TRUE(sentList.out.startsWith(QStringLiteral("1\tBob, \tNightly & <report>\tnightly.log, \t")))
        << sentList.out.toStdString();
    EXPECT_TRUE(sentList.out.endsWith(QStringLiteral("\tPicked up\n"))) << "Bob took the message in";
    // Sent Items keep the full path of each attachment; show names the file.
    const CliRun sentShown = cli({QStringLiteral("--profile"), p.ann, QStringLiteral("show"), QStringLiteral("--sent"),
                                  QStringLiteral("1")});
    EXPECT_TRUE(sentShown.out.contains(QStringLiteral("\nAttachments: nightly.log\n"))) << sentShown.out.toStdString();

    // Bob forwards the message to Ann: it carries the file Bob's reader opens.
    ASSERT_EQ(cli({QStringLiteral("--profile"), p.bob, QStringLiteral("address"), QStringLiteral("add"),
                   QStringLiteral("--name"), QStringLiteral("Ann"), QStringLiteral("--inbox"), p.annInbox})
                  .exitCode,
              0);
    const CliRun forwarded = cli({QStringLiteral("--profile"), p.bob, QStringLiteral("forward"), QStringLiteral("1"),
                                  QStringLiteral("--to"), QStringLiteral("Ann"), QStringLiteral("--body"),
                                  QStringLiteral("FYI")});
    EXPECT_EQ(forwarded.exitCode, 0) << forwarded.err.toStdString();
    EXPECT_EQ(cli({QStringLiteral("--profile"), p.ann, QStringLiteral("check")}).out, QStringLiteral("1 new\n"));
    const CliRun annShown = cli({QStringLiteral("--profile"), p.ann, QStringLiteral("show"), QStringLiteral("1")});
    EXPECT_TRUE(annShown.out.contains(QStringLiteral("Subject: FW: Nightly & <report>\n"))) << annShown.out.toStdString();
    EXPECT_TRUE(annShown.out.contains(QStringLiteral("FYI\n\n-----------------\nOriginal Message\nFrom: Ann\n")))
        << annShown.out.toStdString();
    EXPECT_EQ(corvane::test::readFile(attachmentFiles(annShown.out).value(QStringLiteral("nightly.log"))),
              QByteArray(10000, 'x'));
}

TEST(CorvaneCli, ListAndShowPrintOthersControlCharactersVisibly)
{
    TwoProfiles p;
    // As a peer's message file carried them: a subject with a newline and a tab, a sender name
    // that would clear the screen and retitle the terminal, a body that would too.
    QByteArray message = corvane::test::inboxMessage(QStringLiteral("\x1b]0;owned\x07" "Eve\x1b[2J"),
                                                     QStringLiteral("line1\n2\tcol"));
    message.replace("\n", "&#10;").replace("\t", "&#9;").replace("\x1b", "&#27;").replace("\x07", "&#7;");
    message.replace("{\\rtf1 Hello}", "{\\rtf1 Hello\x1b[2J}");
    corvane::test::writeFile(p.bob + QStringLiteral("InBox.cvi"), corvane::test::inboxStore({message}));

    const CliRun listed = cli({QStringLiteral("--profile"), p.bob, QStringLiteral("list")});
    ASSERT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    ASSERT_EQ(listed.out.count(u'\n'), 1) << listed.out.toStdString();
    const QStringList fields = listed.out.chopped(1).split(u'\t');
    ASSERT_EQ(fields.size(), 6) << listed.out.toStdString();
    EXPECT_EQ(fields[1], QStringLiteral("\\x1b]0;owned\\x07Eve\\x1b[2J"));
    EXPECT_EQ(fields[2], QStringLiteral("line1\\n2\\tcol"));

    for (const bool rtf : {false, true}) {
        QStringList arguments{QStringLiteral("--profile"), p.bob, QStringLiteral("show"), QStringLiteral("1")};
        if (rtf)
            arguments.append(QStringLiteral("--rtf"));
        const CliRun shown = cli(arguments);
        EXPECT_EQ(shown.exitCode, 0) << shown.err.toStdString();
        EXPECT_FALSE(shown.out.contains(u'\x1b')) << shown.out.toStdString();
        EXPECT_FALSE(shown.out.contains(u'\x07')) << shown.out.toStdString();
        EXPECT_TRUE(shown.out.contains(QStringLiteral("\nSubject: line1\\n2\\tcol\n"))) << shown.out.toStdString();
    }
}

// A send that reaches nobody, or fails on the way, exits with 1 and says why on stderr.
TEST(CorvaneCli, ASendThatFailsExitsWithOneAndSaysWhy)
{
    struct Case
    {
        const char *what;
        bool saysSent; // "Messages Sent" on stdout: a folder took the message
        // Sets up the profiles and gives the send's arguments after "--to", and the error text.
        std::function<std::pair<QStringList, QString>(TwoProfiles &)> prepare;
    };
    const Case cases[] = {
        {"nobody to send to", false,
         [](TwoProfiles &) {
             return std::pair{QStringList{QStringLiteral("Nobody")}, QStringLiteral("Nobody is not in your address book.")};
         }},
        {"a name that differs from an entry's in case", true,
         [](TwoProfiles &p) {
             EXPECT_EQ(p.annAddsBob(p.bobInbox), 0);
             return std::pair{QStringList{QStringLiteral("Bob"), QStringLiteral("--to"), QStringLiteral("bob"), QStringLiteral("--body"),
                                          QStringLiteral("x")},
                              QStringLiteral("bob is not in your address book: did you mean Bob?")};
         }},
        {"a target that cannot be written", false,
         [](TwoProfiles &p) {
             // A folder that exists but where nobody, not even root, may create files.
             EXPECT_EQ(p.annAddsBob(QStringLiteral("/proc/self/")), 0);
             return std::pair{QStringList{QStringLiteral("Bob"), QStringLiteral("--body"), QStringLiteral("x")},
                              QStringLiteral("An error occurred sending to Bob")};
         }},
        {"an attachment that cannot be copied", true,
         [](TwoProfiles &p) {
             EXPECT_EQ(p.annAddsBob(p.bobInbox), 0);
             // A file whose every read fails with an I/O error, even for root.
             const QString attachment = p.temp.file(QStringLiteral("report.txt"));
             EXPECT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), attachment));
             return std::pair{QStringList{QStringLiteral("Bob"), QStringLiteral("--body"), QStringLiteral("x"),
                                          QStringLiteral("--attach"), attachment},
                              QStringLiteral("Unable to copy %1").arg(attachment)};
         }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TwoProfiles p;
        const auto [args, error] = c.prepare(p);
        const CliRun run = cli(QStringList{QStringLiteral("--profile"), p.ann, QStringLiteral("send"),
                                           QStringLiteral("--to")} + args);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(error)) << run.err.toStdString();
        EXPECT_EQ(run.out.isEmpty(), !c.saysSent) << run.out.toStdString();
        EXPECT_FALSE(QFile::exists(p.bobInbox + QStringLiteral("report.txt")));
    }
}

TEST(CorvaneCli, UsageErrorsExitWithTwoAndTheUsage)
{
    for (const QStringList &args : {QStringList{}, QStringList{QStringLiteral("fly")},
                                    QStringList{QStringLiteral("show"), QStringLiteral("x")},
                                    QStringList{QStringLiteral("spell")},
                                    QStringList{QStringLiteral("send"), QStringLiteral("--subject"), QStringLiteral("s")}}) {
        const CliRun run = cli(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("Usage: corvane-cli"))) << run.err.toStdString();
    }
}

TEST(CorvaneCli, EachCommandsHelpPrintsItsUsageAndTheVersionIsShown)
{
    for (const char *command : {"send", "check", "list", "show", "delete", "compact", "address", "spell", "init"}) {
        const QString name = QLatin1String(command);
        // Whatever else is given, --help wins.
        const CliRun run = cli({name, QStringLiteral("--sent"), QStringLiteral("--help")});
        EXPECT_EQ(run.exitCode, 0) << command;
        EXPECT_TRUE(run.out.contains(QStringLiteral("\n  ") + name + u' ')) << run.out.toStdString();
        // Only that command's entry: no other line starts with a command.
        const QRegularExpression entry(QStringLiteral("^  \\S"), QRegularExpression::MultilineOption);
        EXPECT_EQ(run.out.count(entry), name == u"address" ? 3 : 1) << run.out.toStdString();
    }
    EXPECT_EQ(cli({QStringLiteral("fly"), QStringLiteral("--help")}).exitCode, 2);
    const CliRun version = cli({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith(QStringLiteral("corvane-cli 3."))) << version.out.toStdString();
}

TEST(CorvaneCli, InitWritesAProfileTheToolUsesAndRefusesPlaceholders)
{
    TempFolder temp;
    const QString inbox = temp.subfolder(QStringLiteral("share/ann"));
    const QString profile = temp.file(QStringLiteral("new-profile"));
    const QString data = temp.file(QStringLiteral("data"));
    const auto init = [&](const QString &name, const QString &folder, const QStringList &more = {}) {
        return cli(QStringList{QStringLiteral("--profile"), profile, QStringLiteral("init"), QStringLiteral("--name"),
                               name, QStringLiteral("--inbox"), folder} + more);
    };
    const struct
    {
        QString name;
        QString inbox;
        const char *error;
    } refused[] = {
        {QStringLiteral("Unknown"), inbox, "--name"},
        {QStringLiteral(" "), inbox, "--name"},
        {QStringLiteral("../ann"), inbox, "--name"},
        {QStringLiteral("Ann"), QStringLiteral("---pick a shared folder---"), "--inbox"},
        {QStringLiteral("Ann"), temp.file(QStringLiteral("share/none")), "does not exist"},
    };
    for (const auto &c : refused) {
        const CliRun run = init(c.name, c.inbox);
        EXPECT_EQ(run.exitCode, 1) << c.error;
        EXPECT_TRUE(run.err.contains(QLatin1String(c.error))) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(profile + QStringLiteral("/main.ini")));
    }

    const CliRun made = init(QStringLiteral("Ann"), inbox, {QStringLiteral("--data"), data});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    const CliRun check = cli({QStringLiteral("--profile"), profile, QStringLiteral("check")});
    EXPECT_EQ(check.exitCode, 0) << check.err.toStdString();
    EXPECT_TRUE(QFile::exists(data + QStringLiteral("/InBox.cvi")));
    const QByteArray ini = corvane::test::readFile(profile + QStringLiteral("/main.ini"));
    EXPECT_TRUE(ini.contains("Name=Ann")) << ini.constData();
    EXPECT_FALSE(ini.contains("//")) << ini.constData();

    const CliRun again = init(QStringLiteral("Bob"), inbox);
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains(QStringLiteral("--force"))) << again.err.toStdString();
    EXPECT_EQ(init(QStringLiteral("Bob"), inbox, {QStringLiteral("--force")}).exitCode, 0);
    EXPECT_TRUE(corvane::test::readFile(profile + QStringLiteral("/main.ini")).contains("Name=Bob"));
}

TEST(CorvaneCli, ALockedProfileRefusesWritesButStillReads)
{
    TwoProfiles p;
    corvane::shell::ProfileLock window(p.ann);
    ASSERT_TRUE(window.tryLock());
    const CliRun run = cli({QStringLiteral("--profile"), p.ann, QStringLiteral("check")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("in use by another copy of Corvane"))) << run.err.toStdString();
    EXPECT_EQ(cli({QStringLiteral("--profile"), p.ann, QStringLiteral("list")}).exitCode, 0);
}

TEST(CorvaneCli, AStoreAnotherInstallationHoldsRefusesWritesWithTheFolder)
{
    TwoProfiles p;
    // Another machine has the inbox store of Ann's profile open.
    corvane::platform::SessionLock other(corvane::shell::StoreLocks::lockPathFor(p.ann + QStringLiteral("InBox.cvi")));
    ASSERT_EQ(other.take(), corvane::platform::SessionLock::Outcome::Taken);
    const CliRun run = cli({QStringLiteral("--profile"), p.ann, QStringLiteral("check")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("read-only"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QDir::toNativeSeparators(QDir::cleanPath(p.ann)))) << run.err.toStdString();
}

#ifdef Q_OS_UNIX
// The tool says so on standard error, as the window does in its status bar.
TEST(CorvaneCli, AProfileOthersCanReadIsNamedOnStandardError)
{
    TwoProfiles p;
    const QString warning = QStringLiteral("Other users of this computer can read");
    QFile::setPermissions(p.ann, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const CliRun check = cli({QStringLiteral("--profile"), p.ann, QStringLiteral("check")});
    EXPECT_EQ(check.exitCode, 0) << check.err.toStdString();
    EXPECT_FALSE(check.err.contains(warning)) << check.err.toStdString();

    QFile::setPermissions(p.ann + QStringLiteral("InBox.cvi"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    const CliRun list = cli({QStringLiteral("--profile"), p.ann, QStringLiteral("list")});
    EXPECT_EQ(list.exitCode, 0);
    EXPECT_EQ(list.err.count(warning), 1) << list.err.toStdString();
    EXPECT_TRUE(list.err.contains(QDir::toNativeSeparators(p.ann + QStringLiteral("InBox.cvi")))) << list.err.toStdString();
}
#endif

TEST(CorvaneCli, CompactGivesBackTheBlanksAlsoWhenOpeningStartedTheCompaction)
{
    TwoProfiles p;
    // Blanks left by deletions, past the share at which opening the store compacts it by itself.
    const QString store = p.ann + QStringLiteral("InBox.cvi");
    corvane::test::writeFile(store, "<?xml version=\"1.0\"?><Inbox><Messages><Message Read=\"Unread\"><From Name=\"Bob\"/>"
                                    "<Subject Text=\"kept\"/></Message>"
                                        + QByteArray(4000, ' ') + "</Messages></Inbox>");
    const CliRun run = cli({QStringLiteral("--profile"), p.ann, QStringLiteral("compact")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("Compacted"))) << run.out.toStdString();
    EXPECT_LT(QFile(store).size(), 1000);
    EXPECT_TRUE(cli({QStringLiteral("--profile"), p.ann, QStringLiteral("list")}).out.contains(QStringLiteral("kept")));
}

TEST(CorvaneCli, TheShippedToolIgnoresTheCrashTestsByteLimit)
{
    TwoProfiles p;
    const QString store = p.ann + QStringLiteral("InBox.cvi");
    corvane::test::writeFile(store, "<?xml version=\"1.0\"?><Inbox><Messages>"
                                    "<Message Read=\"Unread\"><From Name=\"Bob\"/><Subject Text=\"gone\"/></Message>"
                                    "<Message Read=\"Unread\"><From Name=\"Bob\"/><Subject Text=\"kept\"/></Message>"
                                    "</Messages></Inbox>");
    // With the test hooks, the deletion's journaled write would end the process at its first byte.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("CORVANE_TEST_EXIT_AFTER_BYTES"), QStringLiteral("0"));
    const CliRun run = cli({QStringLiteral("--profile"), p.ann, QStringLiteral("delete"), QStringLiteral("1")}, environment);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString listed = cli({QStringLiteral("--profile"), p.ann, QStringLiteral("list")}).out;
    EXPECT_FALSE(listed.contains(QStringLiteral("gone"))) << listed.toStdString();
    EXPECT_TRUE(listed.contains(QStringLiteral("kept"))) << listed.toStdString();
}

TEST(CorvaneCli, FailuresSayWhatIsWrong)
{
    TwoProfiles p;
    const CliRun noProfile = cli({QStringLiteral("--profile"), p.temp.file(QStringLiteral("none")), QStringLiteral("list")});
    EXPECT_EQ(noProfile.exitCode, 1);
    EXPECT_TRUE(noProfile.err.contains(QStringLiteral("does not exist")));

    const CliRun badName = cli({QStringLiteral("--profile"), p.ann, QStringLiteral("address"), QStringLiteral("add"),
                             QStringLiteral("--name"), QStringLiteral("../evil"), QStringLiteral("--inbox"), p.bobInbox});
    EXPECT_EQ(badName.exitCode, 1);
    EXPECT_TRUE(badName.err.contains(QStringLiteral("cannot be used")));

    EXPECT_EQ(cli({QStringLiteral("--profile"), p.ann, QStringLiteral("show"), QStringLiteral("3")}).exitCode, 1);
    EXPECT_EQ(cli({QStringLiteral("--profile"), p.ann, QStringLiteral("address"), QStringLiteral("remove"),
                   QStringLiteral("1")}).exitCode,
              1);

    corvane::test::writeFile(p.bob + QStringLiteral("main.ini"), "[Settings]\r\nName=Bob\r\n");
    const CliRun notReady = cli({QStringLiteral("--profile"), p.bob, QStringLiteral("check")});
    EXPECT_EQ(notReady.exitCode, 1);
    EXPECT_TRUE(notReady.err.contains(QStringLiteral("Your inbox folder"))) << notReady.err.toStdString();
    EXPECT_TRUE(notReady.err.contains(QStringLiteral("Set MyDest in the [Destination] section"))) << notReady.err.toStdString();
    EXPECT_FALSE(QFile::exists(p.bob + QStringLiteral("InBox.cvi"))) << "nothing is created when not ready";
}

TEST(CorvaneCli, SpellListsUnknownWordsWithSuggestionsFromTheProfilesDictionaries)
{
    TempFolder temp;
    const QString profile = temp.subfolder(QStringLiteral("profile"));
    temp.write(QStringLiteral("main.dic"), "the world word whirled is");
    temp.write(QStringLiteral("profile/Custom.dic"), "Corvane\r\nwrld\r\n");
    corvane::test::writeFile(profile + QStringLiteral("main.ini"),
                             "[Spelling]\r\nMain Dictionary=" + temp.file(QStringLiteral("main.dic")).toUtf8()
                                 + "\r\nCustom Dictionary=" + profile.toUtf8() + "Custom.dic\r\nMax Sugestions=2\r\n");
    temp.write(QStringLiteral("good.txt"), "Corvane is the world.");
    temp.write(QStringLiteral("bad.txt"), "The wurld is\r\nthe (wurld).");
    temp.write(QStringLiteral("bad.rtf"), "{\\rtf1\\ansi {\\b The} wurld\\par is}");

    const auto spell = [&](const char *file) {
        return cli({QStringLiteral("--profile"), profile, QStringLiteral("spell"), temp.file(QLatin1String(file))});
    };
    EXPECT_EQ(spell("good.txt").exitCode, 0);
    const CliRun bad = spell("bad.txt");
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.out, QStringLiteral("4\twurld\tworld, whirled\n19\twurld)\tworld, whirled\n"));
    const CliRun rtf = spell("bad.rtf");
    EXPECT_EQ(rtf.exitCode, 1);
    EXPECT_EQ(rtf.out, QStringLiteral("4\twurld\tworld, whirled\n"));
    EXPECT_EQ(corvane::test::readFile(profile + QStringLiteral("Custom.dic")), QByteArray("Corvane\r\nwrld\r\n"));
}

} // namespace
