// Expressions: priorities and grouping, prefix and postfix forms, literals,
// argument lists and the reported errors.
#include "tests/unit/parser_support.h"

class ExpressionsTest : public ParserTest {
protected:
  std::string ShapeOf(const std::string &text) {
    Tokens(text);
    return Shape(ParseExpression());
  }
};

TEST_F(ExpressionsTest, PrioritiesAndGrouping) {
  EXPECT_EQ(ShapeOf("-a + b"), "add(neg(a),b)");
  EXPECT_EQ(ShapeOf("-a * b"), "neg(mul(a,b))");
  EXPECT_EQ(ShapeOf("not a and b"), "and(not(a),b)");
  EXPECT_EQ(ShapeOf("a = b = c"), "eq(eq(a,b),c)");
  EXPECT_EQ(ShapeOf("a < b + 1"), "lt(a,add(b,1))");
  EXPECT_EQ(ShapeOf("a - b - c"), "sub(sub(a,b),c)");
  EXPECT_EQ(ShapeOf("a + b * c"), "add(a,mul(b,c))");
  EXPECT_EQ(ShapeOf("(a + b) * c"), "mul(add(a,b),c)");
  EXPECT_EQ(ShapeOf("a or b xor c and d"), "xor(or(a,b),and(c,d))");
  EXPECT_EQ(ShapeOf("a div b mod c / d shl e shr f"),
            "shr(shl(div(mod(div(a,b),c),d),e),f)");
  EXPECT_EQ(ShapeOf("a <= b <> c >= d > e"), "gt(ge(ne(le(a,b),c),d),e)");
  EXPECT_EQ(ShapeOf("@a"), "addr(a)");
  EXPECT_EQ(Output(), "");
}

TEST_F(ExpressionsTest, OperatorPriorities) {
  EXPECT_EQ(OperatorPriority("not"), 40);
  EXPECT_EQ(OperatorPriority("@"), 40);
  EXPECT_EQ(OperatorPriority(">>"), 30);
  EXPECT_EQ(OperatorPriority("and"), 30);
  EXPECT_EQ(OperatorPriority("xor"), 20);
  EXPECT_EQ(OperatorPriority("<>"), 10);
  EXPECT_EQ(OperatorPriority("an"), 0);
  EXPECT_EQ(OperatorPriority(":="), 0);
  EXPECT_EQ(OperatorPriority(""), 0);
}

TEST_F(ExpressionsTest, LiteralsAndPostfix) {
  EXPECT_EQ(ShapeOf("$FF"), "255");
  EXPECT_EQ(ShapeOf("'abc'"), "'abc'");
  EXPECT_EQ(ShapeOf("p^.f[2]"), "index(field:f(deref(p)),2)");
  EXPECT_EQ(ShapeOf("a[i, j]"), "index(index(a,i),j)");
  EXPECT_EQ(ShapeOf("f(1, 2)"), "f(1,2)");
  Tokens("f()");
  Node *call = ParseExpression();
  EXPECT_EQ(+call->kind, kNodeName);
  EXPECT_EQ(+call->childCount, 0);
  EXPECT_EQ(CurrentToken, "<EOF>");
}

TEST_F(ExpressionsTest, ExpressionCarriesItsFirstPosition) {
  Tokens("  a + b");
  Node *n = ParseExpression();
  EXPECT_EQ(+n->position.column, 3);
  EXPECT_EQ(+n->position.line, 1);
  EXPECT_EQ(+Child(n, 2)->position.column, 7); // a name inside has its own
  Tokens("  (a + b) * 2");
  n = ParseExpression();
  EXPECT_EQ(+Child(n, 1)->position.fileName, nullptr); // inner operators have none
}

TEST_F(ExpressionsTest, StringLiteralsStandForTheirCharacters) {
  EXPECT_EQ(ShapeOf("'it''s'"), "'it's'");
  EXPECT_EQ(ShapeOf("''''"), "'''");
  EXPECT_EQ(ShapeOf("'''a'''"), "''a''");
  EXPECT_EQ(ShapeOf("'a'#66'c'"), "'aBc'");
  EXPECT_EQ(ShapeOf("#65"), "'A'");
  EXPECT_EQ(ShapeOf("'say \"hi\"'#34"), "'say 'hi'\"'");
  EXPECT_EQ(CurrentToken, "<EOF>");
}

TEST_F(ExpressionsTest, DecodingKeepsEveryCharacterCode) {
  EXPECT_EQ(DecodeStringLiteral("'a'#13#10"), Text("a\r\n"));
  EXPECT_EQ(DecodeStringLiteral("#0#255"), Text("\0\xff", 2));
  EXPECT_EQ(DecodeStringLiteral("''"), Text());
  // Codes beyond a byte, and hexadecimal digits, stay as written.
  EXPECT_EQ(DecodeStringLiteral("#256'x'#1f"), Text("#256x#1f"));
}

TEST_F(ExpressionsTest, LoneCharacterCodeSignSkipsTwoTokens) {
  Tokens("# x y");
  EXPECT_EQ(ParseExpression(), nullptr);
  EXPECT_EQ(CurrentToken, "y");
}

TEST_F(ExpressionsTest, ErrorInExpressionConsumesNothing) {
  Tokens(") x");
  EXPECT_EQ(ParseExpression(), nullptr);
  EXPECT_EQ(CurrentToken, ")");
  EXPECT_EQ(Output(), "Error at main.pas(1,1): Error in expression\n) x\n^\n");
}

TEST_F(ExpressionsTest, UnaryPlusIsItsOperandBoundLikeUnaryMinus) {
  EXPECT_EQ(ShapeOf("+ 1"), "1");
  EXPECT_EQ(ShapeOf("+a * b + c"), "add(mul(a,b),c)");
  EXPECT_EQ(ShapeOf("a - +b"), "sub(a,b)");
  EXPECT_EQ(ShapeOf("+ -a"), "neg(a)");
  EXPECT_EQ(Output(), "");
}

TEST_F(ExpressionsTest, OperatorsWithoutNodeKind) {
  // reported where the right operand ends
  EXPECT_EQ(ShapeOf("a not b;"), "op0(a,b)");
  EXPECT_EQ(Output(), "Error at main.pas(1,8): unknown operator in "
                      "OperatorToNodetype(): not\na not b;\n       ^\n");
  EXPECT_EQ(ShapeOf("a @ b"), "op0(a,b)");
  // "<<" reaches the parser as two "<" tokens
  EXPECT_EQ(ShapeOf("a << b"), "lt(lt(a,nil),b)");
  EXPECT_EQ(Output(), "Error at main.pas(1,4): Error in expression\na << b\n   ^\n");
}

TEST_F(ExpressionsTest, TenArgumentsAndNoMore) {
  Tokens("f(1,2,3,4,5,6,7,8,9,10)");
  EXPECT_EQ(+ParseExpression()->childCount, 10);
  Tokens("f(1,2,3,4,5,6,7,8,9,10,11)");
  EXPECT_EQ(Run([] { ParseExpression(); }), kStopLimit);
  EXPECT_EQ(Output(), "Error at main.pas(1,24): Too many parameters.\n"
                      "f(1,2,3,4,5,6,7,8,9,10,11)\n                       ^\n"
                      "Runtime error 201: more than 10 arguments in one call\n");
}

TEST_F(ExpressionsTest, MissingClosersStop) {
  Tokens("(a");
  EXPECT_EQ(Run([] { ParseExpression(); }), 1);
  Tokens("a[1");
  EXPECT_EQ(Run([] { ParseExpression(); }), 1);
  Tokens("f(1");
  EXPECT_EQ(Run([] { ParseExpression(); }), 1);
}

TEST_F(ExpressionsTest, DeepNestingStopsInsteadOfOverflowing) {
  std::string deep;
  for (int i = 0; i < 2000; i++)
    deep += "(\n";
  Tokens(deep);
  EXPECT_EQ(Run([] { ParseExpression(); }), kStopLimit);
  std::string chain = "a";
  for (int i = 0; i < 1100; i++)
    chain += (i % 20 == 19) ? "\n+a" : "+a";
  Tokens(chain);
  EXPECT_EQ(Run([] { ParseExpression(); }), kStopLimit);
  std::string ok = "a";
  for (int i = 0; i < 500; i++)
    ok += (i % 20 == 19) ? "\n+a" : "+a";
  Tokens(ok);
  EXPECT_EQ(Run([] { ParseExpression(); }), 0);
}
