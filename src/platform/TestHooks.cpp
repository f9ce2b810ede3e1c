// The test hooks (see TestHooks.h), linked into test programs only, in place of NoTestHooks.cpp.
#include "TestHooks.h"

#include "FileIo.h"
#include "JournaledWrite.h"

#include <QCoreApplication>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <functional>

namespace corvane::platform {

namespace {

WriteFaultHook &writeFaultHook()
{
    static WriteFaultHook hook;
    return hook;
}

// The crash tests' abrupt end after a number of bytes written.
class ByteBudget
{
public:
    ByteBudget()
    {
        bool ok = false;
        const qint64 limit = qEnvironmentVariable("CORVANE_TEST_EXIT_AFTER_BYTES").toLongLong(&ok);
        if (ok && limit >= 0)
            m_left = limit;
    }
    void set(qint64 bytes) { m_left = bytes; }
    // Writes the bytes, ending the process when the budget runs out in them.
    bool write(QFile &file, QByteArrayView bytes)
    {
        if (m_left < 0)
            return file.write(bytes.data(), bytes.size()) == bytes.size();
        const qint64 now = std::min<qint64>(m_left, bytes.size());
        if (now > 0 && (file.write(bytes.data(), now) != now || !file.flush()))
            return false;
        m_left -= now;
        if (now < bytes.size())
            std::_Exit(70);
        return true;
    }

private:
    qint64 m_left = -1;
};

ByteBudget &budget()
{
    static ByteBudget instance;
    return instance;
}

std::atomic<NoReplaceWay> g_noReplaceWay{NoReplaceWay::Native};

std::function<void(const QString &)> &flushHook()
{
    static std::function<void(const QString &)> hook;
    return hook;
}

} // namespace

void setWriteFaultHookForTesting(WriteFaultHook hook)
{
    writeFaultHook() = std::move(hook);
}

void checkWriteFault(const QString &target)
{
    if (writeFaultHook() && writeFaultHook()(target))
        throw WriteError(target, QCoreApplication::translate("FileIo", "No space left on device"));
}

void setExitAfterBytesForTesting(qint64 bytes)
{
    budget().set(bytes);
}

void setFlushHookForTesting(std::function<void(const QString &fileName)> hook)
{
    flushHook() = std::move(hook);
}

void setNoReplaceWayForTesting(NoReplaceWay way)
{
    g_noReplaceWay = way;
}

namespace testhooks {

bool writeJournaled(QFile &file, QByteArrayView bytes)
{
    return budget().write(file, bytes);
}

NoReplaceWay noReplaceWay()
{
    return g_noReplaceWay;
}

void flushed(const QString &fileName)
{
    if (flushHook())
        flushHook()(fileName);
}

} // namespace testhooks

} // namespace corvane::platform
