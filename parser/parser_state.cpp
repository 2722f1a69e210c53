// State shared by every part of the parser: the reset, the report at the
// current token, the nesting guard and the missing-type mark.
#include "parser/parser.h"

namespace {
int gNestingDepth = 0;
bool gTypeMissing = false;
} // namespace

void ResetParser() {
  ResetIdTree();
  ResetDeclarations();
  ResetSyntaxCounters();
  gNestingDepth = 0;
  gTypeMissing = false;
}

void ReportHere(const Text &message) { ErrorAt(CurrentPos(), message); }

bool AtEndOfTokens() { return TokenCursor == nullptr; }

NestingGuard::NestingGuard() {
  if (++gNestingDepth > kMaxNesting)
    RunTimeStop(kStopLimit, "more than " + DecimalText(kMaxNesting) +
                                " nested levels of expressions, statements or types");
}

NestingGuard::~NestingGuard() { --gNestingDepth; }

void NoteMissingType() { gTypeMissing = true; }
bool TypeWasMissing() { return gTypeMissing; }
