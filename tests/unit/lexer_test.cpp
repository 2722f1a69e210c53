#include "tests/unit/test_support.h"

using Tokens = std::vector<std::string>;

class LexerTest : public ScratchDirTest {
protected:
  Tokens LexText(const std::string &src) {
    WriteFile("main.pas", src);
    EXPECT_EQ(Lex(), 0) << Output();
    return TokenTexts();
  }
};

TEST_F(LexerTest, OperatorsIdentifiersAndNumbers) {
  EXPECT_EQ(LexText("x:=y+1"), (Tokens{"x", ":=", "y", "+", "1"}));
  EXPECT_EQ(LexText("a<>b"), (Tokens{"a", "<>", "b"}));
  EXPECT_EQ(LexText("1..10"), (Tokens{"1", "..", "10"}));
  EXPECT_EQ(LexText("BEGIN Begin begin"), (Tokens{"begin", "begin", "begin"}));
  EXPECT_EQ(LexText("10div"), (Tokens{"10d", "iv"}));
  EXPECT_EQ(LexText("3.14"), (Tokens{"3", ".", "14"}));
  EXPECT_EQ(LexText("a...b"), (Tokens{"a", "..", ".", "b"}));
  EXPECT_EQ(LexText("( *x* )"), (Tokens{"(", "*", "x", "*", ")"}));
  EXPECT_EQ(LexText("$FF"), (Tokens{"$", "ff"}));
  EXPECT_EQ(LexText("a>=b<=c"), (Tokens{"a", ">=", "b", "<=", "c"}));
}

TEST_F(LexerTest, StringLiterals) {
  EXPECT_EQ(LexText("'it''s'#13#10;"), (Tokens{"'it''s'#13#10", ";"}));
  EXPECT_EQ(LexText("#$0D"), (Tokens{"#", "$", "0D"}));
  EXPECT_EQ(LexText("x := 'abc"), (Tokens{"x", ":=", "'abc'"}));
  EXPECT_EQ(LexText("'"), (Tokens{"''"}));
  EXPECT_EQ(LexText("'''' x"), (Tokens{"''''", "x"}));
  EXPECT_EQ(LexText("'{ not a comment }' y"), (Tokens{"'{ not a comment }'", "y"}));
  EXPECT_EQ(LexText("'a' 'b'"), (Tokens{"'a'", "'b'"}));
}

TEST_F(LexerTest, CommentsNestAndSpanLines) {
  EXPECT_EQ(LexText("{ a { b } c } d"), (Tokens{"d"}));
  EXPECT_EQ(LexText("{ a } b"), (Tokens{"b"}));
  EXPECT_EQ(LexText("} x"), (Tokens{"}", "x"}));
  EXPECT_EQ(LexText("a { x\n y\n } b // c { d\ne"), (Tokens{"a", "b", "e"}));
  EXPECT_EQ(LexText("{ // } f"), (Tokens{"f"}));
  EXPECT_EQ(LexText("{ {$define q} } {$ifdef q} g {$endif} h"), (Tokens{"h"}));
}

// (* *) nests like braces; each kind of comment is plain text inside the
// other, and neither opens inside a string.
TEST_F(LexerTest, ParenStarComments) {
  EXPECT_EQ(LexText("(*x*)"), (Tokens{}));
  EXPECT_EQ(LexText("a (* b (* c *) d *) e"), (Tokens{"a", "e"}));
  EXPECT_EQ(LexText("(* { *) x } y"), (Tokens{"x", "}", "y"}));
  EXPECT_EQ(LexText("{ (* } z"), (Tokens{"z"}));
  EXPECT_EQ(LexText("(*) still inside *) w"), (Tokens{"w"}));
  EXPECT_EQ(LexText("p(*\n q *)r"), (Tokens{"p", "r"}));
  EXPECT_EQ(LexText("'(*' s"), (Tokens{"'(*'", "s"}));
  EXPECT_EQ(LexText("(* {$define q} *) {$ifdef q} g {$endif} h // (*\ni"),
            (Tokens{"h", "i"}));
}

TEST_F(LexerTest, AsmBlocks) {
  EXPECT_EQ(LexText("asm ld a,1\n  ld b,2\n\n   \n{$define z}\nend;"),
            (Tokens{"asm", "  ld b,2", "   ", "{$define z}", "end", ";"}));
  EXPECT_EQ(LexText("asm\n x\nappend; y\n"), (Tokens{"asm", " x", "append", ";", "y"}));
  EXPECT_EQ(LexText("asm\nEND;\nend ;\n; end;"),
            (Tokens{"asm", "END;", "end ;", ";", "end", ";"}));
}

TEST_F(LexerTest, AsmLineKeepsColumnOfAsmKeyword) {
  LexText("begin\n  asm\n\tld a,1\n  end;");
  Token *t = gTokenHead->next->next; // "\tld a,1" after "begin", "asm"
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(HeapTextOrEmpty(t->text), " ld a,1");
  EXPECT_EQ(t->pos.column, 3);
  EXPECT_EQ(t->pos.line, 3);
}

TEST_F(LexerTest, PositionsCountTabsAsOneColumn) {
  LexText("\tx  yy\n\n z");
  Token *x = gTokenHead, *yy = x->next, *z = yy->next;
  EXPECT_EQ(x->pos.column, 2);
  EXPECT_EQ(yy->pos.column, 5);
  EXPECT_EQ(z->pos.line, 3);
  EXPECT_EQ(z->pos.column, 2);
  EXPECT_EQ(HeapTextOrEmpty(x->pos.lineText), " x  yy");
  HeapText xLine = x->pos.lineText, yyLine = yy->pos.lineText; // packed fields: copy first
  EXPECT_EQ(xLine, yyLine);
  EXPECT_EQ(HeapTextOrEmpty(x->pos.fileName), "main.pas");
}

TEST_F(LexerTest, LineEndsAndLongLines) {
  WriteFile("main.pas", "a\r\nb\rc\nd");
  EXPECT_EQ(Lex(), 0);
  EXPECT_EQ(TokenTexts(), (Tokens{"a", "b", "c", "d"}));
  EXPECT_EQ(gLex.lines, 4u);
  EXPECT_EQ(gLex.chars, 4u);

  ArenaReset();
  ResetCompilerState();
  WriteFile("main.pas", std::string(250, ' ') + "abcde" + std::string(45, 'x') + "\nq");
  EXPECT_EQ(Lex(), 0);
  EXPECT_EQ(TokenTexts(), (Tokens{"abcde", "q"}));
  EXPECT_EQ(gLex.chars, 256u);
}

TEST_F(LexerTest, Counters) {
  LexText("{ c }\nab := 1;\n");
  EXPECT_EQ(gLex.lines, 2u);
  EXPECT_EQ(gLex.chars, 13u);
  EXPECT_EQ(gLex.tokens, 4u);
  EXPECT_EQ(gLex.tokenChars, 6u);
}

TEST_F(LexerTest, InvalidCharacterStops) {
  WriteFile("main.pas", "x := 1;\ny := a ! b;\n");
  EXPECT_EQ(Lex(), 1);
  EXPECT_EQ(Output(), "\\__ main.pas\n\n>> invalid char\ny := a ! b;\n");
}

TEST_F(LexerTest, InvalidCharacterInsideInactiveSectionStillStops) {
  WriteFile("main.pas", "{$ifdef nothing}\n x ? y\n{$endif}\n");
  EXPECT_EQ(Lex(), 1);
}

TEST_F(LexerTest, HighAndControlCharactersAreInvalid) {
  for (std::string bad : {std::string("\x01"), std::string("\xC3\xA9"), std::string("\x7f"),
                          std::string(1, '\0'), std::string("\"")}) {
    ArenaReset();
    ResetCompilerState();
    out_.str("");
    WriteFile("main.pas", "a " + bad);
    EXPECT_EQ(Lex(), 1);
  }
}

TEST_F(LexerTest, ConditionalSections) {
  EXPECT_EQ(LexText("{$ifdef tarn} a {$endif} {$ifdef target_z80} b {$endif}"),
            (Tokens{"a", "b"}));
  EXPECT_EQ(LexText("{$ifdef A} x {$else} y {$endif}"), (Tokens{"y"}));
  EXPECT_EQ(LexText("{$define A}{$ifdef A} x {$else} y {$endif}"), (Tokens{"x"}));
  EXPECT_EQ(LexText("{$ifndef A} x {$endif}"), (Tokens{"x"}));
  EXPECT_EQ(LexText("{$IFDEF X} a {$ENDIF}{$Define X}{$IfDef X} b {$EndIf}"), (Tokens{"b"}));
  EXPECT_EQ(LexText("{$DEFINE x}{$IFDEF X} a {$ENDIF}{$IFNDEF X} c {$ENDIF}"),
            (Tokens{"c"}));
  EXPECT_EQ(LexText("{$define X}{$ifdef X } a {$endif} b"), (Tokens{"b"}));
  EXPECT_EQ(LexText("{$ifdef} a {$endif}"), (Tokens{"a"}));
  EXPECT_EQ(LexText("{$define ABCDEFGHIJKLMNOPQRSTUVWXY}{$ifdef ABCDEFGHIJKLMNOPQRSTUVWXY}"
                    "a{$endif}{$ifdef ABCDEFGHIJKLMNOPQRST}b{$endif}"),
            (Tokens{"b"}));
  EXPECT_EQ(LexText("{$undef tarn}{$ifdef tarn} a {$endif} b"), (Tokens{"b"}));
}

TEST_F(LexerTest, StackCheckDirectiveLastOneDecides) {
  EXPECT_EQ(LexText("x {$s+} y"), (Tokens{"x", "y"}));
  EXPECT_TRUE(gLex.stackCheck);
  LexText("{$s+} x {$s-}");
  EXPECT_FALSE(gLex.stackCheck);
  // Not in a failed section; the name in any case, as for every directive.
  LexText("{$ifdef nope}{$s+}{$endif} x");
  EXPECT_FALSE(gLex.stackCheck);
  LexText("x {$S+}");
  EXPECT_TRUE(gLex.stackCheck);
}

// Switches of other compilers are no includes: each is named once on the
// console and changes nothing, silently so in a section that is off.
TEST_F(LexerTest, UnknownDirectivesAreIgnoredWithANote) {
  EXPECT_EQ(LexText("{$I+} a {$R-}{$mode objfpc} b\n{$ifdef no}{$H+}{$endif} c"),
            (Tokens{"a", "b", "c"}));
  EXPECT_NE(Output().find("ignored directive {$I+} at main.pas(1,1)\n"
                          "ignored directive {$R-} at main.pas(1,9)\n"
                          "ignored directive {$mode objfpc} at main.pas(1,14)\n"),
            std::string::npos)
      << Output();
  EXPECT_EQ(Output().find("{$H+}"), std::string::npos);
  WriteFile("inc.pas", "x");
  EXPECT_EQ(LexText("{$I inc.pas} y"), (Tokens{"x", "y"}));
}

TEST_F(LexerTest, NestedSectionsDependOnInnermostLevel) {
  EXPECT_EQ(LexText("{$define B}{$ifdef A} o1 {$ifdef B} in {$endif} o2 {$endif} z"),
            (Tokens{"in", "z"}));
  // A define inside a failed section still defines its symbol.
  EXPECT_EQ(LexText("{$ifdef A}{$define C}{$endif}{$ifdef C} c {$endif}"), (Tokens{"c"}));
}

TEST_F(LexerTest, SecondElseReportsAndFlipsAgain) {
  in_.str("\n");
  EXPECT_EQ(LexText("{$ifdef A} a {$else} b {$else} c {$endif}"), (Tokens{"b"}));
  EXPECT_EQ(Output().find("ifdef error\n") != std::string::npos, true);
  // An else at level 0 drops everything after it.
  EXPECT_EQ(LexText("a {$else} b"), (Tokens{"a"}));
}

TEST_F(LexerTest, DirectiveLimitsStopWithRangeError) {
  WriteFile("main.pas", "{$endif}");
  EXPECT_EQ(Lex(), 201);
  std::string deep;
  for (int i = 0; i < 11; i++)
    deep += "{$ifdef tarn}";
  WriteFile("main.pas", deep);
  ResetCompilerState();
  EXPECT_EQ(Lex(), 201);
  std::string defines;
  for (int i = 0; i < 98; i++)
    defines += "{$define s" + std::to_string(i) + "}\n";
  WriteFile("main.pas", defines);
  ResetCompilerState();
  EXPECT_EQ(Lex(), 201);
  EXPECT_NE(Output().find("Runtime error 201: more than 100 defined symbols"),
            std::string::npos);
}

TEST_F(LexerTest, CommentNestingLimit) {
  WriteFile("main.pas", std::string(255, '{'));
  EXPECT_EQ(Lex(), 0);
  WriteFile("main.pas", std::string(255, '{') + "\n{");
  ResetCompilerState();
  EXPECT_EQ(Lex(), 201);
}

TEST_F(LexerTest, IncludesAndTheIncludeTree) {
  WriteFile("lib/a.inc", "a1 {$i b.inc} a2\n");
  WriteFile("rtl/b.inc", "b1\n");
  WriteFile("main.pas", "m1 {$i a.inc} m2\n{$i b.inc}");
  EXPECT_EQ(Lex(), 0);
  EXPECT_EQ(TokenTexts(), (Tokens{"m1", "a1", "b1", "a2", "m2", "b1"}));
  EXPECT_EQ(Output().substr(0, Output().find("\nLEX")),
            "\\__ main.pas\n|   \\__ lib/a.inc\n|   |   \\__ rtl/b.inc\n|   \\__ rtl/b.inc\n");
}

TEST_F(LexerTest, IncludeSearchStartsInMainFileDirectory) {
  WriteFile("src/main.pas", "{$i x.inc}");
  WriteFile("src/x.inc", "fromsrc");
  WriteFile("lib/x.inc", "fromlib");
  WriteFile("x.inc", "bare");
  gFirstArgument = "src/main.pas";
  EXPECT_EQ(FindIncludeFile("x.inc"), "src/x.inc");
  gFirstArgument = "main.pas"; // first candidate is the bare name
  EXPECT_EQ(FindIncludeFile("x.inc"), "x.inc");
  std::filesystem::remove("x.inc");
  EXPECT_EQ(FindIncludeFile("x.inc"), "lib/x.inc");
  std::filesystem::remove("lib/x.inc");
  gFirstArgument = "src/main.pas";
  std::filesystem::remove("src/x.inc");
  EXPECT_EQ(FindIncludeFile("x.inc"), "");
  EXPECT_EQ(Output(), "File x.inc not found.\n");
}

TEST_F(LexerTest, MissingIncludeStopsWithStatus2) {
  WriteFile("main.pas", "a\n{$i crt.inc}\n");
  EXPECT_EQ(Lex(), 2);
  EXPECT_NE(Output().find("File crt.inc not found.\nRuntime error 2: "), std::string::npos);
}

TEST_F(LexerTest, IncludeInInactiveSectionIsNotLookedUp) {
  EXPECT_EQ(LexText("{$ifdef none}{$i missing.inc}{$endif} ok"), (Tokens{"ok"}));
  EXPECT_EQ(Output().find("not found"), std::string::npos);
}

TEST_F(LexerTest, SelfIncludeStopsAtDepthLimit) {
  WriteFile("main.pas", "{$i main.pas}");
  EXPECT_EQ(Lex(), 201);
}

TEST_F(LexerTest, SectionsAndCommentsCarryAcrossFiles) {
  WriteFile("open.inc", "{$ifdef none} hidden { comment");
  WriteFile("main.pas", "{$i open.inc} still } hidden2 {$endif} seen");
  EXPECT_EQ(Lex(), 0);
  EXPECT_EQ(TokenTexts(), (Tokens{"seen"}));
}

TEST_F(LexerTest, AsmBlockOpenedByAnIncludeInTheMiddleOfALine) {
  // The line goes on after the include (from its first column it would
  // include the file again, for ever): "end;" before or after it ends the
  // block, and the rest of the line is source text again.
  WriteFile("x.inc", "asm");
  EXPECT_EQ(LexText("a {$i x.inc} end; b"), (Tokens{"a", "asm", "end", ";", "b"}));
  EXPECT_EQ(LexText("end; {$i x.inc} c"), (Tokens{"end", ";", "asm", "c"}));
  EXPECT_EQ(LexText("{$i x.inc} nop\n end;"), (Tokens{"asm", "{$i x.inc} nop", "end", ";"}));
}

TEST_F(LexerTest, ReadErrorStopsWithStatus5) {
  // Opening works, reading fails: the run stops cleanly, on the console.
  EXPECT_EQ(Lex("/proc/self/mem"), 5);
  EXPECT_NE(Output().find("Runtime error 5: cannot read file: /proc/self/mem"), std::string::npos);
}

TEST_F(LexerTest, EmptyFileAndStatistics) {
  WriteFile("main.pas", "");
  EXPECT_EQ(Lex(), 0);
  EXPECT_EQ(Output(), "\\__ main.pas\n\nLEX stat\nbefore: 0 lines, 0 chars\n"
                      "after: 0 tokens, 0 chars\n\n");
}

TEST_F(LexerTest, MissingMainFile) {
  EXPECT_EQ(Lex("nothere.pas"), 2);
  std::filesystem::create_directory("adir");
  EXPECT_EQ(Lex("adir"), 5);
}
