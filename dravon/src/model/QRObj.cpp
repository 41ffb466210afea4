#include "QRObj.h"

#include <random>

#include "DataManager.h"
#include "session/Session.h"

IMPLEMENT_DYNAMIC(CQRObj, CObject)
IMPLEMENT_DYNAMIC(CQRObjRef, CQRObj)
IMPLEMENT_DYNAMIC(CQRServer, CQRObj)

CQRObj::CQRObj(const char* name, CQRServer* server, int state)
    : m_strName(name != nullptr ? name : ""), m_pServer(server), m_nState(state) {}

CQRObj::~CQRObj() {
  if (dravon::Session* session = dravon::CurrentSession()) session->Forget(this);
}

BOOL CQRObj::is_dead() const { return m_bDead; }

HGLOBAL CQRObj::PrepareClipboardData(DWORD kind) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, sizeof(QRClipboardBlock));
  if (block == nullptr) return nullptr;
  auto* data = static_cast<QRClipboardBlock*>(GlobalLock(block));
  if (data == nullptr) {
    GlobalFree(block);
    return nullptr;
  }
  *data = QRClipboardBlock{kind, GetCurrentProcessId(), ClipboardOwnerToken(), this};
  GlobalUnlock(block);
  return block;
}

CQRObj* CQRObj::FromClipboardData(HGLOBAL block, DWORD kind) {
  if (block == nullptr || GlobalSize(block) < sizeof(QRClipboardBlock)) return nullptr;
  const auto* data = static_cast<const QRClipboardBlock*>(GlobalLock(block));
  if (data == nullptr) return nullptr;
  const bool own = data->ownerProcessId == GetCurrentProcessId() && data->ownerToken == ClipboardOwnerToken();
  CQRObj* object = data->kind == kind && own ? data->object : nullptr;
  GlobalUnlock(block);
  return object;
}

unsigned long long CQRObj::ClipboardOwnerToken() {
  static const unsigned long long token = [] {
    std::random_device random;
    return (static_cast<unsigned long long>(random()) << 32) ^ random();
  }();
  return token;
}

CQRObjRef::CQRObjRef(int type, const char* name, CQRServer* server)
    : CQRObj(name, server, HvStateOnServer), m_nType(type) {}

CQRServer::CQRServer(const char* serverName) : CQRObj(serverName, nullptr, 0), m_strServerName(serverName) {}

void CQRServer::SetCredentials(const char* user, const char* password) {
  m_strUser = user != nullptr ? user : "";
  m_strPassword = password != nullptr ? password : "";
}

void CQRServer::disconnect() {
  CDataManager* manager = CDataManager::PeekInstance();
  if (manager != nullptr && manager->GetServer() == this) manager->Disconnect();
}
