#include "BOColumnTable.h"

const CBOColumnTable& CBOColumnTable::Get() {
  static const CBOColumnTable table;
  return table;
}

CBOColumnTable::CBOColumnTable()
    : m_columns{{"", 25, kRowPath, 1},
                {"Pos", 30, kPos, 1},
                {"Name", 120, kName, 1},
                {"Type", 100, kType, 1},
                {"Key", 35, kKey, 1},
                {"Foreign", 50, kForeign, 1},
                {"Required", 40, kRequired, 1},
                {"Card", 50, kCard, 1},
                {"Maximum Length", 50, kMaxLength, 1},
                {"Default", 55, kDefault, 1},
                {"App Spec Info", 100, kAppInfo, 1},
                {"Comments", 100, kComments, 1}} {}
