#include "containers/euklidgraphclss.h"
#include "platform/extended.h"

#include <cmath>

namespace {
const TClassRegistration<TEuklidGraphNode> registerEuklidGraphNode;

int threeWay(std::int32_t a, std::int32_t b) { return a < b ? -1 : (a > b ? 1 : 0); }
}  // namespace

TEuklidGraphNode::TEuklidGraphNode() : compareXFirst_(euklidgraphclss::compareXFirst) {}

TEuklidGraphNode::TEuklidGraphNode(const TEuklidNodeData& data)
    : data_(data), compareXFirst_(euklidgraphclss::compareXFirst) {
  if (data_.name.size() > kMaxNameLength) data_.name.resize(kMaxNameLength);
}

int TEuklidGraphNode::compare(TBase& other) {
  auto* o = dynamic_cast<TEuklidGraphNode*>(&other);
  if (!o) return 2;  // no coordinates to compare with
  const int byX = threeWay(data_.x, o->data_.x);
  const int byY = threeWay(data_.y, o->data_.y);
  if (compareXFirst_) return byX != 0 ? byX : byY;
  return byY != 0 ? byY : byX;
}

int TEuklidGraphNode::compare(TBase& other, Extended tolerance) {
  auto* o = dynamic_cast<TEuklidGraphNode*>(&other);
  if (!o) return 2;
  // In extended precision: the difference of two 32-bit values may not fit in 32 bits.
  const Extended dx = std::fabs(static_cast<Extended>(data_.x) - o->data_.x);
  const Extended dy = std::fabs(static_cast<Extended>(data_.y) - o->data_.y);
  return dx > tolerance || dy > tolerance ? 2 : 0;
}

std::unique_ptr<TBase> TEuklidGraphNode::copy() { return std::make_unique<TEuklidGraphNode>(data_); }

void TEuklidGraphNode::saveValue(TWriter& writer) {
  writer.WriteInteger(data_.x);
  writer.WriteInteger(data_.y);
  writer.WriteString(data_.name);
}

void TEuklidGraphNode::loadValue(TReader& reader) {
  data_.x = reader.ReadInteger();
  data_.y = reader.ReadInteger();
  data_.name = reader.ReadString();
  if (data_.name.size() > kMaxNameLength) data_.name.resize(kMaxNameLength);
  compareXFirst_ = euklidgraphclss::compareXFirst;
}

void TEuklidGraphNode::paintValue(platform::Canvas& image, int x, int y) {
  platform::Font font;
  font.name = "MS SANS SERIF";
  font.size = 12;
  font.color = platform::colors::black;
  font.bold = true;
  image.setFont(font);
  image.setPenColor(platform::colors::black);
  const std::string text = cp1252ToUtf8(data_.name);
  image.textOut(x - image.textWidth(text) / 2, y, text);
}
