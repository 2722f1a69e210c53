// Subroutine frames of ops, the walk over the tree, control-flow statements
// and the translator's console lines.
#include <sstream>

#include "translator_support.h"

namespace {

// Wraps statements into a program with a few globals.
std::string Program(const std::string &body, const std::string &decls = "") {
  return "program t;\n"
         "var i, j: byte; w: word; b: boolean;\n" +
         decls + "begin\n" + body + "\nend.\n";
}

TEST_F(TranslatorTest, WorkedExampleIncrementOfALocalByte) {
  ASSERT_EQ(Compile("program t;\n"
                    "procedure p;\n"
                    "var x: byte;\n"
                    "begin\n"
                    "  x := x + 1;\n"
                    "end;\n"
                    "begin\n"
                    "  p;\n"
                    "end.\n"),
            0);
  EXPECT_EQ(Code("p", true), "uasmop_subrbegin 0 p\n"
                             "uasmop_label 0 \"p_16\"\n"
                             "uasmop_enter 0 p\n"
                             "uasmop_srcline 0 @main.pas(5,5)\n"
                             "uasmop_load 1 x\n"
                             "uasmop_add 1 \"1\"\n"
                             "uasmop_store 1 x\n"
                             "uasmop_leave 0\n");
  EXPECT_EQ(Output().substr(Output().find("translator started:")),
            "translator started:\n"
            "A:=A+B at main.pas(5,5)\n"
            "tmpcnt=0\n");
}

TEST_F(TranslatorTest, OnlyUsedSubroutinesWithABodyAreTranslatedInTreeOrder) {
  ASSERT_EQ(Compile("program t;\n"
                    "procedure unused; begin end;\n"
                    "procedure later; forward;\n"
                    "procedure outer;\n"
                    "  procedure inner; begin end;\n"
                    "begin inner; later; end;\n"
                    "procedure later; begin end;\n"
                    "begin outer; end.\n"),
            0);
  std::string order;
  for (const UasmOp *op = FirstOp(ops_); op; op = op->next)
    if (op->code == uasmop_subrbegin)
      order += NameText(op->ident) + " ";
  EXPECT_EQ(order, "t outer inner later ");
  EXPECT_EQ(Frame("unused"), "0/0");
}

TEST_F(TranslatorTest, FunctionsEndByLoadingTheirResult) {
  ASSERT_EQ(Compile("program t;\n"
                    "var l: longint;\n"
                    "function f: longint; begin result := 1; end;\n"
                    "function s: string; begin end;\n"
                    "procedure str_assign(var d: string; const s: string); begin end;\n"
                    "var v: string;\n"
                    "begin l := f; v := s; end.\n"),
            0);
  EXPECT_EQ(Code("f"), "uasmop_subrbegin 0 f\n"
                       "uasmop_label 0 \"f_18\"\n"
                       "uasmop_enter 0 f\n"
                       "uasmop_load 1 \"1\"\n"
                       "uasmop_store 4 result\n"
                       "uasmop_load 4 result\n"
                       "uasmop_leave 0\n");
  EXPECT_NE(Code("s").find("uasmop_loadaddr 4 result\nuasmop_leave 0\n"), std::string::npos);
}

TEST_F(TranslatorTest, ConstantsGoToTheDataListAndLocalConstantsFollowTheEpilogue) {
  ASSERT_EQ(Compile("program t;\n"
                    "const tab: array[0..2] of byte = (1, 2, 3);\n"
                    "procedure p;\n"
                    "const n = 5;\n"
                    "var x: byte;\n"
                    "begin x := tab[n]; end;\n"
                    "begin p; end.\n"),
            0);
  EXPECT_EQ(Data(), "uasmop_label 0 \"tab_16\"\n"
                    "uasmop_defb 0 \"1\"\n"
                    "uasmop_defb 0 \"2\"\n"
                    "uasmop_defb 0 \"3\"\n"
                    "uasmop_label 0 \"n_18\"\n");
  std::string code = Code("p");
  EXPECT_EQ(code.substr(code.find("uasmop_leave")),
            "uasmop_leave 0\nuasmop_localconst 1 n\n");
}

TEST_F(TranslatorTest, IfWithAndWithoutElse) {
  ASSERT_EQ(Compile(Program("if b then i := 1;\n"
                            "if b then i := 2 else i := 3;")),
            0);
  EXPECT_EQ(Body("t"), "uasmop_load 1 b\n"
                       "uasmop_jumpfalse 0 \"label001end\"\n"
                       "uasmop_load 1 \"1\"\n"
                       "uasmop_store 1 i\n"
                       "uasmop_label 0 \"label001end\"\n"
                       "uasmop_load 1 b\n"
                       "uasmop_jumpfalse 0 \"label002else\"\n"
                       "uasmop_load 1 \"2\"\n"
                       "uasmop_store 1 i\n"
                       "uasmop_jump 0 \"label002end\"\n"
                       "uasmop_label 0 \"label002else\"\n"
                       "uasmop_load 1 \"3\"\n"
                       "uasmop_store 1 i\n"
                       "uasmop_label 0 \"label002end\"\n");
}

TEST_F(TranslatorTest, WhileAndRepeat) {
  ASSERT_EQ(Compile(Program("while b do i := 1;\n"
                            "repeat i := 2; until b;")),
            0);
  EXPECT_EQ(Body("t"), "uasmop_label 0 \"label001\"\n"
                       "uasmop_load 1 b\n"
                       "uasmop_jumpfalse 0 \"label001end\"\n"
                       "uasmop_load 1 \"1\"\n"
                       "uasmop_store 1 i\n"
                       "uasmop_jump 0 \"label001\"\n"
                       "uasmop_label 0 \"label001end\"\n"
                       "uasmop_label 0 \"label002\"\n"
                       "uasmop_load 1 \"2\"\n"
                       "uasmop_store 1 i\n"
                       "uasmop_load 1 b\n"
                       "uasmop_jumpfalse 0 \"label002\"\n");
}

TEST_F(TranslatorTest, ForToEvaluatesTheEndOnceAndStopsOnEquality) {
  ASSERT_EQ(Compile(Program("for i := 1 to j do w := 0;")), 0);
  EXPECT_EQ(Body("t"), "uasmop_load 1 \"1\"\n"
                       "uasmop_store 1 i\n"
                       "uasmop_load 1 j\n"
                       "uasmop_store 1 tmpvar1\n"
                       "uasmop_load 1 i\n"
                       "uasmop_cmple 1 tmpvar1\n"
                       "uasmop_jumpfalse 0 \"label001end\"\n"
                       "uasmop_jump 0 \"label001first\"\n"
                       "uasmop_label 0 \"label001loop\"\n"
                       "uasmop_load 1 i\n"
                       "uasmop_add 1 \"1\"\n"
                       "uasmop_store 1 i\n"
                       "uasmop_label 0 \"label001first\"\n"
                       "uasmop_load 1 \"0\"\n"
                       "uasmop_store 2 w\n"
                       "uasmop_load 1 i\n"
                       "uasmop_cmpeq 1 tmpvar1\n"
                       "uasmop_jumpfalse 0 \"label001loop\"\n"
                       "uasmop_label 0 \"label001end\"\n");
}

TEST_F(TranslatorTest, ForDowntoOverASignedVariableComparesSigned) {
  ASSERT_EQ(Compile(Program("for k := 3 downto j do w := 0;", "var k: smallint;\n")), 0);
  std::string body = Body("t");
  EXPECT_NE(body.find("uasmop_load 2 k signed\nuasmop_cmpge 2 tmpvar1\n"), std::string::npos);
  EXPECT_NE(body.find("uasmop_load 2 k signed\nuasmop_sub 2 \"1\"\n"), std::string::npos);
  EXPECT_LT(VarOf("t", "tmpvar1")->type->low, 0);
}

TEST_F(TranslatorTest, ForOverACharTakesQuotedBoundsAsCharacters) {
  ASSERT_EQ(Compile(Program("for c := 'a' to 'e' do w := 0;", "var c: char;\n")), 0);
  EXPECT_EQ(Body("t").find("uasmop_load 1 \"97\"\n"
                           "uasmop_store 1 c\n"
                           "uasmop_load 1 \"101\"\n"
                           "uasmop_store 1 tmpvar1\n"),
            0u);
}

TEST_F(TranslatorTest, CaseComparesEveryLabelWithTheSavedSelector) {
  ASSERT_EQ(Compile(Program("case i of\n"
                            "  1, 2: j := 1;\n"
                            "  300: j := 2;\n"
                            "else j := 3;\n"
                            "end;")),
            0);
  EXPECT_EQ(Body("t"), "uasmop_load 1 i\n"
                       "uasmop_store 1 tmpvar1\n"
                       "uasmop_load 1 \"1\"\n"
                       "uasmop_cmpne 1 tmpvar1\n"
                       "uasmop_jumpfalse 0 \"label001_1\"\n"
                       "uasmop_load 1 \"2\"\n"
                       "uasmop_cmpne 1 tmpvar1\n"
                       "uasmop_jumpfalse 0 \"label001_1\"\n"
                       "uasmop_load 2 \"300\"\n"
                       "uasmop_cmpne 2 tmpvar1\n"
                       "uasmop_jumpfalse 0 \"label001_2\"\n"
                       "uasmop_jump 0 \"label001_else\"\n"
                       "uasmop_label 0 \"label001_1\"\n"
                       "uasmop_load 1 \"1\"\n"
                       "uasmop_store 1 j\n"
                       "uasmop_jump 0 \"label001_end\"\n"
                       "uasmop_label 0 \"label001_2\"\n"
                       "uasmop_load 1 \"2\"\n"
                       "uasmop_store 1 j\n"
                       "uasmop_jump 0 \"label001_end\"\n"
                       "uasmop_label 0 \"label001_else\"\n"
                       "uasmop_load 1 \"3\"\n"
                       "uasmop_store 1 j\n"
                       "uasmop_label 0 \"label001_end\"\n");
}

TEST_F(TranslatorTest, CaseOverACharTakesQuotedLabelsAsCharacters) {
  ASSERT_EQ(Compile(Program("case c of 'a': j := 1; end;", "var c: char;\n")), 0);
  EXPECT_EQ(Body("t").find("uasmop_load 1 c\n"
                           "uasmop_store 1 tmpvar1\n"
                           "uasmop_load 1 \"97\"\n"
                           "uasmop_cmpne 1 tmpvar1\n"),
            0u);
}

TEST_F(TranslatorTest, MoreThan100CaseBranchesStopTheRun) {
  std::ostringstream body;
  body << "case i of\n";
  for (int k = 0; k < 101; k++)
    body << k << ": j := 1;\n";
  body << "end;";
  EXPECT_EQ(Compile(Program(body.str())), kStopLimit);
  EXPECT_NE(Output().find("Runtime error 201: more than 100 branches in one case statement"),
            std::string::npos);
}

TEST_F(TranslatorTest, AsmLinesAndSourceLines) {
  ASSERT_EQ(Compile(Program("asm\n  nop\nend;\ni := 1;")), 0);
  std::string code = Code("t", true);
  EXPECT_NE(code.find("uasmop_asmline 0 \"  nop\"\n"), std::string::npos);
  EXPECT_NE(code.find("uasmop_srcline 0 @main.pas(7,3)\nuasmop_load 1 \"1\"\n"),
            std::string::npos);
}

TEST_F(TranslatorTest, TemporaryCountIsPrintedAndNumberingRunsAcrossSubroutines) {
  ASSERT_EQ(Compile("program t;\n"
                    "var i: byte;\n"
                    "function f(x: byte): byte; begin result := x; end;\n"
                    "procedure p; var k: byte; begin k := f(1) + f(2); end;\n"
                    "begin p; i := f(3) + f(4); end.\n"),
            0);
  EXPECT_NE(Output().find("\ntmpcnt=2\n"), std::string::npos);
  EXPECT_NE(VarOf("t", "tmpvar1"), nullptr);
  EXPECT_NE(VarOf("p", "tmpvar2"), nullptr);
}

} // namespace
