#include "ServerSearch.h"

#include <Orb.h>
#include <afx.h>
#include <strings.h>

#include <memory>

namespace velmora {
namespace {

// The broker counts the threads inside it for as long as this lives.
class OrbBusyMark {
 public:
  OrbBusyMark() { SetOrbBusy(1); }
  ~OrbBusyMark() { SetOrbBusy(0); }
  OrbBusyMark(const OrbBusyMark&) = delete;
  OrbBusyMark& operator=(const OrbBusyMark&) = delete;
};

bool IsEngine(const std::string& repositoryId) { return strcasecmp(repositoryId.c_str(), kEngineRepositoryId) == 0; }

// False when the window is gone: the search has no one to tell.
bool PostFound(HWND window, const std::string& name) {
  auto text = std::make_unique<CString>(name.c_str());
  if (!::PostMessage(window, kSearchUpdate, kServerFound, reinterpret_cast<LPARAM>(text.get()))) return false;
  text.release();
  return true;
}

}  // namespace

void ServerSearch::Run() const {
  const OrbBusyMark busy;
  try {
    const auto agent = ObjLocation::Agent::_narrow(GetOrb()->resolve_initial_references("LocationService"));
    const ObjLocation::RepIdSeq ids = agent ? agent->all_repository_ids() : ObjLocation::RepIdSeq();
    if (stop) return;
    for (const std::string& id : ids) {
      if (!IsEngine(id)) continue;
      for (const ObjLocation::Desc& desc : agent->all_instances_descs(id.c_str())) {
        if (stop || !PostFound(window, desc.instance_name)) return;
      }
    }
  } catch (const CORBA::Exception&) {
    // No location service, or it failed: what was found is all there is.
  }
  if (!stop) ::PostMessage(window, kSearchUpdate, kSearchComplete, 0);
}

void FreeSearchUpdate(const MSG& msg) {
  if (msg.message == kSearchUpdate && msg.wParam == kServerFound) delete reinterpret_cast<CString*>(msg.lParam);
}

}  // namespace velmora
