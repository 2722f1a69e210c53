#!/usr/bin/env python3
"""End-to-end test: compile a program, assemble it, run it on the Z80.

    run_e2e.py [--compiler-arg=ARG]... [--every-rule-off] [--target=NAME]
               TARNWICK Z80RUN CASE.pas...

--compiler-arg=ARG passes ARG to tarnwick before the source file (repeat it
for more); --every-rule-off passes --no-rule=NAME for every rule that
tarnwick --list-rules names, so the general code alone must give the same
output (under a five times higher T-state limit).

--target=cpm or --target=zx compiles for that machine (tarnwick
--target=NAME), builds the program file with tools/build.sh and runs it in
z80run --machine NAME, with the same expected output and status:
  - cpm: the .COM must start with its call of __start, into the image as
    loaded at 0100h (build.sh has checked that it ends below the BDOS);
    its console writes CR LF as the flat machine does, so the output is
    compared unchanged;
  - zx: tzxlist must list the tape's loader and code block with the right
    lengths and every checksum passing, and the code block must start with
    its call of __start into the image at 08000h.  The Spectrum ends a line
    with 0Dh, which z80run shows as LF: the expected output's CR LF, lone
    CR and lone LF each become one LF, and the characters the ROM's set
    shows otherwise (an up arrow for ^, a pound sign for `, a copyright
    sign for DEL) are read back as ASCII.  A case the compiler refuses for
    the Spectrum because it reads the console (read and readln are not
    supported there) is skipped: the runner ends with status 77.

For each case, in a scratch directory laid out like the project root (a
copy of system_z80lib.asm and of rtl/, so {$i system.inc} is found through
the include search):

  1. tarnwick CASE.pas must end with status 0, write CASE.asm, and report no
     problem on its console (no "Error", no "error", no "TODO");
  2. tools/asm_run.sh assembles it with GNU as for Z80 and runs it in z80run
     under a T-state limit, with CASE.stdin as its console input when there
     is one (else none); the run must end with status 0, or with the
     status in CASE.status when there is one (a program that stops with
     run-time error N ends with status N);
  3. what the program writes must equal the expected output byte for byte.

The expected output is CASE.expected next to the case, or CASE.NAME.expected
for the target NAME when the output depends on the machine's memory (how
many blocks fill the heap), or CASE.NAME-O.expected for that target under
-O (whose smaller program leaves more heap).  A program of
examples/ has none: its header comment holds it instead, as the lines after
a line "Output:" up to the closing brace, indented by four spaces; each
becomes one line ended by CR LF.

Exit status 0 when every case passes, else 1.  Set E2E_KEEP=DIR to keep the
scratch files of the cases in DIR.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
LIBRARY = os.path.join(ROOT, "system_z80lib.asm")
RTL = os.path.join(ROOT, "rtl")
ASM_RUN = os.path.join(ROOT, "tools", "asm_run.sh")
BUILD = os.path.join(ROOT, "tools", "build.sh")
# A case that cannot run on the machine asked for.
SKIPPED = 77
NO_INPUT_ON_ZX = "is not supported on the zx target"
TSTATE_LIMIT = 200000000
# The general code alone is several times slower than with the rules.
RULES_OFF_SLOWDOWN = 5
tstate_limit = TSTATE_LIMIT
COMPILER_PROBLEMS = re.compile(r"Error|error|TODO|not found")


class CaseFailure(Exception):
    pass


class CaseSkipped(Exception):
    pass


def expected_output(case, target, optimized=False):
    expected_file = case[:-4] + ".expected"
    for name in ([target + "-O"] if optimized else []) + [target]:
        if os.path.exists(case[:-4] + "." + name + ".expected"):
            expected_file = case[:-4] + "." + name + ".expected"
            break
    if os.path.exists(expected_file):
        with open(expected_file, "rb") as f:
            return f.read()
    lines = open(case).read().split("\n")
    for i, line in enumerate(lines):
        if line.strip() == "Output:":
            out = []
            for text in lines[i + 1:]:
                if text.strip() == "}":
                    return "".join(t[4:] + "\r\n" for t in out).encode()
                out.append(text)
    raise CaseFailure("no %s and no Output: block in the header" % os.path.basename(expected_file))


def rule_names(tarnwick):
    """The names of the code rules, from tarnwick --list-rules (every line
    after the first begins with a name)."""
    run = subprocess.run([tarnwick, "--list-rules"], stdin=subprocess.DEVNULL,
                         stdout=subprocess.PIPE, timeout=60, check=True)
    lines = run.stdout.decode().splitlines()[1:]
    return [line.split()[0] for line in lines if line.strip()]


def compile_case(tarnwick, case, work, compiler_args):
    name = os.path.basename(case)
    shutil.copy(case, os.path.join(work, name))
    shutil.copy(LIBRARY, work)
    shutil.copytree(RTL, os.path.join(work, "rtl"))
    run = subprocess.run([tarnwick] + compiler_args + [name], cwd=work, stdin=subprocess.DEVNULL,
                         stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=120)
    console = run.stdout.decode(errors="replace")
    if run.returncode != 0 and NO_INPUT_ON_ZX in console:
        raise CaseSkipped("it reads the console, which the zx target has not")
    if run.returncode != 0:
        raise CaseFailure("the compiler ended with status %d:\n%s" % (run.returncode, console))
    problems = [line for line in console.split("\n") if COMPILER_PROBLEMS.search(line)]
    if problems:
        raise CaseFailure("the compiler reported problems:\n" + "\n".join(problems[:20]))
    asm = os.path.join(work, name[:-4] + ".asm")
    if not os.path.exists(asm):
        raise CaseFailure("the compiler wrote no %s" % os.path.basename(asm))
    return asm


def expected_status(case):
    status_file = case[:-4] + ".status"
    if os.path.exists(status_file):
        with open(status_file) as f:
            return int(f.read().strip())
    return 0


def console_input(case):
    stdin_file = case[:-4] + ".stdin"
    if os.path.exists(stdin_file):
        with open(stdin_file, "rb") as f:
            return f.read()
    return b""


def run_program(z80run, asm, want_status, stdin):
    env = dict(os.environ, Z80RUN=z80run)
    run = subprocess.run(["sh", ASM_RUN, "--limit", str(tstate_limit), asm], env=env,
                         input=stdin, stdout=subprocess.PIPE,
                         stderr=subprocess.PIPE, timeout=300)
    if run.returncode != want_status:
        raise CaseFailure("assembling or running ended with status %d instead of %d:\n%s\n"
                          "output so far: %r" % (run.returncode, want_status,
                                                 run.stderr.decode(errors="replace"), run.stdout))
    return run.stdout


def check_start(image, origin):
    """The image opens with "call __start", whose target lies in the image
    as the machine loads it at origin."""
    with open(image, "rb") as f:
        data = f.read()
    target = data[1] + 256 * data[2] if len(data) > 3 else 0
    if data[0] != 0xCD or not origin <= target < origin + len(data):
        raise CaseFailure("%s does not start with a call into itself at %04Xh"
                          % (os.path.basename(image), origin))


TAPE_LINES = re.compile(r"(Program|Bytes|Datablock length|Length|Checksum).*")


def check_tape(tape, code_size):
    """tzxlist reads the tape back: the loader, its 36 bytes, the code block
    at 32768 with its size, every checksum passing."""
    run = subprocess.run(["tzxlist", tape], stdout=subprocess.PIPE,
                         stderr=subprocess.STDOUT, timeout=60)
    listing = run.stdout.decode(errors="replace")
    lines = [re.sub(r"Checksum: 0x[0-9a-f]+", "Checksum:", m.group(0)).strip()
             for m in TAPE_LINES.finditer(listing)]
    name = os.path.basename(tape)[:-4][:10].ljust(10)
    want = ['Program: "%s" LINE 10' % name, "Length: 36, includes variable length: 0",
            "Checksum: (PASS)", "Datablock length: 36", "Checksum: (PASS)",
            'Bytes: "%s" CODE  32768, %d' % (name, code_size), "Checksum: (PASS)",
            "Datablock length: %d" % code_size, "Checksum: (PASS)"]
    if run.returncode != 0 or lines != want:
        raise CaseFailure("tzxlist lists the tape as\n  %s\ninstead of\n  %s"
                          % ("\n  ".join(lines), "\n  ".join(want)))


def run_on_machine(z80run, asm, target, want_status, stdin):
    build = subprocess.run(["sh", BUILD, "--target=" + target, asm], stdin=subprocess.DEVNULL,
                           stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=300)
    if build.returncode != 0:
        raise CaseFailure("tools/build.sh failed:\n" + build.stdout.decode(errors="replace"))
    if target == "cpm":
        image, origin = asm[:-4] + ".com", 0x100
    else:
        image, origin = asm[:-4] + ".bin", 0x8000
        check_tape(asm[:-4] + ".tap", os.path.getsize(image))
    check_start(image, origin)
    run = subprocess.run([z80run, "--machine", target, "--limit", str(tstate_limit), image],
                         input=stdin, stdout=subprocess.PIPE, stderr=subprocess.PIPE, timeout=300)
    if run.returncode != want_status:
        raise CaseFailure("running ended with status %d instead of %d:\n%s\noutput so far: %r"
                          % (run.returncode, want_status, run.stderr.decode(errors="replace"),
                             run.stdout))
    return run.stdout


# The ROM's characters that differ from ASCII, as z80run shows them.
ZX_CHARACTERS = [("\u2191".encode(), b"^"), ("\u00a3".encode(), b"`"), ("\u00a9".encode(), b"\x7f")]


def zx_output(want, got):
    """The expected and the actual output as the Spectrum's console gives
    them: LF line ends, ASCII characters."""
    want = want.replace(b"\r\n", b"\n").replace(b"\r", b"\n")
    for shown, ascii_char in ZX_CHARACTERS:
        got = got.replace(shown, ascii_char)
    return want, got


def show_difference(want, got):
    want_lines = want.split(b"\r\n")
    got_lines = got.split(b"\r\n")
    for i in range(max(len(want_lines), len(got_lines))):
        w = want_lines[i] if i < len(want_lines) else None
        g = got_lines[i] if i < len(got_lines) else None
        if w != g:
            return ("output differs from line %d on:\n  expected: %r\n  actual:   %r\n"
                    "whole output:\n%s" % (i + 1, w, g, got.decode(errors="replace")))
    return "output differs"


def compile_and_run(tarnwick, z80run, case, work, compiler_args, target):
    want_status = expected_status(case)
    stdin = console_input(case)
    if target == "flat":
        asm = compile_case(tarnwick, case, work, compiler_args)
        return run_program(z80run, asm, want_status, stdin)
    asm = compile_case(tarnwick, case, work, compiler_args + ["--target=" + target])
    return run_on_machine(z80run, asm, target, want_status, stdin)


def check_case(tarnwick, z80run, case, compiler_args, target):
    want = expected_output(case, target, "-O" in compiler_args)
    keep = os.environ.get("E2E_KEEP")
    if keep:
        work = os.path.join(keep, os.path.basename(case)[:-4])
        shutil.rmtree(work, ignore_errors=True)
        os.makedirs(work)
        got = compile_and_run(tarnwick, z80run, case, work, compiler_args, target)
    else:
        with tempfile.TemporaryDirectory(prefix="e2e_") as work:
            got = compile_and_run(tarnwick, z80run, case, work, compiler_args, target)
    if target == "zx":
        want, got = zx_output(want, got)
    if got != want:
        raise CaseFailure(show_difference(want, got))


def main(argv):
    compiler_args = []
    every_rule_off = False
    target = "flat"
    while argv and argv[0].startswith("--"):
        option = argv.pop(0)
        if option.startswith("--compiler-arg="):
            compiler_args.append(option[len("--compiler-arg="):])
        elif option in ("--target=flat", "--target=cpm", "--target=zx"):
            target = option[len("--target="):]
        elif option == "--every-rule-off":
            every_rule_off = True
        else:
            print("unknown option " + option)
            return 2
    if len(argv) < 3:
        print(__doc__)
        return 2
    tarnwick, z80run = os.path.abspath(argv[0]), os.path.abspath(argv[1])
    if every_rule_off:
        global tstate_limit
        tstate_limit = TSTATE_LIMIT * RULES_OFF_SLOWDOWN
        compiler_args += ["--no-rule=" + name for name in rule_names(tarnwick)]
    failed = skipped = 0
    for case in argv[2:]:
        name = os.path.basename(case)[:-4]
        try:
            check_case(tarnwick, z80run, case, compiler_args, target)
            print("ok      " + name)
        except CaseSkipped as reason:
            skipped += 1
            print("skipped %s on %s: %s" % (name, target, reason))
        except (CaseFailure, subprocess.TimeoutExpired) as failure:
            failed += 1
            print("FAILED  %s: %s" % (name, failure))
    if len(argv) > 3:
        print("%d of %d cases passed, %d skipped" % (len(argv) - 2 - failed - skipped,
                                                    len(argv) - 2, skipped))
    if failed:
        return 1
    return SKIPPED if skipped == len(argv) - 2 else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
