// One open business-object definition. The definition belongs to the data
// manager; the document only points at it.
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
  // With onlyThis clear, whether any document's name map holds the name;
  // with it set, whether this document's does.
  BOOL IsNameInDocs(CString name, BOOL onlyThis) const;
  BOOL IsInPrintPreview() const;

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
