// Resource ids of the property sheet tests.
#pragma once

#define IDD_GENERAL 100
#define IDD_ADVANCED 101
#define IDD_STEP_ONE 110
#define IDD_STEP_TWO 111
#define IDD_STEP_THREE 112

#define IDS_CAPTION 200

#define IDC_NAME 1001
#define IDC_COUNT 1002
#define IDC_VERBOSE 1003
