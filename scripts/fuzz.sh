#!/usr/bin/env bash
# Builds and runs every fuzz target of the clang build folder $1 for $2
# seconds each. Corpora grow in $1/corpus/<target>; crashing inputs land in
# $1/crashes/<target>/ (keep them in fuzz/regressions/<target>/ once fixed).
set -euo pipefail
build="$1"
seconds="${2:-300}"
root="$(cd "$(dirname "$0")/.." && pwd)"
cmake --build "$build" -j "$(nproc)" --target fuzz_all
for bin in "$build"/bin/fuzz_*; do
  t="${bin##*/fuzz_}"
  [ "$t" = "make_seeds" ] && continue
  mkdir -p "$build/corpus/$t" "$build/crashes/$t" "$root/fuzz/regressions/$t"
  echo "== fuzz_$t for ${seconds}s"
  "$bin" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -max_len=262144 \
    -print_final_stats=1 -artifact_prefix="$build/crashes/$t/" \
    "$build/corpus/$t" "$build/fuzz-seeds/$t" "$root/fuzz/regressions/$t" 2>&1 |
    grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss_mb|==[0-9]+==ERROR|SUMMARY)' || true
done
