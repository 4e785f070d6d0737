// Asks the program's help viewer for the contents or a topic, the way the
// dialogs do, and reports what the system's viewer then shows. Run as its
// own process so that the Windows version Wine reports for it can be set
// per program before it starts.
//
//   help_probe contents <text>     contents; waits until the viewer shows text
//   help_probe topic <n> <text>    topic n; likewise
//   help_probe close               HELP_QUIT / HH_CLOSE_ALL; waits for the viewer to go
//   help_probe wait <text>         asks nothing; waits until the viewer shows text
//   help_probe gone                asks nothing; waits until no viewer is open
//   help_probe cancel <title>      presses Cancel of the dialog with that title,
//                                  which a person could not reach while the
//                                  viewer covers the screen
//   help_probe route <n>|contents|close
//                                  prints the viewer call the request makes,
//                                  without calling either viewer
// Exit code 0 on success, 1 when the expected text did not appear in time.

#include "pallwork/helproute.h"
#include "pallwork/helpviewer.h"
#include "pallwork/win32/helpsystem.h"
#include "pallwork/win32/systemhelpviewer.h"
#include "vorlunda/helptopics.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr char kHelpFile[] = "Vorlu12.hlp";
constexpr char kViewerClass[] = "MS_WINHELP";
constexpr DWORD kWaitMs = 15000;
constexpr DWORD kPollMs = 100;

// The real system's version and path, with the viewers replaced by a print.
class RouteRecorder : public pwHelpSystem {
public:
  bool CallWinHelp(HWND, const char *file, UINT command, ULONG_PTR data) override {
    std::printf("WinHelp %u %s %lu\n", command, file != nullptr ? file : "(null)",
                static_cast<unsigned long>(data));
    return true;
  }
  bool CallHtmlHelp(HWND, const char *file, UINT command, DWORD_PTR data) override {
    std::printf("HtmlHelp %u %s %lu\n", command, file != nullptr ? file : "(null)",
                static_cast<unsigned long>(data));
    return true;
  }
};

struct ViewerText {
  std::string text;
};

BOOL CALLBACK CollectText(HWND window, LPARAM param) {
  auto *found = reinterpret_cast<ViewerText *>(param);
  char buffer[8192] = {};
  // WM_GETTEXT crosses the process boundary; GetWindowText would not read
  // another process's controls.
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                      SMTO_ABORTIFHUNG, 2000, nullptr);
  found->text += buffer;
  found->text += '\n';
  EnumChildWindows(window, CollectText, param);
  return TRUE;
}

// The viewer's caption and the text of all its panes.
std::string ViewerTexts() {
  ViewerText found;
  HWND viewer = FindWindowA(kViewerClass, nullptr);
  if (viewer == nullptr) {
    return std::string();
  }
  CollectText(viewer, reinterpret_cast<LPARAM>(&found));
  return found.text;
}

bool WaitForText(const char *expected) {
  std::string texts;
  for (DWORD waited = 0; waited < kWaitMs; waited += kPollMs) {
    texts = ViewerTexts();
    if (texts.find(expected) != std::string::npos) {
      std::printf("%s", texts.c_str());
      return true;
    }
    Sleep(kPollMs);
  }
  std::printf("expected \"%s\", the viewer shows:\n%s\n", expected, texts.c_str());
  return false;
}

bool WaitForViewerGone() {
  for (DWORD waited = 0; waited < kWaitMs; waited += kPollMs) {
    if (FindWindowA(kViewerClass, nullptr) == nullptr) {
      return true;
    }
    Sleep(kPollMs);
  }
  std::printf("the viewer is still open\n");
  return false;
}

// A window of the probe's own to own the help, as a dialog would.
HWND CreateOwner() {
  return CreateWindowExA(0, "STATIC", "help probe", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}

int Route(int argc, char **argv) {
  static RouteRecorder recorder;
  static pwSystemHelpViewer viewer(recorder);
  pwSystemVersion version = recorder.Version();
  std::printf("version %lu.%lu\n", static_cast<unsigned long>(version.major),
              static_cast<unsigned long>(version.minor));
  HWND owner = CreateOwner();
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "contents") == 0) {
      viewer.ShowContents(owner, kHelpFile);
    } else if (std::strcmp(argv[i], "close") == 0) {
      viewer.Close(owner, kHelpFile);
    } else {
      viewer.ShowTopic(owner, kHelpFile, static_cast<std::uint32_t>(std::atoi(argv[i])));
    }
  }
  return 0;
}

int Show(int argc, char **argv) {
  HWND owner = CreateOwner();
  std::string mode = argv[1];
  if (mode == "contents" && argc == 3) {
    CurrentHelpViewer().ShowContents(owner, kHelpFile);
    return WaitForText(argv[2]) ? 0 : 1;
  }
  if (mode == "topic" && argc == 4) {
    CurrentHelpViewer().ShowTopic(owner, kHelpFile, static_cast<std::uint32_t>(std::atoi(argv[2])));
    return WaitForText(argv[3]) ? 0 : 1;
  }
  if (mode == "wait" && argc == 3) {
    return WaitForText(argv[2]) ? 0 : 1;
  }
  if (mode == "cancel" && argc == 3) {
    HWND dialog = FindWindowA(nullptr, argv[2]);
    return dialog != nullptr && PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0) ? 0 : 1;
  }
  if (mode == "gone" && argc == 2) {
    return WaitForViewerGone() ? 0 : 1;
  }
  if (mode == "close" && argc == 2) {
    CurrentHelpViewer().Close(owner, kHelpFile);
    return WaitForViewerGone() ? 0 : 1;
  }
  std::fprintf(stderr, "usage: help_probe contents|topic <n>|close|route ...\n");
  return 2;
}

} // namespace

int main(int argc, char **argv) {
  setvbuf(stdout, nullptr, _IONBF, 0);
  // The pages the program names for its topics, as the settings do.
  pwSetHelpPages(&HelpPageOf);
  if (argc >= 2 && std::strcmp(argv[1], "route") == 0) {
    return Route(argc, argv);
  }
  if (argc < 2) {
    std::fprintf(stderr, "usage: help_probe contents|topic <n>|close|route ...\n");
    return 2;
  }
  return Show(argc, argv);
}
