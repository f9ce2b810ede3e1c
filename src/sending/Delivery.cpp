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

#ifndef Q_OS_WIN
#include <unistd.h>
#endif

namespace corvane::sending {

namespace {

QString numberedName(const QString &name, qint64 n)
{
    return name + QString::number(n) + QStringLiteral(".cvm");
}

// Writes the bytes to a new temporary file in the folder and flushes them to disk.
QString writeTemporary(const QString &folder, const QByteArray &bytes)
{
    const QString path = folder + platform::temporaryFilePrefix()
        + QString::number(QRandomGenerator::global()->generate64(), 36) + QStringLiteral(".tmp");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw platform::WriteError(path, file.errorString());
    bool ok = file.write(bytes) == bytes.size() && file.flush();
#ifndef Q_OS_WIN
    ok = ok && ::fsync(file.handle()) == 0;
#endif
    const QString reason = file.errorString();
    file.close();
    if (!ok || file.error() != QFileDevice::NoError) {
        QFile::remove(path);
        throw platform::WriteError(path, reason);
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
        if (!QDir().rename(temporary, target))
            throw platform::WriteError(target, QStringLiteral("the file cannot be renamed"));
        return target;
    }
}

} // namespace

QString publishNumbered(const QString &folder, const QString &name, const QByteArray &bytes, Claiming claiming)
{
    if (!platform::isValidFileName(name))
        throw Error(QStringLiteral("\"%1\" cannot be used as a file name").arg(name));
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
        QFile::remove(temporary);
        throw;
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
        } catch (const Error &) {
            report.failedTargets.append(target.Name);
        }
    }
    return report;
}

} // namespace corvane::sending
