#!/usr/bin/env bash
# cmake --install of the build, as make install runs it, into a scratch
# DESTDIR under another prefix: exactly the files a user gets, all below
# DESTDIR/PREFIX, programs that convert the sample as the build's do, manual
# pages that man finds by name, and the completion for both programs.
#
# usage: install_test.sh BUILD SOURCE_ROOT WORK
set -uo pipefail
readonly build=$1 source_root=$2 work=$3
source "$(dirname "$0")/../support/checks.sh"

readonly prefix=/opt/kmt-test
readonly root="$work/install-root"
rm -rf "$root"
mkdir -p "$root"

if ! DESTDIR="$root" cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log"
  echo "FAILED: cmake --install"
  exit 1
fi

expected_files() {
  printf "$prefix/%s\n" bin/kmt_meridol bin/kmt_sorvane \
    share/bash-completion/completions/kmt_meridol share/bash-completion/completions/kmt_sorvane \
    share/doc/kmt/LICENSE share/doc/kmt/README.md \
    share/man/man1/kmt_meridol.1 share/man/man1/kmt_sorvane.1
}
installed_files() { (cd "$root" && find . ! -type d | sed 's/^\.//' | sort); }
expect "exactly the programs, pages, completion and documents, under the prefix: $(diff <(expected_files) <(installed_files) | tr '\n' ' ')" \
  diff -q <(expected_files) <(installed_files)

for edition in sorvane meridol; do
  program="$root$prefix/bin/kmt_$edition"
  expect "kmt_$edition is installed executable" test -x "$program"
  "$program" "$source_root/examples/sample.f90" "$work/installed.$edition.txt" 2>"$work/installed.$edition.err"
  expect "the installed kmt_$edition converts the sample" test $? -eq 0
  "$build/kmt_$edition" "$source_root/examples/sample.f90" "$work/built.$edition.txt"
  expect "the installed kmt_$edition draws the build's chart" cmp -s "$work/built.$edition.txt" "$work/installed.$edition.txt"
  if command -v man >/dev/null 2>&1; then
    page=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -M "$root$prefix/share/man" "kmt_$edition" 2>&1)
    expect "man finds the page of kmt_$edition in the prefix" grep -q "^KMT_${edition^^}(1)" <<<"$page"
  fi
  expect "the completion for kmt_$edition registers _kmt" \
    bash -c 'source "$1" && complete -p "$2" | grep -q -- "-F _kmt "' bash \
      "$root$prefix/share/bash-completion/completions/kmt_$edition" "kmt_$edition"
done
expect "the licence is the tree's" cmp -s "$source_root/LICENSE" "$root$prefix/share/doc/kmt/LICENSE"

report_checks
