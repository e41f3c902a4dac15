#pragma once

// A tree whose nodes hold any number of ordered children, kept in a list.

#include <concepts>
#include <cstdint>
#include <memory>
#include <string>

#include "containers/listClss.h"

class TNtreeNode : public TBase {
  ORTIVO_ELEMENT_CLASS(TNtreeNode)
 private:
  // Declared first so that it is destroyed after the children.
  std::unique_ptr<TBase> element_;

 public:
  TNtreeNode();
  // Takes over both; a missing child list becomes an empty one.
  TNtreeNode(std::unique_ptr<TBase> element, std::unique_ptr<TListe> children);

  static bool empty(const TNtreeNode* node) { return node == nullptr; }

  // Inserts before the current child of the list. Refused (false, child stays with the
  // caller) when the list is full.
  template <std::derived_from<TNtreeNode> T>
  bool insertChild(std::unique_ptr<T>&& child) {
    return childList->insert(std::move(child));
  }
  // The child becomes child number n; beyond the end it is appended.
  template <std::derived_from<TNtreeNode> T>
  bool insertChildN(std::int32_t n, std::unique_ptr<T>&& child) {
    childList->setPosition(n);
    return childList->insert(std::move(child));
  }
  // Child number n, nullptr when there is no such child.
  TNtreeNode* getChildN(std::int32_t n);
  // Replaces the element; the old one is freed.
  void update(std::unique_ptr<TBase> element);
  std::uint16_t numberOfChildren() const { return childList->count(); }
  TBase* getElem() const { return element_.get(); }
  void deleteChild();
  void deleteChildN(std::int32_t n);
  bool leaf() const { return childList->empty(); }
  std::uint16_t depth();
  std::uint16_t count();
  // Pre-order: this node's element, then the children's subtrees in order.
  TBase* lookUp(TBase& x);
  // Post-order: the children first, then this node's element.
  void write();

  // A deep copy of the subtree.
  std::unique_ptr<TBase> copy() override;

  std::unique_ptr<TListe> childList;

  // depth and count without the 16-bit cut.
  std::uint32_t depthOf();
  std::uint32_t countOf();
};

class TNtree : public TBase {
  ORTIVO_ELEMENT_CLASS(TNtree)
 public:
  static constexpr std::size_t kMaxLoadDepth = 4096;
  static constexpr std::size_t kStreamBufferSize = 4000;

  std::unique_ptr<TNtreeNode> root;

  void createRoot(std::unique_ptr<TBase> element, std::unique_ptr<TListe> children);
  bool empty() const { return root == nullptr; }
  std::unique_ptr<TBase> copy() override;
  std::uint16_t depth();
  std::uint16_t count();
  TBase* lookUp(TBase& x);
  void write();

  void save(const std::string& fileName);
  void load(const std::string& fileName);
  void saveTo(TWriter& writer);
  void loadFrom(TReader& reader);
};
