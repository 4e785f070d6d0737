#pragma once

#include <cstdint>

template <typename K, typename V> struct HashNode {
  K key;
  V value;
  HashNode *next;
};

// Chained hash table with a fixed bucket count and no rehashing: it maps a
// few dozen window handles to their control objects. The newest entry of a
// key comes first, so Find returns the value inserted last.
template <typename K, typename V> class HashTable {
public:
  using HashFunction = std::uint32_t (*)(std::uint32_t buckets, K key);

  HashTable(std::uint32_t buckets, HashFunction hash)
      : heads_(new HashNode<K, V> *[buckets]()), buckets_(buckets), hash_(hash) {}
  ~HashTable() {
    for (std::uint32_t i = 0; i < buckets_; ++i) {
      while (heads_[i] != nullptr) {
        HashNode<K, V> *node = heads_[i];
        heads_[i] = node->next;
        delete node;
      }
    }
    delete[] heads_;
  }
  HashTable(const HashTable &) = delete;
  HashTable &operator=(const HashTable &) = delete;

  void Insert(K key, V value) {
    HashNode<K, V> *&head = heads_[Bucket(key)];
    head = new HashNode<K, V>{key, value, head};
  }

  bool Find(K key, V &value) const {
    for (HashNode<K, V> *node = heads_[Bucket(key)]; node != nullptr; node = node->next) {
      if (node->key == key) {
        value = node->value;
        return true;
      }
    }
    return false;
  }

  // A key that is not held gives a default value and changes nothing.
  V Remove(K key) {
    for (HashNode<K, V> **link = &heads_[Bucket(key)]; *link != nullptr; link = &(*link)->next) {
      if ((*link)->key == key) {
        HashNode<K, V> *node = *link;
        V value = node->value;
        *link = node->next;
        delete node;
        return value;
      }
    }
    return V();
  }

  std::uint32_t BucketCount() const { return buckets_; }
  std::uint32_t BucketOf(K key) const { return Bucket(key); }

private:
  std::uint32_t Bucket(K key) const { return hash_(buckets_, key) % buckets_; }

  HashNode<K, V> **heads_; // owned
  std::uint32_t buckets_;
  HashFunction hash_;
};

// Window handles hash by their low 32 bits modulo the bucket count.
template <typename P> std::uint32_t HashHandle(std::uint32_t buckets, P handle) {
  const auto bits = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(handle));
  return bits % buckets;
}
