// Identifiers of the grid cell controls' resources. The host program's
// resource script includes cellcontrols.rc2, so the bitmaps live in the
// program's own module.
#pragma once

#define IDB_ATTR_COLLAPSED 133
#define IDB_ATTR_EXPANDED 134
#define IDB_BROWSE_DOWN 205
#define IDB_BROWSE_UP 206
