// Compiler directives: {$define}, {$undef}, {$ifdef}, {$ifndef}, {$else},
// {$endif}, {$i file} and the stack check {$s+} / {$s-}, applied while
// lexing.  Directive names are read in any letter case; any other
// directive is ignored with a note.
#include "lexer/lexer.h"

Text gDefinedSymbols[kDefinedSymbolSlots + 1];

static bool IsDefined(const Text &symbol) {
  for (int i = 1; i <= kDefinedSymbolSlots; i++)
    if (gDefinedSymbols[i] == symbol)
      return true;
  return false;
}

static void DefineSymbol(const Text &symbol) {
  for (int i = 1; i <= kDefinedSymbolSlots; i++) {
    if (gDefinedSymbols[i].empty()) {
      gDefinedSymbols[i] = CutText(symbol, kMaxSymbolText);
      return;
    }
  }
  RunTimeStop(kStopLimit, "more than 100 defined symbols (defining " + symbol + ")");
}

static void UndefineSymbol(const Text &symbol) {
  for (int i = 1; i <= kDefinedSymbolSlots; i++)
    if (gDefinedSymbols[i] == symbol)
      gDefinedSymbols[i].clear();
}

// Opens a conditional section whose state is 1 (active) or 0.
static void OpenSection(LexerState &lex, bool holds) {
  if (lex.conditionLevel == kMaxConditionLevel)
    RunTimeStop(kStopLimit, "more than 10 nested conditional sections");
  lex.conditionLevel += 1;
  lex.conditionStates[lex.conditionLevel] = holds ? 1 : 0;
}

// Each "else" adds 3, flipping the lowest bit; a second one is an error.
static void ElseSection(LexerState &lex) {
  uint8_t &state = lex.conditionStates[lex.conditionLevel];
  if (state > 1)
    ReportErrorLine("ifdef error");
  if (state > 255 - 3)
    RunTimeStop(kStopLimit, "too many {$else} directives in one conditional section");
  state += 3;
}

static void CloseSection(LexerState &lex) {
  if (lex.conditionLevel == 0)
    RunTimeStop(kStopLimit, "{$endif} without an open conditional section");
  lex.conditionLevel -= 1;
}

static void IncludeFile(LexerState &lex, const Text &name) {
  if ((lex.conditionStates[lex.conditionLevel] & 1) == 0)
    return;
  Text path = FindIncludeFile(name);
  if (path.empty())
    RunTimeStop(kStopFileNotFound, "include file not found: " + name);
  LoadSourceFile(lex, path);
}

// The last {$s+} or {$s-} of the program decides for all its subroutines.
static void SetStackCheck(LexerState &lex, bool on) {
  if ((lex.conditionStates[lex.conditionLevel] & 1) != 0)
    lex.stackCheck = on;
}

static Text LowerCase(Text t) {
  for (char &c : t)
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c + 32);
  return t;
}

// Switches and settings of other Pascal compilers ({$R+}, {$mode objfpc})
// change nothing here; the note names the directive as written.  A
// section whose condition failed ignores them silently.
static void IgnoreDirective(SourceFile &f, const Text &written) {
  if ((f.lex->conditionStates[f.lex->conditionLevel] & 1) == 0)
    return;
  SourcePos at{f.fileName, static_cast<uint16_t>(f.lineNumber),
               static_cast<uint8_t>(f.tokenStart), f.lineText};
  Con() << "ignored directive " << written << " at " << PositionText(at) << '\n';
}

// Reads "name argument}" from the scan position (just after "{$") and
// applies it.  The name's letter case does not count ({$IFDEF X} is
// {$ifdef X}); the argument's does.
void ParseDirective(SourceFile &f) {
  const Text &line = f.line;
  size_t i = f.scanPos - 1; // 0-based index into the line
  Text name, argument;
  while (i < line.size() && line[i] != ' ' && line[i] != '}')
    name += line[i++];
  while (i < line.size() && line[i] == ' ')
    i++;
  while (i < line.size() && line[i] != '}')
    argument += line[i++];
  if (i < line.size())
    i++; // past "}"
  Text written = f.line.substr(f.tokenStart - 1, i - (f.tokenStart - 1));
  f.scanPos = static_cast<uint16_t>(i + 1);

  LexerState &lex = *f.lex;
  name = LowerCase(name);
  if (name == "define")
    DefineSymbol(argument);
  else if (name == "undef")
    UndefineSymbol(argument);
  else if (name == "ifdef")
    OpenSection(lex, IsDefined(argument));
  else if (name == "ifndef")
    OpenSection(lex, !IsDefined(argument));
  else if (name == "else")
    ElseSection(lex);
  else if (name == "endif")
    CloseSection(lex);
  else if (name == "i")
    IncludeFile(lex, argument);
  else if (name == "s+" || name == "s-")
    SetStackCheck(lex, name == "s+");
  else
    IgnoreDirective(f, written);
}
