#include "vorlunda/win32/saver.h"

#include "ifs/win32/gdisurface.h"
#include "pallwork/platform.h"
#include "tests/pallwork/support/fakeplatform.h"
#include "tests/win32/support/hostwindow.h"
#include "vorlunda/config.h"
#include "vorlunda/factory.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

namespace {

constexpr DWORD kDrawMs = 2500;
constexpr COLORREF kInfoBlue = RGB(0, 0, 255);

// Ends its own run after a while and looks at what it drew then.
class TimedSaver : public vVorlundaSaver {
public:
  TimedSaver(HWND parent, vConfigMgr *config)
      : vVorlundaSaver(parent, config, nullptr, true), start_(GetTickCount()) {}
  void Step() override {
    vVorlundaSaver::Step();
    ++steps;
    if (ReadyToLook(GetTickCount() - start_) && !closing_) {
      closing_ = true;
      Look();
      PostMessageA(Window(), WM_CLOSE, 0, 0);
    }
  }

  int steps = 0;
  int lit = -1;
  int blueInBottomRow = 0;
  bool infoLineOn = false;
  // The client area as it was at the end, 0x00RRGGBB, top row first.
  std::vector<std::uint32_t> picture;
  int pictureWidth = 0;

  std::uint32_t PixelAt(int x, int y) const {
    return picture[static_cast<std::size_t>(y) * pictureWidth + x];
  }
  // Lit pixels in [left, right) × [top, bottom).
  int LitIn(int left, int top, int right, int bottom) const {
    int count = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x)
        count += (PixelAt(x, y) & 0xFFFFFF) > 0x101010;
    return count;
  }

private:
  void Capture(HDC dc, int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void *bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HDC memory = CreateCompatibleDC(dc);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    const auto *pixels = static_cast<const std::uint32_t *>(bits);
    picture.assign(pixels, pixels + static_cast<std::size_t>(width) * height);
    pictureWidth = width;
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(bitmap);
  }

  void Look() {
    RECT area = {};
    GetClientRect(Window(), &area);
    const HDC dc = GetDC(Window());
    lit = 0;
    for (int y = 0; y < area.bottom; y += 2)
      for (int x = 0; x < area.right; x += 2)
        if ((GetPixel(dc, x, y) & 0xFFFFFF) > 0x101010)
          ++lit;
    for (int x = 0; x < area.right; ++x)
      if (GetPixel(dc, x, area.bottom - 1) == kInfoBlue)
        ++blueInBottomRow;
    Capture(dc, area.right, area.bottom);
    ReleaseDC(Window(), dc);
    infoLineOn = Factory() != nullptr && Factory()->Config().infoLine;
  }

  DWORD start_;
  bool closing_ = false;

protected:
  virtual bool ReadyToLook(DWORD runMs) { return runMs > kDrawMs; }
};

// The built-in schemes with the information line on.
vConfigMgr ConfigWithInfoLine() {
  vConfigMgr config;
  config.RestoreDefaults();
  config.infoLine = true;
  return config;
}

TEST(VorlundaSaver, FullScreenDrawsWithTheInformationLineAtTheBottom) {
  vConfigMgr config = ConfigWithInfoLine();
  TimedSaver saver(nullptr, &config);
  ASSERT_NE(saver.Window(), nullptr);
  saver.Run();
  EXPECT_GT(saver.steps, 100);
  EXPECT_GT(saver.lit, 200);
  EXPECT_TRUE(saver.infoLineOn);
  // The text is white on blue, so most of the bottom row is blue.
  EXPECT_GT(saver.blueInBottomRow, GetSystemMetrics(SM_CXSCREEN) / 2);
}

int sectionsRefused = 0;

HBITMAP RefuseSection(HDC, const BITMAPINFO *, void **bits) {
  ++sectionsRefused;
  *bits = nullptr;
  return nullptr;
}

// As on a system without the memory for a backing store of the whole screen.
class NoBackingStores {
public:
  NoBackingStores() { SetSectionMaker(RefuseSection); }
  ~NoBackingStores() { SetSectionMaker(nullptr); }
  NoBackingStores(const NoBackingStores &) = delete;
  NoBackingStores &operator=(const NoBackingStores &) = delete;
};

TEST(VorlundaSaver, WithoutABackingStoreDrawsStraightOntoTheWindow) {
  NoBackingStores refused;
  sectionsRefused = 0;
  vConfigMgr config = ConfigWithInfoLine();
  TimedSaver saver(nullptr, &config);
  ASSERT_NE(saver.Window(), nullptr);
  saver.Run();
  EXPECT_GT(sectionsRefused, 0);
  EXPECT_GT(saver.lit, 200);
  EXPECT_GT(saver.blueInBottomRow, GetSystemMetrics(SM_CXSCREEN) / 2);
}

TEST(VorlundaSaver, PreviewDrawsInsideItsHostWithoutTheInformationLine) {
  HostWindow host;
  ASSERT_NE(host.Get(), nullptr);
  vConfigMgr config = ConfigWithInfoLine();
  TimedSaver saver(host.Get(), &config);
  ASSERT_NE(saver.Window(), nullptr);
  saver.Run();
  EXPECT_GT(saver.lit, 20);
  EXPECT_FALSE(saver.infoLineOn);
  EXPECT_EQ(saver.blueInBottomRow, 0);
}

TEST(VorlundaSaver, PreviewWhoseHostVanishedDrawsNothingAndEnds) {
  HWND gone = nullptr;
  {
    HostWindow host;
    gone = host.Get();
  }
  ASSERT_FALSE(IsWindow(gone));
  vConfigMgr config = ConfigWithInfoLine();
  TimedSaver saver(gone, &config);
  EXPECT_EQ(saver.Window(), nullptr);
  saver.Run();
  EXPECT_EQ(saver.steps, 0);
  EXPECT_EQ(saver.Factory(), nullptr);
}

// One quick fractal, then a wait far longer than the test.
vConfigMgr LongWaitConfig() {
  vConfigMgr defaults;
  defaults.RestoreDefaults();
  vScheme scheme;
  for (std::int32_t i = 0; i < defaults.SchemeCount(); ++i)
    if (!defaults.SchemeAt(i)->scheme.IsTemplated())
      scheme = defaults.SchemeAt(i)->scheme;
  scheme.enabled = true;
  scheme.minPerGroup = scheme.maxPerGroup = 1;
  scheme.filterEnabled = false;
  scheme.pointDensity = 0.05;
  scheme.clearDelay = 600;
  vConfigMgr config;
  config.SetScheme(String("Long wait"), scheme);
  return config;
}

// Counts the steps taken while the factory waits between groups.
class WaitingSaver : public vVorlundaSaver {
public:
  explicit WaitingSaver(vConfigMgr *config) : vVorlundaSaver(nullptr, config, nullptr, true) {}
  void Step() override {
    vVorlundaSaver::Step();
    if (Factory()->state == vLoopState::Wait) {
      ++waitingSteps;
      waiting = true;
    }
  }
  std::atomic<bool> waiting{false};
  std::atomic<int> waitingSteps{0};
};

TEST(VorlundaSaver, SleepsBetweenGroupsYetEndsOnInputAtOnce) {
  constexpr DWORD kSleepMs = 1000;
  constexpr DWORD kEndWithinMs = 20000;
  vConfigMgr config = LongWaitConfig();
  WaitingSaver saver(&config);
  ASSERT_NE(saver.Window(), nullptr);
  const HWND window = saver.Window();
  int stepsBeforeKey = -1;
  DWORD keyTime = 0;
  // From another thread, so the key arrives while the loop sleeps.
  std::thread presser([&] {
    const DWORD start = GetTickCount();
    while (!saver.waiting && GetTickCount() - start < kEndWithinMs)
      Sleep(10);
    Sleep(kSleepMs);
    stepsBeforeKey = saver.waitingSteps;
    keyTime = GetTickCount();
    PostMessageA(window, WM_KEYDOWN, 'A', 1);
  });
  saver.Run();
  const DWORD endTime = GetTickCount();
  presser.join();
  EXPECT_TRUE(saver.Closed());
  ASSERT_GE(stepsBeforeKey, 1);
  // A busy loop takes thousands of steps a second.
  EXPECT_LT(stepsBeforeKey, 50);
  EXPECT_LT(endTime - keyTime, kEndWithinMs / 4) << "the key did not wake the loop";
}

// Two monitors that fit on the test display: the primary on the right, a
// smaller one left of it and lower down, desktop above and below that.
TEST(VorlundaSaver, EveryMonitorDrawsItsOwnGroupsAndThePrimaryTheLine) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  const pwScreenRect primary = {width / 3, 0, width, height};
  const pwScreenRect secondary = {0, height / 4, width / 3, height * 3 / 4};
  ScopedFakePlatform fake;
  fake->monitors = {{secondary, false}, {primary, true}};
  vConfigMgr config = ConfigWithInfoLine();
  TimedSaver saver(nullptr, &config);
  ASSERT_NE(saver.Window(), nullptr);
  saver.Run();
  ASSERT_EQ(saver.FactoryCount(), 2);
  EXPECT_EQ(saver.FactoryAt(0)->DrawWidth(), primary.Width());
  EXPECT_LT(saver.FactoryAt(0)->DrawHeight(), primary.Height()) << "the line takes its bottom";
  EXPECT_EQ(saver.FactoryAt(1)->DrawWidth(), secondary.Width());
  EXPECT_EQ(saver.FactoryAt(1)->DrawHeight(), secondary.Height());
  ASSERT_EQ(saver.pictureWidth, width);
  EXPECT_GT(saver.LitIn(primary.left, primary.top, primary.right, primary.bottom), 100);
  EXPECT_GT(saver.LitIn(secondary.left, secondary.top, secondary.right, secondary.bottom), 100);
  EXPECT_EQ(saver.LitIn(0, 0, secondary.right, secondary.top), 0) << "desktop above";
  EXPECT_EQ(saver.LitIn(0, secondary.bottom, secondary.right, height), 0) << "desktop below";
  const std::uint32_t kBluePixel = 0x0000FF;
  EXPECT_EQ(saver.PixelAt(primary.left, height - 1), kBluePixel);
  EXPECT_EQ(saver.PixelAt(width - 1, height - 1), kBluePixel);
  EXPECT_NE(saver.PixelAt(primary.left - 1, secondary.bottom - 1), kBluePixel);
}

// Once the first monitors have drawn a little, they change; it looks once
// every new monitor has drawn a good part of a fractal (or much later).
class ReplugSaver : public TimedSaver {
public:
  ReplugSaver(vConfigMgr *config, FakePlatform &platform, std::vector<pwMonitor> after)
      : TimedSaver(nullptr, config), platform_(platform), after_(std::move(after)) {}
  void Step() override {
    TimedSaver::Step();
    if (!changed_ && steps >= kStepsBefore) {
      changed_ = true;
      factoriesBefore = FactoryCount();
      platform_.monitors = after_;
      SendMessageA(Window(), WM_DISPLAYCHANGE, 32, 0);
      return;
    }
    // The old layout's factories go at a later step, all at once; only the
    // new layout's, as many as its monitors, count.
    const bool laidOutAgain = changed_ && FactoryCount() == static_cast<int>(after_.size());
    for (int i = 0; laidOutAgain && i < FactoryCount() && i < kMostMonitors; ++i)
      drawn_[i] = drawn_[i] || FactoryAt(i)->Fractal().PointsDrawn() >= kPointsEach;
  }
  int factoriesBefore = 0;

protected:
  bool ReadyToLook(DWORD runMs) override {
    bool all = changed_ && FactoryCount() == static_cast<int>(after_.size());
    for (int i = 0; i < FactoryCount() && i < kMostMonitors; ++i)
      all = all && drawn_[i];
    if (!all && runMs < kLongestRunMs)
      return false;
    // What the last turn drew is on the window too.
    BeforeScreenShot();
    return true;
  }

private:
  static constexpr int kStepsBefore = 300;
  static constexpr int kPointsEach = 20000;
  static constexpr DWORD kLongestRunMs = 30000;
  static constexpr int kMostMonitors = 4;
  FakePlatform &platform_;
  std::vector<pwMonitor> after_;
  bool changed_ = false;
  bool drawn_[kMostMonitors] = {};
};

// Two monitors become three of other sizes: the window covers the new ones,
// each draws groups of its own again, and what the old layout drew in the
// desktop between the new monitors is gone.
TEST(VorlundaSaver, MonitorsThatChangeWhileItRunsAreLaidOutAgain) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  ScopedFakePlatform fake;
  fake->monitors = {{{width / 3, 0, width, height}, true}, {{0, 0, width / 3, height}, false}};
  const pwScreenRect primary = {0, 0, width / 2, height / 2};
  const pwScreenRect right = {width / 2, 0, width, height * 3 / 4};
  const pwScreenRect below = {0, height / 2, width / 4, height};
  vConfigMgr config = ConfigWithInfoLine();
  ReplugSaver saver(&config, *fake, {{right, false}, {primary, true}, {below, false}});
  ASSERT_NE(saver.Window(), nullptr);
  saver.Run();
  EXPECT_EQ(saver.factoriesBefore, 2);
  ASSERT_EQ(saver.FactoryCount(), 3);
  EXPECT_EQ(saver.FactoryAt(0)->DrawWidth(), primary.Width());
  EXPECT_EQ(saver.FactoryAt(1)->DrawWidth(), right.Width());
  EXPECT_EQ(saver.FactoryAt(2)->DrawHeight(), below.Height());
  ASSERT_EQ(saver.pictureWidth, width);
  for (const pwScreenRect &area : {primary, right, below})
    EXPECT_GT(saver.LitIn(area.left, area.top, area.right, area.bottom), 100)
        << "a monitor at " << area.left << "," << area.top << " drew nothing";
  EXPECT_EQ(saver.LitIn(below.right, primary.bottom, primary.right, height), 0);
  EXPECT_EQ(saver.LitIn(right.left, right.bottom, width, height), 0);
  EXPECT_EQ(saver.PixelAt(0, primary.bottom - 1), 0x0000FFu) << "the line moved to the primary";
}

pwScreenRect Shifted(const pwScreenRect &rect, int dx, int dy) {
  return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

// The heads of the display the test runs on, WxH+X+Y each, the primary
// first, as the lane that starts such a display gives them; none elsewhere.
// In the X server's coordinates, whose origin is the top-left corner of all
// heads; Windows puts its origin at the primary's corner instead.
std::vector<pwScreenRect> HeadsOfTheDisplay() {
  std::vector<pwScreenRect> heads;
  const char *list = std::getenv("VORLUNDA_HEADS");
  for (const char *at = list; at != nullptr && *at != '\0';) {
    int width = 0, height = 0, x = 0, y = 0, used = 0;
    if (std::sscanf(at, " %dx%d+%d+%d%n", &width, &height, &x, &y, &used) != 4)
      break;
    heads.push_back({x, y, x + width, y + height});
    at += used;
  }
  return heads;
}

// Looks once every monitor has drawn a good many points (or much later), so
// a head whose first zoomed fractal fell mostly beyond its borders has had
// time for more.
class EveryHeadSaver : public TimedSaver {
public:
  explicit EveryHeadSaver(vConfigMgr *config) : TimedSaver(nullptr, config) {}
  void Step() override {
    int before[kMostMonitors] = {};
    for (int i = 0; i < FactoryCount() && i < kMostMonitors; ++i)
      before[i] = FactoryAt(i)->Fractal().PointsDrawn();
    TimedSaver::Step();
    for (int i = 0; i < FactoryCount() && i < kMostMonitors; ++i) {
      const int drawn = FactoryAt(i)->Fractal().PointsDrawn() - before[i];
      drawn_[i] += drawn > 0 ? drawn : 0;
    }
  }

protected:
  bool ReadyToLook(DWORD runMs) override {
    bool all = FactoryCount() > 0 && runMs > kDrawMs;
    for (int i = 0; i < FactoryCount() && i < kMostMonitors; ++i)
      all = all && drawn_[i] >= kPointsEach;
    if (!all && runMs < kLongestRunMs)
      return false;
    BeforeScreenShot();
    return true;
  }

private:
  static constexpr int kPointsEach = 200000;
  static constexpr DWORD kLongestRunMs = 30000;
  static constexpr int kMostMonitors = 4;
  long drawn_[kMostMonitors] = {};
};

// For real, with no made-up list: the system's monitors as the X server's
// heads, and fractals zoomed past them, on every colour system in turn.
TEST(VorlundaSaver, EveryHeadOfTheDisplayDrawsInsideItselfAndThePrimaryTheLine) {
  const std::vector<pwScreenRect> heads = HeadsOfTheDisplay();
  if (heads.size() < 2)
    GTEST_SKIP() << "the display has one head";
  const std::vector<pwMonitor> listed = CurrentPlatform().Monitors();
  ASSERT_EQ(listed.size(), heads.size()) << "Wine does not list the heads as monitors";
  for (std::size_t i = 0; i < heads.size(); ++i) {
    EXPECT_EQ(listed[i].area, Shifted(heads[i], -heads[0].left, -heads[0].top)) << "monitor " << i;
    EXPECT_EQ(listed[i].primary, i == 0) << "monitor " << i;
  }
  vConfigMgr config = ConfigWithInfoLine();
  vScheme zoomed = config.SchemeAt(0)->scheme;
  zoomed.type = vSchemeType::FullRandom;
  zoomed.minScaling = 3.0;
  zoomed.maxScaling = 6.0;
  zoomed.centring = 1.0;
  zoomed.clearDelay = 0;
  for (int colours = 0; colours < 4; ++colours) {
    zoomed.colourSystem = static_cast<ifsColourSystem>(colours);
    String name;
    name.Format("Zoomed %d", colours);
    config.SetScheme(name, zoomed);
  }
  EveryHeadSaver saver(&config);
  ASSERT_NE(saver.Window(), nullptr);
  saver.Run();
  ASSERT_EQ(saver.FactoryCount(), static_cast<int>(heads.size()));
  int outside = 0, width = saver.pictureWidth;
  const int height = static_cast<int>(saver.picture.size()) / width;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      bool onAHead = false;
      for (const pwScreenRect &head : heads)
        onAHead = onAHead || (x >= head.left && x < head.right && y >= head.top && y < head.bottom);
      outside += !onAHead && (saver.PixelAt(x, y) & 0xFFFFFF) != 0;
    }
  EXPECT_EQ(outside, 0) << "drawn where there is no monitor";
  for (std::size_t i = 0; i < heads.size(); ++i) {
    const pwScreenRect &head = heads[i];
    EXPECT_EQ(saver.FactoryAt(static_cast<int>(i))->DrawWidth(), head.Width());
    EXPECT_GT(saver.LitIn(head.left, head.top, head.right, head.bottom), 100) << "head " << i;
  }
  EXPECT_EQ(saver.PixelAt(heads[0].left, heads[0].bottom - 1), 0x0000FFu);
  EXPECT_EQ(saver.PixelAt(heads[0].right - 1, heads[0].bottom - 1), 0x0000FFu);
  EXPECT_NE(saver.PixelAt(heads[1].left, heads[1].bottom - 1), 0x0000FFu) << "a second line";
}

} // namespace
