# Sourced by the tools that build or run the project: checks the Debian
# packages they rely on and installs the missing ones as root.
#
#   source tools/need_packages.sh
#   need_packages cmake g++ python3 libgtest-dev ...
#
# Each package is known by the file or command it provides; a package is
# "missing" only when that file or command is absent, so a normal run does
# not touch apt at all.  Returns 1 when something is missing and cannot be
# installed (not root); the caller decides whether that is fatal.

package_present() {
  case $1 in
    cmake) command -v cmake ;;
    g++) command -v g++ ;;
    python3) command -v python3 ;;
    libgtest-dev) [ -f /usr/include/gtest/gtest.h ] ;;
    binutils-z80) command -v z80-unknown-coff-as ;;
    libz80ex-dev) [ -f /usr/include/z80ex/z80ex.h ] || [ -f /usr/include/z80ex.h ] ;;
    fp-compiler) command -v fpc ;;
    clang) command -v clang++ ;;
    time) [ -x /usr/bin/time ] ;;
    *) dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed" ;;
  esac >/dev/null 2>&1
}

need_packages() {
  local missing=() p
  for p in "$@"; do
    package_present "$p" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" != 0 ]; then
    echo "missing packages (run as root to install them): ${missing[*]}"
    return 1
  fi
  echo "installing: ${missing[*]}"
  apt-get update -qq </dev/null
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" </dev/null >/dev/null
}
