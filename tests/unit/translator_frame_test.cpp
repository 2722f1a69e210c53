// Frame offsets of parameters, results, locals and temporaries, and the
// parameter-area and local-area sizes.
#include "translator_support.h"

namespace {

// A program that calls the given subroutine so that it is translated.
std::string Calling(const std::string &decl, const std::string &call) {
  return "program t;\n"
         "var gb: byte; gw: word; gl: longint; gs: string;\n"
         "procedure str_assign(var d: string; const s: string); begin end;\n" +
         decl + "begin\n" + call + ";\nend.\n";
}

TEST_F(TranslatorTest, ValueParametersFromTheLastOne) {
  ASSERT_EQ(Compile(Calling("procedure p(x: byte; y: longint); begin end;\n", "p(gb, gl)")),
            0);
  EXPECT_EQ(Slot("p", "y"), "4/0804");
  EXPECT_EQ(Slot("p", "x"), "8/0804");
  EXPECT_EQ(Frame("p"), "8/4");
}

TEST_F(TranslatorTest, AVarParameterTakesOneSlot) {
  ASSERT_EQ(Compile(Calling("procedure p(var s: string); begin end;\n", "p(gs)")), 0);
  EXPECT_EQ(Slot("p", "s"), "4/0844");
  EXPECT_EQ(Frame("p"), "4/4");
}

TEST_F(TranslatorTest, ABigValueParameterIsReachedThroughItsAddress) {
  ASSERT_EQ(Compile(Calling("procedure p(s: string; w: word); begin end;\n", "p(gs, gw)")), 0);
  EXPECT_EQ(Slot("p", "w"), "4/0804");
  EXPECT_EQ(Slot("p", "s"), "8/0844");
  EXPECT_EQ(Frame("p"), "8/4");
}

TEST_F(TranslatorTest, AShortStringValueParameterIsReachedThroughItsAddressToo) {
  ASSERT_EQ(Compile(Calling("type tiny = string[3];\n"
                            "procedure p(s: tiny; b: byte); begin end;\n",
                            "p(gs, gb)")),
            0);
  EXPECT_EQ(Slot("p", "b"), "4/0804");
  EXPECT_EQ(Slot("p", "s"), "8/0844");
  EXPECT_EQ(Frame("p"), "8/4");
}

TEST_F(TranslatorTest, SmallLocalsArePackedBeforeTheLargerOnes) {
  // a: byte; b: longint; c: word gives a -5, c -7, b -12, local area 12.
  ASSERT_EQ(Compile(Calling("procedure p; var a: byte; b: longint; c: word; begin end;\n", "p")),
            0);
  EXPECT_EQ(Slot("p", "a"), "-5/0808");
  EXPECT_EQ(Slot("p", "c"), "-7/0808");
  EXPECT_EQ(Slot("p", "b"), "-12/0808");
  EXPECT_EQ(Frame("p"), "0/12");
}

TEST_F(TranslatorTest, TheRunningSizeIsRoundedAfterEveryChildOfTheSecondPass) {
  // s: string[2] (3 bytes) then r: longint: 4+3=7 -> 8, then 12.
  ASSERT_EQ(Compile(Calling("procedure p; var x: byte; s: string[2]; l: longint; begin end;\n",
                            "p")),
            0);
  EXPECT_EQ(Slot("p", "x"), "-5/0808");
  EXPECT_EQ(Slot("p", "s"), "-11/0808");
  EXPECT_EQ(Slot("p", "l"), "-16/0808");
  EXPECT_EQ(Frame("p"), "0/16");
}

TEST_F(TranslatorTest, ABigResultIsAnAddressAboveTheArguments) {
  // A function returning a 256-byte string with one word parameter.
  ASSERT_EQ(Compile(Calling("function f(w: word): string; begin end;\n", "gs := f(gw)")), 0);
  EXPECT_EQ(Slot("f", "w"), "4/0804");
  EXPECT_EQ(Slot("f", "result"), "8/0842");
  EXPECT_EQ(Frame("f"), "8/4");
}

TEST_F(TranslatorTest, ASmallResultIsAnOrdinaryLocal) {
  ASSERT_EQ(Compile(Calling("function f: word; begin result := 1; end;\n", "gw := f")), 0);
  EXPECT_EQ(Slot("f", "result"), "-6/0802");
  EXPECT_EQ(Frame("f"), "0/8"); // raised to 4 after each child of the second pass
}

TEST_F(TranslatorTest, WithoutLocalsTheLocalAreaIs4) {
  ASSERT_EQ(Compile(Calling("procedure p; begin end;\n", "p")), 0);
  EXPECT_EQ(Frame("p"), "0/4");
}

TEST_F(TranslatorTest, TemporariesAreLaidOutAfterTheDeclaredNames) {
  ASSERT_EQ(Compile(Calling("function f(x: byte): byte; begin result := x; end;\n"
                            "procedure p; var l: longint; k: byte;\n"
                            "begin k := f(1) + f(2); end;\n",
                            "p")),
            0);
  EXPECT_EQ(Slot("p", "k"), "-5/0808");
  EXPECT_EQ(Slot("p", "tmpvar1"), "-6/0808");
  EXPECT_EQ(Slot("p", "l"), "-10/0808");
  EXPECT_EQ(Frame("p"), "0/12");
}

TEST_F(TranslatorTest, GlobalsLiveInTheMainProgramsFrame) {
  ASSERT_EQ(Compile(Calling("var io: byte absolute $C000;\nconst n = 3;\n", "gb := io + n")),
            0);
  EXPECT_EQ(Slot("t", "gb"), "-5/0808");
  EXPECT_EQ(Slot("t", "gw"), "-7/0808");
  EXPECT_EQ(Slot("t", "io"), "49152/4400");
  EXPECT_EQ(Slot("t", "gl"), "-12/0808");
  EXPECT_EQ(Slot("t", "gs"), "-268/0808"); // "string" in a declaration: 256 bytes
  EXPECT_EQ(Frame("t"), "0/268");
}

TEST_F(TranslatorTest, SubroutinesThatAreNotTranslatedKeepTheirEmptyFrame) {
  ASSERT_EQ(Compile(Calling("procedure p(x: byte); var y: byte; begin end;\n", "gb := 1")), 0);
  EXPECT_EQ(Slot("p", "x"), "-1/0004");
  EXPECT_EQ(Slot("p", "y"), "-1/0008");
  EXPECT_EQ(Frame("p"), "0/0");
}

} // namespace
