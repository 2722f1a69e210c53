// The Z80 code generator: the asm line list and the output file with its
// skeleton, operand addressing, the translation of each uasm op, the value
// places with the moves into the 32-bit working registers, and the pattern
// rules for direct 8- and 16-bit code.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "driver/common.h"
#include "parser/records.h"
#include "translator/uasm.h"

// ---- Asm lines (asm_lines.cpp) -------------------------------------------------

// One output line: a mnemonic, label, comment or whole text, then up to two
// operands.  Empty fields are absent (nil heap texts).
struct AsmLine {
  AsmLine *prev;
  AsmLine *next;
  HeapText first;
  HeapText second;
  HeapText third;
  bool fromLibrary; // copied from the run-time library text
  bool startsSubr;  // the first line of a subroutine's code
};

// The asm line list: always its last line (nil while empty).
extern AsmLine *gAsmLineList;

// Where an op left its value.
constexpr int32_t kPlaceNone = 0;
constexpr int32_t kPlaceReg32a = 1; // the 32-bit accumulator __reg32a
constexpr int32_t kPlaceA = 3;      // register a
constexpr int32_t kPlaceHL = 12;    // register pair hl

// Passed to every emitting operation.
struct CG_State {
  AsmLine **list;   // the list variable
  ID *currentSubr;  // set by each subrbegin op; nil before the first
};

void CG_Emit(CG_State &st, const Text &first, const Text &second, const Text &third);
// The word variable hl holds, set by the direct code after it loads or
// stores one; every emitted line that may change hl or memory forgets it.
extern const ID *gWordInHL;
AsmLine *CG_FirstLine(AsmLine *line);
// Whether any field of the line holds the text (a cheap test before the
// line is formatted and split into words).
bool CG_LineMentions(const AsmLine *line, std::string_view needle);
Text CG_FormatLine(const AsmLine *line);
void CG_CopyLibrary(CG_State &st);
// Unlinks line from the list (list is its last line).
void CG_RemoveLine(AsmLine *&list, AsmLine *line);

// ---- Reached library routines (library_link.cpp) -------------------------------

// Which library lines to keep: the pieces (a global "__" label up to the
// next) the program lines name, and what those name or fall through into,
// plus the data in front of the library's first instruction.
std::vector<bool> CG_ReachedLibraryLines(const std::vector<Text> &library,
                                         const std::vector<Text> &program);
// Removes from the list the library lines no other line reaches.
void CG_LinkReachedLibrary(AsmLine *&list);

// The words of a line outside quoted texts and its comment.
std::vector<Text> CG_WordsOf(const Text &line);
// The name a line defines: "name:" at its start, or "name equ value".
bool CG_DefinedName(const Text &line, Text &name);

// ---- Unused subroutines (unused_subroutines.cpp) -----------------------------------

// Removes the lines of every subroutine but the main program that no line
// outside it names, directly or through other kept subroutines.
void CG_DropUnusedSubroutines(AsmLine *&list);

// ---- Parent-frame slots (parent_frames.cpp) ---------------------------------------

// Removes every parent-frame slot no line loads to reach a variable, with
// the lines that set, save and restore it.
void CG_DropUnreadParentFrames(AsmLine *&list);

// ---- Frameless subroutines (frameless.cpp) ------------------------------------------

// Removes the frame building and dropping of every subroutine whose lines
// do not need its frame.
void CG_DropUnneededFrames(AsmLine *&list);

// ---- The output file (output_file.cpp) -------------------------------------------

// The source's name with the extension of its file name replaced by ".asm"
// (or ".asm" appended), in the source's folder; empty for a folder name.
Text CG_OutputFileName(const Text &sourceName);
// Writes the lines to a temporary file beside the target and renames it
// over the target once complete; on a failure the earlier output stays.
void CG_WriteFile(const Text &fileName, const AsmLine *first);
// Removes the output an earlier run left, unless this run began writing.
void CG_DiscardOutputFile(const Text &fileName);
extern bool gOutputWriteStarted;

// ---- The run (run.cpp) -----------------------------------------------------------

void CG_Run(AsmLine *&list, UasmOp *ops);
// The per-op loop: every op from first on, through the pattern rules or
// the general translation.
void CG_TranslateOps(CG_State &st, UasmOp *first);
// The highest parent-frame slot the ops of the list refer to.
int CG_HighestParentFrame(UasmOp *first);
void ResetCodeGenerator();

// ---- Operand addressing (operands.cpp) -------------------------------------------------

// Variables nearer to the frame pointer than this use (ix+N) directly.
constexpr int32_t kNearLimit = 125;

bool CG_IsFrameVar(const ID *v);
bool CG_IsByReference(const ID *v);
bool CG_IsNear(const ID *v);
bool CG_IsPlainNear(const ID *v);  // frame, by value, near
bool CG_IsOwnVar(const CG_State &st, const ID *v);
int32_t CG_Address(const ID *v);    // the var record's address field
// The slot label of the subroutine v belongs to: "(parentframe" k ")".
Text CG_ParentFrameSlot(const ID *v);
// "(ix+N+d)" or "(iy+N+d)"; for an enclosing subroutine's variable the iy
// load is emitted first when loadIy is set.
Text CG_FrameText(CG_State &st, const ID *v, int32_t d, bool loadIy = true);

// Leaves the operand's (or the variable's) address in hl; changes bc too
// for frame variables, never a or de.
void CG_OperandAddress(CG_State &st, const UasmOp *op);
void CG_VarAddress(CG_State &st, const ID *v);
// The address of a variable outside every frame: a number, or for a
// main-program variable under -O an offset from the globals label.
Text CG_FixedAddressText(const ID *v);
void CG_OpOperand(CG_State &st, const UasmOp *op, const Text &mnemonic);
void CG_AccOperand(CG_State &st, const UasmOp *op, const Text &mnemonic);

// ---- Value places (value_places.cpp) --------------------------------------------

// Whether the value an op left in a or hl widens with sign bytes (the op's
// extension, decided by the translator) rather than zeros.
bool CG_WidensSigned(const UasmOp *producer);
// Whether an op's operand is a signed value (signed variable type, or a
// negative constant).
bool CG_OperandIsSigned(const UasmOp *op);
// Result place of the op before this one (none when there is none).
int32_t CG_PrevPlace(const UasmOp *op);

void CG_AccToRegA(CG_State &st, const UasmOp *op);
// The value left by the op before this one into hl (its low word, a byte
// widened by its extension).
void CG_AccToHL(CG_State &st, const UasmOp *op);
void CG_OperandToRegB(CG_State &st, const UasmOp *op);
// a into hl (place 3 to place 12), widened with sign bytes or zeros.
void CG_WidenAToHL(CG_State &st, bool isSigned);
// a into de, widened with sign bytes or zeros.
void CG_WidenAToDE(CG_State &st, bool isSigned);
// a := 0 or 255 after bit 7 of a (the byte that sign-extends a).
void CG_SignByte(CG_State &st);

// ---- Instruction selection (ops.cpp) ---------------------------------------------

// The name text of an op: its ident's assembly name, else its text.
Text CG_OpName(const UasmOp *op);
Text CG_OpText(const UasmOp *op);
void CG_Op(CG_State &st, UasmOp *op);
// A call, and under the register protocol (-O) the drop of the callee's
// argument slots after it; whether the callee leaves its value in hl.
void CG_CallAndDropSlots(CG_State &st, const ID *callee, const Text &label);
bool CG_ResultInHL(const ID *callee);
// Drops bytes of stack: pops into the pair for a few, else sp moved
// through hl (which is kept).
void CG_DropStackBytes(CG_State &st, int32_t bytes, const char *pair);

// ---- Stack frames (stack_frame.cpp, -O) -------------------------------------------

// Whether the subroutine entered at the enter op gets a stack frame (a
// register-protocol subroutine whose body is all direct code): no ix,
// variables at sp+offset.
bool CG_ChooseStackFrame(const CG_State &st, const UasmOp *enter);
// Its locals' area; false when hl no longer holds the last argument.
bool CG_StackFramePrologue(CG_State &st, bool argumentInHL);
// The area dropped (hl kept) and the return.
void CG_StackFrameEpilogue(CG_State &st);
// Between the two: the variable's offset from sp at the current depth.
bool CG_StackFrameOn();
int32_t CG_StackOffset(const ID *v);
// An emitted line's effect on the depth (and, at a label, on what hl is
// known to hold; known: before the line); bytes dropped by "ld sp,...".
void CG_FollowStack(const Text &m, const Text &x, const Text &y, const ID *known);
void CG_StackMoved(int32_t bytes);
int32_t CG_StackDepth();
void ResetStackFrame();
// The tests that turn the flags of a compare into the boolean in a
// (between "ld a,1" and "xor a").
void CG_FlagTests(CG_State &st, int32_t code);

// ---- Direct code for -O (direct_*.cpp) ---------------------------------------------

// Whether the direct code does a statement (st nil: only find out), or a
// jump on a condition's value; made by the ops uasmop_direct and
// uasmop_directjump.
bool CG_DirectStatement(CG_State *st, Node *n);
bool CG_DirectJump(CG_State *st, Node *condition, const Text &label, bool whenTrue);
void CG_DirectOp(CG_State &st, UasmOp *op);
void ResetDirectCode();

// ---- Pattern rules (patterns.cpp) --------------------------------------------------

bool CG_Patterns(CG_State &st, UasmOp *&op);

// The first line rule of the table that rewrites at line, counted; false
// when none does.
bool CG_RewriteLine(AsmLine *line);

// The rule table: every rule has a name, a switch and a hit counter; all
// are on and unused after ResetCodeGenerator.
void CG_ResetRules();
// False when no rule has that name.
bool CG_SwitchRuleOff(const Text &name);
// Whether a rule applied outside the pattern tables (-O optimizations) is
// on; with countHit, a hit is counted when it is.
bool CG_UseRule(const char *name, bool countHit = true);
// "Code rules ..." and one line per rule: name, what it does (--list-rules).
void CG_WriteRuleList();
// "rule hits (--stats):" and one line per rule: name, hits, "(off)".
void CG_WriteRuleHits();

// ---- Peephole pass (peephole.cpp) ------------------------------------------------

// Rewrites the generated lines of the list (not the library's) by the line
// rules of the rule table until none applies.
void CG_Peephole(AsmLine *&list);
void ResetPeephole();
// The line rules: each rewrites at line and reports whether it did.
bool CG_PeepBooleanJump(AsmLine *line);
bool CG_PeepPushPop(AsmLine *line);
bool CG_PeepExchangeTwice(AsmLine *line);
bool CG_PeepJumpToNext(AsmLine *line);
bool CG_PeepJumpToJump(AsmLine *line);
bool CG_PeepJumpToReturn(AsmLine *line);
bool CG_PeepStoreReload(AsmLine *line);
bool CG_PeepCopyAgain(AsmLine *line);
