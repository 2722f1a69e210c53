// Operand addressing: own and enclosing frames, near and far offsets,
// by-reference slots and absolute variables.
#include "tests/unit/codegen_test_support.h"

class CodegenOperandsTest : public CodegenTest {
protected:
  void SetUp() override {
    CodegenTest::SetUp();
    outer_ = Subr("outer_16", main_, 2);
    inner_ = Subr("inner_17", outer_);
    st_.currentSubr = outer_;
  }
  Lines Address(ID *v) {
    CG_OperandAddress(st_, OpI(uasmop_loadaddr, v, 2));
    return Emitted();
  }
  Lines OpOperand(ID *v, const char *mnemonic) {
    CG_OpOperand(st_, OpI(uasmop_load, v, 1), mnemonic);
    return Emitted();
  }
  Lines AccOperand(ID *v, const char *mnemonic) {
    CG_AccOperand(st_, OpI(uasmop_load, v, 1), mnemonic);
    return Emitted();
  }
  ID *outer_, *inner_;
};

TEST_F(CodegenOperandsTest, OwnNearLocalIsAnIxOperandWithBothSigns) {
  ID *x = Var(outer_, "x_18", 1, -5);
  EXPECT_EQ(OpOperand(x, "inc"), Lines({"   inc (ix+-5)"}));
  list_ = nullptr;
  EXPECT_EQ(OpOperand(x, "ld"), Lines({"   ld (ix+-5),a"}));
  list_ = nullptr;
  EXPECT_EQ(AccOperand(x, "sub"), Lines({"   sub (ix+-5)"}));
}

TEST_F(CodegenOperandsTest, ConstantOperandsAreWrittenDirectly) {
  CG_OpOperand(st_, OpT(uasmop_cmpeq, "10", 1), "cp");
  CG_AccOperand(st_, OpT(uasmop_add, "3", 1), "add");
  EXPECT_EQ(Emitted(), Lines({"   cp 10", "   add a,3"}));
}

TEST_F(CodegenOperandsTest, OffsetMinus124IsNearAndMinus125IsFar) {
  EXPECT_EQ(AccOperand(Var(outer_, "a_18", 1, -124), "ld"), Lines({"   ld a,(ix+-124)"}));
  list_ = nullptr;
  EXPECT_EQ(AccOperand(Var(outer_, "b_19", 1, -125), "ld"),
            Lines({"   push ix", "   pop hl", "   ld bc,-125", "   add hl,bc", "   ld a,(hl)"}));
  list_ = nullptr;
  EXPECT_EQ(OpOperand(Var(outer_, "c_20", 1, 125), "dec"),
            Lines({"   push ix", "   pop hl", "   ld bc,125", "   add hl,bc", "   dec (hl)"}));
}

TEST_F(CodegenOperandsTest, EnclosingVariableGoesThroughIyAndItsParentFrameSlot) {
  ID *p = Var(outer_, "p_18", 1, 4);
  st_.currentSubr = inner_;
  EXPECT_EQ(OpOperand(p, "cp"), Lines({"   ld iy,(parentframe2)", "   cp (iy+4)"}));
  list_ = nullptr;
  EXPECT_EQ(Address(p), Lines({"   ld hl,(parentframe2)", "   ld bc,4", "   add hl,bc"}));
}

TEST_F(CodegenOperandsTest, ByReferenceSlotIsDereferencedAfterItsAddress) {
  ID *r = RefParam(outer_, "r_18", 2, 200);
  EXPECT_EQ(Address(r), Lines({"   push ix", "   pop hl", "   ld bc,200", "   add hl,bc",
                               "   ld c,(hl)", "   inc hl", "   ld h,(hl)", "   ld l,c"}));
}

TEST_F(CodegenOperandsTest, NearByReferenceOperandsGoThroughDeForLdAndHlOtherwise) {
  ID *r = RefParam(outer_, "r_18", 1, 4);
  EXPECT_EQ(AccOperand(r, "ld"), Lines({"   ld e,(ix+4)", "   ld d,(ix+5)", "   ld a,(de)"}));
  list_ = nullptr;
  // The Z80 has no add a,(de): the address goes to hl instead.
  EXPECT_EQ(AccOperand(r, "add"), Lines({"   ld l,(ix+4)", "   ld h,(ix+5)", "   add a,(hl)"}));
  list_ = nullptr;
  EXPECT_EQ(OpOperand(r, "inc"), Lines({"   ld l,(ix+4)", "   ld h,(ix+5)", "   inc (hl)"}));
}

TEST_F(CodegenOperandsTest, TwoByteAccessThroughIyLoadsIyOnce) {
  ID *r = RefParam(outer_, "r_18", 1, 8);
  st_.currentSubr = inner_;
  EXPECT_EQ(AccOperand(r, "sub"), Lines({"   ld iy,(parentframe2)", "   ld l,(iy+8)",
                                         "   ld h,(iy+9)", "   sub (hl)"}));
}

TEST_F(CodegenOperandsTest, AbsoluteVariablesUseTheirAddress) {
  ID *port = Absolute("port_18", 1, 16384);
  EXPECT_EQ(AccOperand(port, "ld"), Lines({"   ld a,(16384)"}));
  list_ = nullptr;
  EXPECT_EQ(AccOperand(port, "add"), Lines({"   ld hl,16384", "   add a,(hl)"}));
  list_ = nullptr;
  EXPECT_EQ(OpOperand(port, "ld"), Lines({"   ld hl,16384", "   ld (hl),a"}));
  list_ = nullptr;
  EXPECT_EQ(Address(port), Lines({"   ld hl,16384"}));
}

TEST_F(CodegenOperandsTest, NoIdentMeansNoAddressLines) {
  CG_OperandAddress(st_, OpT(uasmop_load, "5", 1));
  EXPECT_TRUE(Emitted().empty());
}
