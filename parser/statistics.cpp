// The SYNTAX block: how many symbol records and nodes the parse produced
// and how much memory they take.
#include <cstdint>

#include "parser/parser.h"

uint32_t gSyntaxCounters[11];

void ResetSyntaxCounters() {
  for (uint32_t &c : gSyntaxCounters)
    c = 0;
}

static void Bump(int counter) {
  if (gSyntaxCounters[counter] == UINT32_MAX)
    RunTimeStop(kStopLimit, "table statistics counter above 4294967295");
  gSyntaxCounters[counter] += 1;
}

void CountStatementNodes(const Node *list) {
  for (const Node *n = list; n; n = n->next) {
    Bump(kCountNodes);
    for (int i = 1; i <= n->childCount && i <= kMaxChildren; i++)
      CountStatementNodes(Child(n, i));
  }
}

// Record fields hang from their type records, not from the tree, so they
// are not counted.
void CountIDs(const ID *first) {
  for (const ID *id = first; id; id = id->next) {
    Bump(kCountIDs);
    if (id->kind == kIdType) {
      Bump(kCountTypes);
    } else if (id->kind == kIdSubr) {
      Bump(kCountSubrs);
      CountStatementNodes(id->subr ? id->subr->body : nullptr);
    } else if (id->kind == kIdVar) {
      Bump(kCountVars);
    }
    if (id->firstChild)
      CountIDs(id->firstChild);
  }
}

static void WriteCountLine(int counter, const char *what, size_t recordSize) {
  uint64_t count = gSyntaxCounters[counter];
  Con() << count << ' ' << what << " // sizeof=" << recordSize << " bytes, total "
        << count * recordSize << '\n';
}

void PrintSyntaxStatistics() {
  ResetSyntaxCounters();
  CountIDs(RootID());
  Con() << "\nSYNTAX\n";
  WriteCountLine(kCountIDs, "IDs", sizeof(ID));
  WriteCountLine(kCountVars, "vars", sizeof(VarRec));
  WriteCountLine(kCountSubrs, "subrs", sizeof(SubrRec));
  WriteCountLine(kCountTypes, "types", sizeof(TypeDescr));
  WriteCountLine(kCountNodes, "nodes", sizeof(Node));
  Con() << '\n';
}
