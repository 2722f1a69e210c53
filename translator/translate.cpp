// Translation of subroutines and statements into uasm ops: the walk over
// the identifier tree, subroutine entry and exit, and the control-flow
// statements (if, while, repeat, for, case, exit, break, continue, asm
// text).
#include "translator/translate_internal.h"

constexpr int kMaxCaseBranches = 100;

// Constants become labels in the data list; only array constants carry
// bytes there (integer constants were folded into their uses).
static void EmitConstData(const ID *c) {
  EmitData(uasmop_label, AsmNameText(c));
  const TypeDescr *t = c->type;
  if (!c->var || !c->var->value || !t || t->typeClass != kClassArray)
    return;
  const auto *bytes = static_cast<const uint8_t *>(c->var->value);
  for (uint32_t i = 0; i < t->size; i++)
    EmitData(uasmop_defb, DecimalText(bytes[i]));
}

UasmOp *Translate() {
  Con() << "translator started:\n";
  ResetTranslator();
  ChooseRegisterCallees();
  for (ID *id = RootID(); id; id = NextIDInOrder(id)) {
    if (id->kind == kIdConst)
      EmitConstData(id);
    else if (id->kind == kIdSubr && id->subr && !id->subr->noBody && id->used)
      TranslateSubr(id);
  }
  Con() << "tmpcnt=" << TempCount() << '\n';
  AppendOps(gDataList, gCodeList);
  return gDataList;
}

// A function leaves its value in the accumulator, or, for a result too big
// for it, the address the caller passed for the result.
static void LoadFunctionResult(const SubrRec *r) {
  const TypeDescr *t = r->resultType ? r->resultType : r->result->type;
  if (t && TravelsByAddress(t->size))
    EmitIdent(uasmop_loadaddr, r->result, 4);
  else if (EmitDirectResult(r->result))
    return;
  else
    EmitIdent(uasmop_load, r->result, 4);
}

// ---- exit, break and continue ------------------------------------------------------------

static LoopExits *gInnermostLoop = nullptr;
static Text gExitLabel; // the subroutine's exit label once an exit used it

void ResetLoopExits() {
  gInnermostLoop = nullptr;
  gExitLabel.clear();
}

void EnterLoop(LoopExits &loop, const Text &continueLabel, const Text &breakLabel) {
  loop = LoopExits{continueLabel, breakLabel, false, false, gInnermostLoop};
  gInnermostLoop = &loop;
}

void LeaveLoop(const LoopExits &loop) { gInnermostLoop = loop.outer; }

// Node evaluation has reported a break or continue outside every loop.
static void TranslateLoopJump(bool isBreak) {
  LoopExits *loop = gInnermostLoop;
  if (!loop)
    return;
  (isBreak ? loop->breakUsed : loop->continueUsed) = true;
  EmitText(uasmop_jump, isBreak ? loop->breakLabel : loop->continueLabel, 0);
}

// exit(value) carries the assignment to result as its child.
static void TranslateExit(Node *n) {
  TranslateStatements(Child(n, 1));
  if (gExitLabel.empty())
    gExitLabel = NewLabel() + "exit";
  EmitText(uasmop_jump, gExitLabel, 0);
}

// ---- Subroutines -----------------------------------------------------------------------

static void TranslateBody(ID *s);
static void DropUnusedResult(ID *s);
// Under the register protocol (-O): the label after the load of the
// result, where the last assignments of a function jump with the value
// already in hl (see TranslateTailList).
static Text gResultReady;
static bool gResultReadyUsed = false;
static bool gResultNeedsLoad = true; // some way through the body reaches the end

void TranslateSubr(ID *s) {
  gTranslatingSubr = s;
  EmitIdent(uasmop_subrbegin, s, 0);
  DefineLabel(AsmNameText(s));
  EmitIdent(uasmop_enter, s, 0);
  ResetLiveTemps();
  ResetLoopExits();
  TranslateBody(s);
  DropUnusedResult(s);
  if (!gExitLabel.empty())
    DefineLabel(gExitLabel);
  if (s->subr->result && (gResultNeedsLoad || !gExitLabel.empty()))
    LoadFunctionResult(s->subr);
  if (gResultReadyUsed)
    DefineLabel(gResultReady);
  EmitText(uasmop_leave, "", 0);
  for (ID *c = s->firstChild; c; c = c->next)
    if (c->kind == kIdConst)
      EmitIdent(uasmop_localconst, c, c->type ? int32_t(c->type->size) : 0);
}

// ---- Control flow -----------------------------------------------------------------------

// A list of expressions whose values are used (a condition, a bound, a
// selector): unlike a statement, a call there keeps its value.
static void TranslateValues(Node *list) {
  for (Node *n = list; n; n = n->next) {
    EmitSrcLine(n);
    TranslateExpr(n);
  }
}

// The condition (a one-node list), then a jump to label when it is false.
static void JumpUnless(Node *condition, const Text &label) {
  if (EmitDirectJump(condition, label, false))
    return;
  TranslateValues(condition);
  EmitText(uasmop_jumpfalse, label, 0);
}

// if C then A [else B]
static void TranslateIf(Node *n) {
  Text l = NewLabel();
  if (!Child(n, 3)) {
    JumpUnless(Child(n, 1), l + "end");
    TranslateStatements(Child(n, 2));
    DefineLabel(l + "end");
    return;
  }
  JumpUnless(Child(n, 1), l + "else");
  TranslateStatements(Child(n, 2));
  EmitText(uasmop_jump, l + "end", 0);
  DefineLabel(l + "else");
  TranslateStatements(Child(n, 3));
  DefineLabel(l + "end");
}

// while C do A; continue goes to the test, break past the loop.
static void TranslateWhile(Node *n) {
  if (TranslateDirectWhile(n))
    return;
  Text l = NewLabel();
  DefineLabel(l);
  JumpUnless(Child(n, 1), l + "end");
  LoopExits loop;
  EnterLoop(loop, l, l + "end");
  TranslateStatements(Child(n, 2));
  LeaveLoop(loop);
  EmitText(uasmop_jump, l, 0);
  DefineLabel(l + "end");
}

// repeat A until C; continue goes to the test, break past the loop.
static void TranslateRepeat(Node *n) {
  Text l = NewLabel();
  DefineLabel(l);
  LoopExits loop;
  EnterLoop(loop, l + "cont", l + "end");
  TranslateStatements(Child(n, 2));
  LeaveLoop(loop);
  if (loop.continueUsed)
    DefineLabel(l + "cont");
  JumpUnless(Child(n, 1), l);
  if (loop.breakUsed)
    DefineLabel(l + "end");
}

// A one-character string constant where a char is wanted (a case label, a
// bound of a for loop over a char, a char argument) stands for its
// character code.
void LoadCharLiteral(const Node *n) {
  auto code = static_cast<unsigned char>(NodeText(n)[0]);
  EmitText(uasmop_load, DecimalText(code), 1);
}

// A for-loop bound is a one-node list.
static void TranslateForBound(Node *bound) {
  if (IsCharLiteral(bound)) {
    EmitSrcLine(bound);
    LoadCharLiteral(bound);
    return;
  }
  TranslateValues(bound);
}

// A load of the control variable carries its signedness, so that the
// comparisons with the end value are signed for a signed variable.
static void LoadControlVariable(ID *v, int32_t size) {
  UasmOp *op = EmitIdent(uasmop_load, v, size);
  op->isSigned = v && v->type && v->type->low < 0;
  SetExtension(op);
}

// for V := S to|downto E do A.  The end value is computed once, after the
// start value is stored; the test for the last pass is "V = E", so the
// variable never steps beyond the end value.
static void TranslateFor(Node *n) {
  LoopExits directLoop;
  if (TranslateDirectFor(n, directLoop))
    return;
  bool up = n->kind == kNodeForTo;
  Text l = NewLabel();
  ID *v = n->id;
  int32_t s = v && v->type ? int32_t(v->type->size) : 0;
  TranslateForBound(Child(n, 1));
  EmitIdent(uasmop_store, v, s);
  TranslateForBound(Child(n, 2));
  ID *t = SaveTempFor(s, v && v->type && v->type->low < 0);
  LoadControlVariable(v, s);
  EmitIdent(up ? uasmop_cmple : uasmop_cmpge, t, s);
  EmitText(uasmop_jumpfalse, l + "end", 0);
  EmitText(uasmop_jump, l + "first", 0);
  DefineLabel(l + "loop");
  LoadControlVariable(v, s);
  EmitText(up ? uasmop_add : uasmop_sub, "1", s);
  EmitIdent(uasmop_store, v, s);
  DefineLabel(l + "first");
  LoopExits loop;
  EnterLoop(loop, l + "next", l + "end");
  TranslateStatements(Child(n, 3));
  LeaveLoop(loop);
  if (loop.continueUsed)
    DefineLabel(l + "next");
  LoadControlVariable(v, s);
  EmitIdent(uasmop_cmpeq, t, s);
  EmitText(uasmop_jumpfalse, l + "loop", 0);
  ReleaseTemp(t);
  DefineLabel(l + "end");
}

// Returns the size of the value the label left in the accumulator.
static int32_t TranslateCaseLabel(Node *label) {
  if (IsCharLiteral(label)) {
    LoadCharLiteral(label);
    return 1;
  }
  TranslateExpr(label);
  return label->size;
}

// Compares the label's value (left) with the saved selector t (right).
static void CompareCaseLabel(Node *label, int32_t code, ID *t) {
  int32_t labelSize = TranslateCaseLabel(label);
  int32_t size = int32_t(t->type->size);
  EmitIdent(code, t, labelSize > size ? labelSize : size);
}

// A single label jumps to its branch when it equals the selector; a range
// lo..hi when lo <= selector and not hi < selector.
static void TranslateCaseLabelTest(Node *label, ID *t, const Text &branch) {
  if (label->kind != kNodeCaseRange) {
    CompareCaseLabel(label, uasmop_cmpne, t);
    EmitText(uasmop_jumpfalse, branch, 0);
    return;
  }
  if (!Child(label, 1) || !Child(label, 2))
    return; // a bound the parser could not read was reported there
  Text skip = NewLabel();
  CompareCaseLabel(Child(label, 1), uasmop_cmple, t);
  EmitText(uasmop_jumpfalse, skip, 0);
  CompareCaseLabel(Child(label, 2), uasmop_cmplt, t);
  EmitText(uasmop_jumpfalse, branch, 0);
  DefineLabel(skip);
}

static int CountCaseBranches(const Node *branch) {
  int count = 0;
  for (; branch; branch = branch->next)
    if (++count > kMaxCaseBranches)
      RunTimeStop(kStopLimit, "more than 100 branches in one case statement");
  return count;
}

// case S of L1, L2: A; ... else B end.  Each label is compared with the
// saved selector in turn; the first that matches jumps to its branch.
static void TranslateCase(Node *n) {
  Text l = NewLabel();
  Node *selector = Child(n, 1);
  TranslateValues(selector);
  ID *t = SaveTempFor(selector ? selector->size : 0, selector && selector->isSigned);
  Node *branches = Child(n, 2);
  CountCaseBranches(branches);
  int j = 1;
  for (Node *b = branches; b; b = b->next, j++)
    for (Node *label = Child(b, 1); label; label = label->next)
      TranslateCaseLabelTest(label, t, l + "_" + DecimalText(j));
  EmitText(uasmop_jump, l + "_else", 0);
  j = 1;
  for (Node *b = branches; b; b = b->next, j++) {
    DefineLabel(l + "_" + DecimalText(j));
    TranslateStatements(Child(b, 2));
    EmitText(uasmop_jump, l + "_end", 0);
  }
  DefineLabel(l + "_else");
  TranslateStatements(Child(n, 3));
  DefineLabel(l + "_end");
  ReleaseTemp(t);
}

static void TranslateStatement(Node *n) {
  EmitSrcLine(n);
  switch (n->kind) {
  case kNodeIf: TranslateIf(n); break;
  case kNodeWhile: TranslateWhile(n); break;
  case kNodeRepeat: TranslateRepeat(n); break;
  case kNodeForTo: case kNodeForDownto: TranslateFor(n); break;
  case kNodeAsm: EmitText(uasmop_asmline, NodeText(n), 0); break;
  case kNodeCase: TranslateCase(n); break;
  case kNodeExit: TranslateExit(n); break;
  case kNodeBreak: TranslateLoopJump(true); break;
  case kNodeContinue: TranslateLoopJump(false); break;
  default:
    if (!EmitDirectStatement(n))
      TranslateExpr(n);
    break;
  }
}

void TranslateStatements(Node *list) {
  for (Node *n = list; n; n = n->next)
    TranslateStatement(n);
}

// ---- Results left in hl (-O) ------------------------------------------------------

// Under the register protocol, the last statement of a function that
// assigns its result (also at the end of both branches of a final if)
// leaves the value in hl and jumps past the load of the result variable.

static bool TranslateTailList(Node *list);
static int gTailAssignments = 0;

// Returns whether every way through the statement ends in such a jump.
static bool TranslateTailStatement(Node *n) {
  if (n->kind == kNodeAssign) {
    EmitSrcLine(n);
    if (EmitDirectTail(n, gTranslatingSubr->subr->result, gResultReady)) {
      gResultReadyUsed = true;
      gTailAssignments++;
      return true;
    }
    if (!EmitDirectStatement(n))
      TranslateExpr(n);
    return false;
  }
  if (n->kind != kNodeIf || !Child(n, 3)) {
    TranslateStatement(n);
    return false;
  }
  EmitSrcLine(n);
  Text l = NewLabel();
  JumpUnless(Child(n, 1), l + "else");
  bool thenEnds = TranslateTailList(Child(n, 2));
  if (!thenEnds)
    EmitText(uasmop_jump, l + "end", 0);
  DefineLabel(l + "else");
  bool elseEnds = TranslateTailList(Child(n, 3));
  DefineLabel(l + "end");
  return thenEnds && elseEnds;
}

static bool TranslateTailList(Node *list) {
  for (Node *n = list; n; n = n->next) {
    if (!n->next)
      return TranslateTailStatement(n);
    TranslateStatement(n);
  }
  return false;
}

static int CountReferences(const Node *n, const ID *v) {
  int count = 0;
  for (; n; n = n->next) {
    if (n->kind == kNodeVarRef && n->id == v)
      count++;
    for (int i = 1; i <= n->childCount; i++)
      count += CountReferences(Child(n, i), v);
  }
  return count;
}

static void TranslateBody(ID *s) {
  gResultReady.clear();
  gResultReadyUsed = false;
  gResultNeedsLoad = true;
  if (!ResultsLeftInHL(s)) {
    TranslateStatements(s->subr->body);
    return;
  }
  gResultReady = NewLabel() + "ready";
  gTailAssignments = 0;
  gResultNeedsLoad = !TranslateTailList(s->subr->body);
}

// A result variable that only the last assignments name, in a body that
// no exit leaves, is never read or written: it needs no room in the frame.
static void DropUnusedResult(ID *s) {
  ID *result = s->subr->result;
  if (gResultReadyUsed && !gResultNeedsLoad && gExitLabel.empty() && result && result->var &&
      CountReferences(s->subr->body, result) == gTailAssignments)
    result->var->flags |= kVarFixedAddress;
}
