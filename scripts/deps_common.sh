# Shared by the install_deps scripts (sourced): collecting what is missing
# and installing it with apt-get, saying what is installed and what for.

KMT_MISSING=()

# need <command-or-absolute-path> <package>: the package is missing when the
# command is not on PATH or the file does not exist.
need() {
  if [[ "$1" == /* ]]; then [[ -e "$1" ]] || KMT_MISSING+=("$2")
  else command -v "$1" >/dev/null 2>&1 || KMT_MISSING+=("$2"); fi
}

# install_missing <what-for>: installs the packages collected by need, if
# any, and starts the next collection.  Fails without root (or sudo).
install_missing() {
  local purpose=$1
  local -a packages
  mapfile -t packages < <(printf '%s\n' "${KMT_MISSING[@]}" | awk 'NF && !seen[$0]++')
  KMT_MISSING=()
  ((${#packages[@]} > 0)) || return 0
  echo "install_deps: installing for $purpose: ${packages[*]}" >&2
  local sudo=""
  if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null 2>&1 || {
      echo "install_deps: need root to install ${packages[*]}" >&2
      return 1
    }
    sudo="sudo"
  fi
  # One package list update per run of make, however many scripts install.
  if [[ -z "${KMT_APT_UPDATED:-}" ]]; then
    DEBIAN_FRONTEND=noninteractive $sudo apt-get update -qq || return 1
    export KMT_APT_UPDATED=1
  fi
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${packages[@]}"
}
