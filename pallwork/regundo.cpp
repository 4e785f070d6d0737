#include "pallwork/regundo.h"

#include "pallwork/regbackend.h"

#include <cstring>

namespace {

constexpr std::uint32_t kDwordSize = 4;

bool Holds(const pwRegValueCopy &copy, std::uint32_t type, const unsigned char *data,
           std::uint32_t size) {
  if (!copy.existed || copy.type != type || copy.data.Count() != static_cast<std::int32_t>(size))
    return false;
  for (std::uint32_t i = 0; i < size; ++i)
    if (copy.data[static_cast<std::int32_t>(i)] != data[i])
      return false;
  return true;
}

} // namespace

bool pwRegistryUndo::IsRemembered(const char *name) const {
  for (std::int32_t i = 0; i < saved_.Count(); ++i)
    if (CompareNamesNoCase(saved_[i].name, name) == 0)
      return true;
  return false;
}

Error pwRegistryUndo::Remember(const char *name, std::uint32_t type, const unsigned char *data,
                               std::uint32_t size, bool &unchanged) {
  unchanged = false;
  if (IsRemembered(name))
    return Error();
  pwRegValueCopy copy;
  const Error copied = key_.CopyValue(name, copy);
  if (copied.Failed())
    return copied;
  unchanged = data != nullptr && Holds(copy, type, data, size);
  if (!unchanged)
    saved_.Add(copy);
  return Error();
}

Error pwRegistryUndo::WriteString(const char *name, const char *text) {
  const std::uint32_t size = static_cast<std::uint32_t>(std::strlen(text)) + 1;
  bool unchanged = false;
  const Error remembered = Remember(name, kRegTypeString,
                                    reinterpret_cast<const unsigned char *>(text), size, unchanged);
  if (remembered.Failed() || unchanged)
    return remembered;
  return key_.WriteString(name, text);
}

Error pwRegistryUndo::WriteDword(const char *name, std::uint32_t value) {
  const unsigned char bytes[kDwordSize] = {
      static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
      static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)};
  bool unchanged = false;
  const Error remembered = Remember(name, kRegTypeDword, bytes, kDwordSize, unchanged);
  if (remembered.Failed() || unchanged)
    return remembered;
  return key_.WriteDword(name, value);
}

Error pwRegistryUndo::DeleteValue(const char *name) {
  bool unchanged = false;
  const Error remembered = Remember(name, 0, nullptr, 0, unchanged);
  return remembered.Failed() ? remembered : key_.DeleteValue(name);
}

void pwRegistryUndo::RollBack() {
  for (std::int32_t i = saved_.Count() - 1; i >= 0; --i)
    (void)key_.RestoreValue(saved_[i]);
  saved_ = DynArray<pwRegValueCopy>();
}
