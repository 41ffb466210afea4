#include <algorithm>

#include "DravonAdmin.h"
#include "Orb.h"
#include "OrbTestHooks.h"
#include "agents_test_support.h"

namespace {

using agents_test::AgentTest;

std::vector<std::string> InstancesOf(const char* id) {
  ObjLocation::Agent_var agent = ObjLocation::Agent::_narrow(GetOrb()->resolve_initial_references("LocationService"));
  std::vector<std::string> names;
  for (const ObjLocation::Desc& d : agent->all_instances_descs(id)) names.push_back(d.instance_name);
  return names;
}

TEST_F(AgentTest, LocationServiceListsTheServersOfThisMachine) {
  EXPECT_TRUE(InstancesOf(kEngineRepositoryId).empty()) << "the temporary servers folder starts empty";
  std::string error;
  ASSERT_TRUE(dravon::admin::CreateServer("Zeta", "u", "p", error)) << error;
  ASSERT_TRUE(dravon::admin::CreateServer("Alpha", "u", "p", error)) << error;
  EXPECT_EQ(InstancesOf(kEngineRepositoryId), (std::vector<std::string>{"Alpha", "Zeta"}));
  EXPECT_EQ(InstancesOf("IDL:IDLSTUBS/IENGINE:1.0").size(), 2u);

  ObjLocation::Agent_var agent = ObjLocation::Agent::_narrow(GetOrb()->resolve_initial_references("LocationService"));
  const ObjLocation::RepIdSeq ids = agent->all_repository_ids();
  EXPECT_NE(std::find(ids.begin(), ids.end(), kEngineRepositoryId), ids.end());
  EXPECT_NE(std::find(ids.begin(), ids.end(), kAgentRepositoryId), ids.end());

  ASSERT_TRUE(dravon::admin::RemoveServer("Zeta", error)) << error;
  EXPECT_EQ(InstancesOf(kEngineRepositoryId), std::vector<std::string>{"Alpha"});
}

TEST_F(AgentTest, LocationServiceListsTheAgents) {
  const std::vector<std::string> agents = InstancesOf(kAgentRepositoryId);
  EXPECT_NE(std::find(agents.begin(), agents.end(), "SQLite Agent"), agents.end());
}

}  // namespace
