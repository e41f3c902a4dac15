#include "containers/fifoclss.h"

#include <fstream>

#include "platform/messages.h"

namespace {
const TClassRegistration<TFifo> registerFifo;
}  // namespace

TFifo::TFifo() : head_(std::make_unique<TFifoNode>(nullptr)), tail_(head_.get()) {}

TFifo::~TFifo() { clear(); }

bool TFifo::acceptsOneMore() const {
  if (count_ < kMaxCount) return true;
  platform::showMessage(platform::MessageKind::Error, "Überlauf");
  return false;
}

void TFifo::link(std::unique_ptr<TBase> x) {
  tail_->next = std::make_unique<TFifoNode>(std::move(x));
  tail_ = tail_->next.get();
  ++count_;
}

void TFifo::del() {
  if (empty()) return;
  // Detached first, so that freeing the node never walks the rest of the chain.
  std::unique_ptr<TFifoNode> victim = std::move(head_->next);
  head_->next = std::move(victim->next);
  --count_;
  if (empty()) tail_ = head_.get();
}

void TFifo::clear() {
  while (!empty()) del();
}

bool TFifo::concat(std::unique_ptr<TFifo>&& other) {
  if (!other || other.get() == this) return false;
  while (!other->empty()) {
    insert(other->front()->copy());
    other->del();
  }
  other.reset();
  return true;
}

void TFifo::write() {
  for (TFifoNode* n = head_->next.get(); n; n = n->next.get()) n->element->writeValue();
}

std::unique_ptr<TBase> TFifo::copy() {
  auto result = std::make_unique<TFifo>();
  for (TFifoNode* n = head_->next.get(); n; n = n->next.get()) result->insert(n->element->copy());
  return result;
}

void TFifo::saveTo(TWriter& writer) {
  writer.WriteInteger(std::int32_t{count_});
  for (TFifoNode* n = head_->next.get(); n; n = n->next.get()) writeElement(writer, *n->element);
}

void TFifo::loadFrom(TReader& reader) {
  const auto n = static_cast<std::uint16_t>(reader.ReadInteger());
  clear();
  for (std::uint32_t i = 0; i < n; ++i) insert(readElement(reader));
}

void TFifo::save(const std::string& fileName) {
  std::ofstream file(fileName, std::ios::binary | std::ios::trunc);
  if (!file) throw EFileError("Die Datei " + fileName + " kann nicht erzeugt werden");
  TWriter writer(file, kStreamBufferSize);
  saveTo(writer);
  writer.FlushBuffer();
}

void TFifo::load(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) throw EFileError("Die Datei " + fileName + " kann nicht geöffnet werden");
  TReader reader(file, kStreamBufferSize);
  loadFrom(reader);
}
