#pragma once

#define IDD_TOOLS 100
#define IDC_TOOLS_GRID 1001
#define IDC_RECORDS_GRID 1002
#define IDC_REMOVE 1003
