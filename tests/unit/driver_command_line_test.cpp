// The command line: options anywhere until "--", the first other argument
// is the source, options with values in one argument.
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "codegen_z80/codegen.h"
#include "driver/common.h"

namespace {

class CommandLineTest : public ::testing::Test {
protected:
  void SetUp() override { ResetCompilerState(); }
  void TearDown() override { ResetCompilerState(); }

  static CommandLine Read(std::vector<const char *> args) {
    args.insert(args.begin(), "tarnwick");
    return ReadCommandLine(int(args.size()), args.data());
  }
};

TEST_F(CommandLineTest, OptionsStandAnywhereAndTheFirstOtherArgumentIsTheSource) {
  CommandLine line = Read({"-O", "prog.pas", "--stats", "other.pas"});
  EXPECT_TRUE(line.problem.empty());
  EXPECT_TRUE(line.hasMainFile);
  EXPECT_EQ(line.mainFile, "prog.pas");
  EXPECT_TRUE(gOptions.optimize);
  EXPECT_TRUE(gOptions.showStatistics);
  EXPECT_FALSE(gOptions.showHelp);
}

TEST_F(CommandLineTest, DoubleDashEndsTheOptions) {
  CommandLine line = Read({"--", "-O", "-h"});
  EXPECT_TRUE(line.problem.empty());
  EXPECT_EQ(line.mainFile, "-O");
  EXPECT_FALSE(gOptions.optimize);
  EXPECT_FALSE(gOptions.showHelp);
  line = Read({"prog.pas", "--", "--"}); // a second "--" is a file name, ignored
  EXPECT_EQ(line.mainFile, "prog.pas");
  EXPECT_TRUE(line.problem.empty());
}

TEST_F(CommandLineTest, WrongOptionsAreNamedAndTheFirstProblemCounts) {
  EXPECT_EQ(Read({"-", "x.pas"}).problem, "Unknown option: -");
  EXPECT_EQ(Read({"--no-rule"}).problem,
            "The option --no-rule needs a value: --no-rule=NAME");
  EXPECT_EQ(Read({"--stats=yes", "--bogus"}).problem,
            "The option --stats takes no value: --stats=yes");
  EXPECT_EQ(Read({"--no-rule="}).problem, "Unknown rule:  (--list-rules lists them)");
  EXPECT_FALSE(Read({"--optimize"}).problem.empty()); // no prefix matching
  EXPECT_FALSE(Read({}).hasMainFile);
}

// The lines of the --stats block that show a rule switched off.
static std::string RulesOff() {
  std::ostringstream out;
  SetConsole(&out);
  CG_WriteRuleHits();
  SetConsole(nullptr);
  std::istringstream lines(out.str());
  std::string line, off;
  while (std::getline(lines, line))
    if (line.find("(off)") != std::string::npos)
      off += line.substr(2, line.find(' ', 2) - 2) + " ";
  return off;
}

TEST_F(CommandLineTest, NoRuleSwitchesOneRuleOffUntilTheNextReset) {
  EXPECT_TRUE(Read({"-O", "--no-rule=byte-copy", "--no-rule=byte-copy"}).problem.empty());
  EXPECT_EQ(RulesOff(), "byte-copy ");
  EXPECT_FALSE(CG_SwitchRuleOff("no-such-rule"));
  ResetCompilerState();
  EXPECT_FALSE(gOptions.optimize);
  EXPECT_EQ(RulesOff(), "");
}

TEST_F(CommandLineTest, TargetNamesTheMachineUntilTheNextReset) {
  EXPECT_EQ(gOptions.target, kTargetFlat);
  EXPECT_TRUE(Read({"--target=zx", "--target=cpm", "p.pas"}).problem.empty());
  EXPECT_EQ(gOptions.target, kTargetCpm); // the last one counts
  ResetCompilerState();
  EXPECT_EQ(gOptions.target, kTargetFlat);
  EXPECT_EQ(Read({"--target=CPM"}).problem, "Unknown target: CPM (flat, cpm or zx)");
  EXPECT_EQ(Read({"--target", "zx"}).problem,
            "The option --target needs a value: --target=NAME");
}

} // namespace
