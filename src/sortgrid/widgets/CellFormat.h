#pragma once

#include "sortgrid/SortTypes.h"

#include <QBrush>
#include <QColor>
#include <QFlags>
#include <QFont>

namespace corvane::sortgrid {

// How the grid paints a cell: selected, focused (the current cell of a focused grid), fixed.
enum TGridDrawStateFlag : unsigned { gdSelected = 1u << 0, gdFocused = 1u << 1, gdFixed = 1u << 2 };
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridDrawState)

struct TCellBevelFormat
{
    TCellBevelStyle Style = cbNone;
    QColor TopLeftColor;
    QColor BottomRightColor;
};

// How one cell is drawn; OnGetCellFormat handlers change it. Qt fonts carry no colour, so the
// text colour has a field of its own beside the font.
struct TFormatOptions
{
    QBrush Brush;
    QFont Font;
    QColor FontColor;
    TAlignment AlignmentHorz = taLeftJustify;
    TVertAlignment AlignmentVert = taTopJustify;
    TCellBevelFormat Bevel;
    bool SuppressText = false;
};

} // namespace corvane::sortgrid
