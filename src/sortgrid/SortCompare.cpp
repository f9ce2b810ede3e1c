#include "SortCompare.h"

#include <algorithm>
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
quint64 prefixOf(QStringView key)
{
    quint64 prefix = 0;
    for (int i = 0; i < 4; ++i)
        prefix = (prefix << 16) | (i < key.size() ? key[i].unicode() : 0u);
    return prefix;
}

struct TextKey
{
    quint64 prefix;
    QStringView key;
    int index;
};

struct ValueKey
{
    double value;
    int index;
};

std::vector<int> sortText(const std::vector<QStringView> &keys, const TSortOptions &options)
{
    std::vector<QString> upper; // storage for the upper-cased keys
    if (!options.CaseSensitive)
        upper.reserve(keys.size());
    std::vector<TextKey> entries;
    entries.reserve(keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        QStringView key = keys[i];
        if (!options.CaseSensitive) {
            bool lower = false;
            for (const QChar c : key) {
                if (c.unicode() >= u'a' && c.unicode() <= u'z') {
                    lower = true;
                    break;
                }
            }
            if (lower) {
                upper.push_back(asciiUpperCase(key.toString()));
                key = upper.back();
            }
        }
        entries.push_back(TextKey{prefixOf(key), key, int(i)});
    }
    const bool descending = options.Direction == soDescending;
    std::sort(entries.begin(), entries.end(), [descending](const TextKey &a, const TextKey &b) {
        int c = a.prefix < b.prefix ? -1 : (a.prefix > b.prefix ? 1 : 0);
        if (c == 0)
            c = sign(a.key.compare(b.key, Qt::CaseSensitive));
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

std::vector<int> sortValues(const std::vector<QStringView> &keys, const TSortOptions &options,
                            const KeyConverter &converter)
{
    std::vector<ValueKey> entries;
    entries.reserve(keys.size());
    std::vector<int> order(keys.size(), -1);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (const auto value = convert(keys[i], options.Style, converter))
            entries.push_back(ValueKey{*value, int(i)});
        else
            order[i] = int(i); // a key that does not convert stays where it is
    }
    const bool descending = options.Direction == soDescending;
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

} // namespace

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

TSortStyle GuessColumnKind(qsizetype count, const CellText &cellAt, const KeyConverter &converter)
{
    // Numeric wins when both hold, so date-times are looked at only once a cell is no number.
    qsizetype i = 0;
    while (i < count && converter.toNumber(cellAt(i)))
        ++i;
    if (i == count)
        return skNumeric;
    for (i = 0; i < count; ++i) {
        if (!converter.toDateTime(cellAt(i)))
            return skText;
    }
    return skDateTime;
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
        return sortValues(keys, options, converter);
    return sortText(keys, options);
}

} // namespace corvane::sortgrid
