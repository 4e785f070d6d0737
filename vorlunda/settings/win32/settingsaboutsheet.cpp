#include "vorlunda/settings/win32/settingsaboutsheet.h"

#include "foundation/win32/scopedwin.h"
#include "pallwork/win32/urlcontrol.h"
#include "vorlunda/settings/win32/settingsids.h"

namespace {

constexpr const char *kMailLink = "mailto:vorlunda@example.org";
constexpr const char *kWebLink = "https://vorlunda.example.org/";
constexpr const char *kNameFace = "Times New Roman";

int ClientHeight(HWND window) {
  RECT client = {};
  GetClientRect(window, &client);
  return client.bottom - client.top;
}

} // namespace

vSettingsSheet *MakeAboutSheet(vSettingsDlg *dialog) { return new vSettingsAboutSheet(dialog); }

vSettingsAboutSheet::vSettingsAboutSheet(vSettingsDlg *dialog)
    : vSettingsSheet(dialog,
                     {IDD_SETTINGS_ABOUT, "About", HelpContextOf(vHelpWindow::AboutSheet)}) {}

bool vSettingsAboutSheet::OnInitDialog(HWND) {
  MakeLinks();
  EnlargeName();
  return true;
}

void vSettingsAboutSheet::MakeLinks() {
  MakeControl<pwURLControl>(IDC_ABOUT_EMAIL)->SetLink(kMailLink);
  MakeControl<pwURLControl>(IDC_ABOUT_WEB)->SetLink(kWebLink);
}

void vSettingsAboutSheet::EnlargeName() {
  const int iconHeight = ClientHeight(GetDlgItem(window_, IDC_ABOUT_ICON));
  nameFont_.Reset(CreateFontA(-iconHeight, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, DEFAULT_CHARSET,
                              OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                              VARIABLE_PITCH | FF_ROMAN, kNameFace));
  if (!nameFont_)
    return;
  TEXTMETRICA metrics = {};
  {
    MemoryDC dc(nullptr);
    SelectedObject selected(dc.Get(), nameFont_.Get());
    GetTextMetricsA(dc.Get(), &metrics);
  }
  const HWND name = GetDlgItem(window_, IDC_ABOUT_NAME);
  RECT rect = {};
  GetWindowRect(name, &rect);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT *>(&rect), 2);
  SetWindowPos(name, nullptr, 0, 0, rect.right - rect.left, metrics.tmHeight,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageA(name, WM_SETFONT, reinterpret_cast<WPARAM>(nameFont_.Get()), TRUE);
}
