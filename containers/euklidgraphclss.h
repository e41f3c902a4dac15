#pragma once
#include "platform/extended.h"

// A graph node for graphs drawn in the plane: integer coordinates and a short name.

#include <cstdint>
#include <string>

#include "containers/baseClss.h"

namespace euklidgraphclss {
// Whether new and freshly loaded nodes order by x before y. Nothing in the program
// changes it; it is there for users of the library.
inline bool compareXFirst = false;
}  // namespace euklidgraphclss

struct TEuklidNodeData {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::string name;  // at most 3 characters, Windows-1252
};

class TEuklidGraphNode : public TBase {
  ORTIVO_ELEMENT_CLASS(TEuklidGraphNode)
 public:
  static constexpr std::size_t kMaxNameLength = 3;

  TEuklidGraphNode();
  explicit TEuklidGraphNode(const TEuklidNodeData& data);

  TEuklidNodeData getValue() const { return data_; }
  bool comparesXFirst() const { return compareXFirst_; }

  // Orders by y then x (or x then y); no class check of its own.
  int compare(TBase& other) override;
  int compare(TBase& other, Extended tolerance) override;
  std::unique_ptr<TBase> copy() override;
  void saveValue(TWriter& writer) override;
  void loadValue(TReader& reader) override;
  // The name, centred on x, its top edge at y.
  void paintValue(platform::Canvas& image, int x, int y) override;

 private:
  TEuklidNodeData data_;
  bool compareXFirst_;
};
