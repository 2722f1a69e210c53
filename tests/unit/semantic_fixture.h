// Runs the front end and the semantic passes on a small program inside a
// scratch directory, and shows node trees in a compact form for checks.
#pragma once

#include <string>

#include "parser/parser.h"
#include "semantic/semantic.h"
#include "test_support.h"

class SemanticTest : public ScratchDirTest {
protected:
  void SetUp() override {
    ScratchDirTest::SetUp();
    ResetParser();
    ResetSemantic();
  }

  // Lexes, parses and evaluates main.pas; with link, smart linking and the
  // parent-frame pass follow.  Returns the stop status, 0 when none.  The
  // console output is that of this compilation alone.
  int Compile(const std::string &source, bool link = false) {
    out_.str("");
    ResetCompilerState();
    ResetParser();
    ResetSemantic();
    WriteFile("main.pas", source);
    gFirstArgument = "main.pas";
    try {
      LexProgram("main.pas");
      ResetSyntaxCounters();
      ParseProgram();
      SemanticPass();
      if (link) {
        SmartLink();
        NumberParentFrames(RootID());
      }
    } catch (const CompilerStop &stop) {
      return stop.status;
    }
    return 0;
  }

  // The first ID of that name in tree order.
  static ID *Named(const std::string &name) {
    for (ID *id = RootID(); id; id = NextIDInOrder(id))
      if (NameText(id) == name)
        return id;
    return nullptr;
  }

  // The statement list of a subroutine, or of the main program for "".
  static Node *Body(const std::string &subr = "") {
    for (ID *id = RootID(); id; id = NextIDInOrder(id))
      if (id->kind == kIdSubr && id->subr &&
          (subr.empty() ? id->subr->isMain == 1 : NameText(id) == subr))
        return id->subr->body;
    return nullptr;
  }

  // The n-th statement (1-based) of a body.
  static Node *Statement(int n, const std::string &subr = "") {
    Node *s = Body(subr);
    while (s && --n > 0)
      s = s->next;
    return s;
  }

  // (kind text child ...) with "-" for a missing child; a child list of
  // several nodes shows its members one after the other.
  static std::string Shape(const Node *n) {
    if (!n)
      return "-";
    std::string out = "(" + std::to_string(n->kind);
    if (n->text)
      out += " " + NodeText(n);
    for (int i = 1; i <= n->childCount; i++)
      out += " " + ListShape(Child(n, i));
    return out + ")";
  }

  static std::string ListShape(const Node *list) {
    if (!list)
      return "-";
    std::string out;
    for (const Node *at = list; at; at = at->next)
      out += (out.empty() ? "" : " ") + Shape(at);
    return out;
  }

  // A copy of a record field: the records are packed, so a field may not be
  // bound to the references the test macros take.
  template <class T> static T Get(T value) { return value; }

  // class/size/signed/operand class/isValue of one node.
  static std::string Fields(const Node *n) {
    return std::to_string(n->typeClass) + "/" + std::to_string(n->size) + "/" +
           std::to_string(n->isSigned) + "/" + std::to_string(n->operandClass) + "/" +
           std::to_string(n->isValue);
  }
};
