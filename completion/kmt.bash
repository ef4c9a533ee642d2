# bash completion for kmt_sorvane and kmt_meridol                -*- sh -*-
#
# The options come from the program's own --help, so this file never lists
# them.  An option line of --help is two spaces, the option's names separated
# by ", ", and, for an option with a value, "=" and what the value may be:
# choices as "a|b|c", "DIR" for a directory, "N" for a number, any other
# word for a file.  The first file argument is a Fortran source (or a
# directory on the way to one), the second the chart; once an option that
# takes a DIR (the output folder) is given, every file argument is a source.

_kmt_source_pattern='!*.@(f90|f95|f03|f08|f|for|ftn|F90|F95|F03|F08|F|FOR|FTN)'

# _kmt_options PROGRAM: one line per option name, "NAME VALUE" with VALUE
# empty when the option takes none.
_kmt_options() {
  "$1" --help 2>/dev/null | awk '
    /^[^ ]/ { in_options = ($0 ~ /^Options:/); next }
    in_options && /^  +-/ {
      sub(/^ +/, "")
      sub(/  .*/, "")
      value = ""
      if (match($0, /=[^ ,]+$/) || match($0, / [^- ,][^ ,]*$/)) {
        value = substr($0, RSTART + 1)
        $0 = substr($0, 1, RSTART - 1)
      }
      n = split($0, names, /, */)
      for (i = 1; i <= n; i++) if (names[i] != "") print names[i], value
    }'
}

# _kmt_complete_value VALUES CURRENT
_kmt_complete_value() {
  local values=$1 cur=$2
  case $values in
    *'|'*) mapfile -t COMPREPLY < <(compgen -W "${values//|/ }" -- "$cur") ;;
    DIR) compopt -o filenames 2>/dev/null; mapfile -t COMPREPLY < <(compgen -d -- "$cur") ;;
    N) COMPREPLY=() ;;
    *) compopt -o filenames 2>/dev/null; mapfile -t COMPREPLY < <(compgen -f -- "$cur") ;;
  esac
}

_kmt_complete_path() { # _kmt_complete_path POSITION CURRENT
  compopt -o filenames 2>/dev/null
  if (($1 == 2)); then
    mapfile -t COMPREPLY < <(compgen -f -- "$2")
  else
    # The pattern needs extglob, which bash-completion turns on anyway.
    local extglob
    extglob=$(shopt -p extglob)
    shopt -s extglob
    mapfile -t COMPREPLY < <(compgen -d -- "$2"; compgen -f -X "$_kmt_source_pattern" -- "$2")
    eval "$extglob"
  fi
}

_kmt() {
  local program=${COMP_WORDS[0]}
  local cur=${COMP_WORDS[COMP_CWORD]} prev=""
  ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}
  COMPREPLY=()

  local -A value_of=()
  local name value
  while read -r name value; do value_of[$name]=$value; done < <(_kmt_options "$program")

  # Where "=" breaks words, "--name=va" arrives as "--name" "=" "va".
  # Elsewhere it is one word, and so is what replaces it.
  local option="" prefix=""
  if [[ $cur == "=" ]]; then
    option=$prev cur=""
  elif [[ $prev == "=" ]] && ((COMP_CWORD >= 2)); then
    option=${COMP_WORDS[COMP_CWORD - 2]}
  elif [[ $cur == --*=* ]]; then
    option=${cur%%=*} cur=${cur#*=}
    prefix=${COMP_WORDS[COMP_CWORD]%%=*}=
  fi
  if [[ -n $option ]]; then
    [[ -n ${value_of[$option]:-} ]] && _kmt_complete_value "${value_of[$option]}" "$cur"
    [[ -n $prefix ]] && COMPREPLY=("${COMPREPLY[@]/#/$prefix}")
    return 0
  fi

  # Count the file arguments before this word; after "--" all are files, and
  # an option's value given as the next word is no file.
  local i word options_ended=0 position=1 tree=0
  for ((i = 1; i < COMP_CWORD; i++)); do
    word=${COMP_WORDS[i]}
    if ((options_ended)) || [[ $word != -?* ]]; then
      [[ $word == "=" || ${COMP_WORDS[i - 1]} == "=" ]] && continue
      ((position++))
    elif [[ $word == -- ]]; then
      options_ended=1
    else
      [[ ${value_of[${word%%=*}]:-} == DIR ]] && tree=1
      if [[ $word != *=* && -n ${value_of[$word]:-} ]] && ((i + 1 < COMP_CWORD)); then ((i++)); fi
    fi
  done
  ((tree)) && position=1
  if ((!options_ended)) && [[ $prev == -?* && $prev != -- && $prev != *=* && -n ${value_of[$prev]:-} ]]; then
    _kmt_complete_value "${value_of[$prev]}" "$cur"
    return 0
  fi

  if ((!options_ended)) && [[ $cur == -* ]]; then
    local -a names=()
    for name in "${!value_of[@]}"; do
      if [[ -n ${value_of[$name]} && $name == --* ]]; then names+=("$name="); else names+=("$name"); fi
    done
    mapfile -t COMPREPLY < <(compgen -W "${names[*]}" -- "$cur" | sort)
    [[ ${COMPREPLY[0]:-} == *= ]] && compopt -o nospace 2>/dev/null
    return 0
  fi
  _kmt_complete_path "$position" "$cur"
}

complete -F _kmt kmt_sorvane kmt_meridol
