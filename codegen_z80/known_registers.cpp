// The known-registers pass of the peephole: what a, bc, de and hl are known
// to hold at each generated line (a constant, or the contents of a fixed
// memory operand such as (__globals+4)), found forward over the whole list
// and through jumps; then a load of what the register already holds goes,
// a word load of what another pair holds becomes two register copies, and
// a store of what the memory already holds goes.  Registers, memory and
// flags stay what they were at every line that is kept.
//
// What is known is forgotten conservatively: any line the pass cannot read
// (library lines, asm-block texts, unknown instructions, call, rst) forgets
// everything; a store through a register or into the frame forgets every
// memory operand; a store to a fixed operand forgets those it may overlap.
// At a label, what is known is what holds on every way in: the fall-through
// and every jump to it, found iteratively over loops.  A label named by any
// other line (a call, a load of its address, a library line or asm block)
// can be entered from anywhere: nothing is known there.  Loads from numeric
// addresses are never taken as known: they may be ports or system
// variables that change by themselves.
#include <algorithm>
#include <bitset>
#include <string>
#include <unordered_map>
#include <vector>

#include "codegen_z80/peephole_lines.h"

using namespace peephole;

namespace {

constexpr int kSlots = 4;     // a, bc, de, hl
constexpr int kNoSlot = -1;
constexpr size_t kMaxHeld = 6; // values remembered per register

// The values one register is known to hold, as views of line texts (or
// of literals): a fixed array, since facts are copied at every label.
struct Held {
  size_t count = 0;
  View values[kMaxHeld];

  const View *begin() const { return values; }
  const View *end() const { return values + count; }
  size_t size() const { return count; }
  void clear() { count = 0; }
  void push_back(View v) { values[count++] = v; }
};

// What each register is known to hold; unreached before any way in is seen.
struct Known {
  bool reached = false;
  Held held[kSlots];
};

struct LabelInfo {
  Known in;          // met over the jumps to the label
  bool open = false; // may be entered from elsewhere: nothing is known
};

std::unordered_map<View, LabelInfo> gLabelIn;
std::bitset<256> gLabelStarts; // the first characters of the labels' names
// A rewrite the facts of a walk allow: line goes, replaced by two copies
// from the pair in slot copyFrom when that is not kNoSlot.
struct Rewrite {
  AsmLine *line;
  int slot;
  int copyFrom;
};

std::vector<Rewrite> gRewrites; // found by the current walk
bool gChanged = false; // a label's facts shrank during the walk

const View kSlotNames[kSlots] = {"a", "bc", "de", "hl"};

int SlotOf(View reg) {
  if (reg == "a")
    return 0;
  if (reg == "bc" || reg == "b" || reg == "c")
    return 1;
  if (reg == "de" || reg == "d" || reg == "e")
    return 2;
  if (reg == "hl" || reg == "h" || reg == "l")
    return 3;
  return kNoSlot;
}

// The slot a whole register names (a, bc, de, hl), not one of its halves.
int WholeSlotOf(View reg) {
  int slot = SlotOf(reg);
  return slot != kNoSlot && reg == kSlotNames[slot] ? slot : kNoSlot;
}

bool IsRegisterName(View t) {
  return t.size() <= 3 && IsOneOf(t, {"a", "b", "c", "d", "e", "h", "l", "i", "r", "f", "af", "af'", "bc", "de",
                     "hl", "sp", "ix", "iy", "ixh", "ixl", "iyh", "iyl"});
}

bool IsMemory(View t) { return t.size() > 2 && t.front() == '(' && t.back() == ')'; }

// A memory operand at a symbol's fixed address, e.g. (__globals+4): not
// through a register, not a numeric address.
bool IsFixedMemory(View t) {
  if (!IsMemory(t))
    return false;
  View inner = t.substr(1, t.size() - 2);
  char c = inner[0];
  bool symbol = c == '_' || c == '.' || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  return symbol && !IsRegisterName(inner) && inner.substr(0, 2) != "ix" &&
         inner.substr(0, 2) != "iy";
}

bool IsConstant(View t) {
  return !t.empty() && !IsMemory(t) && !IsRegisterName(t) && t.find_first_of(" \t$") == View::npos;
}

// A fixed operand as a symbol and a byte offset: (__globals+6+2) is
// __globals at 8.  False when the offset is not a sum of decimal numbers.
bool SplitOperand(View t, View &base, long &offset) {
  View inner = IsMemory(t) ? t.substr(1, t.size() - 2) : t;
  size_t at = inner.find_first_of("+-");
  base = inner.substr(0, at);
  offset = 0;
  while (at != View::npos) {
    size_t end = inner.find_first_of("+-", at + 1);
    View number = inner.substr(at + 1, end == View::npos ? View::npos : end - at - 1);
    if (number.empty() || number.size() > 6 || number.find_first_not_of("0123456789") != View::npos)
      return false;
    long value = 0;
    for (char digit : number)
      value = value * 10 + (digit - '0');
    offset += (inner[at] == '-' ? -1 : 1) * value;
    at = end;
  }
  return true;
}

// Whether size1 bytes at operand m1 and size2 bytes at m2 may share a byte.
// Different symbols may (an absolute variable can lie anywhere).
bool MayOverlap(View m1, int size1, View m2, int size2) {
  View base1, base2;
  long at1 = 0, at2 = 0;
  if (!SplitOperand(m1, base1, at1) || !SplitOperand(m2, base2, at2) || base1 != base2)
    return true;
  return at1 < at2 + size2 && at2 < at1 + size1;
}

int SlotSize(int slot) { return slot == 0 ? 1 : 2; }

bool Holds(const Known &k, int slot, View value) {
  if (!k.reached || slot == kNoSlot)
    return false;
  for (View v : k.held[slot])
    if (v == value)
      return true;
  return false;
}

void Forget(Known &k, int slot) {
  if (slot != kNoSlot)
    k.held[slot].clear();
}

void ForgetAll(Known &k) {
  for (auto &held : k.held)
    held.clear();
}

// Forgets the memory operands that size bytes stored at m may change (all
// of them for a nil m: a store through a register).
void ForgetMemory(Known &k, const View *m, int size) {
  for (int slot = 0; slot < kSlots; slot++) {
    Held kept;
    for (View v : k.held[slot])
      if (!IsMemory(v) || (m && !MayOverlap(*m, size, v, SlotSize(slot))))
        kept.push_back(v);
    k.held[slot] = kept;
  }
}

void Learn(Known &k, int slot, View value) {
  if (slot == kNoSlot || Holds(k, slot, value) || k.held[slot].size() >= kMaxHeld)
    return;
  k.held[slot].push_back(value);
}

// into := what holds both in into and in from; true when into shrank.
bool Meet(Known &into, const Known &from) {
  if (!from.reached)
    return false;
  if (!into.reached) {
    into = from;
    return true;
  }
  bool shrank = false;
  for (int slot = 0; slot < kSlots; slot++) {
    Held kept;
    for (View v : into.held[slot])
      if (Holds(from, slot, v))
        kept.push_back(v);
    shrank = shrank || kept.size() != into.held[slot].size();
    into.held[slot] = kept;
  }
  return shrank;
}

// ---- The labels and the ways into them ------------------------------------

bool IsIdentifierChar(char c) {
  return c == '_' || c == '.' || c == '$' || c == '?' || (c >= '0' && c <= '9') ||
         (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Opens every label a text names.
void OpenNamedLabels(View text) {
  for (size_t at = 0; at < text.size();) {
    if (!IsIdentifierChar(text[at])) {
      at++;
      continue;
    }
    size_t end = at;
    while (end < text.size() && IsIdentifierChar(text[end]))
      end++;
    if (gLabelStarts[static_cast<unsigned char>(text[at])]) {
      auto found = gLabelIn.find(text.substr(at, end - at));
      if (found != gLabelIn.end())
        found->second.open = true;
    }
    at = end;
  }
}

bool IsJump(const AsmLine *l) {
  return IsInstruction(l) && IsOneOf(First(l), {"jp", "jr", "djnz"});
}

View JumpTarget(const AsmLine *l) { return HasTwoOperands(l) ? Third(l) : Second(l); }

// A generated label (not inside an asm block's or the library's text).
bool IsOwnLabel(const AsmLine *l) {
  View first = First(l);
  return IsLabel(l) && !l->fromLibrary && first[0] != ' ' && first[0] != '\t';
}

// Finds the generated labels and opens those a jump is not the only way
// into: named by any other line, or defined twice.
void FindLabels(AsmLine *first) {
  gLabelIn.clear();
  gLabelStarts.reset();
  for (AsmLine *l = first; l; l = l->next) {
    if (!IsOwnLabel(l))
      continue;
    View name = LabelName(l);
    auto [entry, added] = gLabelIn.try_emplace(name);
    entry->second.open = !added;
    if (!name.empty())
      gLabelStarts.set(static_cast<unsigned char>(name[0]));
  }
  for (AsmLine *l = first; l; l = l->next) {
    if (IsComment(l) || IsOwnLabel(l))
      continue;
    if (IsJump(l) && gLabelIn.count(JumpTarget(l)) && !NamesDollar(l))
      continue;
    OpenNamedLabels(First(l));
    OpenNamedLabels(Second(l));
    OpenNamedLabels(Third(l));
  }
}

void JumpTo(View label, const Known &k) {
  auto found = gLabelIn.find(label);
  if (found != gLabelIn.end() && !found->second.open && Meet(found->second.in, k))
    gChanged = true;
}

// ---- What each instruction does to what is known ----------------------------

// Stores through a register (or into the frame) forget every memory operand.
void StoreThrough(Known &k, View operand) {
  if (IsMemory(operand))
    ForgetMemory(k, nullptr, 0);
}

// The register or memory operand an instruction changes: the last one.
void ChangeOperand(Known &k, View operand) {
  if (IsMemory(operand))
    StoreThrough(k, operand);
  else if (SlotOf(operand) != kNoSlot)
    Forget(k, SlotOf(operand));
}

void Load(Known &k, View to, View from) {
  if (IsMemory(to)) {
    int slot = WholeSlotOf(from);
    int size = slot != kNoSlot ? SlotSize(slot) : 2;
    if (!IsFixedMemory(to)) {
      ForgetMemory(k, nullptr, 0);
      return;
    }
    ForgetMemory(k, &to, size);
    Learn(k, slot, to);
    return;
  }
  int slot = SlotOf(to);
  if (slot == kNoSlot)
    return; // sp, ix, iy, i, r
  bool known = WholeSlotOf(to) == slot && (IsFixedMemory(from) || IsConstant(from));
  if (known && Holds(k, slot, from))
    return; // the register keeps its value and all it is known to hold
  Forget(k, slot);
  if (known)
    k.held[slot].push_back(from);
}

// Applies a line to what is known.  False when control never goes on to the
// next line.
bool Apply(const AsmLine *l, Known &k) {
  if (IsComment(l))
    return true;
  if (!IsInstruction(l)) { // may be entered from anywhere
    k.reached = true;
    ForgetAll(k);
    return true;
  }
  View m = First(l), x = Second(l), y = Third(l);
  bool two = HasTwoOperands(l);
  if (IsOneOf(m, {"jp", "jr", "djnz"})) {
    if (m == "djnz")
      Forget(k, 1);
    if (IsMemory(x)) // jp (hl)
      return false;
    JumpTo(JumpTarget(l), k);
    return two || m == "djnz";
  }
  if (IsOneOf(m, {"ret", "reti", "retn"}))
    return m == "ret" && l->second;
  if (m == "ld") {
    Load(k, x, y);
    return true;
  }
  if (IsOneOf(m, {"cp", "bit", "nop", "push", "out", "di", "ei", "scf", "ccf", "im"}))
    return true;
  if (m == "xor" && x == "a" && !two) { // a := 0
    Forget(k, 0);
    Learn(k, 0, "0");
    return true;
  }
  if (IsOneOf(m, {"sub", "and", "or", "xor", "neg", "cpl", "daa", "rla", "rra", "rlca", "rrca"})) {
    Forget(k, 0);
    return true;
  }
  if (IsOneOf(m, {"add", "adc", "sbc", "pop", "in"})) {
    ChangeOperand(k, two || m == "pop" || m == "in" ? x : View("a"));
    if (x == "af")
      Forget(k, 0);
    return true;
  }
  if (IsOneOf(m, {"inc", "dec", "rl", "rr", "rlc", "rrc", "sla", "sra", "srl", "sll", "set",
                  "res"})) {
    ChangeOperand(k, two ? y : x);
    return true;
  }
  if (m == "ex") {
    if (x == "de" && y == "hl")
      std::swap(k.held[2], k.held[3]);
    else
      ChangeOperand(k, x == "af" ? View("a") : y);
    return true;
  }
  if (m == "exx") {
    Forget(k, 1), Forget(k, 2), Forget(k, 3);
    return true;
  }
  if (IsOneOf(m, {"rld", "rrd", "ldi", "ldd", "ldir", "lddr", "cpi", "cpd", "cpir", "cpdr"})) {
    Forget(k, 0), Forget(k, 1), Forget(k, 2), Forget(k, 3);
    ForgetMemory(k, nullptr, 0);
    return true;
  }
  ForgetAll(k); // call, rst, halt and everything unknown
  return true;
}

// ---- The rewrites -------------------------------------------------------------

void CountHit() { CG_UseRule("known-registers"); }

// ld rr,(M) when another pair holds (M): the pair to copy from.
int PairHolding(int slot, View from, const Known &k) {
  for (int other = 1; other < kSlots; other++)
    if (other != slot && Holds(k, other, from))
      return other;
  return kNoSlot;
}

// Whether line l (with k known before it) loads what is there already, or
// can copy it from another pair; if so the rewrite is noted.
void FindRewrite(AsmLine *l, const Known &k) {
  if (!k.reached || First(l) != "ld" || !HasTwoOperands(l) || !IsFree(l))
    return;
  View to = Second(l), from = Third(l);
  int slot = WholeSlotOf(to);
  if (slot != kNoSlot && (IsFixedMemory(from) || IsConstant(from))) {
    int pair = kNoSlot;
    if (Holds(k, slot, from) ||
        (IsFixedMemory(from) && slot > 0 && (pair = PairHolding(slot, from, k)) != kNoSlot))
      gRewrites.push_back({l, slot, pair});
    return;
  }
  slot = WholeSlotOf(from);
  if (IsFixedMemory(to) && Holds(k, slot, to))
    gRewrites.push_back({l, slot, kNoSlot});
}

// Applies the rewrites the last walk found, in line order.  A rewrite
// changes no fact the walk used after its line: they all hold together.
bool ApplyRewrites() {
  for (const Rewrite &r : gRewrites) {
    if (r.copyFrom != kNoSlot) {
      View to = kSlotNames[r.slot], pair = kSlotNames[r.copyFrom];
      AsmLine *high = InsertAfter(r.line, NewLine("ld", to.substr(0, 1), pair.substr(0, 1)));
      InsertAfter(high, NewLine("ld", to.substr(1, 1), pair.substr(1, 1)));
    }
    Remove(r.line);
    CountHit();
  }
  return !gRewrites.empty();
}

// One walk over the list from first, noting in gRewrites what the facts
// make redundant; the facts at labels are those of the last walk.
void Walk(AsmLine *first) {
  Known k;
  k.reached = true; // the program's first line: nothing known
  gRewrites.clear();
  std::vector<std::pair<int, Known>> spans; // "$+N" jumps: lines left, facts
  for (AsmLine *l = first; l;) {
    AsmLine *next = l->next;
    if (IsComment(l)) {
      l = next;
      continue;
    }
    for (auto &[left, at] : spans)
      if (left-- > 0)
        Meet(k, at); // a "$+N" jump may land here
    spans.erase(std::remove_if(spans.begin(), spans.end(),
                               [](const auto &span) { return span.first <= 0; }),
                spans.end());
    if (IsLabel(l)) {
      auto found = gLabelIn.find(LabelName(l));
      if (!IsOwnLabel(l) || found == gLabelIn.end() || found->second.open) {
        k.reached = true;
        ForgetAll(k);
      } else {
        Meet(k, found->second.in);
      }
      l = next;
      continue;
    }
    FindRewrite(l, k);
    bool goesOn = Apply(l, k);
    if (IsInstruction(l) && NamesDollar(l))
      spans.push_back({DollarSpan(l) - 1, k});
    if (!goesOn)
      k = Known{};
    l = next;
  }
}

// Whether every "$" the generated lines use is a "$+N" jump the walk can
// follow.
bool DollarsAreJumps(AsmLine *first) {
  for (AsmLine *l = first; l; l = l->next)
    if (IsInstruction(l) && NamesDollar(l) && (!IsJump(l) || DollarSpan(l) < 0))
      return false;
  return true;
}

} // namespace

bool CG_KnownRegisters(AsmLine *&list) {
  AsmLine *first = CG_FirstLine(list);
  gList = &list;
  if (!first || !DollarsAreJumps(first))
    return false;
  PinDollarSpans(first);
  FindLabels(first);
  // Once a walk changes no label's facts, they are final, and so are the
  // rewrites that walk found.
  bool settled = false;
  for (int walk = 0; walk < 50 && !settled; walk++) {
    gChanged = false;
    Walk(first);
    settled = !gChanged;
  }
  bool rewrote = settled && ApplyRewrites();
  ResetKnownRegisters();
  return rewrote;
}

void ResetKnownRegisters() {
  gLabelIn.clear();
  gLabelStarts.reset();
  gRewrites.clear();
  gChanged = false;
}
