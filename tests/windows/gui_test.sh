#!/usr/bin/env bash
# End-to-end test of one Windows program under Wine, driven as a user would
# with xdotool on a private X server:
#   - the about box from the system menu, then OK, a Japanese source path in
#     the open dialog and a Japanese chart path in the save dialog; the chart
#     must equal, byte for byte, the Linux program's chart of the same source;
#   - a source that disappears before the run: the message box, exit status 1
#     and no chart;
#   - OK and a cancelled open dialog: the program ends without output.
# Screenshots of the dialogs go into WORK/screenshots.
#
# usage: gui_test.sh PROGRAM.exe LINUX_PROGRAM SOURCE.f90 WORK
set -uo pipefail
source "$(dirname "$0")/wine_env.sh"
source "$(dirname "$0")/gui_driver.sh"

readonly program=$1 linux_program=$2 source=$3 work=$4
readonly edition=$(basename "$program" .exe)
KMT_CHECKS_NAME=$edition
source "$(dirname "$0")/../support/checks.sh"

[[ -f "$program" ]] || skip_test "$program was not built (no mingw-w64 cross compiler)"
require_tools wine wineserver wineboot Xvfb xdotool xkbcomp import cmp
use_japanese_locale
prepare_prefix "$work/prefix"
start_display
trap stop_wine_and_display EXIT

readonly MESSAGE_TITLE="Open File"
if [[ $edition == kmt_meridol ]]; then
  readonly ABOUT_TITLE="FORTRANMeridol(純)のﾊﾞｰｼﾞｮﾝ情報  Brandolk"
else
  readonly ABOUT_TITLE="FORTRANSorvane(純)のﾊﾞｰｼﾞｮﾝ情報  Brandolk"
fi

readonly SOURCE_NAME="流れ図の元.f90"
readonly CHART_NAME="流れ図.txt"
readonly VANISHING_SOURCE_NAME="消える元.f90"
readonly UNWRITTEN_CHART_NAME="残らない.txt"
add_keys_for_text "$SOURCE_NAME$CHART_NAME$VANISHING_SOURCE_NAME$UNWRITTEN_CHART_NAME" || {
  echo "FAILED: could not give the Japanese characters keys of their own"
  exit 1
}

# The files live on the prefix's drive C: short paths to type.
readonly folder="$WINEPREFIX/drive_c/$edition"
readonly windows_folder="C:\\$edition"
readonly shots="$work/screenshots"
rm -rf "$folder"
mkdir -p "$folder" "$shots"

screenshot() { import -window "$1" "$shots/$edition-$2.png"; }

# Ends the program of a scenario that went wrong, so the next one starts
# clean; the screen as it was is kept for a look.
abandon() {
  expect "$1" false
  import -window root "$shots/$edition-failure-$KMT_CHECKS_FAILED.png"
  kill "$program_pid" 2>/dev/null
  wait "$program_pid" 2>/dev/null
  timeout 30 wineserver -k >/dev/null 2>&1
}

about_box_and_conversion() {
  local main about save
  cp "$source" "$folder/$SOURCE_NAME"
  start_program "$program" "$folder"
  main=$(wait_for_window "$MAIN_TITLE")
  [[ -n $main ]] || { abandon "the main dialog did not appear"; return; }
  screenshot "$main" main-dialog
  # Wine adds its own entry to the system menu before the program appends
  # its entry, so the about entry is the last one: Up from the opened menu,
  # the only visible window without a title.
  press "$main" alt+space
  [[ -n $(wait_for_window "") ]] || { abandon "the system menu did not open"; return; }
  press "$main" Up Return
  about=$(wait_for_window "$ABOUT_TITLE")
  expect "the system-menu entry opens the about box" test -n "$about"
  if [[ -n $about ]]; then
    screenshot "$about" about-box
    press "$about" Return
  fi
  save=$(choose_source "$main" "$windows_folder\\$SOURCE_NAME") || { abandon "the file dialogs did not appear"; return; }
  save_chart "$save" "$windows_folder\\$CHART_NAME"
  wait_for_exit
  expect "a conversion ends with status 0 (got $exit_status)" test "$exit_status" -eq 0
  expect "the chart equals the Linux program's chart" \
    cmp "$work/expected-$edition.txt" "$folder/$CHART_NAME"
}

missing_source() {
  local main save message
  cp "$source" "$folder/$VANISHING_SOURCE_NAME"
  start_program "$program" "$folder"
  main=$(wait_for_window "$MAIN_TITLE")
  [[ -n $main ]] || { abandon "the main dialog did not appear"; return; }
  save=$(choose_source "$main" "$windows_folder\\$VANISHING_SOURCE_NAME") || { abandon "the file dialogs did not appear"; return; }
  rm "$folder/$VANISHING_SOURCE_NAME"
  save_chart "$save" "$windows_folder\\$UNWRITTEN_CHART_NAME"
  message=$(wait_for_window "$MESSAGE_TITLE")
  expect "a missing source shows the message box" test -n "$message"
  if [[ -n $message ]]; then
    screenshot "$message" missing-source-message
    press "$message" Return
  fi
  wait_for_exit
  expect "a missing source ends with status 1 (got $exit_status)" test "$exit_status" -eq 1
  expect "a missing source creates no chart" test ! -e "$folder/$UNWRITTEN_CHART_NAME"
}

cancelled_open_dialog() {
  local main open before after
  before=$(ls -A "$folder")
  start_program "$program" "$folder"
  main=$(wait_for_window "$MAIN_TITLE")
  [[ -n $main ]] || { abandon "the main dialog did not appear"; return; }
  press "$main" Return
  open=$(wait_for_window "$OPEN_TITLE")
  [[ -n $open ]] || { abandon "the open dialog did not appear"; return; }
  press "$open" Escape
  wait_for_exit
  after=$(ls -A "$folder")
  expect "a cancelled open dialog ends with status 0 (got $exit_status)" test "$exit_status" -eq 0
  expect "a cancelled open dialog writes nothing" test "$before" == "$after"
}

linux_messages=$("$linux_program" "$source" "$work/expected-$edition.txt" 2>&1)
[[ $? -eq 0 && -z $linux_messages ]] || {
  echo "FAILED: the Linux program must convert $source silently: $linux_messages"
  exit 1
}

about_box_and_conversion
missing_source
cancelled_open_dialog

report_checks
