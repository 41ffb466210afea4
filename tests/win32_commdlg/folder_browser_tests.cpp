#include "commdlg_fixture.h"
