// Smart linking (which subroutines are used) and the numbering of parent
// frames.
#include "semantic_fixture.h"

namespace {

class SmartLinkTest : public SemanticTest {
protected:
  void Link(const std::string &source) { ASSERT_EQ(Compile(source, true), 0); }
  static bool Used(const std::string &name) { return Named(name)->used == 1; }
  static int Mark(const std::string &name) { return Named(name)->parentFrameMark; }
};

// A chain where the main program calls f1 and each f(i) calls f(i+1), every
// callee declared before its caller (a sweep of the tree in declaration
// order would follow one link per sweep).
std::string BackwardChain(int length) {
  std::string source;
  for (int i = length; i >= 1; i--) {
    source += "procedure f" + std::to_string(i) + "; begin ";
    if (i < length)
      source += "f" + std::to_string(i + 1) + ";";
    source += " end;\n";
  }
  return source + "begin f1; end.\n";
}

TEST_F(SmartLinkTest, OnlyWhatTheMainProgramReachesIsUsed) {
  Link("var g, h: byte;\n"
       "procedure unused; begin end;\n"
       "procedure onlyfromunused; begin end;\n"
       "procedure never; begin onlyfromunused; end;\n"
       "procedure leaf; begin g := 1; end;\n"
       "begin leaf; end.\n");
  EXPECT_TRUE(Used("leaf"));
  EXPECT_TRUE(Used("g"));
  EXPECT_FALSE(Used("h"));
  EXPECT_FALSE(Used("unused"));
  EXPECT_FALSE(Used("never"));
  EXPECT_FALSE(Used("onlyfromunused"));
  EXPECT_FALSE(Used("byte")); // built-in types are not referenced by nodes
  EXPECT_EQ(Output().substr(Output().find("Smartlinking:")),
            "Smartlinking:\nDone.\nParentFrames:\n1  _main\n");
}

TEST_F(SmartLinkTest, ShortChainIsUsed) {
  Link(BackwardChain(3));
  EXPECT_TRUE(Used("f3"));
}

TEST_F(SmartLinkTest, LongBackwardChainIsFollowedToItsEnd) {
  // Ten sweeps in declaration order would have stopped at f11; the chain of
  // 3,000 is what a large program has, and must not cost a sweep per link.
  for (int length : {15, 3000}) {
    Link(BackwardChain(length));
    for (int i = 1; i <= length; i++)
      ASSERT_TRUE(Used("f" + std::to_string(i))) << i;
  }
}

TEST_F(SmartLinkTest, ImplementationOfAForwardDeclarationIsAlwaysUsed) {
  Link("procedure p; forward;\n"
       "procedure q; begin end;\n"
       "procedure p; begin q; end;\n"
       "begin end.\n");
  ID *forward = Named("p");
  ID *body = forward->next->next;
  EXPECT_FALSE(Get(forward->used) == 1);
  EXPECT_EQ(Get(body->used), 1);
  EXPECT_TRUE(Used("q"));
}

TEST_F(SmartLinkTest, TypesInCastsAndCalledFunctionsAreMarked) {
  Link("type small = byte;\n"
       "var x: word;\n"
       "function f(a: small): small; begin result := a; end;\n"
       "begin x := small(f(1)); end.\n");
  EXPECT_TRUE(Used("small"));
  EXPECT_TRUE(Used("f"));
  EXPECT_TRUE(Used("result"));
}

TEST_F(SmartLinkTest, OwnVariablesNeedNoParentFrame) {
  Link("procedure p(a: byte); var b: byte; begin b := a; end;\n"
       "begin p(1); end.\n");
  EXPECT_EQ(Output().substr(Output().find("ParentFrames:")), "ParentFrames:\n");
}

TEST_F(SmartLinkTest, NestedAndGlobalUsesNumberTheOwners) {
  Link("var g: byte;\n"
       "procedure outer; var v: byte;\n"
       "  procedure inner; begin v := 1; end;\n"
       "begin v := 2; inner; end;\n"
       "procedure other; begin g := 3; end;\n"
       "procedure never; begin g := 4; end;\n"
       "begin end.\n");
  // inner is scanned after outer (tree order) and numbers outer first; the
  // numbering ignores smart linking.
  EXPECT_EQ(Mark("outer"), 1);
  EXPECT_EQ(Mark("inner"), 0);
  EXPECT_EQ(Get(Named("outer")->parent->parentFrameMark), 2); // the main program
  EXPECT_EQ(Output().substr(Output().find("ParentFrames:")),
            "ParentFrames:\n2  _main\n1  " + AsmNameText(Named("outer")) + "\n");
}

TEST_F(SmartLinkTest, ConstantsLeftAsReferencesCountLikeVariables) {
  Link("const tab: array [0..1] of byte = (1, 2); n = 5;\n"
       "procedure p; var x: byte; begin x := tab[n]; end;\n"
       "begin end.\n");
  EXPECT_EQ(Get(Named("p")->parent->parentFrameMark), 1);
}

} // namespace
