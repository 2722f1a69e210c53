// Node evaluation of statements whose labels need more than their own
// evaluation: the bounds of a case range.
#include "semantic/semantic.h"

// ---- case ranges -----------------------------------------------------------------------

// The value of a label known at compile time: an integer literal (folded
// constants and enumeration values included), its negation, or a
// one-character literal.
static bool LabelValue(const Node *n, int64_t &value) {
  if (!n)
    return false;
  if (n->kind == kNodeIntConst) {
    value = DecimalValue(NodeText(n));
    return true;
  }
  if (IsCharLiteral(n)) {
    value = static_cast<unsigned char>(NodeText(n)[0]);
    return true;
  }
  if (n->kind == kNodeNegate && LabelValue(Child(n, 1), value)) {
    value = -value;
    return true;
  }
  return false;
}

// A range whose upper bound is below its lower bound matches nothing; the
// program is still sound, so this is only a note.
void EvaluateCaseRange(Node *n) {
  if (!HasOperands(n, 2))
    return;
  SetIsValue(Child(n, 1));
  SetIsValue(Child(n, 2));
  int64_t lower = 0, upper = 0;
  if (LabelValue(Child(n, 1), lower) && LabelValue(Child(n, 2), upper) && upper < lower)
    Con() << "empty case range at " << PositionText(n->position) << '\n';
}
