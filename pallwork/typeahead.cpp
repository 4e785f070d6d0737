#include "pallwork/typeahead.h"

#include "foundation/ascii.h"

namespace {

constexpr std::int32_t kNotFound = -1;

} // namespace

bool BeginsWithNoCase(const char *text, const char *prefix) {
  for (; *prefix != '\0'; ++text, ++prefix)
    if (*text == '\0' || FoldAsciiUpper(*text) != FoldAsciiUpper(*prefix))
      return false;
  return true;
}

// Items from `from` to the end, then from 0 up to (not including) wrapEnd.
std::int32_t pwTypeAhead::Search(std::int32_t from, std::int32_t wrapEnd, std::int32_t count,
                                 const ItemTextSource &itemText) const {
  for (std::int32_t index = from; index < count; ++index)
    if (BeginsWithNoCase(itemText(index).CStr(), buffer_.CStr()))
      return index;
  for (std::int32_t index = 0; index < wrapEnd && index < count; ++index)
    if (BeginsWithNoCase(itemText(index).CStr(), buffer_.CStr()))
      return index;
  return kNotFound;
}

pwTypeAhead::Result pwTypeAhead::Type(char character, std::int32_t caretIndex, std::int32_t count,
                                      const ItemTextSource &itemText) {
  if (caretIndex < 0 || caretIndex >= count)
    return {Outcome::Ignored, kNotFound};
  buffer_ += character;
  std::int32_t found = Search(caretIndex, caretIndex, count, itemText);
  if (found == kNotFound) {
    buffer_ = character;
    found = Search(caretIndex + 1, caretIndex + 1, count, itemText);
  }
  if (found != kNotFound)
    return {Outcome::Found, found};
  buffer_ = "";
  return {Outcome::Missed, kNotFound};
}
