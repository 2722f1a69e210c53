// uasm ops and the two lists they go into, label names and temporaries.
#include "parser/parser.h"
#include "translator/translate_internal.h"

UasmOp *gCodeList = nullptr;
UasmOp *gDataList = nullptr;
ID *gTranslatingSubr = nullptr;

const char *const kBlockCopyRoutine = "__copyblock";

namespace {
uint16_t gLabelCount = 0;
uint16_t gTempCount = 0;
uint8_t gLiveTemps = 0;
} // namespace

void ResetTranslator() {
  gCodeList = nullptr;
  gDataList = nullptr;
  gTranslatingSubr = nullptr;
  gLabelCount = 0;
  gTempCount = 0;
  gLiveTemps = 0;
  ResetLoopExits();
}

// Read by Translate for the closing "tmpcnt=" line and reset per subroutine.
uint16_t TempCount() { return gTempCount; }
void ResetLiveTemps() { gLiveTemps = 0; }

// ---- Ops and lists -----------------------------------------------------------------

UasmOp *CreateOp(int32_t code) {
  UasmOp *op = NewRecord<UasmOp>();
  op->code = code;
  op->size = -1;
  return op;
}

UasmOp *FirstOp(UasmOp *op) {
  while (op && op->prev)
    op = op->prev;
  return op;
}

// The op may stand anywhere in its chain; the whole chain is appended.
void AppendOps(UasmOp *&slot, UasmOp *op) {
  if (!op)
    return;
  UasmOp *first = FirstOp(op);
  UasmOp *last = slot;
  while (last && last->next)
    last = last->next;
  first->prev = last;
  if (last)
    last->next = first;
  else
    slot = first;
  while (slot->next)
    slot = slot->next;
}

static UasmOp *MakeTextOp(int32_t code, const Text &text, int32_t size) {
  UasmOp *op = CreateOp(code);
  op->text = NewHeapText(text);
  op->size = size;
  return op;
}

UasmOp *EmitText(int32_t code, const Text &text, int32_t size) {
  UasmOp *op = MakeTextOp(code, text, size);
  AppendOps(gCodeList, op);
  return op;
}

UasmOp *EmitIdent(int32_t code, ID *ident, int32_t size) {
  UasmOp *op = CreateOp(code);
  op->ident = ident;
  op->size = size;
  AppendOps(gCodeList, op);
  return op;
}

UasmOp *EmitData(int32_t code, const Text &text) {
  UasmOp *op = MakeTextOp(code, text, 0);
  AppendOps(gDataList, op);
  return op;
}

void DefineLabel(const Text &name) { EmitText(uasmop_label, name, 0); }

// Statements made by the rewritings have no position and get no op.
void EmitSrcLine(const Node *node) {
  if (!node || !node->position.fileName)
    return;
  UasmOp *op = EmitText(uasmop_srcline, "", 0);
  op->position = &node->position;
}

// ---- Labels and temporaries ------------------------------------------------------------

// label001 ... label999, label1000 ...
Text NewLabel() {
  if (gLabelCount == 0xFFFF)
    RunTimeStop(kStopLimit, "more than 65535 labels");
  gLabelCount++;
  Text digits = DecimalText(gLabelCount);
  while (digits.size() < 3)
    digits = "0" + digits;
  return "label" + digits;
}

ID *NewTemp(TypeDescr *type) {
  if (gTempCount == 0xFFFF)
    RunTimeStop(kStopLimit, "more than 65535 temporaries");
  gTempCount++;
  ID *temp = CreateVar("tmpvar" + DecimalText(gTempCount), type, -1,
                       kVarDeclared | kVarFrame);
  AddID(gTranslatingSubr, temp);
  return temp;
}

// Temporaries are never shared, so the slot of a released one stays its own.
// The accumulator holds at most 4 bytes, and only 1, 2 and 4 byte stores
// exist, so any other size (0 after an evaluation problem, 3, or a value
// above 4 bytes, which travels as its address) is kept in 4 bytes.
ID *SaveTemp(int32_t size) {
  if (size != 1 && size != 2)
    size = 4;
  if (gLiveTemps == 255)
    RunTimeStop(kStopLimit, "more than 255 live temporaries in one subroutine");
  gLiveTemps++;
  ID *temp = NewTemp(CreateTypeDescr(kClassInteger, size, 0, 1000, nullptr));
  EmitIdent(uasmop_store, temp, size);
  return temp;
}

// The same for a value that may be negative: the temporary's type gets a
// negative low bound, so that it is read back sign-extended and compared
// as a signed value.
ID *SaveTempFor(int32_t size, bool isSigned) {
  ID *temp = SaveTemp(size);
  if (isSigned)
    temp->type->low = -1;
  return temp;
}

void ReleaseTemp(ID *) {
  if (gLiveTemps == 0)
    RunTimeStop(kStopLimit, "temporary released while none is live");
  gLiveTemps--;
}
