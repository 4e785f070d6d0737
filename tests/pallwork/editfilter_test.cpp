#include "pallwork/editfilter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

enum class Field { Integer, Decimal, Classes };

struct FilterCase {
  const char *name;
  Field field;
  double minimum;       // Integer and Decimal
  std::uint32_t mask;   // Classes
  const char *typed;    // the text as EN_UPDATE finds it
  int start, end;       // its selection
  const char *expected; // after filtering
  int expectedStart, expectedEnd;
};

pwCharRule RuleFor(const FilterCase &c, pwDecimalCharRule &decimal) {
  switch (c.field) {
  case Field::Integer:
    return [&c](char ch, bool first) {
      return IsIntegerCharAllowed(ch, first, static_cast<std::int32_t>(c.minimum));
    };
  case Field::Decimal:
    return [&c, &decimal](char ch, bool first) { return decimal.IsAllowed(ch, first, c.minimum); };
  case Field::Classes:
  default:
    return [&c](char ch, bool) { return IsClassCharAllowed(ch, c.mask); };
  }
}

const FilterCase kCases[] = {
    {"letter typed at the end", Field::Integer, 0, 0, "12a", 3, 3, "12", 2, 2},
    {"letter typed in the middle", Field::Integer, 0, 0, "1a2", 2, 2, "12", 1, 1},
    {"letter typed at the start", Field::Integer, 0, 0, "x12", 1, 1, "12", 0, 0},
    {"paste 1,2,a,3 into an empty field", Field::Integer, 0, 0, "12a3", 4, 4, "123", 3, 3},
    {"paste 1,2,a,3 before a digit", Field::Integer, 0, 0, "12a35", 4, 4, "1235", 3, 3},
    {"caret before the refused letter stays", Field::Integer, 0, 0, "5a", 1, 1, "5", 1, 1},
    {"selection spanning a refusal shrinks", Field::Integer, 0, 0, "1b2c3", 1, 5, "123", 1, 3},
    {"minus first with a negative minimum", Field::Integer, -10, 0, "-5", 1, 1, "-5", 1, 1},
    {"minus first with minimum 0", Field::Integer, 0, 0, "-5", 1, 1, "5", 0, 0},
    {"minus after a digit", Field::Integer, -10, 0, "5-", 2, 2, "5", 1, 1},
    {"second minus", Field::Integer, -10, 0, "--5", 2, 2, "-5", 1, 1},
    {"minus that moves up to the start", Field::Integer, -10, 0, "a-5", 3, 3, "-5", 2, 2},
    {"decimal: one point", Field::Decimal, 0, 0, "1.5", 3, 3, "1.5", 3, 3},
    {"decimal: second point refused", Field::Decimal, 0, 0, "1.5.", 4, 4, "1.5", 3, 3},
    {"decimal: pasted 1.2.3", Field::Decimal, 0, 0, "1.2.3", 5, 5, "1.23", 4, 4},
    {"decimal: leading point", Field::Decimal, 0, 0, ".5", 1, 1, ".5", 1, 1},
    {"decimal: minus with negative minimum", Field::Decimal, -1, 0, "-0.5", 4, 4, "-0.5", 4, 4},
    {"decimal: minus with minimum 0", Field::Decimal, 0, 0, "-0.5", 1, 1, "0.5", 0, 0},
    {"decimal: exponent refused", Field::Decimal, 0, 0, "1e5", 2, 2, "15", 1, 1},
    {"mask 127 refuses slash", Field::Classes, 0, kCharNoSlashes, "a/b", 2, 2, "ab", 1, 1},
    {"mask 127 refuses backslash", Field::Classes, 0, kCharNoSlashes, "a\\b", 3, 3, "ab", 2, 2},
    {"mask 127 keeps names", Field::Classes, 0, kCharNoSlashes, "Copy 2 of (x)!", 14, 14,
     "Copy 2 of (x)!", 14, 14},
    {"anything keeps paths", Field::Classes, 0, kCharAnything, "C:\\a/b\t", 7, 7, "C:\\a/b\t", 7,
     7},
    {"letters only", Field::Classes, 0, kCharLower | kCharUpper, "aB1 c", 5, 5, "aBc", 3, 3},
    {"tab is never a class", Field::Classes, 0, kCharNoSlashes | kCharSlash, "a\tb", 3, 3, "ab", 2,
     2},
    {"code above 126", Field::Classes, 0, kCharNoSlashes | kCharSlash, "a\x7f\xe9", 3, 3, "a", 1,
     1},
};

TEST(EditFilter, FiltersTypedAndPastedText) {
  for (const FilterCase &c : kCases) {
    SCOPED_TRACE(c.name);
    pwDecimalCharRule decimal;
    pwEditState state{String(c.typed), c.start, c.end};
    const bool changed = FilterEditText(state, RuleFor(c, decimal));
    EXPECT_STREQ(state.text.CStr(), c.expected);
    EXPECT_EQ(state.selectionStart, c.expectedStart);
    EXPECT_EQ(state.selectionEnd, c.expectedEnd);
    EXPECT_EQ(changed, std::string(c.typed) != c.expected);
  }
}

// Each EN_UPDATE is a new pass over the whole text; the point a pass allowed
// must not outlive the point itself.
TEST(EditFilter, DeletedPointMayBeTypedAgain) {
  pwDecimalCharRule rule;
  const pwCharRule allowed = [&rule](char c, bool first) { return rule.IsAllowed(c, first, 0.0); };
  pwEditState state{String("1.5"), 3, 3};
  EXPECT_FALSE(FilterEditText(state, allowed));
  EXPECT_TRUE(rule.PointSeen());

  state = {String("15"), 1, 1}; // the point deleted with backspace
  EXPECT_FALSE(FilterEditText(state, allowed));
  state = {String("15."), 3, 3}; // and typed again at the end
  EXPECT_FALSE(FilterEditText(state, allowed));
  EXPECT_STREQ(state.text.CStr(), "15.");
  state = {String("15.."), 4, 4};
  EXPECT_TRUE(FilterEditText(state, allowed));
  EXPECT_STREQ(state.text.CStr(), "15.");
}

TEST(EditFilter, EmptyTextStaysEmpty) {
  pwEditState state{String(""), 0, 0};
  EXPECT_FALSE(FilterEditText(state, [](char, bool) { return false; }));
  EXPECT_STREQ(state.text.CStr(), "");
}

TEST(CharClasses, EveryPrintableCharacterHasExactlyOneClass) {
  for (int code = 1; code < 256; ++code) {
    const char c = static_cast<char>(code);
    const std::uint32_t found = CharClassOf(c);
    const bool printable = code >= 32 && code <= 126;
    EXPECT_EQ(found != 0, printable) << "code " << code;
    EXPECT_EQ(found & (found - 1), 0u) << "code " << code << " has two classes";
  }
  struct {
    const char *characters;
    std::uint32_t expected;
  } const kSamples[] = {
      {"az", kCharLower},
      {"AZ", kCharUpper},
      {"09", kCharDigit},
      {" ", kCharSpace},
      {"!#$%&*+,-.:;=?^_|~@", kCharPunctuation},
      {"()<>[]{}", kCharBracket},
      {"\"'`", kCharQuote},
      {"/\\", kCharSlash},
  };
  for (const auto &sample : kSamples)
    for (const char *p = sample.characters; *p != '\0'; ++p)
      EXPECT_EQ(CharClassOf(*p), sample.expected) << "character " << *p;
}

TEST(CharClasses, MaskOf127AcceptsAllPrintableButTheSlashes) {
  for (int code = 32; code <= 126; ++code) {
    const char c = static_cast<char>(code);
    EXPECT_EQ(IsClassCharAllowed(c, kCharNoSlashes), c != '/' && c != '\\') << "code " << code;
  }
  EXPECT_FALSE(IsClassCharAllowed('\x01', 0x00FF));
  EXPECT_TRUE(IsClassCharAllowed('\x01', kCharAnything));
  EXPECT_TRUE(IsClassCharAllowed('\xff', kCharAnything));
  // 0xFFFF is special, not merely "every class bit".
  EXPECT_FALSE(IsClassCharAllowed('\x01', 0xFFFE));
}

} // namespace
