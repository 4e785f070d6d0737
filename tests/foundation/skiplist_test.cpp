#include "foundation/skiplist.h"

#include "foundation/random.h"
#include "foundation/string.h"
#include "tests/foundation/support/counted.h"

#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <random>
#include <utility>
#include <vector>

namespace {

// A key with a tag, so equal keys can be told apart.
struct Tagged {
  int key;
  int tag;
};

int CompareKeys(const Tagged &a, const Tagged &b) { return a.key - b.key; }
int CompareKeysDescending(const Tagged &a, const Tagged &b) { return b.key - a.key; }

using TaggedList = SkipList<Tagged>;

std::vector<std::pair<int, int>> Contents(const SkipListBase<Tagged> &list) {
  std::vector<std::pair<int, int>> seen;
  for (SkipIter<Tagged> it(list); !it.AtEnd(); it.Next())
    seen.emplace_back(it.Value().key, it.Value().tag);
  return seen;
}

// Every level is a doubly linked chain from the head to the tail, in order,
// and each node appears on exactly the levels it has.
void ExpectConsistentLinks(const SkipListBase<Tagged> &list) {
  std::int32_t nodes = 0;
  for (std::int32_t level = 0; level < list.MaxLevel(); ++level) {
    const SkipNode<Tagged> *before = nullptr;
    for (const SkipNode<Tagged> *node = list.HeadForward(level); node != nullptr;
         node = node->forward[level]) {
      ASSERT_GT(node->levels, level);
      ASSERT_EQ(before, node->back[level]);
      if (before != nullptr) {
        ASSERT_LE(list.Compare(before->value, node->value), 0);
      }
      before = node;
      nodes += level == 0;
    }
    ASSERT_EQ(before, list.TailBack(level));
  }
  ASSERT_EQ(list.Count(), nodes);
}

TEST(SkipList, LevelsComeFromTheRunningSeedBeforeEachDraw) {
  // Seed 1 draws 346, 130, 10982, 1090, 11656, 7117, 17595, 6415, 22948, ..., 1360, 5412.
  const struct {
    std::int32_t maxLevel;
    std::vector<std::int32_t> levels;
  } cases[] = {
      {3, {1, 1, 1, 1, 1, 1, 2, 1, 3, 3, 2, 2, 3, 1, 2, 2}},
      {5, {1, 1, 1, 1, 1, 1, 2, 1, 3, 4, 2, 2, 4, 1, 2, 2}},
      {1, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
  };
  for (const auto &c : cases) {
    SeedRandom(1);
    TaggedList list(c.maxLevel, CompareKeys);
    std::vector<std::int32_t> levels;
    for (int i = 0; i < 16; ++i)
      levels.push_back(list.Insert({i, i})->levels);
    EXPECT_EQ(c.levels, levels) << "maximum level " << c.maxLevel;
    EXPECT_EQ(5412, Rand()) << "one draw per insertion";
  }
}

TEST(SkipList, EmptyListFindsNothing) {
  const TaggedList list(3, CompareKeys);
  EXPECT_EQ(nullptr, list.Find({1, 0}));
  EXPECT_EQ(nullptr, list.First());
  EXPECT_EQ(0, list.Count());
  EXPECT_TRUE(SkipIter<Tagged>(list).AtEnd());
}

TEST(SkipList, NewestEqualValueComesFirst) {
  SeedRandom(1);
  TaggedList list(3, CompareKeys);
  for (const Tagged t : {Tagged{2, 0}, Tagged{1, 1}, Tagged{2, 2}, Tagged{3, 3}, Tagged{2, 4}})
    list.Insert(t);
  const std::vector<std::pair<int, int>> expected = {{1, 1}, {2, 4}, {2, 2}, {2, 0}, {3, 3}};
  EXPECT_EQ(expected, Contents(list));
  ExpectConsistentLinks(list);
}

TEST(SkipList, AssignmentKeepsOrderAndTheTargetsOwnParameters) {
  SeedRandom(9);
  TaggedList source(3, CompareKeys);
  for (int tag = 0; tag < 12; ++tag)
    source.Insert({tag % 3, tag});
  TaggedList same(5, CompareKeys);
  same.Insert({7, 7});
  same = source;
  EXPECT_EQ(Contents(source), Contents(same));
  EXPECT_EQ(5, same.MaxLevel());
  ExpectConsistentLinks(same);

  TaggedList descending(3, CompareKeysDescending);
  descending = source;
  const auto contents = Contents(descending);
  ASSERT_EQ(12u, contents.size());
  EXPECT_EQ(2, contents.front().first);
  EXPECT_EQ((std::pair<int, int>{2, 11}), contents.front()) << "equal values keep their order";

  TaggedList &self = source;
  source = self;
  EXPECT_EQ(12, source.Count());
}

TEST(SkipList, RemovingTheOnlyNodeLeavesNoLinks) {
  TaggedList list(3, CompareKeys);
  SkipNode<Tagged> *node = list.Insert({4, 1});
  EXPECT_EQ(1, list.RemoveNode(node).tag);
  EXPECT_EQ(0, list.Count());
  for (std::int32_t level = 0; level < 3; ++level) {
    EXPECT_EQ(nullptr, list.HeadForward(level));
    EXPECT_EQ(nullptr, list.TailBack(level));
  }
}

TEST(SkipList, CloneIsEmptyWithTheSameOrderingAndNoDeleter) {
  SkipList<Counted *> owning(
      4, [](Counted *const &a, Counted *const &b) { return b->value - a->value; },
      DeletePointee<Counted>);
  Counted::Reset();
  SkipList<Counted *> *clone = owning.Clone();
  EXPECT_EQ(0, clone->Count());
  EXPECT_EQ(4, clone->MaxLevel());
  Counted first(1), second(2);
  clone->Insert(&first);
  clone->Insert(&second);
  EXPECT_EQ(&second, clone->First()->value);
  delete clone;
  EXPECT_EQ(2, Counted::Live());
}

TEST(SkipList, OwnsCopiesOfItsValues) {
  Counted::Reset();
  {
    SkipList<Counted> list(3, [](const Counted &a, const Counted &b) { return a.value - b.value; });
    for (int i = 0; i < 10; ++i)
      list.Insert(Counted(i));
    EXPECT_EQ(10, Counted::Live());
    EXPECT_EQ(3, list.RemoveNode(list.Find(Counted(3))).value);
    EXPECT_EQ(9, Counted::Live());
  }
  EXPECT_EQ(0, Counted::Live());
}

// Against a multimap where each insertion goes before its equals.
TEST(SkipList, RandomOperationsMatchAnOrderedReference) {
  SeedRandom(2024);
  std::mt19937 choose(77);
  TaggedList list(3, CompareKeys);
  std::multimap<int, int> reference;
  for (int step = 0, tag = 0; step < 3000; ++step) {
    const int key = static_cast<int>(choose() % 25);
    if (choose() % 3 != 0) {
      list.Insert({key, tag});
      reference.emplace_hint(reference.lower_bound(key), key, tag++);
    } else if (SkipNode<Tagged> *found = list.Find({key, 0})) {
      ASSERT_EQ(key, found->value.key);
      const int removed = list.RemoveNode(found).tag;
      auto range = reference.equal_range(key);
      auto it = range.first;
      while (it != range.second && it->second != removed)
        ++it;
      ASSERT_NE(range.second, it);
      reference.erase(it);
    } else {
      ASSERT_EQ(0u, reference.count(key));
    }
    ASSERT_EQ(static_cast<std::int32_t>(reference.size()), list.Count());
    if (step % 100 == 0) {
      const std::vector<std::pair<int, int>> expected(reference.begin(), reference.end());
      ASSERT_EQ(expected, Contents(list));
      ExpectConsistentLinks(list);
    }
  }
  list.Clear();
  ExpectConsistentLinks(list);
}

// The configuration's shape: records found by a case-insensitive name.
struct NamedRecord {
  String name;
  Counted payload;
};

String RecordName(NamedRecord *const &record) { return record->name; }

using RecordList = SkipListKeyed<String, NamedRecord *>;

TEST(SkipListKeyed, FindsNamesWithoutRegardToCase) {
  RecordList records(3, RecordName, CompareStringsNoCase, DeletePointee<NamedRecord>);
  EXPECT_EQ(nullptr, records.Find("Ferns"));
  for (const char *name : {"Gasket", "ferns", "Autumn", "Vorlunda"})
    records.Insert(new NamedRecord{name, {}});
  ASSERT_NE(nullptr, records.Find("FERNS"));
  EXPECT_STREQ("ferns", records.Find("FERNS")->value->name);
  EXPECT_EQ(nullptr, records.Find("Fern"));

  std::vector<String> order;
  for (SkipIter<NamedRecord *> it(records); !it.AtEnd(); it.Next())
    order.push_back(it.Value()->name);
  ASSERT_EQ(4u, order.size());
  EXPECT_STREQ("Autumn", order[0]);
  EXPECT_STREQ("ferns", order[1]);
  EXPECT_STREQ("Vorlunda", order[3]);
}

TEST(SkipListKeyed, ClearAppliesTheDeleterOncePerValue) {
  Counted::Reset();
  RecordList records(3, RecordName, CompareStringsNoCase, DeletePointee<NamedRecord>);
  for (const char *name : {"a", "B", "c", "A"})
    records.Insert(new NamedRecord{name, {}});
  NamedRecord *taken = records.RemoveNode(records.Find("c"));
  EXPECT_EQ(4, Counted::Live()) << "RemoveNode hands the value back";
  delete taken;
  records.Clear();
  EXPECT_EQ(0, Counted::Live());
  EXPECT_EQ(0, records.Count());
  records.Insert(new NamedRecord{"d", {}});
  // The destructor clears as well; a double delete would show under ASan.
}

TEST(SkipList, NamesCompareWithoutRegardToCase) {
  SkipList<String> names(3, CompareStringsNoCase);
  names.Insert("New scheme 2");
  names.Insert("new scheme 1");
  EXPECT_STREQ("new scheme 1", names.First()->value);
  ASSERT_NE(nullptr, names.Find("NEW SCHEME 2"));
  names.Clear();
  EXPECT_EQ(nullptr, names.First());
}

} // namespace
