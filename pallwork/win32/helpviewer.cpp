#include "pallwork/helpviewer.h"

#include <windows.h>

namespace {

// The system's WinHelp viewer, asked by file name.
class pwWinHelpViewer : public pwHelpViewer {
public:
  void ShowContents(pwWindowHandle owner, const char *fileName) override {
    WinHelpA(static_cast<HWND>(owner), fileName, HELP_CONTENTS, 0);
  }
  void ShowTopic(pwWindowHandle owner, const char *fileName, std::uint32_t context) override {
    WinHelpA(static_cast<HWND>(owner), fileName, HELP_CONTEXT, context);
  }
  void Close(pwWindowHandle owner, const char *fileName) override {
    WinHelpA(static_cast<HWND>(owner), fileName, HELP_QUIT, 0);
  }
};

pwHelpViewer *currentViewer = nullptr;

pwHelpViewer &BuiltInHelpViewer() {
  static pwWinHelpViewer viewer;
  return viewer;
}

} // namespace

pwHelpViewer &CurrentHelpViewer() {
  return currentViewer != nullptr ? *currentViewer : BuiltInHelpViewer();
}

void SetCurrentHelpViewer(pwHelpViewer *viewer) { currentViewer = viewer; }
