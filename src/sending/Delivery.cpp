#include "Delivery.h"

#include "platform/Errors.h"
#include "platform/ExclusiveRename.h"
#include "platform/FileIo.h"
#include "platform/FileNames.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSet>
#include <QThread>

#ifndef Q_OS_WIN
#include <cerrno>
#include <cstring>
#include <unistd.h>
#endif

namespace corvane::sending {

namespace {

QString numberedName(const QString &name, qint64 n)
{
    return name + QString::number(n) + QStringLiteral(".cvm");
}

// A share refuses a removal for a moment now and then (EIO, EBUSY); try a few times.
void removeSoon(const QString &path)
{
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (QFile::remove(path) || !QFileInfo::exists(path))
            return;
        QThread::msleep(10 + 10 * attempt);
    }
}

// Writes the bytes to a new temporary file in the folder and flushes them to disk.
QString writeTemporary(const QString &folder, const QByteArray &bytes)
{
    const QString path = folder + platform::temporaryFilePrefix()
        + QString::number(QRandomGenerator::global()->generate64(), 36) + QStringLiteral(".tmp");
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
    static const QString extension = QStringLiteral(".cvm");
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QString file = it.fileName();
        if (!file.startsWith(name, Qt::CaseInsensitive) || !file.endsWith(extension, Qt::CaseInsensitive))
            continue;
        bool ok = false;
        const qint64 n = QStringView(file).mid(name.size(), file.size() - name.size() - extension.size()).toLongLong(&ok);
        if (ok && n > 0)
            taken.insert(n);
    }
    return taken;
}

// Under the folder's lock, with plain renames: a client cache may hide a fresh file from a
// single-file test, so both the listing and the file test must show the name free.
QString publishUnderLock(const QString &folder, const QString &name, const QString &temporary)
{
    const platform::FolderLock lock(folder);
    const QSet<qint64> taken = takenNumbers(folder, name);
    for (qint64 n = 1;; ++n) {
        if (taken.contains(n))
            continue;
        const QString target = folder + numberedName(name, n);
        if (QFileInfo::exists(target))
            continue;
        // The name is free and every writer of this program waits for the lock.
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
        return target;
    }
}

} // namespace

namespace {

QString publishOnce(const QString &folder, const QString &name, const QByteArray &bytes, Claiming claiming)
{
    const QString temporary = writeTemporary(folder, bytes);
    try {
        if (claiming == Claiming::LockFolder)
            return publishUnderLock(folder, name, temporary);
        for (qint64 n = 1;; ++n) {
            const QString target = folder + numberedName(name, n);
            if (QFileInfo::exists(target))
                continue;
            QString reason;
            switch (platform::renameWithoutReplacing(temporary, target, &reason)) {
            case platform::RenameOutcome::Done:
                return target;
            case platform::RenameOutcome::TargetExists:
                continue; // another writer took it meanwhile
            case platform::RenameOutcome::NotSupported:
                return publishUnderLock(folder, name, temporary);
            case platform::RenameOutcome::Failed:
                throw platform::WriteError(target, reason);
            }
        }
    } catch (...) {
        removeSoon(temporary);
        throw;
    }
}

} // namespace

QString publishNumbered(const QString &folder, const QString &name, const QByteArray &bytes, Claiming claiming)
{
    if (!platform::isValidFileName(name))
        throw Error(QStringLiteral("\"%1\" cannot be used as a file name").arg(name));
    // Shares fail an operation now and then for a moment (EIO while a name another client has
    // just removed is still being deleted on the server): try again before giving up.
    constexpr int kAttempts = 6;
    for (int attempt = 1;; ++attempt) {
        try {
            return publishOnce(folder, name, bytes, claiming);
        } catch (const platform::WriteError &) {
            if (attempt == kAttempts || !QFileInfo(folder).isDir())
                throw;
        } catch (const IoError &) {
            if (attempt == kAttempts || !QFileInfo(folder).isDir())
                throw;
        }
        QThread::msleep(50 * attempt);
    }
}

DeliveryReport SendExecute(const QByteArray &document, const QStringList &recipientNames,
                           const addressbook::RecipientList &targets)
{
    DeliveryReport report;
    for (const addressbook::RecipientEntry &target : targets) {
        const QStringList names = target.Server == addressbook::kFalse ? QStringList{target.Name} : recipientNames;
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
