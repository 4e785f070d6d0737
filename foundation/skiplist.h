#pragma once

#include "foundation/random.h"

#include <cstdint>

// Ordered lists for tens of entries: skip lists with a small maximum level.
// Among equal values the one inserted last comes first. The level of a new
// node draws from the program's generator, so the order of draws matters.

template <typename T> struct SkipNode;

template <typename T> struct SkipLink {
  explicit SkipLink(std::int32_t levelCount)
      : levels(levelCount), back(new SkipNode<T> *[levelCount]()),
        forward(new SkipNode<T> *[levelCount]()) {}
  ~SkipLink() {
    delete[] back;
    delete[] forward;
  }
  SkipLink(const SkipLink &) = delete;
  SkipLink &operator=(const SkipLink &) = delete;

  std::int32_t levels;
  SkipNode<T> **back;    // owned array
  SkipNode<T> **forward; // owned array
};

template <typename T> struct SkipNode : SkipLink<T> {
  SkipNode(std::int32_t levelCount, const T &stored) : SkipLink<T>(levelCount), value(stored) {}
  T value;
};

template <typename T> class SkipListBase {
public:
  using Deleter = void (*)(T);

  SkipListBase(std::int32_t maxLevel, Deleter deleter)
      : maxLevel_(maxLevel), head_(maxLevel), tail_(maxLevel), deleter_(deleter) {}
  virtual ~SkipListBase() { Clear(); }
  SkipListBase(const SkipListBase &) = delete;

  virtual int Compare(const T &a, const T &b) const = 0;
  virtual SkipListBase *Clone() const = 0;

  SkipListBase &operator=(const SkipListBase &other) {
    if (this == &other)
      return *this;
    Clear();
    // Walking backwards and inserting each value before its equals keeps the
    // relative order of equal values.
    for (SkipNode<T> *node = other.Last(); node != nullptr; node = node->back[0])
      Insert(node->value);
    return *this;
  }

  SkipNode<T> *Insert(const T &value) {
    SkipLink<T> *reached[kLevelLimit];
    FindInsertionPoints(value, reached);
    auto *node = new SkipNode<T>(ChooseLevel(), value);
    for (std::int32_t i = 0; i < node->levels; ++i)
      LinkAt(node, i, reached[i]->forward[i]);
    ++count_;
    return node;
  }

  SkipNode<T> *Find(const T &value) const {
    return FindWith([&](const T &stored) { return Compare(stored, value); });
  }

  T RemoveNode(SkipNode<T> *node) {
    for (std::int32_t i = 0; i < node->levels; ++i) {
      SkipNode<T> *before = node->back[i];
      SkipNode<T> *after = node->forward[i];
      (before != nullptr ? before->forward : head_.forward)[i] = after;
      (after != nullptr ? after->back : tail_.back)[i] = before;
    }
    --count_;
    T value = node->value;
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
  SkipNode<T> *First() const { return head_.forward[0]; }
  SkipNode<T> *Last() const { return tail_.back[0]; }
  // For tests of the linking: the head's forward and the tail's back pointers.
  SkipNode<T> *HeadForward(std::int32_t level) const { return head_.forward[level]; }
  SkipNode<T> *TailBack(std::int32_t level) const { return tail_.back[level]; }

protected:
  // Search from the top level down; compare(stored) is the stored value's
  // order against the sought one.
  template <typename Comparison> SkipNode<T> *FindWith(Comparison compare) const {
    const SkipLink<T> *link = &head_;
    for (std::int32_t level = maxLevel_ - 1; level >= 0; --level) {
      while (SkipNode<T> *next = link->forward[level]) {
        const int c = compare(next->value);
        if (c == 0)
          return next;
        if (c > 0)
          break;
        link = next;
      }
    }
    return nullptr;
  }

private:
  static constexpr std::int32_t kLevelLimit = 32;

  std::int32_t ChooseLevel() {
    std::int32_t level = 1;
    while (level < maxLevel_ && ((levelSeed_ >> (level - 1)) & 1) == 0)
      ++level;
    levelSeed_ += Rand();
    return level;
  }

  void FindInsertionPoints(const T &value, SkipLink<T> **reached) {
    SkipLink<T> *link = &head_;
    for (std::int32_t level = maxLevel_ - 1; level >= 0; --level) {
      while (link->forward[level] != nullptr && Compare(link->forward[level]->value, value) < 0)
        link = link->forward[level];
      reached[level] = link;
    }
  }

  void LinkAt(SkipNode<T> *node, std::int32_t i, SkipNode<T> *successor) {
    SkipNode<T> *predecessor = successor != nullptr ? successor->back[i] : tail_.back[i];
    node->back[i] = predecessor;
    node->forward[i] = successor;
    (predecessor != nullptr ? predecessor->forward : head_.forward)[i] = node;
    (successor != nullptr ? successor->back : tail_.back)[i] = node;
  }

  std::int32_t maxLevel_;
  SkipLink<T> head_;
  SkipLink<T> tail_;
  std::int32_t count_ = 0;
  Deleter deleter_;
  std::uint32_t levelSeed_ = 1;
};

template <typename T> class SkipList : public SkipListBase<T> {
public:
  using Comparison = int (*)(const T &, const T &);

  SkipList(std::int32_t maxLevel, Comparison compare,
           typename SkipListBase<T>::Deleter deleter = nullptr)
      : SkipListBase<T>(maxLevel, deleter), compare_(compare) {}
  SkipList &operator=(const SkipList &other) {
    SkipListBase<T>::operator=(other);
    return *this;
  }

  int Compare(const T &a, const T &b) const override { return compare_(a, b); }
  SkipListBase<T> *Clone() const override {
    return new SkipList(this->MaxLevel(), compare_, nullptr);
  }

private:
  Comparison compare_;
};

// Values ordered by a key taken from each value, e.g. named records by name.
template <typename K, typename V> class SkipListKeyed : public SkipListBase<V> {
public:
  using KeyOf = K (*)(const V &);
  using KeyComparison = int (*)(const K &, const K &);

  SkipListKeyed(std::int32_t maxLevel, KeyOf keyOf, KeyComparison compare,
                typename SkipListBase<V>::Deleter deleter = nullptr)
      : SkipListBase<V>(maxLevel, deleter), keyOf_(keyOf), compare_(compare) {}
  SkipListKeyed &operator=(const SkipListKeyed &other) {
    SkipListBase<V>::operator=(other);
    return *this;
  }

  int Compare(const V &a, const V &b) const override { return compare_(keyOf_(a), keyOf_(b)); }
  SkipListBase<V> *Clone() const override {
    return new SkipListKeyed(this->MaxLevel(), keyOf_, compare_, nullptr);
  }

  SkipNode<V> *FindKey(const K &key) const {
    return this->FindWith([&](const V &stored) { return compare_(keyOf_(stored), key); });
  }

private:
  KeyOf keyOf_;
  KeyComparison compare_;
};

// A position in a list; advancing follows the bottom level, so iteration is
// in ascending order.
template <typename T> class SkipIter {
public:
  explicit SkipIter(const SkipListBase<T> &list) : list_(&list), node_(list.First()) {}
  virtual ~SkipIter() = default;

  bool AtEnd() const { return node_ == nullptr; }
  const T &Value() const { return node_->value; }
  SkipNode<T> *Node() const { return node_; }
  void Next() { node_ = node_->forward[0]; }

private:
  const SkipListBase<T> *list_; // not owned
  SkipNode<T> *node_;
};
