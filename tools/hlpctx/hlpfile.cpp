#include "hlpfile.h"

#include <functional>

namespace hlp {
namespace {

// A read position inside [pos, end) of the file; every read checks the
// bounds first and fails instead of reading past them.
class Cursor {
public:
  Cursor(const std::vector<std::uint8_t> &bytes, std::size_t pos, std::size_t end)
      : bytes_(bytes), pos_(pos), end_(end < bytes.size() ? end : bytes.size()) {}

  bool U16(std::uint16_t &value) {
    if (!Has(2)) {
      return false;
    }
    value = static_cast<std::uint16_t>(bytes_[pos_] | bytes_[pos_ + 1] << 8);
    pos_ += 2;
    return true;
  }
  bool U32(std::uint32_t &value) {
    if (!Has(4)) {
      return false;
    }
    value = 0;
    for (int i = 3; i >= 0; --i) {
      value = value << 8 | bytes_[pos_ + i];
    }
    pos_ += 4;
    return true;
  }
  bool Text(std::string &value) {
    value.clear();
    for (std::size_t i = pos_; i < end_; ++i) {
      if (bytes_[i] == 0) {
        value.assign(bytes_.begin() + pos_, bytes_.begin() + i);
        pos_ = i + 1;
        return true;
      }
    }
    return false;
  }
  bool Skip(std::size_t count) {
    if (!Has(count)) {
      return false;
    }
    pos_ += count;
    return true;
  }
  std::size_t Pos() const { return pos_; }

private:
  bool Has(std::size_t count) const { return pos_ <= end_ && end_ - pos_ >= count; }

  const std::vector<std::uint8_t> &bytes_;
  std::size_t pos_;
  std::size_t end_;
};

struct Tree {
  std::size_t firstPage = 0;
  std::uint16_t pageSize = 0;
  std::int16_t rootPage = 0;
  std::int16_t totalPages = 0;
  std::int16_t levels = 0;
};

// Reads the B+ tree header at the start of an internal file's content.
bool OpenTree(const std::vector<std::uint8_t> &bytes, std::size_t start, std::size_t end,
              const std::string &what, Tree &tree, std::string &error) {
  Cursor at(bytes, start, end);
  std::uint16_t magic = 0, flags = 0, zero = 0, splits = 0, root = 0, minusOne = 0, pages = 0,
                levels = 0;
  std::uint32_t entries = 0;
  bool ok = at.U16(magic) && at.U16(flags) && at.U16(tree.pageSize) && at.Skip(16) &&
            at.U16(zero) && at.U16(splits) && at.U16(root) && at.U16(minusOne) && at.U16(pages) &&
            at.U16(levels) && at.U32(entries);
  if (!ok || magic != kTreeMagic) {
    error = what + ": not a B+ tree";
    return false;
  }
  tree.firstPage = at.Pos();
  tree.rootPage = static_cast<std::int16_t>(root);
  tree.totalPages = static_cast<std::int16_t>(pages);
  tree.levels = static_cast<std::int16_t>(levels);
  bool shapeOk = tree.pageSize >= 8 && tree.totalPages > 0 && tree.levels > 0 &&
                 tree.rootPage >= 0 && tree.rootPage < tree.totalPages &&
                 tree.firstPage + std::size_t(tree.pageSize) * tree.totalPages <= end;
  if (!shapeOk) {
    error = what + ": B+ tree pages lie outside the file";
    return false;
  }
  return true;
}

using EntryReader = std::function<bool(Cursor &, std::string &)>;

std::size_t PageStart(const Tree &tree, std::int16_t page) {
  return tree.firstPage + std::size_t(tree.pageSize) * page;
}

// The leftmost leaf: every index page's first child pointer leads there.
bool FirstLeaf(const std::vector<std::uint8_t> &bytes, const Tree &tree, const std::string &what,
               std::int16_t &page, std::string &error) {
  page = tree.rootPage;
  for (int level = 1; level < tree.levels; ++level) {
    Cursor at(bytes, PageStart(tree, page) + 4, PageStart(tree, page) + tree.pageSize);
    std::uint16_t child = 0;
    if (!at.U16(child) || static_cast<std::int16_t>(child) < 0 ||
        static_cast<std::int16_t>(child) >= tree.totalPages) {
      error = what + ": B+ tree index page points outside the tree";
      return false;
    }
    page = static_cast<std::int16_t>(child);
  }
  return true;
}

// Walks the chain of leaf pages from the left and hands each entry to read.
// A chain longer than the tree has pages is a loop in a damaged file.
bool ForEachLeafEntry(const std::vector<std::uint8_t> &bytes, const Tree &tree,
                      const std::string &what, const EntryReader &read, std::string &error) {
  std::int16_t page = 0;
  if (!FirstLeaf(bytes, tree, what, page, error)) {
    return false;
  }
  for (int visited = 0; page != -1; ++visited) {
    if (page < 0 || page >= tree.totalPages || visited >= tree.totalPages) {
      error = what + ": B+ tree leaf chain is broken";
      return false;
    }
    Cursor at(bytes, PageStart(tree, page), PageStart(tree, page) + tree.pageSize);
    std::uint16_t unused = 0, count = 0, previous = 0, next = 0;
    if (!at.U16(unused) || !at.U16(count) || !at.U16(previous) || !at.U16(next)) {
      error = what + ": B+ tree page is cut short";
      return false;
    }
    for (std::uint16_t i = 0; i < count; ++i) {
      if (!read(at, error)) {
        if (error.empty()) {
          error = what + ": B+ tree entry runs past its page";
        }
        return false;
      }
    }
    page = static_cast<std::int16_t>(next);
  }
  return true;
}

bool OpenFileTree(const HlpFile &file, const std::string &name, Tree &tree, std::string &error) {
  const InternalFile *internal = file.Find(name);
  if (internal == nullptr) {
    error = "the help file has no " + name;
    return false;
  }
  return OpenTree(file.Bytes(), internal->ContentOffset(),
                  std::size_t(internal->ContentOffset()) + internal->used, name, tree, error);
}

} // namespace

bool IsPortableContextName(const std::string &name) {
  if (name.empty()) {
    return false;
  }
  for (char c : name) {
    bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
              c == '.' || c == '_';
    if (!ok) {
      return false;
    }
  }
  return true;
}

std::uint32_t ContextHash(const std::string &name) {
  std::uint32_t hash = 0;
  for (char c : name) {
    std::uint32_t weight = 0;
    if (c >= 'A' && c <= 'Z') {
      weight = static_cast<std::uint32_t>(c - 'A') + 17;
    } else if (c >= 'a' && c <= 'z') {
      weight = static_cast<std::uint32_t>(c - 'a') + 17;
    } else if (c >= '1' && c <= '9') {
      weight = static_cast<std::uint32_t>(c - '0');
    } else if (c == '0') {
      weight = 10;
    } else if (c == '.') {
      weight = 12;
    } else if (c == '_') {
      weight = 13;
    }
    if (weight != 0) {
      hash = hash * 43 + weight;
    }
  }
  return hash;
}

bool HlpFile::Load(std::vector<std::uint8_t> bytes, std::string &error) {
  bytes_ = std::move(bytes);
  files_.clear();
  Cursor at(bytes_, 0, bytes_.size());
  std::uint32_t magic = 0, directory = 0, firstFree = 0, size = 0;
  if (!at.U32(magic) || !at.U32(directory) || !at.U32(firstFree) || !at.U32(size) ||
      magic != kHelpMagic) {
    error = "not a WinHelp file (no help file header)";
    return false;
  }
  if (size != bytes_.size()) {
    error = "the help file's header gives a size other than the file's";
    return false;
  }
  return ReadDirectory(error);
}

bool HlpFile::ReadDirectory(std::string &error) {
  Cursor header(bytes_, 4, kHelpHeaderSize);
  std::uint32_t directory = 0;
  header.U32(directory);
  Cursor at(bytes_, directory, bytes_.size());
  std::uint32_t reserved = 0, used = 0;
  if (!at.U32(reserved) || !at.U32(used) || !at.Skip(1) || used > bytes_.size() - at.Pos()) {
    error = "the help file's directory lies outside the file";
    return false;
  }
  Tree tree;
  if (!OpenTree(bytes_, at.Pos(), at.Pos() + used, "directory", tree, error)) {
    return false;
  }
  auto readEntry = [this](Cursor &entry, std::string &) {
    InternalFile file;
    if (!entry.Text(file.name)) {
      return false;
    }
    file.directoryEntry = static_cast<std::uint32_t>(entry.Pos());
    if (!entry.U32(file.headerOffset)) {
      return false;
    }
    files_.push_back(file);
    return true;
  };
  if (!ForEachLeafEntry(bytes_, tree, "directory", readEntry, error)) {
    return false;
  }
  directory_ = {"(directory)", directory, 0, reserved, used};
  for (InternalFile &file : files_) {
    Cursor fileHeader(bytes_, file.headerOffset, bytes_.size());
    bool ok = file.headerOffset >= kHelpHeaderSize && fileHeader.U32(file.reserved) &&
              fileHeader.U32(file.used) && fileHeader.Skip(1) &&
              file.reserved <= bytes_.size() - file.headerOffset &&
              file.used <= file.reserved - kFileHeaderSize;
    if (!ok) {
      error = "internal file " + file.name + " lies outside the help file";
      return false;
    }
  }
  return true;
}

const InternalFile *HlpFile::Find(const std::string &name) const {
  for (const InternalFile &file : files_) {
    if (file.name == name) {
      return &file;
    }
  }
  return nullptr;
}

bool HlpFile::ReadContexts(std::map<std::uint32_t, std::uint32_t> &contexts,
                           std::string &error) const {
  Tree tree;
  if (!OpenFileTree(*this, "|CONTEXT", tree, error)) {
    return false;
  }
  contexts.clear();
  auto readEntry = [&contexts](Cursor &entry, std::string &) {
    std::uint32_t hash = 0, offset = 0;
    if (!entry.U32(hash) || !entry.U32(offset)) {
      return false;
    }
    contexts[hash] = offset;
    return true;
  };
  return ForEachLeafEntry(bytes_, tree, "|CONTEXT", readEntry, error);
}

bool HlpFile::ReadTitles(std::map<std::uint32_t, std::string> &titles, std::string &error) const {
  Tree tree;
  if (!OpenFileTree(*this, "|TTLBTREE", tree, error)) {
    return false;
  }
  titles.clear();
  auto readEntry = [&titles](Cursor &entry, std::string &) {
    std::uint32_t offset = 0;
    std::string title;
    if (!entry.U32(offset) || !entry.Text(title)) {
      return false;
    }
    titles[offset] = title;
    return true;
  };
  return ForEachLeafEntry(bytes_, tree, "|TTLBTREE", readEntry, error);
}

bool HlpFile::ReadContextMap(std::vector<MapEntry> &entries, std::string &error) const {
  const InternalFile *map = Find("|CTXOMAP");
  if (map == nullptr) {
    error = "the help file has no |CTXOMAP";
    return false;
  }
  Cursor at(bytes_, map->ContentOffset(), std::size_t(map->ContentOffset()) + map->used);
  std::uint16_t count = 0;
  if (!at.U16(count)) {
    error = "|CTXOMAP is cut short";
    return false;
  }
  entries.assign(count, MapEntry{});
  for (MapEntry &entry : entries) {
    if (!at.U32(entry.number) || !at.U32(entry.topicOffset)) {
      error = "|CTXOMAP holds fewer entries than it counts";
      return false;
    }
  }
  return true;
}

bool HlpFile::ReadContentsOffset(std::uint32_t &offset, std::string &error) const {
  constexpr std::uint16_t kSystemMagic = 0x036C;
  constexpr std::uint16_t kContentsRecord = 3;
  const InternalFile *system = Find("|SYSTEM");
  if (system == nullptr) {
    error = "the help file has no |SYSTEM";
    return false;
  }
  Cursor at(bytes_, system->ContentOffset(), std::size_t(system->ContentOffset()) + system->used);
  std::uint16_t magic = 0, minor = 0;
  if (!at.U16(magic) || magic != kSystemMagic || !at.U16(minor) || !at.Skip(8)) {
    error = "|SYSTEM has no valid header";
    return false;
  }
  offset = 0;
  std::uint16_t type = 0, size = 0;
  while (at.U16(type) && at.U16(size)) {
    std::size_t recordStart = at.Pos();
    if (type == kContentsRecord && size >= 4) {
      return at.U32(offset);
    }
    if (!at.Skip(size) || at.Pos() != recordStart + size) {
      break;
    }
  }
  return true;
}

} // namespace hlp
