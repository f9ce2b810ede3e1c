#include "NoReplaceRename.h"

#include "TestHooks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
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
    const NoReplaceWay way = testhooks::noReplaceWay();
    if (way == NoReplaceWay::Unsupported) {
        if (reason)
            *reason = QCoreApplication::translate("NoReplaceRename", "no rename without replacing here");
        return RenameOutcome::NotSupported;
    }
#ifdef Q_OS_WIN
    if (MoveFileExW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(from).utf16()),
                    reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(to).utf16()),
                    MOVEFILE_WRITE_THROUGH))
        return RenameOutcome::Done;
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)
        return RenameOutcome::TargetExists;
    if (reason)
        *reason = QCoreApplication::translate("NoReplaceRename", "rename failed (error %1)").arg(error);
    return RenameOutcome::Failed;
#else
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
#ifdef RENAME_NOREPLACE
    if (way == NoReplaceWay::Native) {
        if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
            return RenameOutcome::Done;
        if (errno == EEXIST)
            return RenameOutcome::TargetExists;
        if (!meansNotSupported(errno)) {
            setReason(reason, errno);
            return RenameOutcome::Failed;
        }
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

} // namespace corvane::platform
