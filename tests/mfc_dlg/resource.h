// Resource ids of the class library's dialog tests.
#pragma once

#define IDD_FILE_OPTIONS 100
#define IDD_PAGE_GENERAL 110
#define IDD_PAGE_ADVANCED 111
#define IDD_WIZARD_NAME 120
#define IDD_WIZARD_COUNT 121
#define IDD_WIZARD_DONE 122

#define IDS_SHEET_CAPTION 200
#define IDS_PAGE_GENERAL 201

#define IDC_LABEL 1001
#define IDC_OPEN_AFTER 1002
#define IDC_NAME 1003
#define IDC_COUNT 1004
#define IDC_VERBOSE 1005
