#include "HvAppStart.h"

#include <gxall.h>

#include "HvSplash.h"

void HvAppStart::Begin(CWinApp& app) {
  AfxEnableControlContainer();
  app.Enable3dControls();
  // The programs' grids are "GXWND" controls of their forms.
  GXInit();
  app.SetRegistryKey("Halvane");
  // Any argument starts without the picture.
  if (app.m_lpCmdLine == nullptr || *app.m_lpCmdLine == '\0') {
    HvSplash::EnableSplashScreen(TRUE, TRUE);
    HvSplash::ShowSplashScreen(nullptr);
  }
}

void HvAppStart::ShowAbout() {
  HvSplash::EnableSplashScreen(TRUE, FALSE);
  HvSplash::ShowSplashScreen(nullptr);
}
