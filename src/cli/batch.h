#pragma once
// One look on many photos: corvessa-render --look ... -o OUTDIR INPUT...

#include <string>

#include "cli/options.h"
#include "io/files.h"
#include "io/photo_export.h"
#include "looks/cube_lut.h"
#include "looks/render_context.h"
#include "io/user_looks.h"

namespace corvessa {
namespace cli {

// Renders options.look (or the edits alone) for the inputs on the command
// line and in --files-from into options.outDir through the batch engine,
// each photo given options.edits first, reporting failures on standard
// error as they happen, progress when standard error is a terminal, and
// one JSON line a photo to --report. An interrupt or a termination signal
// stops it after the photos in flight. Returns the exit
// status: 0 when every input rendered (or was done already), 1 otherwise.
// With `lut`, that table is the look of every photo (options.lut).
int RenderBatch(const Options& options, const PictureSource& pictures, const UserLook* lut = nullptr);

// `lut` at `strength` on the photo `input` given `edits` (its faces kept
// clear when `keepFaces`), written to
// `output` with its metadata as a look's render is, through the RenderJob
// the window and the batch render a user's table with; `warning` as
// batch::RenderPhoto's.
void RenderLutPhoto(const UserLook& lut, int strength, const std::string& input, const std::string& output,
                    LinkPolicy links, int quality, std::string* warning = nullptr, const batch::BatchEdits& edits = {},
                    const ExportChoices& exported = {}, bool keepFaces = false);

// Throws "PATH is the input; it is not overwritten" when `output` is the
// file `input`.
void CheckNotAnInput(const std::string& input, const std::string& output);

}  // namespace cli
}  // namespace corvessa
