#!/usr/bin/env bash
# Builds one edition's fuzz target with clang and runs it for a bounded time.
#
#   scripts/fuzz.sh EDITION SECONDS [BUILD_DIR]
#
# EDITION is sorvane or meridol; BUILD_DIR defaults to build-fuzz/EDITION and
# keeps the growing corpus (corpus/) between runs.  Exits 1 on any finding,
# which is left in BUILD_DIR/findings/ (copy it into tests/fuzz/regressions/);
# exits 77 (skipped) when clang or its fuzzer runtime is missing.
# Extra libFuzzer options can be given in KMT_FUZZ_OPTIONS.
set -euo pipefail

usage() { echo "usage: $0 sorvane|meridol SECONDS [BUILD_DIR]" >&2; exit 2; }
[[ $# -ge 2 && $# -le 3 ]] || usage
edition=$1
seconds=$2
[[ $edition == sorvane || $edition == meridol ]] || usage
[[ $seconds =~ ^[0-9]+$ ]] || usage

root=$(cd "$(dirname "$0")/.." && pwd)
build=${3:-$root/build-fuzz/$edition}
skipped=77

# A machine without clang's fuzzer runtime cannot run the target: say so
# rather than pass.
fuzzer_runtime_present() {
  command -v clang++ >/dev/null 2>&1 || return 1
  local probe
  probe=$(mktemp -d)
  printf '%s\n' '#include <cstddef>' '#include <cstdint>' \
    'extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }' >"$probe/probe.cc"
  local status=0
  clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cc" -o "$probe/probe" >/dev/null 2>&1 || status=1
  rm -rf "$probe"
  return $status
}

build_target() {
  cmake -S "$root/tests/fuzz/libfuzzer" -B "$build" -DCMAKE_CXX_COMPILER=clang++ \
    -DKMT_FUZZ_EDITIONS="$edition" >/dev/null
  cmake --build "$build" --target "kmt_fuzz_$edition" -j "$(nproc 2>/dev/null || echo 2)"
}

# Writes TEXT repeated COUNT times after HEAD into FILE.
repeated() { # repeated FILE HEAD COUNT TEXT
  local i
  { printf '%b' "$2"; for ((i = 0; i < $3; ++i)); do printf '%b' "$4"; done; } >"$1"
}

# Sources one step below a capacity of the chart, from which a few mutations
# reach it or pass it.
near_limit_seeds() {
  local seeds=$1
  repeated "$seeds/limit_loops.f90" 'subroutine s\n' 40 '  do\n'
  repeated "$seeds/limit_ifs.f90" 'subroutine s\n' 40 '  if (x) then\n'
  repeated "$seeds/limit_selects.f90" 'subroutine s\n' 40 '  select case (n)\n'
  repeated "$seeds/limit_cells.f90" 'subroutine s\n' 43 '  where (m)\n'
  repeated "$seeds/limit_levels.f90" 'subroutine s\n' 40 '  where (m)\n  elsewhere\n'
  repeated "$seeds/limit_branches.f90" '' 120 'subroutine s\n  then\nend subroutine\n'
  repeated "$seeds/limit_closings.f90" '' 170 '  then\nsubroutine s\n  end where\n'
  repeated "$seeds/limit_labels.f90" 'program p\n' 40 '  do 10 i = 1, n\n'
  # Deep columns under one long statement: the chart's width.
  repeated "$seeds/limit_width.f90" 'subroutine s\n' 42 '  where (m)\n'
  printf '  x = %s\n' "$(printf 'y%.0s' {1..140})" >>"$seeds/limit_width.f90"
}

# The seeds: every Fortran source of the tree, every kept finding, sources
# near the capacities, and a few generated sources, plain and chaotic.
gather_seeds() {
  local seeds=$build/seeds
  rm -rf "$seeds"
  mkdir -p "$seeds"
  cp "$root"/examples/*.f90 "$root"/tests/golden/*.f90 "$seeds"/
  find "$root/tests/fuzz/regressions" -type f ! -name README.md -exec cp {} "$seeds"/ \;
  near_limit_seeds "$seeds"
  if command -v python3 >/dev/null 2>&1; then
    local seed
    for seed in 1 2 3; do
      python3 "$root/bench/generate_fortran.py" --lines 120 --seed "$seed" >"$seeds/generated_$seed.f90"
      python3 "$root/bench/generate_fortran.py" --lines 120 --seed "$seed" --chaos >"$seeds/chaos_$seed.f90"
    done
  fi
}

run_target() {
  mkdir -p "$build/corpus" "$build/findings"
  # shellcheck disable=SC2086  # KMT_FUZZ_OPTIONS holds several options
  "$build/kmt_fuzz_$edition" -max_total_time="$seconds" -timeout=10 -max_len=8192 \
    -dict="$root/tests/fuzz/fuzz.dict" -artifact_prefix="$build/findings/" -print_final_stats=1 \
    ${KMT_FUZZ_OPTIONS:-} "$build/corpus" "$build/seeds"
}

# Read whole before it runs, so that editing the script cannot disturb a run.
main() {
  if ! fuzzer_runtime_present; then
    echo "SKIPPED: clang++ with its libFuzzer runtime is not installed" >&2
    exit $skipped
  fi
  build_target
  gather_seeds
  local status=0
  run_target || status=$?
  if ((status != 0)); then
    echo "fuzz ($edition): finding(s) in $build/findings/:" >&2
    ls -l "$build/findings" >&2
    echo "replay one with: $build/kmt_fuzz_$edition FILE; keep it in tests/fuzz/regressions/" >&2
    exit 1
  fi
  echo "fuzz ($edition): no findings in $seconds seconds"
}

main
