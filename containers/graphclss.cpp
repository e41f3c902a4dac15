#include "containers/graphclss.h"
#include "platform/extended.h"

#include <vector>

#include "platform/messages.h"

namespace {
const TClassRegistration<TGraph> registerGraph;
const TClassRegistration<TGraphNode> registerGraphNode;
const TClassRegistration<TConnectedNode> registerConnectedNode;

[[noreturn]] void abortGraph(const char* operation) {
  platform::showMessage(platform::MessageKind::Error,
                        std::string("Es wird fälschlicherweise TGraph.") + operation +
                            " aufgerufen");
  platform::endProgram(1);
}
}  // namespace

// ---------------------------------------------------------------- TConnectedNode

TConnectedNode::TConnectedNode(std::unique_ptr<TBase> node, std::unique_ptr<TBase> weight)
    : node_(std::move(node)), weight_(std::move(weight)) {}

int TConnectedNode::compare(TBase& other) {
  auto* o = dynamic_cast<TConnectedNode*>(&other);
  if (!o || !node_ || !o->node_) return 2;
  if (node_->compare(*o->node_) != 0) return 2;
  if (weight_ && o->weight_ && weight_->compare(*o->weight_) != 0) return 2;
  return 0;
}

std::unique_ptr<TBase> TConnectedNode::copy() {
  return std::make_unique<TConnectedNode>(node_ ? node_->copy() : nullptr,
                                          weight_ ? weight_->copy() : nullptr);
}

void TConnectedNode::saveValue(TWriter& writer) {
  if (!storable()) throw EWriteError("Eine Kante ohne Gewicht kann nicht gespeichert werden");
  writeElement(writer, *node_);
  writeElement(writer, *weight_);
}

void TConnectedNode::loadValue(TReader& reader) {
  node_ = readElement(reader);
  weight_ = readElement(reader);
}

// ---------------------------------------------------------------- TGraphNode

TGraphNode::TGraphNode() : neighbours_(std::make_unique<TListe>()) {}

TGraphNode::TGraphNode(std::unique_ptr<TBase> element)
    : element_(std::move(element)), neighbours_(std::make_unique<TListe>()) {}

int TGraphNode::compare(TBase& x) {
  return element_ && element_->compare(x) == 0 ? 0 : 2;
}

int TGraphNode::compare(TBase& x, Extended tolerance) {
  return element_ && element_->compare(x, tolerance) == 0 ? 0 : 2;
}

std::unique_ptr<TBase> TGraphNode::copy() {
  auto result = std::make_unique<TGraphNode>(element_ ? element_->copy() : nullptr);
  neighbours_->copyTo(*result->neighbours_);
  return result;
}

void TGraphNode::saveValue(TWriter& writer) {
  if (!element_) throw EWriteError("Graphknoten ohne Element");
  // Checked up front, so that a node with an unstorable edge writes nothing at all.
  const std::uint16_t p = neighbours_->position();
  bool storable = true;
  for (neighbours_->toFirst(); !neighbours_->atEnd(); neighbours_->next()) {
    auto* edge = dynamic_cast<TConnectedNode*>(neighbours_->getElem());
    if (edge && !edge->storable()) storable = false;
  }
  neighbours_->setPosition(p);
  if (!storable) throw EWriteError("Eine Kante ohne Gewicht kann nicht gespeichert werden");
  writeElement(writer, *element_);
  neighbours_->save(writer);
}

void TGraphNode::loadValue(TReader& reader) {
  element_ = readElement(reader);
  neighbours_ = std::make_unique<TListe>();
  neighbours_->load(reader);
}

// ---------------------------------------------------------------- TGraph

int TGraph::compare(TBase& other) {
  auto* o = dynamic_cast<TGraph*>(&other);
  if (!o || count() != o->count()) return 2;
  // Own nodes are collected first: other may be this graph, whose searches move the cursor.
  std::vector<TGraphNode*> own;
  own.reserve(count());
  for (toFirst(); !atEnd(); next()) own.push_back(dynamic_cast<TGraphNode*>(getElem()));
  for (TGraphNode* node : own) {
    if (!node || !node->getElem()) return 2;
    auto* counterpart = dynamic_cast<TGraphNode*>(o->lookUp(*node->getElem()));
    if (!counterpart) return 2;
    if (!counterpart->getNeighbours().sameElements(node->getNeighbours())) return 2;
  }
  return 0;
}

std::unique_ptr<TBase> TGraph::copy() {
  auto result = std::make_unique<TGraph>(undirected_);
  copyTo(*result);
  return result;
}

Extended TGraph::computeQuality() { abortGraph("computeQuality"); }
void TGraph::drawNode(platform::Canvas&, TGraphNode&) { abortGraph("drawNode"); }
void TGraph::drawEdge(platform::Canvas&, TGraphNode&, TConnectedNode&) { abortGraph("drawEdge"); }

std::uint32_t TGraph::numberOfEdges() {
  const std::uint16_t p = position();
  std::uint32_t entries = 0;
  for (toFirst(); !atEnd(); next())
    if (auto* node = dynamic_cast<TGraphNode*>(getElem())) entries += node->getNeighbours().count();
  setPosition(p);
  return undirected_ ? entries / 2 : entries;
}
