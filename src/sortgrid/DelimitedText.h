#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace corvane::sortgrid {

class StringGridModel;

// The fields of one line: split at every separator, two adjacent separators giving an empty
// field. No quoting or escaping.
QStringList splitDelimitedLine(QStringView line, QChar separator);
// The lines of a text: line breaks are CR LF, LF or CR; a break at the very end ends the last line.
QStringList textLines(const QString &text);

// Replaces the cells by the file's lines, one row per line from row 0, one column per field.
// The file is read as UTF-8, or windows-1252 when it is not valid UTF-8. Throws IoError; the
// cells are cleared before the file is read.
void ImportDelimited(StringGridModel &grid, const QString &fileName, QChar separator);
// Writes every row from row 0 as one line, the cells joined by the separator, in UTF-8 with the
// platform's line break. Throws WriteError; the file is replaced atomically.
void ExportDelimited(const StringGridModel &grid, const QString &fileName, QChar separator);

} // namespace corvane::sortgrid
