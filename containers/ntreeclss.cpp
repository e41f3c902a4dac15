#include "containers/ntreeclss.h"

#include <algorithm>
#include <fstream>

namespace {
const TClassRegistration<TNtree> registerNtree;

TNtreeNode* childAt(TListe& list) { return static_cast<TNtreeNode*>(list.getElem()); }
}  // namespace

// ---------------------------------------------------------------- TNtreeNode

TNtreeNode::TNtreeNode() : childList(std::make_unique<TListe>()) {}

TNtreeNode::TNtreeNode(std::unique_ptr<TBase> element, std::unique_ptr<TListe> children)
    : element_(std::move(element)),
      childList(children ? std::move(children) : std::make_unique<TListe>()) {}

TNtreeNode* TNtreeNode::getChildN(std::int32_t n) {
  if (n < 0 || n >= childList->count()) return nullptr;
  childList->setPosition(n);
  return childAt(*childList);
}

void TNtreeNode::update(std::unique_ptr<TBase> element) {
  if (element_) element_ = std::move(element);
}

void TNtreeNode::deleteChild() {
  if (!leaf()) childList->del();
}

void TNtreeNode::deleteChildN(std::int32_t n) {
  if (leaf()) return;
  childList->setPosition(n);
  childList->del();
}

std::uint32_t TNtreeNode::depthOf() {
  std::uint32_t deepest = 0;
  for (childList->toFirst(); !childList->atEnd(); childList->next())
    deepest = std::max(deepest, childAt(*childList)->depthOf());
  return 1 + deepest;
}

std::uint32_t TNtreeNode::countOf() {
  std::uint32_t total = 1;
  for (childList->toFirst(); !childList->atEnd(); childList->next())
    total += childAt(*childList)->countOf();
  return total;
}

std::uint16_t TNtreeNode::depth() { return static_cast<std::uint16_t>(depthOf()); }
std::uint16_t TNtreeNode::count() { return static_cast<std::uint16_t>(countOf()); }

TBase* TNtreeNode::lookUp(TBase& x) {
  if (element_ && element_->compare(x) == 0) return element_.get();
  for (childList->toFirst(); !childList->atEnd(); childList->next())
    if (TBase* found = childAt(*childList)->lookUp(x)) return found;
  return nullptr;
}

void TNtreeNode::write() {
  for (childList->toFirst(); !childList->atEnd(); childList->next()) childAt(*childList)->write();
  if (element_) element_->writeValue();
}

std::unique_ptr<TBase> TNtreeNode::copy() {
  std::unique_ptr<TBase> children = childList->copy();
  return std::make_unique<TNtreeNode>(element_ ? element_->copy() : nullptr,
                                      std::unique_ptr<TListe>(static_cast<TListe*>(children.release())));
}

// ---------------------------------------------------------------- TNtree

void TNtree::createRoot(std::unique_ptr<TBase> element, std::unique_ptr<TListe> children) {
  root = std::make_unique<TNtreeNode>(std::move(element), std::move(children));
}

std::unique_ptr<TBase> TNtree::copy() {
  auto result = std::make_unique<TNtree>();
  if (root) result->root.reset(static_cast<TNtreeNode*>(root->copy().release()));
  return result;
}

std::uint16_t TNtree::depth() { return root ? root->depth() : 0; }
std::uint16_t TNtree::count() { return root ? root->count() : 0; }
TBase* TNtree::lookUp(TBase& x) { return root ? root->lookUp(x) : nullptr; }
void TNtree::write() {
  if (root) root->write();
}

namespace {

void saveNode(TWriter& writer, TNtreeNode& node) {
  if (!node.getElem()) throw EWriteError("Baumknoten ohne Element");
  writeElement(writer, *node.getElem());
  writer.WriteInteger(std::int32_t{node.numberOfChildren()});
  TListe& children = *node.childList;
  const std::uint16_t p = children.position();
  for (children.toFirst(); !children.atEnd(); children.next()) saveNode(writer, *childAt(children));
  children.setPosition(p);
}

struct NodeLoader {
  TReader& reader;
  std::int32_t total;
  std::int64_t progress = 0;

  // Reads the children of a node straight into it, so that what was read before an
  // error stays in the tree.
  void loadChildren(TNtreeNode& node, std::size_t depth) {
    const std::int32_t k = reader.ReadInteger();
    progress += 2;
    // The writer never stores more children than a list can hold.
    if (k < 0 || k > TListe::kMaxCount)
      throw EReadError("Ungültige Kinderzahl " + std::to_string(k) + " in der Baumdatei");
    for (std::int32_t i = 0; i < k; ++i) {
      // Without this a too small total would leave missing children in the tree.
      if (progress >= total) throw EReadError("Die Baumdatei enthält mehr Knoten als angegeben");
      if (depth + 1 >= TNtree::kMaxLoadDepth)
        throw EReadError("Baumdatei zu tief verschachtelt");
      auto child = std::make_unique<TNtreeNode>(readElement(reader), nullptr);
      TNtreeNode* c = child.get();
      node.insertChildN(i, std::move(child));
      loadChildren(*c, depth + 1);
    }
  }
};

}  // namespace

void TNtree::saveTo(TWriter& writer) {
  const std::uint32_t n = root ? root->countOf() : 0;
  writer.WriteInteger(static_cast<std::int64_t>(2) * n);
  if (root) saveNode(writer, *root);
}

void TNtree::loadFrom(TReader& reader) {
  NodeLoader loader{reader, reader.ReadInteger()};
  root.reset();
  if (loader.total <= 0) return;
  root = std::make_unique<TNtreeNode>(readElement(reader), nullptr);
  loader.loadChildren(*root, 0);
}

void TNtree::save(const std::string& fileName) {
  std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
  if (!file) throw EFileError("Die Datei " + fileName + " kann nicht erzeugt werden");
  TWriter writer(file, kStreamBufferSize);
  saveTo(writer);
  writer.FlushBuffer();
}

void TNtree::load(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) throw EFileError("Die Datei " + fileName + " kann nicht geöffnet werden");
  TReader reader(file, kStreamBufferSize);
  loadFrom(reader);
}
