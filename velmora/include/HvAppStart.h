// What the programs' application objects do alike: the first steps of
// InitInstance and the About command, both around the start-up picture.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS HvAppStart {
 public:
  // Control containers, the grid library's controls, the "Halvane"
  // registry key, and the start-up picture with its timer unless the
  // command line holds anything.
  static void Begin(CWinApp& app);
  // The start-up picture until a key press or a click.
  static void ShowAbout();
};
