#include "RecordStore.h"
#include "RecordStoreParts.h"

#include "FileIo.h"
#include "JournaledWrite.h"
#include "Logging.h"
#include "Paths.h"
#include "TextCodec.h"
#include "UiThread.h"
#include "XmlDocument.h"
#include "XmlNodes.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>

#include <atomic>
#include <cstring>

namespace corvane::platform {

namespace records {

namespace {

class ByteWriter : public pugi::xml_writer
{
public:
    void write(const void *data, size_t size) override { bytes.append(static_cast<const char *>(data), qsizetype(size)); }
    QByteArray bytes;
};

} // namespace

QByteArray elementBytes(const pugi::xml_node &element)
{
    ByteWriter writer;
    element.print(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return writer.bytes;
}

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

} // namespace records

using namespace records;

namespace {

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

void RecordStore::summaryMarked(int, const QByteArray &) {}

Error RecordStore::missingRecord(int position) const
{
    return Error(tr(m_names.missingText).arg(position + 1));
}

// ---- Reading ------------------------------------------------------------------------------------

void RecordStore::writeInitialContent(const QString &path) const
{
    // A store moved to a folder without one takes its records there; a new one the initial content.
    if (m_active && !m_path.isEmpty() && m_loadFailure.isEmpty() && m_memory.isEmpty() && QFileInfo::exists(m_path)
        && QFileInfo(m_path).absoluteFilePath() != QFileInfo(path).absoluteFilePath()) {
        QFile from(m_path);
        if (!from.open(QIODevice::ReadOnly))
            throw IoError(QCoreApplication::translate("RecordStore", "%1 could not be read: %2").arg(QDir::toNativeSeparators(m_path), from.errorString()));
        writeFileAtomically(path, [&](QIODevice &to) {
            while (!from.atEnd()) {
                const QByteArray block = from.read(kCopyBlock);
                if (block.isEmpty() || to.write(block) != block.size())
                    throw WriteError(path, to.errorString());
            }
        }, Access::Private);
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
            const JournalRecovery recovery = recoverJournal(path, [&] {
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
            reportRecovery(recovery);
            // A compaction a crash cut off left its file: the store is whole without it.
            const QString compaction = joinPath(QFileInfo(path).absolutePath(), temporaryFilePrefix() + compactionFileName(path));
            if (!m_compaction && QFile::remove(compaction))
                qCWarning(lcPlatform, "Removed %s, left by a compaction that did not end", qUtf8Printable(QDir::toNativeSeparators(compaction)));
        }
        const FileStamp stamp = fileStampOf(path);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw IoError(QCoreApplication::translate("RecordStore", "%1 could not be read: %2").arg(shown, file.errorString()));
        // A store in another encoding (declared by an old copy, or text that is not UTF-8, taken
        // as windows-1252) is read whole and turned into UTF-8; written in place later, the file
        // must be the text the offsets count in.
        bool converted = isOtherEncoding(file.peek(256));
        if (!converted) {
            scan(file, path);
            converted = m_notUtf8;
            file.seek(0);
        }
        if (converted) {
            XmlDocument document;
            document.loadFromBytes(file.readAll(), path);
            file.close();
            QByteArray utf8 = document.toBytes();
            if (!isReadOnly()) {
                writeFileAtomically(path, utf8, Access::Private);
                qCInfo(lcPlatform, "%s was written again in UTF-8", qUtf8Printable(shown));
                readFile(path, false);
                return;
            }
            QBuffer buffer(&utf8);
            buffer.open(QIODevice::ReadOnly);
            scan(buffer, path);
            m_memory = utf8;
        }
        setStamp(stamp);
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

void RecordStore::reportRecovery(const JournalRecovery &recovery)
{
    static const char *const outcomes[] = {
        "",
        "dropped an unfinished write (the file was not touched)",
        "found the last write complete",
        "completed an interrupted write",
        "undid an interrupted write",
        "the journal was cut short before the file was touched",
        "the file holds other bytes than the journal's (another program wrote it, or another file took its "
        "place): it was left as it is",
        "the journal does not fit the file, or the file does not read before or after its change: both were left "
        "as they are",
    };
    if (recovery.outcome == Recovery::None)
        return;
    const QString shown = QDir::toNativeSeparators(m_path);
    QString kept;
    if (!recovery.keptAs.isEmpty())
        kept = QStringLiteral("; the journal was kept as %1").arg(QDir::toNativeSeparators(recovery.keptAs));
    qCWarning(lcPlatform, "Repair of %s: %s%s", qUtf8Printable(shown), outcomes[int(recovery.outcome)], qUtf8Printable(kept));
    // Nothing is written over a file whose repair could not be decided: the journal may hold the
    // only copy of bytes it lacks.
    if (recovery.outcome == Recovery::Unusable)
        setReadOnly(QCoreApplication::translate("RecordStore",
                                                "%1 was not repaired after a write was cut off: the journal of that write "
                                                "does not fit the file. The journal was kept as %2, and the store is open "
                                                "read-only so that nothing is lost: nothing is saved into it until Corvane "
                                                "starts again.")
                        .arg(shown, QDir::toNativeSeparators(recovery.keptAs)));
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

RecordStore::Record RecordStore::placeOf(const ScannedRecord &scanned, QByteArrayView bytes, qint64 offset)
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
    return record;
}

void RecordStore::add(const ScannedRecord &scanned, QByteArrayView bytes, qint64 offset)
{
    const Record record = placeOf(scanned, bytes, offset);
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
        throw XmlError(QCoreApplication::translate("RecordStore", "%1: %2 (byte offset %3)")
                           .arg(QDir::toNativeSeparators(m_path), QString::fromUtf8(parsed.description()))
                           .arg(std::max<qint64>(offset, 0) + qint64(parsed.offset)));
    addSummary(m_parser.document_element());
    m_records.push_back(record);
}

bool RecordStore::changedOnDisk() const
{
    return QFileInfo::exists(m_path) && fileStampOf(m_path) != m_stamp;
}

void RecordStore::setStamp(FileStamp stamp)
{
    m_stamp = std::move(stamp);
    m_mark.reset();
    // A store held converted in memory has its offsets in the converted text, not in the file.
    const qint64 rootEnd = m_layout.rootCloseBegin >= 0 ? m_layout.rootCloseBegin : m_layout.rootOpenEnd;
    if (m_stamp.size >= 0 && m_memory.isEmpty() && rootEnd >= 0)
        m_mark = findChangeMark(m_stamp.tail, m_stamp.size - m_stamp.tail.size(), rootEnd);
}

QByteArray RecordStore::nextChangeMark() const
{
    return changeMarkBytes(m_mark ? m_mark->count + 1 : 1);
}

QByteArray RecordStore::recordBytes(int position) const
{
    if (position < 0 || position >= count())
        throw missingRecord(position);
    // Another installation may have compacted the file since it was read: every message then lies
    // elsewhere, and the bytes at a record's old place may be another message of the same length.
    // Nothing is read at a place the file may no longer hold it (the next save reads the file
    // again).
    const Record &record = m_records[size_t(position)];
    if (record.offset >= 0 && m_memory.isEmpty() && !isReadOnly() && placesMayHaveMoved())
        throw changedSinceRead(position);
    return readRecord(position);
}

bool RecordStore::placesMayHaveMoved() const
{
    // Appends, marks and deletions keep every record where it was; only a compaction or a whole
    // rewrite moves them, and a compaction makes the file smaller.
    const QFileInfo info(m_path);
    return info.exists() && info.size() < m_stamp.size;
}

IoError RecordStore::changedSinceRead(int position) const
{
    return IoError(QCoreApplication::translate("RecordStore", "Message %1 could not be read from %2: the file changed since it was read. Press "
                                                              "Save in Settings to read it again.")
                       .arg(position + 1)
                       .arg(QDir::toNativeSeparators(m_path)));
}

QByteArray RecordStore::readRecord(int position) const
{
    if (position < 0 || position >= count())
        throw missingRecord(position);
    const Record &record = m_records[size_t(position)];
    if (record.offset < 0)
        return m_unwritten[size_t(position - m_written)];
    if (!m_memory.isEmpty())
        return m_memory.mid(record.offset, record.length);
    // The copy that holds a read-only store's lock may have written the file since, and a
    // compaction there moves every message: nothing is read from a file changed so.
    const QFileInfo info(m_path);
    QFile file(m_path);
    QByteArray bytes;
    const bool unchanged = info.size() == m_stamp.size && info.lastModified() == m_stamp.modified;
    if ((unchanged || !isReadOnly()) && file.open(QIODevice::ReadOnly))
        bytes = readRange(file, record.offset, record.length);
    if (bytes.size() != record.length || !bytes.startsWith('<') || !bytes.endsWith('>'))
        throw changedSinceRead(position);
    return bytes;
}

pugi::xml_node RecordStore::parseRecord(int position, pugi::xml_document &into) const
{
    const QByteArray bytes = recordBytes(position);
    const pugi::xml_parse_result parsed =
        into.load_buffer(bytes.constData(), size_t(bytes.size()), kParseOptions, pugi::encoding_utf8);
    if (!parsed)
        throw XmlError(QCoreApplication::translate("RecordStore", "Message %1 of %2 cannot be read: %3")
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
    return records::elementBytes(element);
}

} // namespace corvane::platform
