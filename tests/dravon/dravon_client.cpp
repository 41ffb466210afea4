// A second data-manager client for the tests: logs in to a server and
// runs the operations its command line names, in order.
//   dravon_client SERVER USER PASSWORD (save|delete|save-connector|delete-connector NAME)...
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

bool SaveConnector(CDataManager& dm, const char* name) {
  CQRConnector* connector = dm.GetConnector(name);
  if (connector == nullptr) return false;
  connector->AddBO("FromOtherClient", 1);
  return connector->Save() != 0;
}

bool Run(CDataManager& dm, const char* op, const char* name) {
  if (std::strcmp(op, "save") == 0) return SaveOne(dm, name);
  if (std::strcmp(op, "delete") == 0) return dm.DeleteBO(name) != 0;
  if (std::strcmp(op, "save-connector") == 0) return SaveConnector(dm, name);
  if (std::strcmp(op, "delete-connector") == 0) return dm.DeleteObject(HvObjConnector, name, 0) != 0;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) return 2;
  CDataManager* dm = CDataManager::InitInstance();
  if (!dm->LogToServer(argv[1], argv[2], argv[3])) return 3;
  int failures = 0;
  for (int i = 4; i + 1 < argc; i += 2) {
    if (!Run(*dm, argv[i], argv[i + 1])) ++failures;
  }
  delete dm;
  return failures == 0 ? 0 : 1;
}
