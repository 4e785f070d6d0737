#include "vorlunda/settings/win32/settingssheet.h"

#include "vorlunda/settings/win32/settings.h"

#include <windows.h>

vSettingsSheet::vSettingsSheet(vSettingsDlg *dialog, int templateId)
    : pwTabbedSheetDialog(dialog->Window(), MAKEINTRESOURCEA(templateId)), dialog_(dialog) {
  SetHelpKey(VK_F1);
}
