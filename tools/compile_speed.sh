#!/usr/bin/env bash
# Compile time of tarnwick against Free Pascal on generated programs.
#
#   tools/compile_speed.sh N              N procedures of 14 lines each
#   tools/compile_speed.sh --vars V U     V global variables and U uses of them
#
# The N-procedure program is what look-ups meet in a large program: each
# procedure has parameters and locals, reads a global variable, a constant
# and built-in types, calls the procedure before it and writes a number.  The
# procedures go into include files of at most 2,500 procedures (35,000
# lines), since a source file holds at most 65,535 lines.  The --vars program
# declares V word variables, ten to a line (at absolute addresses, the ten of
# a line at the same one: so many do not fit in the main program's stack
# frame), and a main body of U/2 assignments, each reading one variable and
# writing another; Free Pascal refuses that program.
#
# Both compilers compile the same file (Free Pascal for the host, in objfpc
# mode, without linking; tarnwick reads rtl/system.inc, which only it
# includes).  They run in turn, RUNS times each (default 5), under
# /usr/bin/time; the line shows the median processor time (user + system,
# which a busy machine disturbs less than the wall clock), the time per 1,000
# lines, the largest peak memory and the median of the pairs' time ratios.  tarnwick is $TARNWICK, else build/tarnwick, given the options in
# $TARNWICK_OPTIONS (e.g. TARNWICK_OPTIONS=-O).  With KEEP=DIR
# the generated program and the compilers' output stay in DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/need_packages.sh
need_packages time fp-compiler python3 || exit 1

tarnwick=${TARNWICK:-build/tarnwick}
read -r -a tarnwick_options <<<"${TARNWICK_OPTIONS:-}"
runs=${RUNS:-5}
if [ ! -x "$tarnwick" ]; then
  echo "compile_speed.sh: $tarnwick not found (build first, or set TARNWICK)"
  exit 2
fi
case ${1:-} in
  --vars) [ $# -eq 3 ] || { echo "usage: tools/compile_speed.sh --vars V U"; exit 2; } ;;
  [0-9]*) [ $# -eq 1 ] || { echo "usage: tools/compile_speed.sh N"; exit 2; } ;;
  *) echo "usage: tools/compile_speed.sh N | --vars V U"; exit 2 ;;
esac

if [ -n "${KEEP:-}" ]; then
  work=$KEEP
  mkdir -p "$work"
else
  work=$(mktemp -d "${TMPDIR:-/tmp}/compile_speed.XXXXXX")
  trap 'rm -rf "$work"' EXIT INT TERM
fi

lines=$(python3 - "$work" "$@" <<'EOF'
import os, sys

work, args = sys.argv[1], sys.argv[2:]
header = "{$ifdef tarn}{$i system.inc}{$endif}\n"

def procedure(k):
    call = "p%d(a - 1, b);" % (k - 1) if k else "b := b + 1;"
    return ("procedure p%d(a: smallint; var b: word);\n"
            "var\n  i: smallint;\n  t: count;\n"
            "begin\n"
            "  t := b + shared;\n"
            "  for i := 1 to a do\n    t := t + i;\n"
            "  if t > limit then\n    t := t - limit;\n"
            "  b := t;\n  %s\n  writeln(t);\nend;\n" % (k, call))

def speed_program(n):
    per_file = 2500
    with open(os.path.join(work, "prog.pas"), "w") as out:
        out.write("program speed;\n" + header)
        out.write("const\n  limit = 1000;\ntype\n  count = word;\n"
                  "var\n  shared, w: word;\n")
        for first in range(0, n, per_file):
            name = "speed_%d.inc" % (first // per_file + 1)
            out.write("{$i %s}\n" % name)
            with open(os.path.join(work, name), "w") as inc:
                for k in range(first, min(n, first + per_file)):
                    inc.write(procedure(k))
        out.write("begin\n  shared := 7;\n  w := 0;\n")
        if n:
            out.write("  p%d(3, w);\n" % (n - 1))
        out.write("  writeln(w);\nend.\n")

def vars_program(v, u):
    with open(os.path.join(work, "prog.pas"), "w") as out:
        out.write("program manyvars;\n" + header + "var\n")
        for first in range(1, v + 1, 10):
            names = ["v%d" % i for i in range(first, min(v, first + 9) + 1)]
            out.write("  %s: word absolute %d;\n" % (", ".join(names), 32768 + first % 30000))
        out.write("begin\n")
        for k in range(u // 2):
            a, b = k * 7919 % v + 1, k * 104729 % v + 1
            out.write("  v%d := v%d + 1;\n" % (a, b))
        out.write("end.\n")

if args[0] == "--vars":
    vars_program(int(args[1]), int(args[2]))
else:
    speed_program(int(args[0]))
print(sum(open(os.path.join(work, f)).read().count("\n")
          for f in os.listdir(work) if f.endswith((".pas", ".inc"))))
EOF
)

# Runs a command once under /usr/bin/time; appends "cpu-seconds peak-KB" to
# the file named first, or returns 1 when the command fails.
run_timed() {
  local times=$1
  shift
  /usr/bin/time -f '%U %S %M' -o "$work/time" "$@" >"$work/out" 2>&1 </dev/null || return 1
  awk '{ printf "%.2f %d\n", $1 + $2, $3 }' "$work/time" >>"$times"
}

: >"$work/tarnwick.times"
: >"$work/fpc.times"
fpc_ok=1
for ((i = 0; i < runs; i++)); do
  if ! run_timed "$work/tarnwick.times" "$tarnwick" ${tarnwick_options[@]+"${tarnwick_options[@]}"} "$work/prog.pas" ||
     grep -q '^Error at' "$work/out"; then
    grep -A2 '^Error at' "$work/out" | head -20 || tail -20 "$work/out"
    echo "compile_speed.sh: tarnwick failed on the generated program"
    exit 1
  fi
  # Free Pascal refuses some programs (absolute addresses, a main body of
  # many thousand statements): its columns then stay empty.
  if [ $fpc_ok = 1 ] && ! run_timed "$work/fpc.times" fpc -Mobjfpc -v0 -Cn -FU"$work" -FE"$work" "$work/prog.pas"; then
    fpc_ok=0
    echo "fpc: $(grep -m1 -i 'fatal\|error' "$work/out")"
  fi
done
[ $fpc_ok = 1 ] || : >"$work/fpc.times"

paste "$work/tarnwick.times" "$work/fpc.times" | awk -v l="$lines" '
  function median(a, n,   i, j, t) {
    for (i = 2; i <= n; i++)
      for (j = i; j > 1 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
  }
  { t[NR] = $1; if ($2 > m) m = $2
    if (NF == 4) { f[NR] = $3; if ($4 > fm) fm = $4; r[NR] = $3 > 0 ? $1 / $3 : 0 } }
  END {
    printf "%-8s %9s %10s %10s %9s %10s %10s %7s\n", "lines", "tarnwick", "per 1000", "peak KB",
           "fpc", "per 1000", "peak KB", "ratio"
    tt = median(t, NR)
    if (length(f) == 0)
      printf "%-8d %8.2fs %9.4fs %10d %9s %10s %10s %7s\n", l, tt, tt * 1000 / l, m, "-", "-", "-", "-"
    else {
      ft = median(f, NR)
      printf "%-8d %8.2fs %9.4fs %10d %8.2fs %9.4fs %10d %7.2f\n", l, tt, tt * 1000 / l, m,
             ft, ft * 1000 / l, fm, median(r, NR)
    }
  }'
