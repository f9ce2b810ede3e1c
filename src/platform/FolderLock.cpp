#include "FolderLock.h"

#include "Errors.h"
#include "FileIo.h"
#include "Logging.h"
#include "Paths.h"
#include "Retry.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QCoreApplication>
#include <QRandomGenerator>
#include <QSysInfo>

#include <optional>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace corvane::platform {

QString FolderLock::lockPathFor(const QString &folder)
{
    return joinPath(folder, temporaryFilePrefix() + QStringLiteral("delivery.lock"));
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
    *reason = QCoreApplication::translate("FolderLock", "error %1").arg(error);
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

// Removing our lock folder, refused for a moment while another client looks at it.
constexpr RetryPolicy kLockFolderRemoval{.what = "unlock",
                                         .attempts = 40,
                                         .delay = std::chrono::milliseconds(10),
                                         .step = std::chrono::milliseconds(5)};
// A read-modify-write that a share refuses now and then (another client reads the file).
constexpr RetryPolicy kLockedUpdate{.what = "locked update",
                                    .attempts = 8,
                                    .delay = std::chrono::milliseconds(50),
                                    .step = std::chrono::milliseconds(50),
                                    .maxDelay = std::chrono::milliseconds(500)};

void FolderLock::acquire(const QString &folder, Options options)
{
    const QString path = lockPathFor(folder);
    // Tries again every few milliseconds, spread so that writers waiting together do not meet
    // again, and backs off while the share fails.
    const RetryPolicy policy{.what = "lock",
                             .patience = options.giveUpAfter,
                             .delay = std::chrono::milliseconds(20),
                             .step = std::chrono::milliseconds(20),
                             .maxDelay = std::chrono::milliseconds(250),
                             .base = std::chrono::milliseconds(3),
                             .jitter = std::chrono::milliseconds(12)};
    // The lock folder we last saw and since when it has been unchanged, by our own clock: the
    // server's clock may differ from ours. It is looked at seldom: every look opens it on the
    // server, which gets in the way of its owner removing it.
    QDateTime seenStamp;
    QElapsedTimer seenFor;
    QElapsedTimer lastLook;
    bool failedLast = false;
    QString reason;
    const bool made = retry(policy, [&] {
        while (true) {
            switch (makeLockFolder(path, &reason)) {
            case MkdirOutcome::Made:
                return Try::Done;
            case MkdirOutcome::Refused:
                throw IoError(QCoreApplication::translate("FolderLock", "Unable to lock the folder %1: %2")
                                  .arg(QDir::toNativeSeparators(folder), reason));
            case MkdirOutcome::Transient:
                failedLast = true;
                return Try::Failed;
            case MkdirOutcome::Exists:
                failedLast = false;
                if (lastLook.isValid() && lastLook.elapsed() < 500)
                    return Try::Busy;
                lastLook.start();
                if (const QFileInfo info(path); info.exists()) {
                    const QDateTime stamp = info.lastModified();
                    if (!seenFor.isValid() || stamp != seenStamp) {
                        seenStamp = stamp;
                        seenFor.start();
                    } else if (seenFor.elapsed() >= options.staleAfter.count()) {
                        // Move the stale lock aside before removing it, so that two writers
                        // breaking it at once cannot remove a fresh lock that a third has just made.
                        const QString aside = joinPath(folder, temporaryFilePrefix()
                            + QString::number(QRandomGenerator::global()->generate64(), 36)
                            + QStringLiteral(".stale"));
                        qCWarning(lcPlatform, "breaking the lock of %s: unchanged for %lld ms",
                                  qUtf8Printable(QDir::toNativeSeparators(folder)),
                                  static_cast<long long>(seenFor.elapsed()));
                        if (QDir().rename(path, aside))
                            QDir().rmdir(aside);
                        seenFor.invalidate();
                        continue;
                    }
                }
                return Try::Busy;
            }
        }
    });
    if (!made)
        throw IoError(QCoreApplication::translate("FolderLock", "Unable to lock the folder %1: %2")
                          .arg(QDir::toNativeSeparators(folder),
                               failedLast ? reason : QCoreApplication::translate("FolderLock", "another program holds it")));
    m_lockPath = path;
    m_heldFor.start();
    m_staleAfter = options.staleAfter;
}

FolderLock::~FolderLock()
{
    // A lock held so long that it may have been broken may be another writer's by now: it is left
    // to go stale.
    if (m_lockPath.isEmpty() || !stillHeld())
        return;
    // A share refuses the removal for a moment while another client looks at the folder; a lock
    // left behind would hold every writer up until it is stale.
    const bool removed = retry(kLockFolderRemoval, std::function<bool()>([this] {
        return QDir().rmdir(m_lockPath) || isKnownMissing(m_lockPath);
    }));
    if (!removed)
        qCWarning(lcPlatform, "could not remove the lock %s: other writers wait until it is stale",
                  qUtf8Printable(QDir::toNativeSeparators(m_lockPath)));
}

bool removeAbandonedFolderLock(const QString &folder, std::chrono::milliseconds olderThan)
{
    const QString path = FolderLock::lockPathFor(folder);
    const QFileInfo info(path);
    if (!info.isDir() || info.lastModified().msecsTo(QDateTime::currentDateTime()) < olderThan.count())
        return false;
    // Moved aside first, as a writer breaking a stale lock does, so that a fresh lock made
    // meanwhile is never the one removed.
    const QString aside = joinPath(folder, temporaryFilePrefix()
        + QString::number(QRandomGenerator::global()->generate64(), 36) + QStringLiteral(".stale"));
    if (!QDir().rename(path, aside))
        return false;
    QDir().rmdir(aside);
    qCWarning(lcPlatform, "removed the lock of %s, left %lld s ago by a writer that ended",
              qUtf8Printable(QDir::toNativeSeparators(folder)),
              static_cast<long long>(info.lastModified().secsTo(QDateTime::currentDateTime())));
    return true;
}

bool FolderLock::stillHeld() const
{
    return !m_lockPath.isEmpty() && m_heldFor.elapsed() < m_staleAfter.count() / 2;
}

namespace {

const QString kHolderNote = QStringLiteral("holder");

// False only when the process is known to have ended.
bool processRunning(qint64 pid)
{
#ifdef Q_OS_WIN
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, DWORD(pid));
    if (!process)
        return GetLastError() != ERROR_INVALID_PARAMETER;
    DWORD code = 0;
    const bool running = !GetExitCodeProcess(process, &code) || code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
#else
    return ::kill(pid_t(pid), 0) == 0 || errno != ESRCH;
#endif
}

QString realMachineIdentity()
{
    const QByteArray machine = QSysInfo::machineUniqueId();
    if (machine.isEmpty())
        return {};
#ifdef Q_OS_WIN
    // The machine GUID (HKLM\SOFTWARE\Microsoft\Cryptography\MachineGuid); Windows names no boot.
    return QString::fromLatin1(machine);
#else
    // Cloned machines share the machine id; the boot id tells them apart, and tells this boot from
    // an earlier one.
    const QByteArray boot = QSysInfo::bootUniqueId();
    if (boot.isEmpty())
        return {};
    QString identity = QString::fromLatin1(machine + ' ' + boot);
#ifdef Q_OS_LINUX
    struct stat space;
    if (::stat("/proc/self/ns/pid", &space) != 0)
        return {};
    identity += QStringLiteral(" pid:%1:%2").arg(quint64(space.st_dev)).arg(quint64(space.st_ino));
#endif
    return identity;
#endif
}

std::optional<QString> &fakedMachineIdentity()
{
    static std::optional<QString> faked;
    return faked;
}

// A note: host name, process id and program name (the lines older copies read), then the
// machine's identity and the holder's token. A line counts only when it is whole (ends in a line
// break): a note cut short names no process, no machine and no holder.
struct HolderNote
{
    QString host;
    qint64 pid = 0;
    QString application;
    QString identity;
    QString token;
};

std::optional<QByteArray> readNoteBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(4096);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

std::optional<HolderNote> parseNote(const std::optional<QByteArray> &bytes)
{
    if (!bytes)
        return std::nullopt;
    const QStringList lines = QString::fromUtf8(*bytes).split(u'\n');
    if (lines.size() < 3)
        return std::nullopt;
    HolderNote note{lines[0], lines[1].toLongLong(), lines[2], {}, {}};
    if (lines.size() > 4)
        note.identity = lines[3];
    if (lines.size() > 5)
        note.token = lines[4];
    return note;
}

// A placed note as it was seen: its bytes (none when it could not be read) and its time.
struct NoteSeen
{
    std::optional<QByteArray> bytes;
    QDateTime modified;
    bool operator==(const NoteSeen &) const = default;
};

NoteSeen seeNote(const QString &lockPath)
{
    const QString path = lockPath + u'/' + kHolderNote;
    return {readNoteBytes(path), QFileInfo(path).lastModified()};
}

// The note a holder was still placing (written to a temporary file, then renamed) when it ended.
std::optional<HolderNote> pendingNote(const QString &lockPath)
{
    for (const QString &name : QDir(lockPath).entryList({temporaryFilePrefix() + u'*'}, QDir::Files | QDir::Hidden))
        if (std::optional<HolderNote> note = parseNote(readNoteBytes(lockPath + u'/' + name)))
            return note;
    return std::nullopt;
}

// Whether the lock's holder is gone: provably, by its process on this machine in this boot, or by
// the age of its note.
bool isStale(const QString &lockPath, const NoteSeen &seen, std::chrono::milliseconds staleAfter)
{
    const std::optional<HolderNote> note = parseNote(seen.bytes);
    // A holder that ended while placing its note is known by the note it was placing.
    const std::optional<HolderNote> holder = note ? note : pendingNote(lockPath);
    const QString identity = machineIdentity();
    if (holder && !identity.isEmpty() && holder->identity == identity && holder->host == QSysInfo::machineHostName()
        && holder->pid > 0 && !processRunning(holder->pid))
        return true;
    // The note's time (or the folder's, when the holder died before writing it) is the server's;
    // the stale time is long beside any difference of clocks.
    const QDateTime stamp = note ? seen.modified : QFileInfo(lockPath).lastModified();
    return stamp.isValid() && stamp.msecsTo(QDateTime::currentDateTime()) > staleAfter.count();
}

// Removes the lock whose note was judged stale; false when it turned out alive and was left.
bool breakLock(const QString &lockPath, const NoteSeen &judged)
{
    qCWarning(lcPlatform, "breaking the lock %s: its holder is gone", qUtf8Printable(QDir::toNativeSeparators(lockPath)));
    // Moved aside first, so that two copies breaking it at once cannot remove a fresh one.
    const QString aside = QFileInfo(lockPath).path() + u'/' + temporaryFilePrefix()
        + QString::number(QRandomGenerator::global()->generate64(), 36) + QStringLiteral(".stale");
    if (!QDir().rename(lockPath, aside))
        return true; // another copy broke it first: try to take it
    // Since its note was judged, its holder may have come back and rewritten it, or another copy may
    // have broken the lock and taken it anew: the living lock goes back in its place.
    if (seeNote(aside) != judged) {
        qCWarning(lcPlatform, "the lock %s was taken anew meanwhile: left to its holder",
                  qUtf8Printable(QDir::toNativeSeparators(lockPath)));
        if (!QDir().rename(aside, lockPath))
            qCWarning(lcPlatform, "could not put the lock %s back from %s", qUtf8Printable(QDir::toNativeSeparators(lockPath)),
                      qUtf8Printable(QDir::toNativeSeparators(aside)));
        return false;
    }
    // The note, and a note its holder was still placing.
    for (const QString &name : QDir(aside).entryList(QDir::Files | QDir::Hidden))
        QFile::remove(aside + u'/' + name);
    QDir().rmdir(aside);
    return true;
}

// A token no other holder has: a note that carries it was written by this holder.
QString newToken()
{
    QRandomGenerator *random = QRandomGenerator::system();
    return QString::number(random->generate64(), 16).rightJustified(16, u'0')
        + QString::number(random->generate64(), 16).rightJustified(16, u'0');
}

} // namespace

QString machineIdentity()
{
    if (const std::optional<QString> &faked = fakedMachineIdentity())
        return *faked;
    static const QString identity = realMachineIdentity();
    return identity;
}

void setMachineIdentityForTesting(const std::optional<QString> &identity)
{
    fakedMachineIdentity() = identity;
}

SessionLock::SessionLock(const QString &lockPath, std::chrono::milliseconds staleAfter)
    : m_path(lockPath), m_staleAfter(staleAfter)
{
}

SessionLock::~SessionLock()
{
    release();
}

SessionLock::Outcome SessionLock::take()
{
    if (m_held)
        return Outcome::Taken;
    m_reason.clear();
    // A second try follows breaking a stale lock.
    for (int attempt = 0; attempt < 2; ++attempt) {
        switch (makeLockFolder(m_path, &m_reason)) {
        case MkdirOutcome::Made:
            m_held = true;
            m_token = newToken();
            try {
                writeNote();
            } catch (const Error &error) {
                // The folder is ours and names nobody: others would wait for it to go stale.
                m_held = false;
                QDir().rmdir(m_path);
                m_reason = error.message();
                return Outcome::Refused;
            }
            return Outcome::Taken;
        case MkdirOutcome::Refused:
        case MkdirOutcome::Transient:
            return Outcome::Refused;
        case MkdirOutcome::Exists: {
            const NoteSeen seen = seeNote(m_path);
            if (!isStale(m_path, seen, m_staleAfter) || !breakLock(m_path, seen))
                return Outcome::HeldElsewhere;
            break;
        }
        }
    }
    return Outcome::HeldElsewhere;
}

void SessionLock::writeNote()
{
    const QString text = QSysInfo::machineHostName() + u'\n' + QString::number(QCoreApplication::applicationPid())
        + u'\n' + QCoreApplication::applicationName() + u'\n' + machineIdentity() + u'\n' + m_token + u'\n';
    writeFileAtomically(m_path + u'/' + kHolderNote, text.toUtf8(), Access::Shared); // read by every writer
}

SessionLock::Ownership SessionLock::ownership() const
{
    const QString notePath = m_path + u'/' + kHolderNote;
    if (const std::optional<QByteArray> bytes = readNoteBytes(notePath)) {
        const std::optional<HolderNote> note = parseNote(bytes);
        return note && note->token == m_token ? Ownership::Ours : Ownership::Others;
    }
    // The note is placed by renaming, so it is never missing while the lock is ours: one known to
    // be gone while the folder around the lock answers was removed by whoever broke the lock.
    if (isKnownMissing(notePath) && QFileInfo(QFileInfo(m_path).path()).isDir())
        return Ownership::Others;
    return Ownership::Unknown;
}

SessionLock::Refresh SessionLock::refresh()
{
    if (!m_held)
        return Refresh::NotHeld;
    switch (ownership()) {
    case Ownership::Ours:
        // Another copy that broke the lock just now, after this look, would find its note replaced
        // and give the lock up at its own next refresh.
        try {
            writeNote();
        } catch (const Error &error) {
            // The next refresh tries again; the lock goes stale only after several have failed.
            qCWarning(lcPlatform, "%s", qUtf8Printable(error.message()));
        }
        return Refresh::Kept;
    case Ownership::Others:
        qCWarning(lcPlatform, "the lock %s was broken and perhaps taken by another copy: no longer held",
                  qUtf8Printable(QDir::toNativeSeparators(m_path)));
        m_held = false;
        return Refresh::TakenOver;
    case Ownership::Unknown:
        break;
    }
    qCWarning(lcPlatform, "could not read the note of the lock %s: tried again later",
              qUtf8Printable(QDir::toNativeSeparators(m_path)));
    return Refresh::Unreached;
}

void SessionLock::release()
{
    if (!m_held)
        return;
    m_held = false;
    // A note that names another holder, or cannot be read, is left: its lock is not ours to remove.
    if (ownership() != Ownership::Ours) {
        qCWarning(lcPlatform, "left the lock %s: its note does not name this holder",
                  qUtf8Printable(QDir::toNativeSeparators(m_path)));
        return;
    }
    // Once, on the UI thread: a lock folder left behind has no note, and goes stale by its time.
    QFile::remove(m_path + u'/' + kHolderNote);
    if (!QDir().rmdir(m_path) && QFileInfo::exists(m_path))
        qCWarning(lcPlatform, "could not remove the lock %s", qUtf8Printable(QDir::toNativeSeparators(m_path)));
}

QString SessionLock::holder() const
{
    const std::optional<HolderNote> note = parseNote(readNoteBytes(m_path + u'/' + kHolderNote));
    if (!note)
        return {};
    return QCoreApplication::translate("FolderLock", "process %1 (%2) on %3").arg(note->pid).arg(note->application, note->host);
}

void updateUnderFolderLock(const QString &folder, const std::function<void()> &update)
{
    bool lockRefused = false;
    retryOnError(
        kLockedUpdate,
        [&] {
            std::optional<FolderLock> lock;
            try {
                lock.emplace(folder);
            } catch (const Error &) {
                lockRefused = true; // a lock not had within its patience is not tried again
                throw;
            }
            update();
        },
        [&lockRefused](const Error &) { return !lockRefused; });
}

} // namespace corvane::platform
