// The identifier tree: one tree that is both symbol table and scope
// structure.  Look-up means the walk back through earlier siblings, then out
// through the enclosing IDs; the index of id_index.cpp gives its result
// without the walk.
#include "parser/parser.h"

ID *gCurrentScope = nullptr;
ID *gTypeScope = nullptr;

namespace {
ID *gRoot = nullptr;
uint16_t gAsmNameCounter = 0;
} // namespace

void ResetIdTree() {
  gRoot = nullptr;
  gCurrentScope = nullptr;
  gTypeScope = nullptr;
  gAsmNameCounter = 0;
  ResetIdIndex();
}

ID *RootID() { return gRoot; }
void SetRootID(ID *root) { gRoot = root; }
void ResetAsmNameCounter() { gAsmNameCounter = 0; }

// ---- Fixed-capacity names --------------------------------------------------

Text NameText(const ID *id) {
  Text t;
  for (int i = 0; i < id->name.length; i++)
    t += id->name.chars[i];
  return t;
}

static void SetName(ID *id, const Text &name) {
  size_t n = name.size() < size_t(kMaxNameLength) ? name.size() : kMaxNameLength;
  id->name.length = static_cast<uint8_t>(n);
  for (size_t i = 0; i < n; i++)
    id->name.chars[i] = name[i];
}

// Compares the stored name with a whole text, without building a string:
// look-ups run it for every ID they pass.  A text longer than 30 characters
// never equals a stored (cut) name.
bool NameIs(const ID *id, const Text &name) {
  if (id->name.length != name.size())
    return false;
  for (size_t i = 0; i < name.size(); i++)
    if (id->name.chars[i] != name[i])
      return false;
  return true;
}

Text AsmNameText(const ID *id) {
  Text t;
  for (int i = 0; i < id->asmName.length; i++)
    t += id->asmName.chars[i];
  return t;
}

void SetAsmName(ID *id, const Text &name) {
  size_t n = name.size() < size_t(kMaxAsmNameLength) ? name.size() : kMaxAsmNameLength;
  id->asmName.length = static_cast<uint8_t>(n);
  for (size_t i = 0; i < n; i++)
    id->asmName.chars[i] = name[i];
}

// ---- Creating and placing IDs ---------------------------------------------------

ID *CreateID(int32_t kind, const Text &name) {
  ID *id = NewRecord<ID>();
  id->kind = kind;
  SetName(id, name);
  id->used = 1;
  IndexCreatedID(id);
  return id;
}

static bool IsLabelText(const Text &t) {
  if (t.empty() || (t[0] >= '0' && t[0] <= '9'))
    return false;
  for (char c : t)
    if (!(c == '_' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') ||
          (c >= 'A' && c <= 'Z')))
      return false;
  return true;
}

// An operator function is named by its operator text, which an assembler
// does not take in a label: the label spells the operator instead.
static Text OperatorLabelWord(const Text &op) {
  static const struct {
    const char *op, *word;
  } kWords[] = {{"+", "add"}, {"-", "sub"}, {"*", "mul"}, {"/", "divide"},
                {"=", "eq"},  {"<>", "ne"}, {"<", "lt"},  {"<=", "le"},
                {">", "gt"},  {">=", "ge"}};
  for (const auto &w : kWords)
    if (op == w.op)
      return Text("op_") + w.word;
  return "op";
}

// The label is the first 11 characters of the name and a running number, so
// overloads and nested homonyms never share one by accident.
static Text MakeAsmName(const ID *id) {
  if (gAsmNameCounter == 0xFFFF)
    RunTimeStop(kStopLimit, "more than 65535 assembly names");
  gAsmNameCounter++;
  Text stem = NameText(id).substr(0, 11);
  if (!IsLabelText(stem))
    stem = OperatorLabelWord(NameText(id));
  return stem + "_" + DecimalText(gAsmNameCounter);
}

void AddID(ID *parent, ID *id) {
  Text label = MakeAsmName(id);
  if (id->asmName.length == 0)
    SetAsmName(id, label);
  if (!parent)
    return;
  ID *last = IndexedLastChild(parent);
  if (last)
    last->next = id;
  id->prev = last;
  id->parent = parent;
  if (!parent->firstChild)
    parent->firstChild = id;
  IndexAddedChild(parent, id);
}

// ---- Look-up and walks ------------------------------------------------------------

// The index keeps each scope's last child (id_index.cpp).
ID *LastVisibleID(ID *scope) {
  if (!scope)
    return nullptr;
  ID *last = IndexedLastChild(scope);
  if (!last)
    last = scope;
  CrossCheckLastVisible(scope, last);
  return last;
}

// Later declarations hide earlier ones; every enclosing ID is itself
// compared on the way out, so a subroutine sees its own name.  The index
// gives the first ID of the name that walk would meet.
ID *FindIDFrom(ID *scope, const Text &name) {
  VisibleCursor c;
  StartVisible(c, scope, name);
  return NextVisible(c);
}

ID *FindID(const Text &name) { return FindIDFrom(gCurrentScope, name); }

// Depth-first pre-order over the whole tree.
ID *NextIDInOrder(ID *cursor) {
  if (!cursor)
    return nullptr;
  if (cursor->firstChild)
    return cursor->firstChild;
  for (ID *at = cursor; at; at = at->parent)
    if (at->next)
      return at->next;
  return nullptr;
}

ID *NextIDUp(ID *id) {
  ID *next = id->next;
  if (!next)
    return id->parent;
  return next->firstChild ? next->firstChild : next;
}

void PushField(ID *&head, ID *id) {
  id->prev = head;
  if (head)
    head->next = id;
  head = id;
}

// ---- Variables, constants and type records --------------------------------------

// A symbol without a type is reported and still created; the run then
// stops after parsing instead of carrying it further.
static ID *CreateSymbol(int32_t kind, const Text &name, TypeDescr *type,
                        uint16_t flags, int32_t address, const void *value,
                        const char *nilTypeMessage) {
  if (!type) {
    ReportHere(nilTypeMessage);
    NoteMissingType();
  }
  VarRec *v = NewRecord<VarRec>();
  v->flags = flags;
  v->address = address;
  v->value = value;
  ID *id = CreateID(kind, name);
  id->type = type;
  id->var = v;
  return id;
}

ID *CreateVar(const Text &name, TypeDescr *type, int32_t address, uint16_t flags) {
  return CreateSymbol(kIdVar, name, type, flags, address, nullptr,
                      "internal error: creating var with TypeDescr=nil");
}

ID *AddVar(ID *parent, const Text &name, TypeDescr *type, int32_t address,
           uint16_t flags) {
  ID *id = CreateVar(name, type, address, flags);
  AddID(parent, id);
  return id;
}

// A constant's address is never read; it keeps 0.
ID *AddConst(ID *parent, const Text &name, TypeDescr *type, const void *value) {
  ID *id = CreateSymbol(kIdConst, name, type, kFlagsConst, 0, value, "[const] type=nil");
  AddID(parent, id);
  return id;
}

TypeDescr *CreateTypeDescr(int32_t typeClass, int64_t size, int64_t low,
                           int64_t high, TypeDescr *base) {
  if (typeClass == kClassPointer) {
    size = 2;
    low = 0;
    high = 65535;
  }
  if (size < 0 || size >= (int64_t(1) << 31))
    RunTimeStop(kStopLimit, "type size " + DecimalText(size) +
                                " outside 0..2147483647 bytes");
  TypeDescr *t = NewRecord<TypeDescr>();
  t->typeClass = typeClass;
  t->size = static_cast<uint32_t>(size);
  t->low = low;
  t->high = high;
  t->base = base;
  return t;
}
