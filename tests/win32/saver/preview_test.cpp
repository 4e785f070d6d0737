// The built saver started in preview mode inside a window of this test.

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr DWORD kDrawMs = 3000;
constexpr DWORD kExitMs = 5000;
constexpr int kHostWidth = 320;
constexpr int kHostHeight = 240;
constexpr char kHostClass[] = "VorlundaTestPreviewDrawHost";

std::string SaverPath() {
  const char *const path = std::getenv("VORLUNDA_SCR");
  return path == nullptr ? std::string() : std::string(path);
}

void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(20);
  }
}

TEST(SaverPreview, LivesInsideItsHostAndIgnoresInput) {
  if (SaverPath().empty())
    GTEST_SKIP() << "VORLUNDA_SCR names no saver to start";
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = kHostClass;
  RegisterClassA(&windowClass);
  const HWND host =
      CreateWindowExA(WS_EX_TOPMOST, kHostClass, "Host", WS_POPUP | WS_VISIBLE, 50, 50, kHostWidth,
                      kHostHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(host, nullptr);

  std::string line =
      "\"" + SaverPath() + "\" /p " + std::to_string(reinterpret_cast<std::uintptr_t>(host));
  std::vector<char> writable(line.begin(), line.end());
  writable.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(CreateProcessA(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));
  PumpFor(kDrawMs);
  const HWND preview = GetWindow(host, GW_CHILD);
  ASSERT_NE(preview, nullptr);

  // None of this ends a preview; only its host does.
  PostMessageA(preview, WM_KEYDOWN, VK_SPACE, 1);
  PostMessageA(preview, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  PostMessageA(preview, WM_MOUSEMOVE, 0, MAKELPARAM(100, 100));
  PumpFor(500);
  EXPECT_TRUE(IsWindow(preview));
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 0), static_cast<DWORD>(WAIT_TIMEOUT));

  DestroyWindow(host);
  const bool ended = WaitForSingleObject(process.hProcess, kExitMs) == WAIT_OBJECT_0;
  if (!ended)
    TerminateProcess(process.hProcess, 1);
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_TRUE(ended);
  EXPECT_EQ(code, 0u);
}

} // namespace
