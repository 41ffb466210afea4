// Synchronisation objects and locks.
#pragma once

#include "afx.h"
#include "mfc/sync.h"
