#pragma once
// Resource ids of the framework tests' dialog.
#define IDD_TEST 200
#define IDC_CHECK_A 300
#define IDC_CHECK_B 301
#define IDC_DRAWN 302
#define IDC_EDIT 303
#define IDC_LIST 304
#define IDC_LABEL 305
#define IDC_MISSING 399
