// Built-in types, type expressions with their sizes and bounds, and the
// number and size helpers.
#include "tests/unit/parser_support.h"

class TypesTest : public ParserTest {
protected:
  // Parses one type expression with the root as scope.
  TypeDescr *TypeOf(const std::string &text) {
    Tokens(text);
    gTypeScope = gCurrentScope = RootID();
    return ParseType();
  }
  static ID *Builtin(const char *name) { return FindIDFrom(RootID(), name); }
};

TEST_F(TypesTest, BuiltinTable) {
  InitBuiltinTypes();
  struct Row {
    const char *name;
    int32_t typeClass;
    uint32_t size;
    int64_t low, high;
  } rows[] = {
      {"byte", 1, 1, 0, 255},        {"word", 1, 2, 0, 65535},
      {"longword", 1, 4, 0, 4294967295LL}, {"shortint", 1, 1, -128, 127},
      {"smallint", 1, 2, -32768, 32767},
      {"longint", 1, 4, -2147483648LL, 2147483647LL},
      {"uint64", 1, 8, 0, 5000000000LL}, {"int64", 1, 8, -5000000000LL, 5000000000LL},
      {"pointer", 3, 2, 0, 65535},   {"boolean", 2, 1, 0, 1},
      {"char", 5, 1, 0, 255},        {"string", 7, 256, 0, 255},
      {"shortstring", 7, 256, 0, 255}, {"file", 10, 1, 0, 0},
  };
  for (const Row &r : rows) {
    ID *id = Builtin(r.name);
    ASSERT_NE(id, nullptr) << r.name;
    EXPECT_EQ(+id->kind, kIdType);
    EXPECT_EQ(+id->type->typeClass, r.typeClass) << r.name;
    EXPECT_EQ(+id->type->size, r.size) << r.name;
    EXPECT_EQ(+id->type->low, r.low) << r.name;
    EXPECT_EQ(+id->type->high, r.high) << r.name;
  }
}

TEST_F(TypesTest, SizeOfValueAndRange) {
  EXPECT_EQ(SizeOfValue(-128), 1);
  EXPECT_EQ(SizeOfValue(255), 1);
  EXPECT_EQ(SizeOfValue(-129), 2);
  EXPECT_EQ(SizeOfValue(256), 2);
  EXPECT_EQ(SizeOfValue(65535), 2);
  EXPECT_EQ(SizeOfValue(65536), 4);
  EXPECT_EQ(SizeOfValue(-32769), 4);
  EXPECT_EQ(SizeOfValue(4294967295LL), 4);
  EXPECT_EQ(SizeOfValue(4294967296LL), 8);
  EXPECT_EQ(SizeOfValue(-2147483649LL), 8);
  EXPECT_EQ(SizeOfRange(-1, 200), 2); // signed and above 127
  EXPECT_EQ(SizeOfRange(-1, 40000), 4);
}

TEST_F(TypesTest, Subranges) {
  TypeDescr *t = TypeOf("0..300");
  EXPECT_EQ(+t->typeClass, kClassInteger);
  EXPECT_EQ(+t->size, 2u);
  EXPECT_EQ(+TypeOf("0..255")->size, 1u);
  t = TypeOf("1..70000");
  EXPECT_EQ(+t->size, 4u);
  EXPECT_EQ(+t->low, 1);
  EXPECT_EQ(+t->high, 70000);
}

// Both bounds decide the size, a negative one included.
// A written minus before a lower bound is refused on purpose (a negative
// constant may serve as the bound instead).
TEST_F(TypesTest, NegativeLowerBoundIsNotSupported) {
  EXPECT_EQ(Run([&] { TypeOf("-5..5"); }), 1);
  EXPECT_EQ(Output(), "Error at main.pas(1,2): \"..\" expected, but \"5\" found\n"
                      "-5..5\n ^\n");
}

TEST_F(TypesTest, EnumerationAddsConstantsToTypeScope) {
  TypeDescr *t = TypeOf("(red, green, blue)");
  EXPECT_EQ(+t->low, 0);
  EXPECT_EQ(+t->high, 2);
  EXPECT_EQ(+t->size, 1u);
  ID *green = FindIDFrom(RootID(), "green");
  ASSERT_NE(green, nullptr);
  EXPECT_EQ(+green->kind, kIdConst);
  EXPECT_EQ(+green->type, t);
  EXPECT_EQ(+green->var->value, nullptr);
  EXPECT_EQ(+green->var->flags, 0xC008);
  EXPECT_EQ(CurrentToken, "<EOF>");
}

TEST_F(TypesTest, Strings) {
  TypeDescr *t = TypeOf("string[20]");
  EXPECT_EQ(+t->typeClass, kClassString);
  EXPECT_EQ(+t->size, 21u);
  EXPECT_EQ(+t->high, 20);
  t = TypeOf("string");
  EXPECT_EQ(+t->size, 256u);
  EXPECT_EQ(+t->high, 255);
  EXPECT_EQ(+TypeOf("shortstring")->size, 256u); // a name look-up
  EXPECT_EQ(+TypeOf("string[$ff]")->size, 256u);
}

TEST_F(TypesTest, Arrays) {
  TypeDescr *t = TypeOf("array [1..10] of smallint");
  EXPECT_EQ(+t->typeClass, kClassArray);
  EXPECT_EQ(+t->size, 20u);
  EXPECT_EQ(+t->low, 1);
  EXPECT_EQ(+t->high, 10);
  EXPECT_EQ(+t->base, +Builtin("smallint")->type);

  t = TypeOf("array [1..2, 0..9] of byte");
  EXPECT_EQ(+t->size, 20u);
  ASSERT_EQ(+t->base->typeClass, kClassArray);
  EXPECT_EQ(+t->base->size, 10u);
  EXPECT_EQ(+t->base->low, 0);
  EXPECT_EQ(+t->base->base, +Builtin("byte")->type);

  t = TypeOf("array [boolean] of word");
  EXPECT_EQ(+t->low, 0);
  EXPECT_EQ(+t->high, 1);
  EXPECT_EQ(+t->size, 4u);

  t = TypeOf("packed array [0..3] of char");
  EXPECT_EQ(+t->size, 4u);
  EXPECT_EQ(+t->base, +Builtin("char")->type);
}

TEST_F(TypesTest, ArrayLimits) {
  const std::string bound = "Runtime error 201: array bound 4294967295 outside "
                            "-2147483648..2147483647\n";
  EXPECT_EQ(Run([&] { TypeOf("array [0..4294967295] of byte"); }), kStopLimit);
  EXPECT_EQ(Output(), bound);
  EXPECT_EQ(Run([&] { TypeOf("array [longword] of byte"); }), kStopLimit);
  EXPECT_EQ(Output(), bound);
  EXPECT_EQ(Run([&] { TypeOf("array [0..255, 0..256] of byte"); }), kStopLimit);
  EXPECT_EQ(Output(), "Runtime error 201: array size outside 0..65535 bytes\n");
  EXPECT_EQ(Run([&] { TypeOf("array [5..1] of byte"); }), kStopLimit);
  EXPECT_EQ(+TypeOf("array [0..254, 0..256] of byte")->size, 65535u);
  EXPECT_EQ(+TypeOf("array [1..0] of word")->size, 0u);
}

TEST_F(TypesTest, ArrayWithoutIndexListStops) {
  EXPECT_EQ(Run([&] { TypeOf("array of byte"); }), 1);
  EXPECT_EQ(Output(), "Error at main.pas(1,7): \"[\" expected, but \"of\" found\n"
                      "array of byte\n      ^\n");
}

TEST_F(TypesTest, RecordFieldsAndOffsets) {
  TypeDescr *t = TypeOf("record a: byte; b: smallint; c: longint; end");
  EXPECT_EQ(+t->typeClass, kClassRecord);
  EXPECT_EQ(+t->size, 7u);
  std::string fields;
  for (ID *f = t->fields; f; f = f->prev)
    fields += NameText(f) + "@" + std::to_string(f->var->address) + " ";
  EXPECT_EQ(fields, "c@3 b@1 a@0 ");
  EXPECT_EQ(+t->fields->kind, kIdVar);
  EXPECT_EQ(+t->fields->var->flags, 0);
  EXPECT_EQ(+t->fields->parent, nullptr);

  t = TypeOf("object x, y: word; end");
  EXPECT_EQ(+t->size, 4u);
  EXPECT_EQ(NameText(t->fields), "y");
  EXPECT_EQ(+TypeOf("packed record z: char; end")->size, 1u);
}

TEST_F(TypesTest, RecordLimits) {
  EXPECT_EQ(Run([&] { TypeOf("record a, b: array [0..40000] of byte; end"); }), kStopLimit);
  EXPECT_EQ(Output(), "Runtime error 201: record larger than 65535 bytes\n");
  EXPECT_EQ(Run([&] { TypeOf("record a, b, c, d, e, f, g, h, i, j, k: byte; end"); }),
            kStopLimit);
}

TEST_F(TypesTest, PointersFilesAndProcedures) {
  TypeDescr *t = TypeOf("^word");
  EXPECT_EQ(+t->typeClass, kClassPointer);
  EXPECT_EQ(+t->size, 2u);
  EXPECT_EQ(+t->high, 65535);
  EXPECT_EQ(+t->base, +Builtin("word")->type);

  t = TypeOf("file of char");
  EXPECT_EQ(+t->typeClass, kClassFile);
  EXPECT_EQ(+t->size, 0u);
  EXPECT_EQ(+t->base, +Builtin("char")->type);
  EXPECT_EQ(+TypeOf("file")->base, nullptr);

  t = TypeOf("procedure(a: byte; b: word) x");
  EXPECT_EQ(+t->typeClass, kClassProcedure);
  EXPECT_EQ(CurrentToken, "x");
}

TEST_F(TypesTest, UnterminatedProcedureTypeStops) {
  EXPECT_EQ(Run([&] { TypeOf("procedure(a: byte;"); }), 1);
  EXPECT_EQ(Output(), "Error at <unknown>: \")\" expected, but \"<EOF>\" found\n");
}

TEST_F(TypesTest, PointerToUnknownTypeWaitsAndExpectsSemicolon) {
  in_.str("\n");
  TypeDescr *t = TypeOf("^thing; x");
  EXPECT_EQ(+t->typeClass, kClassPointer);
  EXPECT_EQ(+t->base, nullptr);
  EXPECT_EQ(CurrentToken, "x");
  EXPECT_TRUE(TypeWasMissing());
  EXPECT_EQ(Output(), "Error at main.pas(1,7): Type \"thing\" not found.\n^thing; x\n      ^\n"
                      "ParseTypes() call needed\n"
                      "Error at main.pas(1,9): Type \"thing\" not found.\n^thing; x\n        ^\n");
}

TEST_F(TypesTest, TypeNamesResolveInTheTypeScope) {
  Tokens("v");
  ID *scope = CreateID(kIdSubr, "s");
  AddID(RootID(), scope);
  ID *v = AddVar(scope, "v", FindIDFrom(RootID(), "word")->type, -1, 0);
  gCurrentScope = RootID();
  gTypeScope = scope;
  EXPECT_EQ(ParseType(), +v->type); // a variable's name stands for its type
  EXPECT_FALSE(TypeWasMissing());
}

TEST_F(TypesTest, MissingTypesAreReported) {
  EXPECT_EQ(TypeOf("nothing"), nullptr);
  EXPECT_EQ(CurrentToken, "<EOF>");
  EXPECT_TRUE(TypeWasMissing());
  EXPECT_EQ(Output(), "Error at main.pas(1,1): type \"nothing\" not found\nnothing\n^\n");
  EXPECT_EQ(TypeOf("packed set"), nullptr);
  EXPECT_EQ(CurrentToken, "set");
  EXPECT_EQ(Output(), "Error at main.pas(1,8): array or record expected\n"
                      "packed set\n       ^\n");
  Tokens("");
  gCurrentScope = RootID();
  EXPECT_EQ(FindType("nothing"), nullptr);
  EXPECT_EQ(FindType("char"), +FindIDFrom(RootID(), "char")->type);
  EXPECT_EQ(Output(), "Error at <unknown>: Type \"nothing\" not found.\n");
}

TEST_F(TypesTest, NamesOfIdsWithoutATypeAreNoTypes) {
  // A subroutine's name found where a type is wanted is reported as such.
  AddID(RootID(), CreateID(kIdSubr, "proc"));
  gCurrentScope = RootID();
  EXPECT_EQ(TypeOf("proc"), nullptr);
  EXPECT_TRUE(TypeWasMissing());
  EXPECT_EQ(Output(), "Error at main.pas(1,1): type \"proc\" not found\nproc\n^\n");
  Tokens("");
  EXPECT_EQ(FindType("proc"), nullptr);
  EXPECT_EQ(Output(), "Error at <unknown>: Type \"proc\" not found.\n");
}

TEST_F(TypesTest, IdentListsHoldUpToTenNames) {
  Tokens("a, b, c : x");
  IdentList list = ParseIdentList();
  ASSERT_EQ(list.count, 3);
  EXPECT_EQ(list.names[2], "c");
  EXPECT_EQ(CurrentToken, ":");
  Tokens("a,b,c,d,e,f,g,h,i,j");
  EXPECT_EQ(ParseIdentList().count, 10);
  Tokens("a,b,c,d,e,f,g,h,i,j,k");
  EXPECT_EQ(Run([] { ParseIdentList(); }), kStopLimit);
  EXPECT_EQ(Output(), "Runtime error 201: more than 10 names in one identifier list\n");
}

TEST_F(TypesTest, ReadNumberText) {
  Tokens("$ff 12 $FFFFFFFF x");
  EXPECT_EQ(ReadNumberText(), "255");
  EXPECT_EQ(ReadNumberText(), "12");
  EXPECT_EQ(ReadNumberText(), "4294967295");
  EXPECT_EQ(ReadNumberText(), "x");
  EXPECT_EQ(CurrentToken, "<EOF>");
  Tokens("$100000000");
  EXPECT_EQ(Run([] { ReadNumberText(); }), kStopLimit);
}
