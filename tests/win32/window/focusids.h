#pragma once

// Shared by the focus test dialog's resource script and the tests.
#define IDD_FOCUS 400

#define IDC_FOCUS_EDIT 4001
#define IDC_FOCUS_SECOND 4002
#define IDC_FOCUS_COMBO 4003
