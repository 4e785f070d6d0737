#include "foundation/hashtable.h"

#include "tests/foundation/support/counted.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

struct OpaqueHandle;
using Handle = OpaqueHandle *;

Handle MakeHandle(std::uintptr_t bits) { return reinterpret_cast<Handle>(bits); }

using HandleTable = HashTable<Handle, int>;

TEST(HashTable, HandlesCongruentModuloTheBucketsShareAChain) {
  HandleTable table(31, HashHandle<Handle>);
  EXPECT_EQ(table.BucketOf(MakeHandle(5)), table.BucketOf(MakeHandle(36)));
  EXPECT_EQ(table.BucketOf(MakeHandle(5)), table.BucketOf(MakeHandle(67)));
  EXPECT_NE(table.BucketOf(MakeHandle(5)), table.BucketOf(MakeHandle(6)));
  table.Insert(MakeHandle(5), 50);
  table.Insert(MakeHandle(36), 360);
  table.Insert(MakeHandle(67), 670);
  int value = 0;
  EXPECT_TRUE(table.Find(MakeHandle(5), value));
  EXPECT_EQ(50, value);
  EXPECT_TRUE(table.Find(MakeHandle(36), value));
  EXPECT_EQ(360, value);
  EXPECT_FALSE(table.Find(MakeHandle(98), value));

  EXPECT_EQ(360, table.Remove(MakeHandle(36)));
  EXPECT_FALSE(table.Find(MakeHandle(36), value));
  EXPECT_TRUE(table.Find(MakeHandle(5), value));
  EXPECT_TRUE(table.Find(MakeHandle(67), value));
}

TEST(HashTable, NewestEntryOfAKeyComesFirst) {
  HandleTable table(127, HashHandle<Handle>);
  table.Insert(MakeHandle(9), 1);
  table.Insert(MakeHandle(9), 2);
  int value = 0;
  ASSERT_TRUE(table.Find(MakeHandle(9), value));
  EXPECT_EQ(2, value);
  EXPECT_EQ(2, table.Remove(MakeHandle(9)));
  ASSERT_TRUE(table.Find(MakeHandle(9), value));
  EXPECT_EQ(1, value);
  EXPECT_EQ(1, table.Remove(MakeHandle(9)));
  EXPECT_FALSE(table.Find(MakeHandle(9), value));
}

TEST(HashTable, RemovingAMissingKeyGivesDefaultAndChangesNothing) {
  HashTable<Handle, Counted *> table(31, HashHandle<Handle>);
  Counted control(3);
  table.Insert(MakeHandle(5), &control);
  EXPECT_EQ(nullptr, table.Remove(MakeHandle(36)));
  EXPECT_EQ(nullptr, table.Remove(MakeHandle(1)));
  Counted *found = nullptr;
  EXPECT_TRUE(table.Find(MakeHandle(5), found));
  EXPECT_EQ(&control, found);
}

TEST(HashTable, HandleHashUsesTheLow32Bits) {
  if (sizeof(std::uintptr_t) < 8)
    GTEST_SKIP() << "handles are 32 bits here";
  const auto high = static_cast<std::uintptr_t>(std::uint64_t{1} << 32);
  EXPECT_EQ(5u, HashHandle(31, MakeHandle(high + 5)));
  EXPECT_EQ(HashHandle(31, MakeHandle(0xFFFFFFFFu)),
            HashHandle(31, MakeHandle(high | 0xFFFFFFFFu)));
}

TEST(HashTable, FreesEveryNodeAndItsValue) {
  Counted::Reset();
  {
    HashTable<int, Counted> table(7, [](std::uint32_t buckets, int key) {
      return static_cast<std::uint32_t>(key) % buckets;
    });
    for (int i = 0; i < 40; ++i)
      table.Insert(i, Counted(i));
    EXPECT_EQ(40, Counted::Live());
    EXPECT_EQ(12, table.Remove(12).value);
    EXPECT_EQ(39, Counted::Live());
  }
  EXPECT_EQ(0, Counted::Live());
}

} // namespace
