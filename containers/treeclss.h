#pragma once

// A general binary tree of elements. It is not a search tree: the user builds the node
// structure and hands its top node to `root`.

#include <cstdint>
#include <memory>
#include <string>

#include "containers/baseClss.h"

class TBinTree;

class TBinTreeNode : public TBase {
  ORTIVO_ELEMENT_CLASS(TBinTreeNode)
 public:
  TBinTreeNode() = default;
  // Takes over both subtrees and the element.
  TBinTreeNode(std::unique_ptr<TBinTreeNode> left, std::unique_ptr<TBinTreeNode> right,
               std::unique_ptr<TBase> element);

  TBinTreeNode* getLeft() const { return left_.get(); }
  TBinTreeNode* getRight() const { return right_.get(); }
  // Each returns the subtree it replaces; dropping the result frees it.
  std::unique_ptr<TBinTreeNode> setLeft(std::unique_ptr<TBinTreeNode> left);
  std::unique_ptr<TBinTreeNode> setRight(std::unique_ptr<TBinTreeNode> right);
  TBase* getElem() const { return element_.get(); }
  static bool isNil(const TBinTreeNode* node) { return node == nullptr; }

  using TBase::compare;
  // Structural: equal shape and pairwise equal elements give 0, anything else 2.
  int compare(TBase& other) override;
  // A deep copy of the subtree.
  std::unique_ptr<TBase> copy() override;
  std::unique_ptr<TBinTreeNode> copyNode() const;
  virtual void paintSubtree(platform::Canvas& image, int parentX, int parentY, int x, int y,
                            int levelDistance, int lineOffset, int width, bool angled);

 private:
  friend class TBinTree;
  std::unique_ptr<TBinTreeNode> left_;
  std::unique_ptr<TBinTreeNode> right_;
  std::unique_ptr<TBase> element_;
};

class TBinTree : public TBase {
  ORTIVO_ELEMENT_CLASS(TBinTree)
 public:
  // Loading refuses deeper trees, so that a hostile file can not exhaust the stack of
  // this or any later recursive walk.
  static constexpr std::size_t kMaxLoadDepth = 4096;
  static constexpr std::size_t kStreamBufferSize = 4000;

  std::unique_ptr<TBinTreeNode> root;

  bool empty() const { return root == nullptr; }

  using TBase::compare;
  int compare(TBase& other) override;
  // Always a TBinTree.
  std::unique_ptr<TBase> copy() override;

  // Pre-order search for an element that compares 0 with x; nullptr if there is none.
  virtual TBase* lookUp(TBase& x);
  // Called by writePlanes after every level; a subclass provides it.
  virtual void newPlane();
  virtual void save(const std::string& fileName);
  virtual void load(const std::string& fileName);

  bool balanced() const;
  std::uint16_t depth() const;
  std::uint16_t count() const;
  // In-order writeValue of every element.
  void write();
  void writePlanes();
  void swap();
  void paint(platform::Canvas& image, int x, int y, int levelDistance, int lineOffset, int width,
             bool angled);

  // The tree file's content, through an element stream.
  void saveTo(TWriter& writer);
  void loadFrom(TReader& reader);
};
