#!/usr/bin/env bash
# Makes the packages of the build (the Debian package, and the Windows zip
# when the Windows programs are built) into OUT, for the package tests.
#
# usage: make_packages.sh BUILD OUT
set -uo pipefail
readonly build=$1 out=$2
rm -rf "$out"
mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || {
  cat "$out/cpack.log"
  echo "FAILED: cpack"
  exit 1
}
ls -l "$out"
