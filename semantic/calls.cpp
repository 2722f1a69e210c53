// Calls: overload resolution by a numeric score per argument, the binding
// of a call node to its subroutine, and the implicit casts of its arguments.
#include "semantic/semantic.h"

// ---- TypeScore --------------------------------------------------------------------------

static bool IsSignedType(const TypeDescr *t) { return t->low < 0; }

// Integer to integer: widening costs a little, narrowing a lot, and a change
// of signedness almost everything.
static int IntegerScore(const TypeDescr *x, const TypeDescr *y) {
  int score = 50;
  uint32_t from = x->size, to = y->size;
  if (from == 1 && to == 2) score = 45;
  if (from == 2 && to == 4) score = 45;
  if (from == 1 && to == 4) score = 40;
  if (from == 4 && to == 2) score = 25;
  if (from == 2 && to == 1) score = 25;
  if (from == 4 && to == 1) score = 20;
  if (IsSignedType(x) && !IsSignedType(y))
    score = 1;
  if (!IsSignedType(x) && IsSignedType(y))
    score = to > from ? 3 : 1;
  return score;
}

// Each rule that applies replaces the score of the rules before it.
int TypeScore(const TypeDescr *x, const TypeDescr *y) {
  if (!x || !y)
    return 0;
  int a = x->typeClass, b = y->typeClass;
  int score = 0;
  if (a == kClassString && b == kClassString) score = 50;
  if (a == kClassChar && b == kClassChar) score = 50;
  if (a == kClassChar && b == kClassString) score = 45;
  if (a == kClassBoolean && b == kClassBoolean) score = 50;
  if (a == b && x->size == y->size) score = 50;
  if (a == kClassInteger && b == kClassInteger) score = IntegerScore(x, y);
  if (a == kClassFile && b == kClassFile) score = 50;
  if (a == kClassPointer && b == kClassPointer) score = 50;
  if (b == kClassUntyped) score = 50;
  return score;
}

// ---- FindSubroutine ------------------------------------------------------------------------

// Without a type record (literals, most operator results) an argument counts
// as a 4-byte value of its class.
static const TypeDescr *ArgumentType(Node *arg, TypeDescr &madeUp) {
  if (TypeDescr *t = GetNodeType(arg))
    return t;
  madeUp = TypeDescr{};
  madeUp.typeClass = arg->typeClass;
  madeUp.size = 4;
  madeUp.low = arg->isSigned ? -1 : 1;
  return &madeUp;
}

// A one-character literal also fits a char parameter, a little worse than a
// string parameter, so that a routine overloaded for both keeps taking the
// literal as a string.
constexpr int kCharLiteralForCharScore = 45;

static int ArgumentScore(Node *arg, const TypeDescr *p) {
  if (IsCharLiteral(arg) && p->typeClass == kClassChar)
    return kCharLiteralForCharScore;
  if (IsNilConstant(arg) && p->typeClass == kClassPointer)
    return 50; // nil is a pointer of every type
  TypeDescr madeUp;
  return TypeScore(ArgumentType(arg, madeUp), p);
}

// The worst-fitting argument decides; a "var" parameter takes only a
// perfect fit.
static int CandidateScore(const SubrRec *s, Node *call) {
  int score = 50;
  for (int i = 1; i <= s->paramCount; i++) {
    const TypeDescr *p = s->paramTypes[i - 1];
    Node *arg = Child(call, i);
    int argScore = 0;
    if (!p) {
      ReportAtNode(call, "internal error 20180123");
    } else if (arg) {
      argScore = ArgumentScore(arg, p);
    }
    if (s->paramModes[i - 1] == kModeVar && argScore != 50)
      argScore = 0;
    if (argScore < score)
      score = argScore;
  }
  return score;
}

// Every visible subroutine of that name and argument count is a candidate,
// met in look-up order (inner and later declarations first); names of other
// kinds are passed over.  An operator text that no declaration uses costs
// no walk at all.  The first candidate that beats every earlier score
// wins, and a score of 0 never does.
ID *FindSubroutine(const Text &name, Node *call) {
  ID *best = nullptr;
  int bestScore = 0;
  VisibleCursor c;
  StartVisible(c, gCurrentScope, name);
  while (ID *at = NextVisible(c)) {
    if (at->kind != kIdSubr || !at->subr || !NameIs(at, name) ||
        at->subr->paramCount != call->childCount)
      continue;
    int score = CandidateScore(at->subr, call);
    if (score > bestScore) {
      best = at;
      bestScore = score;
    }
  }
  return best;
}

// ---- CastTo and CreateNode_call ---------------------------------------------------------------

Node *CastTo(Node *n, TypeDescr *t) {
  if (!n || !t)
    return n;
  bool sameShape = n->typeClass == t->typeClass && int64_t(n->size) == int64_t(t->size);
  bool bothStrings = n->typeClass == kClassString && t->typeClass == kClassString;
  if (sameShape || bothStrings || t->typeClass == kClassUntyped)
    return n;
  return MadeCast(n, t);
}

Node *MadeCast(Node *n, TypeDescr *t) {
  if (!n || !t)
    return n;
  Node *cast = CreateNode(kNodeTypeCast, 1, n);
  cast->type = t;
  cast->typeClass = t->typeClass;
  cast->size = static_cast<int32_t>(t->size);
  cast->position = n->position;
  return cast;
}

// A 1- or 2-byte integer value parameter keeps only that many bytes of its
// argument, as an assignment to such a variable does.
static void NarrowValueArgument(Node *arg, const TypeDescr *t) {
  if (t && t->typeClass == kClassInteger && t->size <= 2 && arg->operandClass == kClassInteger)
    KeepNarrowTyping(arg, int32_t(t->size));
}

// A call bound a second time (write arguments are evaluated again) may find
// its argument inside the cast the first binding made; the value mark then
// belongs to the node inside, as it did the first time.
static void BindArguments(Node *n, const SubrRec *s) {
  for (int i = 1; i <= n->childCount && i <= s->paramCount; i++) {
    Node *arg = Child(n, i);
    switch (s->paramModes[i - 1]) {
    case kModeValue:
      SetIsValue(IsMadeCast(arg) ? Child(arg, 1) : arg);
      NarrowValueArgument(IsMadeCast(arg) ? Child(arg, 1) : arg, s->paramTypes[i - 1]);
      SetChild(n, i, CastTo(arg, s->paramTypes[i - 1]));
      break;
    case kModeVar:
      if (arg->isValue)
        ReportAtNode(n, "error in expression (var_arg)");
      break;
    case kModeConst:
      SetChild(n, i, CastTo(arg, s->paramTypes[i - 1]));
      break;
    default:
      break;
    }
  }
}

void CreateNode_call(Node *n, const Text &name) {
  if (name.empty())
    ReportAtNode(n, "empty name in CreateNode_call()");
  if (!HasOperands(n, n->childCount))
    return;
  ID *s = FindSubroutine(name, n);
  if (!s) {
    ReportAtNode(n, "Subroutine \"" + name + "\" not found.");
    return;
  }
  n->id = s;
  BindArguments(n, s->subr);
}
