# Driving a Windows program's dialogs under Wine as a user would, with
# xdotool on the X server of start_display (wine_env.sh); sourced by the
# tests after wine_env.sh.

readonly MAIN_TITLE="Kumetra  Brandolk"
readonly OPEN_TITLE="開く"               # Wine's Japanese captions of the
readonly SAVE_TITLE="名前を付けて保存"   # common file dialogs
readonly WINDOW_WAIT=20   # seconds for a window to appear
readonly EXIT_WAIT=30     # seconds for the program to end

# start_program PROGRAM.exe FOLDER: starts it in FOLDER, its id in program_pid.
start_program() {
  (cd "$2" && exec wine "$1") >/dev/null 2>&1 &
  program_pid=$!
}

# Prints the id of the visible window with exactly this title.
wait_for_window() {
  local pattern
  pattern="^$(sed 's/[][().*+?^$|\\{}]/\\&/g' <<<"$1")\$"
  timeout "$WINDOW_WAIT" xdotool search --sync --onlyvisible --name "$pattern" 2>/dev/null | head -n 1
}

press() { # press <window> <key>...
  local window=$1
  shift
  xdotool windowfocus --sync "$window" key "$@"
}

type_into() { # type_into <window> <text>
  xdotool windowfocus --sync "$1" type --delay 15 "$2"
}

# Sets exit_status to the exit status of the program of start_program; a
# program that hangs is ended and given status 124.
wait_for_exit() {
  local tries
  for ((tries = 0; tries < EXIT_WAIT * 5; tries++)); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.2
  done
  if kill -0 "$program_pid" 2>/dev/null; then
    kill "$program_pid" 2>/dev/null
    wait "$program_pid" 2>/dev/null
    exit_status=124
    return
  fi
  wait "$program_pid"
  exit_status=$?
}

# Presses OK in the main dialog and picks the source by its Windows path;
# prints the save dialog's id.
choose_source() { # choose_source <main-window> <windows-path>
  local open save
  press "$1" Return
  open=$(wait_for_window "$OPEN_TITLE")
  [[ -n $open ]] || return 1
  press "$open" ctrl+a
  type_into "$open" "$2"
  press "$open" Return
  save=$(wait_for_window "$SAVE_TITLE")
  [[ -n $save ]] || return 1
  echo "$save"
}

save_chart() { # save_chart <save-window> <windows-path>
  type_into "$1" "$2"
  press "$1" Return
}
