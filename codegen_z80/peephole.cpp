// The peephole pass of the optimizing mode: local rewrites of the final asm
// lines of the generated code (never of the library's lines, and never of
// an asm block's lines, which are whole texts the pass does not read).
// Every rewrite stays inside a basic block: a label, a line that a "$+N"
// jump lands on or skips, and every line the pass cannot read end it.  A
// line is removed or replaced only when what it computes is provably
// unused or already there.  The rules are in the rule table of
// patterns.cpp, each documented below by its lines in and lines out.
#include <string>
#include <vector>

#include "codegen_z80/peephole_lines.h"

namespace peephole {

AsmLine **gList = nullptr;                      // the list being rewritten
std::unordered_map<View, AsmLine *> gLabels;    // label name -> its line
std::unordered_set<const AsmLine *> gPinned;    // inside a "$+N" span

bool Is(const AsmLine *l, View mnemonic) {
  return l && First(l) == mnemonic && IsInstruction(l);
}
// A line a rule may read, change or remove.
bool IsFree(const AsmLine *l) { return l && IsInstruction(l) && !gPinned.count(l); }

// The next line that is not a comment (nil at the end).
AsmLine *NextCode(AsmLine *l) {
  for (l = l->next; l && IsComment(l); l = l->next) {
  }
  return l;
}

View LabelName(const AsmLine *l) {
  View first = First(l);
  size_t start = first.find_first_not_of(" \t");
  return first.substr(start, first.size() - 1 - start);
}

AsmLine *NewLine(View first, View second, View third) {
  AsmLine *line = NewRecord<AsmLine>();
  line->first = NewHeapText(Text(first));
  line->second = NewHeapText(Text(second));
  line->third = NewHeapText(Text(third));
  return line;
}

AsmLine *InsertAfter(AsmLine *at, AsmLine *line) {
  line->prev = at;
  line->next = at->next;
  if (at->next)
    at->next->prev = line;
  at->next = line;
  if (*gList == at)
    *gList = line;
  return line;
}

void Remove(AsmLine *l) { CG_RemoveLine(*gList, l); }

int DollarSpan(const AsmLine *l) {
  View target = HasTwoOperands(l) ? Third(l) : Second(l);
  if (target == "$")
    return 0;
  if (target.size() > 2 && target.size() < 6 && target.substr(0, 2) == "$+" &&
      target.find_first_not_of("0123456789", 2) == View::npos)
    return std::stoi(Text(target.substr(2)));
  return -1;
}

// A "$+N" jump lands on one of the next N-1 lines (each takes a byte at
// least): those lines keep their bytes.  "jp $" pins only itself.
void PinDollarSpans(AsmLine *first) {
  gPinned.clear();
  gLabels.clear();
  for (AsmLine *l = first; l; l = l->next) {
    if (IsLabel(l))
      gLabels[LabelName(l)] = l;
    if (!IsInstruction(l) || !NamesDollar(l))
      continue;
    gPinned.insert(l);
    int span = DollarSpan(l);
    if (span < 0)
      span = 16; // an unexpected form: a wide margin
    for (AsmLine *p = NextCode(l); p && span > 1; p = NextCode(p), span--)
      gPinned.insert(p);
  }
}

// ---- What a line does with a and the flags ----------------------------------

struct Effect {
  bool readsA, writesA, readsFlags, setsFlags; // sets: all of the tested flags
  bool leaves;                                  // control goes elsewhere (or unknown)
};

bool MentionsA(View operand) { return operand == "a" || operand == "af"; }

// Unknown lines read everything.  A call reads every register but never
// the flags, and the code after a call reads no flags but the ones the
// routine returns: nothing this compiler calls takes flags as input or
// passes flags through to its caller's later tests.
Effect EffectOf(const AsmLine *l) {
  Effect e{};
  if (IsComment(l) || IsLabel(l))
    return e;
  if (!IsInstruction(l) || NamesDollar(l))
    return {true, false, true, false, true};
  View m = First(l), a = Second(l), b = Third(l);
  bool conditional = HasTwoOperands(l) || (m == "ret" && l->second);
  if (IsOneOf(m, {"jp", "jr", "djnz", "ret", "reti", "retn", "rst", "call", "halt"})) {
    e.leaves = m != "call";
    e.readsA = true;
    e.readsFlags = conditional || m == "ret" || m == "reti";
    e.setsFlags = m == "call" && !conditional;
    return e;
  }
  bool single = !HasTwoOperands(l);
  if (IsOneOf(m, {"cp", "or", "and", "xor", "sub"}) && single) {
    bool clears = (m == "xor" || m == "sub") && a == "a";
    e.readsA = !clears;
    e.writesA = m != "cp";
    e.setsFlags = true;
    return e;
  }
  if (IsOneOf(m, {"add", "adc", "sbc"}) && a == "a") {
    e.readsA = true;
    e.writesA = true;
    e.readsFlags = m != "add";
    e.setsFlags = true;
    return e;
  }
  if (IsOneOf(m, {"neg", "cpl", "daa", "rla", "rra", "rlca", "rrca"})) {
    e.readsA = e.writesA = true;
    e.readsFlags = m != "neg" && m != "cpl" && m != "rlca" && m != "rrca";
    e.setsFlags = m == "neg";
    return e;
  }
  if (m == "ld" && a == "a" && !MentionsA(b)) {
    e.writesA = true;
    return e;
  }
  if (m == "pop" && a == "af") {
    e.writesA = e.setsFlags = true;
    return e;
  }
  if (IsOneOf(m, {"ld", "push", "pop", "inc", "dec", "add", "adc", "sbc", "ex", "exx", "nop",
                  "bit", "set", "res", "rl", "rr", "rlc", "rrc", "sla", "sra", "srl", "out",
                  "in", "ldir", "lddr", "ldi", "ldd"})) {
    e.readsA = MentionsA(a) || MentionsA(b) || m == "out" || m == "in";
    // inc, dec, add hl and the rest touch some flags, or read the carry.
    e.readsFlags = IsOneOf(m, {"adc", "sbc", "rl", "rr"}) || a == "af";
    return e;
  }
  return {true, false, true, false, true};
}

// Whether a and the flags are both unused from line l on: each is set
// before it is read on every path, following jumps to their labels.
// budget bounds the lines looked at over all paths.
bool AAndFlagsDead(AsmLine *l, bool aDead, bool flagsDead, int &budget) {
  for (; l && budget > 0; l = l->next, budget--) {
    if (Is(l, "jp") || Is(l, "jr")) {
      bool conditional = HasTwoOperands(l);
      auto found = gLabels.find(conditional ? Third(l) : Second(l));
      if (found == gLabels.end() || (conditional && !flagsDead) ||
          !AAndFlagsDead(found->second, aDead, flagsDead, budget))
        return false;
      if (!conditional)
        return true;
      continue;
    }
    Effect e = EffectOf(l);
    if ((e.readsA && !aDead) || (e.readsFlags && !flagsDead) || e.leaves)
      return false;
    aDead = aDead || e.writesA;
    flagsDead = flagsDead || e.setsFlags;
    if (aDead && flagsDead)
      return true;
  }
  return false;
}

bool AAndFlagsDeadFrom(AsmLine *l) {
  int budget = 60;
  return AAndFlagsDead(l, false, false, budget);
}

// ---- Which 8-bit registers a line may write -------------------------------

// The registers a register operand consists of ("hl" -> "hl", "a" -> "a").
bool Covers(View operand, char reg) {
  if (operand == "af")
    return reg == 'a';
  if (operand.size() == 1 || IsOneOf(operand, {"bc", "de", "hl"}))
    return operand.find(reg) != View::npos;
  return false;
}

bool MayWrite(const AsmLine *l, char reg) {
  if (IsComment(l))
    return false;
  if (!IsInstruction(l))
    return true;
  View m = First(l), a = Second(l);
  if (IsOneOf(m, {"ld", "inc", "dec", "add", "adc", "sbc", "set", "res", "rl", "rr", "rlc",
                  "rrc", "sla", "sra", "srl"}))
    return Covers(a, reg); // the first operand is the destination
  if (IsOneOf(m, {"cp", "push", "nop", "bit", "out"}))
    return false;
  if (IsOneOf(m, {"or", "and", "xor", "sub", "neg", "cpl", "daa", "rla", "rra", "rlca", "rrca"}))
    return reg == 'a';
  return true; // jumps, calls, ex, exx, pop, in, block moves, the unknown
}

bool IsRegister8(View t) { return t.size() == 1 && View("abcdehl").find(t) != View::npos; }

// ---- Truth tables of compare flag tests --------------------------------------

// The boolean that "ld a,1 / jr cc,$+N ... / xor a" leaves in a, for each
// value of the zero and carry flags: bit (z*2+c) of the result.  False
// when a jump lands anywhere but on a jr of the chain, the xor or after it.
bool FlagTestTable(const std::vector<AsmLine *> &jumps, unsigned &table) {
  int count = static_cast<int>(jumps.size());
  table = 0;
  for (int z = 0; z <= 1; z++) {
    for (int c = 0; c <= 1; c++) {
      int at = 0;    // byte offset from the first jr
      int value = 0; // the xor is reached: false
      while (at < 2 * count) {
        const AsmLine *jr = jumps[at / 2];
        View cc = Second(jr), target = Third(jr);
        bool taken = (cc == "z" && z) || (cc == "nz" && !z) || (cc == "c" && c) || (cc == "nc" && !c);
        if (!IsOneOf(cc, {"z", "nz", "c", "nc"}) || target.size() != 3 || target[1] != '+')
          return false;
        if (!taken) {
          at += 2;
          continue;
        }
        at += target[2] - '0';
        if (at == 2 * count + 1) {
          value = 1; // past the xor
          break;
        }
        if (at % 2 != 0 || at > 2 * count)
          return false;
      }
      table |= static_cast<unsigned>(value) << (z * 2 + c);
    }
  }
  return true;
}

// The jumps to L taken exactly when bit (z*2+c) of table is set.  False
// when one or two conditional jumps cannot say it (z xor c).
bool JumpsFor(unsigned table, std::vector<std::pair<View, View>> &out) {
  static const char *const kZ[2] = {"nz", "z"};
  static const char *const kC[2] = {"nc", "c"};
  int ones = __builtin_popcount(table);
  out.clear();
  if (ones == 4) {
    out.push_back({"", ""});
  } else if (ones == 1 || ones == 3) {
    unsigned odd = ones == 1 ? table : ~table & 15; // the one case that differs
    int z = (odd & 12) ? 1 : 0, c = (odd & 10) ? 1 : 0;
    if (ones == 1) { // z-literal and c-literal
      out.push_back({kZ[!z], "$+5"});
      out.push_back({kC[c], ""});
    } else { // either literal
      out.push_back({kZ[!z], ""});
      out.push_back({kC[!c], ""});
    }
  } else if (ones == 2) {
    if (table == 12 || table == 3) // z alone decides
      out.push_back({kZ[table == 12], ""});
    else if (table == 10 || table == 5)
      out.push_back({kC[table == 10], ""});
    else
      return false;
  }
  return true;
}

} // namespace peephole

using namespace peephole;

// ---- The rules ---------------------------------------------------------------

// push-pop: a pushed pair popped at once.
//   in : push rr / pop rr          out: (nothing)
//   in : push rr / pop ss          out: ld sh,rh / ld sl,rl  (bc, de, hl)
//   e.g. push hl / pop de  ->  ld d,h / ld e,l
bool CG_PeepPushPop(AsmLine *line) {
  if (!Is(line, "push") || !IsFree(line))
    return false;
  AsmLine *pop = NextCode(line);
  if (!Is(pop, "pop") || !IsFree(pop))
    return false;
  View from = Second(line), to = Second(pop);
  if (from == to) {
    Remove(pop);
    Remove(line);
    return true;
  }
  if (!IsOneOf(from, {"bc", "de", "hl"}) || !IsOneOf(to, {"bc", "de", "hl"}))
    return false;
  InsertAfter(line, NewLine("ld", to.substr(0, 1), from.substr(0, 1)));
  InsertAfter(line->next, NewLine("ld", to.substr(1, 1), from.substr(1, 1)));
  Remove(pop);
  Remove(line);
  return true;
}

// exchange-twice: two exchanges that undo each other.
//   in : ex de,hl / ex de,hl       out: (nothing)
bool CG_PeepExchangeTwice(AsmLine *line) {
  if (!Is(line, "ex") || !IsFree(line))
    return false;
  AsmLine *again = NextCode(line);
  if (!IsFree(again) || !Is(again, "ex") ||
      Second(line) != "de" || Second(again) != "de")
    return false;
  Remove(again);
  Remove(line);
  return true;
}

// jump-to-next: a jump to the label that follows it (only labels and
// comments between).
//   in : jp [cc,]L / L:            out: L:
bool CG_PeepJumpToNext(AsmLine *line) {
  if (!(Is(line, "jp") || Is(line, "jr")) || !IsFree(line))
    return false;
  View target = HasTwoOperands(line) ? Third(line) : Second(line);
  for (AsmLine *l = line->next; l && (IsComment(l) || IsLabel(l)); l = l->next) {
    if (IsLabel(l) && LabelName(l) == target) {
      Remove(line);
      return true;
    }
  }
  return false;
}

// jump-to-jump: a jump to a label whose first instruction is another jp
// goes straight to that jump's target (chains followed, cycles left).
//   in : jp [cc,]L ... L: jp M     out: jp [cc,]M ... L: jp M
bool CG_PeepJumpToJump(AsmLine *line) {
  if (!Is(line, "jp") || !IsFree(line))
    return false;
  View target = HasTwoOperands(line) ? Third(line) : Second(line);
  View final = target;
  for (int steps = 0; steps < 8; steps++) {
    auto found = gLabels.find(final);
    if (found == gLabels.end())
      break;
    AsmLine *next = found->second;
    while (next && (IsComment(next) || IsLabel(next)))
      next = next->next;
    if (!IsFree(next) || !Is(next, "jp") || HasTwoOperands(next) || !gLabels.count(Second(next)))
      break;
    final = Second(next);
    if (final == target)
      return false; // a cycle of jumps
  }
  if (final == target)
    return false;
  if (HasTwoOperands(line))
    line->third = NewHeapText(Text(final));
  else
    line->second = NewHeapText(Text(final));
  return true;
}

// jump-to-return: a jump to a label whose code is a ret, after at most
// two pops, takes those lines itself; a conditional jump to a lone ret is
// a conditional ret.
//   in : jp L ... L: pop de / ret      out: pop de / ret ... L: pop de / ret
//   in : jp nc,L ... L: ret            out: ret nc ... L: ret
bool CG_PeepJumpToReturn(AsmLine *line) {
  if (!(Is(line, "jp") || Is(line, "jr")))
    return false;
  bool conditional = HasTwoOperands(line);
  auto found = gLabels.find(conditional ? Third(line) : Second(line));
  if (found == gLabels.end())
    return false;
  auto nextInstruction = [](AsmLine *l) { // labels between are passed, not copied
    for (l = NextCode(l); l && IsLabel(l); l = NextCode(l)) {
    }
    return l;
  };
  std::vector<AsmLine *> tail;
  AsmLine *l = nextInstruction(found->second);
  for (; Is(l, "pop") && IsFree(l) && tail.size() < 2; l = nextInstruction(l))
    tail.push_back(l);
  if (!Is(l, "ret") || !IsFree(l) || !Second(l).empty() || (conditional && !tail.empty()))
    return false;
  tail.push_back(l);
  if (conditional) {
    line->first = NewHeapText("ret");
    line->third = nullptr;
    return true;
  }
  AsmLine *at = line->prev;
  Remove(line);
  for (AsmLine *copy : tail)
    at = InsertAfter(at, NewLine(First(copy), Second(copy), Third(copy)));
  return true;
}

// store-reload: a value read back from where it was just stored.
//   in : ld M,r / ld r,M           out: ld M,r
//   e.g. ld (__reg32a),hl / ld hl,(__reg32a)  ->  ld (__reg32a),hl
bool CG_PeepStoreReload(AsmLine *line) {
  if (!Is(line, "ld") || !IsFree(line))
    return false;
  AsmLine *load = NextCode(line);
  if (!Is(load, "ld") || !IsFree(load))
    return false;
  View place = Second(line), reg = Third(line);
  if (place.empty() || place[0] != '(' || Second(load) != reg || Third(load) != place)
    return false;
  Remove(load);
  return true;
}

// copy-again: a register copied back (or again) while neither changed.
//   in : ld x,y / ...  / ld y,x    out: ld x,y / ...
//   e.g. ld l,a / ld h,0 / ld a,l  ->  ld l,a / ld h,0
bool CG_PeepCopyAgain(AsmLine *line) {
  if (!Is(line, "ld") || !IsRegister8(Second(line)) || !IsRegister8(Third(line)) || !IsFree(line))
    return false;
  char x = Second(line)[0], y = Third(line)[0];
  AsmLine *l = NextCode(line);
  for (int steps = 0; l && IsFree(l) && steps < 6; steps++, l = NextCode(l)) {
    if (Is(l, "ld") && IsRegister8(Second(l)) && IsRegister8(Third(l))) {
      char p = Second(l)[0], q = Third(l)[0];
      if ((p == y && q == x) || (p == x && q == y)) {
        Remove(l);
        return true;
      }
    }
    if (MayWrite(l, x) || MayWrite(l, y))
      return false;
  }
  return false;
}

// boolean-jump: a compare's boolean made only to be tested by a jump
// becomes jumps on the compare's flags, when nothing reads a or the flags
// after the jump on either path.
//   in : ld a,1 / jr cc,$+N ... / xor a / or a / jp z|nz,L
//   out: jp cc,L  or  jp cc1,L / jp cc2,L  or  jr cc1,$+5 / jp cc2,L
//   e.g. ld a,1 / jr z,$+3 / xor a / or a / jp z,L  ->  jp nz,L
bool CG_PeepBooleanJump(AsmLine *line) {
  if (!Is(line, "ld") || Second(line) != "a" || Third(line) != "1" || !IsFree(line))
    return false;
  std::vector<AsmLine *> jumps;
  AsmLine *l = NextCode(line);
  for (; Is(l, "jr") && HasTwoOperands(l) && jumps.size() < 4; l = NextCode(l))
    jumps.push_back(l);
  AsmLine *clear = l, *test = clear ? NextCode(clear) : nullptr;
  AsmLine *jump = test ? NextCode(test) : nullptr;
  if (jumps.empty() || !Is(clear, "xor") || Second(clear) != "a" || !Is(test, "or") ||
      Second(test) != "a" || !Is(jump, "jp") || !HasTwoOperands(jump) ||
      (Second(jump) != "z" && Second(jump) != "nz"))
    return false;
  unsigned table = 0;
  std::vector<std::pair<View, View>> out;
  if (!FlagTestTable(jumps, table) || !JumpsFor(Second(jump) == "z" ? ~table & 15 : table, out))
    return false;
  View target = Third(jump);
  if (!gLabels.count(target) || !AAndFlagsDeadFrom(jump->next) ||
      !AAndFlagsDeadFrom(gLabels[target]))
    return false;
  AsmLine *at = line;
  for (const auto &[cc, dollar] : out) {
    if (!dollar.empty())
      at = InsertAfter(at, NewLine("jr", cc, dollar));
    else if (cc.empty())
      at = InsertAfter(at, NewLine("jp", target, ""));
    else
      at = InsertAfter(at, NewLine("jp", cc, target));
    gPinned.insert(at);
  }
  for (AsmLine *gone : jumps)
    Remove(gone);
  Remove(clear);
  Remove(test);
  Remove(jump);
  Remove(line);
  return true;
}

// Passes over the generated lines until no rule changes anything (a few
// passes at most).
void CG_Peephole(AsmLine *&list) {
  gList = &list;
  for (int pass = 0; pass < 8; pass++) {
    AsmLine *first = CG_FirstLine(list);
    PinDollarSpans(first);
    bool changed = false;
    int rewrites = 0; // each rewrite shortens or retargets: a bound for safety
    for (AsmLine *l = first; l;) {
      AsmLine *prev = l->prev;
      // Every line rule starts at a free line: the rest are not tried.
      if (IsFree(l) && rewrites < 100000 && CG_RewriteLine(l)) {
        rewrites++;
        changed = true;
        l = prev ? prev->next : CG_FirstLine(list); // look again from here
      } else {
        l = l->next;
      }
    }
    // The walk changes nothing in a list it has walked already and the
    // line rules left alone.
    if (pass > 0 && !changed)
      break;
    if (CG_UseRule("known-registers", false) && CG_KnownRegisters(list))
      changed = true;
    if (!changed)
      break;
  }
  ResetPeephole();
}

void ResetPeephole() {
  ResetKnownRegisters();
  gList = nullptr;
  gLabels.clear();
  gPinned.clear();
}
