#pragma once

#include "foundation/string.h"

#include <cstdint>
#include <functional>

// The character rules of the edit fields and the filter that applies them.
// isFirst: the character stands at position 0 of the text.

// Digits, and a minus at position 0 when the minimum is negative.
bool IsIntegerCharAllowed(char character, bool isFirst, std::int32_t minimum);

// Digits, a minus at position 0 when the minimum is negative, and one point.
// The rule remembers the point it allowed; asking for position 0 forgets it,
// so every filtering pass learns it anew from the text as it now stands.
class pwDecimalCharRule {
public:
  bool IsAllowed(char character, bool isFirst, double minimum);
  bool PointSeen() const { return pointSeen_; }

private:
  bool pointSeen_ = false;
};

// Character classes a string field may accept.
constexpr std::uint32_t kCharLower = 0x0001;
constexpr std::uint32_t kCharUpper = 0x0002;
constexpr std::uint32_t kCharDigit = 0x0004;
constexpr std::uint32_t kCharSpace = 0x0008;
constexpr std::uint32_t kCharPunctuation = 0x0010; // ! # $ % & * + , - . : ; = ? ^ _ | ~ @
constexpr std::uint32_t kCharBracket = 0x0020;     // ( ) < > [ ] { }
constexpr std::uint32_t kCharQuote = 0x0040;       // " ' `
constexpr std::uint32_t kCharSlash = 0x0080;       // / and backslash
// Every printable character except the slashes, as a scheme name wants.
constexpr std::uint32_t kCharNoSlashes = 0x007F;
// No filtering at all, as a folder path wants.
constexpr std::uint32_t kCharAnything = 0xFFFF;

// The class a character belongs to, 0 for control characters and codes above
// 126.
std::uint32_t CharClassOf(char character);
bool IsClassCharAllowed(char character, std::uint32_t allowedClasses);

// The text of an edit field with its selection, as EN_UPDATE finds it.
struct pwEditState {
  String text;
  std::int32_t selectionStart = 0;
  std::int32_t selectionEnd = 0;
};

using pwCharRule = std::function<bool(char character, bool isFirst)>;

// Walks the text from position 0 and deletes every character the rule
// refuses; the following characters move up and are asked at the same
// position. Selection ends behind a deleted character move left with the
// text. Returns whether anything was deleted.
bool FilterEditText(pwEditState &state, const pwCharRule &isAllowed);
