// Node evaluation of statements whose names need more than a look-up: the
// control variable of a for loop, the bounds of a case range, and an
// assignment to a function's own name, which sets the function's result.
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

// ---- assignments to the function's name --------------------------------------------------

// The innermost function, the one being evaluated or one around it, that
// has this name.
static ID *EnclosingFunctionNamed(const Text &name) {
  for (ID *s = gCurrentScope; s; s = s->parent)
    if (s->kind == kIdSubr && s->subr && s->subr->result && NameIs(s, name))
      return s;
  return nullptr;
}

// Inside function f (or a subroutine nested in it), "f := x" sets f's
// result as "result := x" does.  This runs before the target is evaluated,
// which would otherwise make it a call of f.
void ResolveFunctionResultTarget(Node *n) {
  if (n->kind != kNodeAssign)
    return;
  Node *target = Child(n, 1);
  if (!target || target->kind != kNodeName || target->childCount != 0)
    return;
  Text name = NodeText(target);
  const ID *found = FindID(name);
  ID *function = EnclosingFunctionNamed(name);
  if (!found || found->kind != kIdSubr || !function)
    return;
  target->kind = kNodeVarRef;
  target->id = function->subr->result;
}

// Read inside such a function, its name without arguments is a call of it
// when one fits (a function without parameters calls itself), else its
// result: count := count + 1 in function count(p: pnode).
bool ResolveOwnResultRead(Node *n) {
  if (n->kind != kNodeCall || n->childCount != 0)
    return false;
  Text name = NodeText(n);
  ID *function = EnclosingFunctionNamed(name);
  if (!function || FindSubroutine(name, n))
    return false;
  n->kind = kNodeVarRef;
  n->id = function->subr->result;
  return true;
}

bool IsFunctionResultRef(const Node *n) {
  return n->kind == kNodeVarRef && n->id && n->id->var && (n->id->var->flags & kVarResult);
}

// Any call left as a target is one of another function, or one with
// arguments: its value cannot be assigned to.
bool CheckAssignmentTarget(Node *n) {
  const Node *target = Child(n, 1);
  if (!target || target->kind != kNodeCall)
    return true;
  ReportAtNode(n, "cannot assign to a call of \"" + NodeText(target) + "\"");
  return false;
}
