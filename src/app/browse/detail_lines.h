// The lines under one row of a list: the swimmers of a relay with its split and leg times, or
// the split times of an individual swim in two columns.
#pragma once

#include "app/browse/list_painter.h"
#include "lenex/model/qb_lenex_entry_intf.h"

namespace app {

// Draws the detail lines of an entry or a result (right edge r, left edge c) below y and answers
// the y after them.
int DrawDetailLines(TListPainter& painter, const lnx::IQbLenexEntry& element, int right, int left, int y);

}  // namespace app
