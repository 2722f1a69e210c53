// Loading source files line by line, the include search, the include tree
// on the console and the "LEX stat" block.
#include <filesystem>
#include <system_error>

#include "lexer/lexer.h"

LexerState gLex;

void ResetLexer() {
  gLex = LexerState{};
  for (Text &slot : gDefinedSymbols)
    slot.clear();
  ClearTokens();
  CurrentToken = "<EOF>";
}

void LexProgram(const Text &mainFileName) {
  gLex.includeDepth = 0;
  gLex.commentLevel = 0;
  gLex.parenCommentLevel = 0;
  gLex.asmMode = false;
  gLex.stackCheck = false;
  gLex.conditionLevel = 0;
  gLex.conditionStates[0] = 1;
  for (Text &slot : gDefinedSymbols)
    slot.clear();
  gDefinedSymbols[1] = "tarn";
  gDefinedSymbols[2] = "make_debugout";
  gDefinedSymbols[3] = "target_z80";
  // A machine with a system to go back to (CP/M, the Spectrum) is named
  // too: the library's fixed addresses and its halt depend on it.
  if (gOptions.target != kTargetFlat) {
    gDefinedSymbols[4] = Text("target_") + TargetName(gOptions.target);
    gDefinedSymbols[5] = "target_os";
  }
  gLex.lines = gLex.chars = gLex.tokens = gLex.tokenChars = 0;
  ClearTokens();

  LoadSourceFile(gLex, mainFileName);

  Con() << "\nLEX stat\n";
  Con() << "before: " << gLex.lines << " lines, " << gLex.chars << " chars\n";
  Con() << "after: " << gLex.tokens << " tokens, " << gLex.tokenChars << " chars\n\n";
}

// Editors may start a UTF-8 file with a byte-order mark; it is no text.
static void SkipByteOrderMark(Text &line) {
  if (line.compare(0, 3, "\xEF\xBB\xBF") == 0)
    line.erase(0, 3);
}

void LoadSourceFile(LexerState &lex, const Text &name) {
  if (lex.includeDepth == 255)
    RunTimeStop(kStopLimit, "more than 255 source files open at once (including " +
                                name + ")");
  lex.includeDepth += 1;
  Text tree;
  for (int i = 1; i < lex.includeDepth; i++)
    tree += "|   ";
  Con() << tree << "\\__ " << name << '\n';

  SourceFile f;
  f.lex = &lex;
  f.fileName = NewHeapText(name);
  f.tokenStart = 1;
  OpenTextFile(f.file, name);
  f.lineNumber = 0;
  while (ReadTextLine(f.file, f.line, name, f.lineNumber + 1)) {
    f.lineNumber += 1;
    if (f.lineNumber == 1)
      SkipByteOrderMark(f.line);
    lex.lines += 1;
    lex.chars += static_cast<uint32_t>(f.line.size());
    for (char &c : f.line)
      if (c == '\t')
        c = ' ';
    f.lineText = NewHeapText(f.line);
    ScanLine(f);
  }
  f.file.close();
  lex.includeDepth -= 1;
}

// A device or a FIFO is taken, so that loading refuses it by its name
// (reading one could block or never end); a folder is passed over.
static bool IsCandidate(const Text &path) {
  if (FileReadable(path))
    return true;
  std::error_code ec;
  auto type = std::filesystem::status(path, ec).type();
  return !ec && type != std::filesystem::file_type::not_found &&
         type != std::filesystem::file_type::directory;
}

// Candidates: the main file's directory, the fixed library folders, and
// last the bare name.  Only "/" separates directories.
Text FindIncludeFile(const Text &name) {
  static const char *const kFolders[] = {
      "lib/", "inc/", "inc2/", "inc/rtl/", "inc/generated/", "inc/trans/",
      "inc_cg/pic18/", "inc_cg/pic18/asm/", "rtl/", ""};
  size_t slash = gFirstArgument.rfind('/');
  Text mainDir = slash == std::string::npos ? "" : gFirstArgument.substr(0, slash + 1);
  Text candidate = CutText(mainDir + name);
  if (IsCandidate(candidate))
    return candidate;
  for (const char *folder : kFolders) {
    candidate = CutText(folder + name);
    if (IsCandidate(candidate))
      return candidate;
  }
  Con() << "File " << name << " not found.\n";
  return "";
}
