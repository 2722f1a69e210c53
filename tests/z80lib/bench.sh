#!/bin/sh
# bench.sh: time the run-time library's routines in z80run and print a
# markdown table (docs/runtime.md keeps the latest one).
#
#   tests/z80lib/bench.sh Z80RUN
#
# Each routine is called 256 times with pseudo-random operands (bench.asm).
# Times count from the routine's first instruction to its return, so the
# CALL (17 T-states) is not included.  Bytes run from the routine's label to
# the next label that has a header comment ("; NAME: ...") in the library.
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
runner=$1
lib=$root/system_z80lib.asm
work=$(mktemp -d "${TMPDIR:-/tmp}/z80bench.XXXXXX") || exit 2
trap 'rm -rf "$work"' EXIT INT TERM

build() {
  {
    echo "   org 08000h"
    echo "   ld sp,07fffh"
    echo "   jp _reset"
    awk -f "$here/flat_library.awk" "$lib"
    echo "_reset:"
    echo "   call _main"
    echo "   jp \$"
    echo "_main:"
    echo "   jp bench_$1"
    cat "$here/bench.asm"
  } > "$work/$1.asm"
}

# Sizes of the routines with a header comment, in bytes.
build simple
z80-unknown-coff-as -o "$work/s.o" "$work/simple.asm" || exit 1
z80-unknown-coff-ld -Ttext 0 -o "$work/s.out" "$work/s.o" || exit 1
sed -n 's/^; \(__[A-Za-z0-9_]*\):.*/\1/p' "$lib" > "$work/headers"
z80-unknown-coff-nm -n "$work/s.out" | awk -v headers="$work/headers" '
  function hex(text,  i, value) {
    value = 0
    for (i = 1; i <= length(text); i++)
      value = value * 16 + index("0123456789abcdef", tolower(substr(text, i, 1))) - 1
    return value
  }
  BEGIN { while ((getline name < headers) > 0) routine[name] = 1 }
  { address = hex($1)
    if (($3 in routine) || $3 == "_reset") {
      if (last != "") print last, address - start
      last = ($3 in routine) ? $3 : ""; start = address } }' > "$work/sizes"

size_of() { awk -v name="$1" '$1 == name { print $2 }' "$work/sizes"; }

# measure SCENARIO LABEL ROUTINE...: one table row per routine
measure() {
  scenario=$1
  label=$2
  shift 2
  build "$scenario"
  args=""
  for routine in "$@"; do args="$args --measure $routine"; done
  # shellcheck disable=SC2086
  Z80RUN=$runner "$root/tools/asm_run.sh" --limit 100000000 $args "$work/$scenario.asm" > /dev/null 2> "$work/report" || {
    cat "$work/report"; exit 1; }
  set -- "$@"
  i=0
  for routine in "$@"; do
    i=$((i + 1))
    sed -n "${i}p" "$work/report" | awk -v r="$routine" -v l="$label" -v b="$(size_of "$routine")" '
      { printf "| %s%s | %s | %s | %s | %s |\n", r, l, $6, $8, $10, b }'
  done
}

echo "| routine | min | avg | max | bytes |"
echo "|---|---|---|---|---|"
measure simple "" __op_add __op_sub __op_and __op_or __op_xor \
  __op_cmp_uu __op_cmp_ss __op_cmp_su __op_cmp_us __op_add_a __op_sub_a \
  __acctorega1 __acctorega1s __reg32a_clr2 __extsigna1 __extsigna2 __acctoregb1 \
  __extsign1 __extsign2 __movbtoa __read1 __getarg1 __getarg2 __getarg4 __sta4 \
  __neg32 __op_shl __op_shr __popb __heap_alloc
measure pusharg "" __pusharg
measure mul8 " (8x8)" __op_mul8816
measure mul16 " (16x16)" __op_mul16
measure mul16by8 " (16x8)" __op_mul16
measure mul32x16 " (16x16->32)" __mul32x16
measure mul32x16 " (8x16->24)" __mul24
measure mul32 " (32x32)" __op_mul
measure mul32small " (16-bit values)" __op_mul
measure mula " (32x8)" __op_mul_a
measure div16by8 " (16/8)" __op_div_u
measure div16 " (16/16)" __op_div_u
measure div16lo " (16/16, divisor 256-32767)" __op_div_u
measure div32by8 " (32/8)" __op_div_u
measure div32by8 " (each 16-bit half of 32/8)" __div_c8
measure div32by16 " (32/16)" __op_div_u
measure div32 " (32/32)" __op_div_u
measure divs32 " (32/32 signed)" __op_div_s
measure mod32 " (32/32)" __op_mod_u
measure putdec " (random 32-bit)" __putdec_u32
