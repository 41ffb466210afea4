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
  const char* description;
  const char* valueText;
  std::vector<const char*> allowed;
};

// In list order. The queue settings are brought in by the delivery
// transport's dependency, not listed themselves.
// Kept by hand: each property on a few lines.
// clang-format off
const std::vector<Entry> kStandard = {
    {"ApplicationName", "", HvPropString, "component restart", "The name the connector is known by on the server.",
     "Set to the connector's name when the connector is made.", {}},
    {"CharacterSet", "UTF-8", HvPropString, "component restart",
     "The character set of the texts the connector exchanges.", "A character-set name, such as UTF-8.", {}},
    {"ContainerManagedEvents", "", HvPropString, "component restart",
     "Whether the container hands the connector its events.", "JMS, or empty when the connector polls itself.",
     {"", "JMS"}},
    {"DeliveryTransport", "ORB", HvPropString, "component restart",
     "How requests and events travel between the connector and the server.",
     "ORB, JMS, or KBRX-JMS for the message broker.", {"ORB", "JMS", "KBRX-JMS"}},
    {"MessageFile", "HalvaneConnector.txt", HvPropFile, "component restart",
     "The file that holds the connector's message texts.", "A file name; a bare name is looked for beside the connector.",
     {}},
    {"PollInterval", "5000", HvPropInteger, "dynamic", "How often the connector looks for new events.",
     "Milliseconds between two looks; 0 stops polling.", {}},
    {"RepositoryFolder", "", HvPropDirectory, "agent restart",
     "The folder of the definitions the connector reads at start.", "A folder; empty: the definitions come from the server.",
     {}},
    {"StoreAndForward", "true", HvPropBoolean, "dynamic",
     "Whether events are kept while the server cannot be reached, and sent later.", "true or false.", {}},
    {"TraceLevel", "0", HvPropInteger, "dynamic", "How much the connector writes to its trace file.",
     "0 (nothing) to 5 (everything).", {}},
};
// clang-format on

const std::vector<Entry> kDependents = {
    {"QueueManager", "", HvPropString, "agent restart", "The queue manager that holds the connector's queues.", "", {}},
    {"InputQueue", "", HvPropString, "agent restart", "The queue the connector reads its requests from.", "", {}},
    {"ReplyQueue", "", HvPropString, "agent restart", "The queue the connector answers on.", "", {}},
    {"ErrorQueue", "", HvPropString, "agent restart", "The queue of the messages that could not be handled.", "", {}},
    {"QueueFactoryClass",
     "",
     HvPropString,
     "agent restart",
     "The Java class that makes the connections to the queues.",
     "A class name with its package.",
     {}},
};

std::vector<std::unique_ptr<HvProperty>>& Pool() {
  static std::vector<std::unique_ptr<HvProperty>> pool;
  return pool;
}

HvProperty* MakeTemplate(const Entry& entry) {
  auto property = std::make_unique<HvProperty>(entry.name, entry.value, entry.type, entry.updateMethod, 0);
  property->SetDefaultValue(entry.value);
  property->SetDescription(entry.description);
  property->SetValueText(entry.valueText);
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
