#pragma once

// Character tests and case folding over the 7-bit ASCII set only, whatever
// the C library's locale says: names, numbers and typed characters are
// judged the same on every machine.

constexpr bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsAsciiLower(char c) { return c >= 'a' && c <= 'z'; }
constexpr bool IsAsciiUpper(char c) { return c >= 'A' && c <= 'Z'; }
constexpr bool IsAsciiLetter(char c) { return IsAsciiLower(c) || IsAsciiUpper(c); }
// As the C library's isspace in the "C" locale: space, \t \n \v \f \r.
constexpr bool IsAsciiWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
// Space to tilde.
constexpr bool IsAsciiPrintable(char c) { return c >= ' ' && c <= '~'; }

constexpr char FoldAsciiUpper(char c) {
  return IsAsciiLower(c) ? static_cast<char>(c - 'a' + 'A') : c;
}
constexpr char FoldAsciiLower(char c) {
  return IsAsciiUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
}
