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
