// Resource ids of the control-bar tests.
#pragma once

#define IDR_TOOLS 200
#define IDD_SEARCHBAR 201

#define ID_TOOL_CUT 32801
#define ID_TOOL_COPY 32802
#define ID_TOOL_BOLD 32803
#define ID_TOOL_ORPHAN 32804
#define ID_INDICATOR_SERVER 32810

#define IDC_SEARCH_TEXT 1001
#define IDC_SEARCH_GO 1002
