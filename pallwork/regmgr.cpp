#include "pallwork/regmgr.h"

#include <cassert>
#include <cstring>

namespace {

constexpr char kKeyFailure[] = "Unable to create the registry key";
constexpr char kEnumerationFailure[] = "Enumeration failed";
constexpr std::uint32_t kDwordSize = 4;

Error ValueFailure(const char *verb, const char *name) {
  String message("Unable to ");
  message += verb;
  message += " the '";
  message += name; // a null name is the key's default value, shown as empty
  message += "' registry value";
  return Error(kSeverityError, message);
}

Error ReadFailure(const char *name) { return ValueFailure("read", name); }
Error WriteFailure(const char *name) { return ValueFailure("write", name); }

} // namespace

pwRegistryMgr::pwRegistryMgr(const char *subKey, pwRegAccess access)
    : pwRegistryMgr(subKey, DefaultRegistryBackend(), access) {}

pwRegistryMgr::pwRegistryMgr(const char *subKey, pwRegistryBackend &backend, pwRegAccess access)
    : backend_(backend) {
  pwRegKey opened = nullptr;
  const long result = access == pwRegAccess::ReadOnly ? backend_.OpenKeyForReading(subKey, &opened)
                                                      : backend_.CreateKey(subKey, &opened);
  if (result == kRegSuccess)
    key_ = opened;
  missing_ =
      access == pwRegAccess::ReadOnly && (result == kRegFileNotFound || result == kRegPathNotFound);
}

pwRegistryMgr::~pwRegistryMgr() {
  if (key_ != nullptr)
    backend_.CloseKey(key_);
}

Error pwRegistryMgr::ReadString(const char *name, String &value) {
  if (missing_)
    return ReadFailure(name);
  if (key_ == nullptr)
    return MakeError(kKeyFailure);
  std::uint32_t size = 0;
  if (backend_.QueryValue(key_, name, nullptr, nullptr, &size) != kRegSuccess || size == UINT32_MAX)
    return ReadFailure(name);
  // One byte more than asked for, so text stored without its NUL still ends.
  unsigned char *buffer = new unsigned char[size + 1];
  std::uint32_t type = 0;
  const bool read = backend_.QueryValue(key_, name, &type, buffer, &size) == kRegSuccess &&
                    type == kRegTypeString;
  if (read) {
    buffer[size] = '\0';
    value = reinterpret_cast<const char *>(buffer);
  }
  delete[] buffer;
  return read ? Error() : ReadFailure(name);
}

Error pwRegistryMgr::WriteString(const char *name, const char *text) {
  if (key_ == nullptr)
    return MakeError(kKeyFailure);
  assert(text != nullptr);
  const std::uint32_t size = static_cast<std::uint32_t>(std::strlen(text)) + 1;
  const long result = backend_.SetValue(key_, name, kRegTypeString,
                                        reinterpret_cast<const unsigned char *>(text), size);
  return result == kRegSuccess ? Error() : WriteFailure(name);
}

Error pwRegistryMgr::ReadDword(const char *name, std::uint32_t &value) {
  if (missing_)
    return ReadFailure(name);
  if (key_ == nullptr)
    return MakeError(kKeyFailure);
  unsigned char bytes[kDwordSize] = {};
  std::uint32_t size = kDwordSize;
  std::uint32_t type = 0;
  if (backend_.QueryValue(key_, name, &type, bytes, &size) != kRegSuccess || type != kRegTypeDword)
    return ReadFailure(name);
  // REG_DWORD is little-endian whatever the host is.
  value = static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
          static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
  return Error();
}

Error pwRegistryMgr::WriteDword(const char *name, std::uint32_t value) {
  if (key_ == nullptr)
    return MakeError(kKeyFailure);
  const unsigned char bytes[kDwordSize] = {
      static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
      static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
  const long result = backend_.SetValue(key_, name, kRegTypeDword, bytes, kDwordSize);
  return result == kRegSuccess ? Error() : WriteFailure(name);
}

Error pwRegistryMgr::DeleteValue(const char *name) {
  if (key_ == nullptr)
    return MakeError(kKeyFailure);
  const long result = backend_.DeleteValue(key_, name);
  // Deleting what is not there leaves the registry as asked.
  if (result == kRegSuccess || result == kRegFileNotFound || result == kRegPathNotFound)
    return Error();
  return ValueFailure("delete", name);
}

Error pwRegistryMgr::EnumValue(std::uint32_t index, bool &found, String &name,
                               std::uint32_t *type) {
  found = false;
  if (missing_)
    return Error(); // a key that is not there has no values
  if (key_ == nullptr)
    return MakeError(kKeyFailure);
  if (index == 0) {
    std::uint32_t longest = 0;
    if (backend_.QueryLongestValueName(key_, &longest) != kRegSuccess)
      return MakeError(kEnumerationFailure);
    longestValueName_ = longest;
  }
  const std::uint32_t capacity = longestValueName_ + 1;
  name.SetCapacity(capacity);
  std::uint32_t nameSize = capacity;
  char *buffer = name.Buffer();
  const long result = backend_.EnumValue(key_, index, buffer, &nameSize, type);
  buffer[capacity - 1] = '\0'; // a name cut at the buffer's end may come back unterminated
  if (result == kRegSuccess) {
    found = true;
    return Error();
  }
  if (result == kRegNoMoreItems)
    return Error();
  return MakeError(kEnumerationFailure);
}

Error pwRegistryMgr::CopyValue(const char *name, pwRegValueCopy &copy) {
  copy = pwRegValueCopy();
  copy.name = name;
  if (missing_)
    return Error();
  if (key_ == nullptr)
    return MakeError(kKeyFailure);
  std::uint32_t size = 0;
  const long queried = backend_.QueryValue(key_, name, nullptr, nullptr, &size);
  if (queried == kRegFileNotFound)
    return Error();
  if (queried != kRegSuccess || size == UINT32_MAX)
    return ReadFailure(name);
  DynArray<unsigned char> bytes(size > 0 ? static_cast<std::int32_t>(size) : 1);
  for (std::uint32_t i = 0; i < size; ++i)
    bytes.Add(0);
  std::uint32_t type = 0;
  unsigned char *buffer = size > 0 ? &bytes[0] : nullptr;
  if (size > 0 && backend_.QueryValue(key_, name, &type, buffer, &size) != kRegSuccess)
    return ReadFailure(name);
  if (size == 0 && backend_.QueryValue(key_, name, &type, nullptr, &size) != kRegSuccess)
    return ReadFailure(name);
  copy.existed = true;
  copy.type = type;
  copy.data = bytes;
  return Error();
}

Error pwRegistryMgr::RestoreValue(const pwRegValueCopy &copy) {
  if (!copy.existed)
    return DeleteValue(copy.name);
  if (key_ == nullptr)
    return MakeError(kKeyFailure);
  const std::uint32_t size = static_cast<std::uint32_t>(copy.data.Count());
  const unsigned char *data = size > 0 ? &copy.data[0] : nullptr;
  const long result = backend_.SetValue(key_, copy.name, copy.type, data, size);
  return result == kRegSuccess ? Error() : WriteFailure(copy.name);
}
