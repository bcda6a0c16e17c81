#pragma once
// Plain references for the edits' fast kernels: the adjustments pixel by
// pixel in double precision from the functions of adjust_model.h, and
// straightening sampled in double precision.

#include "edit/edit.h"

namespace corvessa::test {

TBitmap ReferenceAdjust(const TBitmap& photo, const EditSettings& edits);
TBitmap ReferenceStraighten(const TBitmap& photo, double degrees);

}  // namespace corvessa::test
