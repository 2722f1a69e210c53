// Node evaluation: names, type fields, constant folding, reports, and
// nodes the parser left missing.
#include "semantic_fixture.h"

namespace {

const char *kVars = "var x, y: byte; l, m: longint; s: string[10]; c: char; b: boolean;\n"
                    "    p: ^word; a: array [1..3] of smallint;\n"
                    "    r: record f: word; g: char; end;\n";

class EvaluationTest : public SemanticTest {
protected:
  // Compiles the statements in a program with the variables above; returns
  // the value (child 2) of the first statement, an assignment.
  Node *Value(const std::string &statements, const std::string &decls = "") {
    EXPECT_EQ(Compile(std::string(kVars) + decls + "begin " + statements + " end.\n"), 0);
    Node *first = Statement(1);
    return first && first->childCount >= 2 ? Child(first, 2) : nullptr;
  }
  bool Reported(const std::string &message) const {
    return Output().find(message) != std::string::npos;
  }
};

// Fields are class/size/signed/operand class/isValue.

TEST_F(EvaluationTest, IntegerLiteralsAreSizedByValue) {
  EXPECT_EQ(Fields(Value("x := 200;")), "1/1/0/1/1");
  EXPECT_EQ(Fields(Value("l := 300;")), "1/2/0/1/1");
  EXPECT_EQ(Fields(Value("l := 70000;")), "1/4/0/1/1");
}

TEST_F(EvaluationTest, NamesBecomeReferencesCallsAndCasts) {
  Node *v = Value("l := x;");
  EXPECT_EQ(Get(v->kind), kNodeVarRef);
  EXPECT_EQ(Get(v->id), Named("x"));
  EXPECT_EQ(Fields(v), "1/1/0/0/1");
  EXPECT_EQ(Fields(Child(Statement(1), 1)), "1/4/1/0/0"); // the target: an address
  Node *cast = Value("l := word(x);");
  EXPECT_EQ(Shape(cast), "(12 word (18 x))");
  EXPECT_EQ(Get(cast->id), Named("word"));
  EXPECT_EQ(Fields(cast), "1/2/0/0/1");
  Node *call = Value("l := f(x);", "function f(a: byte): smallint; begin end;\n");
  EXPECT_EQ(Get(call->kind), kNodeCall);
  EXPECT_EQ(Fields(call), "1/2/1/0/1"); // the assignment wants its value
}

TEST_F(EvaluationTest, UnaryMinus) {
  // An unsigned value negated is signed and twice as large.
  EXPECT_EQ(Fields(Value("l := -x;")), "1/2/1/0/1");
  EXPECT_EQ(Get(Value("l := -x;")->type), nullptr);
  EXPECT_EQ(Fields(Value("l := -a[1];")), "1/2/1/0/1"); // a smallint keeps its type
  EXPECT_EQ(Fields(Value("l := -l;")), "1/4/1/0/1");
  // Without a type record it is a 4-byte value, like the binary "-".
  EXPECT_EQ(Fields(Value("l := -5;")), "1/4/1/0/1");
  // Assigned to a target no larger than the operand, it keeps the operand's type.
  Node *negation = Value("x := -x;");
  EXPECT_EQ(Fields(negation), "1/1/0/0/1");
  EXPECT_EQ(Get(negation->type), Get(Named("x")->type));
}

TEST_F(EvaluationTest, ArithmeticSizes) {
  EXPECT_EQ(Fields(Value("l := x * y;")), "1/2/0/1/1");
  EXPECT_EQ(Fields(Value("l := x + y;")), "1/2/0/1/1"); // like "*": no bits lost
  EXPECT_EQ(Fields(Value("l := x + l;")), "1/4/1/1/1");
  EXPECT_EQ(Fields(Value("l := x - y;")), "1/4/1/1/1");
  EXPECT_EQ(Fields(Value("l := 1 + 2;")), "1/2/0/1/1");
  EXPECT_EQ(Fields(Value("l := x < y;")), "2/1/0/1/1");
  EXPECT_EQ(Fields(Value("p := p + 1;")), "3/2/0/3/1"); // a pointer stays a pointer
}

TEST_F(EvaluationTest, SumsAssignedToNoWiderTargetKeepTheLeftOperandsType) {
  Node *sum = Value("x := x + y;");
  EXPECT_EQ(Fields(sum), "1/1/0/1/1");
  EXPECT_EQ(Get(sum->type), Get(Named("x")->type));
  // Along the whole sum, and inside it wherever the left operand is wide enough.
  sum = Value("x := x + y + 1;");
  EXPECT_EQ(Fields(sum), "1/1/0/1/1");
  EXPECT_EQ(Fields(Child(sum, 1)), "1/1/0/1/1");
  sum = Value("x := y + (x + l);"); // the second sweep puts y on the right
  EXPECT_EQ(Fields(sum), "1/1/0/1/1");
  EXPECT_EQ(Fields(Child(sum, 1)), "1/1/0/1/1");
  EXPECT_EQ(Fields(Value("a[1] := a[2] + x;")), "1/2/1/1/1");
  // A wider target, or a sum under a comparison, keeps every bit.
  sum = Value("a[1] := x + y;");
  EXPECT_EQ(Fields(sum), "1/2/0/1/1");
  sum = Value("l := x + (y + l);");
  EXPECT_EQ(Fields(sum), "1/4/1/1/1");
  EXPECT_EQ(Fields(Child(sum, 1)), "1/4/1/1/1");
  // Under "*" into a byte the sum is a byte too; the product of two bytes
  // keeps its 16 bits (the 8-by-8 multiply), a smallint product its type.
  Node *product = Value("x := (x + y) * 2;");
  EXPECT_EQ(Fields(Child(product, 1)), "1/1/0/1/1");
  EXPECT_EQ(Fields(product), "1/2/0/1/1");
  product = Value("a[1] := (a[2] - x) * (y + 3);"); // smallints
  EXPECT_EQ(Fields(product), "1/2/1/1/1");
  EXPECT_EQ(Fields(Child(product, 1)), "1/2/1/1/1");
  // div, shr and comparisons need every bit of their operands.
  Node *quotient = Value("x := (x + y) div 2;");
  EXPECT_EQ(Fields(Child(quotient, 1)), "1/2/0/1/1");
  Node *shifted = Value("x := (x + y) shr 1;");
  EXPECT_EQ(Fields(Child(shifted, 1)), "1/2/0/1/1");
  sum = Value("x := x + (y + 1 > 2);");
  EXPECT_TRUE(Reported("unknown combination of types for operator (1,2)"));
  EXPECT_EQ(Fields(Child(Child(sum, 2), 1)), "1/2/0/1/1");
}

TEST_F(EvaluationTest, SignedOperandMakesASignedResult) {
  EXPECT_EQ(Fields(Value("l := l * m;")), "1/4/1/1/1");
  EXPECT_EQ(Fields(Value("l := x div m;")), "1/4/1/1/1");
  EXPECT_EQ(Fields(Value("l := x and y;")), "1/2/0/1/1");
  EXPECT_EQ(Fields(Value("l := x shl m;")), "1/4/1/1/1");
}

TEST_F(EvaluationTest, NotTakesItsOperandsFields) {
  Node *n = Value("if not (x > 2) then x := 1;");
  EXPECT_FALSE(Reported("boolean expression expected"));
  n = Child(Statement(1), 1);
  EXPECT_EQ(Fields(n), "2/1/0/0/1");
  EXPECT_EQ(Fields(Value("l := not x;")), "1/1/0/0/1");
  EXPECT_EQ(Fields(Value("b := not b;")), "2/1/0/0/1");
}

TEST_F(EvaluationTest, ConditionMustBeBoolean) {
  Value("if x then x := 1; while b do x := 2; repeat until x + 1;");
  size_t first = Output().find("boolean expression expected");
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(Output().find("boolean expression expected", first + 1), std::string::npos);
  EXPECT_EQ(Get(Child(Statement(1), 1)->isValue), 1); // marked all the same
  EXPECT_EQ(Get(Child(Statement(3), 1)->isValue), 1);
}

TEST_F(EvaluationTest, IndexFieldAndDereference) {
  Node *element = Value("l := a[x];");
  EXPECT_EQ(Fields(element), "1/2/1/0/1"); // marked by the assignment
  EXPECT_EQ(Get(element->type), Get(Named("smallint")->type));
  EXPECT_EQ(Get(Child(element, 2)->isValue), 1);
  // A char assignment follows the string rules, which mark no values.
  EXPECT_EQ(Fields(Value("c := s[x];")), "5/1/0/0/0"); // a string element is a char
  Node *field = Value("c := r.g;");
  EXPECT_EQ(Fields(field), "5/1/0/0/0");
  EXPECT_EQ(Get(Child(field, 1)->isValue), 0);
  EXPECT_EQ(NameText(Get(field->id)), "g");
  Node *target = Value("l := p^;");
  EXPECT_EQ(Fields(target), "1/2/0/0/1");
  EXPECT_EQ(Get(Child(target, 1)->isValue), 1);
  Node *address = Value("p := @l;");
  EXPECT_EQ(Fields(address), "3/0/0/0/1");
}

TEST_F(EvaluationTest, ReportsOfNamesFieldsAndPointers) {
  Value("l := zz;");
  EXPECT_TRUE(Reported("Error at main.pas(4,12): Id not found."));
  Value("c := r.h;");
  EXPECT_TRUE(Reported("record field \"h\" not found."));
  Value("l := x.h;"); // no record at all: reported, no type
  EXPECT_TRUE(Reported("record field \"h\" not found."));
  EXPECT_EQ(Get(Child(Statement(1), 2)->type), nullptr);
  Value("p := @5;");
  EXPECT_TRUE(Reported("error in expression, can't get pointer"));
  Value("l := 5^;");
  EXPECT_TRUE(Reported("nodeDeref nil"));
  EXPECT_EQ(Get(Child(Statement(1), 2)->type), nullptr);
  Value("for q := 1 to 2 do x := 1;");
  EXPECT_TRUE(Reported("variable \"q\" not found."));
  EXPECT_EQ(Get(Statement(1)->id), nullptr);
}

TEST_F(EvaluationTest, UnknownCombinationOfTypes) {
  Value("l := l + s;");
  EXPECT_TRUE(Reported("unknown combination of types for operator (1,7)"));
  Value("b := b + 1;");
  EXPECT_TRUE(Reported("unknown combination of types for operator (2,1)"));
}

TEST_F(EvaluationTest, ArraysOfOneSizeAssignAndDoNothingElse) {
  const char *arrays = "var v, w: array [1..3] of smallint; z: array [0..1, 0..2] of word;\n";
  Value("v := a;", arrays);
  EXPECT_EQ(Fields(Statement(1)), "0/0/0/6/0");
  EXPECT_EQ(Get(Child(Statement(1), 2)->isValue), 1);
  EXPECT_FALSE(Reported("unknown combination"));
  Value("z := a;", arrays);
  EXPECT_TRUE(Reported("unknown combination of types for operator (6,6)"));
  Value("l := (v = a);", arrays);
  EXPECT_TRUE(Reported("unknown combination of types for operator (6,6)"));
}

TEST_F(EvaluationTest, StringMinusWaitsForEnter) {
  in_.str("\n");
  Value("s := s - s;");
  EXPECT_TRUE(Reported("error in nodecalc (20160514a)\n"));
  EXPECT_TRUE(in_.eof() || in_.peek() == EOF); // the line was read
}

// ---- Constant folding -------------------------------------------------------------------

TEST_F(EvaluationTest, IntegerConstantsFoldIntoLiterals) {
  Node *v = Value("l := n;", "const n = 10;\n");
  EXPECT_EQ(Shape(v), "(19 10)");
  EXPECT_EQ(Fields(v), "1/1/0/1/1");
  EXPECT_EQ(Get(v->id), Named("n"));
}

TEST_F(EvaluationTest, UntypedConstantIsSizedByItsValue) {
  EXPECT_EQ(Fields(Value("l := big;", "const big = 1000;\n")), "1/2/0/1/1");
  EXPECT_EQ(Get(Value("l := big;", "const big = 1000;\n")->type), nullptr);
  EXPECT_EQ(Fields(Value("l := h;", "const h = $12345;\n")), "1/4/0/1/1");
}

TEST_F(EvaluationTest, TypedConstantKeepsItsType) {
  Node *v = Value("l := t;", "const t: longint = 5;\n");
  EXPECT_EQ(Shape(v), "(19 5)");
  EXPECT_EQ(Fields(v), "1/4/1/1/1");
}

TEST_F(EvaluationTest, EnumerationValuesFoldToTheirOrdinals) {
  const char *decls = "type color = (red, green, blue); shade = (dark, light);\n";
  EXPECT_EQ(Shape(Value("l := red;", decls)), "(19 0)");
  EXPECT_EQ(Shape(Value("l := blue;", decls)), "(19 2)");
  EXPECT_EQ(Shape(Value("l := light;", decls)), "(19 1)");
  EXPECT_EQ(Fields(Value("l := blue;", decls)), "1/1/0/1/1");
}

TEST_F(EvaluationTest, ConstantsNamingOtherConstantsFoldToTheirValues) {
  const char *decls = "type color = (red, green, blue);\n"
                      "const a = 300; b = a; c = b; d = blue; t: word = 7; e = t;\n";
  EXPECT_EQ(Shape(Value("l := c;", decls)), "(19 300)");
  EXPECT_EQ(Fields(Value("l := c;", decls)), "1/2/0/1/1");
  EXPECT_EQ(Shape(Value("l := d;", decls)), "(19 2)");
  EXPECT_EQ(Shape(Value("l := e;", decls)), "(19 7)");
}

TEST_F(EvaluationTest, ArrayConstantStaysAReference) {
  Node *v = Value("l := tab[1];", "const tab: array [0..2] of byte = (1, 2, 3);\n");
  EXPECT_EQ(Shape(v), "(14 (18 tab) (19 1))");
}

// ---- Missing nodes ------------------------------------------------------------------------

// A "#" literal is skipped with the token after it and leaves no node.
TEST_F(EvaluationTest, MissingOperandsAreReportedNotFollowed) {
  Value("x := # 0;");
  EXPECT_TRUE(Reported("Error at main.pas(4,9): missing operand"));
  EXPECT_EQ(Shape(Statement(1)), "(13 (18 x) -)");
  Value("l := (x + );");
  EXPECT_TRUE(Reported("missing operand"));
  Value("if # 0 then x := 1; l := -# 0; l := f(# 0); l := not # 0; l := a[# 0];",
        "procedure f(a: byte); begin end;\n");
  EXPECT_EQ(Get(Child(Statement(3), 2)->id), nullptr); // the call with a hole stays unbound
  size_t reports = 0;
  for (size_t at = Output().find("missing operand"); at != std::string::npos;
       at = Output().find("missing operand", at + 1))
    reports++;
  EXPECT_EQ(reports, 5u);
}

TEST_F(EvaluationTest, PlusPrefixIsItsOperandAndBadOperatorDoesNotCrash) {
  in_.str("\n\n\n");
  EXPECT_EQ(Fields(Value("l := +x;")), Fields(Value("l := x;")));
  EXPECT_EQ(ErrorCount(), 0);
  Value("l := x not 2;"); // "not" after an operand has no node kind
  EXPECT_TRUE(Reported("Internal error (20171006)"));
  EXPECT_GT(ErrorCount(), 0);
}

} // namespace

// Where an ordinal value is wanted a one-character literal is the integer
// constant of its code; beside another char or a string it stays a literal.
TEST_F(EvaluationTest, OneCharLiteralIsItsCodeWhereAnOrdinalIsWanted) {
  const char *decls = "var tab: array [char] of byte;\n";
  EXPECT_EQ(Shape(Value("l := byte('A');", decls)), "(12 byte (19 65))");
  EXPECT_EQ(Shape(Value("l := tab['m'];", decls)), "(14 (18 tab) (19 109))");
  EXPECT_EQ(Shape(Value("l := x - '0';", decls)), "(26 - (18 x) (19 48))");
  EXPECT_EQ(Fields(Child(Value("l := x - '0';", decls), 2)), "1/1/0/1/1");
  EXPECT_EQ(Shape(Value("c := char('A');", decls)), "(12 char (21 A))");
  EXPECT_EQ(Output().find("unknown combination"), std::string::npos) << Output();
}

// An untyped string or char constant becomes the literal it was declared as.
TEST_F(EvaluationTest, StringConstantsFoldToLiterals) {
  const char *decls = "const greeting = 'hey'; sep = ',';\n";
  Node *v = Value("s := greeting;", decls);
  ASSERT_NE(v, nullptr);
  EXPECT_EQ(+Statement(1)->kind, kNodeCall); // str_assign, as for a literal
  EXPECT_EQ(Shape(Value("l := byte(sep);", decls)), "(12 byte (19 44))");
}
