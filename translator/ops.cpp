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
  gGlobalsSize = 0;
  ResetRegisterCallees();
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

// ---- Extensions ----------------------------------------------------------------

void SetExtension(UasmOp *op) {
  if (op->code == uasmop_typecast)
    return; // decided by the cast itself
  bool isSigned = op->isSigned != 0;
  if (op->code == uasmop_load && op->ident)
    isSigned = op->ident->type && op->ident->type->low < 0;
  else if (op->code == uasmop_load)
    isSigned = isSigned || HeapTextOrEmpty(op->text).starts_with("-");
  op->extension = isSigned ? kExtendSign : kExtendZero;
}

// A widening cast extends the value by the source's own extension: the
// bytes a register leaves out above the source are the source's, and those
// up to the target's size are the source type's extension, which is the
// same.  Above the target's size the target type decides; for a 4-byte
// target nothing lies above.  A signed value made a narrower-than-4-byte
// unsigned one would need sign bytes up to the target's size and zeros
// above: the cast then says "zero" while its source says "sign", and the
// code generator widens the value to the target's size at the cast.  A
// narrowing or same-size cast keeps the low bytes, so the target type
// decides, and the code generator widens at the cast a value that sits in
// fewer bytes than the target's when the source's extension differs.
uint8_t CastExtension(uint8_t sourceExtension, int32_t sourceSize, int32_t targetSize,
                      bool targetSigned) {
  uint8_t target = targetSigned ? kExtendSign : kExtendZero;
  if (targetSize >= 4)
    return sourceExtension;
  if (targetSize > sourceSize && !(sourceExtension == kExtendSign && !targetSigned))
    return sourceExtension;
  return target;
}

static UasmOp *MakeTextOp(int32_t code, const Text &text, int32_t size) {
  UasmOp *op = CreateOp(code);
  op->text = NewHeapText(text);
  op->size = size;
  SetExtension(op);
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
  SetExtension(op);
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
