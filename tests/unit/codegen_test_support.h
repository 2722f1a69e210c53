// Hand-built symbols and uasm ops for the code generator's unit tests, and
// the lines the generator makes for them.
#pragma once

#include <string>
#include <vector>

#include "codegen_z80/codegen.h"
#include "parser/parser.h"
#include "tests/unit/test_support.h"

using Lines = std::vector<std::string>;

class CodegenTest : public ScratchDirTest {
protected:
  void SetUp() override {
    ScratchDirTest::SetUp();
    list_ = nullptr;
    ops_ = nullptr;
    main_ = Subr("_main", nullptr);
    st_ = CG_State{&list_, main_};
  }

  static TypeDescr *Type(uint32_t size, int64_t low = 0) {
    TypeDescr *t = NewRecord<TypeDescr>();
    t->typeClass = kClassInteger;
    t->size = size;
    t->low = low;
    t->high = low < 0 ? 127 : 255;
    return t;
  }

  // A subroutine with its frame values (parameter area, local area).
  ID *Subr(const std::string &asmName, ID *parent, int mark = 0, int32_t params = 0,
           int32_t locals = 4) {
    ID *s = NewRecord<ID>();
    s->kind = kIdSubr;
    s->parent = parent;
    s->subr = NewRecord<SubrRec>();
    s->subr->frameValue1 = params;
    s->subr->frameValue2 = locals;
    s->parentFrameMark = static_cast<uint8_t>(mark);
    SetAsmName(s, asmName);
    return s;
  }

  // A frame variable of `owner` at offset `address`.
  ID *Var(ID *owner, const std::string &asmName, uint32_t size, int32_t address,
          int64_t low = 0, uint16_t flags = kVarFrame | kVarDeclared) {
    ID *v = NewRecord<ID>();
    v->kind = kIdVar;
    v->parent = owner;
    v->type = Type(size, low);
    v->var = NewRecord<VarRec>();
    v->var->flags = flags;
    v->var->address = address;
    SetAsmName(v, asmName);
    return v;
  }
  ID *RefParam(ID *owner, const std::string &asmName, uint32_t size, int32_t address) {
    return Var(owner, asmName, size, address, 0, kVarFrame | kFlagsRefParam);
  }
  ID *Absolute(const std::string &asmName, uint32_t size, int32_t address) {
    return Var(main_, asmName, size, address, 0, kFlagsAbsolute);
  }

  // Appends an op to the test's op list.
  UasmOp *Op(int32_t code, int32_t size = -1, int32_t place = 0) {
    UasmOp *op = NewRecord<UasmOp>();
    op->code = code;
    op->size = size;
    op->resultPlace = place;
    op->prev = ops_;
    if (ops_)
      ops_->next = op;
    ops_ = op;
    return op;
  }
  UasmOp *OpI(int32_t code, ID *ident, int32_t size = -1) {
    UasmOp *op = Op(code, size);
    op->ident = ident;
    SetExtension(op);
    return op;
  }
  UasmOp *OpT(int32_t code, const std::string &text, int32_t size = -1) {
    UasmOp *op = Op(code, size);
    op->text = NewHeapText(text);
    SetExtension(op);
    return op;
  }
  // The op ends a signed expression, as the translator marks it.
  UasmOp *Signed(UasmOp *op) {
    op->isSigned = 1;
    SetExtension(op);
    return op;
  }
  // An op that only stands before the one under test, with its place.
  UasmOp *Before(int32_t place, int32_t size = 1, bool isSigned = false) {
    UasmOp *op = Op(uasmop_nop, size, place);
    if (isSigned)
      Signed(op);
    return op;
  }

  // Everything the generator emitted so far, as output lines.
  Lines Emitted() const {
    Lines lines;
    for (AsmLine *l = CG_FirstLine(list_); l; l = l->next)
      lines.push_back(CG_FormatLine(l));
    return lines;
  }
  Lines General(UasmOp *op) {
    CG_Op(st_, op);
    return Emitted();
  }
  // The per-op loop from the given op to the end of the list.
  Lines Loop(UasmOp *from) {
    CG_TranslateOps(st_, from);
    return Emitted();
  }

  AsmLine *list_;
  UasmOp *ops_;
  ID *main_;
  CG_State st_;
};
