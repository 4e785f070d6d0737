#include "foundation/dynassoc.h"

#include "tests/foundation/support/counted.h"

#include <gtest/gtest.h>

namespace {

using NameTable = DynAssoc<int, const char *>;

const Association<int, const char *> kSchemeTypes[] = {{0, "FullRandom"}, {1, "Experimental"}};

TEST(DynAssoc, LooksUpNamesWithoutRegardToCase) {
  const NameTable table(kSchemeTypes, 2, -1, nullptr, nullptr, CompareEnumNames);
  EXPECT_EQ(2, table.Count());
  EXPECT_EQ(1, table.KeyOf("experimental"));
  EXPECT_EQ(0, table.KeyOf("FULLRANDOM"));
  EXPECT_EQ(-1, table.KeyOf("Experiment"));
  EXPECT_EQ(-1, table.KeyOf(nullptr));
  EXPECT_STREQ("Experimental", table.ValueOf(1));
  EXPECT_EQ(nullptr, table.ValueOf(5));
  EXPECT_EQ(nullptr, table.ValueOf(-1));
}

TEST(DynAssoc, WithoutComparisonValuesCompareAsPointers) {
  const NameTable table(kSchemeTypes, 2, -1, nullptr);
  const char copied[] = "Experimental";
  EXPECT_EQ(-1, table.KeyOf(copied));
  EXPECT_EQ(1, table.KeyOf(kSchemeTypes[1].value));
}

TEST(DynAssoc, FirstOfDuplicateKeysWinsAndRemoveTakesIt) {
  NameTable table(kSchemeTypes, 2, -1, nullptr, nullptr, CompareEnumNames);
  table.Add(1, "Later");
  EXPECT_STREQ("Experimental", table.ValueOf(1));
  table.Remove(1);
  EXPECT_STREQ("Later", table.ValueOf(1));
  EXPECT_EQ(-1, table.KeyOf("experimental"));
  table.Remove(7);
  EXPECT_EQ(2, table.Count());
  table.Remove(0);
  table.Remove(1);
  table.Compact();
  EXPECT_EQ(0, table.Count());
  EXPECT_EQ(nullptr, table.FindByKey(0));
}

TEST(DynAssoc, KeyComparisonIsUsedWhenGiven) {
  const Association<int, const char *> pairs[] = {{10, "ten"}, {21, "twenty-one"}};
  const NameTable byLastDigit(pairs, 2, -1, nullptr,
                              [](int a, int b) { return a % 10 == b % 10 ? 0 : 1; });
  EXPECT_STREQ("twenty-one", byLastDigit.ValueOf(1));
  EXPECT_STREQ("ten", byLastDigit.ValueOf(30));
}

// Counted keys show the table deleting every association it made, at once
// on Remove and the rest with the table; a counted value shows it leaves
// what the associations point to alone.
TEST(DynAssoc, DeletesItsAssociationsButNotTheirValues) {
  Counted::Reset();
  Counted *const value = new Counted(5);
  {
    const Association<Counted, Counted *> pairs[] = {{1, value}, {2, value}};
    const int outside = Counted::Live(); // the value and the two keys above
    {
      DynAssoc<Counted, Counted *> table(pairs, 2, Counted(-1), nullptr);
      const int fromPairs = outside + 1 + 2; // the default key and one copy per pair
      EXPECT_EQ(Counted::Live(), fromPairs);
      for (int i = 3; i < 20; ++i)
        table.Add(i, value);
      EXPECT_EQ(Counted::Live(), fromPairs + 17);
      EXPECT_EQ(table.ValueOf(19), value);
      table.Remove(7);
      EXPECT_EQ(Counted::Live(), fromPairs + 16);
      table.Remove(7); // gone already: nothing more to delete
      EXPECT_EQ(Counted::Live(), fromPairs + 16);
      table.Compact();
      EXPECT_EQ(Counted::Live(), fromPairs + 16);
    }
    EXPECT_EQ(Counted::Live(), outside);
  }
  EXPECT_EQ(Counted::Live(), 1);
  EXPECT_EQ(value->value, 5);
  delete value;
  EXPECT_EQ(Counted::Live(), 0);
}

TEST(CompareEnumNames, NullEqualsOnlyNull) {
  EXPECT_EQ(0, CompareEnumNames(nullptr, nullptr));
  EXPECT_NE(0, CompareEnumNames(nullptr, "Solid"));
  EXPECT_NE(0, CompareEnumNames("Solid", nullptr));
  EXPECT_NE(0, CompareEnumNames("", nullptr));
  EXPECT_EQ(0, CompareEnumNames("spectrum", "SPECTRUM"));
}

} // namespace
