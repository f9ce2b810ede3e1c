#include "FileIo.h"

#include "Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <cstdio>
#include <unistd.h>
#endif

namespace corvane::platform {

WriteError::WriteError(const QString &path, const QString &reason)
    : IoError(QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(path))),
      m_path(path),
      m_reason(reason)
{
}

QString temporaryFilePrefix()
{
    return QStringLiteral("~corvane-");
}

namespace {

WriteFaultHook &writeFaultHook()
{
    static WriteFaultHook hook;
    return hook;
}

QString temporarySibling(const QString &path)
{
    const QFileInfo info(path);
    const QString name = temporaryFilePrefix()
        + QString::number(QRandomGenerator::global()->generate64(), 36) + QStringLiteral(".tmp");
    return joinPath(info.path(), name);
}

bool replaceFile(const QString &from, const QString &to, QString *reason)
{
#ifdef Q_OS_WIN
    if (MoveFileExW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(from).utf16()),
                    reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(to).utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    *reason = QStringLiteral("rename failed (error %1)").arg(GetLastError());
    return false;
#else
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    *reason = QString::fromLocal8Bit(strerror(errno));
    return false;
#endif
}

} // namespace

bool flushToDisk(QFile &file)
{
    if (!file.flush())
        return false;
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

void setWriteFaultHookForTesting(WriteFaultHook hook)
{
    writeFaultHook() = std::move(hook);
}

void writeFileAtomically(const QString &path, const std::function<void(QIODevice &)> &writer)
{
    const QString temp = temporarySibling(path);
    QFile file(temp);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw WriteError(path, file.errorString());
    try {
        writer(file);
    } catch (...) {
        file.close();
        QFile::remove(temp);
        throw;
    }
    if (file.error() != QFileDevice::NoError || !flushToDisk(file)) {
        const QString reason = file.errorString();
        file.close();
        QFile::remove(temp);
        throw WriteError(path, reason);
    }
    file.close();
    if (writeFaultHook() && writeFaultHook()(path)) {
        QFile::remove(temp);
        throw WriteError(path, QStringLiteral("No space left on device"));
    }
    QString reason;
    if (!replaceFile(temp, path, &reason)) {
        QFile::remove(temp);
        throw WriteError(path, reason);
    }
}

void writeFileAtomically(const QString &path, const QByteArray &content)
{
    writeFileAtomically(path, [&content, &path](QIODevice &device) {
        if (device.write(content) != content.size())
            throw WriteError(path, device.errorString());
    });
}

QByteArray readWholeFile(const QString &path, qint64 maxBytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw IoError(QStringLiteral("Unable to read %1: %2")
                          .arg(QDir::toNativeSeparators(path), file.errorString()));
    if (file.size() > maxBytes)
        throw IoError(QStringLiteral("Unable to read %1: the file is too large")
                          .arg(QDir::toNativeSeparators(path)));
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw IoError(QStringLiteral("Unable to read %1: %2")
                          .arg(QDir::toNativeSeparators(path), file.errorString()));
    return data;
}

} // namespace corvane::platform
