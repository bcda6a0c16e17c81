#pragma once
// The edits on corvessa-render's command line: turning, mirroring,
// straightening, cropping, the adjustments and Auto, read into the value
// the window's Edit panel fills, so both give the same bytes.

#include <string>
#include <string_view>

#include "batch/batch.h"

namespace corvessa {
namespace cli {

struct EditOptions {
    batch::BatchEdits edits;
    bool given = false;  // any edit option
    bool rotated = false, straightened = false;
};

// Takes option `arg` (one of the edits' that wants no value, --auto) and
// returns true, or returns false for another option.
bool TakeEditFlag(EditOptions& options, std::string_view arg);
// Takes option `arg` of the edits' with its `value` and returns true, or
// returns false for another option. A value out of its range throws a
// UsageError naming the option and the range.
bool TakeEditValue(EditOptions& options, std::string_view arg, std::string_view value);

// The edits' part of the usage text, the adjustments' lines from their
// table.
std::string EditUsage();

}  // namespace cli
}  // namespace corvessa
