// Identifiers of the test host's own windows, which the help tests ask
// for topics.
#pragma once

#define IDD_HOST_LOOKUP 3001
#define IDD_HOST_TABS 3002
#define IDD_HOST_PAGE_GENERAL 3003
#define IDD_HOST_PAGE_TRACE 3004
#define IDC_HOST_TABS 3100
