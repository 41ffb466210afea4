// The column tables of the connector window's grids (title, width and
// column number of each column). The child frame fills them before it
// builds a window's tabs.
#pragma once

void FillColumnTables();
