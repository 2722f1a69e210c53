// Node evaluation: resolves names, fills every node's type class, size,
// signed flag, operand class and isValue, folds integer constants into
// literals and puts simple operands of commutative operators on the right.
// Evaluation is local (a node after its children) and never fails hard:
// each problem is reported and the node keeps whatever could be set.
#include <algorithm>

#include "semantic/semantic.h"

// ---- Small helpers -------------------------------------------------------------------

void ReportAtNode(const Node *n, const Text &message) { ErrorAt(n->position, message); }

void SetIsValue(Node *n) {
  if (n)
    n->isValue = 1;
}

bool HasOperands(const Node *n, int count) {
  for (int i = 1; i <= count && i <= kMaxChildren; i++)
    if (!Child(n, i)) {
      ReportAtNode(n, "missing operand");
      return false;
    }
  return true;
}

bool IsMadeCast(const Node *n) { return n->kind == kNodeTypeCast && !n->text; }

static int ChildCount(const Node *n) {
  return n->childCount < kMaxChildren ? n->childCount : kMaxChildren;
}

static bool IsOperatorKind(int32_t kind) {
  return (kind >= kNodeAdd && kind <= kNodeMod) ||
         (kind >= kNodeAnd && kind <= kNodeNotEqual);
}

static bool IsArithmeticKind(int32_t kind) {
  return (kind >= kNodeAdd && kind <= kNodeMod) ||
         (kind >= kNodeAnd && kind <= kNodeShr);
}

static bool IsComparisonKind(int32_t kind) {
  return kind >= kNodeLess && kind <= kNodeNotEqual;
}

// A one-character literal where an ordinal value is wanted (an index, a
// cast to an integer type, an operand beside an integer) is its character
// code: it becomes that integer constant.
static void UseCharCode(Node *n) {
  if (!IsCharLiteral(n))
    return;
  auto code = static_cast<unsigned char>(NodeText(n)[0]);
  n->kind = kNodeIntConst;
  n->type = nullptr;
  SetNodeText(n, DecimalText(code));
  nodecalc(n);
}

// ---- The pass and its two sweeps --------------------------------------------------------

using SweepWork = void (*)(Node *);

// Children first, then the node; the next link is read only after the work,
// since the work may splice new statements in after the node.  sizeof's
// argument is no value: the work on sizeof itself looks at it.
static void Sweep(Node *list, SweepWork work) {
  Node *n = list;
  while (n) {
    ResolveControlStatement(n); // exit(x) of a declared exit: x is an argument
    for (int i = 1; i <= ChildCount(n) && !IsBuiltinSizeof(n); i++)
      Sweep(Child(n, i), work);
    work(n);
    n = n->next;
  }
}

static void FirstSweepWork(Node *n) {
  ExitValueToResult(n);
  RewriteBuiltins(n);
  nodecalc(n);
  FoldConstant(n);
}

static void SecondSweepWork(Node *n) {
  SwapOperands(n);
  RewriteStringOps(n);
}

void EvaluateExpression(Node *n) { Sweep(n, FirstSweepWork); }

void EvaluateSubr(ID *s) {
  gCurrentScope = s;
  Node *body = s->subr ? s->subr->body : nullptr;
  Sweep(body, FirstSweepWork);
  CheckLoopStatements(body, 0);
  Sweep(body, SecondSweepWork);
}

// Pre-order over the tree: a subroutine before the ones declared inside it,
// used or not.
void SemanticPass() {
  for (ID *id = RootID(); id; id = NextIDInOrder(id))
    if (id->kind == kIdSubr)
      EvaluateSubr(id);
}

// ---- Constant folding ---------------------------------------------------------------------

// An untyped constant gets a fresh one-byte integer record with bounds 0..0;
// a declared type never has that shape unless it is the subrange 0..0.
static bool IsUntypedConstantType(const TypeDescr *t) {
  return t->typeClass == kClassInteger && t->size == 1 && t->low == 0 && t->high == 0 &&
         !t->base && !t->fields;
}

// A string constant becomes the literal it was declared as, so it serves
// wherever a literal does (a one-character one also as a char).
static void FoldStringConstant(Node *n) {
  Text chars = ConstantValueText(n->id);
  n->kind = kNodeStringConst;
  n->id = nullptr;
  n->type = nullptr;
  SetNodeText(n, chars);
  nodecalc(n);
}

bool IsNilConstant(const Node *n) {
  return n && n->kind == kNodeIntConst && n->id && n->id->kind == kIdConst &&
         NameIs(n->id, "nil");
}

void FoldConstant(Node *n) {
  if (n->kind != kNodeVarRef || !n->id)
    return;
  if (IsStringConstant(n->id)) {
    FoldStringConstant(n);
    return;
  }
  if (!IsIntegerConstant(n->id))
    return;
  ID *c = n->id;
  n->kind = kNodeIntConst;
  SetNodeText(n, ConstantValueText(c));
  // A literal from an untyped constant is sized by its value like any other
  // literal; a typed constant keeps its declared type.
  if (IsUntypedConstantType(c->type))
    n->type = nullptr;
  nodecalc(n);
}

// ---- nodecalc, step 1: names --------------------------------------------------------------

static void ResolveName(Node *n) {
  if (n->kind != kNodeName)
    return;
  ID *id = FindID(NodeText(n));
  if (!id) {
    ReportAtNode(n, "Id not found.");
    return;
  }
  switch (id->kind) {
  case kIdVar:
  case kIdConst:
    n->kind = kNodeVarRef;
    break;
  case kIdType:
    n->kind = kNodeTypeCast;
    break;
  case kIdSubr:
    n->kind = kNodeCall;
    break;
  default:
    ReportAtNode(n, "2018_04_15");
    ReportErrorLine("nodeID error");
    break;
  }
}

// ---- nodecalc, step 2: by kind ----------------------------------------------------------------

static void EvaluateCondition(Node *n) {
  if (!HasOperands(n, 1))
    return;
  Node *condition = Child(n, 1);
  if (condition->typeClass != kClassBoolean)
    ReportAtNode(n, "boolean expression expected");
  SetIsValue(condition);
}

// The node's text names a variable; the node keeps what the look-up found,
// nil included.
static void LookUpVariable(Node *n) {
  Text name = NodeText(n);
  ID *v = FindID(name);
  if (!v)
    ReportAtNode(n, "variable \"" + name + "\" not found.");
  n->id = v;
}

// A cast made by CastTo has no text and is complete as made; only a cast
// written in the source names its type.  (Write arguments are evaluated a
// second time, and with them the casts their calls made.)
static void EvaluateTypeCast(Node *n) {
  if (IsMadeCast(n))
    return;
  SetIsValue(n);
  if (HasOperands(n, 1))
    SetIsValue(Child(n, 1));
  Text name = NodeText(n);
  ID *t = FindID(name);
  if (!t)
    ReportAtNode(n, "type \"" + name + "\" not found. (1)");
  n->id = t;
  const TypeDescr *target = t ? t->type : nullptr;
  if (target && target->typeClass == kClassInteger && target->size > 4)
    ReportAtNode(n, "64-bit integers are not supported");
  if (target && target->typeClass != kClassChar && target->typeClass != kClassString)
    UseCharCode(Child(n, 1));
}

static void EvaluateIndex(Node *n) {
  n->isValue = 0;
  if (!HasOperands(n, 2))
    return;
  UseCharCode(Child(n, 2));
  SetIsValue(Child(n, 2));
  if (Child(n, 1)->typeClass == kClassString) {
    n->typeClass = kClassChar;
    n->size = 1;
  }
}

// Fields are kept from the last one back through the prev links.
static ID *FindField(const TypeDescr *record, const Text &name) {
  for (ID *f = record ? record->fields : nullptr; f; f = f->prev)
    if (NameIs(f, name))
      return f;
  return nullptr;
}

static void EvaluateField(Node *n) {
  n->isValue = 0;
  if (!HasOperands(n, 1))
    return;
  Node *record = Child(n, 1);
  Text name = NodeText(n);
  ID *field = FindField(GetNodeType(record), name);
  if (!field)
    ReportAtNode(n, "record field \"" + name + "\" not found.");
  n->id = field;
  if (record->isValue)
    ReportAtNode(n, "error in expression");
}

static void EvaluateAddressOf(Node *n) {
  SetIsValue(n);
  if (HasOperands(n, 1) && Child(n, 1)->isValue)
    ReportAtNode(n, "error in expression, can't get pointer");
  n->typeClass = kClassPointer;
}

static void EvaluateDeref(Node *n) {
  n->isValue = 0;
  if (!HasOperands(n, 1))
    return;
  SetIsValue(Child(n, 1));
  if (!GetNodeType(Child(n, 1)))
    ReportAtNode(n, "nodeDeref nil");
}

// A function's name that the parser made a reference to its result keeps
// that result.
// Arguments after a variable's or constant's name are no call.
static void EvaluateVarRef(Node *n) {
  if (!IsFunctionResultRef(n))
    LookUpVariable(n);
  n->isValue = 0;
  if (n->childCount > 0) {
    ReportAtNode(n, "\"" + NodeText(n) + "\" is not a subroutine, it cannot be called");
    n->childCount = 0; // reported once, even where write evaluates it again
  }
}

static void EvaluateIntConst(Node *n) {
  SetIsValue(n);
  int64_t v = n->text ? DecimalValue(NodeText(n)) : 0;
  n->typeClass = kClassInteger;
  n->size = SizeOfRange(v, v);
  n->isSigned = v < 0;
  n->operandClass = kClassInteger;
}

static void EvaluateStringConst(Node *n) {
  SetIsValue(n);
  n->operandClass = kClassString;
  n->typeClass = kClassString;
  n->size = static_cast<int32_t>(NodeText(n).size()) + 1;
}

// An operand without a type record (a comparison, a literal) would leave
// "not" without any class; it takes the operand's fields instead.  An
// integer literal is a signed number here, so not 0 is -1 (and not 200 is
// -201, sized to hold it) rather than the complement within a byte.
static void EvaluateNot(Node *n) {
  SetIsValue(n);
  if (!HasOperands(n, 1))
    return;
  Node *operand = Child(n, 1);
  SetIsValue(operand);
  if (!GetNodeType(operand)) {
    n->typeClass = operand->typeClass;
    n->size = operand->size;
    n->isSigned = operand->isSigned;
  }
  if (operand->kind == kNodeIntConst && operand->typeClass == kClassInteger) {
    n->isSigned = 1;
    n->size = std::min(4, SizeOfValue(-DecimalValue(NodeText(operand)) - 1));
  }
}

static bool IsUnsignedInteger(const TypeDescr *t) {
  return t && t->typeClass == kClassInteger && t->low >= 0;
}

// Without a type record to size it (-5), the negation is a 4-byte value,
// as the binary "-" is.  The negation of an unsigned value is signed and
// twice as large (up to 4 bytes), so that -65535 fits; of a signed value
// it keeps that value's type.
static void EvaluateNegate(Node *n) {
  SetIsValue(n);
  n->typeClass = kClassInteger;
  n->isSigned = 1;
  if (!HasOperands(n, 1))
    return;
  SetIsValue(Child(n, 1));
  TypeDescr *t = GetNodeType(Child(n, 1));
  if (!t)
    n->size = 4;
  else if (IsUnsignedInteger(t))
    n->size = t->size < 4 ? int32_t(t->size) * 2 : int32_t(t->size);
}

// A user-defined operator of that text turns the node into its call.
static void EvaluateOperator(Node *n) {
  if (!HasOperands(n, 2))
    return;
  Text op = NodeText(n);
  if (FindSubroutine(op, n)) {
    n->kind = kNodeCall;
    CreateNode_call(n, op);
    return;
  }
  CalcOperatorTypes(n);
}

static void EvaluateByKind(Node *n) {
  switch (n->kind) {
  case kNodeName:
  case kNodeAsm:
  case kNodeCaseBranch:
  case kNodeExit:
  case kNodeBreak:
  case kNodeContinue:
  case kNodeFieldWidth: // becomes a call of __write_width with the write
    break;
  case kNodeCaseRange:
    EvaluateCaseRange(n);
    break;
  case kNodeIf:
  case kNodeWhile:
  case kNodeRepeat:
    EvaluateCondition(n);
    break;
  case kNodeForTo:
  case kNodeForDownto:
    EvaluateFor(n);
    break;
  case kNodeCase:
    EvaluateCase(n);
    break;
  case kNodeCall:
    CreateNode_call(n, NodeText(n));
    break;
  case kNodeTypeCast:
    EvaluateTypeCast(n);
    break;
  case kNodeAssign:
    if (CheckAssignmentTarget(n))
      CalcOperatorTypes(n);
    break;
  case kNodeIndex:
    EvaluateIndex(n);
    break;
  case kNodeField:
    EvaluateField(n);
    break;
  case kNodeAddressOf:
    EvaluateAddressOf(n);
    break;
  case kNodeDeref:
    EvaluateDeref(n);
    break;
  case kNodeVarRef:
    EvaluateVarRef(n);
    break;
  case kNodeIntConst:
    EvaluateIntConst(n);
    break;
  case kNodeStringConst:
    EvaluateStringConst(n);
    break;
  case kNodeNot:
    EvaluateNot(n);
    break;
  case kNodeNegate:
    EvaluateNegate(n);
    break;
  default:
    if (IsOperatorKind(n->kind))
      EvaluateOperator(n);
    else
      ReportAtNode(n, "Internal error (20171006)");
    break;
  }
}

// ---- nodecalc, step 3: type ----------------------------------------------------------------

static void ApplyNodeType(Node *n) {
  if (TypeDescr *t = GetNodeType(n)) {
    n->typeClass = t->typeClass;
    n->size = static_cast<int32_t>(t->size);
    n->isSigned = t->low < 0;
  }
  if (n->kind == kNodeSub) {
    n->isSigned = 1;
    n->size = 4;
  }
}

void nodecalc(Node *n) {
  if (!n)
    return;
  ResolveControlStatement(n);
  ResolveName(n);
  EvaluateByKind(n);
  ApplyNodeType(n);
}

// An integer sum of values that fit the 4-byte accumulator is typed by its
// operands' sizes; a pointer sum stays a pointer, and a sum of wider values
// keeps its left operand's type.
static bool IsAccumulatorSum(const Node *n) {
  const Node *left = Child(n, 1), *right = Child(n, 2);
  return n->operandClass == kClassInteger && left && right && left->size <= 4 &&
         right->size <= 4;
}

// ---- GetNodeType -----------------------------------------------------------------------------

static TypeDescr *BaseOf(const TypeDescr *t) { return t ? t->base : nullptr; }

TypeDescr *GetNodeType(Node *n) {
  if (!n)
    return nullptr;
  TypeDescr *t = n->type; // kinds without a rule keep what they carry
  switch (n->kind) {
  case kNodeCall:
    t = n->id && n->id->subr ? n->id->subr->resultType : nullptr;
    break;
  case kNodeTypeCast: // a cast from CastTo has no ID and keeps its type
    if (n->id)
      t = n->id->type;
    break;
  case kNodeField:
  case kNodeVarRef:
    t = n->id ? n->id->type : nullptr;
    break;
  case kNodeIndex: {
    Node *array = Child(n, 1);
    t = array && array->typeClass == kClassArray ? BaseOf(GetNodeType(array)) : nullptr;
    break;
  }
  case kNodeDeref:
    t = BaseOf(GetNodeType(Child(n, 1)));
    break;
  case kNodeNot:
    t = GetNodeType(Child(n, 1));
    break;
  case kNodeNegate: // see EvaluateNegate and KeepNarrowTyping
    t = GetNodeType(Child(n, 1));
    if (IsUnsignedInteger(t) && n->type != t)
      t = nullptr;
    break;
  case kNodeAdd: // see KeepNarrowTyping
    t = IsAccumulatorSum(n) ? n->type : GetNodeType(Child(n, 1));
    break;
  case kNodeSub: // see KeepNarrowTyping
    t = IsAccumulatorSum(n) ? n->type : nullptr;
    break;
  default:
    break;
  }
  n->type = t;
  return t;
}

// ---- CalcOperatorTypes -----------------------------------------------------------------------

static int32_t OperandClassOf(int32_t a, int32_t b) {
  if (a == kClassInteger && b == kClassInteger)
    return kClassInteger;
  if (a == kClassBoolean && b == kClassBoolean)
    return kClassBoolean;
  if (a == kClassPointer && (b == kClassInteger || b == kClassPointer))
    return kClassPointer;
  if ((a == kClassChar || a == kClassString) && (b == kClassChar || b == kClassString))
    return kClassString;
  if (a == kClassRecord && b == kClassRecord)
    return kClassRecord;
  return 0;
}

// An integer sum is typed like the other arithmetic operators (2 bytes for
// two bytes, else 4), so no bits are lost where its value is used wider
// than its left operand: in writes, comparisons, arguments, indices and
// wider expressions.  Assigned to a target no larger than its left
// operand's type, though, the sum computed in that type gives the same
// bits (the arithmetic is modular), in shorter code: x := x + 1 stays an
// 8-bit increment for a byte x.  The same holds for "-", "*", "and", "or",
// "xor", "shl" (of its left operand; the count keeps its value) and the
// negation of an unsigned value, whose low bits depend only on the low bits
// of their operands.  Such a node takes its left operand's type record, as
// do the nodes of these kinds inside it whose left operand is wide enough.
// Comparisons, "div", "mod" and "shr" need every bit and stop the descent.
static bool KeepsOnlyLowBits(const Node *n) {
  if (!n)
    return false;
  switch (n->kind) {
  case kNodeAdd: case kNodeSub: case kNodeMul:
  case kNodeAnd: case kNodeOr: case kNodeXor: case kNodeShl:
    return n->operandClass == kClassInteger;
  case kNodeNegate:
    return n->typeClass == kClassInteger;
  default:
    return false;
  }
}

void KeepNarrowTyping(Node *n, int32_t targetSize) {
  if (!KeepsOnlyLowBits(n))
    return;
  KeepNarrowTyping(Child(n, 1), targetSize);
  if (n->kind != kNodeNegate && n->kind != kNodeShl)
    KeepNarrowTyping(Child(n, 2), targetSize);
  Node *left = Child(n, 1), *right = Child(n, 2);
  if (!left)
    return; // a missing operand, already reported
  TypeDescr *t = GetNodeType(left);
  // A product of two bytes keeps its 16 bits: the 8-by-8 multiply gives
  // them as cheaply as 8.
  bool bytePair = left->size == 1 && right && right->size == 1;
  if (n->kind == kNodeMul && bytePair)
    n->size = 2;
  int32_t narrowest = n->kind == kNodeMul ? std::max(targetSize, 2) : targetSize;
  if (!t || t->typeClass != kClassInteger || int64_t(t->size) < narrowest)
    return;
  n->type = t;
  n->size = int32_t(t->size);
  n->isSigned = t->low < 0;
}

// Integers, booleans, pointers, records and arrays.  An integer result is signed
// when either operand is, so a negative product stays negative.
static void ApplyScalarRules(Node *n) {
  Node *left = Child(n, 1), *right = Child(n, 2);
  if (n->kind == kNodeAssign) {
    SetIsValue(right);
    if (n->operandClass == kClassInteger)
      KeepNarrowTyping(right, left->size);
  } else if (IsArithmeticKind(n->kind)) {
    SetIsValue(left);
    SetIsValue(right);
    SetIsValue(n);
    n->typeClass = n->operandClass;
    if (n->operandClass == kClassInteger) {
      n->size = left->size == 1 && right->size == 1 ? 2 : 4;
      n->isSigned = left->isSigned || right->isSigned;
    }
  } else if (IsComparisonKind(n->kind)) {
    SetIsValue(left);
    SetIsValue(right);
    SetIsValue(n);
    n->typeClass = kClassBoolean;
    n->size = 1;
  } else {
    ReportErrorLine("error in nodecalc (20160429b)");
  }
}

// Strings and chars; these nodes become calls in the second sweep.
static void ApplyStringRules(Node *n) {
  if (n->kind == kNodeAssign) {
    n->typeClass = 0;
    n->size = 0;
  } else if (n->kind == kNodeAdd) {
    SetIsValue(n);
    n->typeClass = kClassString;
    n->size = Child(n, 1)->size + Child(n, 2)->size;
  } else if (IsComparisonKind(n->kind)) {
    SetIsValue(n);
    n->typeClass = kClassBoolean;
    n->size = 1;
  } else {
    ReportErrorLine("error in nodecalc (20160514a)");
  }
}

// One array assigned to another of the same size is copied whole, as a
// record is; arrays take part in no other operator.
static bool IsWholeArrayAssignment(const Node *n) {
  const Node *target = Child(n, 1), *value = Child(n, 2);
  return n->kind == kNodeAssign && target->typeClass == kClassArray &&
         value->typeClass == kClassArray && target->size == value->size;
}

// 'A' + 1, n - '0', b = 'x': beside an integer a character is its code.
// (An assignment keeps the types apart.)
static void UseCharCodesBesideIntegers(Node *n) {
  if (n->kind == kNodeAssign)
    return;
  Node *left = Child(n, 1), *right = Child(n, 2);
  if (left->typeClass == kClassInteger)
    UseCharCode(right);
  if (right->typeClass == kClassInteger)
    UseCharCode(left);
}

void CalcOperatorTypes(Node *n) {
  if (!HasOperands(n, 2))
    return;
  UseCharCodesBesideIntegers(n);
  int32_t a = Child(n, 1)->typeClass, b = Child(n, 2)->typeClass;
  n->operandClass = OperandClassOf(a, b);
  if (n->kind != kNodeAssign && b == kClassPointer && IsNilConstant(Child(n, 1)))
    n->operandClass = OperandClassOf(b, a); // nil = p reads as p = nil
  if (IsWholeArrayAssignment(n))
    n->operandClass = kClassArray;
  switch (n->operandClass) {
  case kClassInteger:
  case kClassBoolean:
  case kClassPointer:
  case kClassRecord:
  case kClassArray:
    ApplyScalarRules(n);
    break;
  case kClassString:
    ApplyStringRules(n);
    break;
  default:
    ReportAtNode(n, "unknown combination of types for operator (" + DecimalText(a) + "," +
                        DecimalText(b) + ")");
    break;
  }
}

// ---- SwapOperands ---------------------------------------------------------------------------

static bool IsSimpleOperand(const Node *n) {
  return n && (n->kind == kNodeIntConst || n->kind == kNodeVarRef);
}

static int32_t MirroredComparison(int32_t kind) {
  switch (kind) {
  case kNodeLess: return kNodeGreater;
  case kNodeLessEqual: return kNodeGreaterEqual;
  case kNodeGreater: return kNodeLess;
  case kNodeGreaterEqual: return kNodeLessEqual;
  default: return kind; // "=" and "<>" read the same both ways
  }
}

// The translator uses a right-hand constant or variable directly as the
// op's operand; "-", "div", "mod" and the shifts cannot be turned round.
void SwapOperands(Node *n) {
  if (n->operandClass != kClassInteger || n->childCount != 2)
    return;
  Node *left = Child(n, 1), *right = Child(n, 2);
  if (!right || !IsSimpleOperand(left) || IsSimpleOperand(right))
    return;
  bool commutative = n->kind == kNodeAdd || n->kind == kNodeMul || n->kind == kNodeAnd ||
                     n->kind == kNodeOr || n->kind == kNodeXor;
  if (!commutative && !IsComparisonKind(n->kind))
    return;
  SetChild(n, 1, right);
  SetChild(n, 2, left);
  n->kind = MirroredComparison(n->kind);
}
