#!/bin/sh
# runner_checks.sh: how z80run ends a program and what it reports.
#
#   tests/z80lib/runner_checks.sh Z80RUN
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
runner=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/z80runner.XXXXXX") || exit 2
trap 'rm -rf "$work"' EXIT INT TERM
failed=0
passed=0

# check NAME WANTED_STATUS WANTED_STDOUT WANTED_STDERR_PATTERN STATUS STDOUT STDERR
check() {
  if [ "$5" = "$2" ] && [ "$6" = "$3" ] && printf '%s\n' "$7" | grep -q -- "$4"; then
    passed=$((passed + 1))
  else
    echo "$1: status $5 (wanted $2), output '$6' (wanted '$3'), errors '$7' (wanted /$4/)"
    failed=$((failed + 1))
  fi
}

# run NAME ASM_TEXT [OPTIONS...]: assembles the text and runs it
run() {
  name=$1
  printf '%s\n' "$2" > "$work/$name.asm"
  shift 2
  out=$(Z80RUN=$runner "$root/tools/asm_run.sh" "$@" "$work/$name.asm" 2> "$work/err")
  status=$?
  err=$(cat "$work/err")
}

run jp_self '   org 08000h
   ld a,65
   out (1),a
   ld a,66
   out (0feh),a
   jp $' --tstates
check jp_self 0 AB '^tstates: 36$' "$status" "$out" "$err"

run jr_self '   org 08000h
   ld a,67
   out (7),a
   jr $'
check jr_self 0 C '' "$status" "$out" "$err"

run halt '   org 08000h
   ld a,68
   out (1),a
   halt
   ld a,69
   out (1),a'
check halt 0 D '' "$status" "$out" "$err"

# IN from port 1 reads standard input: an unended last line gets a line
# end, then every read gives 26; other ports read 0FFh
read_program='   org 08000h
   ld b,5
loop:
   in a,(1)
   out (1),a
   djnz loop
   in a,(2)
   out (1),a
   jp $'
printf '%s\n' "$read_program" > "$work/read.asm"
out=$(printf 'ab' | Z80RUN=$runner "$root/tools/asm_run.sh" "$work/read.asm" | od -An -tu1 | tr -s ' ')
check input_unended 0 ' 97 98 10 26 26 255' '' 0 "$out" ''
out=$(printf 'a\n' | Z80RUN=$runner "$root/tools/asm_run.sh" "$work/read.asm" | od -An -tu1 | tr -s ' ')
check input_ended 0 ' 97 10 26 26 26 255' '' 0 "$out" ''
out=$(Z80RUN=$runner "$root/tools/asm_run.sh" "$work/read.asm" < /dev/null | od -An -tu1 | tr -s ' ')
check input_empty 0 ' 26 26 26 26 26 255' '' 0 "$out" ''

# the last byte written to port 0FFh is the status, and is not shown
run status_port '   org 08000h
   ld a,70
   out (1),a
   ld a,7
   out (0ffh),a
   ld a,203
   out (0ffh),a
   jp $'
check status_port 203 F '^z80run: the program ended with status 203$' "$status" "$out" "$err"

run runaway '   org 08000h
spin:
   inc a
   jr spin' --limit 1000
check runaway 3 '' '^z80run: T-state limit 1000 exceeded$' "$status" "$out" "$err"

run measure '   org 08000h
   call twice
   call twice
   jp $
twice:
   nop
   ret' --measure twice
check measure 0 '' 'calls 2 min 14 avg 14.0 max 14' "$status" "$out" "$err"

out=$("$runner" "$work/missing.bin" 2> "$work/err")
status=$?
check missing_file 2 '' "cannot read '$work/missing.bin'" "$status" "$out" "$(cat "$work/err")"

out=$("$runner" --limit nine "$work/missing.bin" 2> "$work/err")
status=$?
check bad_limit 2 '' "limit wants a positive number" "$status" "$out" "$(cat "$work/err")"

# an image that would not fit above its load address
head -c 40000 /dev/zero > "$work/big.bin"
out=$("$runner" --load 08000h "$work/big.bin" 2> "$work/err")
status=$?
check too_big 2 '' "does not fit in memory" "$status" "$out" "$(cat "$work/err")"

echo "runner: $passed passed, $failed failed"
[ $failed -eq 0 ]
