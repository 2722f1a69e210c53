#!/usr/bin/env bash
# Builds everything (normal and sanitizer builds) and runs every test.
# Installs the tools it needs when they are missing (as root, via apt-get).
set -euo pipefail
cd "$(dirname "$0")/.."

source tools/need_packages.sh
need_packages cmake g++ python3 libgtest-dev binutils-z80 libz80ex-dev fp-compiler clang ||
  true # the suite still runs; the parts that need a missing tool are skipped

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

# Smoke runs of the long campaigns (tools/fuzz_campaign.sh), with fixed
# seeds so that every run does the same work: a short libFuzzer run of the
# whole compiler (clang builds the target with address and undefined-
# behaviour sanitizers), with every seed input compiled twice in one process
# to show that no phase keeps state between runs; then generated programs
# compiled by tarnwick and run in z80run, against Free Pascal's output.
echo "== fuzzing smoke run =="
if command -v clang++ >/dev/null; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -DTARNWICK_FUZZ=ON >/dev/null
  cmake --build build-fuzz -j"$jobs" --target fuzz_compiler
  smoke=$(mktemp -d)
  python3 tests/fuzz/make_seeds.py "$smoke/seeds"
  mkdir -p "$smoke/corpus"
  fuzz_dir=/tmp
  [ -d /dev/shm ] && [ -w /dev/shm ] && fuzz_dir=/dev/shm
  TMPDIR=$fuzz_dir TARNWICK_FUZZ_TWICE=1 build-fuzz/fuzz_compiler -runs=0 -timeout=60 \
    -artifact_prefix="$smoke/" "$smoke/seeds" >"$smoke/twice.log" 2>&1 ||
    { tail -40 "$smoke/twice.log"; exit 1; }
  TMPDIR=$fuzz_dir build-fuzz/fuzz_compiler -seed=1 -runs=4000 -max_len=4096 -timeout=60 \
    -dict=tests/fuzz/tarnwick.dict -artifact_prefix="$smoke/" "$smoke/corpus" "$smoke/seeds" \
    >"$smoke/fuzz.log" 2>&1 || { tail -40 "$smoke/fuzz.log"; exit 1; }
  echo "fuzzing: $(ls "$smoke/seeds" | wc -l) seeds compiled twice alike in both modes, 4000 runs without a crash"
  rm -rf "$smoke"
else
  echo "clang not found: fuzzing smoke run skipped"
fi

echo "== differential testing smoke run =="
if command -v fpc >/dev/null; then
  # The same programs in the default and in the optimizing mode.
  python3 tools/difftest.py --count 25 --seed 1 --quiet --tarnwick build/tarnwick \
    --z80run build/tools/z80run/z80run --keep build/differences
  python3 tools/difftest.py --count 25 --seed 1 --quiet --tarnwick build/tarnwick \
    --tarnwick-arg=-O --z80run build/tools/z80run/z80run --keep build/differences-O
else
  echo "fpc not found: differential testing smoke run skipped"
fi
