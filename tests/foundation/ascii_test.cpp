#include "foundation/ascii.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

// The "C" locale is the reference: the helpers must agree with it for every
// byte, including the ones a signed char makes negative.
TEST(Ascii, AgreesWithTheCLocaleForEveryByte) {
  for (int code = 0; code < 256; ++code) {
    const char c = static_cast<char>(code);
    const bool ascii = code < 128;
    EXPECT_EQ(IsAsciiDigit(c), ascii && std::isdigit(code) != 0) << code;
    EXPECT_EQ(IsAsciiLower(c), ascii && std::islower(code) != 0) << code;
    EXPECT_EQ(IsAsciiUpper(c), ascii && std::isupper(code) != 0) << code;
    EXPECT_EQ(IsAsciiLetter(c), ascii && std::isalpha(code) != 0) << code;
    EXPECT_EQ(IsAsciiWhiteSpace(c), ascii && std::isspace(code) != 0) << code;
    EXPECT_EQ(IsAsciiPrintable(c), ascii && std::isprint(code) != 0) << code;
    EXPECT_EQ(FoldAsciiUpper(c), ascii ? static_cast<char>(std::toupper(code)) : c) << code;
    EXPECT_EQ(FoldAsciiLower(c), ascii ? static_cast<char>(std::tolower(code)) : c) << code;
  }
}

} // namespace
