// What the translator's files share among themselves and nobody else needs.
#pragma once

#include "parser/parser.h"
#include "translator/uasm.h"

// ---- ops.cpp ----------------------------------------------------------------------

uint16_t TempCount();
void ResetLiveTemps();
// SaveTemp for a value that may be signed.
ID *SaveTempFor(int32_t size, bool isSigned);

// ---- translate.cpp ----------------------------------------------------------------------

// Where break and continue of the innermost loop jump.  A label that only
// they reach is defined only when one of them used it, so loops without
// them translate as they always did.
struct LoopExits {
  Text continueLabel;
  Text breakLabel;
  bool continueUsed;
  bool breakUsed;
  LoopExits *outer;
};
void EnterLoop(LoopExits &loop, const Text &continueLabel, const Text &breakLabel);
void LeaveLoop(const LoopExits &loop);

// Forgets the loops and the exit label of the subroutine being translated.
void ResetLoopExits();
// Loads the character code of a one-character string constant.
void LoadCharLiteral(const Node *n);

// ---- translate_expr.cpp -----------------------------------------------------------------

// TranslateExpr with the choice between value and address made by the
// caller instead of the node's isValue (only addressable nodes differ).
void TranslateExprAs(Node *n, bool wantValue);
// Leaves an address of the node's value in the accumulator: the node's own
// address when it has one, else the address of a temporary holding it.
void TranslateAddress(Node *n);
// The op of an operator node kind (25 to 41), or -1.
int32_t OperatorOp(int32_t kind);
bool IsComparison(int32_t kind);
bool IsAddressable(const Node *n);
// Size of the node's type record, else the node's own size.
int32_t ValueSize(const Node *n);

// ---- translate_direct.cpp (-O) ---------------------------------------------------------

// Each emits the direct op and returns true when the code generator can do
// the statement, the condition's jump or the whole for loop straight from
// the nodes; else it emits nothing.
bool EmitDirectStatement(Node *n);
bool EmitDirectJump(Node *condition, const Text &label, bool whenTrue);
bool TranslateDirectFor(Node *n, LoopExits &loop);
bool EmitDirectResult(ID *result);
bool TranslateDirectWhile(Node *n);
bool ResultsLeftInHL(const ID *s);
bool EmitDirectTail(Node *assign, ID *result, const Text &ready);

// ---- translate_calls.cpp ----------------------------------------------------------------

void TranslateCall(Node *n);
// Copies `size` bytes from the value of `value` to the place of `target`.
void TranslateBlockAssign(Node *target, Node *value, int64_t size);
// A value that the accumulator cannot hold travels as its address.
bool TravelsByAddress(int64_t size);
// A value parameter of this type arrives as the address of the caller's
// copy: every string, and any other value too big for its slot.
bool ParameterTravelsByAddress(const TypeDescr *t);

// ---- translate_index.cpp ----------------------------------------------------------------

// Leave the element's or field's address in the accumulator.
void TranslateIndexAddress(Node *n);
void TranslateFieldAddress(Node *n);
// Stops the run when a value does not fit the checks' 32-bit bounds.
int32_t CheckedDerefSize(int64_t size);
