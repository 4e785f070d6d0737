#pragma once

#include <cstdint>

// The command line split into arguments at runs of blanks. A double quote
// opens an argument that may hold blanks and ends at the next quote (or the
// end of the line); anywhere else a quote is an ordinary character.
class pwArgs {
public:
  explicit pwArgs(const char *commandLine);
  ~pwArgs();
  pwArgs(const pwArgs &) = delete;
  pwArgs &operator=(const pwArgs &) = delete;

  std::int32_t Count() const { return count_; }
  // No range check: callers test Count first.
  const char *Get(std::int32_t index) const { return arguments_[index]; }
  void Remove(std::int32_t index);
  // Index of the first argument equal to the text without regard to letter
  // case, or -1.
  std::int32_t Find(const char *text) const;

private:
  void Split();
  void Append(char *argument);

  char *text_ = nullptr; // owned; separators overwritten with NULs
  std::int32_t count_ = 0;
  char **arguments_ = nullptr; // owned array of views into text_
};
