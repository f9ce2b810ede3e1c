#include "RecordStore.h"
#include "RecordStoreParts.h"

#include "FileIo.h"
#include "JournaledWrite.h"
#include "Logging.h"
#include "XmlDocument.h"
#include "XmlNodes.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace corvane::platform {

using namespace records;

// ---- Changing -----------------------------------------------------------------------------------

void RecordStore::checkSavable() const
{
    checkStoreSavable(m_path, m_loadFailure);
}

void RecordStore::checkWritable() const
{
    if (isReadOnly())
        throw IoError(m_readOnlyReason);
}

bool RecordStore::hasUnsavedChanges() const
{
    return !m_unwritten.empty() || !m_marks.empty() || !m_rootChildrenToAdd.isEmpty();
}

bool RecordStore::hasRootChild(const QByteArray &name) const
{
    return m_layout.rootChildren.contains(name) || m_rootChildrenToAdd.contains(name);
}

void RecordStore::ensureRootChild(const QByteArray &name)
{
    if (!m_active || m_layout.rootOpenBegin < 0 || hasRootChild(name))
        return;
    checkWritable();
    m_rootChildrenToAdd.append(name);
}

void RecordStore::appendRecord(QByteArray element)
{
    checkWritable();
    const QByteArray &list = m_names.scan.listElement;
    QByteArray wrapped = "<r><" + list + '>' + element + "</" + list + "></r>";
    QBuffer buffer(&wrapped);
    buffer.open(QIODevice::ReadOnly);
    int found = 0;
    const qsizetype before = m_records.size();
    scanStore(buffer, m_names.scan, QCoreApplication::translate("RecordStore", "a new message"), [&](const ScannedRecord &record, QByteArrayView bytes) {
        if (++found == 1)
            add(record, bytes, -1);
    });
    if (found != 1) {
        if (qsizetype(m_records.size()) > before) {
            m_records.pop_back();
            removeSummary(count());
        }
        throw XmlError(QCoreApplication::translate("RecordStore", "A new message is not one element"));
    }
    m_unwritten.push_back(std::move(element));
    m_ids.appended(m_generation);
    raiseRevision();
}

void RecordStore::setMark(int position, const QByteArray &value)
{
    checkWritable();
    if (position < 0 || position >= count())
        throw missingRecord(position);
    Record &record = m_records[size_t(position)];
    if (record.offset < 0) {
        // Not written yet: the bytes waiting are changed, and their places found again.
        QByteArray &bytes = m_unwritten[size_t(position - m_written)];
        pugi::xml_document document;
        if (!document.load_buffer(bytes.constData(), size_t(bytes.size()), kParseOptions, pugi::encoding_utf8))
            return;
        pugi::xml_node element = document.document_element();
        xml::writeAttribute(element, m_names.scan.markAttribute.constData(), QString::fromUtf8(value));
        const QByteArray printed = elementBytes(element);
        QByteArray rewritten = "<r><" + m_names.scan.listElement + '>' + printed + "</" + m_names.scan.listElement + "></r>";
        QBuffer buffer(&rewritten);
        buffer.open(QIODevice::ReadOnly);
        scanStore(buffer, m_names.scan, QCoreApplication::translate("RecordStore", "a new message"),
                  [&](const ScannedRecord &scanned, QByteArrayView found) { record = placeOf(scanned, found, -1); });
        bytes = printed;
        return;
    }
    auto pending = m_marks.find(position);
    if (pending == m_marks.end())
        pending = m_marks.emplace(position, PendingMark{{}, identityOf(recordBytes(position))}).first;
    pending->second.value = value;
}

void RecordStore::saveUnsavedChanges()
{
    if (hasUnsavedChanges() && !isReadOnly() && !m_path.isEmpty() && m_loadFailure.isEmpty())
        save();
}

void RecordStore::save()
{
    checkSavable();
    checkWritable();
    if (!hasUnsavedChanges() && QFileInfo::exists(m_path))
        return;
    writeChange(std::nullopt);
}

void RecordStore::removeRecord(int position)
{
    checkWritable();
    checkSavable();
    if (position < 0 || position >= count())
        throw missingRecord(position);
    if (m_records[size_t(position)].offset < 0) {
        // Never written: it goes from what waits, and the rest is written as a removal would.
        m_records.erase(m_records.begin() + position);
        m_unwritten.erase(m_unwritten.begin() + (position - m_written));
        removeSummary(position);
        m_ids.removed(position, m_generation);
        raiseRevision();
        if (hasUnsavedChanges())
            writeChange(std::nullopt);
        return;
    }
    writeChange(position);
    raiseRevision();
    startCompactionIfDue();
}

void RecordStore::writeChange(std::optional<int> removed)
{
    if (!QFileInfo::exists(m_path)) {
        // Removed behind the store's back: what the file held is gone with it; a new one takes
        // what waits.
        qCWarning(lcPlatform, "%s was removed while open: it is made again", qUtf8Printable(QDir::toNativeSeparators(m_path)));
        writeInitialContent(m_path);
        setStamp({});
        removed.reset();
    }
    if (changedOnDisk()) {
        // The message to remove is found again by its content, read at its old place; a file that
        // another installation compacted meanwhile no longer holds it there (another message of
        // the same length may), so the file is read again with what waited and the removal refused
        // rather than made on another message.
        if (removed && placesMayHaveMoved()) {
            reloadKeepingChanges(std::nullopt);
            if (hasUnsavedChanges())
                writeChange(std::nullopt);
            throw IoError(QCoreApplication::translate("RecordStore", "%1 changed on disk since it was read (another copy of Corvane or a "
                                                                     "sync tool wrote it): it was read again and nothing was deleted. "
                                                                     "Delete the message again.")
                              .arg(QDir::toNativeSeparators(m_path)));
        }
        std::optional<QByteArray> removedIdentity;
        if (removed)
            removedIdentity = identityOf(readRecord(*removed));
        removed = reloadKeepingChanges(removedIdentity);
        if (!hasUnsavedChanges() && !removed)
            return;
    }
    if (std::any_of(m_marks.begin(), m_marks.end(), [&](const auto &entry) {
            const Record &record = m_records[size_t(entry.first)];
            return record.markBegin < 0 || entry.second.value.size() > record.markCapacity;
        })) {
        rewriteWhole(removed);
        return;
    }
    const Plan plan = planFor(removed);
    if (!plan.change.patches.empty())
        writeInPlace(m_path, plan.change);
    written(plan, removed);
}

RecordStore::Plan RecordStore::planFor(std::optional<int> removed) const
{
    Plan plan;
    plan.layout = m_layout;
    FileChange &change = plan.change;
    change.sizeBefore = change.sizeAfter = m_layout.size;
    for (const auto &[position, mark] : m_marks) {
        const Record &record = m_records[size_t(position)];
        if (position == removed)
            continue;
        QByteArray bytes = mark.value + record.markQuote;
        bytes.append(record.markCapacity - mark.value.size(), ' ');
        change.patches.push_back({record.offset + record.markBegin, bytes});
    }
    if (removed) {
        const Record &record = m_records[size_t(*removed)];
        change.patches.push_back({record.offset, QByteArray(record.length, ' ')});
    }

    QByteArray records;
    for (const QByteArray &bytes : m_unwritten)
        records += bytes;
    const QByteArray &list = m_names.scan.listElement;
    QList<QByteArray> toAdd;
    for (const QByteArray &name : m_rootChildrenToAdd)
        if (!m_layout.rootChildren.contains(name) && !toAdd.contains(name))
            toAdd.append(name);
    if (!records.isEmpty() && !m_layout.hasList() && !toAdd.contains(list))
        toAdd.append(list);
    const bool listSplice = !records.isEmpty() && m_layout.hasList();
    if (!listSplice && toAdd.isEmpty()) {
        // Every write moves the change mark: in its place, or added at the end the first time.
        if (change.patches.empty())
            return plan;
        const QByteArray mark = nextChangeMark();
        if (m_mark) {
            change.patches.push_back({m_mark->offset, mark});
        } else {
            change.patches.push_back({m_layout.size, mark + '\n'});
            plan.layout.size = change.sizeAfter = m_layout.size + mark.size() + 1;
        }
        return plan;
    }

    // The bytes from the first place that changes to the end are written again, with the new
    // records and elements in their places.
    StoreLayout &layout = plan.layout;
    const qint64 from = listSplice ? m_layout.listEnd()
                                   : (m_layout.rootSelfClosing ? m_layout.rootOpenBegin : m_layout.rootCloseBegin);
    QByteArray old;
    if (!m_memory.isEmpty()) {
        old = m_memory.mid(from);
    } else {
        QFile file(m_path);
        if (!file.open(QIODevice::ReadOnly))
            throw WriteError(m_path, file.errorString());
        old = readRange(file, from, m_layout.size - from);
    }
    if (old.size() != m_layout.size - from)
        throw WriteError(m_path, QCoreApplication::translate("RecordStore", "the file could not be read"));
    QByteArray out;
    qint64 cursor = from;
    const auto copyTo = [&](qint64 offset) {
        out += old.mid(cursor - from, offset - cursor);
        cursor = offset;
    };
    const auto here = [&] { return from + out.size(); };
    const auto putList = [&] {
        layout.listOpenBegin = here();
        out += '<' + list + '>';
        layout.listOpenEnd = plan.recordsAt = here();
        out += records;
        layout.listCloseBegin = here();
        out += "</" + list + '>';
        layout.listSelfClosing = false;
    };
    if (listSplice) {
        if (m_layout.listSelfClosing) {
            layout.listOpenBegin = here();
            out += openedTag(old.mid(m_layout.listOpenBegin - from, m_layout.listOpenEnd - m_layout.listOpenBegin));
            layout.listOpenEnd = plan.recordsAt = here();
            out += records;
            layout.listCloseBegin = here();
            out += "</" + list + '>';
            layout.listSelfClosing = false;
            cursor = m_layout.listOpenEnd;
        } else {
            copyTo(m_layout.listCloseBegin);
            plan.recordsAt = here();
            out += records;
            layout.listCloseBegin = here();
        }
        if (m_layout.rootCloseBegin >= 0)
            layout.rootCloseBegin = here() + (m_layout.rootCloseBegin - cursor);
    }
    if (!toAdd.isEmpty()) {
        if (m_layout.rootSelfClosing) {
            copyTo(m_layout.rootOpenBegin);
            layout.rootOpenBegin = here();
            out += openedTag(old.mid(m_layout.rootOpenBegin - from, m_layout.rootOpenEnd - m_layout.rootOpenBegin));
            layout.rootOpenEnd = here();
            cursor = m_layout.rootOpenEnd;
            layout.rootSelfClosing = false;
        } else {
            copyTo(m_layout.rootCloseBegin);
        }
        for (const QByteArray &name : toAdd) {
            if (name == list)
                putList();
            else
                out += '<' + name + "/>";
            layout.rootChildren.append(name);
        }
        layout.rootCloseBegin = here();
        if (m_layout.rootSelfClosing)
            out += "</" + m_layout.rootName + '>';
    }
    if (m_mark) {
        copyTo(m_mark->offset);
        out += nextChangeMark();
        cursor += ChangeMark::kLength;
        copyTo(m_layout.size);
    } else {
        copyTo(m_layout.size);
        out += nextChangeMark() + '\n';
    }
    layout.size = here();
    change.sizeAfter = layout.size;
    change.patches.push_back({from, out});
    return plan;
}

void RecordStore::written(const Plan &plan, std::optional<int> removed)
{
    ++m_writes;
    for (const auto &[position, mark] : m_marks)
        m_records[size_t(position)].markLength = qint32(mark.value.size());
    m_marks.clear();
    qint64 at = plan.recordsAt;
    for (size_t i = size_t(m_written); i < m_records.size(); ++i) {
        m_records[i].offset = at;
        at += m_records[i].length;
    }
    m_unwritten.clear();
    m_written = count();
    m_rootChildrenToAdd.clear();
    m_layout = plan.layout;
    if (removed) {
        m_deadBytes += m_records[size_t(*removed)].length;
        m_records.erase(m_records.begin() + *removed);
        --m_written;
        removeSummary(*removed);
        m_ids.removed(*removed, m_generation);
    }
    setStamp(fileStampOf(m_path));
}

std::optional<int> RecordStore::reloadKeepingChanges(const std::optional<QByteArray> &removedIdentity)
{
    qCInfo(lcPlatform, "%s changed on disk: read again before saving", qUtf8Printable(QDir::toNativeSeparators(m_path)));
    std::vector<QByteArray> appended = std::move(m_unwritten);
    std::vector<PendingMark> marks;
    for (auto &[position, mark] : m_marks)
        marks.push_back(std::move(mark));
    const QList<QByteArray> rootChildren = m_rootChildrenToAdd;
    readFile(m_path, false);
    raiseRevision();
    for (const QByteArray &name : rootChildren)
        ensureRootChild(name);
    // What another copy took in already is not taken twice.
    for (QByteArray &bytes : appended) {
        pugi::xml_document document;
        if (document.load_buffer(bytes.constData(), size_t(bytes.size()), kParseOptions, pugi::encoding_utf8)) {
            const QByteArray key = keyOf(document.document_element());
            if (!key.isEmpty() && holdsKey(key))
                continue;
        }
        appendRecord(std::move(bytes));
    }
    std::optional<int> removed;
    if (marks.empty() && !removedIdentity)
        return removed;
    // Marks and the removal find their records by content.
    for (int position = 0; position < m_written; ++position) {
        const QByteArray identity = identityOf(readRecord(position));
        if (removedIdentity && !removed && identity == *removedIdentity) {
            removed = position;
            continue;
        }
        for (const PendingMark &mark : marks)
            if (mark.identity == identity && !m_marks.count(position))
                m_marks.emplace(position, mark);
    }
    for (const auto &[position, mark] : m_marks)
        summaryMarked(position, mark.value);
    return removed;
}

// ---- Rewriting whole ----------------------------------------------------------------------------

void RecordStore::rewriteWhole(std::optional<int> removed)
{
    // Marks that do not fit in place: the file is written anew with the records changed, then
    // what waits is written as usual.
    std::map<size_t, QByteArray> replaced;
    for (auto it = m_marks.begin(); it != m_marks.end();) {
        const Record &record = m_records[size_t(it->first)];
        if (record.markBegin >= 0 && it->second.value.size() <= record.markCapacity) {
            ++it;
            continue;
        }
        pugi::xml_document document;
        pugi::xml_node element = parseRecord(it->first, document);
        xml::writeAttribute(element, m_names.scan.markAttribute.constData(), QString::fromUtf8(it->second.value));
        replaced.emplace(size_t(it->first), elementBytes(element));
        it = m_marks.erase(it);
    }
    std::vector<std::pair<qint64, qint32>> records;
    for (int i = 0; i < m_written; ++i)
        records.emplace_back(m_records[size_t(i)].offset, m_records[size_t(i)].length);
    QFile from(m_path);
    if (!from.open(QIODevice::ReadOnly))
        throw WriteError(m_path, from.errorString());
    std::vector<qint64> offsets;
    const QString temporary = writeTemporaryFile(QFileInfo(m_path).absolutePath(), [&](QFile &to) {
        offsets = copyLive(from, to, m_layout, records, replaced, {nextChangeMark(), m_mark ? m_mark->offset : -1}, nullptr);
    }, Access::Private);
    QString reason;
    if (placeFile(temporary, m_path, Placing::Replace, &reason) != RenameOutcome::Done) {
        QFile::remove(temporary);
        throw WriteError(m_path, reason);
    }
    placed(offsets);
    // The replaced records' new places are read again from the file just written; what still
    // waits (new records, marks that fit, new root children, the removal) is kept across the
    // reading and written after it. The written records keep their positions.
    std::vector<QByteArray> appended = std::move(m_unwritten);
    std::map<int, PendingMark> marks = std::move(m_marks);
    const QList<QByteArray> rootChildren = m_rootChildrenToAdd;
    readFile(m_path, false);
    raiseRevision();
    for (const QByteArray &name : rootChildren)
        ensureRootChild(name);
    for (QByteArray &bytes : appended)
        appendRecord(std::move(bytes));
    m_marks = std::move(marks);
    for (const auto &[position, mark] : m_marks)
        summaryMarked(position, mark.value);
    if (hasUnsavedChanges() || removed)
        writeChange(removed);
}

void RecordStore::placed(const std::vector<qint64> &offsets)
{
    qint64 live = 0;
    for (int i = 0; i < m_written; ++i) {
        m_records[size_t(i)].offset = offsets[size_t(i)];
        live += m_records[size_t(i)].length;
    }
    const qint64 newClose = m_layout.listOpenEnd + live;
    m_layout.shift(m_layout.listCloseBegin, newClose - m_layout.listCloseBegin);
    m_deadBytes = 0;
    ++m_writes;
    setStamp(fileStampOf(m_path));
    // The change mark may have been added at the end.
    if (m_stamp.size >= 0)
        m_layout.size = m_stamp.size;
}

} // namespace corvane::platform
