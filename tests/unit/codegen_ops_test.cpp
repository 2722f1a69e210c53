// The general translation of single ops (no pattern rule involved), the
// value places and the moves into the working registers.
#include "tests/unit/codegen_test_support.h"

class CodegenOpsTest : public CodegenTest {
protected:
  void SetUp() override {
    CodegenTest::SetUp();
    f_ = Subr("f_16", main_, 0, 8, 12);
    st_.currentSubr = f_;
  }
  ID *f_;
};

TEST_F(CodegenOpsTest, SourceLineBecomesAPositionComment) {
  SourcePos pos{};
  pos.fileName = NewHeapText("prog.pas");
  pos.line = 12;
  pos.column = 5;
  pos.lineText = NewHeapText("  x := 1;");
  UasmOp *op = Op(uasmop_srcline, 0);
  op->position = &pos;
  EXPECT_EQ(General(op),
            Lines({std::string(23, ' ') + "; prog.pas(12,5):   x := 1;"}));
  EXPECT_EQ(op->resultPlace, 0);
}

TEST_F(CodegenOpsTest, PrologueReservesLocalsAndStoresTheParentFrame) {
  ID *g = Subr("g_17", main_, 3, 0, 4);
  OpI(uasmop_subrbegin, g);
  Lines lines = Loop(OpI(uasmop_enter, g)->prev);
  EXPECT_EQ(st_.currentSubr, g);
  // The slot's value at entry is kept in the frame's unused bytes.
  EXPECT_EQ(lines, Lines({"   push ix", "   ld ix,0", "   add ix,sp", "   ld hl,-4",
                          "   add hl,sp", "   ld sp,hl", "   ld hl,(parentframe3)",
                          "   ld (ix+-4),l", "   ld (ix+-3),h", "   ld (parentframe3),ix"}));
}

TEST_F(CodegenOpsTest, TheMainProgramEnteredOnceOnlyStoresItsParentFrame) {
  main_->parentFrameMark = 1;
  main_->subr->isMain = 1;
  OpI(uasmop_subrbegin, main_);
  OpI(uasmop_enter, main_);
  Lines lines = Loop(Op(uasmop_leave, 0)->prev->prev);
  EXPECT_EQ(lines, Lines({"   push ix", "   ld ix,0", "   add ix,sp", "   ld hl,-4",
                          "   add hl,sp", "   ld sp,hl", "   ld (parentframe1),ix",
                          "   ld sp,ix", "   pop ix", "   ret"}));
}

TEST_F(CodegenOpsTest, WithTheStackCheckTheNewFrameIsCheckedBeforeItIsWritten) {
  gLex.stackCheck = true;
  ID *g = Subr("g_17", main_, 3, 0, 4);
  OpI(uasmop_subrbegin, g);
  Lines lines = Loop(OpI(uasmop_enter, g)->prev);
  gLex.stackCheck = false;
  EXPECT_EQ(lines, Lines({"   push ix", "   ld ix,0", "   add ix,sp", "   ld hl,-4",
                          "   add hl,sp", "   ld sp,hl", "   call __stack_check",
                          "   ld hl,(parentframe3)", "   ld (ix+-4),l", "   ld (ix+-3),h",
                          "   ld (parentframe3),ix"}));
}

TEST_F(CodegenOpsTest, EpilogueRestoresASavedParentFrameLeavingHlAlone) {
  st_.currentSubr = Subr("p_17", main_, 2);
  EXPECT_EQ(General(Op(uasmop_leave, 0)),
            Lines({"   ld c,(ix+-4)", "   ld b,(ix+-3)", "   ld (parentframe2),bc",
                   "   ld sp,ix", "   pop ix", "   ret"}));
}

TEST_F(CodegenOpsTest, EpilogueDropsTheParameterAreaAroundTheReturnAddress) {
  EXPECT_EQ(General(Op(uasmop_leave, 0)),
            Lines({"   ld sp,ix", "   pop ix", "   pop bc", "   ex de,hl", "   ld hl,8",
                   "   add hl,sp", "   ld sp,hl", "   ex de,hl", "   push bc", "   ret"}));
  list_ = nullptr;
  st_.currentSubr = Subr("p_17", main_);
  EXPECT_EQ(General(Op(uasmop_leave, 0)), Lines({"   ld sp,ix", "   pop ix", "   ret"}));
}

TEST_F(CodegenOpsTest, AFunctionResultAddressLeftInHlReachesReg32aBeforeTheReturn) {
  ID *s = Subr("s_17", main_, 0, 0, 4);
  s->subr->result = Var(s, "result_18", 2, 4, 0, kVarFrame | kVarByReference | kVarResult);
  st_.currentSubr = s;
  OpI(uasmop_loadaddr, s->subr->result, 4);
  Lines lines = Loop(Op(uasmop_leave, 0)->prev);
  EXPECT_EQ(lines, Lines({"   push ix", "   pop hl", "   ld bc,4", "   add hl,bc", "   ld c,(hl)",
                          "   inc hl", "   ld h,(hl)", "   ld l,c", "   ld (__reg32a),hl",
                          "   call __reg32a_clr2", "   ld sp,ix", "   pop ix", "   ret"}));
}

TEST_F(CodegenOpsTest, LabelsJumpsAndCallsUseTheIdentsAssemblyName) {
  ID *g = Subr("g_17", main_);
  General(OpI(uasmop_label, g));
  General(OpT(uasmop_label, "label001end"));
  General(OpT(uasmop_jump, "label001"));
  UasmOp *call = OpI(uasmop_call, g, 2);
  General(call);
  General(OpT(uasmop_call, "__copyblock"));
  General(OpT(uasmop_defb, "65"));
  UasmOp *label = OpT(uasmop_loadlabel, "str001", 2);
  label->ident = g; // the text is used, never an ident's name
  General(label);
  EXPECT_EQ(Emitted(), Lines({"g_17:", "label001end:", "   jp label001", "   call g_17",
                              "   call __copyblock", "   defb 65", "   ld hl,str001"}));
  EXPECT_EQ(call->resultPlace, 1);
  EXPECT_EQ(label->resultPlace, 12);
}

TEST_F(CodegenOpsTest, AsmLinesAreCopiedAndEmptyOnesStayEmpty) {
  General(OpT(uasmop_asmline, "ld a,5"));
  General(OpT(uasmop_asmline, "here:"));
  General(Op(uasmop_asmline));
  EXPECT_EQ(Emitted(), Lines({"   ld a,5", "here:", ""}));
}

TEST_F(CodegenOpsTest, OpsWithoutCodeEmitNothing) {
  General(OpI(uasmop_localconst, Var(f_, "c_17", 1, -1), 1));
  General(Op(uasmop_nop, 0));
  EXPECT_EQ(Emitted(), Lines({"   nop"}));
  EXPECT_EQ(Output(), "");
}

TEST_F(CodegenOpsTest, ObsoleteAndInvalidOpsAreReportedAndWaitForEnter) {
  in_.str("\n\n\n");
  General(Op(uasmop_allocstack));
  General(Op(uasmop_reserved21));
  General(Op(45));
  EXPECT_TRUE(Emitted().empty());
  EXPECT_EQ(Output(), "TODO del \"uasmop_allocstack\"\nError in CG, op: \nError in CG, op: \n");
  EXPECT_EQ(ErrorCount(), 3); // the run fails: code is missing
  std::string rest;
  EXPECT_FALSE(std::getline(in_, rest)); // three waits read the three lines
}

TEST_F(CodegenOpsTest, PushArgumentWidensByThePreviousPlace) {
  Before(1);
  General(Op(uasmop_pusharg, 4));
  Before(3);
  General(Op(uasmop_pusharg, 4));
  Before(12, 2);
  General(Op(uasmop_pusharg, 4));
  Before(0);
  General(Op(uasmop_pusharg, 4));
  EXPECT_EQ(Emitted(), Lines({"   call __pusharg", "   ld hl,0", "   push hl", "   ld l,a",
                              "   push hl", "   ld de,0", "   push de", "   push hl"}));
}

TEST_F(CodegenOpsTest, AVarStringArgumentsSlotCarriesTheCapacity) {
  // A number, or the high word of the slot of a parameter passed on (of
  // the subroutine's own frame, or of an enclosing one's through iy).
  Before(12, 2);
  General(OpT(uasmop_pusharg, "5", 4));
  Before(1, 2);
  General(OpI(uasmop_pusharg, RefParam(f_, "d", 256, 8), 4));
  ID *g = Subr("g_17", main_, 2, 4, 0);
  Before(12, 2);
  General(OpI(uasmop_pusharg, RefParam(g, "e", 256, 4), 4));
  EXPECT_EQ(Emitted(), Lines({"   ld de,5", "   push de", "   push hl", "   ld hl,(__reg32a)",
                              "   ld e,(ix+10)", "   ld d,(ix+11)", "   push de", "   push hl",
                              "   ld iy,(parentframe2)", "   ld e,(iy+6)", "   ld d,(iy+7)",
                              "   push de", "   push hl"}));
}

TEST_F(CodegenOpsTest, PushArgumentSignExtendsASignedValue) {
  Before(3, 1, true);
  General(Op(uasmop_pusharg, 4));
  Before(12, 2, true);
  General(Op(uasmop_pusharg, 4));
  EXPECT_EQ(Emitted(), Lines({"   ld l,a", "   rla", "   sbc a,a", "   ld h,a", "   ld e,a",
                              "   ld d,a", "   push de", "   push hl", "   ld a,h", "   rla",
                              "   sbc a,a", "   ld e,a", "   ld d,a", "   push de",
                              "   push hl"}));
}

TEST_F(CodegenOpsTest, ConditionalJumpsTestTheBooleanWhereverItIs) {
  Before(1);
  General(OpT(uasmop_jumpfalse, "l1", 0));
  Before(12);
  General(OpT(uasmop_jumpfalse, "l2", 0));
  Before(3);
  General(OpT(uasmop_jumpfalse, "l3", 0));
  General(OpT(uasmop_jumptrue, "l4", 0));
  EXPECT_EQ(Emitted(),
            Lines({"   ld a,(__reg32a)", "   or a", "   jp z,l1", "   ld a,l", "   or a",
                   "   jp z,l2", "   or a", "   jp z,l3", "   ld a,(__reg32a)", "   or a",
                   "   jp nz,l4"}));
}

TEST_F(CodegenOpsTest, LoadGoesThroughReg32b) {
  UasmOp *load = OpT(uasmop_load, "7", 1);
  EXPECT_EQ(General(load), Lines({"   ld a,7", "   call __acctoregb1", "   call __movbtoa"}));
  EXPECT_EQ(load->resultPlace, 1);
}

TEST_F(CodegenOpsTest, OperandToRegBConstantForms) {
  CG_OperandToRegB(st_, OpT(uasmop_add, "100", 4));
  CG_OperandToRegB(st_, OpT(uasmop_add, "-5", 4));
  CG_OperandToRegB(st_, OpT(uasmop_add, "65536", 4));
  CG_OperandToRegB(st_, OpT(uasmop_add, "-65537", 4));
  CG_OperandToRegB(st_, OpT(uasmop_add, "[sp]", 1));
  EXPECT_EQ(Emitted(),
            Lines({"   ld hl,100 & 65535", "   ld (__reg32b),hl", "   ld hl,0",
                   "   ld (__reg32b+2),hl", "   ld hl,-5 & 65535", "   ld (__reg32b),hl",
                   "   ld hl,-1", "   ld (__reg32b+2),hl", "   ld hl,65536 & 65535",
                   "   ld (__reg32b),hl", "   ld hl,1", "   ld (__reg32b+2),hl",
                   "   ld hl,-65537 & 65535", "   ld (__reg32b),hl", "   ld hl,-2",
                   "   ld (__reg32b+2),hl", "   call __popb"}));
}

TEST_F(CodegenOpsTest, OperandToRegBStopsAbove32Bits) {
  CG_OperandToRegB(st_, OpT(uasmop_add, "4294967295", 4));
  try {
    CG_OperandToRegB(st_, OpT(uasmop_add, "4294967296", 4));
    FAIL() << "no stop";
  } catch (const CompilerStop &stop) {
    EXPECT_EQ(stop.status, 201);
  }
}

TEST_F(CodegenOpsTest, OperandToRegBVariablesBySizeWithSignExtension) {
  CG_OperandToRegB(st_, OpI(uasmop_add, Var(f_, "a_17", 1, -5, -128), 4));
  CG_OperandToRegB(st_, OpI(uasmop_add, Var(f_, "b_18", 2, -7), 4));
  CG_OperandToRegB(st_, OpI(uasmop_add, Var(f_, "c_19", 4, -12, -1), 4));
  CG_OperandToRegB(st_, OpI(uasmop_add, Var(f_, "d_20", 8, -20), 4));
  const char *addr[] = {"   push ix", "   pop hl"};
  Lines want;
  auto address = [&](const char *n) {
    want.insert(want.end(), addr, addr + 2);
    want.push_back(std::string("   ld bc,") + n);
    want.push_back("   add hl,bc");
  };
  address("-5");
  want.insert(want.end(), {"   call __getarg1", "   call __extsign1"});
  address("-7");
  want.push_back("   call __getarg2");
  address("-12");
  want.push_back("   call __getarg4");
  address("-20");
  EXPECT_EQ(Emitted(), want);
  try {
    CG_OperandToRegB(st_, OpI(uasmop_add, Var(f_, "e_21", 256, -300), 4));
    FAIL() << "no stop";
  } catch (const CompilerStop &stop) {
    EXPECT_EQ(stop.status, 201);
  }
}

TEST_F(CodegenOpsTest, AccToRegAByPlaceAndSignedness) {
  Before(3);
  CG_AccToRegA(st_, Op(uasmop_add, 4));
  Before(3, 1, true);
  CG_AccToRegA(st_, Op(uasmop_add, 4));
  Before(12, 2);
  CG_AccToRegA(st_, Op(uasmop_add, 4));
  Before(12, 2, true);
  CG_AccToRegA(st_, Op(uasmop_add, 4));
  Before(1, 4);
  CG_AccToRegA(st_, Op(uasmop_add, 4));
  EXPECT_EQ(Emitted(), Lines({"   call __acctorega1", "   call __acctorega1s",
                              "   ld (__reg32a),hl", "   call __reg32a_clr2",
                              "   ld (__reg32a),hl", "   call __extsigna2"}));
  EXPECT_EQ(Output(), "");
}

TEST_F(CodegenOpsTest, AValueNowhereIsACgRegError) {
  in_.str("\n");
  Before(0);
  CG_AccToRegA(st_, Op(uasmop_add, 4));
  EXPECT_TRUE(Emitted().empty());
  EXPECT_EQ(Output(), "cg reg error\n");
}

TEST_F(CodegenOpsTest, WideningFollowsTheProducersExtensionOnly) {
  ID *b = Var(f_, "b_17", 1, -5);         // byte
  ID *s = Var(f_, "s_18", 1, -6, -128);   // shortint
  EXPECT_FALSE(CG_WidensSigned(OpI(uasmop_load, b, 1)));
  EXPECT_TRUE(CG_WidensSigned(OpI(uasmop_load, s, 1)));
  EXPECT_TRUE(CG_WidensSigned(OpT(uasmop_load, "-1", 1)));
  // A cast's extension is its own, whatever its signed flag says.
  UasmOp *cast = Op(uasmop_typecast, 4, 3);
  cast->isSigned = 1;
  SetExtension(cast);
  EXPECT_FALSE(CG_WidensSigned(cast));
  cast->extension = kExtendSign;
  Before(3, 1);
  EXPECT_EQ(General(Op(uasmop_add, 4)).front(), "   call __acctorega1");
  list_ = nullptr;
  ops_ = cast;
  EXPECT_EQ(General(Op(uasmop_add, 4)).front(), "   call __acctorega1s");
}

TEST_F(CodegenOpsTest, StoreByWidth) {
  ID *b = Var(f_, "b_17", 1, -200), *w = Var(f_, "w_18", 2, -202), *l = Var(f_, "l_19", 4, -206);
  Before(12, 2);
  General(OpI(uasmop_store, b, 1));
  Before(3, 1);
  General(OpI(uasmop_store, w, 2));
  Before(1, 4);
  General(OpI(uasmop_store, l, 4));
  Before(1, 4);
  General(Op(uasmop_store, 1));
  Lines want = {"   ld a,l", "   push ix", "   pop hl", "   ld bc,-200", "   add hl,bc",
                "   ld (hl),a", "   call __acctorega1", "   push ix", "   pop hl",
                "   ld bc,-202", "   add hl,bc", "   ld de,(__reg32a+0)", "   ld (hl),e",
                "   inc hl", "   ld (hl),d", "   push ix", "   pop hl", "   ld bc,-206",
                "   add hl,bc", "   call __sta4", "   ;nil", "   ld a,(__reg32a+0)",
                "   ld (hl),a"};
  EXPECT_EQ(Emitted(), want);
}

TEST_F(CodegenOpsTest, StoreIndirectCopiesTheOperandBytesToTheAddress) {
  Before(1, 2);
  General(OpT(uasmop_storeind, "7", 2));
  EXPECT_EQ(Emitted(), Lines({"   ld hl,(__reg32a)", "   push hl", "   ld a,7",
                              "   call __acctoregb1", "   pop hl", "   ld a,(__reg32b+0)",
                              "   ld (hl),a", "   inc hl", "   ld a,(__reg32b+1)",
                              "   ld (hl),a"}));
}

TEST_F(CodegenOpsTest, DereferenceByWidth) {
  Before(1, 2);
  General(Op(uasmop_deref, 1));
  Before(1, 2);
  General(Op(uasmop_deref, 4));
  Lines want = {"   call __read1", "   ld hl,(__reg32a)"};
  for (int i = 0; i < 4; i++) {
    if (i)
      want.push_back("   inc hl");
    want.push_back("   ld a,(hl)");
    want.push_back("   ld (__reg32a+" + std::to_string(i) + "),a");
  }
  EXPECT_EQ(Emitted(), want);
  EXPECT_EQ(ops_->resultPlace, 1);
}

TEST_F(CodegenOpsTest, NotAndNegateFirstBringTheValueIntoReg32a) {
  Before(3);
  UasmOp *n = Op(uasmop_not, 1);
  Lines lines = General(n);
  EXPECT_EQ(n->resultPlace, 1);
  // An unsigned byte is complemented in 8 bits, the upper bytes cleared.
  Lines want = {"   call __acctorega1", "   ld hl,__reg32a", "   ld a,0xff", "   xor (hl)",
                "   ld (hl),a",          "   inc hl",         "   xor a",      "   ld (hl),a",
                "   inc hl",             "   ld (hl),a",      "   inc hl",     "   ld (hl),a"};
  EXPECT_EQ(lines, want);
  // A signed byte, and any 4-byte value, in all 32 bits.
  list_ = nullptr;
  Before(3, 1, true);
  UasmOp *signedNot = Op(uasmop_not, 1);
  signedNot->isSigned = 1;
  want = {"   call __acctorega1s", "   ld hl,__reg32a"};
  for (int i = 0; i < 4; i++) {
    if (i)
      want.push_back("   inc hl");
    want.insert(want.end(), {"   ld a,0xff", "   xor (hl)", "   ld (hl),a"});
  }
  EXPECT_EQ(General(signedNot), want);
  list_ = nullptr;
  Before(12, 2, true);
  UasmOp *neg = Op(uasmop_neg, 2);
  want = {"   ld (__reg32a),hl", "   call __extsigna2", "   ld hl,__reg32a", "   ld a,0",
          "   sub (hl)", "   ld (hl),a"};
  for (int i = 1; i < 4; i++)
    want.insert(want.end(), {"   inc hl", "   ld a,0", "   sbc a,(hl)", "   ld (hl),a"});
  EXPECT_EQ(General(neg), want);
  EXPECT_EQ(neg->resultPlace, 1);
}

TEST_F(CodegenOpsTest, WideningTypecastOnlyCommentsAndKeepsThePlace) {
  Before(12, 2);
  UasmOp *cast = Op(uasmop_typecast, 4);
  EXPECT_EQ(General(cast), Lines({"   ;# typecast"}));
  EXPECT_EQ(cast->resultPlace, 12);
  Before(3, 1);
  UasmOp *same = Op(uasmop_typecast, 1);
  General(same);
  EXPECT_EQ(same->resultPlace, 3);
}

TEST_F(CodegenOpsTest, SignedByteMadeAnUnsignedWordIsWidenedIntoHlAtOnce) {
  // word(s): 16 bits of sign, then zeros when it is widened further.
  Before(3, 1, true);
  UasmOp *toWord = Op(uasmop_typecast, 2);
  EXPECT_EQ(General(toWord), Lines({"   ;# typecast", "   ld l,a", "   rla", "   sbc a,a",
                                    "   ld h,a"}));
  EXPECT_EQ(toWord->resultPlace, 12);
  // A signed word, or an unsigned byte, stays in a: one fill serves.
  list_ = nullptr;
  Before(3, 1, true);
  UasmOp *toSmallint = Op(uasmop_typecast, 2);
  toSmallint->extension = kExtendSign;
  EXPECT_EQ(General(toSmallint), Lines({"   ;# typecast"}));
  list_ = nullptr;
  Before(3, 1);
  EXPECT_EQ(General(Op(uasmop_typecast, 2)), Lines({"   ;# typecast"}));
}

TEST_F(CodegenOpsTest, NarrowingTypecastKeepsOnlyTheLowPartInAOrHl) {
  Before(12, 2);
  UasmOp *toByte = Op(uasmop_typecast, 1);
  Before(1, 4);
  UasmOp *fromReg32aToByte = Op(uasmop_typecast, 1);
  Before(1, 4);
  UasmOp *toWord = Op(uasmop_typecast, 2);
  Lines lines;
  for (UasmOp *cast : {toByte, fromReg32aToByte, toWord})
    lines = General(cast);
  EXPECT_EQ(lines, Lines({"   ;# typecast", "   ld a,l", "   ;# typecast", "   ld a,(__reg32a)",
                          "   ;# typecast", "   ld hl,(__reg32a)"}));
  EXPECT_EQ(toByte->resultPlace, 3);
  EXPECT_EQ(fromReg32aToByte->resultPlace, 3);
  EXPECT_EQ(toWord->resultPlace, 12);
}

TEST_F(CodegenOpsTest, TwoOperandOpsCallTheirRoutine) {
  const std::pair<int32_t, const char *> routines[] = {
      {uasmop_add, "__op_add"}, {uasmop_sub, "__op_sub"}, {uasmop_mul, "__op_mul"},
      {uasmop_and, "__op_and"}, {uasmop_or, "__op_or"},   {uasmop_xor, "__op_xor"},
      {uasmop_shl, "__op_shl"}, {uasmop_shr, "__op_shr"}};
  for (auto [code, routine] : routines) {
    list_ = nullptr;
    Before(1, 4);
    UasmOp *op = OpT(code, "3", 4);
    EXPECT_EQ(General(op), Lines({"   ld a,3", "   call __acctoregb1",
                                  std::string("   call ") + routine}));
    EXPECT_EQ(op->resultPlace, 1);
  }
}

TEST_F(CodegenOpsTest, DivisionAndModuloCallTheSignedOrUnsignedRoutine) {
  ID *s = Var(f_, "s_17", 2, -6, -32768);
  Before(1, 4);
  General(OpT(uasmop_div, "3", 4));
  Before(1, 4, true);
  General(OpT(uasmop_mod, "3", 4));
  Before(1, 4);
  General(OpI(uasmop_div, s, 4));
  Lines lines = Emitted();
  EXPECT_EQ(lines[2], "   call __op_div_u");
  EXPECT_EQ(lines[5], "   call __op_mod_s");
  EXPECT_EQ(lines.back(), "   call __op_div_s");
  EXPECT_EQ(Output(), ""); // no "TODO" lines any more
}

TEST_F(CodegenOpsTest, ComparisonsCallTheRoutineOfBothSignednessesAndMakeABoolean) {
  ID *s = Var(f_, "s_17", 4, -8, -1);
  Before(1, 4, true);
  UasmOp *gt = OpT(uasmop_cmpgt, "5", 4);
  EXPECT_EQ(General(gt), Lines({"   ld a,5", "   call __acctoregb1", "   call __op_cmp_su",
                                "   ld a,1", "   jr z,$+4", "   jr nc,$+3", "   xor a"}));
  EXPECT_EQ(gt->resultPlace, 3);
  const std::pair<int32_t, Lines> tests[] = {
      {uasmop_cmpge, {"   jr nc,$+3"}},
      {uasmop_cmplt, {"   jr c,$+3"}},
      {uasmop_cmple, {"   jr z,$+5", "   jr c,$+3"}},
      {uasmop_cmpeq, {"   jr z,$+3"}},
      {uasmop_cmpne, {"   jr nz,$+3"}}};
  for (const auto &[code, flagTests] : tests) {
    list_ = nullptr;
    Before(1, 4, true);
    Lines lines = General(OpI(code, s, 4));
    EXPECT_EQ(lines[5], "   call __op_cmp_ss");
    Lines tail(lines.begin() + 7, lines.end() - 1);
    EXPECT_EQ(tail, flagTests);
    EXPECT_EQ(lines.back(), "   xor a");
  }
}

// A stack frame follows the depth through every line: a label reached at
// two depths is refused, and what hl holds at every way into a label
// still holds after it.
TEST_F(CodegenOpsTest, StackFrameLabelsTakeWhatEveryWayInAgreesOn) {
  in_.str("\n\n\n");
  ID *n = Var(f_, "n_20", 2, -2);
  ID *m = Var(f_, "m_21", 2, 4);
  f_->subr->frameValue2 = 2;
  ASSERT_TRUE(CG_StackFramePrologue(st_, true));
  gWordInHL = n;
  CG_Emit(st_, "jp", "nz", "A"); // hl holds n here
  CG_Emit(st_, "push", "hl", "");
  EXPECT_EQ(CG_StackOffset(n), 2);
  EXPECT_EQ(CG_StackOffset(m), 6);
  CG_Emit(st_, "pop", "hl", "");
  CG_Emit(st_, "jp", "B", "");
  CG_Emit(st_, "A:", "", "");
  EXPECT_EQ(gWordInHL, n); // only the jump leads here
  CG_Emit(st_, "ld", "hl", "5");
  CG_Emit(st_, "B:", "", "");
  EXPECT_EQ(gWordInHL, nullptr); // the jump to B knew nothing
  EXPECT_EQ(Output(), "");
  CG_Emit(st_, "push", "de", "");
  CG_Emit(st_, "jp", "z", "C");
  CG_Emit(st_, "pop", "de", "");
  CG_Emit(st_, "C:", "", ""); // 2 bytes deeper by the jump than by falling through
  EXPECT_EQ(Output(), "Error in CG, stack frame: \n");
  CG_Emit(st_, "push", "de", "");
  CG_StackFrameEpilogue(st_); // left with a byte pushed
  EXPECT_EQ(ErrorCount(), 2);
  EXPECT_FALSE(CG_StackFrameOn());
}
