// Keyboard navigation of a modal dialog, driven by injected keys from the
// modal idle hook.
#include <algorithm>
#include <iterator>
#include <vector>

#include "dialog_fixture.h"
#include "resource.h"

namespace {

class DialogKeysTest : public DialogTest {
 protected:
  // A step that moves the focus as the dialog manager does.
  void FocusOn(int id) {
    Then([id](HWND dlg) { SendMessage(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dlg, id)), TRUE); });
  }
  void Key(UINT vk) {
    Then([vk](HWND) { Press(vk); });
  }
  void KeyWith(UINT modifier, UINT vk) {
    Then([modifier, vk](HWND) { PressWith(modifier, vk); });
  }
  bool Saw(Command command) const {
    return std::find(script.commands.begin(), script.commands.end(), command) != script.commands.end();
  }
  // The buttons the dialog procedure was told were clicked, in order. The
  // edit's EN_SETFOCUS when the dialog opens and its EN_KILLFOCUS when
  // EndDialog takes the focus are Win32's too, but not what these tests see.
  std::vector<Command> Clicks() const {
    std::vector<Command> clicks;
    std::copy_if(script.commands.begin(), script.commands.end(), std::back_inserter(clicks),
                 [](const Command& c) { return c.code == BN_CLICKED; });
    return clicks;
  }
};

bool IsDefault(HWND dlg, int id) {
  return (GetWindowLong(GetDlgItem(dlg, id), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

TEST_F(DialogKeysTest, TabFollowsTheTemplateOrderAndShiftTabGoesBack) {
  std::vector<int> seen;
  RecordFocus(seen);
  for (int i = 0; i < 10; ++i) {
    Key(VK_TAB);
    RecordFocus(seen);
  }
  for (int i = 0; i < 2; ++i) {
    KeyWith(VK_SHIFT, VK_TAB);
    RecordFocus(seen);
  }
  Key(VK_ESCAPE);
  EXPECT_EQ(IDCANCEL, RunSettings());
  const std::vector<int> expected{IDC_NAME, IDC_COMMENT, IDC_VERBOSE, IDC_QUIET, IDC_FAST,  IDC_KIND, IDC_ITEMS,
                                  IDOK,     IDCANCEL,    IDC_APPLY,   IDC_NAME,  IDC_APPLY, IDCANCEL};
  EXPECT_EQ(expected, seen);
}

TEST_F(DialogKeysTest, TabAndTypingNotifyInWin32Order) {
  Then([this](HWND) { script.commands.clear(); });
  Key(VK_TAB);
  Then([](HWND) { TypeChar('a'); });
  Key(VK_TAB);
  Key(VK_ESCAPE);
  RunSettings();
  const std::vector<Command> expected{{IDC_NAME, EN_KILLFOCUS}, {IDC_COMMENT, EN_SETFOCUS},  {IDC_COMMENT, EN_UPDATE},
                                      {IDC_COMMENT, EN_CHANGE}, {IDC_COMMENT, EN_KILLFOCUS}, {IDCANCEL, BN_CLICKED}};
  EXPECT_EQ(expected, script.commands);
}

TEST_F(DialogKeysTest, TabIntoAnEditSelectsItsText) {
  script.onInit = [](HWND dlg) { SetDlgItemText(dlg, IDC_COMMENT, "abc"); };
  DWORD start = 99;
  DWORD end = 99;
  Key(VK_TAB);
  Then([&](HWND dlg) {
    SendDlgItemMessage(dlg, IDC_COMMENT, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EndDialog(dlg, IDOK);
  });
  EXPECT_EQ(IDOK, RunSettings());
  EXPECT_EQ(0u, start);
  EXPECT_EQ(3u, end);
}

TEST_F(DialogKeysTest, ArrowsMoveWithinTheRadioGroupAndCheckTheNewButton) {
  script.onInit = [](HWND dlg) { CheckRadioButton(dlg, IDC_FAST, IDC_THOROUGH, IDC_FAST); };
  std::vector<int> seen;
  FocusOn(IDC_FAST);
  Key(VK_DOWN);
  RecordFocus(seen);
  UINT fast = 9;
  UINT safe = 9;
  Then([&](HWND dlg) {
    fast = IsDlgButtonChecked(dlg, IDC_FAST);
    safe = IsDlgButtonChecked(dlg, IDC_SAFE);
  });
  Key(VK_DOWN);
  Key(VK_DOWN);
  RecordFocus(seen);
  Key(VK_UP);
  RecordFocus(seen);
  Then([](HWND dlg) { EndDialog(dlg, IDOK); });
  EXPECT_EQ(IDOK, RunSettings());
  EXPECT_EQ((std::vector<int>{IDC_SAFE, IDC_FAST, IDC_THOROUGH}), seen);
  EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), fast);
  EXPECT_EQ(static_cast<UINT>(BST_CHECKED), safe);
  EXPECT_TRUE(Saw({IDC_SAFE, BN_CLICKED}));
  EXPECT_TRUE(Saw({IDC_THOROUGH, BN_CLICKED}));
}

TEST_F(DialogKeysTest, ArrowsMoveBetweenCheckBoxesWithoutCheckingThem) {
  std::vector<int> seen;
  FocusOn(IDC_VERBOSE);
  Key(VK_RIGHT);
  RecordFocus(seen);
  UINT quiet = 9;
  Then([&](HWND dlg) {
    quiet = IsDlgButtonChecked(dlg, IDC_QUIET);
    EndDialog(dlg, IDOK);
  });
  RunSettings();
  EXPECT_EQ(std::vector<int>{IDC_QUIET}, seen);
  EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), quiet);
}

TEST_F(DialogKeysTest, EnterInAnEditPressesTheDefaultButton) {
  Key(VK_RETURN);
  EXPECT_EQ(IDOK, RunSettings());
  EXPECT_EQ((std::vector<Command>{{IDOK, BN_CLICKED}}), Clicks());
}

TEST_F(DialogKeysTest, TheFocusedPushButtonTakesEnterAndTheDefaultLook) {
  bool applyDefault = false;
  bool okDefault = true;
  FocusOn(IDC_APPLY);
  Then([&](HWND dlg) {
    applyDefault = IsDefault(dlg, IDC_APPLY);
    okDefault = IsDefault(dlg, IDOK);
  });
  Key(VK_RETURN);
  FocusOn(IDC_NAME);
  bool okBack = false;
  bool applyBack = true;
  Then([&](HWND dlg) {
    okBack = IsDefault(dlg, IDOK);
    applyBack = IsDefault(dlg, IDC_APPLY);
  });
  Key(VK_RETURN);
  EXPECT_EQ(IDOK, RunSettings());
  EXPECT_TRUE(applyDefault);
  EXPECT_FALSE(okDefault);
  EXPECT_TRUE(okBack);
  EXPECT_FALSE(applyBack);
  EXPECT_EQ((std::vector<Command>{{IDC_APPLY, BN_CLICKED}, {IDOK, BN_CLICKED}}), Clicks());
}

TEST_F(DialogKeysTest, DmSetDefIdMovesTheDefaultButton) {
  LRESULT defId = 0;
  bool applyDefault = false;
  bool okDefault = true;
  Then([&](HWND dlg) {
    SendMessage(dlg, DM_SETDEFID, IDC_APPLY, 0);
    defId = SendMessage(dlg, DM_GETDEFID, 0, 0);
    applyDefault = IsDefault(dlg, IDC_APPLY);
    okDefault = IsDefault(dlg, IDOK);
  });
  Key(VK_RETURN);
  Key(VK_ESCAPE);
  EXPECT_EQ(IDCANCEL, RunSettings());
  EXPECT_EQ(MAKELONG(IDC_APPLY, DC_HASDEFID), defId);
  EXPECT_TRUE(applyDefault);
  EXPECT_FALSE(okDefault);
  EXPECT_EQ((std::vector<Command>{{IDC_APPLY, BN_CLICKED}, {IDCANCEL, BN_CLICKED}}), Clicks());
}

TEST_F(DialogKeysTest, EnterWithADisabledDefaultButtonDoesNothing) {
  script.onInit = [](HWND dlg) { EnableWindow(GetDlgItem(dlg, IDOK), FALSE); };
  Key(VK_RETURN);
  Key(VK_ESCAPE);
  EXPECT_EQ(IDCANCEL, RunSettings());
  EXPECT_EQ((std::vector<Command>{{IDCANCEL, BN_CLICKED}}), Clicks());
}

TEST_F(DialogKeysTest, MnemonicsFocusLabelledControlsAndClickButtons) {
  std::vector<int> seen;
  KeyWith(VK_MENU, 'M');  // "Co&mment:" leads to the edit after it
  RecordFocus(seen);
  KeyWith(VK_MENU, 'V');  // "&Verbose" toggles the check box
  RecordFocus(seen);
  Then([](HWND) { TypeChar('q'); });  // a check box does not want characters
  RecordFocus(seen);
  UINT verbose = 9;
  UINT quiet = 9;
  Then([&](HWND dlg) {
    verbose = IsDlgButtonChecked(dlg, IDC_VERBOSE);
    quiet = IsDlgButtonChecked(dlg, IDC_QUIET);
  });
  KeyWith(VK_MENU, 'A');  // "&Apply" clicks the push button
  KeyWith(VK_MENU, 'N');
  Then([](HWND) { TypeChar('v'); });  // typed into the edit, not a mnemonic
  std::string name;
  Then([&](HWND dlg) {
    name = TextOf(GetDlgItem(dlg, IDC_NAME));
    EndDialog(dlg, IDOK);
  });
  RunSettings();
  EXPECT_EQ((std::vector<int>{IDC_COMMENT, IDC_VERBOSE, IDC_QUIET}), seen);
  EXPECT_EQ(static_cast<UINT>(BST_CHECKED), verbose);
  EXPECT_EQ(static_cast<UINT>(BST_CHECKED), quiet);
  EXPECT_EQ("v", name);
  EXPECT_TRUE(Saw({IDC_APPLY, BN_CLICKED}));
  EXPECT_TRUE(Saw({IDC_VERBOSE, BN_CLICKED}));
}

TEST_F(DialogKeysTest, CloseAndAltF4AreCancel) {
  Then([](HWND dlg) { PostMessage(dlg, WM_CLOSE, 0, 0); });
  EXPECT_EQ(IDCANCEL, RunSettings());
  KeyWith(VK_MENU, VK_F4);
  EXPECT_EQ(IDCANCEL, RunSettings());
  EXPECT_EQ((std::vector<Command>{{IDCANCEL, BN_CLICKED}, {IDCANCEL, BN_CLICKED}}), Clicks());
}

TEST_F(DialogKeysTest, ADisabledCancelButtonRefusesCloseAndEscape) {
  script.onInit = [](HWND dlg) { EnableWindow(GetDlgItem(dlg, IDCANCEL), FALSE); };
  bool stillThere = false;
  Then([](HWND dlg) { PostMessage(dlg, WM_CLOSE, 0, 0); });
  Key(VK_ESCAPE);
  Then([&](HWND dlg) {
    stillThere = IsWindowVisible(dlg) != FALSE;
    EndDialog(dlg, 77);
  });
  EXPECT_EQ(77, RunSettings());
  EXPECT_TRUE(stillThere);
  EXPECT_TRUE(Clicks().empty());
}

TEST_F(DialogKeysTest, ModelessDialogsTakeTheirKeysThroughIsDialogMessage) {
  HWND dlg = CreateSettings();
  ASSERT_TRUE(dlg);
  const auto pump = [dlg] {
    MSG msg{};
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (!IsDialogMessage(dlg, &msg)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
      }
    }
  };
  PressWith(VK_SHIFT, VK_TAB);
  pump();
  // Read before Escape: EndDialog moves the focus off the dialog's controls.
  EXPECT_EQ(IDC_APPLY, FocusId());
  Press(VK_ESCAPE);
  pump();
  EXPECT_EQ((std::vector<Command>{{IDCANCEL, BN_CLICKED}}), Clicks());
  // EndDialog hides a modeless dialog; it stays until destroyed.
  EXPECT_FALSE(IsWindowVisible(dlg));
  EXPECT_TRUE(IsWindow(dlg));
  DestroyWindow(dlg);
}

}  // namespace
