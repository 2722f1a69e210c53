// A readable listing of uasm ops, one op per line, for tests and debugging.
#include "translator/translate_internal.h"

static const char *const kOpNames[kUasmCodeCount] = {
    "uasmop_srcline",    "uasmop_subrbegin", "uasmop_enter",      "uasmop_label",
    "uasmop_asmline",    "uasmop_defb",      "uasmop_localconst", "uasmop_direct",
    "uasmop_directjump", "uasmop_allocstack", "uasmop_pusharg",   "uasmop_jump",
    "uasmop_jumptrue",   "uasmop_jumpfalse", "uasmop_call",       "uasmop_leave",
    "uasmop_nop",        "uasmop_storeind",  "uasmop_deref",      "uasmop_loadaddr",
    "uasmop_loadlabel",  "uasmop_reserved21", "uasmop_load",      "uasmop_store",
    "uasmop_not",        "uasmop_neg",       "uasmop_typecast",   "uasmop_add",
    "uasmop_sub",        "uasmop_mul",       "uasmop_div",        "uasmop_mod",
    "uasmop_and",        "uasmop_or",        "uasmop_xor",        "uasmop_shl",
    "uasmop_shr",        "uasmop_cmpgt",     "uasmop_cmpge",      "uasmop_cmplt",
    "uasmop_cmple",      "uasmop_cmpeq",     "uasmop_cmpne",      "uasmop_pushword",
    "uasmop_wordinhl",
};

const char *UasmOpName(int32_t code) {
  if (code < 0 || code >= kUasmCodeCount)
    return "uasmop_?";
  return kOpNames[code];
}

// e.g.  uasmop_load 1 x   /   uasmop_add 1 "1"   /   uasmop_srcline 0 @p.pas(3,5)
Text DumpOp(const UasmOp *op) {
  Text line = Text(UasmOpName(op->code)) + " " + DecimalText(op->size);
  if (op->ident)
    line += " " + NameText(op->ident);
  if (op->text)
    line += " \"" + HeapTextOrEmpty(op->text) + "\"";
  if (op->position)
    line += " @" + PositionText(*op->position);
  if (op->isSigned)
    line += " signed";
  return line;
}

std::string DumpOps(const UasmOp *anyOp) {
  const UasmOp *op = anyOp;
  while (op && op->prev)
    op = op->prev;
  std::string all;
  for (; op; op = op->next)
    all += DumpOp(op) + "\n";
  return all;
}
