// Identifiers of the dialog manager's test resources.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
#define IDD_SETTINGS 100
#define IDD_CHILD_PAGE 101
#define IDD_HOST 102
#define IDD_CUSTOM 103
#define IDD_TINY 104

#define IDC_NAME 1001
#define IDC_COMMENT 1002
#define IDC_VERBOSE 1003
#define IDC_QUIET 1004
#define IDC_FAST 1005
#define IDC_SAFE 1006
#define IDC_THOROUGH 1007
#define IDC_KIND 1008
#define IDC_ITEMS 1009
#define IDC_APPLY 1010
#define IDC_MODE_GROUP 1011
#define IDC_NAME_LABEL 1012
#define IDC_PAGE_EDIT 1020
#define IDC_PAGE_CHECK 1021
#define IDC_HOST_EDIT 1030
#define IDC_GRID 1040
