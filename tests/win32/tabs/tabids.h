#pragma once

// Shared by the tabbed test dialogs' resource script and the tests.
#define IDD_TABBED 300
#define IDD_SHEET_FORM 310
#define IDD_SHEET_BUTTONS 311
#define IDD_SHEET_TEXT 312
#define IDD_SHEET_SMALL 313

#define IDC_TABS 100
#define IDC_NAME 3101
#define IDC_ENABLED 3102
#define IDC_RESET 3111
#define IDC_APPLY 3112
#define IDC_NOTE 3121
#define IDC_SMALL_BUTTON 3131
