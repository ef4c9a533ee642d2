#!/usr/bin/env bash
# Runs a program under valgrind memcheck on every example source; any error
# or leak report fails.  Exits 77 (skipped) when valgrind is not installed.
set -u
program=$1
source_dir=$2
command -v valgrind >/dev/null 2>&1 || { echo "valgrind not installed"; exit 77; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for source in "$source_dir"/examples/*.f90 "$source_dir"/tests/golden/*.f90; do
  if ! valgrind --quiet --error-exitcode=99 --leak-check=full --errors-for-leak-kinds=definite,indirect \
      "$program" "$source" "$scratch/chart.txt" 2>"$scratch/log" >/dev/null; then
    if grep -q '==[0-9]*==' "$scratch/log"; then
      echo "memcheck errors on $source:"; cat "$scratch/log"; status=1
    fi
  fi
done
exit $status
