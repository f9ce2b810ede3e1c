#pragma once

#include "SortTypes.h"

#include <QPoint>
#include <QSize>

namespace corvane::sortgrid {

// Where a cell's text starts, relative to the cell's top-left corner, for a cell and a text of
// the given sizes: 2 pixels in from the left or top, 2 from the right, 3 from the bottom, or
// centred (halves rounded toward zero).
QPoint cellTextOffset(TAlignment horizontal, TVertAlignment vertical, QSize cell, QSize text);

// The Qt alignment flags of the grid's text placement (used for the header).
int qtAlignment(TAlignment horizontal, TVertAlignment vertical);

} // namespace corvane::sortgrid
