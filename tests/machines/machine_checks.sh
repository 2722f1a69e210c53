#!/bin/sh
# machine_checks.sh: z80run's CP/M and Spectrum machines, and the tape
# writer read back by tzxlist and listbasic (fuse-emulator-utils; those
# checks are skipped when the tools are missing).
#
#   tests/machines/machine_checks.sh Z80RUN
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
runner=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/machines.XXXXXX") || exit 2
trap 'rm -rf "$work"' EXIT INT TERM
failed=0
passed=0

# check NAME WANTED_STATUS WANTED_STDOUT WANTED_STDERR_PATTERN (the output
# is compared without its trailing line feeds)
check() {
  err=$(cat "$work/err")
  out=$(cat "$work/out")
  if [ "$status" = "$2" ] && [ "$out" = "$(printf '%s' "$3")" ] && printf '%s\n' "$err" | grep -q -- "$4"; then
    passed=$((passed + 1))
  else
    echo "$1: status $status (wanted $2), output '$out' (wanted '$3'), errors '$err' (wanted /$4/)"
    failed=$((failed + 1))
  fi
}

# build NAME ADDRESS: assembles $work/NAME.asm (or tests/machines/NAME.asm)
# into the image $work/NAME.bin whose first byte belongs at ADDRESS.
build() {
  source=$work/$1.asm
  [ -f "$source" ] || source=$here/$1.asm
  z80-unknown-coff-as -o "$work/$1.o" "$source" &&
    z80-unknown-coff-ld -Ttext "$2" -o "$work/$1.out" "$work/$1.o" &&
    z80-unknown-coff-objcopy -O binary "$work/$1.out" "$work/$1.bin" || exit 1
}

# run MACHINE NAME [INPUT]: runs the image with INPUT as standard input
run() {
  printf '%s' "${3:-}" | "$runner" --limit 10000000 --machine "$1" "$work/$2.bin" \
    > "$work/out" 2> "$work/err"
  status=$?
}

crlf=$(printf '\r\n.')
crlf=${crlf%.}

# CP/M: the line read stops at the buffer's 3 characters, keys follow with
# Enter as 0Dh (shown as |) and Ctrl-Z at the end of the input, which gets a
# line end first when its last line has none.
build cpm_console 0x100
run cpm cpm_console 'abcd
xy'
check cpm_console 0 "Hello, CP/M!${crlf}[abc]d|xy|${crlf}" '^$'
run cpm cpm_console ''
check cpm_console_no_input 0 "Hello, CP/M!${crlf}[$(printf '\032')]${crlf}" '^$'

# CP/M 3's program return code from 0FF00h up is a failure: its low byte
# is the status; jp 0 ends the run.
printf '   ld c,108\n   ld de,0ff07h\n   call 5\n   jp 0\n' > "$work/cpm_code.asm"
build cpm_code 0x100
run cpm cpm_code
check cpm_return_code 7 '' 'ended with status 7'

# A RET with the stack CP/M started the program with is a warm boot;
# BDOS function 0 is one too; OUT is no console on CP/M.
printf '   ld e,65\n   ld c,2\n   call 5\n   ret\n' > "$work/cpm_ret.asm"
build cpm_ret 0x100
run cpm cpm_ret
check cpm_ret 0 'A' '^$'
printf '   ld a,65\n   out (1),a\n   ld c,0\n   call 5\n   ld e,66\n   ld c,2\n   call 5\n   jp $\n' \
  > "$work/cpm_reset.asm"
build cpm_reset 0x100
run cpm cpm_reset
check cpm_reset 0 '' '^$'

printf '   ld c,15\n   call 5\n   jp 0\n' > "$work/cpm_file.asm"
build cpm_file 0x100
run cpm cpm_file
check cpm_unemulated 2 '' 'BDOS function 15 is not emulated'

# a .COM file must end below the BDOS entry (0E406h): 0E306h bytes fit
head -c 58118 /dev/zero > "$work/fits.bin"
printf '\303\000\000' | dd of="$work/fits.bin" conv=notrunc 2> /dev/null
run cpm fits
check cpm_largest 0 '' '^$'
head -c 58119 /dev/zero > "$work/big.bin"
run cpm big
check cpm_too_big 2 '' 'does not fit below the BDOS'

# Spectrum: the ROM's character set, 0Dh as a line end, colour parameters
# swallowed, comma and TAB as spaces to their column.
build zx_print 0x8000
run zx zx_print
check zx_print 0 "Hi
↑£©▌
PRINT x
ink
ab              c
a    b" '^$'

# BASIC needs its stack, IY and HL' back; other ROM routines are not there.
printf '   pop hl\n   push hl\n   push hl\n   ret\n' > "$work/zx_stack.asm"
build zx_stack 0x8000
run zx zx_stack
check zx_stack_moved 2 '' 'returned to BASIC with the stack at 7FF6h instead of 7FF8h'
printf '   ld iy,0\n   ld a,65\n   rst 10h\n   ret\n' > "$work/zx_iy.asm"
build zx_iy 0x8000
run zx zx_iy
check zx_iy 2 '' 'RST 10h with IY not at the system variables'
printf '   exx\n   ld hl,0\n   exx\n   ret\n' > "$work/zx_hl.asm"
build zx_hl 0x8000
run zx zx_hl
check zx_hl_alt 2 '' "without its IY (5C3Ah) and HL' (2758h)"
printf '   call 0dafh\n   ret\n' > "$work/zx_cls.asm"
build zx_cls 0x8000
run zx zx_cls
check zx_unemulated 2 '' 'ROM routine at 0DAFh is not emulated'

# The tape of zx_print: loader and code with their lengths, every checksum
# passing, the loader's line as BASIC lists it; a damaged byte is caught.
if command -v tzxlist > /dev/null 2>&1 && command -v listbasic > /dev/null 2>&1; then
  python3 "$root/tools/zxtap.py" "$work/zx_print.bin" "$work/zxprint.tap"
  size=$(wc -c < "$work/zx_print.bin" | tr -d ' ')
  tzxlist "$work/zxprint.tap" > "$work/list" 2>&1
  status=$?
  summary=$(grep -E 'Program:|Bytes:|Datablock length|Length:|Checksum' "$work/list" |
            sed 's/Checksum: 0x[0-9a-f]*/Checksum:/' | tr -s ' ')
  listbasic "$work/zxprint.tap" > "$work/out" 2> "$work/err"
  listed=$(cat "$work/out")
  want=" Program: \"zxprint \" LINE 10
 Length: 36, includes variable length: 0
 Checksum: (PASS)
 Datablock length: 36
 Checksum: (PASS)
 Bytes: \"zxprint \" CODE 32768, $size
 Checksum: (PASS)
 Datablock length: $size
 Checksum: (PASS)"
  if [ $status -eq 0 ] && [ "$summary" = "$want" ] &&
     [ "$listed" = '   10 CLEAR 32767: LOAD ""CODE : RANDOMIZE USR 32768' ]; then
    passed=$((passed + 1))
  else
    echo "tape: tzxlist status $status, listed:"
    printf '%s\n' "$summary" "$listed"
    failed=$((failed + 1))
  fi
  # flip one byte of the code: its block's checksum must fail
  python3 -c "import sys; d = bytearray(open(sys.argv[1], 'rb').read()); d[-3] ^= 1; open(sys.argv[1], 'wb').write(d)" \
    "$work/zxprint.tap"
  if tzxlist "$work/zxprint.tap" 2>&1 | grep -q 'FAIL'; then
    passed=$((passed + 1))
  else
    echo "tape: a damaged byte went unnoticed"
    failed=$((failed + 1))
  fi
else
  echo "tape: tzxlist or listbasic missing (fuse-emulator-utils), tape checks skipped"
fi

echo "machines: $passed passed, $failed failed"
[ $failed -eq 0 ]
