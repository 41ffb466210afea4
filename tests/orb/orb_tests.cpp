#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "Orb.h"
#include "OrbTestHooks.h"

namespace {

class OrbTest : public ::testing::Test {
 protected:
  void SetUp() override { orb::test::Reset(); }
  void TearDown() override {
    for (int token : m_tokens) orb::RemoveInstanceSource(token);
    orb::test::Reset();
    while (IsOrbBusy()) SetOrbBusy(0);
  }

  void Offer(const std::string& id, std::vector<std::string> names) {
    m_tokens.push_back(orb::AddInstanceSource(id, [names] { return names; }));
  }

  static ObjLocation::Agent_var Locator() {
    return ObjLocation::Agent::_narrow(GetOrb()->resolve_initial_references("LocationService"));
  }

  std::vector<int> m_tokens;
};

TEST_F(OrbTest, BusyIsACountThatManyThreadsKeep) {
  EXPECT_EQ(IsOrbBusy(), 0);
  SetOrbBusy(1);
  SetOrbBusy(1);
  SetOrbBusy(0);
  EXPECT_NE(IsOrbBusy(), 0) << "one thread is still inside";
  SetOrbBusy(0);
  EXPECT_EQ(IsOrbBusy(), 0);
  SetOrbBusy(0);
  SetOrbBusy(1);
  EXPECT_NE(IsOrbBusy(), 0) << "an extra leave must not hide the next enter";
  SetOrbBusy(0);

  std::vector<std::thread> threads;
  for (int t = 0; t < 8; ++t)
    threads.emplace_back([] {
      for (int i = 0; i < 10000; ++i) {
        SetOrbBusy(1);
        SetOrbBusy(0);
      }
    });
  SetOrbBusy(1);
  for (std::thread& t : threads) t.join();
  EXPECT_NE(IsOrbBusy(), 0) << "the main thread's mark survives the others' enters and leaves";
  SetOrbBusy(0);
  EXPECT_EQ(IsOrbBusy(), 0);
}

TEST_F(OrbTest, ResolvesOnlyTheLocationService) {
  EXPECT_NE(GetOrb(), nullptr);
  EXPECT_EQ(GetOrb(), GetOrb());
  EXPECT_NE(Locator(), nullptr);
  EXPECT_THROW(GetOrb()->resolve_initial_references("NameService"), CORBA::InvalidName);
  EXPECT_THROW(GetOrb()->resolve_initial_references(nullptr), CORBA::InvalidName);
  EXPECT_EQ(ObjLocation::Agent::_narrow(std::make_shared<CORBA::Object>()), nullptr);
}

TEST_F(OrbTest, ListsIdsAndTheInstancesOfAnIdIgnoringCase) {
  Offer(kEngineRepositoryId, {"Alpha", "Beta"});
  Offer("IDL:Other/Thing:1.0", {"T"});
  Offer(kEngineRepositoryId, {"Gamma"});
  const ObjLocation::RepIdSeq ids = Locator()->all_repository_ids();
  const auto count = [&](const std::string& id) { return std::count(ids.begin(), ids.end(), id); };
  EXPECT_EQ(count(kEngineRepositoryId), 1) << "each id once, however many sources offer it";
  EXPECT_EQ(count("IDL:Other/Thing:1.0"), 1);

  const ObjLocation::DescSeq descs = Locator()->all_instances_descs("idl:idlstubs/iengine:1.0");
  std::vector<std::string> names;
  for (const ObjLocation::Desc& d : descs) {
    names.push_back(d.instance_name);
    EXPECT_EQ(d.repository_id, kEngineRepositoryId);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
  EXPECT_TRUE(Locator()->all_instances_descs("IDL:Nobody:1.0").empty());
  EXPECT_TRUE(Locator()->all_instances_descs(nullptr).empty());
}

TEST_F(OrbTest, InjectedIdsAndFaults) {
  orb::test::InjectRepositoryIds({"IDL:Injected:1.0"});
  const ObjLocation::RepIdSeq ids = Locator()->all_repository_ids();
  EXPECT_NE(std::find(ids.begin(), ids.end(), "IDL:Injected:1.0"), ids.end());
  EXPECT_TRUE(Locator()->all_instances_descs("IDL:Injected:1.0").empty());

  ObjLocation::Agent_var held = Locator();
  orb::test::SetCallsThrow(true);
  EXPECT_THROW(held->all_repository_ids(), CORBA::Exception);
  EXPECT_THROW(held->all_instances_descs(kEngineRepositoryId), CORBA::Exception);
  orb::test::SetCallsThrow(false);

  orb::test::SetServiceAvailable(false);
  EXPECT_THROW(GetOrb()->resolve_initial_references("LocationService"), CORBA::InvalidName);
  orb::test::Reset();
  EXPECT_NE(Locator(), nullptr);
}

TEST_F(OrbTest, AClosedGateHoldsTheIdListUntilItOpens) {
  Offer(kEngineRepositoryId, {"Alpha"});
  orb::test::CloseGate();
  ObjLocation::RepIdSeq ids;
  std::thread caller([&] { ids = Locator()->all_repository_ids(); });
  orb::test::WaitForGateCaller();
  EXPECT_TRUE(ids.empty()) << "the caller waits at the gate";
  orb::test::OpenGate();
  caller.join();
  EXPECT_FALSE(ids.empty());
}

}  // namespace
