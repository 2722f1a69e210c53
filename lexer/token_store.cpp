// The token store: one list of every kept token, in source order.
#include "lexer/lexer.h"

Token *gTokenHead = nullptr;
Token *TokenCursor = nullptr;
Text CurrentToken = "<EOF>";

void AddToken(HeapText fileName, HeapText lineText, uint16_t line,
              uint8_t column, const Text &text) {
  Token *t = NewRecord<Token>();
  t->text = NewHeapText(text);
  t->pos.fileName = fileName;
  t->pos.line = line;
  t->pos.column = column;
  t->pos.lineText = lineText;
  if (TokenCursor)
    TokenCursor->next = t;
  if (!gTokenHead)
    gTokenHead = t;
  TokenCursor = t;
}

void ClearTokens() {
  gTokenHead = nullptr;
  TokenCursor = nullptr;
}

// Tokens in an inactive conditional section are dropped before counting.
void EmitToken(SourceFile &f, const Text &text) {
  LexerState &lex = *f.lex;
  if ((lex.conditionStates[lex.conditionLevel] & 1) == 0)
    return;
  if (f.lineNumber > 0xFFFF)
    RunTimeStop(kStopLimit, "more than 65535 lines in file " +
                                HeapTextOrEmpty(f.fileName));
  lex.tokens += 1;
  lex.tokenChars += static_cast<uint32_t>(text.size());
  AddToken(f.fileName, f.lineText, static_cast<uint16_t>(f.lineNumber),
           static_cast<uint8_t>(f.tokenStart), text);
}
