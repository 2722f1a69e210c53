// Statements: lists, every statement form, positions and the stops.
#include "tests/unit/parser_support.h"

class StatementsTest : public ParserTest {
protected:
  std::string ListOf(const std::string &text) {
    Tokens(text);
    return ListShape(ParseStatement());
  }
};

TEST_F(StatementsTest, CompoundStatementsAreFlatLists) {
  EXPECT_EQ(ListOf("begin a := 1; b := 2; end"), "assign(a,1);assign(b,2)");
  EXPECT_EQ(ListOf("begin ; end"), "");
  EXPECT_EQ(ListOf("begin a; begin b; c; end; d; end"), "a;b;c;d");
  EXPECT_EQ(ListOf("; x"), "");
  EXPECT_EQ(CurrentToken, ";");
}

TEST_F(StatementsTest, LastStatementNeedsItsSemicolon) {
  Tokens("begin a := 1; b := 2 end");
  EXPECT_EQ(Run([] { ParseStatement(); }), 1);
  EXPECT_EQ(Output(), "Error at main.pas(1,22): \";\" expected, but \"end\" found\n"
                      "begin a := 1; b := 2 end\n                     ^\n");
}

TEST_F(StatementsTest, IfWhileRepeat) {
  EXPECT_EQ(ListOf("if c then x := 1 else x := 2"), "if(c,assign(x,1),assign(x,2))");
  Tokens("if c then x");
  Node *n = ParseStatement();
  EXPECT_EQ(+n->childCount, 3);
  EXPECT_EQ(Child(n, 3), nullptr);
  EXPECT_EQ(ListOf("while c do begin end"), "while(c,nil)");
  EXPECT_EQ(ListOf("while a < 3 do begin a; b; end"), "while(lt(a,3),[a;b])");
  EXPECT_EQ(ListOf("repeat a; b; until c"), "repeat(c,[a;b])");
  EXPECT_EQ(ListOf("repeat until c"), "repeat(c,nil)");
}

// Only a bare exit, break or continue (or exit with one value) is marked;
// node evaluation decides whether a declaration of the name wins.
TEST_F(StatementsTest, ExitBreakContinue) {
  EXPECT_EQ(ListOf("begin exit; break; continue; exit(x + 1); exit(); end"),
            "exit;break;continue;exit(add(x,1));exit");
  EXPECT_EQ(ListOf("begin break(1); exit(1, 2); y := exit; exit.a; end"),
            "break(1);exit(1,2);assign(y,exit);field:a(exit)");
}

// value:width only in the arguments of write and writeln.
TEST_F(StatementsTest, FieldWidthsInWriteArguments) {
  EXPECT_EQ(ListOf("writeln(a:5, 'b', c + 1:w - 2)"),
            "writeln(width(a,5),'b',width(add(c,1),sub(w,2)))");
  EXPECT_EQ(ListOf("write(x:3)"), "write(width(x,3))");
  Tokens("f(x:3)");
  EXPECT_EQ(Run([] { ParseStatement(); }), 1);
}

TEST_F(StatementsTest, ForLoops) {
  EXPECT_EQ(ListOf("for i := 10 downto 1 do p"), "fordown:i(10,1,p)");
  EXPECT_EQ(ListOf("for i := a to b + 1 do begin p; q; end"), "for:i(a,add(b,1),[p;q])");
  Tokens("for i := 1 upto 3 do p");
  EXPECT_EQ(Run([] { ParseStatement(); }), 1);
  EXPECT_EQ(Output(), "Error at main.pas(1,12): \"to/downto\" expected, but \"upto\" found\n"
                      "for i := 1 upto 3 do p\n           ^\n");
}

TEST_F(StatementsTest, CaseWithRangeAndElse) {
  Tokens("case k of 1, 2: a; 3..5: b; else c; end");
  Node *n = ParseStatement();
  EXPECT_EQ(Shape(n), "case(k,[branch([1;2],a);branch(range(3,5),b)],c)");
  EXPECT_EQ(+Child(n, 1)->isValue, 1);
  EXPECT_EQ(Output(), "");
  EXPECT_EQ(ListOf("case c of 'a'..'z', '0': a; end"),
            "case(c,branch([range('a','z');'0'],a),nil)");
  EXPECT_EQ(ListOf("case k of end"), "case(k,nil,nil)");
  EXPECT_EQ(ListOf("case k of 1: ; end"), "case(k,branch(1,nil),nil)");
}

TEST_F(StatementsTest, CaseLabelsNeedCommas) {
  Tokens("case k of 1 2: a; end");
  EXPECT_EQ(Run([] { ParseStatement(); }), 1);
  EXPECT_EQ(Output(), "Error at main.pas(1,13): \",\" expected, but \"2\" found\n"
                      "case k of 1 2: a; end\n            ^\n");
}

TEST_F(StatementsTest, AsmLinesBecomeOneNodeEach) {
  Tokens("asm\n  ld a,1\n  nop\n  ret\nend;");
  EXPECT_EQ(ListShape(ParseStatement()), "asm:  ld a,1;asm:  nop;asm:  ret");
  EXPECT_EQ(CurrentToken, ";");
  EXPECT_EQ(ListOf("asm\nend;"), "");
}

TEST_F(StatementsTest, UnterminatedAsmStops) {
  Tokens("asm\n  nop\n");
  EXPECT_EQ(Run([] { ParseStatement(); }), 1);
  EXPECT_EQ(Output(), "Error at <unknown>: \"end\" expected, but \"<EOF>\" found\n");
}

TEST_F(StatementsTest, CallsAndPositions) {
  Tokens("p(1)");
  Node *call = ParseStatement();
  EXPECT_EQ(+call->kind, kNodeName);
  EXPECT_EQ(+call->childCount, 1);

  Tokens("  x  := 1");
  Node *assign = ParseStatement();
  EXPECT_EQ(+assign->position.column, 6); // the ":=" token
  EXPECT_EQ(+Child(assign, 1)->position.column, 3);

  Tokens("\n  while c do x := 1");
  Node *loop = ParseStatement();
  EXPECT_EQ(+loop->position.line, 2);
  EXPECT_EQ(+loop->position.column, 3);
  EXPECT_EQ(+Child(loop, 2)->position.column, 16);
}

TEST_F(StatementsTest, BlockDemandsBegin) {
  Tokens("x := 1");
  EXPECT_EQ(Run([] { ParseBlock(); }), 1);
  EXPECT_EQ(Output(), "Error at main.pas(1,1): \"begin\" expected, but \"x\" found\n"
                      "x := 1\n^\n");
}

TEST_F(StatementsTest, TruncatedStatementsStop) {
  for (const char *text : {"begin", "begin a", "if", "if a", "while a",
                           "repeat a;", "for", "for i := 1", "case", "case a of 1",
                           "case a of 1: b;", "begin a := (1"}) {
    Tokens(text);
    EXPECT_EQ(Run([] { ParseStatement(); }), 1) << text;
  }
}
