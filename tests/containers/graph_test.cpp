#include "containers/graphclss.h"

#include <gtest/gtest.h>

#include "containers/euklidgraphclss.h"
#include "tests/containers/testHelpers.h"
#include "tests/support/RecordingCanvas.h"
#include "tests/support/RecordingMessages.h"

using namespace containers_test;
using testing_support::ProgramEnded;
using testing_support::RecordingCanvas;
using testing_support::RecordingMessages;

namespace {

std::unique_ptr<TString> str(const char* s) { return std::make_unique<TString>(s); }

std::unique_ptr<TConnectedNode> edge(const char* to, std::int32_t weight) {
  return std::make_unique<TConnectedNode>(str(to), std::make_unique<TInteger>(weight));
}

TGraphNode& addNode(TGraph& g, const char* name) {
  g.append(std::make_unique<TGraphNode>(str(name)));
  return dynamic_cast<TGraphNode&>(*g.getElem());
}

// Nodes in the given order; edges a-b and b-c entered at both ends.
void fill(TGraph& g, std::initializer_list<const char*> order) {
  for (const char* n : order) addNode(g, n);
  auto nodeOf = [&g](const char* n) -> TGraphNode& {
    TString key(n);
    return dynamic_cast<TGraphNode&>(*g.lookUp(key));
  };
  nodeOf("a").getNeighbours().append(edge("b", 1));
  nodeOf("b").getNeighbours().append(edge("a", 1));
  nodeOf("b").getNeighbours().append(edge("c", 2));
  nodeOf("c").getNeighbours().append(edge("b", 2));
}

struct CompareXFirst {
  explicit CompareXFirst(bool v) { euklidgraphclss::compareXFirst = v; }
  ~CompareXFirst() { euklidgraphclss::compareXFirst = false; }
};

}  // namespace

TEST(Graph, EdgeCountsAndCursor) {
  TGraph undirected(true), directed(false);
  fill(undirected, {"a", "b", "c"});
  fill(directed, {"a", "b", "c"});
  undirected.setPosition(1);
  EXPECT_EQ(undirected.numberOfEdges(), 2u);
  EXPECT_EQ(undirected.position(), 1);
  EXPECT_EQ(directed.numberOfEdges(), 4u);
  TGraph none(true);
  EXPECT_EQ(none.numberOfEdges(), 0u);
}

TEST(Graph, ComparisonIgnoresNodeOrderButNotEdges) {
  TGraph g1(true), g2(true);
  fill(g1, {"a", "b", "c"});
  fill(g2, {"c", "a", "b"});
  EXPECT_EQ(g1.compare(g2), 0);
  EXPECT_EQ(g1.compare(g1), 0);
  // One neighbour entry less.
  TString b("b");
  auto& nodeB = dynamic_cast<TGraphNode&>(*g2.lookUp(b));
  nodeB.getNeighbours().toFirst();
  nodeB.getNeighbours().del();
  EXPECT_EQ(g1.compare(g2), 2);
  EXPECT_EQ(g2.compare(g1), 2);
  TGraph smaller(true);
  fill(smaller, {"a", "b", "c"});
  smaller.toFirst();
  smaller.del();
  EXPECT_EQ(g1.compare(smaller), 2);
  TListe list;
  EXPECT_EQ(g1.compare(list), 2);
}

TEST(Graph, CopyKeepsDirectionAndIsDeep) {
  TGraph g(true);
  fill(g, {"a", "b", "c"});
  auto copied = g.copy();
  auto& c = dynamic_cast<TGraph&>(*copied);
  EXPECT_TRUE(c.undirected());
  EXPECT_EQ(c.compare(g), 0);
  EXPECT_EQ(c.numberOfEdges(), 2u);
  c.toFirst();
  dynamic_cast<TGraphNode&>(*c.getElem()).getNeighbours().clear();
  EXPECT_EQ(g.numberOfEdges(), 2u);
  EXPECT_NE(c.compare(g), 0);
}

TEST(Graph, NodeAndEdgeComparisons) {
  TGraphNode n(str("x"));
  TString x("x"), y("y");
  EXPECT_EQ(n.compare(x), 0);
  EXPECT_EQ(n.compare(y), 2);

  auto b5 = edge("b", 5), b7 = edge("b", 7), b7b = edge("b", 7);
  TConnectedNode bNone(str("b"), nullptr), cNone(str("c"), nullptr);
  EXPECT_EQ(b5->compare(*b7), 2);
  EXPECT_EQ(b7->compare(*b7b), 0);
  EXPECT_EQ(bNone.compare(*b7), 0);
  EXPECT_EQ(b7->compare(bNone), 0);
  EXPECT_EQ(cNone.compare(bNone), 2);
  EXPECT_EQ(b5->compare(x), 2);

  TGraphNode p(std::make_unique<TEuklidGraphNode>(TEuklidNodeData{10, 10, "P"}));
  TEuklidGraphNode q(TEuklidNodeData{11, 9, "Q"});
  EXPECT_EQ(p.compare(q, 1.0L), 0);
  EXPECT_EQ(p.compare(q, 0.5L), 2);
}

TEST(Graph, AbstractOperationsEndTheProgram) {
  TGraph g;
  RecordingCanvas canvas;
  TGraphNode node(str("a"));
  TConnectedNode e(str("b"), nullptr);
  const std::pair<std::function<void()>, const char*> cases[] = {
      {[&] { (void)g.computeQuality(); }, "Es wird fälschlicherweise TGraph.computeQuality aufgerufen"},
      {[&] { g.drawNode(canvas, node); }, "Es wird fälschlicherweise TGraph.drawNode aufgerufen"},
      {[&] { g.drawEdge(canvas, node, e); }, "Es wird fälschlicherweise TGraph.drawEdge aufgerufen"},
  };
  for (const auto& [call, text] : cases) {
    RecordingMessages recorder;
    try {
      call();
      ADD_FAILURE() << "returned: " << text;
    } catch (const ProgramEnded& ended) {
      EXPECT_NE(ended.code, 0);
    }
    ASSERT_EQ(recorder.messages().size(), 1u);
    EXPECT_EQ(recorder.messages()[0].kind, platform::MessageKind::Error);
    EXPECT_EQ(recorder.messages()[0].text, text);
  }
}

TEST(Graph, SaveLoadRoundTripWithWeights) {
  TGraph g(false);
  fill(g, {"a", "b", "c"});
  Bytes out;
  {
    TWriter writer(out);
    g.save(writer);
  }
  // The first node: its class, its element, its neighbour list (one entry).
  const Bytes head = concat({bytesOf({2, 3}), shortString("TGraphNode"), shortString("TString"),
                             shortString("a"), bytesOf({2, 1}), shortString("TConnectedNode"),
                             shortString("TString"), shortString("b"), shortString("TInteger"),
                             bytesOf({2, 1})});
  ASSERT_GE(out.size(), head.size());
  EXPECT_EQ(Bytes(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(head.size())), head);
  TGraph loaded;
  TReader reader(out);
  loaded.load(reader);
  EXPECT_TRUE(reader.EndOfStream());
  EXPECT_EQ(loaded.compare(g), 0);
  EXPECT_EQ(loaded.numberOfEdges(), 4u);
}

TEST(Graph, AnEdgeWithoutWeightCanNotBeSaved) {
  TGraph g;
  addNode(g, "a").getNeighbours().append(std::make_unique<TConnectedNode>(str("b"), nullptr));
  Bytes out;
  TWriter writer(out);
  EXPECT_THROW(g.save(writer), EWriteError);
  // Only the list count and the node's class name: nothing of the node's value or its entry.
  EXPECT_EQ(out, concat({bytesOf({2, 1}), shortString("TGraphNode")}));

  Bytes direct;
  TWriter writer2(direct);
  TConnectedNode e(str("b"), nullptr);
  EXPECT_THROW(e.saveValue(writer2), EWriteError);
  EXPECT_TRUE(direct.empty());
}

TEST(Graph, NestedStreamsEndInAReadError) {
  // A graph node whose element is a graph node whose element is ... : bounded nesting.
  Bytes deep;
  for (int i = 0; i < 100000; ++i) {
    const Bytes name = shortString("TGraphNode");
    deep.insert(deep.end(), name.begin(), name.end());
  }
  TReader reader(deep);
  EXPECT_THROW(readElement(reader), EReadError);
}

TEST(EuklidGraphNode, OrderToleranceAndCopy) {
  TEuklidGraphNode a(TEuklidNodeData{3, 1, "A"}), b(TEuklidNodeData{1, 2, "B"});
  EXPECT_EQ(a.compare(b), -1);  // y decides
  EXPECT_EQ(b.compare(a), 1);
  {
    CompareXFirst xFirst(true);
    TEuklidGraphNode ax(TEuklidNodeData{3, 1, "A"}), bx(TEuklidNodeData{1, 2, "B"});
    EXPECT_EQ(ax.compare(bx), 1);  // x decides
    EXPECT_EQ(bx.compare(ax), -1);
    EXPECT_EQ(a.compare(b), -1);  // the setting is taken at creation
    auto c = a.copy();
    EXPECT_TRUE(dynamic_cast<TEuklidGraphNode&>(*c).comparesXFirst());
  }
  TEuklidGraphNode same(TEuklidNodeData{3, 1, "Z"});
  EXPECT_EQ(a.compare(same), 0);

  TEuklidGraphNode p(TEuklidNodeData{10, 10, "P"}), q(TEuklidNodeData{11, 9, "Q"});
  EXPECT_EQ(p.compare(q, 1.0L), 0);
  EXPECT_EQ(p.compare(q, 0.5L), 2);
  TEuklidGraphNode far(TEuklidNodeData{std::numeric_limits<std::int32_t>::min(), 0, ""});
  TEuklidGraphNode near(TEuklidNodeData{std::numeric_limits<std::int32_t>::max(), 0, ""});
  EXPECT_EQ(far.compare(near, 1e9L), 2);
  EXPECT_EQ(far.compare(near), -1);
}

TEST(EuklidGraphNode, StreamKeepsThreeCharacters) {
  TEuklidGraphNode n(TEuklidNodeData{-5, 40000, "AB"});
  EXPECT_EQ(saved(n), concat({bytesOf({2, 0xFB, 4, 0x40, 0x9C, 0, 0}), shortString("AB")}));
  const Bytes longName = concat({bytesOf({2, 1, 2, 2}), shortString("ABCD")});
  TReader reader(longName);
  TEuklidGraphNode loaded;
  {
    CompareXFirst xFirst(true);
    loaded.loadValue(reader);
  }
  EXPECT_EQ(loaded.getValue().name, "ABC");
  EXPECT_EQ(loaded.getValue().x, 1);
  EXPECT_EQ(loaded.getValue().y, 2);
  EXPECT_TRUE(loaded.comparesXFirst());
}

TEST(EuklidGraphNode, PaintsTheNameCentred) {
  RecordingCanvas canvas;
  TEuklidGraphNode n(TEuklidNodeData{0, 0, "ABC"});
  n.paintValue(canvas, 100, 40);
  ASSERT_EQ(canvas.entries().size(), 1u);
  const auto& e = canvas.entries()[0];
  EXPECT_EQ(e.text, "ABC");
  EXPECT_EQ(e.x1, 100 - 21 / 2);
  EXPECT_EQ(e.y1, 40);
  EXPECT_EQ(e.font.name, "MS SANS SERIF");
  EXPECT_EQ(e.font.size, 12);
  EXPECT_TRUE(e.font.bold);
  EXPECT_EQ(e.penColor, platform::colors::black);
}

TEST(ClassRegistry, ContainersAreRegistered) {
  for (const char* name : {"TListe", "TSortListe", "TSortableListe", "TGraph", "TGraphNode",
                           "TConnectedNode", "TEuklidGraphNode", "TBinTree", "TFifo", "TNtree"})
    EXPECT_NE(findClass(name), nullptr) << name;
  EXPECT_FALSE(findClass("TGraph")->loadable);
  EXPECT_TRUE(findClass("TGraphNode")->loadable);
  EXPECT_TRUE(findClass("TEuklidGraphNode")->loadable);
}
