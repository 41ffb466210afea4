// A second data-manager client for the tests: logs in to a server and
// runs the operations its command line names, in order.
//   dravon_client SERVER USER PASSWORD (save NAME | delete NAME)...
// Exit code 0 when every operation succeeded.
#include <cstring>

#include "DataManager.h"

namespace {

bool SaveOne(CDataManager& dm, const char* name) {
  CQRBusObjDef* def = dm.GetBO(name, 1, 1);
  if (def == nullptr) return false;
  const int position = static_cast<int>(def->GetAttrs().GetSize()) + 1;
  def->GetAttrs().Add(new CBODefAttr(position, "FromOtherClient", "String"));
  def->SetAppInfo("saved by the other client");
  return def->Save() != 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) return 2;
  CDataManager* dm = CDataManager::InitInstance();
  if (!dm->LogToServer(argv[1], argv[2], argv[3])) return 3;
  int failures = 0;
  for (int i = 4; i + 1 < argc; i += 2) {
    const bool ok = std::strcmp(argv[i], "save") == 0 ? SaveOne(*dm, argv[i + 1]) : dm->DeleteBO(argv[i + 1]) != 0;
    if (!ok) ++failures;
  }
  delete dm;
  return failures == 0 ? 0 : 1;
}
