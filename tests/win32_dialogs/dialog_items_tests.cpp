// The helpers on dialog items.
#include "dialog_fixture.h"
#include "resource.h"
#include "robot.h"

namespace {

class DialogItemsTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    dlg = CreateSettings();
    ASSERT_TRUE(dlg);
  }
  void TearDown() override {
    DestroyWindow(dlg);
    DialogTest::TearDown();
  }
  HWND dlg = nullptr;
};

TEST_F(DialogItemsTest, TextRoundTripsAndMissingItemsAnswerEmpty) {
  EXPECT_TRUE(SetDlgItemText(dlg, IDC_NAME, "Orders"));
  char buffer[16] = "junk";
  EXPECT_EQ(6u, GetDlgItemText(dlg, IDC_NAME, buffer, sizeof buffer));
  EXPECT_STREQ("Orders", buffer);
  EXPECT_EQ(3u, GetDlgItemText(dlg, IDC_NAME, buffer, 4));
  EXPECT_STREQ("Ord", buffer);
  EXPECT_FALSE(SetDlgItemText(dlg, 4242, "x"));
  EXPECT_EQ(0u, GetDlgItemText(dlg, 4242, buffer, sizeof buffer));
  EXPECT_STREQ("", buffer);
}

TEST_F(DialogItemsTest, IntegersParseSignedAndUnsignedWithTheTranslatedFlag) {
  BOOL ok = FALSE;
  SetDlgItemInt(dlg, IDC_NAME, static_cast<UINT>(-42), TRUE);
  EXPECT_EQ("-42", TextOf(GetDlgItem(dlg, IDC_NAME)));
  EXPECT_EQ(-42, static_cast<int>(GetDlgItemInt(dlg, IDC_NAME, &ok, TRUE)));
  EXPECT_TRUE(ok);
  EXPECT_EQ(0u, GetDlgItemInt(dlg, IDC_NAME, &ok, FALSE));
  EXPECT_FALSE(ok);
  SetDlgItemInt(dlg, IDC_NAME, 4000000000u, FALSE);
  EXPECT_EQ(4000000000u, GetDlgItemInt(dlg, IDC_NAME, &ok, FALSE));
  EXPECT_TRUE(ok);
  EXPECT_EQ(0u, GetDlgItemInt(dlg, IDC_NAME, &ok, TRUE));  // beyond INT_MAX
  EXPECT_FALSE(ok);
  for (const char* bad : {"", "12a", "1 2", "abc", "99999999999"}) {
    SetDlgItemText(dlg, IDC_NAME, bad);
    ok = TRUE;
    EXPECT_EQ(0u, GetDlgItemInt(dlg, IDC_NAME, &ok, TRUE)) << bad;
    EXPECT_FALSE(ok) << bad;
  }
  SetDlgItemText(dlg, IDC_NAME, "  17 ");
  EXPECT_EQ(17u, GetDlgItemInt(dlg, IDC_NAME, nullptr, FALSE));
}

TEST_F(DialogItemsTest, CheckRadioButtonChecksOneAndClearsTheRangeSilently) {
  CheckDlgButton(dlg, IDC_FAST, BST_CHECKED);
  CheckDlgButton(dlg, IDC_THOROUGH, BST_CHECKED);
  script.commands.clear();
  EXPECT_TRUE(CheckRadioButton(dlg, IDC_FAST, IDC_THOROUGH, IDC_SAFE));
  EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), IsDlgButtonChecked(dlg, IDC_FAST));
  EXPECT_EQ(static_cast<UINT>(BST_CHECKED), IsDlgButtonChecked(dlg, IDC_SAFE));
  EXPECT_EQ(static_cast<UINT>(BST_UNCHECKED), IsDlgButtonChecked(dlg, IDC_THOROUGH));
  EXPECT_TRUE(script.commands.empty());
  EXPECT_TRUE(CheckDlgButton(dlg, IDC_VERBOSE, BST_CHECKED));
  EXPECT_EQ(static_cast<UINT>(BST_CHECKED), IsDlgButtonChecked(dlg, IDC_VERBOSE));
}

TEST_F(DialogItemsTest, GroupItemsWrapWithinTheirGroup) {
  HWND fast = GetDlgItem(dlg, IDC_FAST);
  HWND safe = GetDlgItem(dlg, IDC_SAFE);
  HWND thorough = GetDlgItem(dlg, IDC_THOROUGH);
  EXPECT_EQ(safe, GetNextDlgGroupItem(dlg, fast, FALSE));
  EXPECT_EQ(fast, GetNextDlgGroupItem(dlg, thorough, FALSE));
  EXPECT_EQ(thorough, GetNextDlgGroupItem(dlg, fast, TRUE));
  EnableWindow(safe, FALSE);
  EXPECT_EQ(thorough, GetNextDlgGroupItem(dlg, fast, FALSE));
  ShowWindow(thorough, SW_HIDE);
  EXPECT_EQ(fast, GetNextDlgGroupItem(dlg, fast, FALSE));
  // Disabled and hidden controls are no tab stops either.
  EnableWindow(GetDlgItem(dlg, IDC_COMMENT), FALSE);
  EXPECT_EQ(GetDlgItem(dlg, IDC_VERBOSE), GetNextDlgTabItem(dlg, GetDlgItem(dlg, IDC_NAME), FALSE));
}

TEST_F(DialogItemsTest, SnapshotOfTheSettingsDialog) {
  CheckRadioButton(dlg, IDC_FAST, IDC_THOROUGH, IDC_SAFE);
  CheckDlgButton(dlg, IDC_VERBOSE, BST_CHECKED);
  SetDlgItemText(dlg, IDC_NAME, "Orders");
  win32::ApplyDialogInit(dlg, Module(), MAKEINTRESOURCE(IDD_SETTINGS));
  SendDlgItemMessage(dlg, IDC_KIND, CB_SETCURSEL, 0, 0);
  SendDlgItemMessage(dlg, IDC_ITEMS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("First"));
  SendDlgItemMessage(dlg, IDC_ITEMS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Second"));
  SendMessage(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dlg, IDC_NAME)), TRUE);
  halvane::test::Snapshot(dlg, "settings_dialog");
}

}  // namespace
