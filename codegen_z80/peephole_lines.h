// How the peephole pass reads and edits asm lines: shared by the line rules
// (peephole.cpp) and the passes over whole line lists (known_registers.cpp).
// Fields are read in place as views of their arena texts, which live as long
// as the compilation (removed lines included): the pass reads every field
// of every line several times, and copies would cost most of its time.
#pragma once

#include <initializer_list>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "codegen_z80/codegen.h"

namespace peephole {

using View = std::string_view;

extern AsmLine **gList;                             // the list being rewritten
extern std::unordered_map<View, AsmLine *> gLabels; // label name -> its line
extern std::unordered_set<const AsmLine *> gPinned; // inside a "$+N" span

// The line predicates are inline: they run for every line of every walk.
inline View ViewOf(HeapText h) {
  return h ? View(reinterpret_cast<const char *>(h + 1), h[0]) : View();
}
inline View First(const AsmLine *l) { return ViewOf(l->first); }
inline View Second(const AsmLine *l) { return ViewOf(l->second); }
inline View Third(const AsmLine *l) { return ViewOf(l->third); }
inline bool IsComment(const AsmLine *l) {
  View first = First(l);
  return first.empty() || first[0] == ';';
}
inline bool IsLabel(const AsmLine *l) {
  View first = First(l);
  return !first.empty() && first.back() == ':';
}
// A generated instruction: a mnemonic alone in the first field.  Whole
// texts (asm blocks, skeleton lines) have a space in it.
inline bool IsInstruction(const AsmLine *l) {
  View first = First(l);
  if (l->fromLibrary || first.empty() || first[0] == ';' || first.back() == ':')
    return false;
  for (char c : first)
    if (c == ' ' || c == '\t')
      return false;
  return true;
}
inline bool HasTwoOperands(const AsmLine *l) { return l->third != nullptr; }
inline bool Contains(View text, char c) {
  for (char t : text)
    if (t == c)
      return true;
  return false;
}
inline bool NamesDollar(const AsmLine *l) {
  return Contains(Second(l), '$') || Contains(Third(l), '$');
}
// A line a rule may read, change or remove.
bool IsFree(const AsmLine *l);
// Inline with a plain character loop: rules and walks ask this of every
// mnemonic, and a library compare call per word costs more than the words.
inline bool IsOneOf(View text, std::initializer_list<View> words) {
  for (View w : words) {
    if (w.size() != text.size())
      continue;
    size_t i = 0;
    while (i < w.size() && w[i] == text[i])
      i++;
    if (i == w.size())
      return true;
  }
  return false;
}
View LabelName(const AsmLine *l);
AsmLine *NewLine(View first, View second, View third);
AsmLine *InsertAfter(AsmLine *at, AsmLine *line);
void Remove(AsmLine *l);
// Finds the labels and the lines inside "$+N" spans of the list from first.
void PinDollarSpans(AsmLine *first);
// The length of a "$+N" jump's span, or -1 for any other use of "$".
int DollarSpan(const AsmLine *l);

} // namespace peephole

// The known-registers pass: loads of what a register already holds go.
// True when it changed a line.
bool CG_KnownRegisters(AsmLine *&list);
void ResetKnownRegisters();
