#include "contextmap.h"

#include <algorithm>
#include <map>
#include <set>
#include <sstream>

namespace hlp {
namespace {

constexpr std::size_t kMapEntrySize = 8;
constexpr std::size_t kFreeHeaderSize = 8;
constexpr std::size_t kMostMapEntries = 0xFFFF;

void Put32(std::vector<std::uint8_t> &bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) {
    bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
  }
}

void Append16(std::vector<std::uint8_t> &bytes, std::uint16_t value) {
  bytes.push_back(static_cast<std::uint8_t>(value));
  bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Append32(std::vector<std::uint8_t> &bytes, std::uint32_t value) {
  Append16(bytes, static_cast<std::uint16_t>(value));
  Append16(bytes, static_cast<std::uint16_t>(value >> 16));
}

std::vector<std::uint8_t> MapContent(const std::vector<MapEntry> &entries) {
  std::vector<std::uint8_t> content;
  Append16(content, static_cast<std::uint16_t>(entries.size()));
  for (const MapEntry &entry : entries) {
    Append32(content, entry.number);
    Append32(content, entry.topicOffset);
  }
  return content;
}

bool ParseLine(const std::string &line, int lineNumber, ContextName &entry, std::string &error) {
  std::istringstream fields(line);
  std::string number, extra;
  fields >> number >> entry.name >> extra;
  bool numeric =
      !number.empty() && number.size() <= 9 &&
      std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
  if (!numeric || entry.name.empty() || !extra.empty()) {
    error = "line " + std::to_string(lineNumber) + ": expected \"<number> <context name>\"";
    return false;
  }
  if (!IsPortableContextName(entry.name)) {
    error = "line " + std::to_string(lineNumber) + ": context name \"" + entry.name +
            "\" may hold only letters, digits, '.' and '_'";
    return false;
  }
  entry.number = static_cast<std::uint32_t>(std::stoul(number));
  return true;
}

bool Overlap(const InternalFile &a, const InternalFile &b) {
  std::uint64_t aEnd = std::uint64_t(a.headerOffset) + a.reserved;
  std::uint64_t bEnd = std::uint64_t(b.headerOffset) + b.reserved;
  return a.headerOffset < bEnd && b.headerOffset < aEnd;
}

// The old block may be rewritten only when nothing else lives in it; a
// damaged directory can point two files, or the directory itself, at the
// same bytes.
bool BlockIsOwn(const HlpFile &file, const InternalFile &block) {
  if (Overlap(block, file.Directory())) {
    return false;
  }
  for (const InternalFile &other : file.Files()) {
    if (&other != &block && Overlap(block, other)) {
      return false;
    }
  }
  return true;
}

} // namespace

bool ParseContextNames(const std::string &text, std::vector<ContextName> &names,
                       std::string &error) {
  names.clear();
  std::set<std::uint32_t> numbers;
  std::istringstream lines(text);
  std::string line;
  for (int lineNumber = 1; std::getline(lines, line); ++lineNumber) {
    line = line.substr(0, line.find('#'));
    if (line.find_first_not_of(" \t\r") == std::string::npos) {
      continue;
    }
    ContextName entry;
    if (!ParseLine(line, lineNumber, entry, error)) {
      return false;
    }
    if (!numbers.insert(entry.number).second) {
      error = "line " + std::to_string(lineNumber) + ": number " + std::to_string(entry.number) +
              " is mapped twice";
      return false;
    }
    names.push_back(entry);
  }
  if (names.empty()) {
    error = "the context map names no topics";
    return false;
  }
  return true;
}

bool ResolveContextMap(const HlpFile &file, const std::vector<ContextName> &names,
                       std::vector<MapEntry> &entries, std::string &error) {
  std::map<std::uint32_t, std::uint32_t> contexts;
  if (!file.ReadContexts(contexts, error)) {
    return false;
  }
  entries.clear();
  for (const ContextName &name : names) {
    auto found = contexts.find(ContextHash(name.name));
    if (found == contexts.end()) {
      error = "the help file has no topic with the context name \"" + name.name + "\"";
      return false;
    }
    entries.push_back({name.number, found->second});
  }
  return true;
}

bool WriteContextMap(const HlpFile &file, std::vector<MapEntry> entries,
                     std::vector<std::uint8_t> &out, std::string &error) {
  const InternalFile *old = file.Find("|CTXOMAP");
  if (old == nullptr) {
    // Adding a directory entry would mean rebuilding the directory's tree;
    // every file the build's writer makes has the (empty) map already.
    error = "the help file has no |CTXOMAP to fill";
    return false;
  }
  if (entries.size() > kMostMapEntries) {
    error = "too many context numbers for |CTXOMAP";
    return false;
  }
  std::sort(entries.begin(), entries.end(),
            [](const MapEntry &a, const MapEntry &b) { return a.number < b.number; });
  std::vector<std::uint8_t> content = MapContent(entries);
  out = file.Bytes();
  std::uint32_t where = old->headerOffset;
  std::uint32_t reserved = old->reserved;
  bool ownBlock = BlockIsOwn(file, *old);
  if (kFileHeaderSize + content.size() > old->reserved || !ownBlock) {
    where = static_cast<std::uint32_t>(out.size());
    reserved = static_cast<std::uint32_t>(kFileHeaderSize + content.size());
    out.resize(out.size() + reserved);
    Put32(out, old->directoryEntry, where);
    if (ownBlock && old->reserved >= kFreeHeaderSize) {
      // The old space becomes the head of the free list.
      Put32(out, old->headerOffset, old->reserved);
      Put32(out, old->headerOffset + 4,
            file.Bytes()[8] | file.Bytes()[9] << 8 | file.Bytes()[10] << 16 |
                static_cast<std::uint32_t>(file.Bytes()[11]) << 24);
      Put32(out, 8, old->headerOffset);
    }
    Put32(out, 12, static_cast<std::uint32_t>(out.size()));
  }
  Put32(out, where, reserved);
  Put32(out, where + 4, static_cast<std::uint32_t>(content.size()));
  out[where + 8] = 0;
  std::copy(content.begin(), content.end(), out.begin() + where + kFileHeaderSize);
  return true;
}

} // namespace hlp
