// Smart linking decides which subroutines are translated at all: those
// reachable from the main program.  The parent-frame pass numbers the
// subroutines whose variables other subroutines reach, so that each of them
// keeps its frame pointer in a fixed slot.
#include "semantic/semantic.h"

namespace {
int gSmartLinkSweeps = 0;
} // namespace

void ResetSemantic() { gSmartLinkSweeps = 0; }

int SmartLinkSweeps() { return gSmartLinkSweeps; }

// ---- Smart linking ---------------------------------------------------------------

// Marks the ID of every node of the list and of its child lists; true when
// one of them was not marked before.
static bool MarkUsedIDs(Node *list) {
  bool marked = false;
  for (Node *n = list; n; n = n->next) {
    if (n->id && !n->id->used) {
      n->id->used = 1;
      marked = true;
    }
    for (int i = 1; i <= n->childCount && i <= kMaxChildren; i++)
      marked |= MarkUsedIDs(Child(n, i));
  }
  return marked;
}

// One walk over the tree: a subroutine marked earlier in the same walk is
// scanned when the walk reaches it, one the walk has passed waits for the
// next sweep.
static bool SmartLinkSweep() {
  bool marked = false;
  for (ID *id = RootID(); id; id = NextIDInOrder(id))
    if (id->kind == kIdSubr && id->used && id->subr)
      marked |= MarkUsedIDs(id->subr->body);
  return marked;
}

// Sweeps go on until one marks nothing new, so a long chain of calls back
// to earlier declarations is followed to its end.
void SmartLink() {
  Con() << "Smartlinking:\n";
  for (ID *id = RootID(); id; id = NextIDInOrder(id))
    id->used = AsmNameText(id) == "_main";
  for (ID *id = RootID(); id; id = NextIDInOrder(id))
    if (id->kind == kIdSubr && id->implementsEarlier)
      id->used = 1;
  gSmartLinkSweeps = 0;
  bool marked = true;
  while (marked || gSmartLinkSweeps < kMinSmartLinkSweeps) {
    marked = SmartLinkSweep();
    gSmartLinkSweeps++;
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
