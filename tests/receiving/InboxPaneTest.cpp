// The rows the InBox pane shows.
#include "receiving/widgets/InboxPane.h"

#include "support/QtPrinters.h"
#include "support/StoreTexts.h"
#include "support/Strings.h"

#include "platform/XmlDocument.h"
#include "receiving/InboxStore.h"

#include <gtest/gtest.h>

using corvane::platform::XmlDocument;
using corvane::receiving::inboxRows;
using corvane::test::inboxMessage;
using corvane::test::strings;

namespace {

TEST(InboxRows, NumberTheMessagesAndJoinTheAttachmentNames)
{
    XmlDocument document;
    document.loadFromBytes(corvane::test::inboxStore(
        {inboxMessage(QStringLiteral("Bob"), QStringLiteral("Lunch?")),
         inboxMessage(QStringLiteral("Cid & Co"), QStringLiteral("Files"),
                      {QStringLiteral("a.txt"), QStringLiteral("b.txt")}, QStringLiteral("1/2/2026"),
                      QStringLiteral("Read")),
         "<!-- not a message -->",
         "<Message><Attachments><Attachment Filename=\"only.doc\"/></Attachments></Message>"}));
    const corvane::receiving::InboxStore store(document);
    EXPECT_EQ(inboxRows(store),
              (QList<QStringList>{strings({"1", "Bob", "Lunch?", "", "12/7/2026 12:00:00 PM", "Unread"}),
                                  strings({"2", "Cid & Co", "Files", "a.txt, b.txt", "1/2/2026", "Read"}),
                                  strings({"3", "", "", "only.doc", "", ""})}));

    XmlDocument empty(corvane::receiving::InboxStore::initialContent());
    empty.activate();
    EXPECT_TRUE(inboxRows(corvane::receiving::InboxStore(empty)).isEmpty()) << "a store without Messages";
}

} // namespace
