// Statements.  A statement parses into a list of nodes chained through
// next; compound statements are flattened into the list that holds them.
#include "parser/parser.h"

// statement = (nothing, before ";") | compound | simple-statement
Node *ParseStatement() {
  NestingGuard guard;
  if (CurrentToken == ";")
    return nullptr;
  if (CurrentToken == "begin")
    return ParseCompound();
  return ParseSimpleStatement();
}

// Statements each followed by ";" up to the closing word.
static Node *ParseStatementsUntil(const char *closing) {
  NodeListBuilder list;
  while (CurrentToken != closing) {
    Node *statement = ParseStatement();
    Expect(";");
    list.Append(statement);
  }
  return list.head;
}

// compound = "begin" { statement ";" } "end"
Node *ParseCompound() {
  Expect("begin");
  Node *list = ParseStatementsUntil("end");
  Expect("end");
  return list;
}

// The body of a subroutine or of the main program.
Node *ParseBlock() {
  if (CurrentToken != "begin")
    Expect("begin");
  return ParseStatement();
}

// "if" expr "then" statement [ "else" statement ]
static Node *ParseIf() {
  Expect("if");
  Node *condition = ParseExpression();
  Expect("then");
  Node *thenPart = ParseStatement();
  Node *elsePart = nullptr;
  if (CurrentToken == "else") {
    NextToken();
    elsePart = ParseStatement();
  }
  return CreateNode(kNodeIf, 3, condition, thenPart, elsePart);
}

// "while" expr "do" statement
static Node *ParseWhile() {
  Expect("while");
  Node *condition = ParseExpression();
  Expect("do");
  Node *body = ParseStatement();
  return CreateNode(kNodeWhile, 2, condition, body);
}

// "repeat" { statement ";" } "until" expr
static Node *ParseRepeat() {
  NextToken();
  Node *body = ParseStatementsUntil("until");
  Expect("until");
  Node *condition = ParseExpression();
  return CreateNode(kNodeRepeat, 2, condition, body);
}

// for = "for" name ":=" expr ("to" | "downto") expr "do" statement
Node *ParseFor() {
  Expect("for");
  Text control = CurrentToken;
  NextToken();
  Expect(":=");
  Node *start = ParseExpression();
  int32_t kind = kNodeForTo;
  if (CurrentToken == "downto")
    kind = kNodeForDownto;
  else if (CurrentToken != "to")
    Expect("to/downto");
  NextToken();
  Node *end = ParseExpression();
  Expect("do");
  Node *body = ParseStatement();
  return CreateNodeText(kind, 3, start, end, body, control);
}

// Label = expr [ ".." expr ]: a range is one node over its two bounds.
static Node *ParseCaseLabel() {
  SourcePos position = CurrentPos();
  Node *lower = ParseExpression();
  if (CurrentToken != "..")
    return lower;
  NextToken();
  Node *upper = ParseExpression();
  Node *range = CreateNode(kNodeCaseRange, 2, lower, upper);
  range->position = position;
  return range;
}

// Label {, Label}
static Node *ParseCaseLabels() {
  NodeListBuilder labels;
  while (CurrentToken != ":") {
    labels.Append(ParseCaseLabel());
    if (CurrentToken != ":")
      Expect(",");
  }
  return labels.head;
}

// case = "case" expr "of" { Labels ":" statement ";" } [ "else" statement ";" ] "end"
Node *ParseCase() {
  NextToken();
  Node *selector = ParseExpression();
  if (selector)
    selector->isValue = 1;
  Expect("of");
  NodeListBuilder branches;
  while (CurrentToken != "else" && CurrentToken != "end") {
    Node *labels = ParseCaseLabels();
    Expect(":");
    Node *statement = ParseStatement();
    Expect(";");
    branches.Append(CreateNode(kNodeCaseBranch, 2, labels, statement));
  }
  Node *elsePart = nullptr;
  if (CurrentToken == "else") {
    NextToken();
    elsePart = ParseStatement();
    Expect(";");
  }
  Node *result = CreateNode(kNodeCase, 3, selector, branches.head, elsePart);
  Expect("end");
  return result;
}

// "asm" { assembler-line } "end": the lexer hands each line as one token.
static Node *ParseAsm() {
  NextToken();
  NodeListBuilder lines;
  while (CurrentToken != "end") {
    if (AtEndOfTokens())
      Expect("end"); // reports the unterminated block and stops
    lines.Append(CreateNodeText(kNodeAsm, 0, nullptr, nullptr, nullptr, CurrentToken));
    NextToken();
  }
  Expect("end");
  return lines.head;
}

// expr [ ":=" expr ]: an assignment, or a call written as an expression.
// A function's own name alone as a statement is no use of its result but a
// call, as any name written as a statement is.
static Node *ParseAssignmentOrCall(SourcePos &position) {
  Node *target = ParseExpression();
  if (CurrentToken != ":=") {
    if (target && target->kind == kNodeVarRef) {
      target->kind = kNodeName;
      target->id = nullptr;
    }
    return target;
  }
  position = CurrentPos();
  NextToken();
  Node *value = ParseExpression();
  return CreateNode(kNodeAssign, 2, target, value);
}

// A bare exit, break or continue, or exit(value), is the statement of that
// name; node evaluation turns it back into a call when the program
// declares a routine of that name.
static void MarkControlStatement(Node *n) {
  if (!n || n->kind != kNodeName || n->childCount > 1 || n->next)
    return;
  Text name = NodeText(n);
  if (name == "exit")
    n->kind = kNodeExit;
  else if (n->childCount != 0)
    return;
  else if (name == "break")
    n->kind = kNodeBreak;
  else if (name == "continue")
    n->kind = kNodeContinue;
}

// Every statement's first node carries the position of its first token
// (of the ":=" for an assignment).
Node *ParseSimpleStatement() {
  SourcePos position = CurrentPos();
  Node *result;
  if (CurrentToken == "if")
    result = ParseIf();
  else if (CurrentToken == "while")
    result = ParseWhile();
  else if (CurrentToken == "repeat")
    result = ParseRepeat();
  else if (CurrentToken == "for")
    result = ParseFor();
  else if (CurrentToken == "case")
    result = ParseCase();
  else if (CurrentToken == "asm")
    result = ParseAsm();
  else
    result = ParseAssignmentOrCall(position);
  MarkControlStatement(result);
  if (result)
    result->position = position;
  return result;
}
