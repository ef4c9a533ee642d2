#!/usr/bin/env bash
# Speed of a whole-tree conversion (-o DIR PATH) against the least any tool
# writing the same charts must do, and against a shell loop.
#
#     bench/tree_speed.sh [--build DIR] [--work DIR] [--files N] [--lines N]
#                         [--runs N] [--loop-runs N] [--edition E]
#
# Builds the program (Release) in DIR (default build-tree-bench), generates a
# tree of N sources and about N lines in all with generate_tree.py (default
# 5,000 sources, 2,000,000 lines, seed 1) under the work folder (default
# DIR/tree-speed), then, --runs times (default 5), alternating:
#   tree  PROGRAM -j P -o OUT src         (P = the number of processors)
#   copy  cp -r OUT to a fresh folder     (the same bytes, files and folders)
# and --loop-runs times (default 3) a shell loop that starts the program once
# per source into the same mirrored paths.  Each run writes a folder of its
# own, removed only when all runs are over: ext4 is slower to create files
# in the minutes after many were removed, and that must fall on no run.  The loop's
# charts must equal the tree's, byte for byte.  Prints a Markdown report of
# the machine, the commands, the medians and the ratios.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-tree-bench"
work=""
files=5000
lines=2000000
runs=5
loop_runs=3
edition=sorvane
while (($# > 0)); do
  case "$1" in
    --build) build="$(realpath -m "$2")"; shift 2 ;;
    --work) work="$(realpath -m "$2")"; shift 2 ;;
    --files) files="$2"; shift 2 ;;
    --lines) lines="$2"; shift 2 ;;
    --runs) runs="$2"; shift 2 ;;
    --loop-runs) loop_runs="$2"; shift 2 ;;
    --edition) edition="$2"; shift 2 ;;
    *) echo "usage: $0 [--build DIR] [--work DIR] [--files N] [--lines N] [--runs N] [--loop-runs N] [--edition E]" >&2
       exit 2 ;;
  esac
done
work="${work:-$build/tree-speed}"
program="$build/kmt_$edition"
processors="$(nproc)"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKMT_BUILD_TESTS=OFF -DKMT_WINDOWS_TESTS=OFF >/dev/null
cmake --build "$build" -j "$processors" --target "kmt_$edition" >/dev/null

mkdir -p "$work"
cd "$work"
stamp="files=$files lines=$lines seed=1"
if [[ "$(cat src.stamp 2>/dev/null)" != "$stamp" ]]; then
  rm -rf src
  python3 "$root/bench/generate_tree.py" --files "$files" --lines "$lines" --seed 1 src >/dev/null
  echo "$stamp" >src.stamp
fi
rm -rf out.* copy.* loop.*

now() { date +%s.%N; }
elapsed() { echo "$2 - $1" | bc -l; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

shell_loop() {
  (cd src && find . -type d) | (mkdir -p "$1" && cd "$1" && xargs mkdir -p)
  (cd src && find . -type f | sort) | while IFS= read -r source; do
    "$program" "src/${source#./}" "$1/${source#./}.txt"
  done
}

tree_times=() copy_times=() loop_times=()
for ((run = 0; run < runs; ++run)); do
  sync
  start="$(now)"
  "$program" -q -j "$processors" -o "out.$run" src
  tree_times+=("$(elapsed "$start" "$(now)")")
  sync
  start="$(now)"
  cp -r "out.$run" "copy.$run"
  copy_times+=("$(elapsed "$start" "$(now)")")
done
for ((run = 0; run < loop_runs; ++run)); do
  sync
  start="$(now)"
  shell_loop "loop.$run"
  loop_times+=("$(elapsed "$start" "$(now)")")
done
# The loop's charts are the tree's (the index aside).
diff -r -x index.txt out.0 loop.0 >/dev/null || { echo "the shell loop's charts differ from the tree's" >&2; exit 1; }

tree_median="$(printf '%s\n' "${tree_times[@]}" | median)"
copy_median="$(printf '%s\n' "${copy_times[@]}" | median)"
loop_median="$(printf '%s\n' "${loop_times[@]}" | median)"
source_lines="$(cat $(find src -type f) | wc -l)"
chart_bytes="$(du -sb --exclude=index.txt out.0 | cut -f1)"
rm -rf out.* copy.* loop.*
fmt() { printf '%.2f' "$1"; }

cat <<REPORT
### Tree conversion ($edition edition)

Machine: $(lscpu | sed -n 's/^Model name: *//p' | head -1), $processors processors, $(free -g | awk '/^Mem:/ { print $2 }') GiB memory; $(uname -sr); load average $(cut -d' ' -f1-3 /proc/loadavg) before the last run.
File system of the work folder: $(df -T . | awk 'NR == 2 { print $2 }').
Tree: bench/generate_tree.py --files $files --lines $lines --seed 1: $files sources, $source_lines lines; charts $chart_bytes bytes.

| command | runs | median s | all runs s |
| --- | ---: | ---: | --- |
| \`kmt_$edition -q -j $processors -o out.N src\` | $runs | $(fmt "$tree_median") | $(for t in "${tree_times[@]}"; do printf '%.2f ' "$t"; done) |
| \`cp -r out.N copy.N\` | $runs | $(fmt "$copy_median") | $(for t in "${copy_times[@]}"; do printf '%.2f ' "$t"; done) |
| shell loop, one \`kmt_$edition SOURCE CHART\` per source | $loop_runs | $(fmt "$loop_median") | $(for t in "${loop_times[@]}"; do printf '%.2f ' "$t"; done) |

Tree / copy: $(fmt "$(echo "$tree_median / $copy_median" | bc -l)") (target: at most 2).
Shell loop / tree: $(fmt "$(echo "$loop_median / $tree_median" | bc -l)") (target: at least 3).
REPORT
