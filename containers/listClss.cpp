#include "containers/listClss.h"

#include <algorithm>

#include "platform/messages.h"

namespace {
const TClassRegistration<TListe> registerListe;
const TClassRegistration<TSortListe> registerSortListe;
const TClassRegistration<TSortableListe> registerSortableListe;
}  // namespace

TListe::TListe() : head_(std::make_unique<TListNode>(nullptr)), cursor_(head_.get()) {}

TListe::~TListe() { clear(); }

void TListe::toFirst() {
  cursor_ = head_.get();
  position_ = 0;
}

void TListe::next() {
  if (atEnd()) return;
  cursor_ = cursor_->next.get();
  ++position_;
}

void TListe::toEnd() {
  while (!atEnd()) next();
}

void TListe::setPosition(std::int32_t n) {
  n = std::clamp<std::int32_t>(n, 0, count_);
  toFirst();
  for (std::int32_t i = 0; i < n; ++i) next();
}

bool TListe::acceptsOneMore() const {
  if (count_ < kMaxCount) return true;
  platform::showMessage(platform::MessageKind::Information,
                        "Die Liste ist voll - maximal 65535 Elemente");
  return false;
}

void TListe::link(std::unique_ptr<TBase> x) {
  auto node = std::make_unique<TListNode>(std::move(x));
  node->next = std::move(cursor_->next);
  cursor_->next = std::move(node);
  ++count_;
}

void TListe::del() {
  if (atEnd()) return;
  // Detach before destroying, so that freeing a node never walks the rest of the chain.
  std::unique_ptr<TListNode> victim = std::move(cursor_->next);
  cursor_->next = std::move(victim->next);
  --count_;
}

void TListe::clear() {
  toFirst();
  while (!empty()) del();
}

TBase* TListe::lookUpNext(TBase& x) {
  while (!atEnd()) {
    TBase* current = getElem();
    if (current->compare(x) == 0) return current;
    next();
  }
  return nullptr;
}

TBase* TListe::lookUp(TBase& x) {
  toFirst();
  return lookUpNext(x);
}

std::uint16_t TListe::countCommon(TListe& other) {
  // Own elements are walked by node, not by cursor: other may be this very list, and its
  // searches would otherwise keep resetting the walk.
  toFirst();
  std::uint16_t common = 0;
  for (TListNode* node = head_->next.get(); node; node = node->next.get())
    if (other.lookUp(*node->element)) ++common;
  toEnd();
  return common;
}

bool TListe::sameElements(TListe& other) {
  if (count_ != other.count_) return false;
  return countCommon(other) == count_;
}

int TListe::compare(TBase& other) {
  if (!sameClass(*this, other)) return 2;
  auto* list = dynamic_cast<TListe*>(&other);
  if (!list) return 2;
  toFirst();
  if (list == this) {
    while (!atEnd()) {
      if (getElem()->compare(*getElem()) != 0) return 2;
      next();
    }
    return 0;
  }
  list->toFirst();
  while (!atEnd() && !list->atEnd()) {
    if (getElem()->compare(*list->getElem()) != 0) return 2;
    next();
    list->next();
  }
  return atEnd() && list->atEnd() ? 0 : 2;
}

void TListe::copyTo(TListe& dest) {
  const std::uint16_t p = position_;
  toFirst();
  while (!atEnd()) {
    dest.insert(getElem()->copy());
    next();
    dest.next();
  }
  setPosition(p);
  dest.setPosition(p);
}

std::unique_ptr<TBase> TListe::copy() {
  auto result = std::make_unique<TListe>();
  copyTo(*result);
  return result;
}

void TListe::save(TWriter& writer) {
  const std::uint16_t p = position_;
  writer.WriteInteger(std::int32_t{count_});
  toFirst();
  try {
    while (!atEnd()) {
      writeElement(writer, *getElem());
      next();
    }
  } catch (...) {
    setPosition(p);
    throw;
  }
  setPosition(p);
}

void TListe::load(TReader& reader) {
  const auto n = static_cast<std::uint16_t>(reader.ReadInteger());
  clear();
  try {
    for (std::uint32_t i = 0; i < n; ++i) {
      insert(readElement(reader));
      next();
    }
  } catch (...) {
    toFirst();
    throw;
  }
  toFirst();
}

bool TSortListe::findSortedPlace(TBase& x) {
  toFirst();
  if (!empty() && !sameClass(*getElem(), x)) {
    platform::showMessage(
        platform::MessageKind::Information,
        "In eine sortierte Liste können keine Exemplare unterschiedlicher Klassen eingefügt werden");
    return false;
  }
  while (!atEnd() && getElem()->compare(x) == -1) next();
  return true;
}
