// The message box: option word, layout from the text metrics and the
// system metrics, buttons and closing.
#include "DefMessageBox.h"

#include <algorithm>

#include "ResourceScope.h"
#include "resource.h"

namespace {

// Captions by button id - 1.
constexpr std::array<const char*, CDefMessageBox::kButtonCount> kCaptions = {
    "&OK",        "&Cancel",   "&Abort",     "&Retry",    "&Ignore",         "&Yes",          "&No", "&Close", "&Help",
    "&Try again", "C&ontinue", "Yes to all", "No to all", "Yes, to &server", "Yes, to &file",
};

// Button ids in display order, each row ended by -1.
constexpr int kSetWidth = 6;
constexpr int kButtonSets[CDefMessageBox::kSetCount][kSetWidth] = {
    {IDOK, -1},
    {IDOK, IDCANCEL, -1},
    {IDABORT, IDRETRY, IDIGNORE, -1},
    {IDYES, IDNO, IDCANCEL, -1},
    {IDYES, IDNO, -1},
    {IDRETRY, IDCANCEL, -1},
    {IDCANCEL, IDRETRY, 11, -1},
    {IDYES, 12, IDNO, 13, IDCANCEL, -1},
    {14, 15, IDNO, IDCANCEL, -1},
};

// Icon codes (bits 4-7 of the option word).
constexpr int kIconStop = 0x10;
constexpr int kIconQuestion = 0x20;
constexpr int kIconExclamation = 0x30;
constexpr int kIconInformation = 0x40;

constexpr int kIconSize = 32;
constexpr int kIconColumn = 46;  // content starts right of the icon

LPCSTR SystemIconOf(int code) {
  switch (code) {
    case kIconStop:
      return IDI_HAND;
    case kIconQuestion:
      return IDI_QUESTION;
    case kIconExclamation:
      return IDI_EXCLAMATION;
    case kIconInformation:
      return IDI_ASTERISK;
    default:
      return nullptr;
  }
}

CString TextOrEmpty(const char* text) { return CString(text ? text : ""); }

}  // namespace

BEGIN_MESSAGE_MAP(CDefMessageBox, CDialog)
  ON_COMMAND_RANGE(CDefMessageBox::kFirstButtonControl + 1, CDefMessageBox::kFirstButtonControl + 15, OnBtClicked)
  ON_WM_DESTROY()
END_MESSAGE_MAP()

CDefMessageBox::CDefMessageBox(CWnd* pParent)
    : CDialog(IDD_DEF_MESSAGE_BOX, pParent),
      m_cxScreen(::GetSystemMetrics(SM_CXSCREEN)),
      m_cyScreen(::GetSystemMetrics(SM_CYSCREEN)),
      m_cySmCaption(::GetSystemMetrics(SM_CYSMCAPTION)),
      m_cxFrame(::GetSystemMetrics(SM_CXFRAME)),
      m_cxSmIcon(::GetSystemMetrics(SM_CXSMICON)) {
  // The classic 8-point dialog face.
  LOGFONT lf{};
  lf.lfHeight = 80;
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = ANSI_CHARSET;
  lf.lfPitchAndFamily = FF_SWISS;
  lstrcpyn(lf.lfFaceName, "MS Sans Serif", LF_FACESIZE);
  m_font.CreatePointFontIndirect(&lf);
}

CDefMessageBox::~CDefMessageBox() = default;

void CDefMessageBox::SetOptions(UINT options) {
  m_nOptions = options;
  m_nButtonSet = static_cast<int>(options & 0x0F);
  // A set number past the table shows the plain OK box.
  if (m_nButtonSet >= kSetCount) m_nButtonSet = 0;
  m_nIcon = static_cast<int>(options & 0xF0);
  m_nDefButton = static_cast<int>((options & 0x0F00) >> 8);
  m_nOptionBits12 = static_cast<int>((options & 0x3000) >> 12);
  m_nOptionBits14 = static_cast<int>((options & 0xC000) >> 14);
}

INT_PTR CDefMessageBox::DoModal() {
  velmora::ResourceScope resources;
  return CDialog::DoModal();
}

void CDefMessageBox::Initialize() {
  for (int set = 0; set < kSetCount; ++set) {
    int count = 0;
    while (count < kSetWidth && kButtonSets[set][count] != -1) ++count;
    m_setCounts[static_cast<size_t>(set)] = count;
  }
  m_nLongest = kButtonSets[m_nButtonSet][0];
  for (int i = 1; i < m_setCounts[static_cast<size_t>(m_nButtonSet)]; ++i) {
    const int id = kButtonSets[m_nButtonSet][i];
    if (lstrlen(kCaptions[static_cast<size_t>(id - 1)]) > lstrlen(kCaptions[static_cast<size_t>(m_nLongest - 1)]))
      m_nLongest = id;
  }
}

BOOL CDefMessageBox::OnInitDialog() {
  velmora::ResourceScope resources;
  CDialog::OnInitDialog();
  Initialize();
  {
    CClientDC dc(this);
    CFont* oldFont = dc.SelectObject(&m_font);
    dc.SetMapMode(MM_TEXT);
    m_rcText = GetTxRect(dc);
    m_rcCheck = GetDefTxRect(dc);
    m_rcButtons = GetBtRect(dc);
    m_rcIcon = GetIconRect();
    m_nCaptionWidth = GetCaptionWidth(dc);
    dc.SelectObject(oldFont);
  }
  m_rcWindow = GetDlgPos();
  MoveWindow(&m_rcWindow);
  SetWindowText(TextOrEmpty(m_lpszCaption));
  ShowWindow(SW_SHOW);
  InsertControls();
  InsertIcon();
  if (!SetHasButton(IDCANCEL)) {
    if (CMenu* menu = GetSystemMenu(FALSE)) menu->EnableMenuItem(1, MF_BYPOSITION | MF_GRAYED | MF_DISABLED);
    m_bEscape = false;
  }
  const int defaultId = DefaultButtonId();
  if (defaultId == 0) return TRUE;
  // Enter anywhere, the check box included, presses the default button.
  SetDefID(static_cast<UINT>(kFirstButtonControl + defaultId));
  GotoDlgCtrl(m_buttons[static_cast<size_t>(defaultId - 1)].get());
  return FALSE;
}

CSize CDefMessageBox::WrapExtent(CSize extent, int maxWidth) {
  maxWidth = std::max(1, maxWidth);
  if (extent.cx <= maxWidth) return extent;
  const int lines = (extent.cx + maxWidth - 1) / maxWidth;
  return CSize(maxWidth, lines * extent.cy);
}

CRect CDefMessageBox::GetTxRect(CDC& dc) const {
  const CString text = TextOrEmpty(m_lpszText);
  CSize size = WrapExtent(dc.GetTextExtent(text), m_cxScreen / 2 - 2 * m_cxFrame - 26);
  // Whole lines of the extent are too few when the text has line breaks or
  // words wrap early; the height the static control needs keeps every line.
  CRect needed(0, 0, size.cx, 0);
  dc.DrawText(text, &needed, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX);
  size.cy = std::max(size.cy, static_cast<LONG>(needed.Height()));
  return CRect(0, 0, size.cx, size.cy);
}

CRect CDefMessageBox::GetDefTxRect(CDC& dc) const {
  if (!HasCheckBox()) return CRect(0, 0, 0, 0);
  TEXTMETRIC tm{};
  dc.GetTextMetrics(&tm);
  CSize extent = dc.GetTextExtent(CString(m_lpszDefText));
  extent.cx += tm.tmAveCharWidth;
  const CSize size = WrapExtent(extent, m_cxScreen / 2 - 2 * m_cxFrame - 45);
  // Room for the box itself.
  return CRect(0, 0, size.cx + 19, size.cy);
}

CRect CDefMessageBox::GetBtRect(CDC& dc) {
  const CSize extent = dc.GetTextExtent(CString(kCaptions[static_cast<size_t>(m_nLongest - 1)]));
  m_nButtonWidth = extent.cx + 12;
  const int count = m_setCounts[static_cast<size_t>(m_nButtonSet)];
  int width = count * (m_nButtonWidth + 6) - 6;
  if (count == 1) width -= 6;
  return CRect(0, 0, width, extent.cy + 12);
}

CRect CDefMessageBox::GetIconRect() const {
  if (SystemIconOf(m_nIcon) == nullptr) return CRect(0, 0, 0, 0);
  return CRect(0, 0, kIconSize, kIconSize);
}

int CDefMessageBox::GetCaptionWidth(CDC& dc) const {
  const int width = dc.GetTextExtent(TextOrEmpty(m_lpszCaption)).cx + m_cxSmIcon + 17;
  return std::min(width, m_cxScreen / 2 - 2 * m_cxFrame);
}

CRect CDefMessageBox::GetDlgPos() const {
  const int content = std::max({m_nCaptionWidth, m_rcText.Width(), m_rcCheck.Width(), m_rcButtons.Width()});
  int width = content + 2 * m_cxFrame + 26;
  if (!m_rcIcon.IsRectEmpty()) width += kIconColumn;
  const int height = 2 * m_cxFrame + 52 + m_cySmCaption + m_rcText.Height() + m_rcCheck.Height() + m_rcButtons.Height();
  const int x = (m_cxScreen - width) / 2;
  const int y = height < m_cyScreen ? (m_cyScreen - height) / 2 : 0;
  return CRect(x, y, x + width, y + height);
}

void CDefMessageBox::InsertControls() {
  const int start = m_rcIcon.IsRectEmpty() ? 0 : kIconColumn;
  const int centre = start + (m_rcWindow.Width() - start) / 2;
  const auto centred = [centre](const CRect& size, int top) {
    const int left = centre - size.Width() / 2;
    return CRect(left, top, left + size.Width(), top + size.Height());
  };
  m_text.Create(TextOrEmpty(m_lpszText), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, centred(m_rcText, 13), this,
                kTextControl);
  m_text.SetFont(&m_font);
  CRect row = m_rcButtons;
  row.OffsetRect(m_rcWindow.Width() / 2 - m_rcButtons.Width() / 2, m_rcText.Height() + m_rcCheck.Height() + 39);
  InsertButtons(row);
  // After the buttons, so that the default button leads the tab order.
  if (!m_rcCheck.IsRectEmpty()) {
    m_check.Create(m_lpszDefText, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE,
                   centred(m_rcCheck, m_rcText.Height() + 26), this, kCheckControl);
    m_check.SetFont(&m_font);
  }
}

void CDefMessageBox::InsertButtons(const CRect& row) {
  const int* set = kButtonSets[m_nButtonSet];
  const int count = m_setCounts[static_cast<size_t>(m_nButtonSet)];
  const auto create = [&](int index, DWORD style) {
    const int id = set[index];
    const int left = row.left + index * (m_nButtonWidth + 6);
    auto button = std::make_unique<CButton>();
    button->Create(kCaptions[static_cast<size_t>(id - 1)], WS_CHILD | WS_VISIBLE | WS_TABSTOP | style,
                   CRect(left, row.top, left + m_nButtonWidth, row.bottom), this,
                   static_cast<UINT>(kFirstButtonControl + id));
    button->SetFont(&m_font);
    m_buttons[static_cast<size_t>(id - 1)] = std::move(button);
  };
  // The default button first, so that it leads the tab order.
  if (m_nDefButton < count) create(m_nDefButton, WS_GROUP | BS_DEFPUSHBUTTON);
  for (int i = 0; i < count; ++i) {
    if (i != m_nDefButton) create(i, BS_PUSHBUTTON);
  }
}

void CDefMessageBox::InsertIcon() {
  if (m_rcIcon.IsRectEmpty()) return;
  CRect rect = m_rcIcon;
  rect.OffsetRect(11, 11);
  m_icon.Create(nullptr, WS_CHILD | WS_VISIBLE | SS_ICON | SS_CENTERIMAGE, rect, this);
  m_icon.SetIcon(::LoadIcon(nullptr, SystemIconOf(m_nIcon)));
}

bool CDefMessageBox::SetHasButton(int buttonId) const {
  const int* set = kButtonSets[m_nButtonSet];
  return std::find(set, set + m_setCounts[static_cast<size_t>(m_nButtonSet)], buttonId) !=
         set + m_setCounts[static_cast<size_t>(m_nButtonSet)];
}

int CDefMessageBox::DefaultButtonId() const {
  return m_nDefButton < m_setCounts[static_cast<size_t>(m_nButtonSet)] ? kButtonSets[m_nButtonSet][m_nDefButton] : 0;
}

void CDefMessageBox::OnBtClicked(UINT nID) {
  if (HasCheckBox() && m_check.GetSafeHwnd() != nullptr) m_nDefault = m_check.GetCheck();
  m_nOption = static_cast<int>(nID) - kFirstButtonControl;
  EndDialog(m_nDefault);
}

void CDefMessageBox::OnOK() {
  // Enter comes here only when the set has no default button (nothing is
  // pressed then); any other IDOK presses the default button.
  if (const int id = DefaultButtonId()) OnBtClicked(static_cast<UINT>(kFirstButtonControl + id));
}

void CDefMessageBox::OnCancel() {
  if (m_bEscape) OnBtClicked(static_cast<UINT>(kFirstButtonControl + IDCANCEL));
}

void CDefMessageBox::OnDestroy() {
  for (auto& button : m_buttons) button.reset();
  CDialog::OnDestroy();
}

extern "C" int DMessageBox(const char* text, const char* checkText, const char* caption, int* checkState,
                           unsigned int options) {
  CDefMessageBox box;
  box.SetCaption(caption);
  box.SetText(text);
  box.SetDefText(checkText);
  box.SetOptions(options);
  box.DoModal();
  if (checkState != nullptr) *checkState = box.GetDefault();
  return box.GetOption();
}
