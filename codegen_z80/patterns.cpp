// Pattern rules R1 to R16: direct 8- and 16-bit code for common op
// sequences, keeping values in a (place 3) or hl (place 12) instead of the
// 32-bit working registers.  They are tried in order; the first whose guard
// holds emits its lines and reports the op handled.  p is the current op, p1
// and p2 the ops after it, prev the op before it.  A rule that names no
// place leaves place 1 on the last op it took.  Every rule has a name in the
// rule table at the end, a switch (--no-rule=NAME) and a hit counter
// (--stats); with every rule off the general translation does all.
#include <cstring>
#include <ostream>
#include <vector>

#include "codegen_z80/codegen.h"

namespace {

struct Window {
  UasmOp *p, *p1, *p2;
  const UasmOp *prev;
};

bool Is(const UasmOp *op, int32_t code) { return op && op->code == code; }
bool IsAddOrSub(const UasmOp *op) { return Is(op, uasmop_add) || Is(op, uasmop_sub); }
bool IsCompare(const UasmOp *op) {
  return op && op->code >= uasmop_cmpgt && op->code <= uasmop_cmpne;
}
bool IsConstant(const UasmOp *op) { return !op->ident; }
bool IsShortConstant(const UasmOp *op) {
  return IsConstant(op) && CG_OpText(op).size() <= 2;
}
// A short constant that is also not negative: the 8-bit multiply routines
// take their factor in a or c as an unsigned byte.
bool IsSmallFactor(const UasmOp *op) {
  return IsShortConstant(op) && !CG_OperandIsSigned(op);
}
bool HasText(const UasmOp *op, const char *text) {
  return IsConstant(op) && CG_OpText(op) == text;
}
uint32_t TypeSize(const UasmOp *op) {
  return op->ident && op->ident->type ? op->ident->type->size : 0;
}
bool IsPlainNearVar(const UasmOp *op) { return op->ident && CG_IsPlainNear(op->ident); }
int32_t PrevPlace(const Window &w) { return w.prev ? w.prev->resultPlace : kPlaceNone; }
bool PrevSizeIs(const Window &w, int32_t size) { return w.prev && w.prev->size == size; }

// to-hl: the previous value into hl.
void ToHL(CG_State &st, const Window &w) { CG_AccToHL(st, w.p); }

// Byte into a, for an op q.
void ByteIntoA(CG_State &st, const UasmOp *q) {
  if (IsConstant(q)) {
    CG_Emit(st, "ld", "a", CG_OpText(q));
  } else if (IsPlainNearVar(q)) {
    CG_Emit(st, "ld", "a", CG_FrameText(st, q->ident, 0));
  } else {
    CG_OperandAddress(st, q);
    CG_Emit(st, "ld", "a", "(hl)");
  }
}

// The decimal value of a constant text, or false when it is not a number.
bool ConstantByte(const Text &text, int64_t &value) {
  size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
  if (i == text.size() || text.size() > 12)
    return false;
  int64_t magnitude = 0;
  for (; i < text.size(); i++) {
    if (text[i] < '0' || text[i] > '9')
      return false;
    magnitude = magnitude * 10 + (text[i] - '0');
  }
  value = text[0] == '-' ? -magnitude : magnitude;
  return true;
}

// How two bytes can be compared in 8 bits.  Both unsigned: "cp".  Both
// signed: "cp" after flipping bit 7 of both.  A signed value against an
// unsigned variable (or a constant outside its range) has no 8-bit answer:
// the 32-bit compare with its mixed routines takes it.
enum class ByteCompare { Unsigned, Signed, Mixed };

ByteCompare ClassifyByteCompare(bool leftSigned, const UasmOp *q) {
  int64_t value = 0;
  if (IsConstant(q) && ConstantByte(CG_OpText(q), value)) {
    if (leftSigned)
      return value >= -128 && value <= 127 ? ByteCompare::Signed : ByteCompare::Mixed;
    return value >= 0 && value <= 255 ? ByteCompare::Unsigned : ByteCompare::Mixed;
  }
  bool rightSigned = CG_OperandIsSigned(q);
  if (leftSigned != rightSigned)
    return ByteCompare::Mixed;
  return leftSigned ? ByteCompare::Signed : ByteCompare::Unsigned;
}

// A signed byte compare of a with q's operand.  Flipping bit 7 of both
// sides maps -128..127 onto 0..255 in order, so the carry and zero flags
// then mean what the unsigned flag tests expect.  Uses d and e.
void SignedByteCompare(CG_State &st, const UasmOp *q) {
  int64_t value = 0;
  CG_Emit(st, "xor", "80h", "");
  if (IsConstant(q) && ConstantByte(CG_OpText(q), value)) {
    CG_Emit(st, "cp", DecimalText((value ^ 0x80) & 0xFF), "");
    return;
  }
  CG_Emit(st, "ld", "d", "a");
  ByteIntoA(st, q);
  CG_Emit(st, "xor", "80h", "");
  CG_Emit(st, "ld", "e", "a");
  CG_Emit(st, "ld", "a", "d");
  CG_Emit(st, "cp", "e", "");
}

// R1, array element address.
//   in : pusharg; loadaddr V; add "[sp]"
//   out: to-hl; ex de,hl; <address of V into hl>; add hl,de        place 12
//   e.g. (index in hl, own local array at -8)
//        ex de,hl / push ix / pop hl / ld bc,-8 / add hl,bc / add hl,de
bool R1ArrayElementAddress(CG_State &st, Window &w) {
  // A pusharg with an operand pushes a var string's address and capacity.
  if (!Is(w.p, uasmop_pusharg) || w.p->text || w.p->ident || !Is(w.p1, uasmop_loadaddr) ||
      !Is(w.p2, uasmop_add) || !HasText(w.p2, "[sp]"))
    return false;
  ToHL(st, w);
  CG_Emit(st, "ex", "de", "hl");
  CG_OperandAddress(st, w.p1);
  CG_Emit(st, "add", "hl", "de");
  w.p2->resultPlace = kPlaceHL;
  w.p = w.p2;
  return true;
}

// R2, 1- and 2-byte dereference.
//   in : deref, size 1 or 2
//   out: to-hl; size 1: ld a,(hl)                                   place 3
//        size 2: ld e,(hl) / inc hl / ld d,(hl) / ex de,hl          place 12
//   e.g. (address in hl) deref 1  ->  ld a,(hl)
bool R2Dereference(CG_State &st, Window &w) {
  if (!Is(w.p, uasmop_deref) || w.p->size >= 3)
    return false;
  ToHL(st, w);
  w.p->resultPlace = kPlaceReg32a;
  if (w.p->size == 1) {
    CG_Emit(st, "ld", "a", "(hl)");
    w.p->resultPlace = kPlaceA;
  } else if (w.p->size == 2) {
    CG_Emit(st, "ld", "e", "(hl)");
    CG_Emit(st, "inc", "hl", "");
    CG_Emit(st, "ld", "d", "(hl)");
    CG_Emit(st, "ex", "de", "hl");
    w.p->resultPlace = kPlaceHL;
  }
  return true;
}

// R3, byte store through an address.
//   in : storeind X, size 1
//   out: to-hl; then  constant: ld (hl),X
//                     plain near X: ld a,F(X) / ld (hl),a
//                     otherwise: push hl / <address of X> / ld a,(hl) / pop hl / ld (hl),a
//   e.g. storeind "65"  ->  ld (hl),65
bool R3ByteStoreIndirect(CG_State &st, Window &w) {
  if (!Is(w.p, uasmop_storeind) || w.p->size != 1)
    return false;
  ToHL(st, w);
  if (IsConstant(w.p)) {
    CG_Emit(st, "ld", "(hl)", CG_OpText(w.p));
  } else if (IsPlainNearVar(w.p)) {
    CG_Emit(st, "ld", "a", CG_FrameText(st, w.p->ident, 0));
    CG_Emit(st, "ld", "(hl)", "a");
  } else {
    CG_Emit(st, "push", "hl", "");
    CG_OperandAddress(st, w.p);
    CG_Emit(st, "ld", "a", "(hl)");
    CG_Emit(st, "pop", "hl", "");
    CG_Emit(st, "ld", "(hl)", "a");
  }
  w.p->resultPlace = kPlaceReg32a;
  return true;
}

// R4, byte increment or decrement in memory.
//   in : load X, size 1; add|sub "1"; store X, size 1
//   out: inc X | dec X (through the operand forms of CG_OpOperand)
//   e.g. x := x + 1 on a local at -5  ->  inc (ix+-5)
bool R4ByteIncrement(CG_State &st, Window &w) {
  if (!Is(w.p, uasmop_load) || w.p->size != 1 || !IsAddOrSub(w.p1) || !HasText(w.p1, "1") ||
      !Is(w.p2, uasmop_store) || w.p2->size != 1 || !w.p->ident || w.p->ident != w.p2->ident)
    return false;
  CG_OpOperand(st, w.p, Is(w.p1, uasmop_add) ? "inc" : "dec");
  w.p2->resultPlace = kPlaceReg32a;
  w.p = w.p2;
  return true;
}

// R5, byte add or subtract and store.
//   in : load X, size 1; add|sub Y; store Z, size 1
//   out: ld a,X / add|sub a,Y / ld Z,a
//   e.g. y := x + 3  ->  ld a,(ix+-5) / add a,3 / ld (ix+-6),a
bool R5ByteAddStore(CG_State &st, Window &w) {
  if (!Is(w.p, uasmop_load) || w.p->size != 1 || !IsAddOrSub(w.p1) ||
      !Is(w.p2, uasmop_store) || w.p2->size != 1)
    return false;
  CG_AccOperand(st, w.p, "ld");
  CG_AccOperand(st, w.p1, Is(w.p1, uasmop_add) ? "add" : "sub");
  CG_OpOperand(st, w.p2, "ld");
  w.p2->resultPlace = kPlaceReg32a;
  w.p = w.p2;
  return true;
}

// The jump of R6, taken to L when the compare's flags say "false".
void JumpWhenFalse(CG_State &st, int32_t code, const Text &label) {
  switch (code) {
  case uasmop_cmpgt:
    CG_Emit(st, "jr", "z", "$+4");
    CG_Emit(st, "jr", "nc", "$+5");
    CG_Emit(st, "jp", label, "");
    break;
  case uasmop_cmpge: CG_Emit(st, "jp", "c", label); break;
  case uasmop_cmplt: CG_Emit(st, "jp", "nc", label); break;
  case uasmop_cmple:
    CG_Emit(st, "jr", "c", "$+7");
    CG_Emit(st, "jr", "z", "$+5");
    CG_Emit(st, "jp", label, "");
    break;
  case uasmop_cmpeq: CG_Emit(st, "jp", "nz", label); break;
  default: CG_Emit(st, "jp", "z", label); break; // uasmop_cmpne
  }
}

// R6, byte compare and conditional jump.
//   in : load X, size 1; cmpXX Y, size 1; jumpfalse L
//   out: <X into a>; cp Y (cp (hl) after the address of Y); the jump to L
//        when false.  Signed operands: both sides get bit 7 flipped first;
//        mixed signedness is left to the 32-bit compare.
//   e.g. if x < 10 then  ->  ld a,(ix+-5) / cp 10 / jp nc,label001end
bool R6ByteCompareJump(CG_State &st, Window &w) {
  if (!Is(w.p, uasmop_load) || w.p->size != 1 || !IsCompare(w.p1) || w.p1->size != 1 ||
      !Is(w.p2, uasmop_jumpfalse))
    return false;
  ByteCompare kind = ClassifyByteCompare(CG_WidensSigned(w.p), w.p1);
  if (kind == ByteCompare::Mixed)
    return false;
  ByteIntoA(st, w.p);
  if (kind == ByteCompare::Signed) {
    SignedByteCompare(st, w.p1);
  } else if (IsConstant(w.p1)) {
    CG_Emit(st, "cp", CG_OpText(w.p1), "");
  } else if (IsPlainNearVar(w.p1)) {
    CG_Emit(st, "cp", CG_FrameText(st, w.p1->ident, 0), "");
  } else {
    CG_OperandAddress(st, w.p1);
    CG_Emit(st, "cp", "(hl)", "");
  }
  JumpWhenFalse(st, w.p1->code, CG_OpText(w.p2));
  w.p2->resultPlace = kPlaceReg32a;
  w.p = w.p2;
  return true;
}

// R7, byte copy.
//   in : load X, size 1; store Z, size 1
//   out: X constant: ld Z,X; else <X into a>; ld Z,a  (Z plain near: F(Z),
//        else (hl) after the address of Z)
//   e.g. y := 7  ->  ld (ix+-6),7
bool R7ByteCopy(CG_State &st, Window &w) {
  if (!Is(w.p, uasmop_load) || w.p->size != 1 || !Is(w.p1, uasmop_store) || w.p1->size != 1)
    return false;
  Text source = "a";
  if (IsConstant(w.p))
    source = CG_OpText(w.p);
  else
    ByteIntoA(st, w.p);
  if (w.p1->ident) {
    if (IsPlainNearVar(w.p1)) {
      CG_Emit(st, "ld", CG_FrameText(st, w.p1->ident, 0), source);
    } else {
      CG_OperandAddress(st, w.p1);
      CG_Emit(st, "ld", "(hl)", source);
    }
  }
  w.p1->resultPlace = kPlaceReg32a;
  w.p = w.p1;
  return true;
}

// R8, load into a register.
//   in : load X, size 1            out: ld a,X                      place 3
//   in : load "N", size 2          out: ld hl,N                     place 12
//   in : load X plain near, size 2 out: ld e,F(X) / ld d,F(X+1) / ex de,hl
//   e.g. load w (local at -8), size 2  ->  ld e,(ix+-8) / ld d,(ix+-7) / ex de,hl
bool R8Load(CG_State &st, Window &w) {
  if (!Is(w.p, uasmop_load))
    return false;
  if (w.p->size == 1) {
    CG_AccOperand(st, w.p, "ld");
    w.p->resultPlace = kPlaceA;
    return true;
  }
  if (w.p->size != 2)
    return false;
  if (IsConstant(w.p)) {
    CG_Emit(st, "ld", "hl", CG_OpText(w.p));
  } else if (IsPlainNearVar(w.p)) {
    CG_Emit(st, "ld", "e", CG_FrameText(st, w.p->ident, 0));
    CG_Emit(st, "ld", "d", CG_FrameText(st, w.p->ident, 1, false));
    CG_Emit(st, "ex", "de", "hl");
  } else {
    return false;
  }
  w.p->resultPlace = kPlaceHL;
  return true;
}

// R9, byte and/or/xor with a variable.
//   in : (value in a) and|or|xor X, X of a 1-byte type
//   out: and|or|xor X                                               place 3
//   e.g. and (ix+-5)
// The byte result widens right only when both sides widen alike and the
// op's extension, by which its result is widened, says the same: a byte
// and a shortint differ above bit 7 (162 xor -2 is -164, not 92), so any
// mix is left to the 32-bit routine.
static bool WidensAlike(const Window &w) {
  bool isSigned = CG_OperandIsSigned(w.p);
  return CG_WidensSigned(w.prev) == isSigned && CG_WidensSigned(w.p) == isSigned;
}

bool R9ByteLogic(CG_State &st, Window &w) {
  if (!(Is(w.p, uasmop_and) || Is(w.p, uasmop_or) || Is(w.p, uasmop_xor)) ||
      PrevPlace(w) != kPlaceA || !w.p->ident || TypeSize(w.p) != 1 || !WidensAlike(w))
    return false;
  CG_OpOperand(st, w.p, Is(w.p, uasmop_and) ? "and" : Is(w.p, uasmop_or) ? "or" : "xor");
  w.p->resultPlace = kPlaceA;
  return true;
}

// R10, store into a plain near variable.
//   in : store X, size 1   out: <value into a>; ld F(X),a
//   in : store X, size 2   out: <value into de>; ld F(X),e / ld F(X+1),d
//   e.g. (word in hl) store w at -8  ->  ex de,hl / ld (ix+-8),e / ld (ix+-7),d
bool R10StoreNear(CG_State &st, Window &w) {
  if (!Is(w.p, uasmop_store) || !IsPlainNearVar(w.p) || (w.p->size != 1 && w.p->size != 2))
    return false;
  int32_t place = PrevPlace(w);
  const ID *v = w.p->ident;
  if (w.p->size == 1) {
    if (place == kPlaceReg32a)
      CG_Emit(st, "ld", "a", "(__reg32a+0)");
    else if (place == kPlaceHL)
      CG_Emit(st, "ld", "a", "l");
    CG_Emit(st, "ld", CG_FrameText(st, v, 0), "a");
  } else {
    if (place == kPlaceReg32a)
      CG_Emit(st, "ld", "de", "(__reg32a+0)");
    else if (place == kPlaceA)
      CG_WidenAToDE(st, CG_WidensSigned(w.prev));
    else if (place == kPlaceHL)
      CG_Emit(st, "ex", "de", "hl");
    CG_Emit(st, "ld", CG_FrameText(st, v, 0), "e");
    CG_Emit(st, "ld", CG_FrameText(st, v, 1, false), "d");
  }
  w.p->resultPlace = kPlaceReg32a;
  return true;
}

// R11, 16-bit multiply.
//   in : (byte in a) mul "N", size 2, N a small factor
//   out: ld c,N / call __op_mul8816                                 place 12
//   in : mul X, size 2 otherwise
//   out: to-hl; ld bc,X (constant) or push hl / <X into __reg32b> / pop hl /
//        ld bc,(__reg32b); then call __op_mul16                     place 12
//   e.g. (word in hl) mul "2"  ->  ld bc,2 / call __op_mul16
bool R11Multiply16(CG_State &st, Window &w) {
  if (!Is(w.p, uasmop_mul) || w.p->size != 2)
    return false;
  if (PrevPlace(w) == kPlaceA && IsSmallFactor(w.p) && !CG_WidensSigned(w.prev)) {
    CG_Emit(st, "ld", "c", CG_OpText(w.p));
    CG_Emit(st, "call", "__op_mul8816", "");
  } else {
    ToHL(st, w);
    if (IsConstant(w.p)) {
      CG_Emit(st, "ld", "bc", CG_OpText(w.p));
    } else {
      CG_Emit(st, "push", "hl", "");
      CG_OperandToRegB(st, w.p);
      CG_Emit(st, "pop", "hl", "");
      CG_Emit(st, "ld", "bc", "(__reg32b)");
    }
    CG_Emit(st, "call", "__op_mul16", "");
  }
  w.p->resultPlace = kPlaceHL;
  return true;
}

// R12, 32-bit multiply by a short constant.
//   in : (4-byte value) mul "N", size 4, N a small factor
//   out: ld a,N / call __op_mul_a                                   place 1
//   A value a cast left in a or hl goes to __reg32a first.
//   e.g. mul "10"  ->  ld a,10 / call __op_mul_a
bool R12Multiply32Small(CG_State &st, Window &w) {
  if (!Is(w.p, uasmop_mul) || w.p->size != 4 || !PrevSizeIs(w, 4) || !IsSmallFactor(w.p))
    return false;
  if (PrevPlace(w) == kPlaceA || PrevPlace(w) == kPlaceHL)
    CG_AccToRegA(st, w.p);
  CG_Emit(st, "ld", "a", CG_OpText(w.p));
  CG_Emit(st, "call", "__op_mul_a", "");
  w.p->resultPlace = kPlaceReg32a;
  return true;
}

// R13, add one to a byte in a.
//   in : (byte in a) add "1", size 1   out: inc a                   place 3
//   in : (byte in a) add "1", size 2   out: ld l,a / ld h,0 / inc hl place 12
bool R13IncrementA(CG_State &st, Window &w) {
  if (!Is(w.p, uasmop_add) || !PrevSizeIs(w, 1) || PrevPlace(w) != kPlaceA ||
      !HasText(w.p, "1") || (w.p->size != 1 && w.p->size != 2))
    return false;
  if (w.p->size == 1) {
    CG_Emit(st, "inc", "a", "");
    w.p->resultPlace = kPlaceA;
  } else {
    CG_WidenAToHL(st, CG_WidensSigned(w.prev));
    CG_Emit(st, "inc", "hl", "");
    w.p->resultPlace = kPlaceHL;
  }
  return true;
}

// R14, 32-bit add or subtract of an unsigned byte variable.
//   in : add|sub X, size 4, X of an unsigned 1-byte type
//   out: ;sub/add ?+8=32; <value into __reg32a>; ld a,X;
//        call __op_add_a | __op_sub_a                               place 1
//   e.g. (longint in __reg32a) add b  ->  ld a,(ix+-5) / call __op_add_a
bool R14AddByteTo32(CG_State &st, Window &w) {
  if (!IsAddOrSub(w.p) || w.p->size != 4 || !w.p->ident || TypeSize(w.p) != 1 ||
      CG_OperandIsSigned(w.p))
    return false;
  CG_Emit(st, ";sub/add ?+8=32", "", "");
  if (PrevPlace(w) == kPlaceA || PrevPlace(w) == kPlaceHL)
    CG_AccToRegA(st, w.p);
  CG_AccOperand(st, w.p, "ld");
  CG_Emit(st, "call", Is(w.p, uasmop_add) ? "__op_add_a" : "__op_sub_a", "");
  w.p->resultPlace = kPlaceReg32a;
  return true;
}

// hl := hl + de, or hl - de.
void AddOrSubDE(CG_State &st, const Window &w) {
  if (Is(w.p, uasmop_add)) {
    CG_Emit(st, "add", "hl", "de");
  } else {
    CG_Emit(st, "sub", "a", "");
    CG_Emit(st, "sbc", "hl", "de");
  }
}

void R15Constant(CG_State &st, const Window &w) {
  bool add = Is(w.p, uasmop_add);
  Text text = CG_OpText(w.p);
  ToHL(st, w);
  if (text == "1") {
    CG_Emit(st, add ? "inc" : "dec", "hl", "");
  } else if (text == "[sp]") {
    CG_Emit(st, "pop", "de", "");
    CG_Emit(st, "pop", "bc", "");
    AddOrSubDE(st, w);
  } else {
    CG_Emit(st, "ld", "de", add ? text : "-" + text);
    CG_Emit(st, "add", "hl", "de");
  }
}

// A byte variable combined with a 16-bit left value.  Both unsigned with
// the left byte in a: the byte sum and its carry.  Otherwise the left value
// goes to hl, the byte (widened by its type) to de.
void R15ByteVariable(CG_State &st, const Window &w) {
  bool add = Is(w.p, uasmop_add);
  bool operandSigned = CG_OperandIsSigned(w.p);
  if (PrevPlace(w) == kPlaceA && !operandSigned && !CG_WidensSigned(w.prev)) {
    CG_AccOperand(st, w.p, add ? "add" : "sub");
    CG_Emit(st, "ld", "l", "a");
    CG_Emit(st, "ld", "a", "0");
    CG_Emit(st, add ? "adc" : "sbc", "a", "0");
    CG_Emit(st, "ld", "h", "a");
    return;
  }
  ToHL(st, w);
  // Only a far variable's address is formed in hl, where the left value is.
  bool keepHL = CG_IsFrameVar(w.p->ident) && !CG_IsNear(w.p->ident);
  if (keepHL)
    CG_Emit(st, "push", "hl", "");
  CG_AccOperand(st, w.p, "ld");
  if (keepHL)
    CG_Emit(st, "pop", "hl", "");
  CG_WidenAToDE(st, operandSigned);
  AddOrSubDE(st, w);
}

void R15WordVariable(CG_State &st, const Window &w) {
  ToHL(st, w);
  CG_Emit(st, "push", "hl", "");
  CG_OperandAddress(st, w.p);
  CG_Emit(st, "ld", "e", "(hl)");
  CG_Emit(st, "inc", "hl", "");
  CG_Emit(st, "ld", "d", "(hl)");
  CG_Emit(st, "pop", "hl", "");
  AddOrSubDE(st, w);
}

// R15, 16-bit add or subtract.
//   in : add|sub X, size 2
//   out: ;sub/add 16, then
//        constant "1": to-hl; inc hl | dec hl
//        constant "[sp]": to-hl; pop de / pop bc; add hl,de | sub a / sbc hl,de
//        other constant N: to-hl; ld de,N | ld de,-N; add hl,de
//        byte variable: see R15ByteVariable
//        other variable: to-hl; push hl / <address of X> / ld e,(hl) / inc hl /
//          ld d,(hl) / pop hl; add hl,de | sub a / sbc hl,de
//   place 12.  e.g. (word in hl) sub "5"  ->  ld de,-5 / add hl,de
bool R15AddSub16(CG_State &st, Window &w) {
  if (!IsAddOrSub(w.p) || w.p->size != 2)
    return false;
  CG_Emit(st, ";sub/add 16", "", "");
  if (IsConstant(w.p))
    R15Constant(st, w);
  else if (TypeSize(w.p) == 1)
    R15ByteVariable(st, w);
  else
    R15WordVariable(st, w);
  w.p->resultPlace = kPlaceHL;
  return true;
}

// R16, byte comparison to a boolean.
//   in : (byte in a, size 1) cmpXX X, X a 1-byte variable or a short constant
//   out: cp X / ld a,1 / <flag tests> / xor a                       place 3
//        signed operands: both sides get bit 7 flipped before the cp;
//        mixed signedness is left to the 32-bit compare.
//   e.g. (byte in a) cmpeq "3"  ->  cp 3 / ld a,1 / jr z,$+3 / xor a
bool R16ByteCompare(CG_State &st, Window &w) {
  if (!IsCompare(w.p) || PrevPlace(w) != kPlaceA || !PrevSizeIs(w, 1) ||
      !((w.p->ident && TypeSize(w.p) == 1) || IsShortConstant(w.p)))
    return false;
  ByteCompare kind = ClassifyByteCompare(CG_WidensSigned(w.prev), w.p);
  if (kind == ByteCompare::Mixed)
    return false;
  if (kind == ByteCompare::Signed)
    SignedByteCompare(st, w.p);
  else
    CG_OpOperand(st, w.p, "cp");
  CG_Emit(st, "ld", "a", "1");
  CG_FlagTests(st, w.p->code);
  CG_Emit(st, "xor", "a", "");
  w.p->resultPlace = kPlaceA;
  return true;
}

// The rule table: every rule by name, with what it does, its switch and
// how often it was used in this run.  The order is the order of trial.
// An op rule has apply; a line rule of the peephole pass (-O only) has
// rewrite instead.
struct PatternRule {
  const char *name;
  const char *what;
  bool (*apply)(CG_State &, Window &);
  bool (*rewrite)(AsmLine *line) = nullptr;
  bool on = true;
  uint32_t hits = 0;
};

PatternRule gRules[] = {
    {"array-element-address", "pusharg; loadaddr V; add [sp]: the element's address in hl",
     R1ArrayElementAddress},
    {"small-deref", "1- and 2-byte deref through hl into a or hl", R2Dereference},
    {"byte-store-indirect", "1-byte storeind through hl", R3ByteStoreIndirect},
    {"byte-inc-dec", "load X; add|sub 1; store X of a byte: inc X | dec X", R4ByteIncrement},
    {"byte-add-sub-store", "load X; add|sub Y; store Z of bytes: ld a / add|sub / ld",
     R5ByteAddStore},
    {"byte-compare-jump", "load X; compare Y; jumpfalse of bytes: cp and a jump",
     R6ByteCompareJump},
    {"byte-copy", "load X; store Z of a byte: ld", R7ByteCopy},
    {"load-register", "load of a byte into a, of a word constant or near word into hl", R8Load},
    {"byte-logic", "and|or|xor of the byte in a with a byte variable", R9ByteLogic},
    {"store-near", "store of a byte or word into a near frame variable", R10StoreNear},
    {"multiply-16", "16-bit multiply through __op_mul16 or __op_mul8816", R11Multiply16},
    {"multiply-32-small", "32-bit multiply by a small constant through __op_mul_a",
     R12Multiply32Small},
    {"byte-inc-a", "add 1 to the byte in a", R13IncrementA},
    {"add-byte-to-32", "32-bit add|sub of an unsigned byte variable through __op_add_a",
     R14AddByteTo32},
    {"add-sub-16", "16-bit add|sub in hl", R15AddSub16},
    {"byte-compare", "comparison of the byte in a to a boolean", R16ByteCompare},
    {"boolean-jump", "-O lines: ld a,1 / flag tests / xor a / or a / jp: jumps on the flags",
     nullptr, CG_PeepBooleanJump},
    {"push-pop", "-O lines: push rr / pop ss: nothing, or two ld", nullptr, CG_PeepPushPop},
    {"exchange-twice", "-O lines: ex de,hl / ex de,hl: nothing", nullptr,
     CG_PeepExchangeTwice},
    {"jump-to-next", "-O lines: a jump to the label right after it: dropped", nullptr,
     CG_PeepJumpToNext},
    {"jump-to-jump", "-O lines: a jp to a jp: straight to the last target", nullptr,
     CG_PeepJumpToJump},
    {"jump-to-return", "-O lines: a jp to [pop rr /] ret: those lines; jp cc to ret: ret cc",
     nullptr, CG_PeepJumpToReturn},
    {"store-reload", "-O lines: ld M,r / ld r,M: the load dropped", nullptr,
     CG_PeepStoreReload},
    {"copy-again", "-O lines: ld x,y / ... / ld y,x of unchanged registers: 2nd dropped",
     nullptr, CG_PeepCopyAgain},
    // Applied elsewhere, by name (CG_UseRule).
    {"known-registers",
     "-O lines: a load or store of what a register already holds: dropped", nullptr},
    {"direct-statement", "-O: assignments and calls of 8/16-bit values straight in registers",
     nullptr},
    {"direct-condition", "-O: a condition as a compare and a jump on the flags", nullptr},
    {"direct-for", "-O: a for loop over a byte or word variable in direct code", nullptr},
    {"word-in-hl", "-O: a word variable hl still holds is not loaded again", nullptr},
    {"counted-loop", "-O: a for loop whose body never names its variable counts in b",
     nullptr},
    {"inline-function", "-O: a call of a one-line function (ord, chr, ...) as its expression",
     nullptr},
    {"multiply-shift-add", "-O: a word times a constant of many one bits by shifts and adds",
     nullptr},
    {"direct-write",
     "-O: write of a char, byte or word, writeln's line end: straight to the library", nullptr},
    {"append-char", "-O: s := s + c appends the char in place", nullptr},
    {"fixed-globals", "-O: main-program variables at fixed addresses after the code", nullptr},
    {"cheap-return", "-O: the callee pops its parameters and returns by jp (hl)", nullptr},
    {"register-calls", "-O: 2-byte argument slots, a small result in hl, the caller pops",
     nullptr},
    {"argument-in-hl", "-O: a register-protocol call passes its last 2-byte argument in hl",
     nullptr},
    {"stack-frame", "-O: a register-protocol subroutine of direct code only: no ix, sp+offset",
     nullptr},
    {"unused-subroutines", "-O: subroutines no kept line names any more are dropped", nullptr},
    {"parent-frame-slots", "-O: parent-frame slots no line reads are dropped, and their stores",
     nullptr},
    {"frameless", "-O: a subroutine whose lines never use its frame builds none", nullptr},
    {"reached-library", "-O: only the library routines the program reaches are copied",
     nullptr},
};

} // namespace

bool CG_Patterns(CG_State &st, UasmOp *&op) {
  Window w{op, op->next, op->next ? op->next->next : nullptr, op->prev};
  for (PatternRule &rule : gRules) {
    if (rule.on && rule.apply && rule.apply(st, w)) {
      rule.hits++;
      op = w.p;
      return true;
    }
  }
  return false;
}

// The line rules in table order, found once: CG_RewriteLine runs for
// every line of every peephole pass.
static std::vector<PatternRule *> LineRules() {
  std::vector<PatternRule *> rules;
  for (PatternRule &rule : gRules)
    if (rule.rewrite)
      rules.push_back(&rule);
  return rules;
}

bool CG_RewriteLine(AsmLine *line) {
  static const std::vector<PatternRule *> kLineRules = LineRules();
  for (PatternRule *rule : kLineRules) {
    if (rule->on && rule->rewrite(line)) {
      rule->hits++;
      return true;
    }
  }
  return false;
}

bool CG_UseRule(const char *name, bool countHit) {
  for (PatternRule &rule : gRules) {
    if (std::strcmp(name, rule.name) == 0) {
      if (rule.on && countHit)
        rule.hits++;
      return rule.on;
    }
  }
  return false;
}

void CG_ResetRules() {
  for (PatternRule &rule : gRules) {
    rule.on = true;
    rule.hits = 0;
  }
}

bool CG_SwitchRuleOff(const Text &name) {
  for (PatternRule &rule : gRules) {
    if (name == rule.name) {
      rule.on = false;
      return true;
    }
  }
  return false;
}

static Text Padded(const Text &text, size_t width) {
  return text.size() < width ? text + Text(width - text.size(), ' ') : text + " ";
}

void CG_WriteRuleList() {
  Con() << "Code rules (--no-rule=NAME switches one off):\n";
  for (const PatternRule &rule : gRules)
    Con() << "  " << Padded(rule.name, 24) << rule.what << '\n';
}

void CG_WriteRuleHits() {
  Con() << "rule hits (--stats):\n";
  for (const PatternRule &rule : gRules)
    Con() << "  " << Padded(rule.name, 24) << rule.hits << (rule.on ? "" : " (off)") << '\n';
}
