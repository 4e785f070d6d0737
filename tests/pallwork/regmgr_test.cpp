#include "pallwork/regmgr.h"

#include "pallwork/memregistry.h"
#include "tests/pallwork/support/registrycontract.h"
#include "tests/support/faultyregistry.h"

#include <gtest/gtest.h>

namespace {

constexpr const char *kKeyPath = "Control Panel\\Screen Saver.Test";
constexpr long kAccessDenied = 5;

struct MemoryProvider {
  pwRegistryBackend &Backend() { return registry; }
  pwMemoryRegistry registry;
};

using MemoryBackends = ::testing::Types<MemoryProvider>;
INSTANTIATE_TYPED_TEST_SUITE_P(Memory, RegistryContract, MemoryBackends);

TEST(RegistryMgrUnopened, AnswersEveryOperationWithTheKeyFailure) {
  FaultyRegistry memory;
  memory.FailNext(RegCall::CreateKey, 1, kAccessDenied);
  pwRegistryMgr registry(kKeyPath, memory);
  EXPECT_FALSE(registry.IsOpen());

  String text("kept");
  std::uint32_t number = 5;
  bool found = true;
  const Error results[] = {
      registry.WriteDword("V", 1),    registry.WriteString("V", "x"),
      registry.ReadString("V", text), registry.ReadDword("V", number),
      registry.DeleteValue("V"),      registry.EnumValue(0, found, text),
  };
  for (const Error &result : results) {
    EXPECT_EQ(result.Severity(), kSeverityError);
    EXPECT_EQ(result.Code(), 0);
    EXPECT_STREQ(result.Message(), "Unable to create the registry key");
  }
  EXPECT_FALSE(found);
  EXPECT_STREQ(text, "kept");
  EXPECT_EQ(number, 5u);
  EXPECT_EQ(memory.OpenKeyCount(), 0);
}

TEST(RegistryMgrLifetime, ClosesItsKeyAndCreatesMissingParents) {
  pwMemoryRegistry memory;
  {
    pwRegistryMgr registry("A\\B\\C", memory);
    EXPECT_EQ(memory.OpenKeyCount(), 1);
  }
  EXPECT_EQ(memory.OpenKeyCount(), 0);
  EXPECT_TRUE(memory.HasKey("A"));
  EXPECT_TRUE(memory.HasKey("a\\b\\c"));
}

TEST(RegistryMgrFailures, ReadFailsWhenEitherQueryFails) {
  FaultyRegistry memory;
  pwRegistryMgr registry(kKeyPath, memory);
  ASSERT_TRUE(registry.WriteString("Text", "value").Succeeded());
  for (int failingQuery = 0; failingQuery < 2; ++failingQuery) {
    memory.FailNext(RegCall::QueryValue, 1, kAccessDenied, failingQuery);
    String text("kept");
    EXPECT_STREQ(registry.ReadString("Text", text).Message(),
                 "Unable to read the 'Text' registry value");
    EXPECT_STREQ(text, "kept");
  }
  // A value that grew between the size query and the read no longer fits.
  memory.FailNext(RegCall::QueryValue, 1, kRegMoreData, 1);
  String text;
  EXPECT_TRUE(registry.ReadString("Text", text).Failed());
  ASSERT_TRUE(registry.ReadString("Text", text).Succeeded()); // the fault has passed
  EXPECT_STREQ(text, "value");
}

TEST(RegistryMgrFailures, WritesAndDeletesNameTheValue) {
  FaultyRegistry memory;
  pwRegistryMgr registry(kKeyPath, memory);
  memory.FailNext(RegCall::SetValue, 2, kAccessDenied);
  EXPECT_STREQ(registry.WriteString("Scheme", "x").Message(),
               "Unable to write the 'Scheme' registry value");
  EXPECT_STREQ(registry.WriteDword("InfoLine", 1).Message(),
               "Unable to write the 'InfoLine' registry value");
  EXPECT_TRUE(registry.WriteDword("InfoLine", 1).Succeeded());

  memory.FailNext(RegCall::DeleteValue, 1, kAccessDenied);
  EXPECT_STREQ(registry.DeleteValue("InfoLine").Message(),
               "Unable to delete the 'InfoLine' registry value");
  memory.FailNext(RegCall::DeleteValue, 1, kRegPathNotFound);
  EXPECT_TRUE(registry.DeleteValue("InfoLine").Succeeded());
}

TEST(RegistryMgrFailures, EnumerationFailuresClearFound) {
  FaultyRegistry memory;
  pwRegistryMgr registry(kKeyPath, memory);
  ASSERT_TRUE(registry.WriteDword("One", 1).Succeeded());
  const RegCall failingCalls[] = {RegCall::QueryLongestValueName, RegCall::EnumValue};
  for (const RegCall call : failingCalls) {
    memory.FailNext(call, 1, kAccessDenied);
    bool found = true;
    String name;
    EXPECT_STREQ(registry.EnumValue(0, found, name).Message(), "Enumeration failed");
    EXPECT_FALSE(found);
  }
}

TEST(RegistryMgrEnumeration, LaterIndexesUseTheLengthMeasuredAtZero) {
  pwMemoryRegistry memory;
  pwRegistryMgr registry(kKeyPath, memory);
  ASSERT_TRUE(registry.WriteDword("Ab", 1).Succeeded());
  bool found = false;
  String name;
  ASSERT_TRUE(registry.EnumValue(0, found, name).Succeeded());
  ASSERT_TRUE(found);
  EXPECT_STREQ(name, "Ab");
  ASSERT_TRUE(registry.WriteDword("Longer than measured", 2).Succeeded());
  EXPECT_STREQ(registry.EnumValue(1, found, name).Message(), "Enumeration failed");
  EXPECT_FALSE(found);
  ASSERT_TRUE(registry.EnumValue(0, found, name).Succeeded()); // measures again
  ASSERT_TRUE(registry.EnumValue(1, found, name).Succeeded());
  EXPECT_STREQ(name, "Longer than measured");
}

TEST(RegistryMgrDefaultBackend, FollowsTheSubstitute) {
  pwMemoryRegistry substitute;
  SetDefaultRegistryBackend(&substitute);
  {
    pwRegistryMgr registry(kKeyPath);
    ASSERT_TRUE(registry.WriteDword("Marker", 42).Succeeded());
  }
  SetDefaultRegistryBackend(nullptr);
  EXPECT_TRUE(substitute.HasKey(kKeyPath));
  EXPECT_NE(&DefaultRegistryBackend(), &substitute);
}

} // namespace
