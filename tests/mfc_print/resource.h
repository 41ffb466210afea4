// Resource ids of the printing tests.
#pragma once

#define IDR_REPORT 300
#define IDR_REPORTS 301
