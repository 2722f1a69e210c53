// Semantic analysis: node evaluation (names, types, sizes, constant folding,
// operand order), overloaded calls with implicit casts, the rewriting of
// built-in routines and string operators into calls, smart linking and the
// numbering of parent frames.
#pragma once

#include <cstdint>

#include "driver/common.h"
#include "parser/parser.h"

// ---- Node evaluation (node_evaluation.cpp) -------------------------------------------

// Evaluates the body of every subroutine, the main program included.
void SemanticPass();
// Both sweeps over one subroutine's body, with the look-up scope set to it.
void EvaluateSubr(ID *s);
// One node whose children are already evaluated; never fails hard.
void nodecalc(Node *n);
// The node's type record (or nil), also stored in the node.
TypeDescr *GetNodeType(Node *n);
// Operand class and result fields of assignments and operator nodes.
void CalcOperatorTypes(Node *n);
// Puts a constant or variable operand on the right where the operator allows.
void SwapOperands(Node *n);
// A reference to an integer constant becomes the literal it stands for.
void FoldConstant(Node *n);
// The literal that the constant nil (of the run-time routines) became.
bool IsNilConstant(const Node *n);
// SizeOfRange, the storage size of a range, is shared with SizeOfValue and
// lives with it in parser/types.cpp.

// Reports at the node's own source position.
void ReportAtNode(const Node *n, const Text &message);
// True when children 1..count are all present; reports "missing operand"
// once otherwise (the parser leaves nil where it could not build one).
bool HasOperands(const Node *n, int count);
// Marks a node as needed by its value (nil-safe).
void SetIsValue(Node *n);
// A type-cast node that CastTo made (it has no text, a written one has).
bool IsMadeCast(const Node *n);
// An integer expression whose value only goes into targetSize bytes (an
// assignment's target, a value parameter) is computed in that width where
// its operators keep only low bits (node_evaluation.cpp).
void KeepNarrowTyping(Node *n, int32_t targetSize);

// ---- Statements (statements.cpp) ----------------------------------------------------

// A for loop: its control variable (an ordinal variable) and its bounds.
void EvaluateFor(Node *n);
// A case statement: its selector and every label are values.
void EvaluateCase(Node *n);
// A case label lo..hi: its bounds are values; an empty range is noted.
void EvaluateCaseRange(Node *n);
// A reference to a function's result (the parser makes one for the
// function's own name inside it).
bool IsFunctionResultRef(const Node *n);
// Reports an assignment to a call; false then.
bool CheckAssignmentTarget(Node *n);

// ---- Calls (calls.cpp) ------------------------------------------------------------

// Binds a call node to the best-fitting subroutine and casts its arguments.
void CreateNode_call(Node *n, const Text &name);
// Overload resolution over every visible subroutine of that name.
ID *FindSubroutine(const Text &name, Node *call);
// How well an argument of type x fits a parameter of type y: 0 to 50.
int TypeScore(const TypeDescr *x, const TypeDescr *y);
// The node itself when it already has t's class and size, else a new
// type-cast node over it.
Node *CastTo(Node *n, TypeDescr *t);
// A new type-cast node over n to t, whatever n's type.
Node *MadeCast(Node *n, TypeDescr *t);

// ---- Built-in routines (builtins.cpp) ---------------------------------------------

// write, writeln and new become calls of run-time routines, sizeof an
// integer constant (first sweep).
void RewriteBuiltins(Node *n);
// sizeof(x) with no routine of that name declared: its argument is a type
// or a variable, not a value, and is evaluated by RewriteBuiltins.
bool IsBuiltinSizeof(const Node *n);
// The first sweep over one expression tree.
void EvaluateExpression(Node *n);
// exit, break and continue: a visible declaration of that name makes the
// statement a call of it again, as it was before these statements existed.
void ResolveControlStatement(Node *n);
// exit(value) in a function: its child becomes the evaluated assignment
// result := value, made before the exit.
void ExitValueToResult(Node *n);
// Reports break and continue outside every loop of the statement list.
void CheckLoopStatements(const Node *list, int loopDepth);
// String assignment, "+" and comparisons become calls (second sweep).
void RewriteStringOps(Node *n);

// ---- Smart linking and parent frames (smart_link.cpp) -----------------------------

// Clears what the semantic passes keep between runs (nothing at present).
void ResetSemantic();

// Marks every ID reachable from the main program as used.
void SmartLink();
// Numbers the subroutines whose variables other subroutines use.
void NumberParentFrames(ID *root);
