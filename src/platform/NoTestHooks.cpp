// The test hooks' stand-ins for every program that does not link corvane_test_hooks (see
// TestHooks.h). Defines only names TestHooks.cpp defines too, so that a test program's hooks
// take their place at link time.
#include "FileIo.h"
#include "TestHooks.h"

namespace corvane::platform {

void checkWriteFault(const QString &)
{
}

namespace testhooks {

bool writeJournaled(QFile &file, QByteArrayView bytes)
{
    return file.write(bytes.data(), bytes.size()) == bytes.size();
}

NoReplaceWay noReplaceWay()
{
    return NoReplaceWay::Native;
}

void flushed(const QString &)
{
}

} // namespace testhooks

} // namespace corvane::platform
