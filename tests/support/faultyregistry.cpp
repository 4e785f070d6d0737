#include "tests/support/faultyregistry.h"

#include <cassert>

void FaultyRegistry::FailNext(RegCall call, int count, long code, int skip) {
  assert(count >= 0 && skip >= 0 && code != kRegSuccess);
  failures_[static_cast<int>(call)] = InjectedFailure{skip, count, code};
}

long FaultyRegistry::TakeInjectedFailure(RegCall call) {
  InjectedFailure &failure = failures_[static_cast<int>(call)];
  if (failure.remaining == 0)
    return kRegSuccess;
  if (failure.skip > 0) {
    --failure.skip;
    return kRegSuccess;
  }
  --failure.remaining;
  return failure.code;
}

long FaultyRegistry::CreateKey(const char *path, pwRegKey *key) {
  if (const long injected = TakeInjectedFailure(RegCall::CreateKey))
    return injected;
  return Inner().CreateKey(path, key);
}

long FaultyRegistry::OpenKeyForReading(const char *path, pwRegKey *key) {
  if (const long injected = TakeInjectedFailure(RegCall::OpenKeyForReading))
    return injected;
  return memory_.OpenKeyForReading(path, key);
}

long FaultyRegistry::CloseKey(pwRegKey key) {
  if (const long injected = TakeInjectedFailure(RegCall::CloseKey))
    return injected;
  return Inner().CloseKey(key);
}

long FaultyRegistry::QueryValue(pwRegKey key, const char *name, std::uint32_t *type,
                                unsigned char *data, std::uint32_t *size) {
  if (const long injected = TakeInjectedFailure(RegCall::QueryValue))
    return injected;
  return Inner().QueryValue(key, name, type, data, size);
}

long FaultyRegistry::SetValue(pwRegKey key, const char *name, std::uint32_t type,
                              const unsigned char *data, std::uint32_t size) {
  if (const long injected = TakeInjectedFailure(RegCall::SetValue))
    return injected;
  return Inner().SetValue(key, name, type, data, size);
}

long FaultyRegistry::DeleteValue(pwRegKey key, const char *name) {
  if (const long injected = TakeInjectedFailure(RegCall::DeleteValue))
    return injected;
  return Inner().DeleteValue(key, name);
}

long FaultyRegistry::QueryLongestValueName(pwRegKey key, std::uint32_t *length) {
  if (const long injected = TakeInjectedFailure(RegCall::QueryLongestValueName))
    return injected;
  return Inner().QueryLongestValueName(key, length);
}

long FaultyRegistry::EnumValue(pwRegKey key, std::uint32_t index, char *name,
                               std::uint32_t *nameSize, std::uint32_t *type) {
  if (const long injected = TakeInjectedFailure(RegCall::EnumValue))
    return injected;
  return Inner().EnumValue(key, index, name, nameSize, type);
}
