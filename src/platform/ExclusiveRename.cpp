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

namespace {

enum class MkdirOutcome { Made, Exists, Transient, Refused };

MkdirOutcome makeLockFolder(const QString &path, QString *reason)
{
#ifdef Q_OS_WIN
    if (CreateDirectoryW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(path).utf16()), nullptr))
        return MkdirOutcome::Made;
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS)
        return MkdirOutcome::Exists;
    *reason = QStringLiteral("error %1").arg(error);
    return error == ERROR_ACCESS_DENIED || error == ERROR_PATH_NOT_FOUND ? MkdirOutcome::Refused
                                                                         : MkdirOutcome::Transient;
#else
    if (::mkdir(QFile::encodeName(path).constData(), 0777) == 0)
        return MkdirOutcome::Made;
    const int error = errno;
    if (error == EEXIST)
        return MkdirOutcome::Exists;
    *reason = QString::fromLocal8Bit(std::strerror(error));
    switch (error) {
    case ENOENT: case ENOTDIR: case EACCES: case EPERM: case EROFS: case ENOSPC: case EDQUOT:
        return MkdirOutcome::Refused;
    default:
        // A share answers EIO for a moment, for example while a lock folder that another client
        // has just removed is still being deleted on the server: try again shortly.
        return MkdirOutcome::Transient;
    }
#endif
}

} // namespace

void FolderLock::acquire(const QString &folder, Options options)
{
    const QString path = lockPathFor(folder);
    QElapsedTimer waited;
    waited.start();
    // The lock folder we last saw and since when it has been unchanged, by our own clock: the
    // server's clock may differ from ours. It is looked at seldom: every look opens it on the
    // server, which gets in the way of its owner removing it.
    QDateTime seenStamp;
    QElapsedTimer seenFor;
    QElapsedTimer lastLook;
    int transientFailures = 0;
    QString reason;
    while (true) {
        switch (makeLockFolder(path, &reason)) {
        case MkdirOutcome::Made:
            m_lockPath = path;
            m_heldFor.start();
            m_staleAfter = options.staleAfter;
            return;
        case MkdirOutcome::Refused:
            throw IoError(QStringLiteral("Unable to lock the folder %1: %2")
                              .arg(QDir::toNativeSeparators(folder), reason));
        case MkdirOutcome::Transient:
            ++transientFailures;
            break;
        case MkdirOutcome::Exists:
            transientFailures = 0;
            if (lastLook.isValid() && lastLook.elapsed() < 500)
                break;
            lastLook.start();
            if (const QFileInfo info(path); info.exists()) {
                const QDateTime stamp = info.lastModified();
                if (!seenFor.isValid() || stamp != seenStamp) {
                    seenStamp = stamp;
                    seenFor.start();
                } else if (seenFor.elapsed() >= options.staleAfter.count()) {
                    // Move the stale lock aside before removing it, so that two writers breaking
                    // it at once cannot remove a fresh lock that a third has just made.
                    const QString aside = folder + temporaryFilePrefix()
                        + QString::number(QRandomGenerator::global()->generate64(), 36)
                        + QStringLiteral(".stale");
                    if (QDir().rename(path, aside))
                        QDir().rmdir(aside);
                    seenFor.invalidate();
                    continue;
                }
            }
            break;
        }
        if (waited.elapsed() >= options.giveUpAfter.count())
            throw IoError(QStringLiteral("Unable to lock the folder %1: %2")
                              .arg(QDir::toNativeSeparators(folder),
                                   transientFailures ? reason : QStringLiteral("another program holds it")));
        const int pause = transientFailures ? std::min(20 * transientFailures, 250) : 0;
        QThread::msleep(pause + 3 + QRandomGenerator::global()->bounded(12));
    }
}

FolderLock::~FolderLock()
{
    // A lock held so long that it may have been broken may be another writer's by now: it is left
    // to go stale.
    if (m_lockPath.isEmpty() || !stillHeld())
        return;
    // A share refuses the removal for a moment while another client looks at the folder; a lock
    // left behind would hold every writer up until it is stale.
    for (int attempt = 0; attempt < 40; ++attempt) {
        if (QDir().rmdir(m_lockPath) || !QFileInfo::exists(m_lockPath))
            return;
        QThread::msleep(10 + 5 * attempt);
    }
}

bool FolderLock::stillHeld() const
{
    return !m_lockPath.isEmpty() && m_heldFor.elapsed() < m_staleAfter.count() / 2;
}

void updateUnderFolderLock(const QString &folder, const std::function<void()> &update)
{
    constexpr int kAttempts = 8;
    for (int attempt = 1;; ++attempt) {
        {
            const FolderLock lock(folder); // a lock not had within its patience is not tried again
            try {
                update();
                return;
            } catch (const Error &) {
                if (attempt == kAttempts)
                    throw;
            }
        }
        QThread::msleep(std::min(50 * attempt, 500));
    }
}

} // namespace corvane::platform
