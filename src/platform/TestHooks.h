#pragma once

// The test hooks: a write made to fail (setWriteFaultHookForTesting), a process ended in the
// middle of a journaled write (setExitAfterBytesForTesting, CORVANE_TEST_EXIT_AFTER_BYTES) and
// the way of renaming without replacing (setNoReplaceWayForTesting), and what reached the disk in
// which order (setFlushHookForTesting).
//
// Only programs that link `corvane_test_hooks` (TestHooks.cpp) have them: the test programs and
// the crash test's own corvane-cli. Every other program, the shipped ones included, gets the
// stand-ins in NoTestHooks.cpp from the platform library: no hook is ever set, the environment is
// never read, and a call to a setter does not link.

#include "NoReplaceRename.h"

#include <QByteArrayView>
#include <QFile>
#include <QString>

namespace corvane::platform::testhooks {

// Writes bytes of a journaled write (journal or file); false when the file refused them. With the
// crash tests' byte limit, the process ends abruptly (exit code 70) once the limit is reached.
bool writeJournaled(QFile &file, QByteArrayView bytes);

// The way renameWithoutReplacing goes.
NoReplaceWay noReplaceWay();

// Told of each file flushDisk put on the disk (setFlushHookForTesting).
void flushed(const QString &fileName);

} // namespace corvane::platform::testhooks
