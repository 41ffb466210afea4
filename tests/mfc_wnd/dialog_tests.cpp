// CDialog: modal dialogs from resources and from memory (answered through
// the robot), modeless dialogs, the owner disabled while a dialog runs,
// the standard buttons and keyboard messages through PreTranslateMessage.
#include <cstring>
#include <string>
#include <vector>

#include "resource.h"
#include "wnd_fixture.h"

namespace {

using halvane::test::Robot;
using halvane::test::Window;

class DialogTest : public WndTest {
 protected:
  CWinApp app{"Window Tests"};
};

class CValuesDialog : public CDialog {
 public:
  CValuesDialog() : CDialog(IDD_VALUES) {}
  std::vector<std::string> log;
  CString name = "initial";
  BOOL keepFocus = FALSE;

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    log.push_back("init");
    if (!keepFocus) return TRUE;
    GotoDlgCtrl(GetDlgItem(IDC_COUNT));
    return FALSE;
  }
  void OnOK() override {
    log.push_back("ok");
    CDialog::OnOK();
  }
  void OnCancel() override {
    log.push_back("cancel");
    CDialog::OnCancel();
  }

 protected:
  void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_NAME, name); }
};

TEST_F(DialogTest, ModalDialogFromTheResourcesRunsAndReturnsIdOk) {
  CValuesDialog dialog;
  bool ownerDisabled = false;
  CWnd owner;
  ASSERT_TRUE(CreateTopLevel(owner, "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
  app.m_pMainWnd = &owner;
  robot.onDialog("Values", [&](Robot& r, Window dlg) {
    ownerDisabled = !owner.IsWindowEnabled();
    EXPECT_EQ(dlg.child(IDC_NAME).text(), "initial") << "OnInitDialog loaded the members";
    EXPECT_EQ(r.focused(), dlg.child(IDC_NAME));
    ::SetWindowText(dlg.child(IDC_NAME).hwnd(), "changed");
    r.click(dlg.childByText("OK"));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(owner.IsWindowEnabled());
  EXPECT_EQ(std::string(dialog.name), "changed");
  EXPECT_EQ(dialog.log, (std::vector<std::string>{"init", "ok"}));
  EXPECT_EQ(dialog.m_hWnd, nullptr);
  app.m_pMainWnd = nullptr;
  owner.DestroyWindow();
}

TEST_F(DialogTest, EscapeCancelsWithoutSavingAndFalseKeepsTheChosenFocus) {
  CValuesDialog dialog;
  dialog.keepFocus = TRUE;
  robot.onDialog("Values", [](Robot& r, Window dlg) {
    EXPECT_EQ(r.focused(), dlg.child(IDC_COUNT));
    ::SetWindowText(dlg.child(IDC_NAME).hwnd(), "discarded");
    r.key(VK_ESCAPE);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(std::string(dialog.name), "initial");
  EXPECT_EQ(dialog.log, (std::vector<std::string>{"init", "cancel"}));
}

TEST_F(DialogTest, AMissingTemplateFails) {
  CDialog dialog(4242);
  EXPECT_EQ(dialog.DoModal(), -1);
  EXPECT_FALSE(dialog.Create(4242));
}

// A template built in memory: caption, one push button.
std::vector<WORD> MemoryTemplate() {
  std::vector<WORD> t;
  auto push32 = [&t](DWORD v) {
    t.push_back(LOWORD(v));
    t.push_back(HIWORD(v));
  };
  auto pushText = [&t](const char* text) {
    for (; *text; ++text) t.push_back(static_cast<WORD>(*text));
    t.push_back(0);
  };
  push32(DS_MODALFRAME | WS_POPUP | WS_CAPTION | DS_SETFONT);
  push32(0);
  t.push_back(1);  // one item
  t.push_back(0);
  t.push_back(0);
  t.push_back(120);
  t.push_back(50);
  t.push_back(0);  // no menu
  t.push_back(0);  // standard class
  pushText("From memory");
  t.push_back(8);
  pushText("MS Sans Serif");
  if (t.size() % 2) t.push_back(0);  // items on DWORD boundaries
  push32(WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON | WS_TABSTOP);
  push32(0);
  t.push_back(35);
  t.push_back(30);
  t.push_back(50);
  t.push_back(14);
  t.push_back(IDOK);
  t.push_back(0xFFFF);
  t.push_back(0x0080);  // button
  pushText("OK");
  t.push_back(0);  // no creation data
  return t;
}

TEST_F(DialogTest, ModalDialogFromATemplateInMemory) {
  const std::vector<WORD> memory = MemoryTemplate();
  CDialog dialog;
  ASSERT_TRUE(dialog.InitModalIndirect(reinterpret_cast<LPCDLGTEMPLATE>(memory.data())));
  robot.onDialog("From memory", [](Robot& r, Window dlg) { r.click(dlg.childByText("OK")); });
  EXPECT_EQ(dialog.DoModal(), IDOK);
}

class CModelessDialog : public CDialog {
 public:
  int destroyed = 0;

 protected:
  void OnOK() override { DestroyWindow(); }
  afx_msg void OnDestroy() {
    ++destroyed;
    CDialog::OnDestroy();
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CModelessDialog, CDialog)
  ON_WM_DESTROY()
END_MESSAGE_MAP()

TEST_F(DialogTest, ModelessDialogLivesUntilDestroyedAndTakesDialogKeys) {
  CModelessDialog dialog;
  ASSERT_TRUE(dialog.Create(IDD_MODELESS));
  ASSERT_NE(dialog.m_hWnd, nullptr);
  EXPECT_TRUE(dialog.IsWindowVisible());
  EXPECT_TRUE(win32::GetModalStack().empty());
  EXPECT_EQ(CWnd::FromHandlePermanent(dialog.m_hWnd), &dialog);
  robot.snapshot(Window(dialog.m_hWnd), "mfc_wnd_modeless");

  // The Enter key of the pump's PreTranslateMessage presses the default button.
  MSG msg{::GetFocus(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  CWinThread pump;
  EXPECT_TRUE(pump.PreTranslateMessage(&msg));
  robot.pumpUntilIdle();
  EXPECT_EQ(dialog.destroyed, 1);
  EXPECT_EQ(dialog.m_hWnd, nullptr);
}

class CKeyWatchingEdit : public CEdit {
 public:
  int enters = 0;
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message != WM_KEYDOWN || pMsg->wParam != VK_RETURN) return FALSE;
    ++enters;
    return TRUE;
  }
};

class CWatchingDialog : public CValuesDialog {
 public:
  CKeyWatchingEdit edit;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    CValuesDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COUNT, edit);
  }
};

TEST_F(DialogTest, AModalDialogsControlsSeeKeysBeforeTheDialogManager) {
  CWatchingDialog dialog;
  robot.onDialog("Values", [](Robot& r, Window dlg) {
    ::SetFocus(dlg.child(IDC_COUNT).hwnd());
    r.key(VK_RETURN);  // taken by the edit: the dialog stays
    r.key(VK_ESCAPE);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.edit.enters, 1);
  EXPECT_EQ(dialog.log, (std::vector<std::string>{"init", "cancel"}));
}

// An application that takes F1 itself, as programs with context help do,
// and a main window that records the keys offered to it.
class CHelpKeyApp : public CWinApp {
 public:
  CHelpKeyApp() : CWinApp("Key Tests") {}
  std::vector<HWND> helpKeys;
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_F1) {
      helpKeys.push_back(::GetActiveWindow());
      return TRUE;
    }
    return CWinApp::PreTranslateMessage(pMsg);
  }
};

class CKeyRecordingWnd : public CWnd {
 public:
  int keys = 0;
  BOOL PreTranslateMessage(MSG* pMsg) override {
    keys += pMsg->message == WM_KEYDOWN;
    return FALSE;
  }
};

class DialogAppKeysTest : public WndTest {
 protected:
  CHelpKeyApp app;
};

TEST_F(DialogAppKeysTest, AModalDialogsKeysReachTheApplicationFirstButNotTheDisabledOwner) {
  CKeyRecordingWnd main;
  ASSERT_TRUE(halvane::test::CreateTopLevel(main, "Main", WS_OVERLAPPEDWINDOW | WS_VISIBLE));
  app.m_pMainWnd = &main;
  CWatchingDialog dialog;
  HWND shown = nullptr;
  robot.onDialog("Values", [&](Robot& r, Window dlg) {
    shown = dlg.hwnd();
    ::SetFocus(dlg.child(IDC_COUNT).hwnd());
    r.key(VK_F1);
    r.key(VK_RETURN);  // still the edit's first
    r.key(VK_ESCAPE);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(app.helpKeys, (std::vector<HWND>{shown}));
  EXPECT_EQ(dialog.edit.enters, 1);
  EXPECT_EQ(main.keys, 0) << "the walk ends at the modal dialog";
  app.m_pMainWnd = nullptr;
  main.DestroyWindow();
}

TEST_F(DialogTest, DefaultButtonAndDialogUnits) {
  CValuesDialog dialog;
  robot.onDialog("Values", [&dialog](Robot& r, Window dlg) {
    EXPECT_EQ(LOWORD(dialog.GetDefID()), IDOK);
    dialog.SetDefID(IDCANCEL);
    EXPECT_EQ(LOWORD(dialog.GetDefID()), IDCANCEL);
    CRect units(0, 0, 4, 8);
    dialog.MapDialogRect(&units);
    EXPECT_GT(units.Width(), 0);
    EXPECT_GT(units.Height(), units.Width());
    dialog.NextDlgCtrl();
    EXPECT_EQ(r.focused(), dlg.child(IDC_COUNT));
    dialog.PrevDlgCtrl();
    EXPECT_EQ(r.focused(), dlg.child(IDC_NAME));
    r.key(VK_RETURN);  // now the default button is Cancel
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

}  // namespace
