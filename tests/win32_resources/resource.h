// Identifiers of the resource tests' script.
#define IDD_OPTIONS 101
#define IDD_GRID 102
#define IDR_MAINMENU 128
#define IDR_ACCEL 129
#define IDR_MAINFRAME 130
#define IDB_GRID 140
#define IDI_APP 141
#define IDR_HANDCURSOR 142
#define IDR_CLIP 174

#define IDC_NAME 1001
#define IDC_NOTES 1002
#define IDC_VERBOSE 1003
#define IDC_QUIET 1004
#define IDC_RED 1005
#define IDC_GREEN 1006
#define IDC_BLUE 1007
#define IDC_KIND 1008
#define IDC_ITEMS 1009
#define IDC_GRIDCTRL 1010

#define ID_TOOLS_RUN 32771
#define ID_TOOLS_STOP 32772
#define ID_VIEW_TAB 32836

#define IDS_HELLO 1
#define IDS_SECOND 17
#define IDS_UTF8 42783
