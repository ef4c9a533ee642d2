#!/usr/bin/env bash
# The options of one program as --help lists them, as the manual page
# documents them and as the program accepts them must be the same.
#
# usage: options_test.sh PROGRAM PAGE
set -uo pipefail
readonly program=$(realpath "$1") page=$(realpath "$2")
source "$(dirname "$0")/../support/checks.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# "NAME VALUE" for every option name of --help's "Options:" section: lines of
# two spaces, the names separated by ", ", an option's value after "=".
help_options() {
  "$program" --help | awk '
    /^[^ ]/ { in_options = ($0 ~ /^Options:/); next }
    in_options && /^  +-/ {
      sub(/^ +/, ""); sub(/  .*/, "")
      value = ""
      if (match($0, /=[^ ,]+$/)) { value = substr($0, RSTART + 1); $0 = substr($0, 1, RSTART - 1) }
      n = split($0, names, /, */)
      for (i = 1; i <= n; i++) print names[i], value
    }'
}

# The option names on the tag lines of the page's OPTIONS section.
page_options() {
  awk '
    /^\.SH/ { in_options = ($0 ~ /^\.SH "?OPTIONS"?$/); next }
    in_options && /^\.T[PQ]/ { tag = 1; next }
    in_options && tag { print; tag = 0 }' "$page" |
    sed -E 's/\\-/-/g; s/\\f(\[[A-Z]*\]|[A-Z])//g; s/^\.[A-Z]+ //; s/"//g' |
    grep -oE '(^|[^-[:alnum:]])--?([[:alnum:]][-[:alnum:]]*)?' | sed -E 's/^[^-]//' | sort -u
}

# Runs the program with one option, as a conversion would give it.
rejected_as_unknown() { # rejected_as_unknown <name> <value>
  local argument=$1
  case $2 in
    "") ;;
    *'|'*) argument+="=${2%%|*}" ;;
    DIR) argument+="=$scratch" ;;
    N) argument+="=1" ;;
    *) argument+="=$scratch/value" ;;
  esac
  local errors
  errors=$(cd "$scratch" && timeout 20 "$program" "$argument" "$scratch/in.f90" "$scratch/chart.txt" 2>&1 >/dev/null </dev/null)
  grep -qiE 'unknown option|unrecognized option|invalid option' <<<"$errors"
}

printf '  x = 1\n' >"$scratch/in.f90"
declare -A help_value=()
while read -r name value; do help_value[$name]=$value; done < <(help_options)
mapfile -t documented < <(page_options)

expect "--help lists options" test "${#help_value[@]}" -ge 3
expect "the manual page documents options" test "${#documented[@]}" -ge 3
expect "the check tells an unknown option" rejected_as_unknown --no-such-option ""

for name in "${!help_value[@]}"; do
  expect "the manual page documents $name" grep -qxF -- "$name" < <(printf '%s\n' "${documented[@]}")
  expect "the program accepts $name" eval '! rejected_as_unknown "$name" "${help_value[$name]}"'
done
for name in "${documented[@]}"; do
  expect "--help lists $name, which the manual page documents" test -n "${help_value[$name]+set}"
done

report_checks
