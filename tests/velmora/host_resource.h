// Identifiers of the test host's own windows, which the help tests ask
// for topics (ids from 3201: the tree list tests use 3001 and 3002).
#pragma once

#define IDD_HOST_LOOKUP 3201
#define IDD_HOST_TABS 3202
#define IDD_HOST_PAGE_GENERAL 3203
#define IDD_HOST_PAGE_TRACE 3204
#define IDC_HOST_TABS 3210
