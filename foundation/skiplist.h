#pragma once

#include "foundation/random.h"

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <utility>

// Ordered lists with equal values allowed; among equal values the newest comes
// first. Levels are drawn from the program's random generator, so inserting
// changes the sequence every later draw sees.
//
// The configuration keeps its schemes and the names of deleted schemes so:
//
//   String PairName(vNameSchemePair *const &pair) { return pair->name; }
//   SkipListKeyed<String, vNameSchemePair *> schemes(3, PairName, CompareStringsNoCase,
//                                                    DeletePointee<vNameSchemePair>);
//   SkipList<String> deletedNames(3, CompareStringsNoCase);
//
//   for (SkipIter<vNameSchemePair *> it(schemes); !it.AtEnd(); it.Next())
//     Use(it.Value());
//   if (SkipNode<vNameSchemePair *> *node = schemes.Find(name))
//     delete schemes.RemoveNode(node);

template <typename T> struct SkipNode;

// One set of links: a node's, or the list's head (first node of each level)
// or tail (last node of each level).
// More levels than a 32-bit count of nodes can use.
constexpr std::int32_t kSkipLevelLimit = 32;

template <typename T> struct SkipLink {
  explicit SkipLink(std::int32_t levelCount)
      : levels(static_cast<std::int32_t>(Slots(levelCount))), back(new SkipNode<T> *[levels]()),
        forward(new SkipNode<T> *[levels]()) {
    assert(levelCount > 0 && levelCount <= kSkipLevelLimit);
  }
  ~SkipLink() {
    delete[] back;
    delete[] forward;
  }
  SkipLink(const SkipLink &) = delete;
  SkipLink &operator=(const SkipLink &) = delete;

  // Bounded, so an impossible count cannot become a huge allocation.
  static std::size_t Slots(std::int32_t levelCount) {
    return levelCount > 0 && levelCount <= kSkipLevelLimit ? static_cast<std::size_t>(levelCount)
                                                           : 1;
  }

  std::int32_t levels;
  SkipNode<T> **back;    // owned; null where there is no predecessor
  SkipNode<T> **forward; // owned; null where there is no successor
};

template <typename T> struct SkipNode : SkipLink<T> {
  SkipNode(std::int32_t levelCount, const T &stored) : SkipLink<T>(levelCount), value(stored) {}

  T value;
};

// Deleter for lists that own the objects their pointer values point to.
template <typename P> void DeletePointee(P *pointer) { delete pointer; }

template <typename T> class SkipListBase {
public:
  using Deleter = void (*)(T);

  // The deleter runs on every value Clear removes, the destructor's included;
  // RemoveNode hands the value back instead.
  SkipListBase(std::int32_t maxLevel, Deleter deleter)
      : maxLevel_(maxLevel), head_(maxLevel), tail_(maxLevel), deleter_(deleter) {
    assert(maxLevel > 0);
  }
  virtual ~SkipListBase() { Clear(); }
  SkipListBase(const SkipListBase &) = delete;

  virtual int Compare(const T &a, const T &b) const = 0;
  // A new, empty list with the same parameters but no deleter; the caller owns it.
  virtual SkipListBase *Clone() const = 0;

  SkipNode<T> *Insert(const T &value) {
    SkipLink<T> *reached[kSkipLevelLimit];
    FindInsertionPoints(value, reached);
    SkipNode<T> *node = new SkipNode<T>(DrawLevel(), value);
    for (std::int32_t i = 0; i < node->levels; ++i)
      Link(node, i, reached[i]->forward[i]);
    ++count_;
    return node;
  }

  // Unlinks and frees the node; the deleter is not applied to the value.
  T RemoveNode(SkipNode<T> *node) {
    assert(node != nullptr);
    for (std::int32_t i = 0; i < node->levels; ++i) {
      SkipNode<T> *before = node->back[i];
      SkipNode<T> *after = node->forward[i];
      (before != nullptr ? before->forward[i] : head_.forward[i]) = after;
      (after != nullptr ? after->back[i] : tail_.back[i]) = before;
    }
    --count_;
    T value = std::move(node->value);
    delete node;
    return value;
  }

  void Clear() {
    while (count_ > 0) {
      T value = RemoveNode(head_.forward[0]);
      if (deleter_ != nullptr)
        deleter_(value);
    }
  }

  std::int32_t Count() const { return count_; }
  std::int32_t MaxLevel() const { return maxLevel_; }
  // Nodes stay writable through a const list: the list orders them, it does
  // not own what their values point to.
  SkipNode<T> *First() const { return head_.forward[0]; }
  SkipNode<T> *Last() const { return tail_.back[0]; }
  // For tests of the linking: the head's forward and the tail's back pointers.
  SkipNode<T> *HeadForward(std::int32_t level) const { return head_.forward[level]; }
  SkipNode<T> *TailBack(std::int32_t level) const { return tail_.back[level]; }

protected:
  // Walking other backwards and inserting each value before its equals keeps
  // the relative order of equal values. This list keeps its own parameters.
  void AssignFrom(const SkipListBase &other) {
    if (this == &other)
      return;
    Clear();
    for (SkipNode<T> *node = other.Last(); node != nullptr; node = node->back[0])
      Insert(node->value);
  }

  // First node whose value compareToSought (value vs. the sought one) calls 0.
  template <typename CompareToSought> SkipNode<T> *FindWhere(CompareToSought compare) const {
    const SkipLink<T> *link = &head_;
    for (std::int32_t i = maxLevel_ - 1; i >= 0; --i) {
      for (SkipNode<T> *next = link->forward[i]; next != nullptr; next = link->forward[i]) {
        const int order = compare(next->value);
        if (order == 0)
          return next;
        if (order > 0)
          break;
        link = next;
      }
    }
    return nullptr;
  }

private:
  // Node levels are capped so the search can remember its path on the stack.

  // Bit (level - 1) of the running seed decides each promotion; the draw comes
  // after, so a new list's first node always has level 1.
  std::int32_t DrawLevel() {
    assert(maxLevel_ <= kSkipLevelLimit);
    std::int32_t level = 1;
    while (level < maxLevel_ && ((levelSeed_ >> (level - 1)) & 1u) == 0)
      ++level;
    levelSeed_ += static_cast<std::uint32_t>(Rand());
    return level;
  }

  void FindInsertionPoints(const T &value, SkipLink<T> **reached) {
    SkipLink<T> *link = &head_;
    for (std::int32_t i = maxLevel_ - 1; i >= 0; --i) {
      while (link->forward[i] != nullptr && Compare(link->forward[i]->value, value) < 0)
        link = link->forward[i];
      reached[i] = link;
    }
  }

  void Link(SkipNode<T> *node, std::int32_t level, SkipNode<T> *after) {
    SkipNode<T> *before = after != nullptr ? after->back[level] : tail_.back[level];
    node->back[level] = before;
    node->forward[level] = after;
    (before != nullptr ? before->forward[level] : head_.forward[level]) = node;
    (after != nullptr ? after->back[level] : tail_.back[level]) = node;
  }

  std::int32_t maxLevel_;
  SkipLink<T> head_;
  SkipLink<T> tail_;
  std::int32_t count_ = 0;
  Deleter deleter_;
  // Unsigned so that its long-run wrap-around is defined; only its bits matter.
  std::uint32_t levelSeed_ = 1;
};

template <typename T> class SkipList : public SkipListBase<T> {
public:
  using Comparison = int (*)(const T &, const T &);

  SkipList(std::int32_t maxLevel, Comparison compare,
           typename SkipListBase<T>::Deleter deleter = nullptr)
      : SkipListBase<T>(maxLevel, deleter), compare_(compare) {}

  SkipList &operator=(const SkipList &other) {
    this->AssignFrom(other);
    return *this;
  }

  int Compare(const T &a, const T &b) const override { return compare_(a, b); }
  SkipList *Clone() const override { return new SkipList(this->MaxLevel(), compare_); }

  SkipNode<T> *Find(const T &value) const {
    return this->FindWhere([&](const T &stored) { return compare_(stored, value); });
  }

private:
  Comparison compare_;
};

// Values ordered by a key taken from each value, so a record can be found by
// its key alone.
template <typename K, typename V> class SkipListKeyed : public SkipListBase<V> {
public:
  using KeyOf = K (*)(const V &);
  using KeyComparison = int (*)(const K &, const K &);

  SkipListKeyed(std::int32_t maxLevel, KeyOf keyOf, KeyComparison compareKeys,
                typename SkipListBase<V>::Deleter deleter = nullptr)
      : SkipListBase<V>(maxLevel, deleter), keyOf_(keyOf), compareKeys_(compareKeys) {}

  SkipListKeyed &operator=(const SkipListKeyed &other) {
    this->AssignFrom(other);
    return *this;
  }

  int Compare(const V &a, const V &b) const override { return compareKeys_(keyOf_(a), keyOf_(b)); }
  SkipListKeyed *Clone() const override {
    return new SkipListKeyed(this->MaxLevel(), keyOf_, compareKeys_);
  }

  SkipNode<V> *Find(const K &key) const {
    return this->FindWhere([&](const V &stored) { return compareKeys_(keyOf_(stored), key); });
  }

private:
  KeyOf keyOf_;
  KeyComparison compareKeys_;
};

// A position in a list, ascending; null at the end. Removing the current node
// invalidates it, so take the next one first.
template <typename T> class SkipIter {
public:
  explicit SkipIter(const SkipListBase<T> &list) : list_(&list), node_(list.First()) {}
  virtual ~SkipIter() = default;

  bool AtEnd() const { return node_ == nullptr; }
  void Next() {
    assert(node_ != nullptr);
    node_ = node_->forward[0];
  }
  void Reset() { node_ = list_->First(); }
  SkipNode<T> *Node() const { return node_; }
  T &Value() const {
    assert(node_ != nullptr);
    return node_->value;
  }

private:
  const SkipListBase<T> *list_; // not owned
  SkipNode<T> *node_;
};
