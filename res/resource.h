// Resource ids of the program's dialogs, icon and strings.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDS_NAVIGATE_TITLE 102
#define IDD_EXPORT_DIALOG 102
#define IDR_MAINFRAME 128
#define IDD_NAVIGATE_DIALOG 129

#define IDM_ABOUTBOX 0x0010

#define IDC_MODEL_FILE 1000
#define IDC_BROWSE 1001
#define IDC_SERVER_ADDRESS 1002
#define IDC_PROJECT_AREA 1003
#define IDC_USER_NAME 1004
#define IDC_PASSWORD 1005
#define IDC_SET_PATH 1006
#define IDC_OUTPUT 1007

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
