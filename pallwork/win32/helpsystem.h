#pragma once

#include "pallwork/helproute.h"
#include "pallwork/windowhandle.h"

#include <windows.h>

#include <string>

// What the help viewer needs from the system: its version, the program's
// path and the two viewers' entry points. Tests derive from it to play
// another Windows version or to record the HTML Help calls.
class pwHelpSystem {
public:
  pwHelpSystem() = default;
  pwHelpSystem(const pwHelpSystem &) = delete;
  pwHelpSystem &operator=(const pwHelpSystem &) = delete;
  virtual ~pwHelpSystem() = default;

  virtual pwSystemVersion Version();
  virtual std::string ProgramPath();
  virtual bool CallWinHelp(HWND owner, const char *file, UINT command, ULONG_PTR data);
  // False when hhctrl.ocx or its HtmlHelpA cannot be had.
  virtual bool CallHtmlHelp(HWND owner, const char *file, UINT command, DWORD_PTR data);

private:
  using HtmlHelpFunction = HWND(WINAPI *)(HWND, LPCSTR, UINT, DWORD_PTR);
  HtmlHelpFunction LoadHtmlHelp();

  // Loaded on first use and kept: HTML Help windows live on the library's
  // code, so it is never unloaded while the program runs.
  HMODULE htmlHelpModule = nullptr;
  HtmlHelpFunction htmlHelp = nullptr;
};
