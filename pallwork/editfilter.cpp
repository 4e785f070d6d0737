#include "pallwork/editfilter.h"

#include "foundation/ascii.h"

#include <string>

namespace {

constexpr char kMinus = '-';
constexpr char kPoint = '.';
constexpr char kPunctuation[] = "!#$%&*+,-.:;=?^_|~@";
constexpr char kBrackets[] = "()<>[]{}";
constexpr char kQuotes[] = "\"'`";

bool IsOneOf(char character, const char *set) {
  for (const char *p = set; *p != '\0'; ++p)
    if (*p == character)
      return true;
  return false;
}

// A selection end behind the deleted character follows the text left.
void MoveLeftPast(std::int32_t &end, int deleted) {
  if (end > deleted)
    --end;
}

} // namespace

bool IsIntegerCharAllowed(char character, bool isFirst, std::int32_t minimum) {
  if (IsAsciiDigit(character))
    return true;
  return character == kMinus && isFirst && minimum < 0;
}

bool pwDecimalCharRule::IsAllowed(char character, bool isFirst, double minimum) {
  if (isFirst)
    pointSeen_ = false;
  if (IsAsciiDigit(character))
    return true;
  if (character == kMinus)
    return isFirst && minimum < 0.0;
  if (character != kPoint || pointSeen_)
    return false;
  pointSeen_ = true;
  return true;
}

std::uint32_t CharClassOf(char character) {
  if (IsAsciiLower(character))
    return kCharLower;
  if (IsAsciiUpper(character))
    return kCharUpper;
  if (IsAsciiDigit(character))
    return kCharDigit;
  if (character == ' ')
    return kCharSpace;
  if (IsOneOf(character, kPunctuation))
    return kCharPunctuation;
  if (IsOneOf(character, kBrackets))
    return kCharBracket;
  if (IsOneOf(character, kQuotes))
    return kCharQuote;
  if (character == '/' || character == '\\')
    return kCharSlash;
  return 0;
}

bool IsClassCharAllowed(char character, std::uint32_t allowedClasses) {
  if (allowedClasses == kCharAnything)
    return true;
  return (CharClassOf(character) & allowedClasses) != 0;
}

// One pass, keeping what the rule allows: a field may hold tens of
// thousands of characters and is filtered on every keystroke.
bool FilterEditText(pwEditState &state, const pwCharRule &isAllowed) {
  const char *const source = state.text.CStr();
  std::string kept;
  bool deleted = false;
  for (const char *p = source; *p != '\0'; ++p) {
    const int position = static_cast<int>(kept.size());
    if (isAllowed(*p, position == 0)) {
      kept.push_back(*p);
      continue;
    }
    MoveLeftPast(state.selectionStart, position);
    MoveLeftPast(state.selectionEnd, position);
    deleted = true;
  }
  if (deleted)
    state.text = kept.c_str();
  return deleted;
}
