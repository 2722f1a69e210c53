#!/bin/sh
# build_checks.sh: tools/build.sh from a program to the file each machine
# runs (both spellings of --target), and its refusals: an image that
# passes the top of the machine's memory, an unknown target.
#
#   tests/machines/build_checks.sh TARNWICK Z80RUN
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
export TARNWICK=$1
runner=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/build_checks.XXXXXX") || exit 2
trap 'rm -rf "$work"' EXIT INT TERM
failed=0
passed=0

# expect NAME CONDITION...: counts the check as passed when CONDITION holds
expect() {
  name=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    echo "$name: failed ($*)"
    failed=$((failed + 1))
  fi
}

printf "program hi;\n{\$i system.inc}\nbegin\n  writeln('hi ', 6 * 7);\nend.\n" > "$work/hi.pas"
crlf=$(printf 'hi 42\r\n.')

sh "$root/tools/build.sh" --target cpm "$work/hi.pas" > "$work/log" 2>&1
expect cpm_built [ $? -eq 0 -a -f "$work/hi.com" ]
out=$("$runner" --machine cpm "$work/hi.com"; echo .)
expect cpm_runs [ "$out" = "$crlf" ]

sh "$root/tools/build.sh" --target=zx "$work/hi.pas" > "$work/log" 2>&1
expect zx_built [ $? -eq 0 -a -f "$work/hi.tap" -a -f "$work/hi.bin" ]
out=$("$runner" --machine zx "$work/hi.bin")
expect zx_runs [ "$out" = "hi 42" ]

sh "$root/tools/build.sh" "$work/hi.pas" > "$work/log" 2>&1
expect flat_built [ $? -eq 0 -a -f "$work/hi.bin" ]
out=$("$runner" "$work/hi.bin"; echo .)
expect flat_runs [ "$out" = "$crlf" ]

# one byte more than fits below the BDOS (0E406h) or the UDGs (0FF58h)
printf '   org 0100h\n   defs 0e306h\n' > "$work/cpm_big.asm"
sh "$root/tools/build.sh" --target=cpm "$work/cpm_big.asm" > "$work/log" 2>&1
expect cpm_largest [ $? -eq 0 ]
printf '   org 0100h\n   defs 0e307h\n' > "$work/cpm_big.asm"
sh "$root/tools/build.sh" --target=cpm "$work/cpm_big.asm" > "$work/log" 2>&1
expect cpm_too_big [ $? -eq 1 ]
expect cpm_too_big_message grep -q 'past E406h' "$work/log"
printf '   org 08000h\n   defs 07f59h\n' > "$work/zx_big.asm"
sh "$root/tools/build.sh" --target=zx "$work/zx_big.asm" > "$work/log" 2>&1
expect zx_too_big [ $? -eq 1 ]
expect zx_too_big_message grep -q 'past FF58h' "$work/log"

sh "$root/tools/build.sh" --target=msx "$work/hi.pas" > "$work/log" 2>&1
expect unknown_target [ $? -eq 2 ]

echo "build.sh: $passed passed, $failed failed"
[ $failed -eq 0 ]
