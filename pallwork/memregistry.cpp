#include "pallwork/memregistry.h"

#include <cstring>

namespace {

constexpr char kPathSeparator = '\\';

// The next non-empty component of a backslash path from *cursor on, moving
// the cursor past it; empty when the path has no more.
String NextComponent(const char *&cursor) {
  while (*cursor == kPathSeparator)
    ++cursor;
  const char *const begin = cursor;
  while (*cursor != '\0' && *cursor != kPathSeparator)
    ++cursor;
  return String(begin).Left(static_cast<int>(cursor - begin));
}

// Registry names ignore the case of ASCII letters only, as this ordering does.
bool SameName(const char *a, const char *b) { return CompareNamesNoCase(a, b) == 0; }

DynArray<unsigned char> Bytes(const unsigned char *data, std::uint32_t size) {
  DynArray<unsigned char> bytes(size > 0 ? static_cast<std::int32_t>(size) : 1);
  for (std::uint32_t i = 0; i < size; ++i)
    bytes.Add(data[i]);
  return bytes;
}

} // namespace

pwMemoryRegistry::Key::~Key() {
  for (std::int32_t i = 0; i < values.Count(); ++i)
    delete values[i];
  for (std::int32_t i = 0; i < subKeys.Count(); ++i)
    delete subKeys[i];
}

pwMemoryRegistry::pwMemoryRegistry() : root_(new Key) {}

pwMemoryRegistry::~pwMemoryRegistry() { delete root_; }

std::int32_t pwMemoryRegistry::HandleIndex(pwRegKey key) const {
  for (std::int32_t i = 0; i < openHandles_.Count(); ++i) {
    if (openHandles_[i].key == key)
      return i;
  }
  return -1;
}

pwMemoryRegistry::Key *pwMemoryRegistry::OpenKey(pwRegKey key) const {
  const std::int32_t index = HandleIndex(key);
  return index >= 0 ? openHandles_[index].key : nullptr;
}

pwMemoryRegistry::Key *pwMemoryRegistry::FindSubKey(const Key &key, const String &name) {
  for (std::int32_t i = 0; i < key.subKeys.Count(); ++i) {
    if (SameName(key.subKeys[i]->name, name))
      return key.subKeys[i];
  }
  return nullptr;
}

pwMemoryRegistry::Key *pwMemoryRegistry::FindKey(const char *path) const {
  Key *key = root_;
  for (String component = NextComponent(path); !component.IsEmpty();
       component = NextComponent(path)) {
    key = FindSubKey(*key, component);
    if (key == nullptr)
      return nullptr;
  }
  return key;
}

std::int32_t pwMemoryRegistry::ValueIndex(const Key &key, const char *name) {
  for (std::int32_t i = 0; i < key.values.Count(); ++i) {
    if (SameName(key.values[i]->name, name != nullptr ? name : ""))
      return i;
  }
  return -1;
}

long pwMemoryRegistry::CreateKey(const char *path, pwRegKey *key) {
  if (path == nullptr || key == nullptr)
    return kRegInvalidParameter;
  Key *current = root_;
  for (String component = NextComponent(path); !component.IsEmpty();
       component = NextComponent(path)) {
    Key *child = FindSubKey(*current, component);
    if (child == nullptr) {
      if (current->readOnly)
        return kRegAccessDenied;
      child = new Key(component);
      current->subKeys.Add(child);
    }
    current = child;
  }
  if (current->readOnly)
    return kRegAccessDenied;
  AddHandle(current);
  *key = current;
  return kRegSuccess;
}

long pwMemoryRegistry::OpenKeyForReading(const char *path, pwRegKey *key) {
  if (path == nullptr || key == nullptr)
    return kRegInvalidParameter;
  Key *const found = FindKey(path);
  if (found == nullptr)
    return kRegFileNotFound;
  AddHandle(found);
  *key = found;
  return kRegSuccess;
}

void pwMemoryRegistry::AddHandle(Key *key) {
  const std::int32_t handle = HandleIndex(key);
  if (handle >= 0)
    ++openHandles_[handle].count;
  else
    openHandles_.Add(OpenHandle{key, 1});
}

void pwMemoryRegistry::SetKeyReadOnly(const char *path) {
  pwRegKey opened = nullptr;
  if (CreateKey(path, &opened) == kRegSuccess)
    CloseKey(opened);
  if (Key *const key = FindKey(path))
    key->readOnly = true;
}

long pwMemoryRegistry::CloseKey(pwRegKey key) {
  const std::int32_t handle = HandleIndex(key);
  if (handle < 0)
    return kRegInvalidHandle;
  if (--openHandles_[handle].count == 0)
    openHandles_.RemoveAt(handle);
  return kRegSuccess;
}

long pwMemoryRegistry::QueryValue(pwRegKey key, const char *name, std::uint32_t *type,
                                  unsigned char *data, std::uint32_t *size) {
  Key *const open = OpenKey(key);
  if (open == nullptr)
    return kRegInvalidHandle;
  if (data != nullptr && size == nullptr)
    return kRegInvalidParameter;
  const std::int32_t index = ValueIndex(*open, name);
  if (index < 0)
    return kRegFileNotFound;
  const Value &value = *open->values[index];
  if (type != nullptr)
    *type = value.type;
  if (size == nullptr)
    return kRegSuccess;
  const std::uint32_t stored = static_cast<std::uint32_t>(value.data.Count());
  const bool fits = *size >= stored;
  *size = stored;
  if (data == nullptr)
    return kRegSuccess;
  if (!fits)
    return kRegMoreData;
  for (std::uint32_t i = 0; i < stored; ++i)
    data[i] = value.data[static_cast<std::int32_t>(i)];
  return kRegSuccess;
}

long pwMemoryRegistry::SetValue(pwRegKey key, const char *name, std::uint32_t type,
                                const unsigned char *data, std::uint32_t size) {
  Key *const open = OpenKey(key);
  if (open == nullptr)
    return kRegInvalidHandle;
  if (data == nullptr && size != 0)
    return kRegInvalidParameter;
  if (open->readOnly)
    return kRegAccessDenied;
  const std::int32_t index = ValueIndex(*open, name);
  Value *value = index >= 0 ? open->values[index] : nullptr;
  if (value == nullptr) {
    value = new Value;
    value->name = name != nullptr ? name : "";
    open->values.Add(value);
  }
  value->type = type;
  value->data = Bytes(data, size);
  return kRegSuccess;
}

long pwMemoryRegistry::DeleteValue(pwRegKey key, const char *name) {
  Key *const open = OpenKey(key);
  if (open == nullptr)
    return kRegInvalidHandle;
  if (open->readOnly)
    return kRegAccessDenied;
  const std::int32_t index = ValueIndex(*open, name);
  if (index < 0)
    return kRegFileNotFound;
  delete open->values.RemoveAt(index);
  return kRegSuccess;
}

long pwMemoryRegistry::QueryLongestValueName(pwRegKey key, std::uint32_t *length) {
  Key *const open = OpenKey(key);
  if (open == nullptr)
    return kRegInvalidHandle;
  std::uint32_t longest = 0;
  for (std::int32_t i = 0; i < open->values.Count(); ++i) {
    const std::uint32_t nameLength = static_cast<std::uint32_t>(open->values[i]->name.Length());
    if (nameLength > longest)
      longest = nameLength;
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
  if (index >= static_cast<std::uint32_t>(open->values.Count()))
    return kRegNoMoreItems;
  const Value &value = *open->values[static_cast<std::int32_t>(index)];
  const std::uint32_t length = static_cast<std::uint32_t>(value.name.Length());
  if (*nameSize < length + 1)
    return kRegMoreData;
  std::memcpy(name, value.name.CStr(), length + 1);
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
  for (std::int32_t i = 0; i < openHandles_.Count(); ++i)
    count += openHandles_[i].count;
  return count;
}

void pwMemoryRegistry::Clear() {
  openHandles_ = DynArray<OpenHandle>();
  delete root_;
  root_ = new Key;
}
