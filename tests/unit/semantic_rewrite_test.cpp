// The second sweep's operand swapping, and the rewritings of write, writeln,
// new and the string operators into calls.
#include "semantic_fixture.h"

namespace {

const char *kRuntime =
    "type big = record a: array[1..300] of byte; n: word; end;\n"
    "var x, y: byte; l: longint; s, t: string[10]; c, d: char; b: boolean; p: ^word;\n"
    "  q: ^big; u: pointer;\n"
    "procedure __write(v: longint); begin end;\n"
    "procedure __write(v: string); begin end;\n"
    "procedure __write_crlf; begin end;\n"
    "procedure __getmem(var p: pointer; n: word); begin end;\n"
    "procedure str_assign(var d: string; const s: string); begin end;\n"
    "function str_add(const a, b: string): string; begin end;\n"
    "function str_cmp(const a, b: string; code: byte): boolean; begin end;\n"
    "function f(a: byte): byte; begin end;\n"
    "function g(const a: word): longint; begin end;\n";

class RewriteTest : public SemanticTest {
protected:
  // The main program's statement list after evaluation.
  std::string Program(const std::string &statements) {
    EXPECT_EQ(Compile(std::string(kRuntime) + "begin " + statements + " end.\n"), 0);
    return ListShape(Body());
  }
};

TEST_F(RewriteTest, SimpleLeftOperandMovesRight) {
  EXPECT_EQ(Program("l := 2 * f(x);"), "(13 (18 l) (27 * (11 f (18 x)) (19 2)))");
  EXPECT_EQ(Program("l := x + f(x);"), "(13 (18 l) (25 + (11 f (18 x)) (18 x)))");
  EXPECT_EQ(Program("l := 2 - f(x);"), "(13 (18 l) (26 - (19 2) (11 f (18 x))))");
  EXPECT_EQ(Program("l := 2 div f(x);"), "(13 (18 l) (28 div (19 2) (11 f (18 x))))");
  EXPECT_EQ(Program("l := x + 2;"), "(13 (18 l) (25 + (18 x) (19 2)))");
}

TEST_F(RewriteTest, SwappedComparisonIsMirrored) {
  // The node text keeps the operator as written; the kind decides.
  EXPECT_EQ(Program("b := 1 < f(x);"), "(13 (18 b) (38 < (11 f (18 x)) (19 1)))");
  EXPECT_EQ(Program("b := 1 <= f(x);"), "(13 (18 b) (39 <= (11 f (18 x)) (19 1)))");
  EXPECT_EQ(Program("b := 1 > f(x);"), "(13 (18 b) (36 > (11 f (18 x)) (19 1)))");
  EXPECT_EQ(Program("b := 1 >= f(x);"), "(13 (18 b) (37 >= (11 f (18 x)) (19 1)))");
  EXPECT_EQ(Program("b := 1 = f(x);"), "(13 (18 b) (40 = (11 f (18 x)) (19 1)))");
  EXPECT_EQ(Program("b := 1 <> f(x);"), "(13 (18 b) (41 <> (11 f (18 x)) (19 1)))");
}

TEST_F(RewriteTest, OnlyIntegerOperandsAreSwapped) {
  EXPECT_EQ(Program("b := b and (x > 1);"),
            "(13 (18 b) (31 and (18 b) (38 > (18 x) (19 1))))");
}

TEST_F(RewriteTest, WritelnBecomesOneCallPerArgument) {
  EXPECT_EQ(Program("writeln('a', x);"),
            "(7) (11 __write (21 a)) (11 __write (12 (18 x))) (11 __write_crlf)");
  Node *first = Statement(2);
  EXPECT_EQ(AsmNameText(Get(first->id)), AsmNameText(Named("__write")->next));
  EXPECT_EQ(Get(first->position.fileName), nullptr); // made, not written
  EXPECT_EQ(Program("writeln; x := 1;"), "(7) (11 __write_crlf) (13 (18 x) (19 1))");
  EXPECT_EQ(Program("write(l);"), "(7) (11 __write (18 l))");
}

TEST_F(RewriteTest, ReadAndReadlnBecomeOneCallPerVariable) {
  ASSERT_EQ(Compile(std::string(kRuntime) +
                    "procedure __read(var v: byte); begin end;\n"
                    "procedure __read(var v: string); begin end;\n"
                    "procedure __read_ln; begin end;\n"
                    "begin readln(x, s); read(x); readln; end.\n"),
            0);
  EXPECT_EQ(ListShape(Body()), "(7) (11 __read (18 x)) (11 __read (18 s)) (11 __read_ln) "
                               "(7) (11 __read (18 x)) (7) (11 __read_ln)");
  EXPECT_NE(Get(Statement(2)->id), Get(Statement(3)->id)); // by the variable's type
}

TEST_F(RewriteTest, ProgramsOwnReadStaysItsOwn) {
  ASSERT_EQ(Compile(std::string(kRuntime) + "procedure read(var v: byte); begin end;\n"
                                            "begin read(x); end.\n"),
            0);
  EXPECT_EQ(ListShape(Body()), "(11 read (18 x))");
  EXPECT_EQ(Get(Statement(1)->id), Named("read"));
}

TEST_F(RewriteTest, WriteArgumentsAreEvaluatedAgain) {
  // The call inside has cast its argument already; evaluating that cast
  // again must neither look up a type nor report one.
  EXPECT_EQ(Program("write(f(l));"), "(7) (11 __write (12 (11 f (12 (18 l)))))");
  EXPECT_EQ(Output().find("Error"), std::string::npos);
  Node *cast = Child(Child(Child(Statement(2), 1), 1), 1);
  EXPECT_EQ(Fields(cast), "1/1/0/0/0");
  EXPECT_EQ(Get(Child(cast, 1)->isValue), 1); // a value parameter wants the value
  // A "const" parameter takes the address, the second time as the first.
  EXPECT_EQ(Program("write(g(y));"), "(7) (11 __write (11 g (12 (18 y))))");
  EXPECT_EQ(Get(Child(Child(Child(Statement(2), 1), 1), 1)->isValue), 0);
}

TEST_F(RewriteTest, NewAsksForTheSizeOfThePointersTarget) {
  // The one-byte literal is cast to the word parameter.
  EXPECT_EQ(Program("new(p);"), "(11 __getmem (18 p) (12 (19 2)))");
  EXPECT_EQ(Fields(Child(Child(Statement(1), 2), 1)), "1/1/0/1/1");
  EXPECT_EQ(Get(Statement(1)->id), Named("__getmem"));
  EXPECT_EQ(Program("new(q);"), "(11 __getmem (18 q) (19 302))");
  EXPECT_EQ(Output().find("Error"), std::string::npos);
  // An untyped pointer has no size to ask for.
  EXPECT_EQ(Program("new(u);"), "(11 __getmem (18 u) (12 (19 0)))");
  EXPECT_NE(Output().find("new needs a typed pointer"), std::string::npos) << Output();
}

TEST_F(RewriteTest, StringsWithBuiltinNamesStayStrings) {
  EXPECT_EQ(Program("s := 'new'; t := 'writeln';"),
            "(11 str_assign (18 s) (21 new)) (11 str_assign (18 t) (21 writeln))");
}

TEST_F(RewriteTest, StringOperatorsBecomeCalls) {
  EXPECT_EQ(Program("s := t;"), "(11 str_assign (18 s) (18 t))");
  EXPECT_EQ(Get(Statement(1)->id), Named("str_assign"));
  EXPECT_EQ(Program("s := s + t;"), "(11 str_assign (18 s) (11 str_add (18 s) (18 t)))");
  // A char counts as a string here; it is cast for the string parameter.
  EXPECT_EQ(Program("s := c;"), "(11 str_assign (18 s) (12 (18 c)))");
}

TEST_F(RewriteTest, ComparisonsPassTheirCode) {
  const char *ops[] = {"<", "=", "<=", ">", "<>", ">="};
  for (int code = 1; code <= 6; code++) {
    std::string shape = Program(std::string("b := s ") + ops[code - 1] + " t;");
    EXPECT_EQ(shape, "(13 (18 b) (11 str_cmp (18 s) (18 t) (19 " + std::to_string(code) + ")))")
        << ops[code - 1];
  }
  Node *cmp = Child(Statement(1), 2);
  EXPECT_EQ(Fields(cmp), "2/1/0/7/1");
  EXPECT_EQ(Program("b := c = d;"),
            "(13 (18 b) (11 str_cmp (12 (18 c)) (12 (18 d)) (19 2)))");
}

TEST_F(RewriteTest, StringRoutineMissingIsReported) {
  EXPECT_EQ(Compile("var s, t: string[5]; begin s := t; end.\n"), 0);
  EXPECT_NE(Output().find("Subroutine \"str_assign\" not found."), std::string::npos);
  EXPECT_EQ(Get(Statement(1)->kind), kNodeCall);
  EXPECT_EQ(Get(Statement(1)->id), nullptr);
}

TEST_F(RewriteTest, WriteWithoutRoutineIsReportedWithoutPosition) {
  EXPECT_EQ(Compile("var x: byte; begin write(x); end.\n"), 0);
  EXPECT_NE(Output().find("Error at <unknown>: Subroutine \"__write\" not found."),
            std::string::npos);
}

} // namespace
