// The system help viewer with the system's answers played by the test: the
// version decides the viewer, the file is the one beside the program, and
// HTML Help is not loaded just to close it.

#include "pallwork/win32/systemhelpviewer.h"

#include "pallwork/helproute.h"
#include "vorlunda/helptopics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr char kProgram[] = "C:\\Saver\\Vorlunda.scr";

class FakeHelpSystem : public pwHelpSystem {
public:
  explicit FakeHelpSystem(pwSystemVersion version) : version(version) {}

  pwSystemVersion Version() override { return version; }
  std::string ProgramPath() override { return kProgram; }
  bool CallWinHelp(HWND owner, const char *file, UINT command, ULONG_PTR data) override {
    Record("WinHelp", owner, file, command, data);
    return true;
  }
  bool CallHtmlHelp(HWND owner, const char *file, UINT command, DWORD_PTR data) override {
    Record("HtmlHelp", owner, file, command, data);
    return htmlHelpAvailable;
  }

  pwSystemVersion version;
  bool htmlHelpAvailable = true;
  std::vector<std::string> calls;

private:
  void Record(const char *viewer, HWND owner, const char *file, UINT command, ULONG_PTR data) {
    calls.push_back(std::string(viewer) + (owner != nullptr ? " owned " : " ") +
                    (file != nullptr ? file : "(null)") + " " + std::to_string(command) + " " +
                    std::to_string(data));
  }
};

HWND Owner() { return reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234)); }

TEST(SystemHelpViewer, WinHelpBeforeVista) {
  FakeHelpSystem system({5, 1});
  pwSystemHelpViewer viewer(system);
  viewer.ShowContents(Owner(), "Vorlu12.hlp");
  viewer.ShowTopic(Owner(), "Vorlu12.hlp", 262);
  viewer.Close(Owner(), "Vorlu12.hlp");
  std::vector<std::string> expected = {
      "WinHelp owned C:\\Saver\\Vorlu12.hlp " + std::to_string(HELP_CONTENTS) + " 0",
      "WinHelp owned C:\\Saver\\Vorlu12.hlp " + std::to_string(HELP_CONTEXT) + " 262",
      "WinHelp owned C:\\Saver\\Vorlu12.hlp " + std::to_string(HELP_QUIT) + " 0",
  };
  EXPECT_EQ(system.calls, expected);
}

TEST(SystemHelpViewer, HtmlHelpFromVistaOn) {
  pwSetHelpPages(&HelpPageOf); // as the settings do
  FakeHelpSystem system({6, 1});
  pwSystemHelpViewer viewer(system);
  viewer.Close(Owner(), "Vorlu12.hlp"); // nothing open yet: HTML Help stays unloaded
  viewer.ShowTopic(Owner(), "Vorlu12.hlp", 258);
  viewer.ShowContents(Owner(), "Vorlu12.hlp");
  viewer.Close(Owner(), "Vorlu12.hlp");
  std::vector<std::string> expected = {
      "HtmlHelp owned C:\\Saver\\Vorlu12.chm::/generalsheet.html 0 0",
      "HtmlHelp owned C:\\Saver\\Vorlu12.chm 1 0",
      "HtmlHelp owned (null) 18 0",
  };
  EXPECT_EQ(system.calls, expected);
}

TEST(SystemHelpViewer, NoCloseWhenHtmlHelpCouldNotBeLoaded) {
  FakeHelpSystem system({10, 0});
  system.htmlHelpAvailable = false;
  pwSystemHelpViewer viewer(system);
  viewer.ShowTopic(Owner(), "Vorlu12.hlp", 256);
  viewer.Close(Owner(), "Vorlu12.hlp");
  ASSERT_EQ(system.calls.size(), 1u);
}

TEST(SystemHelpViewer, CurrentViewerCanBeReplacedAndRestored) {
  FakeHelpSystem system({5, 0});
  pwSystemHelpViewer replacement(system);
  pwHelpViewer &builtIn = CurrentHelpViewer();
  SetCurrentHelpViewer(&replacement);
  EXPECT_EQ(&CurrentHelpViewer(), &replacement);
  SetCurrentHelpViewer(nullptr);
  EXPECT_EQ(&CurrentHelpViewer(), &builtIn);
}

// The real system answers with the version Wine reports and the test
// program's own path.
TEST(SystemHelpViewer, RealSystemKnowsItsVersionAndPath) {
  pwHelpSystem system;
  pwSystemVersion version = system.Version();
  EXPECT_GE(version.major, 5u);
  std::string path = system.ProgramPath();
  EXPECT_NE(path.find("win32_help_tests.exe"), std::string::npos) << path;
}

} // namespace
