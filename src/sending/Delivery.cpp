#include "Delivery.h"

#include "core/MessageFileNames.h"
#include "platform/Errors.h"
#include "platform/FileIo.h"
#include "platform/FileNames.h"
#include "platform/FolderLock.h"
#include "platform/NoReplaceRename.h"
#include "platform/Paths.h"
#include "platform/Retry.h"

#include "Logging.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <mutex>

namespace corvane::sending {

namespace {

// A share refuses a removal for a moment now and then (EIO, EBUSY); try a few times.
constexpr platform::RetryPolicy kTemporaryRemoval{.what = "remove",
                                                  .attempts = 20,
                                                  .delay = std::chrono::milliseconds(10),
                                                  .step = std::chrono::milliseconds(10)};
// Shares fail an operation now and then for a moment (EIO while a name another client has just
// removed is still being deleted on the server): try again before giving up.
constexpr platform::RetryPolicy kPublish{.what = "publish",
                                         .attempts = 6,
                                         .delay = std::chrono::milliseconds(50),
                                         .step = std::chrono::milliseconds(50)};

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

// Gives the written temporary file the lowest free number, under the folder's lock, which every
// writer takes whichever way it claims a name, so that a writer that can only test and rename
// never meets one that does not wait for it. The name is claimed with a rename that refuses to
// replace; where the file system has none, it is tested just before a plain rename, and a client
// cache may hide a fresh file from a single-file test, so the folder's listing must show it free too.
QString claimNumber(const QString &folder, const QString &name, const QString &temporary, Claiming claiming)
{
    const platform::FolderLock lock(folder);
    bool noReplace = claiming == Claiming::NoReplaceRename && !NoReplaceMissing::in(folder);
    QSet<qint64> taken;
    if (!noReplace)
        taken = takenNumbers(folder, name);
    for (qint64 n = 1;; ++n) {
        const QString target = platform::joinPath(folder, core::messageFileName(name, n));
        if (taken.contains(n))
            continue;
        QString reason;
        if (noReplace) {
            if (QFileInfo::exists(target))
                continue; // spares a rename that would be refused
            switch (platform::placeFile(temporary, target, platform::Placing::NoReplace, &reason)) {
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
        switch (platform::placeFile(temporary, target, platform::Placing::TestThenReplace, &reason)) {
        case platform::RenameOutcome::Done:
            return target;
        case platform::RenameOutcome::TargetExists:
            continue;
        default:
            throw platform::WriteError(target, reason);
        }
    }
}

// The bytes go to a temporary file (a name no check matches), flushed to disk, then take a number.
QString publishOnce(const QString &folder, const QString &name, const QByteArray &bytes, Claiming claiming)
{
    return platform::publishFile(
        folder,
        [&bytes](QFile &file) {
            if (file.write(bytes) != bytes.size())
                throw platform::WriteError(file.fileName(), file.errorString());
        },
        [&](const QString &temporary) { return claimNumber(folder, name, temporary, claiming); },
        &kTemporaryRemoval);
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
            for (const QString &name : names) {
                report.written.append(publishNumbered(target.Inbox, name, document));
                const QFileInfo written(report.written.back());
                report.files.append({name, written.filePath(), target.isServer(), written.size(),
                                     written.lastModified().toMSecsSinceEpoch()});
            }
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
