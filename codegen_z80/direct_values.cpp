// Direct code: values of expressions in a (8 bits) or hl (16 bits), the
// addresses of variables, elements, fields and dereferences, value ranges.
//
// A value is the 32-bit number the general code would hold for the node;
// a and hl get its low 8 or 16 bits, which are all an assignment, an
// argument or an index keeps.  Where every bit counts (comparisons,
// division, shr) the value ranges of D_Range decide whether 16 bits hold
// the whole number.
#include <algorithm>

#include "codegen_z80/direct.h"
#include "translator/translate_internal.h"


namespace {

int gDirectLabels = 0;

bool CastChildIsScalar(const Node *n) {
  const Node *c = Child(n, 1);
  return D_IsScalar(c) && !(n->typeClass == kClassChar && IsCharLiteral(c));
}

// The element size of an index node and the low bound of its array (0 for
// a string, whose length byte is element 0).
bool ElementLayout(const Node *n, int64_t &size, int64_t &low) {
  const Node *array = Child(n, 1);
  size = n->type ? int64_t(n->type->size) : int64_t(n->size);
  if (!array || !array->type || size <= 0 || size > 0xFFFF)
    return false;
  if (array->typeClass == kClassString) {
    low = 0;
    return true;
  }
  low = array->type->low;
  return array->typeClass == kClassArray;
}


Text SignedOffset(int64_t k) {
  k &= 0xFFFF;
  if (k >= 0x8000)
    k -= 0x10000;
  return k < 0 ? DecimalText(k) : "+" + DecimalText(k);
}

// The address of array[index]: index scaled, then the array's address and
// the low bound's offset added.
bool IndexAddress(Direct &d, Node *n) {
  Node *array = Child(n, 1), *index = Child(n, 2);
  int64_t size, low, k;
  if (!index || !ElementLayout(n, size, low) || D_HasCall(index) || D_HasCall(array))
    return false;
  if (D_Constant(index, k)) {
    if (!D_AddressHL(d, array))
      return false;
    D_AddHL(d, (k - low) * size);
    return true;
  }
  if (!D_IsScalar(index) || !D_ValueHL(d, index))
    return false;
  D_MultiplyHLBy(d, size);
  int64_t offset = -low * size;
  if (D_IsFixedVar(d, array)) {
    D_Emit(d, "ld", "de", CG_FixedAddressText(array->id) + SignedOffset(offset));
    D_Emit(d, "add", "hl", "de");
    return true;
  }
  if (D_IsPlainVar(array) && d.st && D_ReachOf(d, array->id, 1) == D_Reach::Frame) {
    D_Emit(d, "ld", "de", SignedOffset(CG_Address(array->id) + offset));
    D_Emit(d, "add", "hl", "de");
    D_Emit(d, "push", "ix");
    D_Emit(d, "pop", "de");
    D_Emit(d, "add", "hl", "de");
    return true;
  }
  D_Emit(d, "push", "hl");
  if (!D_AddressHL(d, array))
    return false;
  D_Emit(d, "pop", "de");
  D_Emit(d, "add", "hl", "de");
  D_AddHL(d, offset);
  return true;
}

int64_t FieldOffset(const Node *n) { return n->id && n->id->var ? n->id->var->address : 0; }

} // namespace

static bool IsScalarClass(int32_t c) {
  return c == kClassInteger || c == kClassChar || c == kClassBoolean || c == kClassPointer;
}

bool D_IsScalar(const Node *n) {
  return n && IsScalarClass(n->typeClass) && (n->size == 1 || n->size == 2 || n->size == 4);
}

uint16_t D_VarFlags(const ID *v) { return v && v->var ? v->var->flags : 0; }

// A variable the direct code reaches: not a typed constant (a data label).
bool D_IsPlainVar(const Node *n) {
  return n && n->kind == kNodeVarRef && n->id && n->id->kind == kIdVar && n->id->var &&
         !(D_VarFlags(n->id) & kVarConstant);
}

bool D_IsSigned(const Node *n) {
  if (n->kind == kNodeVarRef && n->id && n->id->type)
    return n->id->type->low < 0;
  return n->isSigned != 0;
}


Text D_WordText(int64_t v) { return DecimalText(v & 0xFFFF); }


// ---- Emission -------------------------------------------------------------------------

void D_Emit(Direct &d, const Text &first, const Text &second, const Text &third) {
  if (d.st)
    CG_Emit(*d.st, first, second, third);
}

Text D_NewLabel(Direct &d) {
  if (!d.st)
    return "";
  return "dlabel" + DecimalText(++gDirectLabels);
}

void D_Label(Direct &d, const Text &label) { D_Emit(d, label + ":"); }

void ResetDirectCode() { gDirectLabels = 0; }

// ---- Node facts ---------------------------------------------------------------------

static bool ParseDecimal(const Text &t, int64_t &value) {
  size_t i = !t.empty() && t[0] == '-' ? 1 : 0;
  if (i == t.size() || t.size() > 12)
    return false;
  for (size_t j = i; j < t.size(); j++)
    if (t[j] < '0' || t[j] > '9')
      return false;
  value = DecimalValue(t);
  return true;
}

bool D_Constant(const Node *n, int64_t &value) {
  if (!n)
    return false;
  if (n->kind == kNodeIntConst)
    return ParseDecimal(NodeText(n), value);
  if (IsCharLiteral(n)) {
    value = static_cast<unsigned char>(NodeText(n)[0]);
    return true;
  }
  if (n->kind == kNodeTypeCast && D_IsScalar(n) && D_Constant(Child(n, 1), value)) {
    if (n->size < 4) {
      int bits = 8 * n->size;
      value &= (int64_t(1) << bits) - 1;
      if (n->isSigned && value >= (int64_t(1) << (bits - 1)))
        value -= int64_t(1) << bits;
    }
    return true;
  }
  return false;
}

bool D_HasCall(const Node *n) {
  if (!n)
    return false;
  if (n->kind == kNodeCall)
    return true;
  for (int i = 1; i <= n->childCount; i++)
    if (D_HasCall(Child(n, i)))
      return true;
  return false;
}

static void TypeRange(int32_t size, bool isSigned, int64_t &low, int64_t &high) {
  int bits = 8 * (size >= 4 ? 4 : size);
  low = isSigned ? -(int64_t(1) << (bits - 1)) : 0;
  high = isSigned ? (int64_t(1) << (bits - 1)) - 1 : (int64_t(1) << bits) - 1;
}

// A computed range that leaves the node's own 32-bit domain wraps around:
// then nothing better than the domain is known.
static bool Bounded(const Node *n, int64_t lo, int64_t hi, int64_t &low, int64_t &high) {
  int64_t dl, dh;
  TypeRange(4, n->isSigned, dl, dh);
  if (lo < dl || hi > dh) {
    low = dl;
    high = dh;
  } else {
    low = lo;
    high = hi;
  }
  return true;
}

bool D_Range(const Node *n, int64_t &low, int64_t &high) {
  int64_t v;
  if (D_Constant(n, v)) {
    low = high = v;
    return true;
  }
  if (!D_IsScalar(n))
    return false;
  const Node *a = Child(n, 1), *b = Child(n, 2);
  int64_t la = 0, ha = 0, lb = 0, hb = 0;
  bool ra = a && D_Range(a, la, ha), rb = b && D_Range(b, lb, hb);
  const int64_t kBig = int64_t(1) << 32;
  switch (n->kind) {
  case kNodeVarRef: case kNodeIndex: case kNodeField: case kNodeDeref: case kNodeCall:
    TypeRange(n->size, D_IsSigned(n), low, high);
    return true;
  case kNodeTypeCast:
    if (n->size < 4 || !ra) {
      TypeRange(n->size, n->isSigned, low, high);
      return true;
    }
    return Bounded(n, la, ha, low, high);
  case kNodeLess: case kNodeLessEqual: case kNodeGreater: case kNodeGreaterEqual:
  case kNodeEqual: case kNodeNotEqual:
    low = 0;
    high = 1;
    return true;
  default:
    break;
  }
  if (n->typeClass == kClassBoolean && n->size == 1) {
    TypeRange(1, false, low, high);
    return true;
  }
  if (!ra || (b && !rb) || la < -kBig || ha > kBig || lb < -kBig || hb > kBig)
    return Bounded(n, -kBig * 2, kBig * 2, low, high);
  switch (n->kind) {
  case kNodeAdd: return Bounded(n, la + lb, ha + hb, low, high);
  case kNodeSub: return Bounded(n, la - hb, ha - lb, low, high);
  case kNodeMul: {
    const int64_t kHalf = int64_t(1) << 31; // keeps every product within 64 bits
    if (la < -kHalf || ha > kHalf || lb < -kHalf || hb > kHalf)
      break;
    int64_t p[4] = {la * lb, la * hb, ha * lb, ha * hb};
    return Bounded(n, *std::min_element(p, p + 4), *std::max_element(p, p + 4), low, high);
  }
  case kNodeDiv:
    if (la >= 0 && lb >= 0)
      return Bounded(n, lb > 0 ? la / hb : 0, lb > 0 ? ha / lb : ha, low, high);
    break;
  case kNodeMod:
    if (la >= 0 && lb >= 0)
      return Bounded(n, 0, std::min(ha, hb > 0 ? hb - 1 : 0), low, high);
    break;
  case kNodeShr:
    if (la >= 0 && D_Constant(b, v) && v >= 0 && v < 32)
      return Bounded(n, la >> v, ha >> v, low, high);
    break;
  case kNodeShl:
    if (la >= 0 && D_Constant(b, v) && v >= 0 && v < 16)
      return Bounded(n, la << v, ha << v, low, high);
    break;
  case kNodeAnd:
    if (la >= 0 && lb >= 0)
      return Bounded(n, 0, std::min(ha, hb), low, high);
    break;
  case kNodeOr: case kNodeXor:
    if (la >= 0 && lb >= 0) {
      int64_t top = 1;
      while (top <= std::max(ha, hb))
        top <<= 1;
      return Bounded(n, 0, top - 1, low, high);
    }
    break;
  case kNodeNegate: return Bounded(n, -ha, -la, low, high);
  default: break;
  }
  return Bounded(n, -kBig * 2, kBig * 2, low, high);
}

// ---- Values --------------------------------------------------------------------------

bool D_ValueA(Direct &d, Node *n) {
  int64_t v;
  if (!D_IsScalar(n))
    return false;
  if (D_Constant(n, v)) {
    D_Emit(d, "ld", "a", DecimalText(v & 255));
    return true;
  }
  switch (n->kind) {
  case kNodeVarRef:
    if (!D_IsPlainVar(n))
      return false;
    D_LoadVarA(d, n->id, false);
    return true;
  case kNodeIndex: case kNodeField: case kNodeDeref: {
    Text operand;
    if (D_FixedOperand(d, n, operand)) {
      D_Emit(d, "ld", "a", operand);
      return true;
    }
    if (!D_AddressHL(d, n))
      return false;
    D_Emit(d, "ld", "a", "(hl)");
    return true;
  }
  case kNodeTypeCast:
    return CastChildIsScalar(n) && D_ValueA(d, Child(n, 1));
  case kNodeCall:
    if (Node *inlined = D_InlinedCall(d, n))
      return D_ValueA(d, inlined);
    if (!D_Call(d, n))
      return false;
    D_Emit(d, "ld", "a", CG_ResultInHL(n->id) ? "l" : "(__reg32a)");
    return true;
  case kNodeNot:
    if (!D_ValueA(d, Child(n, 1)))
      return false;
    if (n->typeClass == kClassBoolean || Child(n, 1)->typeClass == kClassBoolean) {
      D_Emit(d, "cp", "1"); // a = 0 sets the carry: the boolean "not" is 1 just then
      D_Emit(d, "sbc", "a", "a");
      D_Emit(d, "and", "1");
    } else {
      D_Emit(d, "cpl");
    }
    return true;
  case kNodeNegate:
    if (!D_ValueA(d, Child(n, 1)))
      return false;
    D_Emit(d, "neg");
    return true;
  case kNodeAdd: case kNodeSub: case kNodeAnd: case kNodeOr: case kNodeXor:
    if (n->operandClass == kClassBoolean) {
      if (!D_BooleanA(d, n))
        return false;
      return true;
    }
    return D_IsIntegerOperator(n) && D_ByteOperator(d, n);
  case kNodeLess: case kNodeLessEqual: case kNodeGreater: case kNodeGreaterEqual:
  case kNodeEqual: case kNodeNotEqual:
    return D_BooleanA(d, n);
  case kNodeShl:
    if (int64_t k; D_IsIntegerOperator(n) && D_Constant(Child(n, 2), k) && k >= 0) {
      if (!D_ValueA(d, Child(n, 1)))
        return false;
      if (k >= 8)
        D_Emit(d, "xor", "a");
      for (int64_t i = 0; i < k && k < 8; i++)
        D_Emit(d, "add", "a", "a");
      return true;
    }
    [[fallthrough]];
  case kNodeMul:
    if (int64_t k; D_IsIntegerOperator(n) && D_Constant(Child(n, 2), k)) {
      if (!D_ValueA(d, Child(n, 1)))
        return false;
      D_MultiplyABy(d, k);
      return true;
    }
    [[fallthrough]];
  case kNodeShr: case kNodeDiv: case kNodeMod:
    if (!D_ValueHL(d, n))
      return false;
    D_Emit(d, "ld", "a", "l");
    return true;
  default:
    return false;
  }
}

bool D_ValueHL(Direct &d, Node *n) {
  int64_t v;
  if (!D_IsScalar(n))
    return false;
  if (D_Constant(n, v)) {
    D_Emit(d, "ld", "hl", D_WordText(v));
    return true;
  }
  // A byte value widens; products, shifts and quotients are made in 16
  // bits whatever their size says (only their low bits are wanted then).
  bool wordMade = n->kind == kNodeMul || n->kind == kNodeShl || n->kind == kNodeShr ||
                  n->kind == kNodeDiv || n->kind == kNodeMod;
  bool byteWide = !wordMade && (n->size == 1 || n->operandClass == kClassBoolean ||
                                (n->kind >= kNodeLess && n->kind <= kNodeNotEqual));
  if (byteWide) {
    if (!D_ValueA(d, n))
      return false;
    D_WidenA(d, "l", "h", D_IsSigned(n) && n->typeClass != kClassBoolean);
    return true;
  }
  switch (n->kind) {
  case kNodeVarRef:
    if (!D_IsPlainVar(n))
      return false;
    D_LoadVarHL(d, n->id);
    return true;
  case kNodeIndex: case kNodeField: case kNodeDeref: {
    Text operand;
    if (D_FixedOperand(d, n, operand)) {
      D_Emit(d, "ld", "hl", operand);
      return true;
    }
    if (!D_AddressHL(d, n))
      return false;
    D_Emit(d, "ld", "e", "(hl)");
    D_Emit(d, "inc", "hl");
    D_Emit(d, "ld", "d", "(hl)");
    D_Emit(d, "ex", "de", "hl");
    return true;
  }
  case kNodeTypeCast:
    return CastChildIsScalar(n) && D_ValueHL(d, Child(n, 1));
  case kNodeCall:
    if (Node *inlined = D_InlinedCall(d, n))
      return D_ValueHL(d, inlined);
    if (!D_Call(d, n))
      return false;
    if (!CG_ResultInHL(n->id))
      D_Emit(d, "ld", "hl", "(__reg32a)");
    return true;
  case kNodeNot:
    if (!D_ValueHL(d, Child(n, 1)))
      return false;
    D_Emit(d, "ld", "a", "l");
    D_Emit(d, "cpl");
    D_Emit(d, "ld", "l", "a");
    D_Emit(d, "ld", "a", "h");
    D_Emit(d, "cpl");
    D_Emit(d, "ld", "h", "a");
    return true;
  case kNodeNegate:
    if (!D_ValueHL(d, Child(n, 1)))
      return false;
    D_Emit(d, "xor", "a");
    D_Emit(d, "sub", "l");
    D_Emit(d, "ld", "l", "a");
    D_Emit(d, "sbc", "a", "a");
    D_Emit(d, "sub", "h");
    D_Emit(d, "ld", "h", "a");
    return true;
  case kNodeAdd: case kNodeSub: case kNodeMul: case kNodeAnd: case kNodeOr: case kNodeXor:
    return D_IsIntegerOperator(n) && D_WordOperator(d, n);
  case kNodeShl: case kNodeShr:
    return D_IsIntegerOperator(n) && D_ShiftHL(d, n);
  case kNodeDiv: case kNodeMod:
    return D_IsIntegerOperator(n) && D_DivideHL(d, n);
  default:
    return false;
  }
}

// ---- Addresses --------------------------------------------------------------------------

bool D_FixedOperand(Direct &d, const Node *n, Text &operand) {
  if (!d.st || !n)
    return false;
  int64_t size, low, k;
  switch (n->kind) {
  case kNodeVarRef:
    if (!D_IsFixedVar(d, n))
      return false;
    operand = D_FixedText(n->id, 0);
    return true;
  case kNodeIndex:
    if (!D_IsFixedVar(d, Child(n, 1)) || !ElementLayout(n, size, low) ||
        !D_Constant(Child(n, 2), k))
      return false;
    operand = "(" + CG_FixedAddressText(Child(n, 1)->id) + SignedOffset((k - low) * size) + ")";
    return true;
  case kNodeField:
    if (!D_IsFixedVar(d, Child(n, 1)))
      return false;
    operand = "(" + CG_FixedAddressText(Child(n, 1)->id) + SignedOffset(FieldOffset(n)) + ")";
    return true;
  default:
    return false;
  }
}

bool D_AddressHL(Direct &d, Node *n) {
  if (!n)
    return false;
  switch (n->kind) {
  case kNodeVarRef:
    if (!D_IsPlainVar(n))
      return false;
    D_VarAddress(d, n->id);
    return true;
  case kNodeIndex:
    return IndexAddress(d, n);
  case kNodeField: {
    Node *record = Child(n, 1);
    if (!record || record->typeClass != kClassRecord || !D_AddressHL(d, record))
      return false;
    D_AddHL(d, FieldOffset(n));
    return true;
  }
  case kNodeDeref: {
    Node *pointer = Child(n, 1);
    return pointer && pointer->typeClass == kClassPointer && pointer->size == 2 &&
           D_ValueHL(d, pointer);
  }
  default:
    return false;
  }
}

