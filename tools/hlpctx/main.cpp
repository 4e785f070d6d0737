// hlpctx: fills the numeric context map of a WinHelp file.
//
//   hlpctx <in.hlp> <contexts.map> <out.hlp>   write out.hlp with the map
//   hlpctx --list <file.hlp>                   print each number's topic
//
// After writing, the tool reads the new file back and checks that every
// number leads to a topic with a title, so a broken map fails the build.

#include "contextmap.h"
#include "hlpfile.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

namespace {

bool ReadWhole(const char *path, std::vector<std::uint8_t> &bytes, std::string &error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open the file";
    return false;
  }
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

bool WriteWhole(const char *path, const std::vector<std::uint8_t> &bytes, std::string &error) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char *>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    error = "cannot write the file";
    return false;
  }
  return true;
}

int Fail(const char *path, const std::string &error) {
  std::fprintf(stderr, "hlpctx: %s: %s\n", path, error.c_str());
  return 1;
}

bool LoadHelp(const char *path, hlp::HlpFile &file, std::string &error) {
  std::vector<std::uint8_t> bytes;
  return ReadWhole(path, bytes, error) && file.Load(std::move(bytes), error);
}

// Prints the map; fails when a number leads to no titled topic.
bool ListMap(const hlp::HlpFile &file, std::string &error) {
  std::vector<hlp::MapEntry> entries;
  std::map<std::uint32_t, std::string> titles;
  if (!file.ReadContextMap(entries, error) || !file.ReadTitles(titles, error)) {
    return false;
  }
  for (const hlp::MapEntry &entry : entries) {
    auto title = titles.find(entry.topicOffset);
    if (title == titles.end()) {
      error = "number " + std::to_string(entry.number) + " leads to no topic";
      return false;
    }
    std::printf("%u\t0x%08X\t%s\n", entry.number, entry.topicOffset, title->second.c_str());
  }
  return true;
}

int Fill(const char *inPath, const char *mapPath, const char *outPath) {
  std::string error;
  hlp::HlpFile in;
  if (!LoadHelp(inPath, in, error)) {
    return Fail(inPath, error);
  }
  std::vector<std::uint8_t> mapBytes;
  std::vector<hlp::ContextName> names;
  if (!ReadWhole(mapPath, mapBytes, error) ||
      !hlp::ParseContextNames(std::string(mapBytes.begin(), mapBytes.end()), names, error)) {
    return Fail(mapPath, error);
  }
  std::vector<hlp::MapEntry> entries;
  std::vector<std::uint8_t> out;
  if (!hlp::ResolveContextMap(in, names, entries, error) ||
      !hlp::WriteContextMap(in, entries, out, error)) {
    return Fail(inPath, error);
  }
  hlp::HlpFile written;
  if (!written.Load(out, error) || !ListMap(written, error)) {
    return Fail(outPath, "the filled map does not read back: " + error);
  }
  if (!WriteWhole(outPath, out, error)) {
    return Fail(outPath, error);
  }
  return 0;
}

} // namespace

int main(int argc, char **argv) {
  if (argc == 3 && std::string(argv[1]) == "--list") {
    std::string error;
    hlp::HlpFile file;
    if (!LoadHelp(argv[2], file, error) || !ListMap(file, error)) {
      return Fail(argv[2], error);
    }
    return 0;
  }
  if (argc != 4) {
    std::fprintf(stderr, "usage: hlpctx <in.hlp> <contexts.map> <out.hlp>\n"
                         "       hlpctx --list <file.hlp>\n");
    return 2;
  }
  return Fill(argv[1], argv[2], argv[3]);
}
