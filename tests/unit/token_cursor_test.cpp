#include "tests/unit/test_support.h"

class TokenCursorTest : public ScratchDirTest {
protected:
  int StatusOf(void (*f)()) {
    try {
      f();
    } catch (const CompilerStop &s) {
      return s.status;
    }
    return 0;
  }
};

TEST_F(TokenCursorTest, WalksToEofAndStaysThere) {
  WriteFile("main.pas", "end.");
  Lex();
  FirstToken();
  EXPECT_EQ(CurrentToken, "end");
  Expect("end");
  EXPECT_EQ(CurrentToken, ".");
  NextToken();
  EXPECT_EQ(CurrentToken, "<EOF>");
  NextToken();
  EXPECT_EQ(CurrentToken, "<EOF>");
}

TEST_F(TokenCursorTest, ExpectReportsAndStops) {
  WriteFile("main.pas", "x\n  begin\n    end x;");
  Lex();
  FirstToken();
  NextToken();
  NextToken(); // "end" at line 3, column 5
  out_.str("");
  EXPECT_EQ(StatusOf([] { Expect(";"); }), 1);
  EXPECT_EQ(Output(), "Error at main.pas(3,5): \";\" expected, but \"end\" found\n"
                      "    end x;\n    ^\n");
}

TEST_F(TokenCursorTest, ExpectAtEofHasNoPosition) {
  WriteFile("main.pas", "");
  Lex();
  FirstToken();
  out_.str("");
  EXPECT_EQ(StatusOf([] { Expect("begin"); }), 1);
  EXPECT_EQ(Output(), "Error at <unknown>: \"begin\" expected, but \"<EOF>\" found\n");
}

TEST_F(TokenCursorTest, ErrorAtCutsFirstLineOnly) {
  WriteFile("main.pas", "abc");
  Lex();
  FirstToken();
  out_.str("");
  ErrorAt(CurrentPos(), std::string(300, 'm'));
  std::string out = Output();
  EXPECT_EQ(out.find('\n'), 255u);
  EXPECT_EQ(out.substr(256), "abc\n^\n");
}

TEST_F(TokenCursorTest, ReservedWordsAreWholeWords) {
  EXPECT_TRUE(IsReservedWord("begin"));
  EXPECT_TRUE(IsReservedWord("downto"));
  EXPECT_TRUE(IsReservedWord("const"));
  EXPECT_FALSE(IsReservedWord("program"));
  EXPECT_FALSE(IsReservedWord("beg"));
  EXPECT_FALSE(IsReservedWord("egin"));
  EXPECT_FALSE(IsReservedWord(""));
}

TEST_F(TokenCursorTest, DirectiveMarkerFromAsmLineIsShownAndSkipped) {
  WriteFile("main.pas", "asm\n{$\nr x\nend; z");
  Lex();
  in_.str("\n");
  FirstToken();
  EXPECT_EQ(CurrentToken, "asm");
  out_.str("");
  NextToken();
  EXPECT_EQ(Output(), "directive\nr x\n");
  EXPECT_EQ(CurrentToken, "r x");
}
