// Node evaluation of statements whose parts need more than a look-up: the
// control variable of a for loop, the bounds of a case range, and the
// target of an assignment.
#include "semantic/semantic.h"

// ---- for loops -------------------------------------------------------------------------

// The values a for loop can step through one by one.
static bool IsOrdinalType(const TypeDescr *t) {
  return t && (t->typeClass == kClassInteger || t->typeClass == kClassBoolean ||
               t->typeClass == kClassChar);
}

// The control variable must be a variable of an ordinal type; anything else
// is reported and the loop keeps no variable, so its code writes nowhere.
static ID *ControlVariable(Node *n) {
  Text name = NodeText(n);
  ID *v = FindID(name);
  if (!v) {
    ReportAtNode(n, "variable \"" + name + "\" not found.");
    return nullptr;
  }
  if (v->kind != kIdVar) {
    ReportAtNode(n, "\"" + name + "\" is not a variable, it cannot control a for loop");
    return nullptr;
  }
  if (!IsOrdinalType(v->type)) {
    ReportAtNode(n, "for loop variable \"" + name + "\" must be of an ordinal type");
    return nullptr;
  }
  return v;
}

void EvaluateFor(Node *n) {
  n->id = ControlVariable(n);
  if (HasOperands(n, 2)) {
    SetIsValue(Child(n, 1));
    SetIsValue(Child(n, 2));
  }
}

// ---- case statements ---------------------------------------------------------------------

// Labels are compared by value: a label that is a variable (true and false
// are variables of the run-time routines) must not yield its address.
void EvaluateCase(Node *n) {
  if (!HasOperands(n, 1))
    return;
  SetIsValue(Child(n, 1));
  for (Node *branch = Child(n, 2); branch; branch = branch->next)
    for (Node *label = Child(branch, 1); label; label = label->next)
      SetIsValue(label);
}

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

// ---- assignments ---------------------------------------------------------------------------

bool IsFunctionResultRef(const Node *n) {
  return n->kind == kNodeVarRef && n->id && n->id->var && (n->id->var->flags & kVarResult);
}

// A function's own name is its result there (the parser saw to that), so a
// call as a target is one of another function, of a procedure, or one with
// arguments: its value cannot be assigned to.
bool CheckAssignmentTarget(Node *n) {
  const Node *target = Child(n, 1);
  if (!target || target->kind != kNodeCall)
    return true;
  ReportAtNode(n, "cannot assign to a call of \"" + NodeText(target) + "\"");
  return false;
}
