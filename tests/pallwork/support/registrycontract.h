#pragma once

// What the registry manager promises on any backend, written once and
// instantiated for each backend a test binary can reach. A Provider owns a
// fresh, empty backend: `pwRegistryBackend &Backend()`.

#include "pallwork/regmgr.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

template <typename Provider> class RegistryContract : public ::testing::Test {
protected:
  pwRegistryBackend &Backend() { return provider_.Backend(); }

  static constexpr const char *kKey = "Control Panel\\Screen Saver.Contract";
  static constexpr const char *kSubKey = "Control Panel\\Screen Saver.Contract\\Schemes";

private:
  Provider provider_;
};

TYPED_TEST_SUITE_P(RegistryContract);

TYPED_TEST_P(RegistryContract, ValuesRoundTripThroughAFreshManager) {
  {
    pwRegistryMgr registry(this->kSubKey, this->Backend());
    ASSERT_TRUE(registry.IsOpen());
    EXPECT_TRUE(registry.WriteDword("Zero", 0).Succeeded());
    EXPECT_TRUE(registry.WriteDword("Pattern", 0xDEADBEEFu).Succeeded());
    EXPECT_TRUE(registry.WriteString("Text", "Ferns 12 Solid, 1.5").Succeeded());
    EXPECT_TRUE(registry.WriteString("Empty", "").Succeeded());
    EXPECT_TRUE(registry.WriteString("Text", "overwritten").Succeeded());
  }
  pwRegistryMgr registry(this->kSubKey, this->Backend());
  std::uint32_t number = 1;
  ASSERT_TRUE(registry.ReadDword("Zero", number).Succeeded());
  EXPECT_EQ(number, 0u);
  ASSERT_TRUE(registry.ReadDword("PATTERN", number).Succeeded()); // names ignore case
  EXPECT_EQ(number, 0xDEADBEEFu);
  String text("stale");
  ASSERT_TRUE(registry.ReadString("text", text).Succeeded());
  EXPECT_STREQ(text, "overwritten");
  ASSERT_TRUE(registry.ReadString("Empty", text).Succeeded());
  EXPECT_STREQ(text, "");
}

TYPED_TEST_P(RegistryContract, WrongTypeOrMissingValueFailsNamingIt) {
  pwRegistryMgr registry(this->kKey, this->Backend());
  ASSERT_TRUE(registry.WriteDword("Number", 7).Succeeded());
  ASSERT_TRUE(registry.WriteString("Words", "seven").Succeeded());

  String text("untouched");
  const Error asString = registry.ReadString("Number", text);
  EXPECT_EQ(asString.Severity(), kSeverityError);
  EXPECT_EQ(asString.Code(), 0);
  EXPECT_STREQ(asString.Message(), "Unable to read the 'Number' registry value");
  EXPECT_STREQ(text, "untouched");

  std::uint32_t number = 0;
  EXPECT_STREQ(registry.ReadDword("Words", number).Message(),
               "Unable to read the 'Words' registry value");
  EXPECT_STREQ(registry.ReadDword("Absent", number).Message(),
               "Unable to read the 'Absent' registry value");
  EXPECT_STREQ(registry.ReadString("Absent", text).Message(),
               "Unable to read the 'Absent' registry value");
  EXPECT_STREQ(text, "untouched");
}

TYPED_TEST_P(RegistryContract, TextStoredWithoutItsTerminatorStillEnds) {
  pwRegKey key = nullptr;
  ASSERT_EQ(this->Backend().CreateKey(this->kKey, &key), kRegSuccess);
  const unsigned char bare[] = {'a', 'b', 'c'};
  ASSERT_EQ(this->Backend().SetValue(key, "Bare", kRegTypeString, bare, sizeof bare), kRegSuccess);
  ASSERT_EQ(this->Backend().SetValue(key, "Nothing", kRegTypeString, bare, 0), kRegSuccess);
  EXPECT_EQ(this->Backend().CloseKey(key), kRegSuccess);

  pwRegistryMgr registry(this->kKey, this->Backend());
  String text;
  ASSERT_TRUE(registry.ReadString("Bare", text).Succeeded());
  EXPECT_STREQ(text, "abc");
  ASSERT_TRUE(registry.ReadString("Nothing", text).Succeeded());
  EXPECT_STREQ(text, "");
}

TYPED_TEST_P(RegistryContract, DeletingIsSilentForMissingValues) {
  pwRegistryMgr registry(this->kKey, this->Backend());
  EXPECT_TRUE(registry.DeleteValue("NeverWritten").Succeeded());
  ASSERT_TRUE(registry.WriteDword("Doomed", 1).Succeeded());
  EXPECT_TRUE(registry.DeleteValue("Doomed").Succeeded());
  std::uint32_t number = 0;
  EXPECT_TRUE(registry.ReadDword("Doomed", number).Failed());
  EXPECT_TRUE(registry.DeleteValue("Doomed").Succeeded());
}

TYPED_TEST_P(RegistryContract, EnumerationVisitsEachValueOnceThenStops) {
  pwRegistryMgr registry(this->kSubKey, this->Backend());
  ASSERT_TRUE(registry.WriteString("Ferns", "scheme text").Succeeded());
  ASSERT_TRUE(registry.WriteDword("A much longer value name", 3).Succeeded());

  std::set<std::string> names;
  std::set<std::uint32_t> types;
  for (std::uint32_t index = 0; index < 2; ++index) {
    bool found = false;
    String name;
    std::uint32_t type = 0;
    ASSERT_TRUE(registry.EnumValue(index, found, name, &type).Succeeded());
    ASSERT_TRUE(found) << index;
    EXPECT_EQ(name.Capacity(), std::strlen("A much longer value name") + 1);
    names.insert(name.CStr());
    types.insert(type);
  }
  EXPECT_EQ(names, (std::set<std::string>{"Ferns", "A much longer value name"}));
  EXPECT_EQ(types, (std::set<std::uint32_t>{kRegTypeString, kRegTypeDword}));

  bool found = true;
  String name;
  EXPECT_TRUE(registry.EnumValue(2, found, name).Succeeded());
  EXPECT_FALSE(found);
}

TYPED_TEST_P(RegistryContract, EmptyKeyEnumeratesNothing) {
  pwRegistryMgr registry("Software\\Contract\\Empty", this->Backend());
  bool found = true;
  String name("previous");
  EXPECT_TRUE(registry.EnumValue(0, found, name).Succeeded());
  EXPECT_FALSE(found);
}

REGISTER_TYPED_TEST_SUITE_P(RegistryContract, ValuesRoundTripThroughAFreshManager,
                            WrongTypeOrMissingValueFailsNamingIt,
                            TextStoredWithoutItsTerminatorStillEnds,
                            DeletingIsSilentForMissingValues,
                            EnumerationVisitsEachValueOnceThenStops, EmptyKeyEnumeratesNothing);
