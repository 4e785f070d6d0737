#include "pallwork/win32/saverwin.h"

#include "tests/pallwork/support/fakeplatform.h"
#include "tests/win32/support/hostwindow.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>

namespace {

constexpr DWORD kPastGraceMs = 800;
constexpr DWORD kGiveUpMs = 5000;

// A saver whose step runs the test's script, given the time since the loop began.
class ScriptedSaver : public pwScreenSaverWindow {
public:
  ScriptedSaver(HWND parent, std::function<void(ScriptedSaver &, DWORD)> script)
      : pwScreenSaverWindow(parent, nullptr, true), script_(std::move(script)),
        start_(GetTickCount()) {}
  void Step() override {
    ++steps;
    const DWORD elapsed = GetTickCount() - start_;
    if (elapsed > kGiveUpMs)
      PostMessageA(Window(), WM_CLOSE, 0, 0);
    else
      script_(*this, elapsed);
    Sleep(1);
  }
  int steps = 0;

private:
  std::function<void(ScriptedSaver &, DWORD)> script_;
  DWORD start_;
};

void SendInputMessages(HWND window) {
  SendMessageA(window, WM_KEYDOWN, 'A', 1);
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  SendMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, 0);
  POINT cursor = {};
  GetCursorPos(&cursor);
  SendMessageA(window, WM_MOUSEMOVE, 0, 0);
  SetCursorPos(cursor.x + 40, cursor.y + 40);
  SendMessageA(window, WM_MOUSEMOVE, 0, 0);
  SetCursorPos(cursor.x, cursor.y);
}

TEST(SaverWindow, PreviewFillsItsHostAndIgnoresInput) {
  HostWindow hostWindow;
  const HWND host = hostWindow.Get();
  ASSERT_NE(host, nullptr);
  bool survived = false;
  ScriptedSaver saver(host, [&](ScriptedSaver &self, DWORD elapsed) {
    if (elapsed < kPastGraceMs)
      return;
    SendInputMessages(self.Window());
    survived = self.Window() != nullptr && !self.Closed();
    PostMessageA(self.Window(), WM_CLOSE, 0, 0);
  });
  ASSERT_NE(saver.Window(), nullptr);
  EXPECT_TRUE(saver.Preview());
  EXPECT_EQ(GetParent(saver.Window()), host);
  RECT hostArea = {}, saverArea = {};
  GetClientRect(host, &hostArea);
  GetClientRect(saver.Window(), &saverArea);
  EXPECT_EQ(saverArea.right, hostArea.right);
  EXPECT_EQ(saverArea.bottom, hostArea.bottom);
  saver.Run();
  EXPECT_TRUE(survived);
  EXPECT_TRUE(saver.Closed());
}

bool CursorShowing() {
  CURSORINFO info = {};
  info.cbSize = sizeof info;
  return GetCursorInfo(&info) && (info.flags & CURSOR_SHOWING) != 0;
}

TEST(SaverWindow, FullScreenHidesTheCursorUntilItEnds) {
  ASSERT_TRUE(CursorShowing());
  bool hiddenWhileRunning = false;
  {
    ScriptedSaver saver(nullptr, [&](ScriptedSaver &self, DWORD elapsed) {
      if (elapsed < 200)
        return;
      hiddenWhileRunning = !CursorShowing();
      PostMessageA(self.Window(), WM_CLOSE, 0, 0);
    });
    saver.Run();
  }
  EXPECT_TRUE(hiddenWhileRunning);
  EXPECT_TRUE(CursorShowing()) << "the cursor stayed hidden after the saver";
}

TEST(SaverWindow, FullScreenIgnoresSystemCloseAndEndsOnInputAfterGrace) {
  bool ignoredEarlyKey = false;
  LRESULT closeResult = -1;
  bool survivedClose = false;
  bool keySent = false;
  ScriptedSaver saver(nullptr, [&](ScriptedSaver &self, DWORD elapsed) {
    if (elapsed < 100)
      return;
    if (!ignoredEarlyKey) {
      SendMessageA(self.Window(), WM_KEYDOWN, 'A', 1);
      closeResult = SendMessageA(self.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
      SendMessageA(self.Window(), WM_SYSCOMMAND, SC_SCREENSAVE, 0);
      ignoredEarlyKey = true;
      return;
    }
    if (elapsed > kPastGraceMs && !keySent) {
      survivedClose = !self.Closed();
      SendMessageA(self.Window(), WM_KEYUP, 'A', 1);
      SendMessageA(self.Window(), WM_CHAR, 'a', 1);
      SendMessageA(self.Window(), WM_KEYDOWN, 'A', 1);
      keySent = true;
    }
  });
  ASSERT_NE(saver.Window(), nullptr);
  RECT area = {};
  GetWindowRect(saver.Window(), &area);
  EXPECT_EQ(area.left, 0);
  EXPECT_EQ(area.top, 0);
  EXPECT_EQ(area.right - area.left, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(area.bottom - area.top, GetSystemMetrics(SM_CYSCREEN));
  const std::vector<pwScreenRect> oneMonitor = {
      {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}};
  EXPECT_EQ(saver.DrawingAreas(), oneMonitor);
  EXPECT_NE(GetWindowLongPtrA(saver.Window(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  const DWORD start = GetTickCount();
  saver.Run();
  EXPECT_EQ(closeResult, 0);
  EXPECT_TRUE(survivedClose);
  EXPECT_TRUE(saver.Closed());
  EXPECT_LT(GetTickCount() - start, kGiveUpMs) << "the key after the grace did not end it";
  EXPECT_GT(saver.steps, 10);
}

BOOL CALLBACK CountVisible(HWND window, LPARAM count) {
  if (IsWindowVisible(window))
    ++*reinterpret_cast<int *>(count);
  return TRUE;
}

int VisibleThreadWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountVisible, reinterpret_cast<LPARAM>(&count));
  return count;
}

// The host checked on the command line is gone by the time the saver makes
// its window.
TEST(SaverWindow, PreviewWhoseHostVanishedEndsQuietly) {
  HWND host = nullptr;
  {
    HostWindow gone;
    host = gone.Get();
  }
  ASSERT_NE(host, nullptr);
  ASSERT_FALSE(IsWindow(host));
  ASSERT_EQ(VisibleThreadWindows(), 0);
  ScriptedSaver saver(host, [](ScriptedSaver &, DWORD) {});
  EXPECT_EQ(saver.Window(), nullptr);
  EXPECT_TRUE(saver.Preview());
  EXPECT_EQ(VisibleThreadWindows(), 0) << "a window appeared without its host";
  EXPECT_TRUE(CursorShowing());
  const DWORD start = GetTickCount();
  saver.Run();
  EXPECT_LT(GetTickCount() - start, kPastGraceMs);
  EXPECT_EQ(saver.steps, 0);
  EXPECT_TRUE(CursorShowing());
}

// A monitor left of the primary lies at negative screen coordinates; the
// window reaches out to it and the primary's area moves right in the window.
TEST(SaverWindow, FullScreenSpansEveryMonitor) {
  ScopedFakePlatform fake;
  fake->monitors = {{{0, 0, 1280, 1024}, true}, {{-640, 100, 0, 580}, false}};
  ScriptedSaver saver(
      nullptr, [](ScriptedSaver &self, DWORD) { PostMessageA(self.Window(), WM_CLOSE, 0, 0); });
  ASSERT_NE(saver.Window(), nullptr);
  RECT area = {};
  GetWindowRect(saver.Window(), &area);
  EXPECT_EQ(area.left, -640);
  EXPECT_EQ(area.top, 0);
  EXPECT_EQ(area.right, 1280);
  EXPECT_EQ(area.bottom, 1024);
  const std::vector<pwScreenRect> areas = {{640, 0, 1920, 1024}, {0, 100, 640, 580}};
  EXPECT_EQ(saver.DrawingAreas(), areas);
  saver.Run();
  EXPECT_TRUE(saver.Closed());
}

} // namespace
