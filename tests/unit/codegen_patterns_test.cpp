// Pattern rules R1 to R16 on hand-built op sequences: which rule takes
// which ops, the lines it writes and the place it leaves.
#include <algorithm>

#include "tests/unit/codegen_test_support.h"

class CodegenPatternsTest : public CodegenTest {
protected:
  void SetUp() override {
    CodegenTest::SetUp();
    f_ = Subr("f_16", main_);
    st_.currentSubr = f_;
    x_ = Var(f_, "x_17", 1, -5);
    y_ = Var(f_, "y_18", 1, -6);
    w_ = Var(f_, "w_19", 2, -8);
    s_ = Var(f_, "s_20", 1, -9, -128);
    far_ = Var(f_, "far_21", 1, -130);
    l_ = Var(f_, "l_22", 4, -14);
    s2_ = Var(f_, "s2_23", 1, -15, -128);
  }
  // Runs the loop from the first op made after `start` (all ops when nil).
  Lines From(UasmOp *start) { return Loop(start ? start->next : FirstOpOf()); }
  UasmOp *FirstOpOf() {
    UasmOp *op = ops_;
    while (op && op->prev)
      op = op->prev;
    return op;
  }
  ID *f_, *x_, *y_, *w_, *s_, *far_, *l_, *s2_;
};

TEST_F(CodegenPatternsTest, R1ArrayElementAddressKeepsTheIndexInDe) {
  UasmOp *start = Before(12, 2);
  Op(uasmop_pusharg, 2);
  OpI(uasmop_loadaddr, Var(f_, "arr_23", 10, -24), 2);
  UasmOp *add = OpT(uasmop_add, "[sp]", 2);
  EXPECT_EQ(From(start), Lines({"   ex de,hl", "   push ix", "   pop hl", "   ld bc,-24",
                                "   add hl,bc", "   add hl,de"}));
  EXPECT_EQ(add->resultPlace, 12);
}

TEST_F(CodegenPatternsTest, R1NeedsTheExactStackMarker) {
  UasmOp *start = Before(1, 4);
  Op(uasmop_pusharg, 4);
  OpI(uasmop_loadaddr, x_, 2);
  OpT(uasmop_add, "[SP]", 2);
  EXPECT_EQ(From(start)[0], "   call __pusharg");
}

TEST_F(CodegenPatternsTest, R2DereferencesOneAndTwoBytesFromHl) {
  UasmOp *start = Before(12, 2);
  UasmOp *one = Op(uasmop_deref, 1);
  EXPECT_EQ(From(start), Lines({"   ld a,(hl)"}));
  EXPECT_EQ(one->resultPlace, 3);
  list_ = nullptr;
  start = Before(1, 4);
  UasmOp *two = Op(uasmop_deref, 2);
  EXPECT_EQ(From(start), Lines({"   ld hl,(__reg32a)", "   ld e,(hl)", "   inc hl",
                                "   ld d,(hl)", "   ex de,hl"}));
  EXPECT_EQ(two->resultPlace, 12);
}

TEST_F(CodegenPatternsTest, R3StoresAByteThroughTheAddress) {
  UasmOp *start = Before(12, 2);
  OpT(uasmop_storeind, "65", 1);
  Before(12, 2);
  OpI(uasmop_storeind, x_, 1);
  UasmOp *last = OpI(uasmop_storeind, far_, 1); // after place 1: address from __reg32a
  Lines lines = From(start);
  lines.erase(std::remove(lines.begin(), lines.end(), "   nop"), lines.end());
  EXPECT_EQ(lines, Lines({"   ld (hl),65", "   ld a,(ix+-5)", "   ld (hl),a",
                          "   ld hl,(__reg32a)", "   push hl", "   push ix", "   pop hl",
                          "   ld bc,-130", "   add hl,bc", "   ld a,(hl)", "   pop hl",
                          "   ld (hl),a"}));
  EXPECT_EQ(last->resultPlace, 1);
}

TEST_F(CodegenPatternsTest, R4IncrementsAndDecrementsInMemory) {
  OpI(uasmop_load, x_, 1);
  OpT(uasmop_add, "1", 1);
  OpI(uasmop_store, x_, 1);
  OpI(uasmop_load, far_, 1);
  OpT(uasmop_sub, "1", 1);
  UasmOp *store = OpI(uasmop_store, far_, 1);
  EXPECT_EQ(From(nullptr), Lines({"   inc (ix+-5)", "   push ix", "   pop hl", "   ld bc,-130",
                                  "   add hl,bc", "   dec (hl)"}));
  EXPECT_EQ(store->resultPlace, 1);
}

TEST_F(CodegenPatternsTest, R5AddsToAnotherTarget) {
  OpI(uasmop_load, x_, 1);
  OpT(uasmop_add, "1", 1);
  OpI(uasmop_store, y_, 1);
  OpI(uasmop_load, x_, 1);
  OpI(uasmop_sub, y_, 1);
  OpI(uasmop_store, x_, 1);
  EXPECT_EQ(From(nullptr), Lines({"   ld a,(ix+-5)", "   add a,1", "   ld (ix+-6),a",
                                  "   ld a,(ix+-5)", "   sub (ix+-6)", "   ld (ix+-5),a"}));
}

TEST_F(CodegenPatternsTest, R6JumpsWhenTheUnsignedCompareIsFalse) {
  const std::pair<int32_t, Lines> jumps[] = {
      {uasmop_cmpgt, {"   jr z,$+4", "   jr nc,$+5", "   jp L"}},
      {uasmop_cmpge, {"   jp c,L"}},
      {uasmop_cmplt, {"   jp nc,L"}},
      {uasmop_cmple, {"   jr c,$+7", "   jr z,$+5", "   jp L"}},
      {uasmop_cmpeq, {"   jp nz,L"}},
      {uasmop_cmpne, {"   jp z,L"}}};
  for (const auto &[code, jump] : jumps) {
    list_ = nullptr;
    UasmOp *start = ops_;
    OpI(uasmop_load, x_, 1);
    OpT(code, "10", 1);
    UasmOp *jf = OpT(uasmop_jumpfalse, "L", 0);
    Lines want = {"   ld a,(ix+-5)", "   cp 10"};
    want.insert(want.end(), jump.begin(), jump.end());
    EXPECT_EQ(From(start), want);
    EXPECT_EQ(jf->resultPlace, 1);
  }
}

TEST_F(CodegenPatternsTest, R6ComparesWithVariablesInMemory) {
  OpT(uasmop_load, "3", 1);
  OpI(uasmop_cmpeq, far_, 1);
  OpT(uasmop_jumpfalse, "L", 0);
  OpI(uasmop_load, far_, 1);
  OpI(uasmop_cmpeq, y_, 1);
  OpT(uasmop_jumpfalse, "L", 0);
  EXPECT_EQ(From(nullptr),
            Lines({"   ld a,3", "   push ix", "   pop hl", "   ld bc,-130", "   add hl,bc",
                   "   cp (hl)", "   jp nz,L", "   push ix", "   pop hl", "   ld bc,-130",
                   "   add hl,bc", "   ld a,(hl)", "   cp (ix+-6)", "   jp nz,L"}));
}

TEST_F(CodegenPatternsTest, R6ComparesSignedBytesWithBit7Flipped) {
  OpI(uasmop_load, s_, 1);
  OpT(uasmop_cmplt, "0", 1);
  OpT(uasmop_jumpfalse, "L", 0);
  OpI(uasmop_load, s_, 1);
  OpT(uasmop_cmpgt, "-1", 1);
  OpT(uasmop_jumpfalse, "L", 0);
  OpI(uasmop_load, s_, 1);
  OpI(uasmop_cmpge, s2_, 1);
  OpT(uasmop_jumpfalse, "L", 0);
  EXPECT_EQ(From(nullptr),
            Lines({"   ld a,(ix+-9)", "   xor 80h", "   cp 128", "   jp nc,L",
                   "   ld a,(ix+-9)", "   xor 80h", "   cp 127", "   jr z,$+4", "   jr nc,$+5",
                   "   jp L", "   ld a,(ix+-9)", "   xor 80h", "   ld d,a", "   ld a,(ix+-15)",
                   "   xor 80h", "   ld e,a", "   ld a,d", "   cp e", "   jp c,L"}));
}

TEST_F(CodegenPatternsTest, R7CopiesBytes) {
  OpT(uasmop_load, "7", 1);
  OpI(uasmop_store, y_, 1);
  OpI(uasmop_load, x_, 1);
  OpI(uasmop_store, far_, 1);
  OpT(uasmop_load, "9", 1);
  UasmOp *last = Op(uasmop_store, 1);
  EXPECT_EQ(From(nullptr), Lines({"   ld (ix+-6),7", "   ld a,(ix+-5)", "   push ix",
                                  "   pop hl", "   ld bc,-130", "   add hl,bc",
                                  "   ld (hl),a"}));
  EXPECT_EQ(last->resultPlace, 1);
}

TEST_F(CodegenPatternsTest, R8LoadsBytesIntoAAndNearWordsIntoHl) {
  UasmOp *b = OpI(uasmop_load, x_, 1);
  Before(0);
  UasmOp *c = OpT(uasmop_load, "300", 2);
  Before(0);
  ID *g = Subr("g_30", f_);
  st_.currentSubr = f_;
  UasmOp *w = OpI(uasmop_load, w_, 2);
  Before(0);
  Lines lines = From(nullptr);
  EXPECT_EQ(lines, Lines({"   ld a,(ix+-5)", "   nop", "   ld hl,300", "   nop",
                          "   ld e,(ix+-8)", "   ld d,(ix+-7)", "   ex de,hl", "   nop"}));
  EXPECT_EQ(b->resultPlace, 3);
  EXPECT_EQ(c->resultPlace, 12);
  EXPECT_EQ(w->resultPlace, 12);
  // From a nested subroutine iy is loaded once for both bytes.
  list_ = nullptr;
  f_->parentFrameMark = 1;
  st_.currentSubr = g;
  UasmOp *start = ops_;
  OpI(uasmop_load, w_, 2);
  EXPECT_EQ(From(start), Lines({"   ld iy,(parentframe1)", "   ld e,(iy+-8)", "   ld d,(iy+-7)",
                                "   ex de,hl"}));
}

TEST_F(CodegenPatternsTest, R8LeavesFarAndByReferenceWordsToTheGeneralLoad) {
  UasmOp *load = OpI(uasmop_load, RefParam(f_, "r_23", 2, 4), 2);
  Lines lines = From(nullptr);
  EXPECT_EQ(lines.back(), "   call __movbtoa");
  EXPECT_EQ(load->resultPlace, 1);
}

TEST_F(CodegenPatternsTest, R9CombinesAByteInAWithAByteVariable) {
  UasmOp *start = Before(3);
  OpI(uasmop_and, x_, 1);
  OpI(uasmop_or, far_, 1);
  UasmOp *last = OpI(uasmop_xor, x_, 1);
  EXPECT_EQ(From(start), Lines({"   and (ix+-5)", "   push ix", "   pop hl", "   ld bc,-130",
                                "   add hl,bc", "   or (hl)", "   xor (ix+-5)"}));
  EXPECT_EQ(last->resultPlace, 3);
}

TEST_F(CodegenPatternsTest, R9LeavesMixedSignednessToThe32BitRoutine) {
  // Both signed: the byte result widens by its sign, as the op says.
  UasmOp *start = Before(3, 1, true);
  Signed(OpI(uasmop_xor, s_, 2));
  EXPECT_EQ(From(start), Lines({"   xor (ix+-9)"}));
  // A byte in a with a shortint, or an unsigned pair under a signed op (a
  // byte cast to longint): the general op widens each side by its own sign.
  for (bool leftSigned : {false, true}) {
    list_ = nullptr;
    start = Before(3, 1, leftSigned);
    UasmOp *xorOp = Signed(OpI(uasmop_xor, leftSigned ? x_ : s_, 2));
    EXPECT_EQ(From(start).back(), "   call __op_xor");
    EXPECT_EQ(xorOp->resultPlace, 1);
  }
  list_ = nullptr;
  start = Before(3);
  Signed(OpI(uasmop_and, x_, 4));
  EXPECT_EQ(From(start).back(), "   call __op_and");
}

TEST_F(CodegenPatternsTest, R10StoresIntoNearVariablesFromEveryPlace) {
  UasmOp *start = Before(1, 4);
  OpI(uasmop_store, x_, 1);
  Before(12, 2);
  OpI(uasmop_store, x_, 1);
  Before(1, 4);
  OpI(uasmop_store, w_, 2);
  Before(3, 1);
  OpI(uasmop_store, w_, 2);
  Before(12, 2);
  UasmOp *last = OpI(uasmop_store, w_, 2);
  Lines lines = From(start);
  // the Befores are nops
  lines.erase(std::remove(lines.begin(), lines.end(), "   nop"), lines.end());
  EXPECT_EQ(lines, Lines({"   ld a,(__reg32a+0)", "   ld (ix+-5),a", "   ld a,l",
                          "   ld (ix+-5),a", "   ld de,(__reg32a+0)", "   ld (ix+-8),e",
                          "   ld (ix+-7),d", "   ld e,a", "   ld d,0", "   ld (ix+-8),e",
                          "   ld (ix+-7),d", "   ex de,hl", "   ld (ix+-8),e",
                          "   ld (ix+-7),d"}));
  EXPECT_EQ(last->resultPlace, 1);
}

TEST_F(CodegenPatternsTest, R10SignExtendsASignedByteIntoAWord) {
  OpI(uasmop_load, s_, 1);
  OpI(uasmop_store, w_, 2);
  EXPECT_EQ(From(nullptr), Lines({"   ld a,(ix+-9)", "   ld e,a", "   rla", "   sbc a,a",
                                  "   ld d,a", "   ld (ix+-8),e", "   ld (ix+-7),d"}));
}

TEST_F(CodegenPatternsTest, R11Multiplies16Bits) {
  UasmOp *start = Before(3);
  OpT(uasmop_mul, "10", 2);
  EXPECT_EQ(From(start), Lines({"   ld c,10", "   call __op_mul8816"}));
  list_ = nullptr;
  start = Before(12, 2);
  OpT(uasmop_mul, "300", 2);
  EXPECT_EQ(From(start), Lines({"   ld bc,300", "   call __op_mul16"}));
  list_ = nullptr;
  start = Before(1, 4);
  UasmOp *mul = OpI(uasmop_mul, w_, 2);
  EXPECT_EQ(From(start), Lines({"   ld hl,(__reg32a)", "   push hl", "   push ix", "   pop hl",
                                "   ld bc,-8", "   add hl,bc", "   call __getarg2", "   pop hl",
                                "   ld bc,(__reg32b)", "   call __op_mul16"}));
  EXPECT_EQ(mul->resultPlace, 12);
}

TEST_F(CodegenPatternsTest, R11WidensSignedBytesAndNegativeFactorsIn16Bits) {
  UasmOp *start = Before(3, 1, true);
  OpT(uasmop_mul, "10", 2);
  EXPECT_EQ(From(start), Lines({"   ld l,a", "   rla", "   sbc a,a", "   ld h,a", "   ld bc,10",
                                "   call __op_mul16"}));
  list_ = nullptr;
  start = Before(3);
  OpT(uasmop_mul, "-5", 2);
  EXPECT_EQ(From(start), Lines({"   ld l,a", "   ld h,0", "   ld bc,-5", "   call __op_mul16"}));
}

TEST_F(CodegenPatternsTest, R12Multiplies32BitsByAShortConstant) {
  UasmOp *start = Before(1, 4);
  UasmOp *mul = OpT(uasmop_mul, "10", 4);
  EXPECT_EQ(From(start), Lines({"   ld a,10", "   call __op_mul_a"}));
  EXPECT_EQ(mul->resultPlace, 1);
  // Not for three characters, nor for a negative factor.
  list_ = nullptr;
  start = Before(1, 4);
  OpT(uasmop_mul, "100", 4);
  EXPECT_EQ(From(start).back(), "   call __op_mul");
  list_ = nullptr;
  start = Before(1, 4);
  OpT(uasmop_mul, "-5", 4);
  EXPECT_EQ(From(start).back(), "   call __op_mul");
}

TEST_F(CodegenPatternsTest, R12MovesACastValueIntoReg32aFirst) {
  OpI(uasmop_load, x_, 1);
  Op(uasmop_typecast, 4);
  OpT(uasmop_mul, "10", 4);
  EXPECT_EQ(From(nullptr), Lines({"   ld a,(ix+-5)", "   ;# typecast", "   call __acctorega1",
                                  "   ld a,10", "   call __op_mul_a"}));
}

TEST_F(CodegenPatternsTest, R13IncrementsAByteInA) {
  UasmOp *start = Before(3);
  UasmOp *one = OpT(uasmop_add, "1", 1);
  EXPECT_EQ(From(start), Lines({"   inc a"}));
  EXPECT_EQ(one->resultPlace, 3);
  list_ = nullptr;
  start = Before(3);
  UasmOp *two = OpT(uasmop_add, "1", 2);
  EXPECT_EQ(From(start), Lines({"   ld l,a", "   ld h,0", "   inc hl"}));
  EXPECT_EQ(two->resultPlace, 12);
  list_ = nullptr;
  start = Before(3);
  OpT(uasmop_add, "1", 4); // no rule adds one to a 4-byte value
  EXPECT_EQ(From(start).back(), "   call __op_add");
}

TEST_F(CodegenPatternsTest, R14AddsAnUnsignedByteTo32Bits) {
  UasmOp *start = Before(1, 4);
  OpI(uasmop_add, x_, 4);
  Before(3, 1);
  OpI(uasmop_sub, x_, 4);
  Before(12, 2);
  UasmOp *last = OpI(uasmop_add, x_, 4);
  Lines lines = From(start);
  lines.erase(std::remove(lines.begin(), lines.end(), "   nop"), lines.end());
  EXPECT_EQ(lines, Lines({"   ;sub/add ?+8=32", "   ld a,(ix+-5)", "   call __op_add_a",
                          "   ;sub/add ?+8=32", "   call __acctorega1", "   ld a,(ix+-5)",
                          "   call __op_sub_a", "   ;sub/add ?+8=32", "   ld (__reg32a),hl",
                          "   call __reg32a_clr2", "   ld a,(ix+-5)", "   call __op_add_a"}));
  EXPECT_EQ(last->resultPlace, 1);
  // A signed byte goes through the general addition with sign extension.
  list_ = nullptr;
  start = Before(1, 4);
  OpI(uasmop_add, s_, 4);
  EXPECT_EQ(From(start)[5], "   call __extsign1");
}

TEST_F(CodegenPatternsTest, R15AddsAndSubtractsConstantsIn16Bits) {
  UasmOp *start = Before(12, 2);
  OpT(uasmop_add, "1", 2);
  OpT(uasmop_sub, "1", 2);
  OpT(uasmop_sub, "5", 2);
  OpT(uasmop_add, "300", 2);
  OpT(uasmop_add, "[sp]", 2);
  UasmOp *last = OpT(uasmop_sub, "[sp]", 2);
  EXPECT_EQ(From(start),
            Lines({"   ;sub/add 16", "   inc hl", "   ;sub/add 16", "   dec hl",
                   "   ;sub/add 16", "   ld de,-5", "   add hl,de", "   ;sub/add 16",
                   "   ld de,300", "   add hl,de", "   ;sub/add 16", "   pop de", "   pop bc",
                   "   add hl,de", "   ;sub/add 16", "   pop de", "   pop bc", "   sub a",
                   "   sbc hl,de"}));
  EXPECT_EQ(last->resultPlace, 12);
}

TEST_F(CodegenPatternsTest, R15AddsAByteVariableToAByteInA) {
  UasmOp *start = Before(3);
  OpI(uasmop_add, x_, 2);
  EXPECT_EQ(From(start), Lines({"   ;sub/add 16", "   add a,(ix+-5)", "   ld l,a", "   ld a,0",
                                "   adc a,0", "   ld h,a"}));
  list_ = nullptr;
  start = Before(3);
  OpI(uasmop_sub, x_, 2);
  EXPECT_EQ(From(start), Lines({"   ;sub/add 16", "   sub (ix+-5)", "   ld l,a", "   ld a,0",
                                "   sbc a,0", "   ld h,a"}));
}

TEST_F(CodegenPatternsTest, R15AddsAByteVariableToAWordFromEveryPlace) {
  UasmOp *start = Before(12, 2);
  OpI(uasmop_add, x_, 2);
  EXPECT_EQ(From(start), Lines({"   ;sub/add 16", "   ld a,(ix+-5)", "   ld e,a", "   ld d,0",
                                "   add hl,de"}));
  // Left value in __reg32a: brought into hl first.
  list_ = nullptr;
  start = Before(1, 4);
  OpI(uasmop_sub, x_, 2);
  EXPECT_EQ(From(start), Lines({"   ;sub/add 16", "   ld hl,(__reg32a)", "   ld a,(ix+-5)",
                                "   ld e,a", "   ld d,0", "   sub a", "   sbc hl,de"}));
  // A far operand's address must not overwrite the left value in hl.
  list_ = nullptr;
  start = Before(12, 2);
  OpI(uasmop_add, far_, 2);
  EXPECT_EQ(From(start), Lines({"   ;sub/add 16", "   push hl", "   push ix", "   pop hl",
                                "   ld bc,-130", "   add hl,bc", "   ld a,(hl)", "   pop hl",
                                "   ld e,a", "   ld d,0", "   add hl,de"}));
}

TEST_F(CodegenPatternsTest, R15WidensSignedBytesBySign) {
  UasmOp *start = Before(3, 1, true);
  OpI(uasmop_add, x_, 2);
  EXPECT_EQ(From(start), Lines({"   ;sub/add 16", "   ld l,a", "   rla", "   sbc a,a",
                                "   ld h,a", "   ld a,(ix+-5)", "   ld e,a", "   ld d,0",
                                "   add hl,de"}));
  list_ = nullptr;
  start = Before(12, 2);
  OpI(uasmop_add, s_, 2);
  EXPECT_EQ(From(start), Lines({"   ;sub/add 16", "   ld a,(ix+-9)", "   ld e,a", "   rla",
                                "   sbc a,a", "   ld d,a", "   add hl,de"}));
}

TEST_F(CodegenPatternsTest, R15AddsAWordVariable) {
  UasmOp *start = Before(12, 2);
  OpI(uasmop_sub, w_, 2);
  EXPECT_EQ(From(start), Lines({"   ;sub/add 16", "   push hl", "   push ix", "   pop hl",
                                "   ld bc,-8", "   add hl,bc", "   ld e,(hl)", "   inc hl",
                                "   ld d,(hl)", "   pop hl", "   sub a", "   sbc hl,de"}));
}

TEST_F(CodegenPatternsTest, R16ComparesABytePerFlagTests) {
  UasmOp *start = Before(3);
  UasmOp *cmp = OpT(uasmop_cmple, "7", 1);
  EXPECT_EQ(From(start), Lines({"   cp 7", "   ld a,1", "   jr z,$+5", "   jr c,$+3",
                                "   xor a"}));
  EXPECT_EQ(cmp->resultPlace, 3);
  list_ = nullptr;
  start = Before(3);
  OpI(uasmop_cmpne, x_, 1);
  EXPECT_EQ(From(start), Lines({"   cp (ix+-5)", "   ld a,1", "   jr nz,$+3", "   xor a"}));
  // A word operand is no byte compare.
  list_ = nullptr;
  start = Before(3);
  OpI(uasmop_cmpne, w_, 1);
  EXPECT_EQ(From(start)[0], "   call __acctorega1");
}

TEST_F(CodegenPatternsTest, R16ComparesSignedBytesWithBit7Flipped) {
  OpI(uasmop_load, s_, 1);
  OpI(uasmop_cmplt, s2_, 1);
  EXPECT_EQ(From(nullptr), Lines({"   ld a,(ix+-9)", "   xor 80h", "   ld d,a", "   ld a,(ix+-15)",
                                  "   xor 80h", "   ld e,a", "   ld a,d", "   cp e", "   ld a,1",
                                  "   jr c,$+3", "   xor a"}));
}

TEST_F(CodegenPatternsTest, MixedSignednessByteComparesGoThrough32Bits) {
  // shortint < byte: no 8-bit compare is right for both, so R6 and R16 stand
  // aside and the general compare calls the signed/unsigned routine.
  OpI(uasmop_load, s_, 1);
  OpI(uasmop_cmplt, x_, 1);
  OpT(uasmop_jumpfalse, "L", 0);
  Lines lines = From(nullptr);
  EXPECT_EQ(lines[0], "   ld a,(ix+-9)");
  EXPECT_EQ(lines[1], "   call __acctorega1s");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "   call __op_cmp_uu"), lines.end())
      << "the load's own signed flag is what the general compare reads";
  // A signed byte against 200, an unsigned byte against -1: likewise.
  list_ = nullptr;
  UasmOp *start = Before(3, 1, true);
  OpT(uasmop_cmpeq, "200", 1);
  EXPECT_EQ(From(start)[0], "   call __acctorega1s");
  list_ = nullptr;
  start = Before(3);
  OpT(uasmop_cmpeq, "-1", 1);
  EXPECT_EQ(From(start)[0], "   call __acctorega1");
}
