#!/usr/bin/env bash
# Whole-process measurement of both programs on generated sources.
#
#     bench/measure.sh [--build DIR] [--runs N] [--no-build] [--no-stages]
#
# Builds the programs, the copy baseline and the stage benchmarks (Release,
# benchmarks on) in DIR (default build-bench), generates plain sources of
# about 1,000, 15,000 and 31,000 lines (seed 1), converts each one N times
# (default 11) with each program, and prints a Markdown report: median wall
# time, throughput in source bytes per second, peak RSS (/usr/bin/time -v),
# and the ratio of the conversion's time to the copy baseline's, which reads
# the same source and writes a file of the chart's size.  Conversion and
# baseline runs alternate, so a change in the machine's load falls on both.
# Then it runs the stage benchmarks of both editions and adds their figures
# per source line (--no-stages skips them).  The report is also left in
# DIR/bench/measure/report.md.
#
# Every conversion must exit 0 without a message; the script stops otherwise.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-bench"
runs=11
rebuild=1
stages=1
while (($# > 0)); do
  case "$1" in
    --build) build="$(realpath -m "$2")"; shift 2 ;;
    --runs) runs="$2"; shift 2 ;;
    --no-build) rebuild=0; shift ;;
    --no-stages) stages=0; shift ;;
    *) echo "usage: $0 [--build DIR] [--runs N] [--no-build] [--no-stages]" >&2; exit 2 ;;
  esac
done

line_counts=(1000 15000 31000)
editions=(sorvane meridol)
work="$build/bench/measure"
rss_runs=3
max_ratio=2
# The verdicts, edition by edition, collected for the report's end.
ratio_verdicts=()
rss_verdicts=()
workspace=0  # bytes, from the symbol table
# Figures of the largest source, by edition, for the section on page faults.
declare -A largest_conversion_us largest_copy_us largest_growth_kib

fail() { echo "measure: $*" >&2; exit 1; }

# ---- Tools -------------------------------------------------------------------

install_missing() { # install_missing <file> <package> ...
  local missing=()
  while (($# > 0)); do [[ -e "$1" ]] || missing+=("$2"); shift 2; done
  ((${#missing[@]} == 0)) && return 0
  local sudo=""
  if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || fail "need root to install ${missing[*]}"
    sudo="sudo"
  fi
  echo "measure: installing ${missing[*]}" >&2
  DEBIAN_FRONTEND=noninteractive $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
}

build_programs() {
  install_missing /usr/bin/time time /usr/include/benchmark/benchmark.h libbenchmark-dev
  # A build directory of its own needs no tests; one that has them keeps them.
  local options=(-DCMAKE_BUILD_TYPE=Release -DKMT_BUILD_BENCH=ON)
  [[ -f "$build/CMakeCache.txt" ]] || options+=(-DKMT_BUILD_TESTS=OFF -DKMT_WINDOWS_TESTS=OFF)
  cmake -S "$root" -B "$build" "${options[@]}" >&2
  cmake --build "$build" -j "$(nproc)" --target kmt_sorvane kmt_meridol kmt_copy_baseline \
    kmt_touch_pages kmt_bench_sorvane kmt_bench_meridol >&2
}

# ---- Timing ------------------------------------------------------------------

now_us() { local t=$EPOCHREALTIME; echo "${t/[.,]/}"; }

# Runs a command with its output discarded; prints its wall time in µs.
wall_us() {
  local start end
  start=$(now_us)
  "$@" >/dev/null 2>&1
  end=$(now_us)
  echo $((end - start))
}

median() { printf '%s\n' "$@" | sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

median_wall_us() {
  local times=() i
  for ((i = 0; i < runs; ++i)); do times+=("$(wall_us "$@")"); done
  median "${times[@]}"
}

# Peak resident set size in KiB of one run, from /usr/bin/time -v.
peak_rss_kib() {
  /usr/bin/time -v "$@" 2>&1 >/dev/null | awk -F': ' '/Maximum resident set size/ {print $2}'
}

median_rss_kib() {
  local values=() i
  for ((i = 0; i < rss_runs; ++i)); do values+=("$(peak_rss_kib "$@")"); done
  median "${values[@]}"
}

# ---- Checks ------------------------------------------------------------------

# A measured conversion must be the ordinary case: status 0, no message.
check_conversion() { # check_conversion <program> <source> <chart>
  local messages status=0
  messages=$("$1" "$2" "$3" 2>&1 >/dev/null) || status=$?
  ((status == 0)) || fail "$(basename "$1") $(basename "$2") exited with status $status: $messages"
  [[ -z "$messages" ]] || fail "$(basename "$1") $(basename "$2") showed messages: $messages"
}

workspace_bytes() {
  local size
  size=$(nm -S --defined-only "$1" | awk '$4 == "ws" {print $2}')
  [[ -n "$size" ]] || fail "no symbol ws in $1"
  echo $((16#$size))
}

# ---- Measurement -------------------------------------------------------------

generate_sources() {
  mkdir -p "$work"
  : >"$work/empty.f90"
  local lines
  for lines in "${line_counts[@]}"; do
    python3 "$root/bench/generate_fortran.py" --lines "$lines" --seed 1 --output "$work/generated_$lines.f90"
  done
}

# Prints one table row: edition, lines, bytes, chart bytes, medians, throughput,
# RSS, copy baseline, ratio.
measure_source() { # measure_source <edition> <lines>
  local program="$build/kmt_$1" source="$work/generated_$2.f90"
  local chart="$work/chart_$1.txt" copy="$work/copy.txt"
  check_conversion "$program" "$source" "$chart"
  local source_bytes chart_bytes
  source_bytes=$(stat -c %s "$source")
  chart_bytes=$(stat -c %s "$chart")
  local baseline=("$build/bench/kmt_copy_baseline" "$source" "$copy" "$chart_bytes")
  "${baseline[@]}" || fail "the copy baseline failed on $source"
  local conversion_times=() copy_times=() i
  for ((i = 0; i < runs; ++i)); do
    conversion_times+=("$(wall_us "$program" "$source" "$chart")")
    copy_times+=("$(wall_us "${baseline[@]}")")
  done
  local conversion_us copy_us rss copy_rss
  conversion_us=$(median "${conversion_times[@]}")
  copy_us=$(median "${copy_times[@]}")
  rss=$(median_rss_kib "$program" "$source" "$chart")
  copy_rss=$(median_rss_kib "${baseline[@]}")
  awk -v e="$1" -v l="$2" -v sb="$source_bytes" -v cb="$chart_bytes" -v t="$conversion_us" \
      -v c="$copy_us" -v r="$rss" -v cr="$copy_rss" 'BEGIN {
    printf "| %s | %d | %d | %d | %.2f | %.2f | %d | %.2f | %d | %.1f |\n",
           e, l, sb, cb, t / 1000, sb / t, r, c / 1000, cr, t / c
  }'
  if [[ "$2" == "${line_counts[-1]}" ]]; then
    largest_conversion_us[$1]=$conversion_us
    largest_copy_us[$1]=$copy_us
    ratio_verdicts+=("$(awk -v e="$1" -v t="$conversion_us" -v c="$copy_us" -v m="$max_ratio" \
      'BEGIN {printf "%s %.1f (%s)", e, t / c, t / c <= m ? "met" : "not met"}')")
  fi
}

# RSS of an empty source and of each generated one, with the growth per line.
measure_rss_growth() { # measure_rss_growth <edition>
  local program="$build/kmt_$1" chart="$work/chart_$1.txt"
  check_conversion "$program" "$work/empty.f90" "$chart"
  local empty_rss lines rss
  empty_rss=$(median_rss_kib "$program" "$work/empty.f90" "$chart")
  echo "| $1 | 0 (empty) | $empty_rss | - |"
  for lines in "${line_counts[@]}"; do
    rss=$(median_rss_kib "$program" "$work/generated_$lines.f90" "$chart")
    awk -v e="$1" -v l="$lines" -v r="$rss" -v z="$empty_rss" \
        'BEGIN {printf "| %s | %d | %d | %.2f |\n", e, l, r, (r - z) / l}'
    [[ "$lines" == "${line_counts[-1]}" ]] && largest_growth_kib[$1]=$((rss - empty_rss))
    if [[ "$lines" == "${line_counts[0]}" ]]; then
      rss_verdicts+=("$(awk -v e="$1" -v r="$rss" -v w="$workspace" 'BEGIN {printf "%s %.1f %%", e, 100 * r * 1024 / w}')")
    fi
  done
}

machine_summary() {
  local cpu cores memory
  cpu=$(lscpu | awk -F': +' '/^Model name/ {print $2; exit}')
  cores=$(nproc)
  memory=$(free -g | awk '/^Mem:/ {print $2 " GiB"}')
  echo "Machine: $cpu, $cores cores, $memory memory; $(uname -sr); load average $(cut -d' ' -f1-3 /proc/loadavg)."
  echo "Compiler: $(c++ --version | head -1); Release build (-O3)."
}

join() { printf '%s' "$1"; shift; printf '; %s' "$@"; }

report() {
  workspace=$(workspace_bytes "$build/kmt_sorvane")
  echo "## Whole-process measurement"
  echo
  machine_summary
  echo "Sources: bench/generate_fortran.py --lines N --seed 1; $runs runs each, medians; RSS: median of $rss_runs runs."
  echo
  echo "| edition | lines | source bytes | chart bytes | median ms | throughput MB/s | peak RSS KiB | copy ms | copy RSS KiB | ratio |"
  echo "| --- | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: |"
  local edition lines
  for edition in "${editions[@]}"; do
    for lines in "${line_counts[@]}"; do measure_source "$edition" "$lines"; done
  done
  echo
  echo "Ratio: conversion median / copy-baseline median.  Target, at most $max_ratio for the"
  echo "${line_counts[-1]}-line source: $(join "${ratio_verdicts[@]}")."
  echo
  echo "## Peak RSS against source size"
  echo
  echo "The workspace is $((workspace / 1024)) KiB ($((workspace / 1048576)) MiB) of zero pages."
  echo
  echo "| edition | lines | peak RSS KiB | KiB per line above the empty source |"
  echo "| --- | ---: | ---: | ---: |"
  for edition in "${editions[@]}"; do measure_rss_growth "$edition"; done
  echo
  echo "Peak RSS of the ${line_counts[0]}-line run as a share of the workspace: $(join "${rss_verdicts[@]}")."
}

# How long a process takes that only touches as many fresh pages as the
# largest conversion's RSS grew by.
page_fault_report() {
  echo
  echo "## First touch of memory"
  echo
  echo "kmt_touch_pages writes one byte into each page of as many zero bytes as the ${line_counts[-1]}-line"
  echo "conversion's peak RSS grew by over the empty source, and does nothing else; first"
  echo "on large pages, as the programs advise for a source that large, then on small pages."
  echo
  echo "| edition | KiB touched | touch ms | touch ms, small pages | conversion ms | copy ms | touch / copy |"
  echo "| --- | ---: | ---: | ---: | ---: | ---: | ---: |"
  local edition touch_us small_us
  for edition in "${editions[@]}"; do
    touch_us=$(median_wall_us "$build/bench/kmt_touch_pages" $((largest_growth_kib[$edition] * 1024)) --large-pages)
    small_us=$(median_wall_us "$build/bench/kmt_touch_pages" $((largest_growth_kib[$edition] * 1024)))
    awk -v e="$edition" -v k="${largest_growth_kib[$edition]}" -v t="$touch_us" -v s="$small_us" \
        -v v="${largest_conversion_us[$edition]}" -v c="${largest_copy_us[$edition]}" \
        'BEGIN {printf "| %s | %d | %.2f | %.2f | %.2f | %.2f | %.1f |\n", e, k, t / 1000, s / 1000, v / 1000, c / 1000, t / c}'
  done
}

stage_report() {
  local edition results
  for edition in "${editions[@]}"; do
    results="$work/stages_$edition.json"
    "$build/bench/kmt_bench_$edition" --benchmark_min_time=0.5 \
      --benchmark_out="$results" --benchmark_out_format=json >/dev/null
    echo
    echo "## Stage benchmarks, $edition edition (kmt_bench_$edition)"
    echo
    echo "Wall time per source line (and for the whole source); pages stay resident between iterations."
    echo
    python3 "$root/bench/stage_table.py" "$results"
  done
}

main() {
  ((rebuild)) && build_programs
  [[ -x /usr/bin/time ]] || fail "/usr/bin/time is missing (Debian package time)"
  [[ -x "$build/bench/kmt_copy_baseline" ]] || fail "no $build/bench/kmt_copy_baseline; run without --no-build"
  generate_sources
  { report; page_fault_report; ((stages == 0)) || stage_report; } | tee "$work/report.md"
}

main
