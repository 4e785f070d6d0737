#include "vorlunda/settings/win32/settingssheet.h"

#include "vorlunda/settings/win32/settings.h"

vSettingsSheet::vSettingsSheet(vSettingsDlg *dialog, const pwSheetFacts &facts)
    : pwTabbedSheetDialog(dialog, facts), dialog_(dialog) {}
