#!/usr/bin/env bash
# Installs what the Windows build and its Wine tests need on Debian: the
# mingw-w64 cross compiler, Wine with its fonts, a headless X server with the
# tools that drive and photograph it, a Japanese font and the ja_JP.UTF-8
# locale.
# Does nothing when everything is present; exits non-zero when something is
# missing and cannot be installed (the tests then report themselves skipped).
set -euo pipefail

missing=()
need() { # need <command-or-file> <package>
  if [[ "$1" == /* ]]; then [[ -e "$1" ]] || missing+=("$2")
  else command -v "$1" >/dev/null 2>&1 || missing+=("$2"); fi
}

need x86_64-w64-mingw32-g++-win32 g++-mingw-w64-x86-64-win32
need wine wine
need /usr/lib/wine/wine64 wine64
need /usr/share/wine/fonts/tahoma.ttf fonts-wine
need /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf fonts-ipafont-gothic
need Xvfb xvfb
need xauth xauth
need xdotool xdotool
need xkbcomp x11-xkb-utils
need import imagemagick
need localedef locales

has_japanese_locale() { locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$'; }

if ((${#missing[@]} == 0)) && has_japanese_locale; then exit 0; fi

if [[ $(id -u) -ne 0 ]]; then
  echo "windows/install_deps: need root to install ${missing[*]:-the ja_JP.UTF-8 locale}" >&2
  exit 1
fi
if ((${#missing[@]} > 0)); then
  echo "Installing for the Windows tests: ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# Wine takes its code page and Japanese captions from the locale.
has_japanese_locale || localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
