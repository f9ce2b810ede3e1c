#pragma once

#include <QString>
#include <QStringList>

namespace corvane::platform {

// An INI profile file ("main.ini", "Attach.ini"). Every call goes straight to the file: reads see
// the file as it is now, writes update it at once (atomically, keeping its other sections, keys
// and comments). Section and key names match without regard to case. Text is read as UTF-8, or
// windows-1252 when it is not valid UTF-8; it is written in windows-1252 when every character fits
// (what peers on Windows read) and UTF-8 otherwise. A failed write throws WriteError
// ("Unable to write to <path>").
class IniFile
{
public:
    explicit IniFile(QString path);

    const QString &path() const { return m_path; }

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
    bool sectionExists(const QString &section) const;
    void deleteKey(const QString &section, const QString &key);
    // Keys of a section, in file order.
    QStringList keys(const QString &section) const;

    // Parses an integer as the reads do; false when it does not parse.
    static bool parseInteger(const QString &text, int *value);

private:
    struct Lines;
    Lines readLines() const;
    void writeLines(const Lines &lines);

    QString m_path;
};

} // namespace corvane::platform
