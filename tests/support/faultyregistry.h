#pragma once

#include "pallwork/memregistry.h"

#include <cstdint>
#include <limits>

// The calls of a registry backend, for aiming injected failures.
enum class RegCall {
  CreateKey,
  OpenKeyForReading,
  CloseKey,
  QueryValue,
  SetValue,
  DeleteValue,
  QueryLongestValueName,
  EnumValue,
};

// An in-memory registry that can be told to fail: every call first asks the
// injector, and an injected failure returns its code without reaching the
// registry, so it changes nothing. Given another registry, it passes the
// calls there instead of to its own memory.
class FaultyRegistry final : public pwRegistryBackend {
public:
  // A count for FailNext that never runs out.
  static constexpr int kEveryCall = std::numeric_limits<int>::max();

  FaultyRegistry() = default;
  explicit FaultyRegistry(pwRegistryBackend &inner) : inner_(&inner) {}
  FaultyRegistry(const FaultyRegistry &) = delete;
  FaultyRegistry &operator=(const FaultyRegistry &) = delete;

  // After `skip` more calls of that kind succeed as usual, the next `count`
  // fail with `code` and change nothing.
  void FailNext(RegCall call, int count, long code, int skip = 0);

  // Of its own memory.
  bool HasKey(const char *path) const { return memory_.HasKey(path); }
  int OpenKeyCount() const { return memory_.OpenKeyCount(); }
  void SetKeyReadOnly(const char *path) { memory_.SetKeyReadOnly(path); }

  long CreateKey(const char *path, pwRegKey *key) override;
  long OpenKeyForReading(const char *path, pwRegKey *key) override;
  long CloseKey(pwRegKey key) override;
  long QueryValue(pwRegKey key, const char *name, std::uint32_t *type, unsigned char *data,
                  std::uint32_t *size) override;
  long SetValue(pwRegKey key, const char *name, std::uint32_t type, const unsigned char *data,
                std::uint32_t size) override;
  long DeleteValue(pwRegKey key, const char *name) override;
  long QueryLongestValueName(pwRegKey key, std::uint32_t *length) override;
  long EnumValue(pwRegKey key, std::uint32_t index, char *name, std::uint32_t *nameSize,
                 std::uint32_t *type) override;

private:
  static constexpr int kCallCount = static_cast<int>(RegCall::EnumValue) + 1;
  struct InjectedFailure {
    int skip = 0;
    int remaining = 0;
    long code = 0;
  };

  long TakeInjectedFailure(RegCall call);
  pwRegistryBackend &Inner() { return inner_ != nullptr ? *inner_ : memory_; }

  pwMemoryRegistry memory_;
  pwRegistryBackend *inner_ = nullptr; // not owned
  InjectedFailure failures_[kCallCount];
};
