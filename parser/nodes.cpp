// Node records: creation with or without text, the operator-to-kind table,
// statement lists and their node counts.
#include "parser/parser.h"

Node *Child(const Node *n, int i) { return n->children[i - 1]; }
void SetChild(Node *n, int i, Node *child) { n->children[i - 1] = child; }
Text NodeText(const Node *n) { return HeapTextOrEmpty(n->text); }

bool IsCharLiteral(const Node *n) {
  return n && n->kind == kNodeStringConst && NodeText(n).size() == 1;
}

Node *CreateNode(int32_t kind, int childCount, Node *child1, Node *child2,
                 Node *child3) {
  Node *n = NewRecord<Node>();
  n->kind = kind;
  n->childCount = static_cast<uint8_t>(childCount);
  n->children[0] = child1;
  n->children[1] = child2;
  n->children[2] = child3;
  return n;
}

void SetNodeText(Node *n, const Text &text) { n->text = NewShortString(text); }

// Which kinds carry a text decides what happens to the one given.
Node *CreateNodeText(int32_t kind, int childCount, Node *child1, Node *child2,
                     Node *child3, const Text &text) {
  Node *n = CreateNode(kind, childCount, child1, child2, child3);
  switch (kind) {
  case kNodeName: case kNodeForTo: case kNodeForDownto: case kNodeAsm:
  case kNodeCall: case kNodeTypeCast: case kNodeField: case kNodeVarRef:
  case kNodeIntConst: case kNodeStringConst:
    SetNodeText(n, text);
    break;
  case kNodeIf: case kNodeWhile: case kNodeRepeat: case kNodeCase:
  case kNodeAssign: case kNodeIndex: case kNodeAddressOf: case kNodeDeref:
  case kNodeNot: case kNodeNegate:
    if (!text.empty()) { // a text where none belongs: the parser's own fault
      Con() << "!!!" << text << '\n';
      CountError();
    }
    break;
  case kNodeCaseBranch:
    break;
  default:
    ReportHere("Internal error (20170422)");
    break;
  }
  return n;
}

int32_t OperatorToNodetype(const Text &op) {
  static const struct {
    const char *op;
    int32_t kind;
  } kTable[] = {
      {"+", kNodeAdd},      {"-", kNodeSub},          {"*", kNodeMul},
      {"div", kNodeDiv},    {"mod", kNodeMod},        {"/", kNodeDiv},
      {"and", kNodeAnd},    {"or", kNodeOr},          {"xor", kNodeXor},
      {"shl", kNodeShl},    {"shr", kNodeShr},        {">", kNodeGreater},
      {"<", kNodeLess},     {">=", kNodeGreaterEqual}, {"<=", kNodeLessEqual},
      {"=", kNodeEqual},    {"<>", kNodeNotEqual},    {":=", kNodeAssign},
  };
  for (const auto &entry : kTable)
    if (op == entry.op)
      return entry.kind;
  ReportHere("unknown operator in OperatorToNodetype(): " + op);
  return 0;
}

Node *CreateBinaryNode(const Text &op, Node *left, Node *right) {
  Node *n = CreateNode(OperatorToNodetype(op), 2, left, right, nullptr);
  SetNodeText(n, op);
  return n;
}

// The appended node keeps its own next chain, so a whole list is spliced in.
void AppendNode(Node *&list, Node *node) {
  if (!list) {
    list = node;
    return;
  }
  Node *last = list;
  while (last->next)
    last = last->next;
  last->next = node;
}

void NodeListBuilder::Append(Node *node) {
  if (!node)
    return;
  if (!head)
    head = node;
  else
    tail->next = node;
  tail = node;
  while (tail->next)
    tail = tail->next;
}

uint16_t CountNodes(const Node *list) {
  uint32_t count = 0;
  for (const Node *n = list; n; n = n->next) {
    count += 1;
    for (int i = 1; i <= n->childCount && i <= kMaxChildren; i++)
      count += CountNodes(Child(n, i));
    if (count > 0xFFFF)
      RunTimeStop(kStopLimit, "more than 65535 nodes in one statement list");
  }
  return static_cast<uint16_t>(count);
}
