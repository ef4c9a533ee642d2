#!/usr/bin/env bash
# The manual page of one program: troff and mandoc find nothing to warn
# about, man renders it, it names the version the program reports, and it
# explains every message the conversion can show.
#
# usage: manual_page_test.sh PROGRAM PAGE MESSAGES_HEADER
set -uo pipefail
readonly program=$1 page=$2 messages_header=$3
source "$(dirname "$0")/../support/checks.sh"

for tool in groff man mandoc; do
  command -v "$tool" >/dev/null 2>&1 || { echo "SKIPPED: $tool is not installed"; exit 77; }
done

no_output() { # no_output <command>...: the command succeeds silently
  local output
  output=$("$@" 2>&1) || { echo "$output"; return 1; }
  [[ -z $output ]] || { echo "$output"; return 1; }
}

expect "groff -ww finds nothing to warn about" no_output groff -ww -z -man -k -Tutf8 "$page"
expect "mandoc -T lint finds nothing to warn about" no_output mandoc -T lint -W warning "$page"

rendered=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2>"${TMPDIR:-/tmp}/man-errors.$$")
errors=$(cat "${TMPDIR:-/tmp}/man-errors.$$")
rm -f "${TMPDIR:-/tmp}/man-errors.$$"
expect "man -l renders without messages: $errors" test -z "$errors"
name=$(basename "$program")
expect "the page is titled after the program" grep -q "^${name^^}(1)" <<<"$rendered"
expect "the NAME section names the program" grep -qE "^ +$name - " <<<"$rendered"

version=$("$program" --version | sed -n 's/^KMT Version \([^ ]*\).*/\1/p')
expect "--version reports a version" test -n "$version"
expect "the page is of version $version" grep -qE "^KMT $version +" <<<"$rendered"

# Every text and title of a message, as the conversion defines them.
mapfile -t messages < <(sed -nE 's/^inline constexpr const char\* k(Text|Title)[A-Za-z]+ = "(.*)";$/\2/p' "$messages_header")
expect "the message texts and titles are found in $messages_header" test "${#messages[@]}" -ge 10
for message in "${messages[@]}"; do
  expect "DIAGNOSTICS explains \"$message\"" grep -qF -- "$message" <<<"$(sed -n '/^DIAGNOSTICS/,/^[A-Z]/p' <<<"$rendered")"
done

report_checks
