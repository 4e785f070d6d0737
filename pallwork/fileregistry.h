#pragma once

#include "foundation/error.h"
#include "foundation/string.h"
#include "pallwork/memregistry.h"
#include "pallwork/regbackend.h"

#include <cstdint>
#include <vector>

// A value of a registry file, where it was read.
struct pwFileValue {
  String key;
  String name;
  int line;
};

// A line of a registry file that was skipped, and why.
struct pwFileProblem {
  int line = 0; // from 1
  String reason;
};

// One registry key and its sub-keys read from a text file, for systems that
// keep settings in files. The file is laid out as the key is:
//
//   # a comment
//   InfoLine = 1
//   ScreenShotDirectory = "/home/ann/shots"
//   [Schemes]
//   Ferns = 12,1,...
//
// Lines before any "[Name]" line are values of the key itself; a "[Name]"
// line starts its sub-key Name. A value written as a whole decimal number of
// 32 bits is a number (REG_DWORD), anything else text; double quotes round
// a value make it text whatever it holds. Lines that do not read are skipped
// and noted. The file is only read: what is written goes to memory alone.
class pwFileRegistry final : public pwRegistryBackend {
public:
  // `key`: the key the file's top lines belong to.
  explicit pwFileRegistry(const char *key);
  pwFileRegistry(const pwFileRegistry &) = delete;
  pwFileRegistry &operator=(const pwFileRegistry &) = delete;

  // Adds the values of a file's text; may be called once.
  void ReadText(const char *text, std::size_t length);
  // A missing file reads as empty; one that exists but cannot be read fails.
  [[nodiscard]] Error ReadFile(const char *path);

  const std::vector<pwFileProblem> &Problems() const { return problems_; }
  // Every value read, in the file's order.
  const std::vector<pwFileValue> &Values() const { return values_; }
  // The line a value was read from, or 0.
  int LineOf(const char *key, const char *name) const;

  long CreateKey(const char *path, pwRegKey *key) override;
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
  void ReadLine(String line, int number, String &section);
  void StoreValue(const String &section, const String &name, const String &value, int number);
  void Skip(int number, const char *reason);

  String key_;
  pwMemoryRegistry memory_;
  std::vector<pwFileValue> values_;
  std::vector<pwFileProblem> problems_;
};
