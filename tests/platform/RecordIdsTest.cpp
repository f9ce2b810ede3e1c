#include "platform/RecordIds.h"

#include <gtest/gtest.h>

using corvane::platform::RecordId;
using corvane::platform::RecordIds;

namespace {

TEST(RecordIds, FollowTheirRecordThroughRemovalsAndAreNeverGivenToAnother)
{
    RecordIds ids;
    const RecordId first = *ids.at(0, 3, 1);
    const RecordId third = *ids.at(2, 3, 1);
    EXPECT_EQ(ids.at(3, 3, 1), std::nullopt);

    ids.removed(0, 1);
    EXPECT_EQ(ids.positionOf(third, 2, 1), 1);
    EXPECT_EQ(ids.positionOf(first, 2, 1), std::nullopt);
    ids.appended(1);
    EXPECT_NE(ids.at(2, 3, 1), first) << "a new record never takes a gone one's identity";

    // Loaded again: the records may be others, so nothing held from before names one of them.
    EXPECT_EQ(ids.positionOf(third, 3, 2), std::nullopt);
    // Out of step with the store (changed behind its back): the same.
    const RecordId now = *ids.at(0, 3, 2);
    EXPECT_EQ(ids.positionOf(now, 4, 2), std::nullopt);
}

} // namespace
