# Shared by the Wine tests (sourced): the Japanese locale, a Wine prefix of
# the build's own with the fonts and settings a faithful headless run needs,
# and a private X server.  Anything missing makes the test report itself
# skipped, never passed.

readonly KMT_SKIP=77
readonly KMT_WINDOWS_TEST_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

skip_test() {
  echo "SKIPPED: $*"
  exit "$KMT_SKIP"
}

require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || skip_test "$tool is not installed"
  done
}

# Wine picks its code page and its Japanese resources from the locale.
use_japanese_locale() {
  unset LC_ALL LC_CTYPE LC_MESSAGES LANGUAGE
  if ! locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$'; then
    localedef -i ja_JP -f UTF-8 ja_JP.UTF-8 >/dev/null 2>&1 || skip_test "no ja_JP.UTF-8 locale"
  fi
  export LANG=ja_JP.UTF-8
}

# The prefix is made once per build folder and kept; the stamp marks one that
# is complete.
prepare_prefix() {
  export WINEPREFIX="$1" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  [[ -f "$WINEPREFIX/kmt-prefix-ready" ]] && return 0
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  timeout 180 wineboot --init >/dev/null 2>&1 || skip_test "wineboot could not make a prefix"
  timeout 60 wineserver -w
  install_wine_fonts
  import_wine_settings
  timeout 60 wineserver -w
  touch "$WINEPREFIX/kmt-prefix-ready"
}

install_wine_fonts() {
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
}

# Japanese font names mapped to the IPA fonts, and title bars that Wine draws
# itself since no window manager runs.  reg wants the file in UTF-16.
import_wine_settings() {
  local settings="$WINEPREFIX/drive_c/kmt-settings.reg"
  sed 's/$/\r/' "$KMT_WINDOWS_TEST_DIR/wine_settings.reg" | iconv -f UTF-8 -t UTF-16 >"$settings"
  timeout 60 wine reg import 'C:\kmt-settings.reg' >/dev/null 2>&1 || skip_test "wine reg import failed"
}

# Starts Xvfb on the first free display from :99 and waits until it answers.
start_display() {
  local number
  for number in $(seq 99 130); do
    [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
    Xvfb ":$number" -nolisten tcp -noreset -screen 0 1024x768x24 >/dev/null 2>&1 &
    KMT_XVFB_PID=$!
    export DISPLAY=":$number"
    if wait_for_display; then return 0; fi
    kill "$KMT_XVFB_PID" 2>/dev/null
    KMT_XVFB_PID=
  done
  skip_test "Xvfb could not start"
}

wait_for_display() {
  local tries
  for tries in $(seq 50); do
    kill -0 "$KMT_XVFB_PID" 2>/dev/null || return 1
    xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
    sleep 0.2
  done
  return 1
}

# Ends what this test started: the prefix's Wine processes and the X server.
stop_wine_and_display() {
  [[ -n "${WINEPREFIX:-}" ]] && timeout 30 wineserver -k >/dev/null 2>&1
  if [[ -n "${KMT_XVFB_PID:-}" ]]; then
    kill "$KMT_XVFB_PID" 2>/dev/null
    wait "$KMT_XVFB_PID" 2>/dev/null
  fi
  return 0
}

# xdotool types a character that has no key by binding it to a spare key for
# an instant, and Wine, which reads the changed map a moment later, can lose
# it.  So every non-ASCII character of the texts gets a key of its own in the
# X server's map before Wine starts.  Wine gives keys it does not know (these
# among them) virtual keys from a small pool, in key-code order; the default
# map's multimedia keys would use the pool up, so their symbols are dropped
# and the characters go on the lowest free key codes.  (The server runs with
# -noreset, or it would drop the changed map as soon as xkbcomp disconnects.)
add_keys_for_text() {
  local keymap
  keymap=$(xkbcomp -w 0 -xkb "$DISPLAY" - | without_multimedia_keys) || return 1
  local -a characters spare
  mapfile -t characters < <(printf '%s' "$*" | grep -o . | LC_ALL=C grep -v '^[ -~]$' | sort -u)
  mapfile -t spare < <(spare_key_names <<<"$keymap")
  if ((${#spare[@]} < ${#characters[@]})); then
    echo "only ${#spare[@]} spare keys for ${#characters[@]} characters" >&2
    return 1
  fi
  local i bindings=""
  for i in "${!characters[@]}"; do
    bindings+="    key <${spare[i]}> { [ $(printf 'U%04X' "'${characters[i]}") ] };"$'\n'
  done
  awk -v bindings="$bindings" '
    /^xkb_symbols/ { in_symbols = 1 }
    in_symbols && /^};/ { printf "%s", bindings; in_symbols = 0 }
    { print }' <<<"$keymap" | xkbcomp -w 0 - "$DISPLAY"
}

without_multimedia_keys() {
  awk '
    /^xkb_symbols/ { in_symbols = 1 }
    /^};/ { in_symbols = 0 }
    in_symbols && /^ *key <[A-Z0-9]+> *{ *\[ *XF86[A-Za-z0-9_]* *\] *};/ { next }
    { print }'
}

# Keys of the keymap on standard input that have a key code but no symbols,
# lowest key code first.
spare_key_names() {
  local keymap
  keymap=$(cat)
  join -v 1 \
    <(awk '/^xkb_keycodes/,/^};/' <<<"$keymap" |
        sed -nE 's/^ *<([A-Z0-9]+)> = ([0-9]+);.*/\1 \2/p' | sort -k 1,1) \
    <(awk '/^xkb_symbols/,/^};/' <<<"$keymap" |
        sed -nE 's/^ *key +<([A-Z0-9]+)>.*/\1/p' | sort -u) |
    sort -k 2,2n | cut -d ' ' -f 1
}
