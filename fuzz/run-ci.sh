#!/usr/bin/env bash
# A short fuzzing run of every target built in BUILD_DIR, as CI does it:
#   fuzz/run-ci.sh BUILD_DIR [SECONDS]
# Each target runs SECONDS (default 20) on its seed corpus and on generated
# hostile seeds of up to 1 MB. An input that takes longer than the time-out
# is a finding like a crash: work that grows faster than its input does not
# finish within it at these sizes. Any finding fails the run; the input is
# kept under BUILD_DIR/fuzz-ci/<target>/artifacts/.
set -uo pipefail
build=$(cd "$1" && pwd)
seconds=${2:-20}
here=$(cd "$(dirname "$0")" && pwd)
work="$build/fuzz-ci"
rm -rf "$work"
mkdir -p "$work"

megabyte=1048576
# Per input, on the instrumented build: linear work on 1 MB takes well under
# a second here.
timeout=5

# repeat TEXT BYTES: TEXT (with printf's escapes) repeated up to BYTES bytes.
repeat() {
  local text chunk
  text=$(printf '%b_' "$1")
  text=${text%_}
  chunk=$text
  while [ ${#chunk} -lt "$2" ]; do chunk=$chunk$chunk; done
  printf '%s' "${chunk:0:$2}"
}
# Fields of one input are separated by two NUL bytes.
nul2() { printf '\0\0'; }

seed() {
  mkdir -p "$work/seeds/$1"
  cat >"$work/seeds/$1/$2"
}

# The hostile shapes: one long line of separators, one wide row among many
# short ones, long runs of placeholders and entities, many "$" lines.
repeat ';' $megabyte | seed table_reader separators
{ repeat 'k;v\r\n' 300000; printf 'w;'; repeat 'a;' 500000; } | seed table_reader wide-row
repeat 'x;"a;b";\r\n$' $megabyte | seed table_reader quotes-and-continuations
{ printf 'start;'; repeat '799;' 600000; printf '\r\n'; repeat '1;799\r\n' 200000; } |
  seed menu_tree long-menu-line
{ printf '\x00'; nul2; printf 'K1'; nul2; printf 'K1;'; repeat 'a;' 400000; nul2
  repeat '@kol2@' 300000; nul2; printf 'p;f;c;K1;'; repeat 'K1 ' 100000; } |
  seed record_page wide-record
{ printf 'storczyk'; for page in 1 2 3 4 5 6; do nul2; repeat 'storczyk <!--@opis@--> ' 150000; done
  nul2; printf 'k;storczyk;'; repeat '<!--@opis@-->' 20000; } | seed search many-hits
{ repeat '@k@' $megabyte; nul2; printf '@k@'; nul2; printf '@k'; } | seed replacement placeholders
{ printf 'http://db?rp'; repeat '&amp;' 60000; } | seed dispatcher long-address

status=0
for fuzzer in "$build"/fuzz/*_fuzzer; do
  target=$(basename "$fuzzer" _fuzzer)
  run="$work/$target"
  mkdir -p "$run/corpus" "$run/artifacts"
  case $target in
    table_reader | menu_tree | record_page | search | replacement) max_len=$megabyte ;;
    *) max_len=65536 ;;
  esac
  corpora=("$run/corpus" "$here/corpus/$target")
  [ -d "$work/seeds/$target" ] && corpora+=("$work/seeds/$target")
  start=$(date +%s)
  (cd "$run" && "$fuzzer" -max_total_time="$seconds" -max_len="$max_len" -len_control=0 \
    -timeout="$timeout" -rss_limit_mb=2560 -print_final_stats=1 \
    -artifact_prefix="$run/artifacts/" "${corpora[@]}" >"$run/log" 2>&1)
  result=$?
  runs=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$run/log" | grep -oE '[0-9]+$')
  echo "fuzz $target: exit $result, ${runs:-?} inputs in $(($(date +%s) - start)) s"
  if [ $result -ne 0 ]; then
    status=1
    tail -n 40 "$run/log"
    ls -l "$run/artifacts"
  fi
done
exit $status
