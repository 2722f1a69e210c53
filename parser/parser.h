// The parser and its symbol tables: the identifier tree with its scopes,
// node creation, type expressions, expressions, statements, declarations
// and the SYNTAX statistics.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "driver/common.h"
#include "lexer/lexer.h"
#include "parser/records.h"

// ---- Parser state (parser_state.cpp) ---------------------------------------------

// Clears every parser global, so one process can parse many inputs.
void ResetParser();

// Reports a problem at the current token; parsing goes on.
void ReportHere(const Text &message);

// True once the cursor has moved past the last token.
bool AtEndOfTokens();

// Deepest nesting of expressions, statements, types and subroutines the
// parser follows before it stops (keeps the recursion within the stack).
constexpr int kMaxNesting = 1000;

// Counts one level of nesting while it lives.
class NestingGuard {
public:
  NestingGuard();
  ~NestingGuard();
  NestingGuard(const NestingGuard &) = delete;
  NestingGuard &operator=(const NestingGuard &) = delete;
};

// A type was reported missing (unknown name, "array or record expected"):
// parsing goes on, and the run stops after parsing.
void NoteMissingType();
bool TypeWasMissing();

// ---- Identifier tree (id_tree.cpp) ------------------------------------------------

extern ID *gCurrentScope; // where FindID starts
extern ID *gTypeScope;    // where type expressions look names up

void ResetIdTree();
ID *RootID();
void SetRootID(ID *root);
void ResetAsmNameCounter();

Text NameText(const ID *id);
bool NameIs(const ID *id, const Text &name); // the stored name equals the text
Text AsmNameText(const ID *id);
void SetAsmName(ID *id, const Text &name);

ID *CreateID(int32_t kind, const Text &name);
void AddID(ID *parent, ID *id);
ID *LastVisibleID(ID *scope);
ID *FindIDFrom(ID *scope, const Text &name);
ID *FindID(const Text &name);
ID *NextIDInOrder(ID *cursor);
ID *NextIDUp(ID *id);
void PushField(ID *&head, ID *id);
ID *CreateVar(const Text &name, TypeDescr *type, int32_t address, uint16_t flags);
ID *AddVar(ID *parent, const Text &name, TypeDescr *type, int32_t address,
           uint16_t flags);
ID *AddConst(ID *parent, const Text &name, TypeDescr *type, const void *value);
TypeDescr *CreateTypeDescr(int32_t typeClass, int64_t size, int64_t low,
                           int64_t high, TypeDescr *base);

// ---- Identifier index (id_index.cpp) ----------------------------------------------

// Gives, one by one and in the order the walk through the tree meets them,
// the IDs of one name: StartVisible as the look-up from a scope sees them,
// StartChildrenNamed only the scope's own children (latest first).  The
// cursor keeps a view of the name: the text must outlive it.
struct VisibleCursor {
  std::string_view name;
  uint32_t nameHash = 0;
  uint32_t entry = 0;          // next index entry of this level, latest first
  uint32_t limit = 0;          // entries above it come after the ID climbed from
  ID *climbFrom = nullptr;     // next level: the parent's IDs up to this one
  ID *walkAt = nullptr;        // walking the tree itself from here
};

void ResetIdIndex();
void IndexCreatedID(const ID *id);
ID *IndexedLastChild(ID *scope);
void IndexAddedChild(ID *parent, ID *child);
void StartVisible(VisibleCursor &c, ID *scope, const Text &name);
void StartChildrenNamed(VisibleCursor &c, ID *scope, const Text &name);
ID *NextVisible(VisibleCursor &c); // nil after the last

// The plain walk through the tree, which every indexed look-up must match.
ID *WalkLastVisibleID(ID *scope);
std::vector<ID *> WalkVisibleNamed(ID *scope, const Text &name);
std::vector<ID *> IndexedVisibleNamed(ID *scope, const Text &name);

// While on, every look-up also walks the tree and counts the differences.
void SetLookupCrossCheck(bool on);
uint32_t LookupCrossCheckFailures();
void CrossCheckLastVisible(ID *scope, const ID *last);

// ---- Nodes (nodes.cpp) ----------------------------------------------------------

Node *Child(const Node *n, int i); // i = 1 .. kMaxChildren
void SetChild(Node *n, int i, Node *child);
Text NodeText(const Node *n);
// A string constant of exactly one character, which stands for that
// character where a char is wanted.
bool IsCharLiteral(const Node *n);

Node *CreateNode(int32_t kind, int childCount, Node *child1 = nullptr,
                 Node *child2 = nullptr, Node *child3 = nullptr);
void SetNodeText(Node *n, const Text &text);
Node *CreateNodeText(int32_t kind, int childCount, Node *child1, Node *child2,
                     Node *child3, const Text &text);
int32_t OperatorToNodetype(const Text &op);
Node *CreateBinaryNode(const Text &op, Node *left, Node *right);
void AppendNode(Node *&list, Node *node);

// Builds a list the way AppendNode does, remembering the last node so that
// long statement lists are built in linear time.
struct NodeListBuilder {
  Node *head = nullptr;
  Node *tail = nullptr;
  void Append(Node *node);
};
uint16_t CountNodes(const Node *list);

// ---- Types (types.cpp) -------------------------------------------------------------

constexpr int kMaxIdentList = 10;

struct IdentList {
  int count;
  Text names[kMaxIdentList];
};

void InitBuiltinTypes();
TypeDescr *ParseType();
TypeDescr *ParseArrayType();
TypeDescr *ParseRecordType();
IdentList ParseIdentList();
TypeDescr *FindType(const Text &name);
int SizeOfRange(int64_t low, int64_t high);
int SizeOfValue(int64_t v);
void ArraySize(TypeDescr *t);
Text ReadNumberText();

// ---- Constant values (constant_values.cpp) ------------------------------------------

bool IsIntegerConstant(const ID *c);
// An untyped constant declared as a string (or char) literal.
bool IsStringConstant(const ID *c);
// An integer constant's value as decimal text (an enumeration value's
// ordinal); a string constant's characters.
Text ConstantValueText(const ID *c);
// A token that can begin an ordinal constant: a number, "-", a string
// literal (only one character is an ordinal) or the name of a constant.
bool StartsOrdinalConstant(const Text &token);
// Reads ["-"] (number | one-character literal | constant name) and steps
// past it; isChar tells whether it was a character.  Anything else is
// reported and counts as 0.
int64_t ReadOrdinalConstant(bool *isChar = nullptr);

// ---- Expressions (expressions.cpp) ----------------------------------------------------

Node *ParseExpression();
// The characters a literal run stands for: quoted segments with doubled
// quotes undone, and "#" decimal codes.
Text DecodeStringLiteral(const Text &run);
// A quoted run or a "#" code: a string (or char) literal.
bool IsStringLiteralToken(const Text &t);
Node *ParseSubExpression(uint8_t minPriority);
uint8_t OperatorPriority(const Text &token);
// Returns the depth of the deepest argument tree (0 without arguments).
int ParseArguments(Node *nameNode);

// ---- Statements (statements.cpp) -------------------------------------------------------

Node *ParseStatement();
Node *ParseCompound();
Node *ParseBlock();
Node *ParseSimpleStatement();
Node *ParseFor();
Node *ParseCase();

// ---- Declarations (declarations.cpp) ---------------------------------------------------

void ResetDeclarations();
void ParseProgram();
void ParseDeclarations(ID *scope);
void ParseTypes(ID *scope);
// "^" name inside a type of a type section (nil elsewhere): a target not yet
// declared is filled in once the section declares it.
TypeDescr *ParsePointerInTypeSection();
void ParseConstSection(ID *scope);
void ParseVarSection(ID *scope);
void ParseSubroutine(ID *scope);
void ParseSubroutineHeader(ID *id, bool isFunction);
void SkipUses();

// ---- Statistics (statistics.cpp) -------------------------------------------------------

// The counters, indexed 1 to 10; five are used.
constexpr int kCountIDs = 1;
constexpr int kCountTypes = 2;
constexpr int kCountVars = 3;
constexpr int kCountNodes = 4;
constexpr int kCountSubrs = 5;
extern uint32_t gSyntaxCounters[11];

void ResetSyntaxCounters();
void CountIDs(const ID *first);
void CountStatementNodes(const Node *list);
void PrintSyntaxStatistics();
