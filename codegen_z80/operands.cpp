// How a variable operand becomes a Z80 operand: (ix+N) for the current
// subroutine's frame, (iy+N) after loading iy from a parent-frame slot for an
// enclosing subroutine's frame, an address in hl for everything else.
#include "codegen_z80/codegen.h"

static uint16_t VarFlags(const ID *v) { return v && v->var ? v->var->flags : 0; }

int32_t CG_Address(const ID *v) { return v && v->var ? v->var->address : 0; }

bool CG_IsFrameVar(const ID *v) { return (VarFlags(v) & kVarFrame) != 0; }

bool CG_IsByReference(const ID *v) { return (VarFlags(v) & kVarByReference) != 0; }

bool CG_IsNear(const ID *v) {
  int64_t n = CG_Address(v);
  return CG_IsFrameVar(v) && n > -kNearLimit && n < kNearLimit;
}

bool CG_IsPlainNear(const ID *v) { return CG_IsNear(v) && !CG_IsByReference(v); }

bool CG_IsOwnVar(const CG_State &st, const ID *v) { return v->parent == st.currentSubr; }

Text CG_ParentFrameSlot(const ID *v) {
  int mark = v->parent ? v->parent->parentFrameMark : 0;
  return "(parentframe" + DecimalText(mark) + ")";
}

static Text Displacement(const ID *v, int32_t d) {
  return "+" + DecimalText(static_cast<int64_t>(CG_Address(v)) + d) + ")";
}

// F(v, d).  A 2-byte access through iy loads iy once, before its first byte.
Text CG_FrameText(CG_State &st, const ID *v, int32_t d, bool loadIy) {
  if (CG_IsOwnVar(st, v))
    return "(ix" + Displacement(v, d);
  if (loadIy)
    CG_Emit(st, "ld", "iy", CG_ParentFrameSlot(v));
  return "(iy" + Displacement(v, d);
}

// The 2-byte address held in a near by-reference slot, into l/h or e/d.
static void LoadNearReference(CG_State &st, const ID *v, const char *low, const char *high) {
  CG_Emit(st, "ld", low, CG_FrameText(st, v, 0));
  CG_Emit(st, "ld", high, CG_FrameText(st, v, 1, false));
}

Text CG_FixedAddressText(const ID *v) {
  if (VarFlags(v) & kVarGlobal)
    return Text(kGlobalsLabel) + "+" + DecimalText(CG_Address(v));
  return DecimalText(CG_Address(v));
}

void CG_OperandAddress(CG_State &st, const UasmOp *op) {
  if (op->ident)
    CG_VarAddress(st, op->ident);
}

void CG_VarAddress(CG_State &st, const ID *v) {
  if (!CG_IsFrameVar(v)) {
    CG_Emit(st, "ld", "hl", CG_FixedAddressText(v));
    return;
  }
  if (CG_IsOwnVar(st, v)) {
    CG_Emit(st, "push", "ix", "");
    CG_Emit(st, "pop", "hl", "");
  } else {
    CG_Emit(st, "ld", "hl", CG_ParentFrameSlot(v));
  }
  CG_Emit(st, "ld", "bc", DecimalText(CG_Address(v)));
  CG_Emit(st, "add", "hl", "bc");
  if (CG_IsByReference(v)) {
    CG_Emit(st, "ld", "c", "(hl)");
    CG_Emit(st, "inc", "hl", "");
    CG_Emit(st, "ld", "h", "(hl)");
    CG_Emit(st, "ld", "l", "c");
  }
}

// One instruction with the operand in memory as its first operand: "ld"
// stores a into it; "inc", "dec", "and", "or", "xor" and "cp" take it alone.
void CG_OpOperand(CG_State &st, const UasmOp *op, const Text &mnemonic) {
  Text s = mnemonic == "ld" ? "a" : "";
  const ID *v = op->ident;
  if (!v) {
    CG_Emit(st, mnemonic, CG_OpText(op), s);
  } else if (!CG_IsFrameVar(v)) {
    CG_Emit(st, "ld", "hl", CG_FixedAddressText(v));
    CG_Emit(st, mnemonic, "(hl)", s);
  } else if (!CG_IsNear(v)) {
    CG_OperandAddress(st, op);
    CG_Emit(st, mnemonic, "(hl)", s);
  } else if (!CG_IsByReference(v)) {
    CG_Emit(st, mnemonic, CG_FrameText(st, v, 0), s);
  } else {
    LoadNearReference(st, v, "l", "h");
    CG_Emit(st, mnemonic, "(hl)", s);
  }
}

// mnemonic a,source.  "sub" has only the one-operand form (sub source) in
// the assembler's syntax; ld and add name register a.
static void EmitOnA(CG_State &st, const Text &mnemonic, const Text &source) {
  if (mnemonic == "sub")
    CG_Emit(st, "sub", source, "");
  else
    CG_Emit(st, mnemonic, "a", source);
}

// One instruction on register a with the operand as its source: "ld",
// "add" or "sub".
void CG_AccOperand(CG_State &st, const UasmOp *op, const Text &mnemonic) {
  const ID *v = op->ident;
  if (!v) {
    EmitOnA(st, mnemonic, CG_OpText(op));
  } else if (!CG_IsFrameVar(v)) {
    if (mnemonic == "ld") {
      CG_Emit(st, "ld", "a", "(" + CG_FixedAddressText(v) + ")");
    } else {
      CG_Emit(st, "ld", "hl", CG_FixedAddressText(v));
      EmitOnA(st, mnemonic, "(hl)");
    }
  } else if (!CG_IsNear(v)) {
    CG_OperandAddress(st, op);
    EmitOnA(st, mnemonic, "(hl)");
  } else if (!CG_IsByReference(v)) {
    EmitOnA(st, mnemonic, CG_FrameText(st, v, 0));
  } else if (mnemonic == "ld") {
    // de keeps hl free for a left value the caller may hold there.
    LoadNearReference(st, v, "e", "d");
    CG_Emit(st, "ld", "a", "(de)");
  } else {
    // add and sub have no (de) form; hl is free whenever they are asked for.
    LoadNearReference(st, v, "l", "h");
    EmitOnA(st, mnemonic, "(hl)");
  }
}
