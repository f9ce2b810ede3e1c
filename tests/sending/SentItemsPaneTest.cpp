// The rows the Sent Items pane shows.
#include "sending/widgets/SentItemsPane.h"

#include "support/OpenedStore.h"
#include "support/QtPrinters.h"
#include "support/StoreTexts.h"
#include "support/Strings.h"

#include "sending/SentStore.h"

#include <gtest/gtest.h>

using corvane::sending::sentRows;
using corvane::test::strings;

namespace {

TEST(SentRows, CarryTheNumberFirstAndTheRecipientsAndFilesAsStored)
{
    const corvane::test::OpenedStore<corvane::sending::SentStore> sent(corvane::test::sentStore(
        {corvane::test::sentMessage({QStringLiteral("Bob"), QStringLiteral("Cid")}, QStringLiteral("Plans"),
                                    {QStringLiteral("/home/ann/plan.pdf")}, QStringLiteral("3/4/2026 9:00:00 AM"))}));
    EXPECT_EQ(sentRows(sent.store),
              QList<QStringList>{strings({"1", "Bob, Cid, ", "Plans", "plan.pdf, ", "3/4/2026 9:00:00 AM", ""})});
}

} // namespace
