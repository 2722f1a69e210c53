#!/usr/bin/env python3
"""Code size and T-states of the rtl/system.inc routines a program calls.

    bench.py TARNWICK Z80RUN PROGRAM.pas [STDIN-FILE]

Compiles the program in a scratch directory laid out like the project root,
assembles it, and prints one line per translated subroutine of
rtl/system.inc: its heading, its bytes (from its label to the next
subroutine's, or the end of the code) and the T-states of its calls in the run (from its first
instruction to its return; the CALL's 17 and the pushing of the arguments
not included): number of calls, smallest, mean, largest.  tests/rtl/bench.pas
calls each routine once in a typical way; docs/runtime.md holds its table.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
HEADING = re.compile(r"^\s*(procedure|function)\s")


def subroutine_labels(asm_lines):
    """Labels followed by the prologue, with the system.inc line of their body."""
    found = []
    for i, line in enumerate(asm_lines[:-1]):
        m = re.match(r"^([A-Za-z_][A-Za-z_0-9]*):$", line)
        if not m or asm_lines[i + 1].strip() != "push ix":
            continue
        source_line = None
        for later in asm_lines[i + 1:i + 40]:
            s = re.search(r"rtl/system\.inc\((\d+),", later)
            if s:
                source_line = int(s.group(1))
                break
            if re.match(r"^[A-Za-z_][A-Za-z_0-9]*:$", later):
                break
        found.append((m.group(1), source_line))
    return found


def heading_before(rtl_lines, line_number):
    for k in range(line_number - 1, -1, -1):
        if HEADING.match(rtl_lines[k]):
            return re.sub(r"\s+", " ", rtl_lines[k].strip())
    return "?"


def main(argv):
    if len(argv) < 3:
        print(__doc__)
        return 2
    tarnwick, z80run, program = (os.path.abspath(a) for a in argv[:3])
    stdin = open(argv[3], "rb").read() if len(argv) > 3 else b""
    rtl_lines = open(os.path.join(ROOT, "rtl", "system.inc")).read().split("\n")
    with tempfile.TemporaryDirectory(prefix="rtl_bench_") as work:
        shutil.copy(program, work)
        shutil.copy(os.path.join(ROOT, "system_z80lib.asm"), work)
        shutil.copytree(os.path.join(ROOT, "rtl"), os.path.join(work, "rtl"))
        name = os.path.basename(program)
        subprocess.run([tarnwick, name], cwd=work, stdout=subprocess.DEVNULL, check=True)
        asm = os.path.join(work, name[:-4] + ".asm")
        obj, out, image = (os.path.join(work, "p." + e) for e in ("o", "out", "bin"))
        subprocess.run(["z80-unknown-coff-as", "-o", obj, asm], check=True)
        subprocess.run(["z80-unknown-coff-ld", "-Ttext", "0", "-o", out, obj], check=True)
        subprocess.run(["z80-unknown-coff-objcopy", "-O", "binary", out, image], check=True)
        nm = subprocess.run(["z80-unknown-coff-nm", out], stdout=subprocess.PIPE, check=True)
        address = {}
        for line in nm.stdout.decode().split("\n"):
            parts = line.split()
            if len(parts) == 3:
                address[parts[2]] = int(parts[0], 16)
        labels = subroutine_labels(open(asm).read().split("\n"))
        ordered = sorted(address[l] for l, _ in labels)
        routines = [(l, src) for l, src in labels if src and l != "_main"]
        args = []
        for l, _ in routines:
            args += ["--measure", str(address[l])]
        end_of_code = os.path.getsize(image)
        run = subprocess.run([z80run] + args + [image], input=stdin,
                             stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    timing = {}
    for line in run.stderr.decode().split("\n"):
        m = re.match(r"measure ([0-9A-F]+)h: calls (\d+) min (\d+) avg ([\d.]+) max (\d+)", line)
        if m:
            timing[int(m.group(1), 16)] = m.groups()[1:]
    print("| routine | bytes | calls | min | avg | max |")
    print("|---|---|---|---|---|---|")
    for l, src in routines:
        start = address[l]
        later = [a for a in ordered if a > start]
        size = (later[0] if later else end_of_code) - start
        calls, low, avg, high = timing.get(start, ("0", "-", "-", "-"))
        print("| `%s` | %d | %s | %s | %s | %s |" %
              (heading_before(rtl_lines, src), size, calls, low, avg, high))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
