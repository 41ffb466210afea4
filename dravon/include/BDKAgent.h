// Discovery agents: programs that read an application's metadata and
// generate business-object definitions from it. CQRBDKAgent is the session
// with one agent, found by name through the location service; its
// listener turns the agent's notices into window messages.
#pragma once

#include <afx.h>
#include <afxcoll.h>
#include <windows.h>

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "AgentProperty.h"
#include "QRObj.h"
#include "TreeNode.h"

XERCES_CPP_NAMESPACE_BEGIN
class DOMDocument;
class DOMNodeList;
class XercesDOMParser;
XERCES_CPP_NAMESPACE_END

namespace ZTK {
inline constexpr const char* ZTK_VERSION_1 = "1.0";
inline constexpr const char* ZTK_VERSION_2 = "2.0";
// How an agent hands over one content type.
enum ContentProtocol { CONTENT_PROTOCOL_NONE = 0, CONTENT_PROTOCOL_ONREQUEST = 1 };
enum ContentType { CONTENT_BODEFS = 0, CONTENT_FILES = 1 };
// GetContent's index for every generated object at once.
inline constexpr int GET_ALL_OBJECTS = -1;
}  // namespace ZTK

// Results of the agent calls.
enum BDKAgentResult {
  BDK_OK = 0,
  BDK_AGENT_NOT_FOUND = 1,
  BDK_CONNECT_FAILED = 2,
  BDK_NOT_CONNECTED = 3,
  BDK_BAD_PROPERTIES = 4,
  BDK_PROPERTIES_REFUSED = 5,
  BDK_NO_SUCH_NODE = 6,
  BDK_GENERATION_FAILED = 7,
  BDK_CONNECTION_LOST = 8,
  BDK_NO_CONTENT = 9,
  BDK_LOCATION_FAILED = 10,
  BDK_UNKNOWN_ERROR = 0x0FFFFFFE,
  BDK_SEE_MESSAGE = 0x0FFFFFFF,  // GetLastErrorMessage says what happened
};

// The notices the listener posts to its event window.
enum : UINT {
  WM_BDK_PROPERTIES_REQUEST = 0x590,  // wParam, lParam: two texts
  WM_BDK_NOTIFICATION = 0x591,        // wParam text, lParam message-box style
  WM_BDK_STATUS = 0x592,              // wParam text, lParam message-box style
  WM_BDK_GENERATED_TEXT = 0x593,      // lParam repository-copy text
  WM_BDK_INFORMATION_REQUEST = 0x59A,
  WM_BDK_CONTENT = 0x59B,  // wParam content type, lParam count (low 16 bits)
  WM_BDK_STOPPED = 0x59C,
};

// What an agent declares about itself.
class AFX_EXT_CLASS CQRBDKAgentMetaData {
 public:
  // CONTENT_PROTOCOL_NONE for a type the agent does not hand over.
  int GetContentProtocol(int type) const;
  void SetContentProtocol(int type, int protocol) { m_protocols[type] = protocol; }
  // The content types, in increasing order.
  std::vector<int> GetContentTypes() const;
  bool IsSearchEnabled() const { return m_bSearchEnabled; }
  const CString& GetSearchHint() const { return m_strSearchHint; }
  void SetSearch(bool enabled, const char* hint);

 private:
  std::map<int, int> m_protocols;
  bool m_bSearchEnabled = false;
  CString m_strSearchHint;
};

// Whoever shows the agent's messages and status to the user.
class AFX_EXT_CLASS IMsgReceiver {
 public:
  virtual ~IMsgReceiver() = default;
  virtual void StartMessage(const char* text, UINT style) {}
  virtual void EndMessage(int answer, UINT style) {}
  virtual void StartStatus(const char* text) {}
  virtual void EndStatus() {}
  // The name the messages are shown under.
  virtual CString GetReceiverName() = 0;
  // Shows a message between StartMessage and EndMessage; the answer.
  virtual int DisplayMessage(const char* text, UINT style);
};

// Receives an agent's notices and posts them to the event window. The
// texts a notice carries stay valid until the next notice of its kind.
class AFX_EXT_CLASS CQRBDKListener {
 public:
  CQRBDKListener(IMsgReceiver* receiver, int /*ownsNothing*/);
  ~CQRBDKListener();
  CQRBDKListener(const CQRBDKListener&) = delete;
  CQRBDKListener& operator=(const CQRBDKListener&) = delete;

  // Parses property XML; null for text that is not XML. The document
  // belongs to the listener until the next parse.
  xercesc::DOMDocument* ParsePropData(const char* buffer);
  // Writes the current values of the properties into the matching
  // <Property> elements of the document.
  static void AddValues(xercesc::DOMDocument* doc, const AgentPropArray& props);

  void SetEventHandler(HWND wnd) { m_hEventWnd = wnd; }
  HWND GetEventHandler() const { return m_hEventWnd; }
  void SetMessageReceiver(IMsgReceiver* receiver) { m_pReceiver = receiver; }
  IMsgReceiver* GetMessageReceiver() const { return m_pReceiver; }
  // The properties a WM_BDK_PROPERTIES_REQUEST asks the user to fill.
  AgentPropArray& GetPropArray() { return m_requestProps; }

  // Senders; each answers false when there is no live event window.
  bool PostPropertiesRequest(const char* text1, const char* text2, const AgentPropArray& props);
  bool PostNotification(const char* text, UINT style);
  bool PostStatus(const char* text, UINT style);
  bool PostGeneratedText(const char* text);
  bool PostInformationRequest();
  bool PostContent(int type, int count);
  bool PostStopped();

 private:
  const char* Keep(UINT message, const char* text, int slot = 0);
  bool Post(UINT message, WPARAM wParam, LPARAM lParam);

  IMsgReceiver* m_pReceiver;  // not owned
  HWND m_hEventWnd = nullptr;
  AgentPropArray m_requestProps;
  std::map<std::pair<UINT, int>, std::string> m_texts;
  std::unique_ptr<xercesc::XercesDOMParser> m_parser;
};

class AFX_EXT_CLASS CBDKListenerDOM {
 public:
  // Reads the <Property> elements among the nodes into the properties: a
  // known name is replaced, a new one appended. Answers how many were read.
  static int Populate(xercesc::DOMNodeList* nodes, AgentPropArray* props, int /*replace*/);
};

namespace dravon::agents {
class AgentDriver;
}

class AFX_EXT_CLASS CQRBDKAgent : public CQRObj {
  DECLARE_DYNAMIC(CQRBDKAgent)

 public:
  CQRBDKAgent(const char* name, CQRServer* server, int state);
  ~CQRBDKAgent() override;

  // Finds the agent through the location service and connects.
  int Init();
  // Disconnects and lets the agent go; the properties stay.
  int Terminate();
  // Ends the agent's configured session; SetAgentProperties starts anew.
  int Disconnect();
  // The agents the location service knows, in its order.
  int GetAgentNames(CStringList& names);
  // Points *props at the agent's properties, which the agent owns and
  // keeps until it is deleted.
  int GetAgentProperties(int /*refresh*/, AgentPropArray** props);
  // Sends the properties (as edited through GetAgentProperties).
  int SetAgentProperties();
  CString GetLastErrorMessage() const;
  // 0 while connected, else the error; callable from any thread.
  int GetConnectionStatus();

  // The children of the node at a ":"-joined path (empty: the top level).
  TreeNodeList GetBOTree(const char* path, const char* pattern, int mode, int /*withChildren*/);
  int GenerateSpecs(const CStringArray& names);
  int RequestContent(int type, const CStringArray& names);
  // One generated item: bytes (not terminated) allocated with new[],
  // which the caller deletes with delete[].
  int GetContent(int type, int index, CString& name, BYTE*& bytes, long& length);
  // True when every requested content has been handed over.
  bool CompleteOnAddContent(int type);

  CString GetVersion() const;
  // Null before Init.
  const CQRBDKAgentMetaData* GetMetaData() const;
  void SetNotificationTarget(IMsgReceiver* receiver);
  IMsgReceiver* GetNotificationTarget() const { return m_listener.GetMessageReceiver(); }
  CQRBDKListener& GetListener() { return m_listener; }

 private:
  int Fail(int code, const char* message);
  int Result(int code);

  mutable std::mutex m_mutex;  // the driver against the watch thread
  std::unique_ptr<dravon::agents::AgentDriver> m_driver;
  AgentPropArray m_props;
  CQRBDKListener m_listener;
  CString m_strLastError;
};
