// Starts the built saver the way the screen-saver host does and watches what
// it does with each mode.

#include "tests/win32/support/hostwindow.h"
#include "tests/win32/support/messagepump.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr DWORD kAppearMs = 8000;
constexpr DWORD kQuickExitMs = 5000;
constexpr DWORD kPollMs = 50;
constexpr DWORD kInputSettleMs = 500;

// Wine takes Unix paths only through its Z: drive.
std::string SaverPath() {
  const char *const path = std::getenv("VORLUNDA_SCR");
  if (path == nullptr || *path == '\0')
    return std::string();
  std::string windowsPath = path;
  if (windowsPath[0] == '/') {
    for (char &c : windowsPath)
      c = c == '/' ? '\\' : c;
    windowsPath = "Z:" + windowsPath;
  }
  return windowsPath;
}

// The saver process, ended for certain however the test goes.
class SaverProcess {
public:
  explicit SaverProcess(const std::string &arguments) {
    std::string line = "\"" + SaverPath() + "\" " + arguments;
    std::vector<char> writable(line.begin(), line.end());
    writable.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    started_ = CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &info_) != FALSE;
  }
  ~SaverProcess() {
    if (!started_)
      return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(info_.hProcess, 1);
      WaitForSingleObject(info_.hProcess, kQuickExitMs);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  SaverProcess(const SaverProcess &) = delete;
  SaverProcess &operator=(const SaverProcess &) = delete;

  bool Started() const { return started_; }
  DWORD Id() const { return info_.dwProcessId; }

  // Keeps this thread's windows answering while it waits, since the saver's
  // preview window is a child of one of them.
  bool WaitForExit(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
      const DWORD woken =
          MsgWaitForMultipleObjects(1, &info_.hProcess, FALSE, kPollMs, QS_ALLINPUT);
      if (woken == WAIT_OBJECT_0)
        return true;
      PumpWaiting();
    }
    return false;
  }

  DWORD ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
  }

private:
  PROCESS_INFORMATION info_ = {};
  bool started_ = false;
};

struct WindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK MatchProcessWindow(HWND window, LPARAM lParam) {
  WindowSearch *const search = reinterpret_cast<WindowSearch *>(lParam);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window))
    return TRUE;
  search->found = window;
  return FALSE;
}

HWND WaitForWindow(DWORD processId, HWND parent) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < kAppearMs) {
    WindowSearch search = {processId, nullptr};
    if (parent != nullptr)
      EnumChildWindows(parent, MatchProcessWindow, reinterpret_cast<LPARAM>(&search));
    else
      EnumWindows(MatchProcessWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr)
      return search.found;
    PumpWaiting();
    Sleep(kPollMs);
  }
  return nullptr;
}

class SaverModes : public ::testing::Test {
protected:
  void SetUp() override {
    if (SaverPath().empty())
      GTEST_SKIP() << "VORLUNDA_SCR names no saver to start";
  }

  static void ExpectQuietExit(const char *arguments) {
    SaverProcess saver(arguments);
    ASSERT_TRUE(saver.Started()) << arguments;
    ASSERT_TRUE(saver.WaitForExit(kQuickExitMs)) << arguments;
    EXPECT_EQ(saver.ExitCode(), 0u) << arguments;
  }
};

TEST_F(SaverModes, PreviewLivesInsideItsHostIgnoresInputAndEndsWithIt) {
  HostWindow host("Preview host");
  ASSERT_NE(host.Get(), nullptr);
  SaverProcess saver("/p " + std::to_string(reinterpret_cast<std::uintptr_t>(host.Get())));
  ASSERT_TRUE(saver.Started());
  const HWND preview = WaitForWindow(saver.Id(), host.Get());
  ASSERT_NE(preview, nullptr) << "no preview window appeared in the host";
  EXPECT_EQ(GetParent(preview), host.Get());

  // None of this ends a preview; only its host does.
  PostMessageA(preview, WM_KEYDOWN, VK_SPACE, 1);
  PostMessageA(preview, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  PostMessageA(preview, WM_MOUSEMOVE, 0, MAKELPARAM(100, 100));
  EXPECT_FALSE(saver.WaitForExit(kInputSettleMs)) << "input ended the preview";
  EXPECT_TRUE(IsWindow(preview));

  host.Close();
  ASSERT_TRUE(saver.WaitForExit(kQuickExitMs)) << "the saver outlived its host";
  EXPECT_EQ(saver.ExitCode(), 0u);
}

TEST_F(SaverModes, ModesWithNothingToDoExitAtOnce) {
  const char *const lines[] = {"/p 123456789", "/p", "/p abc", "/x", "/s extra", "/a"};
  for (const char *line : lines)
    ExpectQuietExit(line);
}

TEST_F(SaverModes, FullScreenSaverEndsOnAKey) {
  SaverProcess saver("/s");
  ASSERT_TRUE(saver.Started());
  const HWND window = WaitForWindow(saver.Id(), nullptr);
  ASSERT_NE(window, nullptr) << "no saver window appeared";
  RECT area = {};
  GetWindowRect(window, &area);
  EXPECT_EQ(area.right - area.left, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(area.bottom - area.top, GetSystemMetrics(SM_CYSCREEN));

  // Keys within the grace period are ignored by design.
  Sleep(1000);
  PostMessageA(window, WM_KEYDOWN, VK_SPACE, 1);
  ASSERT_TRUE(saver.WaitForExit(2 * kQuickExitMs)) << "the saver ignored the key";
  EXPECT_EQ(saver.ExitCode(), 0u);
}

} // namespace
