#pragma once

// Shared by the control tests' resource script and the tests.
#define IDD_FIELDS 300
#define IDD_CHECKLIST 310
#define IDD_LISTS 320

#define IDC_INT_FIELD 3001
#define IDC_DOUBLE_FIELD 3002
#define IDC_NAME_FIELD 3003
#define IDC_PATH_FIELD 3004
#define IDC_CHECKLIST 3101
#define IDC_COMBO 3201
#define IDC_PLAIN_LIST 3202
#define IDC_SCROLLER 3203
#define IDC_CHECK 3204
#define IDC_LABEL 3205
#define IDC_LINK 3206
