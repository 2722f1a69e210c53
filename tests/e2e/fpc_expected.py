#!/usr/bin/env python3
"""Works out the expected console output of end-to-end cases with Free Pascal.

    fpc_expected.py [--force] CASE.pas...

The cases are written in the part of the language that Free Pascal also
takes, so their expected output is what Free Pascal's program prints (in
objfpc mode, for the same integer types).  For each case the program is
compiled with fpc next to an empty system.inc (Free Pascal has write, new,
nil, true, false and length built in) and run; its output, with every line
ended by CR LF as the Z80 programs end them, becomes CASE.expected.  An
existing .expected file is kept unless --force is given.

Cases that Free Pascal cannot compile (asm blocks for the Z80, operator
declarations and other forms of this language only) carry the line

    { expected output worked out by hand }

and are skipped; their .expected files are written by hand.

A program that Free Pascal stops with a run-time error this compiler's
programs also stop with (division by zero, ...) ends there with that
error's number as its status: its expected output is what it wrote up to
then and the line the Z80 run-time library writes, "Runtime error N:
what", on a line of its own; the number also goes into CASE.status.

CASE.stdin, when there is one, is the program's standard input, and a
program that calls halt(N) may end with status N.

The end-to-end tests themselves never need fpc: only this script does.
"""
import os
import shutil
import subprocess
import sys
import tempfile

BY_HAND = "{ expected output worked out by hand }"

# The run-time errors of the Z80 programs, by number, as they write them.
RUNTIME_ERRORS = {
    106: "invalid numeric format",
    200: "division by zero",
    202: "stack overflow",
    203: "heap overflow",
    204: "invalid pointer operation",
}


def expected_output(case):
    with tempfile.TemporaryDirectory(prefix="fpc_e2e_") as work:
        source = os.path.join(work, "prog.pas")
        shutil.copy(case, source)
        open(os.path.join(work, "system.inc"), "w").close()
        build = subprocess.run(["fpc", "-Mobjfpc", "-O-", "-v0", "-oprog", "prog.pas"],
                               cwd=work, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        if build.returncode != 0:
            raise RuntimeError("fpc failed on %s:\n%s" % (case, build.stdout.decode(errors="replace")))
        stdin_file = case[:-4] + ".stdin"
        stdin = open(stdin_file, "rb").read() if os.path.exists(stdin_file) else b""
        run = subprocess.run([os.path.join(work, "prog")], cwd=work, input=stdin,
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=60)
        out = run.stdout.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")
        if run.returncode == 0 or "halt(" in open(case).read():
            return out, run.returncode
        if run.returncode not in RUNTIME_ERRORS:
            raise RuntimeError("%s ended with status %d" % (case, run.returncode))
        if out and not out.endswith(b"\n"):
            out += b"\r\n"
        message = "Runtime error %d: %s\r\n" % (run.returncode, RUNTIME_ERRORS[run.returncode])
        return out + message.encode(), run.returncode


def main(argv):
    force = "--force" in argv
    cases = [a for a in argv if a != "--force"]
    if not cases:
        print(__doc__)
        return 2
    status = 0
    for case in cases:
        target = case[:-4] + ".expected"
        if BY_HAND in open(case).read():
            print("by hand: " + case)
            continue
        if os.path.exists(target) and not force:
            print("kept:    " + target)
            continue
        try:
            data, stopped = expected_output(case)
        except (RuntimeError, subprocess.TimeoutExpired) as failure:
            print(failure)
            status = 1
            continue
        with open(target, "wb") as out:
            out.write(data)
        status_file = case[:-4] + ".status"
        if stopped:
            with open(status_file, "w") as out:
                out.write("%d\n" % stopped)
        elif os.path.exists(status_file):
            os.remove(status_file)
        print("wrote:   " + target)
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
