#include "vorlunda/settings/win32/settingsschemessheet.h"

#include "pallwork/win32/control.h"
#include "vorlunda/editschm/win32/editscheme.h"
#include "vorlunda/settings/schemelistrules.h"
#include "vorlunda/settings/win32/schemelistbox.h"
#include "vorlunda/settings/win32/settings.h"
#include "vorlunda/settings/win32/settingsids.h"
#include "vorlunda/win32/schemetestrun.h"

vSettingsSheet *MakeSchemesSheet(vSettingsDlg *dialog) { return new vSettingsSchemesSheet(dialog); }

vSettingsSchemesSheet::vSettingsSchemesSheet(vSettingsDlg *dialog)
    : vSettingsSheet(dialog,
                     {IDD_SETTINGS_SCHEMES, "Schemes", HelpContextOf(vHelpWindow::SchemesSheet)}),
      config_(&dialog->Config()),
      // Made before the sheet's window, so the list's measurement, which the
      // system asks for while it creates the list, reaches it.
      list_(MakeControl<vSchemeListbox>(IDC_SCHEMES_LIST)) {}

bool vSettingsSchemesSheet::OnInitDialog(HWND) {
  for (int id = IDC_SCHEMES_EDIT; id <= IDC_SCHEMES_DELETE; ++id)
    MakeControl<pwControl>(id);
  Load();
  return true;
}

void vSettingsSchemesSheet::Load() {
  list_->Clear();
  for (vSchemeIter it(config_->Schemes()); !it.AtEnd(); it.Next())
    list_->AddPair(it.Value());
  list_->Select(list_->Count() > 0 ? 0 : -1);
  UpdateButtons();
}

void vSettingsSchemesSheet::UpdateButtons() {
  const vSchemeButtons buttons = SchemeButtonsFor(list_->CurrentSelection() >= 0);
  EnableControl(IDC_SCHEMES_EDIT, buttons.edit);
  EnableControl(IDC_SCHEMES_TEST, buttons.test);
  EnableControl(IDC_SCHEMES_NEW, buttons.newScheme);
  EnableControl(IDC_SCHEMES_COPY, buttons.copy);
  EnableControl(IDC_SCHEMES_DELETE, buttons.remove);
}

bool vSettingsSchemesSheet::OnCommand(int notifyCode, int commandId, HWND) {
  if (notifyCode != BN_CLICKED || commandId < IDC_SCHEMES_EDIT || commandId > IDC_SCHEMES_DELETE)
    return false;
  if (commandId == IDC_SCHEMES_NEW) {
    New();
    return true;
  }
  const int position = list_->CurrentSelection();
  if (position < 0)
    return true;
  switch (commandId) {
  case IDC_SCHEMES_EDIT:
    Edit(position);
    break;
  case IDC_SCHEMES_TEST:
    Test(position);
    break;
  case IDC_SCHEMES_COPY:
    Copy(position);
    break;
  default:
    Delete(position);
    break;
  }
  return true;
}

void vSettingsSchemesSheet::InsertAndSelect(const String &name) {
  std::int32_t position = 0;
  vNameSchemePair *pair = config_->FindScheme(name, &position);
  list_->InsertPair(position, pair);
  list_->Select(position);
  UpdateButtons();
}

bool vSettingsSchemesSheet::Edit(int position) {
  vSettingsDlg *dialog = SettingsDialog();
  dialog->StoreSheets();
  vNameSchemePair *old = config_->SchemeAt(position);
  vNameSchemePair edited = *old;
  if (!EditScheme(dialog->Window(), edited, *config_, position))
    return false;
  if (EditKeepsName(old->name.CStr(), edited.name.CStr())) {
    old->scheme = edited.scheme;
    list_->RedrawItem(position, true);
    return true;
  }
  // The old pair goes with its name; take the list's pointer to it first.
  const String oldName = old->name;
  RedrawWindow(dialog->Window(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  list_->Delete(position);
  config_->RemoveScheme(oldName);
  config_->SetScheme(edited.name, edited.scheme);
  InsertAndSelect(edited.name);
  return true;
}

void vSettingsSchemesSheet::Test(int position) {
  vSettingsDlg *dialog = SettingsDialog();
  dialog->StoreSheets();
  RunSchemeTest(dialog->Window(), *config_, *config_->SchemeAt(position));
}

void vSettingsSchemesSheet::New() {
  InsertAndSelect(config_->NewScheme());
  const int position = list_->CurrentSelection();
  if (!Edit(position))
    Delete(position);
}

void vSettingsSchemesSheet::Copy(int position) {
  InsertAndSelect(config_->CopyScheme(*config_->SchemeAt(position)));
}

void vSettingsSchemesSheet::Delete(int position) {
  const String name = config_->SchemeAt(position)->name;
  list_->Delete(position);
  config_->RemoveScheme(name);
  list_->Select(SelectionAfterDelete(position, list_->Count()));
  UpdateButtons();
}
