// Built-in routines and string operators become calls of run-time routines
// written in the source language ("__write", "__write_width",
// "__write_crlf", "__getmem", "str_assign", "str_add", "str_cmp"); the
// compiler knows only their names.  sizeof becomes a constant.
#include "semantic/semantic.h"

static Node *NewCall(const Text &name, Node *argument) {
  Node *call = CreateNode(kNodeCall, argument ? 1 : 0, argument);
  SetNodeText(call, name);
  return call;
}

static Node *NewEvaluatedConstant(const Text &digits) {
  Node *c = CreateNode(kNodeIntConst, 0);
  SetNodeText(c, digits);
  nodecalc(c);
  return c;
}

// The width of "value : width" is passed as a longint whatever its type,
// so that only the value's type chooses among the __write_width overloads.
static Node *NewWidthCall(Node *fieldWidth) {
  Node *value = Child(fieldWidth, 1), *width = Child(fieldWidth, 2);
  if (width && width->typeClass != kClassInteger)
    ReportAtNode(width, "field width is no integer");
  const ID *longint = FindIDFrom(RootID(), "longint");
  Node *call = CreateNode(kNodeCall, 2, value,
                          MadeCast(width, longint ? longint->type : nullptr));
  SetNodeText(call, "__write_width");
  return call;
}

// write(a, b) is the statements __write(a); __write(b), writeln adds
// __write_crlf; an argument with a field width, a : w, becomes
// __write_width(a, w).  read and readln likewise call __read per argument
// and __read_ln.  They follow the emptied node, which is left as an asm
// line without text, and the sweep reaches them next as ordinary
// statements.
static void RewriteTransfer(Node *n, const char *each, const char *lineEnd) {
  bool writing = Text(each) == "__write";
  Node *calls = nullptr;
  for (int i = 1; i <= n->childCount && i <= kMaxChildren; i++) {
    Node *arg = Child(n, i);
    if (writing && arg && arg->kind == kNodeFieldWidth)
      AppendNode(calls, NewWidthCall(arg));
    else
      AppendNode(calls, NewCall(each, arg));
  }
  if (lineEnd)
    AppendNode(calls, NewCall(lineEnd, nullptr));
  if (calls) {
    Node *last = calls;
    while (last->next)
      last = last->next;
    last->next = n->next;
    n->next = calls;
  }
  n->kind = kNodeAsm;
  n->text = nullptr;
  for (int i = 1; i <= kMaxChildren; i++)
    SetChild(n, i, nullptr);
  n->childCount = 0;
}

// new(p) asks for as many bytes as p's target type takes.  An untyped
// pointer (or anything else) has no size to ask for: reported, and the
// call asks for nothing.
static void RewriteNew(Node *n) {
  TypeDescr *t = GetNodeType(Child(n, 1));
  int64_t size = 0;
  if (t && t->typeClass == kClassPointer && t->base)
    size = t->base->size;
  else if (t)
    ReportAtNode(n, "new needs a typed pointer");
  SetChild(n, 2, NewEvaluatedConstant(DecimalText(size)));
  n->childCount = 2;
  SetNodeText(n, "__getmem");
}

bool IsBuiltinSizeof(const Node *n) {
  return n->kind == kNodeName && n->childCount == 1 && NodeText(n) == "sizeof" &&
         !FindID("sizeof");
}

// The size in bytes of a type named alone, else of the variable or
// expression's type (its value is never computed).
static int64_t SizeOfArgument(Node *arg) {
  if (arg->kind == kNodeName && arg->childCount == 0) {
    const ID *named = FindID(NodeText(arg));
    if (named && named->kind == kIdType)
      return named->type ? named->type->size : 0;
  }
  EvaluateExpression(arg);
  const TypeDescr *t = GetNodeType(arg);
  return t ? t->size : arg->size;
}

// sizeof(x) becomes the integer constant it stands for.
static void RewriteSizeof(Node *n) {
  int64_t size = Child(n, 1) ? SizeOfArgument(Child(n, 1)) : 0;
  SetChild(n, 1, nullptr);
  n->childCount = 0;
  n->kind = kNodeIntConst;
  SetNodeText(n, DecimalText(size));
}

// The Spectrum's keyboard is read by the ROM's editor, which a program
// cannot share with BASIC: the zx target has no console input.
static void RewriteRead(Node *n, const Text &name) {
  if (gOptions.target == kTargetZx)
    ReportAtNode(n, name + " is not supported on the zx target (it has no console input)");
  RewriteTransfer(n, "__read", name == "readln" ? "__read_ln" : nullptr);
}

// Only a name or a call can be a built-in routine: a string constant 'new'
// has the same text and stays what it is.  read and readln are console
// input unless the program declares routines of that name, which then stay
// ordinary calls.
void RewriteBuiltins(Node *n) {
  if (n->kind != kNodeName && n->kind != kNodeCall)
    return;
  Text name = NodeText(n);
  if (name == "write" || name == "writeln")
    RewriteTransfer(n, "__write", name == "writeln" ? "__write_crlf" : nullptr);
  else if ((name == "read" || name == "readln") && !FindID(name))
    RewriteRead(n, name);
  else if (name == "new")
    RewriteNew(n);
  else if (IsBuiltinSizeof(n))
    RewriteSizeof(n);
}

// The code str_cmp receives for each comparison.
static const char *ComparisonCode(int32_t kind) {
  switch (kind) {
  case kNodeLess: return "1";
  case kNodeEqual: return "2";
  case kNodeLessEqual: return "3";
  case kNodeGreater: return "4";
  case kNodeNotEqual: return "5";
  default: return "6"; // ">="
  }
}

// s := t, s + t and s < t become str_assign(s, t), str_add(s, t) and
// str_cmp(s, t, 1); chars count as strings here.
void RewriteStringOps(Node *n) {
  if (n->operandClass != kClassString)
    return;
  Text routine;
  if (n->kind == kNodeAssign) {
    routine = "str_assign";
  } else if (n->kind == kNodeAdd) {
    routine = "str_add";
  } else if (n->kind >= kNodeLess && n->kind <= kNodeNotEqual) {
    SetChild(n, 3, NewEvaluatedConstant(ComparisonCode(n->kind)));
    n->childCount = 3;
    routine = "str_cmp";
  } else {
    return;
  }
  n->kind = kNodeCall;
  SetNodeText(n, routine);
  nodecalc(n);
}
