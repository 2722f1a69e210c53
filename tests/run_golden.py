#!/usr/bin/env python3
"""Runs tarnwick on one golden case folder and compares the results.

A case folder holds a small source tree plus:
  expected_stdout   the exact console output
  expected_status   the exit status (0 when absent)
  expected.asm      the written assembly file (optional; checked when present)
                    a run with a status other than 0 must leave no .asm at all,
                    also when the case folder holds one from an "earlier run"
  args              command-line arguments (default: main.pas)
  stdin             text fed to standard input (default: none)
The tree is copied to a scratch working directory first.  Standard error must
stay empty.  With UPDATE_GOLDEN=1 the expectations are rewritten instead.
"""
import os
import shutil
import subprocess
import sys
import tempfile

EXPECTED = {"expected_stdout", "expected_status", "expected.asm", "args", "stdin"}


def read(path, default=None):
    if not os.path.exists(path):
        return default
    with open(path, "rb") as f:
        return f.read()


def main():
    tarnwick, case = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    args = (read(os.path.join(case, "args"), b"main.pas").decode().split())
    stdin = read(os.path.join(case, "stdin"), b"")
    with tempfile.TemporaryDirectory(prefix="tarnwick_golden_") as work:
        for entry in os.listdir(case):
            if entry in EXPECTED:
                continue
            src = os.path.join(case, entry)
            if os.path.isdir(src):
                shutil.copytree(src, os.path.join(work, entry))
            else:
                shutil.copy(src, work)
        run = subprocess.run([tarnwick] + args, cwd=work, input=stdin,
                             stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=60)
        source = source_argument(args)
        asm_name = output_name(source) if source is not None else None
        asm = read(os.path.join(work, asm_name)) if asm_name else None

    if os.environ.get("UPDATE_GOLDEN") == "1":
        with open(os.path.join(case, "expected_stdout"), "wb") as f:
            f.write(run.stdout)
        with open(os.path.join(case, "expected_status"), "w") as f:
            f.write("%d\n" % run.returncode)
        if asm is not None and os.path.exists(os.path.join(case, "expected.asm")):
            with open(os.path.join(case, "expected.asm"), "wb") as f:
                f.write(asm)
        return 0

    failures = []
    if run.stderr:
        failures.append("standard error is not empty:\n" + run.stderr.decode(errors="replace"))
    want_status = int(read(os.path.join(case, "expected_status"), b"0").decode().strip() or 0)
    if run.returncode != want_status:
        failures.append("exit status %d, expected %d" % (run.returncode, want_status))
    want_out = read(os.path.join(case, "expected_stdout"), b"")
    if run.stdout != want_out:
        failures.append(diff("stdout", want_out, run.stdout))
    want_asm = read(os.path.join(case, "expected.asm"))
    if want_asm is not None and asm != want_asm:
        failures.append(diff(asm_name, want_asm, asm or b""))
    if run.returncode != 0 and asm is not None and asm_name != source:
        failures.append("a failed run left %s behind" % asm_name)
    for f in failures:
        print(f)
    return 1 if failures else 0


def source_argument(args):
    """The compiler's rule: the first argument that is not an option (an
    option begins with "-"; "--" ends the options)."""
    options_ended = False
    for arg in args:
        if not options_ended and arg == "--":
            options_ended = True
        elif options_ended or not arg.startswith("-"):
            return arg
    return None


def output_name(source):
    """The compiler's rule: the file name's extension replaced by .asm."""
    if source.endswith("/"):
        return None
    return os.path.splitext(source)[0] + ".asm"


def diff(what, want, got):
    import difflib
    lines = difflib.unified_diff(want.decode(errors="replace").splitlines(),
                                 got.decode(errors="replace").splitlines(),
                                 "expected " + what, "actual " + what, lineterm="")
    return "\n".join(lines)


if __name__ == "__main__":
    sys.exit(main())
