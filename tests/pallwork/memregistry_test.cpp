#include "pallwork/memregistry.h"

#include "tests/support/faultyregistry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr long kAccessDenied = 5;

template <typename Registry> class RegistryFixture : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_EQ(registry.CreateKey("Software\\Test", &key), kRegSuccess); }
  void TearDown() override { EXPECT_EQ(registry.CloseKey(key), kRegSuccess); }

  long SetText(const char *name, const char *text) {
    return registry.SetValue(key, name, kRegTypeString,
                             reinterpret_cast<const unsigned char *>(text),
                             static_cast<std::uint32_t>(std::strlen(text) + 1));
  }

  std::vector<std::string> Names() {
    std::vector<std::string> names;
    char name[64];
    for (std::uint32_t index = 0;; ++index) {
      std::uint32_t size = sizeof name;
      if (registry.EnumValue(key, index, name, &size, nullptr) != kRegSuccess)
        return names;
      EXPECT_EQ(size, std::strlen(name));
      names.push_back(name);
    }
  }

  Registry registry;
  pwRegKey key = nullptr;
};

using MemoryRegistry = RegistryFixture<pwMemoryRegistry>;
using FaultyMemoryRegistry = RegistryFixture<FaultyRegistry>;

TEST_F(MemoryRegistry, QueriesAnswerWithTheWin32Codes) {
  ASSERT_EQ(SetText("Name", "four"), kRegSuccess);
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  EXPECT_EQ(registry.QueryValue(key, "Name", &type, nullptr, &size), kRegSuccess);
  EXPECT_EQ(type, kRegTypeString);
  EXPECT_EQ(size, 5u);

  unsigned char small[4] = {};
  size = sizeof small;
  EXPECT_EQ(registry.QueryValue(key, "Name", nullptr, small, &size), kRegMoreData);
  EXPECT_EQ(size, 5u);
  unsigned char exact[5] = {};
  EXPECT_EQ(registry.QueryValue(key, "Name", nullptr, exact, &size), kRegSuccess);
  EXPECT_STREQ(reinterpret_cast<const char *>(exact), "four");

  EXPECT_EQ(registry.QueryValue(key, "Missing", nullptr, nullptr, &size), kRegFileNotFound);
  EXPECT_EQ(registry.DeleteValue(key, "Missing"), kRegFileNotFound);

  char name[4];
  std::uint32_t nameSize = sizeof name;
  EXPECT_EQ(registry.EnumValue(key, 0, name, &nameSize, nullptr), kRegMoreData); // 4 + NUL
  nameSize = sizeof name;
  EXPECT_EQ(registry.EnumValue(key, 1, name, &nameSize, nullptr), kRegNoMoreItems);
}

TEST_F(MemoryRegistry, EnumerationKeepsFirstWrittenOrder) {
  ASSERT_EQ(SetText("Zulu", "1"), kRegSuccess);
  ASSERT_EQ(SetText("Alpha", "2"), kRegSuccess);
  ASSERT_EQ(SetText("Mike", "3"), kRegSuccess);
  ASSERT_EQ(SetText("ZULU", "again"), kRegSuccess); // replaces in place, keeps its case
  EXPECT_EQ(Names(), (std::vector<std::string>{"Zulu", "Alpha", "Mike"}));
  ASSERT_EQ(registry.DeleteValue(key, "alpha"), kRegSuccess);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Zulu", "Mike"}));
  std::uint32_t longest = 0;
  ASSERT_EQ(registry.QueryLongestValueName(key, &longest), kRegSuccess);
  EXPECT_EQ(longest, 4u);
}

TEST_F(MemoryRegistry, ClosedHandlesAreRejected) {
  pwRegKey other = nullptr;
  ASSERT_EQ(registry.CreateKey("Other", &other), kRegSuccess);
  ASSERT_EQ(registry.CloseKey(other), kRegSuccess);
  EXPECT_EQ(registry.CloseKey(other), kRegInvalidHandle);
  std::uint32_t size = 0;
  EXPECT_EQ(registry.QueryValue(other, "x", nullptr, nullptr, &size), kRegInvalidHandle);
}

TEST_F(FaultyMemoryRegistry, InjectedFailuresSkipThenFailThenRecover) {
  registry.FailNext(RegCall::SetValue, 2, kAccessDenied, 1);
  EXPECT_EQ(SetText("A", "1"), kRegSuccess);
  EXPECT_EQ(SetText("B", "2"), kAccessDenied);
  EXPECT_EQ(SetText("C", "3"), kAccessDenied);
  EXPECT_EQ(SetText("D", "4"), kRegSuccess);
  EXPECT_EQ(Names(), (std::vector<std::string>{"A", "D"})); // failed calls change nothing
}

} // namespace
