// Automation-era types of the class library: COleDateTime.
#pragma once

#include "afx.h"
#include "mfc/oledatetime.h"
