// The tokenizer: cuts one source line into tokens and acts on comments,
// directive openers and asm blocks.
#include <string_view>

#include "lexer/lexer.h"

// Every operator and punctuation item, each followed by one space ("{" twice).
static const char kOperatorTable[] =
    "@ ^ ; // { > < = <> >= <= ( ) [ ] { } + - * / ' := : , . $ {$ .. (* ";

static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
static bool IsHexDigit(char c) {
  return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
static bool IsIdentStart(char c) {
  return c == '_' || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
static bool IsIdentChar(char c) { return IsIdentStart(c) || IsDigit(c); }

// Columns are 1-based: the character at column pos is line[pos - 1].
static bool AtEnd(uint16_t pos, const Text &line) { return pos > line.size(); }
static char At(uint16_t pos, const Text &line) { return line[pos - 1]; }

// t followed by a blank somewhere in the table.  Searched in place: the
// tokenizer asks this for every character of every operator.
bool IsOperator(const Text &t) {
  static const std::string_view table(kOperatorTable);
  for (size_t at = table.find(t); at != std::string_view::npos; at = table.find(t, at + 1))
    if (at + t.size() < table.size() && table[at + t.size()] == ' ')
      return true;
  return false;
}

void SkipSpaces(uint16_t &pos, const Text &line) {
  while (!AtEnd(pos, line) && At(pos, line) == ' ')
    pos++;
}

Text ScanHexDigits(uint16_t &pos, const Text &line) {
  Text t;
  while (!AtEnd(pos, line) && IsHexDigit(At(pos, line)))
    t += At(pos++, line);
  return t;
}

// Identifiers and keywords are case-insensitive: stored in lower case.
Text ScanIdentifier(uint16_t &pos, const Text &line) {
  Text t;
  while (!AtEnd(pos, line) && IsIdentChar(At(pos, line))) {
    char c = At(pos++, line);
    t += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
  }
  return t;
}

// Longest run that stays an operator at every step: "<>", ":=", "..", "{$".
Text ScanOperator(uint16_t &pos, const Text &line) {
  Text t;
  while (!AtEnd(pos, line) && IsOperator(t + At(pos, line)))
    t += At(pos++, line);
  return t;
}

// One quoted segment: the opening quote, the characters up to the next
// quote, and the closing quote (supplied when the line ends first).  Two
// quotes right after the opening one are kept and do not end the segment.
static void ScanQuotedSegment(uint16_t &pos, const Text &line, Text &t) {
  t += '\'';
  pos++;
  if (!AtEnd(pos + 1, line) && At(pos, line) == '\'' && At(pos + 1, line) == '\'') {
    t += "''";
    pos += 2;
  }
  while (!AtEnd(pos, line) && At(pos, line) != '\'')
    t += At(pos++, line);
  t += '\'';
  if (!AtEnd(pos, line))
    pos++;
}

// A literal run: quoted segments and "#" character codes with nothing
// between them, kept as written.
Text ScanStringLiteral(uint16_t &pos, const Text &line) {
  Text t;
  while (!AtEnd(pos, line)) {
    char c = At(pos, line);
    if (c == '\'') {
      ScanQuotedSegment(pos, line, t);
    } else if (c == '#') {
      t += '#';
      pos++;
      t += ScanHexDigits(pos, line);
    } else {
      break;
    }
  }
  return t;
}

[[noreturn]] static void StopOnInvalidChar(const Text &line) {
  Con() << "\n>> invalid char\n" << line << '\n';
  StopCompiler(1);
}

Text ScanToken(uint16_t &pos, const Text &line) {
  if (AtEnd(pos, line))
    return "";
  char c = At(pos, line);
  if (IsDigit(c))
    return ScanHexDigits(pos, line);
  if (IsIdentStart(c))
    return ScanIdentifier(pos, line);
  if (c == '\'' || c == '#')
    return ScanStringLiteral(pos, line);
  if (IsOperator(CharText(c)))
    return ScanOperator(pos, line);
  StopOnInvalidChar(line);
}

static void OpenComment(uint8_t &level) {
  if (level == 255)
    RunTimeStop(kStopLimit, "more than 255 nested comments");
  level += 1;
}

void DispatchToken(SourceFile &f) {
  const Text &t = f.token;
  if (t == "{$") {
    ParseDirective(f);
  } else if (t == "//") {
    f.scanPos = static_cast<uint16_t>(f.line.size() + 1);
  } else if (t == "{") {
    OpenComment(f.lex->commentLevel);
  } else if (t == "(*") {
    OpenComment(f.lex->parenCommentLevel);
  } else if (t == "asm") {
    EmitToken(f, t);
    f.lex->asmMode = true;
    f.scanPos = static_cast<uint16_t>(f.line.size() + 1);
  } else if (!t.empty()) {
    EmitToken(f, t);
  }
}

// Inside a brace comment only braces count; they nest.
static void ScanCommentChar(SourceFile &f) {
  char c = At(f.scanPos, f.line);
  if (c == '{')
    OpenComment(f.lex->commentLevel);
  else if (c == '}')
    f.lex->commentLevel -= 1;
  f.scanPos++;
}

// Inside a (* comment only "(*" and "*)" count, nesting like braces; a
// brace there is text, as "(*" is inside a brace comment.
static void ScanParenCommentChar(SourceFile &f) {
  Text pair = f.line.substr(f.scanPos - 1, 2);
  if (pair == "(*") {
    OpenComment(f.lex->parenCommentLevel);
    f.scanPos += 2;
  } else if (pair == "*)") {
    f.lex->parenCommentLevel -= 1;
    f.scanPos += 2;
  } else {
    f.scanPos++;
  }
}

// In an asm block each line is one token, until a line containing "end;",
// which is then scanned again as source text: from its first column, since
// asm mode is met there at the start of a line.  Only an include that ends
// inside an asm block switches it on in the middle of a line (the asm
// keyword skips the rest of its own line); such a line goes on from where
// the include left it, as from its first column it would run the include
// again, and again.
static void ScanAsmLine(SourceFile &f) {
  if (f.line.find("end;") != Text::npos) {
    f.lex->asmMode = false; // the scan position is still where asm mode was met
    return;
  }
  EmitToken(f, f.line);
  f.scanPos = static_cast<uint16_t>(f.line.size() + 1);
}

void ScanLine(SourceFile &f) {
  f.scanPos = 1;
  while (!AtEnd(f.scanPos, f.line)) {
    if (f.lex->commentLevel > 0) {
      ScanCommentChar(f);
    } else if (f.lex->parenCommentLevel > 0) {
      ScanParenCommentChar(f);
    } else if (f.lex->asmMode) {
      ScanAsmLine(f);
    } else {
      SkipSpaces(f.scanPos, f.line);
      f.tokenStart = f.scanPos;
      f.token = ScanToken(f.scanPos, f.line);
      DispatchToken(f);
    }
  }
}
