// Element and field addresses.  All address arithmetic is 2 bytes wide.
// An element address is (index - low) * element size + array address; for
// a two-dimensional element with constant or variable indices the constant
// parts are folded at compile time into one offset.
#include "translator/translate_internal.h"

constexpr int64_t kIndexLimit = 4294967295; // 32 bits

static int64_t CheckedIndexValue(int64_t v) {
  if (v > kIndexLimit || v < -kIndexLimit)
    RunTimeStop(kStopLimit, "array index arithmetic beyond 32 bits");
  return v;
}

static int64_t IndexProduct(int64_t a, int64_t b) {
  CheckedIndexValue(a);
  CheckedIndexValue(b);
  int64_t absA = a < 0 ? -a : a, absB = b < 0 ? -b : b;
  if (absA != 0 && absB > kIndexLimit / absA)
    RunTimeStop(kStopLimit, "array index arithmetic beyond 32 bits");
  return a * b;
}

int32_t CheckedDerefSize(int64_t size) {
  if (size >= 65536)
    RunTimeStop(kStopLimit, "value of more than 65535 bytes read through an address");
  return int32_t(size);
}

// Adds a signed constant to the accumulator (an add of its value or a sub
// of its negation; nothing for 0).
static void EmitAddConstant(int64_t c) {
  CheckedIndexValue(c);
  if (c > 0)
    EmitText(uasmop_add, DecimalText(c), 2);
  else if (c < 0)
    EmitText(uasmop_sub, DecimalText(-c), 2);
}

static int64_t ElementSize(const Node *n) {
  return n->type ? int64_t(n->type->size) : int64_t(n->size);
}

static bool IsConstOrVar(const Node *n) {
  return n && (n->kind == kNodeIntConst || n->kind == kNodeVarRef);
}

// x[i, j] (that is x[i][j]) with i and j constants or variables.
static bool TranslateTwoDimIndex(Node *n) {
  Node *row = Child(n, 1);
  if (!row || row->kind != kNodeIndex)
    return false;
  Node *x = Child(row, 1), *i = Child(row, 2), *j = Child(n, 2);
  if (!x || !IsConstOrVar(i) || !IsConstOrVar(j) || !x->type || !row->type ||
      x->type->typeClass != kClassArray)
    return false;
  int64_t lowI = x->type->low;
  int64_t lowJ = row->type->low;
  int64_t len = CheckedIndexValue(row->type->high - lowJ + 1);
  bool iVar = i->kind == kNodeVarRef, jVar = j->kind == kNodeVarRef;
  int64_t c = iVar ? 0 : DecimalValue(NodeText(i));
  if (iVar)
    EmitIdent(uasmop_load, i->id, i->size);
  c = CheckedIndexValue(c - lowI);
  if (iVar && len != 1)
    EmitText(uasmop_mul, DecimalText(len), 2);
  c = IndexProduct(len, c);
  if (!jVar)
    c += DecimalValue(NodeText(j));
  else if (iVar)
    EmitIdent(uasmop_add, j->id, 2);
  else
    EmitIdent(uasmop_load, j->id, j->size);
  c = CheckedIndexValue(c - lowJ);
  if (iVar || jVar)
    EmitAddConstant(c);
  else
    EmitText(uasmop_load, DecimalText(c), 2);
  int64_t e = CheckedIndexValue(ElementSize(n));
  if (e != 1)
    EmitText(uasmop_mul, DecimalText(e), 2);
  EmitText(uasmop_pusharg, "", 2);
  TranslateAddress(x);
  EmitText(uasmop_add, "[sp]", 2);
  return true;
}

// a[i]: the offset is pushed, then the array's address is added to it.  A
// string is indexed by the index itself (length byte at offset 0).
static void TranslateGeneralIndex(Node *n) {
  Node *array = Child(n, 1);
  TranslateExprAs(Child(n, 2), true);
  const TypeDescr *t = array ? array->type : nullptr;
  if (array && array->typeClass != kClassString && t) {
    EmitAddConstant(-CheckedIndexValue(t->low));
    if (t->base && t->base->size != 1)
      EmitText(uasmop_mul, DecimalText(t->base->size), 2);
  }
  EmitText(uasmop_pusharg, "", int32_t(CheckedIndexValue(ElementSize(n))));
  TranslateAddress(array);
  EmitText(uasmop_add, "[sp]", 2);
}

void TranslateIndexAddress(Node *n) {
  if (!TranslateTwoDimIndex(n))
    TranslateGeneralIndex(n);
}

// r.f: the record's address plus the field's offset.
void TranslateFieldAddress(Node *n) {
  TranslateAddress(Child(n, 1));
  int32_t offset = n->id && n->id->var ? n->id->var->address : 0;
  if (offset != 0)
    EmitText(uasmop_add, DecimalText(offset), 2);
}
