#!/usr/bin/env bash
# fuzz_campaign.sh: long fuzzing and differential-testing campaigns.
#
#   tools/fuzz_campaign.sh [--time SECONDS] [--programs N] [--seed S]
#                          [--corpus DIR] [--work DIR] [--no-leak-check]
#
# 1. Fuzzing (when clang is present): builds the libFuzzer target in
#    build-fuzz, fills the corpus with the seeds of tests/fuzz/make_seeds.py,
#    and fuzzes for SECONDS (default 600) in one process at a time; after a
#    crash or a hang the input is kept in WORK/artifacts and fuzzing goes on
#    from the same corpus until the time is used up.  Then, unless
#    --no-leak-check, every corpus input is compiled twice in one process
#    (TARNWICK_FUZZ_TWICE) to show that no phase keeps state between runs.
# 2. Differential testing (when --programs N > 0): tools/difftest.py on N
#    generated programs from seed S (default 1).
#
# Prints executions, executions per second, crashes, hangs (timeouts), state
# leaks and differences.  Exit status 1 when anything was found.  Runs under
# nice; the fuzzer uses one core.  The corpus (default build-fuzz/corpus)
# persists, so a later campaign goes on where this one stopped.
set -u
cd "$(dirname "$0")/.."
root=$(pwd)

time_budget=600
programs=0
seed=1
corpus=$root/build-fuzz/corpus
work=$root/build-fuzz/campaign
leak_check=1
while [ $# -gt 0 ]; do
  case $1 in
    --time) time_budget=$2; shift 2 ;;
    --programs) programs=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    --corpus) corpus=$(realpath -m "$2"); shift 2 ;;
    --work) work=$(realpath -m "$2"); shift 2 ;;
    --no-leak-check) leak_check=0; shift ;;
    *) echo "usage: tools/fuzz_campaign.sh [--time S] [--programs N] [--seed S] [--corpus DIR] [--work DIR] [--no-leak-check]"; exit 2 ;;
  esac
done

found=0
mkdir -p "$work/artifacts" "$corpus"
# The target writes its scratch files under TMPDIR: a memory file system
# makes each run several times faster than a disk.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi

fuzz_phase() {
  if ! command -v clang++ >/dev/null; then
    echo "fuzzing: clang not found, skipped"
    return
  fi
  if [ ! -x build-fuzz/fuzz_compiler ] || [ -n "$(find driver lexer parser semantic translator codegen_z80 tests/fuzz -newer build-fuzz/fuzz_compiler -name '*.[ch]*' 2>/dev/null | head -1)" ]; then
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -DTARNWICK_FUZZ=ON >/dev/null || exit 1
    nice cmake --build build-fuzz -j2 --target fuzz_compiler >/dev/null || exit 1
  fi
  python3 tests/fuzz/make_seeds.py "$work/seeds" >/dev/null
  local execs=0 crashes=0 hangs=0 start now left log status
  start=$(date +%s)
  while :; do
    now=$(date +%s)
    left=$((time_budget - (now - start)))
    [ $left -le 0 ] && break
    log=$work/fuzz.log
    ASAN_OPTIONS=malloc_context_size=0 nice -n 19 build-fuzz/fuzz_compiler -max_len=4096 -timeout=60 -rss_limit_mb=2048 \
      -dict=tests/fuzz/tarnwick.dict -max_total_time=$left -print_final_stats=1 \
      -artifact_prefix="$work/artifacts/" "$corpus" "$work/seeds" >"$log" 2>&1
    status=$?
    # executed units: the final statistics, else the last progress line
    execs=$((execs + $(awk '/^stat::number_of_executed_units:/ { n = $2 }
                             /^#[0-9]+\t/ { sub("#", "", $1); if (n == "" || $1 + 0 > p) p = $1 + 0 }
                             END { print (n != "" ? n : p + 0) }' "$log")))
    if grep -q "ERROR: libFuzzer: timeout" "$log"; then
      hangs=$((hangs + 1))
    elif [ $status -ne 0 ]; then
      crashes=$((crashes + 1))
      cp "$log" "$work/artifacts/log-$(date +%s)-$crashes.txt"
      grep -m3 -E "ERROR|SUMMARY|runtime error|state leak" "$log"
    fi
    [ $status -ne 0 ] || break
  done
  local elapsed=$(( $(date +%s) - start ))
  [ $elapsed -gt 0 ] || elapsed=1
  echo "fuzzing: $execs executions in ${elapsed}s, $((execs / elapsed)) per second, corpus $(ls "$corpus" | wc -l) inputs"
  echo "fuzzing: $crashes crashes, $hangs hangs (timeouts); inputs in $work/artifacts"
  [ $((crashes + hangs)) -eq 0 ] || found=1

  if [ $leak_check -eq 1 ]; then
    log=$work/leak.log
    TARNWICK_FUZZ_TWICE=1 nice -n 19 build-fuzz/fuzz_compiler -runs=0 -max_len=4096 -timeout=20 \
      -artifact_prefix="$work/artifacts/leak-" "$corpus" >"$log" 2>&1
    if grep -q "state leak" "$log"; then
      echo "state leaks: 1 (see $log)"
      found=1
    else
      echo "state leaks: 0 ($(ls "$corpus" | wc -l) corpus inputs compiled twice in one process)"
    fi
  fi
}

difftest_phase() {
  [ "$programs" -gt 0 ] || return
  nice -n 19 python3 tools/difftest.py --count "$programs" --seed "$seed" --keep "$work/differences"
  [ $? -eq 0 ] || found=1
}

fuzz_phase
difftest_phase
exit $found
