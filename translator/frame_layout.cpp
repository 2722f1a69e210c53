// Frame layout of every translated subroutine.  From the frame pointer:
// the saved frame pointer (+0), the return address (+2), the last argument
// at +4 and the earlier ones above it, the hidden result address above the
// arguments; locals and temporaries below, from -5 downwards (the 4 bytes
// just below the frame pointer hold no variable, see kFrameUnusedBytes).
#include <cstdint>

#include "codegen_z80/codegen.h"
#include "translator/translate_internal.h"

static int32_t CheckedFrameValue(int64_t v) {
  if (v > INT32_MAX)
    RunTimeStop(kStopLimit, "stack frame larger than 2147483647 bytes");
  return int32_t(v);
}

static int64_t RoundUpTo4(int64_t v) { return (v + 3) / 4 * 4; }

static int64_t TypeSize(const ID *id) { return id->type ? int64_t(id->type->size) : 0; }

static void PlaceInFrame(ID *v, int64_t offset) {
  CheckedFrameValue(offset < 0 ? -offset : offset);
  v->var->address = int32_t(offset);
  v->var->flags |= kVarFrame;
}

// Every argument is pushed as one 4-byte slot, the last one nearest the
// frame pointer.  A value parameter too big for a slot, or a string,
// arrives as the address of the caller's copy of the argument, so it is
// reached like a "var" parameter.
static int64_t LayoutParameters(ID *s) {
  SubrRec *r = s->subr;
  bool registerProtocol = UsesRegisterProtocol(s);
  int64_t a = 0;
  for (int i = r->paramCount; i >= 1; i--) {
    ID *p = r->params[i - 1];
    if (!p || !p->var)
      continue;
    bool inHL = i == r->paramCount && LastArgumentInHL(s); // pushed by the prologue
    PlaceInFrame(p, inHL ? -2 : a + 4);
    if (ParameterTravelsByAddress(p->type))
      p->var->flags |= kVarByReference;
    if (!inHL)
      a += registerProtocol ? RegisterSlotBytes(r, i) : 4;
  }
  return a;
}

// A result too big for the accumulator lives in the caller; the slot above
// the arguments holds its address.
static int64_t LayoutResultAddress(SubrRec *r, int64_t a) {
  if (!r->result || !r->result->var || !r->resultType ||
      !TravelsByAddress(r->resultType->size))
    return a;
  PlaceInFrame(r->result, a + 4);
  r->result->var->flags |= kVarByReference;
  return a + 4;
}

static bool NeedsLocalSlot(const ID *c) {
  return c->kind == kIdVar && c->var && c->var->address == -1 &&
         !(c->var->flags & kVarFixedAddress);
}

// Bytes and words first, packed; then the larger variables, the running
// size raised to a multiple of 4 after every child of that second pass.
static int64_t LayoutLocals(ID *s) {
  // Under the register protocol the unused bytes are kept only for the
  // saved parent-frame slot.
  int64_t b = UsesRegisterProtocol(s) && s->parentFrameMark == 0 ? 0 : kFrameUnusedBytes;
  if (LastArgumentInHL(s))
    b = 2;
  for (ID *c = s->firstChild; c; c = c->next) {
    int64_t size = TypeSize(c);
    if (NeedsLocalSlot(c) && (size == 1 || size == 2)) {
      b += size;
      PlaceInFrame(c, -b);
    }
  }
  // The register protocol rounds only after a larger variable, so that a
  // frame of bytes and words stays as small as they are.
  bool packed = UsesRegisterProtocol(s);
  for (ID *c = s->firstChild; c; c = c->next) {
    int64_t size = TypeSize(c);
    if (NeedsLocalSlot(c) && size >= 3) {
      b += size;
      PlaceInFrame(c, -b);
      if (packed)
        b = RoundUpTo4(b);
    }
    if (!packed)
      b = RoundUpTo4(b);
  }
  return b;
}

// The stack grows down from 07FFFh towards the heap, which starts at 0100h
// (the memory map of docs/runtime.md): every frame of a call chain must fit
// in between.
constexpr int64_t kStackBytes = 0x7FFF - 0x0100;

int32_t gGlobalsSize = 0;

// Under -O the main program, which runs once, keeps its variables and
// temporaries at fixed addresses after the program's last byte (from the
// globals label), where a single instruction reaches each of them; its
// frame keeps nothing.  They are packed like a frame's: bytes and words
// first.
static void LayoutGlobals(ID *s) {
  int64_t b = 0;
  for (int pass = 0; pass < 2; pass++) {
    for (ID *c = s->firstChild; c; c = c->next) {
      int64_t size = TypeSize(c);
      if (!NeedsLocalSlot(c) || (pass == 0) != (size == 1 || size == 2))
        continue;
      c->var->address = int32_t(b);
      c->var->flags = uint16_t((c->var->flags & ~kVarFrame) | kVarGlobal);
      b += size;
      if (b > kStackBytes)
        RunTimeStop(kStopLimit, "variables of the main program take more than " +
                                    DecimalText(kStackBytes) + " bytes");
    }
  }
  gGlobalsSize = int32_t(b);
}

void LayoutFrame(ID *s) {
  if (!s || !s->subr)
    return;
  SubrRec *r = s->subr;
  int64_t a = LayoutResultAddress(r, LayoutParameters(s));
  r->frameValue1 = CheckedFrameValue(a);
  if (gOptions.optimize && r->isMain && CG_UseRule("fixed-globals")) {
    LayoutGlobals(s);
    r->frameValue2 = 0;
    return;
  }
  r->frameValue2 = CheckedFrameValue(LayoutLocals(s));
}

// Saved frame pointer, return address, arguments and locals.
static int64_t FrameBytes(const SubrRec *r) {
  return int64_t(r->frameValue1) + 4 + int64_t(r->frameValue2);
}

// The main program's frame lies under every other one, so each subroutine's
// frame must fit beside it.
static void CheckStackSpace(UasmOp *first) {
  int64_t mainBytes = 0;
  for (UasmOp *at = first; at; at = at->next)
    if (at->code == uasmop_subrbegin && at->ident->subr && at->ident->subr->isMain)
      mainBytes = FrameBytes(at->ident->subr);
  if (mainBytes > kStackBytes)
    RunTimeStop(kStopLimit, "stack frame of the main program takes " +
                                DecimalText(mainBytes) + " bytes, more than the " +
                                DecimalText(kStackBytes) + " bytes of stack");
  for (UasmOp *at = first; at; at = at->next) {
    if (at->code != uasmop_subrbegin || !at->ident->subr || at->ident->subr->isMain)
      continue;
    int64_t bytes = mainBytes + FrameBytes(at->ident->subr);
    if (bytes > kStackBytes)
      RunTimeStop(kStopLimit, "stack frames of the main program and " +
                                  NameText(at->ident) + " take " + DecimalText(bytes) +
                                  " bytes, more than the " + DecimalText(kStackBytes) +
                                  " bytes of stack");
  }
}

void LayoutFrames(UasmOp *op) {
  for (UasmOp *at = FirstOp(op); at; at = at->next)
    if (at->code == uasmop_subrbegin)
      LayoutFrame(at->ident);
  CheckStackSpace(FirstOp(op));
}
