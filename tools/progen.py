#!/usr/bin/env python3
"""progen.py: random programs for differential testing of tarnwick.

    progen.py --seed N [--small] [--fpc] [-o FILE]

Writes one valid, deterministic program of the dialect (standard output or
FILE).  The program uses every integer type, booleans, chars, strings,
enumerations, arrays of one and two dimensions with non-zero low bounds,
records, pointers with new and @, typed and untyped constants (also
string and char ones, and named constants as array bounds and string
lengths), one-character literals cast to integers (also as indices), nested
procedures and functions with value, var and const parameters, recursion,
forward declarations, overloads, case labels with ranges lo..hi, function
results set through the function's name (also from a nested procedure),
nil for pointer parameters, and every statement form (with exit,
exit(value), break and continue), sizeof, write field widths (x:w), (* *)
comments and a program heading with files, and prints the values of its
variables with writeln as it goes and at its end.

The program is written in the part of the language that Free Pascal takes
with the same meaning (objfpc mode, short strings).  With --fpc the
{$i system.inc} line is left out, for a Free Pascal build.

Generation runs the program in an interpreter that follows this compiler's
rules for the size and signedness of every integer expression ("+", "*",
"div", "mod", the bitwise operators and the shifts are 2 bytes for two
1-byte operands, else 4, signed when either operand is; "-" is a 4-byte
signed value; the negation of a signed value keeps its type, of an unsigned
one it is signed and twice as large, ...).  Whenever a value would not fit the
type the compiler gives it, or Free Pascal could compute it differently, or
an index leaves its array, a divisor is 0, a string outgrows its variable,
or a parameter passed by address is changed behind the callee's back, the
offending expression is replaced by a simpler one and the run starts again.
So the finished program's output depends on nothing that overflows or that
either compiler leaves undefined, and the interpreter's output is a third
opinion (--expect prints it instead of the program).

Standard library only.
"""
import argparse
import random
import sys

# ---------------------------------------------------------------- types


class Type:
    kind = "?"
    name = None

    def ref(self):
        return self.name


class IntT(Type):
    kind = "int"

    def __init__(self, name, size, signed):
        self.name, self.size, self.signed = name, size, signed
        bits = 8 * size
        self.lo = -(1 << (bits - 1)) if signed else 0
        self.hi = (1 << (bits - 1)) - 1 if signed else (1 << bits) - 1


class BoolT(Type):
    kind = "bool"
    name = "boolean"


class CharT(Type):
    kind = "char"
    name = "char"


class StrT(Type):
    kind = "str"

    def __init__(self, name, length):
        self.name, self.length = name, length

    def decl(self):
        return "string[%s]" % (getattr(self, "length_name", None) or self.length)


class EnumT(Type):
    kind = "enum"

    def __init__(self, name, values):
        self.name, self.values = name, values
        self.lo, self.hi = 0, len(values) - 1
        self.size, self.signed = 1, False

    def decl(self):
        return "(" + ", ".join(self.values) + ")"


class ArrT(Type):
    kind = "arr"

    def __init__(self, name, dims, elem):
        self.name, self.dims, self.elem = name, dims, elem

    def decl(self):
        names = getattr(self, "bound_names", {})   # (dimension, 0 or 1): constant name
        return "array [%s] of %s" % (", ".join(
            "%s..%s" % (names.get((k, 0), lo), names.get((k, 1), hi))
            for k, (lo, hi) in enumerate(self.dims)), self.elem.ref())

    def after(self, k):
        """The type left after indexing k dimensions."""
        if k == len(self.dims):
            return self.elem
        return ArrT(None, self.dims[k:], self.elem)


class CharArrT(ArrT):
    """array ['c'..'h'] of T: indexed by one-character literals only (the
    index nodes are constants of the characters' codes)."""

    def decl(self):
        (lo, hi), = self.dims
        return "array ['%s'..'%s'] of %s" % (chr(lo), chr(hi), self.elem.ref())


class RecT(Type):
    kind = "rec"

    def __init__(self, name, fields):
        self.name, self.fields = name, fields

    def decl(self):
        return "record\n" + "".join("    %s: %s;\n" % (f, t.ref()) for f, t in self.fields) + "  end"

    def field(self, name):
        for f, t in self.fields:
            if f == name:
                return t
        raise KeyError(name)


class PtrT(Type):
    kind = "ptr"

    def __init__(self, name, target):
        self.name, self.target = name, target

    def decl(self):
        return "^" + self.target.ref()


BYTE = IntT("byte", 1, False)
WORD = IntT("word", 2, False)
LONGWORD = IntT("longword", 4, False)
SHORTINT = IntT("shortint", 1, True)
SMALLINT = IntT("smallint", 2, True)
LONGINT = IntT("longint", 4, True)
INTS = [BYTE, WORD, LONGWORD, SHORTINT, SMALLINT, LONGINT]
BOOL = BoolT()
CHAR = CharT()
STRING = StrT("string", 255)   # the built-in name, used for parameters


def size_of_range(lo, hi):
    size = 8
    if lo >= -(1 << 31) and hi < (1 << 31):
        size = 4
    if lo >= -32768 and hi < 32768:
        size = 2
    if lo >= -128 and hi < 128:
        size = 1
    if lo >= 0 and hi < (1 << 32):
        size = 4
    if lo >= 0 and hi < 65536:
        size = 2
    if lo >= 0 and hi < 256:
        size = 1
    return size


def fits(v, size, signed):
    bits = 8 * size
    if signed:
        return -(1 << (bits - 1)) <= v < (1 << (bits - 1))
    return 0 <= v < (1 << bits)


# ---------------------------------------------------------------- run-time


class Unsafe(Exception):
    """An expression or statement that must be replaced: (node, replacement)."""

    def __init__(self, node, replacement):
        Exception.__init__(self)
        self.node, self.replacement = node, replacement


class TooLong(Exception):
    pass


UNDEF = object()


class Box:
    __slots__ = ("v",)

    def __init__(self, v=UNDEF):
        self.v = v


def new_storage(t):
    if t.kind == "arr":
        (lo, hi), rest = t.dims[0], t.after(1)
        return [new_storage(rest) for _ in range(hi - lo + 1)]
    if t.kind == "rec":
        return {f: new_storage(ft) for f, ft in t.fields}
    return Box()


def copy_storage(src):
    if isinstance(src, list):
        return [copy_storage(s) for s in src]
    if isinstance(src, dict):
        return {k: copy_storage(s) for k, s in src.items()}
    return Box(src.v)


def assign_storage(dst, src):
    if isinstance(dst, list):
        for d, s in zip(dst, src):
            assign_storage(d, s)
    elif isinstance(dst, dict):
        for k in dst:
            assign_storage(dst[k], src[k])
    else:
        dst.v = src.v


def same_storage(a, b):
    if isinstance(a, list):
        return all(same_storage(x, y) for x, y in zip(a, b))
    if isinstance(a, dict):
        return all(same_storage(a[k], b[k]) for k in a)
    return a.v is b.v or a.v == b.v


class Frame:
    def __init__(self, sub):
        self.sub, self.store, self.snapshots = sub, {}, {}


class Machine:
    """State of one interpreted run."""

    def __init__(self, program):
        self.program = program
        self.out = []
        self.frames = []
        self.globals = Frame(program.main)
        self.steps = 0
        self.heap = 0
        self.nil_args = []   # NilArg nodes evaluated so far, in order

    def step(self):
        self.steps += 1
        if self.steps > 60000:
            raise TooLong()

    def storage(self, var):
        if var.owner is self.program.main:
            return self.globals.store[var]
        for frame in reversed(self.frames):
            if frame.sub is var.owner:
                return frame.store[var]
        raise RuntimeError("no frame for " + var.name)


# ---------------------------------------------------------------- expressions


class Expr:
    """sub: child expressions; t: the value's type (IntT etc.)."""
    sub = ()

    def itype(self):
        """(size, signed, typed) as this compiler computes them, for integers."""
        t = self.t
        return (t.size, t.signed, True)

    def is_lvalue(self):
        return False


def int_value(node, v):
    if v is UNDEF:
        raise Unsafe(node, Const(1))
    return v


class Const(Expr):
    def __init__(self, v, hexa=False):
        self.v, self.hexa = v, hexa
        self.t = LONGINT if v < (1 << 31) else LONGWORD

    def itype(self):
        return (size_of_range(self.v, self.v), self.v < 0, False)

    def render(self):
        if self.hexa:
            return "$%x" % self.v
        return str(self.v)

    def ev(self, m):
        return self.v


class EnumConst(Expr):
    def __init__(self, t, index):
        self.t, self.index = t, index

    def render(self):
        return self.t.values[self.index]

    def ev(self, m):
        return self.index


class BoolConst(Expr):
    t = BOOL

    def __init__(self, v):
        self.v = v

    def render(self):
        return "true" if self.v else "false"

    def ev(self, m):
        return self.v


class CharConst(Expr):
    t = CHAR

    def __init__(self, c):
        self.c = c

    def render(self):
        return "'%s'" % self.c

    def ev(self, m):
        return self.c


class StrConst(Expr):
    def __init__(self, s):
        self.s = s
        self.t = StrT(None, max(len(s), 1))

    def render(self):
        return "'%s'" % self.s

    def ev(self, m):
        return self.s


class NilConst(Expr):
    def __init__(self, t):
        self.t = t

    def render(self):
        return "nil"

    def ev(self, m):
        return None


class VarRef(Expr):
    def __init__(self, var):
        self.var, self.t = var, var.t

    def render(self):
        return self.var.name

    def is_lvalue(self):
        return True

    def ref(self, m):
        m.program.note_read(self.var, m)
        return m.storage(self.var)

    def ev(self, m):
        return read_scalar(self, self.ref(m))


def read_scalar(node, box):
    if box.v is UNDEF:
        raise Unsafe(node, default_value(node.t))
    return box.v


def default_value(t):
    if t.kind == "int":
        return Const(1)
    if t.kind == "bool":
        return BoolConst(True)
    if t.kind == "char":
        return CharConst("a")
    if t.kind == "str":
        return StrConst("ab")
    if t.kind == "enum":
        return EnumConst(t, 0)
    return None


class Index(Expr):
    """a[i]: one dimension of an array."""

    def __init__(self, base, index, t):
        self.sub = [base, index]
        self.t = t

    def render(self):
        if isinstance(self.sub[0].t, CharArrT):
            return "%s['%s']" % (self.sub[0].render(), chr(self.sub[1].v))
        return "%s[%s]" % (self.sub[0].render(), self.sub[1].render())

    def is_lvalue(self):
        return True

    def ref(self, m):
        base = self.sub[0].ref(m)
        lo, hi = self.sub[0].t.dims[0]
        i = int_value(self.sub[1], self.sub[1].ev(m))
        if not lo <= i <= hi:
            raise Unsafe(self.sub[1], Const(lo + abs(i) % (hi - lo + 1)))
        return base[i - lo]

    def ev(self, m):
        return read_scalar(self, self.ref(m))


class NoElement(Exception):
    """s[i] := c on an empty string: the statement has to go."""


class CharSlot:
    """The i-th character of a string box, as a box of its own."""

    def __init__(self, box, i):
        self.box, self.i = box, i

    @property
    def v(self):
        return self.box.v[self.i - 1]

    @v.setter
    def v(self, c):
        s = self.box.v
        self.box.v = s[:self.i - 1] + c + s[self.i:]


class StrIndex(Expr):
    """s[i] of a string: read, or written when s is a variable."""
    t = CHAR

    def __init__(self, base, index):
        self.sub = [base, index]

    def render(self):
        return "%s[%s]" % (self.sub[0].render(), self.sub[1].render())

    def is_lvalue(self):
        return self.sub[0].is_lvalue()

    def ref(self, m):
        box = self.sub[0].ref(m)
        if box.v is UNDEF:
            raise NoElement()   # a constant in its place could not be written
        s = box.v
        i = int_value(self.sub[1], self.sub[1].ev(m))
        if not s:
            raise NoElement()
        if not 1 <= i <= len(s):
            raise Unsafe(self.sub[1], Const(1))
        return CharSlot(box, i)

    def ev(self, m):
        s = self.sub[0].ev(m)
        i = int_value(self.sub[1], self.sub[1].ev(m))
        if not 1 <= i <= len(s):
            if len(s) == 0:
                raise Unsafe(self, CharConst("z"))
            raise Unsafe(self.sub[1], Const(1))
        return s[i - 1]


class Field(Expr):
    def __init__(self, base, name):
        self.sub = [base]
        self.name = name
        self.t = base.t.field(name)

    def render(self):
        return "%s.%s" % (self.sub[0].render(), self.name)

    def is_lvalue(self):
        return True

    def ref(self, m):
        return self.sub[0].ref(m)[self.name]

    def ev(self, m):
        return read_scalar(self, self.ref(m))


class Deref(Expr):
    def __init__(self, base):
        self.sub = [base]
        self.t = base.t.target

    def render(self):
        return "%s^" % self.sub[0].render()

    def is_lvalue(self):
        return True

    def ref(self, m):
        p = read_scalar(self.sub[0], self.sub[0].ref(m))
        if p is None:
            if getattr(m, "nil_args", None):
                culprit = m.nil_args[-1]
                raise Unsafe(culprit, culprit.alt)
            raise RuntimeError("nil dereference")
        return p

    def ev(self, m):
        return read_scalar(self, self.ref(m))


class AddrOf(Expr):
    def __init__(self, target, t):
        self.sub = [target]
        self.t = t

    def render(self):
        return "@" + self.sub[0].render()

    def ev(self, m):
        return self.sub[0].ref(m)


class Length(Expr):
    t = BYTE

    def __init__(self, s):
        self.sub = [s]

    def render(self):
        return "length(%s)" % self.sub[0].render()

    def ev(self, m):
        return len(self.sub[0].ev(m))


class Cast(Expr):
    """t(e); with wrap, an integer outside t's range keeps its low bits
    (word(-1) is 65535, shortint(200) is -56), as both compilers do."""

    def __init__(self, t, e, wrap=False):
        self.t = t
        self.sub = [e]
        self.wrap = wrap

    def render(self):
        return "%s(%s)" % (self.t.name, self.sub[0].render())

    def ev(self, m):
        v = self.sub[0].ev(m)
        if self.sub[0].t.kind in ("int", "enum"):
            v = int_value(self.sub[0], v)
            if not self.t.lo <= v <= self.t.hi:
                if self.wrap and self.sub[0].t.kind == "int" and self.t.kind == "int":
                    return wrap_to(v, self.t)
                raise Unsafe(self, self.sub[0] if self.sub[0].t.kind == "int" else Const(0))
        return v


def wrap_to(v, t):
    bits = 8 * t.size
    v &= (1 << bits) - 1
    return v - (1 << bits) if t.signed and v >= 1 << (bits - 1) else v


ARITH = {"+", "-", "*", "div", "mod", "and", "or", "xor", "shl", "shr"}
COMPARE = {"=", "<>", "<", "<=", ">", ">="}


def compare(op, a, b):
    return {"=": a == b, "<>": a != b, "<": a < b, "<=": a <= b, ">": a > b, ">=": a >= b}[op]


class Bin(Expr):
    def __init__(self, op, left, right):
        self.op = op
        self.sub = [left, right]
        if op in COMPARE:
            self.t = BOOL
        elif left.t.kind == "bool":
            self.t = BOOL
        elif left.t.kind in ("str", "char"):
            self.t = StrT(None, 255)
        else:
            self.t = LONGINT

    def itype(self):
        l, r = self.sub
        ls, lsg, lt = l.itype()
        rs, rsg, rt = r.itype()
        if self.op == "-":
            return (4, True, False)
        return (2 if ls == 1 and rs == 1 else 4, lsg or rsg, False)

    def render(self):
        return "(%s %s %s)" % (self.sub[0].render(), self.op, self.sub[1].render())

    def ev(self, m):
        l, r = self.sub
        a, b = l.ev(m), r.ev(m)
        kind = l.t.kind
        if self.op in COMPARE:
            if kind in ("int", "enum"):
                a, b = int_value(l, a), int_value(r, b)
                if a < 0 and fpc_unsigned(r) or b < 0 and fpc_unsigned(l):
                    # Free Pascal compares such a pair without a sign
                    raise Unsafe(self, BoolConst(compare(self.op, a, b)))
                return compare(self.op, a, b)
            if kind == "ptr":
                return compare(self.op, id(a) if a is not None else 0, id(b) if b is not None else 0)
            return compare(self.op, a, b)
        if kind == "bool":
            return {"and": a and b, "or": a or b, "xor": a != b}[self.op]
        if kind in ("str", "char"):
            s = a + b
            if len(s) > 200:
                raise Unsafe(self, l)
            return s
        a, b = int_value(l, a), int_value(r, b)
        return self.int_result(a, b)

    def int_result(self, a, b):
        op = self.op
        if op == "+":
            v = a + b
        elif op == "-":
            v = a - b
        elif op == "*":
            v = a * b
        elif op in ("div", "mod"):
            if b == 0:
                raise Unsafe(self, self.sub[0])
            q = abs(a) // abs(b)
            if (a < 0) != (b < 0):
                q = -q
            v = q if op == "div" else a - q * b
        elif op == "and":
            v = a & b
        elif op == "or":
            v = a | b
        elif op == "xor":
            v = a ^ b
        else:  # shifts: a non-negative value, a small count
            if a < 0 or not 0 <= b <= 15:
                raise Unsafe(self, self.sub[0])
            v = a << b if op == "shl" else a >> b
        size, signed, _ = self.itype()
        if op in ("div", "mod", "shr") and not (fits(a, size, signed) and fits(b, size, signed)):
            # these work on both operands at the operation's own size and
            # sign: a longword above 2^31 in a signed division is negative
            raise Unsafe(self, self.sub[0])
        if op in ("and", "or", "xor") and "mixed-sign-bitwise" in AVOID and signed and \
                min(self.sub[0].itype()[0], self.sub[1].itype()[0]) == 1 and \
                not (self.sub[0].itype()[1] and self.sub[1].itype()[1]):
            raise Unsafe(self, self.sub[0])
        if not fits(v, size, signed) or not self.same_in_fpc(v):
            raise Unsafe(self, self.sub[0])
        return v

    def same_in_fpc(self, v):
        if v < 0 and fpc_unsigned(self):
            return False   # Free Pascal computes this one without a sign
        if v < 0 and any(fpc_unsigned(x) and x.itype()[0] >= 2 for x in self.sub):
            return False   # ... and this one too, as its types go
        # Free Pascal computes at least in 32 bits, in 64 only for an
        # operand of 32 unsigned bits; a value of 2^31 and above is only
        # the same there when such an operand is involved.
        if -(1 << 31) <= v < (1 << 31):
            return True
        if v < 0:
            return False
        for operand in self.sub:
            size, signed, _ = operand.itype()
            if size == 4 and not signed:
                return True
        return False


def fpc_unsigned(e):
    """Whether Free Pascal computes the value without a sign: an unsigned
    variable, a constant it types as byte, word or cardinal, or an operation
    of two such operands."""
    if isinstance(e, (Const, ConstName)):
        v = e.v
        return 128 <= v <= 255 or 32768 <= v <= 65535 or v >= (1 << 31)
    if isinstance(e, Bin):
        if e.op in ("shl", "shr"):
            return fpc_unsigned(e.sub[0])
        return fpc_unsigned(e.sub[0]) and fpc_unsigned(e.sub[1])
    if isinstance(e, (Neg,)):
        return False
    if isinstance(e, Not):
        return fpc_unsigned(e.sub[0])
    t = e.t
    return t.kind == "enum" or t.kind == "int" and not t.signed


class Neg(Expr):
    def __init__(self, e):
        self.sub = [e]
        self.t = LONGINT

    def itype(self):
        size, signed, typed = self.sub[0].itype()
        if typed and signed:
            return (size, True, True)
        if typed:
            return (min(2 * size, 4), True, False)
        return (4, True, False)

    def render(self):
        return "(-%s)" % self.sub[0].render()

    def ev(self, m):
        v = -int_value(self.sub[0], self.sub[0].ev(m))
        size, signed, _ = self.itype()
        if not fits(v, size, signed):
            raise Unsafe(self, self.sub[0])
        return v


class Not(Expr):
    def __init__(self, e):
        self.sub = [e]
        self.t = BOOL if e.t.kind == "bool" else e.t

    def itype(self):
        return self.sub[0].itype()

    def render(self):
        return "(not %s)" % self.sub[0].render()

    def ev(self, m):
        v = self.sub[0].ev(m)
        if self.t.kind == "bool":
            return not v
        v = int_value(self.sub[0], v)
        size, signed, typed = self.sub[0].itype()
        if not typed and not signed:
            raise Unsafe(self, self.sub[0])   # Free Pascal would widen first
        return ~v if signed else ((1 << (8 * size)) - 1) ^ v


class Call(Expr):
    def __init__(self, sub, args):
        self.fn = sub
        self.sub = list(args)
        self.t = sub.result

    def render(self):
        if not self.sub:
            return self.fn.name
        return "%s(%s)" % (self.fn.name, ", ".join(a.render() for a in self.sub))

    def ev(self, m):
        store = m.program.call(m, self, self.fn, self.sub)
        if self.t.kind in ("arr", "rec"):
            return store
        return read_scalar(self, store)

    def ref(self, m):
        return m.program.call(m, self, self.fn, self.sub)


# ---------------------------------------------------------------- statements


class Stmt:
    sub = ()      # expressions
    bodies = ()   # statement lists


class Assign(Stmt):
    def __init__(self, target, value):
        self.sub = [target, value]

    def lines(self, ind):
        return [ind + "%s := %s;" % (self.sub[0].render(), self.sub[1].render())]

    def run(self, m):
        m.step()
        target, value = self.sub
        t = target.t
        if t.kind in ("arr", "rec"):
            src = value.ref(m)
            dst = target.ref(m)
            assign_storage(dst, copy_storage(src))
            return
        v = value.ev(m)
        if isinstance(target, StrIndex):
            try:
                target.ref(m).v = v
            except NoElement:
                raise Unsafe(self, Nop())
            return
        if t.kind == "int" or t.kind == "enum":
            v = int_value(value, v)
            if not t.lo <= v <= t.hi:
                raise Unsafe(value, Const(v % (t.hi + 1) if t.lo == 0 else v % 100))
        elif t.kind == "str" and len(v) > t.length:
            raise Unsafe(value, StrConst(v[:min(t.length, 3)]))
        box = target.ref(m)
        box.v = v


class WriteLn(Stmt):
    def __init__(self, args, newline=True):
        self.sub = list(args)
        self.newline = newline

    def lines(self, ind):
        word = "writeln" if self.newline else "write"
        if not self.sub:
            return [ind + word + ";"]
        return [ind + "%s(%s);" % (word, ", ".join(a.render() for a in self.sub))]

    def run(self, m):
        m.step()
        texts = []
        for a in self.sub:
            if isinstance(a, Width):
                text = written_text(a.sub[0], m)
                w = int_value(a.sub[1], a.sub[1].ev(m))
                if w > 40:
                    raise Unsafe(a.sub[1], Const(w % 20))
                texts.append(text.rjust(w))
            else:
                texts.append(written_text(a, m))
        m.out.append("".join(texts) + ("\n" if self.newline else ""))


def written_text(a, m):
    v = a.ev(m)
    if a.t.kind == "bool":
        return "TRUE" if v else "FALSE"
    if a.t.kind == "int":
        return str(int_value(a, v))
    return v


class Width(Expr):
    """value:width, a write argument right-aligned in a field (a width of 0
    or below adds nothing)."""

    def __init__(self, value, width):
        self.sub = [value, width]
        self.t = value.t

    def render(self):
        return "%s:%s" % (self.sub[0].render(), self.sub[1].render())


class SizeOf(Const):
    """sizeof(a type or a variable): a constant in both compilers.  Only
    sizes below 128 are taken, which Free Pascal types as signed, as it
    does sizeof."""

    def __init__(self, text, v):
        Const.__init__(self, v)
        self.text = text

    def render(self):
        return "sizeof(%s)" % self.text


def size_of(t):
    """The size both compilers give t, or None where they differ (records,
    enumerations, pointers)."""
    if t.kind == "int":
        return t.size
    if t.kind in ("bool", "char"):
        return 1
    if t.kind == "str":
        return t.length + 1
    if t.kind == "arr":
        e = size_of(t.elem)
        if e is None:
            return None
        for lo, hi in t.dims:
            e *= hi - lo + 1
        return e
    return None


class LoopJump(Exception):
    """break or continue, caught by the innermost loop."""

    def __init__(self, kind):
        self.kind = kind


class ExitJump(Exception):
    """exit, caught by the subroutine (or the main program) being run."""


class Jump(Stmt):
    """break, continue or exit."""

    def __init__(self, word):
        self.word = word

    def lines(self, ind):
        return [ind + self.word + ";"]

    def run(self, m):
        m.step()
        if self.word == "exit":
            raise ExitJump()
        raise LoopJump(self.word)


class ExitValue(Stmt):
    """exit(value) in a function: result := value, then exit."""

    def __init__(self, result_var, value):
        self.result_var = result_var
        self.sub = [value]

    def lines(self, ind):
        return [ind + "exit(%s);" % self.sub[0].render()]

    def run(self, m):
        Assign(VarRef(self.result_var), self.sub[0]).run(m)
        raise ExitJump()


def run_body(stmts, m):
    """One pass of a loop's body; True when a break ended it."""
    try:
        run_list(stmts, m)
    except LoopJump as j:
        return j.kind == "break"
    return False


class Comment(Stmt):
    """A (* *) comment line, nested now and then."""

    def __init__(self, text):
        self.text = text

    def lines(self, ind):
        return [ind + "(* %s *)" % self.text]

    def run(self, m):
        pass


class If(Stmt):
    def __init__(self, cond, then, other):
        self.sub = [cond]
        self.bodies = [then, other] if other is not None else [then]

    def lines(self, ind):
        out = [ind + "if %s then" % self.sub[0].render()]
        out += block_lines(self.bodies[0], ind + "  ", last=len(self.bodies) == 1)
        if len(self.bodies) == 2:
            out.append(ind + "else")
            out += block_lines(self.bodies[1], ind + "  ")
        return out

    def run(self, m):
        m.step()
        if self.sub[0].ev(m):
            run_list(self.bodies[0], m)
        elif len(self.bodies) == 2:
            run_list(self.bodies[1], m)


def block_lines(stmts, ind, last=True):
    """A statement list as one statement: begin ... end (no ';' after it)."""
    out = [ind[:-2] + "begin"]
    for s in stmts:
        out += s.lines(ind)
    out.append(ind[:-2] + "end")
    if last:
        out[-1] += ";"
    return out


def run_list(stmts, m):
    for s in stmts:
        s.run(m)


class While(Stmt):
    """while (counter < n) and cond do begin ... counter := counter + 1 end"""

    def __init__(self, counter, limit, cond, body):
        self.counter, self.limit = counter, limit
        self.sub = [cond]
        self.bodies = [body]

    def lines(self, ind):
        c = self.counter.name
        out = [ind + "%s := 0;" % c,
               ind + "while (%s < %d) and %s do" % (c, self.limit, self.sub[0].render()),
               ind + "begin"]
        for s in self.bodies[0]:
            out += s.lines(ind + "  ")
        out += [ind + "  %s := %s + 1;" % (c, c), ind + "end;"]
        return out

    def run(self, m):
        box = m.storage(self.counter)
        box.v = 0
        while True:
            m.step()
            go = box.v < self.limit
            cond = self.sub[0].ev(m)
            if not (go and cond):
                break
            if run_body(self.bodies[0], m):
                break
            box.v += 1


class Repeat(Stmt):
    def __init__(self, counter, limit, cond, body):
        self.counter, self.limit = counter, limit
        self.sub = [cond]
        self.bodies = [body]

    def lines(self, ind):
        c = self.counter.name
        out = [ind + "%s := 0;" % c, ind + "repeat"]
        for s in self.bodies[0]:
            out += s.lines(ind + "  ")
        out += [ind + "  %s := %s + 1;" % (c, c),
                ind + "until (%s >= %d) or %s;" % (c, self.limit, self.sub[0].render())]
        return out

    def run(self, m):
        box = m.storage(self.counter)
        box.v = 0
        while True:
            m.step()
            if run_body(self.bodies[0], m):
                break
            box.v += 1
            stop = box.v >= self.limit
            cond = self.sub[0].ev(m)
            if stop or cond:
                break


class For(Stmt):
    def __init__(self, var, start, end, down, body):
        self.var, self.down = var, down
        self.sub = [start, end]
        self.bodies = [body]

    def lines(self, ind):
        out = [ind + "for %s := %s %s %s do" % (self.var.name, self.sub[0].render(),
                                                "downto" if self.down else "to", self.sub[1].render())]
        out += block_lines(self.bodies[0], ind + "  ")
        return out

    def run(self, m):
        m.step()
        a = int_value(self.sub[0], self.sub[0].ev(m))
        b = int_value(self.sub[1], self.sub[1].ev(m))
        t = self.var.t
        for e in self.sub:
            v = a if e is self.sub[0] else b
            if not t.lo <= v <= t.hi:
                raise Unsafe(e, Const(t.lo + 1 if t.lo >= 0 else 1))
        count = (a - b if self.down else b - a) + 1
        if count > 12:
            raise Unsafe(self.sub[1], Const(a - 3 if self.down else a + 3))
        box = m.storage(self.var)
        i = a
        for _ in range(max(count, 0)):
            box.v = i
            if run_body(self.bodies[0], m):
                return   # after a break the variable keeps its value
            i = i - 1 if self.down else i + 1
        box.v = UNDEF   # the loop variable is undefined after the loop


class Case(Stmt):
    def __init__(self, selector, branches, other):
        self.sub = [selector] + [lab for labs, _ in branches for lab in labs]
        self.labels = [labs for labs, _ in branches]
        self.bodies = [body for _, body in branches] + ([other] if other is not None else [])
        self.has_else = other is not None

    def lines(self, ind):
        out = [ind + "case %s of" % self.sub[0].render()]
        for labs, body in zip(self.labels, self.bodies):
            out.append(ind + "  %s:" % ", ".join(lab.render() for lab in labs))
            out += block_lines(body, ind + "    ")
        if self.has_else:
            out.append(ind + "  else")
            out += block_lines(self.bodies[-1], ind + "    ")
        out.append(ind + "end;")
        return out

    def run(self, m):
        m.step()
        try:
            v = self.sub[0].ev(m)
        except Unsafe as u:
            if u.node is self.sub[0]:
                # a constant selector would not fit the labels' type
                raise Unsafe(self, Nop())
            raise
        for labs, body in zip(self.labels, self.bodies):
            if any(label_matches(lab, m, v) for lab in labs):
                run_list(body, m)
                return
        if self.has_else:
            run_list(self.bodies[-1], m)


class CaseRange(Expr):
    """A case label lo..hi: both bounds are labels of the selector's type."""

    def __init__(self, lo, hi):
        self.sub = [lo, hi]
        self.t = lo.t if hasattr(lo, "t") else None

    def render(self):
        return "%s..%s" % (self.sub[0].render(), self.sub[1].render())

    def ev(self, m):
        raise RuntimeError("a case range has no value")


def label_matches(label, m, v):
    if isinstance(label, CaseRange):
        lo, hi = label.sub[0].ev(m), label.sub[1].ev(m)
        if isinstance(v, str):
            return ord(lo) <= ord(v) <= ord(hi)
        return lo <= v <= hi
    return label.ev(m) == v


class FuncNameRef(VarRef):
    """The result of a function written as the function's name (f := x),
    inside the function or a subroutine nested in it."""

    def render(self):
        return self.var.owner.name


class NilArg(NilConst):
    """nil passed for a pointer parameter.  Should the callee follow it, the
    argument the generator first chose (alt) takes its place."""

    def __init__(self, t, alt):
        NilConst.__init__(self, t)
        self.alt = alt

    def ev(self, m):
        m.nil_args.append(self)
        return None


class ProcCall(Stmt):
    def __init__(self, sub, args):
        self.fn = sub
        self.sub = list(args)

    def lines(self, ind):
        if not self.sub:
            return [ind + self.fn.name + ";"]
        return [ind + "%s(%s);" % (self.fn.name, ", ".join(a.render() for a in self.sub))]

    def run(self, m):
        m.step()
        m.program.call(m, self, self.fn, self.sub)


class New(Stmt):
    def __init__(self, target):
        self.sub = [target]

    def lines(self, ind):
        return [ind + "new(%s);" % self.sub[0].render()]

    def run(self, m):
        m.step()
        m.heap += 1
        if m.heap > 40:
            raise Unsafe(self, Nop())
        self.sub[0].ref(m).v = new_storage(self.sub[0].t.target)


class Nop(Stmt):
    def lines(self, ind):
        return []

    def run(self, m):
        pass


# ---------------------------------------------------------------- program


class Var:
    def __init__(self, name, t, owner, role="local", mode=0):
        self.name, self.t, self.owner, self.role, self.mode = name, t, owner, role, mode

    def writable(self):
        if self.role in ("loop", "counter", "const"):
            return False
        if self.role == "param":
            return self.mode == 1 or (self.mode == 0 and (
                self.t.kind not in ("str", "rec", "arr") or "big-value-param" not in AVOID))
        return True


class Sub:
    def __init__(self, name, parent, is_function):
        self.name, self.parent, self.is_function = name, parent, is_function
        self.params = []       # Var with role param
        self.locals = []
        self.nested = []
        self.result = None
        self.result_var = None
        self.body = []
        self.forward = False
        self.recursive = False
        self.overloaded = False

    def header(self):
        kw = "function" if self.is_function else "procedure"
        text = kw + " " + self.name
        if self.params:
            groups = []
            for p in self.params:
                mode = ["", "var ", "const "][p.mode]
                groups.append("%s%s: %s" % (mode, p.name, p.t.ref()))
            text += "(" + "; ".join(groups) + ")"
        if self.is_function:
            text += ": " + self.result.ref()
        return text + ";"


class Program:
    def __init__(self):
        self.types = []
        self.consts = []       # (name, declared text, value text)
        self.str_consts = []   # (name, characters): untyped string and char constants
        self.typed_consts = []  # (var, values)
        self.main = Sub("main", None, False)
        self.heading_files = ""
        self.upper_include = False
        self.globals = []
        self.subs = []         # top level, in declaration order
        self.snapshots = []

    # -- run

    def note_read(self, var, m):
        if var.role == "param" and var.mode == 0 and var.t.kind in ("str", "rec", "arr") and \
                "big-value-param" in AVOID or var.role == "param" and var.mode == 2:
            # passed by address in this compiler, copied in Free Pascal: the
            # two agree only while the argument stays as it was
            for frame in reversed(m.frames):
                if var in frame.store:
                    snap = frame.snapshots.get(var)
                    if snap is not None and not same_storage(snap[0], frame.store[var]):
                        raise Unsafe(snap[1], snap[2])
                    break

    def call(self, m, node, fn, args):
        frame = Frame(fn)
        frame.snapshots = {}
        for p, a in zip(fn.params, args):
            if p.mode == 1:
                frame.store[p] = a.ref(m)
            elif p.mode == 0 and p.t.kind in ("rec", "arr", "str") and \
                    "big-value-param" not in AVOID:
                if p.t.kind == "str":
                    v = a.ev(m)
                    if len(v) > p.t.length:
                        raise Unsafe(a, StrConst("q"))
                    frame.store[p] = Box(v)
                else:
                    frame.store[p] = copy_storage(a.ref(m))
            elif p.t.kind in ("rec", "arr") or p.mode == 2 and a.is_lvalue() and \
                    (a.t is p.t or p.t.kind == "str"):
                store = a.ref(m)
                frame.store[p] = store
                frame.snapshots[p] = (copy_storage(store), node, Nop() if isinstance(node, Stmt)
                                      else default_value(node.t))
            else:
                v = a.ev(m)
                if p.t.kind in ("int", "enum"):
                    v = int_value(a, v)
                    if not p.t.lo <= v <= p.t.hi:
                        raise Unsafe(a, Const(0))
                if p.t.kind == "str" and len(v) > p.t.length:
                    raise Unsafe(a, StrConst("q"))
                frame.store[p] = Box(v)
                # a variable of another type for a const parameter: this
                # compiler may pass its address (a byte for a shortint),
                # Free Pascal a copy; they agree while it stays as it was
                if p.t.kind == "str" and a.is_lvalue() or \
                        p.mode == 2 and a.is_lvalue() and p.t.kind in ("int", "enum"):
                    frame.snapshots[p] = (Box(v), node, Nop() if isinstance(node, Stmt)
                                          else default_value(node.t))
                    frame.store[p] = a.ref(m)
        for v in fn.locals:
            frame.store[v] = new_storage(v.t)
        if fn.result_var is not None:
            frame.store[fn.result_var] = new_storage(fn.result)
        if len(m.frames) > 60:
            raise TooLong()
        m.frames.append(frame)
        try:
            run_list(fn.body, m)
        except ExitJump:
            pass
        m.frames.pop()
        if fn.result_var is not None:
            return frame.store[fn.result_var]
        return None

    def run(self):
        m = Machine(self)
        for v in self.globals:
            m.globals.store[v] = new_storage(v.t)
        for v, values in self.typed_consts:
            store = new_storage(v.t)
            for box, value in zip(store, values):
                box.v = value
            m.globals.store[v] = store
        m.frames.append(m.globals)
        try:
            run_list(self.main.body, m)
        except ExitJump:
            pass
        return "".join(m.out)

    # -- fixing

    def all_statement_lists(self):
        def of_sub(s):
            yield s.body
            for n in s.nested:
                yield from of_sub(n)
        yield from of_sub(self.main)
        for s in self.subs:
            yield from of_sub(s)

    def replace(self, node, replacement):
        for stmts in self.all_statement_lists():
            if replace_in_list(stmts, node, replacement):
                return True
        return False

    # -- text

    def text(self, fpc=False):
        out = ["program generated%s;" % self.heading_files]
        if not fpc:
            out.append("{$I system.inc}" if self.upper_include else "{$i system.inc}")
        out.append("(* generated by progen (* seeded *) { a brace inside } *)")
        if self.consts or self.str_consts:
            out.append("const")
            for name, value, _ in self.consts:
                out.append("  %s = %s;" % (name, value))
            for name, chars in self.str_consts:
                out.append("  %s = '%s';" % (name, chars))
        if self.types:
            out.append("type")
            for t in self.types:
                out.append("  %s = %s;" % (t.name, t.decl()))
        if self.typed_consts:
            out.append("const")
            for v, values in self.typed_consts:
                out.append("  %s: %s = (%s);" % (v.name, v.t.ref(), ", ".join(str(x) for x in values)))
        out += var_section(self.globals, "")
        for s in self.subs:
            out += sub_lines(s, "")
        out.append("begin")
        for st in self.main.body:
            out += st.lines("  ")
        out.append("end.")
        wrapped = []
        for line in out:
            wrapped += wrap_line(line)
        return "\n".join(wrapped) + "\n"


def wrap_line(line, width=150):
    """Breaks a long line at blanks outside string literals: the compiler
    cuts lines after 255 characters."""
    if len(line) <= width:
        return [line]
    indent = line[:len(line) - len(line.lstrip())] + "    "
    pieces, current, quoted = [], "", False
    for ch in line:
        if ch == "'":
            quoted = not quoted
        if ch == " " and not quoted and len(current) >= width:
            pieces.append(current)
            current = indent
            continue
        current += ch
    pieces.append(current)
    return pieces


def replace_in_list(stmts, node, replacement):
    for i, s in enumerate(stmts):
        if s is node:
            stmts[i] = replacement
            return True
        if replace_in_exprs(s.sub, node, replacement, s):
            if isinstance(s, Case):
                s.labels = regroup(s)
            return True
        for body in s.bodies:
            if replace_in_list(body, node, replacement):
                return True
    return False


def regroup(case):
    labels, k = [], 1
    for labs in case.labels:
        labels.append(case.sub[k:k + len(labs)])
        k += len(labs)
    return labels


class AmbiguousArgument(Exception):
    """A one-character literal would become an argument of an overloaded call."""


def replace_in_exprs(exprs, node, replacement, owner=None):
    for i, e in enumerate(exprs):
        if e is node:
            if is_overloaded_call(owner) and is_one_char_literal(replacement):
                # Free Pascal takes 'x' for the char overload, this compiler
                # for the string one: the program cannot be kept
                raise AmbiguousArgument()
            exprs[i] = replacement
            return True
        if replace_in_exprs(e.sub, node, replacement, e):
            return True
    return False


def is_overloaded_call(e):
    return isinstance(e, (Call, ProcCall)) and getattr(e.fn, "overloaded", False)


def is_one_char_literal(e):
    return isinstance(e, CharConst) or isinstance(e, StrConst) and len(e.s) == 1


def var_section(variables, ind):
    if not variables:
        return []
    out = [ind + "var"]
    for v in variables:
        out.append(ind + "  %s: %s;" % (v.name, v.t.ref()))
    return out


def sub_lines(s, ind):
    out = []
    if s.forward:
        out.append(ind + s.header() + " forward;")
        out.append("")
        return out
    return sub_body_lines(s, ind)


def sub_body_lines(s, ind):
    out = ["", ind + s.header()]
    out += var_section(s.locals, ind)
    for n in s.nested:
        out += sub_lines(n, ind + "  ")
    out.append(ind + "begin")
    for st in s.body:
        out += st.lines(ind + "  ")
    out.append(ind + "end;")
    return out


# ---------------------------------------------------------------- generator

# Forms that show faults already recorded for their owners; the generator
# stays clear of them so that every new difference is a new fault.  Remove
# a name once its fault is mended.  ("array-assign", "char-literal-arg",
# "big-value-param", "not-unsigned" and "mixed-sign-bitwise" were such
# names once.)
AVOID = set()

CHARS = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 .,:-+*/=<>!?()"
INTERESTING = [0, 1, 2, 3, 5, 7, 10, 15, 16, 31, 42, 63, 64, 100, 127, 128, 200, 254, 255, 256,
               300, 1000, 4095, 4096, 10000, 32767, 32768, 40000, 65535, 65536, 100000,
               1000000, 16777215, 2147483647, 2147483648, 3000000000, 4294967295]


class Generator:
    def __init__(self, seed, small):
        self.r = random.Random(seed)
        self.small = small
        self.p = Program()
        self.count = 0
        self.scope = []          # visible variables
        self.funcs = []          # visible pure functions
        self.procs = []          # visible procedures
        self.loopvars = []       # loop variables of the current subroutine
        self.loops = []          # kinds of the loops around the statement made
        self.sub = None          # subroutine being generated
        self.pure = False
        self.depth = 0

    def name(self, prefix):
        self.count += 1
        return "%s%d" % (prefix, self.count)

    def chance(self, p):
        return self.r.random() < p

    # -- types

    def make_types(self):
        r = self.r
        p = self.p
        self.strs = [StrT(self.name("st"), r.choice([4, 8, 12, 20, 40])) for _ in range(2)]
        p.types += self.strs
        self.enums = []
        for _ in range(r.randint(1, 2)):
            names = [self.name("e") for _ in range(r.randint(2, 5))]
            self.enums.append(EnumT(self.name("en"), names))
        p.types += self.enums
        self.recs = []
        for _ in range(r.randint(1, 3)):
            fields = []
            for _ in range(r.randint(1, 4)):
                fields.append((self.name("f"), self.simple_type(allow_str=True)))
            rec = RecT(self.name("rc"), fields)
            self.recs.append(rec)
            p.types.append(rec)
        self.arrs = []
        for _ in range(r.randint(2, 4)):
            ndim = 1 if self.chance(0.7) else 2
            dims = []
            for _ in range(ndim):
                lo = r.choice([0, 1, 1, 2, 5, 10, 100])
                dims.append((lo, lo + r.randint(1, 5 if ndim == 2 else 7)))
            elem = self.simple_type(allow_str=False) if self.chance(0.75) else r.choice(self.recs)
            arr = ArrT(self.name("ar"), dims, elem)
            self.arrs.append(arr)
            p.types.append(arr)
        # a record holding an array
        if self.chance(0.6):
            rec = RecT(self.name("rc"), [(self.name("f"), r.choice(INTS)),
                                         (self.name("f"), r.choice(self.arrs[:1]))])
            if rec.fields[1][1].elem.kind != "rec":
                self.recs.append(rec)
                p.types.append(rec)
        self.ptrs = []
        for target in [r.choice(INTS), r.choice(self.recs)]:
            ptr = PtrT(self.name("pt"), target)
            self.ptrs.append(ptr)
            p.types.append(ptr)

    def simple_type(self, allow_str):
        r = self.r
        x = r.random()
        if x < 0.6:
            return r.choice(INTS)
        if x < 0.7:
            return BOOL
        if x < 0.8:
            return CHAR
        if x < 0.9 and allow_str:
            return r.choice(self.strs)
        return r.choice(self.enums) if self.enums else BYTE

    def any_type(self):
        r = self.r
        x = r.random()
        if x < 0.55:
            return self.simple_type(allow_str=True)
        if x < 0.75:
            return r.choice(self.arrs)
        if x < 0.9:
            return r.choice(self.recs)
        return r.choice(self.ptrs)

    # -- constants

    def int_const(self, t=None):
        r = self.r
        if t is None:
            t = LONGWORD
        choices = [v for v in INTERESTING if t.lo <= v <= t.hi]
        v = r.choice(choices) if self.chance(0.7) else r.randint(0, min(t.hi, 70000))
        return Const(v, hexa=self.chance(0.1))

    def str_const(self, maxlen):
        n = self.r.randint(0, min(maxlen, 10))
        return "".join(self.r.choice(CHARS) for _ in range(n))

    # -- access paths

    def vars_of(self, pred, writable=False):
        out = []
        for v in self.scope:
            if writable and not v.writable():
                continue
            if v.role == "loop" and writable:
                continue
            if self.pure and writable and v.owner is not self.sub:
                continue
            if pred(v.t):
                out.append(v)
        return out

    def path_to(self, want, writable=False, depth=0):
        """An lvalue expression of a type that `want` accepts, or None."""
        def reaches(t, d=0):
            if want(t):
                return True
            if d > 2:
                return False
            if t.kind == "arr":
                return reaches(t.after(len(t.dims)), d + 1)
            if t.kind == "rec":
                return any(reaches(ft, d + 1) for _, ft in t.fields)
            if t.kind == "ptr" and not writable or t.kind == "ptr" and self.sub_may_write_heap():
                return reaches(t.target, d + 1)
            return False
        candidates = self.vars_of(reaches, writable)
        if not candidates:
            return None
        v = self.r.choice(candidates)
        e = VarRef(v)
        for _ in range(4):
            t = e.t
            if want(t):
                return e
            if t.kind == "arr":
                for k in range(len(t.dims)):
                    lo, hi = t.dims[k]
                    index = Const(self.r.randint(lo, hi)) if isinstance(t, CharArrT) \
                        else self.index_expr(lo, hi)
                    e = Index(e, index, t.after(k + 1))
            elif t.kind == "rec":
                fields = [f for f, ft in t.fields if reaches(ft)]
                e = Field(e, self.r.choice(fields))
            elif t.kind == "ptr":
                e = Deref(e)
            if want(e.t) and e.t.kind not in ("arr", "rec", "ptr"):
                return e
        return e if want(e.t) else None

    def sub_may_write_heap(self):
        return not self.pure

    def index_expr(self, lo, hi):
        if self.chance(0.1) and self.char_code(lo, hi) is not None:
            return self.char_code(lo, hi)
        if self.chance(0.5) or self.depth > 2:
            return Const(self.r.randint(lo, hi))
        loops = [v for v in self.loopvars]
        if loops and self.chance(0.5):
            v = self.r.choice(loops)
            return VarRef(v)
        self.depth += 1
        e = self.int_expr(2)
        self.depth -= 1
        if isinstance(e, (Const, ConstName)) and not lo <= e.v <= hi:
            # a constant index outside the array stops the compiler (its
            # address arithmetic is checked), even in code that never runs
            e = Const(lo)
        return e

    # -- expressions

    def sizeof(self):
        """sizeof of a variable in scope or of a type, below 128 bytes."""
        named = [(v.name, size_of(v.t)) for v in self.scope if v.role != "const"]
        named += [(t.name, size_of(t)) for t in INTS + self.p.types if t.name]
        named += [("boolean", 1), ("char", 1)]
        named = [(n, v) for n, v in named if v is not None and v < 128]
        n, v = self.r.choice(named)
        return SizeOf(n, v)

    def int_leaf(self):
        r = self.r
        x = r.random()
        if x < 0.03:
            return self.char_code(0, 255)
        if x < 0.05:
            return self.sizeof()
        if x < 0.25:
            return self.int_const(r.choice(INTS))
        if x < 0.3 and self.p.consts:
            name, _, value = r.choice(self.p.consts)
            return ConstName(name, value)
        if x < 0.35 and self.p.typed_consts:
            v, values = r.choice(self.p.typed_consts)
            lo, hi = v.t.dims[0]
            return Index(VarRef(v), self.index_expr(lo, hi), v.t.elem)
        if x < 0.45 and self.funcs and self.depth < 2:
            call = self.call_expr(lambda t: t.kind == "int")
            if call is not None:
                return call
        if x < 0.5 and self.depth < 3:
            s = self.path_to(lambda t: t.kind == "str")
            if s is not None:
                return Length(s)
        if x < 0.55:
            e = self.path_to(lambda t: t.kind == "enum")
            if e is not None:
                return Cast(r.choice([BYTE, WORD, LONGINT]), e)
        e = self.path_to(lambda t: t.kind == "int")
        if e is not None:
            return e
        return self.int_const(r.choice(INTS))

    def int_expr(self, depth):
        r = self.r
        if depth <= 0 or self.chance(0.3):
            return self.int_leaf()
        x = r.random()
        if x < 0.08:
            return Neg(self.int_expr(depth - 1))
        if x < 0.12:
            want = (lambda t: t.kind == "int" and t.signed) if "not-unsigned" in AVOID or \
                self.chance(0.5) else (lambda t: t.kind == "int")
            e = self.path_to(want)
            if e is not None:
                return Not(e)
        if x < 0.17:
            return Cast(r.choice(INTS), self.int_expr(depth - 1), wrap=self.chance(0.5))
        op = r.choice(["+", "+", "+", "-", "-", "*", "*", "div", "mod", "and", "or", "xor",
                       "shl", "shr"])
        left = self.int_expr(depth - 1)
        if op in ("shl", "shr"):
            right = Const(r.randint(0, 9))
        elif op in ("div", "mod"):
            # Free Pascal folds constant divisors (and x mod 1) and refuses
            # a division by a constant 0 even in code that never runs
            right = self.path_to(lambda t: t.kind == "int") if self.chance(0.4) else None
            if right is None:
                right = Const(r.choice([2, 3, 7, 10, 16, 100, 1000]))
        else:
            right = self.int_expr(depth - 1)
        return Bin(op, left, right)

    def bool_expr(self, depth):
        r = self.r
        x = r.random()
        if depth <= 0 or x < 0.15:
            e = self.path_to(lambda t: t.kind == "bool") if self.chance(0.6) else None
            return e if e is not None else BoolConst(self.chance(0.5))
        if x < 0.55:
            return Bin(r.choice(sorted(COMPARE)), self.int_expr(depth - 1), self.int_expr(depth - 1))
        if x < 0.6:
            return Not(self.bool_expr(depth - 1))
        if x < 0.75:
            return Bin(r.choice(["and", "or", "xor"]), self.bool_expr(depth - 1), self.bool_expr(depth - 1))
        if x < 0.8:
            return Bin(r.choice(["=", "<>"]), self.bool_expr(depth - 1), self.bool_expr(depth - 1))
        if x < 0.86:
            return Bin(r.choice(sorted(COMPARE)), self.char_expr(), self.char_expr())
        if x < 0.9:
            return Bin(r.choice(sorted(COMPARE)), self.str_expr(1), self.str_expr(1))
        if x < 0.94:
            e = self.path_to(lambda t: t.kind == "enum")
            if e is not None:
                other = self.path_to(lambda t: t is e.t)
                if other is None or self.chance(0.5):
                    other = EnumConst(e.t, r.randint(0, e.t.hi))
                return Bin(r.choice(sorted(COMPARE)), e, other)
        if x < 0.97:
            e = self.path_to(lambda t: t.kind == "ptr")
            if e is not None:
                other = self.path_to(lambda t: t is e.t)
                if other is None:
                    other = NilConst(e.t)
                    if self.chance(0.5):
                        e, other = other, e   # nil = p
                return Bin(r.choice(["=", "<>"]), e, other)
        if self.funcs and self.depth < 2:
            call = self.call_expr(lambda t: t.kind == "bool")
            if call is not None:
                return call
        return Bin(r.choice(sorted(COMPARE)), self.int_leaf(), self.int_leaf())

    def char_expr(self):
        r = self.r
        named = self.named_string(lambda chars: len(chars) == 1)
        if named is not None:
            return NamedChar(*named)
        x = r.random()
        if x < 0.3:
            return CharConst(r.choice(CHARS))
        if x < 0.5:
            s = self.path_to(lambda t: t.kind == "str")
            if s is not None:
                return StrIndex(s, self.int_expr(1) if self.chance(0.3) else Const(r.randint(1, 3)))
        if x < 0.6 and self.funcs and self.depth < 2:
            call = self.call_expr(lambda t: t.kind == "char")
            if call is not None:
                return call
        e = self.path_to(lambda t: t.kind == "char")
        return e if e is not None else CharConst(r.choice(CHARS))

    def str_expr(self, depth):
        r = self.r
        named = self.named_string(lambda chars: len(chars) != 1)
        if named is not None:
            return NamedStr(*named)
        x = r.random()
        if depth > 0 and x < 0.3:
            left = self.str_expr(depth - 1)
            right = self.str_expr(depth - 1) if self.chance(0.7) else self.char_expr()
            return Bin("+", left, right)
        if x < 0.55:
            return StrConst(self.str_const(8))
        if x < 0.62 and self.funcs and self.depth < 2:
            call = self.call_expr(lambda t: t.kind == "str")
            if call is not None:
                return call
        e = self.path_to(lambda t: t.kind == "str")
        return e if e is not None else StrConst(self.str_const(6))

    def value_of(self, t, depth=2):
        """An expression for a value of type t."""
        if t.kind == "int":
            return self.int_expr(depth)
        if t.kind == "bool":
            return self.bool_expr(depth)
        if t.kind == "char":
            return self.char_expr()
        if t.kind == "str":
            return self.str_expr(1)
        if t.kind == "enum":
            e = self.path_to(lambda u: u is t)
            return e if e is not None and self.chance(0.5) else EnumConst(t, self.r.randint(0, t.hi))
        if t.kind == "ptr":
            if self.pure:
                e = self.path_to(lambda u: u is t)
                return e
            x = self.r.random()
            if x < 0.5:
                target = self.path_to(lambda u: u is t.target)
                # only a global outlives every pointer that may keep its address
                if target is not None and isinstance(target, VarRef) and \
                        target.var.owner is self.p.main and target.var.role == "local":
                    return AddrOf(target, t)
            return self.path_to(lambda u: u is t)
        if t.kind in ("rec", "arr"):
            e = self.path_to(lambda u: u is t)
            if e is None and t.kind == "rec" and self.funcs and self.depth < 2:
                return self.call_expr(lambda u: u is t)
            return e
        return None

    def is_heap_path(self, e):
        while e.sub:
            if isinstance(e, Deref):
                return True
            e = e.sub[0]
        return False

    def call_expr(self, want):
        funcs = [f for f in self.funcs if want(f.result)]
        if not funcs:
            return None
        f = self.r.choice(funcs)
        args = self.arguments(f)
        if args is None:
            return None
        return Call(f, args)

    def arguments(self, f):
        args = []
        self.depth += 1
        for p in f.params:
            if p.mode == 1 or p.t.kind in ("arr", "rec"):
                a = self.path_to(lambda t: t is p.t, writable=(p.mode == 1))
                if a is None:
                    self.depth -= 1
                    return None
            elif p.t.kind == "int":
                a = self.int_expr(1)
            elif p.t.kind == "char" and f.overloaded:
                # with a string overload beside it, 'x' takes the string one
                # here and the char one in Free Pascal
                a = self.path_to(lambda t: t.kind == "char")
                if a is None:
                    self.depth -= 1
                    return None
            else:
                a = self.value_of(p.t, 1)
                if a is None:
                    self.depth -= 1
                    return None
                if p.t.kind == "ptr" and self.chance(0.3):
                    a = NilArg(p.t, a)
                if isinstance(a, StrConst) and len(a.s) == 1:
                    # Free Pascal takes 'x' as a char, this compiler as a string
                    a = StrConst(a.s + "s")
            args.append(a)
        self.depth -= 1
        return args

    # -- statements

    def statements(self, n, depth):
        out = []
        for _ in range(n):
            s = self.statement(depth)
            if s is not None:
                out.append(s)
        return out

    def loop_body(self, kind, n, depth):
        self.loops.append(kind)
        body = self.statements(n, depth)
        self.loops.pop()
        return body

    def jump(self):
        """if C then break / continue / exit, or None.  continue only in a
        for loop: the counters of while and repeat count at the end of the
        body, where continue would not pass."""
        r = self.r
        if self.loops and self.chance(0.08):
            word = "continue" if self.loops[-1] == "for" and self.chance(0.5) else "break"
            return If(self.bool_expr(1), [Jump(word)], None)
        if self.sub is not None and self.chance(0.03):
            value = None
            if self.sub.is_function and self.chance(0.5):
                value = self.value_of(self.sub.result)
            if value is not None:
                return If(self.bool_expr(1), [ExitValue(self.sub.result_var, value)], None)
            return If(self.bool_expr(1), [Jump("exit")], None)
        if self.chance(0.02):
            return Comment(r.choice(["note", "(* nested *) note", "{ brace } note"]))
        return None

    def statement(self, depth):
        r = self.r
        j = self.jump()
        if j is not None:
            return j
        x = r.random()
        if x < 0.03:
            return self.char_element_assignment()
        if x < 0.35 or depth <= 0:
            return self.assignment()
        if x < 0.45 and not self.pure:
            return self.writeln()
        if x < 0.55:
            return If(self.bool_expr(2), self.statements(r.randint(1, 3), depth - 1),
                      self.statements(r.randint(1, 2), depth - 1) if self.chance(0.5) else None)
        if x < 0.62:
            return self.for_loop(depth)
        if x < 0.67:
            c = self.counter()
            if c is None:
                return self.assignment()
            body = self.loop_body("while", r.randint(1, 3), depth - 1)
            return While(c, r.randint(1, 5), self.bool_expr(1), body)
        if x < 0.72:
            c = self.counter()
            if c is None:
                return self.assignment()
            body = self.loop_body("repeat", r.randint(1, 3), depth - 1)
            return Repeat(c, r.randint(1, 5), self.bool_expr(1), body)
        if x < 0.8:
            return self.case_statement(depth)
        if x < 0.92 and not self.pure:
            call = self.proc_call()
            if call is not None:
                return call
        if x < 0.95 and not self.pure:
            p = self.path_to(lambda t: t.kind == "ptr", writable=True)
            if p is not None and not self.is_heap_path(p) and self.count_news < 6:
                self.count_news += 1
                return New(p)
        return self.assignment()

    def counter(self):
        if self.pure and self.sub is None:
            return None
        owner = self.sub if self.sub is not None else self.p.main
        v = Var(self.name("c"), BYTE, owner, role="counter")
        if self.sub is None:
            self.p.globals.append(v)
        else:
            self.sub.locals.append(v)
        return v

    def char_element_assignment(self):
        s = self.path_to(lambda t: t.kind == "str", writable=True)
        if s is None:
            return self.assignment()
        index = self.int_expr(1) if self.chance(0.3) else Const(self.r.randint(1, 4))
        return Assign(StrIndex(s, index), self.char_expr())

    def assignment(self):
        want = (lambda t: t.kind != "arr") if "array-assign" in AVOID else (lambda t: True)
        target = self.path_to(want, writable=True)
        if target is None:
            return Nop()
        value = self.value_of(target.t)
        if value is None or value is target:
            return Nop()
        return Assign(target, value)

    def writeln(self):
        r = self.r
        args = [StrConst(self.name("w") + " ")]
        for _ in range(r.randint(1, 3)):
            x = r.random()
            if x < 0.55:
                args.append(self.int_expr(2))
            elif x < 0.7:
                args.append(self.bool_expr(1))
            elif x < 0.8:
                args.append(self.char_expr())
            else:
                args.append(self.str_expr(1))
            if self.chance(0.3):
                args[-1] = Width(args[-1], self.width())
            args.append(StrConst(" "))
        return WriteLn(args[:-1], newline=self.chance(0.9))

    def width(self):
        """A field width: a small constant (0 or below adds nothing) or an
        integer variable, which the run keeps at 40 or below."""
        ints = self.vars_of(lambda t: t.kind == "int")
        if ints and self.chance(0.3):
            return VarRef(self.r.choice(ints))
        return Const(self.r.randint(-2, 14)) if self.chance(0.8) else Neg(Const(self.r.randint(1, 3)))

    def for_loop(self, depth):
        owner = self.sub if self.sub is not None else self.p.main
        t = self.r.choice([BYTE, WORD, SHORTINT, SMALLINT, LONGINT, LONGWORD])
        v = Var(self.name("i"), t, owner, role="loop")
        (self.p.globals if self.sub is None else self.sub.locals).append(v)
        start = self.int_const(t) if self.chance(0.5) else Const(self.r.randint(0, 10))
        down = self.chance(0.3)
        count = self.r.randint(0, 5)
        end = Const(max(start.v - count, 0)) if down else Const(start.v + count)
        if self.chance(0.3):
            # Free Pascal refuses a constant bound outside the variable's type
            end = self.path_to(lambda u: u.kind == "int") or end
        start.v = min(max(start.v, t.lo), t.hi)
        if isinstance(end, Const):
            end.v = min(max(end.v, t.lo), t.hi)
        self.loopvars.append(v)
        self.scope.append(v)
        body = self.loop_body("for", self.r.randint(1, 3), depth - 1)
        self.scope.remove(v)
        self.loopvars.remove(v)
        return For(v, start, end, down, body)

    def case_statement(self, depth):
        r = self.r
        x = r.random()
        if x < 0.6:
            sel = self.path_to(lambda t: t.kind == "int")
            if sel is None:
                return self.assignment()
            t = sel.t
            pool = sorted(set([v for v in INTERESTING if t.lo <= v <= t.hi] +
                              [r.randint(0, min(t.hi, 20)) for _ in range(4)]))
            make = Const
        elif x < 0.8:
            sel = self.path_to(lambda t: t.kind == "enum")
            if sel is None:
                return self.assignment()
            pool = list(range(sel.t.hi + 1))
            make = lambda i, t=sel.t: EnumConst(t, i)
        elif x < 0.86:
            sel = self.path_to(lambda t: t.kind == "bool")
            if sel is None:
                return self.assignment()
            pool = [False, True]
            make = BoolConst
        else:
            sel = self.path_to(lambda t: t.kind == "char")
            if sel is None:
                return self.assignment()
            pool = sorted(set(r.choice(CHARS) for _ in range(6)))
            make = CharConst
        if self.chance(0.5):
            groups = self.range_label_groups(pool, make)
        else:
            r.shuffle(pool)
            groups = []
            while pool and len(groups) < r.randint(1, 4):
                groups.append([make(pool.pop()) for _ in range(min(len(pool), r.randint(1, 2)))])
        branches = [(labs, self.statements(r.randint(1, 2), depth - 1)) for labs in groups]
        other = self.statements(r.randint(1, 2), depth - 1) if self.chance(0.5) else None
        return Case(sel, branches, other)

    def range_label_groups(self, pool, make):
        """Label lists for up to four branches that mix single labels and
        ranges lo..hi.  The pool is cut, in order, into runs of values; a
        run of two or more becomes the range from its first to its last
        value, which holds no other label, as the runs do not overlap."""
        r = self.r
        ordered = sorted(pool, key=lambda v: ord(v) if isinstance(v, str) else v)
        labels = []
        while ordered:
            run = ordered[:r.randint(1, 3)]
            del ordered[:len(run)]
            if len(run) > 1 and self.chance(0.7):
                labels.append(CaseRange(make(run[0]), make(run[-1])))
            else:
                labels += [make(v) for v in run]
        r.shuffle(labels)
        groups = []
        while labels and len(groups) < r.randint(1, 4):
            groups.append([labels.pop() for _ in range(min(len(labels), r.randint(1, 2)))])
        return groups

    def proc_call(self):
        procs = [p for p in self.procs]
        if not procs:
            return None
        p = self.r.choice(procs)
        args = self.arguments(p)
        if args is None:
            return None
        return ProcCall(p, args)

    # -- checks printed as the program goes

    def print_var(self, v, prefix):
        """Statements that print every scalar inside v."""
        out = []

        def walk(e, t, d):
            if t.kind in ("int", "bool", "char", "str"):
                x = e
                if t.kind == "str":
                    out.append(WriteLn([StrConst(prefix + e.render().replace("'", "") + " "),
                                        x, StrConst(" "), Length(e)]))
                else:
                    out.append(WriteLn([StrConst(prefix + e.render().replace("'", "") + " "), x]))
            elif t.kind == "enum":
                out.append(WriteLn([StrConst(prefix + e.render().replace("'", "") + " "), Cast(BYTE, e)]))
            elif t.kind == "arr":
                lo, hi = t.dims[0]
                for i in range(lo, hi + 1):
                    walk(Index(e, Const(i), t.after(1)), t.after(1), d + 1)
            elif t.kind == "rec":
                for f, ft in t.fields:
                    walk(Field(e, f), ft, d + 1)
            elif t.kind == "ptr" and d == 0:
                walk(Deref(e), t.target, d + 1)
        walk(VarRef(v), v.t, 0)
        return out

    def init_var(self, v):
        """Statements that give every scalar inside v a value."""
        out = []

        def walk(e, t):
            if t.kind in ("int", "bool", "char", "str", "enum"):
                if t.kind == "int":
                    value = self.int_const(t)
                elif t.kind == "bool":
                    value = BoolConst(self.chance(0.5))
                elif t.kind == "char":
                    value = CharConst(self.r.choice(CHARS))
                elif t.kind == "str":
                    value = StrConst(self.str_const(t.length))
                else:
                    value = EnumConst(t, self.r.randint(0, t.hi))
                out.append(Assign(e, value))
            elif t.kind == "arr":
                lo, hi = t.dims[0]
                for i in range(lo, hi + 1):
                    walk(Index(e, Const(i), t.after(1)), t.after(1))
            elif t.kind == "rec":
                for f, ft in t.fields:
                    walk(Field(e, f), ft)
            elif t.kind == "ptr":
                target = [g for g in self.p.globals if g.t is t.target and g.role == "local"]
                if target and self.chance(0.4) or self.pure:
                    if target:
                        out.append(Assign(e, AddrOf(VarRef(self.r.choice(target)), t)))
                    return
                out.append(New(e))
                walk(Deref(e), t.target)
        walk(VarRef(v), v.t)
        return out

    # -- subroutines

    def make_sub(self, parent, is_function, level):
        r = self.r
        s = Sub(self.name("f" if is_function else "p"), parent, is_function)
        owner_scope = list(self.scope)
        for _ in range(r.randint(0, 4)):
            mode = r.choice([0, 0, 1, 2]) if not is_function else r.choice([0, 0, 2])
            t = self.any_type() if self.chance(0.6) else r.choice(INTS)
            if t.kind == "ptr" and mode == 0 and is_function:
                t = LONGINT
            if t.kind in ("arr", "rec") and mode == 0 and "big-value-param" in AVOID:
                mode = 2
            if t.kind == "str":
                t = STRING if mode != 1 else t
            s.params.append(Var(self.name("a"), t, s, role="param", mode=mode))
        if is_function:
            s.result = r.choice(INTS + INTS + [BOOL, CHAR, STRING, r.choice(self.recs)])
            s.result_var = Var("result", s.result, s, role="local")
        for _ in range(r.randint(0, 3)):
            t = self.any_type()
            if is_function and t.kind == "ptr":
                t = WORD
            s.locals.append(Var(self.name("l"), t, s))
        saved = (self.scope, self.sub, self.pure, self.loopvars, self.funcs, self.procs,
                 self.loops)
        self.loops = []
        self.scope = owner_scope + s.params + s.locals
        if s.result_var:
            self.scope.append(s.result_var)
        self.sub, self.pure, self.loopvars = s, is_function, []
        self.funcs, self.procs = list(self.funcs), list(self.procs)
        if not is_function and level < 2:
            for _ in range(r.randint(0, 2)):
                inner = self.make_sub(s, self.chance(0.4), level + 1)
                s.nested.append(inner)
                (self.funcs if inner.is_function else self.procs).append(inner)
        body = []
        for v in s.locals:
            body += self.init_var(v)
        if s.result_var:
            body += self.init_var(s.result_var)
        body += self.statements(r.randint(2, 6 if not self.small else 3), 2)
        if not is_function:
            for v in s.locals:
                if self.chance(0.5):
                    body += self.print_var(v, s.name + " ")
        elif s.result.kind == "int" and self.chance(0.7):
            body.append(Assign(self.result_target(s), self.int_expr(2)))
        elif s.result.kind in ("bool", "char", "str") and self.chance(0.4):
            value = self.value_of(s.result, 1)
            if value is not None:
                body.append(Assign(FuncNameRef(s.result_var), value))
        if is_function and s.result.kind == "int" and level < 2 and self.chance(0.3):
            body.append(self.result_setter_call(s))
        s.body = body
        (self.scope, self.sub, self.pure, self.loopvars, self.funcs, self.procs,
         self.loops) = saved
        return s

    def result_target(self, s):
        """The result of function s, as result or by the function's name."""
        return FuncNameRef(s.result_var) if self.chance(0.5) else VarRef(s.result_var)

    def result_setter_call(self, s):
        """A procedure nested in function s that sets s's result by its name
        (s := a + k or s := s + a), and a call of it, which the function's
        body ends with."""
        setter = Sub(self.name("p"), s, False)
        a = Var(self.name("a"), s.result, setter, role="param")
        setter.params = [a]
        if self.chance(0.5):
            value = Bin("+", FuncNameRef(s.result_var), VarRef(a))   # s := s + a
        else:
            value = Bin("+", VarRef(a), Const(self.r.randint(0, 9)))
        setter.body = [Assign(FuncNameRef(s.result_var), value)]
        s.nested.append(setter)
        return ProcCall(setter, [self.int_expr(1)])

    def make_recursive(self):
        """function f(n: byte; a: longint): longint, calling itself n times;
        or on words, where it may call itself twice (2^n calls) and combine
        the two results."""
        s = Sub(self.name("r"), None, True)
        t = self.r.choice([LONGINT, LONGINT, WORD])
        n = Var(self.name("a"), BYTE, s, role="param")
        a = Var(self.name("a"), t, s, role="param")
        s.params = [n, a]
        s.result = t
        s.result_var = Var("result", t, s)
        s.recursive = True
        saved = (self.scope, self.sub, self.pure, self.loopvars)
        self.scope = [n, a]
        self.sub, self.pure, self.loopvars = s, True, []
        step = self.int_expr(2 if t is LONGINT else self.r.randint(0, 1))
        self.scope, self.sub, self.pure, self.loopvars = saved
        value = Call(s, [Bin("-", VarRef(n), Const(1)), Bin("+", VarRef(a), step)])
        if t is WORD and self.chance(0.5):
            other = Call(s, [Bin("-", VarRef(n), Const(1)), VarRef(a)])
            value = Bin(self.r.choice(["+", "-", "xor"]), value, other)
        s.body = [If(Bin("=", VarRef(n), Const(0)), [Assign(VarRef(s.result_var), VarRef(a))],
                     [Assign(VarRef(s.result_var), value)])]
        return s

    def make_nil_probe(self):
        """procedure p(a: pt; const b: pt) telling whether each is nil, for
        nil arguments that no callee follows.  Added to the procedures the
        program calls; None without a pointer type."""
        ptrs = [t for t in self.p.types if t.kind == "ptr"]
        if not ptrs:
            return None
        t = self.r.choice(ptrs)
        s = Sub(self.name("np"), None, False)
        s.params = [Var(self.name("a"), t, s, role="param", mode=0),
                    Var(self.name("a"), t, s, role="param", mode=2)]
        for a in s.params:
            test = [VarRef(a), NilConst(t)]
            self.r.shuffle(test)
            s.body.append(If(Bin("=", *test),
                             [WriteLn([StrConst(s.name + " " + a.name + " nil")])],
                             [WriteLn([StrConst(s.name + " " + a.name + " set")])]))
        self.p.subs.append(s)
        self.procs.append(s)
        return s

    def make_overloads(self):
        """Two procedures of one name, told apart by the class of their parameter."""
        name = self.name("ov")
        subs = []
        for t in self.r.sample([LONGINT, CHAR, BOOL, STRING], 2):
            s = Sub(name, None, False)
            s.overloaded = True
            a = Var(self.name("a"), t, s, role="param", mode=0 if t is not STRING else 2)
            s.params = [a]
            s.body = [WriteLn([StrConst(name + " " + t.name + " "), VarRef(a)])]
            subs.append(s)
        return subs

    def generate(self):
        r = self.r
        p = self.p
        p.heading_files = r.choice(["", "", "(output)", "(input, output)"])
        p.upper_include = self.chance(0.3)
        self.count_news = 0
        self.make_types()
        self.make_char_array()
        self.name_bounds()
        self.make_string_consts()
        if self.chance(0.3):   # the size of a built-in type (the const section
            t = r.choice(INTS + [BOOL, CHAR])   # comes before the types)
            p.consts.append((self.name("k"), "sizeof(%s)" % t.name, str(size_of(t))))
        for _ in range(r.randint(0, 3)):
            v = r.choice([3, 10, 100, 255, 1000, 40000, 70000])
            text = ("$%x" % v) if self.chance(0.3) else str(v)
            p.consts.append((self.name("k"), text, text))
            if self.chance(0.3):   # a constant declared as the name of another
                earlier = r.choice(p.consts)
                p.consts.append((self.name("k"), earlier[0], earlier[2]))
        if self.chance(0.7):
            t = ArrT(self.name("ta"), [(lo, lo + r.randint(1, 4)) for lo in [r.choice([0, 1, 3])]],
                     r.choice([BYTE, WORD]))
            p.types.append(t)
            lo, hi = t.dims[0]
            values = [r.randint(0, t.elem.hi if t.elem is BYTE else 3000) for _ in range(hi - lo + 1)]
            p.typed_consts.append((Var(self.name("tc"), t, p.main, role="const"), values))
        for _ in range(r.randint(3, 8 if not self.small else 4)):
            p.globals.append(Var(self.name("g"), self.any_type(), p.main))
        self.scope = list(p.globals) + [v for v, _ in p.typed_consts]
        for _ in range(r.randint(1, 4 if not self.small else 2)):
            if self.chance(0.2):
                s = self.make_recursive()
                p.subs.append(s)
                self.funcs.append(s)
                continue
            if self.chance(0.15) and self.make_nil_probe() is not None:
                continue
            if self.chance(0.15):
                for s in self.make_overloads():
                    p.subs.append(s)
                    self.procs.append(s)
                continue
            is_function = self.chance(0.4)
            s = self.make_sub(None, is_function, 0)
            if not is_function and self.chance(0.25):
                # declared forward here, its body written after the others
                head = Sub(s.name, None, False)
                head.params, head.forward = s.params, True
                p.subs.append(head)
                self.procs.append(s)
                self.pending = getattr(self, "pending", []) + [s]
                continue
            p.subs.append(s)
            (self.funcs if is_function else self.procs).append(s)
        p.subs += getattr(self, "pending", [])
        self.sub = None
        body = []
        for v in p.globals:
            body += self.init_var(v)
        body += self.statements(r.randint(4, 12 if not self.small else 5), 3)
        for s in self.procs:
            if self.chance(0.7):
                call = self.proc_call_of(s)
                if call is not None:
                    body.append(call)
        for s in self.funcs:
            if s.recursive:
                body.append(WriteLn([StrConst(s.name + " "), Call(s, [Const(r.randint(0, 6)), self.int_const(s.result)])]))
        body += self.statements(r.randint(2, 6), 2)
        for v in p.globals:
            if v.role == "local":
                body += self.print_var(v, "")
        p.main.body = body
        return p

    def proc_call_of(self, s):
        args = self.arguments(s)
        return ProcCall(s, args) if args is not None else None

    # -- char codes, named bounds and lengths, string constants

    def char_code(self, lo, hi):
        """t('x') for an integer type t: the code of a character in lo..hi, or None."""
        codes = [ord(c) for c in CHARS if lo <= ord(c) <= hi]
        if not codes:
            return None
        return CharCode(self.r.choice(INTS), chr(self.r.choice(codes)))

    def bound_name(self, v):
        """The name of an untyped constant of value v (declared when needed)."""
        for name, text, value in self.p.consts:
            if text == str(v):
                return name
        name = self.name("k")
        self.p.consts.append((name, str(v), str(v)))
        return name

    def name_bounds(self):
        """Some array bounds and string lengths are written as constants."""
        for t in self.arrs:
            if isinstance(t, CharArrT):
                continue
            t.bound_names = {}
            for k, (lo, hi) in enumerate(t.dims):
                for end, v in ((0, lo), (1, hi)):
                    if self.chance(0.25):
                        t.bound_names[(k, end)] = self.bound_name(v)
        for t in self.strs:
            if self.chance(0.4):
                t.length_name = self.bound_name(t.length)

    def make_char_array(self):
        if self.chance(0.5):
            lo = self.r.randint(ord("a"), ord("p"))
            t = CharArrT(self.name("ar"), [(lo, lo + self.r.randint(1, 7))],
                         self.simple_type(allow_str=False))
            self.arrs.append(t)
            self.p.types.append(t)

    def make_string_consts(self):
        for _ in range(self.r.randint(0, 3)):
            chars = self.r.choice(CHARS) if self.chance(0.4) else self.str_const(8)
            self.p.str_consts.append((self.name("sk"), chars))

    def named_string(self, pred):
        """Now and then (name, characters) of a string constant that pred takes."""
        choices = [c for c in self.p.str_consts if pred(c[1])]
        if not choices or not self.chance(0.12):
            return None
        return self.r.choice(choices)


class ConstName(Expr):
    """An untyped constant by its name: the compiler folds it to a literal."""

    def __init__(self, name, text):
        self.name = name
        self.v = int(text[1:], 16) if text.startswith("$") else int(text)
        self.t = LONGINT

    def itype(self):
        return (size_of_range(self.v, self.v), False, False)

    def render(self):
        return self.name

    def ev(self, m):
        return self.v


class CharCode(Expr):
    """t('x'): a one-character literal cast to an integer type is its code."""

    def __init__(self, t, c):
        self.t, self.c = t, c

    def render(self):
        return "%s('%s')" % (self.t.name, self.c)

    def ev(self, m):
        return ord(self.c)


class NamedChar(CharConst):
    """A one-character untyped constant by its name."""

    def __init__(self, name, c):
        CharConst.__init__(self, c)
        self.name = name

    def render(self):
        return self.name


class NamedStr(StrConst):
    """An untyped string constant by its name."""

    def __init__(self, name, chars):
        StrConst.__init__(self, chars)
        self.name = name

    def render(self):
        return self.name


MAX_LINES = 330


def build(seed, small=False):
    """Generates and fixes a program; returns (Program, expected output)."""
    for attempt in range(20):
        g = Generator(seed * 1000 + attempt, small)
        p = g.generate()
        for _ in range(2000):
            try:
                out = p.run()
                if p.text().count("\n") > MAX_LINES and attempt < 19:
                    break   # its code would not fit the 32K above 08000h
                return p, out
            except Unsafe as u:
                try:
                    if u.replacement is None or not p.replace(u.node, u.replacement):
                        break
                except AmbiguousArgument:
                    break
            except (TooLong, RecursionError, NoElement):
                break   # NoElement: an element written where no statement can go
    raise RuntimeError("no program for seed %d" % seed)


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--seed", type=int, default=1)
    ap.add_argument("--small", action="store_true", help="a shorter program")
    ap.add_argument("--fpc", action="store_true", help="leave out {$i system.inc}")
    ap.add_argument("--expect", action="store_true", help="print the interpreter's output instead")
    ap.add_argument("-o", dest="out")
    args = ap.parse_args(argv)
    sys.setrecursionlimit(20000)
    p, expected = build(args.seed, args.small)
    text = expected if args.expect else p.text(fpc=args.fpc)
    if args.out:
        with open(args.out, "w", newline="\n") as f:
            f.write(text)
    else:
        sys.stdout.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
