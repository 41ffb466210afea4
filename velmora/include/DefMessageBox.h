// The library's general message box: a modal dialog laid out at run time
// from its text, caption, optional check-box text and an option word that
// picks one of nine button sets, an icon and the default button.
#pragma once

#include <afxwin.h>

#include <array>
#include <memory>

extern "C" {

// Shows the box with no parent and answers the pressed button's id (1 to
// 15); the check-box state (1 checked, 0 not) goes through `checkState`
// when it is not null. A null or empty `checkText` shows no check box.
AFX_EXT_API int DMessageBox(const char* text, const char* checkText, const char* caption, int* checkState,
                            unsigned int options);
}

class AFX_EXT_CLASS CDefMessageBox : public CDialog {
 public:
  static constexpr int kButtonCount = 15;  // button ids 1 to 15
  static constexpr int kSetCount = 9;
  static constexpr int kFirstButtonControl = 1024;  // + the button id
  static constexpr int kTextControl = 2025;
  static constexpr int kCheckControl = 2026;

  explicit CDefMessageBox(CWnd* pParent = nullptr);
  ~CDefMessageBox() override;

  // The strings are not copied: they must live until the box has closed.
  void SetText(const char* text) { m_lpszText = text; }
  void SetCaption(const char* caption) { m_lpszCaption = caption; }
  void SetDefText(const char* checkText) { m_lpszDefText = checkText; }
  void SetOptions(UINT options);
  // The check-box state read when the box closed (0 until then).
  int GetDefault() const { return m_nDefault; }
  // The pressed button's id (0 until a button is pressed).
  int GetOption() const { return m_nOption; }

  INT_PTR DoModal() override;

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  virtual void Initialize();

  // Layout, in the order OnInitDialog runs it.
  CRect GetTxRect(CDC& dc) const;
  CRect GetDefTxRect(CDC& dc) const;
  CRect GetBtRect(CDC& dc);
  CRect GetIconRect() const;
  int GetCaptionWidth(CDC& dc) const;
  CRect GetDlgPos() const;
  void InsertControls();
  void InsertButtons(const CRect& row);
  void InsertIcon();

  afx_msg void OnBtClicked(UINT nID);
  afx_msg void OnDestroy();
  DECLARE_MESSAGE_MAP()

 private:
  bool HasCheckBox() const { return m_lpszDefText != nullptr && m_lpszDefText[0] != '\0'; }
  bool SetHasButton(int buttonId) const;
  // The id of the button at the default position, or 0 when the position
  // is past the end of the set.
  int DefaultButtonId() const;
  // Wraps a one-line extent to whole lines of at most `maxWidth`.
  static CSize WrapExtent(CSize extent, int maxWidth);

  int m_nOption = 0;
  const char* m_lpszText = nullptr;
  const char* m_lpszCaption = nullptr;
  const char* m_lpszDefText = nullptr;
  UINT m_nOptions = 0;
  int m_nButtonSet = 0;
  int m_nIcon = 0;
  int m_nDefButton = 0;
  int m_nOptionBits12 = 0;
  int m_nOptionBits14 = 0;
  int m_nDefault = 0;
  bool m_bEscape = true;
  std::array<std::unique_ptr<CButton>, kButtonCount> m_buttons;
  int m_nLongest = 0;  // button id of the set's longest caption
  std::array<int, kSetCount> m_setCounts{};
  CFont m_font;
  CStatic m_text;
  CButton m_check;
  CStatic m_icon;
  int m_cxScreen;
  int m_cyScreen;
  int m_cySmCaption;
  int m_cxFrame;
  int m_cxSmIcon;
  int m_nButtonWidth = 0;
  // The measured parts, kept from OnInitDialog's measuring to placing.
  CRect m_rcText;
  CRect m_rcCheck;
  CRect m_rcButtons;
  CRect m_rcIcon;
  int m_nCaptionWidth = 0;
  CRect m_rcWindow;
};
