#pragma once

#include "FileIo.h"

#include <QString>
#include <QStringList>

namespace corvane::platform {

// An INI profile file ("main.ini", "Attach.ini"). Every call goes straight to the file: reads see
// the file as it is now, writes update it at once (atomically, keeping its other sections, keys
// and comments). Section and key names match without regard to case. Text is read as UTF-8, or
// windows-1252 when it is not valid UTF-8; it is written in windows-1252 when every character fits
// (what peers on Windows read) and UTF-8 otherwise. A failed write throws WriteError
// ("Unable to write to <path>"). A file that exists but cannot be read reads as empty, and is never
// written: a write would replace everything it holds with one key. A write makes the file anew
// with `access`: Private for the user's settings, Shared for a folder's Attach.ini that peers read.
class IniFile
{
public:
    explicit IniFile(QString path, Access access = Access::Shared);

    const QString &path() const { return m_path; }

    // Throws IoError ("Unable to read <path>: <reason>") when the file exists but cannot be read. A
    // missing file is no error.
    void checkReadable() const;
    // From now on every write throws IoError with this message, whether or not the file reads again.
    void refuseWrites(const QString &message) { m_writeRefusal = message; }
    bool refusesWrites() const { return !m_writeRefusal.isEmpty(); }

    // At most 2047 characters of the text after "="; the default when the key is missing.
    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    // Decimal, or hexadecimal after "0x"/"0X"; the default when missing or not a number.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    // An integer as above; any non-zero value is true.
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;

    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);

    bool valueExists(const QString &section, const QString &key) const;
    void deleteKey(const QString &section, const QString &key);
    // Keys of a section, in file order.
    QStringList keys(const QString &section) const;

    // Parses an integer as the reads do; false when it does not parse.
    static bool parseInteger(const QString &text, int *value);

private:
    struct Lines;
    // Reads for a lookup: a file that cannot be read gives no lines.
    Lines readLines() const;
    // Reads for a change: throws IoError when the file exists but cannot be read, or writes are refused.
    Lines readLinesForWrite() const;
    static Lines parseLines(const QByteArray &bytes);
    void writeLines(const Lines &lines);

    QString m_path;
    Access m_access = Access::Shared;
    QString m_writeRefusal;
};

} // namespace corvane::platform
