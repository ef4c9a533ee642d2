#!/usr/bin/env bash
# Installs what the Windows programs need on Debian:
#
#   scripts/windows/install_deps.sh build   the mingw-w64 cross compiler
#   scripts/windows/install_deps.sh test    also Wine with its fonts, a
#                                           headless X server with the tools
#                                           that drive and photograph it, a
#                                           Japanese font and the ja_JP.UTF-8
#                                           locale, for the tests under Wine
#
# Does nothing when everything is present; exits non-zero when something is
# missing and cannot be installed (the tests then report themselves skipped).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
source "$here/deps_common.sh"

usage() { echo "usage: $0 build|test" >&2; exit 2; }
[[ $# -eq 1 ]] || usage
purpose=$1

need_build() {
  need x86_64-w64-mingw32-g++-win32 g++-mingw-w64-x86-64-win32
  need x86_64-w64-mingw32-windres binutils-mingw-w64-x86-64
}

need_test() {
  need_build
  need wine wine
  need /usr/lib/wine/wine64 wine64
  need /usr/share/wine/fonts/tahoma.ttf fonts-wine
  need /usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf fonts-ipafont-gothic
  need Xvfb xvfb
  need xauth xauth
  need xdotool xdotool
  need xkbcomp x11-xkb-utils
  need import imagemagick
  # localedef comes with libc-bin; the locale definitions with locales.
  need /usr/share/i18n/locales/ja_JP locales
}

has_japanese_locale() { locale -a 2>/dev/null | grep -qiE '^ja_JP\.utf-?8$'; }

case $purpose in
  build)
    need_build
    install_missing "cross-building the Windows programs"
    ;;
  test)
    need_test
    install_missing "the Windows tests under Wine"
    # Wine takes its code page and Japanese captions from the locale.
    if ! has_japanese_locale; then
      [[ $(id -u) -eq 0 ]] || { echo "windows/install_deps: need root to make the ja_JP.UTF-8 locale" >&2; exit 1; }
      localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
    fi
    ;;
  *) usage ;;
esac
