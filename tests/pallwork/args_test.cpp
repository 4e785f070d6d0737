#include "pallwork/args.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Split(const char *line) {
  const pwArgs args(line);
  std::vector<std::string> parts;
  for (std::int32_t i = 0; i < args.Count(); ++i)
    parts.push_back(args.Get(i));
  return parts;
}

struct SplitCase {
  const char *line;
  std::vector<std::string> expected;
};

TEST(ArgsSplit, FollowsTheBlankAndQuoteRules) {
  const SplitCase cases[] = {
      {"", {}},
      {"     ", {}},
      {"/s", {"/s"}},
      {"  /p   1234  ", {"/p", "1234"}},
      {"a\tb c", {"a\tb", "c"}}, // a tab is no separator
      {"\"/s\"", {"/s"}},
      {"\"/s", {"/s"}}, // unterminated quote runs to the end
      {"\"a b", {"a b"}},
      {"\"a b\"c", {"a b", "c"}},      // the closing quote ends the argument
      {"ab\"c d\"", {"ab\"c", "d\""}}, // quotes inside an argument are plain
      {"\"\"", {""}},
      {"\"\" x", {"", "x"}},
      {"\"", {""}},
      {"x \"", {"x", ""}},
      {"\"  padded  \"  y", {"  padded  ", "y"}},
      {"\"a\"\"b\"", {"a", "b"}}, // the next argument may open with a quote at once
  };
  for (const SplitCase &c : cases)
    EXPECT_EQ(Split(c.line), c.expected) << "line: [" << c.line << "]";
}

TEST(ArgsSplit, NullLineHasNoArguments) { EXPECT_EQ(pwArgs(nullptr).Count(), 0); }

TEST(ArgsSplit, ArgumentsPointIntoAPrivateCopy) {
  char line[] = "/p 42";
  const pwArgs args(line);
  line[0] = 'X';
  line[3] = '9';
  EXPECT_STREQ(args.Get(0), "/p");
  EXPECT_STREQ(args.Get(1), "42");
}

TEST(ArgsRemove, ShiftsLaterArgumentsDown) {
  pwArgs args("a b c d");
  args.Remove(1);
  ASSERT_EQ(args.Count(), 3);
  EXPECT_STREQ(args.Get(0), "a");
  EXPECT_STREQ(args.Get(1), "c");
  EXPECT_STREQ(args.Get(2), "d");
  args.Remove(2);
  args.Remove(0);
  ASSERT_EQ(args.Count(), 1);
  EXPECT_STREQ(args.Get(0), "c");
  args.Remove(0);
  EXPECT_EQ(args.Count(), 0);
}

TEST(ArgsFind, IgnoresLetterCaseAndGivesTheFirstMatch) {
  const pwArgs args("/S one ONE /s");
  EXPECT_EQ(args.Find("/s"), 0);
  EXPECT_EQ(args.Find("One"), 1);
  EXPECT_EQ(args.Find("on"), -1);
  EXPECT_EQ(args.Find("one two"), -1);
  EXPECT_EQ(pwArgs("").Find(""), -1);
}

} // namespace
