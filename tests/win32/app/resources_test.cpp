// What the system shows of the built program from its resources alone: its
// name in the screen-saver list and its icon.

#include "tests/win32/app/support/programpath.h"
#include "vorlunda/resources/resource.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <utility>
#include <vector>

namespace {

class ProgramResources : public ::testing::Test {
protected:
  void SetUp() override {
    module_ = LoadLibraryExA(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module_, nullptr) << ProgramPath();
  }
  void TearDown() override {
    if (module_ != nullptr)
      FreeLibrary(module_);
  }

  const BYTE *Resource(LPCSTR name, LPCSTR type) const {
    const HRSRC found = FindResourceA(module_, name, type);
    return found != nullptr ? static_cast<const BYTE *>(LockResource(LoadResource(module_, found)))
                            : nullptr;
  }

  HMODULE module_ = nullptr;
};

// The screen-saver settings list a saver by this string.
TEST_F(ProgramResources, DescriptionIsTheNameInTheSaverList) {
  char text[64] = {};
  ASSERT_GT(LoadStringA(module_, IDS_DESCRIPTION, text, sizeof text), 0);
  EXPECT_STREQ(text, "Vorlunda V1.2");
}

// An entry of the icon group as the resource compiler lays it out.
#pragma pack(push, 2)
struct GroupIconEntry {
  BYTE width;
  BYTE height;
  BYTE colours;
  BYTE reserved;
  WORD planes;
  WORD bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

// Every size the shell and the dialogs ask for, in 32 bits; the system picks
// an image by the group's entry, so the entry and the image must agree.
TEST_F(ProgramResources, IconHasEverySizeInFullColour) {
  const BYTE *group = Resource(MAKEINTRESOURCEA(IDI_VORLUNDA), RT_GROUP_ICON);
  ASSERT_NE(group, nullptr);
  WORD count = 0;
  std::memcpy(&count, group + 4, sizeof count);
  std::vector<std::pair<int, int>> sizes;
  for (WORD i = 0; i < count; ++i) {
    GroupIconEntry entry = {};
    std::memcpy(&entry, group + 6 + i * sizeof entry, sizeof entry);
    sizes.emplace_back(entry.width, entry.bitCount);
    const BYTE *image = Resource(MAKEINTRESOURCEA(entry.id), RT_ICON);
    ASSERT_NE(image, nullptr) << entry.id;
    BITMAPINFOHEADER header = {};
    std::memcpy(&header, image, sizeof header);
    EXPECT_EQ(header.biWidth, entry.width) << entry.id;
    EXPECT_EQ(header.biHeight, 2 * entry.height) << entry.id << ": colours and mask";
    EXPECT_EQ(header.biBitCount, entry.bitCount) << entry.id;
  }
  const std::vector<std::pair<int, int>> expected = {{16, 32}, {32, 32}, {48, 32}};
  EXPECT_EQ(sizes, expected);
}

} // namespace
