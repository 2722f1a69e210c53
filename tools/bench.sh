#!/bin/sh
# bench.sh: runs the benchmarks of bench/ and prints one markdown table.
#
#   tools/bench.sh
#
# Each benchmark exists twice with the same work and integer types: NAME.pas
# for tarnwick and NAME.c for SDCC.  Every one is built three ways:
#   - tarnwick in its default mode, and tarnwick -O; the .asm is assembled
#     with GNU as for Z80 as tools/asm_run.sh does (image from address 0,
#     code from 08000h);
#   - SDCC 4.x: sdcc $SDCC_FLAGS (below: the Z80 port with the optimizations
#     for speed and a large register allocator budget, SDCC at its fastest),
#     started by bench/crt0.s at 08000h, the .ihx made a flat image by
#     makebin.
# All images run on z80run's flat machine (load 0, start 08000h).
#
# T-states: the whole run as z80run --tstates counts it, start-up and
# printing of the result included.  Image size: the bytes from 08000h to the
# last byte of the image (code, constants and initial data; for tarnwick the
# run-time library it copies in too); variables that start out zero and the
# stack are not in an image.  The ratios are -O over SDCC; the last row is
# their geometric mean.
#
# What each program prints must equal bench/NAME.expected; a wrong or failed
# one is marked in the table, and the script then ends with status 1.
# Progress goes to standard error, the table to standard output.
#
# The build tree is $BUILD (default build/); tarnwick and z80run are built
# there when missing.  SDCC (Debian package sdcc) is installed when missing
# and the script runs as root.  Nothing here is timed by the tests: the
# ctest cases bench/NAME and bench_O/NAME only check the results.
set -u

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=${BUILD:-$root/build}
benchmarks="sieve fib bubble crc8 strings squares digits"
SDCC_FLAGS="-mz80 --opt-code-speed --max-allocs-per-node 200000"
limit=4000000000

fail() {
  echo "bench.sh: $*" >&2
  exit 2
}

need_sdcc() {
  command -v sdcc >/dev/null 2>&1 && return
  [ "$(id -u)" -eq 0 ] || fail "sdcc is missing: install the Debian package sdcc"
  echo "installing sdcc" >&2
  apt-get update -qq >&2 && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq sdcc >&2 ||
    fail "could not install sdcc"
}

need_tools() {
  command -v z80-unknown-coff-as >/dev/null 2>&1 ||
    fail "GNU as for Z80 is missing: install the Debian package binutils-z80"
  tarnwick=$build/tarnwick
  z80run=$build/tools/z80run/z80run
  if [ ! -x "$tarnwick" ] || [ ! -x "$z80run" ]; then
    echo "building tarnwick and z80run in $build" >&2
    { cmake -S "$root" -B "$build" && cmake --build "$build" -j2 --target tarnwick z80run; } >&2 ||
      fail "the build failed"
  fi
}

# run_image NAME IMAGE: prints "TSTATES STATUS", STATUS being ok, wrong or
# failed (the run did not end well).
run_image() {
  out=$work/$1.out
  err=$work/$1.err
  if "$z80run" --tstates --limit "$limit" "$2" >"$out" 2>"$err"; then
    status=ok
    cmp -s "$out" "$root/bench/$1.expected" || status=wrong
  else
    status=failed
  fi
  tstates=$(sed -n 's/^tstates: //p' "$err")
  echo "${tstates:-0} $status"
}

# image_size IMAGE: the bytes from 08000h on.
image_size() {
  echo $(($(wc -c <"$1") - 32768))
}

# tarnwick_image NAME DIR [OPTION]: compiles and assembles NAME.pas in DIR
# and prints the image's path, or nothing when that failed.
tarnwick_image() {
  name=$1
  dir=$2
  shift 2
  (
    cd "$dir" &&
      cp "$root/bench/$name.pas" . &&
      "$tarnwick" "$@" "$name.pas" >"$name.log" 2>&1 &&
      z80-unknown-coff-as -o "$name.o" "$name.asm" &&
      z80-unknown-coff-ld -Ttext 0 -o "$name.out" "$name.o" &&
      z80-unknown-coff-objcopy -O binary "$name.out" "$name.bin"
  ) >&2 && echo "$dir/$name.bin" && return
  tail -n 5 "$dir/$name.log" >&2
}

# sdcc_image NAME: compiles and links NAME.c after crt0 and prints the
# image's path, or nothing when that failed.
sdcc_image() {
  name=$1
  dir=$work/sdcc
  (
    cd "$dir" &&
      sdcc $SDCC_FLAGS -I "$root/bench" -c -o "$name.rel" "$root/bench/$name.c" &&
      sdcc $SDCC_FLAGS --no-std-crt0 --code-loc 0x8000 --data-loc 0x4000 \
        -o "$name.ihx" crt0.rel "$name.rel" &&
      makebin -s 65536 -p "$name.ihx" "$name.bin"
  ) >&2 && echo "$dir/$name.bin"
}

# measure NAME IMAGE: prints "TSTATES SIZE STATUS" of one build.
measure() {
  if [ -z "$2" ]; then
    echo "0 0 failed"
    return
  fi
  set -- "$(run_image "$1" "$2")" "$(image_size "$2")"
  echo "${1% *} $2 ${1#* }"
}

prepare_work() {
  for mode in default optimized sdcc; do
    mkdir -p "$work/$mode" || exit 2
  done
  for mode in default optimized; do
    cp "$root/system_z80lib.asm" "$work/$mode/" && cp -R "$root/rtl" "$work/$mode/" || exit 2
  done
  (cd "$work/sdcc" && sdasz80 -o crt0.rel "$root/bench/crt0.s") >&2 || fail "crt0.s does not assemble"
}

# The table from lines "NAME T-def SIZE-def ST-def T-O SIZE-O ST-O T-C SIZE-C ST-C".
print_table() {
  awk '
    function num(n,   s, groups) {
      s = sprintf("%.0f", n)
      groups = ""
      while (length(s) > 3) {
        groups = "," substr(s, length(s) - 2) groups
        s = substr(s, 1, length(s) - 3)
      }
      return s groups
    }
    function cell(n, status) {
      if (status == "failed") return "failed"
      return status == "ok" ? num(n) : num(n) " (wrong)"
    }
    function size(n) { return n > 0 ? num(n) " B" : "-" }
    function ratio(a, b) { return b > 0 && a > 0 ? sprintf("%.2f", a / b) : "-" }
    BEGIN {
      print "| benchmark | T default | T -O | T SDCC | T -O/SDCC | size default | size -O | size SDCC | size -O/SDCC |"
      print "|---|---:|---:|---:|---:|---:|---:|---:|---:|"
    }
    {
      printf "| %s | %s | %s | %s | %s | %s | %s | %s | %s |\n", $1,
        cell($2, $4), cell($5, $7), cell($8, $10), ratio($5, $8),
        size($3), size($6), size($9), ratio($6, $9)
      if ($5 > 0 && $8 > 0) { tlog += log($5 / $8); tn++ }
      if ($6 > 0 && $9 > 0) { slog += log($6 / $9); sn++ }
    }
    END {
      printf "| geometric mean | | | | %s | | | | %s |\n",
        tn ? sprintf("%.2f", exp(tlog / tn)) : "-", sn ? sprintf("%.2f", exp(slog / sn)) : "-"
    }'
}

need_sdcc
need_tools
work=$(mktemp -d "${TMPDIR:-/tmp}/bench.XXXXXX") || exit 2
trap 'rm -rf "$work"' EXIT INT TERM
prepare_work

for name in $benchmarks; do
  echo "bench $name" >&2
  default=$(measure "$name" "$(tarnwick_image "$name" "$work/default")")
  optimized=$(measure "$name" "$(tarnwick_image "$name" "$work/optimized" -O)")
  sdcc=$(measure "$name" "$(sdcc_image "$name")")
  echo "$name $default $optimized $sdcc"
done >"$work/results"

print_table <"$work/results"
if grep -q -e wrong -e failed "$work/results"; then
  echo "bench.sh: a benchmark printed a wrong result or failed (see the table)" >&2
  exit 1
fi
exit 0
