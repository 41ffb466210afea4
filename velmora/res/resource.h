// Identifiers of Velmora's own resources.
#pragma once

#define IDD_STATUS 191
#define IDD_DEF_MESSAGE_BOX 2002
#define IDD_STATUS_SMALL 2006

#define IDR_STATUS_CLIP 174

#define IDC_STATUS_CLIP 106
#define IDC_STATUS_MESSAGE 107
#define IDC_STATUS_CANCEL 1065
#define IDC_STATUS_PROGRESS 1126
#define IDC_STATUS_PERCENT 1127

// --- Context help and help authoring -------------------------------------
#define IDD_ADD_HTOPIC 2005
#define IDD_ALL_HTOPICS 2007
#define IDC_HTOPIC_WINDOW 2004
#define IDC_HTOPIC_TAB 2005
#define IDC_HTOPIC_PAGE 2006
#define IDC_HTOPIC_CREATE 2008
#define IDC_HTOPIC_BROWSE 1012
#define IDC_HTOPIC_LIST_ALL 2009
#define IDC_HTOPIC_GRID 2010

// --- Login and server search ---------------------------------------------
#define IDD_LOGIN 216
#define IDD_SEARCH_SERVERS 256
#define IDC_LOGIN_USER 1001
#define IDC_LOGIN_SERVER 1002
#define IDC_LOGIN_BROWSE 1003
#define IDC_LOGIN_PASSWORD 1007
#define IDC_LOGIN_REMEMBER 1246
#define IDC_SEARCH_SERVERS 1002
#define IDC_SEARCH_CLIP 1003
#define IDC_SEARCH_STATUS 1015
