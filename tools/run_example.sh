#!/usr/bin/env bash
# The main job: builds tarnwick and the Z80 runner if needed, compiles an
# example program, assembles it with GNU as for Z80, runs it in z80run and
# shows what it writes (line ends without their CR), then the T-states it
# took.
#
#   tools/run_example.sh [examples/NAME.pas]      (default examples/hello_world.pas)
#
# Missing tools are installed as root with apt-get: cmake, g++, python3 and
# libgtest-dev for the build (CMake configures the tests too), binutils-z80
# (GNU as for Z80) and libz80ex-dev (the emulator that z80run links).  The build goes to build/ (or $TARNWICK_BUILD).  The
# compiler runs from the project root, where it finds system_z80lib.asm and,
# through the include search, rtl/system.inc; its report is shown only when
# it fails.
set -euo pipefail
cd "$(dirname "$0")/.."
example=${1:-examples/hello_world.pas}
build=${TARNWICK_BUILD:-build}

if [ ! -r "$example" ]; then
  echo "run_example.sh: cannot read $example"
  exit 2
fi

source tools/need_packages.sh
need_packages cmake g++ python3 libgtest-dev binutils-z80 libz80ex-dev || exit 1

cmake -S . -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc 2>/dev/null || echo 2)" --target tarnwick z80run >/dev/null

# Compile a copy, so the .asm file is written outside the source tree.
work=$(mktemp -d "${TMPDIR:-/tmp}/run_example.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
name=$(basename "$example" .pas)
cp "$example" "$work/$name.pas"
if ! "$build/tarnwick" "$work/$name.pas" >"$work/report.txt" </dev/null; then
  cat "$work/report.txt"
  echo "run_example.sh: $example did not compile"
  exit 1
fi
echo "== $example: compiled to $name.asm, assembled, running on the Z80 =="
Z80RUN="$build/tools/z80run/z80run" tools/asm_run.sh --tstates "$work/$name.asm" 2>&1 | tr -d '\r'
