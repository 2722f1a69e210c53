// Smart linking decides which subroutines are translated at all: those
// reachable from the main program.  The parent-frame pass numbers the
// subroutines whose variables other subroutines reach, so that each of them
// keeps its frame pointer in a fixed slot.
#include "semantic/semantic.h"

#include <vector>

// Nothing of smart linking outlives its run.
void ResetSemantic() {}

// ---- Smart linking ---------------------------------------------------------------

static bool HasBody(const ID *id) { return id->kind == kIdSubr && id->subr; }

// Marks the ID of every node of the list and of its child lists; a
// subroutine marked for the first time waits in the work list until its own
// body is scanned.
static void MarkUsedIDs(Node *list, std::vector<ID *> &work) {
  for (Node *n = list; n; n = n->next) {
    if (n->id && !n->id->used) {
      n->id->used = 1;
      if (HasBody(n->id))
        work.push_back(n->id);
    }
    for (int i = 1; i <= n->childCount && i <= kMaxChildren; i++)
      MarkUsedIDs(Child(n, i), work);
  }
}

// The used subroutines are closed over what their bodies reference: every
// body is scanned once, when its subroutine is first marked, so a long chain
// of calls back to earlier declarations costs no more than a short one.
void SmartLink() {
  Con() << "Smartlinking:\n";
  for (ID *id = RootID(); id; id = NextIDInOrder(id))
    id->used = AsmNameText(id) == "_main";
  for (ID *id = RootID(); id; id = NextIDInOrder(id))
    if (id->kind == kIdSubr && id->implementsEarlier)
      id->used = 1;
  std::vector<ID *> work;
  for (ID *id = RootID(); id; id = NextIDInOrder(id))
    if (HasBody(id) && id->used)
      work.push_back(id);
  while (!work.empty()) {
    ID *s = work.back();
    work.pop_back();
    MarkUsedIDs(s->subr->body, work);
  }
  Con() << "Done.\n";
}

// ---- Parent frames ------------------------------------------------------------------

constexpr int kMaxParentFrames = 255;

// A variable (or constant) reference declared outside s means s reaches
// into that frame: its owner gets the next number unless it has one.
static void NumberFramesReachedFrom(const ID *s, Node *list, int &count) {
  for (Node *n = list; n; n = n->next) {
    if (n->kind == kNodeVarRef && n->id) {
      ID *owner = n->id->parent;
      if (owner && owner != s && owner->parentFrameMark == 0) {
        if (count == kMaxParentFrames)
          RunTimeStop(kStopLimit, "more than 255 parent frames");
        owner->parentFrameMark = static_cast<uint8_t>(++count);
      }
    }
    for (int i = 1; i <= n->childCount && i <= kMaxChildren; i++)
      NumberFramesReachedFrom(s, Child(n, i), count);
  }
}

// Walks from the tree's root whatever it is given; used or not, every
// subroutine is scanned.
void NumberParentFrames(ID * /*root*/) {
  int count = 0;
  for (ID *id = RootID(); id; id = NextIDInOrder(id))
    if (id->kind == kIdSubr && id->subr)
      NumberFramesReachedFrom(id, id->subr->body, count);
  Con() << "ParentFrames:\n";
  for (ID *id = RootID(); id; id = NextIDInOrder(id))
    if (id->kind == kIdSubr && id->parentFrameMark != 0)
      Con() << int(id->parentFrameMark) << "  " << AsmNameText(id) << '\n';
}
