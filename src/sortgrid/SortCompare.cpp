#include "SortCompare.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace corvane::sortgrid {

namespace {

int sign(int v) { return (v > 0) - (v < 0); }

int compareValues(double a, double b) { return (a > b) - (a < b); }

std::optional<double> convert(QStringView text, TSortStyle style, const KeyConverter &converter)
{
    return style == skNumeric ? converter.toNumber(text) : converter.toDateTime(text);
}

bool hasLowerAscii(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() >= u'a' && c.unicode() <= u'z')
            return true;
    }
    return false;
}

// The first four UTF-16 units of a key packed so that comparing two prefixes as integers agrees
// with the ordinal order of the keys whenever the prefixes differ.
quint64 prefixOf(const char16_t *key, qsizetype length)
{
    quint64 prefix = 0;
    for (qsizetype i = 0; i < 4; ++i)
        prefix = (prefix << 16) | (i < length ? key[i] : 0u);
    return prefix;
}

struct TextKey
{
    quint64 prefix;
    qsizetype offset;
    qsizetype length;
    int index;
};

struct ValueKey
{
    double value;
    int index;
};

} // namespace

std::vector<int> SortedTextOrder(const std::vector<QStringView> &keys, const TSortOptions &options)
{
    // All keys go into one buffer, upper-cased once when case does not count: the comparisons
    // then read memory in one place instead of following every cell's own string.
    qsizetype total = 0;
    for (const QStringView key : keys)
        total += key.size();
    std::vector<char16_t> buffer(std::size_t(total) + 1);
    std::vector<TextKey> entries;
    entries.reserve(keys.size());
    qsizetype offset = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const QStringView key = keys[i];
        char16_t *out = buffer.data() + offset;
        for (qsizetype c = 0; c < key.size(); ++c) {
            char16_t unit = key[c].unicode();
            if (!options.CaseSensitive && unit >= u'a' && unit <= u'z')
                unit = char16_t(unit - (u'a' - u'A'));
            out[c] = unit;
        }
        entries.push_back(TextKey{prefixOf(out, key.size()), offset, key.size(), int(i)});
        offset += key.size();
    }
    const char16_t *base = buffer.data();
    const bool descending = options.Direction == soDescending;
    std::sort(entries.begin(), entries.end(), [base, descending](const TextKey &a, const TextKey &b) {
        int c = a.prefix < b.prefix ? -1 : (a.prefix > b.prefix ? 1 : 0);
        if (c == 0) {
            // Equal prefixes: the first units up to four are equal; compare the rest.
            const qsizetype skip = std::min<qsizetype>({4, a.length, b.length});
            c = sign(QStringView(base + a.offset + skip, a.length - skip)
                         .compare(QStringView(base + b.offset + skip, b.length - skip), Qt::CaseSensitive));
        }
        if (c == 0)
            return a.index < b.index;
        return descending ? c > 0 : c < 0;
    });
    std::vector<int> order;
    order.reserve(entries.size());
    for (const TextKey &e : entries)
        order.push_back(e.index);
    return order;
}

std::vector<int> SortedValueOrder(const std::vector<double> &values, TSortDirection direction)
{
    std::vector<ValueKey> entries;
    entries.reserve(values.size());
    std::vector<int> order(values.size(), -1);
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (std::isnan(values[i]))
            order[i] = int(i); // a key that does not convert stays where it is
        else
            entries.push_back(ValueKey{values[i], int(i)});
    }
    const bool descending = direction == soDescending;
    std::sort(entries.begin(), entries.end(), [descending](const ValueKey &a, const ValueKey &b) {
        const int c = compareValues(a.value, b.value);
        if (c == 0)
            return a.index < b.index;
        return descending ? c > 0 : c < 0;
    });
    std::size_t next = 0;
    for (int &slot : order) {
        if (slot < 0)
            slot = entries[next++].index;
    }
    return order;
}

std::vector<double> ConvertKeys(const std::vector<QStringView> &keys, TSortStyle style,
                                const KeyConverter &converter)
{
    std::vector<double> values;
    values.reserve(keys.size());
    for (const QStringView key : keys)
        values.push_back(convert(key, style, converter).value_or(std::nan("")));
    return values;
}

QString asciiUpperCase(const QString &text)
{
    if (!hasLowerAscii(text))
        return text;
    QString result = text;
    for (QChar &c : result) {
        if (c.unicode() >= u'a' && c.unicode() <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    }
    return result;
}

int CompareEntries(const TSortedListEntry &a, const TSortedListEntry &b, const TSortOptions &options,
                   const KeyConverter &converter)
{
    const QString keyA = options.CaseSensitive ? a.Key : asciiUpperCase(a.Key);
    const QString keyB = options.CaseSensitive ? b.Key : asciiUpperCase(b.Key);
    int result = 0;
    if (options.Style == skNumeric || options.Style == skDateTime) {
        const auto valueA = convert(keyA, options.Style, converter);
        const auto valueB = convert(keyB, options.Style, converter);
        if (valueA && valueB)
            result = compareValues(*valueA, *valueB);
    } else {
        result = sign(QStringView(keyA).compare(QStringView(keyB), Qt::CaseSensitive));
    }
    if (result == 0)
        return compareValues(a.FormerRow, b.FormerRow);
    return options.Direction == soDescending ? -result : result;
}

TSortStyle GuessColumnKind(qsizetype count, const CellText &cellAt, const KeyConverter &converter,
                           std::vector<double> *values)
{
    std::vector<double> converted;
    converted.reserve(std::size_t(count));
    // Numeric wins when both hold, so date-times are looked at only once a cell is no number.
    for (qsizetype i = 0; i < count; ++i) {
        const auto number = converter.toNumber(cellAt(i));
        if (!number)
            break;
        converted.push_back(*number);
    }
    TSortStyle kind = skNumeric;
    if (qsizetype(converted.size()) != count) {
        converted.clear();
        kind = skDateTime;
        for (qsizetype i = 0; i < count; ++i) {
            const auto when = converter.toDateTime(cellAt(i));
            if (!when) {
                kind = skText;
                converted.clear();
                break;
            }
            converted.push_back(*when);
        }
    }
    if (values)
        *values = std::move(converted);
    return kind;
}

TSortStyle GuessColumnKind(const QStringList &cells, const KeyConverter &converter)
{
    return GuessColumnKind(cells.size(), [&cells](qsizetype i) { return QStringView(cells.at(i)); },
                           converter);
}

std::vector<int> SortedOrder(const std::vector<QStringView> &keys, const TSortOptions &options,
                             const KeyConverter &converter)
{
    if (options.Style == skNumeric || options.Style == skDateTime)
        return SortedValueOrder(ConvertKeys(keys, options.Style, converter), options.Direction);
    return SortedTextOrder(keys, options);
}

} // namespace corvane::sortgrid
