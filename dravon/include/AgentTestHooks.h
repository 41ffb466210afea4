// A scriptable discovery agent for tests of the agent's callers: what it
// offers, how its calls fail and which notices it posts when.
#pragma once

#include <mfc/export.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "BDKAgent.h"

namespace dravon::test {

struct AFX_EXT_CLASS ScriptedNode {
  std::string name;
  std::string description;
  bool generable = true;
  bool hasChildren = false;
  int kind = TREENODE_PLAIN;
};

// A notice posted after a generation request, `delayMs` on the window
// system's clock after the previous one.
struct AFX_EXT_CLASS ScriptedNotice {
  DWORD delayMs = 0;
  UINT message = 0;
  WPARAM wParam = 0;  // content type for WM_BDK_CONTENT
  std::string text1;  // the notice's text
  std::string text2;  // second text of WM_BDK_PROPERTIES_REQUEST
  UINT style = 0;     // message-box style or, for WM_BDK_CONTENT, the count
};

struct AFX_EXT_CLASS ScriptedItem {
  std::string name;
  std::string bytes;
};

struct AFX_EXT_CLASS ScriptedAgent {
  std::string version = ZTK::ZTK_VERSION_2;
  AgentPropArray properties;
  CQRBDKAgentMetaData metadata;
  std::map<std::string, std::vector<ScriptedNode>> tree;  // ":"-joined path -> children
  std::map<int, std::vector<ScriptedItem>> content;       // content type -> items
  // Results of the calls; BDK_SEE_MESSAGE makes errorMessage the last error.
  int initResult = BDK_OK;
  int setPropertiesResult = BDK_OK;
  int generateResult = BDK_OK;
  std::string errorMessage;
  // The connection status answers this from the given status call on
  // (1 = the first); 0 never.
  int statusFailsFromCall = 0;
  int failedStatus = BDK_CONNECTION_LOST;
  // Posted after GenerateSpecs or RequestContent. Without any, a content
  // request posts WM_BDK_CONTENT for its type and GenerateSpecs posts WM_BDK_GENERATED_TEXT with
  // the content of type 0.
  std::vector<ScriptedNotice> notices;
};

// What a scripted agent was asked, for checks.
struct AFX_EXT_CLASS ScriptedCalls {
  std::vector<std::string> calls;      // "Init", "SetAgentProperties", ...
  AgentPropArray lastProperties;       // as last sent
  std::vector<std::string> lastNames;  // of the last generation request
  int statusCalls = 0;
};

// Offers the agent under the name until RemoveScriptedAgents.
AFX_EXT_API void AddScriptedAgent(const std::string& name, const ScriptedAgent& script);
AFX_EXT_API void RemoveScriptedAgents();
// Changes the status a connected agent of that name answers from now on.
AFX_EXT_API void SetScriptedStatus(const std::string& name, int status);
AFX_EXT_API ScriptedCalls ScriptedCallsOf(const std::string& name);

}  // namespace dravon::test
