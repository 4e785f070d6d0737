#include "vorlunda/editschm/win32/editscheme.h"

#include "pallwork/win32/control.h"
#include "vorlunda/editschm/win32/editschemesheet.h"
#include "vorlunda/editschm/win32/editschmids.h"
#include "vorlunda/helpfile.h"
#include "vorlunda/helptopics.h"
#include "vorlunda/resources/resource.h"
#include "vorlunda/win32/schemetestrun.h"

namespace {

constexpr std::uint32_t kLayoutFlags =
    kTabLayoutMoveRight | kTabLayoutMoveDown | kTabLayoutNeverShrink;

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
  SetHelp(kHelpFileName, HelpContextOf(vHelpWindow::EditSchemeDialog));
}

void vEditSchemeDlg::AddSheets() {
#define VORLUNDA_ADD_EDITSCHEME_SHEET(window, number, name, page)                                  \
  AddSheet(Make##window(this, &pair_));
  VORLUNDA_EDITSCHEME_SHEETS(VORLUNDA_ADD_EDITSCHEME_SHEET)
#undef VORLUNDA_ADD_EDITSCHEME_SHEET
}

vEditSchemeSheet *vEditSchemeDlg::EditSheet(std::int32_t index) const {
  // Every sheet this dialog adds is one of its own.
  return static_cast<vEditSchemeSheet *>(Sheet(index));
}

bool vEditSchemeDlg::OnInitTabbedDialog(HWND) {
  CentreWindow(Parent());
  SetIcon(IDI_VORLUNDA);
  // The buttons get objects of their own only so that F1 on them asks for help.
  for (int id : {IDC_ES_TEST, IDOK, IDCANCEL, IDC_ES_HELP})
    MakeControl<pwControl>(id);
  vEditSchemeSheet *general = EditSheet(0);
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
    ShowHelpContents();
    return true;
  default:
    return false;
  }
}

bool vEditSchemeDlg::ValidateSheets() {
  for (std::int32_t i = 0; i < SheetCount(); ++i) {
    if (!EditSheet(i)->Validate())
      return false;
  }
  return true;
}

void vEditSchemeDlg::StoreSheets(vNameSchemePair &pair) {
  for (std::int32_t i = 0; i < SheetCount(); ++i)
    EditSheet(i)->Store(pair);
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
