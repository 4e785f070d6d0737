#pragma once

#include <cassert>
#include <cstdint>

// Growable array of values. Growth is by a fixed step unless doubling is
// asked for; the step is the caller's, because each owner knows its sizes.
template <typename T> class DynArray {
public:
  explicit DynArray(std::int32_t growBy = 8, bool doubling = false)
      : growBy_(growBy), doubling_(doubling) {}
  DynArray(const DynArray &other) : growBy_(other.growBy_), doubling_(other.doubling_) {
    *this = other;
  }
  ~DynArray() { delete[] items_; }

  DynArray &operator=(const DynArray &other) {
    if (this == &other)
      return *this;
    count_ = other.count_;
    capacity_ = other.capacity_;
    growBy_ = other.growBy_;
    doubling_ = other.doubling_;
    delete[] items_;
    items_ = nullptr;
    if (other.items_ != nullptr) {
      items_ = new T[capacity_];
      for (std::int32_t i = 0; i < count_; ++i)
        items_[i] = other.items_[i];
    }
    return *this;
  }

  void Add(const T &value) {
    if (count_ == capacity_)
      Grow();
    items_[count_++] = value;
  }

  T &operator[](std::int32_t index) {
    assert(index >= 0 && index < count_);
    return items_[index];
  }
  const T &operator[](std::int32_t index) const {
    assert(index >= 0 && index < count_);
    return items_[index];
  }

  T RemoveAt(std::int32_t index) {
    assert(index >= 0 && index < count_);
    T removed = items_[index];
    for (std::int32_t i = index; i + 1 < count_; ++i)
      items_[i] = items_[i + 1];
    --count_;
    return removed;
  }

  std::int32_t Count() const { return count_; }
  std::int32_t Capacity() const { return capacity_; }
  bool HasStorage() const { return items_ != nullptr; }

  void Compact() {
    if (count_ == capacity_)
      return;
    if (count_ == 0) {
      delete[] items_;
      items_ = nullptr;
      capacity_ = 0;
      return;
    }
    Reallocate(count_);
  }

private:
  void Grow() {
    const bool doubles = doubling_ && capacity_ > 0;
    const std::int32_t grown = doubles ? capacity_ * 2 : capacity_ + growBy_;
    assert(grown > capacity_ && "a growth step must add room");
    Reallocate(grown);
  }

  void Reallocate(std::int32_t newCapacity) {
    T *fresh = new T[newCapacity];
    for (std::int32_t i = 0; i < count_; ++i)
      fresh[i] = items_[i];
    delete[] items_;
    items_ = fresh;
    capacity_ = newCapacity;
  }

  T *items_ = nullptr;
  std::int32_t count_ = 0;
  std::int32_t capacity_ = 0;
  std::int32_t growBy_;
  bool doubling_;
};
