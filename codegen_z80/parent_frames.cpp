// Dropping the parent-frame slots nobody reads (optimizing mode).  A slot
// serves the subroutines nested in the one that sets it: they load it to
// reach its variables.  Where no line loads it that way (the main
// program's variables lie at fixed addresses under -O; most subroutines
// have no nested ones), setting it at entry, saving it and restoring it at
// exit, and the slot itself are dead weight.
#include <map>
#include <vector>

#include "codegen_z80/codegen.h"

namespace {

struct Slot {
  std::vector<AsmLine *> lines; // what set, save, restore and define it
  bool read = false;
};

Text LineText(const AsmLine *line) { return line ? CG_FormatLine(line) : ""; }

Text SavedByte(int byte) {
  return "(ix+" + DecimalText(kSavedParentFrameOffset + byte) + ")";
}

// The slot a line names, if any.
bool SlotOf(const AsmLine *line, Text &slot) {
  for (const Text &word : CG_WordsOf(CG_FormatLine(line)))
    if (word.compare(0, 11, "parentframe") == 0) {
      slot = word;
      return true;
    }
  return false;
}

// The lines that only write the slot or keep its old value for the exit:
// "parentframeK: defb ...", "ld (parentframeK),ix", the save through hl
// into the frame and the restore from there through bc.
bool OnlyKeepsSlot(AsmLine *line, const Text &slot, std::vector<AsmLine *> &lines) {
  Text text = CutText(CG_FormatLine(line));
  size_t start = text.find_first_not_of(' ');
  text = start == Text::npos ? "" : text.substr(start);
  if (text.compare(0, slot.size() + 1, slot + ":") == 0 || text == "ld (" + slot + "),ix") {
    lines.push_back(line);
    return true;
  }
  if (text == "ld hl,(" + slot + ")" &&
      LineText(line->next) == "   ld " + SavedByte(0) + ",l" && line->next &&
      LineText(line->next->next) == "   ld " + SavedByte(1) + ",h") {
    lines.insert(lines.end(), {line, line->next, line->next->next});
    return true;
  }
  if (text == "ld (" + slot + "),bc" && LineText(line->prev) == "   ld b," + SavedByte(1) &&
      line->prev && LineText(line->prev->prev) == "   ld c," + SavedByte(0)) {
    lines.insert(lines.end(), {line, line->prev, line->prev->prev});
    return true;
  }
  return false;
}

} // namespace

void CG_DropUnreadParentFrames(AsmLine *&list) {
  std::map<Text, Slot> slots;
  Text slot;
  for (AsmLine *line = CG_FirstLine(list); line; line = line->next)
    if (!line->fromLibrary && CG_LineMentions(line, "parentframe") && SlotOf(line, slot) &&
        !OnlyKeepsSlot(line, slot, slots[slot].lines))
      slots[slot].read = true;
  for (auto &[name, found] : slots)
    if (!found.read)
      for (AsmLine *line : found.lines)
        CG_RemoveLine(list, line);
}
