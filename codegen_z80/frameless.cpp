// Subroutines without a frame (optimizing mode).  A subroutine whose lines
// never address its frame (no parameter, local or temporary read through
// ix, no parent-frame slot set from ix, no asm line naming ix) needs
// neither the frame pointer nor the local area: the lines that build and
// drop them are removed.  ix is then left as the caller had it, which is
// all a caller expects.
#include <vector>

#include "codegen_z80/codegen.h"

namespace {

// The instruction text of a line, without indentation and comment; empty
// for a label or a comment.
Text Instruction(const AsmLine *line) {
  if (!line || line->fromLibrary)
    return "";
  Text text = CG_FormatLine(line);
  std::vector<Text> words = CG_WordsOf(text);
  Text name;
  if (words.empty() || CG_DefinedName(text, name))
    return "";
  size_t start = text.find_first_not_of(" \t");
  size_t end = text.find(';');
  text = text.substr(start, end == Text::npos ? Text::npos : end - start);
  return CutText(text.substr(0, text.find_last_not_of(" \t") + 1));
}

bool NamesIX(const AsmLine *line) {
  for (const Text &word : CG_WordsOf(CG_FormatLine(line)))
    if (word == "ix")
      return true;
  return false;
}

bool IsNthAfter(const AsmLine *line, int n, const Text &text) {
  for (int i = 0; i < n && line; i++)
    line = line->next;
  return line && Instruction(line) == text;
}

// The frame lines of one subroutine, [first, end): its prologue (with the
// pushed last argument and the local area when it has them) and every "ld sp,ix / pop ix"; false when a
// line needs the frame.
bool FrameLines(AsmLine *first, AsmLine *end, std::vector<AsmLine *> &lines) {
  AsmLine *entry = first;
  while (entry != end && Instruction(entry).empty())
    entry = entry->next;
  if (entry == end || Instruction(entry) != "push ix" || !IsNthAfter(entry, 1, "ld ix,0") ||
      !IsNthAfter(entry, 2, "add ix,sp"))
    return false;
  AsmLine *after = entry->next->next->next;
  lines = {entry, entry->next, entry->next->next};
  // A last argument that came in hl is pushed right after the frame
  // pointer is set (a statement's lines start with its source comment).
  if (after != end && Instruction(after) == "push hl") {
    lines.push_back(after);
    after = after->next;
  }
  if (Instruction(after).compare(0, 7, "ld hl,-") == 0 && IsNthAfter(after, 1, "add hl,sp") &&
      IsNthAfter(after, 2, "ld sp,hl"))
    lines.insert(lines.end(), {after, after->next, after->next->next});
  for (AsmLine *line = after; line != end; line = line->next) {
    if (!NamesIX(line))
      continue;
    if (Instruction(line) != "ld sp,ix" || !IsNthAfter(line, 1, "pop ix"))
      return false;
    lines.insert(lines.end(), {line, line->next});
    line = line->next;
  }
  return true;
}

} // namespace

void CG_DropUnneededFrames(AsmLine *&list) {
  std::vector<AsmLine *> starts;
  for (AsmLine *line = CG_FirstLine(list); line; line = line->next)
    if (line->startsSubr)
      starts.push_back(line);
  std::vector<AsmLine *> lines;
  for (size_t i = 0; i < starts.size(); i++) {
    AsmLine *end = i + 1 < starts.size() ? starts[i + 1] : nullptr;
    if (!FrameLines(starts[i], end, lines))
      continue;
    CG_UseRule("frameless");
    for (AsmLine *line : lines)
      CG_RemoveLine(list, line);
  }
}
