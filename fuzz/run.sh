#!/usr/bin/env bash
# Runs fuzz targets one after another, each for SECONDS (default 600), at low
# priority: fuzz/run.sh BUILD_DIR SECONDS TARGET...
# The growing corpus and any crashing input stay in BUILD_DIR/fuzz-runs/.
set -uo pipefail
build=$(cd "$1" && pwd)
seconds=${2:-600}
shift 2
seeds=$(cd "$(dirname "$0")" && pwd)/corpus
for target in "$@"; do
  run="$build/fuzz-runs/$target"
  mkdir -p "$run/corpus" "$run/artifacts"
  (cd "$run" && nice -n 10 "$build/fuzz/${target}_fuzzer" -max_total_time="$seconds" \
    -rss_limit_mb=2048 -timeout=25 -print_final_stats=1 -artifact_prefix="$run/artifacts/" \
    "$run/corpus" "$seeds/$target" >"$run/log" 2>&1)
  echo "$target: exit $? $(grep -E 'stat::number_of_executed_units' "$run/log")"
done
