#pragma once

#include "pallwork/windowhandle.h"

#include <cstdint>

// Opens the program's help file at its contents or at a numbered topic. The
// dialogs ask through this interface, so a test sees what was asked for and
// the viewer can follow what the system offers.
class pwHelpViewer {
public:
  virtual ~pwHelpViewer() = default;

  // fileName: the help file's name, as the product knows it ("Vorlu12.hlp").
  virtual void ShowContents(pwWindowHandle owner, const char *fileName) = 0;
  virtual void ShowTopic(pwWindowHandle owner, const char *fileName, std::uint32_t context) = 0;
  // Closes the viewer the owner opened, if any.
  virtual void Close(pwWindowHandle owner, const char *fileName) = 0;
};

pwHelpViewer &CurrentHelpViewer();
void SetCurrentHelpViewer(pwHelpViewer *viewer); // null restores the built-in one
