#!/usr/bin/env python3
"""Writes the table-driven run-time library tests (NAME.asm, NAME.expected).

The expected results are worked out here with Python's integers, so they are
an independent account of what each routine must return.  Run it again after
changing a table; the random cases use a fixed seed and so come out the same.

    python3 tests/z80lib/make_cases.py
"""
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))
M32 = 0xFFFFFFFF

EDGES32 = [0, 1, 2, 0x7F, 0x80, 0xFF, 0x100, 0x7FFF, 0x8000, 0xFFFF, 0x10000,
           0x7FFFFFFF, 0x80000000, 0x80000001, 0xFFFFFFFE, 0xFFFFFFFF]


def signed(x):
    return x - (1 << 32) if x & 0x80000000 else x


def hex32(x):
    return "%08X" % (x & M32)


def trunc_div(x, y):
    q = abs(x) // abs(y)
    return q if (x < 0) == (y < 0) else -q


def divmod_u(x, y):
    return x // y, x % y


def divmod_s(x, y):
    sx, sy = signed(x), signed(y)
    q = trunc_div(sx, sy)
    return q & M32, (sx - q * sy) & M32


def compare(left, right):
    return "lt" if left < right else "eq" if left == right else "gt"


class Case:
    """One test program: a list of tables, each run through one routine."""

    def __init__(self, name):
        self.name = name
        self.tables = []
        self.expected = []

    def table32(self, routine, mode, pairs, result):
        self.tables.append(("t_run32", routine, mode, pairs))
        self.expected.append(routine)
        for left, right in pairs:
            line = "%s %s > " % (hex32(left), hex32(right))
            r = result(left, right)
            if mode == 0:
                line += hex32(r)
            elif mode == 1:
                line += "%s %s" % (hex32(r[0]), hex32(r[1]))
            else:
                line += r
            self.expected.append(line)

    def table16(self, routine, pairs, result):
        self.tables.append(("t_run16", routine, None, pairs))
        self.expected.append(routine)
        for x, y in pairs:
            self.expected.append("%04X %04X > %04X" % (x, y, result(x, y) & 0xFFFF))

    def write(self):
        lines = ["; %s: table-driven checks of the run-time library." % self.name,
                 "; Written by make_cases.py, which also works out %s.expected." % self.name,
                 "_main:"]
        data = []
        tables = {}
        for i, (runner, routine, mode, pairs) in enumerate(self.tables):
            name = "tbl_%s_%s" % (self.name, "abcdefghijklmnopqrstuvwxyz"[i])
            key = (runner, tuple(pairs))
            if key not in tables:
                # routines that take the same cases share one table
                tables[key] = name
                data.append("%s:" % name)
                data.append("   defw %s_end" % name)
                if runner == "t_run32":
                    data += ["   .long 0x%08X, 0x%08X" % (a & M32, b & M32) for a, b in pairs]
                else:
                    data += ["   defw 0x%04X, 0x%04X" % (a, b) for a, b in pairs]
                data.append("%s_end:" % name)
            lines += ["   ld hl,%s_name" % name, "   call __putstr", "   call t_newline",
                      "   ld hl,%s" % tables[key], "   ld de,%s" % routine]
            if runner == "t_run32":
                lines.append("   ld a,%d" % mode)
            lines.append("   call %s" % runner)
            data += ["%s_name:" % name, '   defb %d,"%s"' % (len(routine), routine)]
        lines.append("   ret")
        with open(os.path.join(HERE, self.name + ".asm"), "w") as f:
            f.write("\n".join(lines + data) + "\n")
        with open(os.path.join(HERE, self.name + ".expected"), "w") as f:
            f.write("\n".join(self.expected) + "\n")


def pairs_from(values, rng, extra):
    pairs = [(a, b) for a in values for b in values]
    pairs += [(rng.getrandbits(32), rng.getrandbits(32)) for _ in range(extra)]
    return pairs


def main():
    rng = random.Random(1980)
    few = [0, 1, 0x7F, 0x80, 0xFFFF, 0x10000, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF]

    arith = Case("arith32")
    grid = pairs_from(few, rng, 8)
    arith.table32("__op_add", 0, grid, lambda a, b: (a + b) & M32)
    arith.table32("__op_sub", 0, grid, lambda a, b: (a - b) & M32)
    bits = [(0x12345678, 0x0F0F0F0F), (0xFFFFFFFF, 0x80000001), (0, 0xFFFFFFFF),
            (0xA5A5A5A5, 0x5A5A5A5A)]
    arith.table32("__op_and", 0, bits, lambda a, b: a & b)
    arith.table32("__op_or", 0, bits, lambda a, b: a | b)
    arith.table32("__op_xor", 0, bits, lambda a, b: a ^ b)
    bytes_ = [(0, 0), (0, 0xFF), (0xFF, 1), (0xFFFF, 1), (0xFFFFFF, 1), (0xFFFFFFFF, 1),
              (0x12345678, 0x88), (0x100, 1), (0x10000, 1), (0x1000000, 1), (0, 1), (5, 0x80)]
    arith.table32("__op_add_a", 0, bytes_, lambda a, b: (a + (b & 0xFF)) & M32)
    arith.table32("__op_sub_a", 0, bytes_, lambda a, b: (a - (b & 0xFF)) & M32)
    arith.write()

    cmp = Case("compare")
    values = [0, 1, 2, 0xFF, 0x100, 0xFFFF, 0x10000, 0x7FFFFFFF, 0x80000000, 0x80000001,
              0xFFFFFFFE, 0xFFFFFFFF]
    grid = [(a, b) for a in values for b in values]
    cmp.table32("__op_cmp_uu", 2, grid, lambda a, b: compare(a, b))
    cmp.table32("__op_cmp_ss", 2, grid, lambda a, b: compare(signed(a), signed(b)))
    cmp.table32("__op_cmp_su", 2, grid, lambda a, b: compare(signed(a), b))
    cmp.table32("__op_cmp_us", 2, grid, lambda a, b: compare(a, signed(b)))
    cmp.write()

    mul = Case("multiply")
    small = [(0, 0), (1, 1), (0xFF, 0xFF), (0x80, 2), (0, 0xFF), (0xFF, 0), (12, 10), (0x55, 0xAA)]
    small += [(rng.getrandbits(8), rng.getrandbits(8)) for _ in range(12)]
    mul.table16("__op_mul8816", small, lambda x, y: (x & 0xFF) * (y & 0xFF))
    words = [(0, 0), (1, 0xFFFF), (0xFFFF, 0xFFFF), (0x100, 0x100), (0x1234, 10), (10, 0x1234),
             (0x8000, 2), (0xFF, 0xFF), (0xFFFF, 1), (3, 0x5555), (0x7FFF, 0x7FFF)]
    words += [(rng.getrandbits(16), rng.getrandbits(16)) for _ in range(16)]
    words += [(rng.getrandbits(16), rng.getrandbits(8)) for _ in range(6)]
    mul.table16("__op_mul16", words, lambda x, y: x * y)
    grid = pairs_from([0, 1, 0xFF, 0xFFFF, 0x10000, 0x12345, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF],
                      rng, 0)
    grid += [(rng.getrandbits(32), rng.getrandbits(32)) for _ in range(12)]
    grid += [(rng.getrandbits(16), rng.getrandbits(16)) for _ in range(8)]
    grid += [(signed(-7) & M32, 3), (signed(-1) & M32, signed(-1) & M32), (100000, 100000)]
    mul.table32("__op_mul", 0, grid, lambda a, b: (a * b) & M32)
    bytes_ = [(0, 0), (0xFFFFFFFF, 0xFF), (0x12345678, 10), (100000, 99), (0xFFFF, 0xFF),
              (0x01000000, 0x80), (7, 1), (0x80000000, 2)]
    bytes_ += [(rng.getrandbits(32), rng.getrandbits(8)) for _ in range(8)]
    mul.table32("__op_mul_a", 0, bytes_, lambda a, b: (a * (b & 0xFF)) & M32)
    mul.write()

    shift = Case("shift")
    counts = [0, 1, 7, 8, 9, 15, 16, 17, 23, 24, 31, 32, 33, 255, 256, 0x10000, 0x80000000]
    pairs = [(0x87654321, c) for c in counts] + [(1, 31), (0xFFFFFFFF, 4), (0x80000000, 31)]
    shift.table32("__op_shl", 0, pairs, lambda a, b: (a << b) & M32 if b < 32 else 0)
    shift.table32("__op_shr", 0, pairs, lambda a, b: a >> b if b < 32 else 0)
    shift.write()

    # A divisor of 0 stops the program (run-time error 200): the tests in
    # runner_checks.sh and tests/e2e see to that.
    div = Case("divide")
    divisors = [1, 2, 3, 7, 10, 0x7F, 0x80, 0xFF, 0x100, 0x101, 0x7FFF, 0x8000, 0xFFFF,
                0x10000, 0x10001, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF]
    dividends = [0, 1, 9, 0xFF, 0xFFFF, 0x10000, 0x12345678, 0x7FFFFFFF, 0x80000000,
                 0xFFFFFFFF]
    grid = [(x, d) for x in dividends for d in divisors]
    grid += [(rng.getrandbits(32), rng.getrandbits(rng.choice((8, 16, 24, 32))) or 1)
             for _ in range(20)]
    div.table32("__op_div_u", 1, grid, lambda a, b: divmod_u(a, b))
    div.table32("__op_mod_u", 0, grid, lambda a, b: divmod_u(a, b)[1])
    sgrid = []
    for x in (7, -7, 0, 1, -1, 100, -100, 0x7FFFFFFF, -0x80000000, 65536, -65536, 1000000):
        for d in (1, -1, 2, -2, 3, -3, 7, -7, 256, -256, 65537, -65537, 0x7FFFFFFF, -0x80000000):
            sgrid.append((x & M32, d & M32))
    sgrid += [(rng.getrandbits(32), rng.getrandbits(rng.choice((8, 16, 32))) or 1)
              for _ in range(12)]
    div.table32("__op_div_s", 1, sgrid, lambda a, b: divmod_s(a, b))
    div.table32("__op_mod_s", 0, sgrid, lambda a, b: divmod_s(a, b)[1])
    # the word-by-byte loop of -O programs: quotient, then (t_mod16_c8)
    # remainder; divisors from 128 up make the running remainder carry
    wgrid = [(x, d) for x in (0, 1, 9, 10, 0xFF, 0x100, 0x7FFF, 0x8000, 0xFFFE, 0xFFFF)
             for d in (1, 2, 3, 7, 10, 26, 0x7F, 0x80, 0xC1, 0xFE, 0xFF)]
    wgrid += [(rng.getrandbits(16), rng.randint(1, 255)) for _ in range(16)]
    div.table16("__div16_c8", wgrid, lambda x, y: x // y)
    div.table16("t_mod16_c8", wgrid, lambda x, y: x % y)
    div.write()


if __name__ == "__main__":
    main()
