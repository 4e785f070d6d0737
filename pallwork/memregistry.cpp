#include "pallwork/memregistry.h"

#include <cassert>
#include <cstring>

namespace {

constexpr char kPathSeparator = '\\';

// Registry names ignore the case of ASCII letters only.
std::string Folded(const char *name) {
  std::string folded(name != nullptr ? name : "");
  for (char &c : folded) {
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 'a' + 'A');
  }
  return folded;
}

std::vector<std::string> PathComponents(const char *path) {
  std::vector<std::string> components;
  std::string current;
  for (const char *p = path; *p != '\0'; ++p) {
    if (*p != kPathSeparator) {
      current += *p;
      continue;
    }
    if (!current.empty())
      components.push_back(current);
    current.clear();
  }
  if (!current.empty())
    components.push_back(current);
  return components;
}

} // namespace

pwMemoryRegistry::pwMemoryRegistry() : root_(new Key) {}

pwMemoryRegistry::~pwMemoryRegistry() = default;

pwMemoryRegistry::Key *pwMemoryRegistry::OpenKey(pwRegKey key) const {
  Key *const candidate = static_cast<Key *>(key);
  return openHandles_.count(candidate) != 0 ? candidate : nullptr;
}

pwMemoryRegistry::Key *pwMemoryRegistry::FindKey(const char *path) const {
  Key *key = root_.get();
  for (const std::string &component : PathComponents(path)) {
    const auto found = key->subKeys.find(Folded(component.c_str()));
    if (found == key->subKeys.end())
      return nullptr;
    key = found->second.get();
  }
  return key;
}

pwMemoryRegistry::Value *pwMemoryRegistry::FindValue(Key &key, const char *name) const {
  const std::string wanted = Folded(name);
  for (Value &value : key.values) {
    if (Folded(value.name.c_str()) == wanted)
      return &value;
  }
  return nullptr;
}

long pwMemoryRegistry::CreateKey(const char *path, pwRegKey *key) {
  if (path == nullptr || key == nullptr)
    return kRegInvalidParameter;
  Key *current = root_.get();
  for (const std::string &component : PathComponents(path)) {
    std::unique_ptr<Key> &child = current->subKeys[Folded(component.c_str())];
    if (!child)
      child.reset(new Key);
    current = child.get();
  }
  ++openHandles_[current];
  *key = current;
  return kRegSuccess;
}

long pwMemoryRegistry::CloseKey(pwRegKey key) {
  const auto found = openHandles_.find(static_cast<Key *>(key));
  if (found == openHandles_.end())
    return kRegInvalidHandle;
  if (--found->second == 0)
    openHandles_.erase(found);
  return kRegSuccess;
}

long pwMemoryRegistry::QueryValue(pwRegKey key, const char *name, std::uint32_t *type,
                                  unsigned char *data, std::uint32_t *size) {
  Key *const open = OpenKey(key);
  if (open == nullptr)
    return kRegInvalidHandle;
  if (data != nullptr && size == nullptr)
    return kRegInvalidParameter;
  const Value *const value = FindValue(*open, name);
  if (value == nullptr)
    return kRegFileNotFound;
  if (type != nullptr)
    *type = value->type;
  if (size == nullptr)
    return kRegSuccess;
  const std::uint32_t stored = static_cast<std::uint32_t>(value->data.size());
  const bool fits = *size >= stored;
  *size = stored;
  if (data == nullptr)
    return kRegSuccess;
  if (!fits)
    return kRegMoreData;
  if (stored != 0)
    std::memcpy(data, value->data.data(), stored);
  return kRegSuccess;
}

long pwMemoryRegistry::SetValue(pwRegKey key, const char *name, std::uint32_t type,
                                const unsigned char *data, std::uint32_t size) {
  Key *const open = OpenKey(key);
  if (open == nullptr)
    return kRegInvalidHandle;
  if (data == nullptr && size != 0)
    return kRegInvalidParameter;
  std::vector<unsigned char> bytes(data, data + size);
  if (Value *const existing = FindValue(*open, name)) {
    existing->type = type;
    existing->data.swap(bytes);
    return kRegSuccess;
  }
  open->values.push_back(Value{name != nullptr ? name : "", type, std::move(bytes)});
  return kRegSuccess;
}

long pwMemoryRegistry::DeleteValue(pwRegKey key, const char *name) {
  Key *const open = OpenKey(key);
  if (open == nullptr)
    return kRegInvalidHandle;
  const Value *const value = FindValue(*open, name);
  if (value == nullptr)
    return kRegFileNotFound;
  open->values.erase(open->values.begin() + (value - open->values.data()));
  return kRegSuccess;
}

long pwMemoryRegistry::QueryLongestValueName(pwRegKey key, std::uint32_t *length) {
  Key *const open = OpenKey(key);
  if (open == nullptr)
    return kRegInvalidHandle;
  std::uint32_t longest = 0;
  for (const Value &value : open->values) {
    if (value.name.size() > longest)
      longest = static_cast<std::uint32_t>(value.name.size());
  }
  *length = longest;
  return kRegSuccess;
}

long pwMemoryRegistry::EnumValue(pwRegKey key, std::uint32_t index, char *name,
                                 std::uint32_t *nameSize, std::uint32_t *type) {
  Key *const open = OpenKey(key);
  if (open == nullptr)
    return kRegInvalidHandle;
  if (name == nullptr || nameSize == nullptr)
    return kRegInvalidParameter;
  if (index >= open->values.size())
    return kRegNoMoreItems;
  const Value &value = open->values[index];
  const std::uint32_t length = static_cast<std::uint32_t>(value.name.size());
  if (*nameSize < length + 1)
    return kRegMoreData;
  std::memcpy(name, value.name.c_str(), length + 1);
  *nameSize = length;
  if (type != nullptr)
    *type = value.type;
  return kRegSuccess;
}

bool pwMemoryRegistry::HasKey(const char *path) const {
  return path != nullptr && FindKey(path) != nullptr;
}

int pwMemoryRegistry::OpenKeyCount() const {
  int count = 0;
  for (const auto &handle : openHandles_)
    count += handle.second;
  return count;
}

void pwMemoryRegistry::Clear() {
  openHandles_.clear();
  root_.reset(new Key);
}
