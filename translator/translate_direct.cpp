// Under -O, statements and conditions that the code generator compiles
// straight from their node trees (see codegen_z80/direct.h) travel as one
// op carrying the node; everything else is translated as always.  A for
// loop over a byte or word variable is built from such ops too, with the
// nodes of its steps made here.
#include "codegen_z80/direct.h"
#include "translator/translate_internal.h"

bool EmitDirectStatement(Node *n) {
  if (!gOptions.optimize || !CG_UseRule("direct-statement", false) ||
      !CG_DirectStatement(nullptr, n))
    return false;
  CG_UseRule("direct-statement");
  EmitText(uasmop_direct, "", 0)->node = n;
  return true;
}

// A condition list of one node whose value decides a jump.
bool EmitDirectJump(Node *condition, const Text &label, bool whenTrue) {
  if (!gOptions.optimize || !condition || condition->next ||
      !CG_UseRule("direct-condition", false) ||
      !CG_DirectJump(nullptr, condition, label, whenTrue))
    return false;
  CG_UseRule("direct-condition");
  EmitSrcLine(condition);
  EmitText(uasmop_directjump, label, whenTrue ? 1 : 0)->node = condition;
  return true;
}

// ---- Nodes of a for loop's steps ---------------------------------------------------

static void TypeNode(Node *n, const TypeDescr *t, int32_t typeClass) {
  n->typeClass = typeClass;
  n->size = int32_t(t->size);
  n->isSigned = t->low < 0;
  n->operandClass = kClassInteger;
  n->isValue = 1;
}

static Node *VarNode(ID *v) {
  Node *n = CreateNode(kNodeVarRef, 0);
  n->id = v;
  n->type = v->type;
  TypeNode(n, v->type, v->type->typeClass);
  return n;
}

static Node *ConstantNode(int64_t value, const TypeDescr *t) {
  Node *n = CreateNodeText(kNodeIntConst, 0, nullptr, nullptr, nullptr, DecimalText(value));
  TypeNode(n, t, kClassInteger);
  return n;
}

static Node *BinaryNode(int32_t kind, Node *a, Node *b, const TypeDescr *t, int32_t typeClass) {
  Node *n = CreateNode(kind, 2, a, b);
  TypeNode(n, t, typeClass);
  if (typeClass == kClassBoolean)
    n->size = 1;
  return n;
}

static Node *AssignNode(ID *v, Node *value) {
  return BinaryNode(kNodeAssign, VarNode(v), value, v->type, v->type->typeClass);
}

// A constant end value as the loop variable's own type holds it.
static int64_t AsTypeHolds(int64_t value, const TypeDescr *t) {
  int bits = 8 * int(t->size);
  value &= (int64_t(1) << bits) - 1;
  if (t->low < 0 && value >= (int64_t(1) << (bits - 1)))
    value -= int64_t(1) << bits;
  return value;
}

static bool IsLoopVariable(const ID *v) {
  const TypeDescr *t = v ? v->type : nullptr;
  return t && v->kind == kIdVar && v->var && (t->size == 1 || t->size == 2) &&
         (t->typeClass == kClassInteger || t->typeClass == kClassChar ||
          t->typeClass == kClassBoolean);
}

struct ForSteps {
  Node *first, *saveEnd, *enter, *step, *again;
  bool entersSurely; // constant bounds the right way round
};

// v := start; [t := end;] enter when v <= t (>= for downto); after each
// pass leave when v = t, else v := v + 1 (- 1).
static bool MakeForSteps(Node *n, ForSteps &s) {
  ID *v = n->id;
  Node *start = Child(n, 1), *end = Child(n, 2);
  if (!IsLoopVariable(v) || !start || !end || start->next || end->next)
    return false;
  const TypeDescr *t = v->type;
  bool up = n->kind == kNodeForTo;
  s.first = AssignNode(v, start);
  s.saveEnd = nullptr;
  Node *endValue;
  int64_t k;
  if (D_Constant(end, k)) {
    endValue = ConstantNode(AsTypeHolds(k, t), t);
  } else {
    ID *temp = NewTemp(const_cast<TypeDescr *>(t));
    s.saveEnd = AssignNode(temp, end);
    endValue = VarNode(temp);
  }
  int64_t k0;
  s.entersSurely = !s.saveEnd && D_Constant(start, k0) &&
                   (up ? AsTypeHolds(k0, t) <= AsTypeHolds(k, t)
                       : AsTypeHolds(k0, t) >= AsTypeHolds(k, t));
  s.enter = BinaryNode(up ? kNodeLessEqual : kNodeGreaterEqual, VarNode(v), endValue, t,
                       kClassBoolean);
  s.step = AssignNode(v, BinaryNode(up ? kNodeAdd : kNodeSub, VarNode(v), ConstantNode(1, t), t,
                                    kClassInteger));
  s.again = BinaryNode(kNodeNotEqual, VarNode(v), endValue, t, kClassBoolean);
  return CG_DirectStatement(nullptr, s.first) &&
         (!s.saveEnd || CG_DirectStatement(nullptr, s.saveEnd)) &&
         CG_DirectJump(nullptr, s.enter, "", false) && CG_DirectStatement(nullptr, s.step) &&
         CG_DirectJump(nullptr, s.again, "", true);
}

static void EmitStep(Node *n) { EmitText(uasmop_direct, "", 0)->node = n; }

static void EmitJumpStep(Node *n, const Text &label, bool whenTrue) {
  EmitText(uasmop_directjump, label, whenTrue ? 1 : 0)->node = n;
}

// A function on the register protocol whose result the direct code loads
// into hl can have its last assignments leave the value there.
bool ResultsLeftInHL(const ID *s) {
  const SubrRec *r = s->subr;
  return gOptions.optimize && UsesRegisterProtocol(s) && r->result && r->resultType &&
         r->resultType->size <= 2 && CG_UseRule("direct-statement", false) &&
         CG_DirectStatement(nullptr, VarNode(r->result));
}

// result := E as the last thing a function does: E, as the result's type
// holds it, into hl and a jump to where the result is ready.
bool EmitDirectTail(Node *assign, ID *result, const Text &ready) {
  Node *target = Child(assign, 1), *value = Child(assign, 2);
  if (!target || !value || target->kind != kNodeVarRef || target->id != result)
    return false;
  Node *cast = CreateNode(kNodeTypeCast, 1, value);
  cast->type = result->type;
  TypeNode(cast, result->type, result->type->typeClass);
  cast->operandClass = result->type->typeClass;
  if (!CG_DirectStatement(nullptr, cast))
    return false;
  CG_UseRule("direct-statement");
  EmitText(uasmop_direct, "", 0)->node = cast;
  EmitText(uasmop_jump, ready, 0);
  return true;
}

// while C do A with a direct condition: the test at the bottom, entered
// by a jump, so each pass makes one conditional jump back.
bool TranslateDirectWhile(Node *n) {
  Node *condition = Child(n, 1);
  if (!gOptions.optimize || !condition || condition->next || !CG_UseRule("direct-condition", false) ||
      !CG_DirectJump(nullptr, condition, "", true))
    return false;
  Text l = NewLabel();
  EmitText(uasmop_jump, l, 0);
  DefineLabel(l + "body");
  LoopExits loop;
  EnterLoop(loop, l, l + "end");
  TranslateStatements(Child(n, 2));
  LeaveLoop(loop);
  DefineLabel(l);
  EmitDirectJump(condition, l + "body", true);
  if (loop.breakUsed)
    DefineLabel(l + "end");
  return true;
}

// A function's value into the accumulator, as the general code leaves it.
bool EmitDirectResult(ID *result) {
  if (!gOptions.optimize || !result || !result->type || result->type->size > 2 ||
      !CG_UseRule("direct-statement", false) || !CG_DirectStatement(nullptr, VarNode(result)))
    return false;
  CG_UseRule("direct-statement");
  EmitText(uasmop_direct, "", 0)->node = VarNode(result);
  return true;
}

// What a counted loop's body may not hold: a mention of the loop's
// variable, a call (which might read it), an asm block, or a jump out of
// the loop.
static bool LeavesCounterAlone(const Node *n, const ID *v) {
  for (; n; n = n->next) {
    if ((n->kind == kNodeVarRef && n->id == v) || n->kind == kNodeCall || n->kind == kNodeAsm ||
        n->kind == kNodeBreak || n->kind == kNodeContinue || n->kind == kNodeExit)
      return false;
    for (int i = 1; i <= n->childCount; i++)
      if (!LeavesCounterAlone(Child(n, i), v))
        return false;
  }
  return true;
}

// for v := a to b do S with constant bounds and a body that never looks at
// v: the passes are counted in b (kept on the stack while S runs) and v is
// given its last value once, after the loop.
static bool TranslateCountedFor(Node *n, const ForSteps &s) {
  ID *v = n->id;
  int64_t first, last;
  if (!s.entersSurely || !CG_UseRule("counted-loop", false) ||
      !D_Constant(Child(n, 1), first) || !D_Constant(Child(n, 2), last) ||
      !LeavesCounterAlone(Child(n, 3), v))
    return false;
  int64_t count = (n->kind == kNodeForTo ? AsTypeHolds(last, v->type) - AsTypeHolds(first, v->type)
                                         : AsTypeHolds(first, v->type) - AsTypeHolds(last, v->type)) +
                  1;
  if (count < 1 || count > 256)
    return false;
  CG_UseRule("counted-loop");
  Text l = NewLabel();
  EmitText(uasmop_asmline, "ld b," + DecimalText(count & 255), 0);
  DefineLabel(l + "loop");
  EmitText(uasmop_asmline, "push bc", 0);
  TranslateStatements(Child(n, 3));
  EmitText(uasmop_asmline, "pop bc", 0);
  EmitText(uasmop_asmline, "dec b", 0);
  EmitText(uasmop_asmline, "jp nz," + l + "loop", 0);
  EmitStep(AssignNode(v, Child(n, 2)));
  return true;
}

bool TranslateDirectFor(Node *n, LoopExits &loop) {
  ForSteps s;
  if (!gOptions.optimize || !CG_UseRule("direct-for", false) || !MakeForSteps(n, s))
    return false;
  if (TranslateCountedFor(n, s))
    return true;
  CG_UseRule("direct-for");
  Text l = NewLabel();
  EmitStep(s.first);
  if (s.saveEnd)
    EmitStep(s.saveEnd);
  if (!s.entersSurely)
    EmitJumpStep(s.enter, l + "end", false);
  EmitText(uasmop_jump, l + "first", 0);
  DefineLabel(l + "loop");
  EmitStep(s.step);
  DefineLabel(l + "first");
  EnterLoop(loop, l + "next", l + "end");
  TranslateStatements(Child(n, 3));
  LeaveLoop(loop);
  if (loop.continueUsed)
    DefineLabel(l + "next");
  EmitJumpStep(s.again, l + "loop", true);
  DefineLabel(l + "end");
  return true;
}
