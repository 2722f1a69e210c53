// The asm line text, the output-file name, the skeleton with the copied
// library, and the stops for a missing library or an unwritable file.
#include <filesystem>
#include <fstream>

#include "tests/unit/codegen_test_support.h"

namespace {

std::string Format(const std::string &a, const std::string &b, const std::string &c) {
  AsmLine line{};
  line.first = NewHeapText(a);
  line.second = NewHeapText(b);
  line.third = NewHeapText(c);
  return CG_FormatLine(&line);
}

std::string ReadAll(const std::string &name) {
  std::ifstream f(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}

const char kSkeletonHead[] = ";;; first line\n"
                             "   org 08000h\n"
                             "   ld sp,07fffh\n"
                             "   jp _reset\n";
const char kSkeletonTail[] = "   parentframe0: defb 0,0,0,0\n"
                             "   parentframe1: defb 0,0,0,0\n"
                             "   parentframe2: defb 0,0,0,0\n"
                             "   parentframe3: defb 0,0,0,0\n"
                             "   parentframe4: defb 0,0,0,0\n"
                             "   parentframe5: defb 0,0,0,0\n"
                             "_reset:\n"
                             "   call _main\n"
                             "   jp $\n";

} // namespace

TEST(CodegenFormatLine, IndentsEverythingButLabelsAndJoinsOperands) {
  EXPECT_EQ(Format("ld", "a", "(hl)"), "   ld a,(hl)");
  EXPECT_EQ(Format("call", "__op_mul16", ""), "   call __op_mul16");
  EXPECT_EQ(Format("ret", "", ""), "   ret");
  EXPECT_EQ(Format("label001:", "", ""), "label001:");
  EXPECT_EQ(Format("", "", ""), "");
  EXPECT_EQ(Format("  already indented", "", ""), "     already indented");
  // A line with only a second field keeps the one separating space.
  EXPECT_EQ(Format("", "x", ""), " x");
  EXPECT_EQ(Format("ld", "", "a"), "   ld,a");
  EXPECT_EQ(Format(std::string(254, 'x'), "y", "z").size(), 255u);
}

TEST(CodegenOutputName, ReplacesTheFileNamesExtensionInTheSourcesFolder) {
  EXPECT_EQ(CG_OutputFileName("prog.pas"), "prog.asm");
  EXPECT_EQ(CG_OutputFileName("a/b/test.pp"), "a/b/test.asm");
  EXPECT_EQ(CG_OutputFileName("sub/x"), "sub/x.asm");
  EXPECT_EQ(CG_OutputFileName("x"), "x.asm");
  EXPECT_EQ(CG_OutputFileName("xy.p"), "xy.asm");
  EXPECT_EQ(CG_OutputFileName("a.b/c"), "a.b/c.asm");
  EXPECT_EQ(CG_OutputFileName("a.b/c.d.pas"), "a.b/c.d.asm");
  EXPECT_EQ(CG_OutputFileName("x."), "x.asm");
  EXPECT_EQ(CG_OutputFileName(".profile"), ".profile.asm");
  EXPECT_EQ(CG_OutputFileName("dir/..x.pas"), "dir/..x.asm");
  // the source itself: the driver stops before anything is written
  EXPECT_EQ(CG_OutputFileName("prog.asm"), "prog.asm");
  EXPECT_EQ(CG_OutputFileName("dir/"), "");
  std::string longName(300, 'a');
  EXPECT_EQ(CG_OutputFileName(longName), longName + ".asm"); // never cut into another name
}

using CodegenRunTest = CodegenTest;

TEST_F(CodegenRunTest, EmptyLibraryAndNoOpsGiveTheThirteenSkeletonLines) {
  WriteFile("system_z80lib.asm", "");
  gFirstArgument = "prog.pas";
  CG_Run(gAsmLineList, nullptr);
  EXPECT_EQ(ReadAll("prog.asm"), std::string(kSkeletonHead) + kSkeletonTail);
}

TEST_F(CodegenRunTest, LibraryLinesStandAfterTheJumpWithTheirOwnIndentRule) {
  WriteFile("system_z80lib.asm", "__reg32a:\r\n   defb 0\r\n\n\tnop\rlast:");
  gFirstArgument = "prog.pas";
  CG_Run(gAsmLineList, nullptr);
  EXPECT_EQ(ReadAll("prog.asm"), std::string(kSkeletonHead) +
                                     "__reg32a:\n"
                                     "      defb 0\n"
                                     "\n"
                                     "   \tnop\n"
                                     "last:\n" +
                                     kSkeletonTail);
}

TEST_F(CodegenRunTest, LongLibraryLinesAreCutAt255Characters) {
  WriteFile("system_z80lib.asm", std::string(300, ';') + "\nnext:\n");
  gFirstArgument = "prog.pas";
  CG_Run(gAsmLineList, nullptr);
  std::string text = ReadAll("prog.asm");
  EXPECT_NE(text.find("   " + std::string(252, ';') + "\nnext:\n"), std::string::npos);
}

TEST_F(CodegenRunTest, OpsFollowTheSkeletonInListOrder) {
  WriteFile("system_z80lib.asm", "");
  gFirstArgument = "p.pas";
  OpT(uasmop_label, "str001");
  OpT(uasmop_defb, "1");
  UasmOp *last = OpI(uasmop_subrbegin, main_);
  CG_Run(gAsmLineList, last); // any op of the list will do
  EXPECT_EQ(ReadAll("p.asm"),
            std::string(kSkeletonHead) + kSkeletonTail + "str001:\n   defb 1\n");
}

TEST_F(CodegenRunTest, MissingLibraryStopsWithStatus2AndWritesNothing) {
  gFirstArgument = "prog.pas";
  try {
    CG_Run(gAsmLineList, nullptr);
    FAIL() << "no stop";
  } catch (const CompilerStop &stop) {
    EXPECT_EQ(stop.status, 2);
  }
  EXPECT_FALSE(std::filesystem::exists("prog.asm"));
  EXPECT_NE(Output().find("Runtime error 2: "), std::string::npos);
}

TEST_F(CodegenRunTest, UnreadableLibraryOrUnwritableOutputStopsWithStatus5) {
  std::filesystem::create_directory("system_z80lib.asm");
  gFirstArgument = "prog.pas";
  try {
    CG_Run(gAsmLineList, nullptr);
    FAIL() << "no stop";
  } catch (const CompilerStop &stop) {
    EXPECT_EQ(stop.status, 5);
  }
  std::filesystem::remove("system_z80lib.asm");
  WriteFile("system_z80lib.asm", "");
  gFirstArgument = "no/such/dir/prog.pas";
  try {
    CG_Run(gAsmLineList, nullptr);
    FAIL() << "no stop";
  } catch (const CompilerStop &stop) {
    EXPECT_EQ(stop.status, 5);
  }
}

TEST_F(CodegenRunTest, ParentFrameSlotsBeyondFiveAreDeclaredOnlyWhenUsed) {
  WriteFile("system_z80lib.asm", "");
  gFirstArgument = "prog.pas";
  ID *outer = Subr("outer_20", main_, 7);
  ID *inner = Subr("inner_21", outer);
  ID *x = Var(outer, "x_22", 1, -5);
  OpI(uasmop_subrbegin, inner);
  OpI(uasmop_load, x, 1);
  EXPECT_EQ(CG_HighestParentFrame(ops_), 7);
  CG_Run(gAsmLineList, ops_);
  std::string text = ReadAll("prog.asm");
  EXPECT_NE(text.find("   parentframe5: defb 0,0,0,0\n"
                      "   parentframe6: defb 0,0,0,0\n"
                      "   parentframe7: defb 0,0,0,0\n"
                      "_reset:\n"),
            std::string::npos);
  EXPECT_EQ(text.find("parentframe8"), std::string::npos);
  EXPECT_NE(text.find("   ld a,(iy+-5)\n"), std::string::npos);
}

TEST_F(CodegenRunTest, ASubroutineUsingOnlyItsOwnFrameNeedsNoExtraSlot) {
  ID *p = Subr("p_20", main_, 9); // numbered, but never translated
  ID *q = Subr("q_21", main_);
  OpI(uasmop_subrbegin, q);
  OpI(uasmop_enter, q);
  OpI(uasmop_load, Var(q, "y_22", 1, -5), 1);
  (void)p;
  EXPECT_EQ(CG_HighestParentFrame(ops_), 0);
  OpI(uasmop_subrbegin, p);
  OpI(uasmop_enter, p);
  EXPECT_EQ(CG_HighestParentFrame(ops_), 9);
}
