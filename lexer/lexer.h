// Lexer and preprocessor: source loading, the token store, the tokenizer,
// directives with conditional compilation, and the token cursor.
#pragma once

#include <cstdint>
#include <fstream>

#include "driver/common.h"

// Where a token came from.  Nodes copy it by value.  fileName and lineText
// are heap texts shared by all tokens of a file / of a line.
#pragma pack(push, 1)
struct SourcePos {
  HeapText fileName;
  uint16_t line;
  uint8_t column;
  HeapText lineText;
};
#pragma pack(pop)

struct Token {
  Token *next;
  HeapText text; // 1 to 255 characters
  SourcePos pos;
};

// ---- Lexer state (one per LexProgram run) ------------------------------------

constexpr int kMaxConditionLevel = 10;
constexpr int kDefinedSymbolSlots = 100;
constexpr size_t kMaxSymbolText = 20;

struct LexerState {
  uint8_t includeDepth;
  uint8_t commentLevel;
  uint8_t parenCommentLevel; // inside (* ... *), which nests the same way
  bool asmMode;
  uint8_t conditionStates[kMaxConditionLevel + 1];
  uint8_t conditionLevel;
  uint32_t lines, chars, tokens, tokenChars;
  bool stackCheck; // {$s+}: every subroutine entry checks the stack
};

// One file being loaded; an include nests a new one inside.
struct SourceFile {
  LexerState *lex;
  std::ifstream file;
  HeapText fileName;
  int32_t lineNumber;
  Text line;
  HeapText lineText;
  uint16_t scanPos;    // 1-based column of the next character
  uint16_t tokenStart; // column where the last normally scanned token began
  Text token;
};

extern LexerState gLex;
extern Text gDefinedSymbols[kDefinedSymbolSlots + 1]; // slots 1..100

// ---- Source files and token store ----------------------------------------------

void LexProgram(const Text &mainFileName);
void LoadSourceFile(LexerState &lex, const Text &name);
Text FindIncludeFile(const Text &name);
void EmitToken(SourceFile &f, const Text &text);
void AddToken(HeapText fileName, HeapText lineText, uint16_t line,
              uint8_t column, const Text &text);
void ClearTokens();
// Back to the state before any LexProgram (token store, symbols, state).
void ResetLexer();

extern Token *gTokenHead;
extern Token *TokenCursor;
extern Text CurrentToken;

// ---- Tokenizer -------------------------------------------------------------

void ScanLine(SourceFile &f);
void DispatchToken(SourceFile &f);
Text ScanToken(uint16_t &pos, const Text &line);
Text ScanHexDigits(uint16_t &pos, const Text &line);
Text ScanIdentifier(uint16_t &pos, const Text &line);
Text ScanStringLiteral(uint16_t &pos, const Text &line);
Text ScanOperator(uint16_t &pos, const Text &line);
void SkipSpaces(uint16_t &pos, const Text &line);
bool IsOperator(const Text &t);

// ---- Directives ------------------------------------------------------------

void ParseDirective(SourceFile &f);

// ---- Token cursor and error report ---------------------------------------------

void FirstToken();
void NextToken();
void Expect(const Text &t);
bool IsReservedWord(const Text &w);
void ErrorAt(const SourcePos &p, const Text &message);

// The current token's position, or an empty position past the last token.
SourcePos CurrentPos();
