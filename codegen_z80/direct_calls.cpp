// Direct code: calls of subroutines by their argument slots, and calls
// of one-line functions compiled as their expression.
#include "codegen_z80/direct.h"
#include "translator/translate_internal.h"

// ---- Inlined functions -------------------------------------------------------------

static Node *CastNode(Node *child, const TypeDescr *t) {
  Node *n = CreateNode(kNodeTypeCast, 1, child);
  n->type = const_cast<TypeDescr *>(t);
  n->typeClass = t->typeClass;
  n->size = int32_t(t->size);
  n->isSigned = t->low < 0;
  n->operandClass = t->typeClass;
  n->isValue = 1;
  return n;
}

static int ParameterIndex(const SubrRec *r, const ID *v) {
  for (int i = 1; i <= r->paramCount; i++)
    if (r->params[i - 1] == v && r->paramModes[i - 1] == kModeValue)
      return i;
  return 0;
}

// A copy of a function body's expression with each value parameter
// replaced by its argument (as the parameter's type holds it); nil when
// the expression reads anything but those parameters, main-program
// variables and constants, or calls anything.
static Node *Substituted(const Node *e, const SubrRec *r, Node *call) {
  if (!e || e->kind == kNodeCall || e->kind == kNodeAddressOf)
    return nullptr;
  if (e->kind == kNodeVarRef) {
    if (int i = ParameterIndex(r, e->id); i > 0)
      return i <= call->childCount && Child(call, i) && r->paramTypes[i - 1]
                 ? CastNode(Child(call, i), r->paramTypes[i - 1])
                 : nullptr;
    const ID *owner = e->id ? e->id->parent : nullptr;
    bool global = owner && owner->subr && owner->subr->isMain;
    bool absolute = D_VarFlags(e->id) & kVarAbsolute;
    if (!D_IsPlainVar(e) || !(global || absolute))
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

static bool IsAsmLine(const Node *n, const char *text) {
  return n && n->kind == kNodeAsm && NodeText(n) == text;
}

// The value of a call of a function whose whole body is "result := E"
// over its value parameters, or the two asm lines that copy its byte
// parameter into its byte result (chr); nil for any other call, and for
// calls whose arguments call something themselves.
Node *D_InlinedCall(Direct &d, Node *call) {
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
  bool inHL = i == r->paramCount && LastArgumentInHL(s); // no slot: the call takes hl
  if (mode == kModeVar && t->typeClass == kClassString)
    return false; // its slot carries the variable's capacity too
  if (mode == kModeVar || mode == kModeConst) {
    if (!IsAddressable(arg) || !D_AddressHL(d, arg))
      return false;
    D_Emit(d, "ld", "de", "0");
  } else if (UsesRegisterProtocol(s) && RegisterSlotBytes(r, i) == 2) {
    if (!D_IsScalar(arg) || !D_ValueHL(d, arg))
      return false;
    if (!inHL)
      D_Emit(d, "push", "hl");
    return true;
  } else {
    int64_t low, high;
    if (ParameterTravelsByAddress(t) || !D_IsScalar(arg) || !D_Range(arg, low, high))
      return false;
    bool whole = high <= 0xFFFF && low >= -32768 && !(low < 0 && high > 32767);
    if (t->size > 2 && !whole)
      return false;
    if (!D_ValueHL(d, arg))
      return false;
    if (low < 0 && whole) {
      D_Emit(d, "ld", "a", "h");
      D_WidenA(d, "e", "d", true);
      D_Emit(d, "ld", "e", "d");
    } else {
      D_Emit(d, "ld", "de", "0");
    }
  }
  if (!UsesRegisterProtocol(s) || RegisterSlotBytes(r, i) == 4)
    D_Emit(d, "push", "de");
  if (!inHL)
    D_Emit(d, "push", "hl");
  return true;
}

bool D_Call(Direct &d, Node *n) {
  ID *s = n->id;
  if (!s || s->kind != kIdSubr || !s->subr || TravelsByAddress(n->size))
    return false;
  int32_t depth = CG_StackDepth();
  for (int i = 1; i <= n->childCount; i++)
    if (!PushArgument(d, s, i, Child(n, i)))
      return false;
  if (d.st)
    CG_CallAndDropSlots(*d.st, s, AsmNameText(s));
  if (d.st && !UsesRegisterProtocol(s))
    CG_StackMoved(CG_StackDepth() - depth); // the callee popped its slots
  return true;
}

