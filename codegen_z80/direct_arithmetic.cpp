// Direct code: arithmetic in a and hl: widening, products and sums with
// constants, the 8- and 16-bit operators, shifts and division.
#include "codegen_z80/direct.h"

// ---- Widening and constants ------------------------------------------------------

void D_WidenA(Direct &d, const char *low, const char *high, bool isSigned) {
  D_Emit(d, "ld", low, "a");
  if (isSigned) {
    D_Emit(d, "rla");
    D_Emit(d, "sbc", "a", "a");
    D_Emit(d, "ld", high, "a");
  } else {
    D_Emit(d, "ld", high, "0");
  }
}

static int Log2Exact(int64_t k) {
  for (int i = 0; i < 16; i++)
    if (k == (int64_t(1) << i))
      return i;
  return -1;
}

static int BitCount(int64_t k) {
  int n = 0;
  for (; k; k &= k - 1)
    n++;
  return n;
}

// Up to 20 adds (22 bytes, about 220 T-states) beat the call of the
// library's multiply in time, and in bytes where they spare the program
// its 89 bytes.
static bool ShiftsAndAddsPay(Direct &d, int64_t k) {
  int top = 15;
  while (!(k >> top & 1))
    top--;
  if (top + BitCount(k) - 1 > 20 || !CG_UseRule("multiply-shift-add", false))
    return false;
  CG_UseRule("multiply-shift-add", d.st != nullptr);
  return true;
}

// hl := hl * k (low 16 bits): shifts, shifts and adds of a copy in de for
// a factor of few one bits, else the library's multiply.
void D_MultiplyHLBy(Direct &d, int64_t k) {
  k &= 0xFFFF;
  if (k == 0) {
    D_Emit(d, "ld", "hl", "0");
  } else if (int shift = Log2Exact(k); shift >= 0) {
    for (int i = 0; i < shift; i++)
      D_Emit(d, "add", "hl", "hl");
  } else if (BitCount(k) <= 4 || ShiftsAndAddsPay(d, k)) {
    D_Emit(d, "ld", "d", "h");
    D_Emit(d, "ld", "e", "l");
    int top = 15;
    while (!(k >> top & 1))
      top--;
    for (int bit = top - 1; bit >= 0; bit--) {
      D_Emit(d, "add", "hl", "hl");
      if (k >> bit & 1)
        D_Emit(d, "add", "hl", "de");
    }
  } else {
    D_Emit(d, "ld", "bc", DecimalText(k));
    D_Emit(d, "call", "__op_mul16");
  }
}

// a := a * k (low 8 bits) by doublings and adds of a copy in b.
void D_MultiplyABy(Direct &d, int64_t k) {
  k &= 255;
  if (k == 0) {
    D_Emit(d, "xor", "a");
    return;
  }
  int top = 7;
  while (!(k >> top & 1))
    top--;
  if (BitCount(k) > 1)
    D_Emit(d, "ld", "b", "a");
  for (int bit = top - 1; bit >= 0; bit--) {
    D_Emit(d, "add", "a", "a");
    if (k >> bit & 1)
      D_Emit(d, "add", "a", "b");
  }
}

// hl := hl + k, by inc or dec for small steps.
void D_AddHL(Direct &d, int64_t k) {
  k &= 0xFFFF;
  if (k == 0)
    return;
  if (k <= 3 || k >= 0xFFFD) {
    for (int64_t i = 0; i < (k <= 3 ? k : 0x10000 - k); i++)
      D_Emit(d, k <= 3 ? "inc" : "dec", "hl");
    return;
  }
  D_Emit(d, "ld", "de", DecimalText(k));
  D_Emit(d, "add", "hl", "de");
}

// ---- Operands of 8-bit operators ---------------------------------------------------

// "add a," and friends name a; "sub", "and", "or", "xor" and "cp" do not.
static void AluA(Direct &d, const Text &mnemonic, const Text &source) {
  if (mnemonic == "add" || mnemonic == "adc" || mnemonic == "sbc")
    D_Emit(d, mnemonic, "a", source);
  else
    D_Emit(d, mnemonic, source);
}

// A simple right operand as the source of an 8-bit instruction on a; a is
// kept while it is made.
static Text ByteSource(Direct &d, const Node *b) {
  int64_t v;
  if (D_Constant(b, v))
    return DecimalText(v & 255);
  if (!d.st)
    return "";
  const ID *var = b->id;
  switch (D_ReachOf(d, var, 1)) {
  case D_Reach::Fixed:
    D_Emit(d, "ld", "hl", CG_FixedAddressText(var));
    return "(hl)";
  case D_Reach::Frame: return D_FrameText(d, var, 0);
  case D_Reach::Other: D_VarAddress(d, var); return "(hl)";
  }
  return "";
}


// ---- Operators ---------------------------------------------------------------------------

static const char *ByteMnemonic(int32_t kind) {
  switch (kind) {
  case kNodeAdd: return "add";
  case kNodeSub: return "sub";
  case kNodeAnd: return "and";
  case kNodeOr: return "or";
  case kNodeXor: return "xor";
  default: return nullptr;
  }
}

bool D_IsIntegerOperator(const Node *n) { return n->operandClass == kClassInteger; }

// a := a op b in 8 bits.
bool D_ByteOperator(Direct &d, Node *n) {
  Node *a = Child(n, 1), *b = Child(n, 2);
  Text mnemonic = ByteMnemonic(n->kind);
  int64_t v;
  if (b && D_Constant(b, v) && (n->kind == kNodeAdd || n->kind == kNodeSub) &&
      ((v & 255) == 1 || (v & 255) == 255)) {
    if (!D_ValueA(d, a))
      return false;
    bool up = (n->kind == kNodeAdd) == ((v & 255) == 1);
    D_Emit(d, up ? "inc" : "dec", "a");
    return true;
  }
  if (D_IsSimple(b)) {
    if (!D_ValueA(d, a))
      return false;
    AluA(d, mnemonic, ByteSource(d, b));
    return true;
  }
  if (!D_ByteOperands(d, a, b, false))
    return false;
  AluA(d, mnemonic, "b");
  return true;
}


static void LogicHLDE(Direct &d, const Text &mnemonic) {
  D_Emit(d, "ld", "a", "l");
  AluA(d, mnemonic, "e");
  D_Emit(d, "ld", "l", "a");
  D_Emit(d, "ld", "a", "h");
  AluA(d, mnemonic, "d");
  D_Emit(d, "ld", "h", "a");
}

// One byte of hl (l or h) op a constant byte.
static void LogicByteWith(Direct &d, const char *reg, const Text &mnemonic, int64_t k) {
  if ((mnemonic == "and" && k == 255) || (mnemonic != "and" && k == 0))
    return;
  if (mnemonic == "and" && k == 0) {
    D_Emit(d, "ld", reg, "0");
    return;
  }
  D_Emit(d, "ld", "a", reg);
  AluA(d, mnemonic, DecimalText(k));
  D_Emit(d, "ld", reg, "a");
}

// Two factors that are bytes (0 to 255): the 8-by-8 multiply gives their
// whole product.
static bool BothBytes(const Node *a, const Node *b) {
  int64_t la, ha, lb, hb;
  return D_Range(a, la, ha) && D_Range(b, lb, hb) && la >= 0 && ha <= 255 && lb >= 0 &&
         hb <= 255;
}

bool D_WordOperator(Direct &d, Node *n) {
  Node *a = Child(n, 1), *b = Child(n, 2);
  int64_t v;
  if (b && D_Constant(b, v)) {
    if (!D_ValueHL(d, a))
      return false;
    switch (n->kind) {
    case kNodeAdd: D_AddHL(d, v); return true;
    case kNodeSub: D_AddHL(d, -v); return true;
    case kNodeMul: D_MultiplyHLBy(d, v); return true;
    default:
      LogicByteWith(d, "l", ByteMnemonic(n->kind), v & 255);
      LogicByteWith(d, "h", ByteMnemonic(n->kind), v >> 8 & 255);
      return true;
    }
  }
  if (!D_WordOperands(d, a, b, false))
    return false;
  switch (n->kind) {
  case kNodeAdd: D_Emit(d, "add", "hl", "de"); break;
  case kNodeSub:
    D_Emit(d, "or", "a");
    D_Emit(d, "sbc", "hl", "de");
    break;
  case kNodeMul:
    if (BothBytes(a, b)) {
      D_Emit(d, "ld", "a", "l");
      D_Emit(d, "ld", "c", "e");
      D_Emit(d, "call", "__op_mul8816");
      break;
    }
    D_Emit(d, "ld", "b", "d");
    D_Emit(d, "ld", "c", "e");
    D_Emit(d, "call", "__op_mul16");
    break;
  default: LogicHLDE(d, ByteMnemonic(n->kind)); break;
  }
  return true;
}

// Shifts by a constant count; shr only of a value that 16 bits hold whole
// and that is not negative (the general code shifts all 32 bits).
bool D_ShiftHL(Direct &d, Node *n) {
  Node *a = Child(n, 1), *b = Child(n, 2);
  int64_t k, low, high;
  if (!b || !D_Constant(b, k) || k < 0)
    return false;
  bool left = n->kind == kNodeShl;
  if (!left && !(D_Range(a, low, high) && low >= 0 && high <= 0xFFFF))
    return false;
  if (!D_ValueHL(d, a))
    return false;
  if (k >= 16) {
    D_Emit(d, "ld", "hl", "0");
    return true;
  }
  if (k >= 8) {
    D_Emit(d, "ld", left ? "h" : "l", left ? "l" : "h");
    D_Emit(d, "ld", left ? "l" : "h", "0");
    k -= 8;
  }
  for (int64_t i = 0; i < k; i++) {
    if (left) {
      D_Emit(d, "add", "hl", "hl");
    } else {
      D_Emit(d, "srl", "h");
      D_Emit(d, "rr", "l");
    }
  }
  return true;
}


void D_HLToRegister(Direct &d, const char *reg, bool isSigned) {
  D_Emit(d, "ld", Text("(") + reg + ")", "hl");
  if (isSigned) {
    D_Emit(d, "ld", "a", "h");
    D_Emit(d, "rla");
    D_Emit(d, "sbc", "a", "a");
    D_Emit(d, "ld", "l", "a");
    D_Emit(d, "ld", "h", "a");
  } else {
    D_Emit(d, "ld", "hl", "0");
  }
  D_Emit(d, "ld", Text("(") + reg + "+2)", "hl");
}

bool D_WordOperands(Direct &d, Node *a, Node *b, bool leftFirst) {
  if (leftFirst && !D_IsSimple(b)) {
    if (!D_ValueHL(d, a))
      return false;
    D_Emit(d, "push", "hl");
    if (!D_ValueHL(d, b))
      return false;
    D_Emit(d, "ex", "de", "hl");
    D_Emit(d, "pop", "hl");
    return true;
  }
  if (D_IsSimple(b)) {
    if (!D_ValueHL(d, a))
      return false;
    D_SimpleIntoDE(d, b);
    return true;
  }
  if (!D_ValueHL(d, b))
    return false;
  D_Emit(d, "push", "hl");
  if (!D_ValueHL(d, a))
    return false;
  D_Emit(d, "pop", "de");
  return true;
}

bool D_ByteOperands(Direct &d, Node *a, Node *b, bool leftFirst) {
  if (leftFirst) {
    if (!D_ValueA(d, a))
      return false;
    D_Emit(d, "push", "af");
    if (!D_ValueA(d, b))
      return false;
    D_Emit(d, "ld", "b", "a");
    D_Emit(d, "pop", "af");
    return true;
  }
  if (!D_ValueA(d, b))
    return false;
  D_Emit(d, "push", "af");
  if (!D_ValueA(d, a))
    return false;
  D_Emit(d, "pop", "bc");
  return true;
}


static bool FitsWord(const Node *n, int64_t &low, int64_t &high) {
  return D_Range(n, low, high) && low >= -32768 && high <= 0xFFFF &&
         !(low < 0 && high > 32767);
}

// div and mod of values 16 bits hold whole: by a power of two a shift or a
// mask when the left value is not negative, else the library's 32-bit
// division (which stops the program on a zero divisor).
bool D_DivideHL(Direct &d, Node *n) {
  Node *a = Child(n, 1), *b = Child(n, 2);
  int64_t la, ha, lb, hb, k;
  if (!b || !FitsWord(a, la, ha) || !FitsWord(b, lb, hb))
    return false;
  bool isDiv = n->kind == kNodeDiv;
  if (D_Constant(b, k) && k > 0 && Log2Exact(k) >= 0 && la >= 0) {
    if (!D_ValueHL(d, a))
      return false;
    int shift = Log2Exact(k);
    if (isDiv) {
      for (int i = 0; i < shift; i++) {
        D_Emit(d, "srl", "h");
        D_Emit(d, "rr", "l");
      }
    } else {
      LogicByteWith(d, "l", "and", (k - 1) & 255);
      LogicByteWith(d, "h", "and", (k - 1) >> 8 & 255);
    }
    return true;
  }
  if (D_Constant(b, k) && k >= 1 && k <= 255 && la >= 0) {
    // a word by a byte: the library's 16-step division, quotient in hl and
    // remainder in a
    if (!D_ValueHL(d, a))
      return false;
    D_Emit(d, "xor", "a");
    D_Emit(d, "ld", "c", DecimalText(k));
    D_Emit(d, "call", "__div_c8");
    if (!isDiv) {
      D_Emit(d, "ld", "l", "a");
      D_Emit(d, "ld", "h", "0");
    }
    return true;
  }
  if (!D_WordOperands(d, a, b, false))
    return false;
  bool isSigned = la < 0 || lb < 0;
  D_Emit(d, "push", "de");
  D_HLToRegister(d, "__reg32a", la < 0);
  D_Emit(d, "pop", "hl");
  D_HLToRegister(d, "__reg32b", lb < 0);
  D_Emit(d, "call", Text(isDiv ? "__op_div" : "__op_mod") + (isSigned ? "_s" : "_u"));
  D_Emit(d, "ld", "hl", "(__reg32a)");
  return true;
}

