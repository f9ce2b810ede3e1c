#include "Delivery.h"

#include "core/AttachIni.h"
#include "core/MessageFileNames.h"
#include "platform/BackgroundCopies.h"
#include "platform/Errors.h"
#include "platform/FileIo.h"
#include "platform/FileNames.h"
#include "platform/FolderLock.h"
#include "platform/NoReplaceRename.h"
#include "platform/Paths.h"
#include "platform/Retry.h"

#include "Logging.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <functional>
#include <mutex>
#include <optional>

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

// The names a file may take in a folder, tried in order from n = 1.
struct NameSequence
{
    // The n-th name; empty for one never to take.
    std::function<QString(qint64)> name;
    // The n a listed file name has in the sequence, 0 for none. None at all: the folder is never
    // listed (others may create files in it but not list it).
    std::function<qint64(const QString &)> numberOf;
    // The listing is read even where a no-replace rename claims the name: it also sees a name
    // taken in another letter case, which a case-sensitive file system lets through.
    bool alwaysList = false;
};

NameSequence messageFileNames(const QString &name)
{
    return {[name](qint64 n) { return core::messageFileName(name, n); },
            [name](const QString &listed) { return core::messageFileNumber(listed, name); }};
}

// "notes.txt", "notes (2).txt", "notes (3).txt", ...: the number goes before the last dot. Names
// compare without regard to letter case, as on the Windows shares peers use.
NameSequence attachmentFileNames(const QString &fileName, bool mayList)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QString stem = dot > 0 ? fileName.left(dot) : fileName;
    const QString extension = dot > 0 ? fileName.mid(dot) : QString();
    NameSequence names;
    names.name = [=](qint64 n) {
        const QString candidate = n == 1 ? fileName : stem + QStringLiteral(" (%1)").arg(n) + extension;
        return platform::isValidFileName(candidate) && !core::isMailFolderFileName(candidate) ? candidate : QString();
    };
    if (mayList) {
        names.numberOf = [=](const QString &listed) -> qint64 {
            if (listed.compare(fileName, Qt::CaseInsensitive) == 0)
                return 1;
            const QString prefix = stem + QStringLiteral(" (");
            if (listed.size() <= prefix.size() + extension.size() + 1 || !listed.startsWith(prefix, Qt::CaseInsensitive)
                || !listed.endsWith(QStringLiteral(")") + extension, Qt::CaseInsensitive))
                return 0;
            bool ok = false;
            const qint64 n = listed.mid(prefix.size(), listed.size() - prefix.size() - extension.size() - 1).toLongLong(&ok);
            return ok && n >= 2 ? n : 0;
        };
        names.alwaysList = true;
    }
    return names;
}

// The numbers of the sequence the folder holds now, from one listing: a file another client has
// just created may still look absent to a single-file test through a client's cache.
QSet<qint64> takenNumbers(const QString &folder, const NameSequence &names)
{
    QSet<qint64> taken;
    if (!names.numberOf)
        return taken;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        if (const qint64 n = names.numberOf(it.fileName()))
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

// Gives the written temporary file the first free name of the sequence, under the folder's lock,
// which every writer takes whichever way it claims a name, so that a writer that can only test and
// rename never meets one that does not wait for it. The name is claimed with a rename that refuses
// to replace; where the file system has none, it is tested (a stat) just before a plain rename, and
// as a client cache may hide a fresh file from a single-file test, a folder that may be listed
// must show it free too.
QString claimName(const QString &folder, const NameSequence &names, const QString &temporary, Claiming claiming)
{
    const platform::FolderLock lock(folder);
    bool noReplace = claiming == Claiming::NoReplaceRename && !NoReplaceMissing::in(folder);
    QSet<qint64> taken;
    if (!noReplace || names.alwaysList)
        taken = takenNumbers(folder, names);
    for (qint64 n = 1;; ++n) {
        if (taken.contains(n))
            continue;
        const QString candidate = names.name(n);
        if (candidate.isEmpty())
            continue;
        const QString target = platform::joinPath(folder, candidate);
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
                taken = takenNumbers(folder, names);
                if (taken.contains(n))
                    continue;
                break;
            }
        }
        // A writer whose lock was broken as stale may no longer rely on it: it starts again.
        if (!lock.stillHeld())
            throw IoError(QCoreApplication::translate("Delivery", "The lock of the folder %1 was taken by another program")
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
        [&](const QString &temporary) { return claimName(folder, messageFileNames(name), temporary, claiming); },
        platform::Access::Shared, // the recipient reads it: the folder's rules decide
        &kTemporaryRemoval);
}

} // namespace

QString publishNumbered(const QString &rawFolder, const QString &name, const QByteArray &bytes, Claiming claiming)
{
    if (!core::canNameMessageFiles(name))
        throw Error(QCoreApplication::translate("Delivery", "\"%1\" cannot be used as a file name").arg(name));
    if (rawFolder.isEmpty())
        throw Error(QCoreApplication::translate("Delivery", "No folder is given for the messages of \"%1\"").arg(name));
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

namespace {

// Copies an attached file into the folder under the first free name of its sequence and returns
// that name. A share that fails a step for a moment gets the copy again, as a message file does.
QString copyAttachment(const QString &source, const QString &folder, bool serverFolder)
{
    const QString fileName = QFileInfo(source).fileName();
    if (!platform::isValidFileName(fileName) || core::isMailFolderFileName(fileName))
        throw Error(QCoreApplication::translate("Delivery", "The attached file \"%1\" has a name that cannot be used in %2")
                        .arg(fileName, QDir::toNativeSeparators(folder)));
    const NameSequence names = attachmentFileNames(fileName, serverFolder);
    QString placed;
    platform::retryOnError(
        kPublish,
        [&] {
            placed = platform::copyFileInto(source, folder, platform::joinPath(folder, fileName),
                                            [&](const QString &temporary) {
                                                return claimName(folder, names, temporary, Claiming::NoReplaceRename);
                                            },
                                            platform::Access::Shared);
        },
        [&](const Error &error) {
            return dynamic_cast<const IoError *>(&error) && !platform::copyCancelled() && QFileInfo(folder).isDir()
                   && QFileInfo(source).isReadable();
        });
    return QFileInfo(placed).fileName();
}

// Counts the file in the folder's Attach.ini. A server folder counts a fetch for each message file
// it receives, and a failure there is the sender's to report. A personal folder only ever holds
// -1, which reads as a missing key does: it is tried once, and a sender that may only create files
// there goes without it.
void recordAttachment(const QString &folder, const QString &name, bool serverFolder, int messageFiles)
{
    if (serverFolder) {
        core::recordServerAttachmentSent(folder, name, messageFiles);
        return;
    }
    try {
        core::recordPersonalAttachmentOnce(folder, name);
    } catch (const Error &error) {
        qCInfo(lcSending, "%s is not recorded in Attach.ini of %s: %s", qUtf8Printable(name),
               qUtf8Printable(QDir::toNativeSeparators(folder)), qUtf8Printable(error.message()));
    }
}

// The reason an attachment step failed, as the user reads it.
QString reasonOf(const Error &error)
{
    const auto *write = dynamic_cast<const platform::WriteError *>(&error);
    return write ? QCoreApplication::translate("Delivery", "%1: %2").arg(error.message(), write->reason()) : error.message();
}

// Puts the target's attached files in its folder, each under a free name, and returns the
// document that names them so, which is the one given when every file kept its name. A file that
// cannot be copied is reported and keeps its own name in the document.
QByteArray placeAttachments(const QByteArray &document, const Attached &attached, const QString &folder,
                            bool serverFolder, int messageFiles, DeliveryReport &report)
{
    if (attached.paths.isEmpty() || folder.isEmpty())
        return document;
    std::optional<core::MessageFile> renamed;
    for (qsizetype i = 0; i < attached.paths.size(); ++i) {
        const QString &source = attached.paths[i];
        if (platform::copyCancelled()) {
            report.attachmentFailures.append(QCoreApplication::translate("Delivery", "Unable to copy %1 to %2: cut off because Corvane was closed")
                                                 .arg(QDir::toNativeSeparators(source), QDir::toNativeSeparators(folder)));
            continue;
        }
        QString name;
        try {
            name = copyAttachment(source, folder, serverFolder);
        } catch (const Error &error) {
            report.attachmentFailures.append(reasonOf(error));
            continue;
        }
        try {
            recordAttachment(folder, name, serverFolder, messageFiles);
        } catch (const Error &error) {
            report.attachmentFailures.append(reasonOf(error));
        }
        if (name == QFileInfo(source).fileName())
            continue;
        if (!renamed)
            renamed = attached.message;
        if (renamed->message && i < renamed->message->attachments.size())
            renamed->message->attachments[i].fileName = name;
    }
    return renamed ? core::messageFileBytes(*renamed) : document;
}

} // namespace

DeliveryReport SendExecute(const QByteArray &document, const QStringList &recipientNames,
                           const addressbook::RecipientList &targets, const Attached &attached)
{
    DeliveryReport report;
    for (const addressbook::RecipientEntry &target : targets) {
        const QStringList names = !target.isServer() ? QStringList{target.Name} : recipientNames;
        const QString folder = target.Inbox.isEmpty() ? QString() : platform::withTrailingSeparator(target.Inbox);
        // The message never arrives before its files: the folder's copies come first.
        const QByteArray bytes =
            placeAttachments(document, attached, folder, target.isServer(), int(names.size()), report);
        try {
            for (const QString &name : names) {
                report.written.append(publishNumbered(target.Inbox, name, bytes));
                const QFileInfo written(report.written.back());
                report.files.append({name, written.filePath(), target.isServer(), written.size(),
                                     written.lastModified().toMSecsSinceEpoch()});
            }
        } catch (const Error &error) {
            report.failedTargets.append(target.Name);
            report.failureReasons.append(reasonOf(error));
        }
    }
    return report;
}

} // namespace corvane::sending
