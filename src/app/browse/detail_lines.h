// The lines under one row of a list: the swimmers of a relay with its split and leg times, or
// the split times of an individual swim in two columns.
#pragma once

#include "app/browse/list_painter.h"
#include "lenex/model/qb_lenex_entry_intf.h"

namespace app {

// A result status that counts as a valid swim: none, EXH, and the time reductions (codes 0, 1,
// 9, 10, 11); every other status is not valid.
bool IsValidResultStatus(int status);

// Draws the detail lines of an entry or a result (right edge r, left edge c) below y and answers
// the y after them.
int DrawDetailLines(TListPainter& painter, const lnx::IQbLenexEntry& element, int right, int left, int y);

// The distance between split times on a course: 50 LCM, 25 SCM and SCY, 33, 16, 20, else 1.
int SplitStep(int course);

}  // namespace app
