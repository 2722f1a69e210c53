// The fixed limits that only large programs reach: each test generates a
// source just past the limit, compiles it in-process and expects the run-time
// stop (status 201) with the message naming the limit.  The small limits
// have golden cases (tests/golden/limit_*).
#include <string>

#include "test_support.h"

namespace {

class LimitsTest : public ScratchDirTest {
protected:
  // Compiles main.pas; returns the exit status.
  int Compile(const std::string &source) {
    WriteFile("main.pas", source);
    WriteFile("system_z80lib.asm", "; run-time library\n");
    const char *argv[] = {"tarnwick", "main.pas"};
    return RunCompiler(2, argv);
  }

  bool Reported(const std::string &message) const {
    return Output().find("Runtime error 201: " + message + "\n") != std::string::npos;
  }

  // count procedures, each with `lines` lines of `perLine` copies of
  // `statement`, all called from the main program.
  static std::string ManyStatements(int count, int lines, int perLine,
                                    const std::string &declarations,
                                    const std::string &statement) {
    std::string src = "program big;\n" + declarations;
    for (int p = 0; p < count; p++) {
      src += "procedure p" + std::to_string(p) + ";\nbegin\n";
      for (int l = 0; l < lines; l++) {
        src += " ";
        for (int s = 0; s < perLine; s++)
          src += " " + statement;
        src += "\n";
      }
      src += "end;\n";
    }
    src += "begin\n";
    for (int p = 0; p < count; p++)
      src += "  p" + std::to_string(p) + ";\n";
    return src + "end.\n";
  }
};

// Each if statement takes a label; 80000 of them pass the 16-bit counter.
TEST_F(LimitsTest, LabelCounter) {
  std::string src = ManyStatements(40, 200, 10, "var x: byte;\n", "if x = 1 then x := 2;");
  EXPECT_EQ(Compile(src), kStopLimit);
  EXPECT_TRUE(Reported("more than 65535 labels")) << Output().substr(0, 2000);
}

// A temporary is an identifier with its own assembly name, so 68000
// temporaries reach the assembly-name limit before the temporary counter's
// own: the run stops there, at the first of the two 16-bit counters.
TEST_F(LimitsTest, TemporariesRunOutOfAssemblyNames) {
  std::string src = ManyStatements(40, 170, 10, "var x, y: longint;\n", "y := x * x + x * x;");
  EXPECT_EQ(Compile(src), kStopLimit);
  EXPECT_TRUE(Reported("more than 65535 assembly names")) << Output().substr(0, 2000);
  EXPECT_EQ(Output().find("tmpcnt="), std::string::npos);
}

// 700 procedures of 100 locals each: 70000 identifiers.
TEST_F(LimitsTest, AssemblyNames) {
  std::string src = "program names;\n";
  for (int p = 0; p < 700; p++) {
    src += "procedure p" + std::to_string(p) + ";\nvar\n";
    for (int v = 0; v < 100; v += 10) {
      src += "  v" + std::to_string(v);
      for (int k = 1; k < 10; k++)
        src += ", v" + std::to_string(v + k);
      src += ": byte;\n";
    }
    src += "begin\nend;\n";
  }
  EXPECT_EQ(Compile(src + "begin\nend.\n"), kStopLimit);
  EXPECT_TRUE(Reported("more than 65535 assembly names")) << Output().substr(0, 2000);
}

// A statement list counts its nodes in 16 bits.
TEST_F(LimitsTest, NodesInOneStatementList) {
  std::string src = ManyStatements(1, 1400, 10, "var x: byte;\n", "if x = 1 then x := 2;");
  EXPECT_EQ(Compile(src), kStopLimit);
  EXPECT_TRUE(Reported("more than 65535 nodes in one statement list")) << Output().substr(0, 2000);
}

// Every frame lies on the stack, between 07FFFh and the heap at 0100h,
// above the main program's frame: 32511 bytes for both together.
TEST_F(LimitsTest, FrameSize) {
  auto withLocals = [](const std::string &inP, const std::string &inMain) {
    return "program f;\nprocedure p;\nvar a: array [1.." + inP +
           "] of byte;\nbegin a[1] := 1; end;\nvar g: array [1.." + inMain +
           "] of byte;\nbegin g[1] := 1; p; end.\n";
  };
  // Each frame: 4 bytes of link, 4 unused, the locals rounded up to 4.
  EXPECT_EQ(Compile(withLocals("16244", "16248")), 0) << Output().substr(0, 2000);
  EXPECT_EQ(Compile(withLocals("16248", "16248")), kStopLimit);
  EXPECT_TRUE(Reported("stack frames of the main program and p take 32512 bytes, more "
                       "than the 32511 bytes of stack")) << Output().substr(0, 2000);
  EXPECT_EQ(Compile(withLocals("1", "32504")), kStopLimit);
  EXPECT_TRUE(Reported("stack frame of the main program takes 32512 bytes, more than "
                       "the 32511 bytes of stack")) << Output().substr(0, 2000);
}

TEST_F(LimitsTest, ParentFrames) {
  auto withNested = [](int count) {
    std::string src = "program frames;\n";
    for (int p = 0; p < count; p++) {
      std::string n = std::to_string(p);
      src += "procedure p" + n + ";\nvar x: byte;\n  procedure q" + n +
             ";\n  begin\n    x := 1;\n  end;\nbegin\n  q" + n + ";\nend;\n";
    }
    src += "begin\n";
    for (int p = 0; p < count; p++)
      src += "  p" + std::to_string(p) + ";\n";
    return src + "end.\n";
  };
  EXPECT_EQ(Compile(withNested(255)), 0) << Output().substr(0, 2000);
  EXPECT_NE(Output().find("\n255  p254_"), std::string::npos);
  EXPECT_EQ(Compile(withNested(256)), kStopLimit);
  EXPECT_TRUE(Reported("more than 255 parent frames")) << Output().substr(0, 2000);
}

} // namespace
