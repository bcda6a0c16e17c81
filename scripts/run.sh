#!/usr/bin/env bash
# Starts the program from the build folder given as $1.
set -euo pipefail
build="${1:-build}"
if [ -x "$build/bin/corvessa" ]; then
  exec "$build/bin/corvessa"
fi
echo "The window is not built yet; the pixel core, its tests and benchmarks are: run 'make test' or 'make bench'."
