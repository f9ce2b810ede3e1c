#include "sending/Delivery.h"

#include "core/AttachIni.h"
#include "core/Truth.h"
#include "platform/IniFile.h"
#include "platform/NoReplaceRename.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace corvane;
using namespace corvane::sending;
using core::kFalse;
using core::kTrue;

namespace {

struct AttachmentDeliveryTest : ::testing::Test
{
    test::TempFolder temp;
    QString sources = temp.subfolder(QStringLiteral("sources"));
    QString inbox = temp.subfolder(QStringLiteral("inbox"));
    QString server = temp.subfolder(QStringLiteral("server"));

    void TearDown() override { platform::setNoReplaceWayForTesting(platform::NoReplaceWay::Native); }

    // A source file in a folder of its own, so that two sources may share a name.
    QString source(const QString &name, const QByteArray &content)
    {
        const QString folder = temp.subfolder(QStringLiteral("from%1").arg(++m_sources));
        test::writeFile(folder + name, content);
        return folder + name;
    }
    // Sends a message with the files attached, as SendAction builds it.
    DeliveryReport send(const addressbook::RecipientList &targets, const QStringList &paths,
                        const QStringList &names = {QStringLiteral("Ann")})
    {
        core::MessageFile file;
        file.message.emplace();
        file.message->from = QStringLiteral("Ann");
        for (const QString &path : paths)
            file.message->attachments.append({QFileInfo(path).fileName(), {}});
        return SendExecute(core::messageFileBytes(file), names, targets, {file, paths});
    }
    // The Filename of each attachment the message file names.
    static QStringList namedIn(const QString &messageFile)
    {
        core::ParsedMessageFile parsed;
        parsed.loadFromBytes(test::readFile(messageFile), messageFile);
        return parsed.read().message->attachmentNames();
    }
    int count(const QString &folder, const QString &key)
    {
        return platform::IniFile(folder + core::kAttachIniFileName).readInteger(core::kAttachmentsSection, key, 0);
    }

private:
    int m_sources = 0;
};

} // namespace

// Two senders' different notes.txt in one personal inbox: neither replaces the other, and each
// message names its own file, whichever way the folder lets names be claimed.
TEST_F(AttachmentDeliveryTest, ASecondFileOfTheSameNameTakesAFreeNameThatItsMessageNames)
{
    for (const platform::NoReplaceWay way : {platform::NoReplaceWay::Native, platform::NoReplaceWay::Unsupported}) {
        platform::setNoReplaceWayForTesting(way);
        test::TempFolder folder;
        const QString bob = folder.path();
        folder.write(QStringLiteral("readme"), "older");
        const addressbook::RecipientList target{{QStringLiteral("Bob"), bob, kFalse}};
        for (const QByteArray content : {"from Ann", "from Dave", "from Eve"})
            EXPECT_TRUE(send(target, {source(QStringLiteral("notes.txt"), content),
                                      source(QStringLiteral("readme"), content)}).complete());

        const QStringList expected[] = {{QStringLiteral("notes.txt"), QStringLiteral("readme (2)")},
                                        {QStringLiteral("notes (2).txt"), QStringLiteral("readme (3)")},
                                        {QStringLiteral("notes (3).txt"), QStringLiteral("readme (4)")}};
        const char *contents[] = {"from Ann", "from Dave", "from Eve"};
        for (int i = 0; i < 3; ++i) {
            const QString message = bob + QStringLiteral("Bob%1.cvm").arg(i + 1);
            EXPECT_EQ(namedIn(message), expected[i]) << int(way);
            for (const QString &name : expected[i])
                EXPECT_EQ(folder.read(name), QByteArray(contents[i])) << name.toStdString();
            EXPECT_EQ(count(bob, expected[i][0]), -1);
        }
        EXPECT_EQ(folder.read(QStringLiteral("readme")), QByteArray("older"));
    }
}

// A relay folder already holding the name (in any letter case) gets the file under a new name
// with its own count, one fetch for each of the send's message files there, all naming it so.
TEST_F(AttachmentDeliveryTest, ARelayFolderCountsTheNameActuallyUsed)
{
    test::writeFile(server + QStringLiteral("NOTES.TXT"), "older");
    platform::IniFile(server + core::kAttachIniFileName)
        .writeInteger(core::kAttachmentsSection, QStringLiteral("NOTES.TXT"), 1);
    const DeliveryReport report = send({{QStringLiteral("Relay"), server, kTrue}, {QStringLiteral("Bob"), inbox, kFalse}},
                                       {source(QStringLiteral("notes.txt"), "new")},
                                       {QStringLiteral("Bob"), QStringLiteral("Carl")});
    EXPECT_TRUE(report.complete());
    EXPECT_EQ(test::readFile(server + QStringLiteral("notes (2).txt")), QByteArray("new"));
    EXPECT_EQ(test::readFile(server + QStringLiteral("NOTES.TXT")), QByteArray("older"));
    EXPECT_EQ(count(server, QStringLiteral("notes (2).txt")), 2);
    EXPECT_EQ(count(server, QStringLiteral("NOTES.TXT")), 1);
    for (const char *message : {"Bob1.cvm", "Carl1.cvm"})
        EXPECT_EQ(namedIn(server + QString::fromUtf8(message)), QStringList{QStringLiteral("notes (2).txt")});
    EXPECT_EQ(namedIn(inbox + QStringLiteral("Bob1.cvm")), QStringList{QStringLiteral("notes.txt")});
}

// A message whose files all keep their names is written as it was made, byte for byte.
TEST_F(AttachmentDeliveryTest, TheDocumentIsUnchangedWhenNoNameChanges)
{
    const QByteArray document = "<Corvane><Message><Attachments><Attachment Filename=\"a.doc\"/></Attachments></Message></Corvane>";
    const QString a = source(QStringLiteral("a.doc"), "a");
    core::MessageFile file;
    file.message.emplace();
    file.message->attachments.append({QStringLiteral("a.doc"), {}});
    EXPECT_TRUE(SendExecute(document, {QStringLiteral("Ann")}, {{QStringLiteral("Bob"), inbox, kFalse}}, {file, {a}}).complete());
    EXPECT_EQ(test::readFile(inbox + QStringLiteral("Bob1.cvm")), document);
}

// An Attach.ini that cannot be read (here a folder of that name) is no fault in a personal inbox,
// where it would only hold -1, and costs no waiting; in a relay folder its counts matter.
TEST_F(AttachmentDeliveryTest, AnUnreadableAttachIniFailsOnlyARelaySend)
{
    for (const bool relay : {false, true}) {
        test::TempFolder folder;
        ASSERT_TRUE(QDir().mkpath(folder.file(core::kAttachIniFileName)));
        QElapsedTimer timer;
        timer.start();
        const DeliveryReport report = send({{QStringLiteral("Bob"), folder.path(), relay ? kTrue : kFalse}},
                                           {source(QStringLiteral("notes.txt"), "n")});
        EXPECT_EQ(report.attachmentFailures.size(), relay ? 1 : 0) << report.attachmentFailures.join(u'\n').toStdString();
        EXPECT_EQ(folder.read(QStringLiteral("notes.txt")), QByteArray("n"));
        EXPECT_EQ(report.written.size(), 1);
        if (!relay)
            EXPECT_LT(timer.elapsed(), 1000);
    }
}

// A file that cannot be read is reported; the others still arrive, and the message is written
// naming the missing file by its own name.
TEST_F(AttachmentDeliveryTest, AFileThatCannotBeCopiedIsReportedAndTheMessageStillWritten)
{
    const QString missing = sources + QStringLiteral("missing.doc");
    const DeliveryReport report = send({{QStringLiteral("Bob"), inbox, kFalse}},
                                       {missing, source(QStringLiteral("b.doc"), "b")});
    ASSERT_EQ(report.attachmentFailures.size(), 1);
    EXPECT_TRUE(report.attachmentFailures[0].contains(QDir::toNativeSeparators(missing)));
    EXPECT_TRUE(report.failedTargets.isEmpty());
    EXPECT_FALSE(report.complete());
    EXPECT_EQ(namedIn(inbox + QStringLiteral("Bob1.cvm")), (QStringList{QStringLiteral("missing.doc"), QStringLiteral("b.doc")}));
    EXPECT_EQ(test::readFile(inbox + QStringLiteral("b.doc")), QByteArray("b"));
    EXPECT_FALSE(QFile::exists(inbox + QStringLiteral("missing.doc")));
}
