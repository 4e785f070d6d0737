#include "vorlunda/win32/saver.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

constexpr DWORD kDrawMs = 2500;

// Ends its own run after a while and counts what it drew then.
class TimedSaver : public vVorlundaSaver {
public:
  explicit TimedSaver(HWND parent)
      : vVorlundaSaver(parent, nullptr, nullptr, true), start_(GetTickCount()) {}
  void Step() override {
    vVorlundaSaver::Step();
    ++steps;
    if (GetTickCount() - start_ > kDrawMs && !closing_) {
      closing_ = true;
      lit = CountLit();
      PostMessageA(Window(), WM_CLOSE, 0, 0);
    }
  }
  int CountLit() {
    RECT area = {};
    GetClientRect(Window(), &area);
    const HDC dc = GetDC(Window());
    int count = 0;
    for (int y = 0; y < area.bottom; y += 2)
      for (int x = 0; x < area.right; x += 2)
        if ((GetPixel(dc, x, y) & 0xFFFFFF) > 0x101010)
          ++count;
    ReleaseDC(Window(), dc);
    return count;
  }
  int steps = 0;
  int lit = -1;

private:
  DWORD start_;
  bool closing_ = false;
};

TEST(VorlundaSaver, FullScreenDrawsIntoItsWindow) {
  {
    TimedSaver saver(nullptr);
    ASSERT_NE(saver.Window(), nullptr);
    saver.Run();
    EXPECT_GT(saver.steps, 100);
    EXPECT_GT(saver.lit, 200);
  }
}

} // namespace
