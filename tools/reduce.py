#!/usr/bin/env python3
"""reduce.py: shrinks a program that tarnwick and Free Pascal disagree on.

    reduce.py PROG.pas [-o SMALL.pas] [--keep-line TEXT] [--same-first-line]
              [--tarnwick-arg=ARG]...

Keeps the program failing in the same way while it removes what it can:

  1. whole constructs found by indentation (a statement with its nested
     lines, a subroutine), the largest first; then runs of lines and single
     lines (delta debugging over lines);
  2. parts of expressions: a parenthesised sub-expression "(a op b)" is
     replaced by "a" or by "b", and a call's arguments are tried as 0;
  3. writeln arguments other than the first.

A candidate counts as "still failing" when both compilers accept it, both
programs run to their end, and their outputs differ (tools/difftest.py's
test).  With --same-first-line the first differing line must also keep its
label (the text before the first blank), so the reduction stays with the
same difference.  The result goes to SMALL.pas (default PROG.reduced.pas).  --max-tries
bounds the number of candidates tried (each costs two compilations).
--tarnwick-arg=ARG passes ARG to tarnwick before the source file (repeat it
for more), e.g. --tarnwick-arg=-O to reduce a difference of the optimizing
mode.
"""
import argparse
import os
import re
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import difftest  # noqa: E402


class Oracle:
    def __init__(self, tarnwick, z80run, work, tarnwick_args, max_tries):
        self.tarnwick, self.z80run, self.work = tarnwick, z80run, work
        self.tarnwick_args = tarnwick_args
        self.label = None
        self.tries, self.max_tries = 0, max_tries

    def exhausted(self):
        return self.tries >= self.max_tries

    def compare(self, text):
        return difftest.compare_one(self.tarnwick, self.z80run, self.work, text, 50000000,
                                    tarnwick_args=self.tarnwick_args)

    def fails(self, text):
        self.tries += 1
        try:
            verdict, outcomes = self.compare(text)
        except Exception:   # a timeout or a tool failure is not the same fault
            return False
        if verdict != "differ" or outcomes["tarnwick"].kind != "ok":
            return False
        if self.label is None:
            return True
        return difference_label(outcomes) == self.label


def difference_label(outcomes):
    a = outcomes["tarnwick"].detail.split("\r\n")
    b = outcomes["fpc"].detail.split("\r\n")
    for x, y in zip(a + [""], b + [""]):
        if x != y:
            return (y or x).split(" ")[0]
    return None


CONTINUES = ("begin", "end", "end;", "else", "var", "until")


def indent_of(line):
    return len(line) - len(line.lstrip(" "))


def chunk_end(lines, i):
    """The end of the construct that starts at line i, by indentation: a
    statement with its nested lines and its begin/else/end/until lines at
    the same indentation, or a subroutine with its var part and body."""
    k = indent_of(lines[i])
    j = i + 1
    while j < len(lines):
        line = lines[j]
        if not line.strip():
            j += 1
            continue
        d = indent_of(line)
        word = line.split()[0]
        if d > k:
            j += 1
            continue
        if d == k and word in CONTINUES:
            j += 1
            if line.strip() == "end;" or word == "until":
                break
            continue
        break
    return j


def reduce_chunks(lines, oracle):
    """Removes whole constructs, the largest first."""
    changed = True
    while changed:
        changed = False
        spans = sorted(((chunk_end(lines, i) - i, i) for i in range(len(lines))), reverse=True)
        for length, i in spans:
            if oracle.exhausted():
                return lines
            end = i + length
            candidate = lines[:i] + lines[end:]
            if candidate and oracle.fails("\n".join(candidate) + "\n"):
                lines = candidate
                changed = True
                break
    return lines


def reduce_lines(lines, oracle):
    n = len(lines) // 2
    while n >= 1:
        i = 0
        changed = False
        while i < len(lines) and not oracle.exhausted():
            candidate = lines[:i] + lines[i + n:]
            if candidate and oracle.fails("\n".join(candidate) + "\n"):
                lines = candidate
                changed = True
            else:
                i += n
        if not changed:
            n //= 2
    return lines


PAREN = re.compile(r"\(([^()']*)\)")


def expression_variants(line):
    """Simpler versions of one line: each innermost (a op b) as a or b."""
    out = []
    for m in PAREN.finditer(line):
        inside = m.group(1)
        parts = inside.split(" ")
        if len(parts) == 3:
            for keep in (parts[0], parts[2]):
                out.append(line[:m.start()] + keep + line[m.end():])
        elif len(parts) == 2 and parts[0] in ("not", "-"):
            out.append(line[:m.start()] + parts[1] + line[m.end():])
    return out


def reduce_expressions(lines, oracle):
    changed = True
    while changed:
        changed = False
        for i in range(len(lines)):
            if oracle.exhausted():
                return lines
            for variant in expression_variants(lines[i]):
                candidate = lines[:i] + [variant] + lines[i + 1:]
                if oracle.fails("\n".join(candidate) + "\n"):
                    lines = candidate
                    changed = True
                    break
    return lines


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("program")
    ap.add_argument("-o", dest="out")
    ap.add_argument("--same-first-line", action="store_true")
    ap.add_argument("--max-tries", type=int, default=600)
    ap.add_argument("--tarnwick")
    ap.add_argument("--tarnwick-arg", action="append", default=[], metavar="ARG",
                    help="pass ARG to tarnwick (repeatable); write it --tarnwick-arg=-O")
    ap.add_argument("--z80run")
    args = ap.parse_args(argv)
    tarnwick = difftest.find_tool(args.tarnwick, ["build-fz/tarnwick", "build/tarnwick"])
    z80run = difftest.find_tool(args.z80run, ["build-fz/tools/z80run/z80run",
                                              "build/tools/z80run/z80run"])
    if not tarnwick or not z80run or not difftest.ensure_fpc():
        print("reduce: tarnwick, z80run and fpc are needed")
        return 2
    text = open(args.program).read()
    with tempfile.TemporaryDirectory(prefix="reduce_") as work:
        difftest.prepare_work(work)
        oracle = Oracle(tarnwick, z80run, work, args.tarnwick_arg, args.max_tries)
        verdict, outcomes = oracle.compare(text)
        if verdict != "differ":
            print("reduce: the program does not show a difference (%s)" % verdict)
            return 1
        if args.same_first_line:
            oracle.label = difference_label(outcomes)
        lines = text.rstrip("\n").split("\n")
        before = len(lines)
        for _ in range(3):
            size = sum(len(x) for x in lines)
            lines = reduce_chunks(lines, oracle)
            lines = reduce_lines(lines, oracle)
            lines = reduce_expressions(lines, oracle)
            if sum(len(x) for x in lines) == size:
                break
        out = args.out or os.path.splitext(args.program)[0] + ".reduced.pas"
        with open(out, "w", newline="\n") as f:
            f.write("\n".join(lines) + "\n")
        verdict, outcomes = oracle.compare("\n".join(lines) + "\n")
        print("reduce: %d lines -> %d lines in %d tries: %s" % (before, len(lines), oracle.tries, out))
        if verdict == "differ":
            print(difftest.first_difference(outcomes["tarnwick"].detail, outcomes["fpc"].detail))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
