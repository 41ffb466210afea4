// One open business-object definition, shown by one CChildFrame with its
// two views (COrvexView). The definition belongs to the data manager; the
// document only points at it. m_mapBODefs holds the definition under its
// own name and the contained definitions the window has open (expanded).
#pragma once

#include <afxwin.h>

#include <vector>

#include "DataManager.h"

class COrvexDoc : public CDocument {
  DECLARE_DYNCREATE(COrvexDoc)

 public:
  // Update kinds of BroadcastToViews.
  static constexpr int kNameRemoved = 7;
  static constexpr int kNameAdded = 8;
  static constexpr int kNamesReset = 9;

  COrvexDoc();
  ~COrvexDoc() override;

  // Keeps the definition and enters it into the name map under its name.
  void SetBODef(CQRBusObjDef* pDef);

  // Tells every view of every open definition window about a name.
  static void BroadcastToViews(int kind, CString name);
  // ApplyToDef, RefreshFromDef on each view of this document.
  void ApplyViewsToDef(CQRBusObjDef* pDef);
  void RefreshViews();
  // With onlyThis clear, whether any document's name map holds the name;
  // with it set, whether another document than this one holds it (so that
  // a revert leaves alone what another window shows).
  BOOL IsNameInDocs(CString name, BOOL onlyThis) const;
  BOOL IsInPrintPreview() const;
  // The frame of the first view, or null.
  CFrameWnd* GetFrame() const;

  // The template's documents now, for loops that may open or close
  // windows; IsOpen tells whether one of them is still there.
  static std::vector<COrvexDoc*> GetOpenDocs();
  static BOOL IsOpen(const COrvexDoc* pDoc);
  static int GetOpenCount();
  // The document whose definition has the name (exact case), or null.
  static COrvexDoc* FindByName(const CString& name);

  CQRBusObjDef* m_pBODef = nullptr;
  CString m_strFilePath;
  CMapStringToPtr m_mapBODefs;
};
