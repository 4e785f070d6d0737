#include "vorlunda/settings/win32/settings.h"

#include "pallwork/helpviewer.h"
#include "pallwork/msgbox.h"
#include "pallwork/win32/control.h"
#include "vorlunda/helpfile.h"
#include "vorlunda/helptopics.h"
#include "vorlunda/resources/resource.h"
#include "vorlunda/settings/win32/settingsids.h"
#include "vorlunda/settings/win32/settingssheet.h"

namespace {

// Never shrink; the buttons follow the tab control right and down.
constexpr std::uint32_t kSettingsLayout =
    kTabLayoutNeverShrink | kTabLayoutMoveRight | kTabLayoutMoveDown;

constexpr const char *kDefaultsQuestion = "This will restore the default settings. Continue?";

} // namespace

vSettingsDlg::vSettingsDlg(HWND parent)
    : pwTabbedDialog(parent, MAKEINTRESOURCEA(IDD_SETTINGS), true, IDC_SETTINGS_TABS,
                     kSettingsLayout) {
  SetHelpKey(VK_F1);
  SetHelp(kHelpFileName, HelpContextOf(vHelpWindow::SettingsDialog));
  const Error loaded = config_.Load();
  if (loaded.Severity() == kSeverityWarning)
    ShowErrorBox(parent, "Warning", loaded);
  // A first run, or a configuration beyond reading, starts from the built-in
  // schemes rather than from nothing. Where every stored scheme is of a later
  // version, the built-in ones join them under the names still free, and the
  // general settings read stay.
  if (loaded.Failed())
    config_.RestoreDefaults();
  else if (config_.SchemeCount() == 0)
    config_.AddDefaultSchemes();
}

vSettingsDlg::~vSettingsDlg() { CurrentHelpViewer().Close(helpOwner_, kHelpFileName); }

void vSettingsDlg::AddSheets() {
#define VORLUNDA_ADD_SETTINGS_SHEET(window, number, name, page) AddSheet(Make##window(this));
  VORLUNDA_SETTINGS_SHEETS(VORLUNDA_ADD_SETTINGS_SHEET)
#undef VORLUNDA_ADD_SETTINGS_SHEET
}

bool vSettingsDlg::OnInitTabbedDialog(HWND) {
  helpOwner_ = window_;
  CentreWindow(Parent());
  SetIcon(IDI_VORLUNDA);
  for (int id : {IDC_SETTINGS_DEFAULTS, IDOK, IDCANCEL, IDC_SETTINGS_HELP})
    MakeControl<pwControl>(id);
  if (SheetCount() > 0) {
    const HWND sheet = Sheet(0)->Window();
    SendMessageA(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(sheet), TRUE);
    SendMessageA(sheet, WM_NEXTDLGCTL,
                 reinterpret_cast<WPARAM>(GetDlgItem(sheet, IDC_SCHEMES_LIST)), TRUE);
  }
  return false;
}

vSettingsSheet *vSettingsDlg::SettingsSheet(std::int32_t index) const {
  // Every sheet this dialog adds is one of its own.
  return static_cast<vSettingsSheet *>(Sheet(index));
}

void vSettingsDlg::StoreSheets() {
  for (std::int32_t i = 0; i < SheetCount(); ++i)
    SettingsSheet(i)->Store();
}

void vSettingsDlg::LoadSheets() {
  for (std::int32_t i = 0; i < SheetCount(); ++i)
    SettingsSheet(i)->Load();
}

bool vSettingsDlg::OnCommand(int notifyCode, int commandId, HWND) {
  if (notifyCode != BN_CLICKED)
    return false;
  switch (commandId) {
  case IDOK:
    OnOk();
    return true;
  case IDCANCEL:
    EndDialog(window_, 0);
    return true;
  case IDC_SETTINGS_DEFAULTS:
    OnDefaults();
    return true;
  case IDC_SETTINGS_HELP:
    ShowHelpContents();
    return true;
  default:
    return false;
  }
}

void vSettingsDlg::OnOk() {
  StoreSheets();
  const Error stored = config_.Store();
  if (stored.Succeeded()) {
    EndDialog(window_, 1);
    return;
  }
  ShowErrorBox(window_, "Error storing configuration", stored);
}

void vSettingsDlg::OnDefaults() {
  if (MessageBoxA(window_, kDefaultsQuestion, "Defaults", MB_YESNO) != IDYES)
    return;
  config_.RestoreDefaults();
  LoadSheets();
}
