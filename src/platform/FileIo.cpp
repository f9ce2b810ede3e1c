#include "FileIo.h"

#include "Logging.h"
#include "Paths.h"
#include "TestHooks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace corvane::platform {

WriteError::WriteError(const QString &path, const QString &reason)
    : IoError(QCoreApplication::translate("FileIo", "Unable to write to %1").arg(QDir::toNativeSeparators(path))),
      m_path(path),
      m_reason(reason)
{
}

QString temporaryFilePrefix()
{
    return QStringLiteral("~corvane-");
}

namespace {

bool replaceFile(const QString &from, const QString &to, QString *reason)
{
#ifdef Q_OS_WIN
    if (MoveFileExW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(from).utf16()),
                    reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(to).utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    *reason = QCoreApplication::translate("FileIo", "rename failed (error %1)").arg(GetLastError());
#else
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    *reason = QString::fromLocal8Bit(strerror(errno));
#endif
    // A share may report a failure for a rename it has done: then the file has moved.
    return !QFileInfo::exists(from) && QFileInfo::exists(to);
}

} // namespace

bool openNewFile(QFile &file, QIODevice::OpenMode mode, Access access)
{
#ifdef Q_OS_WIN
    Q_UNUSED(access);
    return file.open(mode);
#else
    if (access == Access::Shared)
        return file.open(mode);
    if (!file.open(mode, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return false;
    // The umask may have taken the owner's rights too; a file of another owner keeps its mode.
    if (::fchmod(file.handle(), S_IRUSR | S_IWUSR) != 0)
        qCDebug(lcPlatform, "could not make %s private: %s", qUtf8Printable(file.fileName()), strerror(errno));
    return true;
#endif
}

bool makeFolder(const QString &path, Access access)
{
#ifdef Q_OS_WIN
    Q_UNUSED(access);
    return QDir().mkpath(path);
#else
    if (access == Access::Shared)
        return QDir().mkpath(path);
    const QString target = QDir::cleanPath(QDir(path).absolutePath());
    if (QFileInfo(target).isDir())
        return true;
    // The missing folders, the nearest to the root first.
    QStringList missing;
    for (QString folder = target; !QFileInfo::exists(folder);) {
        missing.prepend(folder);
        const QString above = QFileInfo(folder).path();
        if (above == folder)
            break;
        folder = above;
    }
    for (const QString &folder : std::as_const(missing)) {
        const QByteArray name = QFile::encodeName(folder);
        if (::mkdir(name.constData(), S_IRWXU) != 0) {
            if (errno == EEXIST && QFileInfo(folder).isDir())
                continue; // made meanwhile by someone else: left as it is
            return false;
        }
        ::chmod(name.constData(), S_IRWXU); // whatever the umask took
    }
    return QFileInfo(target).isDir();
#endif
}

bool readableByOthers(const QString &path)
{
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return false;
#else
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return (info.st_mode & (S_IRGRP | S_IROTH)) != 0;
#endif
}

FileStamp fileStampOf(const QString &path)
{
    FileStamp stamp;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return stamp;
    stamp.modified = QFileInfo(path).lastModified();
    stamp.size = file.size();
    if (stamp.size > FileStamp::kTailBytes)
        file.seek(stamp.size - FileStamp::kTailBytes);
    stamp.tail = file.read(FileStamp::kTailBytes);
    return stamp;
}

bool flushToDisk(QFile &file)
{
    if (!file.flush())
        return false;
#ifdef Q_OS_WIN
    const bool synced = _commit(file.handle()) == 0; // FlushFileBuffers
#else
    const bool synced = ::fsync(file.handle()) == 0;
#endif
    if (synced)
        testhooks::flushed(file.fileName());
    return synced;
}

RenameOutcome placeFile(const QString &temporary, const QString &target, Placing placing, QString *reason)
{
    checkWriteFault(target);
    QString why;
    RenameOutcome outcome = RenameOutcome::Failed;
    switch (placing) {
    case Placing::NoReplace:
        outcome = renameWithoutReplacing(temporary, target, &why);
        break;
    case Placing::TestThenReplace:
        if (QFileInfo::exists(target)) {
            outcome = RenameOutcome::TargetExists;
            break;
        }
        [[fallthrough]];
    case Placing::Replace:
        outcome = replaceFile(temporary, target, &why) ? RenameOutcome::Done : RenameOutcome::Failed;
        break;
    }
    if (reason)
        *reason = why;
    return outcome;
}

namespace {

void discardTemporary(const QString &temporary, const RetryPolicy *removal)
{
    if (removal)
        removeFileRetrying(temporary, *removal);
    else
        QFile::remove(temporary);
}

} // namespace

QString writeTemporaryFile(const QString &folder, const FileWriter &write, Access access,
                           const RetryPolicy *removal, const QString &name)
{
    const QString temporary = joinPath(folder, temporaryFilePrefix()
        + (name.isEmpty() ? QString::number(QRandomGenerator::global()->generate64(), 36) + QStringLiteral(".tmp") : name));
    const auto discard = [&] { discardTemporary(temporary, removal); };
    // One a crash left under that name goes first.
    if (!name.isEmpty())
        QFile::remove(temporary);
    QFile file(temporary);
    if (!openNewFile(file, QIODevice::WriteOnly | QIODevice::NewOnly, access)) {
        const QString reason = file.errorString();
        // A share may make the file and still fail the open (EIO): nothing of it may stay.
        if (!isKnownMissing(temporary))
            discard();
        throw WriteError(temporary, reason);
    }
    auto discardUnwritten = qScopeGuard([&] {
        file.close();
        discard();
    });
    write(file);
    discardUnwritten.dismiss();
    QString failed;
    if (file.error() != QFileDevice::NoError || !flushToDisk(file))
        failed = file.errorString();
    file.close();
    if (failed.isEmpty() && file.error() != QFileDevice::NoError)
        failed = file.errorString();
    if (!failed.isEmpty()) {
        discard();
        throw WriteError(temporary, failed);
    }
    return temporary;
}

QString publishFile(const QString &folder, const FileWriter &write, const FilePlacer &place, Access access,
                    const RetryPolicy *removal)
{
    const QString temporary = writeTemporaryFile(folder, write, access, removal);
    auto discardUnplaced = qScopeGuard([&] { discardTemporary(temporary, removal); }); // nothing of it stays
    QString placed = place(temporary);
    discardUnplaced.dismiss();
    return placed;
}

FilePlacer replacing(const QString &target, const RetryPolicy *retryPolicy)
{
    return [target, retryPolicy](const QString &temporary) {
        QString reason;
        const auto rename = [&] { return placeFile(temporary, target, Placing::Replace, &reason) == RenameOutcome::Done; };
        if (!retryPolicy) {
            if (!rename())
                throw WriteError(target, reason);
            return target;
        }
        // When a share's replace removed the old file but failed to move the new one in, the new
        // one is moved in at once.
        const bool done = retry(*retryPolicy, std::function<bool()>([&] {
            if (rename())
                return true;
            if (!QFileInfo::exists(temporary))
                throw WriteError(target, reason);
            return !QFileInfo::exists(target) && rename();
        }));
        if (!done)
            throw WriteError(target, reason);
        return target;
    };
}

void writeFileAtomically(const QString &path, const std::function<void(QIODevice &)> &writer, Access access)
{
    try {
        publishFile(QFileInfo(path).path(), [&writer](QFile &file) { writer(file); }, replacing(path), access);
    } catch (const WriteError &error) {
        if (error.path() == path)
            throw;
        throw WriteError(path, error.reason()); // the temporary file's failure is the target's
    }
}

void writeFileAtomically(const QString &path, const QByteArray &content, Access access)
{
    writeFileAtomically(
        path,
        [&content, &path](QIODevice &device) {
            if (device.write(content) != content.size())
                throw WriteError(path, device.errorString());
        },
        access);
}

QByteArray readWholeFile(const QString &path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw IoError(QCoreApplication::translate("FileIo", "Unable to read %1: %2")
                          .arg(QDir::toNativeSeparators(path), file.errorString()));
    if (file.size() > maxBytes)
        throw IoError(QCoreApplication::translate("FileIo", "Unable to read %1: the file is too large")
                          .arg(QDir::toNativeSeparators(path)));
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw IoError(QCoreApplication::translate("FileIo", "Unable to read %1: %2")
                          .arg(QDir::toNativeSeparators(path), file.errorString()));
    return data;
}

bool isKnownMissing(const QString &path)
{
#ifdef Q_OS_WIN
    return !QFileInfo::exists(path);
#else
    struct stat info;
    if (::lstat(QFile::encodeName(path).constData(), &info) == 0)
        return false;
    return errno == ENOENT || errno == ENOTDIR || errno == ENAMETOOLONG;
#endif
}

} // namespace corvane::platform
