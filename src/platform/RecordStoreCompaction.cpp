#include "RecordStore.h"
#include "RecordStoreParts.h"

#include "FileIo.h"
#include "Logging.h"
#include "UiThread.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>

#include <atomic>

namespace corvane::platform {

using namespace records;

namespace records {

QString compactionFileName(const QString &storePath)
{
    return QFileInfo(storePath).fileName() + QStringLiteral(".compacting");
}

std::vector<qint64> copyLive(QFile &from, QIODevice &to, const StoreLayout &layout,
                             const std::vector<std::pair<qint64, qint32>> &records,
                             const std::map<size_t, QByteArray> &replaced, const MarkPlace &mark,
                             const std::atomic<bool> *cancelled)
{
    const auto put = [&](const QByteArray &bytes) {
        if (to.write(bytes) != bytes.size())
            throw WriteError(QString(), to.errorString());
    };
    const auto copy = [&](qint64 offset, qint64 length) {
        if (!from.seek(offset))
            throw IoError(from.errorString());
        while (length > 0) {
            if (cancelled && cancelled->load())
                throw Error(QStringLiteral("cancelled"));
            const QByteArray block = from.read(std::min(length, kCopyBlock));
            if (block.isEmpty())
                throw IoError(QStringLiteral("the file ended early"));
            put(block);
            length -= block.size();
        }
    };
    std::vector<qint64> offsets;
    offsets.reserve(records.size());
    copy(0, layout.listOpenEnd);
    qint64 at = layout.listOpenEnd;
    // Runs of records without blanks between them are copied in one piece.
    size_t i = 0;
    while (i < records.size()) {
        if (cancelled && cancelled->load())
            throw Error(QStringLiteral("cancelled"));
        if (const auto change = replaced.find(i); change != replaced.end()) {
            offsets.push_back(at);
            put(change->second);
            at += change->second.size();
            ++i;
            continue;
        }
        size_t j = i;
        qint64 end = records[i].first;
        while (j < records.size() && records[j].first == end && !replaced.count(j)) {
            offsets.push_back(at + (records[j].first - records[i].first));
            end += records[j].second;
            ++j;
        }
        copy(records[i].first, end - records[i].first);
        at += end - records[i].first;
        i = j;
    }
    if (mark.oldAt >= layout.listCloseBegin) {
        copy(layout.listCloseBegin, mark.oldAt - layout.listCloseBegin);
        put(mark.bytes);
        const qint64 after = mark.oldAt + ChangeMark::kLength;
        copy(after, layout.size - after);
    } else {
        copy(layout.listCloseBegin, layout.size - layout.listCloseBegin);
        put(mark.bytes + '\n');
    }
    return offsets;
}

} // namespace records

// ---- Compaction ---------------------------------------------------------------------------------

void RecordStore::startCompactionIfDue()
{
    if (m_deadBytes > 0 && double(m_deadBytes) > m_compactionShare * double(m_layout.size))
        startCompaction();
}

bool RecordStore::startCompaction()
{
    if (m_compacting || isReadOnly() || !m_loadFailure.isEmpty() || m_path.isEmpty() || !m_memory.isEmpty()
        || m_deadBytes <= 0 || !m_layout.hasList() || m_layout.listSelfClosing)
        return false;
    m_compacting = true;
    auto state = std::make_shared<Compaction>();
    m_compaction = state;
    std::vector<std::pair<qint64, qint32>> records;
    records.reserve(size_t(m_written));
    for (int i = 0; i < m_written; ++i)
        records.emplace_back(m_records[size_t(i)].offset, m_records[size_t(i)].length);
    const MarkPlace mark{nextChangeMark(), m_mark ? m_mark->offset : -1};
    const quint64 token = m_writes;
    const quint64 generation = m_generation;
    struct Result
    {
        QString temporary;
        std::vector<qint64> offsets;
    };
    startOnWorker(
        m_worker, this,
        [path = m_path, layout = m_layout, records = std::move(records), mark, state]() {
            QFile from(path);
            if (!from.open(QIODevice::ReadOnly))
                throw IoError(from.errorString());
            Result result;
            result.temporary = writeTemporaryFile(
                QFileInfo(path).absolutePath(),
                [&](QFile &to) { result.offsets = copyLive(from, to, layout, records, {}, mark, &state->cancelled); },
                Access::Private, nullptr, compactionFileName(path));
            const QMutexLocker lock(&state->mutex);
            state->temporary = result.temporary;
            return result;
        },
        [this, state, token, generation](auto outcome) {
            m_compacting = false;
            m_compaction.reset();
            try {
                Result result = outcome();
                // Only a file that holds what the store holds now takes its place.
                QString reason;
                if (token != m_writes || generation != m_generation || changedOnDisk()
                    || placeFile(result.temporary, m_path, Placing::Replace, &reason) != RenameOutcome::Done) {
                    QFile::remove(result.temporary);
                    if (!reason.isEmpty())
                        qCWarning(lcPlatform, "A compaction of %s was not put in place: %s",
                                  qUtf8Printable(QDir::toNativeSeparators(m_path)), qUtf8Printable(reason));
                    Q_EMIT compactionFinished(false);
                    return;
                }
                placed(result.offsets);
                qCInfo(lcPlatform, "%s compacted to %lld bytes", qUtf8Printable(QDir::toNativeSeparators(m_path)),
                       m_layout.size);
                Q_EMIT compactionFinished(true);
            } catch (const Error &error) {
                if (!state->cancelled)
                    qCWarning(lcPlatform, "A compaction of %s failed: %s", qUtf8Printable(QDir::toNativeSeparators(m_path)),
                              qUtf8Printable(error.message()));
                Q_EMIT compactionFinished(false);
            }
        });
    return true;
}

void RecordStore::cancelCompaction()
{
    // Its worker stops at its next record; a hand-over still to come finds its token stale.
    if (m_compaction)
        m_compaction->cancelled = true;
    ++m_writes;
}

void RecordStore::dropCompaction()
{
    if (!m_compaction)
        return;
    cancelCompaction();
    m_worker.waitForDone();
    const QMutexLocker lock(&m_compaction->mutex);
    if (!m_compaction->temporary.isEmpty())
        QFile::remove(m_compaction->temporary);
}

} // namespace corvane::platform
