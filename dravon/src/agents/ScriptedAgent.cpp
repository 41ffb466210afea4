// The scriptable agent of the test hooks: everything it answers comes
// from its script; its notices are posted on the window system's clock.
#include <atomic>
#include <mutex>

#include "AgentTestHooks.h"
#include "agents/AgentDriver.h"

namespace dravon::test {
namespace {

struct ScriptState {
  ScriptedAgent script;
  std::mutex mutex;
  ScriptedCalls calls;
  std::atomic<int> statusOverride{-1};
};

std::mutex g_mutex;
std::map<std::string, std::shared_ptr<ScriptState>> g_scripts;

std::shared_ptr<ScriptState> StateOf(const std::string& name) {
  std::lock_guard lock(g_mutex);
  const auto it = g_scripts.find(name);
  return it == g_scripts.end() ? nullptr : it->second;
}

// Thread timers run their callbacks on the thread that set them.
std::map<UINT_PTR, std::function<void()>>& Pending() {
  static std::map<UINT_PTR, std::function<void()>> pending;
  return pending;
}

void CALLBACK FireNotice(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  const auto it = Pending().find(id);
  if (it == Pending().end()) return;
  const std::function<void()> run = std::move(it->second);
  Pending().erase(it);
  run();
}

class ScriptedDriver : public agents::AgentDriver {
 public:
  explicit ScriptedDriver(std::shared_ptr<ScriptState> state) : m_state(std::move(state)) {}

  ~ScriptedDriver() override {
    for (UINT_PTR id : m_timers) {
      KillTimer(nullptr, id);
      Pending().erase(id);
    }
  }

  AgentPropArray DefaultProperties() const override { return Script().properties; }
  CString Version() const override { return Script().version.c_str(); }
  const CQRBDKAgentMetaData& MetaData() const override { return Script().metadata; }

  int Connect(std::string& error) override { return Answer("Init", Script().initResult, error); }

  int Configure(const AgentPropArray& props, std::string& error) override {
    {
      std::lock_guard lock(m_state->mutex);
      m_state->calls.lastProperties = props;
    }
    return Answer("SetAgentProperties", Script().setPropertiesResult, error);
  }

  void EndSession() override { Record("EndSession"); }

  int Status() override {
    std::lock_guard lock(m_state->mutex);
    const int call = ++m_state->calls.statusCalls;
    const int forced = m_state->statusOverride.load();
    if (forced >= 0) return forced;
    const int from = Script().statusFailsFromCall;
    return from > 0 && call >= from ? Script().failedStatus : BDK_OK;
  }

  int Tree(const std::string& path, const std::string& pattern, int, TreeNodeList& nodes, std::string& error) override {
    Record("GetBOTree " + path);
    const auto it = Script().tree.find(path);
    if (it == Script().tree.end()) {
      error = "No node \"" + path + "\".";
      return BDK_NO_SUCH_NODE;
    }
    for (const ScriptedNode& n : it->second) {
      if (!pattern.empty() && n.name.find(pattern) == std::string::npos) continue;
      nodes.push_back(
          std::make_unique<TreeNode>(n.name.c_str(), n.description.c_str(), n.generable, n.hasChildren, n.kind));
    }
    return BDK_OK;
  }

 protected:
  int Produce(int type, const std::vector<std::string>& names, std::vector<agents::ContentItem>& items,
              std::string& error) override {
    {
      std::lock_guard lock(m_state->mutex);
      m_state->calls.lastNames = names;
    }
    const auto own = Script().generateResults.find(type);
    const int scripted = own != Script().generateResults.end() ? own->second : Script().generateResult;
    const int result = Answer("Generate " + std::to_string(type), scripted, error);
    if (result != BDK_OK) return result;
    const auto it = Script().content.find(type);
    if (it != Script().content.end())
      for (const ScriptedItem& item : it->second) items.push_back({item.name, item.bytes});
    return BDK_OK;
  }

  void Announce(bool asText, int type, CQRBDKListener& listener) override {
    if (Script().notices.empty()) {
      agents::AgentDriver::Announce(asText, type, listener);
      return;
    }
    m_listener = &listener;
    Schedule(0);
  }

 private:
  const ScriptedAgent& Script() const { return m_state->script; }

  void Record(const std::string& call) {
    std::lock_guard lock(m_state->mutex);
    m_state->calls.calls.push_back(call);
  }

  int Answer(const std::string& call, int result, std::string& error) {
    Record(call);
    if (result != BDK_OK) error = Script().errorMessage;
    return result;
  }

  // Posts the notices from `index` on, each after its delay.
  void Schedule(size_t index) {
    for (; index < Script().notices.size(); ++index) {
      const ScriptedNotice& notice = Script().notices[index];
      if (notice.delayMs > 0) {
        const UINT_PTR id = SetTimer(nullptr, 0, notice.delayMs, FireNotice);
        m_timers.push_back(id);
        Pending()[id] = [this, index, id] {
          std::erase(m_timers, id);
          Post(Script().notices[index]);
          Schedule(index + 1);
        };
        return;
      }
      Post(notice);
    }
  }

  void Post(const ScriptedNotice& n) {
    CQRBDKListener& l = *m_listener;
    switch (n.message) {
      case WM_BDK_PROPERTIES_REQUEST:
        l.PostPropertiesRequest(n.text1.c_str(), n.text2.c_str(), Script().properties);
        break;
      case WM_BDK_NOTIFICATION:
        l.PostNotification(n.text1.c_str(), n.style);
        break;
      case WM_BDK_STATUS:
        l.PostStatus(n.text1.c_str(), n.style);
        break;
      case WM_BDK_GENERATED_TEXT:
        l.PostGeneratedText(n.text1.c_str());
        break;
      case WM_BDK_INFORMATION_REQUEST:
        l.PostInformationRequest();
        break;
      case WM_BDK_CONTENT:
        l.PostContent(static_cast<int>(n.wParam), static_cast<int>(n.style));
        break;
      case WM_BDK_STOPPED:
        l.PostStopped();
        break;
      default:
        break;
    }
  }

  std::shared_ptr<ScriptState> m_state;
  CQRBDKListener* m_listener = nullptr;  // the agent's, which outlives this driver
  std::vector<UINT_PTR> m_timers;
};

}  // namespace

void AddScriptedAgent(const std::string& name, const ScriptedAgent& script) {
  auto state = std::make_shared<ScriptState>();
  state->script = script;
  {
    std::lock_guard lock(g_mutex);
    g_scripts[name] = state;
  }
  agents::AddAgent(name, [state] { return std::make_unique<ScriptedDriver>(state); });
}

void RemoveScriptedAgents() {
  std::lock_guard lock(g_mutex);
  for (const auto& entry : g_scripts) agents::RemoveAgent(entry.first);
  g_scripts.clear();
}

void SetScriptedStatus(const std::string& name, int status) {
  if (std::shared_ptr<ScriptState> state = StateOf(name)) state->statusOverride = status;
}

ScriptedCalls ScriptedCallsOf(const std::string& name) {
  std::shared_ptr<ScriptState> state = StateOf(name);
  if (!state) return {};
  std::lock_guard lock(state->mutex);
  return state->calls;
}

}  // namespace dravon::test
