// uasm: the intermediate code between the evaluated node trees and the Z80
// code generator.  Every op is one step on a single implicit accumulator
// with at most one operand (an ident or a text).  The translator fills a
// code list and a data list and joins them (data first); the frame layout
// then gives every translated subroutine its frame.
#pragma once

#include <cstdint>

#include "driver/common.h"
#include "lexer/lexer.h"
#include "parser/records.h"

// ---- Op codes ------------------------------------------------------------------

enum UasmCode : int32_t {
  uasmop_srcline = 0,     // a statement begins (position set)
  uasmop_subrbegin = 1,   // ident = subroutine; first op of its code
  uasmop_enter = 2,       // ident = subroutine; prologue
  uasmop_label = 3,       // text = label name
  uasmop_asmline = 4,     // text = one line of assembly (may be empty)
  uasmop_defb = 5,        // text = decimal byte value
  uasmop_localconst = 6,  // ident = constant of the subroutine; no code
  uasmop_direct = 7,      // node = a statement compiled straight from its tree (-O)
  uasmop_directjump = 8,  // node = a condition, text = label; jumps when the
                          // condition is false (size 0) or true (size 1) (-O)
  uasmop_allocstack = 9,  // never made (obsolete)
  uasmop_pusharg = 10,    // push the accumulator as one 4-byte slot
  uasmop_jump = 11,       // text = label
  uasmop_jumptrue = 12,   // text = label; never made by the translator
  uasmop_jumpfalse = 13,  // text = label; jump when the accumulator is false
  uasmop_call = 14,       // ident = subroutine (or text = run-time routine)
  uasmop_leave = 15,      // epilogue
  uasmop_nop = 16,        // never made by the translator
  uasmop_storeind = 17,   // store the operand at the address in the accumulator
  uasmop_deref = 18,      // accumulator := value of `size` bytes at its address
  uasmop_loadaddr = 19,   // accumulator := address of the ident
  uasmop_loadlabel = 20,  // accumulator := address of the text label
  uasmop_reserved21 = 21, // never made
  uasmop_load = 22,       // accumulator := operand
  uasmop_store = 23,      // ident := accumulator
  uasmop_not = 24,        // bitwise complement
  uasmop_neg = 25,        // arithmetic negation
  uasmop_typecast = 26,   // a conversion to `size` bytes; its extension says how it widens
  uasmop_add = 27,        // accumulator := accumulator op operand, 27 to 36;
  uasmop_sub = 28,        // the text "[sp]" takes (and removes) the slot on
  uasmop_mul = 29,        // top of the stack
  uasmop_div = 30,
  uasmop_mod = 31,
  uasmop_and = 32,
  uasmop_or = 33,
  uasmop_xor = 34,
  uasmop_shl = 35,
  uasmop_shr = 36,
  uasmop_cmpgt = 37,      // accumulator := 1 when the comparison holds, else 0;
  uasmop_cmpge = 38,      // size = size of the compared values
  uasmop_cmplt = 39,
  uasmop_cmple = 40,
  uasmop_cmpeq = 41,
  uasmop_cmpne = 42,
  uasmop_pushword = 43,   // push the accumulator's low word as one 2-byte slot (-O)
  uasmop_wordinhl = 44,   // the accumulator's low word into hl: a last argument (-O)
};

constexpr int32_t kUasmCodeCount = 45;

// The code's name ("uasmop_load"), or "uasmop_?" for a code outside 0..44.
const char *UasmOpName(int32_t code);

// ---- Op record ---------------------------------------------------------------------

struct UasmOp {
  UasmOp *prev;
  UasmOp *next;
  const SourcePos *position; // uasmop_srcline only: the statement node's own position
  int32_t code;              // UasmCode
  int32_t resultPlace;       // 0 when made; written only by the code generator
  int32_t size;              // -1 when made; bytes worked on (see the codes)
  uint8_t isSigned;          // signed flag of the expression this op ends
  uint8_t extension;         // kExtendZero or kExtendSign: how the value widens
  ID *ident;                 // identifier operand, or nil
  HeapText text;             // text operand, or nil (an empty text is nil)
  Node *node;                // uasmop_direct and uasmop_directjump only
  void *unused[2];           // cleared, never used
};

// How the value an op leaves is widened wherever the code generator holds it
// in fewer bytes than are wanted: the bytes above are zeros, or copies of
// the top bit of the bytes held.  The translator decides it once for every
// op (SetExtension, and the type cast's own rule); the code generator and
// its rules only read it.
constexpr uint8_t kExtendZero = 0;
constexpr uint8_t kExtendSign = 1;

// ---- Lists ---------------------------------------------------------------------------

// Each list is held by a slot that points at its last op (nil when empty).
extern UasmOp *gCodeList;
extern UasmOp *gDataList;

// The run-time routine that copies a block of memory (records and arrays
// that do not fit the accumulator).  The caller pushes three 4-byte slots,
// source address, destination address, byte count, and calls it; the
// routine removes the three slots itself, like a generated subroutine.
extern const char *const kBlockCopyRoutine; // "__copyblock"

UasmOp *CreateOp(int32_t code);
void AppendOps(UasmOp *&slot, UasmOp *op);
UasmOp *EmitText(int32_t code, const Text &text, int32_t size);
UasmOp *EmitIdent(int32_t code, ID *ident, int32_t size);
UasmOp *EmitData(int32_t code, const Text &text);
void DefineLabel(const Text &name);
Text NewLabel();
ID *NewTemp(TypeDescr *type);
ID *SaveTemp(int32_t size);
void ReleaseTemp(ID *temp);
void EmitSrcLine(const Node *node);
UasmOp *FirstOp(UasmOp *op);
// The extension of an op that is not a type cast: a loaded variable widens
// by its type, a constant when it is negative or marked signed, any other
// value by the signed flag of the expression it ends.  Called when the op is
// made and again whenever its signed flag is set.
void SetExtension(UasmOp *op);
// The extension of a type cast from a value of sourceSize bytes whose own
// extension is sourceExtension to a type of targetSize bytes.
uint8_t CastExtension(uint8_t sourceExtension, int32_t sourceSize, int32_t targetSize,
                      bool targetSigned);

// The subroutine whose code is being made; temporaries become its children.
extern ID *gTranslatingSubr;

// Back to the state before any translation (lists, counters).
void ResetTranslator();

// ---- Translation --------------------------------------------------------------------

// Lowers every used subroutine; prints "translator started:" and "tmpcnt=N".
// Returns the last op of the joined list (data list first, then code list).
UasmOp *Translate();
void TranslateSubr(ID *s);
void TranslateStatements(Node *list);
// Leaves the node's value (or, for an addressable node whose isValue is
// clear, its address) in the accumulator.
void TranslateExpr(Node *n);

// ---- Frame layout -------------------------------------------------------------------

// The first bytes below the frame pointer belong to no variable.  A
// subroutine whose variables nested subroutines reach through its
// parent-frame slot keeps there the value the slot had at its entry, and
// puts it back at its exit, so that after a recursive activation returns the
// slot shows the live frame again.
constexpr int32_t kFrameUnusedBytes = 4;
constexpr int32_t kSavedParentFrameOffset = -4; // 2 bytes
static_assert(-kSavedParentFrameOffset <= kFrameUnusedBytes && kSavedParentFrameOffset + 2 <= 0);

// Lays out the frame of every subroutine that has a uasmop_subrbegin in the
// list given by any of its ops.
void LayoutFrames(UasmOp *op);
void LayoutFrame(ID *s);
// Bytes of the main program's variables at the globals label (-O only).
extern int32_t gGlobalsSize;

// ---- The register call protocol (register_calls.cpp, -O) ------------------------

// Chooses, before translation, the subroutines that take 2-byte slots,
// return a small result in hl and leave their slots to the caller.
void ChooseRegisterCallees();
bool UsesRegisterProtocol(const ID *s);
// The bytes of parameter i's slot in such a subroutine: 2, or 4 for a
// 4-byte value.
int32_t RegisterSlotBytes(const SubrRec *r, int i);
// Whether such a subroutine's last argument, of a 2-byte slot, travels in
// hl: the caller pushes no slot, the prologue pushes hl as the first local.
bool LastArgumentInHL(const ID *s);
void ResetRegisterCallees();

// ---- Readable dump --------------------------------------------------------------------

// One line per op: code name, size, then the operand (an ident's name, a
// text in double quotes, or a statement's position), and "signed" when set.
Text DumpOp(const UasmOp *op);
// Every op of the list given by any of its ops, from the first, one per line.
std::string DumpOps(const UasmOp *anyOp);
