// Declarations, subroutines and program structure, through whole programs.
#include <cstring>

#include "tests/unit/parser_support.h"

class DeclarationsTest : public ParserTest {};

TEST_F(DeclarationsTest, ProgramWithoutHeadingIsNamedMain) {
  ASSERT_EQ(Parse("begin x := 1; end."), 0);
  ID *main = Main();
  EXPECT_EQ(NameText(main), "_main");
  EXPECT_EQ(AsmNameText(main), "_main");
  EXPECT_EQ(+main->kind, kIdSubr);
  EXPECT_EQ(+main->subr->isMain, 1);
  EXPECT_EQ(ListShape(main->subr->body), "assign(x,1)");
  EXPECT_EQ(NameText(main->prev), "file");
}

TEST_F(DeclarationsTest, ProgramNameKeepsMainLabel) {
  ASSERT_EQ(Parse("program hello;\nuses crt, dos;\nbegin end."), 0);
  EXPECT_EQ(NameText(Main()), "hello");
  EXPECT_EQ(AsmNameText(Main()), "_main");
  EXPECT_EQ(+Main()->subr->body, nullptr);
  EXPECT_EQ(Output(), "");
}

// The files of a program heading are read and dropped; a unit has none,
// and the list must be closed.
TEST_F(DeclarationsTest, ProgramHeadingWithFiles) {
  ASSERT_EQ(Parse("program demo(input, output);\nbegin end."), 0);
  EXPECT_EQ(NameText(Main()), "demo");
  EXPECT_EQ(Output(), "");
  EXPECT_EQ(Parse("program demo(output;\nbegin end."), 1);
  EXPECT_EQ(Parse("unit u(output);\nbegin end."), 1);
}

// sizeof(name) where a constant is read: types, variables and typed
// constants declared before it.
TEST_F(DeclarationsTest, SizeofAsConstant) {
  ASSERT_EQ(Parse("type r = record a: word; b: byte; end;\n"
                  "const n = sizeof(r); m = -sizeof(longint);\n"
                  "var v: array [1..sizeof(r)] of char; w: string[sizeof(word)];\n"
                  "const k = sizeof(v);\nbegin end."),
            0)
      << Output();
  EXPECT_EQ(ConstantValueText(FindIDFrom(Main(), "n")), "3");
  EXPECT_EQ(ConstantValueText(FindIDFrom(Main(), "m")), "-4");
  EXPECT_EQ(ConstantValueText(FindIDFrom(Main(), "k")), "3");
  EXPECT_EQ(FindIDFrom(Main(), "w")->type->size, 3u);
  EXPECT_EQ(Parse("const n = sizeof(nothing);\nbegin end."), 0);
  EXPECT_NE(Output().find("sizeof of \"nothing\": no type or variable of that name"),
            std::string::npos);
}

TEST_F(DeclarationsTest, ParsingStopsAtTheFinalDot) {
  EXPECT_EQ(Parse("begin end. anything after"), 0);
  EXPECT_EQ(CurrentToken, "anything");
  EXPECT_EQ(Parse("begin end"), 1);
  EXPECT_EQ(Parse(""), 1);
  EXPECT_EQ(Output(), "Error at <unknown>: \"begin\" expected, but \"<EOF>\" found\n");
}

TEST_F(DeclarationsTest, VariablesAndAbsoluteAddresses) {
  ASSERT_EQ(Parse("var a, b: word; io: byte absolute $C000;\nvar\nbegin end."), 0);
  ID *a = Declared(Main(), "a"), *io = Declared(Main(), "io");
  EXPECT_EQ(+a->var->flags, 0x0008);
  EXPECT_EQ(+a->var->address, -1);
  EXPECT_EQ(+a->type->size, 2u);
  EXPECT_EQ(NameText(a->next), "b");
  EXPECT_EQ(+io->var->flags, 0x4400);
  EXPECT_EQ(+io->var->address, 49152);
  EXPECT_EQ(Parse("var x: byte absolute 4294967296; begin end."), kStopLimit);
}

TEST_F(DeclarationsTest, Constants) {
  ASSERT_EQ(Parse("const n = $10; m: word = 1000; t: array [0..2] of byte = (1, 2, 3);\n"
                  "begin end."), 0);
  ID *n = Declared(Main(), "n"), *m = Declared(Main(), "m"), *t = Declared(Main(), "t");
  EXPECT_EQ(+n->kind, kIdConst);
  EXPECT_EQ(+n->var->flags, 0xC008);
  EXPECT_EQ(+n->type->typeClass, kClassInteger);
  EXPECT_EQ(+n->type->size, 1u);
  EXPECT_EQ(HeapTextOrEmpty(static_cast<HeapText>(n->var->value)), "16");
  EXPECT_EQ(+m->type, +FindIDFrom(RootID(), "word")->type);
  EXPECT_EQ(HeapTextOrEmpty(static_cast<HeapText>(m->var->value)), "1000");
  const auto *bytes = static_cast<const unsigned char *>(t->var->value);
  EXPECT_EQ(+t->type->size, 3u);
  EXPECT_EQ(bytes[0] * 10000 + bytes[1] * 100 + bytes[2], 10203);
}

TEST_F(DeclarationsTest, ArrayConstantsFillEachElementLowByteFirst) {
  ASSERT_EQ(Parse("const t: array [0..2] of word = (1, 2, 300);\nbegin end."), 0);
  const auto *bytes = static_cast<const unsigned char *>(Declared(Main(), "t")->var->value);
  const unsigned char want[6] = {1, 0, 2, 0, 44, 1};
  EXPECT_EQ(std::memcmp(bytes, want, 6), 0);
  EXPECT_EQ(Parse("const t: array [1..2] of shortint = (127, 0);\nbegin end."), 0);
  EXPECT_EQ(Parse("const t: array [1..2] of byte = (1, 256);\nbegin end."), kStopLimit);
  EXPECT_EQ(Output(), "Runtime error 201: array constant value 256 outside 0..255\n");
  EXPECT_EQ(Parse("const t: array [1..2] of word = (1, 65536);\nbegin end."), kStopLimit);
  EXPECT_EQ(Parse("const t: array [0..70000] of byte = (1);\nbegin end."), kStopLimit);
  EXPECT_EQ(Output(), "Runtime error 201: array size outside 0..65535 bytes\n");
}

// Bounds, string lengths, constants and array elements take integer
// constants, one-character literals and "-"; an untyped string constant
// keeps its characters.
TEST_F(DeclarationsTest, ConstantValuesInDeclarations) {
  ASSERT_EQ(Parse("type color = (red, green, blue);\n"
                  "const n = 10; m = -n; c = 'a'; s = 'hey'; s2 = s; cr = #13;\n"
                  "  t: array [green..blue] of char = ('x', c); h = $10;\n"
                  "var a: array [1..n, c..'z'] of byte; r: m..n; l: c..'z'; st: string[h];\n"
                  "begin end."), 0);
  EXPECT_EQ(Output(), "");
  auto value = [&](const char *name) {
    return HeapTextOrEmpty(static_cast<HeapText>(Declared(Main(), name)->var->value));
  };
  EXPECT_EQ(value("m"), "-10");
  EXPECT_EQ(value("s2"), "hey");
  EXPECT_EQ(+Declared(Main(), "s2")->type->typeClass, kClassString);
  EXPECT_EQ(value("cr"), "\r");
  const auto *bytes = static_cast<const unsigned char *>(Declared(Main(), "t")->var->value);
  EXPECT_EQ(bytes[0] * 1000 + bytes[1], 120097);
  TypeDescr *a = Declared(Main(), "a")->type;
  EXPECT_EQ(+a->high, 10);
  EXPECT_EQ(+a->base->low, 97);
  EXPECT_EQ(+a->size, 260u);
  TypeDescr *r = Declared(Main(), "r")->type;
  EXPECT_EQ(+r->low, -10);
  EXPECT_EQ(+r->size, 1u);
  EXPECT_EQ(+Declared(Main(), "l")->type->typeClass, kClassChar);
  EXPECT_EQ(+Declared(Main(), "st")->type->size, 17u);

  Parse("var v: byte; a: array [1..v] of byte; st: string[s];\nbegin end.");
  EXPECT_EQ(Output(), "Error at main.pas(1,27): \"v\" is not an integer constant\n"
                      "var v: byte; a: array [1..v] of byte; st: string[s];\n"
                      "                          ^\n"
                      "Error at main.pas(1,50): \"s\" is not an integer constant\n"
                      "var v: byte; a: array [1..v] of byte; st: string[s];\n"
                      "                                                 ^\n");
}

// Values that do not fit stop the run instead of being cut.
TEST_F(DeclarationsTest, ConstantValuesOutOfRange) {
  EXPECT_EQ(Parse("const b: byte = 256;\nbegin end."), kStopLimit);
  EXPECT_EQ(Output(), "Runtime error 201: constant value 256 outside 0..255\n");
  EXPECT_EQ(Parse("const t: array [0..1] of byte = (1, 18446744073709551617);\nbegin end."),
            kStopLimit);
  EXPECT_EQ(Output(), "Runtime error 201: constant 18446744073709551617 above 4294967295\n");
  EXPECT_EQ(Parse("var s: string[256];\nbegin end."), kStopLimit);
  EXPECT_EQ(Output(), "Runtime error 201: string length 256 outside 0..255\n");
}

// int64, uint64 and wider subranges are refused at every declaration.
TEST_F(DeclarationsTest, SixtyFourBitIntegersAreReported) {
  Parse("type big = int64;\nvar x: big; p: ^uint64;\n"
        "function f(a: int64): byte; begin end;\nbegin end.");
  size_t reports = 0;
  for (size_t at = Output().find("64-bit integers are not supported"); at != std::string::npos;
       at = Output().find("64-bit integers are not supported", at + 1))
    reports++;
  EXPECT_EQ(reports, 4u) << Output();
  EXPECT_NE(Output().find("Error at main.pas(2,8): 64-bit"), std::string::npos) << Output();
}

TEST_F(DeclarationsTest, ConstantsOfOtherClassesReadNoValue) {
  EXPECT_EQ(Parse("const b: boolean = true;\nbegin end."), 1);
  EXPECT_EQ(Output(), "Error at main.pas(1,20): \";\" expected, but \"true\" found\n"
                      "const b: boolean = true;\n                   ^\n");
}

TEST_F(DeclarationsTest, SectionsEndAtReservedWords) {
  EXPECT_EQ(Parse("type begin end."), 1); // a type section holds at least one name
  EXPECT_EQ(Parse("const begin end."), 1);
  EXPECT_EQ(Parse("var begin end."), 0);
  EXPECT_EQ(Parse("type t = byte; const c = 1; var v: t; type u = word; begin end."), 0);
  EXPECT_EQ(+Declared(Main(), "v")->type->size, 1u);
}

TEST_F(DeclarationsTest, FunctionChildrenAndFlags) {
  ASSERT_EQ(Parse("function f(x: byte): word;\nbegin result := x; end;\nbegin end."), 0);
  ID *f = Declared(Main(), "f");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(NameText(f->firstChild), "x");
  EXPECT_EQ(+f->firstChild->var->flags, 0x0004);
  EXPECT_EQ(+f->firstChild->var->address, -1);
  ID *result = f->firstChild->next;
  EXPECT_EQ(NameText(result), "result");
  EXPECT_EQ(+result->var->flags, 0x0002);
  EXPECT_EQ(+f->subr->result, result);
  EXPECT_EQ(+f->subr->resultType, +FindIDFrom(RootID(), "word")->type);
  EXPECT_EQ(+f->subr->paramCount, 1);
  EXPECT_EQ(+f->subr->params[0], +f->firstChild);
  EXPECT_EQ(+f->subr->isMain, 0);
  EXPECT_EQ(ListShape(f->subr->body), "assign(result,x)");
  // parameters and result were added before the function itself
  EXPECT_EQ(AsmNameText(f->firstChild), "x_16");
  EXPECT_EQ(AsmNameText(result), "result_17");
  EXPECT_EQ(AsmNameText(f), "f_18");
}

TEST_F(DeclarationsTest, ParameterModes) {
  ASSERT_EQ(Parse("procedure q(var a, b: byte; c: word; const d: char);\n"
                  "begin end;\nbegin end."), 0);
  SubrRec *s = Declared(Main(), "q")->subr;
  ASSERT_EQ(+s->paramCount, 4);
  EXPECT_EQ(+s->paramModes[0], 1);
  EXPECT_EQ(+s->paramModes[1], 1);
  EXPECT_EQ(+s->paramModes[2], 0);
  EXPECT_EQ(+s->paramModes[3], 2);
  EXPECT_EQ(+s->params[0]->var->flags, 0x0044);
  EXPECT_EQ(+s->params[1]->var->flags, 0x0044);
  EXPECT_EQ(+s->params[2]->var->flags, 0x0004);
  EXPECT_EQ(+s->params[3]->var->flags, 0x0044);
  EXPECT_EQ(+s->paramTypes[2], +FindIDFrom(RootID(), "word")->type);
  EXPECT_EQ(+s->result, nullptr);
}

TEST_F(DeclarationsTest, TenParametersAndNoMore) {
  EXPECT_EQ(Parse("procedure p(a, b, c, d, e: byte; f, g, h, i, j: byte);\n"
                  "begin end;\nbegin end."), 0);
  EXPECT_EQ(Parse("procedure p(a, b, c, d, e: byte; f, g, h, i, j, k: byte);\n"
                  "begin end;\nbegin end."), kStopLimit);
  EXPECT_EQ(Output(), "Runtime error 201: more than 10 parameters in one subroutine\n");
}

TEST_F(DeclarationsTest, ForwardDeclarationSharesItsLabel) {
  ASSERT_EQ(Parse("procedure p; forward;\nprocedure x; begin end;\n"
                  "procedure p;\nbegin end;\nbegin end."), 0);
  ID *first = Main()->firstChild, *second = LastVisibleID(Main());
  EXPECT_EQ(+first->subr->noBody, 1);
  EXPECT_EQ(+second->subr->noBody, 0);
  EXPECT_EQ(AsmNameText(first), "p_16");
  EXPECT_EQ(AsmNameText(second), "p_16");
  EXPECT_EQ(+second->implementsEarlier, 1);
  EXPECT_EQ(+first->implementsEarlier, 0);
  EXPECT_EQ(Output(), "p_16  main.pas(4,1) !!\n");
}

TEST_F(DeclarationsTest, NestedSubroutineOfAnOuterNameGetsItsOwnLabel) {
  // Neither the enclosing subroutine nor its earlier siblings are earlier
  // declarations of a nested one: sharing their label would define it twice.
  ASSERT_EQ(Parse("procedure b; begin end;\nprocedure a;\n  procedure b; begin end;\n"
                  "begin b; end;\nprocedure p;\n  procedure p; begin end;\nbegin end;\n"
                  "begin a; end."), 0);
  EXPECT_EQ(Output(), "");
  ID *a = Declared(Main(), "a"), *p = Declared(Main(), "p");
  EXPECT_NE(AsmNameText(a->firstChild), AsmNameText(Main()->firstChild));
  EXPECT_NE(AsmNameText(p->firstChild), AsmNameText(p));
  EXPECT_EQ(+a->firstChild->implementsEarlier, 0);
}

TEST_F(DeclarationsTest, EveryEarlierMatchIsShownAndTheEarliestWins) {
  ASSERT_EQ(Parse("procedure p; external;\nprocedure p; forward;\n"
                  "procedure p; [alias: 'pp']; begin end;\nbegin end."), 0);
  ID *last = LastVisibleID(Main());
  EXPECT_EQ(AsmNameText(last), "p_16");
  EXPECT_EQ(Output(), "p_16  main.pas(3,1) !!\n"
                      "p_16 pp main.pas(3,29) !!\np_16 pp main.pas(3,29) !!\n");
}

TEST_F(DeclarationsTest, OverloadsKeepTheirOwnLabels) {
  ASSERT_EQ(Parse("function f(a: byte): byte; begin end;\n"
                  "function f(a: smallint): byte; begin end;\nbegin end."), 0);
  ID *second = LastVisibleID(Main());
  ID *first = Declared(Main(), "f") == second ? Main()->firstChild : nullptr;
  ASSERT_NE(first, nullptr);
  EXPECT_NE(AsmNameText(first), AsmNameText(second));
  EXPECT_EQ(+second->implementsEarlier, 0);
  EXPECT_EQ(Output(), "");
}

TEST_F(DeclarationsTest, Modifiers) {
  ASSERT_EQ(Parse("procedure w(c: char); [alias: 'putc']; external;\n"
                  "procedure i; interrupt; fast; high; begin end;\n"
                  "function o(a, b: byte): byte; operator; begin end;\nbegin end."), 0);
  ID *w = Declared(Main(), "w");
  EXPECT_EQ(AsmNameText(w), "putc");
  EXPECT_EQ(+w->subr->noBody, 1);
  EXPECT_EQ(+w->subr->body, nullptr);
  EXPECT_EQ(+Declared(Main(), "o")->subr->operatorMark, 0);
  EXPECT_EQ(Output(), "");
}

TEST_F(DeclarationsTest, OperatorModifierOnProcedureIsReportedAndSkipped) {
  EXPECT_EQ(Parse("procedure p; operator begin end;\nbegin end."), 0);
  EXPECT_EQ(Output(), "Error at main.pas(1,14): 20110821_1\n"
                      "procedure p; operator begin end;\n             ^\n");
}

TEST_F(DeclarationsTest, OperatorDeclarationsAreNotFunctions) {
  ASSERT_EQ(Parse("operator +(a, b: byte); begin end;\nbegin end."), 0);
  ID *op = Declared(Main(), "+");
  ASSERT_NE(op, nullptr);
  EXPECT_EQ(+op->subr->result, nullptr);
  EXPECT_EQ(AsmNameText(op), "op_add_18"); // "+" is no label
}

TEST_F(DeclarationsTest, NestedSubroutinesRestoreTheScope) {
  ASSERT_EQ(Parse("procedure outer;\n  var a: byte;\n  procedure inner; begin end;\n"
                  "  var b: byte;\nbegin end;\nvar c: byte;\nbegin end."), 0);
  ID *outer = Declared(Main(), "outer");
  EXPECT_NE(Declared(outer, "inner"), nullptr);
  EXPECT_NE(Declared(outer, "b"), nullptr);
  EXPECT_NE(Declared(Main(), "c"), nullptr);
  EXPECT_EQ(gCurrentScope, Main());
}

TEST_F(DeclarationsTest, ForwardPointersAreCompleted) {
  ASSERT_EQ(Parse("type pn = ^node; node = record next: pn; v: word; end;\n"
                  "begin end."), 0);
  EXPECT_EQ(Output(), "?\?=pn\n");
  TypeDescr *pn = Declared(Main(), "pn")->type, *node = Declared(Main(), "node")->type;
  EXPECT_EQ(+pn->typeClass, kClassPointer);
  ASSERT_NE(+pn->base, nullptr);
  EXPECT_EQ(+pn->base->typeClass, kClassRecord);
  EXPECT_EQ(+pn->base->size, 4u);
  EXPECT_EQ(+pn->base->fields, +node->fields);
  EXPECT_EQ(+node->fields->prev->type, pn);
}

TEST_F(DeclarationsTest, PointerToKnownTypeNeedsNoPlaceholder) {
  ASSERT_EQ(Parse("type pw = ^word;\nbegin end."), 0);
  EXPECT_EQ(+Declared(Main(), "pw")->type->base, +FindIDFrom(RootID(), "word")->type);
  EXPECT_EQ(Output(), "");
}

TEST_F(DeclarationsTest, UndeclaredPointerTargetIsReportedByName) {
  EXPECT_EQ(Parse("type pn = ^node;\nvar x: byte;\nbegin end."), 0);
  EXPECT_EQ(Output(), "?\?=pn\nError at main.pas(1,12): type \"node\" of pointer type "
                      "\"pn\" not declared in this type section\n"
                      "type pn = ^node;\n           ^\n");
}

TEST_F(DeclarationsTest, TenPendingPointersPerSection) {
  std::string ten = "type ";
  for (char c = 'a'; c < 'a' + 10; c++)
    ten += std::string(1, c) + " = ^t" + c + ";\n";
  EXPECT_EQ(Parse(ten + "begin end."), 0);
  EXPECT_EQ(Parse(ten + "k = ^tk;\nbegin end."), kStopLimit);
  std::string last = "Runtime error 201: more than 10 forward pointer types in one "
                     "type section\n";
  ASSERT_GE(Output().size(), last.size());
  EXPECT_EQ(Output().substr(Output().size() - last.size()), last);
}

TEST_F(DeclarationsTest, MissingTypesAreCarriedOnThenMarked) {
  EXPECT_EQ(Parse("var x: nothing;\nprocedure p(a: none); begin end;\nbegin end."), 0);
  EXPECT_TRUE(TypeWasMissing());
  EXPECT_EQ(Output(), "Error at main.pas(1,8): type \"nothing\" not found\n"
                      "var x: nothing;\n       ^\n"
                      "Error at main.pas(1,15): internal error: creating var with "
                      "TypeDescr=nil\nvar x: nothing;\n              ^\n"
                      "Error at main.pas(2,16): Type \"none\" not found.\n"
                      "procedure p(a: none); begin end;\n               ^\n"
                      "Error at main.pas(2,20): internal error: creating var with "
                      "TypeDescr=nil\nprocedure p(a: none); begin end;\n"
                      "                   ^\n");
  EXPECT_EQ(Parse("var x: byte;\nbegin end."), 0);
  EXPECT_FALSE(TypeWasMissing()); // each parse starts afresh
}

TEST_F(DeclarationsTest, BigSubroutineLine) {
  // p;  is one node, so 250 calls stay quiet and 251 are reported.
  std::string calls;
  for (int i = 0; i < 250; i++)
    calls += "p;\n";
  EXPECT_EQ(Parse("procedure b250; begin\n" + calls + "end;\nbegin end."), 0);
  EXPECT_EQ(Output(), "");
  EXPECT_EQ(Parse("procedure b251; begin\n" + calls + "p;\nend;\nbegin end."), 0);
  EXPECT_EQ(Output(), "big subr \"b251\", 251 nodes\n");
}

TEST_F(DeclarationsTest, UnitBodyBecomesMainBody) {
  ASSERT_EQ(Parse("unit u;\ninterface\nuses a;\nimplementation\nuses b;\n"
                  "begin x := 1; end."), 0);
  EXPECT_EQ(NameText(Main()), "u");
  EXPECT_EQ(AsmNameText(Main()), "_main");
  EXPECT_EQ(ListShape(Main()->subr->body), "assign(x,1)");
  EXPECT_EQ(Parse("unit u; interface implementation initialization finalization end."), 0);
  EXPECT_EQ(+Main()->subr->body, nullptr);
  EXPECT_EQ(Parse("unit u; end."), 0);
  EXPECT_EQ(Parse("unit u; var x: byte; end."), 1);
  EXPECT_EQ(Output(), "Error at main.pas(1,9): \"end\" expected, but \"var\" found\n"
                      "unit u; var x: byte; end.\n        ^\n");
}

TEST_F(DeclarationsTest, UnterminatedUsesStops) {
  EXPECT_EQ(Parse("program p; uses a, b"), 1);
  EXPECT_EQ(Output(), "Error at <unknown>: \";\" expected, but \"<EOF>\" found\n");
}

TEST_F(DeclarationsTest, EveryPrefixOfAProgramEndsCleanly) {
  const std::string source =
      "program t; uses u; type r = record a: byte; end; pr = ^r; e = (x, y);\n"
      "const c = 1; k: array [0..1] of byte = (1, 2);\n"
      "var v: r; w: string[4];\n"
      "function f(var a: byte): word; forward;\n"
      "function f(var a: byte): word; begin result := a + 1; end;\n"
      "begin if c = 1 then v.a := f(v.a) else w := 'x';\n"
      "while c < 2 do begin end; repeat until c = 1; for c := 1 to 2 do ;\n"
      "case c of 1..2: ; else ; end; asm\n nop\nend; end.\n";
  WriteFile("main.pas", source);
  ASSERT_EQ(Lex(), 0);
  int tokens = static_cast<int>(TokenTexts().size());
  for (int cut = 0; cut <= tokens; cut++) {
    ArenaReset();
    ResetCompilerState();
    ASSERT_EQ(Lex(), 0);
    Token *t = gTokenHead;
    for (int i = 1; i < cut && t; i++)
      t = t->next;
    if (cut == 0)
      gTokenHead = nullptr;
    else if (t)
      t->next = nullptr;
    int status = Run([] { ParseProgram(); });
    // a number cut off reads "<EOF>" as its value: a range stop
    EXPECT_TRUE(status == 0 || status == 1 || status == kStopLimit) << "cut at " << cut;
    EXPECT_EQ(status == 0, cut == tokens) << "cut at " << cut;
  }
}

// Inside f (and what is nested in it) f without an argument list is f's
// result; f() and f(x) call it, and so does f written alone as a statement.
TEST_F(DeclarationsTest, FunctionNameInsideItIsItsResult) {
  ASSERT_EQ(Parse("function f(a: byte): word;\n"
                  "  procedure p; begin f := 2; end;\n"
                  "begin f := f + f(a); f.x := 1; f; g := f(); end;\n"
                  "procedure q; begin q := f; end;\n"
                  "begin end."),
            0);
  ID *f = Declared(Main(), "f");
  ID *result = f->subr->result;
  Node *body = f->subr->body;
  EXPECT_EQ(ListShape(body), "assign(f,add(f,f(a)));assign(field:x(f),1);f;assign(g,f)");
  EXPECT_EQ(+Child(body, 1)->kind, kNodeVarRef);
  EXPECT_EQ(+Child(body, 1)->id, result);
  EXPECT_EQ(+Child(Child(body, 2), 1)->id, result); // read as a value too
  EXPECT_EQ(+Child(Child(body, 2), 2)->kind, kNodeName); // f(a) is a call
  EXPECT_EQ(+Child(Child(body->next, 1), 1)->id, result); // base of a field
  EXPECT_EQ(+body->next->next->kind, kNodeName); // f; calls f
  EXPECT_EQ(+Child(body->next->next->next, 2)->kind, kNodeName); // f() calls f
  Node *nested = Declared(f, "p")->subr->body;
  EXPECT_EQ(+Child(nested, 1)->id, result);
  Node *outside = Declared(Main(), "q")->subr->body;
  EXPECT_EQ(+Child(outside, 1)->kind, kNodeName); // q is no function
  EXPECT_EQ(+Child(outside, 2)->kind, kNodeName); // and f is not its own
}
