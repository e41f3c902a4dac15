#pragma once

// The singly linked list with one cursor, and its sorted variant. A list owns its
// elements; references handed out stay owned by the list.

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <new>
#include <memory>

#include "containers/baseClss.h"

// A per-thread free list of equally sized blocks for the small objects that the 3D
// frames make and drop by the ten thousand (list nodes, point elements): reusing a
// block is much cheaper than a round trip through malloc. A class uses it through
// its own operator new and delete; a derived class of another size falls through
// to the global allocator. Under the address sanitizer blocks are never reused, so
// that use-after-free stays detectable.
template <std::size_t BlockSize>
class TBlockPool {
 public:
  static void* allocate(std::size_t n) {
#if !defined(__SANITIZE_ADDRESS__)
    State& s = state;
    if (n == BlockSize && s.head) {
      Block* b = s.head;
      s.head = b->next;
      --s.count;
      return b;
    }
    if (n == BlockSize) (void)&reaper;  // frees the blocks kept when the thread ends
#endif
    return ::operator new(n);
  }

  static void release(void* p, [[maybe_unused]] std::size_t n) noexcept {
#if !defined(__SANITIZE_ADDRESS__)
    State& s = state;
    if (n == BlockSize && !s.closed && s.count < kMaxKept) {
      Block* b = static_cast<Block*>(p);
      b->next = s.head;
      s.head = b;
      ++s.count;
      return;
    }
#endif
    ::operator delete(p);
  }

 private:
  static_assert(BlockSize >= sizeof(void*));
  // Enough for the largest frame; what is given back beyond it goes to the system.
  static constexpr std::size_t kMaxKept = 1u << 17;
  struct Block {
    Block* next;
  };
  // Trivially destructible, so that blocks released during the thread's (or the
  // program's) last destructors still find it in place.
  struct State {
    Block* head;
    std::size_t count;
    bool closed;
  };
  struct Reaper {
    ~Reaper() {
      State& s = state;
      s.closed = true;
      while (s.head) {
        Block* b = s.head;
        s.head = b->next;
        ::operator delete(b);
      }
      s.count = 0;
    }
  };
  static inline thread_local State state{};
  static inline thread_local Reaper reaper;
};

// Class-level allocation through TBlockPool.
#define ORTIVO_POOLED_ALLOCATION(name)                                                     \
 public:                                                                                   \
  static void* operator new(std::size_t n) { return TBlockPool<sizeof(name)>::allocate(n); } \
  static void operator delete(void* p, std::size_t n) noexcept {                           \
    TBlockPool<sizeof(name)>::release(p, n);                                               \
  }

class TListNode : public TBase {
  ORTIVO_ELEMENT_CLASS(TListNode)
  ORTIVO_POOLED_ALLOCATION(TListNode)
 public:
  explicit TListNode(std::unique_ptr<TBase> elem) : element(std::move(elem)) {}

  std::unique_ptr<TBase> element;  // nothing for the head node
  std::unique_ptr<TListNode> next;
};

// A typed walk over a list's elements that leaves its cursor alone:
//   for (const TListenElement& e : list.elements<TListenElement>()) ...
// For lists that hold elements of class T only; through a const list the elements
// are const.
template <class T>
class TListElements {
 public:
  class iterator {
   public:
    using value_type = T;
    using difference_type = std::ptrdiff_t;
    iterator() = default;
    explicit iterator(const TListNode* node) : node_(node) {}
    T& operator*() const { return static_cast<T&>(*node_->element); }
    T* operator->() const { return &**this; }
    iterator& operator++() {
      node_ = node_->next.get();
      return *this;
    }
    iterator operator++(int) {
      iterator before = *this;
      ++*this;
      return before;
    }
    friend bool operator==(const iterator&, const iterator&) = default;

   private:
    const TListNode* node_ = nullptr;
  };

  explicit TListElements(const TListNode* first) : first_(first) {}
  iterator begin() const { return iterator(first_); }
  iterator end() const { return iterator(); }

 private:
  const TListNode* first_;
};

class TListe : public TBase {
  ORTIVO_ELEMENT_CLASS(TListe)
 public:
  static constexpr std::uint16_t kMaxCount = 65535;

  TListe();
  ~TListe() override;
  TListe(const TListe&) = delete;
  TListe& operator=(const TListe&) = delete;

  bool empty() const { return count_ == 0; }
  bool atEnd() const { return cursor_->next == nullptr; }
  void toFirst();
  // The current element, nullptr at end; the list keeps it.
  TBase* getElem() const { return atEnd() ? nullptr : cursor_->next->element.get(); }
  void next();
  void toEnd();
  void setPosition(std::int32_t n);
  std::uint16_t position() const { return position_; }
  std::uint16_t count() const { return count_; }
  template <std::derived_from<TBase> T>
  TListElements<const T> elements() const {
    return TListElements<const T>(head_->next.get());
  }
  template <std::derived_from<TBase> T>
  TListElements<T> elements() {
    return TListElements<T>(head_->next.get());
  }

  // Links x in before the current element, which x becomes. A full list shows a message
  // and refuses; x then stays with the caller. Returns whether x was taken over.
  template <std::derived_from<TBase> T>
  bool insert(std::unique_ptr<T>&& x) {
    if (!acceptsOneMore()) return false;
    link(std::unique_ptr<TBase>(std::move(x)));
    return true;
  }
  template <std::derived_from<TBase> T>
  bool append(std::unique_ptr<T>&& x) {
    toEnd();
    return insert(std::move(x));
  }
  // Replaces the current element; at end x stays with the caller.
  template <std::derived_from<TBase> T>
  bool update(std::unique_ptr<T>&& x) {
    if (atEnd()) return false;
    cursor_->next->element = std::unique_ptr<TBase>(std::move(x));
    return true;
  }
  // The list operation "delete": frees the current element; its follower becomes current.
  void del();
  void clear();

  // From the current element on, the first one that compares 0 with x; nullptr (and at
  // end) if there is none.
  TBase* lookUpNext(TBase& x);
  TBase* lookUp(TBase& x);
  std::uint16_t countCommon(TListe& other);
  bool sameElements(TListe& other);

  using TBase::compare;
  // 0 when both lists are of one class and hold pairwise equal elements, otherwise 2.
  int compare(TBase& other) override;
  // Always a TListe, whatever the class of this list.
  std::unique_ptr<TBase> copy() override;
  void copyTo(TListe& dest);

  void save(TWriter& writer);
  void load(TReader& reader);

 private:
  bool acceptsOneMore() const;
  void link(std::unique_ptr<TBase> x);

  std::unique_ptr<TListNode> head_;
  TListNode* cursor_;  // the node before the current element
  std::uint16_t count_ = 0;
  std::uint16_t position_ = 0;
};

class TSortListe : public TListe {
  ORTIVO_ELEMENT_CLASS(TSortListe)
 public:
  // Inserts x before the first element that is not smaller than it; x is current
  // afterwards. An element of another class than the first one is refused with a
  // message and stays with the caller, as it does when the list is full.
  template <std::derived_from<TBase> T>
  bool insertSorted(std::unique_ptr<T>&& x) {
    if (!findSortedPlace(*x)) return false;
    return insert(std::move(x));
  }

 private:
  bool findSortedPlace(TBase& x);
};

class TSortableListe : public TListe {
  ORTIVO_ELEMENT_CLASS(TSortableListe)
};
