#!/usr/bin/env bash
# Converts a sample Fortran source with both editions and shows the charts.
# The chart files stay Shift-JIS; the terminal gets them as UTF-8.
set -euo pipefail
build=$1
source=$2
name=$(basename "$source" .f90)
for edition in sorvane meridol; do
  chart="$build/$name.$edition.txt"
  "$build/kmt_$edition" "$source" "$chart"
  echo "== kmt_$edition $source -> $chart"
  iconv -f CP932 -t UTF-8 "$chart" | tr -d '\r'
  echo
done
