#include "containers/treeclss.h"

#include <algorithm>
#include <fstream>

#include "containers/listClss.h"
#include "platform/messages.h"

namespace {
const TClassRegistration<TBinTree> registerBinTree;

std::uint32_t depthOf(const TBinTreeNode* node) {
  if (!node) return 0;
  return 1 + std::max(depthOf(node->getLeft()), depthOf(node->getRight()));
}

std::uint32_t countOf(const TBinTreeNode* node) {
  if (!node) return 0;
  return 1 + countOf(node->getLeft()) + countOf(node->getRight());
}

// The depth of a balanced subtree, or -1 as soon as some node is out of balance.
long balancedDepth(const TBinTreeNode* node) {
  if (!node) return 0;
  const long l = balancedDepth(node->getLeft());
  if (l < 0) return -1;
  const long r = balancedDepth(node->getRight());
  if (r < 0 || std::labs(l - r) > 1) return -1;
  return 1 + std::max(l, r);
}

TBase* lookUpIn(TBinTreeNode* node, TBase& x) {
  if (!node) return nullptr;
  if (node->getElem()->compare(x) == 0) return node->getElem();
  if (TBase* found = lookUpIn(node->getLeft(), x)) return found;
  return lookUpIn(node->getRight(), x);
}

void writeInOrder(TBinTreeNode* node) {
  if (!node) return;
  writeInOrder(node->getLeft());
  node->getElem()->writeValue();
  writeInOrder(node->getRight());
}

void mirror(TBinTreeNode* node) {
  if (!node) return;
  auto left = node->setLeft(nullptr);
  auto right = node->setRight(std::move(left));
  node->setLeft(std::move(right));
  mirror(node->getLeft());
  mirror(node->getRight());
}

void saveNode(TWriter& writer, TBinTreeNode* node) {
  if (!node->getElem()) throw EWriteError("Baumknoten ohne Element");
  writeElement(writer, *node->getElem());
  writer.WriteBoolean(node->getLeft() != nullptr);
  writer.WriteBoolean(node->getRight() != nullptr);
  if (node->getLeft()) saveNode(writer, node->getLeft());
  if (node->getRight()) saveNode(writer, node->getRight());
}

}  // namespace

// ---------------------------------------------------------------- TBinTreeNode

TBinTreeNode::TBinTreeNode(std::unique_ptr<TBinTreeNode> left,
                           std::unique_ptr<TBinTreeNode> right, std::unique_ptr<TBase> element)
    : left_(std::move(left)), right_(std::move(right)), element_(std::move(element)) {}

std::unique_ptr<TBinTreeNode> TBinTreeNode::setLeft(std::unique_ptr<TBinTreeNode> left) {
  std::swap(left_, left);
  return left;
}

std::unique_ptr<TBinTreeNode> TBinTreeNode::setRight(std::unique_ptr<TBinTreeNode> right) {
  std::swap(right_, right);
  return right;
}

int TBinTreeNode::compare(TBase& other) {
  auto* o = dynamic_cast<TBinTreeNode*>(&other);
  if (!o) return 2;
  auto sideEqual = [](TBinTreeNode* a, TBinTreeNode* b) {
    if (!a || !b) return a == b;
    return a->compare(*b) == 0;
  };
  if (!sideEqual(left_.get(), o->left_.get()) || !sideEqual(right_.get(), o->right_.get()))
    return 2;
  if (!element_ || !o->element_) return 2;
  return element_->compare(*o->element_) == 0 ? 0 : 2;
}

std::unique_ptr<TBinTreeNode> TBinTreeNode::copyNode() const {
  return std::make_unique<TBinTreeNode>(left_ ? left_->copyNode() : nullptr,
                                        right_ ? right_->copyNode() : nullptr,
                                        element_ ? element_->copy() : nullptr);
}

std::unique_ptr<TBase> TBinTreeNode::copy() { return copyNode(); }

void TBinTreeNode::paintSubtree(platform::Canvas& image, int parentX, int parentY, int x, int y,
                                int levelDistance, int lineOffset, int width, bool angled) {
  if (left_)
    left_->paintSubtree(image, x, y, x - width / 2, y + levelDistance, levelDistance, lineOffset,
                        width / 2, angled);
  element_->paintValue(image, x, y);
  if (y != parentY) {
    image.moveTo(x, y);
    if (angled) image.lineTo(parentX, y);
    image.lineTo(parentX, parentY + lineOffset);
  }
  if (right_)
    right_->paintSubtree(image, x, y, x + width / 2, y + levelDistance, levelDistance,
                         lineOffset, width / 2, angled);
}

// ---------------------------------------------------------------- TBinTree

int TBinTree::compare(TBase& other) {
  if (!sameClass(*this, other)) return 2;
  auto* o = dynamic_cast<TBinTree*>(&other);
  if (!o) return 2;
  if (empty() && o->empty()) return 0;
  if (empty() || o->empty()) return 2;
  return root->compare(*o->root) == 0 ? 0 : 2;
}

std::unique_ptr<TBase> TBinTree::copy() {
  auto result = std::make_unique<TBinTree>();
  if (root) result->root = root->copyNode();
  return result;
}

TBase* TBinTree::lookUp(TBase& x) { return lookUpIn(root.get(), x); }

void TBinTree::newPlane() {
  platform::showMessage(platform::MessageKind::Information,
                        "TBinTree.newPlane wurde nicht überschrieben");
  platform::endProgram(1);
}

bool TBinTree::balanced() const { return balancedDepth(root.get()) >= 0; }

std::uint16_t TBinTree::depth() const { return static_cast<std::uint16_t>(depthOf(root.get())); }

std::uint16_t TBinTree::count() const { return static_cast<std::uint16_t>(countOf(root.get())); }

void TBinTree::write() { writeInOrder(root.get()); }

void TBinTree::writePlanes() {
  if (!root) return;
  // The work list holds copies of subtrees; each node's children take its place, so one
  // pass over the list is one level of the tree.
  TListe work;
  work.insert(root->copyNode());
  while (!work.empty()) {
    auto* n = static_cast<TBinTreeNode*>(work.getElem());
    n->getElem()->writeValue();
    if (n->getLeft()) {
      work.insert(n->getLeft()->copyNode());
      work.next();
    }
    if (n->getRight()) {
      work.insert(n->getRight()->copyNode());
      work.next();
    }
    work.del();
    if (work.atEnd()) {
      work.toFirst();
      newPlane();
    }
  }
}

void TBinTree::swap() { mirror(root.get()); }

void TBinTree::paint(platform::Canvas& image, int x, int y, int levelDistance, int lineOffset,
                     int width, bool angled) {
  if (root) root->paintSubtree(image, x, y, x, y, levelDistance, lineOffset, width, angled);
}

void TBinTree::saveTo(TWriter& writer) {
  if (root) saveNode(writer, root.get());
}

namespace {

// Reads a node into its place in the tree at once, so that what was read before an error
// stays in the tree.
void loadNode(TReader& reader, std::unique_ptr<TBinTreeNode>& slot, std::size_t depth) {
  if (depth >= TBinTree::kMaxLoadDepth)
    throw EReadError("Baumdatei zu tief verschachtelt");
  slot = std::make_unique<TBinTreeNode>(nullptr, nullptr, readElement(reader));
  const bool hasLeft = reader.ReadBoolean();
  const bool hasRight = reader.ReadBoolean();
  if (hasLeft) {
    std::unique_ptr<TBinTreeNode> left;
    try {
      loadNode(reader, left, depth + 1);
    } catch (...) {
      slot->setLeft(std::move(left));
      throw;
    }
    slot->setLeft(std::move(left));
  }
  if (hasRight) {
    std::unique_ptr<TBinTreeNode> right;
    try {
      loadNode(reader, right, depth + 1);
    } catch (...) {
      slot->setRight(std::move(right));
      throw;
    }
    slot->setRight(std::move(right));
  }
}

}  // namespace

void TBinTree::loadFrom(TReader& reader) {
  root.reset();
  if (reader.EndOfStream()) return;
  loadNode(reader, root, 0);
}

void TBinTree::save(const std::string& fileName) {
  std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
  if (!file) throw EFileError("Die Datei " + fileName + " kann nicht erzeugt werden");
  TWriter writer(file, kStreamBufferSize);
  saveTo(writer);
  writer.FlushBuffer();
}

void TBinTree::load(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) throw EFileError("Die Datei " + fileName + " kann nicht geöffnet werden");
  TReader reader(file, kStreamBufferSize);
  loadFrom(reader);
}
