// Helpers for the parser tests: parse a source text in-process, reach IDs by
// name, and write node trees as compact shapes such as add(neg(a),b).
#pragma once

#include <string>

#include "parser/parser.h"
#include "tests/unit/test_support.h"

class ParserTest : public ScratchDirTest {
protected:
  void SetUp() override {
    ScratchDirTest::SetUp();
    ResetParser();
  }

  // Lexes and parses main.pas holding the source; returns the stop status
  // (0 when parsing ran to its end).  Output() then holds only what the
  // parser wrote.
  int Parse(const std::string &source) {
    WriteFile("main.pas", source);
    int status = Lex();
    if (status != 0)
      return status;
    out_.str("");
    return Run([] { ParseProgram(); });
  }

  // Loads the tokens of a source text and puts the cursor on the first
  // one, with the built-in types in place, for parsing single constructs.
  void Tokens(const std::string &source) {
    WriteFile("main.pas", source);
    ASSERT_EQ(Lex(), 0);
    out_.str("");
    InitBuiltinTypes();
    FirstToken();
  }

  template <class F> int Run(F f) {
    try {
      f();
    } catch (const CompilerStop &stop) {
      return stop.status;
    }
    return 0;
  }

  // The main program: the root's last child.
  static ID *Main() { return LastVisibleID(RootID()); }

  // The ID of that name declared directly in the scope, latest first.
  static ID *Declared(ID *scope, const std::string &name) {
    ID *found = nullptr;
    for (ID *id = scope ? scope->firstChild : nullptr; id; id = id->next)
      if (NameText(id) == name)
        found = id;
    return found;
  }
};

// Operator and statement nodes by short names; name, number and string
// leaves by their text.
inline std::string Shape(const Node *n) {
  if (!n)
    return "nil";
  static const struct {
    int32_t kind;
    const char *name;
  } kNames[] = {
      {kNodeIf, "if"},      {kNodeWhile, "while"},   {kNodeRepeat, "repeat"},
      {kNodeForTo, "for"},  {kNodeForDownto, "fordown"}, {kNodeCase, "case"},
      {kNodeCaseBranch, "branch"}, {kNodeCaseRange, "range"},
      {kNodeAssign, "assign"}, {kNodeIndex, "index"},
      {kNodeField, "field"}, {kNodeAddressOf, "addr"}, {kNodeDeref, "deref"},
      {kNodeNot, "not"},    {kNodeNegate, "neg"},    {kNodeAdd, "add"},
      {kNodeSub, "sub"},    {kNodeMul, "mul"},       {kNodeDiv, "div"},
      {kNodeMod, "mod"},    {kNodeAnd, "and"},       {kNodeOr, "or"},
      {kNodeXor, "xor"},    {kNodeShl, "shl"},       {kNodeShr, "shr"},
      {kNodeLess, "lt"},    {kNodeLessEqual, "le"},  {kNodeGreater, "gt"},
      {kNodeGreaterEqual, "ge"}, {kNodeEqual, "eq"}, {kNodeNotEqual, "ne"},
      {kNodeAsm, "asm"},    {kNodeExit, "exit"},     {kNodeBreak, "break"},
      {kNodeContinue, "continue"}, {kNodeFieldWidth, "width"}, {0, "op0"},
  };
  std::string s;
  for (const auto &k : kNames)
    if (k.kind == n->kind)
      s = k.name;
  if (n->kind == kNodeName || n->kind == kNodeIntConst || n->kind == kNodeVarRef)
    s = NodeText(n);
  else if (n->kind == kNodeStringConst)
    s = "'" + NodeText(n) + "'";
  else if (n->kind == kNodeField || n->kind == kNodeForTo ||
           n->kind == kNodeForDownto || n->kind == kNodeAsm)
    s += ":" + NodeText(n);
  if (n->childCount == 0)
    return s;
  s += "(";
  for (int i = 1; i <= n->childCount; i++) {
    if (i > 1)
      s += ",";
    const Node *c = Child(n, i);
    if (c && c->next) { // a list: its nodes between brackets
      s += "[";
      for (const Node *m = c; m; m = m->next)
        s += Shape(m) + (m->next ? ";" : "");
      s += "]";
    } else {
      s += Shape(c);
    }
  }
  return s + ")";
}

// A statement list as its nodes' shapes separated by ";".
inline std::string ListShape(const Node *list) {
  std::string s;
  for (const Node *n = list; n; n = n->next)
    s += Shape(n) + (n->next ? ";" : "");
  return s;
}
