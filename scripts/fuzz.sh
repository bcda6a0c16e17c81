#!/usr/bin/env bash
# Builds and runs every fuzz target of the clang build folder $1 for $2
# seconds each (or only the targets named after them). Corpora grow in
# $1/corpus/<target>; crashing inputs land in $1/crashes/<target>/ (keep
# them in fuzz/regressions/<target>/ once fixed); each run's whole output
# is kept in $1/fuzz-logs/<target>.log.
set -euo pipefail
build="$1"
seconds="${2:-300}"
shift $(( $# < 2 ? $# : 2 ))
root="$(cd "$(dirname "$0")/.." && pwd)"
cmake --build "$build" -j "$(nproc)" --target fuzz_all
mkdir -p "$build/fuzz-logs"
# Leaks inside the codec libraries are not findings of ours.
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
for bin in "$build"/bin/fuzz_*; do
  t="${bin##*/fuzz_}"
  [ "$t" = "make_seeds" ] && continue
  if [ $# -gt 0 ] && [[ " $* " != *" $t "* ]]; then continue; fi
  mkdir -p "$build/corpus/$t" "$build/crashes/$t" "$root/fuzz/regressions/$t"
  echo "== fuzz_$t for ${seconds}s"
  log="$build/fuzz-logs/$t.log"
  "$bin" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -max_len=262144 \
    -print_final_stats=1 -artifact_prefix="$build/crashes/$t/" \
    "$build/corpus/$t" "$build/fuzz-seeds/$t" "$root/fuzz/regressions/$t" > "$log" 2>&1 || true
  # The last progress line carries the coverage, also when a finding
  # stopped the run early.
  grep -E '^#[0-9]+' "$log" | tail -n 1 || true
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|==[0-9]+==ERROR|SUMMARY|artifact_prefix.*Test unit written)' "$log" || true
done
