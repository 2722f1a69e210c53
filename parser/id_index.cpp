// The index beside the identifier tree.  Every ID that AddID places gets an
// entry (its rank among all placed IDs and the entry of the previous ID of
// the same name in the same scope); a hash table leads from (scope, name) to
// the latest such entry; each scope's last child is kept; and so is how
// many IDs of each name exist at all.  A look-up then probes the table once
// per enclosing scope instead of walking past every earlier declaration,
// and still meets the same IDs in the same order as the walk through the
// tree.
#include <string_view>
#include <unordered_map>
#include <vector>

#include "parser/parser.h"

namespace {

// An entry's number is its rank among all placed IDs, so later siblings
// rank higher.
struct Entry {
  ID *id;
  uint32_t previous; // entry of the previous same-named sibling, 0 for none
};

// One (scope, name) of the table; an empty slot has no scope.
struct Slot {
  const ID *scope;
  uint32_t latest; // entry of the latest ID of that name in that scope
  uint32_t nameHash;
};

std::vector<Entry> gEntries(1); // entry 0 stands for "none"
std::vector<Slot> gSlots;       // open addressing, at most half full
size_t gSlotsUsed = 0;
std::unordered_map<const ID *, ID *> gLastChild;
std::unordered_map<std::string_view, uint32_t> gNameCount;

bool gCrossCheck = false;
uint32_t gCrossCheckFailures = 0;

std::string_view NameView(const ID *id) {
  return std::string_view(id->name.chars, id->name.length);
}

uint32_t HashName(std::string_view name) {
  return static_cast<uint32_t>(std::hash<std::string_view>{}(name));
}

size_t SlotIndex(const ID *scope, uint32_t nameHash) {
  uint64_t h = reinterpret_cast<uintptr_t>(scope) * 0x9E3779B97F4A7C15ull ^ nameHash;
  return static_cast<size_t>(h ^ (h >> 29)) & (gSlots.size() - 1);
}

// The slot of (scope, name): the one holding it, or the empty one where it
// would go.
Slot &FindSlot(const ID *scope, std::string_view name, uint32_t nameHash) {
  size_t mask = gSlots.size() - 1;
  for (size_t i = SlotIndex(scope, nameHash);; i = (i + 1) & mask) {
    Slot &s = gSlots[i];
    if (!s.scope || (s.scope == scope && s.nameHash == nameHash &&
                     NameView(gEntries[s.latest].id) == name))
      return s;
  }
}

void GrowSlots() {
  std::vector<Slot> old(gSlots.size() < 64 ? 64 : gSlots.size() * 2);
  old.swap(gSlots);
  for (const Slot &s : old)
    if (s.scope) {
      size_t mask = gSlots.size() - 1, i = SlotIndex(s.scope, s.nameHash);
      while (gSlots[i].scope)
        i = (i + 1) & mask;
      gSlots[i] = s;
    }
}

uint32_t LatestNamed(const ID *scope, std::string_view name, uint32_t nameHash) {
  if (gSlots.empty())
    return 0;
  const Slot &s = FindSlot(scope, name, nameHash);
  return s.scope ? s.latest : 0;
}

void PlaceChild(ID *parent, ID *child) {
  if (2 * (gSlotsUsed + 1) > gSlots.size())
    GrowSlots();
  std::string_view name = NameView(child);
  uint32_t nameHash = HashName(name);
  Slot &s = FindSlot(parent, name, nameHash);
  uint32_t entry = static_cast<uint32_t>(gEntries.size());
  gEntries.push_back(Entry{child, s.scope ? s.latest : 0});
  if (!s.scope)
    gSlotsUsed++;
  s = Slot{parent, entry, nameHash};
  gLastChild[parent] = child;
}

// Children linked before the scope was first seen here (only hand-built
// trees have them) are indexed once, in list order.
void IndexScope(const ID *scope) {
  if (!scope || !scope->firstChild || gLastChild.count(scope))
    return;
  for (ID *c = scope->firstChild; c; c = c->next)
    PlaceChild(const_cast<ID *>(scope), c);
}

// The entry of a placed ID, or 0 for one that AddID did not place.
uint32_t OrderOf(const ID *id) {
  if (!id->parent)
    return 0;
  IndexScope(id->parent);
  std::string_view name = NameView(id);
  for (uint32_t e = LatestNamed(id->parent, name, HashName(name)); e; e = gEntries[e].previous)
    if (gEntries[e].id == id)
      return e;
  return 0;
}

void StartCursor(VisibleCursor &c, const Text &name) {
  c = VisibleCursor{};
  c.name = name;
  c.nameHash = HashName(c.name);
}

// No ID of this name exists anywhere (every named ID comes from CreateID),
// so no walk can meet one.
bool NameUnused(const Text &name) {
  if (name.empty())
    return false;
  auto it = gNameCount.find(name);
  return it == gNameCount.end() || it->second == 0;
}

} // namespace

void ResetIdIndex() {
  gEntries.assign(1, Entry{});
  gSlots.clear();
  gSlotsUsed = 0;
  gLastChild.clear();
  gNameCount.clear();
  gCrossCheckFailures = 0;
}

void IndexCreatedID(const ID *id) { gNameCount[NameView(id)]++; }

ID *IndexedLastChild(ID *scope) {
  IndexScope(scope);
  auto it = gLastChild.find(scope);
  return it == gLastChild.end() ? nullptr : it->second;
}

void IndexAddedChild(ID *parent, ID *child) { PlaceChild(parent, child); }

// ---- The look-up cursor ---------------------------------------------------------

// Where the walk that a cursor stands for starts.
enum class WalkStart { LastVisible, LastChild };
static void CheckCursor(const VisibleCursor &c, const ID *from, WalkStart start);

static void StartWithChildren(VisibleCursor &c, ID *scope) {
  IndexScope(scope);
  c.entry = LatestNamed(scope, c.name, c.nameHash);
  c.limit = UINT32_MAX;
}

void StartVisible(VisibleCursor &c, ID *scope, const Text &name) {
  StartCursor(c, name);
  if (scope && !NameUnused(name)) {
    StartWithChildren(c, scope);
    c.climbFrom = scope;
  }
  CheckCursor(c, scope, WalkStart::LastVisible);
}

void StartChildrenNamed(VisibleCursor &c, ID *scope, const Text &name) {
  StartCursor(c, name);
  if (scope && !NameUnused(name))
    StartWithChildren(c, scope);
  CheckCursor(c, scope, WalkStart::LastChild);
}

// Level by level outwards: the same-named IDs of the current scope still
// to give (those ranked above the limit come after the ID climbed from, and
// are skipped), then the enclosing scope's IDs up to and with the one
// climbed from.
// An ID that AddID did not place (the root, a subroutine whose header is
// being read, a record field) has no rank to climb from: from there on the
// tree itself is walked.
ID *NextVisible(VisibleCursor &c) {
  for (;;) {
    while (c.entry) {
      uint32_t e = c.entry;
      c.entry = gEntries[e].previous;
      if (e <= c.limit)
        return gEntries[e].id;
    }
    if (ID *at = c.walkAt) {
      c.walkAt = at->prev ? at->prev : at->parent;
      if (NameView(at) == c.name)
        return at;
      continue;
    }
    ID *from = c.climbFrom;
    if (!from)
      return nullptr;
    uint32_t order = OrderOf(from);
    if (order == 0) {
      c.climbFrom = nullptr;
      c.walkAt = from;
      continue;
    }
    c.climbFrom = from->parent;
    c.entry = LatestNamed(from->parent, c.name, c.nameHash);
    c.limit = order;
  }
}

// ---- The walk through the tree, and checking the index against it ----------------------

ID *WalkLastVisibleID(ID *scope) {
  if (!scope || !scope->firstChild)
    return scope;
  ID *last = scope->firstChild;
  while (last->next)
    last = last->next;
  return last;
}

// Every ID of the name met from `at` on, through earlier siblings and, when
// climbing, out through the enclosing IDs.
static std::vector<ID *> WalkNamed(ID *at, std::string_view name, bool climb) {
  std::vector<ID *> met;
  while (at) {
    if (NameView(at) == name)
      met.push_back(at);
    at = at->prev ? at->prev : climb ? at->parent : nullptr;
  }
  return met;
}

std::vector<ID *> WalkVisibleNamed(ID *scope, const Text &name) {
  return WalkNamed(WalkLastVisibleID(scope), name, true);
}

std::vector<ID *> IndexedVisibleNamed(ID *scope, const Text &name) {
  std::vector<ID *> met;
  VisibleCursor c;
  StartVisible(c, scope, name);
  while (ID *id = NextVisible(c))
    met.push_back(id);
  return met;
}

void SetLookupCrossCheck(bool on) {
  gCrossCheck = on;
  gCrossCheckFailures = 0;
}

uint32_t LookupCrossCheckFailures() { return gCrossCheckFailures; }

static void CheckCursor(const VisibleCursor &c, const ID *from, WalkStart start) {
  if (!gCrossCheck)
    return;
  ID *id = const_cast<ID *>(from);
  std::vector<ID *> walked;
  if (start == WalkStart::LastVisible)
    walked = WalkNamed(WalkLastVisibleID(id), c.name, true);
  else
    walked = WalkNamed(id && id->firstChild ? WalkLastVisibleID(id) : nullptr, c.name, false);
  VisibleCursor copy = c;
  std::vector<ID *> met;
  while (ID *found = NextVisible(copy))
    met.push_back(found);
  if (met != walked)
    gCrossCheckFailures++;
}

void CrossCheckLastVisible(ID *scope, const ID *last) {
  if (gCrossCheck && last != WalkLastVisibleID(scope))
    gCrossCheckFailures++;
}
