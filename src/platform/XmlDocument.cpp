#include "XmlDocument.h"

#include "FileIo.h"
#include "Logging.h"
#include "TextCodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace corvane::platform {

namespace {

constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_declaration;
// How much of a store file's end tells one content from another beside its size and time.
constexpr qsizetype kTailBytes = FileStamp::kTailBytes;

// Writes pugixml's output through a buffer into the device.
class DeviceWriter : public pugi::xml_writer
{
public:
    explicit DeviceWriter(QIODevice &device) : m_device(device) { m_buffer.reserve(kChunk); }
    ~DeviceWriter() override = default;
    void write(const void *data, size_t size) override
    {
        m_written += qint64(size);
        const auto *bytes = static_cast<const char *>(data);
        if (qsizetype(size) >= kTailBytes)
            m_tail = QByteArray(bytes + size - kTailBytes, kTailBytes);
        else {
            m_tail.append(bytes, qsizetype(size));
            if (m_tail.size() > kTailBytes)
                m_tail.remove(0, m_tail.size() - kTailBytes);
        }
        if (m_buffer.size() + qsizetype(size) > kChunk)
            flush();
        if (qsizetype(size) >= kChunk)
            put(static_cast<const char *>(data), qsizetype(size));
        else
            m_buffer.append(static_cast<const char *>(data), qsizetype(size));
    }
    void flush()
    {
        if (!m_buffer.isEmpty())
            put(m_buffer.constData(), m_buffer.size());
        m_buffer.clear();
    }
    bool failed() const { return m_failed; }
    qint64 written() const { return m_written; }
    const QByteArray &tail() const { return m_tail; }

private:
    static constexpr qsizetype kChunk = 1 << 20;
    qint64 m_written = 0;
    QByteArray m_tail;
    void put(const char *data, qsizetype size)
    {
        if (!m_failed && m_device.write(data, size) != size)
            m_failed = true;
    }
    QIODevice &m_device;
    QByteArray m_buffer;
    bool m_failed = false;
};

class ByteArrayWriter : public pugi::xml_writer
{
public:
    void write(const void *data, size_t size) override
    {
        bytes.append(static_cast<const char *>(data), qsizetype(size));
    }
    QByteArray bytes;
};

// The encoding named by the declaration at the start of the bytes, or empty.
QByteArray declaredEncoding(const char *data, std::size_t size)
{
    if (size < 5 || std::memcmp(data, "<?xml", 5) != 0)
        return {};
    const std::size_t limit = std::min<std::size_t>(size, 256);
    const QByteArrayView head(data, qsizetype(limit));
    const qsizetype end = head.indexOf("?>");
    if (end < 0)
        return {};
    const QByteArrayView decl = head.first(end);
    const qsizetype at = decl.indexOf("encoding");
    if (at < 0)
        return {};
    qsizetype i = at + 8;
    while (i < decl.size() && (decl[i] == ' ' || decl[i] == '=' || decl[i] == '\t'))
        ++i;
    if (i >= decl.size() || (decl[i] != '"' && decl[i] != '\''))
        return {};
    const char quote = decl[i];
    const qsizetype close = decl.indexOf(quote, i + 1);
    if (close < 0)
        return {};
    return decl.sliced(i + 1, close - i - 1).toByteArray().toLower();
}

bool isUtf8Name(const QByteArray &name)
{
    return name.isEmpty() || name == "utf-8" || name == "utf8";
}

QString positionText(const char *data, std::size_t size, std::ptrdiff_t offset)
{
    if (offset < 0 || std::size_t(offset) > size)
        return QCoreApplication::translate("XmlDocument", "offset %1").arg(offset);
    int line = 1;
    int column = 1;
    for (std::ptrdiff_t i = 0; i < offset; ++i) {
        if (data[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return QCoreApplication::translate("XmlDocument", "line %1, column %2").arg(line).arg(column);
}

} // namespace

XmlDocument::XmlDocument(QStringList initialContent) : m_initialContent(std::move(initialContent))
{
}

void XmlDocument::activate()
{
    if (m_active)
        return;
    setContent(m_initialContent);
}

void XmlDocument::setContent(const QStringList &lines)
{
    loadFromBytes(lines.join(u'\n').toUtf8(), QCoreApplication::translate("XmlDocument", "document text"));
}

void XmlDocument::loadFromBytes(QByteArray bytes, const QString &sourceName)
{
    // Strip a UTF-8 byte-order mark; other BOMs (UTF-16) are left to the parser's detection.
    qsizetype start = 0;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        start = 3;
    const char *data = bytes.constData() + start;
    const std::size_t size = std::size_t(bytes.size() - start);

    const QByteArray encoding = declaredEncoding(data, size);
    const bool utf16 = size >= 2
        && ((uchar(data[0]) == 0xFE && uchar(data[1]) == 0xFF)
            || (uchar(data[0]) == 0xFF && uchar(data[1]) == 0xFE));
    if (utf16) {
        pugi::xml_document parsed;
        const auto result = parsed.load_buffer(data, size, kParseOptions, pugi::encoding_auto);
        if (!result)
            throw XmlError(QCoreApplication::translate("XmlDocument", "%1: %2 (byte offset %3)")
                               .arg(QDir::toNativeSeparators(sourceName),
                                    QString::fromUtf8(result.description()))
                               .arg(result.offset));
        m_document = std::move(parsed);
        m_buffer = QByteArray();
        m_active = true;
        ++m_generation;
        normaliseDeclaration();
        return;
    }
    if (isUtf8Name(encoding)
        && (!encoding.isEmpty() || isValidUtf8(QByteArrayView(data, qsizetype(size))))) {
        parseInPlace(std::move(bytes), start, sourceName);
        return;
    }
    // 8-bit text: the declared code page, or windows-1252 for undeclared text that is not UTF-8.
    const QString text = decodeText(QByteArrayView(data, qsizetype(size)),
                                    encoding.isEmpty() ? QByteArray("windows-1252") : encoding);
    bytes = QByteArray();
    parseInPlace(text.toUtf8(), 0, sourceName);
}

void XmlDocument::parseInPlace(QByteArray utf8, qsizetype offset, const QString &sourceName)
{
    pugi::xml_document parsed;
    char *data = utf8.data() + offset; // detaches: the parser writes into the buffer
    const std::size_t size = std::size_t(utf8.size() - offset);
    const auto result = parsed.load_buffer_inplace(data, size, kParseOptions, pugi::encoding_utf8);
    if (!result) {
        throw XmlError(QCoreApplication::translate("XmlDocument", "%1: %2 (%3)")
                           .arg(QDir::toNativeSeparators(sourceName),
                                QString::fromUtf8(result.description()),
                                positionText(data, size, result.offset)));
    }
    // The tree points into the buffer: replace the document before the buffer it used.
    m_document = std::move(parsed);
    m_buffer = std::move(utf8);
    m_active = true;
    ++m_generation;
    normaliseDeclaration();
}

void XmlDocument::normaliseDeclaration()
{
    // The text is UTF-8 in memory and on saving; keep only the version in the declaration.
    pugi::xml_node first = m_document.first_child();
    if (first.type() != pugi::node_declaration) {
        first = m_document.prepend_child(pugi::node_declaration);
        first.append_attribute("version") = "1.0";
        return;
    }
    pugi::xml_attribute attribute = first.first_attribute();
    while (attribute) {
        pugi::xml_attribute next = attribute.next_attribute();
        if (std::strcmp(attribute.name(), "version") != 0)
            first.remove_attribute(attribute);
        attribute = next;
    }
    if (!first.attribute("version"))
        first.prepend_attribute("version") = "1.0";
}

void XmlDocument::load()
{
    readFile();
    m_pending.clear();
}

void XmlDocument::readFile()
{
    try {
        // The time is taken before the read: a file changed in between looks changed later.
        const QDateTime modified = QFileInfo(m_fileName).lastModified();
        QByteArray bytes = readWholeFile(m_fileName);
        FileStamp stamp{bytes.size(), modified, tailOf(bytes)};
        loadFromBytes(std::move(bytes), m_fileName);
        m_stamp = std::move(stamp);
    } catch (const Error &error) {
        m_loadFailure = error.message();
        throw;
    }
    m_loadFailure.clear();
}

QByteArray XmlDocument::tailOf(const QByteArray &bytes)
{
    return bytes.size() > kTailBytes ? bytes.last(kTailBytes) : bytes;
}

void XmlDocument::setFileName(const QString &fileName)
{
    m_fileName = fileName;
    m_stamp = fileStampOf(fileName);
}

void XmlDocument::recordChange(Change change)
{
    if (!isReadOnly())
        m_pending.push_back(std::move(change));
}

void XmlDocument::checkWritable() const
{
    if (isReadOnly())
        throw IoError(m_readOnlyReason);
}

void checkStoreSavable(const QString &fileName, const QString &loadFailure)
{
    if (!loadFailure.isEmpty())
        throw IoError(QCoreApplication::translate("XmlDocument", "%1 was not saved: it could not be read (%2). The file is kept as it is, and "
                                     "nothing is saved into it until it has been read again (Save in Settings "
                                     "reads it again) or another folder is chosen.")
                          .arg(QDir::toNativeSeparators(fileName), loadFailure));
    if (fileName.isEmpty())
        throw IoError(QCoreApplication::translate("XmlDocument", "Nothing was saved: the store has not been opened yet. Complete the settings "
                                     "and press Save."));
}

void XmlDocument::checkSavable() const
{
    checkStoreSavable(m_fileName, m_loadFailure);
}

void XmlDocument::loadFromFile(const QString &fileName)
{
    m_fileName = fileName;
    load();
}

void XmlDocument::save()
{
    checkSavable();
    checkWritable();
    // Another installation sharing the folder may have written the file since: its content is
    // taken and this document's changes are made to it again, rather than written over it.
    if (QFileInfo::exists(m_fileName) && fileStampOf(m_fileName) != m_stamp) {
        qCInfo(lcPlatform, "%s changed on disk: loaded again before saving %zu change(s)",
               qUtf8Printable(QDir::toNativeSeparators(m_fileName)), m_pending.size());
        std::vector<Change> pending = std::move(m_pending);
        m_pending.clear();
        try {
            readFile();
        } catch (const Error &) {
            m_pending = std::move(pending);
            throw;
        }
        for (const Change &change : pending)
            change(*this);
        m_pending = std::move(pending);
    }
    m_stamp = writeTo(m_fileName);
    m_pending.clear();
}

void XmlDocument::saveTo(const QString &fileName) const
{
    // The file that failed to load is kept; once it is gone (the user removed it) a new one may come.
    if (!m_loadFailure.isEmpty() && QFileInfo(fileName).absoluteFilePath() == QFileInfo(m_fileName).absoluteFilePath()
        && QFileInfo::exists(fileName))
        checkSavable();
    writeTo(fileName);
}

FileStamp XmlDocument::writeTo(const QString &fileName) const
{
    FileStamp stamp;
    writeFileAtomically(fileName, [this, &fileName, &stamp](QIODevice &device) {
        DeviceWriter writer(device);
        m_document.save(writer, "", pugi::format_raw, pugi::encoding_utf8);
        writer.flush();
        if (writer.failed())
            throw WriteError(fileName, device.errorString());
        stamp.size = writer.written();
        stamp.tail = writer.tail();
    }, Access::Private); // a store's file is the user's alone
    stamp.modified = QFileInfo(fileName).lastModified();
    return stamp;
}

QByteArray XmlDocument::toBytes() const
{
    ByteArrayWriter writer;
    m_document.save(writer, "", pugi::format_raw, pugi::encoding_utf8);
    return writer.bytes;
}

pugi::xml_node XmlDocument::root() const
{
    return m_document.document_element();
}

} // namespace corvane::platform
