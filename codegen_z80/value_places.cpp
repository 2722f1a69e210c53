// Value places: bringing the accumulator's value into __reg32a and an op's
// operand into __reg32b, widening 8- and 16-bit values by their signedness.
#include "codegen_z80/codegen.h"

int32_t CG_PrevPlace(const UasmOp *op) {
  return op && op->prev ? op->prev->resultPlace : kPlaceNone;
}

static bool TypeIsSigned(const ID *v) { return v && v->type && v->type->low < 0; }

bool CG_OperandIsSigned(const UasmOp *op) {
  if (op->ident)
    return TypeIsSigned(op->ident);
  Text text = CG_OpText(op);
  return !text.empty() && text[0] == '-';
}

bool CG_WidensSigned(const UasmOp *producer) {
  return producer && producer->extension == kExtendSign;
}

// Bit 7 of a into the carry, then a := 0 or 255: the sign byte.
void CG_SignByte(CG_State &st) {
  CG_Emit(st, "rla", "", "");
  CG_Emit(st, "sbc", "a", "a");
}

void CG_WidenAToHL(CG_State &st, bool isSigned) {
  CG_Emit(st, "ld", "l", "a");
  if (isSigned) {
    CG_SignByte(st);
    CG_Emit(st, "ld", "h", "a");
  } else {
    CG_Emit(st, "ld", "h", "0");
  }
}

void CG_WidenAToDE(CG_State &st, bool isSigned) {
  CG_Emit(st, "ld", "e", "a");
  if (isSigned) {
    CG_SignByte(st);
    CG_Emit(st, "ld", "d", "a");
  } else {
    CG_Emit(st, "ld", "d", "0");
  }
}

void CG_AccToHL(CG_State &st, const UasmOp *op) {
  int32_t place = CG_PrevPlace(op);
  if (place == kPlaceReg32a)
    CG_Emit(st, "ld", "hl", "(__reg32a)");
  else if (place == kPlaceA)
    CG_WidenAToHL(st, CG_WidensSigned(op->prev));
}

// The value left by the op before this one, into __reg32a.
void CG_AccToRegA(CG_State &st, const UasmOp *op) {
  const UasmOp *prev = op->prev;
  switch (CG_PrevPlace(op)) {
  case kPlaceReg32a:
    return;
  case kPlaceA:
    CG_Emit(st, "call", CG_WidensSigned(prev) ? "__acctorega1s" : "__acctorega1", "");
    return;
  case kPlaceHL:
    CG_Emit(st, "ld", "(__reg32a)", "hl");
    CG_Emit(st, "call", CG_WidensSigned(prev) ? "__extsigna2" : "__reg32a_clr2", "");
    return;
  default:
    ReportErrorLine("cg reg error");
  }
}

// The 32-bit value of a decimal constant text (an optional "-", then
// digits); a number above 4294967295 stops the run.  A text that is not a
// number counts as 0 (the assembler gets to judge it).
static int64_t ConstantValue(const Text &text) {
  bool negative = !text.empty() && text[0] == '-';
  int64_t magnitude = 0;
  for (size_t i = negative ? 1 : 0; i < text.size(); i++) {
    if (text[i] < '0' || text[i] > '9')
      return 0;
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > 4294967295LL)
      RunTimeStop(kStopLimit, "constant " + text + " above 4294967295");
  }
  return negative ? -magnitude : magnitude;
}

// Floor of value / 65536: the high word of a 32-bit constant.
static int64_t HighWord(int64_t value) {
  return value >= 0 ? value / 65536 : -((-value + 65535) / 65536);
}

static void ConstantToRegB(CG_State &st, const Text &text) {
  if (text == "[sp]") {
    CG_Emit(st, "call", "__popb", "");
  } else if (text.size() <= 2 && text[0] != '-') {
    CG_Emit(st, "ld", "a", text);
    CG_Emit(st, "call", "__acctoregb1", "");
  } else {
    int64_t value = ConstantValue(text);
    CG_Emit(st, "ld", "hl", text + " & 65535");
    CG_Emit(st, "ld", "(__reg32b)", "hl");
    CG_Emit(st, "ld", "hl", DecimalText(HighWord(value)));
    CG_Emit(st, "ld", "(__reg32b+2)", "hl");
  }
}

// A variable operand is read in its type's size, except that a load reads
// only the bytes it asks for: the length byte of a string is loaded with
// size 1 from the string variable.
static uint32_t OperandWidth(const UasmOp *op) {
  uint32_t size = op->ident->type ? op->ident->type->size : 0;
  if (op->code == uasmop_load && op->size > 0 && uint32_t(op->size) < size)
    return uint32_t(op->size);
  return size;
}

static void VariableToRegB(CG_State &st, const UasmOp *op) {
  const ID *v = op->ident;
  uint32_t size = OperandWidth(op);
  if (size > 255)
    RunTimeStop(kStopLimit, "operand of " + DecimalText(size) + " bytes (" +
                                CG_OpName(op) + ")");
  CG_OperandAddress(st, op);
  if (size == 1) {
    CG_Emit(st, "call", "__getarg1", "");
    if (TypeIsSigned(v))
      CG_Emit(st, "call", "__extsign1", "");
  } else if (size == 2) {
    CG_Emit(st, "call", "__getarg2", "");
    if (TypeIsSigned(v))
      CG_Emit(st, "call", "__extsign2", "");
  } else if (size == 4) {
    CG_Emit(st, "call", "__getarg4", "");
  }
}

// The op's own operand into __reg32b; its text is looked at before its ident.
void CG_OperandToRegB(CG_State &st, const UasmOp *op) {
  Text text = CG_OpText(op);
  if (!text.empty())
    ConstantToRegB(st, text);
  else if (op->ident)
    VariableToRegB(st, op);
}
