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
// A call of a subroutine by the argument slots of the general code; a
// function's value is left in __reg32a.
bool D_Call(Direct &d, Node *n);

// ---- Conditions (direct_conditions.cpp) -----------------------------------------------

// Jumps to label when the condition's value is true (whenTrue) or false.
bool D_JumpIf(Direct &d, Node *n, const Text &label, bool whenTrue);
// A comparison's or boolean operator's 0 or 1 into a.
bool D_BooleanA(Direct &d, Node *n);
