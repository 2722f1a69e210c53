// The SYNTAX block: counts over the whole tree and every statement list.
#include "tests/unit/parser_support.h"

class StatisticsTest : public ParserTest {
protected:
  std::string Counts() {
    PrintSyntaxStatistics();
    return std::to_string(gSyntaxCounters[kCountIDs]) + " IDs " +
           std::to_string(gSyntaxCounters[kCountVars]) + " vars " +
           std::to_string(gSyntaxCounters[kCountSubrs]) + " subrs " +
           std::to_string(gSyntaxCounters[kCountTypes]) + " types " +
           std::to_string(gSyntaxCounters[kCountNodes]) + " nodes";
  }
};

TEST_F(StatisticsTest, EmptyProgramBlock) {
  ASSERT_EQ(Parse("begin end."), 0);
  PrintSyntaxStatistics();
  EXPECT_EQ(Output(), "\nSYNTAX\n"
                      "16 IDs // sizeof=115 bytes, total 1840\n"
                      "0 vars // sizeof=14 bytes, total 0\n"
                      "1 subrs // sizeof=240 bytes, total 240\n"
                      "15 types // sizeof=40 bytes, total 600\n"
                      "0 nodes // sizeof=150 bytes, total 0\n\n");
}

TEST_F(StatisticsTest, ResetClearsAllTenCounters) {
  for (uint32_t &c : gSyntaxCounters)
    c = 7;
  ResetSyntaxCounters();
  for (int i = 1; i <= 10; i++)
    EXPECT_EQ(gSyntaxCounters[i], 0u);
}

TEST_F(StatisticsTest, ParametersAndResultsAreVarsConstantsOnlyIds) {
  // + x, y, result, v: 4 vars; c, e1, e2: 3 constants; t, e: 2 types; f: 1 subr;
  // record fields a, b are not in the tree.
  ASSERT_EQ(Parse("type t = record a, b: byte; end; e = (e1, e2);\n"
                  "const c = 1;\n"
                  "function f(x, y: byte): byte; var v: t; begin v.a := x; end;\n"
                  "begin f(1, 2); end."),
            0);
  EXPECT_EQ(Counts(), "26 IDs 4 vars 2 subrs 17 types 7 nodes");
}

TEST_F(StatisticsTest, ForwardAndExternalSubroutinesHaveNoNodes) {
  ASSERT_EQ(Parse("procedure p; forward;\nprocedure q; external;\n"
                  "procedure p; begin q; q; end;\nbegin end."),
            0);
  EXPECT_EQ(Counts(), "19 IDs 0 vars 4 subrs 15 types 2 nodes");
}

TEST_F(StatisticsTest, NodesOfEveryStatementForm) {
  ASSERT_EQ(Parse("begin\n"
                  "  a := b + 1;\n"                         // 5
                  "  if a then b else c;\n"                 // 4
                  "  while a do begin b; c; end;\n"         // 4
                  "  repeat b; until a;\n"                  // 3
                  "  for i := 1 to 2 do b;\n"               // 4
                  "  case a of 1, 2: b; 3: c; else d; end;\n" // 1+1+(1+2+1)+(1+1+1)+1 = 10
                  "  asm\n nop\n nop\nend;\n"               // 2
                  "  p^.f[i] := @x;\n"                       // 1+(index(field(deref p),i)=5)+2 = 8
                  "  f(1, 'a', -x);\n"                       // 1+1+1+2 = 5
                  "end."),
            0);
  EXPECT_EQ(Counts(), "16 IDs 0 vars 1 subrs 15 types 45 nodes");
}
