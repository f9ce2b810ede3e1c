#include "core/MessageXml.h"

#include "platform/XmlDocument.h"

#include <gtest/gtest.h>

using namespace corvane;

namespace {

core::Message markupMessage()
{
    core::Message message;
    message.to = {QStringLiteral("Bob & <Co>"), QStringLiteral("Élise \"E\"")};
    message.from = QStringLiteral("Ann's <desk>");
    message.subject = QStringLiteral("a < b && c > \"d\" ]]> \t'e'");
    message.attachments = {{QStringLiteral("r&d <1>.doc"), QString()}, {QStringLiteral("b.txt"), QString()}};
    message.date = QStringLiteral("07.12.2026 13:05:00");
    message.bodyRtf = QStringLiteral("{\\rtf1\\ansi <b>&amp; \\par ]]> }\n");
    return message;
}

// What is written is read back unchanged, markup characters included, through the bytes of a file.
TEST(Message, AMessageFileRoundTripsThroughItsBytes)
{
    const core::MessageFile written{markupMessage(), true, false,
                                    QStringLiteral("{6F9619FF-8B86-D011-B42D-00C04FC964FF}"), QStringLiteral("3.0.0.0")};
    core::ParsedMessageFile reread;
    reread.loadFromBytes(core::messageFileBytes(written), QStringLiteral("round trip"));
    EXPECT_EQ(reread.read(), written);

    core::MessageFile headers = written;
    headers.message->bodyRtf.clear();
    EXPECT_EQ(reread.read(core::MessageParts::WithoutBody), headers);
}

// A store's copy carries its GUID on the Message; Sent Items name attachments by their full path.
TEST(Message, AStoredMessageKeepsItsGuidAndShowsAttachmentsByName)
{
    core::Message sent = markupMessage();
    sent.guid = QStringLiteral("{00000000-0000-0000-0000-000000000000}");
    sent.attachments = {{QString(), QStringLiteral("/home/ann/r&d.doc")}};
    platform::XmlDocument document;
    document.setContent({QStringLiteral("<Sentbox><Messages/></Sentbox>")});
    pugi::xml_node list = document.root().child("Messages");
    core::writeMessage(list.append_child("Message"), sent);
    const core::Message reread = core::readMessage(list.child("Message"));
    EXPECT_EQ(reread, sent);
    EXPECT_EQ(reread.shownAttachmentNames(), QStringList{QStringLiteral("r&d.doc")});
    EXPECT_FALSE(document.toBytes().contains("Filename"));
}

} // namespace
