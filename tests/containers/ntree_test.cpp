#include "containers/ntreeclss.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/containers/testHelpers.h"

using namespace containers_test;

namespace {

std::vector<std::string> written;

class TLoggedString : public TString {
  ORTIVO_ELEMENT_CLASS(TLoggedString)
 public:
  using TString::TString;
  void writeValue() override {
    std::string s;
    getValue(s);
    written.push_back(s);
  }
  std::unique_ptr<TBase> copy() override {
    std::string s;
    getValue(s);
    return std::make_unique<TLoggedString>(s);
  }
};

std::unique_ptr<TNtreeNode> leaf(const std::string& s) {
  return std::make_unique<TNtreeNode>(std::make_unique<TLoggedString>(s), nullptr);
}

std::string nameOf(TBase* e) {
  std::string s;
  dynamic_cast<TString&>(*e).getValue(s);
  return s;
}

std::vector<std::string> childNames(TNtreeNode& n) {
  std::vector<std::string> out;
  for (int i = 0; i < n.numberOfChildren(); ++i) out.push_back(nameOf(n.getChildN(i)->getElem()));
  return out;
}

using S = std::vector<std::string>;

// r with children a (which has the child a1) and b.
TNtree sampleTree() {
  TNtree tree;
  tree.createRoot(std::make_unique<TLoggedString>("r"), nullptr);
  auto a = leaf("a");
  a->insertChild(leaf("a1"));
  tree.root->insertChildN(0, std::move(a));
  tree.root->insertChildN(1, leaf("b"));
  return tree;
}

}  // namespace

TEST(Ntree, ChildIndexOperations) {
  auto n = leaf("n");
  EXPECT_TRUE(n->leaf());
  n->deleteChild();  // nothing on a leaf
  n->deleteChildN(0);
  n->insertChildN(0, leaf("a"));
  n->insertChildN(1, leaf("b"));
  n->insertChildN(0, leaf("c"));
  EXPECT_EQ(childNames(*n), (S{"c", "a", "b"}));
  n->insertChildN(5, leaf("d"));
  EXPECT_EQ(childNames(*n), (S{"c", "a", "b", "d"}));
  EXPECT_EQ(n->getChildN(4), nullptr);
  EXPECT_EQ(n->getChildN(-1), nullptr);
  n->getChildN(1)->insertChild(leaf("a1"));
  n->deleteChildN(1);  // a and its subtree
  EXPECT_EQ(childNames(*n), (S{"c", "b", "d"}));
  EXPECT_EQ(n->count(), 4);
  n->update(std::make_unique<TLoggedString>("m"));
  EXPECT_EQ(nameOf(n->getElem()), "m");
  TNtreeNode bare;
  bare.update(std::make_unique<TString>("x"));
  EXPECT_EQ(bare.getElem(), nullptr);
  EXPECT_TRUE(TNtreeNode::empty(nullptr));
}

TEST(Ntree, MeasuresSearchAndPostOrder) {
  TNtree empty;
  EXPECT_EQ(empty.depth(), 0);
  EXPECT_EQ(empty.count(), 0);
  TString any("a");
  EXPECT_EQ(empty.lookUp(any), nullptr);
  empty.write();
  EXPECT_TRUE(dynamic_cast<TNtree&>(*empty.copy()).empty());

  TNtree tree = sampleTree();
  EXPECT_EQ(tree.depth(), 3);
  EXPECT_EQ(tree.count(), 4);
  written.clear();
  tree.write();
  EXPECT_EQ(written, (S{"a1", "a", "b", "r"}));

  // With a1 and b equal, pre-order finds a1.
  tree.root->getChildN(1)->update(std::make_unique<TLoggedString>("a1"));
  TLoggedString key("a1");
  TBase* found = tree.lookUp(key);
  EXPECT_EQ(found, tree.root->getChildN(0)->getChildN(0)->getElem());
  TLoggedString missing("zz");
  EXPECT_EQ(tree.lookUp(missing), nullptr);
}

TEST(Ntree, SaveHeaderAndRoundTrip) {
  TNtree tree;
  tree.createRoot(std::make_unique<TInteger>(1), nullptr);
  for (int i = 0; i < 3; ++i)
    tree.root->insertChildN(i, std::make_unique<TNtreeNode>(std::make_unique<TInteger>(10 + i), nullptr));
  EXPECT_EQ(tree.depth(), 2);
  EXPECT_EQ(tree.count(), 4);
  Bytes out;
  {
    TWriter writer(out);
    tree.saveTo(writer);
  }
  const Bytes rootRecord = concat({bytesOf({2, 8}), shortString("TInteger"), bytesOf({2, 1}),
                                   bytesOf({2, 3})});
  ASSERT_GE(out.size(), rootRecord.size());
  EXPECT_EQ(Bytes(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(rootRecord.size())),
            rootRecord);

  TNtree sample = sampleTree();
  const std::string path = (std::filesystem::temp_directory_path() / "ortivo_ntree.bin").string();
  registerClass<TLoggedString>();
  sample.save(path);
  TNtree loaded;
  loaded.load(path);
  ASSERT_EQ(loaded.count(), 4);
  EXPECT_EQ(childNames(*loaded.root), (S{"a", "b"}));
  EXPECT_EQ(childNames(*loaded.root->getChildN(0)), S{"a1"});
  written.clear();
  loaded.write();
  EXPECT_EQ(written, (S{"a1", "a", "b", "r"}));

  TNtree empty;
  empty.save(path);
  std::ifstream in(path, std::ios::binary);
  EXPECT_EQ(Bytes(std::istreambuf_iterator<char>(in), {}), bytesOf({2, 0}));
  loaded.load(path);
  EXPECT_TRUE(loaded.empty());
  std::remove(path.c_str());
}

TEST(Ntree, CopyIsDeep) {
  TNtree tree = sampleTree();
  auto copied = tree.copy();
  auto& c = dynamic_cast<TNtree&>(*copied);
  c.root->deleteChildN(0);
  EXPECT_EQ(tree.count(), 4);
  EXPECT_EQ(c.count(), 2);
}

TEST(Ntree, MalformedFiles) {
  const Bytes node = concat({shortString("TInteger"), bytesOf({2, 1})});
  // The total says one node, the root claims a child: no missing child may enter the tree.
  const Bytes tooFew = concat({bytesOf({2, 2}), node, bytesOf({2, 1}), node, bytesOf({2, 0})});
  TNtree tree;
  TReader r1(tooFew);
  EXPECT_THROW(tree.loadFrom(r1), EReadError);
  ASSERT_FALSE(tree.empty());
  EXPECT_EQ(tree.count(), 1);

  const Bytes negative = concat({bytesOf({2, 8}), node, bytesOf({2, 0xFF})});
  TReader r2(negative);
  EXPECT_THROW(tree.loadFrom(r2), EReadError);

  // A huge child count with no data behind it.
  const Bytes huge = concat({bytesOf({4, 0xFF, 0xFF, 0xFF, 0x7F}), node, bytesOf({4, 0xFF, 0xFF, 0, 0})});
  TReader r3(huge);
  EXPECT_THROW(tree.loadFrom(r3), EReadError);
  EXPECT_EQ(tree.count(), 1);

  // Deep nesting: every node has one child.
  Bytes deep = bytesOf({4, 0xFF, 0xFF, 0xFF, 0x7F});
  const Bytes link = concat({node, bytesOf({2, 1})});
  for (int i = 0; i < 200000; ++i) deep.insert(deep.end(), link.begin(), link.end());
  TReader r4(deep);
  EXPECT_THROW(tree.loadFrom(r4), EReadError);
  EXPECT_EQ(tree.depth(), TNtree::kMaxLoadDepth);
}
