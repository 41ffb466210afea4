// Identifiers of the class-library tests' string resources.
#pragma once

#define IDS_PAIR 100
#define IDS_VALUE 101
#define IDS_LONG 102
#define IDS_INSERTS 103
