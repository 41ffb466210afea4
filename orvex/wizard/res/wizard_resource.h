// Identifiers of the generation wizard's resources (wizard.rc2).
#pragma once

// The property grid's dialogs and step 2.
#define IDD_BO_PROPERTIES 186
#define IDD_KBRX_PROFILE 208
#define IDD_WIZARD_STEP2 343

// The property grid and its neighbours.
#define IDC_PROFILE_COMBO 1052
#define IDC_PROFILE_NEW 1053
#define IDC_PROFILE_REMOVE 1054
#define IDC_PROP_GRID 1055
#define IDC_PROFILE_SAVE 1056
#define IDC_PROP_TEXT 1069

// Strings: the file names of the profile books.
#define IDS_AGENT_PROFILE_BOOK 61650
#define IDS_KBRX_PROFILE_BOOK 61651

// The generation steps and their dialogs.
#define IDD_WIZARD_STEP1 349
#define IDD_WIZARD_STEP3 348
#define IDD_WIZARD_STEP4 344
#define IDD_WIZARD_STEP5 345
#define IDD_WIZARD_STEP6 347
#define IDD_FILTER_NAME 187
#define IDD_OBJECT_PATH 194
#define IDD_SEARCH_PATTERN 207

// The source tree's context menu and the generation clip.
#define IDR_NODE_MENU 166
#define IDR_GENERATE_CLIP 202

// Step 1: the agent.
#define IDC_AGENT_LIST 1037
#define IDC_FIND_AGENTS 1051
#define IDC_AGENT_NAME 1060

// Steps 3 and 4: the source nodes.
#define IDC_USE_OBJECT 1057
#define IDC_NODE_TREE 1059

// Step 5: generation.
#define IDC_GENERATE_CLIP 1062
#define IDC_GENERATE_STATUS 1063

// Step 6: where the definitions go.
#define IDC_SAVE_TO_SERVER 1010
#define IDC_SAVE_TO_FILE 1011
#define IDC_OPEN_IN_WINDOWS 1012

// The source step's dialogs.
#define IDC_SEARCH_HINT 1005
#define IDC_FILTER_NAME 1048
#define IDC_OBJECT_PATH 1058
#define IDC_SEARCH_PATTERN 1068

// The source tree's commands.
#define ID_NODE_RETRIEVE_ALL 32844
#define ID_NODE_APPLY_FILTER 32845
#define ID_NODE_PARENT_FILTER 32846
#define ID_NODE_ASSOCIATE_FILES 32863
#define ID_NODE_REMOVE_FILE 32864
#define ID_NODE_SEARCH 32865
