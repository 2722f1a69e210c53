// Translation of expressions: the choice of scheme by node kind and
// operand class, the scalar scheme (assignments, operators, casts), the
// boolean scheme, string constants, and the self-assignment check.
#include <algorithm>

#include "translator/translate_internal.h"

// ---- Small helpers -----------------------------------------------------------------------

int32_t OperatorOp(int32_t kind) {
  switch (kind) {
  case kNodeAdd: return uasmop_add;
  case kNodeSub: return uasmop_sub;
  case kNodeMul: return uasmop_mul;
  case kNodeDiv: return uasmop_div;
  case kNodeMod: return uasmop_mod;
  case kNodeAnd: return uasmop_and;
  case kNodeOr: return uasmop_or;
  case kNodeXor: return uasmop_xor;
  case kNodeShl: return uasmop_shl;
  case kNodeShr: return uasmop_shr;
  case kNodeLess: return uasmop_cmplt;
  case kNodeLessEqual: return uasmop_cmple;
  case kNodeGreater: return uasmop_cmpgt;
  case kNodeGreaterEqual: return uasmop_cmpge;
  case kNodeEqual: return uasmop_cmpeq;
  case kNodeNotEqual: return uasmop_cmpne;
  default: return -1;
  }
}

bool IsComparison(int32_t kind) { return kind >= kNodeLess && kind <= kNodeNotEqual; }

bool IsAddressable(const Node *n) {
  return n->kind == kNodeVarRef || n->kind == kNodeIndex || n->kind == kNodeField ||
         n->kind == kNodeDeref;
}

int32_t ValueSize(const Node *n) {
  if (n->type)
    return int32_t(n->type->size);
  return n->size;
}

// Both operands of a comparison are compared in full.
static int32_t ComparedSize(const Node *a, const Node *b) {
  return std::max(a ? a->size : 0, b ? b->size : 0);
}

// ---- Self-assignment check ----------------------------------------------------------------

static bool SameOperand(const Node *a, const Node *b) {
  if (!a || !b || a->kind != b->kind)
    return false;
  switch (a->kind) {
  case kNodeVarRef:
    return a->id == b->id;
  case kNodeIntConst:
    return NodeText(a) == NodeText(b);
  case kNodeIndex:
    if (a->childCount != b->childCount)
      return false;
    for (int i = 1; i <= a->childCount; i++)
      if (!SameOperand(Child(a, i), Child(b, i)))
        return false;
    return true;
  default:
    return false;
  }
}

// Reports assignments of the form A := A + B (or A - B).
static void CheckSelfAssignment(const Node *n) {
  const Node *value = Child(n, 2);
  if (value && (value->kind == kNodeAdd || value->kind == kNodeSub) &&
      SameOperand(Child(value, 1), Child(n, 1)))
    Con() << "A:=A+B at " << PositionText(n->position) << '\n';
}

// ---- Variables and constants ---------------------------------------------------------------

static void TranslateVarRef(Node *n, bool wantValue) {
  if (wantValue)
    EmitIdent(uasmop_load, n->id, n->size);
  else if (n->id && n->id->var && (n->id->var->flags & kVarConstant))
    EmitText(uasmop_loadlabel, AsmNameText(n->id), 2);
  else
    EmitIdent(uasmop_loadaddr, n->id, 2);
}

// A string constant is its length byte, its characters (as the parser
// decoded them) and a zero byte in the data list; its value is its
// address.  The empty string is stored the same way (length 0), so it too
// yields an address.
static void TranslateStringConst(const Node *n) {
  Text l = NewLabel();
  Text s = NodeText(n);
  EmitText(uasmop_loadlabel, l, 2);
  EmitData(uasmop_label, l);
  EmitData(uasmop_defb, DecimalText(int64_t(s.size())));
  for (char c : s)
    EmitData(uasmop_defb, DecimalText(static_cast<unsigned char>(c)));
  EmitData(uasmop_defb, "0");
}

// ---- Scalar scheme --------------------------------------------------------------------------

// A char made into a string: a 2-byte temporary holding length 1 and the
// character, whose address is the value.
static void TranslateCharToString(Node *c) {
  TranslateExprAs(c, true);
  EmitText(uasmop_mul, "256", 2);
  EmitText(uasmop_add, "1", 2);
  ID *t = SaveTemp(2);
  ReleaseTemp(t);
  EmitIdent(uasmop_loadaddr, t, 2);
}

// The operand of a cast is always taken as a value (a cast made for a
// "const" argument wraps a node whose isValue is clear); strings, and any
// value too big for the accumulator, are taken by their address.
static void TranslateTypeCast(Node *n) {
  Node *c = Child(n, 1);
  if (!c)
    return;
  if (n->typeClass == kClassString && c->typeClass == kClassChar) {
    TranslateCharToString(c);
  } else if (n->typeClass == kClassChar && IsCharLiteral(c)) {
    LoadCharLiteral(c);
  } else if (n->typeClass == kClassString || TravelsByAddress(ValueSize(c))) {
    TranslateAddress(c);
  } else {
    TranslateExprAs(c, true);
    uint8_t sourceExtension = gCodeList ? gCodeList->extension : kExtendZero;
    UasmOp *cast = EmitText(uasmop_typecast, "", n->size);
    cast->extension = CastExtension(sourceExtension, c->size, n->size, n->isSigned != 0);
  }
}

// Records and arrays that are not 1, 2 or 4 bytes long are copied whole.
static bool IsBlockAssignment(const Node *target, const Node *value) {
  if (target->typeClass != kClassRecord && target->typeClass != kClassArray)
    return false;
  int32_t size = ValueSize(target);
  return value->typeClass == target->typeClass && size != 1 && size != 2 && size != 4;
}

// target := value, the value being an integer constant, a variable or any
// other expression; the target a variable or any addressable node.
static void TranslateAssignment(Node *n) {
  CheckSelfAssignment(n);
  Node *target = Child(n, 1), *value = Child(n, 2);
  if (!target || !value) {
    TranslateExpr(value);
    return;
  }
  if (IsBlockAssignment(target, value)) {
    TranslateBlockAssign(target, value, ValueSize(target));
    return;
  }
  if (target->kind == kNodeVarRef) {
    if (value->kind == kNodeIntConst)
      EmitText(uasmop_load, NodeText(value), value->size);
    else if (value->kind == kNodeVarRef)
      EmitIdent(uasmop_load, value->id, value->size);
    else
      TranslateExpr(value);
    EmitIdent(uasmop_store, target->id, target->size);
  } else if (value->kind == kNodeIntConst) {
    TranslateAddress(target);
    EmitText(uasmop_storeind, NodeText(value), target->size);
  } else if (value->kind == kNodeVarRef) {
    TranslateAddress(target);
    EmitIdent(uasmop_storeind, value->id, target->size);
  } else {
    TranslateExpr(value);
    ID *t = SaveTemp(target->size);
    TranslateAddress(target);
    EmitIdent(uasmop_storeind, t, target->size);
    ReleaseTemp(t);
  }
}

// Left operand into the accumulator, right operand as the op's operand:
// a constant or variable directly, anything else through a temporary
// computed first.
static void TranslateOperator(Node *n) {
  Node *a = Child(n, 1), *b = Child(n, 2);
  int32_t code = OperatorOp(n->kind);
  UasmOp *op;
  if (b && b->kind == kNodeIntConst) {
    TranslateExpr(a);
    op = EmitText(code, NodeText(b), n->size);
  } else if (b && b->kind == kNodeVarRef) {
    TranslateExpr(a);
    op = EmitIdent(code, b->id, n->size);
  } else {
    TranslateExpr(b);
    ID *t = SaveTempFor(b ? b->size : 0, b && b->isSigned);
    TranslateExpr(a);
    op = EmitIdent(code, t, n->size);
    ReleaseTemp(t);
  }
  if (IsComparison(n->kind))
    op->size = ComparedSize(a, b);
}

// "not" of a boolean gives the boolean 0/1 result (true when the operand is
// 0); of an integer the bitwise complement.
static void TranslateNot(Node *n) {
  Node *c = Child(n, 1);
  TranslateExpr(c);
  if (n->typeClass == kClassBoolean || (c && c->typeClass == kClassBoolean))
    EmitText(uasmop_cmpeq, "0", c && c->size > 0 ? c->size : 1);
  else
    EmitText(uasmop_not, "", n->size);
}

static void TranslateScalar(Node *n, bool wantValue) {
  switch (n->kind) {
  case kNodeTypeCast:
    TranslateTypeCast(n);
    break;
  case kNodeAssign:
    TranslateAssignment(n);
    break;
  case kNodeVarRef:
    TranslateVarRef(n, wantValue);
    break;
  case kNodeIntConst:
    EmitText(uasmop_load, NodeText(n), n->size);
    break;
  case kNodeNot:
    TranslateNot(n);
    break;
  case kNodeNegate:
    TranslateExpr(Child(n, 1));
    EmitText(uasmop_neg, "", n->size);
    break;
  default:
    if (OperatorOp(n->kind) >= 0) {
      TranslateOperator(n);
      break;
    }
    ReportErrorLine("error tr3: \n" + NodeText(n));
    break;
  }
}

// ---- Boolean scheme ---------------------------------------------------------------------------

static void TranslateBooleanAssignment(Node *n) {
  Node *target = Child(n, 1), *value = Child(n, 2);
  TranslateExpr(value);
  if (!target)
    return;
  if (target->kind == kNodeVarRef) {
    EmitIdent(uasmop_store, target->id, target->size);
    return;
  }
  ID *t = SaveTemp(4);
  TranslateAddress(target);
  EmitIdent(uasmop_storeind, t, target->size);
  ReleaseTemp(t);
}

static void TranslateBoolean(Node *n, bool wantValue) {
  Node *a = Child(n, 1), *b = Child(n, 2);
  switch (n->kind) {
  case kNodeAssign:
    TranslateBooleanAssignment(n);
    break;
  case kNodeVarRef:
    TranslateVarRef(n, wantValue);
    break;
  case kNodeAnd: case kNodeOr: case kNodeXor: {
    TranslateExpr(a);
    ID *t = SaveTemp(1);
    TranslateExpr(b);
    EmitIdent(OperatorOp(n->kind), t, 1);
    ReleaseTemp(t);
    break;
  }
  case kNodeLess: case kNodeLessEqual: case kNodeGreater:
  case kNodeGreaterEqual: case kNodeEqual: case kNodeNotEqual: {
    TranslateExpr(b);
    ID *t = SaveTemp(1);
    TranslateExpr(a);
    EmitIdent(OperatorOp(n->kind), t, ComparedSize(a, b));
    ReleaseTemp(t);
    break;
  }
  default:
    ReportErrorLine("error tr1: ");
    TranslateExpr(a);
    TranslateExpr(b);
    break;
  }
}

// ---- Dispatch ---------------------------------------------------------------------------------

static void TranslateDeref(Node *n, bool wantValue) {
  if (wantValue)
    EmitText(uasmop_deref, "", CheckedDerefSize(n->size));
}

// @x gives x's address; @p of a subroutine its label.
static void TranslateAddressOf(Node *n) {
  Node *c = Child(n, 1);
  if (c && c->kind == kNodeCall) {
    Con() << "@\n";
    WaitForEnter();
    EmitText(uasmop_loadlabel, c->id ? AsmNameText(c->id) : NodeText(c), 2);
    return;
  }
  TranslateAddress(c);
}

void TranslateExprAs(Node *n, bool wantValue) {
  if (!n)
    return;
  switch (n->kind) {
  case kNodeCall:
    TranslateCall(n);
    break;
  case kNodeIndex:
    TranslateIndexAddress(n);
    TranslateDeref(n, wantValue);
    break;
  case kNodeField:
    TranslateFieldAddress(n);
    TranslateDeref(n, wantValue);
    break;
  case kNodeAddressOf:
    TranslateAddressOf(n);
    break;
  case kNodeDeref:
    TranslateExprAs(Child(n, 1), true);
    TranslateDeref(n, wantValue);
    break;
  default:
    if (n->operandClass == kClassBoolean) {
      TranslateBoolean(n, wantValue);
    } else if (n->operandClass == kClassString) {
      if (n->kind == kNodeStringConst)
        TranslateStringConst(n);
      else
        ReportErrorLine("translator error 4");
    } else {
      TranslateScalar(n, wantValue);
    }
    break;
  }
  if (gCodeList) {
    gCodeList->isSigned = n->isSigned;
    SetExtension(gCodeList);
  }
}

void TranslateExpr(Node *n) {
  if (n)
    TranslateExprAs(n, n->isValue != 0);
}

void TranslateAddress(Node *n) {
  if (!n)
    return;
  if (IsAddressable(n) || n->kind == kNodeStringConst ||
      (n->kind == kNodeCall && TravelsByAddress(n->size)) ||
      (n->kind == kNodeTypeCast && n->typeClass == kClassString)) {
    TranslateExprAs(n, false);
    return;
  }
  TranslateExprAs(n, true);
  ID *t = SaveTempFor(ValueSize(n), n->isSigned);
  ReleaseTemp(t);
  EmitIdent(uasmop_loadaddr, t, 2);
}
