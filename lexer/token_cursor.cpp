// The parser's view of the token store: one cursor moving forward, the
// demand for a token, the reserved-word test and the error report.
#include "lexer/lexer.h"

static void SetCurrentToken() {
  CurrentToken = TokenCursor ? HeapTextOrEmpty(TokenCursor->text) : Text("<EOF>");
}

static void StepCursor() {
  if (TokenCursor)
    TokenCursor = TokenCursor->next;
  SetCurrentToken();
}

// A stored "{$" can only be an asm line holding nothing else; it and the
// token after it are shown and passed over.  The program loses them, so
// this counts as an error.
static void SkipDirectiveMarkers() {
  while (CurrentToken == "{$") {
    StepCursor();
    Text t = CurrentToken;
    ReportErrorLine("directive");
    Con() << t << '\n';
    if (!(t.size() >= 2 && t[0] == 'r' && t[1] == ' '))
      StepCursor();
  }
}

void FirstToken() {
  TokenCursor = gTokenHead;
  SetCurrentToken();
  SkipDirectiveMarkers();
}

void NextToken() {
  StepCursor();
  SkipDirectiveMarkers();
}

SourcePos CurrentPos() { return TokenCursor ? TokenCursor->pos : SourcePos{}; }

void Expect(const Text &t) {
  if (CurrentToken == t) {
    NextToken();
    return;
  }
  Text message = CutText("\"" + t + "\" expected, but \"" + CurrentToken + "\" found");
  ErrorAt(CurrentPos(), message);
  StopCompiler(1);
}

bool IsReservedWord(const Text &w) {
  static const Text kDeclarationWords = " const type var array of procedure function ";
  static const Text kStatementWords =
      " begin end if then else do while repeat until for to downto ";
  Text probe = " " + w + " ";
  return kDeclarationWords.find(probe) != Text::npos ||
         kStatementWords.find(probe) != Text::npos;
}

void ErrorAt(const SourcePos &p, const Text &message) {
  CountError();
  Con() << CutText("Error at " + PositionText(p) + ": " + message) << '\n';
  if (!p.lineText)
    return;
  Con() << HeapTextOrEmpty(p.lineText) << '\n';
  int spaces = p.column > 1 ? p.column - 1 : 0;
  Con() << Text(static_cast<size_t>(spaces), ' ') << "^\n";
}
