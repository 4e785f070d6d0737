#include "pallwork/regundo.h"

Error pwRegistryUndo::Remember(const char *name) {
  for (std::int32_t i = 0; i < saved_.Count(); ++i)
    if (CompareNamesNoCase(saved_[i].name, name) == 0)
      return Error();
  pwRegValueCopy copy;
  const Error copied = key_.CopyValue(name, copy);
  if (copied.Succeeded())
    saved_.Add(copy);
  return copied;
}

Error pwRegistryUndo::WriteString(const char *name, const char *text) {
  const Error remembered = Remember(name);
  return remembered.Failed() ? remembered : key_.WriteString(name, text);
}

Error pwRegistryUndo::WriteDword(const char *name, std::uint32_t value) {
  const Error remembered = Remember(name);
  return remembered.Failed() ? remembered : key_.WriteDword(name, value);
}

Error pwRegistryUndo::DeleteValue(const char *name) {
  const Error remembered = Remember(name);
  return remembered.Failed() ? remembered : key_.DeleteValue(name);
}

void pwRegistryUndo::RollBack() {
  for (std::int32_t i = saved_.Count() - 1; i >= 0; --i)
    (void)key_.RestoreValue(saved_[i]);
  saved_ = DynArray<pwRegValueCopy>();
}
