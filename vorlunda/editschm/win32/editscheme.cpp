#include "vorlunda/editschm/win32/editscheme.h"

#include "pallwork/helpviewer.h"
#include "vorlunda/editschm/win32/drawingsheet.h"
#include "vorlunda/editschm/win32/editschmids.h"
#include "vorlunda/editschm/win32/filtersheet.h"
#include "vorlunda/editschm/win32/generalsheet.h"
#include "vorlunda/editschm/win32/rulessheet.h"
#include "vorlunda/resources/resource.h"
#include "vorlunda/win32/schemetestrun.h"

namespace {

constexpr std::uint32_t kLayoutFlags =
    kTabLayoutMoveRight | kTabLayoutMoveDown | kTabLayoutNeverShrink;

void SetProgramIcon(HWND window) {
  HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_VORLUNDA));
  if (icon == nullptr)
    return;
  SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

} // namespace

bool EditScheme(HWND parent, vNameSchemePair &pair, vConfigMgr &config, int position) {
  vEditSchemeDlg dialog(parent, pair, config, position);
  dialog.Execute();
  return dialog.Result() == 1;
}

vEditSchemeDlg::vEditSchemeDlg(HWND parent, vNameSchemePair &pair, vConfigMgr &config,
                               std::int32_t position)
    : pwTabbedDialog(parent, MAKEINTRESOURCEA(IDD_EDITSCHEME), true, IDC_ES_TABS, kLayoutFlags),
      pair_(pair), config_(config), position_(position) {
  SetHelpKey(VK_F1);
}

void vEditSchemeDlg::AddEditSheet(int index, const char *title, vEditSchemeSheet *sheet) {
  sheets_[index] = sheet;
  AddSheet(title, sheet);
}

void vEditSchemeDlg::AddSheets() {
  AddEditSheet(0, "General", new vEditSchemeGeneralSheet(this, &pair_));
  AddEditSheet(1, "Drawing", new vEditSchemeDrawingSheet(this, &pair_));
  AddEditSheet(2, "Rules", new vEditSchemeRulesSheet(this, &pair_));
  AddEditSheet(3, "Filter", new vEditSchemeFilterSheet(this, &pair_));
}

bool vEditSchemeDlg::OnInitTabbedDialog(HWND) {
  CentreWindow(Parent());
  SetProgramIcon(window_);
  // The buttons get objects of their own only so that F1 on them asks for help.
  for (int id : {IDC_ES_TEST, IDOK, IDCANCEL, IDC_ES_HELP})
    MakeControl<pwControl>(id);
  vEditSchemeSheet *general = sheets_[0];
  FocusControl(general->Window());
  general->FocusControl(GetDlgItem(general->Window(), IDC_GEN_NAME));
  return false;
}

bool vEditSchemeDlg::OnCommand(int notifyCode, int commandId, HWND) {
  if (notifyCode != BN_CLICKED)
    return false;
  switch (commandId) {
  case IDOK:
    OnOk();
    return true;
  case IDCANCEL:
    result_ = 0;
    EndDialog(window_, 0);
    return true;
  case IDC_ES_TEST:
    OnTest();
    return true;
  case IDC_ES_HELP:
    CurrentHelpViewer().ShowContents(window_, kHelpFileName);
    return true;
  default:
    return false;
  }
}

void vEditSchemeDlg::OnHelp(int controlId) {
  std::uint32_t topic = kEditSchemeHelpTopic;
  if (controlId == IDC_ES_TABS && Tabs().CurrentSelection() >= 0)
    topic = kFirstSheetHelpTopic + static_cast<std::uint32_t>(Tabs().CurrentSelection());
  CurrentHelpViewer().ShowTopic(window_, kHelpFileName, topic);
}

bool vEditSchemeDlg::ValidateSheets() {
  for (vEditSchemeSheet *sheet : sheets_) {
    if (!sheet->Validate())
      return false;
  }
  return true;
}

void vEditSchemeDlg::StoreSheets(vNameSchemePair &pair) {
  for (vEditSchemeSheet *sheet : sheets_)
    sheet->Store(pair);
}

void vEditSchemeDlg::OnOk() {
  if (!ValidateSheets())
    return;
  StoreSheets(pair_);
  result_ = 1;
  EndDialog(window_, 1);
}

// The test runs on a copy: the edited pair and the configuration stay as
// they are, whatever happens in the run.
void vEditSchemeDlg::OnTest() {
  if (!ValidateSheets())
    return;
  vNameSchemePair trial = pair_;
  trial.scheme.enabled = true;
  StoreSheets(trial);
  HWND focus = GetFocus();
  RunSchemeTest(window_, config_, trial);
  if (focus != nullptr && IsWindow(focus))
    SetFocus(focus);
}
