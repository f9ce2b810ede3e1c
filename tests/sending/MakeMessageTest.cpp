// Reply, forward and reopen: the compose pane's state built from a stored message.
#include "sending/MakeMessage.h"
#include "sending/OutgoingMessage.h"
#include "sending/SentStore.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace corvane;
using namespace corvane::sending;
using namespace Qt::StringLiterals;

namespace {

// The receiving side's lookup for the message as MakeMessage sees it: a file per name, none for a
// name it refuses.
const ReceivedFile kReceived = [](const QString &name) {
    return name.contains(u'/') ? QString() : QStringLiteral("/data/{G}/%1").arg(name);
};
const QString kBody = QStringLiteral("{\\rtf1 See {\\b you}.\\par}");

// A received message as the inbox store keeps it: the message file's Message element.
StoredMessage received(const QString &subject, const QStringList &attachmentNames)
{
    core::Message message;
    message.to = {QStringLiteral("Ann"), QStringLiteral("Bob")};
    message.from = QStringLiteral("Carol");
    message.subject = subject;
    for (const QString &name : attachmentNames)
        message.attachments.append({name, {}});
    message.bodyRtf = kBody;
    return storedMessage(message);
}

} // namespace

TEST(MakeMessage, QuotesTheHeaderByteForByte)
{
    EXPECT_EQ(quotedHeader(received(QStringLiteral("Plans & <dates>"), {})),
              QStringLiteral("-----------------\nOriginal Message\nFrom: Carol\nTo: Ann, Bob, \n"
                             "Subject: Plans & <dates>\n-----------------\n"));
}

TEST(MakeMessage, ReplyAndForwardAddTheirPrefixesAndChooseRecipientsAndAttachments)
{
    const QStringList two{QStringLiteral("a.doc"), QStringLiteral("b c.txt")};
    struct Case
    {
        const char *what;
        MakeMode mode;
        QString subject;
        QStringList attachmentNames;
        QStringList recipients;
        QString madeSubject;
        QStringList attachmentPaths;
    } cases[] = {
        {"reply", MakeMode::Reply, QStringLiteral("Plans"), two, {QStringLiteral("Carol")}, QStringLiteral("RE: Plans"),
         {}},
        {"reply to a reply", MakeMode::Reply, QStringLiteral("RE: Plans"), {}, {QStringLiteral("Carol")},
         QStringLiteral("RE: RE: Plans"), {}},
        {"forward a reply", MakeMode::Forward, QStringLiteral("RE: Plans"), two, {}, QStringLiteral("FW: RE: Plans"),
         QStringList{QStringLiteral("/data/{G}/a.doc"), QStringLiteral("/data/{G}/b c.txt")}},
        {"forward without attachments", MakeMode::Forward, QStringLiteral("FW: x"), {}, {},
         QStringLiteral("FW: FW: x"), {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const StoredMessage message = received(c.subject, c.attachmentNames);
        const MadeMessage made = MakeMessage(message, c.mode, kReceived);
        EXPECT_EQ(made.recipients, c.recipients);
        EXPECT_EQ(made.subject, c.madeSubject);
        EXPECT_EQ(made.attachmentPaths, c.attachmentPaths);
        EXPECT_EQ(made.quotedHeader, quotedHeader(message));
        EXPECT_EQ(made.rtfBody, kBody);
        EXPECT_FALSE(made.notice);
    }
}

TEST(MakeMessage, ForwardLeavesOutNamesThatNameNoReceivedFileAndSaysSo)
{
    const MadeMessage made = MakeMessage(
        received(QStringLiteral("x"), {QStringLiteral("../../secret.txt"), QStringLiteral("ok.txt"),
                                       QStringLiteral("a/b")}),
        MakeMode::Forward, kReceived);
    EXPECT_EQ(made.attachmentPaths, QStringList{QStringLiteral("/data/{G}/ok.txt")});
    ASSERT_TRUE(made.notice);
    EXPECT_TRUE(made.notice->text.contains(QStringLiteral("../../secret.txt\na/b")));
}

TEST(MakeMessage, ReopenRestoresRecipientsSubjectBodyAndFullPathsFromSentItems)
{
    test::TempFolder temp;
    SentStore sent;
    sent.open(SentStore::pathIn(temp.path()));
    OutgoingMessage outgoing;
    const Draft draft{{QStringLiteral("Bob"), QStringLiteral("Bob"), QStringLiteral("Carl")},
                      QStringLiteral("RE: Plans"),
                      {QStringLiteral("/home/ann/a.doc"), QStringLiteral("/tmp/b c.txt")},
                      kBody};
    outgoing.CreateMessageFileExecute(false, draft, {});
    sent.SentboxFill(outgoing.XMLOut, draft.attachmentPaths);

    const MadeMessage made = MakeMessage(storedMessage(sent.message(0)), MakeMode::Reopen);
    EXPECT_EQ(made.recipients, draft.recipients);
    EXPECT_EQ(made.subject, draft.subject);
    EXPECT_EQ(made.attachmentPaths, draft.attachmentPaths);
    EXPECT_EQ(made.rtfBody, kBody);
    EXPECT_TRUE(made.quotedHeader.isEmpty());
}

TEST(MakeMessage, ApplyingMarksTheDraftChangedAndAReplyDropsTheEarlierDraftsAttachments)
{
    OutgoingMessage outgoing;
    Draft draft{{QStringLiteral("Dan")}, QStringLiteral("sent before"), {QStringLiteral("/tmp/report.pdf")}, {}};
    applyToDraft(MakeMessage(received(QStringLiteral("Plans"), {QStringLiteral("a.doc")}), MakeMode::Reply),
                 draft, outgoing);
    EXPECT_EQ(draft.recipients, QStringList{QStringLiteral("Carol")});
    EXPECT_EQ(draft.subject, QStringLiteral("RE: Plans"));
    EXPECT_TRUE(draft.attachmentPaths.isEmpty());
    EXPECT_EQ(draft.revision, 1u);
    EXPECT_TRUE(outgoing.NewGuidNeeded);
}

TEST(MakeMessage, ReplyAllGoesToTheSenderAndEveryOtherRecipientButTheUserOnce)
{
    const struct
    {
        const char *what;
        const char *from;
        QStringList to;
        QStringList expected;
    } cases[] = {
        {"the user among the recipients", "Carol", {u"Ann"_s, u"Bob"_s, u"Dan"_s}, {u"Carol"_s, u"Bob"_s, u"Dan"_s}},
        {"the user's name in another case", "Carol", {u"ANN"_s, u"Bob"_s}, {u"Carol"_s, u"Bob"_s}},
        {"names repeated", "Carol", {u"Bob"_s, u"Carol"_s, u"Bob"_s}, {u"Carol"_s, u"Bob"_s}},
        {"the user's own message", "Ann", {u"Bob"_s, u"Ann"_s}, {u"Bob"_s}},
        {"to themselves alone", "Ann", {u"Ann"_s}, {u"Ann"_s}},
    };
    for (const auto &c : cases) {
        core::Message message;
        message.from = QString::fromLatin1(c.from);
        message.to = c.to;
        EXPECT_EQ(replyAllRecipients(message, u"Ann"_s), c.expected) << c.what;
    }
}
