// Calls: the hidden result address, the arguments (one 4-byte slot each)
// and the call itself; and the whole-value copy of records and arrays
// through the run-time block-copy routine.
#include "translator/translate_internal.h"

// The accumulator loads and stores 1, 2 or 4 bytes: a value of 3 bytes
// (a small record or array) travels by its address like a bigger one.
bool TravelsByAddress(int64_t size) { return size > 4 || size == 3; }

// A string shorter than its slot too: its length byte and characters are
// not a number the slot could hold in place.
bool ParameterTravelsByAddress(const TypeDescr *t) {
  return t && (TravelsByAddress(t->size) || t->typeClass == kClassString);
}

// With the source and destination addresses pushed: pushes the byte count
// and calls the copy routine, which removes the three slots itself.
static void CallBlockCopy(int64_t size) {
  EmitText(uasmop_load, DecimalText(size), SizeOfValue(size));
  EmitText(uasmop_pusharg, "", 4);
  EmitText(uasmop_call, kBlockCopyRoutine, 0);
}

// "var" and "const" arguments are passed as an address; the callee reaches
// the value through it.
static bool PassesAddress(const SubrRec *r, int i) {
  if (!r || i > r->paramCount)
    return false;
  int32_t mode = r->paramModes[i - 1];
  return mode == kModeVar || mode == kModeConst;
}

// A value parameter too big for its slot, or a string, travels as an
// address too, of the callee's own copy: the caller copies the argument
// into a fresh temporary of the parameter's type and passes the
// temporary's address, so the callee's changes stay there.
static TypeDescr *CopiedValueParameter(const SubrRec *r, int i) {
  if (!r || i > r->paramCount || r->paramModes[i - 1] != kModeValue)
    return nullptr;
  TypeDescr *t = r->paramTypes[i - 1];
  return ParameterTravelsByAddress(t) ? t : nullptr;
}

// How far a string argument reaches: a string variable its declared size, a
// constant its length byte and characters, a char made into a string two
// bytes.
static int64_t StringReach(const Node *arg) {
  if (arg->kind == kNodeTypeCast && Child(arg, 1) && Child(arg, 1)->typeClass == kClassChar)
    return 2;
  return ValueSize(arg);
}

// A string copied short of its reach may say it is longer than the copy:
// its length is cut to what the parameter holds.
static void CutCopiedLength(ID *copy, int64_t maxLength) {
  Text l = NewLabel();
  Text max = DecimalText(maxLength);
  EmitIdent(uasmop_load, copy, 1);
  EmitText(uasmop_cmpgt, max, 1);
  EmitText(uasmop_jumpfalse, l + "end", 0);
  EmitText(uasmop_load, max, 1);
  EmitIdent(uasmop_store, copy, 1);
  DefineLabel(l + "end");
}

// A string argument is copied as far as it reaches and no further than the
// parameter holds; anything else whole.
static void PushCopyOfArgument(Node *arg, TypeDescr *param) {
  ID *copy = NewTemp(param);
  int64_t size = param->size;
  int64_t reach = arg && param->typeClass == kClassString ? StringReach(arg) : size;
  TranslateAddress(arg);
  EmitText(uasmop_pusharg, "", 4);
  EmitIdent(uasmop_loadaddr, copy, 2);
  EmitText(uasmop_pusharg, "", 4);
  CallBlockCopy(reach > 0 && reach < size ? reach : size);
  if (reach > size)
    CutCopiedLength(copy, size - 1);
  EmitIdent(uasmop_loadaddr, copy, 2);
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

// A "var" string parameter: its slot also tells the callee how many
// characters the caller's variable holds.
static bool IsVarStringParameter(const SubrRec *r, int i) {
  return r && i <= r->paramCount && r->paramModes[i - 1] == kModeVar &&
         r->paramTypes[i - 1] && r->paramTypes[i - 1]->typeClass == kClassString;
}

// The "var" string parameter a name stands for, or nil.
static ID *VarStringParameterOf(const Node *arg) {
  ID *v = arg->kind == kNodeVarRef ? arg->id : nullptr;
  const SubrRec *r = v && v->parent ? v->parent->subr : nullptr;
  if (!r || !v->var || !(v->var->flags & kVarParameter))
    return nullptr;
  for (int i = 1; i <= r->paramCount; i++)
    if (r->params[i - 1] == v)
      return IsVarStringParameter(r, i) ? v : nullptr;
  return nullptr;
}

// The most characters a string variable holds: its declared length, which
// the length byte limits to 255.
static int64_t StringCapacity(const Node *arg) {
  const TypeDescr *t = arg->type;
  if (!t && arg->kind == kNodeVarRef && arg->id)
    t = arg->id->type;
  if (!t || t->typeClass != kClassString || t->high > kMaxStringLength)
    return kMaxStringLength;
  return t->high < 0 ? 0 : t->high;
}

// The address of the caller's variable, with its capacity in the high word
// of the slot: the declared one, or the one a var string parameter that is
// passed on received itself.
static void PushVarString(Node *arg) {
  TranslateAddress(arg);
  if (ID *p = VarStringParameterOf(arg))
    EmitIdent(uasmop_pusharg, p, 4);
  else
    EmitText(uasmop_pusharg, DecimalText(StringCapacity(arg)), 4);
}

void TranslateCall(Node *n) {
  ID *s = n->id;
  const SubrRec *r = s && s->kind == kIdSubr ? s->subr : nullptr;
  if (s && TravelsByAddress(n->size))
    PushResultAddress(n, r);
  for (int i = 1; i <= n->childCount; i++) {
    Node *arg = Child(n, i);
    if (arg && IsVarStringParameter(r, i)) {
      PushVarString(arg);
      continue;
    }
    if (TypeDescr *param = CopiedValueParameter(r, i))
      PushCopyOfArgument(arg, param);
    else if (PassesAddress(r, i))
      TranslateAddress(arg);
    else
      TranslateExpr(arg);
    if (r && i == r->paramCount && LastArgumentInHL(s))
      EmitText(uasmop_wordinhl, "", 2);
    else if (UsesRegisterProtocol(s) && RegisterSlotBytes(r, i) == 2)
      EmitText(uasmop_pushword, "", 2);
    else
      EmitText(uasmop_pusharg, "", 4);
  }
  EmitIdent(uasmop_call, s, n->size);
}

// Source address, destination address, byte count, and the copy.
void TranslateBlockAssign(Node *target, Node *value, int64_t size) {
  TranslateAddress(value);
  EmitText(uasmop_pusharg, "", 4);
  TranslateAddress(target);
  EmitText(uasmop_pusharg, "", 4);
  CallBlockCopy(size);
}
