#include "containers/treeclss.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/containers/testHelpers.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/RecordingMessages.h"

using namespace containers_test;
using testing_support::ProgramEnded;
using testing_support::RecordingCanvas;
using testing_support::RecordingMessages;

namespace {

std::vector<std::string> outputLog;

// A character that writes itself into the log.
class TLoggedChar : public TChar {
  ORTIVO_ELEMENT_CLASS(TLoggedChar)
 public:
  using TChar::TChar;
  void writeValue() override { outputLog.push_back(std::string(1, getValue())); }
  std::unique_ptr<TBase> copy() override { return std::make_unique<TLoggedChar>(getValue()); }
};

class TPlaneTree : public TBinTree {
 public:
  void newPlane() override { outputLog.push_back("|"); }
};

using Node = std::unique_ptr<TBinTreeNode>;

Node leaf(char c) { return std::make_unique<TBinTreeNode>(nullptr, nullptr, std::make_unique<TChar>(c)); }
Node node(char c, Node l, Node r) {
  return std::make_unique<TBinTreeNode>(std::move(l), std::move(r), std::make_unique<TChar>(c));
}
Node logged(char c, Node l = nullptr, Node r = nullptr) {
  return std::make_unique<TBinTreeNode>(std::move(l), std::move(r),
                                        std::make_unique<TLoggedChar>(c));
}

class TempFile {
 public:
  // Named after the test: ctest runs each test in a process of its own, two at a time,
  // and a counter alone gave them all the same file.
  TempFile() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = (std::filesystem::temp_directory_path() /
             ("ortivo_containers_" + std::string(test->test_suite_name()) + "_" + test->name() +
              "_" + std::to_string(counter_++)))
                .string();
  }
  ~TempFile() { std::remove(path_.c_str()); }
  const std::string& path() const { return path_; }
  Bytes read() const {
    std::ifstream in(path_, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }
  void write(const Bytes& b) const {
    std::ofstream out(path_, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
  }

 private:
  static inline int counter_ = 0;
  std::string path_;
};

Bytes charRecord(char c, bool left, bool right) {
  return concat({shortString("TChar"), bytesOf({6, 1, c}), bytesOf({left ? 9 : 8}),
                 bytesOf({right ? 9 : 8})});
}

}  // namespace

TEST(BinTree, EmptyTree) {
  TBinTree tree;
  EXPECT_TRUE(tree.empty());
  EXPECT_EQ(tree.depth(), 0);
  EXPECT_EQ(tree.count(), 0);
  EXPECT_TRUE(tree.balanced());
  TChar a('A');
  EXPECT_EQ(tree.lookUp(a), nullptr);
  tree.write();
  tree.swap();
  auto copied = tree.copy();
  EXPECT_TRUE(dynamic_cast<TBinTree&>(*copied).empty());
  EXPECT_EQ(tree.compare(*copied), 0);
  TempFile file;
  tree.save(file.path());
  EXPECT_TRUE(file.read().empty());
  TBinTree loaded;
  loaded.root = leaf('Z');
  loaded.load(file.path());
  EXPECT_TRUE(loaded.empty());
  RecordingCanvas canvas;
  tree.paint(canvas, 0, 0, 10, 2, 100, false);
  EXPECT_TRUE(canvas.entries().empty());
}

TEST(BinTree, ShapeMeasures) {
  TBinTree chain;
  chain.root = node('A', node('B', leaf('C'), nullptr), nullptr);
  EXPECT_EQ(chain.depth(), 3);
  EXPECT_EQ(chain.count(), 3);
  EXPECT_FALSE(chain.balanced());

  TBinTree full;
  full.root = node('A', node('B', leaf('D'), nullptr), leaf('C'));
  EXPECT_EQ(full.depth(), 3);
  EXPECT_EQ(full.count(), 4);
  EXPECT_TRUE(full.balanced());
  // Balanced at the root, but not below it.
  TBinTree inner;
  inner.root = node('A', node('B', node('D', leaf('F'), nullptr), nullptr),
                    node('C', leaf('E'), leaf('G')));
  EXPECT_FALSE(inner.balanced());

  TChar d('D'), x('X');
  TBase* found = full.lookUp(d);
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found, full.root->getLeft()->getLeft()->getElem());
  EXPECT_EQ(full.lookUp(x), nullptr);
}

TEST(BinTree, LookUpIsPreOrder) {
  TBinTree tree;
  // Two equal elements: the one in the left subtree comes first in pre-order even though
  // the right one is nearer to the root.
  tree.root = node('A', node('B', leaf('Q'), nullptr), leaf('Q'));
  TChar q('Q');
  EXPECT_EQ(tree.lookUp(q), tree.root->getLeft()->getLeft()->getElem());
}

TEST(BinTree, SwapCompareAndCopy) {
  TBinTree tree;
  tree.root = node('A', node('B', leaf('D'), nullptr), leaf('C'));
  auto original = tree.copy();
  EXPECT_EQ(tree.compare(*original), 0);
  tree.swap();
  EXPECT_EQ(tree.compare(*original), 2);
  EXPECT_EQ(tree.root->getLeft()->getElem()->compare(*std::make_unique<TChar>('C')), 0);
  EXPECT_EQ(tree.root->getRight()->getRight()->getElem()->compare(*std::make_unique<TChar>('D')), 0);
  tree.swap();
  EXPECT_EQ(tree.compare(*original), 0);

  // The copy is deep.
  auto& copiedTree = dynamic_cast<TBinTree&>(*original);
  copiedTree.root->setRight(leaf('Z'));
  EXPECT_EQ(tree.compare(copiedTree), 2);
  EXPECT_EQ(tree.root->getRight()->getElem()->compare(*std::make_unique<TChar>('C')), 0);

  TBinTree empty;
  EXPECT_EQ(tree.compare(empty), 2);
  EXPECT_EQ(empty.compare(tree), 2);
  TPlaneTree sub;
  EXPECT_EQ(empty.compare(sub), 0) << "a subclass without its own class name is a TBinTree";
  TInteger i(1);
  EXPECT_EQ(tree.compare(i), 2);
}

TEST(BinTree, SavedBytesOfACharTree) {
  TBinTree tree;
  tree.root = node('A', leaf('B'), leaf('C'));
  TempFile file;
  tree.save(file.path());
  const Bytes expected = concat({charRecord('A', true, true), charRecord('B', false, false),
                                 charRecord('C', false, false)});
  EXPECT_EQ(file.read(), expected);
  Bytes head = shortString("TChar");
  EXPECT_EQ(head, bytesOf({6, 5, 'T', 'C', 'h', 'a', 'r'}));

  TBinTree loaded;
  loaded.load(file.path());
  EXPECT_EQ(loaded.compare(tree), 0);
  EXPECT_EQ(loaded.count(), 3);
}

TEST(BinTree, RoundTripOfAnUnevenTree) {
  TBinTree tree;
  tree.root = node('A', node('B', nullptr, leaf('D')), node('C', leaf('E'), nullptr));
  tree.root->getLeft()->getRight()->setLeft(leaf('\xFC'));
  TempFile file;
  tree.save(file.path());
  TBinTree loaded;
  loaded.load(file.path());
  EXPECT_EQ(loaded.compare(tree), 0);
  EXPECT_EQ(loaded.depth(), 4);
  // Overwriting with a smaller tree leaves no trace of the larger one.
  TBinTree small;
  small.root = leaf('S');
  small.save(file.path());
  loaded.load(file.path());
  EXPECT_EQ(loaded.compare(small), 0);
}

TEST(BinTree, WriteAndWritePlanes) {
  TPlaneTree tree;
  tree.root = logged('A', logged('B', nullptr, logged('D')), logged('C'));
  outputLog.clear();
  tree.write();
  EXPECT_EQ(outputLog, (std::vector<std::string>{"B", "D", "A", "C"}));
  outputLog.clear();
  tree.writePlanes();
  EXPECT_EQ(outputLog, (std::vector<std::string>{"A", "|", "B", "C", "|", "D", "|"}));

  TPlaneTree simple;
  simple.root = logged('A', logged('B'), logged('C'));
  outputLog.clear();
  simple.writePlanes();
  EXPECT_EQ(outputLog, (std::vector<std::string>{"A", "|", "B", "C", "|"}));
}

TEST(BinTree, AbstractNewPlaneEndsTheProgram) {
  TBinTree tree;
  tree.root = logged('A');
  RecordingMessages recorder;
  outputLog.clear();
  EXPECT_THROW(tree.writePlanes(), ProgramEnded);
  EXPECT_EQ(outputLog, std::vector<std::string>{"A"});
  ASSERT_EQ(recorder.messages().size(), 1u);
  EXPECT_EQ(recorder.messages()[0].kind, platform::MessageKind::Information);
  EXPECT_EQ(recorder.messages()[0].text, "TBinTree.newPlane wurde nicht überschrieben");
}

TEST(BinTree, PaintPositionsAndEdges) {
  TBinTree tree;
  tree.root = node('A', node('B', leaf('D'), leaf('E')), node('C', nullptr, leaf('F')));
  RecordingCanvas canvas;
  tree.paint(canvas, 300, 10, 40, 15, 200, false);
  std::vector<std::tuple<std::string, int, int>> texts;
  for (const auto& e : canvas.entriesOf(RecordingCanvas::Op::Text))
    texts.emplace_back(e.text, e.x1, e.y1);
  // In-order: left subtree, node, right subtree.
  EXPECT_EQ(texts, (std::vector<std::tuple<std::string, int, int>>{
                       {"D", 150, 90}, {"B", 200, 50}, {"E", 250, 90},
                       {"A", 300, 10}, {"C", 400, 50}, {"F", 450, 90}}));
  auto lines = canvas.entriesOf(RecordingCanvas::Op::LineTo);
  ASSERT_EQ(lines.size(), 5u);  // every node but the root, straight edges
  // D's edge runs from D straight to 15 below B.
  EXPECT_EQ(lines[0].x1, 150);
  EXPECT_EQ(lines[0].y1, 90);
  EXPECT_EQ(lines[0].x2, 200);
  EXPECT_EQ(lines[0].y2, 65);

  RecordingCanvas angled;
  TBinTree two;
  two.root = node('A', nullptr, leaf('B'));
  two.paint(angled, 100, 0, 30, 5, 61, true);
  auto pieces = angled.entriesOf(RecordingCanvas::Op::LineTo);
  ASSERT_EQ(pieces.size(), 2u);
  // 61 div 2 = 30: horizontal to below the parent, then up to 5 below it.
  EXPECT_EQ(std::make_tuple(pieces[0].x1, pieces[0].y1, pieces[0].x2, pieces[0].y2),
            std::make_tuple(130, 30, 100, 30));
  EXPECT_EQ(std::make_tuple(pieces[1].x1, pieces[1].y1, pieces[1].x2, pieces[1].y2),
            std::make_tuple(100, 30, 100, 5));
}

TEST(BinTree, MalformedFiles) {
  TempFile file;
  // A truncated second node: the root read so far stays.
  Bytes truncated = concat({charRecord('A', true, false), shortString("TChar"), bytesOf({6, 1})});
  file.write(truncated);
  TBinTree tree;
  EXPECT_THROW(tree.load(file.path()), EReadError);
  ASSERT_FALSE(tree.empty());
  EXPECT_EQ(tree.count(), 1);

  file.write(concat({shortString("TUnbekannt"), bytesOf({2, 1, 8, 8})}));
  EXPECT_THROW(tree.load(file.path()), EClassNotFound);
  EXPECT_TRUE(tree.empty());

  EXPECT_THROW(tree.load("/nonexistent/dir/tree.bin"), EFileError);
  EXPECT_THROW(tree.save("/nonexistent/dir/tree.bin"), EFileError);
}

TEST(BinTree, DeepNestingIsAReadErrorNotAStackOverflow) {
  // A million nested left children.
  const Bytes record = charRecord('L', true, false);
  Bytes deep;
  deep.reserve(record.size() * 1000000);
  for (int i = 0; i < 1000000; ++i) deep.insert(deep.end(), record.begin(), record.end());
  TBinTree tree;
  TReader reader(deep);
  EXPECT_THROW(tree.loadFrom(reader), EReadError);
  EXPECT_EQ(tree.depth(), TBinTree::kMaxLoadDepth);

  // Just inside the limit loads.
  Bytes allowed;
  for (std::size_t i = 0; i + 1 < TBinTree::kMaxLoadDepth; ++i)
    allowed.insert(allowed.end(), record.begin(), record.end());
  const Bytes last = charRecord('E', false, false);
  allowed.insert(allowed.end(), last.begin(), last.end());
  TReader reader2(allowed);
  tree.loadFrom(reader2);
  EXPECT_EQ(tree.depth(), TBinTree::kMaxLoadDepth);
  EXPECT_FALSE(tree.balanced());
}
