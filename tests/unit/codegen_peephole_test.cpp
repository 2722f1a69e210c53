// The peephole pass on small line lists: what each line rule rewrites, and
// what it must leave alone (live registers and flags, "$+N" spans, labels,
// asm-block and library lines).
#include <gtest/gtest.h>

#include "codegen_z80/codegen.h"
#include "tests/unit/test_support.h"

namespace {

using Lines = std::vector<Text>;

class PeepholeTest : public ::testing::Test {
protected:
  void SetUp() override {
    ArenaReset();
    ResetCodeGenerator();
  }
  void TearDown() override { ResetCodeGenerator(); }

  // "ld a,1" becomes the fields ld / a / 1, "L:" a label; "!text" is a
  // whole text line (as an asm block gives), "@text" a library line.
  static AsmLine *Build(const Lines &lines) {
    AsmLine *list = nullptr;
    CG_State st{&list, nullptr};
    for (Text line : lines) {
      bool library = line[0] == '@';
      if (library)
        line = line.substr(1);
      if (line[0] == '!' || line.back() == ':') {
        CG_Emit(st, line[0] == '!' ? line.substr(1) : line, "", "");
        continue;
      }
      size_t space = line.find(' ');
      Text operands = space == Text::npos ? "" : line.substr(space + 1);
      size_t comma = operands.find(',');
      CG_Emit(st, line.substr(0, space), operands.substr(0, comma),
              comma == Text::npos ? "" : operands.substr(comma + 1));
      list->fromLibrary = library;
    }
    return list;
  }
  static Lines Peephole(const Lines &lines) {
    AsmLine *list = Build(lines);
    CG_Peephole(list);
    Lines out;
    for (AsmLine *l = CG_FirstLine(list); l; l = l->next)
      out.push_back(CG_FormatLine(l));
    return out;
  }
};

} // namespace

TEST_F(PeepholeTest, BooleanOfACompareBecomesJumpsOnTheFlags) {
  // a <= b false: neither zero nor carry.
  EXPECT_EQ(Peephole({"call __op_cmp_uu", "ld a,1", "jr z,$+5", "jr c,$+3", "xor a", "or a",
                      "jp z,L", "ld a,2", "or a", "ret", "L:", "xor a", "ret"}),
            (Lines{"   call __op_cmp_uu", "   jr z,$+5", "   jp nc,L", "   ld a,2", "   or a",
                   "   ret", "L:", "   xor a", "   ret"}));
  // a > b true (jp nz): not zero and no carry; a = b false: not zero.
  EXPECT_EQ(Peephole({"cp 5", "ld a,1", "jr z,$+4", "jr nc,$+3", "xor a", "or a", "jp nz,L",
                      "ld a,b", "cp 7", "ld a,1", "jr z,$+3", "xor a", "or a", "jp z,L",
                      "ld a,4", "call f", "L:", "ld a,0", "call g"}),
            (Lines{"   cp 5", "   jr z,$+5", "   jp nc,L", "   ld a,b", "   cp 7", "   jp nz,L",
                   "   ld a,4", "   call f", "L:", "   ld a,0", "   call g"}));
}

TEST_F(PeepholeTest, BooleanStaysWhenAOrTheFlagsAreReadAfterwards) {
  Lines readAtLabel = {"cp 5",   "ld a,1", "jr c,$+3", "xor a", "or a",
                       "jp z,L", "ld a,2", "ret",      "L:",    "ld (x),a"};
  EXPECT_EQ(Peephole(readAtLabel).size(), readAtLabel.size());
  Lines flagsRead = {"cp 5", "ld a,1", "jr c,$+3", "xor a", "or a", "jp z,L", "ld a,3",
                     "ret z", "L:", "xor a", "ret"};
  EXPECT_EQ(Peephole(flagsRead).size(), flagsRead.size());
  Lines callTakesA = {"cp 5", "ld a,1", "jr c,$+3", "xor a", "or a", "jp z,L", "call __putbool",
                      "L:", "xor a", "ret"};
  EXPECT_EQ(Peephole(callTakesA).size(), callTakesA.size());
}

TEST_F(PeepholeTest, PairsThatUndoEachOtherGoAndPushPopBecomesLoads) {
  EXPECT_EQ(Peephole({"push hl", "pop hl", "ex de,hl", "ex de,hl", "push hl", "pop de",
                      "push ix", "pop hl"}),
            (Lines{"   ld d,h", "   ld e,l", "   push ix", "   pop hl"}));
}

TEST_F(PeepholeTest, JumpsToTheNextLineOrToAJumpAreShortened) {
  EXPECT_EQ(Peephole({"jp z,A", "A:", "jp nc,B", "ld a,1", "B:", "jp C", "C:", "ld a,2", "ret"}),
            (Lines{"A:", "   jp nc,C", "   ld a,1", "B:", "C:", "   ld a,2", "   ret"}));
  // A cycle of jumps is left as it is.
  Lines cycle = {"A:", "jp B", "nop", "B:", "jp A"};
  EXPECT_EQ(Peephole(cycle).size(), cycle.size());
}

TEST_F(PeepholeTest, JumpsToAReturnTakeItsLines) {
  EXPECT_EQ(Peephole({"jp z,R", "jp P", "nop", "P:", "pop de", "R:", "ret"}),
            (Lines{"   ret z", "   pop de", "   ret", "   nop", "P:", "   pop de", "R:",
                   "   ret"}));
  // Three pops, a ret with a condition, a conditional jump past a pop:
  // each stays a jump.
  Lines kept = {"jp A", "jp z,B", "jp C", "A:", "pop af", "pop bc", "pop de", "ret",
                "B:", "pop de", "ret", "C:", "ret nc"};
  EXPECT_EQ(Peephole(kept), Lines({"   jp A", "   jp z,B", "   jp C", "A:", "   pop af",
                                   "   pop bc", "   pop de", "   ret", "B:", "   pop de",
                                   "   ret", "C:", "   ret nc"}));
}

TEST_F(PeepholeTest, ReloadsAndCopiesOfUnchangedValuesGo) {
  EXPECT_EQ(Peephole({"ld (__reg32a),hl", "ld hl,(__reg32a)", "ld l,a", "ld h,0", "ld a,l",
                      "ld (x),a"}),
            (Lines{"   ld (__reg32a),hl", "   ld l,a", "   ld h,0", "   ld (x),a"}));
  Lines changed = {"ld l,a", "ld a,5", "ld a,l", "ld e,a", "inc e", "ld a,e", "ld d,h",
                   "call f", "ld h,d"};
  EXPECT_EQ(Peephole(changed).size(), changed.size());
}

TEST_F(PeepholeTest, SpansOfDollarJumpsLabelsAsmAndLibraryLinesAreKept) {
  Lines kept = {"jr z,$+4", "push hl", "pop hl", "push de", "L:", "pop de",
                "!  push bc", "pop bc", "@push af", "@pop af"};
  EXPECT_EQ(Peephole(kept).size(), kept.size());
}

TEST_F(PeepholeTest, ARuleSwitchedOffRewritesNothing) {
  ASSERT_TRUE(CG_SwitchRuleOff("push-pop"));
  EXPECT_EQ(Peephole({"push hl", "pop hl"}).size(), 2u);
  ASSERT_TRUE(CG_SwitchRuleOff("jump-to-next"));
  EXPECT_EQ(Peephole({"jp A", "A:"}).size(), 2u);
}

TEST_F(PeepholeTest, LoadsOfWhatARegisterHoldsGoAcrossJumpsAndLoops) {
  // hl holds (g) on the jump into the loop and on its back edge.
  EXPECT_EQ(Peephole({"ld hl,0", "ld (g),hl", "jp T", "N:", "ld hl,(g)", "inc hl", "ld (g),hl",
                      "T:", "ld hl,(g)", "ld de,(g)", "call f", "ld a,(g+2)", "ld (g+2),a",
                      "ld hl,(g+4)", "ex de,hl", "ld de,(g+4)", "jp nz,N", "ret"}),
            (Lines{"   ld hl,0", "   ld (g),hl", "   jp T", "N:", "   ld hl,(g)", "   inc hl",
                   "   ld (g),hl", "T:", "   ld d,h", "   ld e,l", "   call f",
                   "   ld a,(g+2)", "   ld hl,(g+4)", "   ex de,hl", "   jp nz,N", "   ret"}));
  // Constants too, and a byte store beside a word leaves the word known.
  EXPECT_EQ(Peephole({"xor a", "ld hl,(g)", "ld (g+2),a", "ld a,0", "ld hl,(g)", "ret"}),
            (Lines{"   xor a", "   ld hl,(g)", "   ld (g+2),a", "   ret"}));
}

TEST_F(PeepholeTest, LoadsStayWhereTheRegisterMayHoldSomethingElse) {
  const std::vector<Lines> kept = {
      {"ld a,(g)", "ld (hl),b", "ld a,(g)", "ret"},         // a store through hl may alias
      {"ld a,(g)", "ld (ix-2),b", "ld a,(g)", "ret"},       // so may one into the frame
      {"ld a,(g)", "ldir", "ld a,(g)", "ret"},              // and a block move
      {"ld hl,(g)", "ld (g+1),a", "ld hl,(g)", "ret"},      // a byte store inside the word
      {"ld hl,(g)", "ld (h),a", "ld hl,(g)", "ret"},        // another symbol may overlap
      {"ld a,(g)", "call f", "ld a,(g)", "ret"},            // a call changes anything
      {"ld a,(23672)", "ld b,a", "ld a,(23672)", "ret"},   // a numeric address may change
      {"ld a,(g)", "L:", "ld a,(g)", "ret", "ld hl,L"},     // L is entered from elsewhere
      {"ld a,(g)", "L:", "ld a,(g)", "ret", "call L"},      // a subroutine's entry
      {"ld a,(g)", "L:", "ld a,(g)", "ret", "!  jp L"},     // named by an asm block
      {"ld a,(g)", "L:", "ld a,(g)", "ret", "@jp L"},       // or by the library
      {"ld a,(g)", "!  ld b,c", "ld a,(g)", "ret"},         // an asm block in between
      {"ld a,(g)", "inc a", "ld a,(g)", "ld hl,(g)", "ld l,a", "ld hl,(g)", "ret"},
      // The back edge brings another value to the loop's head.
      {"ld a,(g)", "L:", "ld a,(g)", "ld (x),a", "ld a,(h)", "jp L"},
      // A "$+N" jump lands after the load with a different value.
      {"ld a,(h)", "jr z,$+5", "ld a,(g)", "nop", "nop", "nop", "ld a,(g)", "ret"},
      // djnz counts in b, exx swaps the pairs.
      {"ld bc,(g)", "L:", "djnz L", "ld bc,(g)", "exx", "ld bc,(g)", "ret"},
  };
  for (const Lines &lines : kept)
    EXPECT_EQ(Peephole(lines).size(), lines.size()) << lines[1] << " / " << lines.back();
}

TEST_F(PeepholeTest, ABitTestLeavesAKnownOnBothPaths) {
  EXPECT_EQ(Peephole({"ld a,(g)", "bit 7,a", "jp z,L", "ld a,(g)", "add a,a", "ld (g),a", "ret",
                      "L:", "ld a,(g)", "sub 3", "ret"}),
            (Lines{"   ld a,(g)", "   bit 7,a", "   jp z,L", "   add a,a", "   ld (g),a",
                   "   ret", "L:", "   sub 3", "   ret"}));
}

TEST_F(PeepholeTest, KnownRegistersSwitchedOffKeepsEveryLoad) {
  ASSERT_TRUE(CG_SwitchRuleOff("known-registers"));
  EXPECT_EQ(Peephole({"ld hl,(g)", "ld de,(g)", "ld hl,(g)"}).size(), 3u);
}
