// The base of every repository object the server-interface library hands
// out, and the server object a session runs against.
#pragma once

#include <afx.h>
#include <windows.h>

// Kinds of repository objects, as callers pass them to name checks,
// GetObject, DeleteObject and FindSuperDepsForBO.
enum _E_HvObjType {
  HvObjServer = 2,
  HvObjBusObj = 17,
  HvObjCollabTemplate = 18,
  HvObjCollaboration = 19,
  HvObjConnector = 20,
  HvObjNativeMap = 21,
  HvObjRelationship = 22,
};

// Bits of an object's state word.
enum _E_HvObjState {
  HvStateOnServer = 0x01,       // the server has the object
  HvStateSavedToServer = 0x02,  // written to the server in this session
  HvStateNew = 0x04,            // never saved
  HvStateModified = 0x08,
  HvStateMarked = 0x10,          // attributes: drag mark; records: stale or deleted
  HvStateVisited = 0x20,         // visited by the current validation, save or export run
  HvStateWrittenToFile = 0x100,  // written to a repository copy since the last server save
};

// Record kind of a clipboard block that holds a business-object definition.
constexpr DWORD QR_CLIPBOARD_BODEF = 6;

// The layout of a block made by CQRObj::PrepareClipboardData. The pointer
// means something only in the process that made the block: the owner's
// process id and a token made once per process (a process id can be used
// again) say whose it is.
struct AFX_EXT_CLASS QRClipboardBlock {
  DWORD kind;
  DWORD ownerProcessId;
  unsigned long long ownerToken;
  class CQRObj* object;
};

class CQRServer;

class AFX_EXT_CLASS CQRObj : public CObject {
  DECLARE_DYNAMIC(CQRObj)

 public:
  CQRObj(const char* name, CQRServer* server, int state);
  ~CQRObj() override;

  const char* name(int /*qualified*/ = 0) const { return m_strName; }
  void SetName(const char* name) { m_strName = name; }
  const CString& GetVersion() const { return m_strVersion; }
  void SetVersion(const char* version) { m_strVersion = version; }
  virtual int GetObjType() const { return 0; }

  CQRServer* GetServer() const { return m_pServer; }
  void SetServer(CQRServer* server) { m_pServer = server; }
  // True once the object or its server connection is gone.
  BOOL is_dead() const;
  void SetDead(BOOL dead) { m_bDead = dead; }

  int GetState() const { return m_nState; }
  void SetState(int state) { m_nState = state; }
  void AddState(int bits) { m_nState |= bits; }
  void RemoveState(int bits) { m_nState &= ~bits; }

  // Non-zero when the server took the object.
  virtual int Save() { return 0; }
  // Reads the object again from the server; non-zero when done.
  virtual int Refresh(int /*force*/) { return 0; }

  // A global memory block (see QRClipboardBlock) naming this object, or
  // null when out of memory. The block belongs to whoever receives it.
  HGLOBAL PrepareClipboardData(DWORD kind);
  // The object a block of this process names, or null for a block of
  // another kind or of another owner.
  static CQRObj* FromClipboardData(HGLOBAL block, DWORD kind);
  // This process's clipboard token.
  static unsigned long long ClipboardOwnerToken();

 private:
  CString m_strName;
  CString m_strVersion = "1.0.0";
  CQRServer* m_pServer;  // not owned
  int m_nState;
  BOOL m_bDead = FALSE;
};

// A named repository object the session only lists: a map, a collaboration
// template, a collaboration, a relationship, or a user in a dependency list.
class AFX_EXT_CLASS CQRObjRef : public CQRObj {
  DECLARE_DYNAMIC(CQRObjRef)

 public:
  CQRObjRef(int type, const char* name, CQRServer* server);
  int GetObjType() const override { return m_nType; }

 private:
  int m_nType;
};

class AFX_EXT_CLASS CQRServer : public CQRObj {
  DECLARE_DYNAMIC(CQRServer)

 public:
  explicit CQRServer(const char* serverName);

  int GetObjType() const override { return HvObjServer; }
  const CString& GetServerName() const { return m_strServerName; }
  const CString& GetUserName() const { return m_strUser; }
  const CString& GetPassword() const { return m_strPassword; }
  void SetCredentials(const char* user, const char* password);
  BOOL IsConnected() const { return m_bConnected; }
  void SetConnected(BOOL connected) { m_bConnected = connected; }
  // Ends the session with this server: the data manager disconnects.
  void disconnect();

 private:
  CString m_strServerName;
  CString m_strUser;
  CString m_strPassword;
  BOOL m_bConnected = FALSE;
};
