// The index beside the identifier tree must give exactly what the walk
// through the tree gives.  Whole programs are compiled with every look-up
// checked against the walk as it happens (the tree then is only partly
// built), and afterwards every name is looked up from every scope of the
// finished tree both ways.
#include <set>

#include "parser/parser.h"
#include "tests/unit/test_support.h"

namespace fs = std::filesystem;

namespace {

class IdIndexTest : public ScratchDirTest {
protected:
  void TearDown() override {
    SetLookupCrossCheck(false);
    ScratchDirTest::TearDown();
  }

  static fs::path Repo() { return TARNWICK_SOURCE_DIR; }

  void CopyIn(const fs::path &from, const std::string &to) {
    fs::create_directories(fs::path(to).parent_path().empty() ? "." : fs::path(to).parent_path());
    fs::copy_file(from, to, fs::copy_options::overwrite_existing);
  }

  // Runs the whole compiler with every look-up checked, then compares the
  // finished tree's look-ups; `what` names the program in failures.
  void CompileAndCompare(const std::vector<std::string> &args, const std::string &what,
                         int scopeStep = 1) {
    if (!fs::exists("system_z80lib.asm"))
      CopyIn(Repo() / "system_z80lib.asm", "system_z80lib.asm");
    std::vector<const char *> argv{"tarnwick"};
    for (const std::string &a : args)
      argv.push_back(a.c_str());
    SetLookupCrossCheck(true);
    RunCompiler(static_cast<int>(argv.size()), argv.data());
    EXPECT_EQ(LookupCrossCheckFailures(), 0u) << what << ": look-ups during the compilation";
    CompareFinishedTree(what, scopeStep);
    SetLookupCrossCheck(false);
    ResetCompilerState();
    ArenaReset();
  }

  // Every name of the tree, one too long to be stored, and one not there.
  static std::vector<std::string> AllNames() {
    std::set<std::string> names{"no_such_name", std::string(31, 'x'), ""};
    for (ID *id = RootID(); id; id = NextIDInOrder(id))
      names.insert(NameText(id));
    return {names.begin(), names.end()};
  }

  static std::vector<ID *> ChildrenNamedByWalk(ID *scope, const std::string &name) {
    std::vector<ID *> met;
    for (ID *at = WalkLastVisibleID(scope); scope->firstChild && at; at = at->prev)
      if (NameText(at) == name)
        met.push_back(at);
    return met;
  }

  static std::vector<ID *> Gather(VisibleCursor &c) {
    std::vector<ID *> met;
    while (ID *id = NextVisible(c))
      met.push_back(id);
    return met;
  }

  // Subroutines (and the root) are the scopes look-ups start from; every
  // scopeStep-th other ID is tried as one too.
  void CompareFinishedTree(const std::string &what, int scopeStep) {
    std::vector<std::string> names = AllNames();
    int failures = 0, other = 0;
    for (ID *scope = RootID(); scope && failures < 5; scope = NextIDInOrder(scope)) {
      if (scope->kind != kIdSubr && scope != RootID() && other++ % scopeStep != 0)
        continue;
      if (LastVisibleID(scope) != WalkLastVisibleID(scope)) {
        ADD_FAILURE() << what << ": last visible ID of " << NameText(scope);
        failures++;
      }
      for (const std::string &name : names) {
        std::vector<ID *> walked = WalkVisibleNamed(scope, name);
        VisibleCursor c;
        StartChildrenNamed(c, scope, name);
        bool same = IndexedVisibleNamed(scope, name) == walked &&
                    FindIDFrom(scope, name) == (walked.empty() ? nullptr : walked[0]) &&
                    Gather(c) == ChildrenNamedByWalk(scope, name);
        if (!same && failures++ < 5)
          ADD_FAILURE() << what << ": \"" << name << "\" from " << NameText(scope);
      }
    }
  }
};

// Every golden case, run as its runner runs it (its own files, its args).
TEST_F(IdIndexTest, GoldenProgramsLookUpAsTheWalkDoes) {
  int cases = 0;
  for (const fs::directory_entry &dir : fs::directory_iterator(Repo() / "tests" / "golden")) {
    if (!dir.is_directory())
      continue;
    fs::current_path(dir_);
    fs::remove_all("case");
    fs::copy(dir.path(), "case", fs::copy_options::recursive);
    fs::current_path("case");
    std::vector<std::string> args{"main.pas"};
    if (fs::exists("args")) {
      std::ifstream in("args");
      args.clear();
      for (std::string a; in >> a;)
        args.push_back(a);
    }
    CompileAndCompare(args, dir.path().filename().string());
    cases++;
  }
  fs::current_path(dir_);
  EXPECT_GT(cases, 50);
}

// Every end-to-end program and example, with the run-time routines of
// rtl/system.inc.
TEST_F(IdIndexTest, EndToEndProgramsLookUpAsTheWalkDoes) {
  CopyIn(Repo() / "rtl" / "system.inc", "rtl/system.inc");
  int programs = 0;
  for (const fs::path &folder : {Repo() / "tests" / "e2e", Repo() / "examples"})
    for (const fs::directory_entry &file : fs::directory_iterator(folder)) {
      if (file.path().extension() != ".pas")
        continue;
      CopyIn(file.path(), "main.pas");
      CompileAndCompare({"main.pas"}, file.path().filename().string());
      programs++;
    }
  EXPECT_GT(programs, 100);
}

// Nested subroutines whose locals hide outer names, overloads and
// operators declared at several depths, forward declarations, constants
// named by other constants, enumerations, records, and names declared
// again in the same scope; `copies` blocks of it.
std::string NestedProgram(int copies) {
  std::string s = "program nested;\n{$i system.inc}\n"
                  "type rec = record a, b: word; end; color = (red, green, blue);\n"
                  "const c0 = 3; c1 = c0;\nvar g, x: word; r: rec; col: color;\n"
                  "function +(a, b: rec): rec; operator;\nbegin result.a := a.a + b.a; end;\n";
  for (int k = 0; k < copies; k++) {
    std::string n = std::to_string(k);
    s += "const k" + n + " = c1; x" + n + " = k" + n + ";\n"
         "var x: byte; v" + n + ": word;\n"
         "procedure q" + n + "(a: byte); forward;\n"
         "function f" + n + "(a: word): word;\n"
         "var x, g: word;\n"
         "  function inner(x: byte): byte;\n"
         "  var g: byte;\n"
         "    procedure deepest; var result: word; begin g := x + k" + n + "; end;\n"
         "  begin g := x; deepest; result := g + x" + n + "; end;\n"
         "  function inner(x: word): word; begin result := x * 2; end;\n"
         "begin x := a; g := inner(x) + inner(byte(a)); result := g + f" + n + "(0); end;\n"
         "procedure q" + n + "(a: byte); begin x := a; v" + n + " := f" + n +
         "(a) + c1; r := r + r; col := green; end;\n"
         "procedure f" + n + "(a, b: byte); begin q" + n + "(a + b); end;\n"
         "var v" + n + ": byte;\n";
  }
  s += "begin\n  x := 1;\n";
  for (int k = 0; k < copies; k++)
    s += "  q" + std::to_string(k) + "(x); f" + std::to_string(k) + "(1, 2);\n";
  return s + "  writeln(x, g);\nend.\n";
}

// The shape tools/compile_speed.sh measures: procedures that each call the
// one before, reading globals, a constant and built-in types.
std::string ChainProgram(int procedures) {
  std::string s = "program chain;\n{$i system.inc}\n"
                  "const limit = 1000;\ntype count = word;\nvar shared, w: word;\n";
  for (int k = 0; k < procedures; k++) {
    std::string n = std::to_string(k);
    s += "procedure p" + n + "(a: smallint; var b: word);\nvar i: smallint; t: count;\n"
         "begin t := b + shared; for i := 1 to a do t := t + i;\n"
         "if t > limit then t := t - limit; b := t;\n" +
         (k ? "p" + std::to_string(k - 1) + "(a - 1, b);" : "b := b + 1;") +
         " writeln(t);\nend;\n";
  }
  return s + "begin w := 0; p" + std::to_string(procedures - 1) + "(3, w); writeln(w); end.\n";
}

TEST_F(IdIndexTest, LargeGeneratedProgramsLookUpAsTheWalkDoes) {
  CopyIn(Repo() / "rtl" / "system.inc", "rtl/system.inc");
  WriteFile("main.pas", NestedProgram(60));
  CompileAndCompare({"main.pas"}, "nested program", 5);
  EXPECT_EQ(Output().find("Error at"), std::string::npos) << Output().substr(0, 3000);
  out_.str("");
  WriteFile("main.pas", ChainProgram(400));
  CompileAndCompare({"main.pas"}, "chain program", 5);
  EXPECT_EQ(Output().find("Error at"), std::string::npos) << Output().substr(0, 3000);
}

// An operator text that nothing declares is answered without a walk, and
// one that is declared is found as the walk finds it.
TEST_F(IdIndexTest, OperatorTextIsFoundOnlyWhereDeclared) {
  CopyIn(Repo() / "rtl" / "system.inc", "rtl/system.inc");
  CopyIn(Repo() / "system_z80lib.asm", "system_z80lib.asm");
  WriteFile("main.pas", NestedProgram(2));
  RunCompiler(2, std::vector<const char *>{"tarnwick", "main.pas"}.data());
  ID *main = LastVisibleID(RootID());
  EXPECT_EQ(FindIDFrom(main, "-"), nullptr);
  ID *plus = FindIDFrom(main, "+");
  ASSERT_NE(plus, nullptr);
  EXPECT_EQ(plus->kind, kIdSubr);
  EXPECT_EQ(FindIDFrom(RootID(), "+"), nullptr); // declared below the main program
}

} // namespace
