// The general translation of one uasm op through the 32-bit working
// registers __reg32a and __reg32b and the run-time library.
#include "codegen_z80/codegen.h"
#include "parser/parser.h"
#include "translator/translate_internal.h"

Text CG_OpText(const UasmOp *op) { return HeapTextOrEmpty(op->text); }

Text CG_OpName(const UasmOp *op) {
  if (op->ident)
    return AsmNameText(op->ident);
  return CG_OpText(op);
}

static void SourceComment(CG_State &st, const UasmOp *op) {
  SourcePos none{};
  const SourcePos &pos = op->position ? *op->position : none;
  CG_Emit(st, "", "                      ; " + PositionText(pos) + ": " +
                      HeapTextOrEmpty(pos.lineText), "");
}

// The parent-frame slot of a subroutine other than the main program (which
// is entered once) is saved at entry and restored at exit; see
// kSavedParentFrameOffset.
static bool SavesParentFrame(const CG_State &st) {
  const ID *s = st.currentSubr;
  return s && s->parentFrameMark != 0 && !(s->subr && s->subr->isMain);
}

static Text SavedParentFrameByte(int byte) {
  return "(ix+" + DecimalText(kSavedParentFrameOffset + byte) + ")";
}

static const ID *LastParameter(const ID *s) {
  const SubrRec *r = s->subr;
  return r->params[r->paramCount - 1];
}

// Prologue: a stack frame (stack_frame.cpp) where it fits, else the frame
// pointer, the last argument pushed from hl (-O), the local area, the
// stack check of a program compiled with {$s+} (before anything is written
// into the new frame), and the parent-frame slot of a subroutine whose
// variables nested subroutines reach.
static void Prologue(CG_State &st, const UasmOp *op) {
  const ID *inHL = LastArgumentInHL(st.currentSubr) ? LastParameter(st.currentSubr) : nullptr;
  bool wordInHL = inHL && inHL->type && inHL->type->size == 2;
  if (CG_ChooseStackFrame(st, op)) {
    if (CG_StackFramePrologue(st, inHL != nullptr) && wordInHL)
      gWordInHL = inHL;
    return;
  }
  int32_t localSize = st.currentSubr && st.currentSubr->subr ? st.currentSubr->subr->frameValue2 : 0;
  int mark = st.currentSubr ? st.currentSubr->parentFrameMark : 0;
  Text slot = "(parentframe" + DecimalText(mark) + ")";
  CG_Emit(st, "push", "ix", "");
  CG_Emit(st, "ld", "ix", "0");
  CG_Emit(st, "add", "ix", "sp");
  if (inHL) {
    CG_Emit(st, "push", "hl", "");
    localSize -= 2;
  }
  if (localSize != 0) {
    CG_Emit(st, "ld", "hl", "-" + DecimalText(localSize));
    CG_Emit(st, "add", "hl", "sp");
    CG_Emit(st, "ld", "sp", "hl");
  }
  if (gLex.stackCheck)
    CG_Emit(st, "call", "__stack_check", "");
  if (SavesParentFrame(st)) {
    CG_Emit(st, "ld", "hl", slot);
    CG_Emit(st, "ld", SavedParentFrameByte(0), "l");
    CG_Emit(st, "ld", SavedParentFrameByte(1), "h");
  }
  if (mark != 0)
    CG_Emit(st, "ld", slot, "ix");
  if (wordInHL && localSize == 0)
    gWordInHL = inHL;
}

// The value and registers a function returns are left alone: bc only.
static void RestoreParentFrame(CG_State &st) {
  if (!SavesParentFrame(st))
    return;
  CG_Emit(st, "ld", "c", SavedParentFrameByte(0));
  CG_Emit(st, "ld", "b", SavedParentFrameByte(1));
  CG_Emit(st, "ld", "(parentframe" + DecimalText(st.currentSubr->parentFrameMark) + ")", "bc");
}

// A function whose result is too big for __reg32a returns its address in hl.
static bool ReturnsAddressInHL(const SubrRec *subr) {
  const TypeDescr *t = subr && subr->result ? subr->resultType : nullptr;
  return t && TravelsByAddress(t->size);
}

void CG_DropStackBytes(CG_State &st, int32_t bytes, const char *pair) {
  if (bytes <= 8) {
    for (int32_t i = 0; i < bytes; i += 2)
      CG_Emit(st, "pop", pair, "");
    return;
  }
  CG_Emit(st, "ex", "de", "hl");
  CG_Emit(st, "ld", "hl", DecimalText(bytes));
  CG_Emit(st, "add", "hl", "sp");
  CG_Emit(st, "ld", "sp", "hl");
  CG_StackMoved(bytes);
  CG_Emit(st, "ex", "de", "hl");
}

// Under -O, where hl holds nothing for the caller: the return address
// into hl, the parameter area popped or skipped, then a jump back.
static void DropParametersAndReturn(CG_State &st, int32_t paramSize) {
  CG_Emit(st, "pop", "hl", "");
  CG_DropStackBytes(st, paramSize, "de");
  CG_Emit(st, "jp", "(hl)", "");
}

// A result of 1 or 2 bytes is left in hl, widened by its type; the caller
// drops the argument slots.
static void ReturnInRegisters(CG_State &st, const UasmOp *op) {
  const SubrRec *subr = st.currentSubr->subr;
  if (CG_ResultInHL(st.currentSubr)) {
    CG_AccToHL(st, op);
  } else if (subr->result) {
    int32_t place = CG_PrevPlace(op);
    if (place == kPlaceA || place == kPlaceHL)
      CG_AccToRegA(st, op);
  }
  if (CG_StackFrameOn()) {
    CG_StackFrameEpilogue(st);
    return;
  }
  RestoreParentFrame(st);
  // Statements leave the stack as they found it, and such a subroutine
  // holds no asm: with no locals, sp is back at the frame pointer.
  if (subr->frameValue2 != 0)
    CG_Emit(st, "ld", "sp", "ix");
  CG_Emit(st, "pop", "ix", "");
  CG_Emit(st, "ret", "", "");
}

void CG_CallAndDropSlots(CG_State &st, const ID *callee, const Text &label) {
  CG_Emit(st, "call", label, "");
  if (UsesRegisterProtocol(callee))
    CG_DropStackBytes(st, callee->subr ? callee->subr->frameValue1 : 0, "bc");
}

bool CG_ResultInHL(const ID *callee) {
  const SubrRec *r = callee ? callee->subr : nullptr;
  return UsesRegisterProtocol(callee) && r && r->result && r->resultType &&
         r->resultType->size <= 2;
}

// A 2-byte argument slot (register protocol): the value's low word.
static void PushWord(CG_State &st, const UasmOp *op) {
  CG_AccToHL(st, op);
  CG_Emit(st, "push", "hl", "");
}

// Epilogue: the callee drops its own parameter area; hl survives it.
static void Epilogue(CG_State &st, const UasmOp *op) {
  if (UsesRegisterProtocol(st.currentSubr)) {
    ReturnInRegisters(st, op);
    return;
  }
  const SubrRec *subr = st.currentSubr ? st.currentSubr->subr : nullptr;
  // A function's value must be in __reg32a at the return; only the address
  // of a result larger than 4 bytes can still be in hl (or a) here.
  int32_t place = CG_PrevPlace(op);
  if (subr && subr->result && (place == kPlaceA || place == kPlaceHL))
    CG_AccToRegA(st, op);
  int32_t paramSize = subr ? subr->frameValue1 : 0;
  RestoreParentFrame(st);
  CG_Emit(st, "ld", "sp", "ix");
  CG_Emit(st, "pop", "ix", "");
  if (paramSize != 0 && gOptions.optimize && !ReturnsAddressInHL(subr) &&
      CG_UseRule("cheap-return")) {
    DropParametersAndReturn(st, paramSize);
    return;
  }
  if (paramSize != 0) {
    CG_Emit(st, "pop", "bc", "");
    CG_Emit(st, "ex", "de", "hl");
    CG_Emit(st, "ld", "hl," + DecimalText(paramSize), "");
    CG_Emit(st, "add", "hl", "sp");
    CG_Emit(st, "ld", "sp", "hl");
    CG_Emit(st, "ex", "de", "hl");
    CG_Emit(st, "push", "bc", "");
  }
  CG_Emit(st, "ret", "", "");
}

// The address in the accumulator into hl (an address is never widened by sign).
static void AddressToHL(CG_State &st, const UasmOp *op) {
  int32_t place = CG_PrevPlace(op);
  if (place == kPlaceReg32a) {
    CG_Emit(st, "ld", "hl", "(__reg32a)");
  } else if (place == kPlaceA) {
    CG_Emit(st, "ld", "l", "a");
    CG_Emit(st, "ld", "h", "0");
  }
}

// The slot of a var string argument carries the variable's capacity in its
// high word: a number (the op's text), or what the slot of a var string
// parameter that is passed on received (the op's ident).
static void PushAddressWithCapacity(CG_State &st, const UasmOp *op) {
  AddressToHL(st, op);
  if (op->ident) {
    CG_Emit(st, "ld", "e", CG_FrameText(st, op->ident, 2));
    CG_Emit(st, "ld", "d", CG_FrameText(st, op->ident, 3, false));
  } else {
    CG_Emit(st, "ld", "de", CG_OpText(op));
  }
  CG_Emit(st, "push", "de", "");
  CG_Emit(st, "push", "hl", "");
}

// The accumulator as a 4-byte argument slot, high word first.
static void PushArgument(CG_State &st, const UasmOp *op) {
  if (op->ident || op->text) {
    PushAddressWithCapacity(st, op);
    return;
  }
  bool isSigned = CG_WidensSigned(op->prev);
  switch (CG_PrevPlace(op)) {
  case kPlaceReg32a:
    CG_Emit(st, "call", "__pusharg", "");
    break;
  case kPlaceA:
    if (isSigned) {
      CG_WidenAToHL(st, true); // leaves the sign byte in a
      CG_Emit(st, "ld", "e", "a");
      CG_Emit(st, "ld", "d", "a");
      CG_Emit(st, "push", "de", "");
      CG_Emit(st, "push", "hl", "");
    } else {
      CG_Emit(st, "ld", "hl", "0");
      CG_Emit(st, "push", "hl", "");
      CG_Emit(st, "ld", "l", "a");
      CG_Emit(st, "push", "hl", "");
    }
    break;
  case kPlaceHL:
    if (isSigned) {
      CG_Emit(st, "ld", "a", "h");
      CG_SignByte(st);
      CG_Emit(st, "ld", "e", "a");
      CG_Emit(st, "ld", "d", "a");
    } else {
      CG_Emit(st, "ld", "de", "0");
    }
    CG_Emit(st, "push", "de", "");
    CG_Emit(st, "push", "hl", "");
    break;
  default:
    break;
  }
}

static void JumpFalse(CG_State &st, const UasmOp *op) {
  int32_t place = CG_PrevPlace(op);
  if (place == kPlaceReg32a)
    CG_Emit(st, "ld", "a", "(__reg32a)");
  else if (place == kPlaceHL)
    CG_Emit(st, "ld", "a", "l");
  CG_Emit(st, "or", "a", "");
  CG_Emit(st, "jp", "z", CG_OpName(op));
}

// Step list C: the operand's bytes to the address in the accumulator.
static void StoreIndirect(CG_State &st, const UasmOp *op) {
  AddressToHL(st, op);
  CG_Emit(st, "push", "hl", "");
  CG_OperandToRegB(st, op);
  CG_Emit(st, "pop", "hl", "");
  if (op->size != 1 && op->size != 2 && op->size != 4)
    return;
  for (int i = 0; i < op->size; i++) {
    if (i > 0)
      CG_Emit(st, "inc", "hl", "");
    CG_Emit(st, "ld", "a", "(__reg32b+" + DecimalText(i) + ")");
    CG_Emit(st, "ld", "(hl)", "a");
  }
}

// Step list D: the value at the address in the accumulator, widened to 32
// bits by the op's extension.
static void Dereference(CG_State &st, const UasmOp *op) {
  CG_AccToRegA(st, op);
  bool isSigned = CG_WidensSigned(op);
  if (op->size == 1 && isSigned) {
    CG_Emit(st, "ld", "hl", "(__reg32a)");
    CG_Emit(st, "ld", "a", "(hl)");
    CG_Emit(st, "call", "__acctorega1s", "");
  } else if (op->size == 1) {
    CG_Emit(st, "call", "__read1", "");
  } else if (op->size == 2) {
    CG_Emit(st, "ld", "hl", "(__reg32a)");
    CG_Emit(st, "ld", "a", "(hl)");
    CG_Emit(st, "ld", "(__reg32a+0)", "a");
    CG_Emit(st, "inc", "hl", "");
    CG_Emit(st, "ld", "a", "(hl)");
    CG_Emit(st, "ld", "(__reg32a+1)", "a");
    if (isSigned) {
      CG_Emit(st, "call", "__extsigna2", "");
    } else {
      CG_Emit(st, "xor", "a", "");
      CG_Emit(st, "ld", "(__reg32a+2)", "a");
      CG_Emit(st, "ld", "(__reg32a+3)", "a");
    }
  } else if (op->size == 4) {
    CG_Emit(st, "ld", "hl", "(__reg32a)");
    for (int i = 0; i < 4; i++) {
      if (i > 0)
        CG_Emit(st, "inc", "hl", "");
      CG_Emit(st, "ld", "a", "(hl)");
      CG_Emit(st, "ld", "(__reg32a+" + DecimalText(i) + ")", "a");
    }
  }
}

// Step list E: the accumulator into the op's variable.
static void Store(CG_State &st, const UasmOp *op) {
  if (!op->ident)
    CG_Emit(st, ";nil", "", "");
  if (op->size == 1) {
    int32_t place = CG_PrevPlace(op);
    if (place == kPlaceReg32a)
      CG_Emit(st, "ld", "a", "(__reg32a+0)");
    else if (place == kPlaceHL)
      CG_Emit(st, "ld", "a", "l");
    CG_OperandAddress(st, op);
    CG_Emit(st, "ld", "(hl)", "a");
  } else if (op->size == 2) {
    CG_AccToRegA(st, op);
    CG_OperandAddress(st, op);
    CG_Emit(st, "ld", "de", "(__reg32a+0)");
    CG_Emit(st, "ld", "(hl)", "e");
    CG_Emit(st, "inc", "hl", "");
    CG_Emit(st, "ld", "(hl)", "d");
  } else if (op->size == 4) {
    CG_AccToRegA(st, op);
    CG_OperandAddress(st, op);
    CG_Emit(st, "call", "__sta4", "");
  }
}

// In-line complement of __reg32a.  An unsigned byte or word is
// complemented in its own width and the bytes above cleared, so that the
// 32-bit value is 255 - b or 65535 - w, as a wider expression sees it.
static void Complement(CG_State &st, const UasmOp *op) {
  CG_AccToRegA(st, op);
  int width = !op->isSigned && (op->size == 1 || op->size == 2) ? op->size : 4;
  CG_Emit(st, "ld", "hl", "__reg32a");
  for (int i = 0; i < 4; i++) {
    if (i > 0)
      CG_Emit(st, "inc", "hl", "");
    if (i < width) {
      CG_Emit(st, "ld", "a", "0xff");
      CG_Emit(st, "xor", "(hl)", "");
    } else if (i == width) {
      CG_Emit(st, "xor", "a", "");
    }
    CG_Emit(st, "ld", "(hl)", "a");
  }
}

// In-line 32-bit negation of __reg32a: 0 minus each byte, with borrow.
static void Negate(CG_State &st, const UasmOp *op) {
  CG_AccToRegA(st, op);
  CG_Emit(st, "ld", "hl", "__reg32a");
  CG_Emit(st, "ld", "a", "0");
  CG_Emit(st, "sub", "(hl)", "");
  CG_Emit(st, "ld", "(hl)", "a");
  for (int i = 1; i < 4; i++) {
    CG_Emit(st, "inc", "hl", "");
    CG_Emit(st, "ld", "a", "0");
    CG_Emit(st, "sbc", "a", "(hl)");
    CG_Emit(st, "ld", "(hl)", "a");
  }
}

// Step list F (and the division routines): both values into the working
// registers, then the routine.
static void TwoOperands(CG_State &st, const UasmOp *op, const Text &routine) {
  CG_AccToRegA(st, op);
  CG_OperandToRegB(st, op);
  CG_Emit(st, "call", routine, "");
}

// "s" or "u" for the left value (the previous op's signed flag) and for the
// right operand (a variable of a type with a negative low bound).
static bool LeftIsSigned(const UasmOp *op) { return op->prev && op->prev->isSigned; }
static bool RightIsSigned(const UasmOp *op) {
  return op->ident && op->ident->type && op->ident->type->low < 0;
}

static void Divide(CG_State &st, const UasmOp *op, const char *what) {
  bool isSigned = LeftIsSigned(op) || RightIsSigned(op);
  TwoOperands(st, op, Text("__op_") + what + (isSigned ? "_s" : "_u"));
}

// The flag tests after a compare: a holds 1 and the closing "xor a" makes
// it 0; each test skips what follows when it decides the result.
void CG_FlagTests(CG_State &st, int32_t code) {
  switch (code) {
  case uasmop_cmpgt:
    CG_Emit(st, "jr", "z", "$+4");
    CG_Emit(st, "jr", "nc", "$+3");
    break;
  case uasmop_cmpge:
    CG_Emit(st, "jr", "nc", "$+3");
    break;
  case uasmop_cmplt:
    CG_Emit(st, "jr", "c", "$+3");
    break;
  case uasmop_cmple:
    CG_Emit(st, "jr", "z", "$+5");
    CG_Emit(st, "jr", "c", "$+3");
    break;
  case uasmop_cmpeq:
    CG_Emit(st, "jr", "z", "$+3");
    break;
  case uasmop_cmpne:
    CG_Emit(st, "jr", "nz", "$+3");
    break;
  default:
    break;
  }
}

// Step list H: a 32-bit compare in the library, then the boolean in a.
static void Compare(CG_State &st, const UasmOp *op) {
  Text variant = Text(LeftIsSigned(op) ? "s" : "u") + (RightIsSigned(op) ? "s" : "u");
  TwoOperands(st, op, "__op_cmp_" + variant);
  CG_Emit(st, "ld", "a", "1");
  CG_FlagTests(st, op->code);
  CG_Emit(st, "xor", "a", "");
}

// A cast leaves the value where it is, except that a cast to fewer bytes
// than its place holds moves the kept low part into a or hl, so that no
// later widening sees the dropped bytes; later widenings follow the cast's
// extension.
static void TypeCast(CG_State &st, UasmOp *op) {
  CG_Emit(st, ";# typecast", "", "");
  int32_t place = CG_PrevPlace(op);
  if (op->size == 1 && place == kPlaceHL) {
    CG_Emit(st, "ld", "a", "l");
    place = kPlaceA;
  } else if (op->size == 1 && place == kPlaceReg32a) {
    CG_Emit(st, "ld", "a", "(__reg32a)");
    place = kPlaceA;
  } else if (op->size == 2 && place == kPlaceReg32a) {
    CG_Emit(st, "ld", "hl", "(__reg32a)");
    place = kPlaceHL;
  } else if (op->size == 2 && place == kPlaceA && op->prev &&
             op->extension != op->prev->extension) {
    // The byte in a widens differently up to the word than above it (a
    // signed byte made an unsigned word: sign bytes, then zeros), so the
    // word is made here by the byte's own extension.
    CG_WidenAToHL(st, CG_WidensSigned(op->prev));
    place = kPlaceHL;
  }
  op->resultPlace = place;
}

static void ReportInvalidOp() { ReportErrorLine("Error in CG, op: "); }

// The ops that leave a value in __reg32a through a routine of the library.
static const char *TwoOperandRoutine(int32_t code) {
  switch (code) {
  case uasmop_add: return "__op_add";
  case uasmop_sub: return "__op_sub";
  case uasmop_mul: return "__op_mul";
  case uasmop_and: return "__op_and";
  case uasmop_or: return "__op_or";
  case uasmop_xor: return "__op_xor";
  case uasmop_shl: return "__op_shl";
  case uasmop_shr: return "__op_shr";
  default: return nullptr;
  }
}

void CG_Op(CG_State &st, UasmOp *op) {
  if (const char *routine = TwoOperandRoutine(op->code)) {
    TwoOperands(st, op, routine);
    op->resultPlace = kPlaceReg32a;
    return;
  }
  switch (op->code) {
  case uasmop_srcline: SourceComment(st, op); break;
  case uasmop_subrbegin: st.currentSubr = op->ident; break;
  case uasmop_enter: Prologue(st, op); break;
  case uasmop_label: CG_Emit(st, CG_OpName(op) + ":", "", ""); break;
  case uasmop_asmline: CG_Emit(st, CG_OpName(op), "", ""); break;
  case uasmop_defb: CG_Emit(st, "defb", CG_OpName(op), ""); break;
  case uasmop_localconst: break;
  case uasmop_direct:
  case uasmop_directjump: CG_DirectOp(st, op); break;
  case uasmop_allocstack:
    ReportErrorLine("TODO del \"uasmop_allocstack\""); // its space would be missing
    break;
  case uasmop_pusharg: PushArgument(st, op); break;
  case uasmop_jump: CG_Emit(st, "jp", CG_OpName(op), ""); break;
  case uasmop_jumptrue:
    CG_Emit(st, "ld", "a", "(__reg32a)");
    CG_Emit(st, "or", "a", "");
    CG_Emit(st, "jp", "nz", CG_OpName(op));
    break;
  case uasmop_jumpfalse: JumpFalse(st, op); break;
  case uasmop_call:
    CG_CallAndDropSlots(st, op->ident, CG_OpName(op));
    op->resultPlace = CG_ResultInHL(op->ident) ? kPlaceHL : kPlaceReg32a;
    break;
  case uasmop_pushword: PushWord(st, op); break;
  case uasmop_wordinhl:
    CG_AccToHL(st, op);
    op->resultPlace = kPlaceHL;
    break;
  case uasmop_leave: Epilogue(st, op); break;
  case uasmop_nop: CG_Emit(st, "nop", "", ""); break;
  case uasmop_storeind: StoreIndirect(st, op); break;
  case uasmop_deref:
    Dereference(st, op);
    op->resultPlace = kPlaceReg32a;
    break;
  case uasmop_loadaddr:
    CG_OperandAddress(st, op);
    op->resultPlace = kPlaceHL;
    break;
  case uasmop_loadlabel:
    CG_Emit(st, "ld", "hl", CG_OpText(op));
    op->resultPlace = kPlaceHL;
    break;
  case uasmop_load:
    CG_OperandToRegB(st, op);
    CG_Emit(st, "call", "__movbtoa", "");
    op->resultPlace = kPlaceReg32a;
    break;
  case uasmop_store: Store(st, op); break;
  case uasmop_not:
    Complement(st, op);
    op->resultPlace = kPlaceReg32a;
    break;
  case uasmop_neg:
    Negate(st, op);
    op->resultPlace = kPlaceReg32a;
    break;
  case uasmop_typecast: TypeCast(st, op); break;
  case uasmop_div:
    Divide(st, op, "div");
    op->resultPlace = kPlaceReg32a;
    break;
  case uasmop_mod:
    Divide(st, op, "mod");
    op->resultPlace = kPlaceReg32a;
    break;
  case uasmop_cmpgt:
  case uasmop_cmpge:
  case uasmop_cmplt:
  case uasmop_cmple:
  case uasmop_cmpeq:
  case uasmop_cmpne:
    Compare(st, op);
    op->resultPlace = kPlaceA;
    break;
  default: // uasmop_reserved21 and codes outside the table
    ReportInvalidOp();
    break;
  }
}
