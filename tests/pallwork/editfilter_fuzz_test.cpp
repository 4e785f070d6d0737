#include "pallwork/editfilter.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 20000;
constexpr std::size_t kMaxLength = 24;

char RandomCharacter(std::mt19937 &generator) {
  static const char kInteresting[] = "-..0123456789aZ /\\\t";
  if (generator() % 4 == 0)
    return static_cast<char>(1 + generator() % 255); // any byte but NUL
  return kInteresting[generator() % (sizeof(kInteresting) - 1)];
}

struct RandomRule {
  int kind;
  double minimum;
  std::uint32_t mask;
  pwDecimalCharRule decimal;

  bool operator()(char c, bool first) {
    if (kind == 0)
      return IsIntegerCharAllowed(c, first, static_cast<std::int32_t>(minimum));
    if (kind == 1)
      return decimal.IsAllowed(c, first, minimum);
    return IsClassCharAllowed(c, mask);
  }
};

// Where a selection end goes: left by the characters deleted before it.
int Moved(int end, const std::vector<bool> &kept) {
  int moved = end;
  for (int i = 0; i < end; ++i)
    if (!kept[static_cast<std::size_t>(i)])
      --moved;
  return moved;
}

TEST(EditFilterFuzz, ResultHoldsOnlyAllowedCharactersAndSelectionFollows) {
  std::mt19937 generator(20261207);
  for (int round = 0; round < kRounds; ++round) {
    std::string text;
    const std::size_t length = generator() % (kMaxLength + 1);
    for (std::size_t i = 0; i < length; ++i)
      text += RandomCharacter(generator);
    int start = static_cast<int>(generator() % (length + 1));
    int end = static_cast<int>(generator() % (length + 1));
    if (start > end)
      std::swap(start, end);
    RandomRule rule{static_cast<int>(generator() % 3),
                    generator() % 2 ? -5.0 : 0.0,
                    static_cast<std::uint32_t>(generator() % 0x100),
                    {}};
    if (generator() % 8 == 0)
      rule.mask = kCharAnything;

    // The oracle: which characters survive, asked the way the filter asks.
    std::vector<bool> kept(length, false);
    {
      RandomRule oracle = rule;
      int position = 0;
      for (std::size_t i = 0; i < length; ++i) {
        kept[i] = oracle(text[i], position == 0);
        position += kept[i] ? 1 : 0;
      }
    }
    std::string expected;
    for (std::size_t i = 0; i < length; ++i)
      if (kept[i])
        expected += text[i];

    pwEditState state{String(text.c_str()), start, end};
    FilterEditText(state, [&rule](char c, bool first) { return rule(c, first); });
    ASSERT_EQ(std::string(state.text.CStr()), expected) << "round " << round;
    ASSERT_EQ(state.selectionStart, Moved(start, kept)) << "round " << round;
    ASSERT_EQ(state.selectionEnd, Moved(end, kept)) << "round " << round;
    ASSERT_LE(0, state.selectionStart);
    ASSERT_LE(state.selectionStart, state.selectionEnd);
    ASSERT_LE(state.selectionEnd, state.text.Length());

    // A second pass finds nothing more to refuse.
    pwEditState again = state;
    ASSERT_FALSE(FilterEditText(again, [&rule](char c, bool first) { return rule(c, first); }))
        << "round " << round;
  }
}

} // namespace
