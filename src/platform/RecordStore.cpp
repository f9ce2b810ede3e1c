#include "RecordStore.h"

#include "FileIo.h"
#include "JournaledWrite.h"
#include "Logging.h"
#include "Paths.h"
#include "TextCodec.h"
#include "UiThread.h"
#include "XmlDocument.h"
#include "XmlNodes.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>

#include <atomic>
#include <cstring>

namespace corvane::platform {

namespace {

constexpr unsigned kParseOptions = pugi::parse_default;
constexpr qint64 kTailBytes = 4096;
constexpr qint64 kCopyBlock = 4 << 20;

class ByteWriter : public pugi::xml_writer
{
public:
    void write(const void *data, size_t size) override { bytes.append(static_cast<const char *>(data), qsizetype(size)); }
    QByteArray bytes;
};

// A self-closing tag as a start tag: "<a b='c'/>" becomes "<a b='c'>".
QByteArray openedTag(QByteArray tag)
{
    tag.chop(2);
    while (!tag.isEmpty() && (tag.back() == ' ' || tag.back() == '\t' || tag.back() == '\n' || tag.back() == '\r'))
        tag.chop(1);
    return tag + '>';
}

QByteArray readRange(QFile &file, qint64 from, qint64 length)
{
    if (!file.seek(from))
        return {};
    return file.read(length);
}

// A store's first bytes name an encoding other than UTF-8 (or are UTF-16).
bool isOtherEncoding(const QByteArray &head)
{
    if (head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF"))
        return true;
    if (!head.startsWith("<?xml"))
        return false;
    const qsizetype end = head.indexOf("?>");
    const QByteArray declaration = head.left(end < 0 ? 0 : end).toLower();
    const qsizetype at = declaration.indexOf("encoding");
    if (at < 0)
        return false;
    const QByteArray rest = declaration.mid(at + 8);
    return !rest.contains("utf-8") && !rest.contains("utf8");
}

} // namespace

// A compaction's state, shared with its worker.
struct RecordStore::Compaction
{
    std::atomic<bool> cancelled{false};
    QMutex mutex;
    QString temporary; // written, not yet placed or removed
};

RecordStore::RecordStore(Names names, QStringList initialContent, QObject *parent)
    : Store(parent), m_names(std::move(names)), m_initialContent(std::move(initialContent))
{
    m_worker.setMaxThreadCount(1);
}

RecordStore::~RecordStore()
{
    dropCompaction();
}

std::optional<RecordId> RecordStore::recordId(int position) const
{
    return m_ids.at(position, count(), m_generation);
}

std::optional<int> RecordStore::positionOf(RecordId id) const
{
    return m_ids.positionOf(id, count(), m_generation);
}

std::vector<RecordId> RecordStore::recordIds() const
{
    return m_ids.all(count(), m_generation);
}

QByteArray RecordStore::keyOf(const pugi::xml_node &) const
{
    return {};
}

bool RecordStore::holdsKey(const QByteArray &)
{
    return false;
}

Error RecordStore::missingRecord(int position) const
{
    return Error(QString::fromLatin1(m_names.missingText).arg(position + 1));
}

// ---- Reading ------------------------------------------------------------------------------------

void RecordStore::writeInitialContent(const QString &path) const
{
    // A store moved to a folder without one takes its records there; a new one the initial content.
    if (m_active && !m_path.isEmpty() && m_loadFailure.isEmpty() && m_memory.isEmpty() && QFileInfo::exists(m_path)
        && QFileInfo(m_path).absoluteFilePath() != QFileInfo(path).absoluteFilePath()) {
        QFile from(m_path);
        if (!from.open(QIODevice::ReadOnly))
            throw IoError(QStringLiteral("%1 could not be read: %2").arg(QDir::toNativeSeparators(m_path), from.errorString()));
        writeFileAtomically(path, [&](QIODevice &to) {
            while (!from.atEnd()) {
                const QByteArray block = from.read(kCopyBlock);
                if (block.isEmpty() || to.write(block) != block.size())
                    throw WriteError(path, to.errorString());
            }
        });
        return;
    }
    XmlDocument initial(m_initialContent);
    initial.activate();
    initial.saveTo(path);
}

void RecordStore::open(const QString &path)
{
    try {
        if (!fileExists(path))
            writeInitialContent(path);
        readFile(path, !isReadOnly());
    } catch (const Error &) {
        raiseRevision();
        throw;
    }
    raiseRevision();
    startCompactionIfDue();
}

void RecordStore::openIfPresent(const QString &path)
{
    if (fileExists(path)) {
        readFile(path, false);
    } else {
        m_path = path;
        QByteArray initial = m_initialContent.join(u'\n').toUtf8();
        QBuffer buffer(&initial);
        buffer.open(QIODevice::ReadOnly);
        scan(buffer, path);
        m_memory = initial;
        m_active = true;
    }
    raiseRevision();
}

void RecordStore::readFile(const QString &path, bool repair)
{
    cancelCompaction();
    m_path = path;
    m_active = true;
    m_memory.clear();
    const QString shown = QDir::toNativeSeparators(path);
    try {
        if (repair) {
            const Recovery recovery = recoverJournal(path, [&] {
                QFile file(path);
                try {
                    if (!file.open(QIODevice::ReadOnly))
                        return false;
                    scanStore(file, m_names.scan, path, [](const ScannedRecord &, QByteArrayView) {});
                    return true;
                } catch (const Error &) {
                    return false;
                }
            });
            static const char *const outcomes[] = {"", "dropped an unfinished write (the file was not touched)",
                                                   "found the last write complete", "completed an interrupted write",
                                                   "undid an interrupted write",
                                                   "dropped a journal that another program's write made stale"};
            if (recovery != Recovery::None)
                qCWarning(lcPlatform, "Repair of %s: %s", qUtf8Printable(shown), outcomes[int(recovery)]);
        }
        const Stamp stamp = stampOf(path);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw IoError(QStringLiteral("%1 could not be read: %2").arg(shown, file.errorString()));
        if (isOtherEncoding(file.peek(256))) {
            // Written in another encoding by an old copy: read whole and turned into UTF-8.
            XmlDocument converted;
            converted.loadFromBytes(file.readAll(), path);
            file.close();
            QByteArray utf8 = converted.toBytes();
            if (!isReadOnly()) {
                writeFileAtomically(path, utf8);
                qCInfo(lcPlatform, "%s was written again in UTF-8", qUtf8Printable(shown));
                readFile(path, false);
                return;
            }
            QBuffer buffer(&utf8);
            buffer.open(QIODevice::ReadOnly);
            scan(buffer, path);
            m_memory = utf8;
        } else {
            scan(file, path);
            if (m_notUtf8) {
                file.seek(0);
                XmlDocument converted;
                converted.loadFromBytes(file.readAll(), path); // text that is not UTF-8 is windows-1252
                QByteArray utf8 = converted.toBytes();
                QBuffer buffer(&utf8);
                buffer.open(QIODevice::ReadOnly);
                scan(buffer, path);
                m_memory = utf8;
            }
        }
        m_stamp = stamp;
    } catch (const Error &error) {
        m_loadFailure = error.message();
        ++m_generation;
        m_records.clear();
        m_unwritten.clear();
        m_marks.clear();
        m_written = 0;
        clearSummaries();
        throw;
    }
    m_loadFailure.clear();
}

void RecordStore::scan(QIODevice &device, const QString &sourceName)
{
    ++m_generation;
    m_records.clear();
    m_unwritten.clear();
    m_marks.clear();
    m_rootChildrenToAdd.clear();
    m_written = 0;
    m_notUtf8 = false;
    clearSummaries();
    qint64 live = 0;
    m_layout = scanStore(device, m_names.scan, sourceName, [&](const ScannedRecord &record, QByteArrayView bytes) {
        add(record, bytes, record.begin);
        live += record.end - record.begin;
    });
    m_written = count();
    m_deadBytes = m_layout.hasList() && !m_layout.listSelfClosing ? m_layout.listCloseBegin - m_layout.listOpenEnd - live : 0;
}

void RecordStore::add(const ScannedRecord &scanned, QByteArrayView bytes, qint64 offset)
{
    Record record;
    record.offset = offset;
    record.length = qint32(bytes.size());
    record.bodyBegin = scanned.bodyBegin;
    record.bodyEnd = scanned.bodyEnd;
    record.markBegin = scanned.markBegin;
    record.markLength = scanned.markLength;
    record.markCapacity = scanned.markCapacity;
    if (record.markBegin >= 0)
        record.markQuote = bytes[record.markBegin + record.markLength];
    // The summary reads the record without its body's text.
    if (record.bodyBegin >= 0) {
        m_scratch.resize(0);
        m_scratch.append(bytes.first(record.bodyBegin));
        m_scratch.append(bytes.sliced(record.bodyEnd));
    } else {
        m_scratch = bytes.toByteArray();
    }
    if (!isValidUtf8(m_scratch))
        m_notUtf8 = true;
    const pugi::xml_parse_result parsed =
        m_parser.load_buffer_inplace(m_scratch.data(), size_t(m_scratch.size()), kParseOptions, pugi::encoding_utf8);
    if (!parsed)
        throw XmlError(QStringLiteral("%1: %2 (byte offset %3)")
                           .arg(QDir::toNativeSeparators(m_path), QString::fromUtf8(parsed.description()))
                           .arg(std::max<qint64>(offset, 0) + qint64(parsed.offset)));
    addSummary(m_parser.document_element());
    m_records.push_back(record);
}

RecordStore::Stamp RecordStore::stampOf(const QString &path)
{
    Stamp stamp;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return stamp;
    stamp.modified = QFileInfo(path).lastModified();
    stamp.size = file.size();
    stamp.tail = readRange(file, std::max<qint64>(0, stamp.size - kTailBytes), kTailBytes);
    return stamp;
}

bool RecordStore::changedOnDisk() const
{
    return QFileInfo::exists(m_path) && stampOf(m_path) != m_stamp;
}

QByteArray RecordStore::recordBytes(int position) const
{
    if (position < 0 || position >= count())
        throw missingRecord(position);
    const Record &record = m_records[size_t(position)];
    if (record.offset < 0)
        return m_unwritten[size_t(position - m_written)];
    if (!m_memory.isEmpty())
        return m_memory.mid(record.offset, record.length);
    // The copy that holds a read-only store's lock may have written the file since, and a
    // compaction there moves every message: nothing is read from a file changed so. A writable
    // store's file changes behind it only in place (the save reads it again), which the checks
    // below see.
    const QFileInfo info(m_path);
    QFile file(m_path);
    QByteArray bytes;
    const bool unchanged = info.size() == m_stamp.size && info.lastModified() == m_stamp.modified;
    if ((unchanged || !isReadOnly()) && file.open(QIODevice::ReadOnly))
        bytes = readRange(file, record.offset, record.length);
    if (bytes.size() != record.length || !bytes.startsWith('<') || !bytes.endsWith('>'))
        throw IoError(QStringLiteral("Message %1 could not be read from %2: the file changed since it was read. Press "
                                     "Save in Settings to read it again.")
                          .arg(position + 1)
                          .arg(QDir::toNativeSeparators(m_path)));
    return bytes;
}

pugi::xml_node RecordStore::parseRecord(int position, pugi::xml_document &into) const
{
    const QByteArray bytes = recordBytes(position);
    const pugi::xml_parse_result parsed =
        into.load_buffer(bytes.constData(), size_t(bytes.size()), kParseOptions, pugi::encoding_utf8);
    if (!parsed)
        throw XmlError(QStringLiteral("Message %1 of %2 cannot be read: %3")
                           .arg(position + 1)
                           .arg(QDir::toNativeSeparators(m_path), QString::fromUtf8(parsed.description())));
    return into.document_element();
}

QByteArray RecordStore::identityOf(const QByteArray &bytes) const
{
    pugi::xml_document document;
    if (!document.load_buffer(bytes.constData(), size_t(bytes.size()), kParseOptions, pugi::encoding_utf8))
        return bytes;
    const QByteArray &mark = m_names.scan.markAttribute;
    return xml::identityOf(document.document_element(), mark.isEmpty() ? nullptr : mark.constData());
}

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
    scanStore(buffer, m_names.scan, QStringLiteral("a new message"), [&](const ScannedRecord &record, QByteArrayView bytes) {
        if (++found == 1)
            add(record, bytes, -1);
    });
    if (found != 1) {
        if (qsizetype(m_records.size()) > before) {
            m_records.pop_back();
            removeSummary(count());
        }
        throw XmlError(QStringLiteral("A new message is not one element"));
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
        ByteWriter writer;
        element.print(writer, "", pugi::format_raw, pugi::encoding_utf8);
        QByteArray rewritten = "<r><" + m_names.scan.listElement + '>' + writer.bytes + "</" + m_names.scan.listElement + "></r>";
        QBuffer buffer(&rewritten);
        buffer.open(QIODevice::ReadOnly);
        scanStore(buffer, m_names.scan, QStringLiteral("a new message"), [&](const ScannedRecord &scanned, QByteArrayView) {
            record.length = qint32(writer.bytes.size());
            record.bodyBegin = scanned.bodyBegin;
            record.bodyEnd = scanned.bodyEnd;
            record.markBegin = scanned.markBegin;
            record.markLength = scanned.markLength;
            record.markCapacity = scanned.markCapacity;
            record.markQuote = '"';
        });
        bytes = writer.bytes;
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
        m_stamp = {};
        removed.reset();
    }
    if (changedOnDisk()) {
        std::optional<QByteArray> removedIdentity;
        if (removed)
            removedIdentity = identityOf(recordBytes(*removed));
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
    if (!listSplice && toAdd.isEmpty())
        return plan;

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
        throw WriteError(m_path, QStringLiteral("the file could not be read"));
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
    copyTo(m_layout.size);
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
    m_stamp = stampOf(m_path);
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
        const QByteArray identity = identityOf(recordBytes(position));
        if (removedIdentity && !removed && identity == *removedIdentity) {
            removed = position;
            continue;
        }
        for (const PendingMark &mark : marks)
            if (mark.identity == identity && !m_marks.count(position))
                m_marks.emplace(position, mark);
    }
    return removed;
}

// ---- Rewriting whole ----------------------------------------------------------------------------

namespace {

// The live records (and what lies outside the list) copied into a new file; returns the records'
// new offsets.
std::vector<qint64> copyLive(QFile &from, QIODevice &to, const StoreLayout &layout,
                             const std::vector<std::pair<qint64, qint32>> &records,
                             const std::map<size_t, QByteArray> &replaced, const std::atomic<bool> *cancelled)
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
    copy(layout.listCloseBegin, layout.size - layout.listCloseBegin);
    return offsets;
}

} // namespace

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
        ByteWriter writer;
        element.print(writer, "", pugi::format_raw, pugi::encoding_utf8);
        replaced.emplace(size_t(it->first), writer.bytes);
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
        offsets = copyLive(from, to, m_layout, records, replaced, nullptr);
    });
    QString reason;
    if (placeFile(temporary, m_path, Placing::Replace, &reason) != RenameOutcome::Done) {
        QFile::remove(temporary);
        throw WriteError(m_path, reason);
    }
    placed(offsets);
    // The replaced records' new places are read again from the file just written.
    readFile(m_path, false);
    raiseRevision();
    if (hasUnsavedChanges() || removed)
        writeChange(std::nullopt);
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
    m_stamp = stampOf(m_path);
}

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
    const quint64 token = m_writes;
    const quint64 generation = m_generation;
    struct Result
    {
        QString temporary;
        std::vector<qint64> offsets;
    };
    startOnWorker(
        m_worker, this,
        [path = m_path, layout = m_layout, records = std::move(records), state]() {
            QFile from(path);
            if (!from.open(QIODevice::ReadOnly))
                throw IoError(from.errorString());
            Result result;
            result.temporary = writeTemporaryFile(QFileInfo(path).absolutePath(), [&](QFile &to) {
                result.offsets = copyLive(from, to, layout, records, {}, &state->cancelled);
            });
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

// ---- Bodies -------------------------------------------------------------------------------------

std::function<QByteArrayView(int)> RecordStore::bodyReader() const
{
    struct Reader
    {
        std::unique_ptr<QFile> file;
        QByteArray memory;
        std::vector<std::pair<qint64, qint32>> onFile; // the bodies' places in the file
        std::vector<QByteArray> waiting;              // the bodies of records not written yet
        QByteArray block;
        qint64 blockStart = 0;
        QByteArray decoded;

        QByteArrayView raw(int i)
        {
            if (size_t(i) >= onFile.size()) {
                const size_t at = size_t(i) - onFile.size();
                return at < waiting.size() ? QByteArrayView(waiting[at]) : QByteArrayView();
            }
            const auto [offset, length] = onFile[size_t(i)];
            if (length <= 0)
                return {};
            if (!memory.isEmpty())
                return QByteArrayView(memory).sliced(offset, length);
            if (offset < blockStart || offset + length > blockStart + block.size()) {
                if (!file || !file->seek(offset))
                    return {};
                block = file->read(std::max<qint64>(kCopyBlock, length));
                blockStart = offset;
                if (block.size() < length)
                    return {};
            }
            return QByteArrayView(block).sliced(offset - blockStart, length);
        }
        // The body's text: as stored when it holds no markup or references, parsed otherwise.
        QByteArrayView body(int i)
        {
            const QByteArrayView text = raw(i);
            if (!text.contains('&') && !text.contains('<') && !text.contains('\r'))
                return text;
            const QByteArray wrapped = "<b>" + text.toByteArray() + "</b>";
            pugi::xml_document document;
            document.load_buffer(wrapped.constData(), size_t(wrapped.size()), kParseOptions, pugi::encoding_utf8);
            decoded = xml::elementText(document.document_element()).toUtf8();
            return decoded;
        }
    };
    auto reader = std::make_shared<Reader>();
    reader->memory = m_memory;
    if (m_memory.isEmpty() && !m_path.isEmpty()) {
        reader->file = std::make_unique<QFile>(m_path);
        if (!reader->file->open(QIODevice::ReadOnly))
            reader->file.reset();
    }
    for (int i = 0; i < count(); ++i) {
        const Record &record = m_records[size_t(i)];
        const qint32 length = record.bodyBegin >= 0 ? record.bodyEnd - record.bodyBegin : 0;
        if (record.offset >= 0)
            reader->onFile.emplace_back(record.offset + record.bodyBegin, length);
        else
            reader->waiting.push_back(m_unwritten[size_t(i - m_written)].mid(record.bodyBegin, length));
    }
    return [reader](int i) { return reader->body(i); };
}

QByteArray RecordStore::elementBytes(const pugi::xml_node &element)
{
    ByteWriter writer;
    element.print(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return writer.bytes;
}

} // namespace corvane::platform
