#!/usr/bin/env bash
# The Debian package from the outside: its control fields, its files laid
# out under /usr as Debian wants them (stripped programs, manual pages and
# changelog compressed with gzip -n, a copyright file), and, unpacked into
# a scratch root, programs that draw the build's charts of the sample and
# manual pages that man renders.
#
# usage: deb_test.sh PACKAGES BUILD SOURCE_ROOT WORK
set -uo pipefail
readonly packages=$1 build=$2 source_root=$3 work=$4
source "$(dirname "$0")/../support/checks.sh"

mapfile -t debs < <(ls "$packages"/kmt_*.deb 2>/dev/null)
((${#debs[@]} == 1)) || { echo "FAILED: want one kmt_*.deb in $packages, found ${#debs[@]}"; exit 1; }
readonly deb=${debs[0]}

field() { dpkg-deb -f "$deb" "$1"; }
version=$("$build/kmt_sorvane" --version | sed -n 's/^KMT Version \([^ ]*\).*/\1/p')
expect "the package is kmt" test "$(field Package)" == kmt
expect "the version is the programs' ($version) with a Debian revision" \
  grep -qE "^${version//./\\.}-[0-9]+$" <<<"$(field Version)"
expect "the file is named as Debian names it" \
  test "$(basename "$deb")" == "kmt_$(field Version)_$(dpkg --print-architecture).deb"
expect "the architecture is this machine's" test "$(field Architecture)" == "$(dpkg --print-architecture)"
expect "the maintainer is the project" grep -qE '^The KMT developers <[^@ ]+@[^@ ]+>$' <<<"$(field Maintainer)"
expect "the section is set" test -n "$(field Section)"
expect "the priority is optional" test "$(field Priority)" == optional
expect "the dependencies come from the programs' libraries" grep -qE '(^|, )libc6 \(>= [0-9.]+\)' <<<"$(field Depends)"
description=$(field Description)
expect "the description has a summary and a longer text" test "$(wc -l <<<"$description")" -ge 3

expected_files() {
  printf './usr/%s\n' bin/kmt_meridol bin/kmt_sorvane \
    share/bash-completion/completions/kmt_meridol share/bash-completion/completions/kmt_sorvane \
    share/doc/kmt/README.md share/doc/kmt/changelog.Debian.gz share/doc/kmt/copyright \
    share/lintian/overrides/kmt \
    share/man/man1/kmt_meridol.1.gz share/man/man1/kmt_sorvane.1.gz
}
packaged_files() { dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sort; }
expect "exactly the files of the package: $(diff <(expected_files) <(packaged_files) | tr '\n' ' ')" \
  diff -q <(expected_files) <(packaged_files)
expect "everything belongs to root" \
  test -z "$(dpkg-deb --fsys-tarfile "$deb" | tar -tv | awk '$2 != "root/root"')"

readonly root="$work/deb-root"
rm -rf "$root"
mkdir -p "$root"
dpkg-deb -x "$deb" "$root" || { echo "FAILED: dpkg-deb -x"; exit 1; }

# gzip -n: no file name (flag 0x08) and no time stamp (bytes 4 to 7).
compressed_as_debian_wants() {
  gzip -t "$1" || return 1
  local header
  header=$(od -An -tu1 -j3 -N5 "$1" | tr -s ' ')
  [[ $header == " 0 0 0 0 0" ]]
}

for edition in sorvane meridol; do
  program="$root/usr/bin/kmt_$edition"
  expect "kmt_$edition is stripped" grep -q ', stripped' <<<"$(file -b "$program")"
  "$program" "$source_root/examples/sample.f90" "$work/deb.$edition.txt"
  expect "the packaged kmt_$edition converts the sample" test $? -eq 0
  "$build/kmt_$edition" "$source_root/examples/sample.f90" "$work/built.$edition.txt"
  expect "the packaged kmt_$edition draws the build's chart" cmp -s "$work/built.$edition.txt" "$work/deb.$edition.txt"

  page="$root/usr/share/man/man1/kmt_$edition.1.gz"
  expect "the page of kmt_$edition is compressed with gzip -9n" compressed_as_debian_wants "$page"
  if command -v man >/dev/null 2>&1; then
    errors=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2>&1 >/dev/null)
    expect "man renders the packaged page of kmt_$edition: $errors" test -z "$errors"
    expect "man finds it by name under /usr/share/man" \
      grep -q "^KMT_${edition^^}(1)" <<<"$(LC_ALL=C.UTF-8 man -M "$root/usr/share/man" "kmt_$edition" 2>&1)"
  fi
done
expect "the changelog is compressed with gzip -9n" compressed_as_debian_wants "$root/usr/share/doc/kmt/changelog.Debian.gz"
expect "the changelog is of this version" \
  grep -qF "kmt ($(field Version))" <<<"$(zcat "$root/usr/share/doc/kmt/changelog.Debian.gz")"
expect "the copyright file is machine-readable and names the licence" \
  grep -qx 'License: Expat' "$root/usr/share/doc/kmt/copyright"

report_checks
