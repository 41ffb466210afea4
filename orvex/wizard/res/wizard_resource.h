// Identifiers of the generation wizard's resources (wizard.rc2).
#pragma once

// Dialogs.
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
