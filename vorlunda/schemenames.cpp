#include "vorlunda/schemenames.h"

#include "foundation/ascii.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr const char *kCopyOfPrefix = "Copy of ";
constexpr int kCopyOfLength = 8;
constexpr const char *kCopyPrefix = "Copy ";
constexpr int kCopyLength = 5;
constexpr const char *kOfSeparator = " of ";
constexpr int kOfLength = 4;

// The copy number saturates here, so a name with a huge number still gets a
// next one without overflowing.
constexpr std::int64_t kCopyNumberLimit = INT32_MAX;

struct CopyBase {
  String base;
  std::int64_t number;
};

bool AllDigits(const char *text, int begin, int end) {
  for (int i = begin; i < end; ++i)
    if (!IsAsciiDigit(text[i]))
      return false;
  return true;
}

std::int64_t ReadCopyNumber(const char *text, int begin, int end) {
  std::int64_t number = 0;
  for (int i = begin; i < end; ++i)
    number = std::min<std::int64_t>(number * 10 + (text[i] - '0'), kCopyNumberLimit);
  return number;
}

// "Copy of B" counts as the first copy of B and "Copy n of B" as the n-th;
// anything else is an original.
CopyBase SplitCopyName(const String &name) {
  if (name.CompareNoCase(kCopyOfPrefix, kCopyOfLength) == 0)
    return {name.Mid(kCopyOfLength, name.Length()), 2};
  if (name.CompareNoCase(kCopyPrefix, kCopyLength) == 0) {
    const int of = name.Find(kCopyLength, kOfSeparator, false);
    if (of > kCopyLength && AllDigits(name, kCopyLength, of))
      return {name.Mid(of + kOfLength, name.Length()), ReadCopyNumber(name, kCopyLength, of)};
  }
  return {name, 1};
}

String CopyName(const String &base, std::int64_t number) {
  if (number == 1)
    return String(kCopyOfPrefix) + base;
  String name;
  name.Format("Copy %lld of ", static_cast<long long>(number));
  name += base;
  return name;
}

} // namespace

String NewSchemeName(const vTakenNames &taken) {
  String name;
  for (int number = 1;; ++number) {
    name.Format("New scheme %d", number);
    if (!taken.IsTaken(name))
      return name;
  }
}

String CopySchemeName(const String &source, const vTakenNames &taken) {
  const CopyBase split = SplitCopyName(source);
  for (std::int64_t number = split.number;; ++number) {
    String candidate = CopyName(split.base, number);
    if (!taken.IsTaken(candidate))
      return candidate;
  }
}
