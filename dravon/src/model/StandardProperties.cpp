// The library's list of standard connector properties and the
// dependencies between them.
#include <memory>
#include <vector>

#include "HvProperty.h"

namespace {

struct Entry {
  const char* name;
  const char* value;
  int type;
  const char* updateMethod;
  std::vector<const char*> allowed;
};

// In list order. The broker and queue settings are brought in by the
// delivery transport's dependency, not listed themselves.
const std::vector<Entry> kStandard = {
    {"AdminInQueue", "", HvPropString, "system restart", {}},
    {"AgentTraceLevel", "0", HvPropInteger, "dynamic", {}},
    {"ApplicationName", "", HvPropString, "component restart", {}},
    {"BrokerType", "QVS", HvPropString, "component restart", {"QVS", "KBRX"}},
    {"CharacterEncoding", "ascii7", HvPropString, "component restart", {}},
    {"ContainerManagedEvents", "", HvPropString, "component restart", {"", "JMS"}},
    {"ControllerStoreAndForwardMode", "true", HvPropBoolean, "dynamic", {}},
    {"ControllerTraceLevel", "0", HvPropInteger, "dynamic", {}},
    {"DeliveryTransport", "IDL", HvPropString, "component restart", {"IDL", "JMS", "KBRX-JMS"}},
    {"Locale", "en_US", HvPropString, "component restart", {}},
    {"MessageFileName", "InterchangeSystem.txt", HvPropFile, "component restart", {}},
    {"PollFrequency", "10000", HvPropInteger, "dynamic", {}},
    {"RepositoryDirectory", "<REMOTE>", HvPropDirectory, "agent restart", {}},
};

const std::vector<Entry> kDependents = {
    {"QueueManager", "", HvPropString, "agent restart", {}},
    {"DeliveryQueue", "", HvPropString, "agent restart", {}},
    {"FaultQueue", "", HvPropString, "agent restart", {}},
    {"ResponseQueue", "", HvPropString, "agent restart", {}},
    {"JmsFactoryClassName", "", HvPropString, "agent restart", {}},
};

std::vector<std::unique_ptr<HvProperty>>& Pool() {
  static std::vector<std::unique_ptr<HvProperty>> pool;
  return pool;
}

HvProperty* MakeTemplate(const Entry& entry) {
  auto property = std::make_unique<HvProperty>(entry.name, entry.value, entry.type, entry.updateMethod, 0);
  property->SetDefaultValue(entry.value);
  for (const char* value : entry.allowed) property->GetAllowedValues().Add(value);
  HvProperty* raw = property.get();
  Pool().push_back(std::move(property));
  return raw;
}

HvProperty* FindIn(const HvPropertyArray& list, const char* name) {
  for (INT_PTR i = 0; i < list.GetSize(); ++i) {
    if (list[i]->GetName() == name) return list[i];
  }
  return nullptr;
}

}  // namespace

void HvProperty::LoadStandard() {
  if (!Pool().empty()) return;
  for (const Entry& entry : kStandard) m_stdProperties.Add(MakeTemplate(entry));
  // The delivery transport over a message queue brings in the queues.
  CStringArray queued;
  queued.Add("JMS");
  queued.Add("KBRX-JMS");
  auto dependency = std::make_unique<HvDependency>(HvDependency::OneOf, queued);
  for (const Entry& entry : kDependents) dependency->GetDependents().Add(MakeTemplate(entry));
  FindIn(m_stdProperties, "DeliveryTransport")->GetDependencies().Add(dependency.release());
}

HvProperty* HvProperty::FindStandard(const char* name) {
  LoadStandard();
  if (name == nullptr) return nullptr;
  if (HvProperty* found = FindIn(m_stdProperties, name)) return found;
  for (INT_PTR i = 0; i < m_stdProperties.GetSize(); ++i) {
    const auto& dependencies = m_stdProperties[i]->GetDependencies();
    for (INT_PTR d = 0; d < dependencies.GetSize(); ++d) {
      if (HvProperty* found = FindIn(dependencies[d]->GetDependents(), name)) return found;
    }
  }
  return nullptr;
}
