#pragma once

#include "foundation/dynarray.h"

#include <cstdint>

template <typename K, typename V> struct Association {
  K key;
  V value;
};

template <typename K, typename V> class AssocBase {
public:
  AssocBase(K defaultKey, V defaultValue) : defaultKey_(defaultKey), defaultValue_(defaultValue) {}
  virtual ~AssocBase() = default;

  virtual std::int32_t Count() const = 0;
  virtual void Add(K key, V value) = 0;
  virtual void Remove(K key) = 0;
  virtual void Compact() = 0;
  virtual const Association<K, V> *FindByKey(K key) const = 0;
  virtual const Association<K, V> *FindByValue(V value) const = 0;

  V ValueOf(K key) const {
    const Association<K, V> *found = FindByKey(key);
    return found != nullptr ? found->value : defaultValue_;
  }
  K KeyOf(V value) const {
    const Association<K, V> *found = FindByValue(value);
    return found != nullptr ? found->key : defaultKey_;
  }

protected:
  K defaultKey_;
  V defaultValue_;
};

// Two-way table between enumeration values and their stored names. Linear
// search in insertion order: the tables hold a handful of entries.
template <typename K, typename V> class DynAssoc : public AssocBase<K, V> {
public:
  using KeyCompare = int (*)(K, K);
  using ValueCompare = int (*)(V, V);

  DynAssoc(const Association<K, V> *pairs, std::int32_t count, K defaultKey, V defaultValue,
           KeyCompare keyCompare = nullptr, ValueCompare valueCompare = nullptr)
      : AssocBase<K, V>(defaultKey, defaultValue), keyCompare_(keyCompare),
        valueCompare_(valueCompare) {
    for (std::int32_t i = 0; i < count; ++i)
      Add(pairs[i].key, pairs[i].value);
  }
  ~DynAssoc() override {
    for (std::int32_t i = 0; i < items_.Count(); ++i)
      delete items_[i];
  }
  DynAssoc(const DynAssoc &) = delete;
  DynAssoc &operator=(const DynAssoc &) = delete;

  std::int32_t Count() const override { return items_.Count(); }
  void Add(K key, V value) override { items_.Add(new Association<K, V>{key, value}); }
  void Remove(K key) override {
    for (std::int32_t i = 0; i < items_.Count(); ++i) {
      if (KeysEqual(items_[i]->key, key)) {
        delete items_.RemoveAt(i);
        return;
      }
    }
  }
  void Compact() override { items_.Compact(); }

  const Association<K, V> *FindByKey(K key) const override {
    for (std::int32_t i = 0; i < items_.Count(); ++i)
      if (KeysEqual(items_[i]->key, key))
        return items_[i];
    return nullptr;
  }
  const Association<K, V> *FindByValue(V value) const override {
    for (std::int32_t i = 0; i < items_.Count(); ++i)
      if (ValuesEqual(items_[i]->value, value))
        return items_[i];
    return nullptr;
  }

private:
  bool KeysEqual(K a, K b) const { return keyCompare_ ? keyCompare_(a, b) == 0 : a == b; }
  bool ValuesEqual(V a, V b) const { return valueCompare_ ? valueCompare_(a, b) == 0 : a == b; }

  DynArray<Association<K, V> *> items_{8, false};
  KeyCompare keyCompare_;
  ValueCompare valueCompare_;
};

// The name comparison every enumeration table of the program uses.
int CompareEnumNames(const char *a, const char *b);
