// The Delivery column of Sent Items follows each recipient's message file from the send until it
// is picked up.
#include "sending/DeliveryWatch.h"
#include "sending/widgets/SentItemsPane.h"

#include "receiving/MailWorld.h"
#include "sortgrid/widgets/SortGrid.h"
#include "support/Finished.h"
#include "ui/widgets/ListSelection.h"

#include <QFile>

#include <gtest/gtest.h>

namespace corvane {
namespace {

using sending::DeliveryWatch;

TEST(DeliveryColumn, WalksFromWaitingAndRelayedToPickedUpAsRecipientsCheck)
{
    test::MailWorld world; // Bob reachable, Carl's folder missing (relayed), Dan in no address book
    sending::SentItemsPane pane(world.ann->sent);
    pane.grid()->setColCount(6);
    const auto cell = [&](int position) {
        const std::optional<int> row = ui::rowOfPosition(*pane.grid(), position);
        return row ? pane.grid()->Cells(5, *row) : QStringLiteral("(no row)");
    };
    // Shows the list, which is complete before any file was looked at; then the looks' answers.
    const auto shownThenLooked = [&](std::initializer_list<int> uncached) {
        pane.showList();
        for (const int position : uncached)
            EXPECT_EQ(cell(position), QString()) << position;
        EXPECT_TRUE(test::nextEmission(pane.deliveryWatch(), &DeliveryWatch::looked));
        QStringList texts;
        for (int position = 0; position < world.ann->sent.count(); ++position)
            texts.append(cell(position));
        return texts;
    };

    ASSERT_TRUE(world.ann->sendMail({QStringLiteral("Bob"), QStringLiteral("Carl"), QStringLiteral("Dan")},
                                    QStringLiteral("Relayed")).delivered);
    EXPECT_EQ(shownThenLooked({0}), QStringList{QStringLiteral("Waiting: Bob; Relayed: Carl, Dan")});

    world.bob->checkMail();
    EXPECT_EQ(shownThenLooked({}), QStringList{QStringLiteral("Relayed: Carl, Dan")});

    // Every inbox of a message found: no relay copy, and Dan's file is never written.
    ASSERT_TRUE(world.ann->sendMail({QStringLiteral("Bob"), QStringLiteral("Dan")}, QStringLiteral("Direct")).delivered);
    EXPECT_EQ(shownThenLooked({1}), (QStringList{QStringLiteral("Relayed: Carl, Dan"),
                                                 QStringLiteral("Waiting: Bob; Not delivered: Dan")}));

    // Carl's share comes back and Carl checks; Bob checks again; a Dan elsewhere takes the relay copy.
    QDir().mkpath(world.carlInbox);
    test::MailUser carl(world.temp, QStringLiteral("Carl"), world.carlInbox);
    carl.addresses.append({QStringLiteral("Relay"), world.server, {}, true});
    carl.checkMail();
    world.bob->checkMail();
    EXPECT_EQ(shownThenLooked({}), (QStringList{QStringLiteral("Relayed: Dan"), QStringLiteral("Not delivered: Dan")}));
    EXPECT_EQ(pane.deliveryWatch().cached(*world.ann->sent.recordId(1)), QStringLiteral("Not delivered: Dan"));

    ASSERT_TRUE(QFile::remove(world.server + QStringLiteral("Dan1.cvm")));
    EXPECT_EQ(shownThenLooked({}), (QStringList{QStringLiteral("Picked up"), QStringLiteral("Not delivered: Dan")}));
    // Once nothing is left to pick up, a refilled list shows the text without looking again.
    world.ann->sent.deleteAt(1);
    pane.showList();
    EXPECT_EQ(cell(0), QStringLiteral("Picked up"));
}

} // namespace
} // namespace corvane
