// Message maps: static tables that tie messages, commands and control
// notifications to member functions.
//
// Each entry holds a small thunk instantiated for the handler's member
// pointer, so a handler with the wrong signature does not compile and the
// call goes through the handler's real type (no casts between member
// pointer types).
#pragma once

#include <type_traits>

#include <windows.h>

class CCmdTarget;

// Private messages of the class library.
#define WM_REFLECT_BASE 0xBC00
#define WM_QUERYAFXWNDPROC 0x0360
#define WM_SIZEPARENT 0x0361
#define WM_SETMESSAGESTRING 0x0362
#define WM_IDLEUPDATECMDUI 0x0363
#define WM_INITIALUPDATE 0x0364
#define WM_COMMANDHELP 0x0365
#define WM_HELPHITTEST 0x0366
#define WM_EXITHELPMODE 0x0367
#define WM_RECALCPARENT 0x0368
#define WM_SIZECHILD 0x0369
#define WM_KICKIDLE 0x036A
#define WM_QUERYCENTERWND 0x036B
#define WM_DISABLEMODAL 0x036C
#define WM_FLOATSTATUS 0x036D
#define WM_ACTIVATETOPLEVEL 0x036E

// Command codes passed to OnCmdMsg besides control notification codes.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))
#define CN_EVENT ((UINT)(-2))

// What a handler is given, unpacked by its thunk.
struct AFX_CALL {
  UINT nMessage;
  WPARAM wParam;
  LPARAM lParam;
  UINT nID;          // command or control id
  void* pExtra;      // CCmdUI* or NMHDR*
  LRESULT* pResult;  // WM_NOTIFY result
};

// A thunk returns the message's result; command thunks return whether the
// command was handled (FALSE from an _EX handler continues the routing).
typedef LRESULT (*AFX_PMSG)(CCmdTarget* pTarget, const AFX_CALL& call);

// How an entry's handler is called; the routing code needs only the kind.
enum AfxSig : UINT {
  AfxSig_end = 0,
  AfxSig_msg,     // window message, result from the handler
  AfxSig_cmd,     // command or control notification
  AfxSig_cmdui,   // CN_UPDATE_COMMAND_UI
  AfxSig_notify,  // WM_NOTIFY
};

struct AFX_MSGMAP_ENTRY {
  UINT nMessage;  // WM_COMMAND, WM_NOTIFY, a window message, or reflected
  UINT nCode;     // notification code, CN_UPDATE_COMMAND_UI
  UINT nID;       // first control or command id (0 for window messages)
  UINT nLastID;   // last id of a range
  UINT_PTR nSig;  // AfxSig_*; for registered messages, UINT* to the number
  AFX_PMSG pfn;
};

struct AFX_MSGMAP {
  const AFX_MSGMAP* (*pfnGetBaseMap)();
  const AFX_MSGMAP_ENTRY* lpEntries;
};

namespace afx {

template <class T>
struct MemberClass;
template <class C, class R, class... A>
struct MemberClass<R (C::*)(A...)> {
  using type = C;
};

// The target as the class that declares the handler.
template <auto pmf>
auto* Target(CCmdTarget* pTarget) {
  using C = typename MemberClass<decltype(pmf)>::type;
  return static_cast<C*>(pTarget);
}

template <class R>
LRESULT ToResult(R value) {
  if constexpr (std::is_pointer_v<R>) {
    return reinterpret_cast<LRESULT>(value);
  } else {
    return static_cast<LRESULT>(value);
  }
}

// Thunks of the command kinds.
template <auto pmf>
LRESULT Cmd(CCmdTarget* p, const AFX_CALL&) {
  (Target<pmf>(p)->*pmf)();
  return TRUE;
}
template <auto pmf>
LRESULT CmdEx(CCmdTarget* p, const AFX_CALL& c) {
  return (Target<pmf>(p)->*pmf)(c.nID) ? TRUE : FALSE;
}
template <auto pmf>
LRESULT CmdRange(CCmdTarget* p, const AFX_CALL& c) {
  (Target<pmf>(p)->*pmf)(c.nID);
  return TRUE;
}
template <auto pmf>
LRESULT CmdBool(CCmdTarget* p, const AFX_CALL&) {
  return (Target<pmf>(p)->*pmf)() ? TRUE : FALSE;
}
template <auto pmf>
LRESULT Notify(CCmdTarget* p, const AFX_CALL& c) {
  (Target<pmf>(p)->*pmf)(static_cast<NMHDR*>(c.pExtra), c.pResult);
  return TRUE;
}
template <auto pmf>
LRESULT NotifyEx(CCmdTarget* p, const AFX_CALL& c) {
  return (Target<pmf>(p)->*pmf)(c.nID, static_cast<NMHDR*>(c.pExtra), c.pResult) ? TRUE : FALSE;
}
template <auto pmf>
LRESULT NotifyRange(CCmdTarget* p, const AFX_CALL& c) {
  (Target<pmf>(p)->*pmf)(c.nID, static_cast<NMHDR*>(c.pExtra), c.pResult);
  return TRUE;
}
template <auto pmf>
LRESULT NotifyReflectEx(CCmdTarget* p, const AFX_CALL& c) {
  return (Target<pmf>(p)->*pmf)(static_cast<NMHDR*>(c.pExtra), c.pResult) ? TRUE : FALSE;
}
// ON_MESSAGE and the like: LRESULT (WPARAM, LPARAM).
template <auto pmf>
LRESULT Message(CCmdTarget* p, const AFX_CALL& c) {
  return ToResult((Target<pmf>(p)->*pmf)(c.wParam, c.lParam));
}
// ON_THREAD_MESSAGE: void (WPARAM, LPARAM).
template <auto pmf>
LRESULT ThreadMessage(CCmdTarget* p, const AFX_CALL& c) {
  (Target<pmf>(p)->*pmf)(c.wParam, c.lParam);
  return 0;
}

}  // namespace afx

#define DECLARE_MESSAGE_MAP()                   \
 protected:                                     \
  static const AFX_MSGMAP* GetThisMessageMap(); \
  const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                      \
  const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
  const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
    using ThisClass [[maybe_unused]] = theClass;                                    \
    using TheBaseClass = baseClass;                                                 \
    static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                                   \
  { 0, 0, 0, 0, AfxSig_end, nullptr }                                                       \
  }                                                                                         \
  ;                                                                                         \
  static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, _messageEntries}; \
  return &messageMap;                                                                       \
  }

// Commands (menus, accelerators, push buttons).
#define ON_COMMAND(id, memberFxn) \
  {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AfxSig_cmd, &afx::Cmd<&ThisClass::memberFxn>},
#define ON_COMMAND_EX(id, memberFxn) \
  {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AfxSig_cmd, &afx::CmdEx<&ThisClass::memberFxn>},
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
  {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), AfxSig_cmd, &afx::CmdRange<&ThisClass::memberFxn>},
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn) \
  {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), AfxSig_cmd, &afx::CmdEx<&ThisClass::memberFxn>},
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
  {WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(id), AfxSig_cmdui, &afx::CmdUI<&ThisClass::memberFxn>},
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn) \
  {WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(idLast), AfxSig_cmdui, &afx::CmdUI<&ThisClass::memberFxn>},

// Control notifications through WM_COMMAND.
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
  {WM_COMMAND, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), AfxSig_cmd, &afx::Cmd<&ThisClass::memberFxn>},
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
  {WM_COMMAND, (UINT)(WORD)(wNotifyCode),                    \
   (UINT)(id), (UINT)(idLast),                               \
   AfxSig_cmd, &afx::CmdRange<&ThisClass::memberFxn>},
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
  {WM_COMMAND + WM_REFLECT_BASE, (UINT)(WORD)(wNotifyCode), 0, 0, AfxSig_cmd, &afx::Cmd<&ThisClass::memberFxn>},
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
  {WM_COMMAND + WM_REFLECT_BASE, (UINT)(WORD)(wNotifyCode), 0, 0, AfxSig_cmd, &afx::CmdBool<&ThisClass::memberFxn>},

// WM_NOTIFY: the codes are kept as words, as OnCmdMsg passes them.
#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
  {WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), AfxSig_notify, &afx::Notify<&ThisClass::memberFxn>},
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
  {WM_NOTIFY,     (UINT)(WORD)(wNotifyCode),                \
   (UINT)(id),    (UINT)(idLast),                           \
   AfxSig_notify, &afx::NotifyRange<&ThisClass::memberFxn>},
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) \
  {WM_NOTIFY, (UINT)(WORD)(wNotifyCode), (UINT)(id), (UINT)(id), AfxSig_notify, &afx::NotifyEx<&ThisClass::memberFxn>},
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
  {WM_NOTIFY,     (UINT)(WORD)(wNotifyCode),                   \
   (UINT)(id),    (UINT)(idLast),                              \
   AfxSig_notify, &afx::NotifyEx<&ThisClass::memberFxn>},
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
  {WM_NOTIFY + WM_REFLECT_BASE, (UINT)(WORD)(wNotifyCode), 0, 0, AfxSig_notify, &afx::Notify<&ThisClass::memberFxn>},
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
  {WM_NOTIFY + WM_REFLECT_BASE,                      \
   (UINT)(WORD)(wNotifyCode),                        \
   0,                                                \
   0,                                                \
   AfxSig_notify,                                    \
   &afx::NotifyReflectEx<&ThisClass::memberFxn>},

// User-defined messages.
#define ON_MESSAGE(message, memberFxn) {(UINT)(message), 0, 0, 0, AfxSig_msg, &afx::Message<&ThisClass::memberFxn>},
// The number is read when the map is searched: nSig points to it.
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
  {0xC000, 0, 0, 0, (UINT_PTR)(UINT*)(&(nMessageVariable)), &afx::Message<&ThisClass::memberFxn>},
#define ON_THREAD_MESSAGE(message, memberFxn) \
  {(UINT)(message), 0, 0, 0, AfxSig_msg, &afx::ThreadMessage<&ThisClass::memberFxn>},
#define ON_REGISTERED_THREAD_MESSAGE(nMessageVariable, memberFxn) \
  {0xC000, 0, 0, 0, (UINT_PTR)(UINT*)(&(nMessageVariable)), &afx::ThreadMessage<&ThisClass::memberFxn>},
