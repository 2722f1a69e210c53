// The code generator's entry: the program skeleton with the run-time library
// text, then every op in list order through the pattern rules or the general
// translation, then the output file.
#include "codegen_z80/codegen.h"

static UasmOp *FirstOpOf(UasmOp *op) {
  while (op && op->prev)
    op = op->prev;
  return op;
}

static int MarkOf(const ID *id) { return id ? id->parentFrameMark : 0; }

// Slots are written by the prologue of a numbered subroutine and read for
// every variable of an enclosing subroutine; the scan follows the current
// subroutine the way the per-op loop does.
int CG_HighestParentFrame(UasmOp *first) {
  int highest = 0;
  const ID *current = nullptr;
  for (UasmOp *op = FirstOpOf(first); op; op = op->next) {
    int mark = 0;
    if (op->code == uasmop_subrbegin)
      current = op->ident;
    else if (op->code == uasmop_enter)
      mark = MarkOf(current);
    else if (op->ident && CG_IsFrameVar(op->ident) && op->ident->parent != current)
      mark = MarkOf(op->ident->parent);
    if (mark > highest)
      highest = mark;
  }
  return highest;
}

// Slots 0 to 5 always; more only when a program's numbering goes beyond 5.
static void EmitParentFrameSlots(CG_State &st, int highest) {
  int last = highest > 5 ? highest : 5;
  for (int k = 0; k <= last; k++)
    CG_Emit(st, "parentframe" + DecimalText(k) + ": defb 0,0,0,0", "", "");
}

// The opening lines are 6 bytes on every machine, so the library's first
// bytes (false and true) lie 6 bytes after the origin.  The flat machine
// sets its stack here; the others start through the library's __start.
static void EmitOpening(CG_State &st) {
  CG_Emit(st, gOptions.target == kTargetCpm ? "org 0100h" : "org 08000h", "", "");
  if (gOptions.target == kTargetFlat)
    CG_Emit(st, "ld", "sp", "07fffh");
  else
    CG_Emit(st, "call", "__start", "");
  CG_Emit(st, "jp", "_reset", "");
}

// The flat machine parks on a jump to itself; the others go back to their
// system through __exit with the status 0.
static void EmitEnd(CG_State &st) {
  if (gOptions.target == kTargetFlat) {
    CG_Emit(st, "jp", "$", "");
    return;
  }
  CG_Emit(st, "xor", "a", "");
  CG_Emit(st, "jp", "__exit", "");
}

// CP/M and Spectrum programs start their heap at __progend: after the
// program's last byte, and after the main program's variables when they
// are placed there.
static void EmitProgramEnd(CG_State &st) {
  if (gOptions.optimize)
    CG_Emit(st, ".equ", "__progend", Text(kGlobalsLabel) + "+" + DecimalText(gGlobalsSize));
  else
    CG_Emit(st, "__progend:", "", "");
}

// A pattern rule may take the ops after this one too; it then leaves op on
// the last op it took.  The first line made after a subroutine's begin op
// is marked as the start of its lines.
void CG_TranslateOps(CG_State &st, UasmOp *first) {
  bool subrBegins = false;
  for (UasmOp *op = first; op; op = op->next) {
    AsmLine *last = *st.list;
    subrBegins = subrBegins || op->code == uasmop_subrbegin;
    if (!CG_Patterns(st, op))
      CG_Op(st, op);
    if (subrBegins && *st.list != last) {
      (last ? last->next : CG_FirstLine(*st.list))->startsSubr = true;
      subrBegins = false;
    }
  }
}

void CG_Run(AsmLine *&list, UasmOp *ops) {
  list = nullptr;
  CG_State st{&list, nullptr};
  UasmOp *first = FirstOpOf(ops);

  EmitOpening(st);
  CG_CopyLibrary(st);
  EmitParentFrameSlots(st, CG_HighestParentFrame(first));
  CG_Emit(st, "_reset:", "", "");
  CG_Emit(st, "call _main", "", "");
  EmitEnd(st);

  CG_TranslateOps(st, first);
  if (gOptions.optimize && CG_UseRule("unused-subroutines"))
    CG_DropUnusedSubroutines(list);
  if (gOptions.optimize && CG_UseRule("parent-frame-slots"))
    CG_DropUnreadParentFrames(list);
  if (gOptions.optimize && CG_UseRule("frameless", false))
    CG_DropUnneededFrames(list);
  if (gOptions.optimize) // the main program's variables follow the last byte
    CG_Emit(st, Text(kGlobalsLabel) + ":", "", "");
  if (gOptions.target != kTargetFlat)
    EmitProgramEnd(st);
  if (gOptions.optimize) {
    if (CG_UseRule("reached-library"))
      CG_LinkReachedLibrary(list);
    CG_Peephole(list);
  }

  if (ErrorCount() == 0) // a program with reported errors gets no output
    CG_WriteFile(CG_OutputFileName(CutText(gFirstArgument)), CG_FirstLine(list));
}

void ResetCodeGenerator() {
  CG_ResetRules();
  ResetDirectCode();
  ResetStackFrame();
  gWordInHL = nullptr;
  ResetPeephole();
  gAsmLineList = nullptr;
  gOutputWriteStarted = false;
}
