// The inside of one discovery agent, behind CQRBDKAgent. Results are the
// BDKAgentResult codes; a failure's text goes to `error`.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "BDKAgent.h"

namespace dravon::agents {

struct ContentItem {
  std::string name;
  std::string bytes;
};

class AgentDriver {
 public:
  virtual ~AgentDriver() = default;

  virtual AgentPropArray DefaultProperties() const = 0;
  virtual CString Version() const = 0;
  virtual const CQRBDKAgentMetaData& MetaData() const = 0;
  virtual int Connect(std::string& error) = 0;
  virtual int Configure(const AgentPropArray& props, std::string& error) = 0;
  virtual void EndSession() = 0;
  virtual int Status() = 0;
  virtual int Tree(const std::string& path, const std::string& pattern, int mode, TreeNodeList& nodes,
                   std::string& error) = 0;

  // Generation: the items of one content type are made, kept and
  // announced; GetContent hands them out.
  int Generate(const std::vector<std::string>& names, CQRBDKListener& listener, std::string& error);
  int Request(int type, const std::vector<std::string>& names, CQRBDKListener& listener, std::string& error);
  int Content(int type, int index, ContentItem& item, std::string& error) const;
  bool Complete(int type);

 protected:
  virtual int Produce(int type, const std::vector<std::string>& names, std::vector<ContentItem>& items,
                      std::string& error) = 0;
  // Tells the listener the content is ready; scripted agents replace it.
  virtual void Announce(bool asText, int type, CQRBDKListener& listener);
  const std::vector<ContentItem>* Items(int type) const;

 private:
  int Make(int type, const std::vector<std::string>& names, bool asText, CQRBDKListener& listener, std::string& error);

  std::map<int, std::vector<ContentItem>> m_items;
  std::set<int> m_pending;  // requested, not yet completed
};

using DriverFactory = std::function<std::unique_ptr<AgentDriver>()>;

// The agents this process offers, by name.
void AddAgent(const std::string& name, DriverFactory factory);
void RemoveAgent(const std::string& name);
// Null for a name nobody offers.
std::unique_ptr<AgentDriver> MakeAgent(const std::string& name);
std::vector<std::string> AgentNames();

// The repository-copy text of all items joined.
std::string JoinItems(const std::vector<ContentItem>& items);

}  // namespace dravon::agents
