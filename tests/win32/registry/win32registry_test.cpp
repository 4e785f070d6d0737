#include "pallwork/regmgr.h"
#include "pallwork/win32/win32registry.h"
#include "tests/pallwork/support/registrycontract.h"
#include "tests/support/scratchregistry.h"
#include "tests/support/win32/testregistryroot.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

bool KeyExists(const char *path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

// Every contract test gets a root of its own, gone again afterwards.
struct RootedProvider {
  RootedProvider() : registry((std::string(UniqueTestRegistryRoot()) + "\\Contract").c_str()) {}
  ~RootedProvider() {
    EXPECT_EQ(registry.DeleteRootTree(), ERROR_SUCCESS);
    EXPECT_FALSE(KeyExists(registry.Root()));
  }
  pwRegistryBackend &Backend() { return registry; }
  pwWin32Registry registry;
};

using Win32Backends = ::testing::Types<RootedProvider>;
INSTANTIATE_TYPED_TEST_SUITE_P(Win32, RegistryContract, Win32Backends);

TEST(Win32Registry, RootKeepsEverythingBelowTheTestKey) {
  const std::string root = std::string(UniqueTestRegistryRoot()) + "\\Layout";
  pwWin32Registry backend(root.c_str());
  {
    pwRegistryMgr registry("Control Panel\\Screen Saver.Vorlunda\\Schemes", backend);
    ASSERT_TRUE(registry.IsOpen());
    ASSERT_TRUE(registry.WriteDword("Probe", 1).Succeeded());
  }
  EXPECT_TRUE(KeyExists((root + "\\Control Panel\\Screen Saver.Vorlunda\\Schemes").c_str()));
  DWORD type = 0;
  DWORD value = 0;
  DWORD size = sizeof value;
  HKEY schemes = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER,
                          (root + "\\Control Panel\\Screen Saver.Vorlunda\\Schemes").c_str(), 0,
                          KEY_READ, &schemes),
            ERROR_SUCCESS);
  EXPECT_EQ(
      RegQueryValueExA(schemes, "Probe", nullptr, &type, reinterpret_cast<BYTE *>(&value), &size),
      ERROR_SUCCESS);
  RegCloseKey(schemes);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(value, 1u);

  EXPECT_EQ(backend.DeleteRootTree(), ERROR_SUCCESS);
  EXPECT_FALSE(KeyExists(root.c_str()));
  EXPECT_EQ(backend.DeleteRootTree(), ERROR_FILE_NOT_FOUND);
}

TEST(Win32Registry, KeyThatCannotBeCreatedAnswersWithTheKeyFailure) {
  // A component beyond the registry's 255-character limit for key names.
  const std::string tooLong = "Software\\" + std::string(300, 'k');
  pwWin32Registry backend(UniqueTestRegistryRoot());
  pwRegistryMgr registry(tooLong.c_str(), backend);
  ASSERT_FALSE(registry.IsOpen());
  EXPECT_STREQ(registry.WriteDword("InfoLine", 1).Message(), "Unable to create the registry key");
  String text("kept");
  EXPECT_STREQ(registry.ReadString("InfoLine", text).Message(),
               "Unable to create the registry key");
  EXPECT_STREQ(text, "kept");
  (void)backend.DeleteRootTree();
}

TEST(Win32Registry, ScratchRegistryBecomesTheDefaultAndLeavesNothing) {
  const char *const kProductKey = "Control Panel\\Screen Saver.Vorlunda\\ScopedProbe";
  std::string root;
  pwRegistryBackend *scopedBackend = nullptr;
  {
    ScratchRegistry scoped;
    root = scoped.Root();
    scopedBackend = &scoped.Backend();
    EXPECT_EQ(&DefaultRegistryBackend(), scopedBackend);
    pwRegistryMgr registry(kProductKey);
    ASSERT_TRUE(registry.WriteString("ScreenShotDirectory", "C:\\Shots").Succeeded());
    EXPECT_TRUE(KeyExists((root + "\\" + kProductKey).c_str()));
    EXPECT_FALSE(KeyExists(kProductKey)); // the real layout is left alone
  }
  EXPECT_FALSE(KeyExists(root.c_str()));
  EXPECT_NE(&DefaultRegistryBackend(), scopedBackend);
}

} // namespace
