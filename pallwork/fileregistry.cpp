#include "pallwork/fileregistry.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char *kNoEquals = "no \"=\" between a name and a value";
constexpr const char *kNoName = "no name before \"=\"";
constexpr const char *kBadSection = "a section line is not of the form [Name]";
constexpr const char *kZeroByte = "a zero byte in the line";
constexpr const char *kRepeated = "the name is given again; the first one is kept";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string Trimmed(const std::string &text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin]))
    ++begin;
  while (end > begin && IsBlank(text[end - 1]))
    --end;
  return text.substr(begin, end - begin);
}

// A whole decimal number of at most 32 bits.
bool ReadNumber(const std::string &text, std::uint32_t &number) {
  if (text.empty() || text.size() > 10)
    return false;
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9')
      return false;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  if (value > UINT32_MAX)
    return false;
  number = static_cast<std::uint32_t>(value);
  return true;
}

bool IsQuoted(const std::string &text) {
  return text.size() >= 2 && text.front() == '"' && text.back() == '"';
}

bool SameName(const char *a, const char *b) { return CompareNamesNoCase(a, b) == 0; }

} // namespace

pwFileRegistry::pwFileRegistry(const char *key) : key_(key) {}

void pwFileRegistry::Skip(int number, const char *reason) {
  problems_.push_back(pwFileProblem{number, String(reason)});
}

void pwFileRegistry::ReadText(const char *text, std::size_t length) {
  String section = key_;
  int number = 0;
  std::size_t start = 0;
  while (start < length) {
    const void *found = std::memchr(text + start, '\n', length - start);
    const std::size_t end = found != nullptr
                                ? static_cast<std::size_t>(static_cast<const char *>(found) - text)
                                : length;
    ++number;
    const std::string line(text + start, end - start);
    // String ends at a zero byte, so a line holding one would be read short.
    if (line.find('\0') != std::string::npos)
      Skip(number, kZeroByte);
    else
      ReadLine(Trimmed(line).c_str(), number, section);
    start = end + 1;
  }
}

void pwFileRegistry::ReadLine(String line, int number, String &section) {
  const std::string text(line.CStr());
  if (text.empty() || text[0] == '#' || text[0] == ';')
    return;
  if (text[0] == '[') {
    const std::string name = text.size() >= 2 && text.back() == ']'
                                 ? Trimmed(text.substr(1, text.size() - 2))
                                 : std::string();
    if (name.empty() || name.find('\\') != std::string::npos) {
      Skip(number, kBadSection);
      return;
    }
    section = key_ + "\\";
    section += name.c_str();
    return;
  }
  const std::size_t equals = text.find('=');
  if (equals == std::string::npos) {
    Skip(number, kNoEquals);
    return;
  }
  const std::string name = Trimmed(text.substr(0, equals));
  if (name.empty()) {
    Skip(number, kNoName);
    return;
  }
  StoreValue(section, name.c_str(), Trimmed(text.substr(equals + 1)).c_str(), number);
}

void pwFileRegistry::StoreValue(const String &section, const String &name, const String &value,
                                int number) {
  if (LineOf(section, name) != 0) {
    Skip(number, kRepeated);
    return;
  }
  pwRegKey key = nullptr;
  if (memory_.CreateKey(section, &key) != kRegSuccess)
    return;
  const std::string text(value.CStr());
  std::uint32_t dword = 0;
  if (!IsQuoted(text) && ReadNumber(text, dword)) {
    const unsigned char bytes[4] = {
        static_cast<unsigned char>(dword), static_cast<unsigned char>(dword >> 8),
        static_cast<unsigned char>(dword >> 16), static_cast<unsigned char>(dword >> 24)};
    memory_.SetValue(key, name, kRegTypeDword, bytes, sizeof bytes);
  } else {
    const std::string stored = IsQuoted(text) ? text.substr(1, text.size() - 2) : text;
    memory_.SetValue(key, name, kRegTypeString,
                     reinterpret_cast<const unsigned char *>(stored.c_str()),
                     static_cast<std::uint32_t>(stored.size() + 1));
  }
  memory_.CloseKey(key);
  values_.push_back(pwFileValue{section, name, number});
}

Error pwFileRegistry::ReadFile(const char *path) {
  std::FILE *file = std::fopen(path, "rb");
  if (file == nullptr) {
    if (errno == ENOENT)
      return Error();
    return MakeError(String("cannot read ") + path + ": " + std::strerror(errno));
  }
  std::string text;
  char buffer[4096];
  std::size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
    text.append(buffer, got);
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  // A directory opens on some systems and fails only when read.
  if (failed)
    return MakeError(String("cannot read ") + path);
  ReadText(text.data(), text.size());
  return Error();
}

int pwFileRegistry::LineOf(const char *key, const char *name) const {
  for (const pwFileValue &value : values_)
    if (SameName(value.key, key) && SameName(value.name, name))
      return value.line;
  return 0;
}

long pwFileRegistry::CreateKey(const char *path, pwRegKey *key) {
  return memory_.CreateKey(path, key);
}

long pwFileRegistry::CloseKey(pwRegKey key) { return memory_.CloseKey(key); }

long pwFileRegistry::QueryValue(pwRegKey key, const char *name, std::uint32_t *type,
                                unsigned char *data, std::uint32_t *size) {
  return memory_.QueryValue(key, name, type, data, size);
}

long pwFileRegistry::SetValue(pwRegKey key, const char *name, std::uint32_t type,
                              const unsigned char *data, std::uint32_t size) {
  return memory_.SetValue(key, name, type, data, size);
}

long pwFileRegistry::DeleteValue(pwRegKey key, const char *name) {
  return memory_.DeleteValue(key, name);
}

long pwFileRegistry::QueryLongestValueName(pwRegKey key, std::uint32_t *length) {
  return memory_.QueryLongestValueName(key, length);
}

long pwFileRegistry::EnumValue(pwRegKey key, std::uint32_t index, char *name,
                               std::uint32_t *nameSize, std::uint32_t *type) {
  return memory_.EnumValue(key, index, name, nameSize, type);
}
