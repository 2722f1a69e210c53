// Direct code: how a variable is reached (at its fixed address, as (ix+d)
// of the current frame, or through its address in hl), and its loads and
// stores in a, de and hl.
#include "codegen_z80/direct.h"

// An own variable of a subroutine on a stack frame, at sp+offset.
static bool OnStack(Direct &d, const ID *v) {
  return d.st && CG_StackFrameOn() && CG_IsFrameVar(v) && CG_IsOwnVar(*d.st, v);
}

// A word on top of the stack is read by a pop and a push back.
static bool OnStackTop(Direct &d, const ID *v) {
  return OnStack(d, v) && !CG_IsByReference(v) && CG_StackOffset(v) == 0;
}

D_Reach D_ReachOf(Direct &d, const ID *v, int32_t bytes) {
  if (!CG_IsFrameVar(v))
    return D_Reach::Fixed;
  if (OnStack(d, v))
    return D_Reach::Other;
  int32_t a = CG_Address(v);
  if (CG_IsOwnVar(*d.st, v) && !CG_IsByReference(v) && a > -kNearLimit &&
      a + bytes - 1 < kNearLimit)
    return D_Reach::Frame;
  return D_Reach::Other;
}

Text D_FixedText(const ID *v, int32_t k) {
  Text t = "(" + CG_FixedAddressText(v);
  return (k ? t + "+" + DecimalText(k) : t) + ")";
}

Text D_FrameText(Direct &d, const ID *v, int32_t k) { return CG_FrameText(*d.st, v, k, false); }

// The variable's address into hl; a, de kept (bc changes).
void D_VarAddress(Direct &d, const ID *v) {
  if (!d.st)
    return;
  if (OnStack(d, v)) {
    D_Emit(d, "ld", "hl", DecimalText(CG_StackOffset(v)));
    D_Emit(d, "add", "hl", "sp");
    if (CG_IsByReference(v)) {
      D_Emit(d, "ld", "c", "(hl)");
      D_Emit(d, "inc", "hl");
      D_Emit(d, "ld", "b", "(hl)");
      D_Emit(d, "ld", "l", "c");
      D_Emit(d, "ld", "h", "b");
    }
    return;
  }
  int32_t a = CG_Address(v);
  if (CG_IsFrameVar(v) && CG_IsOwnVar(*d.st, v) && CG_IsByReference(v) && a > -kNearLimit &&
      a + 1 < kNearLimit) {
    D_Emit(d, "ld", "l", D_FrameText(d, v, 0));
    D_Emit(d, "ld", "h", D_FrameText(d, v, 1));
    return;
  }
  CG_VarAddress(*d.st, v);
}

static void LoadVarA(Direct &d, const ID *v) {
  if (!d.st)
    return;
  switch (D_ReachOf(d, v, 1)) {
  case D_Reach::Fixed: D_Emit(d, "ld", "a", D_FixedText(v, 0)); break;
  case D_Reach::Frame: D_Emit(d, "ld", "a", D_FrameText(d, v, 0)); break;
  case D_Reach::Other:
    D_VarAddress(d, v);
    D_Emit(d, "ld", "a", "(hl)");
    break;
  }
}

// A word variable into de; hl kept.
static void LoadVarDE(Direct &d, const ID *v) {
  if (!d.st)
    return;
  if (OnStackTop(d, v)) {
    D_Emit(d, "pop", "de");
    D_Emit(d, "push", "de");
    return;
  }
  switch (D_ReachOf(d, v, 2)) {
  case D_Reach::Fixed: D_Emit(d, "ld", "de", D_FixedText(v, 0)); break;
  case D_Reach::Frame:
    D_Emit(d, "ld", "e", D_FrameText(d, v, 0));
    D_Emit(d, "ld", "d", D_FrameText(d, v, 1));
    break;
  case D_Reach::Other:
    D_Emit(d, "push", "hl");
    D_VarAddress(d, v);
    D_Emit(d, "ld", "e", "(hl)");
    D_Emit(d, "inc", "hl");
    D_Emit(d, "ld", "d", "(hl)");
    D_Emit(d, "pop", "hl");
    break;
  }
}

void D_LoadVarHL(Direct &d, const ID *v) {
  if (!d.st)
    return;
  D_Reach reach = D_ReachOf(d, v, 2);
  bool known = reach != D_Reach::Other || (OnStack(d, v) && !CG_IsByReference(v));
  if (known && gWordInHL == v && CG_UseRule("word-in-hl"))
    return;
  if (OnStackTop(d, v)) {
    D_Emit(d, "pop", "hl");
    D_Emit(d, "push", "hl");
    gWordInHL = v;
    return;
  }
  switch (reach) {
  case D_Reach::Fixed:
    D_Emit(d, "ld", "hl", D_FixedText(v, 0));
    gWordInHL = v;
    break;
  case D_Reach::Frame:
    D_Emit(d, "ld", "l", D_FrameText(d, v, 0));
    D_Emit(d, "ld", "h", D_FrameText(d, v, 1));
    gWordInHL = v;
    break;
  case D_Reach::Other:
    D_VarAddress(d, v);
    D_Emit(d, "ld", "a", "(hl)");
    D_Emit(d, "inc", "hl");
    D_Emit(d, "ld", "h", "(hl)");
    D_Emit(d, "ld", "l", "a");
    if (known)
      gWordInHL = v;
    break;
  }
}

static void StoreVarA(Direct &d, const ID *v) {
  switch (D_ReachOf(d, v, 1)) {
  case D_Reach::Fixed: D_Emit(d, "ld", D_FixedText(v, 0), "a"); break;
  case D_Reach::Frame: D_Emit(d, "ld", D_FrameText(d, v, 0), "a"); break;
  case D_Reach::Other:
    D_VarAddress(d, v);
    D_Emit(d, "ld", "(hl)", "a");
    break;
  }
}

static void StoreVarHL(Direct &d, const ID *v) {
  if (OnStackTop(d, v)) {
    D_Emit(d, "pop", "de");
    D_Emit(d, "push", "hl");
    gWordInHL = v;
    return;
  }
  switch (D_ReachOf(d, v, 2)) {
  case D_Reach::Fixed:
    D_Emit(d, "ld", D_FixedText(v, 0), "hl");
    gWordInHL = v;
    break;
  case D_Reach::Frame:
    D_Emit(d, "ld", D_FrameText(d, v, 0), "l");
    D_Emit(d, "ld", D_FrameText(d, v, 1), "h");
    gWordInHL = v;
    break;
  case D_Reach::Other:
    D_Emit(d, "ex", "de", "hl");
    D_VarAddress(d, v);
    D_Emit(d, "ld", "(hl)", "e");
    D_Emit(d, "inc", "hl");
    D_Emit(d, "ld", "(hl)", "d");
    break;
  }
}


void D_LoadVarA(Direct &d, const ID *v, bool keepHL) {
  if (!d.st)
    return;
  bool viaHL = D_ReachOf(d, v, 1) == D_Reach::Other;
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
  return n && (D_IsPlainVar(n) || D_Constant(n, v));
}

void D_SimpleIntoDE(Direct &d, const Node *b) {
  int64_t v;
  if (D_Constant(b, v)) {
    D_Emit(d, "ld", "de", D_WordText(v));
  } else if (b->id->type && b->id->type->size >= 2) {
    LoadVarDE(d, b->id);
  } else {
    D_Emit(d, "push", "hl");
    LoadVarA(d, b->id);
    D_Emit(d, "pop", "hl");
    D_WidenA(d, "e", "d", D_IsSigned(b));
  }
}


bool D_IsFixedVar(Direct &d, const Node *n) {
  return D_IsPlainVar(n) && d.st && !CG_IsFrameVar(n->id);
}
