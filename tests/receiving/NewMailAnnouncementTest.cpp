#include "receiving/NewMailAnnouncement.h"

#include <gtest/gtest.h>

using corvane::receiving::ArrivedMessage;
using corvane::receiving::NewMailAnnouncer;

namespace {

TEST(NewMailAnnouncer, NotificationBodyNamesUpToThreeMessagesElseCountsThem)
{
    const ArrivedMessage bob{QStringLiteral("Bob"), QStringLiteral("Lunch")};
    const ArrivedMessage ann{QStringLiteral("Ann"), QString()};
    const struct
    {
        QList<ArrivedMessage> arrived;
        QString body;
    } cases[] = {
        {{}, QString()},
        {{bob}, QStringLiteral("Bob: Lunch")},
        {{bob, ann, bob}, QStringLiteral("Bob: Lunch\nAnn\nBob: Lunch")},
        {{bob, ann, bob, ann}, QStringLiteral("4 new messages")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NewMailAnnouncer::notificationBody(c.arrived), c.body) << c.arrived.size();
}

} // namespace
