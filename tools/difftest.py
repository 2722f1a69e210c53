#!/usr/bin/env python3
"""difftest.py: differential testing of tarnwick against Free Pascal.

    difftest.py [--count N] [--seed S] [--small] [--keep DIR] [--limit T]
                [--tarnwick PATH] [--tarnwick-arg=ARG]... [--z80run PATH] [--quiet]
    difftest.py --file PROG.pas [--keep DIR] [--tarnwick-arg=ARG]...

Generates N programs with tools/progen.py (seeds S, S+1, ...), and for each:

  1. compiles it with tarnwick in a scratch directory laid out like the
     project root (system_z80lib.asm and rtl/ beside it), assembles it with
     GNU as for Z80 and runs it in z80run under a T-state limit;
  2. compiles the same program without its {$i system.inc} line with Free
     Pascal (fpc -Mobjfpc) and runs it; line ends become CR LF, as on the Z80;
  3. compares the two outputs.  The generator's own interpreter gives a
     third output: when Free Pascal disagrees with it, the generator's model
     is wrong rather than the compiler, and the program is counted apart.

Each difference is kept in DIR (default build-fz/differences) as
seed-N/prog.pas with both outputs, for tools/reduce.py.  The summary gives
programs, lines, differences, programs either compiler refused, programs
over the T-state limit, and the time taken.  Exit status 1 when any
difference was found.

Free Pascal comes from the Debian package fp-compiler: when fpc is missing
and the script runs as root, it installs it with apt-get.  --file tests one
existing program (in the dialect, with its {$i system.inc} line) instead of
generated ones.  --tarnwick-arg=ARG passes ARG to tarnwick before the
source file (repeat it for more), e.g. --tarnwick-arg=-O for the optimizing
mode.
"""
import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
sys.path.insert(0, HERE)
import progen  # noqa: E402

COMPILER_PROBLEMS = ("Error", "error", "TODO", "not found")


def find_tool(explicit, candidates):
    if explicit:
        return os.path.abspath(explicit)
    for c in candidates:
        path = os.path.join(ROOT, c)
        if os.path.exists(path):
            return path
    return None


def ensure_fpc():
    if shutil.which("fpc"):
        return True
    if os.geteuid() != 0:
        print("difftest: fpc is missing (install the Debian package fp-compiler)")
        return False
    env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    subprocess.run(["apt-get", "update", "-qq"], stdin=subprocess.DEVNULL, env=env)
    subprocess.run(["apt-get", "install", "-y", "-qq", "fp-compiler"],
                   stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, env=env)
    return shutil.which("fpc") is not None


class Outcome:
    def __init__(self, kind, detail=""):
        self.kind, self.detail = kind, detail


def run_tarnwick(tarnwick, z80run, work, text, limit, tarnwick_args=()):
    with open(os.path.join(work, "prog.pas"), "w", newline="\n") as f:
        f.write(text)
    asm = os.path.join(work, "prog.asm")
    if os.path.exists(asm):
        os.remove(asm)
    run = subprocess.run([tarnwick, *tarnwick_args, "prog.pas"], cwd=work,
                         stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                         stderr=subprocess.STDOUT, timeout=60)
    console = run.stdout.decode(errors="replace")
    problems = [line for line in console.split("\n") if any(p in line for p in COMPILER_PROBLEMS)]
    if run.returncode != 0 or problems or not os.path.exists(asm):
        return Outcome("refused", "status %d\n%s" % (run.returncode, console))
    env = dict(os.environ, Z80RUN=z80run)
    run = subprocess.run(["sh", os.path.join(ROOT, "tools", "asm_run.sh"), "--limit", str(limit), asm],
                         env=env, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                         stderr=subprocess.PIPE, timeout=600)
    if run.returncode != 0:
        err = run.stderr.decode(errors="replace")
        kind = "limit" if "limit" in err.lower() else "asm-or-run"
        if "too large for field" in err:
            kind = "too-big"   # more code than the 32K above 08000h hold
        return Outcome(kind, "status %d\n%s" % (run.returncode, err), ) if kind != "limit" else \
            Outcome("limit", err + "\noutput so far:\n" + run.stdout.decode(errors="replace"))
    return Outcome("ok", run.stdout.decode("latin-1"))


def run_fpc(work, text):
    with open(os.path.join(work, "fpc.pas"), "w", newline="\n") as f:
        f.write(text)
    exe = os.path.join(work, "fpcprog")
    if os.path.exists(exe):
        os.remove(exe)
    run = subprocess.run(["fpc", "-Mobjfpc", "-O-", "-v0", "-ofpcprog", "fpc.pas"], cwd=work,
                         stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                         timeout=120)
    if run.returncode != 0 or not os.path.exists(exe):
        return Outcome("refused", run.stdout.decode(errors="replace"))
    run = subprocess.run([exe], cwd=work, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                         stderr=subprocess.STDOUT, timeout=60)
    if run.returncode != 0:
        return Outcome("asm-or-run", "status %d" % run.returncode)
    out = run.stdout.decode("latin-1").replace("\r\n", "\n").replace("\n", "\r\n")
    return Outcome("ok", out)


def first_difference(a, b):
    la, lb = a.split("\r\n"), b.split("\r\n")
    for i in range(max(len(la), len(lb))):
        x = la[i] if i < len(la) else None
        y = lb[i] if i < len(lb) else None
        if x != y:
            return "line %d: tarnwick %r, fpc %r" % (i + 1, x, y)
    return "equal"


def keep_case(keep, name, text, fpc_text, outcomes):
    if not keep:
        return None
    d = os.path.join(keep, name)
    os.makedirs(d, exist_ok=True)
    with open(os.path.join(d, "prog.pas"), "w", newline="\n") as f:
        f.write(text)
    with open(os.path.join(d, "fpc.pas"), "w", newline="\n") as f:
        f.write(fpc_text)
    for label, outcome in outcomes.items():
        with open(os.path.join(d, label + ".txt"), "w", encoding="latin-1", newline="") as f:
            f.write(outcome.kind + "\n" + outcome.detail)
    return d


def prepare_work(work):
    shutil.copy(os.path.join(ROOT, "system_z80lib.asm"), work)
    shutil.copytree(os.path.join(ROOT, "rtl"), os.path.join(work, "rtl"), dirs_exist_ok=True)


def fpc_text_of(text):
    return "\n".join(line for line in text.split("\n")
                     if line.strip().lower() != "{$i system.inc}")


def compare_one(tarnwick, z80run, work, text, limit, expected=None, tarnwick_args=()):
    """Returns (verdict, outcomes); verdict is same, differ, model, refused, limit."""
    fpc_text = fpc_text_of(text)
    tw = run_tarnwick(tarnwick, z80run, work, text, limit, tarnwick_args)
    fp = run_fpc(work, fpc_text)
    outcomes = {"tarnwick": tw, "fpc": fp}
    if fp.kind != "ok":
        return "fpc-refused", outcomes
    if expected is not None and expected.replace("\n", "\r\n") != fp.detail:
        return "model", outcomes
    if tw.kind == "refused":
        return "refused", outcomes
    if tw.kind in ("limit", "too-big"):
        return tw.kind, outcomes
    if tw.kind != "ok" or tw.detail != fp.detail:
        return "differ", outcomes
    return "same", outcomes


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--count", type=int, default=20)
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--small", action="store_true")
    ap.add_argument("--keep", default=os.path.join(ROOT, "build-fz", "differences"))
    ap.add_argument("--limit", type=int, default=400000000, help="T-state limit per program")
    ap.add_argument("--tarnwick")
    ap.add_argument("--tarnwick-arg", action="append", default=[], metavar="ARG",
                    help="pass ARG to tarnwick (repeatable); write it --tarnwick-arg=-O")
    ap.add_argument("--z80run")
    ap.add_argument("--file", help="test this program instead of generated ones")
    ap.add_argument("--quiet", action="store_true")
    args = ap.parse_args(argv)
    sys.setrecursionlimit(20000)

    tarnwick = find_tool(args.tarnwick, ["build-fz/tarnwick", "build/tarnwick"])
    z80run = find_tool(args.z80run, ["build-fz/tools/z80run/z80run", "build/tools/z80run/z80run"])
    if not tarnwick or not z80run:
        print("difftest: build tarnwick and z80run first (cmake --build build-fz)")
        return 2
    if not ensure_fpc():
        return 2

    counts = {}
    lines = 0
    start = time.time()
    with tempfile.TemporaryDirectory(prefix="difftest_") as work:
        prepare_work(work)
        if args.file:
            text = open(args.file).read()
            verdict, outcomes = compare_one(tarnwick, z80run, work, text, args.limit,
                                            tarnwick_args=args.tarnwick_arg)
            print("%s: %s" % (args.file, verdict))
            if verdict == "differ":
                print(first_difference(outcomes["tarnwick"].detail, outcomes["fpc"].detail))
            elif verdict != "same":
                for label, o in outcomes.items():
                    print("--- %s: %s\n%s" % (label, o.kind, o.detail[-3000:]))
            return 0 if verdict == "same" else 1
        for seed in range(args.seed, args.seed + args.count):
            try:
                program, expected = progen.build(seed, args.small)
            except RuntimeError as failure:
                counts["no-program"] = counts.get("no-program", 0) + 1
                print("seed %d: %s" % (seed, failure))
                continue
            text = program.text()
            lines += text.count("\n")
            try:
                verdict, outcomes = compare_one(tarnwick, z80run, work, text, args.limit,
                                                expected, args.tarnwick_arg)
            except subprocess.TimeoutExpired as timeout:
                verdict, outcomes = "limit", {"timeout": Outcome("limit", str(timeout))}
            counts[verdict] = counts.get(verdict, 0) + 1
            if verdict != "same":
                where = keep_case(args.keep, "seed-%d" % seed, text, fpc_text_of(text), outcomes)
                detail = ""
                if verdict == "differ" and outcomes["tarnwick"].kind == "ok":
                    detail = first_difference(outcomes["tarnwick"].detail, outcomes["fpc"].detail)
                else:
                    first = [o for o in outcomes.values() if o.kind != "ok"]
                    detail = first[0].detail.strip().split("\n")[-1][:200] if first else ""
                print("seed %d: %s (%s) %s" % (seed, verdict, where, detail))
            elif not args.quiet:
                print("seed %d: same" % seed)
    elapsed = time.time() - start
    programs = sum(counts.values())
    mode = " (tarnwick %s)" % " ".join(args.tarnwick_arg) if args.tarnwick_arg else ""
    print("difftest%s: %d programs, %d lines, %d same, %d differences, %d refused by tarnwick, "
          "%d refused by fpc, %d over the T-state limit, %d too big for the Z80, %d where fpc "
          "disagrees with the generator, %.0fs"
          % (mode, programs, lines, counts.get("same", 0), counts.get("differ", 0),
             counts.get("refused", 0), counts.get("fpc-refused", 0), counts.get("limit", 0),
             counts.get("too-big", 0), counts.get("model", 0), elapsed))
    bad = sum(v for k, v in counts.items() if k != "same")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
