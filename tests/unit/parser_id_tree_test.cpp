// The identifier tree: assembly names, look-up through scopes, tree walks,
// and the var, const and type record helpers.
#include "tests/unit/parser_support.h"

class IdTreeTest : public ParserTest {};

TEST_F(IdTreeTest, BuiltinTypesGetNumberedAssemblyNames) {
  InitBuiltinTypes();
  std::string names;
  for (ID *id = RootID()->firstChild; id; id = id->next)
    names += AsmNameText(id) + " ";
  EXPECT_EQ(names, "byte_1 word_2 longword_3 shortint_4 smallint_5 longint_6 "
                   "uint64_7 int64_8 pointer_9 boolean_10 char_11 string_12 "
                   "shortstring_13 file_14 ");
  EXPECT_EQ(NameText(RootID()), "#ROOT#");
  EXPECT_EQ(AsmNameText(RootID()), "");
  EXPECT_EQ(+RootID()->type, nullptr);
}

TEST_F(IdTreeTest, AssemblyNameKeepsElevenCharactersAndAnAlias) {
  InitBuiltinTypes();
  for (int i = 15; i < 20; i++)
    AddID(RootID(), CreateID(kIdVar, "x"));
  ID *longName = CreateID(kIdVar, "abcdefghijklmnop");
  AddID(RootID(), longName);
  EXPECT_EQ(AsmNameText(longName), "abcdefghijk_20");

  ID *aliased = CreateID(kIdSubr, "putchar");
  SetAsmName(aliased, "putc");
  AddID(RootID(), aliased); // still uses up number 21
  EXPECT_EQ(AsmNameText(aliased), "putc");
  ID *next = CreateID(kIdVar, "y");
  AddID(RootID(), next);
  EXPECT_EQ(AsmNameText(next), "y_22");
}

TEST_F(IdTreeTest, OperatorNamesGetLabelsThatSpellTheOperator) {
  InitBuiltinTypes();
  const char *names[] = {"+", "-", "*", "/", "=", "<>", "<", "<=", ">", ">=", "^", "x1_y"};
  const char *labels[] = {"op_add_15", "op_sub_16", "op_mul_17", "op_divide_18",
                          "op_eq_19",  "op_ne_20",  "op_lt_21",  "op_le_22",
                          "op_gt_23",  "op_ge_24",  "op_25",     "x1_y_26"};
  for (int i = 0; i < 12; i++) {
    ID *id = CreateID(kIdSubr, names[i]);
    AddID(RootID(), id);
    EXPECT_EQ(AsmNameText(id), labels[i]);
  }
}

TEST_F(IdTreeTest, CreateIdCutsNameAndSetsDefaults) {
  ID *id = CreateID(kIdConst, std::string(31, 'a') + "b");
  EXPECT_EQ(NameText(id), std::string(30, 'a'));
  EXPECT_EQ(+id->kind, kIdConst);
  EXPECT_EQ(+id->used, 1);
  EXPECT_EQ(+id->implementsEarlier, 0);
  EXPECT_EQ(+id->parentFrameMark, 0);
  EXPECT_EQ(AsmNameText(id), "");
}

TEST_F(IdTreeTest, AssemblyNameCounterStopsAfter65535) {
  InitBuiltinTypes(); // 14 names used
  ID *scope = CreateID(kIdSubr, "s");
  for (int i = 15; i <= 65535; i++)
    AddID(CreateID(kIdSubr, "s"), CreateID(kIdVar, "v")); // short sibling walks
  EXPECT_EQ(Run([&] { AddID(scope, CreateID(kIdVar, "v")); }), kStopLimit);
  EXPECT_EQ(Output(), "Runtime error 201: more than 65535 assembly names\n");
}

// root: byte .. file, main(x, p(a, b), y)
class LookUpTest : public IdTreeTest {
protected:
  void SetUp() override {
    IdTreeTest::SetUp();
    InitBuiltinTypes();
    main_ = CreateID(kIdSubr, "main");
    AddID(RootID(), main_);
    x_ = AddVar(main_, "x", RootID()->firstChild->type, -1, kFlagsVariable);
    p_ = CreateID(kIdSubr, "p");
    AddID(main_, p_);
    a_ = AddVar(p_, "a", nullptr, -1, 0);
    b_ = AddVar(p_, "b", nullptr, -1, 0);
    y_ = AddVar(main_, "y", nullptr, -1, 0);
    out_.str("");
  }
  ID *main_, *x_, *p_, *a_, *b_, *y_;
};

TEST_F(LookUpTest, WalksBackThenOutwards) {
  EXPECT_EQ(FindIDFrom(p_, "b"), b_);
  EXPECT_EQ(FindIDFrom(p_, "a"), a_);
  EXPECT_EQ(FindIDFrom(p_, "p"), p_); // recursion finds the subroutine itself
  EXPECT_EQ(FindIDFrom(p_, "x"), x_);
  EXPECT_EQ(FindIDFrom(p_, "y"), nullptr); // declared after p
  EXPECT_EQ(FindIDFrom(main_, "a"), nullptr); // inside another subroutine
  EXPECT_EQ(NameText(FindIDFrom(p_, "word")), "word");
  EXPECT_EQ(FindIDFrom(p_, "#ROOT#"), RootID());
  EXPECT_EQ(FindIDFrom(p_, "Byte"), nullptr); // case counts
  EXPECT_EQ(FindIDFrom(nullptr, "byte"), nullptr);
}

TEST_F(LookUpTest, LaterDeclarationHidesEarlierAndKindIsIgnored) {
  ID *second = AddVar(main_, "x", nullptr, -1, 0);
  EXPECT_EQ(FindIDFrom(main_, "x"), second);
  EXPECT_EQ(FindIDFrom(p_, "x"), x_); // p was declared before the second x
  ID *shadow = CreateID(kIdSubr, "byte");
  AddID(main_, shadow);
  EXPECT_EQ(FindIDFrom(main_, "byte"), shadow);
}

TEST_F(LookUpTest, FindIdStartsAtCurrentScope) {
  gCurrentScope = p_;
  EXPECT_EQ(FindID("a"), a_);
  gCurrentScope = main_;
  EXPECT_EQ(FindID("a"), nullptr);
  EXPECT_EQ(FindID("y"), y_);
}

TEST_F(LookUpTest, LongNamesAreComparedCut) {
  std::string name(35, 'n');
  ID *id = AddVar(main_, name, nullptr, -1, 0);
  EXPECT_EQ(FindIDFrom(main_, name), nullptr);
  EXPECT_EQ(FindIDFrom(main_, name.substr(0, 30)), id);
}

TEST_F(LookUpTest, LastVisibleIdIsLastChildOrScope) {
  EXPECT_EQ(LastVisibleID(main_), y_);
  EXPECT_EQ(LastVisibleID(x_), x_);
  EXPECT_EQ(LastVisibleID(nullptr), nullptr);
}

TEST_F(LookUpTest, NextIdInOrderIsDepthFirst) {
  std::string order;
  for (ID *id = RootID(); id; id = NextIDInOrder(id))
    order += NameText(id) + " ";
  EXPECT_EQ(order, "#ROOT# byte word longword shortint smallint longint uint64 int64 "
                   "pointer boolean char string shortstring file main x p a b y ");
  EXPECT_EQ(NextIDInOrder(nullptr), nullptr);
}

TEST_F(LookUpTest, NextIdUp) {
  EXPECT_EQ(NextIDUp(x_), a_); // next sibling p has children
  EXPECT_EQ(NextIDUp(p_), y_); // next sibling y has none
  EXPECT_EQ(NextIDUp(y_), main_); // last child: the parent
  EXPECT_EQ(NextIDUp(b_), p_);
}

TEST_F(IdTreeTest, PushFieldChainsThroughPrev) {
  ID *head = nullptr;
  ID *a = CreateID(kIdVar, "a"), *b = CreateID(kIdVar, "b");
  PushField(head, a);
  PushField(head, b);
  EXPECT_EQ(head, b);
  EXPECT_EQ(+b->prev, a);
  EXPECT_EQ(+a->next, b);
  EXPECT_EQ(+a->prev, nullptr);
  EXPECT_EQ(+a->parent, nullptr); // fields stay out of the tree
}

TEST_F(IdTreeTest, VarAndConstRecords) {
  InitBuiltinTypes();
  TypeDescr *byteType = RootID()->firstChild->type;
  ID *v = CreateVar("v", byteType, 12, kFlagsAbsolute);
  EXPECT_EQ(+v->kind, kIdVar);
  EXPECT_EQ(+v->type, byteType);
  EXPECT_EQ(+v->var->flags, 0x4400);
  EXPECT_EQ(+v->var->address, 12);
  EXPECT_EQ(+v->parent, nullptr);
  HeapText value = NewHeapText("16");
  ID *c = AddConst(RootID(), "c", byteType, value);
  EXPECT_EQ(+c->kind, kIdConst);
  EXPECT_EQ(+c->var->flags, 0xC008);
  EXPECT_EQ(+c->var->value, value);
  EXPECT_EQ(+c->parent, RootID());
  EXPECT_EQ(Output(), "");
}

TEST_F(IdTreeTest, MissingTypesAreReportedAndStillCreated) {
  Tokens("x");
  ID *v = CreateVar("v", nullptr, -1, 0);
  ID *c = AddConst(RootID(), "c", nullptr, nullptr);
  EXPECT_NE(v, nullptr);
  EXPECT_EQ(+c->parent, RootID());
  EXPECT_EQ(Output(), "Error at main.pas(1,1): internal error: creating var with "
                      "TypeDescr=nil\nx\n^\n"
                      "Error at main.pas(1,1): [const] type=nil\nx\n^\n");
}

TEST_F(IdTreeTest, CreateTypeDescr) {
  TypeDescr *p = CreateTypeDescr(kClassPointer, 7, 1, 2, nullptr);
  EXPECT_EQ(+p->size, 2u);
  EXPECT_EQ(+p->low, 0);
  EXPECT_EQ(+p->high, 65535);
  TypeDescr *t = CreateTypeDescr(kClassArray, 2147483647LL, -5, 5, p);
  EXPECT_EQ(+t->size, 2147483647u);
  EXPECT_EQ(+t->base, p);
  EXPECT_EQ(+t->fields, nullptr);
  EXPECT_EQ(Run([] { CreateTypeDescr(kClassArray, 2147483648LL, 0, 0, nullptr); }),
            kStopLimit);
}
