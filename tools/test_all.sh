#!/usr/bin/env bash
# Builds everything (normal and sanitizer builds) and runs every test.
# Installs the tools it needs when they are missing (as root, via apt-get).
set -euo pipefail
cd "$(dirname "$0")/.."

need=()
command -v cmake >/dev/null || need+=(cmake)
command -v g++ >/dev/null || need+=(g++)
command -v python3 >/dev/null || need+=(python3)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
command -v z80-unknown-coff-as >/dev/null || need+=(binutils-z80)
[ -f /usr/include/z80ex.h ] || need+=(libz80ex-dev)
if [ ${#need[@]} -gt 0 ]; then
  if [ "$(id -u)" = 0 ]; then
    echo "installing: ${need[*]}"
    apt-get update -qq </dev/null
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${need[@]}" </dev/null
  else
    echo "missing packages (run as root to install): ${need[*]}"
  fi
fi

jobs=$(nproc 2>/dev/null || echo 2)
run_suite() { # build dir, extra cmake flags...
  local dir=$1; shift
  cmake -S . -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  (cd "$dir" && ctest --output-on-failure -j"$jobs" </dev/null)
}

echo "== normal build =="
run_suite build
echo "== sanitizer build (address, undefined) =="
UBSAN_OPTIONS=print_stacktrace=1 \
  run_suite build-asan -DTARNWICK_SANITIZE=ON
