// Node creation, the operator table, statement lists and node counts.
#include "tests/unit/parser_support.h"

class NodesTest : public ParserTest {};

TEST_F(NodesTest, TextKindsKeepTheirText) {
  for (int32_t kind : {1, 5, 6, 7, 11, 12, 15, 18, 19, 21}) {
    Node *n = CreateNodeText(kind, 0, nullptr, nullptr, nullptr, "t");
    EXPECT_EQ(NodeText(n), "t") << kind;
  }
  Node *empty = CreateNodeText(kNodeStringConst, 0, nullptr, nullptr, nullptr, "");
  ASSERT_NE(+empty->text, nullptr); // a short string even when empty
  EXPECT_EQ(+empty->text[0], 0);
  EXPECT_EQ(Output(), "");
}

TEST_F(NodesTest, TextlessKindsShowAGivenText) {
  for (int32_t kind : {2, 3, 4, 8, 13, 14, 16, 17, 23, 24}) {
    Node *n = CreateNodeText(kind, 0, nullptr, nullptr, nullptr, "");
    EXPECT_EQ(+n->text, nullptr);
  }
  Node *n = CreateNodeText(kNodeIf, 3, nullptr, nullptr, nullptr, "x");
  EXPECT_EQ(+n->text, nullptr);
  EXPECT_EQ(+n->childCount, 3);
  CreateNodeText(kNodeCaseBranch, 2, nullptr, nullptr, nullptr, "ignored");
  EXPECT_EQ(Output(), "!!!x\n");
}

TEST_F(NodesTest, OtherKindsAreAnInternalError) {
  Tokens("  y");
  for (int32_t kind : {0, 10, 20, 22, 25, 41}) {
    Node *n = CreateNodeText(kind, 0, nullptr, nullptr, nullptr, "t");
    EXPECT_EQ(+n->text, nullptr);
  }
  std::string one = "Error at main.pas(1,3): Internal error (20170422)\n  y\n  ^\n";
  EXPECT_EQ(Output(), one + one + one + one + one + one);
}

TEST_F(NodesTest, CreateNodeClearsEverything) {
  Node *c = CreateNode(kNodeIntConst, 0);
  Node *n = CreateNode(kNodeAssign, 2, c, c);
  EXPECT_EQ(+n->kind, kNodeAssign);
  EXPECT_EQ(Child(n, 1), c);
  EXPECT_EQ(Child(n, 2), c);
  EXPECT_EQ(Child(n, 3), nullptr);
  EXPECT_EQ(+n->next, nullptr);
  EXPECT_EQ(+n->text, nullptr);
  EXPECT_EQ(+n->position.fileName, nullptr);
  EXPECT_EQ(+n->id, nullptr);
  EXPECT_EQ(+n->type, nullptr);
  EXPECT_EQ(n->typeClass | n->size | n->isSigned | n->operandClass | n->isValue, 0);
}

TEST_F(NodesTest, OperatorTable) {
  const std::pair<const char *, int32_t> table[] = {
      {"+", 25}, {"-", 26}, {"*", 27}, {"div", 28}, {"mod", 29}, {"/", 28},
      {"and", 31}, {"or", 32}, {"xor", 33}, {"shl", 34}, {"shr", 35}, {">", 38},
      {"<", 36}, {">=", 39}, {"<=", 37}, {"=", 40}, {"<>", 41}, {":=", 13}};
  for (const auto &[op, kind] : table)
    EXPECT_EQ(OperatorToNodetype(op), kind) << op;
  EXPECT_EQ(Output(), "");
}

TEST_F(NodesTest, UnknownOperatorIsReportedAsKindZero) {
  Tokens("a << b");
  Node *n = CreateBinaryNode("<<", nullptr, nullptr);
  EXPECT_EQ(+n->kind, 0);
  EXPECT_EQ(NodeText(n), "<<");
  EXPECT_EQ(Output(), "Error at main.pas(1,1): unknown operator in "
                      "OperatorToNodetype(): <<\na << b\n^\n");
}

TEST_F(NodesTest, BinaryNodesKeepTheOperatorAsWritten) {
  Node *slash = CreateBinaryNode("/", nullptr, nullptr);
  Node *div = CreateBinaryNode("div", nullptr, nullptr);
  EXPECT_EQ(+slash->kind, +div->kind);
  EXPECT_EQ(NodeText(slash), "/");
  EXPECT_EQ(+slash->childCount, 2);
}

TEST_F(NodesTest, AppendNodeSplicesWholeLists) {
  Node *a = CreateNode(kNodeName, 0), *b = CreateNode(kNodeName, 0),
       *c = CreateNode(kNodeName, 0), *d = CreateNode(kNodeName, 0);
  Node *list = nullptr, *inner = nullptr;
  AppendNode(list, a);
  EXPECT_EQ(list, a);
  AppendNode(inner, b);
  AppendNode(inner, c);
  AppendNode(list, inner);
  AppendNode(list, d);
  EXPECT_EQ(+a->next, b);
  EXPECT_EQ(+b->next, c);
  EXPECT_EQ(+c->next, d);

  NodeListBuilder built;
  Node *e = CreateNode(kNodeName, 0), *f = CreateNode(kNodeName, 0);
  e->next = f;
  built.Append(nullptr);
  built.Append(e); // a list appended through its head
  built.Append(CreateNode(kNodeName, 0));
  EXPECT_EQ(built.head, e);
  EXPECT_EQ(+f->next, built.tail);
}

TEST_F(NodesTest, CountNodes) {
  EXPECT_EQ(CountNodes(nullptr), 0);
  // a := b + 1
  Node *sum = CreateBinaryNode("+", CreateNode(kNodeName, 0), CreateNode(kNodeIntConst, 0));
  Node *assign = CreateNode(kNodeAssign, 2, CreateNode(kNodeName, 0), sum);
  EXPECT_EQ(CountNodes(assign), 5);
  assign->next = CreateNode(kNodeName, 0);
  EXPECT_EQ(CountNodes(assign), 6);
}

TEST_F(NodesTest, CountNodesStopsAbove65535) {
  Node *list = CreateNode(kNodeName, 0), *last = list;
  for (int i = 1; i < 65535; i++)
    last = last->next = CreateNode(kNodeName, 0);
  EXPECT_EQ(CountNodes(list), 65535);
  last->next = CreateNode(kNodeName, 0);
  EXPECT_EQ(Run([&] { CountNodes(list); }), kStopLimit);
}
