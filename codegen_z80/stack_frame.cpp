// Subroutines on a stack frame (-O).  A register-protocol subroutine whose
// whole body is direct code builds no ix frame: its locals are allocated
// by pushes below the return address, and each variable is reached at
// sp+offset, the offset counting every byte pushed since the prologue.
// The code generator follows that depth through every emitted line; a
// label must be reached at the same depth by every jump and by falling
// through, which the direct code keeps by leaving the stack as it found
// it at each statement's end.  Such a body has no loop, so every jump to
// a label comes before it: the word variable hl holds at every jump (and
// when the code falls through) is known to be there after the label too.
//
// Layout: the arguments' slots lie above the return address, as they lie
// above ix+2 in a frame, and the locals' area (2-byte aligned) right
// below it, where a frame's would start below ix:
//   parameter at ix+a (a >= 4): sp + depth + area + a - 2
//   local at ix-k:              sp + depth + area - k
#include <unordered_map>
#include <unordered_set>

#include "codegen_z80/codegen.h"
#include "parser/parser.h"

namespace {

// What holds wherever a label is reached from.
struct LabelFacts {
  int32_t depth;
  const ID *wordInHL; // nil: none, or not the same on every way
  bool defined;
};

struct StackFrame {
  bool on = false;
  int32_t depth = 0; // bytes pushed since the prologue
  int32_t area = 0;  // bytes of the locals' area
  bool fallsThrough = true; // the last line may go on to the next
  std::unordered_map<Text, LabelFacts> labels;
};

StackFrame gFrame;

// The ops a stack-frame body may hold: nothing that reaches its
// variables through ix.
bool IsDirectOnly(int32_t code) {
  return code == uasmop_srcline || code == uasmop_label || code == uasmop_jump ||
         code == uasmop_direct || code == uasmop_directjump;
}

// A variable at sp+offset costs a few T-states more than at (ix+d), except
// the word on top of the stack; the frame pointer costs some 60 a call.
// So a body with a loop, or with more than a few mentions of its
// variables, keeps the frame pointer.
constexpr int kMostMentions = 4;

int Mentions(const Node *n, const ID *s) {
  if (!n)
    return 0;
  int count = n->kind == kNodeVarRef && n->id && n->id->parent == s && CG_IsFrameVar(n->id);
  for (int i = 1; i <= n->childCount; i++)
    count += Mentions(Child(n, i), s);
  return count;
}

bool BodyIsDirectAndShort(const UasmOp *enter, const ID *s) {
  std::unordered_set<Text> labels;
  int mentions = 0;
  for (const UasmOp *op = enter->next; op; op = op->next) {
    if (op->code == uasmop_leave)
      return mentions <= kMostMentions;
    if (!IsDirectOnly(op->code))
      return false;
    if (op->code == uasmop_label)
      labels.insert(CG_OpName(op));
    if ((op->code == uasmop_jump || op->code == uasmop_directjump) &&
        labels.count(CG_OpText(op)))
      return false; // a loop
    mentions += Mentions(op->node, s);
  }
  return false;
}

void Mismatch() { ReportErrorLine("Error in CG, stack frame: "); }

// A jump to the label with hl holding known: every way in at one depth.
void JumpTo(const Text &label, const ID *known) {
  auto [at, added] = gFrame.labels.emplace(label, LabelFacts{gFrame.depth, known, false});
  if (added)
    return;
  if (at->second.depth != gFrame.depth || (at->second.defined && at->second.wordInHL != known))
    Mismatch(); // a way in found after the label: hl was taken as known there
  if (at->second.wordInHL != known)
    at->second.wordInHL = nullptr;
}

// The label itself: what every way in agrees on holds after it.
void Define(const Text &label, const ID *known) {
  if (gFrame.fallsThrough)
    JumpTo(label, known);
  auto found = gFrame.labels.find(label);
  if (found == gFrame.labels.end()) { // never reached: nothing is known
    gFrame.labels.emplace(label, LabelFacts{gFrame.depth, nullptr, true});
    return;
  }
  found->second.defined = true;
  gFrame.depth = found->second.depth;
  gWordInHL = CG_UseRule("word-in-hl", false) ? found->second.wordInHL : nullptr;
}

bool IsJump(const Text &m) { return m == "jp" || m == "jr" || m == "djnz"; }

} // namespace

bool CG_StackFrameOn() { return gFrame.on; }

bool CG_ChooseStackFrame(const CG_State &st, const UasmOp *enter) {
  const ID *s = st.currentSubr;
  if (!s || !s->subr || s->subr->isMain || !UsesRegisterProtocol(s) || s->parentFrameMark != 0 ||
      gLex.stackCheck || !BodyIsDirectAndShort(enter, s) || !CG_UseRule("stack-frame", false))
    return false;
  CG_UseRule("stack-frame");
  return true;
}

// The locals' area: the last argument from hl first (its place is the
// area's top word), then pushes of anything, or sp moved for a large one.
bool CG_StackFramePrologue(CG_State &st, bool argumentInHL) {
  gFrame = StackFrame{};
  gFrame.area = (st.currentSubr->subr->frameValue2 + 1) / 2 * 2;
  int32_t rest = gFrame.area - (argumentInHL ? 2 : 0);
  if (argumentInHL)
    CG_Emit(st, "push", "hl", "");
  bool large = rest > 6;
  if (large) {
    CG_Emit(st, "ld", "hl", "-" + DecimalText(rest));
    CG_Emit(st, "add", "hl", "sp");
    CG_Emit(st, "ld", "sp", "hl");
  } else {
    for (int32_t i = 0; i < rest; i += 2)
      CG_Emit(st, "push", "hl", "");
  }
  gFrame.on = true;
  gFrame.depth = 0;
  return !large;
}

// After the result is in hl: the area dropped, hl kept.
void CG_StackFrameEpilogue(CG_State &st) {
  if (gFrame.depth != 0)
    Mismatch();
  gFrame.on = false;
  CG_DropStackBytes(st, gFrame.area, "de");
  CG_Emit(st, "ret", "", "");
}

int32_t CG_StackOffset(const ID *v) {
  int32_t a = CG_Address(v);
  return gFrame.depth + gFrame.area + (a > 0 ? a - 2 : a);
}

int32_t CG_StackDepth() { return gFrame.depth; }

void CG_StackMoved(int32_t bytes) {
  if (gFrame.on)
    gFrame.depth -= bytes;
}

// What one emitted line does to the depth and what a label takes as
// known (hl held known before the line); "ld sp,..." only comes with a
// CG_StackMoved for the bytes it drops.
void CG_FollowStack(const Text &m, const Text &x, const Text &y, const ID *known) {
  bool label = !m.empty() && m.back() == ':' && x.empty();
  if (m == "push") {
    gFrame.depth += 2;
  } else if (m == "pop") {
    gFrame.depth -= 2;
  } else if ((m == "inc" || m == "dec") && x == "sp") {
    gFrame.depth += m == "inc" ? -1 : 1;
  } else if (IsJump(m) && x != "(hl)") {
    JumpTo(y.empty() ? x : y, known);
  } else if (label) {
    Define(m.substr(0, m.size() - 1), known);
  }
  if (label || (!m.empty() && m[0] != ';'))
    gFrame.fallsThrough = !(m == "ret" && x.empty()) && !((m == "jp" || m == "jr") && y.empty());
}

void ResetStackFrame() { gFrame = StackFrame{}; }
