#pragma once

#include <QFlags>
#include <QString>

#include <cstdint>
#include <vector>

namespace corvane::sortgrid {

// How the keys of a sort compare. skAuto asks the grid to detect the kind from the column.
enum TSortStyle : std::uint8_t { skAuto = 0, skText = 1, skNumeric = 2, skDateTime = 3 };

enum TSortDirection : std::uint8_t { soAscending = 0, soDescending = 1 };

// The options of one sort: three one-byte fields, as event handlers receive and change them.
struct TSortOptions
{
    TSortStyle Style = skAuto;
    TSortDirection Direction = soAscending;
    // False compares text keys after upper-casing the ASCII letters a to z.
    bool CaseSensitive = true;

    friend bool operator==(const TSortOptions &, const TSortOptions &) = default;
};

// One data row while sorting: the text of its cell in the sort column and its row before the sort.
struct TSortedListEntry
{
    QString Key;
    int FormerRow = 0;
};

// The entries of the last sort, in sorted order: entry i came from row FormerRow and now sits in
// data row i.
using TSortedList = std::vector<TSortedListEntry>;

// Placement of cell text.
enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum TVertAlignment : std::uint8_t { taTopJustify, taBottomJustify, taMiddle };

// Bevel drawn round data cells.
enum TCellBevelStyle : std::uint8_t { cbNone, cbRaised, cbLowered };

// The options of the string grid the sortable grid extends.
enum TGridOption : unsigned {
    goFixedVertLine = 1u << 0,
    goFixedHorzLine = 1u << 1,
    goVertLine = 1u << 2,
    goHorzLine = 1u << 3,
    goRangeSelect = 1u << 4,
    goDrawFocusSelected = 1u << 5,
    goRowSizing = 1u << 6,
    goColSizing = 1u << 7,
    goRowMoving = 1u << 8,
    goColMoving = 1u << 9,
    goEditing = 1u << 10,
    goTabs = 1u << 11,
    goRowSelect = 1u << 12,
    goAlwaysShowEditor = 1u << 13,
    goThumbTracking = 1u << 14,
};
Q_DECLARE_FLAGS(TGridOptions, TGridOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridOptions)

// The string grid's default options.
inline constexpr TGridOptions defaultGridOptions()
{
    return TGridOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect);
}

} // namespace corvane::sortgrid
