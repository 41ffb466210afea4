#include "agents/AgentDriver.h"

#include <mutex>

#include "Orb.h"

namespace dravon::agents {

int AgentDriver::Generate(const std::vector<std::string>& names, CQRBDKListener& listener, std::string& error) {
  return Make(ZTK::CONTENT_BODEFS, names, true, listener, error);
}

int AgentDriver::Request(int type, const std::vector<std::string>& names, CQRBDKListener& listener,
                         std::string& error) {
  return Make(type, names, false, listener, error);
}

int AgentDriver::Make(int type, const std::vector<std::string>& names, bool asText, CQRBDKListener& listener,
                      std::string& error) {
  std::vector<ContentItem> items;
  const int result = Produce(type, names, items, error);
  if (result != BDK_OK) return result;
  m_items[type] = std::move(items);
  m_pending.insert(type);
  Announce(asText, type, listener);
  return BDK_OK;
}

void AgentDriver::Announce(bool asText, int type, CQRBDKListener& listener) {
  const std::vector<ContentItem>& items = m_items[type];
  if (asText)
    listener.PostGeneratedText(JoinItems(items).c_str());
  else
    listener.PostContent(type, static_cast<int>(items.size()));
}

const std::vector<ContentItem>* AgentDriver::Items(int type) const {
  const auto it = m_items.find(type);
  return it == m_items.end() ? nullptr : &it->second;
}

int AgentDriver::Content(int type, int index, ContentItem& item, std::string& error) const {
  const std::vector<ContentItem>* items = Items(type);
  if (items == nullptr) {
    error = "Nothing was generated for content type " + std::to_string(type) + ".";
    return BDK_NO_CONTENT;
  }
  if (index == ZTK::GET_ALL_OBJECTS) {
    item = {"", JoinItems(*items)};
    return BDK_OK;
  }
  if (index < 0 || static_cast<size_t>(index) >= items->size()) {
    error = "No generated item " + std::to_string(index) + ".";
    return BDK_NO_CONTENT;
  }
  item = (*items)[static_cast<size_t>(index)];
  return BDK_OK;
}

bool AgentDriver::Complete(int type) {
  m_pending.erase(type);
  return m_pending.empty();
}

std::string JoinItems(const std::vector<ContentItem>& items) {
  std::string text;
  for (const ContentItem& item : items) text += item.bytes;
  return text;
}

namespace {

struct Registry {
  std::mutex mutex;
  std::vector<std::pair<std::string, DriverFactory>> agents;  // in the order offered
};

Registry& Reg() {
  static Registry registry;
  return registry;
}

// The location service learns the agents when the library loads; Dravon
// depends on the broker, never the other way round.
const struct LocationSources {
  LocationSources() {
    orb::AddInstanceSource(kAgentRepositoryId, [] { return AgentNames(); });
  }
} g_locationSources;

}  // namespace

void AddAgent(const std::string& name, DriverFactory factory) {
  Registry& reg = Reg();
  std::lock_guard lock(reg.mutex);
  for (auto& [known, make] : reg.agents)
    if (known == name) {
      make = std::move(factory);
      return;
    }
  reg.agents.emplace_back(name, std::move(factory));
}

void RemoveAgent(const std::string& name) {
  Registry& reg = Reg();
  std::lock_guard lock(reg.mutex);
  std::erase_if(reg.agents, [&](const auto& entry) { return entry.first == name; });
}

std::unique_ptr<AgentDriver> MakeAgent(const std::string& name) {
  DriverFactory factory;
  {
    Registry& reg = Reg();
    std::lock_guard lock(reg.mutex);
    for (const auto& [known, make] : reg.agents)
      if (known == name) factory = make;
  }
  return factory ? factory() : nullptr;
}

std::vector<std::string> AgentNames() {
  Registry& reg = Reg();
  std::lock_guard lock(reg.mutex);
  std::vector<std::string> names;
  for (const auto& entry : reg.agents) names.push_back(entry.first);
  return names;
}

}  // namespace dravon::agents
