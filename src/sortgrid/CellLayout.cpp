#include "CellLayout.h"

#include <Qt>

namespace corvane::sortgrid {

QPoint cellTextOffset(TAlignment horizontal, TVertAlignment vertical, QSize cell, QSize text)
{
    int x = 2;
    if (horizontal == taRightJustify)
        x = cell.width() - text.width() - 2;
    else if (horizontal == taCenter)
        x = (cell.width() - text.width()) / 2; // C++ division rounds toward zero
    int y = 2;
    if (vertical == taBottomJustify)
        y = cell.height() - text.height() - 3;
    else if (vertical == taMiddle)
        y = (cell.height() - text.height()) / 2;
    return {x, y};
}

int qtAlignment(TAlignment horizontal, TVertAlignment vertical)
{
    int flags = horizontal == taRightJustify ? Qt::AlignRight
                : horizontal == taCenter     ? Qt::AlignHCenter
                                             : Qt::AlignLeft;
    flags |= vertical == taBottomJustify ? Qt::AlignBottom
             : vertical == taMiddle      ? Qt::AlignVCenter
                                         : Qt::AlignTop;
    return flags;
}

} // namespace corvane::sortgrid
