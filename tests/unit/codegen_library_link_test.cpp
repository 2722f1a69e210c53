// Which lines of a small library the reached-routine linking keeps.
#include <gtest/gtest.h>

#include "codegen_z80/codegen.h"

namespace {

using Lines = std::vector<Text>;

const Lines kLibrary = {
    "; a small library",             // 0
    "__false:",                      // 1
    "   defb 0",                     // 2
    "__acc:",                        // 3
    "   defb 0,0",                   // 4
    "",                              // 5
    "; __load: a := (__acc)",        // 6
    "__load:",                       // 7
    "   ld a,(__acc+1)",             // 8
    "   ; falls into __show",        // 9
    "",                              // 10
    "; __show: print a",             // 11
    "__show:",                       // 12
    "   out (1),a",                  // 13
    "   ret",                        // 14
    "__cmp:",                        // 15
    "   cp 10",                      // 16
    "   ret nz",                     // 17
    "__cmp_tail:",                   // 18
    "   call __show",                // 19
    "__cmp_done:",                   // 20
    "   ret",                        // 21
    "__table:",                      // 22
    "   defw __load",                // 23
    "__text:",                       // 24
    "   defm \"see __cmp; call __x\"", // 25
    "__unused:",                     // 26
    "   jp (hl)",                    // 27
    "__limit equ 10",                // 28
};

// The indexes of the kept lines.
std::vector<size_t> Kept(const Lines &program) {
  std::vector<bool> keep = CG_ReachedLibraryLines(kLibrary, program);
  std::vector<size_t> kept;
  for (size_t i = 0; i < keep.size(); i++)
    if (keep[i])
      kept.push_back(i);
  return kept;
}

} // namespace

TEST(LibraryLinkTest, LeadingDataStaysEvenWhenNothingIsNamed) {
  EXPECT_EQ(Kept({"   ld a,1", "   ret"}), (std::vector<size_t>{0, 1, 2, 3, 4}));
}

TEST(LibraryLinkTest, FallingIntoTheNextRoutineKeepsItWithItsHeader) {
  EXPECT_EQ(Kept({"   call __load"}),
            (std::vector<size_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}));
}

TEST(LibraryLinkTest, ConditionalReturnFallsThroughButJumpDoesNot) {
  // __cmp ends on "ret nz": __cmp_tail follows, which calls __show and
  // runs on into __cmp_done; __unused ends on "jp (hl)" and keeps nothing.
  std::vector<size_t> kept = Kept({"   call __cmp", "   ld hl,__unused"});
  EXPECT_EQ(kept, (std::vector<size_t>{0, 1, 2, 3, 4, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18,
                                       19, 20, 21, 26, 27}));
}

TEST(LibraryLinkTest, DataNamesRoutinesButNeverRunsOn) {
  // defw __load reaches __load (and __show it falls into); data after
  // __table does not fall through into __text.
  std::vector<size_t> kept = Kept({"   ld hl,(__table)"});
  EXPECT_EQ(kept, (std::vector<size_t>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 22,
                                       23}));
}

TEST(LibraryLinkTest, QuotedTextsAndCommentsNameNothing) {
  std::vector<size_t> kept = Kept({"   ld hl,__text ; not __unused", "   ld a,__limit"});
  EXPECT_EQ(kept, (std::vector<size_t>{0, 1, 2, 3, 4, 24, 25, 28}));
}

TEST(LibraryLinkTest, UnknownNamesAndAnEmptyLibraryAreHarmless) {
  EXPECT_EQ(Kept({"   call __nowhere", "   call __cmp_done"}),
            (std::vector<size_t>{0, 1, 2, 3, 4, 20, 21}));
  EXPECT_TRUE(CG_ReachedLibraryLines({}, {"   call __load"}).empty());
  EXPECT_EQ(CG_ReachedLibraryLines({"   ret"}, {}), std::vector<bool>{true});
}
