#include <strings.h>

#include <condition_variable>
#include <map>
#include <mutex>

#include "Orb.h"
#include "OrbTestHooks.h"

namespace {

struct Source {
  std::string repositoryId;
  orb::InstanceSource names;
};

struct State {
  std::mutex mutex;
  std::condition_variable changed;
  std::map<int, Source> sources;  // by token, so registration order is kept
  int nextToken = 1;
  bool available = true;
  bool callsThrow = false;
  std::vector<std::string> injectedIds;
  bool gateClosed = false;
  int gateCallers = 0;
};

State& St() {
  static State state;
  return state;
}

bool SameId(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) == 0; }

void AddUnique(std::vector<std::string>& ids, const std::string& id) {
  for (const std::string& known : ids)
    if (SameId(known, id)) return;
  ids.push_back(id);
}

// Copies the sources so that none runs under the lock.
std::vector<Source> SourcesFor(const char* repositoryId) {
  State& st = St();
  std::lock_guard lock(st.mutex);
  if (st.callsThrow) throw CORBA::Exception("location service: call failed");
  std::vector<Source> out;
  for (const auto& [token, source] : st.sources)
    if (SameId(source.repositoryId, repositoryId)) out.push_back(source);
  return out;
}

}  // namespace

namespace CORBA {

Object_var ORB::resolve_initial_references(const char* name) {
  if (name == nullptr || std::string(name) != "LocationService") throw InvalidName("no initial reference");
  State& st = St();
  std::lock_guard lock(st.mutex);
  if (!st.available) throw InvalidName("LocationService is not running");
  return std::make_shared<ObjLocation::Agent>();
}

}  // namespace CORBA

namespace ObjLocation {

Agent_var Agent::_narrow(const CORBA::Object_var& object) { return std::dynamic_pointer_cast<Agent>(object); }

RepIdSeq Agent::all_repository_ids() {
  State& st = St();
  std::unique_lock lock(st.mutex);
  ++st.gateCallers;
  st.changed.notify_all();
  st.changed.wait(lock, [&] { return !st.gateClosed; });
  --st.gateCallers;
  if (st.callsThrow) throw CORBA::Exception("location service: call failed");
  RepIdSeq ids;
  for (const auto& [token, source] : st.sources) AddUnique(ids, source.repositoryId);
  for (const std::string& id : st.injectedIds) AddUnique(ids, id);
  return ids;
}

DescSeq Agent::all_instances_descs(const char* repositoryId) {
  DescSeq out;
  if (repositoryId == nullptr) return out;
  for (const Source& source : SourcesFor(repositoryId))
    for (const std::string& name : source.names()) out.push_back({source.repositoryId, name, "localhost"});
  return out;
}

}  // namespace ObjLocation

namespace orb {

int AddInstanceSource(const std::string& repositoryId, InstanceSource source) {
  State& st = St();
  std::lock_guard lock(st.mutex);
  const int token = st.nextToken++;
  st.sources[token] = {repositoryId, std::move(source)};
  return token;
}

void RemoveInstanceSource(int token) {
  State& st = St();
  std::lock_guard lock(st.mutex);
  st.sources.erase(token);
}

}  // namespace orb

namespace orb::test {

void Reset() {
  State& st = St();
  {
    std::lock_guard lock(st.mutex);
    st.available = true;
    st.callsThrow = false;
    st.injectedIds.clear();
    st.gateClosed = false;
  }
  st.changed.notify_all();
}

void SetServiceAvailable(bool available) {
  std::lock_guard lock(St().mutex);
  St().available = available;
}

void SetCallsThrow(bool fail) {
  std::lock_guard lock(St().mutex);
  St().callsThrow = fail;
}

void InjectRepositoryIds(const std::vector<std::string>& ids) {
  std::lock_guard lock(St().mutex);
  St().injectedIds = ids;
}

void CloseGate() {
  std::lock_guard lock(St().mutex);
  St().gateClosed = true;
}

void OpenGate() {
  {
    std::lock_guard lock(St().mutex);
    St().gateClosed = false;
  }
  St().changed.notify_all();
}

void WaitForGateCaller() {
  State& st = St();
  std::unique_lock lock(st.mutex);
  st.changed.wait(lock, [&] { return st.gateCallers > 0; });
}

}  // namespace orb::test
