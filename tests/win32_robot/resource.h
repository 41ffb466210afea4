// Identifiers of the demonstration dialog.
#define IDD_ORDER 101
#define IDC_NAME 1001
#define IDC_QUANTITY 1002
#define IDC_GIFT 1003
#define IDC_EXPRESS 1004
#define IDC_ROAD 1005
#define IDC_RAIL 1006
#define IDC_AIR 1007
#define IDC_COLOUR 1008
#define IDC_SIZES 1009
#define IDC_DETAILS 1010
#define IDC_NAME_LABEL 1011
#define IDC_SHIPPING 1012
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
