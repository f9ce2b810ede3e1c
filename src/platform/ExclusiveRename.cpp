#include "ExclusiveRename.h"

#include "Errors.h"
#include "FileIo.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace corvane::platform {

namespace {

#ifndef Q_OS_WIN
bool meansNotSupported(int error)
{
    return error == EINVAL || error == ENOSYS || error == ENOTSUP || error == EOPNOTSUPP
        || error == EPERM || error == EXDEV;
}

void setReason(QString *reason, int error)
{
    if (reason)
        *reason = QString::fromLocal8Bit(std::strerror(error));
}
#endif

} // namespace

RenameOutcome renameWithoutReplacing(const QString &from, const QString &to, QString *reason)
{
#ifdef Q_OS_WIN
    if (MoveFileExW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(from).utf16()),
                    reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(to).utf16()),
                    MOVEFILE_WRITE_THROUGH))
        return RenameOutcome::Done;
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)
        return RenameOutcome::TargetExists;
    if (reason)
        *reason = QStringLiteral("rename failed (error %1)").arg(error);
    return RenameOutcome::Failed;
#else
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return RenameOutcome::Done;
    if (errno == EEXIST)
        return RenameOutcome::TargetExists;
    if (!meansNotSupported(errno)) {
        setReason(reason, errno);
        return RenameOutcome::Failed;
    }
#endif
    // No atomic no-replace rename here: a hard link fails when the name exists.
    if (::link(source.constData(), target.constData()) == 0) {
        ::unlink(source.constData());
        return RenameOutcome::Done;
    }
    if (errno == EEXIST)
        return RenameOutcome::TargetExists;
    if (meansNotSupported(errno)) {
        setReason(reason, errno);
        return RenameOutcome::NotSupported;
    }
    setReason(reason, errno);
    return RenameOutcome::Failed;
#endif
}

QString FolderLock::lockPathFor(const QString &folder)
{
    return folder + temporaryFilePrefix() + QStringLiteral("delivery.lock");
}

FolderLock::FolderLock(const QString &folder) : FolderLock(folder, Options{}) {}

FolderLock::FolderLock(const QString &folder, Options options)
{
    acquire(folder, options);
}

void FolderLock::acquire(const QString &folder, Options options)
{
    const QString path = lockPathFor(folder);
    QDir dir;
    QElapsedTimer waited;
    waited.start();
    // The lock folder we last saw and since when it has been unchanged, by our own clock: the
    // server's clock may differ from ours.
    QDateTime seenStamp;
    QElapsedTimer seenFor;
    int refusals = 0;
    while (true) {
        if (dir.mkdir(path)) {
            m_lockPath = path;
            return;
        }
        const QFileInfo info(path);
        if (!info.exists()) {
            // Usually released between the two calls; a folder that refuses new entries fails.
            if (!QFileInfo(folder).isDir() || ++refusals > 50)
                throw IoError(QStringLiteral("Unable to lock the folder %1")
                                  .arg(QDir::toNativeSeparators(folder)));
            QThread::msleep(1);
            continue;
        }
        const QDateTime stamp = info.lastModified();
        if (!seenFor.isValid() || stamp != seenStamp) {
            seenStamp = stamp;
            seenFor.start();
        } else if (seenFor.elapsed() >= options.staleAfter.count()) {
            // Move the stale lock aside before removing it, so that two writers breaking it at
            // once cannot remove a fresh lock that a third has just made.
            const QString aside = folder + temporaryFilePrefix()
                + QString::number(QRandomGenerator::global()->generate64(), 36)
                + QStringLiteral(".stale");
            if (dir.rename(path, aside))
                dir.rmdir(aside);
            seenFor.invalidate();
            continue;
        }
        if (waited.elapsed() >= options.giveUpAfter.count())
            throw IoError(QStringLiteral("The folder %1 is locked by another program (%2)")
                              .arg(QDir::toNativeSeparators(folder), QDir::toNativeSeparators(path)));
        QThread::msleep(2 + QRandomGenerator::global()->bounded(8));
    }
}

FolderLock::~FolderLock()
{
    if (!m_lockPath.isEmpty())
        QDir().rmdir(m_lockPath);
}

} // namespace corvane::platform
