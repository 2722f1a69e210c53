// Direct code: values of expressions in a (8 bits) or hl (16 bits), the
// addresses of variables, elements, fields and dereferences, and calls.
//
// A value is the 32-bit number the general code would hold for the node;
// a and hl get its low 8 or 16 bits, which are all an assignment, an
// argument or an index keeps.  Where every bit counts (comparisons,
// division, shr) the value ranges of D_Range decide whether 16 bits hold
// the whole number.
#include <algorithm>

#include "codegen_z80/direct.h"
#include "translator/translate_internal.h"

namespace {

int gDirectLabels = 0;

bool IsScalarClass(int32_t c) {
  return c == kClassInteger || c == kClassChar || c == kClassBoolean || c == kClassPointer;
}

bool IsScalar(const Node *n) {
  return n && IsScalarClass(n->typeClass) && (n->size == 1 || n->size == 2 || n->size == 4);
}

uint16_t FlagsOf(const ID *v) { return v && v->var ? v->var->flags : 0; }

// A variable the direct code reaches: not a typed constant (a data label).
bool IsPlainVar(const Node *n) {
  return n && n->kind == kNodeVarRef && n->id && n->id->kind == kIdVar && n->id->var &&
         !(FlagsOf(n->id) & kVarConstant);
}

bool IsSigned(const Node *n) {
  if (n->kind == kNodeVarRef && n->id && n->id->type)
    return n->id->type->low < 0;
  return n->isSigned != 0;
}


Text Hex16(int64_t v) { return DecimalText(v & 0xFFFF); }

// ---- Variables -----------------------------------------------------------------

enum class Reach { Fixed, Frame, Other };

// How the code reaches a variable: at its fixed address, as (ix+d) of the
// current frame, or through its address in hl.
Reach ReachOf(Direct &d, const ID *v, int32_t bytes) {
  if (!CG_IsFrameVar(v))
    return Reach::Fixed;
  int32_t a = CG_Address(v);
  if (CG_IsOwnVar(*d.st, v) && !CG_IsByReference(v) && a > -kNearLimit &&
      a + bytes - 1 < kNearLimit)
    return Reach::Frame;
  return Reach::Other;
}

Text FixedText(const ID *v, int32_t k) {
  Text t = "(" + CG_FixedAddressText(v);
  return (k ? t + "+" + DecimalText(k) : t) + ")";
}

Text FrameText(Direct &d, const ID *v, int32_t k) { return CG_FrameText(*d.st, v, k, false); }

// The variable's address into hl; a, de kept (bc changes).
void VarAddress(Direct &d, const ID *v) {
  if (!d.st)
    return;
  int32_t a = CG_Address(v);
  if (CG_IsFrameVar(v) && CG_IsOwnVar(*d.st, v) && CG_IsByReference(v) && a > -kNearLimit &&
      a + 1 < kNearLimit) {
    D_Emit(d, "ld", "l", FrameText(d, v, 0));
    D_Emit(d, "ld", "h", FrameText(d, v, 1));
    return;
  }
  CG_VarAddress(*d.st, v);
}

void LoadVarA(Direct &d, const ID *v) {
  if (!d.st)
    return;
  switch (ReachOf(d, v, 1)) {
  case Reach::Fixed: D_Emit(d, "ld", "a", FixedText(v, 0)); break;
  case Reach::Frame: D_Emit(d, "ld", "a", FrameText(d, v, 0)); break;
  case Reach::Other:
    VarAddress(d, v);
    D_Emit(d, "ld", "a", "(hl)");
    break;
  }
}

// A word variable into de; hl kept.
void LoadVarDE(Direct &d, const ID *v) {
  if (!d.st)
    return;
  switch (ReachOf(d, v, 2)) {
  case Reach::Fixed: D_Emit(d, "ld", "de", FixedText(v, 0)); break;
  case Reach::Frame:
    D_Emit(d, "ld", "e", FrameText(d, v, 0));
    D_Emit(d, "ld", "d", FrameText(d, v, 1));
    break;
  case Reach::Other:
    D_Emit(d, "push", "hl");
    VarAddress(d, v);
    D_Emit(d, "ld", "e", "(hl)");
    D_Emit(d, "inc", "hl");
    D_Emit(d, "ld", "d", "(hl)");
    D_Emit(d, "pop", "hl");
    break;
  }
}

void LoadVarHL(Direct &d, const ID *v) {
  if (!d.st)
    return;
  switch (ReachOf(d, v, 2)) {
  case Reach::Fixed: D_Emit(d, "ld", "hl", FixedText(v, 0)); break;
  case Reach::Frame:
    D_Emit(d, "ld", "l", FrameText(d, v, 0));
    D_Emit(d, "ld", "h", FrameText(d, v, 1));
    break;
  case Reach::Other:
    VarAddress(d, v);
    D_Emit(d, "ld", "a", "(hl)");
    D_Emit(d, "inc", "hl");
    D_Emit(d, "ld", "h", "(hl)");
    D_Emit(d, "ld", "l", "a");
    break;
  }
}

void StoreVarA(Direct &d, const ID *v) {
  switch (ReachOf(d, v, 1)) {
  case Reach::Fixed: D_Emit(d, "ld", FixedText(v, 0), "a"); break;
  case Reach::Frame: D_Emit(d, "ld", FrameText(d, v, 0), "a"); break;
  case Reach::Other:
    VarAddress(d, v);
    D_Emit(d, "ld", "(hl)", "a");
    break;
  }
}

void StoreVarHL(Direct &d, const ID *v) {
  switch (ReachOf(d, v, 2)) {
  case Reach::Fixed: D_Emit(d, "ld", FixedText(v, 0), "hl"); break;
  case Reach::Frame:
    D_Emit(d, "ld", FrameText(d, v, 0), "l");
    D_Emit(d, "ld", FrameText(d, v, 1), "h");
    break;
  case Reach::Other:
    D_Emit(d, "ex", "de", "hl");
    VarAddress(d, v);
    D_Emit(d, "ld", "(hl)", "e");
    D_Emit(d, "inc", "hl");
    D_Emit(d, "ld", "(hl)", "d");
    break;
  }
}

// ---- Widening and constants ------------------------------------------------------

void WidenA(Direct &d, const char *low, const char *high, bool isSigned) {
  D_Emit(d, "ld", low, "a");
  if (isSigned) {
    D_Emit(d, "rla");
    D_Emit(d, "sbc", "a", "a");
    D_Emit(d, "ld", high, "a");
  } else {
    D_Emit(d, "ld", high, "0");
  }
}

int Log2Exact(int64_t k) {
  for (int i = 0; i < 16; i++)
    if (k == (int64_t(1) << i))
      return i;
  return -1;
}

int BitCount(int64_t k) {
  int n = 0;
  for (; k; k &= k - 1)
    n++;
  return n;
}

// Up to 20 adds (22 bytes, about 220 T-states) beat the call of the
// library's multiply in time, and in bytes where they spare the program
// its 89 bytes.
bool ShiftsAndAddsPay(Direct &d, int64_t k) {
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
void MultiplyHLBy(Direct &d, int64_t k) {
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
void MultiplyABy(Direct &d, int64_t k) {
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
void AddHL(Direct &d, int64_t k) {
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
void AluA(Direct &d, const Text &mnemonic, const Text &source) {
  if (mnemonic == "add" || mnemonic == "adc" || mnemonic == "sbc")
    D_Emit(d, mnemonic, "a", source);
  else
    D_Emit(d, mnemonic, source);
}

// A simple right operand as the source of an 8-bit instruction on a; a is
// kept while it is made.
Text ByteSource(Direct &d, const Node *b) {
  int64_t v;
  if (D_Constant(b, v))
    return DecimalText(v & 255);
  if (!d.st)
    return "";
  const ID *var = b->id;
  switch (ReachOf(d, var, 1)) {
  case Reach::Fixed:
    D_Emit(d, "ld", "hl", CG_FixedAddressText(var));
    return "(hl)";
  case Reach::Frame: return FrameText(d, var, 0);
  case Reach::Other: VarAddress(d, var); return "(hl)";
  }
  return "";
}

// ---- Inlined functions -------------------------------------------------------------

Node *CastNode(Node *child, const TypeDescr *t) {
  Node *n = CreateNode(kNodeTypeCast, 1, child);
  n->type = const_cast<TypeDescr *>(t);
  n->typeClass = t->typeClass;
  n->size = int32_t(t->size);
  n->isSigned = t->low < 0;
  n->operandClass = t->typeClass;
  n->isValue = 1;
  return n;
}

int ParameterIndex(const SubrRec *r, const ID *v) {
  for (int i = 1; i <= r->paramCount; i++)
    if (r->params[i - 1] == v && r->paramModes[i - 1] == kModeValue)
      return i;
  return 0;
}

// A copy of a function body's expression with each value parameter
// replaced by its argument (as the parameter's type holds it); nil when
// the expression reads anything but those parameters, main-program
// variables and constants, or calls anything.
Node *Substituted(const Node *e, const SubrRec *r, Node *call) {
  if (!e || e->kind == kNodeCall || e->kind == kNodeAddressOf)
    return nullptr;
  if (e->kind == kNodeVarRef) {
    if (int i = ParameterIndex(r, e->id); i > 0)
      return i <= call->childCount && Child(call, i) && r->paramTypes[i - 1]
                 ? CastNode(Child(call, i), r->paramTypes[i - 1])
                 : nullptr;
    const ID *owner = e->id ? e->id->parent : nullptr;
    bool global = owner && owner->subr && owner->subr->isMain;
    bool absolute = FlagsOf(e->id) & kVarAbsolute;
    if (!IsPlainVar(e) || !(global || absolute))
      return nullptr;
  }
  Node *copy = NewRecord<Node>();
  *copy = *e;
  copy->next = nullptr;
  for (int i = 1; i <= e->childCount; i++)
    if (Child(e, i) && !(copy->children[i - 1] = Substituted(Child(e, i), r, call)))
      return nullptr;
  return copy;
}

bool IsAsmLine(const Node *n, const char *text) {
  return n && n->kind == kNodeAsm && NodeText(n) == text;
}

// The value of a call of a function whose whole body is "result := E"
// over its value parameters, or the two asm lines that copy its byte
// parameter into its byte result (chr); nil for any other call, and for
// calls whose arguments call something themselves.
Node *InlinedCall(Direct &d, Node *call) {
  if (!CG_UseRule("inline-function", d.st != nullptr))
    return nullptr;
  const SubrRec *r = call->id && call->id->kind == kIdSubr ? call->id->subr : nullptr;
  if (!r || !r->result || !r->resultType || r->resultType->size > 2 ||
      call->childCount != r->paramCount)
    return nullptr;
  for (int i = 1; i <= call->childCount; i++)
    if (D_HasCall(Child(call, i)))
      return nullptr;
  const Node *body = r->body;
  if (r->paramCount == 1 && call->childCount == 1 && r->resultType->size == 1 &&
      r->paramTypes[0] && r->paramTypes[0]->size == 1 && r->paramModes[0] == kModeValue &&
      IsAsmLine(body, "ld a,(ix+4)") && IsAsmLine(body->next, "ld (ix-5),a") &&
      !body->next->next)
    return CastNode(CastNode(Child(call, 1), r->paramTypes[0]), r->resultType);
  if (!body || body->next || body->kind != kNodeAssign || !Child(body, 1) ||
      Child(body, 1)->kind != kNodeVarRef || Child(body, 1)->id != r->result)
    return nullptr;
  Node *e = Substituted(Child(body, 2), r, call);
  return e ? CastNode(e, r->resultType) : nullptr;
}

} // namespace

void D_LoadVarA(Direct &d, const ID *v, bool keepHL) {
  if (!d.st)
    return;
  bool viaHL = ReachOf(d, v, 1) == Reach::Other;
  if (viaHL && keepHL)
    D_Emit(d, "push", "hl");
  LoadVarA(d, v);
  if (viaHL && keepHL)
    D_Emit(d, "pop", "hl");
}

void D_StoreVar(Direct &d, const ID *v, bool byte) {
  if (!d.st)
    return;
  if (byte)
    StoreVarA(d, v);
  else
    StoreVarHL(d, v);
}

bool D_IsSimple(const Node *n) {
  int64_t v;
  return n && (IsPlainVar(n) || D_Constant(n, v));
}

void D_SimpleIntoDE(Direct &d, const Node *b) {
  int64_t v;
  if (D_Constant(b, v)) {
    D_Emit(d, "ld", "de", Hex16(v));
  } else if (b->id->type && b->id->type->size >= 2) {
    LoadVarDE(d, b->id);
  } else {
    D_Emit(d, "push", "hl");
    LoadVarA(d, b->id);
    D_Emit(d, "pop", "hl");
    WidenA(d, "e", "d", IsSigned(b));
  }
}

namespace {

// ---- Operators ---------------------------------------------------------------------------

const char *ByteMnemonic(int32_t kind) {
  switch (kind) {
  case kNodeAdd: return "add";
  case kNodeSub: return "sub";
  case kNodeAnd: return "and";
  case kNodeOr: return "or";
  case kNodeXor: return "xor";
  default: return nullptr;
  }
}

bool IsIntegerOperator(const Node *n) { return n->operandClass == kClassInteger; }

// a := a op b in 8 bits.
bool ByteOperator(Direct &d, Node *n) {
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


void LogicHLDE(Direct &d, const Text &mnemonic) {
  D_Emit(d, "ld", "a", "l");
  AluA(d, mnemonic, "e");
  D_Emit(d, "ld", "l", "a");
  D_Emit(d, "ld", "a", "h");
  AluA(d, mnemonic, "d");
  D_Emit(d, "ld", "h", "a");
}

// One byte of hl (l or h) op a constant byte.
void LogicByteWith(Direct &d, const char *reg, const Text &mnemonic, int64_t k) {
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
bool BothBytes(const Node *a, const Node *b) {
  int64_t la, ha, lb, hb;
  return D_Range(a, la, ha) && D_Range(b, lb, hb) && la >= 0 && ha <= 255 && lb >= 0 &&
         hb <= 255;
}

bool WordOperator(Direct &d, Node *n) {
  Node *a = Child(n, 1), *b = Child(n, 2);
  int64_t v;
  if (b && D_Constant(b, v)) {
    if (!D_ValueHL(d, a))
      return false;
    switch (n->kind) {
    case kNodeAdd: AddHL(d, v); return true;
    case kNodeSub: AddHL(d, -v); return true;
    case kNodeMul: MultiplyHLBy(d, v); return true;
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
bool ShiftHL(Direct &d, Node *n) {
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

} // namespace

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

namespace {

bool FitsWord(const Node *n, int64_t &low, int64_t &high) {
  return D_Range(n, low, high) && low >= -32768 && high <= 0xFFFF &&
         !(low < 0 && high > 32767);
}

// div and mod of values 16 bits hold whole: by a power of two a shift or a
// mask when the left value is not negative, else the library's 32-bit
// division (which stops the program on a zero divisor).
bool DivideHL(Direct &d, Node *n) {
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

bool CastChildIsScalar(const Node *n) {
  const Node *c = Child(n, 1);
  return IsScalar(c) && !(n->typeClass == kClassChar && IsCharLiteral(c));
}

// The element size of an index node and the low bound of its array (0 for
// a string, whose length byte is element 0).
bool ElementLayout(const Node *n, int64_t &size, int64_t &low) {
  const Node *array = Child(n, 1);
  size = n->type ? int64_t(n->type->size) : int64_t(n->size);
  if (!array || !array->type || size <= 0 || size > 0xFFFF)
    return false;
  if (array->typeClass == kClassString) {
    low = 0;
    return true;
  }
  low = array->type->low;
  return array->typeClass == kClassArray;
}

bool IsFixedVar(Direct &d, const Node *n) {
  return IsPlainVar(n) && d.st && !CG_IsFrameVar(n->id);
}

Text SignedOffset(int64_t k) {
  k &= 0xFFFF;
  if (k >= 0x8000)
    k -= 0x10000;
  return k < 0 ? DecimalText(k) : "+" + DecimalText(k);
}

// The address of array[index]: index scaled, then the array's address and
// the low bound's offset added.
bool IndexAddress(Direct &d, Node *n) {
  Node *array = Child(n, 1), *index = Child(n, 2);
  int64_t size, low, k;
  if (!index || !ElementLayout(n, size, low) || D_HasCall(index) || D_HasCall(array))
    return false;
  if (D_Constant(index, k)) {
    if (!D_AddressHL(d, array))
      return false;
    AddHL(d, (k - low) * size);
    return true;
  }
  if (!IsScalar(index) || !D_ValueHL(d, index))
    return false;
  MultiplyHLBy(d, size);
  int64_t offset = -low * size;
  if (IsFixedVar(d, array)) {
    D_Emit(d, "ld", "de", CG_FixedAddressText(array->id) + SignedOffset(offset));
    D_Emit(d, "add", "hl", "de");
    return true;
  }
  if (IsPlainVar(array) && d.st && ReachOf(d, array->id, 1) == Reach::Frame) {
    D_Emit(d, "ld", "de", SignedOffset(CG_Address(array->id) + offset));
    D_Emit(d, "add", "hl", "de");
    D_Emit(d, "push", "ix");
    D_Emit(d, "pop", "de");
    D_Emit(d, "add", "hl", "de");
    return true;
  }
  D_Emit(d, "push", "hl");
  if (!D_AddressHL(d, array))
    return false;
  D_Emit(d, "pop", "de");
  D_Emit(d, "add", "hl", "de");
  AddHL(d, offset);
  return true;
}

int64_t FieldOffset(const Node *n) { return n->id && n->id->var ? n->id->var->address : 0; }

} // namespace

// ---- Emission -------------------------------------------------------------------------

void D_Emit(Direct &d, const Text &first, const Text &second, const Text &third) {
  if (d.st)
    CG_Emit(*d.st, first, second, third);
}

Text D_NewLabel(Direct &d) {
  if (!d.st)
    return "";
  return "dlabel" + DecimalText(++gDirectLabels);
}

void D_Label(Direct &d, const Text &label) { D_Emit(d, label + ":"); }

void ResetDirectCode() { gDirectLabels = 0; }

// ---- Node facts ---------------------------------------------------------------------

static bool ParseDecimal(const Text &t, int64_t &value) {
  size_t i = !t.empty() && t[0] == '-' ? 1 : 0;
  if (i == t.size() || t.size() > 12)
    return false;
  for (size_t j = i; j < t.size(); j++)
    if (t[j] < '0' || t[j] > '9')
      return false;
  value = DecimalValue(t);
  return true;
}

bool D_Constant(const Node *n, int64_t &value) {
  if (!n)
    return false;
  if (n->kind == kNodeIntConst)
    return ParseDecimal(NodeText(n), value);
  if (IsCharLiteral(n)) {
    value = static_cast<unsigned char>(NodeText(n)[0]);
    return true;
  }
  if (n->kind == kNodeTypeCast && IsScalar(n) && D_Constant(Child(n, 1), value)) {
    if (n->size < 4) {
      int bits = 8 * n->size;
      value &= (int64_t(1) << bits) - 1;
      if (n->isSigned && value >= (int64_t(1) << (bits - 1)))
        value -= int64_t(1) << bits;
    }
    return true;
  }
  return false;
}

bool D_HasCall(const Node *n) {
  if (!n)
    return false;
  if (n->kind == kNodeCall)
    return true;
  for (int i = 1; i <= n->childCount; i++)
    if (D_HasCall(Child(n, i)))
      return true;
  return false;
}

static void TypeRange(int32_t size, bool isSigned, int64_t &low, int64_t &high) {
  int bits = 8 * (size >= 4 ? 4 : size);
  low = isSigned ? -(int64_t(1) << (bits - 1)) : 0;
  high = isSigned ? (int64_t(1) << (bits - 1)) - 1 : (int64_t(1) << bits) - 1;
}

// A computed range that leaves the node's own 32-bit domain wraps around:
// then nothing better than the domain is known.
static bool Bounded(const Node *n, int64_t lo, int64_t hi, int64_t &low, int64_t &high) {
  int64_t dl, dh;
  TypeRange(4, n->isSigned, dl, dh);
  if (lo < dl || hi > dh) {
    low = dl;
    high = dh;
  } else {
    low = lo;
    high = hi;
  }
  return true;
}

bool D_Range(const Node *n, int64_t &low, int64_t &high) {
  int64_t v;
  if (D_Constant(n, v)) {
    low = high = v;
    return true;
  }
  if (!IsScalar(n))
    return false;
  const Node *a = Child(n, 1), *b = Child(n, 2);
  int64_t la = 0, ha = 0, lb = 0, hb = 0;
  bool ra = a && D_Range(a, la, ha), rb = b && D_Range(b, lb, hb);
  const int64_t kBig = int64_t(1) << 32;
  switch (n->kind) {
  case kNodeVarRef: case kNodeIndex: case kNodeField: case kNodeDeref: case kNodeCall:
    TypeRange(n->size, IsSigned(n), low, high);
    return true;
  case kNodeTypeCast:
    if (n->size < 4 || !ra) {
      TypeRange(n->size, n->isSigned, low, high);
      return true;
    }
    return Bounded(n, la, ha, low, high);
  case kNodeLess: case kNodeLessEqual: case kNodeGreater: case kNodeGreaterEqual:
  case kNodeEqual: case kNodeNotEqual:
    low = 0;
    high = 1;
    return true;
  default:
    break;
  }
  if (n->typeClass == kClassBoolean && n->size == 1) {
    TypeRange(1, false, low, high);
    return true;
  }
  if (!ra || (b && !rb) || la < -kBig || ha > kBig || lb < -kBig || hb > kBig)
    return Bounded(n, -kBig * 2, kBig * 2, low, high);
  switch (n->kind) {
  case kNodeAdd: return Bounded(n, la + lb, ha + hb, low, high);
  case kNodeSub: return Bounded(n, la - hb, ha - lb, low, high);
  case kNodeMul: {
    const int64_t kHalf = int64_t(1) << 31; // keeps every product within 64 bits
    if (la < -kHalf || ha > kHalf || lb < -kHalf || hb > kHalf)
      break;
    int64_t p[4] = {la * lb, la * hb, ha * lb, ha * hb};
    return Bounded(n, *std::min_element(p, p + 4), *std::max_element(p, p + 4), low, high);
  }
  case kNodeDiv:
    if (la >= 0 && lb >= 0)
      return Bounded(n, lb > 0 ? la / hb : 0, lb > 0 ? ha / lb : ha, low, high);
    break;
  case kNodeMod:
    if (la >= 0 && lb >= 0)
      return Bounded(n, 0, std::min(ha, hb > 0 ? hb - 1 : 0), low, high);
    break;
  case kNodeShr:
    if (la >= 0 && D_Constant(b, v) && v >= 0 && v < 32)
      return Bounded(n, la >> v, ha >> v, low, high);
    break;
  case kNodeShl:
    if (la >= 0 && D_Constant(b, v) && v >= 0 && v < 16)
      return Bounded(n, la << v, ha << v, low, high);
    break;
  case kNodeAnd:
    if (la >= 0 && lb >= 0)
      return Bounded(n, 0, std::min(ha, hb), low, high);
    break;
  case kNodeOr: case kNodeXor:
    if (la >= 0 && lb >= 0) {
      int64_t top = 1;
      while (top <= std::max(ha, hb))
        top <<= 1;
      return Bounded(n, 0, top - 1, low, high);
    }
    break;
  case kNodeNegate: return Bounded(n, -ha, -la, low, high);
  default: break;
  }
  return Bounded(n, -kBig * 2, kBig * 2, low, high);
}

// ---- Values --------------------------------------------------------------------------

bool D_ValueA(Direct &d, Node *n) {
  int64_t v;
  if (!IsScalar(n))
    return false;
  if (D_Constant(n, v)) {
    D_Emit(d, "ld", "a", DecimalText(v & 255));
    return true;
  }
  switch (n->kind) {
  case kNodeVarRef:
    if (!IsPlainVar(n))
      return false;
    LoadVarA(d, n->id);
    return true;
  case kNodeIndex: case kNodeField: case kNodeDeref: {
    Text operand;
    if (D_FixedOperand(d, n, operand)) {
      D_Emit(d, "ld", "a", operand);
      return true;
    }
    if (!D_AddressHL(d, n))
      return false;
    D_Emit(d, "ld", "a", "(hl)");
    return true;
  }
  case kNodeTypeCast:
    return CastChildIsScalar(n) && D_ValueA(d, Child(n, 1));
  case kNodeCall:
    if (Node *inlined = InlinedCall(d, n))
      return D_ValueA(d, inlined);
    if (!D_Call(d, n))
      return false;
    D_Emit(d, "ld", "a", CG_ResultInHL(n->id) ? "l" : "(__reg32a)");
    return true;
  case kNodeNot:
    if (!D_ValueA(d, Child(n, 1)))
      return false;
    if (n->typeClass == kClassBoolean || Child(n, 1)->typeClass == kClassBoolean) {
      D_Emit(d, "cp", "1"); // a = 0 sets the carry: the boolean "not" is 1 just then
      D_Emit(d, "sbc", "a", "a");
      D_Emit(d, "and", "1");
    } else {
      D_Emit(d, "cpl");
    }
    return true;
  case kNodeNegate:
    if (!D_ValueA(d, Child(n, 1)))
      return false;
    D_Emit(d, "neg");
    return true;
  case kNodeAdd: case kNodeSub: case kNodeAnd: case kNodeOr: case kNodeXor:
    if (n->operandClass == kClassBoolean) {
      if (!D_BooleanA(d, n))
        return false;
      return true;
    }
    return IsIntegerOperator(n) && ByteOperator(d, n);
  case kNodeLess: case kNodeLessEqual: case kNodeGreater: case kNodeGreaterEqual:
  case kNodeEqual: case kNodeNotEqual:
    return D_BooleanA(d, n);
  case kNodeShl:
    if (int64_t k; IsIntegerOperator(n) && D_Constant(Child(n, 2), k) && k >= 0) {
      if (!D_ValueA(d, Child(n, 1)))
        return false;
      if (k >= 8)
        D_Emit(d, "xor", "a");
      for (int64_t i = 0; i < k && k < 8; i++)
        D_Emit(d, "add", "a", "a");
      return true;
    }
    [[fallthrough]];
  case kNodeMul:
    if (int64_t k; IsIntegerOperator(n) && D_Constant(Child(n, 2), k)) {
      if (!D_ValueA(d, Child(n, 1)))
        return false;
      MultiplyABy(d, k);
      return true;
    }
    [[fallthrough]];
  case kNodeShr: case kNodeDiv: case kNodeMod:
    if (!D_ValueHL(d, n))
      return false;
    D_Emit(d, "ld", "a", "l");
    return true;
  default:
    return false;
  }
}

bool D_ValueHL(Direct &d, Node *n) {
  int64_t v;
  if (!IsScalar(n))
    return false;
  if (D_Constant(n, v)) {
    D_Emit(d, "ld", "hl", Hex16(v));
    return true;
  }
  // A byte value widens; products, shifts and quotients are made in 16
  // bits whatever their size says (only their low bits are wanted then).
  bool wordMade = n->kind == kNodeMul || n->kind == kNodeShl || n->kind == kNodeShr ||
                  n->kind == kNodeDiv || n->kind == kNodeMod;
  bool byteWide = !wordMade && (n->size == 1 || n->operandClass == kClassBoolean ||
                                (n->kind >= kNodeLess && n->kind <= kNodeNotEqual));
  if (byteWide) {
    if (!D_ValueA(d, n))
      return false;
    WidenA(d, "l", "h", IsSigned(n) && n->typeClass != kClassBoolean);
    return true;
  }
  switch (n->kind) {
  case kNodeVarRef:
    if (!IsPlainVar(n))
      return false;
    LoadVarHL(d, n->id);
    return true;
  case kNodeIndex: case kNodeField: case kNodeDeref: {
    Text operand;
    if (D_FixedOperand(d, n, operand)) {
      D_Emit(d, "ld", "hl", operand);
      return true;
    }
    if (!D_AddressHL(d, n))
      return false;
    D_Emit(d, "ld", "e", "(hl)");
    D_Emit(d, "inc", "hl");
    D_Emit(d, "ld", "d", "(hl)");
    D_Emit(d, "ex", "de", "hl");
    return true;
  }
  case kNodeTypeCast:
    return CastChildIsScalar(n) && D_ValueHL(d, Child(n, 1));
  case kNodeCall:
    if (Node *inlined = InlinedCall(d, n))
      return D_ValueHL(d, inlined);
    if (!D_Call(d, n))
      return false;
    if (!CG_ResultInHL(n->id))
      D_Emit(d, "ld", "hl", "(__reg32a)");
    return true;
  case kNodeNot:
    if (!D_ValueHL(d, Child(n, 1)))
      return false;
    D_Emit(d, "ld", "a", "l");
    D_Emit(d, "cpl");
    D_Emit(d, "ld", "l", "a");
    D_Emit(d, "ld", "a", "h");
    D_Emit(d, "cpl");
    D_Emit(d, "ld", "h", "a");
    return true;
  case kNodeNegate:
    if (!D_ValueHL(d, Child(n, 1)))
      return false;
    D_Emit(d, "xor", "a");
    D_Emit(d, "sub", "l");
    D_Emit(d, "ld", "l", "a");
    D_Emit(d, "sbc", "a", "a");
    D_Emit(d, "sub", "h");
    D_Emit(d, "ld", "h", "a");
    return true;
  case kNodeAdd: case kNodeSub: case kNodeMul: case kNodeAnd: case kNodeOr: case kNodeXor:
    return IsIntegerOperator(n) && WordOperator(d, n);
  case kNodeShl: case kNodeShr:
    return IsIntegerOperator(n) && ShiftHL(d, n);
  case kNodeDiv: case kNodeMod:
    return IsIntegerOperator(n) && DivideHL(d, n);
  default:
    return false;
  }
}

// ---- Addresses --------------------------------------------------------------------------

bool D_FixedOperand(Direct &d, const Node *n, Text &operand) {
  if (!d.st || !n)
    return false;
  int64_t size, low, k;
  switch (n->kind) {
  case kNodeVarRef:
    if (!IsFixedVar(d, n))
      return false;
    operand = FixedText(n->id, 0);
    return true;
  case kNodeIndex:
    if (!IsFixedVar(d, Child(n, 1)) || !ElementLayout(n, size, low) ||
        !D_Constant(Child(n, 2), k))
      return false;
    operand = "(" + CG_FixedAddressText(Child(n, 1)->id) + SignedOffset((k - low) * size) + ")";
    return true;
  case kNodeField:
    if (!IsFixedVar(d, Child(n, 1)))
      return false;
    operand = "(" + CG_FixedAddressText(Child(n, 1)->id) + SignedOffset(FieldOffset(n)) + ")";
    return true;
  default:
    return false;
  }
}

bool D_AddressHL(Direct &d, Node *n) {
  if (!n)
    return false;
  switch (n->kind) {
  case kNodeVarRef:
    if (!IsPlainVar(n))
      return false;
    VarAddress(d, n->id);
    return true;
  case kNodeIndex:
    return IndexAddress(d, n);
  case kNodeField: {
    Node *record = Child(n, 1);
    if (!record || record->typeClass != kClassRecord || !D_AddressHL(d, record))
      return false;
    AddHL(d, FieldOffset(n));
    return true;
  }
  case kNodeDeref: {
    Node *pointer = Child(n, 1);
    return pointer && pointer->typeClass == kClassPointer && pointer->size == 2 &&
           D_ValueHL(d, pointer);
  }
  default:
    return false;
  }
}

// ---- Calls ---------------------------------------------------------------------------------

// Arguments as the general code passes them: one 4-byte slot each, the
// high word pushed first, or under the register protocol a 2-byte slot;
// a var or const argument as its address.
static bool PushArgument(Direct &d, const ID *s, int i, Node *arg) {
  const SubrRec *r = s->subr;
  if (!arg || i > r->paramCount)
    return false;
  int32_t mode = r->paramModes[i - 1];
  const TypeDescr *t = r->paramTypes[i - 1];
  if (!t)
    return false;
  if (mode == kModeVar && t->typeClass == kClassString)
    return false; // its slot carries the variable's capacity too
  if (mode == kModeVar || mode == kModeConst) {
    if (!IsAddressable(arg) || !D_AddressHL(d, arg))
      return false;
    D_Emit(d, "ld", "de", "0");
  } else if (UsesRegisterProtocol(s) && RegisterSlotBytes(r, i) == 2) {
    if (!IsScalar(arg) || !D_ValueHL(d, arg))
      return false;
    D_Emit(d, "push", "hl");
    return true;
  } else {
    int64_t low, high;
    if (ParameterTravelsByAddress(t) || !IsScalar(arg) || !D_Range(arg, low, high))
      return false;
    bool whole = high <= 0xFFFF && low >= -32768 && !(low < 0 && high > 32767);
    if (t->size > 2 && !whole)
      return false;
    if (!D_ValueHL(d, arg))
      return false;
    if (low < 0 && whole) {
      D_Emit(d, "ld", "a", "h");
      WidenA(d, "e", "d", true);
      D_Emit(d, "ld", "e", "d");
    } else {
      D_Emit(d, "ld", "de", "0");
    }
  }
  if (!UsesRegisterProtocol(s) || RegisterSlotBytes(r, i) == 4)
    D_Emit(d, "push", "de");
  D_Emit(d, "push", "hl");
  return true;
}

bool D_Call(Direct &d, Node *n) {
  ID *s = n->id;
  if (!s || s->kind != kIdSubr || !s->subr || TravelsByAddress(n->size))
    return false;
  for (int i = 1; i <= n->childCount; i++)
    if (!PushArgument(d, s, i, Child(n, i)))
      return false;
  if (d.st)
    CG_CallAndDropSlots(*d.st, s, AsmNameText(s));
  return true;
}
