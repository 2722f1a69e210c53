// The symbol records (ID, var, subr, type) and the node record.  They are
// packed so that every field has exactly the width the later phases and the
// SYNTAX block expect; read and write their fields directly, never through a
// pointer or reference to a field (it may sit at any address).
#pragma once

#include <cstdint>

#include "driver/common.h"
#include "lexer/lexer.h"

struct TypeDescr;
struct VarRec;
struct SubrRec;
struct Node;

// ---- Codes -----------------------------------------------------------------

// ID kinds.
constexpr int32_t kIdType = 1; // also the root "#ROOT#"
constexpr int32_t kIdVar = 2;  // variable, parameter, result, record field
constexpr int32_t kIdSubr = 3; // procedure, function, operator, main program
constexpr int32_t kIdConst = 4; // constant, enumeration value

// Type classes.
constexpr int32_t kClassProcedure = 0;
constexpr int32_t kClassInteger = 1; // also subranges and enumerations
constexpr int32_t kClassBoolean = 2;
constexpr int32_t kClassPointer = 3;
constexpr int32_t kClassChar = 5;
constexpr int32_t kClassArray = 6;
constexpr int32_t kClassString = 7;
constexpr int32_t kClassRecord = 8;
constexpr int32_t kClassFile = 10;
constexpr int32_t kClassUntyped = 11; // an untyped var or const parameter: any variable

// Var record flags (bit n = element n of the storage-class set).
constexpr uint16_t kVarGlobal = 0x0001; // -O: main-program variable, address from kGlobalsLabel
constexpr uint16_t kVarResult = 0x0002;
constexpr uint16_t kVarParameter = 0x0004;
constexpr uint16_t kVarDeclared = 0x0008;
constexpr uint16_t kVarByReference = 0x0040;
constexpr uint16_t kVarAbsolute = 0x0400;
constexpr uint16_t kVarFrame = 0x0800;
constexpr uint16_t kVarFixedAddress = 0x4000;
constexpr uint16_t kVarConstant = 0x8000;
// Where the main program's variables lie under -O (after the program's last byte).
constexpr const char *kGlobalsLabel = "__globals";
// The combinations the parser stores.
constexpr uint16_t kFlagsValueParam = kVarParameter;                     // 0x0004
constexpr uint16_t kFlagsRefParam = kVarParameter | kVarByReference;     // 0x0044
constexpr uint16_t kFlagsResult = kVarResult;                            // 0x0002
constexpr uint16_t kFlagsVariable = kVarDeclared;                        // 0x0008
constexpr uint16_t kFlagsAbsolute = kVarFixedAddress | kVarAbsolute;     // 0x4400
constexpr uint16_t kFlagsConst = kVarConstant | kVarFixedAddress | kVarDeclared; // 0xC008
constexpr uint16_t kFlagsField = 0;

// Parameter modes.
constexpr int32_t kModeValue = 0;
constexpr int32_t kModeVar = 1;
constexpr int32_t kModeConst = 2;

// Node kinds.
constexpr int32_t kNodeName = 1;
constexpr int32_t kNodeIf = 2;
constexpr int32_t kNodeWhile = 3;
constexpr int32_t kNodeRepeat = 4;
constexpr int32_t kNodeForTo = 5;
constexpr int32_t kNodeForDownto = 6;
constexpr int32_t kNodeAsm = 7;
constexpr int32_t kNodeCase = 8;
constexpr int32_t kNodeCaseBranch = 9;
constexpr int32_t kNodeCaseRange = 10; // label lo..hi: child 1 lo, child 2 hi
constexpr int32_t kNodeCall = 11;
constexpr int32_t kNodeTypeCast = 12;
constexpr int32_t kNodeAssign = 13;
constexpr int32_t kNodeIndex = 14;
constexpr int32_t kNodeField = 15;
constexpr int32_t kNodeAddressOf = 16;
constexpr int32_t kNodeDeref = 17;
constexpr int32_t kNodeVarRef = 18;
constexpr int32_t kNodeIntConst = 19;
constexpr int32_t kNodeStringConst = 21;
constexpr int32_t kNodeNot = 23;
constexpr int32_t kNodeNegate = 24;
constexpr int32_t kNodeAdd = 25;
constexpr int32_t kNodeSub = 26;
constexpr int32_t kNodeMul = 27;
constexpr int32_t kNodeDiv = 28; // "div" and "/"
constexpr int32_t kNodeMod = 29;
constexpr int32_t kNodeAnd = 31;
constexpr int32_t kNodeOr = 32;
constexpr int32_t kNodeXor = 33;
constexpr int32_t kNodeShl = 34;
constexpr int32_t kNodeShr = 35;
constexpr int32_t kNodeLess = 36;
constexpr int32_t kNodeLessEqual = 37;
constexpr int32_t kNodeGreater = 38;
constexpr int32_t kNodeGreaterEqual = 39;
constexpr int32_t kNodeEqual = 40;
constexpr int32_t kNodeNotEqual = 41;
// exit, break and continue written as statements; each keeps its name as
// its text and is a call again when a declared name of that text is
// visible.
constexpr int32_t kNodeExit = 42;
constexpr int32_t kNodeBreak = 43;
constexpr int32_t kNodeContinue = 44;
// A write or writeln argument with a field width: children value, width.
constexpr int32_t kNodeFieldWidth = 45;

// ---- Capacities --------------------------------------------------------------

constexpr int kMaxNameLength = 30;    // identifier names
constexpr int kMaxAsmNameLength = 20; // assembly names
constexpr int kMaxParams = 10;        // parameters per subroutine
constexpr int kMaxChildren = 10;      // children per node (so arguments per call)
constexpr int kMaxStringLength = 255; // characters a string's length byte can count

#pragma pack(push, 1)

// A name of at most N characters: a length byte and the characters.  Use
// the NameText / SetNameText helpers of parser.h on the record that holds it.
template <int N> struct FixedName {
  uint8_t length;
  char chars[N];
};

// ---- ID record -----------------------------------------------------------------

struct ID {
  ID *parent; // enclosing scope; nil for the root
  ID *prev;   // sibling declared just before
  ID *next;   // sibling declared just after
  ID *firstChild;
  int32_t kind; // kIdType .. kIdConst
  FixedName<kMaxNameLength> name;
  FixedName<kMaxAsmNameLength> asmName; // empty until AddID (or an alias)
  TypeDescr *type;
  SubrRec *subr;
  VarRec *var;
  uint8_t used; // 1 when created; smart linking reads and changes it
  uint8_t implementsEarlier; // took over the label of an earlier declaration
  uint8_t parentFrameMark;   // set by the parent-frame pass
};

// ---- Var record ------------------------------------------------------------

struct VarRec {
  uint16_t flags;  // kVar* bits
  int32_t address; // -1 unassigned; absolute address; field offset; frame offset
  const void *value; // constants: number text (heap text) or byte array
};

// ---- Type record -------------------------------------------------------------

struct TypeDescr {
  int32_t typeClass; // kClass*
  uint32_t size;     // bytes
  int64_t low;       // lowest value / first index
  int64_t high;      // highest value / last index / maximum string length
  TypeDescr *base;   // pointer target, element type or next dimension, file element
  ID *fields;        // records: the last field; earlier ones through prev
};

// ---- Subr record -------------------------------------------------------------

// Parameter n (1-based) is at index n - 1 of the three parameter arrays.
struct SubrRec {
  uint8_t paramCount;
  ID *params[kMaxParams];
  TypeDescr *paramTypes[kMaxParams];
  int32_t paramModes[kMaxParams]; // kMode*
  ID *result;             // functions: the result variable
  TypeDescr *resultType;  // functions only
  uint8_t isMain;
  Node *body;             // the statement list
  int32_t frameValue1;    // filled by the frame layout
  int32_t frameValue2;
  uint8_t modifiers[4];   // only ever cleared
  uint8_t operatorMark;
  uint8_t noBody;         // "external" or "forward"
};

// ---- Node record -------------------------------------------------------------

// Child n (1-based) is at index n - 1; use Child / SetChild of parser.h.
struct Node {
  Node *next; // following node of a statement, label or branch list
  uint8_t childCount;
  Node *children[kMaxChildren];
  int32_t kind;         // kNode*
  HeapText text;        // length-prefixed copy, or nil
  SourcePos position;   // first token of the expression or statement
  ID *id;               // set by node evaluation
  TypeDescr *type;      // set by node evaluation
  int32_t typeClass;
  int32_t size;
  uint8_t isSigned;
  int32_t operandClass;
  uint8_t isValue;      // 1 on a case selector from the parser
};

#pragma pack(pop)

static_assert(sizeof(ID) == 115, "ID record layout");
static_assert(sizeof(VarRec) == 14, "var record layout");
static_assert(sizeof(SubrRec) == 240, "subr record layout");
static_assert(sizeof(TypeDescr) == 40, "type record layout");
static_assert(sizeof(Node) == 150, "node record layout");
