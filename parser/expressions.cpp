// Expressions by precedence climbing over four priority levels.  Names are
// not looked up here: they become name nodes that node evaluation resolves
// (all but a function's own name inside it, see ResolveOwnFunctionName).
#include "parser/parser.h"

// A token's priority: the last of the four lists that holds it wins.
uint8_t OperatorPriority(const Text &token) {
  Text probe = " " + token + " ";
  uint8_t priority = 0;
  if (Text(" not @ ").find(probe) != Text::npos)
    priority = 40;
  if (Text(" * / div mod shl shr << >> and ").find(probe) != Text::npos)
    priority = 30;
  if (Text(" + - or xor ").find(probe) != Text::npos)
    priority = 20;
  if (Text(" > < = <> <= >= ").find(probe) != Text::npos)
    priority = 10;
  return priority;
}

static bool StartsName(const Text &t) {
  return !t.empty() && Text(" _abcdefghijklmnopqrstuvwxyz").find(t[0]) != Text::npos;
}

static bool StartsNumber(const Text &t) {
  return t == "$" || (!t.empty() && t[0] >= '0' && t[0] <= '9');
}

// Every parse below also yields the depth of the tree it built, so that a
// pathological source cannot build trees deeper than the later phases'
// recursion can walk.
struct Parsed {
  Node *node;
  int depth;
};

static Parsed Deeper(Node *node, int depth) {
  if (depth > kMaxNesting)
    RunTimeStop(kStopLimit, "expression deeper than " + DecimalText(kMaxNesting) +
                                " levels");
  return Parsed{node, depth};
}

static Parsed ParseLevel(uint8_t minPriority);

static Parsed ParseExpressionTree() {
  SourcePos start = CurrentPos();
  Parsed e = ParseLevel(0);
  if (e.node)
    e.node->position = start;
  return e;
}

Node *ParseExpression() { return ParseExpressionTree().node; }
Node *ParseSubExpression(uint8_t minPriority) { return ParseLevel(minPriority).node; }

// write and writeln take "value : width" arguments too.
static bool TakesFieldWidths(const Node *nameNode) {
  Text name = NodeText(nameNode);
  return name == "write" || name == "writeln";
}

// expr [":" expr]: the width makes a field-width node over both.
static Parsed ParseFieldWidth(Parsed value) {
  NextToken();
  Parsed width = ParseExpressionTree();
  Node *n = CreateNode(kNodeFieldWidth, 2, value.node, width.node);
  if (value.node)
    n->position = value.node->position;
  return Deeper(n, (value.depth > width.depth ? value.depth : width.depth) + 1);
}

// arguments = [ "(" [ argument { "," argument } ] ")" ]
// argument = expr, or for write and writeln expr [":" expr]
int ParseArguments(Node *nameNode) {
  if (CurrentToken != "(")
    return 0;
  bool widths = TakesFieldWidths(nameNode);
  NextToken();
  int count = 0, deepest = 0;
  if (CurrentToken != ")") {
    while (true) {
      count++;
      if (count > kMaxChildren) {
        ReportHere("Too many parameters.");
        RunTimeStop(kStopLimit, "more than 10 arguments in one call");
      }
      Parsed argument = ParseExpressionTree();
      if (widths && CurrentToken == ":")
        argument = ParseFieldWidth(argument);
      SetChild(nameNode, count, argument.node);
      deepest = argument.depth > deepest ? argument.depth : deepest;
      if (CurrentToken != ",")
        break;
      NextToken();
    }
  }
  Expect(")");
  nameNode->childCount = static_cast<uint8_t>(count);
  return deepest;
}

// A prefix operator applied to the operand that follows at its priority.
static Parsed ParsePrefix(int32_t kind) {
  uint8_t priority = OperatorPriority(CurrentToken);
  NextToken();
  Parsed operand = ParseLevel(priority);
  return Deeper(CreateNode(kind, 1, operand.node), operand.depth + 1);
}

// ---- String literals ------------------------------------------------------------

// One quoted segment, from its opening quote: a doubled quote inside stands
// for one quote.  A double quote inside quotes also stands for an
// apostrophe; a real double quote is written #34.
static void DecodeQuotedSegment(const Text &run, size_t &pos, Text &value) {
  pos++;
  while (pos < run.size()) {
    char c = run[pos++];
    if (c == '\'') {
      if (pos >= run.size() || run[pos] != '\'')
        return;
      pos++;
    }
    value += c == '"' ? '\'' : c;
  }
}

// "#" and a decimal code up to 255 is that character; any other run of
// digits after "#" is kept as written.
static void DecodeCharacterCode(const Text &run, size_t &pos, Text &value) {
  size_t start = pos++;
  int code = 0;
  bool decimal = pos < run.size();
  while (pos < run.size() && run[pos] != '\'' && run[pos] != '#') {
    char c = run[pos++];
    decimal = decimal && c >= '0' && c <= '9' && (code = code * 10 + (c - '0')) <= 255;
  }
  if (decimal)
    value += static_cast<char>(code);
  else
    value += run.substr(start, pos - start);
}

bool IsStringLiteralToken(const Text &t) {
  return !t.empty() && (t[0] == '\'' || (t[0] == '#' && t.size() > 1));
}

Text DecodeStringLiteral(const Text &run) {
  Text value;
  size_t pos = 0;
  while (pos < run.size()) {
    if (run[pos] == '\'')
      DecodeQuotedSegment(run, pos, value);
    else
      DecodeCharacterCode(run, pos, value);
  }
  return value;
}

// Unary plus changes nothing: +x is x itself, bound like -x.
static Parsed ParseUnaryPlus() {
  uint8_t priority = OperatorPriority(CurrentToken);
  NextToken();
  return ParseLevel(priority);
}

// Inside function f, and in the subroutines nested in it, f written without
// an argument list is f's result, as in other Pascal compilers: f := 3,
// f.field := 3, count := count + 1; f() calls f.  Only here is it still
// known whether "(" was written, so this one name is resolved while
// parsing: the node becomes a reference to the result variable.
static void ResolveOwnFunctionName(Node *name) {
  Text text = NodeText(name);
  for (ID *s = gCurrentScope; s; s = s->parent) {
    if (s->kind != kIdSubr || !s->subr || !s->subr->result || !NameIs(s, text))
      continue;
    const ID *found = FindID(text); // a local of that name hides the function
    if (found && found->kind == kIdSubr) {
      name->kind = kNodeVarRef;
      name->id = s->subr->result;
    }
    return;
  }
}

// primary = ("-" | "+" | "not" | "@") expr | "(" expr ")" | number
//         | string | name [arguments]
// A lone "#" produces no node.
static Parsed ParsePrimary() {
  const Text token = CurrentToken;
  if (token == "+")
    return ParseUnaryPlus();
  if (token == "-")
    return ParsePrefix(kNodeNegate);
  if (token == "not")
    return ParsePrefix(kNodeNot);
  if (token == "@")
    return ParsePrefix(kNodeAddressOf);
  if (token == "(") {
    NextToken();
    Parsed inner = ParseLevel(0);
    Expect(")");
    return inner;
  }
  if (StartsNumber(token))
    return Parsed{CreateNodeText(kNodeIntConst, 0, nullptr, nullptr, nullptr,
                                 ReadNumberText()), 1};
  if (IsStringLiteralToken(token)) {
    Text value = DecodeStringLiteral(token);
    NextToken();
    return Parsed{CreateNodeText(kNodeStringConst, 0, nullptr, nullptr, nullptr, value), 1};
  }
  if (token[0] == '#') {
    NextToken();
    NextToken();
    return Parsed{nullptr, 0};
  }
  if (StartsName(token)) {
    Node *name = CreateNodeText(kNodeName, 0, nullptr, nullptr, nullptr, token);
    name->position = CurrentPos(); // reports about a name inside an expression point at it
    NextToken();
    if (CurrentToken != "(")
      ResolveOwnFunctionName(name);
    return Deeper(name, ParseArguments(name) + 1);
  }
  ReportHere("Error in expression");
  return Parsed{nullptr, 0};
}

// postfix = { "^" | "[" expr { "," expr } "]" | "." field }
static Parsed ParsePostfix(Parsed e) {
  while (true) {
    if (CurrentToken == "^") {
      NextToken();
      e = Deeper(CreateNode(kNodeDeref, 1, e.node), e.depth + 1);
    } else if (CurrentToken == "[") {
      do {
        NextToken(); // "[" or ","
        Parsed index = ParseLevel(0);
        int depth = (index.depth > e.depth ? index.depth : e.depth) + 1;
        e = Deeper(CreateNode(kNodeIndex, 2, e.node, index.node), depth);
      } while (CurrentToken == ",");
      Expect("]");
    } else if (CurrentToken == ".") {
      NextToken();
      e = Deeper(CreateNodeText(kNodeField, 1, e.node, nullptr, nullptr, CurrentToken),
                 e.depth + 1);
      NextToken();
    } else {
      return e;
    }
  }
}

// expr = primary postfix { operator expr-of-higher-priority }
// Equal priorities group to the left: a - b - c is (a - b) - c.
static Parsed ParseLevel(uint8_t minPriority) {
  NestingGuard guard;
  Parsed e = ParsePostfix(ParsePrimary());
  while (OperatorPriority(CurrentToken) > minPriority) {
    Text op = CurrentToken;
    NextToken();
    Parsed right = ParseLevel(OperatorPriority(op));
    int depth = (right.depth > e.depth ? right.depth : e.depth) + 1;
    e = Deeper(CreateBinaryNode(op, e.node, right.node), depth);
  }
  return e;
}
