#include "pallwork/win32/window.h"

#include "tests/win32/support/messagepump.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// Hidden unless a test needs painting: destroying a shown window costs seconds
// under a display without a window manager.
constexpr DWORD kPopupStyle = WS_POPUP;
constexpr DWORD kShownPopupStyle = WS_POPUP | WS_VISIBLE;

struct ButtonEvent {
  char kind; // 'd' down, 'u' up, '2' double click, 'm' move
  int button;
  int x;
  int y;
  bool operator==(const ButtonEvent &other) const {
    return kind == other.kind && button == other.button && x == other.x && y == other.y;
  }
};

class RecordingWindow : public pwWindow {
public:
  explicit RecordingWindow(bool privateClass, DWORD style = kPopupStyle)
      : pwWindow(nullptr, "Recording", style, 10, 10, 200, 120, privateClass) {}

  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT &result) override {
    messages.push_back(message);
    return pwWindow::HandleMessage(message, wParam, lParam, result);
  }
  void OnDestroy() override {
    ++destroyCount;
    windowDuringDestroy = Window();
  }
  bool OnClose() override { return keepOpenOnClose; }
  void OnSize(int width, int height) override { sizes.push_back({width, height}); }
  void OnButtonDown(int button, int x, int y) override { events.push_back({'d', button, x, y}); }
  void OnButtonUp(int button, int x, int y) override { events.push_back({'u', button, x, y}); }
  void OnDoubleClick(int button, int x, int y) override { events.push_back({'2', button, x, y}); }
  void OnMouseMove(int x, int y) override { events.push_back({'m', -1, x, y}); }
  void Paint(HDC dc, const RECT &rect) override {
    ++paints;
    paintDc = dc;
    paintRect = rect;
  }

  std::vector<UINT> messages;
  int destroyCount = 0;
  HWND windowDuringDestroy = reinterpret_cast<HWND>(1);
  bool keepOpenOnClose = false;
  std::vector<std::pair<int, int>> sizes;
  std::vector<ButtonEvent> events;
  int paints = 0;
  HDC paintDc = nullptr;
  RECT paintRect = {};
};

std::string ClassNameOf(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

bool ClassIsRegistered(const char *name) {
  WNDCLASSA info = {};
  return GetClassInfoA(GetModuleHandleA(nullptr), name, &info) != 0;
}

bool SameRect(const RECT &a, const RECT &b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(WindowClasses, PrivateClassesAreOwnAndGoWithTheirObject) {
  auto *first = new RecordingWindow(true);
  auto *second = new RecordingWindow(true);
  ASSERT_NE(first->Window(), nullptr);
  ASSERT_NE(second->Window(), nullptr);

  const std::string firstName = first->PrivateClassName().CStr();
  const std::string secondName = second->PrivateClassName().CStr();
  EXPECT_NE(firstName, secondName);
  EXPECT_EQ(ClassNameOf(first->Window()), firstName);
  EXPECT_EQ(ClassNameOf(second->Window()), secondName);

  // "Pallwork " + process handle + ":" + address, each at full pointer width.
  const size_t digits = sizeof(void *) * 2;
  ASSERT_EQ(firstName.size(), 9 + digits + 1 + digits);
  EXPECT_EQ(firstName.substr(0, 9), "Pallwork ");
  EXPECT_EQ(firstName[9 + digits], ':');
  char address[32];
  snprintf(address, sizeof address, "%0*llx", static_cast<int>(digits),
           static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(first)));
  EXPECT_EQ(firstName.substr(10 + digits), address);

  // Class-wide settings stay with one window.
  SetClassLongPtrA(first->Window(), GCLP_HBRBACKGROUND,
                   reinterpret_cast<LONG_PTR>(GetStockObject(BLACK_BRUSH)));
  EXPECT_EQ(GetClassLongPtrA(second->Window(), GCLP_HBRBACKGROUND), 0u);

  delete first;
  EXPECT_FALSE(ClassIsRegistered(firstName.c_str()));
  EXPECT_TRUE(ClassIsRegistered(secondName.c_str()));
  delete second;
  EXPECT_FALSE(ClassIsRegistered(secondName.c_str()));
}

TEST(WindowClasses, SharedClassIsRegisteredOnceAndOutlivesItsWindows) {
  {
    RecordingWindow first(false);
    RecordingWindow second(false);
    EXPECT_TRUE(first.PrivateClassName().IsEmpty());
    EXPECT_EQ(ClassNameOf(first.Window()), pwWindow::SharedClassName());
    EXPECT_EQ(ClassNameOf(second.Window()), "Pallwork default");
  }
  EXPECT_TRUE(ClassIsRegistered("Pallwork default"));
  RecordingWindow later(false);
  EXPECT_NE(later.Window(), nullptr);

  WNDCLASSA info = {};
  ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "Pallwork default", &info));
  EXPECT_EQ(info.style, static_cast<UINT>(CS_DBLCLKS));
  EXPECT_EQ(info.hCursor, nullptr);
  EXPECT_EQ(info.hbrBackground, nullptr);
}

TEST(WindowMessages, ObjectSeesNothingBeforeCreationAndNoCreateMessage) {
  RecordingWindow window(false);
  for (UINT message : window.messages) {
    EXPECT_NE(message, static_cast<UINT>(WM_NCCREATE));
    EXPECT_NE(message, static_cast<UINT>(WM_CREATE));
  }
  EXPECT_EQ(reinterpret_cast<RecordingWindow *>(GetWindowLongPtrA(window.Window(), GWLP_USERDATA)),
            &window);
}

TEST(WindowMessages, EachWindowGetsItsOwnMessages) {
  RecordingWindow first(false);
  RecordingWindow second(true);
  first.sizes.clear();
  second.sizes.clear();
  SendMessageA(first.Window(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(40000, 30));
  SendMessageA(second.Window(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(7, 8));
  ASSERT_EQ(first.sizes.size(), 1u);
  ASSERT_EQ(second.sizes.size(), 1u);
  EXPECT_EQ(first.sizes[0], std::make_pair(40000, 30)); // unsigned words
  EXPECT_EQ(second.sizes[0], std::make_pair(7, 8));
}

TEST(WindowMessages, MouseMessagesCarrySignedCoordinatesAndTheButton) {
  struct Case {
    UINT message;
    ButtonEvent expected;
  };
  const Case cases[] = {
      {WM_LBUTTONDOWN, {'d', 0, -5, -7}},   {WM_MBUTTONDOWN, {'d', 1, -5, -7}},
      {WM_RBUTTONDOWN, {'d', 2, -5, -7}},   {WM_LBUTTONUP, {'u', 0, -5, -7}},
      {WM_MBUTTONUP, {'u', 1, -5, -7}},     {WM_RBUTTONUP, {'u', 2, -5, -7}},
      {WM_LBUTTONDBLCLK, {'2', 0, -5, -7}}, {WM_MBUTTONDBLCLK, {'2', 1, -5, -7}},
      {WM_RBUTTONDBLCLK, {'2', 2, -5, -7}}, {WM_MOUSEMOVE, {'m', -1, -5, -7}},
  };
  RecordingWindow window(false);
  for (const Case &test : cases) {
    window.events.clear();
    const LPARAM position = MAKELPARAM(static_cast<WORD>(-5), static_cast<WORD>(-7));
    EXPECT_EQ(SendMessageA(window.Window(), test.message, 0, position), 0);
    ASSERT_EQ(window.events.size(), 1u) << "message " << test.message;
    EXPECT_TRUE(window.events[0] == test.expected) << "message " << test.message;
  }
}

TEST(WindowLifetime, DestroyClearsTheWindowSoDeletingDoesNotDestroyTwice) {
  auto *window = new RecordingWindow(true);
  HWND native = window->Window();
  DestroyWindow(native);
  EXPECT_EQ(window->destroyCount, 1);
  EXPECT_EQ(window->windowDuringDestroy, nullptr);
  EXPECT_EQ(window->Window(), nullptr);
  EXPECT_FALSE(IsWindow(native));
  delete window; // no second DestroyWindow, no crash
}

TEST(WindowLifetime, DeletingTheObjectDestroysItsWindow) {
  auto *window = new RecordingWindow(false);
  HWND native = window->Window();
  delete window;
  EXPECT_FALSE(IsWindow(native));
}

TEST(WindowLifetime, UnhandledCloseDestroysHandledCloseKeeps) {
  RecordingWindow keeper(false);
  keeper.keepOpenOnClose = true;
  SendMessageA(keeper.Window(), WM_CLOSE, 0, 0);
  EXPECT_NE(keeper.Window(), nullptr);

  RecordingWindow closer(false);
  HWND native = closer.Window();
  SendMessageA(native, WM_CLOSE, 0, 0);
  EXPECT_EQ(closer.Window(), nullptr);
  EXPECT_FALSE(IsWindow(native));
}

TEST(WindowPainting, UpdateRegionIsPaintedWithItsRectangle) {
  RecordingWindow window(false, kShownPopupStyle);
  UpdateWindow(window.Window());
  window.paints = 0;
  RECT dirty = {20, 30, 60, 70};
  InvalidateRect(window.Window(), &dirty, FALSE);
  UpdateWindow(window.Window());
  EXPECT_EQ(window.paints, 1);
  EXPECT_TRUE(SameRect(window.paintRect, dirty));
  RECT left = {};
  EXPECT_FALSE(GetUpdateRect(window.Window(), &left, FALSE)); // validated by EndPaint
}

TEST(WindowPainting, WithoutUpdateRegionTheWholeClientAreaIsPainted) {
  RecordingWindow window(false, kShownPopupStyle);
  UpdateWindow(window.Window());
  window.paints = 0;
  SendMessageA(window.Window(), WM_PAINT, 0, 0);
  EXPECT_EQ(window.paints, 1);
  EXPECT_NE(window.paintDc, nullptr);
  RECT client = {};
  GetClientRect(window.Window(), &client);
  EXPECT_TRUE(SameRect(window.paintRect, client));
}

RECT WindowRect(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

TEST(WindowPlacement, CentresOverAnotherWindowOrTheScreenAndStaysOnScreen) {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  RecordingWindow window(false); // 200 x 120
  pwWindow other(nullptr, "Other", kPopupStyle, 100, 100, 401, 301, false);

  window.CentreWindow(other.Window());
  RECT placed = WindowRect(window.Window());
  EXPECT_EQ(placed.left, (100 + 501) / 2 - 100);
  EXPECT_EQ(placed.top, (100 + 401) / 2 - 60);
  EXPECT_EQ(placed.right - placed.left, 200); // not resized

  window.CentreWindow(nullptr);
  placed = WindowRect(window.Window());
  EXPECT_EQ(placed.left, screenWidth / 2 - 100);
  EXPECT_EQ(placed.top, screenHeight / 2 - 60);

  // Over a window hanging off the bottom right corner: pulled back inside.
  SetWindowPos(other.Window(), nullptr, screenWidth - 50, screenHeight - 20, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  window.CentreWindow(other.Window());
  placed = WindowRect(window.Window());
  EXPECT_EQ(placed.right, screenWidth);
  EXPECT_EQ(placed.bottom, screenHeight);

  // Over one off the top left: the near edges stop at 0.
  SetWindowPos(other.Window(), nullptr, -400, -300, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  window.CentreWindow(other.Window());
  placed = WindowRect(window.Window());
  EXPECT_EQ(placed.left, 0);
  EXPECT_EQ(placed.top, 0);
}

} // namespace
