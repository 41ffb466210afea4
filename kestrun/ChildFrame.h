// The window of one connector document: a tab window as its only pane with
// one tab view (CKestrunView) per tab. A QVS connector shows six tabs, a
// KBRX connector five; tabs 0 and 1 are the same in both, and a switch of
// mode replaces the others in place. The tabs of each mode are listed in
// TabSets.cpp.
#pragma once

#include <secall.h>

#include <memory>

class CKestrunDoc;
class CKestrunView;

// One tab: its label and the class of its view.
struct CTabSpec {
  const char* label;
  CRuntimeClass* pViewClass;
};

// The tabs of each mode, in tab order.
extern const CTabSpec g_qvsTabs[];
extern const int g_nQvsTabs;
extern const CTabSpec g_kbrxTabs[];
extern const int g_nKbrxTabs;
// Tabs 0 and 1, in both modes.
inline constexpr int SHARED_TAB_COUNT = 2;

class CChildFrame : public SECMDIChildWnd {
  DECLARE_DYNCREATE(CChildFrame)

 public:
  CChildFrame();
  ~CChildFrame() override;

  // Adds the tabs of the document's mode after the shared ones and
  // activates each once, the first last.
  void SetupTabs(CKestrunDoc* pDoc);
  void SwitchToQvsTabs();
  void SwitchToKbrxTabs();
  // Asks about unsaved changes, saves as answered, closes; false when the
  // window stays (the user cancelled or the save failed).
  bool OnCloseConnector();

  CKestrunDoc* GetKestrunDoc();
  SECTabWnd& GetTabWnd() { return m_tabWnd; }
  int GetTabCount() const { return m_tabWnd.GetTabCount(); }
  // The view of the tab; null past the last.
  CKestrunView* GetTabView(int nIndex) const;

 protected:
  BOOL PreCreateWindow(CREATESTRUCT& cs) override;
  BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
  afx_msg int OnCreate(LPCREATESTRUCT lpcs);
  afx_msg void OnClose();
  DECLARE_MESSAGE_MAP()

 private:
  // Adds tabs [first, count) of the table over the document.
  void AddTabs(const CTabSpec* pTabs, int nFirst, int nCount, CKestrunDoc* pDoc);
  // Removes the tabs past the shared ones, the last first.
  void RemoveModeTabs();
  void SwitchTabs(const CTabSpec* pTabs, int nCount);
  // Saves through the active tab; true when saved.
  bool SaveThroughActiveView(bool toServer);

  SECTabWnd m_tabWnd;
  std::unique_ptr<CFont> m_pTabFont;
};
