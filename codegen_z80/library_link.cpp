// Linking only the reached run-time routines (optimizing mode).  The
// library text is cut into pieces at its global labels (names that start
// with "__"); a piece is kept when the program lines name it, or a kept
// piece names it, or a kept piece falls through into it.  The data in
// front of the library's first instruction is always kept in its place:
// programs reach false, true and randseed there by absolute address.
#include <cctype>
#include <map>
#include <string_view>
#include <vector>

#include "codegen_z80/codegen.h"

namespace {

// One piece: its library lines [first, end), the global names it defines,
// the "__" words its instructions name and whether it runs on into the
// next piece.
struct Piece {
  size_t first = 0;
  size_t end = 0;
  std::vector<Text> names;
  std::vector<Text> references;
  bool fallsThrough = true; // also a label with no line of its own
  bool hasInstruction = false;
};

// The line without its comment; quoted texts are kept apart so that a ';'
// in a defm string does not cut the line.
Text WithoutComment(const Text &line) {
  char quote = 0;
  for (size_t i = 0; i < line.size(); i++) {
    char c = line[i];
    if (quote) {
      if (c == quote)
        quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == ';') {
      return line.substr(0, i);
    }
  }
  return line;
}

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// The words of a line outside quoted texts and comments.
std::vector<Text> WordsOf(const Text &line) {
  Text code = WithoutComment(line);
  std::vector<Text> words;
  char quote = 0;
  size_t i = 0;
  while (i < code.size()) {
    char c = code[i];
    if (quote) {
      quote = c == quote ? 0 : quote;
      i++;
    } else if (c == '"' || c == '\'') {
      quote = c;
      i++;
    } else if (IsWordChar(c)) {
      size_t start = i;
      while (i < code.size() && IsWordChar(code[i]))
        i++;
      words.push_back(code.substr(start, i - start));
    } else {
      i++;
    }
  }
  return words;
}

bool IsGlobalName(const Text &word) { return word.size() > 2 && word.compare(0, 2, "__") == 0; }

bool IsBlank(const Text &line) { return WithoutComment(line).find_first_not_of(" \t") == Text::npos; }

// "name:" at the start of a line (labels stand alone on their line).
bool LabelOf(const Text &line, Text &name) {
  Text code = WithoutComment(line);
  size_t end = code.find_last_not_of(" \t");
  if (code.empty() || !IsWordChar(code[0]) || end == Text::npos || code[end] != ':')
    return false;
  name = code.substr(0, end);
  return true;
}

// "name equ value" (or ".equ", "=") at the start of a line, or the
// directive first: ".equ name, value".
bool EquateOf(const Text &line, Text &name) {
  std::vector<Text> words = WordsOf(line);
  Text code = WithoutComment(line);
  size_t start = code.find_first_not_of(" \t");
  if (start != Text::npos && code.compare(start, 5, ".equ ") == 0 && words.size() >= 2 &&
      words[0] == "equ") { // the dot is no word character
    name = words[1];
    return true;
  }
  if (line.empty() || !IsWordChar(line[0]) || words.size() < 2)
    return false;
  size_t after = code.find_first_not_of(" \t", words[0].size());
  if (after == Text::npos)
    return false;
  if (code[after] == '=' || code.compare(after, 4, "equ ") == 0 ||
      code.compare(after, 5, ".equ ") == 0) {
    name = words[0];
    return true;
  }
  return false;
}

bool StartsGlobalPiece(const Text &line, Text &name) {
  return (LabelOf(line, name) || EquateOf(line, name)) && IsGlobalName(name);
}

bool IsData(const Text &mnemonic) {
  static const char *const kData[] = {"defb", "defw", "defm", "defs", "db", "dw", "ds",
                                      ".byte", ".word", ".long", ".ascii", ".asciz"};
  for (const char *data : kData)
    if (mnemonic == data)
      return true;
  return false;
}

// An instruction after which the next line is never run: ret, jp or jr
// without a condition, or data (which is never run at all).
bool EndsFlow(const Text &line) {
  Text code = WithoutComment(line);
  size_t start = code.find_first_not_of(" \t");
  size_t space = code.find_first_of(" \t", start);
  Text mnemonic = code.substr(start, space == Text::npos ? Text::npos : space - start);
  Text operands = space == Text::npos ? "" : code.substr(space);
  bool oneOperand = operands.find(',') == Text::npos;
  if (mnemonic == "ret" || mnemonic == "reti" || mnemonic == "retn")
    return operands.find_first_not_of(" \t") == Text::npos;
  if (mnemonic == "jp" || mnemonic == "jr")
    return oneOperand;
  return IsData(mnemonic);
}

// The library's lines from the first global label on, cut into pieces; a
// piece also takes the comments and blank lines just above its label.
std::vector<Piece> CutIntoPieces(const std::vector<Text> &library) {
  std::vector<Piece> pieces;
  Text name;
  for (size_t i = 0; i < library.size(); i++) {
    if (StartsGlobalPiece(library[i], name)) {
      size_t start = i;
      while (start > 0 && IsBlank(library[start - 1]))
        start--;
      if (!pieces.empty() && pieces.back().end > start)
        pieces.back().end = start;
      Piece piece;
      piece.first = start;
      pieces.push_back(piece);
    }
    if (pieces.empty())
      continue;
    Piece &piece = pieces.back();
    piece.end = i + 1;
    if (StartsGlobalPiece(library[i], name)) {
      piece.names.push_back(name);
      Text equated;
      if (EquateOf(library[i], equated)) {
        std::vector<Text> words = WordsOf(library[i]);
        piece.references.insert(piece.references.end(), words.begin() + 1, words.end());
        piece.fallsThrough = false;
      }
    } else if (!IsBlank(library[i]) && !LabelOf(library[i], name)) {
      std::vector<Text> words = WordsOf(library[i]);
      piece.references.insert(piece.references.end(), words.begin(), words.end());
      piece.fallsThrough = !EndsFlow(library[i]);
      piece.hasInstruction = piece.hasInstruction || !IsData(words.empty() ? "" : words[0]);
    }
  }
  return pieces;
}

void KeepPiece(const std::vector<Piece> &pieces, size_t index, std::vector<bool> &kept,
               std::vector<size_t> &work) {
  if (index < pieces.size() && !kept[index]) {
    kept[index] = true;
    work.push_back(index);
  }
}

} // namespace

std::vector<Text> CG_WordsOf(const Text &line) { return WordsOf(line); }

bool CG_DefinedName(const Text &line, Text &name) {
  return LabelOf(line, name) || EquateOf(line, name);
}

std::vector<bool> CG_ReachedLibraryLines(const std::vector<Text> &library,
                                         const std::vector<Text> &program) {
  std::vector<Piece> pieces = CutIntoPieces(library);
  std::vector<bool> keep(library.size(), true);
  if (pieces.empty())
    return keep;
  std::map<Text, size_t> owner;
  for (size_t i = 0; i < pieces.size(); i++)
    for (const Text &name : pieces[i].names)
      owner.emplace(name, i);

  std::vector<bool> kept(pieces.size(), false);
  std::vector<size_t> work;
  for (size_t i = 0; i < pieces.size() && !pieces[i].hasInstruction; i++)
    KeepPiece(pieces, i, kept, work);
  for (const Text &line : program)
    for (const Text &word : WordsOf(line))
      if (IsGlobalName(word) && owner.count(word))
        KeepPiece(pieces, owner[word], kept, work);
  while (!work.empty()) {
    size_t index = work.back();
    work.pop_back();
    if (pieces[index].fallsThrough)
      KeepPiece(pieces, index + 1, kept, work);
    for (const Text &word : pieces[index].references)
      if (IsGlobalName(word) && owner.count(word))
        KeepPiece(pieces, owner[word], kept, work);
  }
  for (size_t i = 0; i < pieces.size(); i++)
    for (size_t line = pieces[i].first; line < pieces[i].end; line++)
      keep[line] = kept[i];
  return keep;
}

// Whether a field has "__" in it: only then can a word of it be a global
// name.  Most program lines have none and are not formatted at all.
static bool HasGlobalPrefix(HeapText field) {
  if (!field)
    return false;
  std::string_view text(reinterpret_cast<const char *>(field + 1), field[0]);
  return text.find("__") != std::string_view::npos;
}

// The library lines are the ones CG_CopyLibrary marked; every other line
// of the list is a root.
void CG_LinkReachedLibrary(AsmLine *&list) {
  std::vector<Text> library, program;
  std::vector<AsmLine *> libraryLines;
  for (AsmLine *line = CG_FirstLine(list); line; line = line->next) {
    if (line->fromLibrary) {
      library.push_back(HeapTextOrEmpty(line->first));
      libraryLines.push_back(line);
    } else if (HasGlobalPrefix(line->first) || HasGlobalPrefix(line->second) ||
               HasGlobalPrefix(line->third)) {
      program.push_back(CG_FormatLine(line));
    }
  }
  std::vector<bool> keep = CG_ReachedLibraryLines(library, program);
  for (size_t i = 0; i < libraryLines.size(); i++)
    if (!keep[i])
      CG_RemoveLine(list, libraryLines[i]);
}
