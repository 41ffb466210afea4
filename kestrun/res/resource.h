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

// --- Tab: Data Handler ----------------------------------------------------------------
#define IDD_DATA_HANDLER 142

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
