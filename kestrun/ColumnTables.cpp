#include "ColumnTables.h"

#include <array>
#include <vector>

namespace {

struct ColumnSpec {
  const char* title;
  int width;
};

const std::array<std::vector<ColumnSpec>, COLS_TABLE_COUNT> kSpecs = {{
    {{"", 25}, {"Property", 120}, {"Value", 120}, {"Update Method", 100}, {"Encrypt", 50}},
    {{"", 20}, {"Business Object Name", 200}, {"Agent Support", 100}},
    {{"", 20}, {"Business Object Name", 200}, {"Message Set ID", 200}},
    // The business object's title needs more than the 120 pixels of the
    // map's with this system's header font.
    {{"", 25}, {"Business Object Name", 140}, {"Associated Map", 120}, {"Map Type", 100}, {"Explicit Binding", 100}},
}};

// Kept for the life of the program once filled.
std::array<std::vector<UserPropCol>, COLS_TABLE_COUNT>& Tables() {
  static std::array<std::vector<UserPropCol>, COLS_TABLE_COUNT> tables;
  return tables;
}

}  // namespace

void FillColumnTables() {
  for (size_t table = 0; table < kSpecs.size(); ++table) {
    std::vector<UserPropCol>& columns = Tables()[table];
    columns.clear();
    for (const ColumnSpec& spec : kSpecs[table])
      columns.push_back(UserPropCol{spec.title, spec.width, static_cast<int>(columns.size())});
  }
}

int GetColumnCount(UserPropColTable table) {
  if (table < 0 || table >= COLS_TABLE_COUNT) return 0;
  return static_cast<int>(Tables()[table].size());
}

const UserPropCol* GetColumn(UserPropColTable table, int position) {
  if (position < 0 || position >= GetColumnCount(table)) return nullptr;
  return &Tables()[table][static_cast<size_t>(position)];
}

int GetColumnNumber(int position) {
  const UserPropCol* column = GetColumn(COLS_PROPERTIES, position);
  return column != nullptr ? column->m_nColumn : -1;
}
