// The data manager's instance, session and notices.
#include "DataManager.h"

#include "session/Session.h"
#include "store/ServerPaths.h"

namespace {
CDataManager* g_instance = nullptr;
}  // namespace

namespace dravon {
Session* CurrentSession() { return g_instance != nullptr ? &g_instance->GetSession() : nullptr; }
}  // namespace dravon

CDataManager* CDataManager::InitInstance() {
  if (g_instance == nullptr) g_instance = new CDataManager;
  return g_instance;
}

CDataManager* CDataManager::PeekInstance() { return g_instance; }

CDataManager::CDataManager() : m_session(std::make_unique<dravon::Session>()) {}

CDataManager::~CDataManager() {
  // Objects freed from here on find no session to report to.
  if (g_instance == this) g_instance = nullptr;
}

CQRServer* CDataManager::GetObject(int type, const char* name, int /*create*/) {
  if (type != HvObjServer || name == nullptr) return nullptr;
  dravon::EnsureDefaultServer();
  if (!dravon::ServerExists(name)) return nullptr;
  return m_session->ServerObject(name);
}

int CDataManager::LogToServer(const char* server, const char* user, const char* password) {
  if (server == nullptr || user == nullptr) return 0;
  return m_session->Connect(server, user, password != nullptr ? password : "") ? 1 : 0;
}

void CDataManager::Disconnect(BOOL keepDefinitions) {
  m_session->Disconnect();
  if (!keepDefinitions) ReleaseBODefs();
}

BOOL CDataManager::IsConnected() const { return m_session->Connected(); }

CQRServer* CDataManager::GetServer() const { return m_session->Server(); }

void CDataManager::UniteObject(CQRObj* /*object*/, HWND wnd) { m_session->Notices().AddMainWindow(wnd); }

void CDataManager::DisbandObject(CQRObj* /*object*/, HWND wnd) { m_session->Notices().RemoveMainWindow(wnd); }

void CDataManager::AddWindowHandle(HWND wnd, const char* name) {
  if (name != nullptr && IsWindow(wnd)) m_session->Notices().AddView(name, wnd);
}

void CDataManager::RemoveView(const char* name, HWND wnd) {
  if (name != nullptr) m_session->Notices().RemoveView(name, wnd);
}

void CDataManager::SendRefreshMsg(const char* name) {
  if (name != nullptr) m_session->Notices().PostToViews(name, WM_HV_DEF_CHANGED);
}
