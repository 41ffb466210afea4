// Resource ids of the common-control wrapper tests.
#pragma once

#define IDD_CONTROLS 100
#define IDR_CLIP 200
#define IDB_STRIP 300

#define IDC_LIST 1001
#define IDC_TREE 1002
#define IDC_TABS 1003
#define IDC_PROGRESS 1004
#define IDC_ANIMATE 1005
#define IDC_SPIN 1006
#define IDC_SPIN_BUDDY 1007

#define IDS_TIP 2000
#define IDS_TIP_UPDATED 2001
