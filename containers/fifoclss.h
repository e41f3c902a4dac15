#pragma once

// A first-in first-out queue of elements; it owns what it holds.

#include <concepts>
#include <cstdint>
#include <memory>
#include <string>

#include "containers/baseClss.h"

class TFifoNode : public TBase {
  ORTIVO_ELEMENT_CLASS(TFifoNode)
 public:
  explicit TFifoNode(std::unique_ptr<TBase> elem) : element(std::move(elem)) {}

  std::unique_ptr<TBase> element;  // nothing for the head node
  std::unique_ptr<TFifoNode> next;
};

class TFifo : public TBase {
  ORTIVO_ELEMENT_CLASS(TFifo)
 public:
  static constexpr std::uint16_t kMaxCount = 65535;
  static constexpr std::size_t kStreamBufferSize = 4000;

  TFifo();
  ~TFifo() override;
  TFifo(const TFifo&) = delete;
  TFifo& operator=(const TFifo&) = delete;

  bool empty() const { return count_ == 0; }
  std::uint16_t count() const { return count_; }
  // The oldest element, nullptr when empty; the queue keeps it.
  TBase* front() const { return empty() ? nullptr : head_->next->element.get(); }

  // Appends x behind the last element. A full queue shows "Überlauf" and refuses; x then
  // stays with the caller. Returns whether x was taken over.
  template <std::derived_from<TBase> T>
  bool insert(std::unique_ptr<T>&& x) {
    if (!acceptsOneMore()) return false;
    link(std::unique_ptr<TBase>(std::move(x)));
    return true;
  }
  // The queue operation "delete": frees the front element.
  void del();
  void clear();
  // Moves copies of other's elements behind this queue's and then frees other. A queue
  // can not be appended to itself: that is refused (false) and nothing changes.
  bool concat(std::unique_ptr<TFifo>&& other);
  // writeValue of every element from front to back.
  void write();

  std::unique_ptr<TBase> copy() override;

  void save(const std::string& fileName);
  void load(const std::string& fileName);
  void saveTo(TWriter& writer);
  void loadFrom(TReader& reader);

 private:
  bool acceptsOneMore() const;
  void link(std::unique_ptr<TBase> x);

  std::unique_ptr<TFifoNode> head_;
  TFifoNode* tail_;
  std::uint16_t count_ = 0;
};
