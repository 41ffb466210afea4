// The session with an integration server: the process-wide data manager.
//
// On this platform a server is an embedded repository (one database per
// server). The data manager keeps the session, hands out the repository
// objects (which stay its own until given back) and posts notices to the
// windows that registered for them.
#pragma once

#include <afxtempl.h>

#include <memory>

#include "BusObjDef.h"
#include "QRConnector.h"
#include "QRObj.h"

// Notices posted to registered windows.
constexpr UINT WM_HV_OBJECT_DELETED = 0x465;  // wParam object type, lParam the CQRObj*
constexpr UINT WM_HV_SERVER_LOST = 0x468;
constexpr UINT WM_HV_DEF_GONE = 0x29C8;     // wParam name length, lParam its characters (TakeNoticeName)
constexpr UINT WM_HV_DEF_CLOSE = 0x29CA;    // same payload: close without prompts
constexpr UINT WM_HV_DEF_CHANGED = 0x29CB;  // same payload: refill from the definition

using CBODefMap = CMap<CString, const char*, CQRBusObjDef*, CQRBusObjDef*>;
using CQRObjRefArray = COwnedPtrArray<CQRObjRef>;

namespace dravon {
class Session;
}

class AFX_EXT_CLASS CDataManager {
 public:
  // The process-wide instance, made on first use and again after delete.
  static CDataManager* InitInstance();
  ~CDataManager();
  CDataManager(const CDataManager&) = delete;
  CDataManager& operator=(const CDataManager&) = delete;

  // --- Session -----------------------------------------------------------
  // The server object of a server that exists, else null (type 2 only).
  CQRServer* GetObject(int type, const char* name, int create);
  // Non-zero when the account's password is right and the server answers.
  int LogToServer(const char* server, const char* user, const char* password);
  void Disconnect(BOOL keepDefinitions = FALSE);
  BOOL IsConnected() const;
  CQRServer* GetServer() const;

  // Main windows for WM_HV_OBJECT_DELETED and WM_HV_SERVER_LOST.
  void UniteObject(CQRObj* object, HWND wnd);
  void DisbandObject(CQRObj* object, HWND wnd);
  // Views of a definition for WM_HV_DEF_GONE, WM_HV_DEF_CLOSE and WM_HV_DEF_CHANGED.
  void AddWindowHandle(HWND wnd, const char* name);
  void RemoveView(const char* name, HWND wnd);
  // Posts WM_HV_DEF_CHANGED to the views of the name.
  void SendRefreshMsg(const char* name);
  // The definition name of a notice (0x29C8, 0x29CA, 0x29CB): at most
  // wParam characters. Each message carries its own copy of the name,
  // which this frees; a receiver takes the name of each notice once.
  static CString TakeNoticeName(WPARAM wParam, LPARAM lParam);

  // --- Business objects ------------------------------------------------
  // The names of the definitions of the session; refetch asks the server.
  CStringList* RefreshBONames(int refetch);
  // Name to definition, for the definitions the session holds.
  CBODefMap* GetBODefs(int create);
  // The loaded definition; else, with `load`, the server's; else, with
  // `create`, a fresh new one (state 0x04) held under the name; else null.
  // The same pointer until CloseBO.
  CQRBusObjDef* GetBO(const char* name, int create, int load);
  // A new definition (state 0x04), not yet held under its name (callers
  // enter it into GetBODefs and the name list, or through RenameOld and
  // RenameNew). It belongs to the data manager from the start, held or
  // not: a release (ReleaseBODefs, Disconnect without keeping) frees it
  // unless a window shows its name, and deleting the data manager frees it.
  // A caller that does not keep it may delete it once instead; it then
  // takes itself out of the data manager, so it is never freed twice. So
  // a caller that must keep a definition across a modal dialog or a log-in,
  // where a release may run, keeps a definition of its own and hands it
  // over (AdoptBODef) only when it enters it.
  CQRBusObjDef* CreateNewBODef(const char* name);
  // Takes over a definition the caller made itself (a read copy, say):
  // from now on it is the data manager's exactly as if CreateNewBODef had
  // made it (not yet held; its server the session's; its state kept).
  CQRBusObjDef* AdoptBODef(std::unique_ptr<CQRBusObjDef> def);
  // With a window: that window's hold ends. Without one: the definition
  // is told to its views as gone and unloaded (kept until released).
  void CloseBO(const char* name, HWND wnd);
  // Deletes the definition on the server; non-zero when deleted.
  int DeleteBO(const char* name);
  int DeleteObject(int type, const char* name, int flags);
  // Zero when an object of the type already has the name (ignoring case).
  int IsUnique(int type, const char* name);
  // The server objects that use the business object, each with its type
  // (GetObjType), by type and name; valid until the next call.
  const CQRObjRefArray* FindSuperDepsForBO(int type, const char* name);
  // Whether bo1 refers to bo2 through an attribute type, at any depth.
  BOOL is_bo1_using_bo2(CQRBusObjDef* bo1, const char* bo2);
  // The held definitions that use the business object.
  void find_bos_using_bo(const char* name, CBODefArray& users);
  // The definition held under `def`'s name is renamed to `newName` (on the
  // server too when it is there) and `def` takes the old name's place.
  BOOL RenameOld(const char* newName, CQRBusObjDef* def);
  // `def` is renamed to `newName` and held under it.
  BOOL RenameNew(const char* newName, CQRBusObjDef* def);
  // Frees every definition no window holds; forgets the names.
  void ReleaseBODefs();
  // Frees the definitions that came from the server and no window holds.
  void ReleaseSelectedBODefs();
  // Drops the cached server definitions so the next GetBO reads them anew.
  void ClearCache();

  // --- Other objects -----------------------------------------------------
  CQRObj* GetMap(const char* name);
  CQRObj* GetTemplate(const char* name);
  CStringList* RefreshConnectors(int refetch);
  CQRConnector* GetConnector(const char* name);
  // A connector made on the server from the given values (copied); null
  // when the server refuses it or the name is taken.
  CQRConnector* AddConnector(const char* name, const char* version, int transLevel,
                             const CList<CQRSupportedBO*, CQRSupportedBO*>& supportedBOs,
                             const CList<HvProperty*, HvProperty*>& stdProps,
                             const CList<HvProperty*, HvProperty*>& appProps);

  // The session's internals, for the library's own classes.
  dravon::Session& GetSession() { return *m_session; }
  // The instance when there is one, without making it.
  static CDataManager* PeekInstance();

 private:
  CDataManager();
  std::unique_ptr<dravon::Session> m_session;
};
