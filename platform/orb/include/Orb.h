// The process's object request broker: its busy count and the initial
// references it resolves. The only service is "LocationService", an
// ObjLocation::Agent that lists the instances offered on this machine.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace CORBA {

// Any failure of a broker call.
class Exception : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Raised when an initial reference names no service.
class InvalidName : public Exception {
 public:
  using Exception::Exception;
};

class Object {
 public:
  virtual ~Object() = default;
};
using Object_var = std::shared_ptr<Object>;

class ORB {
 public:
  // The named service; throws InvalidName for a name it does not know and
  // Exception when the service cannot be reached.
  Object_var resolve_initial_references(const char* name);
};

}  // namespace CORBA

namespace ObjLocation {

// One running instance of an interface.
struct Desc {
  std::string repository_id;
  std::string instance_name;
  std::string host;
};
using DescSeq = std::vector<Desc>;
using RepIdSeq = std::vector<std::string>;

class Agent;
using Agent_var = std::shared_ptr<Agent>;

class Agent : public CORBA::Object {
 public:
  // The agent behind a reference, or null when it is something else.
  static Agent_var _narrow(const CORBA::Object_var& object);

  // Every repository id with at least one source, in registration order.
  RepIdSeq all_repository_ids();
  // The instances of one repository id (compared ignoring case).
  DescSeq all_instances_descs(const char* repositoryId);
};

}  // namespace ObjLocation

// Repository id of the integration servers and of the discovery agents.
inline constexpr const char* kEngineRepositoryId = "IDL:IdlStubs/IEngine:1.0";
inline constexpr const char* kAgentRepositoryId = "IDL:ZTK/BDKAgent:1.0";

// The process's broker; never null.
CORBA::ORB* GetOrb();
// Counts the threads inside the broker: 1 enters, 0 leaves.
void SetOrbBusy(int busy);
// Non-zero while any thread is inside the broker.
int IsOrbBusy();

namespace orb {

// A function that names the instances of one repository id now.
using InstanceSource = std::function<std::vector<std::string>()>;

// Adds a source of instances for a repository id; the answer is a token
// for RemoveInstanceSource.
int AddInstanceSource(const std::string& repositoryId, InstanceSource source);
void RemoveInstanceSource(int token);

}  // namespace orb
