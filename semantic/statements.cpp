// Node evaluation of statements whose parts need more than a look-up: the
// control variable of a for loop, the bounds of a case range, and the
// target of an assignment.
#include "semantic/semantic.h"

// ---- for loops -------------------------------------------------------------------------

// The values a for loop steps through one by one and a case statement
// tells apart.
static bool IsOrdinalClass(int32_t typeClass) {
  return typeClass == kClassInteger || typeClass == kClassBoolean ||
         typeClass == kClassChar;
}

static bool IsOrdinalType(const TypeDescr *t) { return t && IsOrdinalClass(t->typeClass); }

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

// true and false are boolean variables of the run-time routines, kept at
// fixed addresses; as labels they stand for their values.
static bool IsBooleanLiteral(const Node *n) {
  const ID *v = n->kind == kNodeVarRef ? n->id : nullptr;
  return v && v->kind == kIdVar && v->type && v->type->typeClass == kClassBoolean &&
         v->var && (v->var->flags & kVarAbsolute) && (NameIs(v, "true") || NameIs(v, "false"));
}

// The type class of a label whose value is fixed at compile time: literals
// (folded constants, enumeration values and nil included), true and false,
// and operators and written casts over such values.  -1 for any other
// label: its value would be read from memory or computed by a call.
static int32_t ConstantLabelClass(const Node *n) {
  if (!n)
    return -1;
  if (IsNilConstant(n))
    return kClassPointer;
  if (n->kind == kNodeIntConst)
    return kClassInteger;
  if (n->kind == kNodeStringConst)
    return IsCharLiteral(n) ? kClassChar : kClassString;
  if (IsBooleanLiteral(n))
    return kClassBoolean;
  bool written = n->kind == kNodeTypeCast && !IsMadeCast(n);
  bool operation = n->kind == kNodeNot || n->kind == kNodeNegate ||
                   (n->kind >= kNodeAdd && n->kind <= kNodeNotEqual);
  if (!written && !operation)
    return -1;
  for (int i = 1; i <= n->childCount && i <= kMaxChildren; i++)
    if (ConstantLabelClass(Child(n, i)) < 0)
      return -1;
  return n->typeClass;
}

// Each label is compared with the selector by value, so it must be a
// constant of the selector's class (a string of two characters is no char).
static void CheckCaseLabel(const Node *label, int32_t selectorClass) {
  if (label->kind == kNodeName)
    return; // reported as not found
  int32_t labelClass = ConstantLabelClass(label);
  if (labelClass < 0)
    ReportAtNode(label, "case label must be a constant");
  else if (labelClass != selectorClass)
    ReportAtNode(label, "case label does not match the type of the selector");
}

static void CheckCaseLabels(const Node *labels, int32_t selectorClass) {
  for (const Node *label = labels; label; label = label->next) {
    if (label->kind != kNodeCaseRange) {
      CheckCaseLabel(label, selectorClass);
      continue;
    }
    for (int i = 1; i <= 2; i++)
      if (Child(label, i))
        CheckCaseLabel(Child(label, i), selectorClass);
  }
}

// A selector without any class is one whose fault was already reported (an
// unknown name, a bad operand), unless it calls a procedure.
static bool CheckCaseSelector(const Node *selector) {
  if (IsOrdinalClass(selector->typeClass))
    return true;
  if (selector->typeClass != 0 || (selector->kind == kNodeCall && selector->id))
    ReportAtNode(selector, "case selector must be of an ordinal type");
  return false;
}

// Labels are compared by value: a label that is a variable (true and false
// are variables of the run-time routines) must not yield its address.
void EvaluateCase(Node *n) {
  if (!HasOperands(n, 1))
    return;
  Node *selector = Child(n, 1);
  SetIsValue(selector);
  bool ordinal = CheckCaseSelector(selector);
  for (Node *branch = Child(n, 2); branch; branch = branch->next) {
    if (ordinal)
      CheckCaseLabels(Child(branch, 1), selector->typeClass);
    for (Node *label = Child(branch, 1); label; label = label->next)
      SetIsValue(label);
  }
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
