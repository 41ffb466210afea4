// CGXControl: the behaviour of one kind of cell (drawing, editing, keys,
// mouse). One object serves every cell of its id; Init binds it to the
// cell it is about to handle. CGXChild: a small part of a cell (a button,
// an arrow) that the control draws and clicks.
#pragma once

#include <memory>
#include <vector>

#include "gx/gxstyle.h"

class CGXGridCore;
class CGXControl;

class CGXChild {
 public:
  explicit CGXChild(CGXControl* pComposite) : m_pComposite(pComposite) {}
  virtual ~CGXChild() = default;
  CGXChild(const CGXChild&) = delete;
  CGXChild& operator=(const CGXChild&) = delete;

  virtual void Draw(CDC* pDC, BOOL bActive);
  // Mouse on the child; a release inside after a press inside is a click,
  // reported to the control's OnClickedButton.
  virtual BOOL LButtonDown(UINT nFlags, CPoint pt);
  virtual BOOL MouseMove(UINT nFlags, CPoint pt);
  virtual BOOL LButtonUp(UINT nFlags, CPoint pt);

  void SetRect(const CRect& rect) { m_rect = rect; }
  const CRect& GetRect() const { return m_rect; }
  BOOL Intersects(CPoint pt) const { return m_rect.PtInRect(pt); }
  void SetText(const CString& sText) { m_sText = sText; }
  const CString& GetText() const { return m_sText; }
  BOOL IsPressed() const { return m_bPressed; }

 protected:
  CGXControl* m_pComposite;
  CRect m_rect;
  CString m_sText;
  BOOL m_bPressed = FALSE;
  BOOL m_bMouseDown = FALSE;
};

// A push-look button child: text, or a bitmap resource when one is set.
class CGXButton : public CGXChild {
 public:
  explicit CGXButton(CGXControl* pComposite, UINT nIDBitmap = 0) : CGXChild(pComposite), m_nIDBitmap(nIDBitmap) {}
  void Draw(CDC* pDC, BOOL bActive) override;
  void SetBitmap(UINT nIDBitmap) { m_nIDBitmap = nIDBitmap; }

 protected:
  void DrawFace(CDC* pDC, CRect& rectInner);
  UINT m_nIDBitmap;
};

// A button child showing a downward arrow (drop-down cells).
class CGXArrowButton : public CGXButton {
 public:
  explicit CGXArrowButton(CGXControl* pComposite) : CGXButton(pComposite) {}
  void Draw(CDC* pDC, BOOL bActive) override;
};

class CGXControl {
 public:
  explicit CGXControl(CGXGridCore* pGrid);
  virtual ~CGXControl();
  CGXControl(const CGXControl&) = delete;
  CGXControl& operator=(const CGXControl&) = delete;

  // The control's run-time class (GRID_DECLARE_CONTROL), so that
  // IsKindOf(RUNTIME_CLASS(CGXEditControl)) tells an edit control, or one
  // derived from it, whatever the cell.
  static CRuntimeClass classCGXControl;
  static CRuntimeClass* GetThisClass() { return &classCGXControl; }
  virtual CRuntimeClass* GetRuntimeClass() const;
  BOOL IsKindOf(const CRuntimeClass* pClass) const;

  CGXGridCore* Grid() const { return m_pGrid; }
  CWnd* GridWnd() const;

  // Binds the control to a cell (loads its value into an editor).
  virtual void Init(ROWCOL nRow, ROWCOL nCol);
  ROWCOL GetRow() const { return m_nRow; }
  ROWCOL GetCol() const { return m_nCol; }

  // Drawing. rect is the whole cell; the text rectangle is where the text
  // (or the editor window) goes, inside the children.
  virtual void Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                    const CGXStyle* pStandardStyle);
  virtual void DrawBackground(CDC* pDC, const CRect& rect, const CGXStyle& style);
  virtual CRect GetTextRect(const CRect& rectCell, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
  // Size the cell needs for its text (bVert: height, else width).
  virtual CSize CalcSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, const CGXStyle* pStandardStyle,
                         BOOL bVert);
  // Places the children in the cell rectangle (derived controls lay out their buttons).
  virtual void OnInitChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect);

  // Editing state.
  virtual BOOL IsActive();
  virtual void SetActive(BOOL bActive);
  virtual BOOL GetModify();
  virtual void SetModify(BOOL bModified);
  virtual BOOL IsReadOnly();
  // Hides the editor window (when the cell is left or scrolled away).
  virtual void Hide();
  // The cell's look changed while it is current (re-reads the style).
  virtual void Refresh();
  // The value the control would store (GetValue) or shows (SetValue).
  virtual BOOL GetValue(CString& strResult);
  virtual void SetValue(LPCTSTR pszRawValue);
  // The text the editor holds now.
  virtual BOOL GetCurrentText(CString& strResult);
  virtual void SetCurrentText(const CString& str);
  // The text the cell shows for a value (password cells mask it).
  virtual BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszRawValue, const CGXStyle& style);
  // Stores a shown text as the cell's value (choice lists store the index).
  virtual BOOL SetControlText(ROWCOL nRow, ROWCOL nCol, const CString& str, UINT nFlags = GX_UPDATENOW,
                              const CGXStyle* pOldStyle = nullptr);

  // Validation of the editor's text before it is stored: FALSE refuses it;
  // the refusal's warning goes to the grid with Grid()->SetWarningText.
  virtual BOOL OnValidate();
  // Stores the editor's text in the cell (after OnValidate).
  virtual BOOL Store();
  // Asked by the grid before it leaves the active cell; GX_ENDEDIT_*.
  virtual int QueryEndEditing();
  // Editing is about to begin (FALSE: this control opens no editor), or
  // was cancelled (Escape): the editor takes the stored value back.
  virtual BOOL OnStartEditing();
  virtual void OnCancelEditing();

  // Keys reaching the grid while this control's cell is current; TRUE when taken.
  virtual BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
  virtual BOOL OnGridKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
  virtual BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags);
  // Keys the editor window gets; TRUE when the control handled them.
  virtual BOOL KeyPressed(UINT nMessage, UINT nChar, UINT nRepCnt = 1, UINT nFlags = 0);

  // Mouse on the cell, nHitState GX_HIT*; TRUE when taken. The default
  // routes to the children.
  virtual BOOL LButtonDown(UINT nFlags, CPoint pt, UINT nHitState);
  virtual BOOL LButtonUp(UINT nFlags, CPoint pt, UINT nHitState);
  virtual BOOL LButtonDblClk(UINT nFlags, CPoint pt);
  virtual BOOL MouseMove(UINT nFlags, CPoint pt, UINT nHitState);
  // A child button was clicked; the default tells the grid (OnClickedButtonRowCol).
  virtual void OnClickedButton(CGXChild* pChild);

  // Children (owned).
  CGXChild* AddChild(std::unique_ptr<CGXChild> pChild);
  int GetCount() const { return static_cast<int>(m_children.size()); }
  CGXChild* GetChild(int i) const { return m_children[static_cast<size_t>(i)].get(); }
  CGXChild* ChildFromPt(CPoint pt) const;
  // Redraws the cell the control is bound to.
  void InvalidateCell() const;

 protected:
  void DrawChildren(CDC* pDC, BOOL bActive);
  // The composed style of the bound cell.
  const CGXStyle& BoundStyle();

  CGXGridCore* m_pGrid;
  ROWCOL m_nRow = GX_INVALID;
  ROWCOL m_nCol = GX_INVALID;
  BOOL m_bActive = FALSE;
  BOOL m_bModified = FALSE;
  CGXChild* m_pCapturedChild = nullptr;

 private:
  std::vector<std::unique_ptr<CGXChild>> m_children;
  CGXStyle m_boundStyle;
};

// Run-time classes of cell controls. A control class puts
// GRID_DECLARE_CONTROL(class) in its declaration and GRID_IMPLEMENT_CONTROL
// (class, base) in one source; CRuntimeClass::FromName then finds it. With
// GRID_IMPLEMENT_DYNCREATE_CONTROL instead, a class constructed from the grid
// alone can also be made by its name (GXCreateControl).
#define GRID_DECLARE_CONTROL(class_name)                              \
 public:                                                              \
  static CRuntimeClass class##class_name;                             \
  static CRuntimeClass* GetThisClass() { return &class##class_name; } \
  CRuntimeClass* GetRuntimeClass() const override;

#define GRID_IMPLEMENT_CONTROL(class_name, base_class_name)                                       \
  CRuntimeClass class_name::class##class_name = {                                                 \
      #class_name, sizeof(class_name), 0xFFFF, nullptr, RUNTIME_CLASS(base_class_name), nullptr}; \
  static const AFX_CLASSINIT _init_##class_name(&class_name::class##class_name);                  \
  CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define GRID_IMPLEMENT_DYNCREATE_CONTROL(class_name, base_class_name) \
  GRID_IMPLEMENT_CONTROL(class_name, base_class_name)                 \
  static const GXControlCreator _create_##class_name(                 \
      #class_name,                                                    \
      [](CGXGridCore* pGrid) -> std::unique_ptr<CGXControl> { return std::make_unique<class_name>(pGrid); });

// Built-in controls that every grid has without registering them: the
// library's own files fill this table from static initialisers; a grid
// makes its control from it the first time the id is asked for.
using GXControlFactory = std::unique_ptr<CGXControl> (*)(CGXGridCore* pGrid);
void GXRegisterControlFactory(WORD nID, GXControlFactory pfnFactory);
GXControlFactory GXFindControlFactory(WORD nID);

// Creation of controls by class name, for the classes implemented with
// GRID_IMPLEMENT_DYNCREATE_CONTROL.
struct GXControlCreator {
  GXControlCreator(LPCSTR lpszClassName, GXControlFactory pfnFactory);
};
// A new control of the named class for the grid; null for a name no class
// registered for creation.
std::unique_ptr<CGXControl> GXCreateControl(LPCSTR lpszClassName, CGXGridCore* pGrid);
