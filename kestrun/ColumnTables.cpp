#include "ColumnTables.h"

// Placeholder: the tables come with the application-properties grid.
void FillColumnTables() {}
