#!/usr/bin/env bash
# Installs what a fresh Debian machine lacks for one kind of work, and says
# what it installs:
#
#   scripts/install_deps.sh run       build and run the Linux programs
#   scripts/install_deps.sh package   also make the Debian package and the
#                                     Windows zip (cross-built with mingw-w64)
#   scripts/install_deps.sh test      also everything the tests use
#
# Does nothing when everything is present; needs root (or sudo) otherwise.
# What only some tests use (the Windows tools, Chromium) may fail to install:
# those tests then report themselves skipped.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/deps_common.sh"

usage() { echo "usage: $0 run|package|test" >&2; exit 2; }
[[ $# -eq 1 ]] || usage
purpose=$1

need_run() {
  need cmake cmake
  need g++ g++
  need make make
  need iconv libc-bin
}

need_package() {
  need_run
  need dpkg-deb dpkg
  need dpkg-shlibdeps dpkg-dev
  need file file
  need strip binutils
}

need_test() {
  need_package
  need /usr/include/gtest/gtest.h libgtest-dev
  need /usr/include/gmock/gmock.h libgmock-dev
  need valgrind valgrind
  # The fuzz targets; clang's fuzzer runtime is looked for below.
  command -v clang++ >/dev/null 2>&1 || KMT_MISSING+=(clang libclang-rt-dev)
  # The manual pages, the package and the zip.
  need groff groff-base
  need man man-db
  need mandoc mandoc
  need lintian lintian
  need unzip unzip
}

# Prints the path of clang's libFuzzer runtime, as the compiler itself finds
# it; fails when it has none.
fuzzer_runtime() {
  local name path
  for name in "libclang_rt.fuzzer-$(uname -m).a" libclang_rt.fuzzer.a; do
    path=$(clang++ -print-file-name="$name" 2>/dev/null) || continue
    [[ $path == /* && -e $path ]] && { echo "$path"; return 0; }
  done
  return 1
}

# Debian ships the runtime of clang N in libclang-rt-N-dev.
need_fuzzer_runtime() {
  command -v clang++ >/dev/null 2>&1 || return 0
  fuzzer_runtime >/dev/null && return 0
  local major
  major=$(clang++ -dumpversion | cut -d. -f1)
  KMT_MISSING+=("libclang-rt-$major-dev")
}

optional() { # optional <what> <command>...: a failure is reported, not fatal
  local what=$1
  shift
  "$@" || echo "install_deps: $what could not be installed; the tests that use it will be skipped" >&2
}

install_chromium() {
  need chromium chromium
  # The HTML view's captions and the screenshots need a Japanese font.
  need /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf fonts-ipafont-gothic
  install_missing "the browser tests"
}

case $purpose in
  run)
    need_run
    install_missing "building and running the Linux programs"
    ;;
  package)
    need_package
    install_missing "building the Debian package"
    "$here/windows/install_deps.sh" build ||
      echo "install_deps: no mingw-w64 cross compiler; the Windows zip will not be made" >&2
    ;;
  test)
    need_test
    install_missing "the tests"
    need_fuzzer_runtime
    install_missing "the fuzz targets (clang's libFuzzer runtime)"
    optional "the Windows test tools" "$here/windows/install_deps.sh" test
    optional "Chromium" install_chromium
    ;;
  *) usage ;;
esac
