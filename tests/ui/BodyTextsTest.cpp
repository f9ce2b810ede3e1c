// The plain texts of message bodies for find: built on the worker once, kept by content.
#include "ui/BodyTexts.h"

#include "support/QtPrinters.h"

#include <QTest>

#include <gtest/gtest.h>

#include <atomic>

using corvane::ui::BodyTexts;

namespace {

struct Store
{
    quint64 revision = 1;
    QList<QByteArray> bodies;

    BodyTexts::Source source() const
    {
        return {revision, int(bodies.size()), [this](int i) { return QByteArrayView(bodies[i]); }};
    }
};

TEST(BodyTexts, ConvertsEachBodyOnceAcrossRevisionsAndDropsAStaleBuild)
{
    Store store;
    store.bodies = {"Café", "Plans", "Café"};
    std::atomic<int> conversions = 0;
    BodyTexts texts(
        [&](const QString &rich) {
            ++conversions;
            return rich.toUpper();
        },
        [&] { return store.revision; });
    quint64 built = 0;
    QObject::connect(&texts, &BodyTexts::built, [&](quint64 revision) { built = revision; });

    texts.build(store.source());
    ASSERT_TRUE(QTest::qWaitFor([&] { return built == 1; }, 5000));
    EXPECT_EQ(texts.index().textOf(0), QByteArrayView("cafe"));
    EXPECT_EQ(texts.index().textOf(2), QByteArrayView("cafe"));
    EXPECT_LE(conversions.load(), 3);

    // A read mark raises the revision, a new message comes, one goes: only the new body is read.
    const int before = conversions;
    store.revision = 2;
    store.bodies = {"Plans", "Café", "Zoë"};
    texts.build(store.source());
    ASSERT_TRUE(QTest::qWaitFor([&] { return built == 2; }, 5000));
    EXPECT_EQ(conversions - before, 1);
    EXPECT_EQ(texts.index().textOf(2), QByteArrayView("zoe"));

    // Known bodies only: built before build() returns.
    store.revision = 3;
    store.bodies.removeFirst();
    texts.build(store.source());
    EXPECT_EQ(built, 3u);
    EXPECT_EQ(texts.index().count(), 2);

    // The store changes while a build reads it: that build stops and never reports.
    store.revision = 4;
    store.bodies.append("New");
    texts.build(store.source());
    store.revision = 5;
    QTest::qWait(50);
    EXPECT_EQ(texts.builtRevision(), 3u);
}

} // namespace
