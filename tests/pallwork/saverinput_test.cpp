#include "pallwork/saverinput.h"

#include "tests/pallwork/support/fakeplatform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::int32_t kScreenShotTestKey = 112; // VK_F1

// Records what the rules ask of the window system; the clock and the cursor
// are whatever the test sets.
class FakeSaverHost final : public pwSaverHost {
public:
  std::uint32_t TickCount() override { return now; }
  pwCursorPoint CursorPosition() override { return cursor; }
  void NudgeCursor() override { calls.push_back("nudge"); }
  bool PrimaryButtonDown() override { return buttonDown; }
  void ShowCursor(bool show) override {
    visible += show ? 1 : -1;
    calls.push_back(show ? "show" : "hide");
  }
  bool PasswordWanted() override { return passwordWanted; }
  void BeforeScreenShot() override { calls.push_back("before"); }
  void TakeScreenShot() override { calls.push_back(visible >= 0 ? "shot+cursor" : "shot"); }
  void EnableOwner(bool enable) override { calls.push_back(enable ? "enable" : "disable"); }
  void PostClose() override { ++closes; }

  std::uint32_t now = 1000;
  pwCursorPoint cursor;
  bool buttonDown = false;
  bool passwordWanted = true;
  int visible = 0;
  int closes = 0;
  std::vector<std::string> calls;
};

struct Saver {
  explicit Saver(bool preview = false, bool noPassword = false, std::uint32_t start = 1000)
      : host(MakeHost(start)), input(host, FakePlatform::Handle(7), preview, noPassword) {}
  static FakeSaverHost MakeHost(std::uint32_t start) {
    FakeSaverHost host;
    host.now = start;
    return host;
  }
  FakeSaverHost host;
  pwSaverInput input;
};

TEST(SaverInput, GracePeriodEndsAfter666Ms) {
  struct Case {
    std::uint32_t start;
    std::uint32_t elapsed;
    bool ends;
  };
  // The last case starts just before the tick counter wraps.
  const Case cases[] = {{1000, 0, false},   {1000, 666, false},        {1000, 667, true},
                        {1000, 5000, true}, {0xFFFFFF00u, 666, false}, {0xFFFFFF00u, 667, true}};
  for (const Case &c : cases) {
    for (int kind = 0; kind < 2; ++kind) {
      Saver saver(false, true, c.start);
      saver.host.now = c.start + c.elapsed;
      if (kind == 0)
        saver.input.OnKeyDown('A');
      else
        saver.input.OnButtonDown();
      EXPECT_EQ(saver.host.closes, c.ends ? 1 : 0) << c.start << " +" << c.elapsed << " " << kind;
    }
  }
}

TEST(SaverInput, MouseEndsOnlyBeyondFourPixelsFromTheFirstMoveAfterGrace) {
  struct Case {
    int dx;
    int dy;
    bool ends;
  };
  const Case cases[] = {{2, 2, false}, {3, 2, true}, {-4, 0, false}, {0, -5, true}, {-3, 2, true}};
  for (const Case &c : cases) {
    Saver saver(false, true);
    saver.host.cursor = {100, 100};
    saver.input.OnMouseMove(); // within the grace: no anchor yet
    saver.host.now += 667;
    saver.host.cursor = {500, 500};
    saver.input.OnMouseMove(); // anchor
    EXPECT_EQ(saver.host.closes, 0);
    saver.host.cursor = {500 + c.dx, 500 + c.dy};
    saver.input.OnMouseMove();
    EXPECT_EQ(saver.host.closes, c.ends ? 1 : 0) << c.dx << "," << c.dy;
  }
}

TEST(SaverInput, PreviewEndsOnlyOnTheScreenShotKeyAndTakesNoShot) {
  Saver saver(true, false);
  saver.input.SetScreenShotKey(kScreenShotTestKey);
  saver.host.now += 10000;
  saver.input.OnKeyDown('A');
  saver.input.OnButtonDown();
  saver.input.OnMouseMove();
  saver.host.cursor = {50, 50};
  saver.input.OnMouseMove();
  saver.input.TryHideCursor();
  EXPECT_EQ(saver.host.closes, 0);
  EXPECT_TRUE(saver.host.calls.empty());
  saver.input.OnKeyDown(kScreenShotTestKey);
  EXPECT_EQ(saver.host.closes, 1);
  EXPECT_TRUE(saver.host.calls.empty());
}

TEST(SaverInput, ScreenShotKeyWorksWithinGraceAndOnlyWhenSet) {
  Saver off(false, true);
  off.input.OnKeyDown(kScreenShotTestKey);
  EXPECT_EQ(off.host.closes, 0);

  Saver on(false, true);
  on.input.SetScreenShotKey(kScreenShotTestKey);
  on.input.TryHideCursor();
  on.input.OnKeyDown(kScreenShotTestKey);
  EXPECT_EQ(on.host.closes, 1);
  // The cursor is back before the capture, so the file dialog can be used.
  const std::vector<std::string> expected = {"nudge", "hide",        "disable", "before",
                                             "show",  "shot+cursor", "enable"};
  EXPECT_EQ(on.host.calls, expected);
  // A second press while the shot runs (its nested loop) changes nothing.
  on.input.OnKeyDown(kScreenShotTestKey);
  EXPECT_EQ(on.host.closes, 1);
}

TEST(SaverInput, CursorStaysWhileThePrimaryButtonIsHeld) {
  Saver saver;
  saver.host.buttonDown = true;
  saver.input.TryHideCursor();
  EXPECT_FALSE(saver.input.CursorHidden());
  saver.host.buttonDown = false;
  saver.input.TryHideCursor();
  saver.input.TryHideCursor();
  EXPECT_TRUE(saver.input.CursorHidden());
  EXPECT_EQ(saver.host.visible, -1);
  saver.input.Restore();
  EXPECT_EQ(saver.host.visible, 0);
}

TEST(SaverPassword, AskedOnlyOnWindows95FamilyWhenTheDesktopWantsOne) {
  struct Case {
    bool windows95;
    bool wanted;
    bool noPassword;
    bool accepted;
    bool ends;
  };
  const Case cases[] = {{false, true, false, false, true},
                        {true, false, false, false, true},
                        {true, true, true, false, true},
                        {true, true, false, true, true},
                        {true, true, false, false, false}};
  for (const Case &c : cases) {
    ScopedFakePlatform platform;
    platform->windows95 = c.windows95;
    platform->passwordAccepted = c.accepted;
    Saver saver(false, c.noPassword);
    saver.host.passwordWanted = c.wanted;
    saver.host.now += 1000;
    saver.input.OnKeyDown('A');
    EXPECT_EQ(saver.host.closes, c.ends ? 1 : 0)
        << c.windows95 << c.wanted << c.noPassword << c.accepted;
  }
}

TEST(SaverPassword, RejectionRestartsGraceAndHidesTheCursorAgain) {
  ScopedFakePlatform platform;
  platform->windows95 = true;
  platform->passwordAccepted = false;
  Saver saver;
  saver.input.TryHideCursor();
  saver.host.now += 2000;
  saver.host.cursor = {10, 10};
  saver.input.OnMouseMove(); // anchor
  saver.host.calls.clear();
  saver.input.OnKeyDown('A');
  EXPECT_EQ(saver.host.closes, 0);
  const std::vector<std::string> rehidden = {"show", "nudge", "hide"};
  EXPECT_EQ(saver.host.calls, rehidden);
  EXPECT_TRUE(saver.input.CursorHidden());

  // A fresh grace period and a fresh anchor.
  saver.host.now += 666;
  saver.input.OnKeyDown('A');
  saver.host.cursor = {300, 300};
  saver.input.OnMouseMove();
  EXPECT_EQ(saver.host.closes, 0);
  saver.host.now += 1;
  saver.input.OnMouseMove(); // the anchor, not the old one
  EXPECT_EQ(saver.host.closes, 0);

  platform->passwordAccepted = true;
  saver.input.OnKeyDown('A');
  EXPECT_EQ(saver.host.closes, 1);
  EXPECT_TRUE(saver.input.PasswordAccepted());
}

TEST(SaverPassword, SystemToldOfTheSaverOnlyOnWindows95FamilyOutsidePreview) {
  for (const bool windows95 : {false, true}) {
    for (const bool preview : {false, true}) {
      ScopedFakePlatform platform;
      platform->windows95 = windows95;
      platform->saverRunning = false;
      Saver saver(preview, true);
      saver.input.ReportSaverRunning(true);
      EXPECT_EQ(platform->saverRunning, windows95 && !preview);
      saver.input.Restore();
      EXPECT_FALSE(platform->saverRunning);
    }
  }
}

} // namespace
