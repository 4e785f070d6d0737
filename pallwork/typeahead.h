#pragma once

#include "foundation/string.h"

#include <cstdint>
#include <functional>

// Type-ahead search over a list's item texts. Typed characters collect in a
// buffer; the first item from the caret on (wrapping round) whose text begins
// with the buffer, letter case ignored, is the answer. When the buffer no
// longer matches, the search restarts with the last character alone, from the
// item after the caret, so typing one letter again walks through the items
// that begin with it.
class pwTypeAhead {
public:
  enum class Outcome { Found, Missed, Ignored };
  struct Result {
    Outcome outcome;
    std::int32_t index; // the item found, else -1
  };
  using ItemTextSource = std::function<String(std::int32_t index)>;

  // Missed empties the buffer (the list beeps); an invalid caret index is
  // Ignored and changes nothing.
  Result Type(char character, std::int32_t caretIndex, std::int32_t count,
              const ItemTextSource &itemText);

  const String &Buffer() const { return buffer_; }
  void Reset() { buffer_ = ""; }

private:
  std::int32_t Search(std::int32_t from, std::int32_t wrapEnd, std::int32_t count,
                      const ItemTextSource &itemText) const;

  String buffer_;
};

// Whether text begins with prefix, ASCII letter case ignored.
bool BeginsWithNoCase(const char *text, const char *prefix);
