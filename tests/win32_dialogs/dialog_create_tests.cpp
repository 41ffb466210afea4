// Dialogs made from templates: controls, units, fonts, styles, first focus.
#include <algorithm>

#include "dialog_fixture.h"
#include "internal/dlg_template_builder.h"
#include "resource.h"

namespace {

using win32::internal::DialogTemplateBuilder;

SIZE UnitsOf(HWND dlg) {
  return win32::gdi::GetDialogBaseUnits(reinterpret_cast<HFONT>(SendMessage(dlg, WM_GETFONT, 0, 0)));
}

RECT ClientRectOf(HWND control) {
  RECT rc{};
  GetWindowRect(control, &rc);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

class DialogCreateTest : public DialogTest {};

TEST_F(DialogCreateTest, ControlsFollowTheTemplateInOrderAndDialogUnits) {
  HWND dlg = CreateSettings();
  ASSERT_TRUE(dlg);
  char cls[32] = {};
  GetClassName(dlg, cls, sizeof cls);
  EXPECT_STREQ("#32770", cls);
  EXPECT_EQ("Settings", TextOf(dlg));
  EXPECT_TRUE(IsWindowVisible(dlg));
  EXPECT_TRUE(GetWindowLong(dlg, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);

  std::vector<int> ids;
  for (HWND c = GetWindow(dlg, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) ids.push_back(GetDlgCtrlID(c));
  const std::vector<int> expected{IDC_NAME_LABEL, IDC_NAME, IDC_STATIC, IDC_COMMENT,  IDC_VERBOSE, IDC_QUIET,
                                  IDC_MODE_GROUP, IDC_FAST, IDC_SAFE,   IDC_THOROUGH, IDC_STATIC,  IDC_KIND,
                                  IDC_ITEMS,      IDOK,     IDCANCEL,   IDC_APPLY};
  EXPECT_EQ(expected, ids);

  const SIZE units = UnitsOf(dlg);
  const RECT name = ClientRectOf(GetDlgItem(dlg, IDC_NAME));
  EXPECT_EQ(MulDiv(50, units.cx, 4), name.left);
  EXPECT_EQ(MulDiv(7, units.cy, 8), name.top);
  EXPECT_EQ(MulDiv(120, units.cx, 4), name.right - name.left);
  EXPECT_EQ(MulDiv(14, units.cy, 8), name.bottom - name.top);
  RECT client{};
  GetClientRect(dlg, &client);
  EXPECT_EQ(MulDiv(240, units.cx, 4), client.right);
  EXPECT_EQ(MulDiv(170, units.cy, 8), client.bottom);
  RECT mapped{50, 7, 170, 21};
  ASSERT_TRUE(MapDialogRect(dlg, &mapped));
  EXPECT_EQ(name.left, mapped.left);
  EXPECT_EQ(name.bottom, mapped.bottom);

  EXPECT_TRUE(StyleOf(GetDlgItem(dlg, IDC_NAME)) & WS_CHILD);
  EXPECT_TRUE(GetWindowLong(GetDlgItem(dlg, IDC_NAME), GWL_EXSTYLE) & WS_EX_NOPARENTNOTIFY);
  DestroyWindow(dlg);
}

TEST_F(DialogCreateTest, TheTemplateFontGoesToTheDialogAndEveryControl) {
  HWND dlg = CreateSettings();
  ASSERT_TRUE(dlg);
  auto font = reinterpret_cast<HFONT>(SendMessage(dlg, WM_GETFONT, 0, 0));
  ASSERT_TRUE(font);
  LOGFONT lf{};
  ASSERT_TRUE(GetObject(font, sizeof lf, &lf));
  EXPECT_EQ(-11, lf.lfHeight);
  EXPECT_STREQ("MS Sans Serif", lf.lfFaceName);
  for (int id : {IDC_NAME, IDC_VERBOSE, IDC_KIND, IDOK}) {
    EXPECT_EQ(font, reinterpret_cast<HFONT>(SendDlgItemMessage(dlg, id, WM_GETFONT, 0, 0))) << id;
  }
  DestroyWindow(dlg);
}

TEST_F(DialogCreateTest, WithoutSetFontTheSystemFontMeasuresAndDsCenterCentres) {
  HWND dlg = CreateDialogParam(Module(), MAKEINTRESOURCE(IDD_TINY), nullptr, &TestDialogProc, 0);
  ASSERT_TRUE(dlg);
  EXPECT_EQ(0, SendMessage(dlg, WM_GETFONT, 0, 0));
  const SIZE units = win32::gdi::GetDialogBaseUnits(static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
  RECT client{};
  GetClientRect(dlg, &client);
  EXPECT_EQ(MulDiv(80, units.cx, 4), client.right);
  RECT area{};
  SystemParametersInfo(SPI_GETWORKAREA, 0, &area, 0);
  RECT rc{};
  GetWindowRect(dlg, &rc);
  EXPECT_LE(std::abs((rc.left + rc.right) / 2 - (area.left + area.right) / 2), 1);
  EXPECT_LE(std::abs((rc.top + rc.bottom) / 2 - (area.top + area.bottom) / 2), 1);
  DestroyWindow(dlg);
}

TEST_F(DialogCreateTest, TheProcedureSeesSetFontThenInitDialogWhileHidden) {
  bool visibleDuringInit = true;
  script.onInit = [&](HWND dlg) { visibleDuringInit = IsWindowVisible(dlg) != FALSE; };
  HWND dlg = CreateSettings();
  ASSERT_TRUE(dlg);
  EXPECT_FALSE(visibleDuringInit);
  const auto& m = script.messages;
  ASSERT_FALSE(m.empty());
  EXPECT_EQ(static_cast<UINT>(WM_SETFONT), m.front());
  EXPECT_EQ(m.end(), std::find(m.begin(), m.end(), static_cast<UINT>(WM_CREATE)));
  auto init = std::find(m.begin(), m.end(), static_cast<UINT>(WM_INITDIALOG));
  auto show = std::find(m.begin(), m.end(), static_cast<UINT>(WM_SHOWWINDOW));
  ASSERT_NE(m.end(), init);
  ASSERT_NE(m.end(), show);
  EXPECT_LT(init, show);
  EXPECT_EQ(1, std::count(m.begin(), m.end(), static_cast<UINT>(WM_INITDIALOG)));
  DestroyWindow(dlg);
}

TEST_F(DialogCreateTest, InitDialogTrueFocusesTheFirstTabStopWithItsTextSelected) {
  script.onInit = [](HWND dlg) { SetDlgItemText(dlg, IDC_NAME, "hello"); };
  HWND dlg = CreateSettings();
  ASSERT_TRUE(dlg);
  EXPECT_EQ(GetDlgItem(dlg, IDC_NAME), script.initFocus);
  EXPECT_EQ(IDC_NAME, FocusId());
  DWORD start = 0;
  DWORD end = 0;
  SendDlgItemMessage(dlg, IDC_NAME, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(0u, start);
  EXPECT_EQ(5u, end);
  EXPECT_EQ(MAKELONG(IDOK, DC_HASDEFID), SendMessage(dlg, DM_GETDEFID, 0, 0));
  DestroyWindow(dlg);
}

TEST_F(DialogCreateTest, InitDialogFalseKeepsTheFocusTheHandlerChose) {
  script.initAnswer = FALSE;
  script.onInit = [](HWND dlg) { SetFocus(GetDlgItem(dlg, IDC_COMMENT)); };
  HWND dlg = CreateSettings();
  ASSERT_TRUE(dlg);
  EXPECT_EQ(IDC_COMMENT, FocusId());
  DestroyWindow(dlg);
}

TEST_F(DialogCreateTest, AnUnknownControlClassFailsTheDialogUnlessNoFailCreate) {
  EXPECT_EQ(nullptr, CreateDialogParam(Module(), MAKEINTRESOURCE(IDD_CUSTOM), nullptr, &TestDialogProc, 0));
  EXPECT_EQ(-1, DialogBoxParam(Module(), MAKEINTRESOURCE(IDD_CUSTOM), nullptr, &TestDialogProc, 0));
  EXPECT_EQ(script.messages.end(),
            std::find(script.messages.begin(), script.messages.end(), static_cast<UINT>(WM_INITDIALOG)));

  DialogTemplateBuilder tolerant(WS_POPUP | WS_CAPTION | DS_NOFAILCREATE, 0, RECT{0, 0, 100, 50}, "Tolerant",
                                 {8, "MS Sans Serif"});
  tolerant.Item(WS_VISIBLE, 0, RECT{5, 5, 90, 20}, IDC_GRID, "GXWND", "")
      .Item(WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, RECT{5, 25, 55, 39}, IDOK, "Button", "OK");
  HWND dlg = CreateDialogIndirectParam(Module(), tolerant.Get(), nullptr, &TestDialogProc, 0);
  ASSERT_TRUE(dlg);
  EXPECT_EQ(nullptr, GetDlgItem(dlg, IDC_GRID));
  EXPECT_TRUE(GetDlgItem(dlg, IDOK));
  EXPECT_EQ("Tolerant", TextOf(dlg));
  DestroyWindow(dlg);
}

TEST_F(DialogCreateTest, ACustomControlClassIsCreatedWithItsTemplateStyle) {
  WNDCLASSEX wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &DefWindowProc;
  wc.hInstance = Module();
  wc.lpszClassName = "GXWND";
  ASSERT_TRUE(RegisterClassEx(&wc));
  HWND dlg = CreateDialogParam(Module(), MAKEINTRESOURCE(IDD_CUSTOM), nullptr, &TestDialogProc, 0);
  ASSERT_TRUE(dlg);
  HWND grid = GetDlgItem(dlg, IDC_GRID);
  ASSERT_TRUE(grid);
  EXPECT_TRUE(StyleOf(grid) & WS_TABSTOP);
  EXPECT_EQ(grid, script.initFocus);
  DestroyWindow(dlg);
}

TEST_F(DialogCreateTest, AChildDialogIsAControlParentInsideItsHost) {
  HWND host = CreateDialogParam(Module(), MAKEINTRESOURCE(IDD_HOST), nullptr, &TestDialogProc, 0);
  ASSERT_TRUE(host);
  HWND page = CreateDialogParam(Module(), MAKEINTRESOURCE(IDD_CHILD_PAGE), host, &TestDialogProc, 0);
  ASSERT_TRUE(page);
  EXPECT_EQ(host, GetParent(page));
  EXPECT_TRUE(StyleOf(page) & WS_CHILD);
  EXPECT_FALSE(StyleOf(page) & WS_CAPTION);
  EXPECT_TRUE(GetWindowLong(page, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
  HWND hostEdit = GetDlgItem(host, IDC_HOST_EDIT);
  HWND pageEdit = GetDlgItem(page, IDC_PAGE_EDIT);
  HWND pageCheck = GetDlgItem(page, IDC_PAGE_CHECK);
  HWND ok = GetDlgItem(host, IDOK);
  // The page comes after the host's controls in z-order: it was made last.
  EXPECT_EQ(ok, GetNextDlgTabItem(host, hostEdit, FALSE));
  EXPECT_EQ(pageEdit, GetNextDlgTabItem(host, ok, FALSE));
  EXPECT_EQ(pageCheck, GetNextDlgTabItem(host, pageEdit, FALSE));
  EXPECT_EQ(hostEdit, GetNextDlgTabItem(host, pageCheck, FALSE));
  EXPECT_EQ(pageCheck, GetNextDlgTabItem(host, hostEdit, TRUE));
  ShowWindow(page, SW_HIDE);
  EXPECT_EQ(hostEdit, GetNextDlgTabItem(host, ok, FALSE));
  DestroyWindow(host);
  EXPECT_FALSE(IsWindow(page));
}

TEST_F(DialogCreateTest, DialogInitFillsTheComboBox) {
  HWND dlg = CreateSettings();
  ASSERT_TRUE(dlg);
  EXPECT_TRUE(win32::ApplyDialogInit(dlg, Module(), MAKEINTRESOURCE(IDD_SETTINGS)));
  ASSERT_EQ(2, SendDlgItemMessage(dlg, IDC_KIND, CB_GETCOUNT, 0, 0));
  char text[32] = {};
  SendDlgItemMessage(dlg, IDC_KIND, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ("Rich", text);
  // A template without DLGINIT data has nothing to apply.
  EXPECT_TRUE(win32::ApplyDialogInit(dlg, Module(), MAKEINTRESOURCE(IDD_TINY)));
  DestroyWindow(dlg);
}

TEST_F(DialogCreateTest, CallsOnADestroyedDialogFailQuietly) {
  HWND dlg = CreateSettings();
  ASSERT_TRUE(dlg);
  DestroyWindow(dlg);
  RECT rc{0, 0, 10, 10};
  MSG msg{dlg, WM_KEYDOWN, VK_TAB, 0, 0, {}};
  EXPECT_FALSE(MapDialogRect(dlg, &rc));
  EXPECT_FALSE(EndDialog(dlg, 1));
  EXPECT_FALSE(IsDialogMessage(dlg, &msg));
  EXPECT_EQ(nullptr, GetNextDlgTabItem(dlg, nullptr, FALSE));
  EXPECT_EQ(nullptr, GetNextDlgGroupItem(dlg, nullptr, FALSE));
  EXPECT_FALSE(SetDlgItemText(dlg, IDC_NAME, "x"));
  EXPECT_FALSE(CheckDlgButton(dlg, IDC_VERBOSE, BST_CHECKED));
  EXPECT_FALSE(CheckRadioButton(dlg, IDC_FAST, IDC_THOROUGH, IDC_SAFE));
  EXPECT_EQ(0, SendMessage(dlg, DM_GETDEFID, 0, 0));
  EXPECT_FALSE(win32::ApplyDialogInit(dlg, Module(), MAKEINTRESOURCE(IDD_SETTINGS)));
}

}  // namespace
