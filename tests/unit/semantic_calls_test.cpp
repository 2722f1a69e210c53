// Argument scores, overload choice, implicit casts and storage sizes.
#include "semantic_fixture.h"

namespace {

TypeDescr Type(int32_t typeClass, uint32_t size, int64_t low = 0) {
  TypeDescr t{};
  t.typeClass = typeClass;
  t.size = size;
  t.low = low;
  return t;
}

TEST(TypeScoreTest, IntegerSizesWidenCheaplyAndNarrowDearly) {
  struct {
    uint32_t from, to;
    int score;
  } cases[] = {{1, 1, 50}, {1, 2, 45}, {2, 4, 45}, {1, 4, 40}, {4, 2, 25},
               {2, 1, 25}, {4, 1, 20}, {8, 1, 50}, {1, 8, 50}};
  for (const auto &c : cases) {
    TypeDescr x = Type(kClassInteger, c.from), y = Type(kClassInteger, c.to);
    EXPECT_EQ(TypeScore(&x, &y), c.score) << c.from << " to " << c.to;
  }
}

TEST(TypeScoreTest, ChangeOfSignednessAlmostNeverFits) {
  TypeDescr signed1 = Type(kClassInteger, 1, -128), signed2 = Type(kClassInteger, 2, -1);
  TypeDescr unsigned1 = Type(kClassInteger, 1), unsigned4 = Type(kClassInteger, 4);
  EXPECT_EQ(TypeScore(&signed1, &unsigned4), 1);
  EXPECT_EQ(TypeScore(&unsigned1, &signed2), 3); // the signed target is larger
  EXPECT_EQ(TypeScore(&unsigned4, &signed2), 1);
  EXPECT_EQ(TypeScore(&signed1, &signed2), 45);
}

TEST(TypeScoreTest, OtherClasses) {
  TypeDescr str10 = Type(kClassString, 11), str256 = Type(kClassString, 256);
  TypeDescr ch = Type(kClassChar, 1), boolean = Type(kClassBoolean, 1);
  TypeDescr byte = Type(kClassInteger, 1), ptr = Type(kClassPointer, 2);
  TypeDescr ptr4 = Type(kClassPointer, 4), file = Type(kClassFile, 1);
  TypeDescr file0 = Type(kClassFile, 0), rec3 = Type(kClassRecord, 3);
  TypeDescr rec4 = Type(kClassRecord, 4), rec4b = Type(kClassRecord, 4);
  EXPECT_EQ(TypeScore(&str10, &str256), 50);
  EXPECT_EQ(TypeScore(&ch, &ch), 50);
  EXPECT_EQ(TypeScore(&ch, &str256), 45);
  EXPECT_EQ(TypeScore(&str10, &ch), 0);
  EXPECT_EQ(TypeScore(&boolean, &boolean), 50);
  EXPECT_EQ(TypeScore(&byte, &boolean), 0);
  EXPECT_EQ(TypeScore(&ptr4, &ptr), 50);
  EXPECT_EQ(TypeScore(&file0, &file), 50);
  EXPECT_EQ(TypeScore(&rec3, &rec4), 0);
  EXPECT_EQ(TypeScore(&rec4, &rec4b), 50);
  EXPECT_EQ(TypeScore(nullptr, &rec4), 0);
}

TEST(SizeOfRangeTest, SmallestSizeThatHoldsTheRange) {
  EXPECT_EQ(SizeOfRange(200, 200), 1);
  EXPECT_EQ(SizeOfRange(300, 300), 2);
  EXPECT_EQ(SizeOfRange(-129, -129), 2);
  EXPECT_EQ(SizeOfRange(70000, 70000), 4);
  EXPECT_EQ(SizeOfRange(4294967296LL, 4294967296LL), 8);
  EXPECT_EQ(SizeOfRange(-128, 255), 2); // both halves needed: no single byte
  EXPECT_EQ(SizeOfRange(-128, 127), 1);
  EXPECT_EQ(SizeOfRange(0, 65535), 2);
  EXPECT_EQ(SizeOfRange(-1, 65535), 4);
  EXPECT_EQ(SizeOfRange(0, 4294967295LL), 4);
  EXPECT_EQ(SizeOfRange(-2147483649LL, 0), 8);
  EXPECT_EQ(SizeOfValue(-32768), 2);
  EXPECT_EQ(SizeOfValue(-32769), 4);
}

// ---- Overload choice on compiled programs -------------------------------------------------

class OverloadTest : public SemanticTest {
protected:
  // The assembly name of the subroutine the first statement calls.
  std::string ChosenFor(const std::string &decls, const std::string &call) {
    EXPECT_EQ(Compile("var v: byte; w: word; i: longint; s: string[5];\n" + decls +
                      "\nbegin " + call + "; end.\n"),
              0);
    Node *n = Statement(1);
    return n && n->kind == kNodeCall && n->id ? AsmNameText(n->id) : "none";
  }
};

const char *kByteOrWord = "procedure f(b: byte); begin end;\n"
                          "procedure f(w: word); begin end;";

TEST_F(OverloadTest, ExactSizeBeatsWidening) {
  std::string chosen = ChosenFor(kByteOrWord, "f(v)");
  EXPECT_EQ(chosen, AsmNameText(Named("f")));
}

TEST_F(OverloadTest, ConstantCountsAsUnsignedFourBytes) {
  std::string chosen = ChosenFor(kByteOrWord, "f(5)");
  EXPECT_NE(chosen, AsmNameText(Named("f")));
  EXPECT_EQ(chosen.substr(0, 2), "f_");
}

TEST_F(OverloadTest, LowScoreStillSelectsTheOnlyCandidate) {
  EXPECT_NE(ChosenFor("procedure f(i: longint); begin end;", "f(5)"), "none");
}

TEST_F(OverloadTest, VarParameterNeedsAPerfectFit) {
  EXPECT_EQ(ChosenFor("procedure f(var a: word); begin end;", "f(v)"), "none");
  EXPECT_NE(Output().find("Subroutine \"f\" not found."), std::string::npos);
  EXPECT_NE(ChosenFor("procedure f(var a: word); begin end;", "f(w)"), "none");
}

TEST_F(OverloadTest, TieGoesToTheLaterDeclaration) {
  std::string chosen = ChosenFor("procedure f(a: word); begin end;\n"
                                 "procedure f(b: word); begin end;",
                                 "f(w)");
  ID *later = Named("f")->next;
  while (later && NameText(later) != "f")
    later = later->next;
  ASSERT_NE(later, nullptr);
  EXPECT_EQ(chosen, AsmNameText(later));
}

TEST_F(OverloadTest, OneCharacterLiteralFitsACharParameter) {
  std::string chosen = ChosenFor("procedure f(c: char); begin end;", "f('x')");
  EXPECT_EQ(chosen, AsmNameText(Named("f")));
  chosen = ChosenFor("procedure f(const c: char); begin end;", "f('x')");
  EXPECT_EQ(chosen, AsmNameText(Named("f")));
  EXPECT_EQ(ChosenFor("procedure f(c: char); begin end;", "f('xy')"), "none");
  EXPECT_EQ(ChosenFor("procedure f(var c: char); begin end;", "f('x')"), "none");
}

TEST_F(OverloadTest, OneCharacterLiteralStillPrefersAStringParameter) {
  // The char overload is declared later and met first in the walk.
  std::string chosen = ChosenFor("procedure f(t: string); begin end;\n"
                                 "procedure f(c: char); begin end;",
                                 "f('x')");
  EXPECT_EQ(chosen, AsmNameText(Named("f")));
}

TEST_F(OverloadTest, ArgumentCountMustMatch) {
  EXPECT_EQ(ChosenFor("procedure f(a, b: word); begin end;", "f(w)"), "none");
}

TEST_F(OverloadTest, NamesOfOtherKindsArePassedOver) {
  // After the procedure the walk meets a type and a variable named f; they
  // have no subroutine record to score.
  std::string chosen = ChosenFor("var f: byte;\ntype f = word;\n"
                                 "procedure f(a: word); begin end;",
                                 "f(3)");
  EXPECT_EQ(chosen, AsmNameText(Named("f")->next->next));
  EXPECT_EQ(Get(Named("f")->kind), kIdVar);
  EXPECT_EQ(Get(Named("f")->next->next->kind), kIdSubr);
}

TEST_F(OverloadTest, UserDefinedOperatorBecomesItsCall) {
  ASSERT_EQ(Compile("type r = record a: byte; end;\n"
                    "var x, y, z: r;\n"
                    "function + (p, q: r): r; operator; begin end;\n"
                    "begin z := x + y; end.\n"),
            0);
  Node *sum = Child(Statement(1), 2);
  EXPECT_EQ(Get(sum->kind), kNodeCall);
  EXPECT_EQ(Get(sum->id), Named("+"));
  EXPECT_EQ(Get(sum->typeClass), kClassRecord); // the operator's result type
}

// ---- Casts of arguments ---------------------------------------------------------------------

TEST_F(SemanticTest, ValueArgumentOfOtherSizeIsCast) {
  ASSERT_EQ(Compile("var v: byte; s: string[5];\n"
                    "procedure f(a: word; t: string); begin end;\n"
                    "begin f(v, s); end.\n"),
            0);
  Node *call = Statement(1);
  EXPECT_EQ(Shape(call), "(11 f (12 (18 v)) (18 s))"); // no cast between strings
  Node *cast = Child(call, 1);
  EXPECT_EQ(Get(cast->type), Get(Named("word")->type));
  EXPECT_EQ(Fields(cast), "1/2/0/0/0"); // made, not evaluated
  EXPECT_EQ(Get(Child(cast, 1)->isValue), 1);
}

TEST_F(SemanticTest, OneCharacterLiteralForACharIsCastToChar) {
  ASSERT_EQ(Compile("procedure f(c: char); begin end;\n"
                    "begin f('x'); end.\n"),
            0);
  Node *cast = Child(Statement(1), 1);
  EXPECT_EQ(Shape(cast), "(12 (21 x))");
  EXPECT_EQ(Fields(cast), "5/1/0/0/0");
}

TEST_F(SemanticTest, VarArgumentMustBeAddressable) {
  ASSERT_EQ(Compile("var v: byte;\n"
                    "procedure f(var a: byte); begin end;\n"
                    "begin f(v); f(byte(v)); f(v + 1); end.\n"),
            0);
  EXPECT_EQ(Shape(Statement(1)), "(11 f (18 v))");
  EXPECT_EQ(Get(Child(Statement(1), 1)->isValue), 0);
  // The cast has v's type, so f is chosen, but the cast has no address.
  EXPECT_NE(Get(Statement(2)->id), nullptr);
  EXPECT_NE(Output().find("error in expression (var_arg)"), std::string::npos);
  // A sum is no byte at all: nothing fits.
  EXPECT_EQ(Get(Statement(3)->id), nullptr);
  EXPECT_NE(Output().find("Subroutine \"f\" not found."), std::string::npos);
}

TEST_F(SemanticTest, ValueForVarParameterIsReported) {
  ASSERT_EQ(Compile("var v: byte; s: string[5];\n"
                    "procedure f(var a: string); begin end;\n"
                    "begin f('abc'); end.\n"),
            0);
  EXPECT_NE(Output().find("error in expression (var_arg)"), std::string::npos);
  EXPECT_NE(Get(Statement(1)->id), nullptr);
}

TEST_F(SemanticTest, UntypedParameterTakesAnyVariableUncast) {
  ASSERT_EQ(Compile("type r = record a, b: word; end;\n"
                    "var v: byte; x: r; s: string[5];\n"
                    "procedure f(var a; const b); begin end;\n"
                    "begin f(x, v); f(s, x); f(v, 5); f(5, v); end.\n"),
            0);
  EXPECT_EQ(Shape(Statement(1)), "(11 f (18 x) (18 v))");
  EXPECT_EQ(Shape(Statement(2)), "(11 f (18 s) (18 x))");
  EXPECT_EQ(Shape(Statement(3)), "(11 f (18 v) (19 5))");
  EXPECT_NE(Get(Statement(4)->id), nullptr);
  EXPECT_NE(Output().find("error in expression (var_arg)"), std::string::npos);
}

TEST_F(SemanticTest, ConstParameterCastsButKeepsIsValue) {
  ASSERT_EQ(Compile("var v: byte;\n"
                    "procedure f(const a: word); begin end;\n"
                    "begin f(v); end.\n"),
            0);
  Node *cast = Child(Statement(1), 1);
  EXPECT_EQ(Get(cast->kind), kNodeTypeCast);
  EXPECT_EQ(Get(Child(cast, 1)->isValue), 0);
}

} // namespace
