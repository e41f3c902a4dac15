#pragma once
#include "platform/extended.h"

// A graph held as adjacency lists: a list of nodes, each with the list of edges leaving it.

#include <cstdint>
#include <memory>

#include "containers/listClss.h"

// One edge leaving a node: the neighbour's element and an optional weight.
class TConnectedNode : public TBase {
  ORTIVO_ELEMENT_CLASS(TConnectedNode)
 public:
  TConnectedNode() = default;
  TConnectedNode(std::unique_ptr<TBase> node, std::unique_ptr<TBase> weight);

  TBase* getNode() const { return node_.get(); }
  TBase* getWeight() const { return weight_.get(); }

  using TBase::compare;
  // The weights count only when both entries have one.
  int compare(TBase& other) override;
  std::unique_ptr<TBase> copy() override;
  // The stored form has no mark for a missing weight: an entry without one can not be
  // written and raises EWriteError before anything of it is written.
  void saveValue(TWriter& writer) override;
  void loadValue(TReader& reader) override;
  bool storable() const { return node_ && weight_; }

 private:
  std::unique_ptr<TBase> node_;
  std::unique_ptr<TBase> weight_;
};

class TGraphNode : public TBase {
  ORTIVO_ELEMENT_CLASS(TGraphNode)
 public:
  TGraphNode();
  explicit TGraphNode(std::unique_ptr<TBase> element);

  TBase* getElem() const { return element_.get(); }
  // The TConnectedNode entries of the edges leaving this node; owned by the node.
  TListe& getNeighbours() const { return *neighbours_; }

  // x is an element, not a node: so a list search on a graph finds an element's node.
  int compare(TBase& x) override;
  int compare(TBase& x, Extended tolerance) override;
  std::unique_ptr<TBase> copy() override;
  void saveValue(TWriter& writer) override;
  void loadValue(TReader& reader) override;

 private:
  std::unique_ptr<TBase> element_;
  std::unique_ptr<TListe> neighbours_;
};

class TGraph : public TListe {
  ORTIVO_ELEMENT_CLASS(TGraph)
 public:
  explicit TGraph(bool undirected = false) : undirected_(undirected) {}

  bool undirected() const { return undirected_; }

  using TBase::compare;
  // Same node count, and for every node one with the same element in other whose
  // neighbour list holds the same entries; otherwise 2. Moves both cursors.
  int compare(TBase& other) override;
  std::unique_ptr<TBase> copy() override;

  // For subclasses; here each ends the program.
  virtual Extended computeQuality();
  virtual void drawNode(platform::Canvas& image, TGraphNode& node);
  virtual void drawEdge(platform::Canvas& image, TGraphNode& from, TConnectedNode& edge);
  // Neighbour entries of all nodes, halved for an undirected graph.
  virtual std::uint32_t numberOfEdges();

 private:
  bool undirected_;
};
