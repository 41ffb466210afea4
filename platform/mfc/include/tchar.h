// The classic runtime header: its names live in afxcrt.h here.
#pragma once

#include "afxcrt.h"
