// Shared helpers of the window-layer tests: the fixture (a fresh window
// system, no temporary objects left from another test) and a plain
// top-level window to hang children on.
#pragma once

#include <afxext.h>

#include "mfc_test.h"

using WndTest = halvane::test::MfcTest;

using halvane::test::CreateTopLevel;
