// Identifiers of Orvex's resources.
#pragma once

// Frame, document template and toolbars.
#define IDR_MAINFRAME 128
#define IDR_PROGRAMS 173
#define IDR_BODEFTYPE 199

// Control bars of the main frame.
#define IDW_PROGRAMS_BAR 0xE803
#define IDW_RESULTS_PANE 0xE804

// Dialogs.
#define IDD_OPEN_BO 134
#define IDD_BO_NAME 164
#define IDD_CONFIRM 171
#define IDD_DEPENDENCY 217
#define IDD_USER_CONFIRM 501
#define IDD_IMPORT_FILE 172
#define IDD_ATTRS_VIEW 336
#define IDD_VERBS_VIEW 341

// Strings.
#define IDS_PREFERENCES_CAPTION 61474
#define IDS_SERVER_LABEL 61630
#define IDS_DISCONNECTED 61631
#define IDS_XSD_FILTER 61634

// Open dialog.
#define IDC_OPEN_FIND 1004
#define IDC_OPEN_LIST 1019
#define IDC_FIND_PREV 1020
#define IDC_FIND_NEXT 1021
#define IDC_OPEN_PROMPT 1022

// New-name dialog.
#define IDC_BO_NAME 1012
#define IDC_BO_APPINFO 1013

// Delete confirmation.
#define IDC_CONFIRM_NO_PROMPT 1010

// Dependency report.
#define IDC_DEP_USERS 1249
#define IDC_DEP_MESSAGE 1251
#define IDC_DEP_NAME 1252
#define IDC_DEP_LABEL 1253

// The tabs of a definition window.
#define IDC_VERB_GRID 1001
#define IDC_ATTR_GRID 1003
#define IDC_VERBS_APPINFO 1095
#define IDC_VERBS_APPINFO_LABEL 1642

// Options of the import/export file dialog (1119 is the template's
// placeholder for the system dialog's own controls).
#define IDC_IMPORT_PLACEHOLDER 1119
#define IDC_OPEN_IMPORTED 1010
#define IDC_GENERATE_BROKER_FILES 1011
#define IDC_USE_PROFILE 1040
#define IDC_RENAME_TO_FILE_NAME 1070

// Preferences page.
#define IDC_PREF_SERVER 1060
#define IDC_PREF_DELETE_BO 1602

// Commands.
#define ID_SERVER_REFRESH 32791
#define ID_FILE_OPEN_FROM_FILE 32793
#define ID_HELP_TOPICS 32794
#define ID_SERVER_CONNECT 32801
#define ID_SERVER_DISCONNECT 32802
#define ID_BO_DELETE 32803
#define ID_EDIT_SELECT_ROWS 32804
#define ID_EDIT_DELETE_ROW 32810
#define ID_SAVE_TO_SERVER 32832
#define ID_SAVE_TO_FILE 32833
#define ID_HELP_DOCUMENTATION 32835
#define ID_NEXT_TAB 32836
#define ID_NEW_USING_ZTA 32843
#define ID_PREFERENCES 32847
#define ID_WINDOW_CLOSE_ALL 32853
#define ID_VIEW_PROGRAMS 32859
#define ID_TOOL_SPRINDLE 32866
#define ID_TOOL_KESTRUN 32868
#define ID_TOOL_TAVISH 32869
#define ID_SAVE_AS_TO_FILE 32870
#define ID_SAVE_AS_TO_SERVER 32871
#define ID_SAVE_ALL_TO_SERVER 32872
#define ID_SAVE_ALL_TO_FILE 32873
#define ID_SAVE_ALL_TO_ONE_FILE 32875

// The attribute grid's context menu.
#define IDR_ATTR_GRID_MENU 165

// Commands of the attribute grid and the attributes tab.
#define ID_ATTR_TO_PARENT 32787
#define ID_ATTR_INSERT_BELOW 32797
#define ID_ATTR_INSERT_ABOVE 32798
#define ID_ATTR_MOVE_DOWN 32813
#define ID_ATTR_EXPAND 32814
#define ID_ATTR_COLLAPSE 32815
#define ID_ATTR_MOVE_UP 32831
#define ID_ATTR_OPEN_IN_WINDOW 32858
