#include "pallwork/win32/win32registry.h"

#include <windows.h>

namespace {

constexpr DWORD kMaxKeyNameSize = 256; // 255 characters and the NUL

HKEY ToHkey(pwRegKey key) { return static_cast<HKEY>(key); }

class ScopedRegKey {
public:
  ScopedRegKey() = default;
  ~ScopedRegKey() {
    if (key_ != nullptr)
      RegCloseKey(key_);
  }
  ScopedRegKey(const ScopedRegKey &) = delete;
  ScopedRegKey &operator=(const ScopedRegKey &) = delete;

  HKEY Get() const { return key_; }
  HKEY *Out() { return &key_; }

private:
  HKEY key_ = nullptr;
};

LONG DeleteKeyTree(HKEY parent, const char *name) {
  LONG result;
  {
    ScopedRegKey key;
    result = RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, key.Out());
    if (result != ERROR_SUCCESS)
      return result;
    // Always index 0: each deletion moves the next child there.
    for (;;) {
      char child[kMaxKeyNameSize];
      DWORD size = kMaxKeyNameSize;
      result = RegEnumKeyExA(key.Get(), 0, child, &size, nullptr, nullptr, nullptr, nullptr);
      if (result != ERROR_SUCCESS)
        break;
      result = DeleteKeyTree(key.Get(), child);
      if (result != ERROR_SUCCESS)
        return result;
    }
  }
  if (result != ERROR_NO_MORE_ITEMS)
    return result;
  return RegDeleteKeyA(parent, name);
}

} // namespace

pwWin32Registry::pwWin32Registry(const char *root) : root_(root != nullptr ? root : "") {}

String pwWin32Registry::FullPath(const char *path) const {
  if (root_.IsEmpty())
    return path;
  if (*path == '\0')
    return root_;
  return root_ + "\\" + path;
}

long pwWin32Registry::CreateKey(const char *path, pwRegKey *key) {
  if (path == nullptr || key == nullptr)
    return kRegInvalidParameter;
  static char noClass[] = "";
  HKEY opened = nullptr;
  DWORD disposition = 0;
  const LONG result =
      RegCreateKeyExA(HKEY_CURRENT_USER, FullPath(path).CStr(), 0, noClass, REG_OPTION_NON_VOLATILE,
                      KEY_ALL_ACCESS, nullptr, &opened, &disposition);
  if (result == ERROR_SUCCESS)
    *key = opened;
  return result;
}

long pwWin32Registry::OpenKeyForReading(const char *path, pwRegKey *key) {
  if (path == nullptr || key == nullptr)
    return kRegInvalidParameter;
  HKEY opened = nullptr;
  const LONG result = RegOpenKeyExA(HKEY_CURRENT_USER, FullPath(path).CStr(), 0, KEY_READ, &opened);
  if (result == ERROR_SUCCESS)
    *key = opened;
  return result;
}

long pwWin32Registry::CloseKey(pwRegKey key) { return RegCloseKey(ToHkey(key)); }

long pwWin32Registry::QueryValue(pwRegKey key, const char *name, std::uint32_t *type,
                                 unsigned char *data, std::uint32_t *size) {
  DWORD valueType = 0;
  DWORD valueSize = size != nullptr ? *size : 0;
  const LONG result =
      RegQueryValueExA(ToHkey(key), name, nullptr, type != nullptr ? &valueType : nullptr, data,
                       size != nullptr ? &valueSize : nullptr);
  if (type != nullptr)
    *type = valueType;
  if (size != nullptr)
    *size = valueSize;
  return result;
}

long pwWin32Registry::SetValue(pwRegKey key, const char *name, std::uint32_t type,
                               const unsigned char *data, std::uint32_t size) {
  return RegSetValueExA(ToHkey(key), name, 0, type, data, size);
}

long pwWin32Registry::DeleteValue(pwRegKey key, const char *name) {
  return RegDeleteValueA(ToHkey(key), name);
}

long pwWin32Registry::QueryLongestValueName(pwRegKey key, std::uint32_t *length) {
  DWORD longest = 0;
  const LONG result = RegQueryInfoKeyA(ToHkey(key), nullptr, nullptr, nullptr, nullptr, nullptr,
                                       nullptr, nullptr, &longest, nullptr, nullptr, nullptr);
  if (result == ERROR_SUCCESS)
    *length = longest;
  return result;
}

long pwWin32Registry::EnumValue(pwRegKey key, std::uint32_t index, char *name,
                                std::uint32_t *nameSize, std::uint32_t *type) {
  DWORD size = *nameSize;
  DWORD valueType = 0;
  const LONG result = RegEnumValueA(ToHkey(key), index, name, &size, nullptr,
                                    type != nullptr ? &valueType : nullptr, nullptr, nullptr);
  *nameSize = size;
  if (type != nullptr)
    *type = valueType;
  return result;
}

long pwWin32Registry::DeleteRootTree() {
  if (root_.IsEmpty())
    return kRegInvalidParameter; // never the whole hive
  return DeleteKeyTree(HKEY_CURRENT_USER, root_.CStr());
}

pwRegistryBackend &BuiltInRegistryBackend() {
  static pwWin32Registry registry;
  return registry;
}
