#!/usr/bin/env bash
# lintian on the Debian package: no errors.  Warnings are shown, not failed.
#
# usage: lintian_test.sh PACKAGES
set -uo pipefail
readonly packages=$1
command -v lintian >/dev/null 2>&1 || { echo "SKIPPED: lintian is not installed"; exit 77; }
mapfile -t debs < <(ls "$packages"/kmt_*.deb 2>/dev/null)
((${#debs[@]} == 1)) || { echo "FAILED: want one kmt_*.deb in $packages, found ${#debs[@]}"; exit 1; }

report=$(lintian --info "${debs[0]}" 2>&1)
status=$?
# lintian says so when it runs as root, as here; that is no finding.
report=$(grep -v '^running with root privileges is not recommended!$' <<<"$report")
[[ -n $report ]] && echo "$report"
errors=$(grep -c '^E: ' <<<"$report")
warnings=$(grep -c '^W: ' <<<"$report")
echo "lintian: $errors errors, $warnings warnings"
# Status 1 is lintian's for errors, more is its own failure.
((errors == 0 && status == 0))
