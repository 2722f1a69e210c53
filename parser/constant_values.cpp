// Constant values where the parser needs a number: array and subrange
// bounds, string lengths, constant declarations and the elements of array
// constants.  Such a value is an integer literal, a one-character literal
// (its character code), the name of a constant declared earlier or
// sizeof(name), after an optional "-".  Names are resolved as they stand at
// the declaration.
#include <cctype>

#include "parser/parser.h"

static bool HasValueText(const ID *c) { return c->var && c->var->value; }

bool IsIntegerConstant(const ID *c) {
  return c && c->kind == kIdConst && c->type && c->type->typeClass == kClassInteger;
}

bool IsStringConstant(const ID *c) {
  return c && c->kind == kIdConst && c->type && c->type->typeClass == kClassString &&
         HasValueText(c);
}

// Enumeration values carry no value text: their number is their place among
// the values of the same type, which the declaration added in order.
static int64_t EnumerationOrdinal(const ID *value) {
  int64_t ordinal = 0;
  for (const ID *at = value->prev; at; at = at->prev)
    if (at->kind == kIdConst && at->type == value->type && !HasValueText(at))
      ordinal++;
  return ordinal;
}

Text ConstantValueText(const ID *c) {
  if (!HasValueText(c))
    return DecimalText(EnumerationOrdinal(c));
  return HeapTextOrEmpty(static_cast<HeapText>(c->var->value));
}

static bool StartsNumber(const Text &t) {
  return t == "$" || (!t.empty() && t[0] >= '0' && t[0] <= '9');
}

static bool IsCharConstant(const ID *c) {
  return IsStringConstant(c) && ConstantValueText(c).size() == 1;
}

// sizeof(name) where the program declares no sizeof of its own.
static bool IsBuiltinSizeof(const Text &token) {
  return token == "sizeof" && !FindIDFrom(gTypeScope, token);
}

bool StartsOrdinalConstant(const Text &token) {
  if (token == "-" || StartsNumber(token) || IsStringLiteralToken(token) ||
      IsBuiltinSizeof(token))
    return true;
  const ID *c = FindIDFrom(gTypeScope, token);
  return c && c->kind == kIdConst;
}

static bool IsNameOrLiteral(const Text &t) {
  if (IsStringLiteralToken(t))
    return true;
  return !t.empty() && (std::isalpha(static_cast<unsigned char>(t[0])) || t[0] == '_') &&
         !IsReservedWord(t);
}

// "sizeof" "(" name ")": the size of a type, variable or typed constant
// declared earlier.
static int64_t ReadSizeof() {
  NextToken();
  Expect("(");
  const SourcePos at = CurrentPos();
  const ID *named = FindIDFrom(gTypeScope, CurrentToken);
  int64_t size = 0;
  if (named && named->kind != kIdSubr && named->type)
    size = named->type->size;
  else
    ErrorAt(at, "sizeof of \"" + CurrentToken + "\": no type or variable of that name");
  NextToken();
  Expect(")");
  return size;
}

static int64_t ReadUnsignedOrdinal(bool &isChar) {
  const Text token = CurrentToken;
  const SourcePos at = CurrentPos();
  if (StartsNumber(token))
    return DecimalValue(ReadNumberText());
  if (IsBuiltinSizeof(token))
    return ReadSizeof();
  Text chars;
  if (IsStringLiteralToken(token)) {
    chars = DecodeStringLiteral(token);
  } else if (const ID *c = FindIDFrom(gTypeScope, token)) {
    if (IsIntegerConstant(c)) {
      NextToken();
      return DecimalValue(ConstantValueText(c));
    }
    if (IsCharConstant(c))
      chars = ConstantValueText(c);
  }
  if (chars.size() == 1) {
    NextToken();
    isChar = true;
    return static_cast<unsigned char>(chars[0]);
  }
  ErrorAt(at, "\"" + token + "\" is not an integer constant");
  if (IsNameOrLiteral(token))
    NextToken(); // punctuation and keywords stay for the rest of the declaration
  return 0;
}

int64_t ReadOrdinalConstant(bool *isChar) {
  bool negative = CurrentToken == "-";
  if (negative)
    NextToken();
  bool wasChar = false;
  int64_t v = ReadUnsignedOrdinal(wasChar);
  if (isChar)
    *isChar = wasChar;
  return negative ? -v : v;
}
