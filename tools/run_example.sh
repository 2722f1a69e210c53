#!/usr/bin/env bash
# Builds tarnwick if needed and compiles an example program, showing the
# compiler's console report.  Usage: tools/run_example.sh [examples/NAME.pas]
set -euo pipefail
cd "$(dirname "$0")/.."
example=${1:-examples/hello.pas}
if ! command -v cmake >/dev/null || ! command -v g++ >/dev/null; then
  [ "$(id -u)" = 0 ] && apt-get update -qq </dev/null &&
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq cmake g++ </dev/null
fi
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc 2>/dev/null || echo 2)" --target tarnwick >/dev/null
./build/tarnwick "$example" </dev/null
