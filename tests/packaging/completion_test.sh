#!/usr/bin/env bash
# The bash completion of the programs, called as bash calls it: options
# from the program's --help, Fortran sources and directories for the
# source, any file for the chart, and the values of options that take one
# (from a stand-in program whose --help lists such options).
#
# usage: completion_test.sh COMPLETION PROGRAM
set -uo pipefail
readonly completion=$(realpath "$1") kmt_program=$(realpath "$2")
source "$(dirname "$0")/../support/checks.sh"
source "$completion"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
mkdir sources
touch a.f90 b.F90 c.f d.FOR e.f95 f.f03 g.F08 h.ftn i.for notes.txt chart.txt -- -dash.f90

# A program whose --help lists options with values of every kind.
cat >with_values <<'HELP'
#!/bin/sh
cat <<'TEXT'
usage: with_values [OPTION]... SOURCE CHART

Options:
  -f, --format=sjis|utf8|html  format of the chart
  -o, --output-dir=DIR         where the charts go
  -j, --jobs=N                 how many at once
  -q, --quiet                  no warnings
  --help                       show this help and exit
  --                           end of options

Exit status:
  0  fine
TEXT
HELP
chmod +x with_values

# completes <words of the line, the last one completed> -> <expected words>
completes() {
  local -a words=() expected=()
  while [[ $1 != "->" ]]; do words+=("$1"); shift; done
  shift
  expected=("$@")
  COMP_WORDS=("${words[@]}")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _kmt
  local got want
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ')
  want=$(printf '%s\n' "${expected[@]}" | sort | tr '\n' ' ')
  [[ $got == "$want" ]] || { echo "  '${words[*]}': got [$got], want [$want]"; return 1; }
}

sources=(sources a.f90 b.F90 c.f d.FOR e.f95 f.f03 g.F08 h.ftn i.for -dash.f90)
everything=("${sources[@]}" notes.txt chart.txt with_values)

expect "both programs are completed by _kmt" \
  test "$(complete -p kmt_sorvane kmt_meridol 2>&1 | grep -c -- '-F _kmt ')" -eq 2
expect "options from --help" completes "$kmt_program" - "->" --help --version --legend --quiet --strict -h -q -f -o -j --format= --source-encoding= --ambiguous= --output-dir= --jobs= --
expect "a started option" completes "$kmt_program" --v "->" --version
expect "the source: Fortran sources and directories" completes "$kmt_program" "" "->" "${sources[@]}"
expect "the source after an option" completes "$kmt_program" --help "" "->" "${sources[@]}"
expect "the chart: any file" completes "$kmt_program" a.f90 "" "->" "${everything[@]}"
expect "after --, a word with a dash is a file" completes "$kmt_program" -- - "->" -dash.f90
expect "after --, the second file is the chart" completes "$kmt_program" -- a.f90 "" "->" "${everything[@]}"

expect "an option with a value ends in =" completes ./with_values --for "->" --format=
expect "choices after =, as one word" completes ./with_values --format=u "->" --format=utf8
expect "choices after =, as bash splits at =" completes ./with_values --format = "->" sjis utf8 html
expect "a started choice after =" completes ./with_values --format = h "->" html
expect "choices as the next word" completes ./with_values -f "" "->" sjis utf8 html
expect "a directory value" completes ./with_values --output-dir = "" "->" sources
expect "no files for a number" completes ./with_values -j "" "->"
expect "an option's value is not the source" completes ./with_values -f sjis "" "->" "${sources[@]}"
expect "nor when given after =" completes ./with_values --format = sjis a.f90 "" "->" "${everything[@]}"
expect "with an output folder, every file is a source" completes ./with_values -o out a.f90 "" "->" "${sources[@]}"
expect "nor when given as --output-dir=" completes ./with_values --output-dir=out a.f90 b.F90 "" "->" "${sources[@]}"
expect "an option without a value takes none" completes ./with_values -q "" "->" "${sources[@]}"

report_checks
