// Which file a stored message's attachment is, when a colleague (Mal) can drop files and crafted
// message files into Bob's inbox folder and the relay folder.
#include "MailWorld.h"

#include "support/EventWait.h"
#include "support/StoreTexts.h"

#include "core/AttachIni.h"
#include "platform/Guid.h"
#include "platform/IniFile.h"

#include <QDateTime>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace corvane;
using corvane::test::MailWorld;

namespace {

struct Sent
{
    QString subject;
    std::optional<QString> guid; // none: an older peer's file, without GUID
    QStringList attachments;
    QByteArray messageAttributes; // written by the sender on Message
    bool active = false;
};

QByteArray messageFile(const Sent &sent)
{
    QByteArray files;
    for (const QString &name : sent.attachments)
        files += "<Attachment Filename=\"" + name.toUtf8() + "\"/>";
    const QByteArray guid = sent.guid ? " GUID=\"" + sent.guid->toUtf8() + "\"" : QByteArray();
    return "<?xml version=\"1.0\"?><Corvane><Message" + sent.messageAttributes
        + "><To><Recipient Name=\"Bob\"/></To><From Name=\"Mal\"/><Subject Text=\"" + sent.subject.toUtf8()
        + "\"/><Attachments>" + files + "</Attachments><Date Value=\"1/2/2026 10:00:00\"/><Body>{\\rtf1 x}</Body>"
          "</Message><System Active=\"" + (sent.active ? "True" : "False") + "\"" + guid
        + "><Version Number=\"3.0.0.0\"/></System></Corvane>";
}

struct AttachmentClaimsTest : ::testing::Test
{
    MailWorld world;
    test::MailUser &bob = *world.bob;

    void drop(const QString &folder, const QString &name, const QByteArray &content)
    {
        test::writeFile(folder + name, content);
    }
    receiving::CheckResult check()
    {
        const receiving::CheckResult result = bob.checkMail();
        EXPECT_TRUE(test::waitForCopies(bob.copies));
        return result;
    }
    // What the reader opens for the attachment; empty when it shows it missing.
    QByteArray opened(int position, const QString &name) const
    {
        const QString path = bob.attachmentFile(position, name);
        return QFileInfo(path).isFile() ? test::readFile(path) : QByteArray();
    }
    // A store as a copy from before attachments were kept per message left it, read again.
    void storedBefore(const QList<QByteArray> &messages)
    {
        test::writeFile(bob.inbox.fileName(), test::inboxStore(messages));
        bob.inbox.open(bob.inbox.fileName());
    }
    // Sets when attachments began to be kept per message in Bob's profile.
    void keptSince(const QDateTime &when)
    {
        const QString file = receiving::keptSinceFile(bob.settings.inboxData);
        QDir().mkpath(QFileInfo(file).path());
        test::writeFile(file,
                        when.toUTC().toString(Qt::ISODateWithMs).toUtf8());
    }
};

} // namespace

// A file left in the inbox folder for one message never goes to another message that names it:
// neither moved into that message's folder nor opened for it.
TEST_F(AttachmentClaimsTest, AFileLeftForOneMessageIsNeverHandedToAnotherThatNamesIt)
{
    const QString salaries = QStringLiteral("salaries.xls");
    struct Case
    {
        const char *what;
        bool storedBeforeKeeping; // Ann's message was stored by an older copy, else taken in now
    } cases[] = {{"an older peer's message without GUID, taken in now", false},
                 {"a message stored before attachments were kept per message", true}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        drop(world.bobInbox, salaries, "Ann's salaries");
        if (c.storedBeforeKeeping) {
            storedBefore({test::inboxMessage(QStringLiteral("Ann"), QStringLiteral("Salaries"), {salaries})});
        } else {
            storedBefore({});
            drop(world.bobInbox, QStringLiteral("Bob1.cvm"), messageFile({QStringLiteral("Salaries"), std::nullopt, {salaries}}));
            check();
        }
        drop(world.bobInbox, QStringLiteral("Bob1.cvm"), messageFile({QStringLiteral("Mine"), platform::newGuidText(), {salaries}}));
        EXPECT_EQ(check().stored, 1);
        ASSERT_EQ(bob.storedSubjects(), (QStringList{QStringLiteral("Salaries"), QStringLiteral("Mine")}));
        EXPECT_EQ(opened(0, salaries), QByteArray("Ann's salaries"));
        EXPECT_EQ(opened(1, salaries), QByteArray()) << "Mal's message sent no file";
    }
}

// A message whose file was not there when it was taken in shows it missing, also once a file of
// that name appears; a message stored before attachments were kept per message still opens the
// inbox folder's older files, but none written since.
TEST_F(AttachmentClaimsTest, AMissingFileIsNeverAdoptedLater)
{
    drop(world.bobInbox, QStringLiteral("old.doc"), "Ann's old file");
    storedBefore({test::inboxMessage(QStringLiteral("Ann"), QStringLiteral("Old"), {QStringLiteral("old.doc")}),
                  test::inboxMessage(QStringLiteral("Ann"), QStringLiteral("Old too"), {QStringLiteral("gone.pdf")})});
    keptSince(QDateTime::currentDateTimeUtc().addSecs(3600));
    EXPECT_EQ(opened(0, QStringLiteral("old.doc")), QByteArray("Ann's old file"));
    drop(world.bobInbox, QStringLiteral("Bob1.cvm"),
         messageFile({QStringLiteral("Report"), platform::newGuidText(), {QStringLiteral("report.pdf")}}));
    check();
    ASSERT_EQ(bob.inbox.count(), 3);
    EXPECT_EQ(opened(2, QStringLiteral("report.pdf")), QByteArray());

    // Files written since attachments are kept per message.
    keptSince(QDateTime::currentDateTimeUtc().addSecs(-3600));
    drop(world.bobInbox, QStringLiteral("report.pdf"), "Mal's report");
    drop(world.bobInbox, QStringLiteral("gone.pdf"), "Mal's gone");
    EXPECT_EQ(opened(2, QStringLiteral("report.pdf")), QByteArray());
    EXPECT_EQ(opened(1, QStringLiteral("gone.pdf")), QByteArray());
}

// The store sets its own attributes: what a sender wrote on Message under their names never
// chooses the message's identity, its read mark or its attachments' folder.
TEST_F(AttachmentClaimsTest, WhatASenderWritesOnMessageNeverPicksAnotherMessagesFiles)
{
    const QString salaries = QStringLiteral("salaries.xls");
    const QString annsFile = world.temp.file(salaries);
    test::writeFile(annsFile, "Ann's salaries");
    world.ann->sendMail({QStringLiteral("Bob")}, QStringLiteral("Salaries"), {annsFile});
    ASSERT_TRUE(test::waitForCopies(world.ann->copies));
    check();
    const QString anns = world.ann->outgoing.guidText();
    ASSERT_EQ(bob.inbox.message(0).guid, anns);
    ASSERT_EQ(opened(0, salaries), QByteArray("Ann's salaries"));

    const QByteArray claimed = " GUID=\"" + anns.toUtf8() + "\" Read=\"Read\" AttachmentFolder=\"" + anns.toUtf8() + "\"";
    const QString mals = platform::newGuidText();
    drop(world.bobInbox, QStringLiteral("Bob1.cvm"), messageFile({QStringLiteral("no GUID"), std::nullopt, {salaries}, claimed}));
    drop(world.bobInbox, QStringLiteral("Bob2.cvm"), messageFile({QStringLiteral("own GUID"), mals, {salaries}, claimed}));
    EXPECT_EQ(check().stored, 2);
    ASSERT_EQ(bob.inbox.count(), 3);
    EXPECT_EQ(bob.inbox.message(1).guid, std::nullopt);
    EXPECT_EQ(bob.inbox.message(2).guid, mals);
    for (int position : {1, 2}) {
        EXPECT_EQ(bob.inbox.rowAt(position).read, receiving::kUnread) << position;
        EXPECT_EQ(opened(position, salaries), QByteArray()) << position;
    }
    EXPECT_EQ(opened(0, salaries), QByteArray("Ann's salaries"));
}

// A message without GUID fetched from the relay folder never replaces a file of that name in the
// inbox folder that a stored message opens; it keeps the file sent for it.
TEST_F(AttachmentClaimsTest, AFetchNeverReplacesAFileInTheInboxFolder)
{
    const QString report = QStringLiteral("report.pdf");
    drop(world.bobInbox, report, "Ann's report");
    storedBefore({test::inboxMessage(QStringLiteral("Ann"), QStringLiteral("Report"), {report})});
    drop(world.server, report, "Mal's report");
    platform::IniFile(world.server + core::kAttachIniFileName).writeInteger(core::kAttachmentsSection, report, 1);
    drop(world.server, QStringLiteral("Bob1.cvm"), messageFile({QStringLiteral("Relayed"), std::nullopt, {report}}));
    EXPECT_EQ(check().stored, 1);
    EXPECT_EQ(test::readFile(world.bobInbox + report), QByteArray("Ann's report"));
    EXPECT_EQ(opened(0, report), QByteArray("Ann's report"));
    EXPECT_EQ(opened(1, report), QByteArray("Mal's report"));
}

// A message that is not stored (Active) found in the own and the relay folder in one check is new
// mail once; the second copy is a duplicate.
TEST_F(AttachmentClaimsTest, AnActiveMessageInTwoFoldersIsNewOnceAndThenADuplicate)
{
    const QByteArray active = messageFile({QStringLiteral("Draft"), platform::newGuidText(), {}, {}, true});
    drop(world.bobInbox, QStringLiteral("Bob1.cvm"), active);
    drop(world.server, QStringLiteral("Bob1.cvm"), active);
    const receiving::CheckResult checked = check();
    EXPECT_TRUE(checked.newMail);
    EXPECT_EQ(checked.stored, 0);
    EXPECT_EQ(checked.duplicates, 1);
    EXPECT_EQ(checked.deleted, 2);
}
