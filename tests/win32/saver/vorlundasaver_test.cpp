#include "vorlunda/win32/saver.h"

#include "tests/win32/support/hostwindow.h"
#include "vorlunda/config.h"
#include "vorlunda/factory.h"

#include <gtest/gtest.h>

#include <windows.h>

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

} // namespace
