#include "pallwork/typeahead.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Outcome = pwTypeAhead::Outcome;

struct Keystroke {
  char character;
  int caret;
  Outcome outcome;
  int index;
  const char *buffer; // afterwards
};

void Play(const std::vector<const char *> &items, const std::vector<Keystroke> &keys) {
  pwTypeAhead search;
  const auto text = [&items](std::int32_t i) { return String(items[static_cast<size_t>(i)]); };
  int step = 0;
  for (const Keystroke &key : keys) {
    SCOPED_TRACE(testing::Message() << "keystroke " << step++ << " '" << key.character << "'");
    const pwTypeAhead::Result result =
        search.Type(key.character, key.caret, static_cast<std::int32_t>(items.size()), text);
    EXPECT_EQ(result.outcome, key.outcome);
    EXPECT_EQ(result.index, key.index);
    EXPECT_STREQ(search.Buffer().CStr(), key.buffer);
  }
}

const std::vector<const char *> kItems = {"Alpha", "beta", "Bravo", "Charlie", "ALTO", ""};

TEST(TypeAhead, FindsExtendsRestartsAndMisses) {
  Play(kItems, {
                   {'b', 0, Outcome::Found, 1, "b"},   // case ignored
                   {'R', 1, Outcome::Found, 2, "bR"},  // the buffer grows past beta
                   {'b', 2, Outcome::Found, 1, "b"},   // "brb" fails: restart after the caret
                   {'b', 1, Outcome::Found, 2, "b"},   // "bb" fails: the next b-item
                   {'z', 2, Outcome::Missed, -1, ""},  // nothing: the buffer empties
                   {'a', 3, Outcome::Found, 4, "a"},   // from the caret on, not from 0
                   {'l', 4, Outcome::Found, 4, "al"},  // the caret item itself counts
                   {'p', 4, Outcome::Found, 0, "alp"}, // wraps round to the start
               });
}

TEST(TypeAhead, RestartWrapsRoundToTheCaretItself) {
  Play({"Alpha"}, {
                      {'a', 0, Outcome::Found, 0, "a"},
                      {'a', 0, Outcome::Found, 0, "a"}, // "aa" fails; "a" from 1, then 0..0
                      {'x', 0, Outcome::Missed, -1, ""},
                  });
}

TEST(TypeAhead, InvalidCaretChangesNothing) {
  Play(kItems, {
                   {'c', 0, Outcome::Found, 3, "c"},
                   {'h', -1, Outcome::Ignored, -1, "c"},
                   {'h', 6, Outcome::Ignored, -1, "c"},
                   {'h', 3, Outcome::Found, 3, "ch"},
               });
  Play({}, {{'a', 0, Outcome::Ignored, -1, ""}});
}

TEST(TypeAhead, PrefixComparisonIgnoresAsciiCaseOnly) {
  EXPECT_TRUE(BeginsWithNoCase("Alpha", "aLP"));
  EXPECT_TRUE(BeginsWithNoCase("Alpha", ""));
  EXPECT_FALSE(BeginsWithNoCase("Al", "alp"));
  EXPECT_FALSE(BeginsWithNoCase("\xe9t\xe9", "\xc9"));
  EXPECT_FALSE(BeginsWithNoCase("[x", "{"));
}

} // namespace
