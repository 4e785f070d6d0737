#include "pallwork/win32/systemhelpviewer.h"

namespace {

// HTML Help's commands, from its header, which the program does not link.
constexpr UINT kHhDisplayTopic = 0x0000;
constexpr UINT kHhDisplayToc = 0x0001;
constexpr UINT kHhCloseAll = 0x0012;

UINT CommandCode(pwHelpCommand command) {
  switch (command) {
  case pwHelpCommand::Contents:
    return HELP_CONTENTS;
  case pwHelpCommand::Context:
    return HELP_CONTEXT;
  case pwHelpCommand::Quit:
    return HELP_QUIT;
  case pwHelpCommand::DisplayToc:
    return kHhDisplayToc;
  case pwHelpCommand::DisplayTopic:
    return kHhDisplayTopic;
  case pwHelpCommand::CloseAll:
    break;
  }
  return kHhCloseAll;
}

pwHelpViewer *currentViewer = nullptr;

pwHelpViewer &BuiltInHelpViewer() {
  static pwHelpSystem system;
  static pwSystemHelpViewer viewer(system);
  return viewer;
}

} // namespace

void pwSystemHelpViewer::ShowContents(pwWindowHandle owner, const char *fileName) {
  Carry(owner, fileName, pwHelpAction::Contents, 0);
}

void pwSystemHelpViewer::ShowTopic(pwWindowHandle owner, const char *fileName,
                                   std::uint32_t context) {
  Carry(owner, fileName, pwHelpAction::Topic, context);
}

void pwSystemHelpViewer::Close(pwWindowHandle owner, const char *fileName) {
  Carry(owner, fileName, pwHelpAction::Close, 0);
}

void pwSystemHelpViewer::Carry(pwWindowHandle owner, const char *fileName, pwHelpAction action,
                               std::uint32_t context) {
  pwHelpCall call = pwPlanHelp(system.Version(), system.ProgramPath(), fileName, action, context);
  HWND window = static_cast<HWND>(owner);
  const char *file = call.file.empty() ? nullptr : call.file.c_str();
  if (call.viewer == pwHelpViewerKind::WinHelpViewer) {
    (void)system.CallWinHelp(window, file, CommandCode(call.command), call.data);
    return;
  }
  // Closing must not load HTML Help just to close nothing.
  if (call.command == pwHelpCommand::CloseAll && !htmlHelpOpened) {
    return;
  }
  htmlHelpOpened =
      system.CallHtmlHelp(window, file, CommandCode(call.command), call.data) || htmlHelpOpened;
}

pwHelpViewer &CurrentHelpViewer() {
  return currentViewer != nullptr ? *currentViewer : BuiltInHelpViewer();
}

void SetCurrentHelpViewer(pwHelpViewer *viewer) { currentViewer = viewer; }
