#pragma once
// One look on many photos: corvessa-render --look ... -o OUTDIR INPUT...

#include "cli/options.h"
#include "looks/render_context.h"

namespace corvessa::cli {

// Renders options.look for every input into options.outDir, two inputs at
// a time, reporting failures on standard error as they happen. Returns the
// exit status: 0 when every input rendered, 1 otherwise.
int RenderBatch(const Options& options, const PictureSource& pictures);

// Throws "PATH is the input; it is not overwritten" when `output` is the
// file `input`.
void CheckNotAnInput(const std::string& input, const std::string& output);
// Makes the folder `dir` (and its parents) or throws "Cannot create file".
void MakeFolder(const std::string& dir);

}  // namespace corvessa::cli
