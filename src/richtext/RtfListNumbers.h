#pragma once

#include "richtext/RtfStyle.h"

#include <QString>

#include <map>
#include <utility>
#include <vector>

namespace corvane::richtext {

// Which list each list paragraph of a document joins, in reading order, and the number it gets
// there. A paragraph continues the list of the paragraph before it when their list styles are
// equal; Word lists (a key) continue across paragraphs that are not in them. The document
// builder and the plain text follow this one rule, so both number alike.
class ListNumbers
{
public:
    struct Item
    {
        int list = 0;   // 0, 1, 2, ... in order of each list's first item
        int number = 1; // the list's start plus the item's position in it
    };

    // A paragraph in a list (style.kind is not None).
    Item add(const ListStyle &style);
    // A paragraph in no list.
    void interrupt() { m_last = -1; }

private:
    struct List
    {
        ListStyle style;
        int items = 0;
    };
    std::vector<List> m_lists;
    int m_last = -1;
    std::map<std::pair<int, int>, int> m_keyed; // (key, level) -> list
};

// The label a list shows before an item: "•" for bullets, else the number in the list's
// style between the list's texts before and after it ("3.", "c)", "(iii)").
QString listLabel(const ListStyle &style, int number);

} // namespace corvane::richtext
