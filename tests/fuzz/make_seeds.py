#!/usr/bin/env python3
"""Writes the seed corpus of the compiler fuzz target.

    make_seeds.py OUTDIR

The fuzz target reads one input as a main source file, optionally followed by
the line "@@" and the text of an include file inc.inc.  The seeds are:

  - every .pas source of the golden cases (a case whose main file includes
    one of its own files gets that file as inc.inc, the directive renamed);
  - every end-to-end program and example, with its {$i system.inc} turned
    into {$i inc.inc} and the run-time routines' headers (empty bodies) as
    the include file, so the seeds reach the code generator;
  - hand-written inputs for every directive, nested and unbalanced
    conditions, nested comments, include chains and self-inclusion;
  - a few generated programs (tools/progen.py) when the generator exists.
"""
import glob
import hashlib
import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
MARK = "\n@@\n"
INCLUDE = re.compile(r"\{\$i\s+([^}\s]+)\s*\}", re.IGNORECASE)

DIRECTIVE_SEEDS = [
    # every directive kind, with else branches and nesting
    "program d;\n{$define fast}\n{$ifdef fast}var a: byte;{$else}var a: word;{$endif}\n"
    "{$undef fast}\n{$ifndef fast}const k = 3;{$endif}\n"
    "{$ifdef tarn}{$ifdef target_z80}{$ifndef make_debugout}x{$else}{$endif}{$endif}{$endif}\n"
    "begin a := k; end.\n",
    # the include file carries declarations and its own directives
    "program i;\n{$i inc.inc}\nbegin x := 1; p(x); end." + MARK +
    "{$ifdef tarn}\nvar x: byte;\nprocedure p(b: byte);\nbegin\n  b := b + 1;\nend;\n{$endif}\n",
    # an include file that includes another one that is missing
    "program self;\n{$i inc.inc}\nbegin end." + MARK + "{$i other.inc}\n",
    # unbalanced conditions
    "{$endif}\nprogram u; begin end.\n",
    "{$ifdef a}{$ifdef b}{$ifdef c}{$ifdef d}{$ifdef e}{$ifdef f}{$ifdef g}{$ifdef h}{$ifdef i}"
    "{$ifdef j}{$ifdef k}\nbegin end.\n",
    "{$else}{$else}\nbegin end.\n",
    "program e;\n{$ifdef tarn}\nbegin end.\n",
    # nested and unterminated comments, line comments, strings with quotes
    "program c; { a { b { c } } } // line\n(* old *)\nbegin writeln('it''s'); end.\n",
    "program c2; { never closed\nbegin end.\n",
    # many defined symbols
    "".join("{$define s%d}" % i for i in range(12)) + "\nbegin end.\n",
    # a missing include and a directive that is not known
    "program m;\n{$i nothere.inc}\nbegin end.\n",
    "program q;\n{$mode objfpc}{$H+}{$r-}\nbegin end.\n",
    # asm block and units
    "program a;\nbegin\n  asm\n    ld a,1\n    nop\n  end;\nend.\n",
    "unit u;\ninterface\nuses x, y;\nimplementation\nbegin\nend.\n",
]


def write_seed(outdir, text):
    data = text.encode("latin-1", errors="replace") if isinstance(text, str) else text
    name = hashlib.sha1(data).hexdigest()
    with open(os.path.join(outdir, name), "wb") as f:
        f.write(data)


def read(path):
    with open(path, "rb") as f:
        return f.read().decode("latin-1")


def golden_seeds():
    for case in sorted(glob.glob(os.path.join(ROOT, "tests", "golden", "*"))):
        main = os.path.join(case, "main.pas")
        if not os.path.exists(main):
            continue
        text = read(main)
        m = INCLUDE.search(text)
        if m:
            candidates = glob.glob(os.path.join(case, "**", m.group(1)), recursive=True)
            if candidates:
                text = text[:m.start()] + "{$i inc.inc}" + text[m.end():]
                yield text + MARK + read(candidates[0])
                continue
        yield text


# The run-time routines' headers with empty bodies: enough for every write,
# new and string operation to bind, at a tenth of the real file's size, so
# the fuzzer spends its time on the program rather than on the include.
SMALL_SYSTEM_INC = """const nil = 0;
var false: boolean absolute $8006; true: boolean absolute $8007;
function length(const s: string): byte; begin end;
procedure __write(c: char); begin end;
procedure __write(const s: string); begin end;
procedure __write(b: boolean); begin end;
procedure __write(v: byte); begin end;
procedure __write(v: word); begin end;
procedure __write(v: longword); begin end;
procedure __write(v: shortint); begin end;
procedure __write(v: smallint); begin end;
procedure __write(v: longint); begin end;
procedure __write_crlf; begin end;
procedure __getmem(var p: pointer; n: word); begin end;
procedure str_assign(var d: string; const s: string); begin end;
procedure str_assign(var d: string; const s: char); begin end;
procedure str_assign(var d: char; const s: string); begin end;
procedure str_assign(var d: char; const s: char); begin end;
function str_add(const a: string; const b: string): string; begin end;
function str_add(const a: string; const b: char): string; begin end;
function str_add(const a: char; const b: string): string; begin end;
function str_add(const a: char; const b: char): string; begin end;
function str_cmp(const a: string; const b: string; code: byte): boolean; begin end;
function str_cmp(const a: string; const b: char; code: byte): boolean; begin end;
function str_cmp(const a: char; const b: string; code: byte): boolean; begin end;
function str_cmp(const a: char; const b: char; code: byte): boolean; begin end;
"""


def system_include():
    return SMALL_SYSTEM_INC


def program_seeds(system_inc):
    files = glob.glob(os.path.join(ROOT, "tests", "e2e", "*.pas")) + \
        glob.glob(os.path.join(ROOT, "examples", "*.pas"))
    for path in sorted(files):
        text = read(path)
        if "{$i system.inc}" in text:
            yield text.replace("{$i system.inc}", "{$i inc.inc}") + MARK + system_inc
        else:
            yield text


def generated_seeds(system_inc):
    progen = os.path.join(ROOT, "tools", "progen.py")
    if not os.path.exists(progen):
        return
    for seed in range(1, 9):
        run = subprocess.run([sys.executable, progen, "--seed", str(seed), "--small"],
                             stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        if run.returncode == 0:
            text = run.stdout.decode("latin-1")
            yield text.replace("{$i system.inc}", "{$i inc.inc}") + MARK + system_inc


def main(argv):
    if len(argv) != 1:
        print(__doc__)
        return 2
    outdir = argv[0]
    os.makedirs(outdir, exist_ok=True)
    count = 0
    system_inc = system_include()
    for source in (golden_seeds(), program_seeds(system_inc), iter(DIRECTIVE_SEEDS),
                   generated_seeds(system_inc)):
        for text in source:
            write_seed(outdir, text)
            count += 1
    print("%d seeds in %s" % (count, outdir))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
