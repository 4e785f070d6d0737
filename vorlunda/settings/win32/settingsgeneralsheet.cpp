#include "vorlunda/settings/win32/settingsgeneralsheet.h"

#include "pallwork/win32/checkbox.h"
#include "pallwork/win32/stredit.h"
#include "vorlunda/settings/win32/settings.h"
#include "vorlunda/settings/win32/settingsids.h"

namespace {

constexpr int kDirectoryMaxLength = 65535;

} // namespace

vSettingsSheet *MakeGeneralSheet(vSettingsDlg *dialog) { return new vSettingsGeneralSheet(dialog); }

vSettingsGeneralSheet::vSettingsGeneralSheet(vSettingsDlg *dialog)
    : vSettingsSheet(dialog,
                     {IDD_SETTINGS_GENERAL, "General", HelpContextOf(vHelpWindow::GeneralSheet)}),
      config_(&dialog->Config()) {}

bool vSettingsGeneralSheet::OnInitDialog(HWND) {
  screenShots_ = MakeControl<pwCheckBox>(IDC_GENERAL_SCREENSHOTS);
  directory_ = MakeControl<pwStrEdit>(IDC_GENERAL_DIRECTORY, kCharAnything);
  directory_->SetLimit(kDirectoryMaxLength);
  infoLine_ = MakeControl<pwCheckBox>(IDC_GENERAL_INFOLINE);
  Load();
  return true;
}

void vSettingsGeneralSheet::Load() {
  screenShots_->SetChecked(config_->screenShots);
  directory_->SetText(config_->screenShotDirectory.CStr());
  infoLine_->SetChecked(config_->infoLine);
}

void vSettingsGeneralSheet::Store() {
  config_->screenShots = screenShots_->IsChecked();
  config_->screenShotDirectory = directory_->Text();
  config_->infoLine = infoLine_->IsChecked();
}
