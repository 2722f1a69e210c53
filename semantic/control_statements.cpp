// exit, break and continue: statements only where the program declares
// nothing of that name, and break and continue only inside a loop;
// exit(value) in a function sets its result first.
#include "semantic/semantic.h"

static bool IsControlStatement(const Node *n) {
  return n->kind == kNodeExit || n->kind == kNodeBreak || n->kind == kNodeContinue;
}

void ResolveControlStatement(Node *n) {
  if (IsControlStatement(n) && FindID(NodeText(n)))
    n->kind = kNodeName;
}

void ExitValueToResult(Node *n) {
  if (n->kind != kNodeExit || n->childCount != 1 || !Child(n, 1) ||
      Child(n, 1)->kind == kNodeAssign)
    return;
  Node *value = Child(n, 1);
  const SubrRec *s = gCurrentScope ? gCurrentScope->subr : nullptr;
  if (!s || !s->result) {
    ReportAtNode(n, "exit with a value outside a function");
    return;
  }
  Node *result = CreateNodeText(kNodeName, 0, nullptr, nullptr, nullptr, "result");
  result->position = n->position;
  Node *assign = CreateNode(kNodeAssign, 2, result, value);
  assign->position = value->position;
  SetChild(n, 1, assign);
  EvaluateExpression(assign);
}

static bool IsLoop(const Node *n) {
  return n->kind == kNodeWhile || n->kind == kNodeRepeat || n->kind == kNodeForTo ||
         n->kind == kNodeForDownto;
}

// Walks the list and the statements nested in it (loop bodies, branches
// of if and case); conditions and other expressions hold no statements.
void CheckLoopStatements(const Node *list, int loopDepth) {
  for (const Node *n = list; n; n = n->next) {
    if ((n->kind == kNodeBreak || n->kind == kNodeContinue) && loopDepth == 0)
      ReportAtNode(n, NodeText(n) + " outside a loop");
    int inner = IsLoop(n) ? loopDepth + 1 : loopDepth;
    switch (n->kind) {
    case kNodeIf:
      CheckLoopStatements(Child(n, 2), loopDepth);
      CheckLoopStatements(Child(n, 3), loopDepth);
      break;
    case kNodeWhile:
    case kNodeRepeat:
      CheckLoopStatements(Child(n, 2), inner);
      break;
    case kNodeForTo:
    case kNodeForDownto:
      CheckLoopStatements(Child(n, 3), inner);
      break;
    case kNodeCase:
      for (const Node *b = Child(n, 2); b; b = b->next)
        CheckLoopStatements(Child(b, 2), loopDepth);
      CheckLoopStatements(Child(n, 3), loopDepth);
      break;
    default:
      break;
    }
  }
}
