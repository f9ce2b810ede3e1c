#include "sending/DraftKeeper.h"

#include "platform/FileIo.h"
#include "support/TempFolder.h"

#include <QScopeGuard>
#include <QSemaphore>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>

using namespace corvane;
using namespace corvane::sending;

namespace {

// The user types on while the kept file is being written: the file catches up with the editor
// once that write is done, without another edit.
TEST(DraftKeeper, AnEditWhileTheDraftIsBeingWrittenIsSavedWithinTheDelay)
{
    test::TempFolder temp;
    const QString path = temp.file(kKeptDraftFileName);
    // The first write stops just before its file takes the kept file's name, until let go.
    QSemaphore writing;
    QSemaphore letGo;
    std::atomic<bool> held = false;
    const auto noHook = qScopeGuard([] { platform::setWriteFaultHookForTesting({}); });
    platform::setWriteFaultHookForTesting([&](const QString &target) {
        if (target == path && !held.exchange(true)) {
            writing.release();
            letGo.acquire();
        }
        return false;
    });
    Draft draft;
    DraftKeeper keeper(path, [&] { return std::optional<Draft>(draft); });
    keeper.setDelay(std::chrono::milliseconds(20));
    // Before the keeper waits for its write: a failed test leaves no write held.
    const auto release = qScopeGuard([&] { letGo.release(); });
    const auto keptSubject = [&] {
        const std::optional<Draft> kept = DraftKeeper::read(path);
        return kept ? kept->subject : QString();
    };

    draft.subject = QStringLiteral("Plans");
    keeper.noteChange();
    ASSERT_TRUE(QTest::qWaitFor([&] { return writing.tryAcquire(); }, 5000)) << "the first write started";
    draft.subject = QStringLiteral("Plans for May");
    keeper.noteChange();
    letGo.release();

    EXPECT_TRUE(QTest::qWaitFor([&] { return keptSubject() == QStringLiteral("Plans for May"); }, 10000))
        << "kept: " << keptSubject().toStdString();
}

} // namespace
