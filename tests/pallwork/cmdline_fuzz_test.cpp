#include "pallwork/args.h"
#include "pallwork/saverdispatch.h"

#include "tests/pallwork/support/fakeplatform.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kRandomLines = 20000;
constexpr int kMutatedLines = 20000;
constexpr std::size_t kMaxLineLength = 40;
constexpr std::intptr_t kHostWindow = 1234;
constexpr std::intptr_t kForeground = 99;

// The splitting rules written a second way, as the oracle.
std::vector<std::string> ModelSplit(const std::string &line) {
  std::vector<std::string> parts;
  std::size_t i = line.find_first_not_of(' ');
  while (i != std::string::npos && i < line.size()) {
    const bool quoted = line[i] == '"';
    const std::size_t start = quoted ? i + 1 : i;
    std::size_t end = line.find(quoted ? '"' : ' ', start);
    if (end == std::string::npos)
      end = line.size();
    parts.push_back(line.substr(start, end - start));
    i = end == line.size() ? end : line.find_first_not_of(' ', end + 1);
  }
  return parts;
}

char RandomCharacter(std::mt19937 &generator) {
  static const char kInteresting[] = " \"/-0123456789spacxSPAC\t:+";
  const unsigned pick = generator() % 4;
  if (pick == 0)
    return static_cast<char>(1 + generator() % 255); // any byte but NUL
  return kInteresting[generator() % (sizeof kInteresting - 1)];
}

std::string RandomLine(std::mt19937 &generator) {
  std::string line(generator() % kMaxLineLength, ' ');
  for (char &c : line)
    c = RandomCharacter(generator);
  return line;
}

std::string Mutated(std::mt19937 &generator) {
  static const char *const kSeeds[] = {"/s",
                                       "/p 1234",
                                       "/c:1234",
                                       "/a 1234",
                                       "\"/s\" x",
                                       "-p \"1234\"",
                                       "/p 99999999999999999999999"};
  std::string line = kSeeds[generator() % (sizeof kSeeds / sizeof kSeeds[0])];
  const unsigned edits = 1 + generator() % 4;
  for (unsigned e = 0; e < edits; ++e) {
    const std::size_t at = line.empty() ? 0 : generator() % (line.size() + 1);
    switch (generator() % 3) {
    case 0:
      line.insert(at, 1, RandomCharacter(generator));
      break;
    case 1:
      if (at < line.size())
        line.erase(at, 1);
      break;
    default:
      if (at < line.size())
        line[at] = RandomCharacter(generator);
      break;
    }
  }
  return line;
}

bool IsKnownMode(char letter) {
  return letter == 's' || letter == 'p' || letter == 'a' || letter == 'c' || letter == '\0';
}

void CheckLine(const std::string &line, bool windows95) {
  const std::vector<std::string> expected = ModelSplit(line);
  pwArgs args(line.c_str());
  ASSERT_EQ(args.Count(), static_cast<std::int32_t>(expected.size())) << "[" << line << "]";
  for (std::int32_t i = 0; i < args.Count(); ++i)
    ASSERT_EQ(args.Get(i), expected[static_cast<std::size_t>(i)]) << "[" << line << "]";

  FakePlatform platform;
  platform.AddWindow(kHostWindow);
  platform.foreground = FakePlatform::Handle(kForeground);
  platform.windows95 = windows95;
  const char letter = expected.empty() ? '\0' : SaverModeLetter(expected[0].c_str());
  const pwSaverDecision decision = DecideSaverMode(args, platform);
  if (!IsKnownMode(letter)) {
    ASSERT_EQ(decision.action, pwSaverAction::Nothing) << "[" << line << "]";
    ASSERT_EQ(decision.parent, nullptr) << "[" << line << "]";
  }
  if (decision.action == pwSaverAction::RunSaver && decision.parent != nullptr) {
    ASSERT_EQ(decision.parent, FakePlatform::Handle(kHostWindow)) << "[" << line << "]";
  }
  if (decision.action == pwSaverAction::ChangePassword) {
    ASSERT_TRUE(windows95) << "[" << line << "]";
  }
}

TEST(CommandLineFuzz, RandomLinesSplitAsTheModelAndPickNoUnknownMode) {
  std::mt19937 generator(20240601u);
  for (int i = 0; i < kRandomLines; ++i) {
    CheckLine(RandomLine(generator), (i & 1) != 0);
    if (HasFatalFailure())
      return;
  }
}

TEST(CommandLineFuzz, MutatedModeLinesSplitAsTheModel) {
  std::mt19937 generator(77u);
  for (int i = 0; i < kMutatedLines; ++i) {
    CheckLine(Mutated(generator), (i & 1) != 0);
    if (HasFatalFailure())
      return;
  }
}

TEST(CommandLineFuzz, RandomDigitStringsParseWithoutOverflow) {
  std::mt19937 generator(5u);
  for (int i = 0; i < kRandomLines; ++i) {
    std::string text(generator() % 60, '0');
    for (char &c : text)
      c = static_cast<char>('0' + generator() % 10);
    if (generator() % 2 == 0)
      text.insert(0, 1, '-');
    (void)ParseWindowHandle(text.c_str()); // UBSan watches the arithmetic
  }
}

} // namespace
