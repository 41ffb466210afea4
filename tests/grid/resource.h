#pragma once

#define IDD_GRID 100
#define IDC_GRID 1001
#define IDC_OTHER 1002
