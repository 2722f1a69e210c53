// The top of the parser: program and unit structure, the type, const and
// var sections, and subroutines with their headers, modifiers and the tie
// between a forward declaration and the full one.
#include <cstring>

#include "parser/parser.h"

namespace {

// A pointer type whose target is declared later in the same type section.
struct PendingPointer {
  Text pointerName;
  Text targetName;
  TypeDescr *placeholder;
  SourcePos targetPos;
  bool resolved;
};

constexpr int kMaxPendingPointers = 10;
PendingPointer gPending[kMaxPendingPointers];
int gPendingCount = 0;

// The type section being parsed and the name it is declaring; nil outside.
ID *gSectionScope = nullptr;
Text gSectionTypeName;

} // namespace

void ResetDeclarations() {
  for (PendingPointer &p : gPending)
    p = PendingPointer{};
  gPendingCount = 0;
  gSectionScope = nullptr;
  gSectionTypeName.clear();
}

// ---- Type section --------------------------------------------------------------

// "^" name in a type section: an undeclared target gets a placeholder that
// the target's own declaration fills in.
static TypeDescr *ParseSectionPointer(ID *scope, const Text &pointerName) {
  NextToken();
  Text targetName = CurrentToken;
  SourcePos targetPos = CurrentPos();
  NextToken();
  TypeDescr *target;
  if (ID *found = FindIDFrom(scope, targetName)) {
    target = found->type;
  } else {
    Con() << "?\?=" << pointerName << '\n';
    if (gPendingCount == kMaxPendingPointers)
      RunTimeStop(kStopLimit, "more than 10 forward pointer types in one type section");
    target = NewRecord<TypeDescr>();
    gPending[gPendingCount++] =
        PendingPointer{pointerName, targetName, target, targetPos, false};
  }
  return CreateTypeDescr(kClassPointer, 0, 0, 0, target);
}

// A linked record points to itself (node = record next: ^node end): a
// pointer inside a type of the section waits for its target as one
// declared with "^" alone does.
TypeDescr *ParsePointerInTypeSection() {
  if (!gSectionScope)
    return nullptr;
  return ParseSectionPointer(gSectionScope, gSectionTypeName);
}

// The placeholders waiting for this name become copies of its type.
static void ResolvePendingPointers(const Text &name, const TypeDescr *type) {
  for (int i = 0; i < gPendingCount; i++) {
    PendingPointer &p = gPending[i];
    if (p.resolved || p.targetName != name)
      continue;
    if (type)
      *p.placeholder = *type;
    p.resolved = true;
  }
}

static void ReportUnresolvedPointers() {
  for (int i = 0; i < gPendingCount; i++)
    if (!gPending[i].resolved)
      ErrorAt(gPending[i].targetPos, "type \"" + gPending[i].targetName +
                                         "\" of pointer type \"" +
                                         gPending[i].pointerName +
                                         "\" not declared in this type section");
}

// type-section = name "=" ( "^" name | type ) ";" { ... } up to a reserved word
void ParseTypes(ID *scope) {
  ResetDeclarations();
  do {
    Text name = CurrentToken;
    NextToken();
    Expect("=");
    TypeDescr *type;
    if (CurrentToken == "^") {
      type = ParseSectionPointer(scope, name);
    } else {
      gTypeScope = scope;
      gSectionScope = scope;
      gSectionTypeName = name;
      type = ParseType();
      gSectionScope = nullptr;
    }
    Expect(";");
    ID *id = CreateID(kIdType, name);
    id->type = type;
    AddID(scope, id);
    ResolvePendingPointers(name, type);
  } while (!IsReservedWord(CurrentToken));
  ReportUnresolvedPointers();
}

// ---- Const section -------------------------------------------------------------

// The accepted values of one array element: its type's range for ordinal
// types, one byte otherwise.
static void ElementRange(const TypeDescr *element, int64_t &low, int64_t &high) {
  low = 0;
  high = 255;
  if (!element)
    return;
  switch (element->typeClass) {
  case kClassInteger: case kClassBoolean: case kClassPointer: case kClassChar:
    low = element->low;
    high = element->high;
    break;
  default:
    break;
  }
}

// A value the element or constant type cannot hold is never cut to fit.
static void CheckConstantFits(int64_t v, const TypeDescr *t, const Text &what) {
  int64_t low, high;
  ElementRange(t, low, high);
  if (v < low || v > high)
    RunTimeStop(kStopLimit, what + " " + DecimalText(v) + " outside " + DecimalText(low) +
                                ".." + DecimalText(high));
}

// "(" value {"," value} ")": each value fills its element's bytes, low byte
// first, so that the data list can copy the array byte by byte.
static const void *ReadArrayConstant(const TypeDescr *t) {
  auto *bytes = static_cast<unsigned char *>(ArenaAlloc(t->size ? t->size : 1));
  std::memset(bytes, 0, t->size ? t->size : 1);
  const TypeDescr *element = t->base;
  uint32_t elementSize = element ? element->size : 0;
  uint32_t valueBytes = elementSize < 8 ? elementSize : 8;
  Expect("(");
  for (int64_t i = 0; i <= t->high - t->low; i++) {
    if (i > 0)
      Expect(",");
    int64_t v = ReadOrdinalConstant();
    CheckConstantFits(v, element, "array constant value");
    uint64_t at = uint64_t(i) * elementSize;
    for (uint32_t b = 0; b < valueBytes && at + b < t->size; b++)
      bytes[at + b] = static_cast<unsigned char>(uint64_t(v) >> (8 * b));
  }
  Expect(")");
  return bytes;
}

// An untyped constant given as a string literal, or as the name of such a
// constant, is a string constant (a char one when it has one character).
static bool ReadStringConstant(TypeDescr *&type, const void *&value) {
  Text chars;
  if (IsStringLiteralToken(CurrentToken)) {
    chars = DecodeStringLiteral(CurrentToken);
  } else {
    const ID *named = FindIDFrom(gTypeScope, CurrentToken);
    if (!IsStringConstant(named))
      return false;
    chars = ConstantValueText(named);
  }
  NextToken();
  int64_t length = int64_t(chars.size());
  type = CreateTypeDescr(kClassString, length + 1, 0, length, nullptr);
  value = NewShortString(chars);
  return true;
}

// An untyped integer constant gets a one-byte record with bounds 0..0 (its
// uses are sized by the value); a value as wide as -4294967295 would need
// 64 bits.
static const void *ReadUntypedInteger(TypeDescr *&type) {
  SourcePos at = CurrentPos();
  int64_t v = ReadOrdinalConstant();
  if (SizeOfValue(v) > 4)
    ErrorAt(at, "64-bit integers are not supported");
  type = CreateTypeDescr(kClassInteger, 1, 0, 0, nullptr);
  return NewHeapText(DecimalText(v));
}

// const-section = name [":" type] "=" value ";" { ... } up to a reserved word
// An integer constant keeps its value as decimal text.
void ParseConstSection(ID *scope) {
  do {
    Text name = CurrentToken;
    NextToken();
    TypeDescr *type = nullptr;
    gTypeScope = scope;
    if (CurrentToken == ":") {
      Expect(":");
      type = ParseType();
    }
    Expect("=");
    const void *value = nullptr;
    if (!type) {
      if (!ReadStringConstant(type, value))
        value = ReadUntypedInteger(type);
    } else if (type->typeClass == kClassInteger) {
      int64_t v = ReadOrdinalConstant();
      CheckConstantFits(v, type, "constant value");
      value = NewHeapText(DecimalText(v));
    } else if (type->typeClass == kClassArray) {
      value = ReadArrayConstant(type);
    }
    Expect(";");
    AddConst(scope, name, type, value);
  } while (!IsReservedWord(CurrentToken));
}

// ---- Var section ---------------------------------------------------------------

// var-section = { names ":" type ["absolute" number] ";" } up to a reserved word
void ParseVarSection(ID *scope) {
  while (!IsReservedWord(CurrentToken)) {
    IdentList names = ParseIdentList();
    Expect(":");
    gTypeScope = scope;
    TypeDescr *type = ParseType();
    int64_t address = -1;
    if (CurrentToken == "absolute") {
      NextToken();
      address = DecimalValue(ReadNumberText());
      if (address < INT32_MIN || address > INT32_MAX)
        RunTimeStop(kStopLimit, "absolute address " + DecimalText(address) +
                                    " outside -2147483648..2147483647");
    }
    uint16_t flags = address == -1 ? kFlagsVariable : kFlagsAbsolute;
    for (int i = 0; i < names.count; i++)
      AddVar(scope, names.names[i], type, static_cast<int32_t>(address), flags);
    Expect(";");
  }
}

// ---- Subroutines -----------------------------------------------------------------

// A var or const parameter without a type takes a variable of any type;
// the subroutine reaches it only by its address (in an asm block).
static TypeDescr *ParameterType(int32_t mode) {
  if (mode != kModeValue && (CurrentToken == ";" || CurrentToken == ")"))
    return CreateTypeDescr(kClassUntyped, 0, 0, 0, nullptr);
  Expect(":");
  TypeDescr *type = FindType(CurrentToken);
  NextToken();
  return type;
}

// params = "(" { ["var" | "const"] names [":" typename] [";"] } ")"
static void ParseParameters(ID *id) {
  SubrRec *s = id->subr;
  NextToken();
  while (CurrentToken != ")") {
    int32_t mode = kModeValue;
    if (CurrentToken == "var" || CurrentToken == "const") {
      mode = CurrentToken == "var" ? kModeVar : kModeConst;
      NextToken();
    }
    IdentList names = ParseIdentList();
    TypeDescr *type = ParameterType(mode);
    for (int i = 0; i < names.count; i++) {
      if (s->paramCount == kMaxParams)
        RunTimeStop(kStopLimit, "more than 10 parameters in one subroutine");
      int at = s->paramCount;
      s->paramCount = static_cast<uint8_t>(at + 1);
      s->paramTypes[at] = type;
      s->paramModes[at] = mode;
      s->params[at] = AddVar(id, names.names[i], type, -1,
                             mode == kModeValue ? kFlagsValueParam : kFlagsRefParam);
    }
    if (CurrentToken == ";")
      NextToken();
  }
  Expect(")");
}

// The alias literal without its quotes becomes the subroutine's label.
static void ParseAlias(ID *id) {
  NextToken();
  Expect("alias");
  Expect(":");
  Text literal = CurrentToken;
  SetAsmName(id, literal.size() >= 2 ? literal.substr(1, literal.size() - 2) : Text());
  NextToken();
  Expect("]");
  Expect(";");
}

// modifiers = { "operator;" | "[alias: 'name'];" | "external;" | "forward;"
//             | "interrupt;" | "fast;" | "high;" }
static void ParseModifiers(ID *id, bool isFunction) {
  SubrRec *s = id->subr;
  while (true) {
    const Text token = CurrentToken;
    if (token == "operator") {
      if (isFunction) {
        s->operatorMark = 0;
        NextToken();
        Expect(";");
      } else {
        ReportHere("20110821_1");
        NextToken();
      }
    } else if (token == "[") {
      ParseAlias(id);
    } else if (token == "external" || token == "forward") {
      s->noBody = 1;
      NextToken();
      Expect(";");
    } else if (token == "interrupt" || token == "fast" || token == "high") {
      NextToken();
      Expect(";");
    } else {
      return;
    }
  }
}

// header = [params] [":" typename] ";" modifiers
void ParseSubroutineHeader(ID *id, bool isFunction) {
  SubrRec *s = id->subr;
  s->paramCount = 0;
  s->resultType = nullptr;
  s->isMain = 0;
  s->operatorMark = 0;
  s->frameValue1 = 0;
  s->frameValue2 = 0;
  if (CurrentToken == "(")
    ParseParameters(id);
  s->result = nullptr;
  s->resultType = nullptr;
  if (isFunction) {
    Expect(":");
    TypeDescr *resultType = FindType(CurrentToken);
    NextToken();
    s->resultType = resultType;
    s->result = AddVar(id, "result", resultType, -1, kFlagsResult);
  }
  Expect(";");
  s->noBody = 0;
  for (int i = 0; i < 4; i++)
    s->modifiers[i] = 0;
  ParseModifiers(id, isFunction);
}

static bool SameParameters(const SubrRec *a, const SubrRec *b) {
  if (a->paramCount != b->paramCount)
    return false;
  for (int i = 0; i < a->paramCount && i < kMaxParams; i++)
    if (a->paramTypes[i] != b->paramTypes[i])
      return false;
  return true;
}

// An earlier declaration of the same subroutine in this scope (same name,
// same parameter type records).  Each match is shown; the earliest wins.
// A scope without children has no earlier declarations: its own ID and
// its siblings belong to the enclosing scope, whose subroutines a nested
// one of the same name must not take the label of.
static ID *FindEarlierDeclaration(ID *scope, const Text &name, const ID *id) {
  ID *match = nullptr;
  VisibleCursor c;
  StartChildrenNamed(c, scope, name);
  while (ID *at = NextVisible(c)) {
    if (at->kind != kIdSubr || !at->subr || !SameParameters(at->subr, id->subr))
      continue;
    Con() << AsmNameText(at) << ' ' << AsmNameText(id) << ' '
          << PositionText(CurrentPos()) << " !!\n";
    match = at;
  }
  return match;
}

// subroutine = ("procedure" | "function" | "operator") name header
//              [ declarations block ";" ]
void ParseSubroutine(ID *scope) {
  NestingGuard guard;
  bool isFunction = CurrentToken == "function";
  NextToken();
  Text name = CurrentToken;
  NextToken();
  ID *id = CreateID(kIdSubr, name);
  id->subr = NewRecord<SubrRec>();
  ParseSubroutineHeader(id, isFunction);
  ID *earlier = FindEarlierDeclaration(scope, name, id);
  AddID(scope, id);
  if (earlier) {
    SetAsmName(id, AsmNameText(earlier));
    id->implementsEarlier = 1;
  }
  if (id->subr->noBody)
    return;
  ParseDeclarations(id);
  Node *body = ParseBlock();
  Expect(";");
  id->subr->body = body;
  uint16_t count = CountNodes(body);
  if (count > 250)
    Con() << "big subr \"" << name << "\", " << count << " nodes\n";
}

// ---- Program structure -----------------------------------------------------------

void SkipUses() {
  if (CurrentToken != "uses")
    return;
  while (CurrentToken != ";") {
    if (AtEndOfTokens())
      Expect(";"); // reports the unterminated uses clause and stops
    NextToken();
  }
  NextToken();
}

// declarations = { "type" types | "const" consts | "var" vars | subroutine }
void ParseDeclarations(ID *scope) {
  gCurrentScope = scope;
  while (true) {
    if (CurrentToken == "type") {
      NextToken();
      ParseTypes(scope);
    } else if (CurrentToken == "const") {
      NextToken();
      ParseConstSection(scope);
    } else if (CurrentToken == "var") {
      NextToken();
      ParseVarSection(scope);
    } else if (CurrentToken == "function" || CurrentToken == "procedure" ||
               CurrentToken == "operator") {
      ParseSubroutine(scope);
      gCurrentScope = scope;
    } else {
      return;
    }
  }
}

// unit-body = ["interface" [uses]] ["implementation" [uses]]
//             ( block | ["initialization"] ["finalization"] "end" ) "."
// The statement part becomes the body of the unit's main subroutine, so it
// is evaluated and translated like a program's.
static void ParseUnitBody(SubrRec *mainSubr) {
  if (CurrentToken == "interface") {
    NextToken();
    SkipUses();
  }
  if (CurrentToken == "implementation") {
    NextToken();
    SkipUses();
  }
  if (CurrentToken == "begin") {
    mainSubr->body = ParseBlock();
  } else {
    if (CurrentToken == "initialization")
      NextToken();
    if (CurrentToken == "finalization")
      NextToken();
    Expect("end");
  }
  Expect(".");
}

// "(" names ")" after the program's name, as in program demo(input, output);
// the files named there are the console, which write uses anyway.
static void SkipProgramParameters() {
  NextToken();
  ParseIdentList();
  Expect(")");
}

// program = [("program" | "unit") name ["(" names ")"] ";"] ( [uses] declarations block "." | unit-body )
void ParseProgram() {
  ResetParser();
  InitBuiltinTypes();
  SubrRec *mainSubr = NewRecord<SubrRec>();
  mainSubr->isMain = 1;
  FirstToken();
  bool isUnit = false;
  Text name = "_main";
  if (CurrentToken == "program" || CurrentToken == "unit") {
    isUnit = CurrentToken == "unit";
    NextToken();
    name = CurrentToken;
    NextToken();
    if (!isUnit && CurrentToken == "(")
      SkipProgramParameters();
    Expect(";");
  }
  gCurrentScope = nullptr;
  ID *main = CreateID(kIdSubr, name);
  AddID(RootID(), main);
  SetAsmName(main, "_main");
  main->subr = mainSubr;
  if (isUnit) {
    ParseUnitBody(mainSubr);
    return;
  }
  SkipUses();
  ParseDeclarations(main);
  mainSubr->body = ParseBlock();
  Expect(".");
}
