#include "IniFile.h"

#include "FileIo.h"
#include "TextCodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <limits>
#include <optional>

namespace corvane::platform {

namespace {

constexpr int kMaxValueLength = 2047;

QString sectionNameOf(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(u'[')) {
        const qsizetype close = trimmed.indexOf(u']');
        if (close > 0)
            return trimmed.mid(1, close - 1).trimmed();
    }
    return {};
}

bool isSectionLine(const QString &line)
{
    const QString trimmed = line.trimmed();
    return trimmed.startsWith(u'[') && trimmed.indexOf(u']') > 0;
}

bool isComment(const QString &line)
{
    const QString trimmed = line.trimmed();
    return trimmed.startsWith(u';') || trimmed.startsWith(u'#');
}

// The key of a "key=value" line, or none.
std::optional<QString> keyOf(const QString &line)
{
    if (isComment(line) || isSectionLine(line))
        return std::nullopt;
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return std::nullopt;
    return line.left(eq).trimmed();
}

QString valueOf(const QString &line)
{
    QString value = line.mid(line.indexOf(u'=') + 1).trimmed();
    // A value in matching quotes reads without them, as Windows reads profile strings.
    if (value.size() >= 2
        && ((value.front() == u'"' && value.back() == u'"')
            || (value.front() == u'\'' && value.back() == u'\'')))
        value = value.mid(1, value.size() - 2);
    return value.left(kMaxValueLength);
}

// A value with blanks at either end, or one in matching quotes, is written in double quotes: readers
// (this one and Windows' profile reader) trim the blanks around a value and strip one pair of quotes.
QString encodedValue(const QString &value)
{
    if (value.isEmpty())
        return value;
    const QChar first = value.front();
    const bool blanks = first.isSpace() || value.back().isSpace();
    const bool quoted = value.size() >= 2 && (first == u'"' || first == u'\'') && value.back() == first;
    return blanks || quoted ? u'"' + value + u'"' : value;
}

// The file's bytes; nothing for a missing file. Throws IoError when it exists but cannot be read.
QByteArray readIniBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!QFileInfo::exists(path))
            return {};
        throw IoError(QCoreApplication::translate("IniFile", "Unable to read %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw IoError(QCoreApplication::translate("IniFile", "Unable to read %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    return bytes;
}

bool same(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

struct IniFile::Lines
{
    QStringList lines;
    bool crlf = true;

    // Index of the section's header line, or -1.
    qsizetype findSection(const QString &section) const
    {
        for (qsizetype i = 0; i < lines.size(); ++i)
            if (isSectionLine(lines[i]) && same(sectionNameOf(lines[i]), section))
                return i;
        return -1;
    }
    // One past the section's last line (the next header or the end).
    qsizetype sectionEnd(qsizetype header) const
    {
        qsizetype i = header + 1;
        while (i < lines.size() && !isSectionLine(lines[i]))
            ++i;
        return i;
    }
    qsizetype findKey(const QString &section, const QString &key) const
    {
        const qsizetype header = findSection(section);
        if (header < 0)
            return -1;
        const qsizetype end = sectionEnd(header);
        for (qsizetype i = header + 1; i < end; ++i) {
            const auto name = keyOf(lines[i]);
            if (name && same(*name, key))
                return i;
        }
        return -1;
    }
};

IniFile::IniFile(QString path, Access access) : m_path(std::move(path)), m_access(access) {}

void IniFile::checkReadable() const
{
    readIniBytes(m_path);
}

IniFile::Lines IniFile::readLines() const
{
    try {
        return parseLines(readIniBytes(m_path));
    } catch (const IoError &) {
        return {}; // reads give their defaults
    }
}

IniFile::Lines IniFile::readLinesForWrite() const
{
    if (!m_writeRefusal.isEmpty())
        throw IoError(m_writeRefusal);
    try {
        return parseLines(readIniBytes(m_path));
    } catch (const IoError &error) {
        throw IoError(QCoreApplication::translate("IniFile", "Unable to write to %1: the file could not be read, and writing it would "
                                     "replace everything it holds. %2")
                          .arg(QDir::toNativeSeparators(m_path), error.message()));
    }
}

IniFile::Lines IniFile::parseLines(const QByteArray &bytes)
{
    Lines result;
    result.crlf = bytes.isEmpty() || bytes.contains("\r\n");
    QString text = decodeUtf8OrWindows1252(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    result.lines = text.split(u'\n');
    if (!result.lines.isEmpty() && result.lines.back().isEmpty())
        result.lines.removeLast();
    return result;
}

void IniFile::writeLines(const Lines &lines)
{
    const QString newline = lines.crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString text;
    for (const QString &line : lines.lines)
        text += line + newline;
    writeFileAtomically(m_path, encodeWindows1252OrUtf8(text), m_access);
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Lines lines = readLines();
    const qsizetype at = lines.findKey(section, key);
    return at < 0 ? defaultValue : valueOf(lines.lines[at]);
}

bool IniFile::parseInteger(const QString &input, int *value)
{
    const QString text = input.trimmed();
    bool ok = false;
    qlonglong parsed = 0;
    if (text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive))
        parsed = text.mid(2).toLongLong(&ok, 16);
    else if (text.startsWith(QStringLiteral("-0x"), Qt::CaseInsensitive)) {
        parsed = -text.mid(3).toLongLong(&ok, 16);
    } else
        parsed = text.toLongLong(&ok, 10);
    if (!ok || parsed < std::numeric_limits<int>::min() || parsed > std::numeric_limits<int>::max()) {
        // Hexadecimal up to 0xFFFFFFFF wraps as a 32-bit value, as peers write negative numbers so.
        if (ok && parsed > std::numeric_limits<int>::max() && parsed <= 0xFFFFFFFFLL) {
            *value = static_cast<int>(static_cast<quint32>(parsed));
            return true;
        }
        return false;
    }
    *value = static_cast<int>(parsed);
    return true;
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    const Lines lines = readLines();
    const qsizetype at = lines.findKey(section, key);
    if (at < 0)
        return defaultValue;
    int value = 0;
    return parseInteger(valueOf(lines.lines[at]), &value) ? value : defaultValue;
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    Lines lines = readLinesForWrite();
    const QString entry = key + u'=' + encodedValue(value);
    const qsizetype at = lines.findKey(section, key);
    if (at >= 0) {
        lines.lines[at] = entry;
    } else {
        const qsizetype header = lines.findSection(section);
        if (header < 0) {
            if (!lines.lines.isEmpty() && !lines.lines.back().trimmed().isEmpty())
                lines.lines.append(QString());
            lines.lines.append(u'[' + section + u']');
            lines.lines.append(entry);
        } else {
            // After the section's last non-blank line, so blank separators stay between sections.
            qsizetype insertAt = lines.sectionEnd(header);
            while (insertAt > header + 1 && lines.lines[insertAt - 1].trimmed().isEmpty())
                --insertAt;
            lines.lines.insert(insertAt, entry);
        }
    }
    writeLines(lines);
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::valueExists(const QString &section, const QString &key) const
{
    return readLines().findKey(section, key) >= 0;
}

void IniFile::deleteKey(const QString &section, const QString &key)
{
    Lines lines = readLinesForWrite();
    const qsizetype at = lines.findKey(section, key);
    if (at < 0)
        return;
    lines.lines.removeAt(at);
    writeLines(lines);
}

QStringList IniFile::keys(const QString &section) const
{
    const Lines lines = readLines();
    QStringList result;
    const qsizetype header = lines.findSection(section);
    if (header < 0)
        return result;
    const qsizetype end = lines.sectionEnd(header);
    for (qsizetype i = header + 1; i < end; ++i)
        if (const auto name = keyOf(lines.lines[i]))
            result.append(*name);
    return result;
}

} // namespace corvane::platform
