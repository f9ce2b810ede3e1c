#include "JournaledWrite.h"

#include "FileIo.h"
#include "Logging.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>
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

// The crash tests' abrupt end after a number of bytes written.
class ByteBudget
{
public:
    ByteBudget()
    {
        bool ok = false;
        const qint64 limit = qEnvironmentVariable("CORVANE_TEST_EXIT_AFTER_BYTES").toLongLong(&ok);
        if (ok && limit >= 0)
            m_left = limit;
    }
    void set(qint64 bytes) { m_left = bytes; }
    // Writes the bytes, ending the process when the budget runs out in them.
    bool write(QFile &file, QByteArrayView bytes)
    {
        if (m_left < 0)
            return file.write(bytes.data(), bytes.size()) == bytes.size();
        const qint64 now = std::min<qint64>(m_left, bytes.size());
        if (now > 0 && (file.write(bytes.data(), now) != now || !file.flush()))
            return false;
        m_left -= now;
        if (now < bytes.size())
            std::_Exit(70);
        return true;
    }

private:
    qint64 m_left = -1;
};

ByteBudget &budget()
{
    static ByteBudget instance;
    return instance;
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
        if (!file.seek(change.patches[i].offset) || !budget().write(file, bytes))
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

void setExitAfterBytesForTesting(qint64 bytes)
{
    budget().set(bytes);
}

QString journalPathFor(const QString &path)
{
    const QFileInfo info(path);
    return QDir(info.path()).filePath(temporaryFilePrefix() + info.fileName() + QStringLiteral(".journal"));
}

void writeInPlace(const QString &path, const FileChange &change)
{
    checkWriteFault(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
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
        if (!budget().write(log, encode(journal)) || !flushToDisk(log)) {
            const QString reason = log.errorString();
            log.close();
            QFile::remove(journalPath);
            throw WriteError(journalPath, reason);
        }
    }
    flushFolderOf(journalPath);

    if (!applyTo(file, journal, false)) {
        const QString reason = file.errorString();
        // The bytes replaced go back; only when that works too is the journal let go.
        if (applyTo(file, journal, true))
            QFile::remove(journalPath);
        throw WriteError(path, reason);
    }
    file.close();
    QFile::remove(journalPath);
}

Recovery recoverJournal(const QString &path, const std::function<bool()> &wellFormed)
{
    const QString journalPath = journalPathFor(path);
    if (!QFileInfo::exists(journalPath))
        return Recovery::None;
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
        return outcome;
    };
    // An incomplete journal was being written when the program ended: the file was not touched yet.
    if (!journal)
        return done(Recovery::Dropped);

    // A store removed since has nothing the journal could mend.
    if (!QFileInfo::exists(path))
        return done(Recovery::Dropped);
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        throw WriteError(path, file.errorString());
    if (holds(file, *journal, true))
        return done(Recovery::Finished);
    if (holds(file, *journal, false))
        return done(Recovery::Dropped);
    const qint64 size = file.size();
    const auto [low, high] = std::minmax(journal->change.sizeBefore, journal->change.sizeAfter);
    if ((size < low || size > high) && wellFormed())
        return done(Recovery::Foreign);
    // Partly written: written again, or undone when the file still does not read.
    if (!applyTo(file, *journal, false))
        throw WriteError(path, file.errorString());
    if (wellFormed())
        return done(Recovery::Completed);
    if (!applyTo(file, *journal, true))
        throw WriteError(path, file.errorString());
    return done(Recovery::RolledBack);
}

} // namespace corvane::platform
