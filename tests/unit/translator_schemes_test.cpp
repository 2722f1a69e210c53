// Op sequences of the expression schemes: scalar, boolean, string, call,
// index, field and pointer access, and the mended cases.
#include "translator_support.h"

namespace {

const char *const kDecls =
    "type rec = record a: byte; b: word; c: longint; end;\n"
    "var i, j: byte; w: word; l: longint; b, b2: boolean; k: smallint;\n"
    "  arr: array[1..10] of word; m: array[1..3, 0..4] of byte;\n"
    "  r, q: rec; pr: ^rec; pw: ^word; s: string; c: char;\n"
    "procedure str_assign(var d: string; const s: string); begin end;\n"
    "function f(x: byte): word; begin result := x; end;\n"
    "function g(x: byte): byte; begin result := x; end;\n";

std::string Program(const std::string &body, const std::string &more = "") {
  return std::string("program t;\n") + kDecls + more + "begin\n" + body + "\nend.\n";
}

class TranslatorSchemeTest : public TranslatorTest {
protected:
  // The main program's body for the statements.
  std::string MainBody(const std::string &body, const std::string &more = "") {
    EXPECT_EQ(Compile(Program(body, more)), 0) << Output();
    return Body("t");
  }
};

// ---- Scalar scheme -----------------------------------------------------------

TEST_F(TranslatorSchemeTest, AssignmentsOfConstantsAndVariables) {
  EXPECT_EQ(MainBody("i := j; w := i; i := j + 1;"),
            "uasmop_load 1 j\n"
            "uasmop_store 1 i\n"
            "uasmop_load 1 i\n"
            "uasmop_store 2 w\n"
            "uasmop_load 1 j\n"
            "uasmop_add 1 \"1\"\n"
            "uasmop_store 1 i\n");
}

TEST_F(TranslatorSchemeTest, SumsWorkInTheTargetsSizeOrWithoutLosingBits) {
  EXPECT_EQ(MainBody("w := w + 1; i := i + j + 1; w := i + j; l := -w;"),
            "uasmop_load 2 w\n"
            "uasmop_add 2 \"1\"\n"
            "uasmop_store 2 w\n"
            "uasmop_load 1 i\n"
            "uasmop_add 1 j\n"
            "uasmop_add 1 \"1\"\n"
            "uasmop_store 1 i\n"
            "uasmop_load 1 i\n"
            "uasmop_add 2 j\n"
            "uasmop_store 2 w\n"
            "uasmop_load 2 w\n"
            "uasmop_neg 4 signed\n"
            "uasmop_store 4 l\n");
}

TEST_F(TranslatorSchemeTest, StoresThroughAnAddressTakeConstantsVariablesOrATemporary) {
  EXPECT_EQ(MainBody("pw^ := 7; pw^ := w; pw^ := w * 3;"),
            "uasmop_load 2 pw\n"
            "uasmop_storeind 2 \"7\"\n"
            "uasmop_load 2 pw\n"
            "uasmop_storeind 2 w\n"
            "uasmop_load 2 w\n"
            "uasmop_mul 2 \"3\"\n" // only the word's bits are kept
            "uasmop_store 2 tmpvar1\n"
            "uasmop_load 2 pw\n"
            "uasmop_storeind 2 tmpvar1\n");
}

TEST_F(TranslatorSchemeTest, ARightOperandThatIsNeitherConstantNorVariableIsComputedFirst) {
  // a := f(b) + g(c): g(c) goes into a temporary, then f(b), then the add.
  EXPECT_EQ(MainBody("w := f(i) + g(j);"),
            "uasmop_load 1 j\n"
            "uasmop_pusharg 4\n"
            "uasmop_call 1 g\n"
            "uasmop_store 1 tmpvar1\n"
            "uasmop_load 1 i\n"
            "uasmop_pusharg 4\n"
            "uasmop_call 2 f\n"
            "uasmop_add 2 tmpvar1\n"
            "uasmop_store 2 w\n");
}

TEST_F(TranslatorSchemeTest, EveryOperatorMapsToItsOp) {
  std::string body = MainBody("l := l - i; l := l * i; l := l div i; l := l / i;\n"
                              "l := l mod i; l := l and i; l := l or i; l := l xor i;\n"
                              "l := l shl i; l := l shr i;");
  std::string ops;
  for (size_t at = body.find("uasmop_load 4 l signed\n"); at != std::string::npos;
       at = body.find("uasmop_load 4 l signed\n", at + 1)) {
    size_t from = at + 23, to = body.find(" 4 i signed\n", from);
    ops += body.substr(from + 7, to - from - 7) + " ";
  }
  EXPECT_EQ(ops, "sub mul div div mod and or xor shl shr ");
}

TEST_F(TranslatorSchemeTest, ComparisonsWorkOnTheLargerOperandsSize) {
  EXPECT_EQ(MainBody("b := i < w; b := w >= i; b := i = 5; b := i <> j; b := i <= 300;"),
            "uasmop_load 1 i\n"
            "uasmop_cmplt 2 w\n"
            "uasmop_store 1 b\n"
            "uasmop_load 2 w\n"
            "uasmop_cmpge 2 i\n"
            "uasmop_store 1 b\n"
            "uasmop_load 1 i\n"
            "uasmop_cmpeq 1 \"5\"\n"
            "uasmop_store 1 b\n"
            "uasmop_load 1 i\n"
            "uasmop_cmpne 1 j\n"
            "uasmop_store 1 b\n"
            "uasmop_load 1 i\n"
            "uasmop_cmple 2 \"300\"\n"
            "uasmop_store 1 b\n");
}

TEST_F(TranslatorSchemeTest, SignedValuesMarkTheirLastOp) {
  EXPECT_EQ(MainBody("k := -k; b := k < 0;"),
            "uasmop_load 2 k signed\n"
            "uasmop_neg 2 signed\n"
            "uasmop_store 2 k\n"
            "uasmop_load 2 k signed\n"
            "uasmop_cmplt 2 \"0\"\n"
            "uasmop_store 1 b\n");
}

TEST_F(TranslatorSchemeTest, NotOfABooleanIsBooleanAndOfAnIntegerBitwise) {
  EXPECT_EQ(MainBody("b := not b; w := not w; if not (i > 2) then i := 0;"),
            "uasmop_load 1 b\n"
            "uasmop_cmpeq 1 \"0\"\n"
            "uasmop_store 1 b\n"
            "uasmop_load 2 w\n"
            "uasmop_not 2\n"
            "uasmop_store 2 w\n"
            "uasmop_load 1 i\n"
            "uasmop_cmpgt 1 \"2\"\n"
            "uasmop_cmpeq 1 \"0\"\n"
            "uasmop_jumpfalse 0 \"label001end\"\n"
            "uasmop_load 1 \"0\"\n"
            "uasmop_store 1 i\n"
            "uasmop_label 0 \"label001end\"\n");
}

TEST_F(TranslatorSchemeTest, TypeCastsMarkTheNewSize) {
  EXPECT_EQ(MainBody("l := longint(i);"),
            "uasmop_load 1 i\n"
            "uasmop_typecast 4 signed\n"
            "uasmop_store 4 l\n");
}

TEST_F(TranslatorSchemeTest, SelfAssignmentsAreReported) {
  MainBody("i := i + 1;\n"
           "arr[i] := arr[i] - 2;\n"
           "i := j + i;\n"
           "arr[i] := arr[j] + 1;");
  EXPECT_NE(Output().find("A:=A+B at main.pas(10,3)\nA:=A+B at main.pas(11,8)\ntmpcnt="),
            std::string::npos)
      << Output();
}

TEST_F(TranslatorSchemeTest, UnresolvedNamesGiveErrorTr3) {
  MainBody("i := nosuch;");
  EXPECT_NE(Output().find("error tr3: \nnosuch\n"), std::string::npos) << Output();
  EXPECT_EQ(Body("t"), "uasmop_store 1 i\n");
}

// ---- Boolean scheme ------------------------------------------------------------

TEST_F(TranslatorSchemeTest, BooleanOperatorsGoThroughAByteTemporary) {
  EXPECT_EQ(MainBody("b := b and (i > 1); b := b = b2;"),
            "uasmop_load 1 b\n"
            "uasmop_store 1 tmpvar1\n"
            "uasmop_load 1 i\n"
            "uasmop_cmpgt 1 \"1\"\n"
            "uasmop_and 1 tmpvar1\n"
            "uasmop_store 1 b\n"
            "uasmop_load 1 b2\n"
            "uasmop_store 1 tmpvar2\n"
            "uasmop_load 1 b\n"
            "uasmop_cmpeq 1 tmpvar2\n"
            "uasmop_store 1 b\n");
}

TEST_F(TranslatorSchemeTest, OtherBooleanOperatorsGiveErrorTr1) {
  MainBody("b := b + b2;");
  EXPECT_NE(Output().find("error tr1: \n"), std::string::npos) << Output();
}

// ---- Strings ----------------------------------------------------------------------

TEST_F(TranslatorSchemeTest, StringConstantsAreLengthCharactersAndZeroInTheData) {
  EXPECT_EQ(MainBody("s := 'AB'; s := '';"),
            "uasmop_loadaddr 2 s\n"
            "uasmop_pusharg 4 \"255\"\n"
            "uasmop_loadlabel 2 \"label001\"\n"
            "uasmop_pusharg 4\n"
            "uasmop_call 0 str_assign\n"
            "uasmop_loadaddr 2 s\n"
            "uasmop_pusharg 4 \"255\"\n"
            "uasmop_loadlabel 2 \"label002\"\n"
            "uasmop_pusharg 4\n"
            "uasmop_call 0 str_assign\n");
  EXPECT_EQ(Data(), "uasmop_label 0 \"label001\"\n"
                    "uasmop_defb 0 \"2\"\n"
                    "uasmop_defb 0 \"65\"\n"
                    "uasmop_defb 0 \"66\"\n"
                    "uasmop_defb 0 \"0\"\n"
                    "uasmop_label 0 \"label002\"\n"
                    "uasmop_defb 0 \"0\"\n"
                    "uasmop_defb 0 \"0\"\n");
}

TEST_F(TranslatorSchemeTest, StringDataHoldsTheDecodedCharacters) {
  MainBody("s := 'a''\"'#34#13;");
  EXPECT_EQ(Data(), "uasmop_label 0 \"label001\"\n"
                    "uasmop_defb 0 \"5\"\n"
                    "uasmop_defb 0 \"97\"\n"
                    "uasmop_defb 0 \"39\"\n"
                    "uasmop_defb 0 \"39\"\n"
                    "uasmop_defb 0 \"34\"\n"
                    "uasmop_defb 0 \"13\"\n"
                    "uasmop_defb 0 \"0\"\n");
}

TEST_F(TranslatorSchemeTest, ACharPassedForAStringBecomesAOneCharacterString) {
  EXPECT_EQ(MainBody("s := c;"),
            "uasmop_loadaddr 2 s\n"
            "uasmop_pusharg 4 \"255\"\n"
            "uasmop_load 1 c\n"
            "uasmop_mul 2 \"256\"\n"
            "uasmop_add 2 \"1\"\n"
            "uasmop_store 2 tmpvar1\n"
            "uasmop_loadaddr 2 tmpvar1\n"
            "uasmop_pusharg 4\n"
            "uasmop_call 0 str_assign\n");
}

TEST_F(TranslatorSchemeTest, OtherStringOperatorsGiveTranslatorError4) {
  MainBody("s := s - s;");
  EXPECT_NE(Output().find("translator error 4\n"), std::string::npos) << Output();
}

// ---- Calls ------------------------------------------------------------------------

TEST_F(TranslatorSchemeTest, ACallPushesEachArgumentAsOneSlot) {
  // f(5) of f(b: byte): the constant fits the parameter, no cast.
  EXPECT_EQ(MainBody("p(5);", "procedure p(x: byte); begin end;\n"),
            "uasmop_load 1 \"5\"\n"
            "uasmop_pusharg 4\n"
            "uasmop_call 0 p\n");
}

TEST_F(TranslatorSchemeTest, AOneCharacterLiteralForACharParameterIsItsCode) {
  EXPECT_EQ(MainBody("p('x', 'y');", "procedure p(a: char; const b: char); begin end;\n"),
            "uasmop_load 1 \"120\"\n"
            "uasmop_pusharg 4\n"
            "uasmop_load 1 \"121\"\n"
            "uasmop_store 1 tmpvar1\n"
            "uasmop_loadaddr 2 tmpvar1\n"
            "uasmop_pusharg 4\n"
            "uasmop_call 0 p\n");
}

TEST_F(TranslatorSchemeTest, VarAndConstArgumentsArePassedByAddress) {
  EXPECT_EQ(MainBody("p(i, j, i + 1);",
                     "procedure p(var x: byte; const y: byte; const z: word); begin end;\n"),
            "uasmop_loadaddr 2 i\n"
            "uasmop_pusharg 4\n"
            "uasmop_loadaddr 2 j\n"
            "uasmop_pusharg 4\n"
            "uasmop_load 1 i\n"
            "uasmop_add 2 \"1\"\n"
            "uasmop_store 2 tmpvar1\n"
            "uasmop_loadaddr 2 tmpvar1\n"
            "uasmop_pusharg 4\n"
            "uasmop_call 0 p\n");
}

TEST_F(TranslatorSchemeTest, BigValueArgumentsTravelAsTheAddressOfACopy) {
  // The record is copied whole, and so is the string, declared as long as
  // the parameter (256 bytes).
  EXPECT_EQ(MainBody("p(r, s);", "procedure p(x: rec; y: string); begin end;\n"),
            "uasmop_loadaddr 2 r\n"
            "uasmop_pusharg 4\n"
            "uasmop_loadaddr 2 tmpvar1\n"
            "uasmop_pusharg 4\n"
            "uasmop_load 1 \"7\"\n"
            "uasmop_pusharg 4\n"
            "uasmop_call 0 \"__copyblock\"\n"
            "uasmop_loadaddr 2 tmpvar1\n"
            "uasmop_pusharg 4\n"
            "uasmop_loadaddr 2 s\n"
            "uasmop_pusharg 4\n"
            "uasmop_loadaddr 2 tmpvar2\n"
            "uasmop_pusharg 4\n"
            "uasmop_load 2 \"256\"\n"
            "uasmop_pusharg 4\n"
            "uasmop_call 0 \"__copyblock\"\n"
            "uasmop_loadaddr 2 tmpvar2\n"
            "uasmop_pusharg 4\n"
            "uasmop_call 0 p\n");
  EXPECT_EQ(int(Named("tmpvar1")->type->size), 7);
  EXPECT_EQ(int(Named("tmpvar2")->type->size), 256);
}

TEST_F(TranslatorSchemeTest, StringArgumentsAreCopiedAsFarAsTheyReach) {
  std::string body = MainBody("p('abc'); p(c);", "procedure p(y: string); begin end;\n");
  // 'abc' is 4 bytes, a char made into a string 2.
  EXPECT_NE(body.find("uasmop_load 1 \"4\"\nuasmop_pusharg 4\nuasmop_call 0 \"__copyblock\""),
            std::string::npos) << body;
  EXPECT_NE(body.find("uasmop_load 1 \"2\"\nuasmop_pusharg 4\nuasmop_call 0 \"__copyblock\""),
            std::string::npos) << body;
}

TEST_F(TranslatorSchemeTest, AStringCopiedShortHasItsLengthCut) {
  EXPECT_EQ(MainBody("q(s);", "type short = string[5];\n"
                              "procedure q(y: short); begin end;\n"),
            "uasmop_loadaddr 2 s\n"
            "uasmop_pusharg 4\n"
            "uasmop_loadaddr 2 tmpvar1\n"
            "uasmop_pusharg 4\n"
            "uasmop_load 1 \"6\"\n"
            "uasmop_pusharg 4\n"
            "uasmop_call 0 \"__copyblock\"\n"
            "uasmop_load 1 tmpvar1\n"
            "uasmop_cmpgt 1 \"5\"\n"
            "uasmop_jumpfalse 0 \"label001end\"\n"
            "uasmop_load 1 \"5\"\n"
            "uasmop_store 1 tmpvar1\n"
            "uasmop_label 0 \"label001end\"\n"
            "uasmop_loadaddr 2 tmpvar1\n"
            "uasmop_pusharg 4\n"
            "uasmop_call 0 q\n");
}

TEST_F(TranslatorSchemeTest, AVarStringArgumentCarriesTheVariablesCapacity) {
  // The declared length; a var string parameter passed on names itself, so
  // that the capacity its own slot received goes along.
  std::string more = "var s5: string[5];\n"
                     "procedure v(var d: string); begin str_assign(d, s5); end;\n";
  EXPECT_EQ(MainBody("v(s5); v(s);", more),
            "uasmop_loadaddr 2 s5\n"
            "uasmop_pusharg 4 \"5\"\n"
            "uasmop_call 0 v\n"
            "uasmop_loadaddr 2 s\n"
            "uasmop_pusharg 4 \"255\"\n"
            "uasmop_call 0 v\n");
  EXPECT_NE(Body("v").find("uasmop_loadaddr 2 d\nuasmop_pusharg 4 d\n"), std::string::npos)
      << Body("v");
}

TEST_F(TranslatorSchemeTest, ABigResultIsWrittenToACallerTemporary) {
  EXPECT_EQ(MainBody("r := h(i);", "function h(x: byte): rec; begin end;\n"),
            "uasmop_loadaddr 2 tmpvar1\n"
            "uasmop_pusharg 2\n"
            "uasmop_load 1 i\n"
            "uasmop_pusharg 4\n"
            "uasmop_call 7 h\n"
            "uasmop_pusharg 4\n"
            "uasmop_loadaddr 2 r\n"
            "uasmop_pusharg 4\n"
            "uasmop_load 1 \"7\"\n"
            "uasmop_pusharg 4\n"
            "uasmop_call 0 \"__copyblock\"\n");
  EXPECT_EQ(Get(VarOf("t", "tmpvar1")->type), Get(Named("h")->subr->resultType));
}

TEST_F(TranslatorSchemeTest, AddressOfASubroutineIsItsLabel) {
  in_.str("\n");
  EXPECT_EQ(MainBody("pw := @p;", "procedure p; begin end;\n"),
            "uasmop_loadlabel 2 \"p_41\"\n"
            "uasmop_store 2 pw\n");
  EXPECT_NE(Output().find("\n@\n"), std::string::npos);
}

// ---- Records, arrays, pointers ----------------------------------------------------------

TEST_F(TranslatorSchemeTest, RecordsAreCopiedWholeThroughTheRunTimeRoutine) {
  EXPECT_EQ(MainBody("r := q; pr^ := r;"),
            "uasmop_loadaddr 2 q\n"
            "uasmop_pusharg 4\n"
            "uasmop_loadaddr 2 r\n"
            "uasmop_pusharg 4\n"
            "uasmop_load 1 \"7\"\n"
            "uasmop_pusharg 4\n"
            "uasmop_call 0 \"__copyblock\"\n"
            "uasmop_loadaddr 2 r\n"
            "uasmop_pusharg 4\n"
            "uasmop_load 2 pr\n"
            "uasmop_pusharg 4\n"
            "uasmop_load 1 \"7\"\n"
            "uasmop_pusharg 4\n"
            "uasmop_call 0 \"__copyblock\"\n");
}

TEST_F(TranslatorSchemeTest, ArraysAreCopiedWholeOrMovedWhenTheyFitTheAccumulator) {
  EXPECT_EQ(MainBody("arr := a2; h2 := h1;",
                     "var a2: array[0..9] of word; h1, h2: array[1..2] of byte;\n"),
            "uasmop_loadaddr 2 a2\n"
            "uasmop_pusharg 4\n"
            "uasmop_loadaddr 2 arr\n"
            "uasmop_pusharg 4\n"
            "uasmop_load 1 \"20\"\n"
            "uasmop_pusharg 4\n"
            "uasmop_call 0 \"__copyblock\"\n"
            "uasmop_load 2 h1\n"
            "uasmop_store 2 h2\n");
}

TEST_F(TranslatorSchemeTest, OneDimensionalIndex) {
  // arr[i] of array[1..10] of word: load i; sub 1; mul 2; pusharg; address; add [sp]; deref.
  EXPECT_EQ(MainBody("w := arr[i]; arr[j] := 9;"),
            "uasmop_load 1 i\n"
            "uasmop_sub 2 \"1\"\n"
            "uasmop_mul 2 \"2\"\n"
            "uasmop_pusharg 2\n"
            "uasmop_loadaddr 2 arr\n"
            "uasmop_add 2 \"[sp]\"\n"
            "uasmop_deref 2\n"
            "uasmop_store 2 w\n"
            "uasmop_load 1 j\n"
            "uasmop_sub 2 \"1\"\n"
            "uasmop_mul 2 \"2\"\n"
            "uasmop_pusharg 2\n"
            "uasmop_loadaddr 2 arr\n"
            "uasmop_add 2 \"[sp]\"\n"
            "uasmop_storeind 2 \"9\"\n");
}

TEST_F(TranslatorSchemeTest, StringsAreIndexedByTheIndexItself) {
  EXPECT_EQ(MainBody("i := ord(s[j]);", "function ord(x: char): byte; begin end;\n"),
            "uasmop_load 1 j\n"
            "uasmop_pusharg 1\n"
            "uasmop_loadaddr 2 s\n"
            "uasmop_add 2 \"[sp]\"\n"
            "uasmop_deref 1\n"
            "uasmop_pusharg 4\n"
            "uasmop_call 1 ord\n"
            "uasmop_store 1 i\n");
}

TEST_F(TranslatorSchemeTest, NegativeLowBoundsAreAddedBack) {
  EXPECT_EQ(MainBody("i := n[j];", "var n: array[shortint] of byte;\n"),
            "uasmop_load 1 j\n"
            "uasmop_add 2 \"128\"\n"
            "uasmop_pusharg 1\n"
            "uasmop_loadaddr 2 n signed\n" // the array type's low bound is negative
            "uasmop_add 2 \"[sp]\"\n"
            "uasmop_deref 1\n"
            "uasmop_store 1 i\n");
}

TEST_F(TranslatorSchemeTest, TwoDimensionalIndexFoldsTheConstantParts) {
  // m: array[1..3, 0..4] of byte, rows of 5.
  EXPECT_EQ(MainBody("i := m[i, j]; i := m[2, 3]; i := m[2, j]; i := m[i, 4];"),
            "uasmop_load 1 i\n"
            "uasmop_mul 2 \"5\"\n"
            "uasmop_add 2 j\n"
            "uasmop_sub 2 \"5\"\n"
            "uasmop_pusharg 2\n"
            "uasmop_loadaddr 2 m\n"
            "uasmop_add 2 \"[sp]\"\n"
            "uasmop_deref 1\n"
            "uasmop_store 1 i\n"
            "uasmop_load 2 \"8\"\n"
            "uasmop_pusharg 2\n"
            "uasmop_loadaddr 2 m\n"
            "uasmop_add 2 \"[sp]\"\n"
            "uasmop_deref 1\n"
            "uasmop_store 1 i\n"
            "uasmop_load 1 j\n"
            "uasmop_add 2 \"5\"\n"
            "uasmop_pusharg 2\n"
            "uasmop_loadaddr 2 m\n"
            "uasmop_add 2 \"[sp]\"\n"
            "uasmop_deref 1\n"
            "uasmop_store 1 i\n"
            "uasmop_load 1 i\n"
            "uasmop_mul 2 \"5\"\n"
            "uasmop_sub 2 \"1\"\n"
            "uasmop_pusharg 2\n"
            "uasmop_loadaddr 2 m\n"
            "uasmop_add 2 \"[sp]\"\n"
            "uasmop_deref 1\n"
            "uasmop_store 1 i\n");
}

TEST_F(TranslatorSchemeTest, TwoDimensionalIndexOfWordsScalesByTheElementSize) {
  EXPECT_EQ(MainBody("w := mw[2, 1];", "var mw: array[0..1, 1..3] of word;\n"),
            "uasmop_load 2 \"6\"\n"
            "uasmop_mul 2 \"2\"\n"
            "uasmop_pusharg 2\n"
            "uasmop_loadaddr 2 mw\n"
            "uasmop_add 2 \"[sp]\"\n"
            "uasmop_deref 2\n"
            "uasmop_store 2 w\n");
}

TEST_F(TranslatorSchemeTest, FieldsAddTheirOffsetToTheRecordsAddress) {
  EXPECT_EQ(MainBody("i := r.a; w := pr^.b; pr^.c := 5;"),
            "uasmop_loadaddr 2 r\n"
            "uasmop_deref 1\n"
            "uasmop_store 1 i\n"
            "uasmop_load 2 pr\n"
            "uasmop_add 2 \"1\"\n"
            "uasmop_deref 2\n"
            "uasmop_store 2 w\n"
            "uasmop_load 2 pr\n"
            "uasmop_add 2 \"3\" signed\n" // the field's signed flag
            "uasmop_storeind 4 \"5\"\n");
}

TEST_F(TranslatorSchemeTest, AddressOfAVariableAndDereference) {
  EXPECT_EQ(MainBody("pw := @w; w := pw^;"),
            "uasmop_loadaddr 2 w\n"
            "uasmop_store 2 pw\n"
            "uasmop_load 2 pw\n"
            "uasmop_deref 2\n"
            "uasmop_store 2 w\n");
}

TEST_F(TranslatorSchemeTest, ArrayConstantsAreReachedThroughTheirLabel) {
  EXPECT_EQ(MainBody("i := tab[j];", "const tab: array[0..1] of byte = (4, 5);\n"),
            "uasmop_load 1 j\n"
            "uasmop_pusharg 1\n"
            "uasmop_loadlabel 2 \"tab_41\"\n"
            "uasmop_add 2 \"[sp]\"\n"
            "uasmop_deref 1\n"
            "uasmop_store 1 i\n");
}

} // namespace
