// Identifiers of Kestrun's resources. Each tab and dialog has a block of
// its own: its template, then its controls.
#pragma once

// --- Frame, document template and bars --------------------------------------
#define IDR_MAINFRAME 128
#define IDR_CONNECTORTYPE 130
#define IDW_RESULTS_BAR 0xE700

// --- Commands ----------------------------------------------------------------
#define ID_DELETE_ROW 32771
#define ID_HELP_TOPICS 32775
#define ID_FILE_NEW_CONNECTOR 32779
#define ID_SAVE_TO_SERVER 32785
#define ID_SAVE_TO_FILE 32787
#define ID_SAVE_AS_TO_SERVER 32788
#define ID_SAVE_AS_TO_FILE 32789
#define ID_OPEN_FROM_SERVER 32792
#define ID_SAVE_ALL_TO_SERVER 32794
#define ID_SAVE_ALL_TO_FILE 32795
#define ID_SERVER_CONNECT 32801
#define ID_SERVER_DISCONNECT 32802
#define ID_CLOSE_ALL 32804

// --- Strings ------------------------------------------------------------------
#define IDS_PROPERTY_NO_VALUE 103
#define IDS_PROPERTY_BAD_VALUE 104
#define IDS_SUPP_BO_NAME_EMPTY 501
#define IDS_SUPP_BO_NAME_TWICE 502
#define IDS_SUPP_BO_ID_TWICE 503
#define IDS_SUPP_BO_ID_EMPTY 504
#define IDS_DH_VALUES_EMPTY 112
#define IDS_VALIDATING_DH 113
#define IDS_INSTALL_ID_EMPTY 505
#define IDS_CONFIG_VERSION 506
#define IDS_SAVING_CONNECTOR 507
#define IDS_VALIDATING_CONNECTOR 508
#define IDS_CONNECTOR_SAVED 509
#define IDS_CONNECTOR_NOT_SAVED 510
#define IDS_CONNECTOR_SAVE_FAILED 511
#define IDS_CONNECTOR_VALID 512
#define IDS_CONNECTOR_INVALID 513
#define IDS_NOT_A_HALVANE_CONNECTOR 514
#define IDS_RENAME_CONNECTOR 515

#define IDS_ENCRYPTION_UNAVAILABLE_READ 600
#define IDS_ENCRYPTION_UNAVAILABLE_WRITE 601
#define IDS_NO_CONNECTOR_SECTION 602
#define IDS_VALUES_UNDECRYPTABLE 603
#define IDS_VALUE_NOT_ENCRYPTED 604
#define IDS_NO_SESSION_KEY 605
#define IDS_NOT_A_QVS_CONNECTOR 606

// --- Tab: Standard Properties --------------------------------------------------
#define IDD_STD_PROPS 336
#define IDC_STD_PROPS_GRID 1003

// --- Tab: Application Config Properties ----------------------------------------
#define IDD_USER_PROPS 341
#define IDC_USER_PROPS_GRID 1001

// --- Tab: Supported Business Objects (QVS) --------------------------------------
#define IDD_SUPP_BO 131
#define IDC_SUPP_BO_TRANS_LEVEL 1002
#define IDC_SUPP_BO_GRID 1008

// --- Tab: Supported Business Objects (KBRX) -------------------------------------
#define IDD_SUPP_BO_NVRT 536
#define IDC_SUPP_BO_NVRT_GRID 1019
#define IDC_SUPP_BO_NVRT_LOAD 1020

// --- Tab: Associated Maps --------------------------------------------------------
#define IDD_ASSOC_MAPS 538
#define IDC_ASSOC_MAPS_GRID 1003

// --- Tab: Resources -----------------------------------------------------------------
#define IDD_RESOURCES 534
#define IDC_RESOURCES_GRID 1640

// --- Tab: Trace/Log Files ------------------------------------------------------------
#define IDD_LOG_TRACE 521
#define IDC_LOG_FILE 1002
#define IDC_LOG_BROWSE 1003
#define IDC_LOG_TO_FILE 1004
#define IDC_LOG_TO_CONSOLE 1005
#define IDC_LOG_SIZE 1006
#define IDC_LOG_SIZE_SPIN 1007
#define IDC_LOG_ARCHIVES 1008
#define IDC_LOG_ARCHIVES_SPIN 1009
#define IDC_TRACE_FILE 1030
#define IDC_TRACE_BROWSE 1031
#define IDC_TRACE_TO_FILE 1032
#define IDC_TRACE_TO_CONSOLE 1035
#define IDC_TRACE_SIZE 1036
#define IDC_TRACE_SIZE_SPIN 1037
#define IDC_TRACE_ARCHIVES 1038
#define IDC_TRACE_ARCHIVES_SPIN 1039
#define IDC_LOG_UNLIMITED 1624
#define IDC_TRACE_UNLIMITED 1625
#define IDC_LOG_UNIT 1626
#define IDC_TRACE_UNIT 1627

// --- Tab: Data Handler ----------------------------------------------------------------
#define IDD_DATA_HANDLER 142
#define IDC_DH_MIMETYPE 1026
#define IDC_DH_CLASS 1027
#define IDC_DH_CONFIG_MO 1029

// --- Strings of the trace and log, data handler and resources tabs -----------------------
#define IDS_LOG_SIZE_ZERO 105
#define IDS_TRACE_SIZE_ZERO 107
#define IDS_LOG_NAME_MISSING 109
#define IDS_TRACE_NAME_MISSING 110
#define IDS_LOGTRACE_VALIDATING 516
#define IDS_LOGTRACE_SAME_FILE 2100
#define IDS_LOGTRACE_SAVING 2101
#define IDS_LOG_FILE_FILTER 2102
#define IDS_LOG_FILE_TITLE 2103
#define IDS_TRACE_FILE_FILTER 2104
#define IDS_TRACE_FILE_TITLE 2105
#define IDS_RES_SAVING 2110
#define IDS_RES_DEGREE_ONE 2111
#define IDS_RES_DEGREE_TOO_HIGH 2112
#define IDS_RES_MAX_ZERO 2113
#define IDS_RES_TOTAL 2114
#define IDS_RES_MIN_ABOVE_MAX 2115
#define IDS_RES_HEADER_RESOURCE 2116
#define IDS_RES_HEADER_VALUES 2117
#define IDS_RES_HEADER_PERCENTAGE 2118
#define IDS_RES_MIN_ALLOCATION 2119
#define IDS_RES_MAX_ALLOCATION 2120

// --- Tab placeholders: the text that names a tab until it is built ---------------------
#define IDC_TAB_PLACEHOLDER 1099

// --- Dialog: Open Connector Document ------------------------------------------------------
#define IDD_OPEN_CONNECTOR 134
#define IDC_OPEN_FIND 1004
#define IDC_OPEN_LIST 1019
#define IDC_FIND_PREV 1020
#define IDC_FIND_NEXT 1021
#define IDC_OPEN_PROMPT 1022

// --- Dialog: New Connector -----------------------------------------------------------------
#define IDD_NEW_CONNECTOR 133
#define IDC_NEW_NAME 1007
#define IDC_NEW_BROKER 1015

// --- Dialog: Files Save ---------------------------------------------------------------------
#define IDD_FILE_NAME 537
#define IDC_FILE_NAME_GRID 1022
#define IDC_FILE_NAME_TEXT 1023

// --- Dialog: Verification ---------------------------------------------------------------------
#define IDD_VERIFY 130
#define IDC_VERIFY_VALUE 1000

// --- Dialog: Upgrade Standard Properties ---------------------------------------------------------
#define IDD_UPGRADE_STD_PROPS 161
#define IDC_UPGRADE_TEXT 1023
#define IDC_UPGRADE_SHOW 1075
