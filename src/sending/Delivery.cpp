#include "Delivery.h"

#include "core/MessageFileNames.h"
#include "platform/Errors.h"
#include "platform/ExclusiveRename.h"
#include "platform/FileIo.h"
#include "platform/FileNames.h"
#include "platform/Paths.h"
#include "platform/Retry.h"

#include "Logging.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>

#include <mutex>

#ifndef Q_OS_WIN
#include <cerrno>
#include <cstring>
#include <unistd.h>
#endif

namespace corvane::sending {

namespace {

// A share refuses a removal for a moment now and then (EIO, EBUSY); try a few times.
constexpr platform::RetryPolicy kTemporaryRemoval{"remove", 20, std::chrono::milliseconds(0),
                                                  std::chrono::milliseconds(10), std::chrono::milliseconds(10)};
// Shares fail an operation now and then for a moment (EIO while a name another client has just
// removed is still being deleted on the server): try again before giving up.
constexpr platform::RetryPolicy kPublish{"publish", 6, std::chrono::milliseconds(0),
                                         std::chrono::milliseconds(50), std::chrono::milliseconds(50)};

void removeSoon(const QString &path)
{
    platform::removeFileRetrying(path, kTemporaryRemoval);
}

// Writes the bytes to a new temporary file in the folder and flushes them to disk.
QString writeTemporary(const QString &folder, const QByteArray &bytes)
{
    const QString path = platform::joinPath(folder, platform::temporaryFilePrefix()
        + QString::number(QRandomGenerator::global()->generate64(), 36) + QStringLiteral(".tmp"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw platform::WriteError(path, file.errorString());
    QString failed;
    if (file.write(bytes) != bytes.size() || !file.flush())
        failed = file.errorString();
#ifndef Q_OS_WIN
    else if (::fsync(file.handle()) != 0)
        failed = QStringLiteral("flush to disk: ") + QString::fromLocal8Bit(std::strerror(errno));
#endif
    file.close();
    if (failed.isEmpty() && file.error() != QFileDevice::NoError)
        failed = QStringLiteral("close: ") + file.errorString();
    if (!failed.isEmpty()) {
        removeSoon(path);
        throw platform::WriteError(path, failed);
    }
    return path;
}

// The numbers the name has in the folder now, from one listing: a file another client has just
// created may still look absent to a single-file test through a client's cache.
QSet<qint64> takenNumbers(const QString &folder, const QString &name)
{
    QSet<qint64> taken;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        if (const qint64 n = core::messageFileNumber(it.fileName(), name))
            taken.insert(n);
    }
    return taken;
}

// The plain rename replaces a file of the new name, so the name is tested just before it, under
// the lock that every writer of this program takes; a client cache may hide a fresh file from a
// single-file test, so the folder's listing must show the name free too.
void plainRename(const QString &temporary, const QString &target)
{
#ifdef Q_OS_WIN
    if (!QFile::rename(temporary, target))
        throw platform::WriteError(target, QStringLiteral("the file cannot be renamed"));
#else
    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) != 0) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        // A share may report a failure for a rename it has done: then the file has moved.
        if (QFileInfo::exists(temporary) || !QFileInfo::exists(target))
            throw platform::WriteError(target, reason);
    }
#endif
}

// Folders where the no-replace rename was found missing: later publishes there go straight to
// the test and rename instead of asking the share again each time.
class NoReplaceMissing
{
public:
    static bool in(const QString &folder)
    {
        const std::lock_guard lock(mutex());
        return folders().contains(folder);
    }
    static void note(const QString &folder)
    {
        const std::lock_guard lock(mutex());
        folders().insert(folder);
    }

private:
    static std::mutex &mutex()
    {
        static std::mutex m;
        return m;
    }
    static QSet<QString> &folders()
    {
        static QSet<QString> set;
        return set;
    }
};

QString publishOnce(const QString &folder, const QString &name, const QByteArray &bytes, Claiming claiming)
{
    const QString temporary = writeTemporary(folder, bytes);
    try {
        // Every writer takes the folder's lock, whichever way it claims a name, so that a writer
        // that can only test and rename never meets one that does not wait for it.
        const platform::FolderLock lock(folder);
        bool noReplace = claiming == Claiming::NoReplaceRename && !NoReplaceMissing::in(folder);
        QSet<qint64> taken;
        if (!noReplace)
            taken = takenNumbers(folder, name);
        for (qint64 n = 1;; ++n) {
            const QString target = platform::joinPath(folder, core::messageFileName(name, n));
            if (taken.contains(n))
                continue;
            if (noReplace) {
                if (QFileInfo::exists(target))
                    continue; // spares a rename that would be refused
                QString reason;
                switch (platform::renameWithoutReplacing(temporary, target, &reason)) {
                case platform::RenameOutcome::Done:
                    return target;
                case platform::RenameOutcome::TargetExists:
                    continue; // a writer that ignores the lock took it
                case platform::RenameOutcome::Failed:
                    throw platform::WriteError(target, reason);
                case platform::RenameOutcome::NotSupported:
                    NoReplaceMissing::note(folder);
                    noReplace = false;
                    taken = takenNumbers(folder, name);
                    if (taken.contains(n))
                        continue;
                    break;
                }
            }
            // A writer whose lock was broken as stale may no longer rely on it: it starts again.
            if (!lock.stillHeld())
                throw IoError(QStringLiteral("The lock of the folder %1 was taken by another program")
                                  .arg(QDir::toNativeSeparators(folder)));
            if (QFileInfo::exists(target))
                continue;
            plainRename(temporary, target);
            return target;
        }
    } catch (...) {
        removeSoon(temporary);
        throw;
    }
}

} // namespace

QString publishNumbered(const QString &rawFolder, const QString &name, const QByteArray &bytes, Claiming claiming)
{
    if (!core::canNameMessageFiles(name))
        throw Error(QStringLiteral("\"%1\" cannot be used as a file name").arg(name));
    if (rawFolder.isEmpty())
        throw Error(QStringLiteral("No folder is given for the messages of \"%1\"").arg(name));
    // A folder typed without its trailing separator must not glue to the file name.
    const QString folder = platform::withTrailingSeparator(rawFolder);
    QString written;
    platform::retryOnError(
        kPublish, [&] { written = publishOnce(folder, name, bytes, claiming); },
        [&folder](const Error &error) {
            return dynamic_cast<const IoError *>(&error) && QFileInfo(folder).isDir();
        });
    qCDebug(lcSending, "delivered %s", qUtf8Printable(QDir::toNativeSeparators(written)));
    return written;
}

DeliveryReport SendExecute(const QByteArray &document, const QStringList &recipientNames,
                           const addressbook::RecipientList &targets)
{
    DeliveryReport report;
    for (const addressbook::RecipientEntry &target : targets) {
        const QStringList names = !target.isServer() ? QStringList{target.Name} : recipientNames;
        try {
            for (const QString &name : names)
                report.written.append(publishNumbered(target.Inbox, name, document));
        } catch (const Error &error) {
            report.failedTargets.append(target.Name);
            const auto *write = dynamic_cast<const platform::WriteError *>(&error);
            report.failureReasons.append(write ? error.message() + QStringLiteral(": ") + write->reason()
                                               : error.message());
        }
    }
    return report;
}

} // namespace corvane::sending
