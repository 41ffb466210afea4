#include "DataManager.h"
#include "DravonTestHooks.h"
#include "session/Session.h"

namespace dravon::test {

bool SessionOwns(const CQRObj* object) {
  CDataManager* dm = CDataManager::PeekInstance();
  return dm != nullptr && dm->GetSession().Owns(object);
}

}  // namespace dravon::test
