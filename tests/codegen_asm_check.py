#!/usr/bin/env python3
"""Checks that what the code generator writes is a real Z80 program.

    codegen_asm_check.py TARNWICK Z80RUN TARGET

TARGET is a golden case folder or an example program (.pas):
  - a golden case's expected.asm (made with an empty run-time library) must
    assemble with GNU as for Z80 without any error or warning;
  - a code-generator case (folder cg_*) or an example is compiled again with
    the real system_z80lib.asm in the working directory; the output must
    assemble and link (so every routine the code calls exists in the library);
  - when the case folder holds expected_run, the linked program is run in
    z80run and what it writes must equal that file (skipped, with a note,
    when Z80RUN is "-" or not built).
"""
import os
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LIBRARY = os.path.join(ROOT, "system_z80lib.asm")
RTL = os.path.join(ROOT, "rtl")  # the dialect-side run-time, found as rtl/ by the include search
EXPECTED = {"expected_stdout", "expected_status", "expected.asm", "expected_run", "args",
            "stdin", "system_z80lib.asm"}
RUN_LIMIT = "200000000"  # T-states; a generated program that loops stops here


def tool(name, args, cwd):
    run = subprocess.run([name] + args, cwd=cwd, stdout=subprocess.PIPE,
                         stderr=subprocess.STDOUT, timeout=120)
    return run.returncode, run.stdout.decode(errors="replace")


def assemble(asm, work):
    """Assembles; returns the object file name, or raises with the messages."""
    obj = os.path.join(work, "prog.o")
    rc, out = tool("z80-unknown-coff-as", ["--fatal-warnings", "-o", obj, asm], work)
    if rc != 0 or out.strip():
        raise RuntimeError("assembling %s failed:\n%s" % (os.path.basename(asm), out))
    return obj


def link(obj, work):
    out_file = os.path.join(work, "prog.out")
    rc, out = tool("z80-unknown-coff-ld", ["-Ttext", "0", "-o", out_file, obj], work)
    if rc != 0 or out.strip():
        raise RuntimeError("linking failed:\n" + out)
    image = os.path.join(work, "prog.bin")
    rc, out = tool("z80-unknown-coff-objcopy", ["-O", "binary", out_file, image], work)
    if rc != 0:
        raise RuntimeError("objcopy failed:\n" + out)
    return image


def compile_with_library(tarnwick, source_dir, args, stdin, work):
    """Copies the sources, puts the real library (and rtl/) beside them and
    compiles."""
    for entry in os.listdir(source_dir):
        if entry in EXPECTED:
            continue
        src = os.path.join(source_dir, entry)
        if os.path.isdir(src):
            shutil.copytree(src, os.path.join(work, entry))
        else:
            shutil.copy(src, work)
    shutil.copy(LIBRARY, work)
    if os.path.isdir(RTL) and not os.path.exists(os.path.join(work, "rtl")):
        shutil.copytree(RTL, os.path.join(work, "rtl"))
    run = subprocess.run([tarnwick] + args, cwd=work, input=stdin, stdout=subprocess.PIPE,
                         stderr=subprocess.PIPE, timeout=60)
    asm = os.path.join(work, os.path.splitext(args[0])[0] + ".asm")
    if not os.path.exists(asm):
        raise RuntimeError("no .asm written (status %d):\n%s" %
                           (run.returncode, run.stdout.decode(errors="replace")))
    return asm


def check_case(tarnwick, z80run, case):
    name = os.path.basename(case.rstrip("/"))
    expected_asm = os.path.join(case, "expected.asm")
    with tempfile.TemporaryDirectory(prefix="cg_asm_") as work:
        if os.path.exists(expected_asm):
            assemble(expected_asm, work)
        if not name.startswith("cg_"):
            return
        args_file = os.path.join(case, "args")
        args = open(args_file).read().split() if os.path.exists(args_file) else ["main.pas"]
        stdin_file = os.path.join(case, "stdin")
        stdin = open(stdin_file, "rb").read() if os.path.exists(stdin_file) else b""
        build = os.path.join(work, "build")
        os.mkdir(build)
        image = link(assemble(compile_with_library(tarnwick, case, args, stdin, build), build),
                     build)
        expected_run = os.path.join(case, "expected_run")
        if not os.path.exists(expected_run):
            return
        if z80run == "-" or not os.path.exists(z80run):
            print("z80run not built: the run of %s is skipped" % name)
            return
        run = subprocess.run([z80run, "--limit", RUN_LIMIT, image], stdout=subprocess.PIPE,
                             stderr=subprocess.PIPE, timeout=120)
        want = open(expected_run, "rb").read()
        if run.returncode != 0 or run.stdout != want:
            raise RuntimeError("the program's run differs (status %d):\nexpected: %r\nactual:   %r\n%s"
                               % (run.returncode, want, run.stdout,
                                  run.stderr.decode(errors="replace")))


def check_example(tarnwick, source):
    with tempfile.TemporaryDirectory(prefix="cg_asm_") as work:
        sources, build = os.path.join(work, "src"), os.path.join(work, "build")
        os.mkdir(sources)
        os.mkdir(build)
        shutil.copy(source, sources)
        asm = compile_with_library(tarnwick, sources, [os.path.basename(source)], b"", build)
        link(assemble(asm, build), build)


def main():
    tarnwick, z80run, target = os.path.abspath(sys.argv[1]), sys.argv[2], sys.argv[3]
    try:
        if os.path.isdir(target):
            check_case(tarnwick, z80run, target)
        else:
            check_example(tarnwick, target)
    except RuntimeError as failure:
        print(failure)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
