#include "sending/OutgoingMessage.h"

#include "core/Message.h"
#include "platform/DateText.h"
#include "platform/Guid.h"

#include <gtest/gtest.h>

using namespace corvane;
using namespace corvane::sending;

namespace {

const QDateTime kWhen(QDate(2026, 3, 4), QTime(5, 6, 7));

struct MessageCreationTest : ::testing::Test
{
    OutgoingMessage outgoing;
    addressbook::MailSettings settings;
    int drawn = 0;
    void SetUp() override
    {
        settings.yourName = QStringLiteral("Ann");
        outgoing.setClock([] { return kWhen; });
        outgoing.setGuidSource([this]() -> std::optional<QUuid> {
            ++drawn;
            return QUuid(QStringLiteral("{6f9619ff-8b86-d011-b42d-00c04fc964%1}").arg(drawn, 2, 10, QLatin1Char('0')));
        });
    }
};

} // namespace

TEST_F(MessageCreationTest, BuildsTheMessageFileExactly)
{
    outgoing.NewGuidNeeded = true;
    outgoing.CreateMessageFileExecute(
        false,
        {{QStringLiteral("Bob"), QStringLiteral("Bob")}, QStringLiteral("Hi"),
         {QStringLiteral("/tmp/a.doc"), QStringLiteral("/x/a.doc")}, QStringLiteral("{\\rtf1 <b>&}")},
        settings);
    const QByteArray expected =
        "<?xml version=\"1.0\"?><Corvane><Message><To><Recipient Name=\"Bob\"/><Recipient Name=\"Bob\"/></To>"
        "<From Name=\"Ann\"/><Subject Text=\"Hi\"/><Attachments><Attachment Filename=\"a.doc\"/>"
        "<Attachment Filename=\"a.doc\"/></Attachments><Date Value=\""
        + platform::dateTimeText(kWhen).toUtf8()
        + "\"/><Body>{\\rtf1 &lt;b&gt;&amp;}</Body></Message>"
          "<System Active=\"False\" GUID=\"{6F9619FF-8B86-D011-B42D-00C04FC96401}\"><Version Number=\"3.0.0.0\"/>"
          "</System></Corvane>";
    EXPECT_EQ(core::messageFileBytes(outgoing.XMLOut), expected);
}

TEST_F(MessageCreationTest, EmptyListsAndSubjectStillHaveTheirElements)
{
    outgoing.CreateMessageFileExecute(true, {}, settings);
    const QByteArray bytes = core::messageFileBytes(outgoing.XMLOut);
    EXPECT_TRUE(bytes.contains("<To/><From Name=\"Ann\"/><Subject Text=\"\"/><Attachments/>"));
    EXPECT_TRUE(bytes.contains("Active=\"True\""));
    EXPECT_TRUE(bytes.contains("<Body/>") || bytes.contains("<Body></Body>"));
}

TEST_F(MessageCreationTest, TheIdentifierChangesOnlyAfterAnEdit)
{
    const Draft draft{{QStringLiteral("Bob")}, QStringLiteral("s"), {}, {}};
    outgoing.CreateMessageFileExecute(false, draft, settings);
    EXPECT_EQ(outgoing.XMLOut.guid, QStringLiteral("{00000000-0000-0000-0000-000000000000}"));

    outgoing.NewGuidNeeded = true;
    outgoing.CreateMessageFileExecute(false, draft, settings);
    const QString first = outgoing.XMLOut.guid.value_or(QString());
    outgoing.NewGuidNeeded = false; // the end of a send
    outgoing.CreateMessageFileExecute(false, draft, settings);
    EXPECT_EQ(outgoing.XMLOut.guid, first);

    outgoing.NewGuidNeeded = true;
    outgoing.CreateMessageFileExecute(false, draft, settings);
    EXPECT_NE(outgoing.XMLOut.guid, first);
    EXPECT_EQ(drawn, 2);
}

TEST_F(MessageCreationTest, AnIdentifierThatCannotBeDrawnKeepsThePreviousOne)
{
    outgoing.NewGuidNeeded = true;
    outgoing.CreateMessageFileExecute(false, {}, settings);
    const QUuid before = outgoing.MessageGuid;
    outgoing.setGuidSource([] { return std::optional<QUuid>(); });
    outgoing.CreateMessageFileExecute(false, {}, settings);
    EXPECT_EQ(outgoing.MessageGuid, before);
}

TEST_F(MessageCreationTest, NothingOfAnEarlierMessageSurvivesAndTextsRoundTrip)
{
    outgoing.CreateMessageFileExecute(false, {{QStringLiteral("A"), QStringLiteral("B")}, QStringLiteral("x"),
                                              {QStringLiteral("/f")}, QStringLiteral("body")},
                                      settings);
    settings.yourName = QStringLiteral("O'Neil & <Sons> \"q\"");
    const Draft second{{QStringLiteral("C & <D>")}, QStringLiteral("a < b & \"c\""), {}, QStringLiteral("{\\rtf1 x}")};
    outgoing.CreateMessageFileExecute(false, second, settings);

    core::ParsedMessageFile reread;
    reread.loadFromBytes(core::messageFileBytes(outgoing.XMLOut), QStringLiteral("sent"));
    const core::Message content = *reread.read().message;
    EXPECT_EQ(content.to, second.recipients);
    EXPECT_EQ(content.subject, second.subject);
    EXPECT_EQ(content.from, settings.yourName);
    EXPECT_TRUE(content.attachments.isEmpty());
    EXPECT_EQ(content.bodyRtf, second.rtfBody);
    EXPECT_EQ(platform::parseDateTimeText(content.date), kWhen);
}
