#!/usr/bin/env bash
# Installs what the Windows build and its Wine tests need on Debian: the
# mingw-w64 cross compiler, Wine with its fonts, a headless X server with the
# tools that drive and photograph it, a Japanese font and the locales tools.
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
need import imagemagick
need localedef locales

((${#missing[@]} == 0)) && exit 0

if [[ $(id -u) -ne 0 ]]; then
  echo "windows/install_deps: need root to install ${missing[*]}" >&2
  exit 1
fi
echo "Installing for the Windows tests: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
