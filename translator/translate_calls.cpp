// Calls: the hidden result address, the arguments (one 4-byte slot each)
// and the call itself; and the whole-value copy of records and arrays
// through the run-time block-copy routine.
#include "translator/translate_internal.h"

bool TravelsByAddress(int64_t size) { return size > 4; }

// "var" and "const" arguments, and value arguments too big for one slot,
// are passed as an address; the callee reaches the value through it.
static bool PassesAddress(const SubrRec *r, int i) {
  if (!r || i > r->paramCount)
    return false;
  int32_t mode = r->paramModes[i - 1];
  if (mode == kModeVar || mode == kModeConst)
    return true;
  const TypeDescr *t = r->paramTypes[i - 1];
  return t && TravelsByAddress(t->size);
}

// A function whose result does not fit the accumulator writes it into a
// fresh temporary of the caller, whose address is pushed first; the call
// then leaves that address in the accumulator.
static void PushResultAddress(Node *n, const SubrRec *r) {
  TypeDescr *t = r && r->resultType ? r->resultType : n->type;
  ID *temp = NewTemp(t);
  EmitIdent(uasmop_loadaddr, temp, 2);
  EmitText(uasmop_pusharg, "", 2);
}

void TranslateCall(Node *n) {
  ID *s = n->id;
  const SubrRec *r = s && s->kind == kIdSubr ? s->subr : nullptr;
  if (s && TravelsByAddress(n->size))
    PushResultAddress(n, r);
  for (int i = 1; i <= n->childCount; i++) {
    Node *arg = Child(n, i);
    if (PassesAddress(r, i))
      TranslateAddress(arg);
    else
      TranslateExpr(arg);
    EmitText(uasmop_pusharg, "", 4);
  }
  EmitIdent(uasmop_call, s, n->size);
}

// Pushes source address, destination address and byte count, then calls
// the copy routine, which removes the three slots itself.
void TranslateBlockAssign(Node *target, Node *value, int64_t size) {
  TranslateAddress(value);
  EmitText(uasmop_pusharg, "", 4);
  TranslateAddress(target);
  EmitText(uasmop_pusharg, "", 4);
  EmitText(uasmop_load, DecimalText(size), SizeOfValue(size));
  EmitText(uasmop_pusharg, "", 4);
  EmitText(uasmop_call, kBlockCopyRoutine, 0);
}
