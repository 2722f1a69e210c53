#include <cstdio>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "driver/common.h"
#include "lexer/lexer.h"

static int StopStatusOf(void (*f)()) {
  try {
    f();
  } catch (const CompilerStop &s) {
    return s.status;
  }
  return 0;
}

TEST(HexValue, DigitsOfBothCasesAndIdentifierLetters) {
  EXPECT_EQ(HexValue("FF"), 255u);
  EXPECT_EQ(HexValue("ff"), 255u);
  EXPECT_EQ(HexValue("0ff"), 255u);
  EXPECT_EQ(HexValue("FFFFFFFF"), 4294967295u);
  EXPECT_EQ(HexValue("10"), 16u);
  EXPECT_EQ(HexValue("g"), 16u);
  EXPECT_EQ(HexValue("z"), 35u);
  EXPECT_EQ(HexValue("_"), 8u);
  EXPECT_EQ(HexValue(""), 0u);
}

TEST(HexValue, OnlyFirst101CharactersCount) {
  std::string zeros(101, '0');
  EXPECT_EQ(HexValue(zeros + "1"), 0u);
  EXPECT_EQ(HexValue(std::string(100, '0') + "1"), 1u);
}

TEST(HexValue, LimitsStopWithRangeError) {
  std::ostringstream out;
  SetConsole(&out);
  EXPECT_EQ(StopStatusOf([] { HexValue("100000000"); }), 201);
  EXPECT_EQ(StopStatusOf([] { HexValue("-1"); }), 201);
  EXPECT_EQ(StopStatusOf([] { HexValue("G"); }), 201);
  SetConsole(nullptr);
  EXPECT_NE(out.str().find("Runtime error 201: "), std::string::npos);
}

TEST(DecimalValue, WrapsIn64Bits) {
  EXPECT_EQ(DecimalValue("65535"), 65535);
  EXPECT_EQ(DecimalValue(""), 0);
  EXPECT_EQ(DecimalValue("18446744073709551615"), -1);
  EXPECT_EQ(DecimalValue("9223372036854775808"), INT64_MIN);
}

TEST(DecimalText, SignAndExtremes) {
  EXPECT_EQ(DecimalText(0), "0");
  EXPECT_EQ(DecimalText(-42), "-42");
  EXPECT_EQ(DecimalText(INT64_MAX), "9223372036854775807");
  EXPECT_EQ(DecimalText(INT64_MIN), "-9223372036854775808");
}

TEST(HeapText, EmptyTextHasNoHeapCopy) {
  EXPECT_EQ(NewHeapText(""), nullptr);
  EXPECT_EQ(HeapTextOrEmpty(nullptr), "");
  EXPECT_EQ(HeapTextOrEmpty(NewHeapText("abc")), "abc");
  EXPECT_EQ(HeapTextOrEmpty(NewHeapText(std::string(300, 'x'))).size(), 255u);
  HeapText empty = NewShortString("");
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty[0], 0);
}

TEST(PositionText, WithAndWithoutFile) {
  SourcePos p{NewHeapText("prog.pas"), 12, 5, nullptr};
  EXPECT_EQ(PositionText(p), "prog.pas(12,5)");
  EXPECT_EQ(PositionText(SourcePos{}), "<unknown>");
}

TEST(FileReadable, EmptyNameMissingFileAndDirectory) {
  EXPECT_FALSE(FileReadable(""));
  EXPECT_FALSE(FileReadable("/nonexistent/file.pas"));
  EXPECT_FALSE(FileReadable("/tmp"));
  const char *name = "/tmp/tarnwick_readable_test.txt";
  std::ofstream(name) << "x";
  EXPECT_TRUE(FileReadable(name));
  std::remove(name);
}

TEST(CharText, OneCharacter) { EXPECT_EQ(CharText('x'), "x"); }
