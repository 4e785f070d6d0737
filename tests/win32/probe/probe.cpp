// The test suite's eyes on another process's windows: run under Wine by the
// end-to-end scripts, it finds a top-level window by its title and reports
// what a person would see in it. Every command prints its answer on one line
// (texts may hold line breaks of their own) and exits 0; 1 means the window
// or control was not found in time, 2 a wrong command line.
//
//   probe [-t MS] COMMAND TITLE [CONTROL] [ARG]
//
// TITLE is a visible top-level window's exact title. CONTROL names a control
// of that window: N is the child with id N; sheet:N is the control with id N
// on the child dialog shown now (a tab page); any:N is the first visible
// descendant with id N; a dot is the window itself. -t sets how long to wait for the window
// (default 5000 ms; 0 looks once).
//
// Commands:
//   wait TITLE               the window exists (waits up to -t, default 10 s)
//   gone TITLE               the window does not exist (waits up to -t)
//   exists TITLE             1 or 0 at once
//   hwnd TITLE               the window handle in decimal
//   text TITLE [CONTROL]     window text (WM_GETTEXT)
//   enabled TITLE CONTROL    1 or 0
//   visible TITLE CONTROL    1 or 0
//   check TITLE CONTROL      BM_GETCHECK: 0, 1 or 2
//   lbcount / lbsel / lbtop TITLE CONTROL   LB_GETCOUNT, LB_GETCURSEL, LB_GETTOPINDEX
//   lbtext TITLE CONTROL I   LB_GETTEXT of a list with strings
//   lbrect TITLE CONTROL I   item I's screen rectangle: left top width height
//   lbchecked TITLE CONTROL I  1 or 0: the check mark drawn in a check list's
//                            box (read from the screen), -1 when not in view
//   cbsel / cbcount TITLE CONTROL   CB_GETCURSEL, CB_GETCOUNT
//   tab TITLE [CONTROL]      tab count and selection: "COUNT SEL" (default 100)
//   rect TITLE [CONTROL]     screen rectangle: left top width height
//   focus TITLE              the focused control: "ID CLASS"; "0 none" when the
//                            focus is outside the window's thread
//   foreground               the foreground window's title
//   msgbox TITLE             a message box's message text
//   controls TITLE           every descendant: id class visible enabled
//                            left top width height "text" (one per line)
//   pixel X Y                the screen colour at X,Y as RRGGBB

#include <windows.h>

#include <commctrl.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr DWORD kDefaultTimeoutMs = 5000;
constexpr DWORD kWaitTimeoutMs = 10000;
constexpr DWORD kPollMs = 50;
constexpr int kNotFound = 1;
constexpr int kUsage = 2;

struct TitleSearch {
  const char *title;
  HWND found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM data) {
  TitleSearch *search = reinterpret_cast<TitleSearch *>(data);
  if (!IsWindowVisible(window))
    return TRUE;
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  if (std::strcmp(text, search->title) != 0)
    return TRUE;
  search->found = window;
  return FALSE;
}

HWND FindTopLevel(const char *title) {
  TitleSearch search = {title, nullptr};
  EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitTopLevel(const char *title, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (HWND window = FindTopLevel(title))
      return window;
    if (GetTickCount() - start >= timeoutMs)
      return nullptr;
    Sleep(kPollMs);
  }
}

bool WaitGone(const char *title, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (FindTopLevel(title) != nullptr) {
    if (GetTickCount() - start >= timeoutMs)
      return false;
    Sleep(kPollMs);
  }
  return true;
}

std::string ClassOf(HWND window) {
  char name[128] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// WM_GETTEXT rather than GetWindowText: the latter does not ask a control of
// another process for its text.
std::string TextOf(HWND window) {
  const LRESULT length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
  std::vector<char> buffer(static_cast<size_t>(length) + 2, '\0');
  SendMessageA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  return buffer.data();
}

struct IdSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchVisibleId(HWND window, LPARAM data) {
  IdSearch *search = reinterpret_cast<IdSearch *>(data);
  if (GetDlgCtrlID(window) == search->id && IsWindowVisible(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// The tab page shown now: a visible child dialog of the window itself.
HWND VisibleSheet(HWND top) {
  for (HWND child = GetWindow(top, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassOf(child) == "#32770" && IsWindowVisible(child))
      return child;
  }
  return nullptr;
}

HWND FindControl(HWND top, const char *selector) {
  if (std::strcmp(selector, ".") == 0)
    return top;
  if (std::strncmp(selector, "sheet:", 6) == 0) {
    HWND sheet = VisibleSheet(top);
    return sheet != nullptr ? GetDlgItem(sheet, std::atoi(selector + 6)) : nullptr;
  }
  if (std::strncmp(selector, "any:", 4) == 0) {
    IdSearch search = {std::atoi(selector + 4), nullptr};
    EnumChildWindows(top, MatchVisibleId, reinterpret_cast<LPARAM>(&search));
    return search.found;
  }
  return GetDlgItem(top, std::atoi(selector));
}

void PrintRect(const RECT &rect) {
  std::printf("%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left,
              rect.bottom - rect.top);
}

// A list item's rectangle in the list's client coordinates, worked out from
// the item height and the top index: LB_GETITEMRECT hands back a pointer,
// which another process cannot fill in.
RECT ListItemRect(HWND list, int index) {
  const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  const int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
  RECT client = {};
  GetClientRect(list, &client);
  RECT item = {client.left, (index - top) * height, client.right, (index - top + 1) * height};
  return item;
}

RECT ToScreen(HWND window, RECT rect) {
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT *>(&rect), 2);
  return rect;
}

COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return colour;
}

// The check list draws an empty square, or one crossed by both diagonals,
// starting 5 pixels in and 2 down, about as large as the item height less 4.
// The inside of a ticked box thus holds pixels unlike the item's background,
// the inside of an empty one none; the margin of 2 keeps off the outline.
int ListItemChecked(HWND list, int index) {
  const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  RECT client = {};
  GetClientRect(list, &client);
  const RECT item = ListItemRect(list, index);
  if (index < 0 || index >= count || item.top < 0 || item.bottom > client.bottom)
    return -1;
  const RECT screen = ToScreen(list, item);
  const int box = ((item.bottom - item.top) - 4) & ~1;
  const COLORREF background = ScreenPixel(screen.left + 1, screen.top + 1);
  int marked = 0;
  for (int y = 2; y <= box - 2; ++y) {
    for (int x = 2; x <= box - 2; ++x) {
      if (ScreenPixel(screen.left + 5 + x, screen.top + 2 + y) != background)
        ++marked;
    }
  }
  return marked >= box / 2 ? 1 : 0;
}

// The message text is the static control that is neither empty nor an icon.
std::string MessageBoxText(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassOf(child) != "Static")
      continue;
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
      continue;
    const std::string text = TextOf(child);
    if (!text.empty())
      return text;
  }
  return "";
}

void PrintFocus(HWND top) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  const DWORD thread = GetWindowThreadProcessId(top, nullptr);
  if (!GetGUIThreadInfo(thread, &info) || info.hwndFocus == nullptr) {
    std::printf("0 none\n");
    return;
  }
  std::printf("%d %s\n", GetDlgCtrlID(info.hwndFocus), ClassOf(info.hwndFocus).c_str());
}

BOOL CALLBACK PrintControl(HWND window, LPARAM) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  std::printf("%d %s %d %d %ld %ld %ld %ld \"%s\"\n", GetDlgCtrlID(window), ClassOf(window).c_str(),
              IsWindowVisible(window) ? 1 : 0, IsWindowEnabled(window) ? 1 : 0, rect.left, rect.top,
              rect.right - rect.left, rect.bottom - rect.top, TextOf(window).c_str());
  return TRUE;
}

BOOL CALLBACK PrintMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM) {
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  if (GetMonitorInfoA(monitor, &info))
    std::printf("%ld %ld %ld %ld %d\n", info.rcMonitor.left, info.rcMonitor.top,
                info.rcMonitor.right, info.rcMonitor.bottom,
                (info.dwFlags & MONITORINFOF_PRIMARY) != 0 ? 1 : 0);
  return TRUE;
}

int Usage() {
  std::fprintf(stderr, "usage: probe [-t MS] COMMAND TITLE [CONTROL] [ARG]\n");
  return kUsage;
}

LRESULT Send(HWND control, UINT message, WPARAM wParam = 0) {
  return SendMessageA(control, message, wParam, 0);
}

int RunControlCommand(const std::string &command, HWND top, HWND control, const char *arg) {
  const int index = arg != nullptr ? std::atoi(arg) : 0;
  if (command == "text")
    std::printf("%s\n", TextOf(control).c_str());
  else if (command == "enabled")
    std::printf("%d\n", IsWindowEnabled(control) ? 1 : 0);
  else if (command == "visible")
    std::printf("%d\n", IsWindowVisible(control) ? 1 : 0);
  else if (command == "check")
    std::printf("%d\n", static_cast<int>(Send(control, BM_GETCHECK)));
  else if (command == "lbcount")
    std::printf("%d\n", static_cast<int>(Send(control, LB_GETCOUNT)));
  else if (command == "lbsel")
    std::printf("%d\n", static_cast<int>(Send(control, LB_GETCURSEL)));
  else if (command == "lbtop")
    std::printf("%d\n", static_cast<int>(Send(control, LB_GETTOPINDEX)));
  else if (command == "cbsel")
    std::printf("%d\n", static_cast<int>(Send(control, CB_GETCURSEL)));
  else if (command == "cbcount")
    std::printf("%d\n", static_cast<int>(Send(control, CB_GETCOUNT)));
  else if (command == "lbtext") {
    const LRESULT length = Send(control, LB_GETTEXTLEN, index);
    if (length == LB_ERR)
      return kNotFound;
    std::vector<char> buffer(static_cast<size_t>(length) + 2, '\0');
    SendMessageA(control, LB_GETTEXT, index, reinterpret_cast<LPARAM>(buffer.data()));
    std::printf("%s\n", buffer.data());
  } else if (command == "lbrect")
    PrintRect(ToScreen(control, ListItemRect(control, index)));
  else if (command == "lbchecked")
    std::printf("%d\n", ListItemChecked(control, index));
  else if (command == "tab")
    std::printf("%d %d\n", static_cast<int>(Send(control, TCM_GETITEMCOUNT)),
                static_cast<int>(Send(control, TCM_GETCURSEL)));
  else if (command == "rect") {
    RECT rect = {};
    GetWindowRect(control, &rect);
    PrintRect(rect);
  } else {
    (void)top;
    return Usage();
  }
  return 0;
}

int RunWindowCommand(const std::string &command, HWND top) {
  if (command == "wait")
    return 0;
  if (command == "hwnd")
    std::printf("%lld\n", static_cast<long long>(reinterpret_cast<INT_PTR>(top)));
  else if (command == "focus")
    PrintFocus(top);
  else if (command == "msgbox")
    std::printf("%s\n", MessageBoxText(top).c_str());
  else if (command == "controls")
    EnumChildWindows(top, PrintControl, 0);
  else
    return -1;
  return 0;
}

} // namespace

int main(int argc, char **argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  int next = 1;
  DWORD timeoutMs = kDefaultTimeoutMs;
  bool timeoutGiven = false;
  if (argc > next + 1 && std::strcmp(argv[next], "-t") == 0) {
    timeoutMs = static_cast<DWORD>(std::atol(argv[next + 1]));
    timeoutGiven = true;
    next += 2;
  }
  if (argc <= next)
    return Usage();
  const std::string command = argv[next++];
  if (command == "foreground") {
    char text[512] = {};
    GetWindowTextA(GetForegroundWindow(), text, sizeof text);
    std::printf("%s\n", text);
    return 0;
  }
  // One line a monitor: left top right bottom, then 1 for the primary.
  if (command == "monitors") {
    EnumDisplayMonitors(nullptr, nullptr, PrintMonitor, 0);
    return 0;
  }
  if (command == "pixel") {
    if (argc < next + 2)
      return Usage();
    const COLORREF c = ScreenPixel(std::atoi(argv[next]), std::atoi(argv[next + 1]));
    std::printf("%02X%02X%02X\n", GetRValue(c), GetGValue(c), GetBValue(c));
    return 0;
  }
  if (argc <= next)
    return Usage();
  const char *title = argv[next++];
  if (command == "exists") {
    std::printf("%d\n", FindTopLevel(title) != nullptr ? 1 : 0);
    return 0;
  }
  if (command == "gone")
    return WaitGone(title, timeoutGiven ? timeoutMs : kWaitTimeoutMs) ? 0 : kNotFound;
  if (command == "wait" && !timeoutGiven)
    timeoutMs = kWaitTimeoutMs;
  HWND top = WaitTopLevel(title, timeoutMs);
  if (top == nullptr) {
    std::fprintf(stderr, "probe: no window titled \"%s\"\n", title);
    return kNotFound;
  }
  const int windowResult = RunWindowCommand(command, top);
  if (windowResult >= 0)
    return windowResult;
  const char *selector = argc > next ? argv[next++] : nullptr;
  if (selector == nullptr) {
    if (command != "text" && command != "tab" && command != "rect")
      return Usage();
    selector = command == "tab" ? "100" : nullptr;
  }
  HWND control = selector != nullptr ? FindControl(top, selector) : top;
  if (control == nullptr) {
    std::fprintf(stderr, "probe: no control %s in \"%s\"\n", selector, title);
    return kNotFound;
  }
  return RunControlCommand(command, top, control, argc > next ? argv[next] : nullptr);
}
