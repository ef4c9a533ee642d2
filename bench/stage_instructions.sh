#!/usr/bin/env bash
# Instructions per stage of whole conversions, counted by callgrind.
#
#     bench/stage_instructions.sh PROGRAM SOURCE...
#
# Runs PROGRAM on each SOURCE under valgrind --tool=callgrind and prints a
# Markdown table: the instructions of the whole process and, inclusive, of
# each stage of the run, in total and per source line.  Instruction counts do
# not depend on the machine's load, so figures of two builds compare even on
# a busy machine.  The stages are found by their function names, so PROGRAM
# needs symbols and must not be optimised across files (link-time
# optimisation merges the stages into their caller):
#
#     cmake -S . -B build-stages -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS=-g \
#           -DKMT_LINK_TIME_OPTIMISATION=OFF -DKMT_BUILD_TESTS=OFF -DKMT_WINDOWS_TESTS=OFF
#     cmake --build build-stages --target kmt_sorvane
#     bench/stage_instructions.sh build-stages/kmt_sorvane source.f90
set -euo pipefail

if (($# < 2)); then
  echo "usage: $0 PROGRAM SOURCE..." >&2
  exit 2
fi
program=$1
shift
command -v valgrind >/dev/null || { echo "$0: needs valgrind" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Stage name in the table, and the function that is the stage.
stages=(
  "reading:read_source_line"
  "normalisation:normalise_line"
  "matching:match_line"
  "classification:classify_line"
  "chart building:build_chart"
  "composition and writing:compose_and_write_chart"
)

echo "| source | lines | stage | instructions | per line |"
echo "| --- | ---: | --- | ---: | ---: |"
for source in "$@"; do
  lines=$(wc -l <"$source")
  valgrind --tool=callgrind --callgrind-out-file="$work/out" "$program" "$source" "$work/chart.txt" >/dev/null 2>&1
  callgrind_annotate --inclusive=yes "$work/out" 2>/dev/null >"$work/annotated"
  total=$(awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }' "$work/annotated")
  name=$(basename "$source")
  for stage in "${stages[@]}"; do
    label=${stage%%:*}
    function=${stage#*:}
    count=$(awk -v f=":$function()" 'index($0, f) { gsub(",", "", $1); print $1; exit }' "$work/annotated")
    printf '| %s | %d | %s | %d | %d |\n' "$name" "$lines" "$label" "${count:-0}" $(( ${count:-0} / lines ))
  done
  printf '| %s | %d | **whole process** | %d | %d |\n' "$name" "$lines" "$total" $((total / lines))
done
