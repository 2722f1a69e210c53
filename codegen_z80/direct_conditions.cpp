// Direct code: comparisons in 8 or 16 bits when the value ranges of both
// sides allow it, conditions compiled to jumps, and the 0 or 1 of a
// comparison or a boolean operator.
#include <algorithm>

#include "codegen_z80/direct.h"

namespace {

enum class Width { U8, U16, S16 };

bool IsComparisonNode(const Node *n) {
  return n && n->kind >= kNodeLess && n->kind <= kNodeNotEqual;
}

// Both values fit one kind of register compare: unsigned bytes, unsigned
// words, or signed words (signed bytes are compared as words).
bool CompareWidth(const Node *a, const Node *b, Width &w) {
  int64_t la, ha, lb, hb;
  if (!D_Range(a, la, ha) || !D_Range(b, lb, hb))
    return false;
  int64_t low = std::min(la, lb), high = std::max(ha, hb);
  if (low >= 0 && high <= 255)
    w = Width::U8;
  else if (low >= 0 && high <= 0xFFFF)
    w = Width::U16;
  else if (low >= -32768 && high <= 32767)
    w = Width::S16;
  else
    return false;
  return true;
}

Text Inverse(const Text &cc) {
  if (cc == "c")
    return "nc";
  if (cc == "nc")
    return "c";
  if (cc == "z")
    return "nz";
  return "z";
}

// The condition code of "left - right" that means the comparison holds
// (less: carry, equal: zero); greater and less-or-equal are made less and
// greater-or-equal by taking the sides the other way round.
Text ConditionOf(int32_t kind, bool &swap) {
  swap = kind == kNodeGreater || kind == kNodeLessEqual;
  switch (kind) {
  case kNodeLess: case kNodeGreater: return "c";
  case kNodeGreaterEqual: case kNodeLessEqual: return "nc";
  case kNodeEqual: return "z";
  default: return "nz";
  }
}

// The general code takes a comparison's right side first unless it is a
// constant or a variable of an integer comparison; where a call may change
// variables that order is kept.
bool RightFirst(const Node *n, const Node *b) {
  int64_t v;
  if (D_Constant(b, v))
    return false;
  return n->operandClass == kClassBoolean || b->kind != kNodeVarRef;
}

// a > k is a >= k + 1 and a <= k is a < k + 1 while k + 1 fits.
void FoldConstant(Direct &, int32_t &kind, int64_t &k, int64_t top) {
  if ((kind == kNodeGreater || kind == kNodeLessEqual) && k < top) {
    kind = kind == kNodeGreater ? kNodeGreaterEqual : kNodeLess;
    k++;
  }
}

bool CompareBytes(Direct &d, Node *n, Text &cc) {
  Node *a = Child(n, 1), *b = Child(n, 2);
  int32_t kind = n->kind;
  int64_t k;
  bool swap;
  if (D_Constant(b, k)) {
    FoldConstant(d, kind, k, 255);
    cc = ConditionOf(kind, swap);
    if (!D_ValueA(d, a))
      return false;
    if (swap) {
      D_Emit(d, "ld", "b", "a");
      D_Emit(d, "ld", "a", DecimalText(k & 255));
      D_Emit(d, "cp", "b");
    } else if (k == 0 && (kind == kNodeEqual || kind == kNodeNotEqual)) {
      D_Emit(d, "or", "a");
    } else {
      D_Emit(d, "cp", DecimalText(k & 255));
    }
    return true;
  }
  cc = ConditionOf(kind, swap);
  if (!D_ByteOperands(d, a, b, !RightFirst(n, b) && D_HasCall(a)))
    return false;
  if (swap) {
    D_Emit(d, "ld", "c", "a");
    D_Emit(d, "ld", "a", "b");
    D_Emit(d, "cp", "c");
  } else {
    D_Emit(d, "cp", "b");
  }
  return true;
}

void FlipSign(Direct &d, const char *high) {
  D_Emit(d, "ld", "a", high);
  D_Emit(d, "xor", "128");
  D_Emit(d, "ld", high, "a");
}

bool CompareWords(Direct &d, Node *n, bool isSigned, Text &cc) {
  Node *a = Child(n, 1), *b = Child(n, 2);
  int32_t kind = n->kind;
  int64_t k;
  bool swap;
  if (D_Constant(b, k)) {
    FoldConstant(d, kind, k, isSigned ? 32767 : 0xFFFF);
    cc = ConditionOf(kind, swap);
    if (!D_ValueHL(d, a))
      return false;
    if (k == 0 && (kind == kNodeEqual || kind == kNodeNotEqual)) {
      D_Emit(d, "ld", "a", "h");
      D_Emit(d, "or", "l");
      return true;
    }
    if (isSigned) {
      FlipSign(d, "h");
      k ^= 0x8000;
    }
    D_Emit(d, "ld", "de", DecimalText(k & 0xFFFF));
  } else {
    cc = ConditionOf(kind, swap);
    if (!D_WordOperands(d, a, b, !RightFirst(n, b) && D_HasCall(a)))
      return false;
    if (isSigned) {
      FlipSign(d, "h");
      FlipSign(d, "d");
    }
  }
  if (swap)
    D_Emit(d, "ex", "de", "hl");
  D_Emit(d, "or", "a");
  D_Emit(d, "sbc", "hl", "de");
  return true;
}

// "x and 2^k = 0" (or <> 0) tests the one bit with "bit", leaving x in a
// or hl.
bool BitTest(Direct &d, Node *n, Text &cc) {
  Node *a = Child(n, 1), *b = Child(n, 2);
  int64_t zero, mask;
  if ((n->kind != kNodeEqual && n->kind != kNodeNotEqual) || !D_Constant(b, zero) || zero != 0 ||
      !a || a->kind != kNodeAnd || a->operandClass != kClassInteger)
    return false;
  Node *x = Child(a, 1);
  if (!D_Constant(Child(a, 2), mask)) {
    x = Child(a, 2);
    if (!D_Constant(Child(a, 1), mask))
      return false;
  }
  int bit = -1;
  for (int i = 0; i < 16; i++)
    if (mask == (int64_t(1) << i))
      bit = i;
  if (bit < 0 || !x)
    return false;
  if (bit < 8) {
    if (!D_ValueA(d, x))
      return false;
    D_Emit(d, "bit", DecimalText(bit), "a");
  } else {
    if (!D_ValueHL(d, x))
      return false;
    D_Emit(d, "bit", DecimalText(bit - 8), "h");
  }
  cc = n->kind == kNodeEqual ? "z" : "nz";
  return true;
}

// The compare of a comparison node; cc is the condition under which it holds.
bool CompareFlags(Direct &d, Node *n, Text &cc) {
  Node *a = Child(n, 1), *b = Child(n, 2);
  if (BitTest(d, n, cc))
    return true;
  Width w;
  if (!a || !b || !CompareWidth(a, b, w))
    return false;
  if (w == Width::U8)
    return CompareBytes(d, n, cc);
  return CompareWords(d, n, w == Width::S16, cc);
}

// A value that is always 0 or 1, so that "and" and "or" of such values may
// skip their right side once the left one decides.
bool IsProperBoolean(const Node *n) {
  if (!n)
    return false;
  if (IsComparisonNode(n))
    return true;
  if (n->kind == kNodeNot && n->typeClass == kClassBoolean)
    return true;
  if ((n->kind == kNodeAnd || n->kind == kNodeOr) && n->operandClass == kClassBoolean)
    return IsProperBoolean(Child(n, 1)) && IsProperBoolean(Child(n, 2));
  return false;
}

bool ShortCircuits(const Node *n) {
  return (n->kind == kNodeAnd || n->kind == kNodeOr) && n->operandClass == kClassBoolean &&
         IsProperBoolean(Child(n, 1)) && IsProperBoolean(Child(n, 2)) && !D_HasCall(n);
}

// A word compared for (in)equality with a constant other than 0: a byte at
// a time, so that hl keeps the value (a loop's variable, wanted again).
bool WordEqualsConstant(Direct &d, Node *n, const Text &label, bool whenTrue) {
  Node *a = Child(n, 1), *b = Child(n, 2);
  int64_t k;
  Width w;
  if ((n->kind != kNodeEqual && n->kind != kNodeNotEqual) || !a || !D_Constant(b, k) || k == 0 ||
      !CompareWidth(a, b, w) || w == Width::U8 || !D_ValueHL(d, a))
    return false;
  bool jumpWhenEqual = (n->kind == kNodeEqual) == whenTrue;
  Text skip = jumpWhenEqual ? D_NewLabel(d) : label;
  D_Emit(d, "ld", "a", "l");
  D_Emit(d, "cp", DecimalText(k & 255));
  D_Emit(d, jumpWhenEqual ? "jr" : "jp", "nz", skip);
  D_Emit(d, "ld", "a", "h");
  D_Emit(d, "cp", DecimalText(k >> 8 & 255));
  D_Emit(d, "jp", jumpWhenEqual ? "z" : "nz", label);
  if (jumpWhenEqual)
    D_Label(d, skip);
  return true;
}

// An unsigned word against a constant, high byte first: most values are
// decided by one compare, and hl keeps the value.
bool WordOrderConstant(Direct &d, Node *n, const Text &label, bool whenTrue) {
  Node *a = Child(n, 1), *b = Child(n, 2);
  int64_t k;
  Width w;
  int32_t kind = n->kind;
  if (kind == kNodeEqual || kind == kNodeNotEqual || !IsComparisonNode(n) || !a ||
      !D_Constant(b, k) || !CompareWidth(a, b, w) || w != Width::U16)
    return false;
  Direct dry{nullptr};
  FoldConstant(dry, kind, k, 0xFFFF);
  if (kind != kNodeLess && kind != kNodeGreaterEqual)
    return false; // a > 65535 or a <= 65535: left to the general compare
  if (!D_ValueHL(d, a))
    return false;
  bool jumpWhenLess = (kind == kNodeLess) == whenTrue;
  int64_t high = k >> 8 & 255, low = k & 255;
  D_Emit(d, "ld", "a", "h");
  if (high == 0)
    D_Emit(d, "or", "a");
  else
    D_Emit(d, "cp", DecimalText(high));
  if (low == 0) {
    D_Emit(d, "jp", jumpWhenLess ? "c" : "nc", label);
    return true;
  }
  Text skip = D_NewLabel(d);
  if (high == 0) {
    // any high byte but 0 decides: the value is not less
    if (jumpWhenLess)
      D_Emit(d, "jr", "nz", skip);
    else
      D_Emit(d, "jp", "nz", label);
  } else if (jumpWhenLess) {
    D_Emit(d, "jp", "c", label);
    D_Emit(d, "jr", "nz", skip);
  } else {
    D_Emit(d, "jr", "c", skip);
    D_Emit(d, "jp", "nz", label);
  }
  D_Emit(d, "ld", "a", "l");
  D_Emit(d, "cp", DecimalText(low));
  D_Emit(d, "jp", jumpWhenLess ? "c" : "nc", label);
  if (jumpWhenLess || high != 0) // the skip label was jumped to
    D_Label(d, skip);
  return true;
}

} // namespace

bool D_JumpIf(Direct &d, Node *n, const Text &label, bool whenTrue) {
  if (!n)
    return false;
  Text cc;
  if (WordEqualsConstant(d, n, label, whenTrue) || WordOrderConstant(d, n, label, whenTrue))
    return true;
  if (IsComparisonNode(n) && CompareFlags(d, n, cc)) {
    D_Emit(d, "jp", whenTrue ? cc : Inverse(cc), label);
    return true;
  }
  if (n->kind == kNodeNot && n->typeClass == kClassBoolean && Child(n, 1) &&
      Child(n, 1)->typeClass == kClassBoolean)
    return D_JumpIf(d, Child(n, 1), label, !whenTrue);
  if (ShortCircuits(n)) {
    // "a and b" is false as soon as a is; "a or b" true as soon as a is.
    bool decidesAtLeft = n->kind == kNodeOr;
    if (decidesAtLeft == whenTrue) {
      return D_JumpIf(d, Child(n, 1), label, whenTrue) &&
             D_JumpIf(d, Child(n, 2), label, whenTrue);
    }
    Text skip = D_NewLabel(d);
    if (!D_JumpIf(d, Child(n, 1), skip, !whenTrue) || !D_JumpIf(d, Child(n, 2), label, whenTrue))
      return false;
    D_Label(d, skip);
    return true;
  }
  if (n->typeClass != kClassBoolean || n->size != 1 || !D_ValueA(d, n))
    return false;
  D_Emit(d, "or", "a");
  D_Emit(d, "jp", whenTrue ? "nz" : "z", label);
  return true;
}

bool D_BooleanA(Direct &d, Node *n) {
  Text cc;
  if (IsComparisonNode(n)) {
    if (!CompareFlags(d, n, cc))
      return false;
    Text done = D_NewLabel(d);
    D_Emit(d, "ld", "a", "0");
    D_Emit(d, "jr", Inverse(cc), done);
    D_Emit(d, "inc", "a");
    D_Label(d, done);
    return true;
  }
  // and, or, xor of booleans: both sides, left first, bit by bit.
  Node *a = Child(n, 1), *b = Child(n, 2);
  if (!a || !b || !D_ByteOperands(d, a, b, true))
    return false;
  D_Emit(d, n->kind == kNodeAnd ? "and" : n->kind == kNodeOr ? "or" : "xor", "b");
  return true;
}
