// Direct code (-O): statements and conditions compiled straight from their
// node trees into 8- and 16-bit Z80 code, a value in a or hl, a second one
// in b or de, instead of ops on the 32-bit working registers.
//
// Every function first runs without a code generator state, when the
// translator asks whether the direct code can do a statement at all, and
// again with one to make the code; both runs take the same decisions, and
// none depends on where the frame layout puts a variable, only how it is
// reached.  A function that cannot do its node returns false.
//
// Registers: a value function may change a, bc, de, hl and the flags; ix
// (the frame) and iy are kept; a call of a subroutine changes all but ix.
#pragma once

#include "codegen_z80/codegen.h"
#include "parser/parser.h"

struct Direct {
  CG_State *st; // nil: only find out whether the code can be made
};

void D_Emit(Direct &d, const Text &first, const Text &second = "", const Text &third = "");
Text D_NewLabel(Direct &d);
void D_Label(Direct &d, const Text &label);

// ---- Nodes (direct_values.cpp) ---------------------------------------------------

// An integer, char, boolean or pointer value of 1, 2 or 4 bytes.
bool D_IsScalar(const Node *n);
// A variable the direct code reaches: not a typed constant (a data label).
bool D_IsPlainVar(const Node *n);
// Whether the node's value is signed (a variable's by its type).
bool D_IsSigned(const Node *n);
uint16_t D_VarFlags(const ID *v);
// The low 16 bits of a number, in decimal.
Text D_WordText(int64_t v);

// The value of a constant node (an integer literal, a one-character string
// where a char is wanted, or a cast of either).
bool D_Constant(const Node *n, int64_t &value);
// Whether evaluating the node may call a subroutine (and so change
// variables): where it may, the operands are taken in the order the
// general translation takes them.
bool D_HasCall(const Node *n);
// The lowest and highest value a node can have; false when unknown or when
// the value may need more than 32 bits.
bool D_Range(const Node *n, int64_t &low, int64_t &high);

// ---- Variables (direct_variables.cpp) ---------------------------------------------

// How the code reaches a variable: at its fixed address, as (ix+d) of the
// current frame (bytes long), or through its address in hl.
enum class D_Reach { Fixed, Frame, Other };
D_Reach D_ReachOf(Direct &d, const ID *v, int32_t bytes);
// "(address+k)" of a fixed variable; "(ix+d+k)" of the current frame's.
Text D_FixedText(const ID *v, int32_t k);
Text D_FrameText(Direct &d, const ID *v, int32_t k);
// The variable's address into hl; a, de kept (bc changes).
void D_VarAddress(Direct &d, const ID *v);
void D_LoadVarHL(Direct &d, const ID *v);
// A variable at a fixed address (known only when making code).
bool D_IsFixedVar(Direct &d, const Node *n);

// ---- Arithmetic (direct_arithmetic.cpp) ----------------------------------------------

// a into the pair low/high, widened by sign or zeros.
void D_WidenA(Direct &d, const char *low, const char *high, bool isSigned);
// hl := hl * k, a := a * k, hl := hl + k (low bits).
void D_MultiplyHLBy(Direct &d, int64_t k);
void D_MultiplyABy(Direct &d, int64_t k);
void D_AddHL(Direct &d, int64_t k);
// An integer (not boolean) operator node.
bool D_IsIntegerOperator(const Node *n);
// a := a op b (add, sub, and, or, xor) in 8 bits; the same and mul in 16
// bits in hl; shifts by a constant; div and mod of values 16 bits hold.
bool D_ByteOperator(Direct &d, Node *n);
bool D_WordOperator(Direct &d, Node *n);
bool D_ShiftHL(Direct &d, Node *n);
bool D_DivideHL(Direct &d, Node *n);

// ---- Values (direct_values.cpp) ---------------------------------------------------

// A constant or a variable: the general code takes such a right operand
// after the left one, anything else before it.
bool D_IsSimple(const Node *n);
// A simple right operand into de, widened by its sign; hl kept.
void D_SimpleIntoDE(Direct &d, const Node *b);

// The low 8 bits of the node's value into a.
bool D_ValueA(Direct &d, Node *n);
// The low 16 bits of the node's value into hl (a byte widened by its sign).
bool D_ValueHL(Direct &d, Node *n);
// a's value into hl, b's into de; the left side first, or the right one
// unless it is a constant or a variable (taken after the left one).
bool D_WordOperands(Direct &d, Node *a, Node *b, bool leftFirst);
// a's value into a, b's into b; the left side first, or the right one.
bool D_ByteOperands(Direct &d, Node *a, Node *b, bool leftFirst);
// hl into a 32-bit working register ("__reg32a"), widened by sign or zeros.
void D_HLToRegister(Direct &d, const char *reg, bool isSigned);
// A variable's low byte into a; hl kept when asked.
void D_LoadVarA(Direct &d, const ID *v, bool keepHL);
// a (byte) or hl into a variable.
void D_StoreVar(Direct &d, const ID *v, bool byte);
// The address of a variable, element, field or dereference into hl.
bool D_AddressHL(Direct &d, Node *n);
// "(address)" of a value that lies at a fixed address (a main-program or
// absolute variable, a constant element of one, a field of one).
bool D_FixedOperand(Direct &d, const Node *n, Text &operand);
// ---- Calls (direct_calls.cpp) ----------------------------------------------------

// A call of a subroutine by the argument slots of the general code; a
// function's value is left in __reg32a (or hl, register protocol).
bool D_Call(Direct &d, Node *n);
// The expression a call of a one-line function stands for, or nil.
Node *D_InlinedCall(Direct &d, Node *call);

// ---- Conditions (direct_conditions.cpp) -----------------------------------------------

// Jumps to label when the condition's value is true (whenTrue) or false.
bool D_JumpIf(Direct &d, Node *n, const Text &label, bool whenTrue);
// A comparison's or boolean operator's 0 or 1 into a.
bool D_BooleanA(Direct &d, Node *n);
