// Compiles a small program in-process up to the frame layout and shows the
// resulting uasm ops as dump lines, for the translator tests.
#pragma once

#include <string>

#include "parser/parser.h"
#include "semantic/semantic.h"
#include "test_support.h"
#include "translator/uasm.h"

class TranslatorTest : public ScratchDirTest {
protected:
  void SetUp() override {
    ScratchDirTest::SetUp();
    ResetParser();
    ResetSemantic();
    ResetTranslator();
  }

  // Runs every phase from lexing to the frame layout on main.pas holding
  // the source; returns the stop status (0 when none).
  int Compile(const std::string &source) {
    out_.str("");
    ResetCompilerState();
    ResetParser();
    ResetSemantic();
    ResetTranslator();
    WriteFile("main.pas", source);
    gFirstArgument = "main.pas";
    ops_ = nullptr;
    try {
      LexProgram("main.pas");
      ResetSyntaxCounters();
      ParseProgram();
      SemanticPass();
      SmartLink();
      NumberParentFrames(RootID());
      ops_ = Translate();
      LayoutFrames(ops_);
    } catch (const CompilerStop &stop) {
      return stop.status;
    }
    return 0;
  }

  // The dump of one subroutine's code: from its uasmop_subrbegin up to the
  // next one.  Source-line ops are left out unless asked for.
  std::string Code(const std::string &subr, bool withSrcLines = false) const {
    std::string out;
    bool inside = false;
    for (const UasmOp *op = FirstOp(ops_); op; op = op->next) {
      if (op->code == uasmop_subrbegin)
        inside = op->ident && NameText(op->ident) == subr;
      if (inside && (withSrcLines || op->code != uasmop_srcline))
        out += DumpOp(op) + "\n";
    }
    return out;
  }

  // The ops of a subroutine between its uasmop_enter and its uasmop_leave,
  // without source lines: the body alone.
  std::string Body(const std::string &subr) const {
    std::string all = Code(subr);
    size_t from = all.find("uasmop_enter");
    from = all.find('\n', from) + 1;
    size_t to = all.find("uasmop_leave");
    return all.substr(from, to - from);
  }

  // The data list's ops (everything before the first subroutine).
  std::string Data() const {
    std::string out;
    for (const UasmOp *op = FirstOp(ops_); op && op->code != uasmop_subrbegin;
         op = op->next)
      out += DumpOp(op) + "\n";
    return out;
  }

  // The first ID of that name in tree order.
  static ID *Named(const std::string &name) {
    for (ID *id = RootID(); id; id = NextIDInOrder(id))
      if (NameText(id) == name)
        return id;
    return nullptr;
  }

  // The variable of that name declared directly in the subroutine.
  static ID *VarOf(const std::string &subr, const std::string &name) {
    ID *s = Named(subr);
    for (ID *c = s ? s->firstChild : nullptr; c; c = c->next)
      if (NameText(c) == name)
        return c;
    return nullptr;
  }

  // "address/flags" of a variable, flags in hexadecimal.
  static std::string Slot(const std::string &subr, const std::string &name) {
    ID *v = VarOf(subr, name);
    if (!v || !v->var)
      return "none";
    char flags[8];
    std::snprintf(flags, sizeof flags, "%04x", unsigned(v->var->flags));
    return std::to_string(v->var->address) + "/" + flags;
  }

  // "parameter area/local area" of a subroutine.
  static std::string Frame(const std::string &subr) {
    ID *s = Named(subr);
    if (!s || !s->subr)
      return "none";
    return std::to_string(s->subr->frameValue1) + "/" + std::to_string(s->subr->frameValue2);
  }

  // A copy of a packed record field, which the test macros may not bind.
  template <class T> static T Get(T value) { return value; }

  UasmOp *ops_ = nullptr;
};
