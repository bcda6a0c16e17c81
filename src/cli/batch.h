#pragma once
// One look on many photos: corvessa-render --look ... -o OUTDIR INPUT...

#include "cli/options.h"
#include "looks/render_context.h"

namespace corvessa::cli {

// Renders options.look for the inputs on the command line and in
// --files-from into options.outDir through the batch engine, reporting
// failures on standard error as they happen, progress when standard error
// is a terminal, and one JSON line a photo to --report. An interrupt or a
// termination signal stops it after the photos in flight. Returns the exit
// status: 0 when every input rendered (or was done already), 1 otherwise.
int RenderBatch(const Options& options, const PictureSource& pictures);

// Throws "PATH is the input; it is not overwritten" when `output` is the
// file `input`.
void CheckNotAnInput(const std::string& input, const std::string& output);

}  // namespace corvessa::cli
