// uasm ops and lists, label names, temporaries and their limits, the dump.
#include "translator/translate_internal.h"
#include "translator_support.h"

namespace {

class TranslatorOpsTest : public TranslatorTest {
protected:
  // A subroutine to hang temporaries under, as Translate would set it.
  ID *UseSubroutine(const std::string &name) {
    ID *s = CreateID(kIdSubr, name);
    s->subr = NewRecord<SubrRec>();
    gTranslatingSubr = s;
    return s;
  }

  static int StopStatus(void (*f)()) {
    try {
      f();
    } catch (const CompilerStop &stop) {
      return stop.status;
    }
    return 0;
  }
};

TEST_F(TranslatorOpsTest, CreateOpStartsEmptyWithSizeMinusOne) {
  UasmOp *op = CreateOp(uasmop_load);
  EXPECT_EQ(op->code, uasmop_load);
  EXPECT_EQ(op->size, -1);
  EXPECT_EQ(op->resultPlace, 0);
  EXPECT_EQ(op->isSigned, 0);
  EXPECT_EQ(op->ident, nullptr);
  EXPECT_EQ(op->text, nullptr);
  EXPECT_EQ(op->position, nullptr);
  EXPECT_EQ(op->prev, nullptr);
  EXPECT_EQ(op->next, nullptr);
}

TEST_F(TranslatorOpsTest, AppendOpsLinksTheChainsFirstOpWhenGivenItsLast) {
  UasmOp *list = nullptr;
  AppendOps(list, CreateOp(uasmop_nop));
  UasmOp *a = CreateOp(uasmop_load), *b = CreateOp(uasmop_store);
  a->next = b;
  b->prev = a;
  AppendOps(list, b);
  EXPECT_EQ(list, b);
  EXPECT_EQ(DumpOps(list), "uasmop_nop -1\nuasmop_load -1\nuasmop_store -1\n");
  EXPECT_EQ(FirstOp(b)->code, uasmop_nop);
  EXPECT_EQ(FirstOp(nullptr), nullptr);
}

TEST_F(TranslatorOpsTest, EmitFunctionsFillTheirListsAndAnEmptyTextIsNone) {
  EmitText(uasmop_asmline, "", 0);
  DefineLabel("here");
  EmitData(uasmop_defb, "7");
  EXPECT_EQ(gCodeList->prev->text, nullptr);
  EXPECT_EQ(DumpOps(gCodeList), "uasmop_asmline 0\nuasmop_label 0 \"here\"\n");
  EXPECT_EQ(DumpOps(gDataList), "uasmop_defb 0 \"7\"\n");
}

TEST_F(TranslatorOpsTest, LabelsHaveAtLeastThreeDigits) {
  EXPECT_EQ(NewLabel(), "label001");
  EXPECT_EQ(NewLabel(), "label002");
  for (int i = 3; i < 999; i++)
    NewLabel();
  EXPECT_EQ(NewLabel(), "label999");
  EXPECT_EQ(NewLabel(), "label1000");
}

TEST_F(TranslatorOpsTest, MoreThan65535LabelsStopTheRun) {
  for (int i = 0; i < 65535; i++)
    NewLabel();
  EXPECT_EQ(StopStatus([] { NewLabel(); }), kStopLimit);
  EXPECT_NE(Output().find("Runtime error 201: more than 65535 labels"), std::string::npos);
}

TEST_F(TranslatorOpsTest, TemporariesAreNumberedAndAddedAfterTheNamesOfTheirSubroutine) {
  ID *s = UseSubroutine("p");
  AddVar(s, "x", CreateTypeDescr(kClassInteger, 1, 0, 255, nullptr), -1, kFlagsVariable);
  ID *t1 = SaveTemp(2);
  ID *t2 = NewTemp(CreateTypeDescr(kClassInteger, 4, 0, 9, nullptr));
  EXPECT_EQ(NameText(t1), "tmpvar1");
  EXPECT_EQ(NameText(t2), "tmpvar2");
  EXPECT_EQ(s->firstChild->next, t1);
  EXPECT_EQ(t1->next, t2);
  EXPECT_EQ(Get(t1->var->flags), 0x0808);
  EXPECT_EQ(Get(t1->var->address), -1);
  EXPECT_EQ(Get(t1->type->size), 2u);
  EXPECT_EQ(Get(t1->type->low), 0);
  EXPECT_FALSE(AsmNameText(t1).empty());
  // SaveTemp stores the accumulator; NewTemp emits nothing.
  EXPECT_EQ(DumpOps(gCodeList), "uasmop_store 2 tmpvar1\n");
}

TEST_F(TranslatorOpsTest, SavedTemporariesHoldAtMostTheAccumulatorsFourBytes) {
  UseSubroutine("p");
  EXPECT_EQ(Get(SaveTemp(1)->type->size), 1u);
  EXPECT_EQ(Get(SaveTemp(0)->type->size), 4u);
  EXPECT_EQ(Get(SaveTemp(3)->type->size), 4u);
  EXPECT_EQ(Get(SaveTemp(256)->type->size), 4u);
  EXPECT_EQ(SaveTempFor(2, true)->type->low, -1);
}

TEST_F(TranslatorOpsTest, LiveTemporaryLimits) {
  UseSubroutine("p");
  for (int i = 0; i < 255; i++)
    SaveTemp(1);
  EXPECT_EQ(StopStatus([] { SaveTemp(1); }), kStopLimit);
  EXPECT_NE(Output().find("more than 255 live temporaries"), std::string::npos);

  ResetTranslator();
  UseSubroutine("q");
  ReleaseTemp(SaveTemp(1));
  EXPECT_EQ(StopStatus([] { ReleaseTemp(nullptr); }), kStopLimit);
}

TEST_F(TranslatorOpsTest, ReleasedTemporariesAreNeverReused) {
  UseSubroutine("p");
  ID *a = SaveTemp(1);
  ReleaseTemp(a);
  EXPECT_NE(SaveTemp(1), a);
}

TEST_F(TranslatorOpsTest, SourceLineOpsPointAtTheNodesPosition) {
  Node *withPos = CreateNode(kNodeAssign, 0);
  withPos->position.fileName = NewHeapText("p.pas");
  withPos->position.line = 3;
  withPos->position.column = 5;
  EmitSrcLine(withPos);
  EmitSrcLine(CreateNode(kNodeAssign, 0)); // no position: no op
  EXPECT_EQ(gCodeList->position, &withPos->position);
  EXPECT_EQ(DumpOps(gCodeList), "uasmop_srcline 0 @p.pas(3,5)\n");
}

TEST_F(TranslatorOpsTest, OpNamesCoverEveryCode) {
  EXPECT_STREQ(UasmOpName(uasmop_srcline), "uasmop_srcline");
  EXPECT_STREQ(UasmOpName(uasmop_allocstack), "uasmop_allocstack");
  EXPECT_STREQ(UasmOpName(uasmop_reserved21), "uasmop_reserved21");
  EXPECT_STREQ(UasmOpName(uasmop_cmpne), "uasmop_cmpne");
  EXPECT_STREQ(UasmOpName(uasmop_wordinhl), "uasmop_wordinhl");
  EXPECT_STREQ(UasmOpName(45), "uasmop_?");
}

} // namespace

namespace {

// The cast's extension: the source's when it widens and nothing above the
// target could disagree, else the target type's (the code generator widens
// at the cast when that differs from the source's).
TEST(CastExtensionTest, WideningKeepsTheSourcesNarrowingTakesTheTargets) {
  const uint8_t zero = kExtendZero, sign = kExtendSign;
  EXPECT_EQ(CastExtension(zero, 1, 2, true), zero);  // smallint(b): 200 stays 200
  EXPECT_EQ(CastExtension(sign, 1, 2, true), sign);  // smallint(s)
  EXPECT_EQ(CastExtension(sign, 1, 2, false), zero); // word(s): sign bytes, then zeros
  EXPECT_EQ(CastExtension(sign, 1, 4, false), sign); // longword(s): nothing above
  EXPECT_EQ(CastExtension(zero, 2, 4, true), zero);  // longint(w)
  EXPECT_EQ(CastExtension(sign, 4, 2, false), zero); // word(longint(s))
  EXPECT_EQ(CastExtension(zero, 4, 2, true), sign);  // smallint(longint(b))
  EXPECT_EQ(CastExtension(zero, 1, 1, true), sign);  // shortint(b)
  EXPECT_EQ(CastExtension(sign, 4, 4, false), sign); // longword(longint(s))
}

TEST(CastExtensionTest, OtherOpsWidenByTheirOperandOrTheirExpression) {
  TypeDescr signedType{};
  signedType.low = -128;
  signedType.size = 1;
  ID v{};
  v.type = &signedType;
  UasmOp load{};
  load.code = uasmop_load;
  load.ident = &v;
  SetExtension(&load);
  EXPECT_EQ(load.extension, kExtendSign); // by the variable's type, whatever the flag
  UasmOp add{};
  add.code = uasmop_add;
  SetExtension(&add);
  EXPECT_EQ(add.extension, kExtendZero);
  add.isSigned = 1;
  SetExtension(&add);
  EXPECT_EQ(add.extension, kExtendSign);
  UasmOp cast{};
  cast.code = uasmop_typecast;
  cast.isSigned = 1;
  SetExtension(&cast);
  EXPECT_EQ(cast.extension, kExtendZero); // a cast's own rule is not overridden
}

} // namespace
