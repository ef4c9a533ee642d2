#!/usr/bin/env bash
# The Windows zip from the outside: the two programs, the README in Japanese
# and English, the licence and the sample in one folder, text files as
# Windows wants them; then, unpacked on the Wine prefix's drive C:, one
# program run as a user would (OK, the sample in the open dialog, a chart in
# the save dialog) must draw the Linux program's chart of the sample.
#
# usage: windows_zip_test.sh PACKAGES LINUX_PROGRAM WORK
set -uo pipefail
readonly here="$(cd "$(dirname "$0")" && pwd)"
source "$here/../windows/wine_env.sh"
source "$here/../windows/gui_driver.sh"
source "$here/../support/checks.sh"

readonly packages=$1 linux_program=$2 work=$3
readonly edition=$(basename "$linux_program")

mapfile -t zips < <(ls "$packages"/kmt-*-windows-x64.zip 2>/dev/null)
((${#zips[@]} > 0)) || skip_test "no Windows zip in $packages (no mingw-w64 cross compiler)"
((${#zips[@]} == 1)) || { echo "FAILED: more than one Windows zip in $packages"; exit 1; }
readonly zip=${zips[0]}
readonly top=$(basename "$zip" .zip)
require_tools unzip file wine wineserver wineboot Xvfb xdotool cmp

expected_entries() { printf "$top/%s\n" LICENSE.txt README.txt kmt_meridol.exe kmt_sorvane.exe sample.f90; }
entries() { unzip -Z1 "$zip" | grep -v '/$' | sort; }
expect "the zip holds one folder with the programs, README, licence and sample: $(entries | tr '\n' ' ')" \
  diff -q <(expected_entries) <(entries)

unpacked="$work/zip"
rm -rf "$unpacked"
mkdir -p "$unpacked"
unzip -q "$zip" -d "$unpacked" || { echo "FAILED: unzip"; exit 1; }
readonly folder="$unpacked/$top"

windows_text() { # a byte order mark, and CR LF ending every line
  [[ $(head -c 3 "$1" | od -An -tx1 | tr -d ' ') == efbbbf ]] || return 1
  ! grep -qv $'\r$' "$1"
}
for exe in kmt_sorvane kmt_meridol; do
  expect "$exe.exe is a Windows GUI program" grep -q 'PE32+ executable (GUI) x86-64' <<<"$(file -b "$folder/$exe.exe")"
done
for text in README.txt LICENSE.txt; do
  expect "$text is UTF-8 text for Windows" windows_text "$folder/$text"
done
expect "the README explains the use in Japanese" grep -q '使い方' "$folder/README.txt"
expect "the README explains the use in English" grep -q 'How to use it' "$folder/README.txt"
expect "the README names the sample" grep -q 'sample\.f90' "$folder/README.txt"
expect "the sample is the tree's" cmp -s "$here/../../examples/sample.f90" "$folder/sample.f90"

"$linux_program" "$folder/sample.f90" "$work/zip-expected.txt" || { echo "FAILED: the Linux program"; exit 1; }

use_japanese_locale
prepare_prefix "$work/prefix"
start_display
trap stop_wine_and_display EXIT

# On drive C: of the prefix, for short paths to type.
readonly drive_folder="$WINEPREFIX/drive_c/kmt-zip"
rm -rf "$drive_folder"
mkdir -p "$drive_folder"
cp -r "$folder" "$drive_folder/"
readonly windows_folder="C:\\kmt-zip"

run_from_zip() {
  local main save
  start_program "$drive_folder/$top/$edition.exe" "$drive_folder/$top"
  main=$(wait_for_window "$MAIN_TITLE")
  [[ -n $main ]] || { echo "the main dialog did not appear"; return 1; }
  save=$(choose_source "$main" "$windows_folder\\$top\\sample.f90") || { echo "the file dialogs did not appear"; return 1; }
  save_chart "$save" "$windows_folder\\chart.txt"
  wait_for_exit
  [[ $exit_status -eq 0 ]] || { echo "the program ended with status $exit_status"; return 1; }
}
expect "$edition.exe from the zip converts the sample" run_from_zip
expect "its chart equals the Linux program's chart" cmp "$work/zip-expected.txt" "$drive_folder/chart.txt"

report_checks
