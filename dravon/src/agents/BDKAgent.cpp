#include "BDKAgent.h"

#include <algorithm>

#include "Orb.h"
#include "agents/AgentDriver.h"

IMPLEMENT_DYNAMIC(CQRBDKAgent, CQRObj)

namespace {

// The agents the location service lists; throws CORBA::Exception.
std::vector<std::string> LocateAgents() {
  SetOrbBusy(1);
  std::vector<std::string> names;
  try {
    ObjLocation::Agent_var agent = ObjLocation::Agent::_narrow(GetOrb()->resolve_initial_references("LocationService"));
    if (agent)
      for (const ObjLocation::Desc& desc : agent->all_instances_descs(kAgentRepositoryId))
        names.push_back(desc.instance_name);
  } catch (...) {
    SetOrbBusy(0);
    throw;
  }
  SetOrbBusy(0);
  return names;
}

std::vector<std::string> ToVector(const CStringArray& names) {
  std::vector<std::string> out;
  for (INT_PTR i = 0; i < names.GetSize(); ++i) out.emplace_back(static_cast<const char*>(names[i]));
  return out;
}

}  // namespace

CQRBDKAgent::CQRBDKAgent(const char* name, CQRServer* server, int state)
    : CQRObj(name, server, state), m_listener(nullptr, 1) {}

CQRBDKAgent::~CQRBDKAgent() { Terminate(); }

int CQRBDKAgent::Fail(int code, const char* message) {
  m_strLastError = message;
  return code;
}

int CQRBDKAgent::Result(int code) {
  if (code == BDK_OK) m_strLastError.Empty();
  return code;
}

int CQRBDKAgent::Init() {
  std::vector<std::string> names;
  try {
    names = LocateAgents();
  } catch (const CORBA::Exception& e) {
    return Fail(BDK_LOCATION_FAILED, e.what());
  }
  const std::string name = this->name(0);
  if (std::find(names.begin(), names.end(), name) == names.end())
    return Fail(BDK_AGENT_NOT_FOUND, ("No agent named \"" + name + "\" is registered.").c_str());
  std::unique_ptr<dravon::agents::AgentDriver> driver = dravon::agents::MakeAgent(name);
  if (!driver) return Fail(BDK_AGENT_NOT_FOUND, ("The agent \"" + name + "\" cannot be reached.").c_str());
  std::string error;
  const int result = driver->Connect(error);
  if (result != BDK_OK) return Fail(result, error.c_str());
  m_props = driver->DefaultProperties();
  std::lock_guard lock(m_mutex);
  m_driver = std::move(driver);
  return Result(BDK_OK);
}

int CQRBDKAgent::Terminate() {
  std::unique_ptr<dravon::agents::AgentDriver> driver;
  {
    std::lock_guard lock(m_mutex);
    driver = std::move(m_driver);
  }
  if (driver) driver->EndSession();
  return Result(BDK_OK);
}

int CQRBDKAgent::Disconnect() {
  std::lock_guard lock(m_mutex);
  if (!m_driver) return Fail(BDK_NOT_CONNECTED, "The agent is not connected.");
  m_driver->EndSession();
  return Result(BDK_OK);
}

int CQRBDKAgent::GetAgentNames(CStringList& names) {
  names.RemoveAll();
  try {
    for (const std::string& name : LocateAgents()) names.AddTail(name.c_str());
  } catch (const CORBA::Exception& e) {
    return Fail(BDK_LOCATION_FAILED, e.what());
  }
  return Result(BDK_OK);
}

int CQRBDKAgent::GetAgentProperties(int, AgentPropArray** props) {
  if (props == nullptr) return Fail(BDK_BAD_PROPERTIES, "No place for the properties was given.");
  std::lock_guard lock(m_mutex);
  if (!m_driver) return Fail(BDK_NOT_CONNECTED, "The agent is not connected.");
  *props = &m_props;
  return Result(BDK_OK);
}

int CQRBDKAgent::SetAgentProperties() {
  std::lock_guard lock(m_mutex);
  if (!m_driver) return Fail(BDK_NOT_CONNECTED, "The agent is not connected.");
  std::string error;
  const int result = m_driver->Configure(m_props, error);
  return result == BDK_OK ? Result(result) : Fail(result, error.c_str());
}

CString CQRBDKAgent::GetLastErrorMessage() const { return m_strLastError; }

int CQRBDKAgent::GetConnectionStatus() {
  std::lock_guard lock(m_mutex);
  return m_driver ? m_driver->Status() : BDK_NOT_CONNECTED;
}

TreeNodeList CQRBDKAgent::GetBOTree(const char* path, const char* pattern, int mode, int) {
  TreeNodeList nodes;
  std::lock_guard lock(m_mutex);
  if (!m_driver) {
    Fail(BDK_NOT_CONNECTED, "The agent is not connected.");
    return nodes;
  }
  std::string error;
  const int result = m_driver->Tree(path != nullptr ? path : "", pattern != nullptr ? pattern : "", mode, nodes, error);
  if (result != BDK_OK) {
    nodes.clear();
    Fail(result, error.c_str());
  } else {
    Result(result);
  }
  return nodes;
}

int CQRBDKAgent::GenerateSpecs(const CStringArray& names) {
  std::lock_guard lock(m_mutex);
  if (!m_driver) return Fail(BDK_NOT_CONNECTED, "The agent is not connected.");
  std::string error;
  const int result = m_driver->Generate(ToVector(names), m_listener, error);
  return result == BDK_OK ? Result(result) : Fail(result, error.c_str());
}

int CQRBDKAgent::RequestContent(int type, const CStringArray& names) {
  std::lock_guard lock(m_mutex);
  if (!m_driver) return Fail(BDK_NOT_CONNECTED, "The agent is not connected.");
  std::string error;
  const int result = m_driver->Request(type, ToVector(names), m_listener, error);
  return result == BDK_OK ? Result(result) : Fail(result, error.c_str());
}

int CQRBDKAgent::GetContent(int type, int index, CString& name, BYTE*& bytes, long& length) {
  bytes = nullptr;
  length = 0;
  std::lock_guard lock(m_mutex);
  if (!m_driver) return Fail(BDK_NOT_CONNECTED, "The agent is not connected.");
  dravon::agents::ContentItem item;
  std::string error;
  const int result = m_driver->Content(type, index, item, error);
  if (result != BDK_OK) return Fail(result, error.c_str());
  name = item.name.c_str();
  length = static_cast<long>(item.bytes.size());
  bytes = new BYTE[item.bytes.size() + 1];
  std::copy(item.bytes.begin(), item.bytes.end(), bytes);
  return Result(BDK_OK);
}

bool CQRBDKAgent::CompleteOnAddContent(int type) {
  std::lock_guard lock(m_mutex);
  return !m_driver || m_driver->Complete(type);
}

CString CQRBDKAgent::GetVersion() const {
  std::lock_guard lock(m_mutex);
  return m_driver ? m_driver->Version() : CString();
}

const CQRBDKAgentMetaData* CQRBDKAgent::GetMetaData() const {
  std::lock_guard lock(m_mutex);
  return m_driver ? &m_driver->MetaData() : nullptr;
}

void CQRBDKAgent::SetNotificationTarget(IMsgReceiver* receiver) { m_listener.SetMessageReceiver(receiver); }
