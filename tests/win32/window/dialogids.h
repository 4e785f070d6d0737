#pragma once

// Shared by the test dialogs' resource script and the tests.
#define IDD_CONTROLS 100
#define IDD_OWNERDRAWN 200
#define IDD_NAMED_NAME "NAMEDDIALOG"

#define IDC_EDIT 1001
#define IDC_FIRST 1002
#define IDC_SECOND 1003
#define IDC_LIST 1004
#define IDC_SCROLL 1005
#define IDC_OWNERDRAWN_LIST 2001
#define IDC_MISSING 4242
