#include "pallwork/args.h"

#include "foundation/string.h"

#include <cassert>
#include <cstring>

namespace {

constexpr char kBlank = ' '; // tabs are ordinary characters
constexpr char kQuote = '"';

const char *SkipBlanks(const char *p) {
  while (*p == kBlank)
    ++p;
  return p;
}

char *SkipBlanks(char *p) {
  while (*p == kBlank)
    ++p;
  return p;
}

} // namespace

pwArgs::pwArgs(const char *commandLine) {
  if (commandLine == nullptr)
    return;
  const char *const start = SkipBlanks(commandLine);
  if (*start == '\0')
    return;
  const std::size_t size = std::strlen(start) + 1;
  text_ = new char[size];
  std::memcpy(text_, start, size);
  Split();
}

pwArgs::~pwArgs() {
  delete[] arguments_;
  delete[] text_;
}

void pwArgs::Split() {
  char *p = text_;
  while (*p != '\0') {
    if (*p == kQuote) {
      ++p;
      Append(p);
      while (*p != '\0' && *p != kQuote)
        ++p;
      // Turned into a separator, so a closing quote ends the argument even
      // with more characters right behind it.
      if (*p == kQuote)
        *p = kBlank;
    } else {
      Append(p);
      while (*p != '\0' && *p != kBlank)
        ++p;
    }
    if (*p != '\0')
      *p++ = '\0';
    p = SkipBlanks(p);
  }
}

void pwArgs::Append(char *argument) {
  char **grown = new char *[static_cast<std::size_t>(count_) + 1];
  for (std::int32_t i = 0; i < count_; ++i)
    grown[i] = arguments_[i];
  grown[count_] = argument;
  delete[] arguments_;
  arguments_ = grown;
  ++count_;
}

void pwArgs::Remove(std::int32_t index) {
  assert(index >= 0 && index < count_);
  for (std::int32_t i = index; i + 1 < count_; ++i)
    arguments_[i] = arguments_[i + 1];
  --count_;
}

std::int32_t pwArgs::Find(const char *text) const {
  for (std::int32_t i = 0; i < count_; ++i) {
    if (CompareNamesNoCase(arguments_[i], text) == 0)
      return i;
  }
  return -1;
}
