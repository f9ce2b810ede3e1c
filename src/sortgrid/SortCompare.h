#pragma once

#include "KeyConverter.h"
#include "SortTypes.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <vector>

namespace corvane::sortgrid {

// The ASCII upper-case form of a key: only the letters a to z change.
QString asciiUpperCase(const QString &text);

// Compares two entries of a sort with a concrete Style: -1, 0 or +1. Keys compare by Style
// (text: ordinal by UTF-16 code unit; numbers and date-times by value, 0 when either does not
// convert); equal keys fall back to the former rows, which Direction never reverses.
int CompareEntries(const TSortedListEntry &a, const TSortedListEntry &b, const TSortOptions &options,
                   const KeyConverter &converter = defaultKeyConverter());

// The kind of a column: numeric when every cell converts to a number, date-time when every cell
// converts to a date-time, text otherwise; numeric wins when both hold. An empty cell converts to
// neither. Stops at the first cell that rules both out. When values is given, it receives the
// converted cells of a numeric or date-time column (empty for text), so a sort that follows need
// not convert them again.
using CellText = std::function<QStringView(qsizetype index)>;
TSortStyle GuessColumnKind(qsizetype count, const CellText &cellAt,
                           const KeyConverter &converter = defaultKeyConverter(),
                           std::vector<double> *values = nullptr);
TSortStyle GuessColumnKind(const QStringList &cells, const KeyConverter &converter = defaultKeyConverter());

// The values of keys under a numeric or date-time Style; NaN where a key does not convert.
std::vector<double> ConvertKeys(const std::vector<QStringView> &keys, TSortStyle style,
                                const KeyConverter &converter = defaultKeyConverter());

// The sorted order of keys[0..n): element i of the result is the index of the key that goes to
// position i. The order is that of CompareEntries with former row = index, computed with keys
// converted once. Under a forced numeric or date-time Style, keys that do not convert keep
// their positions and the others are sorted into the remaining places.
std::vector<int> SortedOrder(const std::vector<QStringView> &keys, const TSortOptions &options,
                             const KeyConverter &converter = defaultKeyConverter());
// The same for text keys, and for values already converted (NaN: does not convert).
std::vector<int> SortedTextOrder(const std::vector<QStringView> &keys, const TSortOptions &options);
std::vector<int> SortedValueOrder(const std::vector<double> &values, TSortDirection direction);

} // namespace corvane::sortgrid
