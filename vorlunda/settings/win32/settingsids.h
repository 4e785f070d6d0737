#pragma once

// Dialog templates and control ids of the settings dialog, shared by the
// resource script and the code; plain macros, as the resource compiler
// reads nothing else.

#define IDD_SETTINGS 2003
#define IDD_SETTINGS_SCHEMES 2004
#define IDD_SETTINGS_GENERAL 2005
#define IDD_SETTINGS_ABOUT 2006

// The settings dialog itself (besides IDOK and IDCANCEL).
#define IDC_SETTINGS_TABS 100
#define IDC_SETTINGS_DEFAULTS 101
#define IDC_SETTINGS_HELP 102

// Schemes sheet.
#define IDC_SCHEMES_LIST 100
#define IDC_SCHEMES_EDIT 101
#define IDC_SCHEMES_TEST 102
#define IDC_SCHEMES_NEW 103
#define IDC_SCHEMES_COPY 104
#define IDC_SCHEMES_DELETE 105

// General sheet.
#define IDC_GENERAL_SCREENSHOTS 100
#define IDC_GENERAL_DIRECTORY 101
#define IDC_GENERAL_INFOLINE 102

// About sheet.
#define IDC_ABOUT_ICON 100
#define IDC_ABOUT_NAME 101
#define IDC_ABOUT_EMAIL 102
#define IDC_ABOUT_WEB 103
