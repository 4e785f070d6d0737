#pragma once

// Reads the parts of a WinHelp (.hlp) file that context-sensitive help
// depends on. The file is a small file system of its own: a header points
// at a directory (a B+ tree of internal file names and offsets), and each
// internal file starts with a header giving its reserved and used size.
// |CONTEXT is a B+ tree of context-name hashes and topic offsets, |TTLBTREE
// one of topic offsets and titles, and |CTXOMAP the plain list that maps
// the numbers a program passes to WinHelp onto topic offsets. Every read is
// checked against the file's bounds, so a damaged file gives an error
// message and never a read outside the buffer.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace hlp {

constexpr std::uint32_t kHelpMagic = 0x00035F3F;
constexpr std::uint16_t kTreeMagic = 0x293B;
constexpr std::size_t kHelpHeaderSize = 16;
constexpr std::size_t kFileHeaderSize = 9;
constexpr std::size_t kTreeHeaderSize = 38;

// The hash under which |CONTEXT keeps a context name. Names of letters,
// digits, '.' and '_' hash alike in every WinHelp version; other characters
// are weighed differently by different viewers, so they are refused.
bool IsPortableContextName(const std::string &name);
std::uint32_t ContextHash(const std::string &name);

struct InternalFile {
  std::string name;
  std::uint32_t headerOffset = 0;   // where its 9-byte header starts
  std::uint32_t directoryEntry = 0; // where the directory stores headerOffset
  std::uint32_t reserved = 0;       // bytes set aside, header included
  std::uint32_t used = 0;           // bytes of content
  std::uint32_t ContentOffset() const { return headerOffset + kFileHeaderSize; }
};

struct MapEntry {
  std::uint32_t number = 0;
  std::uint32_t topicOffset = 0;
};

class HlpFile {
public:
  // Takes the whole file; false with a message when it is not a help file
  // or its directory is damaged.
  bool Load(std::vector<std::uint8_t> bytes, std::string &error);

  const std::vector<std::uint8_t> &Bytes() const { return bytes_; }
  const std::vector<InternalFile> &Files() const { return files_; }
  // The directory's own block, named "(directory)".
  const InternalFile &Directory() const { return directory_; }
  const InternalFile *Find(const std::string &name) const;

  // hash -> topic offset, from |CONTEXT.
  bool ReadContexts(std::map<std::uint32_t, std::uint32_t> &contexts, std::string &error) const;
  // topic offset -> title, from |TTLBTREE.
  bool ReadTitles(std::map<std::uint32_t, std::string> &titles, std::string &error) const;
  bool ReadContextMap(std::vector<MapEntry> &entries, std::string &error) const;
  // The contents topic's offset, from the |SYSTEM record of type 3; the
  // first topic (offset 0) when the file names none.
  bool ReadContentsOffset(std::uint32_t &offset, std::string &error) const;

private:
  bool ReadDirectory(std::string &error);

  std::vector<std::uint8_t> bytes_;
  std::vector<InternalFile> files_;
  InternalFile directory_;
};

} // namespace hlp
