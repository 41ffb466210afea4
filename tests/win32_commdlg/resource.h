// Identifiers of the common-dialog test resources.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
#define IDD_FILE_OPTIONS 172
#define IDC_OPEN_IMPORTED 1010
#define IDC_PLACEHOLDER 1119
