#pragma once

#include "platform/StoreRevision.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace corvane::test {

// One change to a store and whether it changes the store's content.
struct RevisionStep
{
    const char *change;
    std::function<void()> run;
    bool rises = true;
};

// Runs the steps in turn: the revision rises by one and changed() fires once for each step that
// changes the content; neither happens for the others.
inline void expectRevisionSteps(const platform::StoreRevision &store, const std::vector<RevisionStep> &steps)
{
    int fired = 0;
    const QMetaObject::Connection connection =
        QObject::connect(&store, &platform::StoreRevision::changed, &store, [&fired] { ++fired; });
    for (const RevisionStep &step : steps) {
        const quint64 before = store.revision();
        const int firedBefore = fired;
        step.run();
        EXPECT_EQ(store.revision(), step.rises ? before + 1 : before) << step.change;
        EXPECT_EQ(fired - firedBefore, step.rises ? 1 : 0) << step.change;
    }
    QObject::disconnect(connection);
}

} // namespace corvane::test
