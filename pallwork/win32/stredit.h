#pragma once

#include "pallwork/win32/editline.h"

#include <cstdint>

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

// A text field that accepts the characters of the allowed classes only.
class pwStrEdit : public pwEditLine {
public:
  pwStrEdit(pwDialog *dialog, int controlId, bool autoDelete,
            std::uint32_t allowedClasses = kCharAnything)
      : pwEditLine(dialog, controlId, autoDelete), allowedClasses_(allowedClasses) {}

  bool IsCharAllowed(char character, bool isFirst) override;

  void SetAllowedClasses(std::uint32_t mask) { allowedClasses_ = mask; }
  std::uint32_t AllowedClasses() const { return allowedClasses_; }

private:
  std::uint32_t allowedClasses_;
};
