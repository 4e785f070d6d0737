#include "foundation/random.h"
#include "vorlunda/scheme.h"

#include "tests/vorlunda/support/schemesamples.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kFuzzSeed = 20240611;
constexpr int kMutatedTexts = 100000;
constexpr int kRandomTexts = 20000;

const char *const kTokens[] = {
    "",           "0",
    "1",          "-1",
    "+",          "-",
    ".",          "e",
    "E-3",        "e+5",
    "nan",        "inf",
    "1e400",      "1e-400",
    "-0",         "0.0000004",
    "10.0000004", "2147483648",
    "4294967308", "1e308",
    "0x10",       "99999999999999999999999999999999999999",
    "FullRandom", "Experimental",
    "spectrum",   " ",
    "\xff\xfe",
};

int Pick(int count) { return Rand() % count; }

std::string RandomToken() { return kTokens[Pick(static_cast<int>(std::size(kTokens)))]; }

char RandomByte() {
  static const char kBiased[] = ",,,,0123456789.-+eE ";
  if (Pick(3) == 0)
    return static_cast<char>(1 + Pick(255)); // never NUL: texts end there
  return kBiased[Pick(static_cast<int>(sizeof kBiased) - 1)];
}

void ReplaceRandomField(std::string &text) {
  std::vector<std::string> fields = SplitFields(text);
  fields[Pick(static_cast<int>(fields.size()))] = RandomToken();
  text = JoinFields(fields);
}

void Mutate(std::string &text) {
  const std::size_t at =
      text.empty() ? 0 : static_cast<std::size_t>(Pick(static_cast<int>(text.size())));
  switch (Pick(8)) {
  case 0:
    if (!text.empty())
      text.erase(at, 1);
    break;
  case 1:
    if (!text.empty())
      text.insert(at, 1, text[at]);
    break;
  case 2:
    text.insert(at, 1, ',');
    break;
  case 3: {
    const std::size_t comma = text.find(',', at);
    if (comma != std::string::npos)
      text.erase(comma, 1);
    break;
  }
  case 4:
    text.insert(at, 1, RandomByte());
    break;
  case 5:
    text.insert(at, RandomToken());
    break;
  case 6:
    ReplaceRandomField(text);
    break;
  default:
    text.resize(at);
    break;
  }
}

std::string RandomText() {
  std::string text;
  const int length = Pick(120);
  for (int i = 0; i < length; ++i)
    text += RandomByte();
  return text;
}

struct FuzzTally {
  int accepted = 0;
};

void CheckOne(const std::string &text, FuzzTally &tally) {
  vScheme first;
  if (first.FromText(text.c_str()).Failed())
    return;
  ++tally.accepted;
  const std::string written(first.ToText());
  vScheme second;
  // Storing what was read must never make it unreadable: the next start would drop it.
  ASSERT_TRUE(second.FromText(written.c_str()).Succeeded())
      << "from: " << text << "\nwritten: " << written;
  ASSERT_EQ(std::string(second.ToText()), written) << "from: " << text;
  ASSERT_EQ(second.syntaxVersion, first.syntaxVersion);
}

TEST(SchemeTextFuzz, AcceptedTextsReadBackToTheSameText) {
  SeedRandom(kFuzzSeed);
  const std::vector<std::string> seeds = ValidSchemeTexts();
  FuzzTally tally;
  for (int i = 0; i < kMutatedTexts && !HasFatalFailure(); ++i) {
    std::string text = seeds[Pick(static_cast<int>(seeds.size()))];
    for (int n = 1 + Pick(4); n > 0; --n)
      Mutate(text);
    CheckOne(text, tally);
  }
  for (int i = 0; i < kRandomTexts && !HasFatalFailure(); ++i)
    CheckOne(RandomText(), tally);
  // Enough of the mutants must survive for the round trip to be tested at all.
  EXPECT_GT(tally.accepted, kMutatedTexts / 20);
  RecordProperty("accepted", tally.accepted);
}

} // namespace
