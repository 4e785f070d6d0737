#pragma once

#include "foundation/string.h"

#include <windows.h>

#include <commdlg.h>

// The system's open-file and save-file dialogs with a fixed filter, default
// extension and starting folder.
class pwFileRequester {
public:
  // filter: description/pattern pairs, each NUL-terminated, the list ended by
  // an extra NUL. Null arguments are passed on as null (for initialDirectory
  // the system then chooses the starting folder).
  pwFileRequester(const String &initialFileName, const char *filter, const char *defaultExtension,
                  const char *initialDirectory);
  ~pwFileRequester();
  pwFileRequester(const pwFileRequester &) = delete;
  pwFileRequester &operator=(const pwFileRequester &) = delete;

  // Shows the open dialog (open set) or the save dialog. True with the chosen
  // file in path when the user confirms; false with path untouched otherwise.
  // flags are the dialog's OFN_* flags.
  bool Run(bool open, HWND owner, String &path, DWORD flags);

  // Empty titles leave the caption empty.
  void SetOpenTitle(const String &title) { openTitle_ = title; }
  void SetSaveTitle(const String &title) { saveTitle_ = title; }

  // The record size given to the system: the pre-Windows 2000 form of the
  // structure (76 bytes on 32-bit builds), which every version accepts.
  static DWORD RecordSize();

private:
  OPENFILENAMEA record_ = {};
  String initialFileName_;
  char *filter_ = nullptr;           // owned
  char *defaultExtension_ = nullptr; // owned
  char *initialDirectory_ = nullptr; // owned
  String openTitle_;
  String saveTitle_;
};
