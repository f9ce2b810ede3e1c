#include "JournaledWrite.h"

#include "FileIo.h"
#include "Logging.h"
#include "TestHooks.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

namespace corvane::platform {

namespace {

constexpr char kMagic[] = "CVJ1";
constexpr char kEnd[] = "END1";

quint64 fnv1a(QByteArrayView bytes)
{
    quint64 hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= uchar(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

// What the journal holds: the change and the bytes each patch replaces (clipped to the file).
struct Journal
{
    FileChange change;
    std::vector<QByteArray> before;
};

QByteArray encode(const Journal &journal)
{
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_0);
        out.writeRawData(kMagic, 4);
        out << journal.change.sizeBefore << journal.change.sizeAfter << quint32(journal.change.patches.size());
        for (size_t i = 0; i < journal.change.patches.size(); ++i)
            out << journal.change.patches[i].offset << journal.change.patches[i].bytes << journal.before[i];
    }
    QDataStream tail(&bytes, QIODevice::Append);
    tail << fnv1a(bytes);
    tail.writeRawData(kEnd, 4);
    return bytes;
}

// The journal, or nothing when it is incomplete or damaged.
std::optional<Journal> decode(const QByteArray &bytes)
{
    if (bytes.size() < 16 || !bytes.startsWith(kMagic) || !bytes.endsWith(kEnd))
        return std::nullopt;
    const QByteArrayView body(bytes.constData(), bytes.size() - 12);
    QDataStream check(bytes.sliced(bytes.size() - 12, 8));
    check.setVersion(QDataStream::Qt_6_0);
    quint64 hash = 0;
    check >> hash;
    if (hash != fnv1a(body))
        return std::nullopt;
    QDataStream in(body.toByteArray());
    in.setVersion(QDataStream::Qt_6_0);
    in.skipRawData(4);
    Journal journal;
    quint32 count = 0;
    in >> journal.change.sizeBefore >> journal.change.sizeAfter >> count;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        FilePatch patch;
        QByteArray before;
        in >> patch.offset >> patch.bytes >> before;
        journal.change.patches.push_back(std::move(patch));
        journal.before.push_back(std::move(before));
    }
    if (in.status() != QDataStream::Ok || journal.change.patches.size() != count)
        return std::nullopt;
    return journal;
}

void flushFolderOf(const QString &path)
{
#ifndef Q_OS_WIN
    // The journal's name must be on the disk before the file is touched.
    const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
#else
    Q_UNUSED(path);
#endif
}

// Writes the patches' bytes (or their bytes before) and gives the file its size. False on failure.
bool applyTo(QFile &file, const Journal &journal, bool undo)
{
    const FileChange &change = journal.change;
    for (size_t i = 0; i < change.patches.size(); ++i) {
        const QByteArray &bytes = undo ? journal.before[i] : change.patches[i].bytes;
        if (!file.seek(change.patches[i].offset) || !testhooks::writeJournaled(file, bytes))
            return false;
    }
    const qint64 size = undo ? change.sizeBefore : change.sizeAfter;
    if (file.size() != size && !file.resize(size))
        return false;
    return flushToDisk(file);
}

// Whether the file holds, at every patch, its bytes after (or before) the change, at that size.
bool holds(QFile &file, const Journal &journal, bool after)
{
    const qint64 size = after ? journal.change.sizeAfter : journal.change.sizeBefore;
    if (file.size() != size)
        return false;
    for (size_t i = 0; i < journal.change.patches.size(); ++i) {
        const QByteArray &expected = after ? journal.change.patches[i].bytes : journal.before[i];
        if (!file.seek(journal.change.patches[i].offset) || file.read(expected.size()) != expected)
            return false;
    }
    return true;
}

} // namespace

QByteArray journalBytes(const FileChange &change, const std::vector<QByteArray> &before)
{
    return encode(Journal{change, before});
}

QString journalPathFor(const QString &path)
{
    const QFileInfo info(path);
    return QDir(info.path()).filePath(temporaryFilePrefix() + info.fileName() + QStringLiteral(".journal"));
}

void writeInPlace(const QString &path, const FileChange &change)
{
    checkWriteFault(path);
    // Unbuffered: a write the system refuses fails at once, and no bytes it kept back are written
    // later at another place (by the seek or the resize of the undo).
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        throw WriteError(path, file.errorString());
    Journal journal{change, {}};
    for (const FilePatch &patch : change.patches) {
        // The bytes the patch replaces; beyond the old end there are none (undoing truncates).
        const qint64 span = std::clamp<qint64>(change.sizeBefore - patch.offset, 0, patch.bytes.size());
        if (span > 0 && !file.seek(patch.offset))
            throw WriteError(path, file.errorString());
        journal.before.push_back(span > 0 ? file.read(span) : QByteArray());
    }

    const QString journalPath = journalPathFor(path);
    {
        QFile log(journalPath);
        if (!openNewFile(log, QIODevice::WriteOnly | QIODevice::Truncate, Access::Private))
            throw WriteError(journalPath, log.errorString());
        if (!testhooks::writeJournaled(log, encode(journal)) || !flushToDisk(log)) {
            const QString reason = log.errorString();
            log.close();
            QFile::remove(journalPath);
            throw WriteError(journalPath, reason);
        }
    }
    flushFolderOf(journalPath);

    if (!applyTo(file, journal, false)) {
        const QString reason = file.errorString();
        file.close();
        // The bytes replaced go back; only when that works too is the journal let go.
        QFile again(path);
        if (again.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered) && applyTo(again, journal, true))
            QFile::remove(journalPath);
        throw WriteError(path, reason);
    }
    file.close();
    QFile::remove(journalPath);
}

namespace {

constexpr qint64 kLargestStore = qint64(1) << 40;

// Whether every field of the journal is one a write of this program makes: sizes in range,
// patches inside the file after the change, not overlapping, each with the bytes it replaced.
bool isPlausible(const Journal &journal)
{
    const FileChange &change = journal.change;
    if (change.sizeBefore < 0 || change.sizeAfter < 0 || change.sizeBefore > kLargestStore
        || change.sizeAfter > kLargestStore || change.patches.size() != journal.before.size())
        return false;
    std::vector<std::pair<qint64, qint64>> spans;
    for (size_t i = 0; i < change.patches.size(); ++i) {
        const FilePatch &patch = change.patches[i];
        if (patch.offset < 0 || patch.bytes.isEmpty() || patch.offset + patch.bytes.size() > change.sizeAfter)
            return false;
        const qint64 replaced = std::clamp<qint64>(change.sizeBefore - patch.offset, 0, patch.bytes.size());
        if (journal.before[i].size() != replaced)
            return false;
        spans.emplace_back(patch.offset, patch.offset + patch.bytes.size());
    }
    std::sort(spans.begin(), spans.end());
    for (size_t i = 1; i < spans.size(); ++i)
        if (spans[i].first < spans[i - 1].second)
            return false;
    return true;
}

// Whether the file could be this journal's file cut off in the middle of the change: its size
// between the sizes before and after, and every byte in the patches' ranges the byte before or
// after the change there (a byte past the old end may also be a zero, which a file system shows
// for a block it had not written yet). A file another program wrote, or another file of the same
// size, fails this in its ranges (the store's change mark among them).
bool holdsOnlyJournalBytes(QFile &file, const Journal &journal)
{
    const FileChange &change = journal.change;
    const qint64 size = file.size();
    const auto [low, high] = std::minmax(change.sizeBefore, change.sizeAfter);
    if (size < low || size > high)
        return false;
    for (size_t i = 0; i < change.patches.size(); ++i) {
        const FilePatch &patch = change.patches[i];
        const QByteArray &before = journal.before[i];
        if (patch.offset >= size)
            continue;
        if (!file.seek(patch.offset))
            return false;
        const QByteArray found = file.read(patch.bytes.size());
        if (found.size() != std::min<qint64>(patch.bytes.size(), size - patch.offset))
            return false;
        for (qsizetype k = 0; k < found.size(); ++k) {
            const char c = found[k];
            const bool isBefore = k < before.size() && c == before[k];
            const bool unwrittenGrowth = patch.offset + k >= change.sizeBefore && c == '\0';
            if (c != patch.bytes[k] && !isBefore && !unwrittenGrowth)
                return false;
        }
    }
    return true;
}

// Renames the journal out of the way, keeping it: the only copy of the bytes it replaced.
QString keepAside(const QString &journalPath)
{
    const QString stem = journalPath + QStringLiteral("-kept-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    for (int n = 1; n < 1000; ++n) {
        const QString kept = n == 1 ? stem : stem + u'-' + QString::number(n);
        if (!QFileInfo::exists(kept) && QFile::rename(journalPath, kept))
            return kept;
    }
    throw WriteError(journalPath, QCoreApplication::translate("JournaledWrite", "the journal could not be kept aside"));
}

} // namespace

JournalRecovery recoverJournal(const QString &path, const std::function<bool()> &wellFormed)
{
    const QString journalPath = journalPathFor(path);
    if (!QFileInfo::exists(journalPath))
        return {};
    QByteArray bytes;
    {
        QFile log(journalPath);
        if (!log.open(QIODevice::ReadOnly))
            throw WriteError(journalPath, log.errorString());
        bytes = log.readAll();
    }
    const std::optional<Journal> journal = decode(bytes);
    const auto done = [&](Recovery outcome) {
        if (!QFile::remove(journalPath) && QFileInfo::exists(journalPath))
            qCWarning(lcPlatform, "The journal %s could not be removed", qUtf8Printable(QDir::toNativeSeparators(journalPath)));
        return JournalRecovery{outcome, {}};
    };
    const auto kept = [&](Recovery outcome) { return JournalRecovery{outcome, keepAside(journalPath)}; };

    if (!journal) {
        // Cut short while it was written, when the file was not touched yet; a file that does not
        // read may have needed it, so it is kept either way.
        return kept(QFileInfo::exists(path) && wellFormed() ? Recovery::Incomplete : Recovery::Unusable);
    }
    if (!QFileInfo::exists(path))
        return kept(Recovery::Foreign);
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        throw WriteError(path, file.errorString());
    if (!isPlausible(*journal))
        return kept(Recovery::Unusable);
    if (holds(file, *journal, true))
        return done(Recovery::Finished);
    if (holds(file, *journal, false))
        return done(Recovery::Dropped);
    if (!holdsOnlyJournalBytes(file, *journal))
        return kept(Recovery::Foreign);
    // Partly written: written again, or undone when the file still does not read.
    if (!applyTo(file, *journal, false))
        throw WriteError(path, file.errorString());
    if (wellFormed())
        return done(Recovery::Completed);
    if (!applyTo(file, *journal, true))
        throw WriteError(path, file.errorString());
    if (wellFormed())
        return done(Recovery::RolledBack);
    return kept(Recovery::Unusable);
}

} // namespace corvane::platform
