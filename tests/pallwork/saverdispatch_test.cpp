#include "pallwork/saverdispatch.h"

#include "tests/pallwork/support/fakeplatform.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

namespace {

constexpr std::intptr_t kHostWindow = 1234;
constexpr std::intptr_t kForeground = 777;
constexpr std::intptr_t kDesktop = 65552;

const char *ActionName(pwSaverAction action) {
  switch (action) {
  case pwSaverAction::Nothing:
    return "Nothing";
  case pwSaverAction::RunSaver:
    return "RunSaver";
  case pwSaverAction::Configure:
    return "Configure";
  case pwSaverAction::ChangePassword:
    return "ChangePassword";
  }
  return "?";
}

struct ModeCase {
  const char *line;
  bool windows95;
  pwSaverAction action;
  std::intptr_t parent;
};

TEST(SaverMode, CommandLinesSelectTheirAction) {
  using A = pwSaverAction;
  const ModeCase cases[] = {
      {"", false, A::Configure, 0},
      {"    ", false, A::Configure, 0},
      {"/", false, A::Configure, 0},
      {"-", false, A::Configure, 0},
      {"\"\"", false, A::Configure, 0},
      {"/ extra", false, A::Nothing, 0},
      {"/s", false, A::RunSaver, 0},
      {"-s", false, A::RunSaver, 0},
      {"/S", false, A::RunSaver, 0},
      {"s", false, A::RunSaver, 0},
      {"S", false, A::RunSaver, 0},
      {"/sfoo", false, A::RunSaver, 0},
      {"\"/s\"", false, A::RunSaver, 0},
      {"\"/s", false, A::RunSaver, 0},
      {"/s x", false, A::Nothing, 0},
      {"//s", false, A::Nothing, 0}, // only one prefix character is skipped
      {"/p 1234", false, A::RunSaver, kHostWindow},
      {"/P 1234", false, A::RunSaver, kHostWindow},
      {"/p +1234", false, A::RunSaver, kHostWindow},
      {"/p 1234abc", false, A::RunSaver, kHostWindow},
      {"/p \" 1234\"", false, A::RunSaver, kHostWindow},
      {"/p 1234 x", false, A::Nothing, 0},
      {"/p 4321", false, A::Nothing, 0},
      {"/p 65552", false, A::Nothing, 0}, // the desktop hosts no preview
      {"/p", false, A::Nothing, 0},
      {"/p 0", false, A::Nothing, 0},
      {"/p abc", false, A::Nothing, 0},
      {"/p 0x4D2", false, A::Nothing, 0}, // 0x4D2 is 1234, but hex reads as 0
      {"/c", false, A::Configure, kForeground},
      {"-C", false, A::Configure, kForeground},
      {"/c:1234", false, A::Configure, kForeground},
      {"/c 1234", false, A::Nothing, 0},
      {"/a 1234", true, A::ChangePassword, kHostWindow},
      {"/a 1234 more", true, A::ChangePassword, kHostWindow},
      {"/a 4321", true, A::ChangePassword, kForeground},
      {"/a", true, A::ChangePassword, kForeground},
      {"/a 1234", false, A::Nothing, 0},
      {"/a", false, A::Nothing, 0},
      {"/x", false, A::Nothing, 0},
      {"/1234", false, A::Nothing, 0},
      {"?", false, A::Nothing, 0},
  };
  for (const ModeCase &c : cases) {
    FakePlatform platform;
    platform.AddWindow(kHostWindow);
    platform.AddWindow(kDesktop);
    platform.desktop = FakePlatform::Handle(kDesktop);
    platform.foreground = FakePlatform::Handle(kForeground);
    platform.windows95 = c.windows95;
    pwArgs args(c.line);
    const pwSaverDecision decision = DecideSaverMode(args, platform);
    EXPECT_STREQ(ActionName(decision.action), ActionName(c.action)) << "line: [" << c.line << "]";
    EXPECT_EQ(decision.parent, FakePlatform::Handle(c.parent)) << "line: [" << c.line << "]";
  }
}

TEST(SaverMode, ConsumesTheModeAndThePreviewWindow) {
  FakePlatform platform;
  platform.AddWindow(kHostWindow);
  pwArgs preview("/p 1234 tail");
  (void)DecideSaverMode(preview, platform);
  ASSERT_EQ(preview.Count(), 1);
  EXPECT_STREQ(preview.Get(0), "tail");

  pwArgs unknown("/x 1 2");
  (void)DecideSaverMode(unknown, platform);
  EXPECT_EQ(unknown.Count(), 2);
}

TEST(SaverMode, FullScreenAsksTheSystemNothing) {
  FakePlatform platform;
  platform.foreground = FakePlatform::Handle(kForeground);
  pwArgs args("/s");
  EXPECT_EQ(DecideSaverMode(args, platform).parent, nullptr);
  EXPECT_EQ(platform.isWindowCalls, 0);
}

struct HandleCase {
  const char *text;
  std::intptr_t expected;
};

TEST(WindowHandleParse, ReadsSignedDecimalAndIgnoresTheRest) {
  const HandleCase cases[] = {
      {"1234", 1234}, {"  \t\n1234", 1234},
      {"+56", 56},    {"-56", -56},
      {"12ab", 12},   {"0x10", 0},
      {"abc", 0},     {"", 0},
      {"- 5", 0},     {"+-5", 0},
      {"007", 7},     {"1 2", 1},
      {"-0", 0},      {"2147483647", 2147483647},
  };
  for (const HandleCase &c : cases)
    EXPECT_EQ(ParseWindowHandle(c.text), FakePlatform::Handle(c.expected)) << c.text;
}

TEST(WindowHandleParse, SaturatesInsteadOfWrapping) {
  const char *const huge = "99999999999999999999999999999999999999999";
  EXPECT_EQ(ParseWindowHandle(huge), FakePlatform::Handle(INTPTR_MAX));
  EXPECT_EQ(ParseWindowHandle("-99999999999999999999999999999999999999999"),
            FakePlatform::Handle(INTPTR_MIN));
  // One more than the largest value, which a wrapping reader would turn negative.
  const char *const justAbove = sizeof(std::intptr_t) == 8 ? "9223372036854775808" : "2147483648";
  EXPECT_EQ(ParseWindowHandle(justAbove), FakePlatform::Handle(INTPTR_MAX));
  const char *const lowest = sizeof(std::intptr_t) == 8 ? "-9223372036854775808" : "-2147483648";
  EXPECT_EQ(ParseWindowHandle(lowest), FakePlatform::Handle(INTPTR_MIN));
}

} // namespace
