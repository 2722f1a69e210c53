// How the peephole pass reads and edits asm lines: shared by the line rules
// (peephole.cpp) and the passes over whole line lists (known_registers.cpp).
#pragma once

#include <initializer_list>
#include <unordered_map>
#include <unordered_set>

#include "codegen_z80/codegen.h"

namespace peephole {

extern AsmLine **gList;                             // the list being rewritten
extern std::unordered_map<Text, AsmLine *> gLabels; // label name -> its line
extern std::unordered_set<const AsmLine *> gPinned; // inside a "$+N" span

Text First(const AsmLine *l);
Text Second(const AsmLine *l);
Text Third(const AsmLine *l);
bool IsComment(const AsmLine *l);
bool IsLabel(const AsmLine *l);
// A generated instruction: a mnemonic alone in the first field.
bool IsInstruction(const AsmLine *l);
bool HasTwoOperands(const AsmLine *l);
bool NamesDollar(const AsmLine *l);
// A line a rule may read, change or remove.
bool IsFree(const AsmLine *l);
bool IsOneOf(const Text &text, std::initializer_list<const char *> words);
Text LabelName(const AsmLine *l);
AsmLine *NewLine(const Text &first, const Text &second, const Text &third);
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
