// Under -O, the cheaper call protocol: which subroutines use it.
//
// A subroutine on the register protocol takes each argument of 1 or 2
// bytes, and each address, in a 2-byte slot (4-byte values keep 4 bytes),
// finds its locals right below the frame pointer (the 4 unused bytes stay
// only where the parent-frame slot is saved), returns a 1- or 2-byte
// result in hl, and leaves the slots for the caller to drop.  Asm text is
// written against the general protocol, so a subroutine that holds an asm
// block keeps that protocol, as does one whose label any asm block names
// or whose address is taken: their callers cannot be known.
//
// The last argument, when its slot has 2 bytes, goes in hl instead; the
// prologue pushes it as the first local (ix-2), so the caller drops one
// slot fewer.  Not where the parent-frame slot takes those bytes, nor
// under {$s+}, whose stack check comes before anything is written into
// the frame.
#include <unordered_set>

#include "codegen_z80/codegen.h"
#include "translator/translate_internal.h"

namespace {

std::unordered_set<const ID *> gRegisterCallees;
std::unordered_set<const ID *> gArgumentInHL;

struct ProgramFacts {
  Text asmText;                          // every asm line, one after another
  std::unordered_set<const ID *> taken;  // subroutines whose address is taken
};

bool HoldsAsm(const Node *n) {
  for (; n; n = n->next) {
    if (n->kind == kNodeAsm)
      return true;
    for (int i = 1; i <= n->childCount; i++)
      if (HoldsAsm(Child(n, i)))
        return true;
  }
  return false;
}

void Gather(const Node *n, ProgramFacts &facts) {
  for (; n; n = n->next) {
    if (n->kind == kNodeAsm)
      facts.asmText += NodeText(n) + "\n";
    if (n->kind == kNodeAddressOf && Child(n, 1) && Child(n, 1)->kind == kNodeCall)
      facts.taken.insert(Child(n, 1)->id);
    for (int i = 1; i <= n->childCount; i++)
      Gather(Child(n, i), facts);
  }
}

bool IsSmallScalar(const TypeDescr *t) {
  return t && (t->typeClass == kClassInteger || t->typeClass == kClassChar ||
               t->typeClass == kClassBoolean || t->typeClass == kClassPointer) &&
         (t->size == 1 || t->size == 2 || t->size == 4);
}

bool ParametersFit(const SubrRec *r) {
  for (int i = 1; i <= r->paramCount; i++) {
    const TypeDescr *t = r->paramTypes[i - 1];
    int32_t mode = r->paramModes[i - 1];
    if (!t || !r->params[i - 1])
      return false;
    if (mode == kModeVar && t->typeClass == kClassString)
      return false; // its slot carries the variable's capacity too
    if (mode == kModeValue && !IsSmallScalar(t))
      return false; // copied values travel by address
  }
  return true;
}

bool Qualifies(const ID *s, const ProgramFacts &facts) {
  const SubrRec *r = s->subr;
  if (!r || r->noBody || r->isMain || !s->used || s->implementsEarlier || HoldsAsm(r->body) ||
      facts.taken.count(s) || !ParametersFit(r))
    return false;
  if (r->result && !IsSmallScalar(r->resultType))
    return false;
  return facts.asmText.find(AsmNameText(s)) == Text::npos;
}

bool TakesArgumentInHL(const ID *s) {
  const SubrRec *r = s->subr;
  return r->paramCount > 0 && RegisterSlotBytes(r, r->paramCount) == 2 &&
         s->parentFrameMark == 0 && !gLex.stackCheck;
}

} // namespace

void ChooseRegisterCallees() {
  gRegisterCallees.clear();
  gArgumentInHL.clear();
  if (!gOptions.optimize || !CG_UseRule("register-calls", false))
    return;
  ProgramFacts facts;
  for (ID *id = RootID(); id; id = NextIDInOrder(id))
    if (id->kind == kIdSubr && id->subr && !id->subr->noBody && id->used)
      Gather(id->subr->body, facts);
  for (ID *id = RootID(); id; id = NextIDInOrder(id))
    if (id->kind == kIdSubr && Qualifies(id, facts)) {
      gRegisterCallees.insert(id);
      CG_UseRule("register-calls");
      if (TakesArgumentInHL(id) && CG_UseRule("argument-in-hl"))
        gArgumentInHL.insert(id);
    }
}

bool UsesRegisterProtocol(const ID *s) { return s && gRegisterCallees.count(s) != 0; }

int32_t RegisterSlotBytes(const SubrRec *r, int i) {
  const TypeDescr *t = r->paramTypes[i - 1];
  return r->paramModes[i - 1] != kModeValue || !t || t->size <= 2 ? 2 : 4;
}

bool LastArgumentInHL(const ID *s) { return s && gArgumentInHL.count(s) != 0; }

void ResetRegisterCallees() {
  gRegisterCallees.clear();
  gArgumentInHL.clear();
}
