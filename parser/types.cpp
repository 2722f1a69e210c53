// The built-in types and the type expressions of declarations: subranges,
// enumerations, arrays, records and objects, pointers, strings, files,
// procedure types and type names.
#include <vector>

#include "parser/parser.h"

// ---- Built-in types -------------------------------------------------------------

void InitBuiltinTypes() {
  static const struct {
    const char *name;
    int32_t typeClass;
    int64_t size, low, high;
  } kBuiltins[] = {
      {"byte", kClassInteger, 1, 0, 255},
      {"word", kClassInteger, 2, 0, 65535},
      {"longword", kClassInteger, 4, 0, 4294967295LL},
      {"shortint", kClassInteger, 1, -128, 127},
      {"smallint", kClassInteger, 2, -32768, 32767},
      {"longint", kClassInteger, 4, -2147483648LL, 2147483647LL},
      {"uint64", kClassInteger, 8, 0, 5000000000LL},
      {"int64", kClassInteger, 8, -5000000000LL, 5000000000LL},
      {"pointer", kClassPointer, 0, 0, 0}, // the pointer class sets 2, 0..65535
      {"boolean", kClassBoolean, 1, 0, 1},
      {"char", kClassChar, 1, 0, 255},
      {"string", kClassString, 256, 0, 255},
      {"shortstring", kClassString, 256, 0, 255},
      {"file", kClassFile, 1, 0, 0},
  };
  ResetAsmNameCounter();
  ID *root = CreateID(kIdType, "#ROOT#");
  SetRootID(root);
  for (const auto &b : kBuiltins) {
    ID *id = CreateID(kIdType, b.name);
    id->type = CreateTypeDescr(b.typeClass, b.size, b.low, b.high, nullptr);
    AddID(root, id);
  }
}

// ---- Sizes and numbers ------------------------------------------------------------

// The smallest of 1, 2, 4 or 8 bytes that holds the range, signed or not;
// each later test that holds overrides the earlier ones.
int SizeOfRange(int64_t low, int64_t high) {
  int size = 8;
  if (low >= -2147483648LL && high < 2147483648LL)
    size = 4;
  if (low >= -32768 && high < 32768)
    size = 2;
  if (low >= -128 && high < 128)
    size = 1;
  if (low >= 0 && high < 4294967296LL)
    size = 4;
  if (low >= 0 && high < 65536)
    size = 2;
  if (low >= 0 && high < 256)
    size = 1;
  return size;
}

int SizeOfValue(int64_t v) { return SizeOfRange(v, v); }

// The code generator holds every value in 32 bits: a decimal literal
// beyond them stops the run (as a hexadecimal one does in HexValue).
static void CheckLiteralFits32Bits(const Text &token) {
  uint64_t v = 0;
  for (char c : token) {
    if (c < '0' || c > '9')
      return;
    v = v * 10 + uint64_t(c - '0');
    if (v > 0xFFFFFFFFull)
      RunTimeStop(kStopLimit, "constant " + token + " above 4294967295");
  }
}

// An integer literal as decimal text: "$" and the following token are read
// as one hexadecimal number; anything else is taken as written.
Text ReadNumberText() {
  Text result;
  if (CurrentToken == "$") {
    NextToken();
    result = DecimalText(HexValue(CurrentToken));
  } else {
    CheckLiteralFits32Bits(CurrentToken);
    result = CurrentToken;
  }
  NextToken();
  return result;
}

static void CheckFitsInt32(int64_t v, const char *what) {
  if (v < INT32_MIN || v > INT32_MAX)
    RunTimeStop(kStopLimit, Text(what) + " " + DecimalText(v) +
                                " outside -2147483648..2147483647");
}

// Nothing larger than the Z80's address space can be stored.
constexpr uint64_t kMaxDataBytes = 65535;

// Works from the innermost dimension outwards, since each dimension's size
// is its element count times the size of what it holds.
void ArraySize(TypeDescr *t) {
  std::vector<TypeDescr *> dims;
  for (TypeDescr *d = t; d && d->typeClass == kClassArray; d = d->base)
    dims.push_back(d);
  for (size_t i = dims.size(); i-- > 0;) {
    TypeDescr *d = dims[i];
    uint64_t elementSize = d->base ? d->base->size : 0;
    int64_t count = d->high - d->low + 1;
    if (count < 0 || (elementSize != 0 && uint64_t(count) > kMaxDataBytes / elementSize))
      RunTimeStop(kStopLimit, "array size outside 0..65535 bytes");
    d->size = static_cast<uint32_t>(elementSize * uint64_t(count));
  }
}

// ---- Identifier lists and type look-up ------------------------------------------

IdentList ParseIdentList() {
  IdentList list{};
  while (true) {
    if (list.count == kMaxIdentList)
      RunTimeStop(kStopLimit, "more than 10 names in one identifier list");
    list.names[list.count++] = CurrentToken;
    NextToken();
    if (CurrentToken != ",")
      break;
    NextToken();
  }
  return list;
}

// The code generator has no 8-byte arithmetic, so int64, uint64 and any
// integer type as wide are refused wherever a declaration uses them.
static void CheckIntegerWidth(const TypeDescr *t, const SourcePos &at) {
  if (t && t->typeClass == kClassInteger && t->size > 4)
    ErrorAt(at, "64-bit integers are not supported");
}

// An ID without a type (a subroutine's name) is no type either.
TypeDescr *FindType(const Text &name) {
  ID *id = FindID(name);
  if (!id || !id->type) {
    ReportHere("Type \"" + name + "\" not found.");
    NoteMissingType();
    return nullptr;
  }
  CheckIntegerWidth(id->type, CurrentPos());
  return id->type;
}

// ---- Type expressions -------------------------------------------------------------

// A lower bound written with a minus sign is refused on purpose: the "-"
// stands for the bound and ".." must follow it, so -5..5 stops at the 5.
// A constant with a negative value (const lo = -5) may serve instead.
static int64_t ReadLowerBound(bool *isChar = nullptr) {
  if (CurrentToken != "-")
    return ReadOrdinalConstant(isChar);
  NextToken();
  return 0;
}

// low .. high: a subrange of char when both bounds are characters, else of
// the integers, as wide as both bounds need.
static TypeDescr *ParseSubrange() {
  bool lowIsChar = false, highIsChar = false;
  int64_t low = ReadLowerBound(&lowIsChar);
  Expect("..");
  int64_t high = ReadOrdinalConstant(&highIsChar);
  if (lowIsChar && highIsChar)
    return CreateTypeDescr(kClassChar, 1, low, high, nullptr);
  return CreateTypeDescr(kClassInteger, SizeOfRange(low, high), low, high, nullptr);
}

// ( name {, name} ): each name becomes a constant of the new type.
static TypeDescr *ParseEnumeration() {
  TypeDescr *t = CreateTypeDescr(kClassInteger, 0, 0, -1, nullptr);
  do {
    t->high = t->high + 1;
    NextToken(); // "(" or ","
    AddConst(gTypeScope, CurrentToken, t, nullptr);
    NextToken();
  } while (!CurrentToken.empty() && CurrentToken[0] == ',');
  Expect(")");
  t->size = static_cast<uint32_t>(SizeOfValue(t->high));
  return t;
}

// ^ name: outside a type section the target must already exist.
static TypeDescr *ParsePointerType() {
  if (TypeDescr *t = ParsePointerInTypeSection())
    return t;
  NextToken();
  Text name = CurrentToken;
  NextToken();
  TypeDescr *target = FindType(name);
  if (!target) {
    ReportErrorLine("ParseTypes() call needed");
    Expect(";");
    target = FindType(name);
  }
  return CreateTypeDescr(kClassPointer, 0, 0, 0, target);
}

// string [ [ n ] ]: without a length it holds 255 characters, like the
// type named string and like the results of the string routines.
static TypeDescr *ParseStringType() {
  NextToken();
  TypeDescr *t = CreateTypeDescr(kClassString, 256, 0, 255, nullptr);
  if (CurrentToken == "[") {
    Expect("[");
    int64_t n = ReadOrdinalConstant();
    if (n < 0 || n > 255) // the length byte counts the characters
      RunTimeStop(kStopLimit, "string length " + DecimalText(n) + " outside 0..255");
    t->high = n;
    t->size = static_cast<uint32_t>(n + 1);
    Expect("]");
  }
  return t;
}

// file [ of type ]
static TypeDescr *ParseFileType() {
  NextToken();
  TypeDescr *base = nullptr;
  if (CurrentToken == "of") {
    NextToken();
    base = ParseType();
  }
  return CreateTypeDescr(kClassFile, 0, 0, 0, base);
}

// procedure ... ): the parameter list is passed over unread.
static TypeDescr *ParseProcedureType() {
  TypeDescr *t = CreateTypeDescr(kClassProcedure, 0, 0, 0, nullptr);
  while (CurrentToken != ")") {
    if (AtEndOfTokens())
      Expect(")"); // reports the missing ")" and stops
    NextToken();
  }
  NextToken();
  return t;
}

// Any ID's type will do, so a variable's name stands for its type; an ID
// without one (a subroutine's name) is reported like an unknown name.
static TypeDescr *ParseTypeName() {
  Text name = CurrentToken;
  ID *id = FindIDFrom(gTypeScope, name);
  if (!id || !id->type) {
    ReportHere("type \"" + name + "\" not found");
    NoteMissingType();
  }
  NextToken();
  return id ? id->type : nullptr;
}

// type = [packed] (array ... | record ...) | low .. high | ( names ) | object ...
//      | ^ name | string [ [n] ] | file [of type] | procedure ... ) | name
static TypeDescr *ParseTypeExpression() {
  if (CurrentToken == "packed" || CurrentToken == "array" || CurrentToken == "record") {
    if (CurrentToken == "packed")
      NextToken();
    if (CurrentToken == "array") {
      NextToken();
      return ParseArrayType();
    }
    if (CurrentToken == "record") {
      NextToken();
      return ParseRecordType();
    }
    ReportHere("array or record expected");
    NoteMissingType();
    return nullptr;
  }
  if (CurrentToken == "(")
    return ParseEnumeration();
  if (CurrentToken == "object") {
    NextToken();
    return ParseRecordType();
  }
  if (CurrentToken == "^")
    return ParsePointerType();
  if (CurrentToken == "string")
    return ParseStringType();
  if (CurrentToken == "file")
    return ParseFileType();
  if (CurrentToken == "procedure")
    return ParseProcedureType();
  if (StartsOrdinalConstant(CurrentToken))
    return ParseSubrange();
  return ParseTypeName();
}

TypeDescr *ParseType() {
  NestingGuard guard;
  SourcePos start = CurrentPos();
  TypeDescr *t = ParseTypeExpression();
  CheckIntegerWidth(t, start);
  return t;
}

// One index range: a type name (its bounds) or low .. high of constants.
static TypeDescr *ParseIndexRange() {
  int64_t low = 0, high = 0;
  if (!StartsOrdinalConstant(CurrentToken)) {
    TypeDescr *index = FindType(CurrentToken);
    if (index) {
      low = index->low;
      high = index->high;
    }
    NextToken();
  } else {
    low = ReadLowerBound();
    Expect("..");
    high = ReadOrdinalConstant();
  }
  CheckFitsInt32(low, "array bound");
  CheckFitsInt32(high, "array bound");
  return CreateTypeDescr(kClassArray, 0, low, high, nullptr);
}

// array [ range {, range} ] of type: one record per dimension, each the
// element of the one before.
TypeDescr *ParseArrayType() {
  if (CurrentToken != "[")
    Expect("["); // an array needs its index list
  TypeDescr *first = nullptr, *last = nullptr;
  do {
    NextToken(); // "[" or ","
    TypeDescr *dim = ParseIndexRange();
    if (last)
      last->base = dim;
    else
      first = dim;
    last = dim;
  } while (CurrentToken == ",");
  Expect("]");
  Expect("of");
  last->base = ParseType();
  ArraySize(first);
  return first;
}

// record names : type ; {names : type ;} end
TypeDescr *ParseRecordType() {
  TypeDescr *t = CreateTypeDescr(kClassRecord, 0, 0, 0, nullptr);
  uint64_t offset = 0;
  ID *fields = nullptr;
  do {
    IdentList names = ParseIdentList();
    Expect(":");
    TypeDescr *fieldType = ParseType();
    Expect(";");
    for (int i = 0; i < names.count; i++) {
      ID *field = CreateVar(names.names[i], fieldType, static_cast<int32_t>(offset),
                            kFlagsField);
      PushField(fields, field);
      t->fields = fields;
      offset += fieldType ? fieldType->size : 0;
      if (offset > 0xFFFF)
        RunTimeStop(kStopLimit, "record larger than 65535 bytes");
    }
  } while (CurrentToken != "end");
  NextToken();
  t->size = static_cast<uint32_t>(offset);
  return t;
}
