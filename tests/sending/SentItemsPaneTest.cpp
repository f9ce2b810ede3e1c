// The rows the Sent Items pane shows.
#include "sending/widgets/SentItemsPane.h"

#include "support/QtPrinters.h"
#include "support/StoreTexts.h"
#include "support/Strings.h"

#include "platform/XmlDocument.h"
#include "sending/SentStore.h"

#include <gtest/gtest.h>

using corvane::platform::XmlDocument;
using corvane::sending::sentRows;
using corvane::test::strings;

namespace {

TEST(SentRows, CarryTheNumberFirstAndTheRecipientsAndFilesAsStored)
{
    XmlDocument sent;
    sent.loadFromBytes(corvane::test::sentStore(
        {corvane::test::sentMessage({QStringLiteral("Bob"), QStringLiteral("Cid")}, QStringLiteral("Plans"),
                                    {QStringLiteral("/home/ann/plan.pdf")}, QStringLiteral("3/4/2026 9:00:00 AM"))}));
    EXPECT_EQ(sentRows(corvane::sending::SentStore(sent)),
              QList<QStringList>{strings({"1", "Bob, Cid, ", "Plans", "plan.pdf, ", "3/4/2026 9:00:00 AM"})});
}

} // namespace
