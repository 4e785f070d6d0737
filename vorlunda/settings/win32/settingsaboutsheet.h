#pragma once

#include "foundation/win32/scopedwin.h"
#include "vorlunda/settings/win32/settingssheet.h"

// The program's name, version, rights holder and where to reach the project.
class vSettingsAboutSheet : public vSettingsSheet {
public:
  explicit vSettingsAboutSheet(vSettingsDlg *dialog);

  bool OnInitDialog(HWND focus) override;

private:
  void MakeLinks();
  // The product name as tall as the icon beside it.
  void EnlargeName();

  GdiObject<HFONT> nameFont_;
};
