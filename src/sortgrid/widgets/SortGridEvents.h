#pragma once

#include "CellFormat.h"

#include "sortgrid/SortTypes.h"

#include <QRect>
#include <QString>

#include <functional>

class QPainter;

namespace corvane::sortgrid {

class TSortGrid;

// The grid's events. Each holds at most one handler; parameters passed by reference are the ones
// a handler may change.
using TNotifyEvent = std::function<void(TSortGrid *Sender)>;
using TFormatDrawCellEvent = std::function<void(TSortGrid *Sender, int Col, int Row, TGridDrawState State,
                                                TFormatOptions &FormatOptions)>;
using TClickSortEvent = std::function<void(TSortGrid *Sender, int Col, int Row, TSortOptions &SortOptions)>;
using TUpdateGridEvent = std::function<void(TSortGrid *Sender, int Index)>;
using TSizeChangedEvent = std::function<void(TSortGrid *Sender, int OldColCount, int OldRowCount)>;
using TBeginSortEvent = std::function<void(TSortGrid *Sender, int Col, TSortOptions &SortOptions)>;
using TEndSortEvent = std::function<void(TSortGrid *Sender, int Col)>;
using TCellValidateEvent =
    std::function<void(TSortGrid *Sender, int Col, int Row, QString &Value, bool &Valid)>;
// The base grid's own cell drawing, raised when DefaultDrawing is off.
using TDrawCellEvent = std::function<void(TSortGrid *Sender, int Col, int Row, QPainter *Painter,
                                          const QRect &Rect, TGridDrawState State)>;

} // namespace corvane::sortgrid
