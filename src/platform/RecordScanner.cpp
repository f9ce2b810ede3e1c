#include "RecordScanner.h"

#include <QCoreApplication>
#include <QDir>

#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace corvane::platform {

void StoreLayout::shift(qint64 from, qint64 by)
{
    for (qint64 *offset : {&rootOpenBegin, &rootOpenEnd, &rootCloseBegin, &listOpenBegin, &listOpenEnd, &listCloseBegin})
        if (*offset >= from)
            *offset += by;
    size += by;
}

namespace {

constexpr qint64 kBlock = 4 << 20;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool endsName(char c)
{
    return isSpace(c) || c == '/' || c == '>' || c == '=';
}

// The file seen through a buffer that holds what is being looked at. Positions are file offsets;
// bytes from `keepFrom` on stay in the buffer until released.
class Reader
{
public:
    Reader(QIODevice &device, const QString &source) : m_device(device), m_source(source) {}

    qint64 position() const { return m_position; }
    void setPosition(qint64 position) { m_position = position; }
    void keepFrom(qint64 offset) { m_keep = offset; }
    void release() { m_keep = -1; }

    // Makes at least `count` bytes from the position available; false at the file's end.
    bool ensure(qint64 count)
    {
        while (m_base + m_buffer.size() - m_position < count)
            if (!more())
                return false;
        return true;
    }
    char at(qint64 offset) const { return m_buffer.at(offset - m_base); }
    const char *data(qint64 offset) const { return m_buffer.constData() + (offset - m_base); }
    QByteArrayView view(qint64 from, qint64 to) const { return {data(from), to - from}; }
    qint64 end() const { return m_base + m_buffer.size(); }

    // The first offset at or after `from` that holds the character, or -1 at the file's end.
    qint64 find(char c, qint64 from)
    {
        for (;;) {
            const qint64 end = m_base + m_buffer.size();
            if (from < end) {
                if (const void *hit = std::memchr(data(from), c, size_t(end - from)))
                    return m_base + (static_cast<const char *>(hit) - m_buffer.constData());
                from = end;
            }
            if (!more())
                return -1;
        }
    }
    // The first offset at or after `from` where the text starts, or -1.
    qint64 find(QByteArrayView text, qint64 from)
    {
        for (;;) {
            const qint64 hit = find(text.front(), from);
            if (hit < 0 || !ensureAt(hit, text.size()))
                return -1;
            if (std::memcmp(data(hit), text.data(), size_t(text.size())) == 0)
                return hit;
            from = hit + 1;
        }
    }
    bool ensureAt(qint64 offset, qint64 count)
    {
        while (m_base + m_buffer.size() - offset < count)
            if (!more())
                return false;
        return true;
    }

    [[noreturn]] void fail(const QString &what, qint64 offset) const
    {
        throw XmlError(QCoreApplication::translate("RecordScanner", "%1: %2 (byte offset %3)").arg(QDir::toNativeSeparators(m_source), what).arg(offset));
    }

private:
    bool more()
    {
        // Bytes before the position (and before what is kept) are no longer looked at.
        const qint64 from = m_keep >= 0 ? std::min(m_keep, m_position) : m_position;
        if (from > m_base) {
            m_buffer.remove(0, from - m_base);
            m_base = from;
        }
        const qsizetype had = m_buffer.size();
        const qint64 want = std::max<qint64>(kBlock, had);
        m_buffer.resize(had + want);
        const qint64 got = m_device.read(m_buffer.data() + had, want);
        if (got < 0)
            throw IoError(QCoreApplication::translate("RecordScanner", "%1 could not be read: %2").arg(QDir::toNativeSeparators(m_source), m_device.errorString()));
        m_buffer.resize(had + got);
        return got > 0;
    }

    QIODevice &m_device;
    QString m_source;
    QByteArray m_buffer;
    qint64 m_base = 0;     // the file offset of the buffer's first byte
    qint64 m_position = 0;
    qint64 m_keep = -1;
};

struct StartTag
{
    std::string name; // short names need no allocation
    qint64 begin = 0;
    qint64 end = 0;
    bool selfClosing = false;
    qint64 markBegin = -1;
    qint32 markLength = 0;
    qint32 markCapacity = 0;
};

class Scan
{
public:
    Scan(QIODevice &file, const ScanNames &names, const QString &source, const RecordFound &found)
        : m_in(file, source), m_names(names), m_found(found)
    {
    }

    StoreLayout run()
    {
        if (m_in.ensure(3) && std::memcmp(m_in.data(0), "\xEF\xBB\xBF", 3) == 0)
            m_in.setPosition(3);
        while (true) {
            const qint64 from = m_in.position();
            const qint64 lt = m_in.find('<', from);
            if (m_stack.empty())
                checkOutsideText(from, lt);
            if (lt < 0)
                break;
            m_in.setPosition(lt);
            if (!m_in.ensure(2))
                m_in.fail(QCoreApplication::translate("RecordScanner", "the file ends inside a tag"), lt);
            switch (m_in.at(lt + 1)) {
            case '/':
                endTag(lt);
                break;
            case '?':
                skipTo("?>", lt, QCoreApplication::translate("RecordScanner", "a processing instruction"));
                break;
            case '!':
                special(lt);
                break;
            default:
                startTag(lt);
            }
        }
        if (!m_stack.empty())
            m_in.fail(QCoreApplication::translate("RecordScanner", "the file ends before the element %1 is closed")
                          .arg(QString::fromStdString(m_stack.back())),
                      m_in.position());
        if (m_layout.rootOpenBegin < 0)
            m_in.fail(QCoreApplication::translate("RecordScanner", "there is no document element"), m_in.position());
        m_layout.size = m_in.position();
        return m_layout;
    }

private:
    void checkOutsideText(qint64 from, qint64 lt)
    {
        // Only blanks may stand outside the root.
        if (lt < 0) {
            // The rest of the file is in the buffer: find() read it to the end.
            qint64 i = from;
            for (; m_in.ensureAt(i, 1); ++i)
                if (!isSpace(m_in.at(i)))
                    m_in.fail(QCoreApplication::translate("RecordScanner", "text outside the document element"), i);
            m_in.setPosition(i);
            return;
        }
        for (qint64 i = from; i < lt; ++i)
            if (!isSpace(m_in.at(i)))
                m_in.fail(QCoreApplication::translate("RecordScanner", "text outside the document element"), i);
    }

    void skipTo(QByteArrayView close, qint64 lt, const QString &what)
    {
        const qint64 at = m_in.find(close, lt + 2);
        if (at < 0)
            m_in.fail(QCoreApplication::translate("RecordScanner", "%1 is not closed").arg(what), lt);
        m_in.setPosition(at + close.size());
    }

    void special(qint64 lt)
    {
        m_in.ensureAt(lt, 9);
        const QByteArrayView head = m_in.view(lt, std::min(lt + 9, m_in.end()));
        if (head.startsWith("<!--")) {
            skipTo("-->", lt + 2, QCoreApplication::translate("RecordScanner", "a comment"));
        } else if (head.startsWith("<![CDATA[")) {
            if (m_stack.empty())
                m_in.fail(QCoreApplication::translate("RecordScanner", "character data outside the document element"), lt);
            skipTo("]]>", lt + 7, QCoreApplication::translate("RecordScanner", "a CDATA section"));
        } else if (head.startsWith("<!DOCTYPE") && m_stack.empty()) {
            // Up to the '>' that is not inside the internal subset.
            qint64 i = lt + 9;
            int brackets = 0;
            for (;; ++i) {
                if (!m_in.ensureAt(i, 1))
                    m_in.fail(QCoreApplication::translate("RecordScanner", "the document type is not closed"), lt);
                const char c = m_in.at(i);
                if (c == '[')
                    ++brackets;
                else if (c == ']')
                    --brackets;
                else if (c == '>' && brackets <= 0)
                    break;
            }
            m_in.setPosition(i + 1);
        } else {
            m_in.fail(QCoreApplication::translate("RecordScanner", "an unknown markup declaration"), lt);
        }
    }

    // Reads a name from `at`; returns the offset after it.
    qint64 nameEnd(qint64 at)
    {
        qint64 i = at;
        while (m_in.ensureAt(i, 1) && !endsName(m_in.at(i)))
            ++i;
        if (i == at)
            m_in.fail(QCoreApplication::translate("RecordScanner", "a tag without a name"), at);
        return i;
    }

    qint64 skipSpaces(qint64 i)
    {
        while (m_in.ensureAt(i, 1) && isSpace(m_in.at(i)))
            ++i;
        return i;
    }

    StartTag readStartTag(qint64 lt, bool isRecord)
    {
        StartTag tag;
        tag.begin = lt;
        qint64 i = nameEnd(lt + 1);
        tag.name.assign(m_in.data(lt + 1), size_t(i - lt - 1));
        for (;;) {
            i = skipSpaces(i);
            if (!m_in.ensureAt(i, 1))
                m_in.fail(QCoreApplication::translate("RecordScanner", "the file ends inside the tag %1").arg(QString::fromStdString(tag.name)), lt);
            const char c = m_in.at(i);
            if (c == '>') {
                tag.end = i + 1;
                return tag;
            }
            if (c == '/') {
                if (!m_in.ensureAt(i, 2) || m_in.at(i + 1) != '>')
                    m_in.fail(QCoreApplication::translate("RecordScanner", "a stray '/' in the tag %1").arg(QString::fromStdString(tag.name)), i);
                tag.end = i + 2;
                tag.selfClosing = true;
                return tag;
            }
            const qint64 attributeBegin = i;
            i = nameEnd(i);
            const qint64 attributeEnd = i;
            i = skipSpaces(i);
            if (!m_in.ensureAt(i, 1) || m_in.at(i) != '=')
                m_in.fail(QCoreApplication::translate("RecordScanner", "an attribute without value"), attributeBegin);
            i = skipSpaces(i + 1);
            if (!m_in.ensureAt(i, 1) || (m_in.at(i) != '"' && m_in.at(i) != '\''))
                m_in.fail(QCoreApplication::translate("RecordScanner", "an attribute value without quotes"), i);
            const char quote = m_in.at(i);
            const qint64 valueBegin = i + 1;
            const qint64 close = m_in.find(quote, valueBegin);
            if (close < 0)
                m_in.fail(QCoreApplication::translate("RecordScanner", "an attribute value is not closed"), i);
            const qint64 nameLength = attributeEnd - attributeBegin;
            i = close + 1;
            if (isRecord && tag.markBegin < 0 && nameLength == m_names.markAttribute.size()
                && m_in.view(attributeBegin, attributeEnd) == m_names.markAttribute) {
                tag.markBegin = valueBegin;
                tag.markLength = qint32(close - valueBegin);
                // Blanks after the value may take a longer value, keeping one before another
                // attribute.
                const qint64 next = skipSpaces(i);
                qint64 spare = next - i;
                if (m_in.ensureAt(next, 1) && m_in.at(next) != '>' && m_in.at(next) != '/')
                    spare = std::max<qint64>(0, spare - 1);
                tag.markCapacity = qint32(tag.markLength + spare);
            } else {
                if (!m_in.ensureAt(i, 1))
                    m_in.fail(QCoreApplication::translate("RecordScanner", "the file ends inside a tag"), lt);
                const char after = m_in.at(i);
                if (!isSpace(after) && after != '>' && after != '/')
                    m_in.fail(QCoreApplication::translate("RecordScanner", "attributes without a blank between them"), i);
            }
        }
    }

    void startTag(qint64 lt)
    {
        const size_t depth = m_stack.size();
        const bool isRecord = m_inList && depth == 2;
        if (isRecord)
            m_in.keepFrom(lt);
        StartTag tag = readStartTag(lt, isRecord);
        m_in.setPosition(tag.end);
        if (depth == 0) {
            if (m_layout.rootOpenBegin >= 0)
                m_in.fail(QCoreApplication::translate("RecordScanner", "a second document element"), lt);
            m_layout.rootName = QByteArray::fromStdString(tag.name);
            m_layout.rootOpenBegin = lt;
            m_layout.rootOpenEnd = tag.end;
            m_layout.rootSelfClosing = tag.selfClosing;
        } else if (depth == 1) {
            m_layout.rootChildren.append(QByteArray::fromStdString(tag.name));
            if (!m_layout.hasList() && QByteArrayView(tag.name) == m_names.listElement) {
                m_layout.listOpenBegin = lt;
                m_layout.listOpenEnd = tag.end;
                m_layout.listSelfClosing = tag.selfClosing;
                m_inList = !tag.selfClosing;
            }
        } else if (isRecord) {
            m_record = {};
            m_record.begin = lt;
            if (tag.markBegin >= 0) {
                m_record.markBegin = qint32(tag.markBegin - lt);
                m_record.markLength = tag.markLength;
                m_record.markCapacity = tag.markCapacity;
            }
            if (tag.selfClosing) {
                m_record.end = tag.end;
                recordEnded();
            }
        } else if (m_inList && depth == 3 && m_record.bodyBegin < 0 && QByteArrayView(tag.name) == m_names.bodyElement) {
            m_record.bodyBegin = qint32(tag.end - m_record.begin);
            if (tag.selfClosing)
                m_record.bodyEnd = m_record.bodyBegin;
            else
                m_inBody = true;
        }
        if (!tag.selfClosing)
            m_stack.push_back(std::move(tag.name));
    }

    void endTag(qint64 lt)
    {
        const qint64 gt = m_in.find('>', lt + 2);
        if (gt < 0)
            m_in.fail(QCoreApplication::translate("RecordScanner", "an end tag is not closed"), lt);
        qint64 nameEnd = gt;
        while (nameEnd > lt + 2 && isSpace(m_in.at(nameEnd - 1)))
            --nameEnd;
        const QByteArrayView name = m_in.view(lt + 2, nameEnd);
        if (m_stack.empty() || name != QByteArrayView(m_stack.back()))
            m_in.fail(QCoreApplication::translate("RecordScanner", "start and end tags mismatch: the end tag %1 does not close %2")
                          .arg(QString::fromUtf8(name), m_stack.empty() ? QCoreApplication::translate("RecordScanner", "any element")
                                                                          : QString::fromStdString(m_stack.back())),
                      lt);
        m_stack.pop_back();
        m_in.setPosition(gt + 1);
        const size_t depth = m_stack.size();
        if (depth == 0) {
            m_layout.rootCloseBegin = lt;
        } else if (depth == 1 && m_inList) {
            m_layout.listCloseBegin = lt;
            m_inList = false;
        } else if (m_inList && depth == 3 && m_inBody) {
            m_record.bodyEnd = qint32(lt - m_record.begin);
            m_inBody = false;
        } else if (m_inList && depth == 2) {
            m_record.end = gt + 1;
            recordEnded();
        }
    }

    void recordEnded()
    {
        if (m_record.end - m_record.begin > std::numeric_limits<qint32>::max())
            m_in.fail(QCoreApplication::translate("RecordScanner", "a record larger than 2 GB"), m_record.begin);
        m_found(m_record, m_in.view(m_record.begin, m_record.end));
        m_in.release();
    }

    Reader m_in;
    const ScanNames &m_names;
    const RecordFound &m_found;
    StoreLayout m_layout;
    std::vector<std::string> m_stack;
    bool m_inList = false;
    bool m_inBody = false;
    ScannedRecord m_record;
};

} // namespace

StoreLayout scanStore(QIODevice &file, const ScanNames &names, const QString &sourceName, const RecordFound &found)
{
    return Scan(file, names, sourceName, found).run();
}

} // namespace corvane::platform
