#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks for building and testing.
# Does nothing when everything is present; needs root (or sudo) otherwise.
set -euo pipefail

missing=()
need() { # need <command-or-file> <package>
  if [[ "$1" == /* ]]; then [[ -e "$1" ]] || missing+=("$2")
  else command -v "$1" >/dev/null 2>&1 || missing+=("$2"); fi
}

need cmake cmake
need g++ g++
need make make
need iconv libc-bin
need /usr/include/gtest/gtest.h libgtest-dev
need /usr/include/gmock/gmock.h libgmock-dev
need valgrind valgrind
# The fuzz targets: clang and its fuzzer and sanitizer runtimes.
need clang++ clang
need /usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.fuzzer-x86_64.a libclang-rt-14-dev

install_windows_deps() {
  # The Windows programs are cross-built and tested under Wine; when their
  # packages cannot be installed those tests report themselves skipped.
  local script
  script="$(dirname "$0")/windows/install_deps.sh"
  [[ -x "$script" ]] || return 0
  "$script" || echo "install_deps: Windows test tools unavailable; those tests will be skipped" >&2
}

if ((${#missing[@]} == 0)); then install_windows_deps; exit 0; fi

echo "Installing: ${missing[*]}" >&2
sudo=""
if [[ $(id -u) -ne 0 ]]; then
  command -v sudo >/dev/null 2>&1 || { echo "install_deps: need root to install ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
install_windows_deps
