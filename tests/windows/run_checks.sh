#!/usr/bin/env bash
# Runs the Windows checks program (resources of both programs, file-dialog
# settings, platform services) under Wine.
#
# usage: run_checks.sh WINDOWS_BUILD WORK
set -uo pipefail
source "$(dirname "$0")/wine_env.sh"

readonly windows_build=$1 work=$2
readonly checks="$windows_build/kmt_win_checks.exe"

[[ -f "$checks" ]] || skip_test "$checks was not built (no mingw-w64 cross compiler)"
require_tools wine wineserver wineboot
use_japanese_locale
prepare_prefix "$work/prefix"
trap stop_wine_and_display EXIT

timeout 60 wine "$checks"
