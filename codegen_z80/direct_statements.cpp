// Direct code: assignments of 8- and 16-bit values, calls as statements,
// and the two ops that carry a statement or a condition from the
// translator to the code generator.
#include "codegen_z80/direct.h"
#include "translator/translate_internal.h"

namespace {

bool IsScalarTarget(const Node *t) {
  return t && (t->typeClass == kClassInteger || t->typeClass == kClassChar ||
               t->typeClass == kClassBoolean || t->typeClass == kClassPointer) &&
         (t->size == 1 || t->size == 2);
}

// The value of a simple right side into a; hl kept.
bool SimpleIntoA(Direct &d, Node *value) {
  int64_t v;
  if (D_Constant(value, v)) {
    D_Emit(d, "ld", "a", DecimalText(v & 255));
    return true;
  }
  D_LoadVarA(d, value->id, true); // a simple value that is no constant is a variable
  return true;
}

void StoreDEAtHL(Direct &d) {
  D_Emit(d, "ld", "(hl)", "e");
  D_Emit(d, "inc", "hl");
  D_Emit(d, "ld", "(hl)", "d");
}

// target := value.  The general code takes a constant or variable value
// after the target's address, anything else before it; with calls on
// either side that order is kept.
bool Assign(Direct &d, Node *n) {
  Node *target = Child(n, 1), *value = Child(n, 2);
  if (!IsScalarTarget(target) || !value || !IsAddressable(target))
    return false;
  bool byte = target->size == 1;
  Text operand;
  if (target->kind == kNodeVarRef) {
    if (!(byte ? D_ValueA(d, value) : D_ValueHL(d, value)))
      return false;
    D_StoreVar(d, target->id, byte);
    return true;
  }
  bool targetFirst = D_IsSimple(value);
  if (targetFirst && !D_HasCall(target)) {
    if (!D_AddressHL(d, target))
      return false;
    if (byte) {
      int64_t v;
      if (D_Constant(value, v)) {
        D_Emit(d, "ld", "(hl)", DecimalText(v & 255));
        return true;
      }
      if (!SimpleIntoA(d, value))
        return false;
      D_Emit(d, "ld", "(hl)", "a");
      return true;
    }
    D_SimpleIntoDE(d, value);
    StoreDEAtHL(d);
    return true;
  }
  if (targetFirst)
    return false; // a call in the target's index: left to the general code
  if (!(byte ? D_ValueA(d, value) : D_ValueHL(d, value)))
    return false;
  if (D_FixedOperand(d, target, operand)) {
    D_Emit(d, "ld", operand, byte ? "a" : "hl");
    return true;
  }
  D_Emit(d, "push", byte ? "af" : "hl");
  if (!D_AddressHL(d, target))
    return false;
  if (byte) {
    D_Emit(d, "pop", "af");
    D_Emit(d, "ld", "(hl)", "a");
  } else {
    D_Emit(d, "pop", "de");
    StoreDEAtHL(d);
  }
  return true;
}

bool IsCallOf(const Node *n, const char *name, int32_t firstClass, int32_t secondClass) {
  const SubrRec *r = n && n->kind == kNodeCall && n->id && n->id->kind == kIdSubr
                         ? n->id->subr
                         : nullptr;
  return r && NameText(n->id) == name && n->childCount == 2 && r->paramCount == 2 &&
         r->paramTypes[0] && r->paramTypes[0]->typeClass == firstClass && r->paramTypes[1] &&
         r->paramTypes[1]->typeClass == secondClass;
}

// s := s + c for a string variable s (not a parameter) and a char c: the
// character goes on the end unless s is full, which is what assigning
// the longer string would keep.
bool AppendChar(Direct &d, Node *n) {
  if (!IsCallOf(n, "str_assign", kClassString, kClassString) || !CG_UseRule("append-char", false))
    return false;
  Node *s = Child(n, 1), *sum = Child(n, 2);
  if (!IsCallOf(sum, "str_add", kClassString, kClassChar) || !s || s->kind != kNodeVarRef ||
      !s->id || !s->id->var || (s->id->var->flags & (kVarParameter | kVarConstant)) ||
      !s->id->type || s->id->type->typeClass != kClassString || !Child(sum, 1) ||
      Child(sum, 1)->kind != kNodeVarRef || Child(sum, 1)->id != s->id)
    return false;
  int64_t capacity = s->id->type->high;
  if (capacity < 0 || capacity > kMaxStringLength || !D_ValueA(d, Child(sum, 2)))
    return false;
  Text full = D_NewLabel(d);
  D_Emit(d, "push", "af");
  if (!D_AddressHL(d, s))
    return false;
  D_Emit(d, "pop", "bc");
  D_Emit(d, "ld", "a", "(hl)");
  D_Emit(d, "cp", DecimalText(capacity));
  D_Emit(d, "jr", "nc", full);
  D_Emit(d, "inc", "(hl)");
  D_Emit(d, "inc", "a");
  D_Emit(d, "ld", "e", "a");
  D_Emit(d, "ld", "d", "0");
  D_Emit(d, "add", "hl", "de");
  D_Emit(d, "ld", "(hl)", "b");
  D_Label(d, full);
  CG_UseRule("append-char", d.st != nullptr);
  return true;
}

const SubrRec *CalledSubr(const Node *n) {
  return n && n->kind == kNodeCall && n->id && n->id->kind == kIdSubr ? n->id->subr : nullptr;
}

// writeln's line end, or write of a char, byte or word: what the
// overload's asm block does, without its call and frame.
bool IsShortWrite(const Node *n) {
  const SubrRec *r = CalledSubr(n);
  if (!r || !CG_UseRule("direct-write", false))
    return false;
  if (NameText(n->id) == "__write_crlf")
    return r->paramCount == 0 && n->childCount == 0;
  const TypeDescr *t = r->paramCount == 1 ? r->paramTypes[0] : nullptr;
  return NameText(n->id) == "__write" && n->childCount == 1 && t &&
         r->paramModes[0] == kModeValue && (t->size == 1 || t->size == 2) &&
         (t->typeClass == kClassChar || (t->typeClass == kClassInteger && t->low >= 0));
}

// A byte or word goes to __putdec_u16 in hl, a char to __putchar in a.
bool ShortWrite(Direct &d, Node *n) {
  const TypeDescr *t = n->childCount ? n->id->subr->paramTypes[0] : nullptr;
  if (!t) {
    D_Emit(d, "call", "__putcrlf");
  } else if (t->typeClass == kClassChar) {
    if (!D_ValueA(d, Child(n, 1)))
      return false;
    D_Emit(d, "call", "__putchar");
  } else {
    if (t->size == 1 ? !D_ValueA(d, Child(n, 1)) : !D_ValueHL(d, Child(n, 1)))
      return false;
    if (t->size == 1) {
      D_Emit(d, "ld", "l", "a");
      D_Emit(d, "ld", "h", "0");
    }
    D_Emit(d, "call", "__putdec_u16");
  }
  CG_UseRule("direct-write", d.st != nullptr);
  return true;
}

// A function's byte or word result into __reg32a, widened by its type, as
// the general code leaves a function's value.
bool LoadResult(Direct &d, Node *n) {
  if (!D_ValueHL(d, n))
    return false;
  if (n->id && UsesRegisterProtocol(n->id->parent))
    return true; // the value goes back in hl
  D_HLToRegister(d, "__reg32a", n->isSigned);
  return true;
}

} // namespace

bool CG_DirectStatement(CG_State *st, Node *n) {
  Direct d{st};
  if (!n)
    return false;
  if (n->kind == kNodeVarRef)
    return LoadResult(d, n);
  if (n->kind == kNodeTypeCast) // a function's last value, left in hl
    return D_ValueHL(d, n);
  if (n->kind == kNodeAssign)
    return Assign(d, n);
  if (n->kind == kNodeCall)
    return AppendChar(d, n) || (IsShortWrite(n) ? ShortWrite(d, n) : D_Call(d, n));
  return false;
}

bool CG_DirectJump(CG_State *st, Node *condition, const Text &label, bool whenTrue) {
  Direct d{st};
  return D_JumpIf(d, condition, label, whenTrue);
}

// A statement the translator found the direct code can do; it can again.
void CG_DirectOp(CG_State &st, UasmOp *op) {
  bool done = op->code == uasmop_direct
                  ? CG_DirectStatement(&st, op->node)
                  : CG_DirectJump(&st, op->node, CG_OpText(op), op->size == 1);
  if (!done)
    ReportErrorLine("Error in CG, direct code: ");
  const Node *n = op->node;
  if (n && ((n->kind == kNodeVarRef && n->id && UsesRegisterProtocol(n->id->parent)) ||
            n->kind == kNodeTypeCast))
    op->resultPlace = kPlaceHL;
}
