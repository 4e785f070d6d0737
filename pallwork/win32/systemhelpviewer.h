#pragma once

#include "pallwork/helpviewer.h"
#include "pallwork/win32/helpsystem.h"

// The viewer the system offers: WinHelp before Vista, HTML Help from Vista
// on, always with the help file beside the program.
class pwSystemHelpViewer : public pwHelpViewer {
public:
  explicit pwSystemHelpViewer(pwHelpSystem &system) : system(system) {}

  void ShowContents(pwWindowHandle owner, const char *fileName) override;
  void ShowTopic(pwWindowHandle owner, const char *fileName, std::uint32_t context) override;
  void Close(pwWindowHandle owner, const char *fileName) override;

private:
  void Carry(pwWindowHandle owner, const char *fileName, pwHelpAction action,
             std::uint32_t context);

  pwHelpSystem &system; // not owned
  bool htmlHelpOpened = false;
};
