// Dropping the subroutines nothing calls any more (optimizing mode).  The
// translator translates every subroutine the source calls, but the direct
// code may then do a call's work in place (write, one-line functions), so
// a subroutine's lines can end up unnamed.  A subroutine's lines run from
// its marked first line to the next subroutine's; it is kept when a kept
// line names one of the labels it defines.  Every line outside the
// subroutines (opening, library, data) is kept and so is the main
// program; asm blocks and data lines name labels like any other line.
#include <cstring>
#include <map>
#include <vector>

#include "codegen_z80/codegen.h"

namespace {

struct Block {
  std::vector<AsmLine *> lines;
  std::vector<Text> words;
  bool kept = false;
};

// An asm block's line is one indented text: its label, if any, stands
// first, followed by ':'.
bool DefinesName(const AsmLine *line, Text &name) {
  Text text = CG_FormatLine(line);
  size_t start = text.find_first_not_of(" \t");
  return start != Text::npos && CG_DefinedName(text.substr(start), name);
}

// A generated comment line (a source line's): the assembler reads no name
// in it.
bool IsComment(const AsmLine *line) {
  HeapText first = line->first;
  return !first || first[0] == 0 || first[1] == ';';
}

// Only a line with a ':' can define a label.
bool MayDefineName(const AsmLine *line) {
  HeapText first = line->first;
  return first && std::memchr(first + 1, ':', first[0]) != nullptr;
}

void Keep(std::vector<Block> &blocks, size_t index, std::vector<size_t> &work) {
  if (!blocks[index].kept) {
    blocks[index].kept = true;
    work.push_back(index);
  }
}

void KeepNamed(std::vector<Block> &blocks, const std::map<Text, size_t> &owner,
               const std::vector<Text> &words, std::vector<size_t> &work) {
  for (const Text &word : words) {
    auto found = owner.find(word);
    if (found != owner.end())
      Keep(blocks, found->second, work);
  }
}

} // namespace

void CG_DropUnusedSubroutines(AsmLine *&list) {
  std::vector<Block> blocks;
  std::vector<Text> rootWords;
  std::map<Text, size_t> owner;
  for (AsmLine *line = CG_FirstLine(list); line; line = line->next) {
    if (line->startsSubr)
      blocks.emplace_back();
    // A comment names nothing, and every label of the program's own holds
    // an underscore: a line without one names no subroutine.
    if (IsComment(line) || !CG_LineMentions(line, "_")) {
      if (!blocks.empty() && !line->fromLibrary)
        blocks.back().lines.push_back(line);
      continue;
    }
    std::vector<Text> words = CG_WordsOf(CG_FormatLine(line));
    Text name;
    if (blocks.empty() || line->fromLibrary) {
      rootWords.insert(rootWords.end(), words.begin(), words.end());
      continue;
    }
    blocks.back().lines.push_back(line);
    blocks.back().words.insert(blocks.back().words.end(), words.begin(), words.end());
    if (MayDefineName(line) && DefinesName(line, name))
      owner.emplace(name, blocks.size() - 1);
  }
  std::vector<size_t> work;
  auto main = owner.find("_main");
  if (main != owner.end())
    Keep(blocks, main->second, work);
  KeepNamed(blocks, owner, rootWords, work);
  while (!work.empty()) {
    size_t index = work.back();
    work.pop_back();
    KeepNamed(blocks, owner, blocks[index].words, work);
  }
  for (const Block &block : blocks)
    if (!block.kept)
      for (AsmLine *line : block.lines)
        CG_RemoveLine(list, line);
}
