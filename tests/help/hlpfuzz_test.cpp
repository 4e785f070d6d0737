// Damaged help files: every reader and the map writer must answer with an
// error or a valid result, never read outside the file (the sanitizer build
// runs this), and the tool must say what is wrong.

#include "foundation/random.h"
#include "tests/help/support/helpfiles.h"
#include "tools/hlpctx/contextmap.h"
#include "tools/hlpctx/hlpfile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

namespace {

constexpr int kMutations = 3000;

std::vector<hlp::ContextName> Names() {
  std::vector<hlp::ContextName> names;
  std::string error;
  hlp::ParseContextNames(ReadText(BuiltHelpPath("help/contexts.map")), names, error);
  return names;
}

// Runs everything the tool does on the bytes; a filled map must read back.
void Exercise(const std::vector<std::uint8_t> &bytes, const std::vector<hlp::ContextName> &names) {
  hlp::HlpFile file;
  std::string error;
  if (!file.Load(bytes, error)) {
    EXPECT_FALSE(error.empty());
    return;
  }
  std::map<std::uint32_t, std::uint32_t> contexts;
  std::map<std::uint32_t, std::string> titles;
  std::vector<hlp::MapEntry> map;
  std::uint32_t contents = 0;
  (void)file.ReadContexts(contexts, error);
  (void)file.ReadTitles(titles, error);
  (void)file.ReadContextMap(map, error);
  (void)file.ReadContentsOffset(contents, error);
  std::vector<std::uint8_t> out;
  if (hlp::ResolveContextMap(file, names, map, error) &&
      hlp::WriteContextMap(file, map, out, error)) {
    hlp::HlpFile written;
    std::vector<hlp::MapEntry> readBack;
    ASSERT_TRUE(written.Load(out, error)) << error;
    ASSERT_TRUE(written.ReadContextMap(readBack, error)) << error;
    EXPECT_EQ(readBack.size(), names.size());
  }
}

// Where the readers follow offsets: the help header, the directory and
// the start of every internal file (its header and B+ tree header).
std::vector<std::size_t> HotSpots(const std::vector<std::uint8_t> &bytes) {
  std::vector<std::size_t> spots = {0};
  hlp::HlpFile file;
  std::string error;
  if (file.Load(bytes, error)) {
    for (const hlp::InternalFile &internal : file.Files()) {
      spots.push_back(internal.directoryEntry);
      spots.push_back(internal.headerOffset);
    }
  }
  return spots;
}

// Most damage goes near the hot spots; the rest anywhere, or cuts the file.
std::vector<std::uint8_t> Mutate(std::vector<std::uint8_t> bytes,
                                 const std::vector<std::size_t> &spots) {
  int kind = Rand() % 4;
  if (kind == 0) {
    bytes.resize(static_cast<std::size_t>(Rand()) * bytes.size() / (kRandomMax + 1));
    return bytes;
  }
  int count = 1 + Rand() % 8;
  for (int i = 0; i < count; ++i) {
    std::size_t at = (static_cast<std::size_t>(Rand()) << 15 | Rand()) % bytes.size();
    if (kind != 3) {
      at = (spots[Rand() % spots.size()] + Rand() % 64) % bytes.size();
    }
    bytes[at] = static_cast<std::uint8_t>(Rand() % 3 == 0 ? 0xFF : Rand());
  }
  return bytes;
}

TEST(DamagedHelp, ReadersAndWriterNeverFault) {
  std::vector<std::uint8_t> original = ReadBytes(BuiltHelpPath("Vorlu12.hlp"));
  ASSERT_FALSE(original.empty());
  std::vector<hlp::ContextName> names = Names();
  ASSERT_EQ(names.size(), 8u);
  std::vector<std::size_t> spots = HotSpots(original);
  SeedRandom(20261207);
  for (int i = 0; i < kMutations; ++i) {
    Exercise(Mutate(original, spots), names);
  }
}

// Every offset-bearing field of the directory's files set to values just
// inside and outside the file, one at a time.
TEST(DamagedHelp, OffsetsAtTheFilesEdges) {
  std::vector<std::uint8_t> original = ReadBytes(BuiltHelpPath("Vorlu12.hlp"));
  hlp::HlpFile file;
  std::string error;
  ASSERT_TRUE(file.Load(original, error)) << error;
  std::vector<std::uint32_t> spots = {4, 8, 12};
  for (const hlp::InternalFile &internal : file.Files()) {
    spots.push_back(internal.directoryEntry);
    spots.push_back(internal.headerOffset);
    spots.push_back(internal.headerOffset + 4);
    for (std::uint32_t tree = 0; tree < 38; tree += 2) {
      spots.push_back(internal.ContentOffset() + tree);
    }
  }
  const std::uint32_t size = static_cast<std::uint32_t>(original.size());
  const std::uint32_t values[] = {0, 1, size - 1, size, size + 1, 0x7FFFFFFF, 0xFFFFFFFF, 0x8000};
  std::vector<hlp::ContextName> names = Names();
  for (std::uint32_t spot : spots) {
    for (std::uint32_t value : values) {
      std::vector<std::uint8_t> bytes = original;
      for (int b = 0; b < 4 && spot + b < bytes.size(); ++b) {
        bytes[spot + b] = static_cast<std::uint8_t>(value >> (8 * b));
      }
      Exercise(bytes, names);
    }
  }
}

TEST(DamagedHelp, ToolRejectsWithAClearMessage) {
  const char *tool = std::getenv("VORLUNDA_HLPCTX");
  ASSERT_NE(tool, nullptr);
  const char *tmp = std::getenv("VORLUNDA_TEST_TMP");
  std::string folder = tmp != nullptr ? tmp : "/tmp";
  std::string damaged = folder + "/damaged.hlp", log = folder + "/hlpctx.log";
  std::vector<std::uint8_t> bytes = ReadBytes(BuiltHelpPath("Vorlu12.hlp"));
  bytes.resize(bytes.size() / 2);
  std::ofstream(damaged, std::ios::binary)
      .write(reinterpret_cast<const char *>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  std::string command = std::string(tool) + " '" + damaged + "' '" +
                        BuiltHelpPath("help/contexts.map") + "' '" + folder + "/out.hlp' 2>'" +
                        log + "'";
  int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
  EXPECT_EQ(ReadText(log),
            "hlpctx: " + damaged + ": the help file's header gives a size other than the file's\n");
  std::remove(damaged.c_str());
  std::remove(log.c_str());
}

} // namespace
