// Resource ids of the window-layer tests.
#pragma once

#define IDD_VALUES 100
#define IDD_CHOICES 101
#define IDD_MODELESS 102
#define IDD_LIBRARY 300
#define IDD_SWITCHED 301

#define IDC_NAME 1001
#define IDC_COUNT 1002
#define IDC_RATIO 1003
#define IDC_VERBOSE 1004
#define IDC_FAST 1005
#define IDC_SAFE 1006
#define IDC_THOROUGH 1007
#define IDC_KIND 1008
#define IDC_ITEMS 1009
#define IDC_OWNERDRAW 1010
#define IDC_LIBRARY_TEXT 1011

#define IDS_APP_STRING 2000
#define IDS_LIBRARY_STRING 2001
#define IDS_SHADOWED 2002
#define IDB_PICTURE 3000
