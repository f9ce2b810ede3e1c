// The plain texts of message bodies for find: read and converted on the worker, kept by content.
#include "ui/BodyTexts.h"

#include "support/QtPrinters.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>

using corvane::ui::BodyTexts;

namespace {

struct Store
{
    quint64 revision = 1;
    QList<QByteArray> bodies;

    // A snapshot of the bodies, as the stores hand out: the worker reads it while the store changes.
    BodyTexts::Source source(std::function<void(int)> reading = {}) const
    {
        return {revision, int(bodies.size()), [bodies = bodies, reading](int i) {
                    if (reading)
                        reading(i);
                    return QByteArrayView(bodies[i]);
                }};
    }
};

struct Texts
{
    Store store;
    std::atomic<int> conversions = 0;
    BodyTexts texts{[this](const QString &rich) {
                        ++conversions;
                        return rich.toUpper();
                    },
                    [this] { return store.revision; }};
    QList<quint64> built;

    Texts()
    {
        QObject::connect(&texts, &BodyTexts::built, [this](quint64 revision) { built.append(revision); });
    }
    bool waitBuilt(quint64 revision)
    {
        return QTest::qWaitFor([&] { return texts.builtRevision() == revision; }, 5000);
    }
};

TEST(BodyTexts, ReadsOnTheWorkerAndConvertsOnlyBodiesNotKnownFromBefore)
{
    Texts t;
    std::atomic<int> readOnUiThread = 0;
    const auto onWhichThread = [&](int) { readOnUiThread += QThread::currentThread() == qApp->thread(); };
    t.store.bodies = {"Café", "Plans", "Café"};
    t.texts.build(t.store.source(onWhichThread));
    ASSERT_TRUE(t.waitBuilt(1));
    EXPECT_EQ(readOnUiThread, 0);
    EXPECT_EQ(t.texts.index().count(), 3);
    EXPECT_EQ(t.texts.index().textOf(0), QByteArrayView("cafe"));
    EXPECT_EQ(t.texts.index().textOf(1), QByteArrayView("plans"));
    EXPECT_EQ(t.texts.index().textOf(2), QByteArrayView("cafe"));
    EXPECT_EQ(t.conversions, 2);

    // A read mark raises the revision, a new message comes, one goes: only the new body is converted.
    t.store.revision = 2;
    t.store.bodies = {"Plans", "Café", "Zoë"};
    t.texts.build(t.store.source());
    ASSERT_TRUE(t.waitBuilt(2));
    EXPECT_EQ(t.conversions, 3);
    EXPECT_EQ(t.texts.index().textOf(0), QByteArrayView("plans"));
    EXPECT_EQ(t.texts.index().textOf(2), QByteArrayView("zoe"));
    EXPECT_EQ(t.built, (QList<quint64>{1, 2}));
}

TEST(BodyTexts, ABuildSupersededOrOvertakenByAStoreChangeStopsAndTheNextRevisionBuilds)
{
    Texts t;
    QSemaphore reading, goOn;
    // Holds the worker in the first body until the test has changed the store.
    const auto held = [&](int message) {
        if (message == 0) {
            reading.release();
            goOn.acquire();
        }
    };

    t.store.bodies = {"Old"};
    t.texts.build(t.store.source(held));
    ASSERT_TRUE(reading.tryAcquire(1, 5000));
    t.store.revision = 2;
    t.store.bodies = {"New"};
    t.texts.build(t.store.source());
    goOn.release();
    ASSERT_TRUE(t.waitBuilt(2));
    EXPECT_EQ(t.built, QList<quint64>{2}) << "the superseded build never reports";
    EXPECT_EQ(t.texts.index().textOf(0), QByteArrayView("new"));

    QSignalSpy progress(&t.texts, &BodyTexts::progress);
    t.store.revision = 3;
    t.store.bodies.append("More");
    t.texts.build(t.store.source(held));
    ASSERT_TRUE(reading.tryAcquire(1, 5000));
    t.store.revision = 4;
    goOn.release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !t.texts.isBuilding(3); }, 5000));
    EXPECT_EQ(progress.last(), (QVariantList{0, 0}));
    EXPECT_EQ(t.texts.builtRevision(), 2u);

    t.texts.build(t.store.source());
    ASSERT_TRUE(t.waitBuilt(4));
    EXPECT_EQ(t.texts.index().count(), 2);
    EXPECT_EQ(t.texts.index().textOf(1), QByteArrayView("more"));
    EXPECT_EQ(t.built, (QList<quint64>{2, 4}));
}

} // namespace
