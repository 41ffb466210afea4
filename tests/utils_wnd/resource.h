// Resource ids of the Utils window tests.
#pragma once

#define IDD_STEP_ONE 100
#define IDD_STEP_TWO 101

#define IDC_AGENTS 1001
#define IDC_SOURCE 1002
