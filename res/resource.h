// Resource ids shared by the resource script and the code.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_VARNEL_DIALOG 102
#define IDR_MAINFRAME 128

// System-menu command of the about box entry.
#define IDM_ABOUTBOX 0x0010

// Main dialog controls.
#define IDC_BUTTON_BROWSE 1000
#define IDC_EDIT_PATH 1001
#define IDC_CHECK_EXACT_MATCH 1010
#define IDC_CHECK_MATCH_CASE 1011
#define IDC_CHECK_PREVIEW 1012
#define IDC_BUTTON_CLEAN 1016
#define IDC_CHECK_DELETE_FOLDERS 1017
#define IDC_CHECK_DELETE_FILES 1018
#define IDC_COMBO_KEYWORD 1019
#define IDC_STATIC_STATUS 1021
#define IDC_STATIC_WARNING 1022
#define IDC_STATIC_PATH_LABEL 1027
#define IDC_LIST_LOG 1028
#define IDC_STATIC_GROUP 1029
#define IDC_STATIC_KEYWORD_LABEL 1031

// About box lines (the box has its own template, so its ids may repeat the main dialog's).
#define IDC_ABOUT_LINE1 1022
#define IDC_ABOUT_LINE2 1023
#define IDC_ABOUT_LINE3 1024
#define IDC_ABOUT_LINE4 1025
#define IDC_ABOUT_LINE5 1026

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
