#include "vorlunda/win32/saver.h"

#include "ifs/win32/gdisurface.h"
#include "vorlunda/config.h"
#include "vorlunda/factory.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <thread>

namespace {

constexpr DWORD kDrawMs = 2500;
constexpr char kHostClass[] = "VorlundaTestDrawingHost";
constexpr COLORREF kInfoBlue = RGB(0, 0, 255);

// Ends its own run after a while and looks at what it drew then.
class TimedSaver : public vVorlundaSaver {
public:
  TimedSaver(HWND parent, vConfigMgr *config)
      : vVorlundaSaver(parent, config, nullptr, true), start_(GetTickCount()) {}
  void Step() override {
    vVorlundaSaver::Step();
    ++steps;
    if (GetTickCount() - start_ > kDrawMs && !closing_) {
      closing_ = true;
      Look();
      PostMessageA(Window(), WM_CLOSE, 0, 0);
    }
  }

  int steps = 0;
  int lit = -1;
  int blueInBottomRow = 0;
  bool infoLineOn = false;

private:
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
    ReleaseDC(Window(), dc);
    infoLineOn = Factory() != nullptr && Factory()->Config().infoLine;
  }

  DWORD start_;
  bool closing_ = false;
};

class DrawingHost {
public:
  DrawingHost() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kHostClass;
    RegisterClassA(&windowClass);
    window_ = CreateWindowExA(0, kHostClass, "Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 320,
                              240, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  ~DrawingHost() { DestroyWindow(window_); }
  DrawingHost(const DrawingHost &) = delete;
  DrawingHost &operator=(const DrawingHost &) = delete;
  HWND Get() const { return window_; }

private:
  HWND window_;
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
  DrawingHost host;
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
    DrawingHost host;
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
    if (Factory()->state == kStateWait) {
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

} // namespace
