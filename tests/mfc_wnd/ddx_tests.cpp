// Data exchange: values round trip between members and controls, and a
// bad value gets the standard message, the focus back on its control with
// the text selected, and the dialog stays open.
#include <string>
#include <vector>

#include "resource.h"
#include "wnd_fixture.h"

namespace {

using halvane::test::Robot;
using halvane::test::Window;

class DdxTest : public WndTest {
 protected:
  CWinApp app{"Window Tests"};
};

class CValues : public CDialog {
 public:
  CValues() : CDialog(IDD_VALUES) {}
  CString name = "Ada";
  int count = 7;
  double ratio = 0.25;
  int minCount = 0;
  int maxCount = 100;
  int maxName = 10;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Text(pDX, IDC_NAME, name);
    DDV_MaxChars(pDX, name, maxName);
    DDX_Text(pDX, IDC_COUNT, count);
    DDV_MinMaxInt(pDX, count, minCount, maxCount);
    DDX_Text(pDX, IDC_RATIO, ratio);
  }
};

void SetText(Window dlg, int id, const char* text) { ::SetWindowText(dlg.child(id).hwnd(), text); }

TEST_F(DdxTest, TextAndNumbersRoundTrip) {
  CValues dialog;
  robot.onDialog("Values", [](Robot& r, Window dlg) {
    EXPECT_EQ(dlg.child(IDC_NAME).text(), "Ada");
    EXPECT_EQ(dlg.child(IDC_COUNT).text(), "7");
    EXPECT_EQ(dlg.child(IDC_RATIO).text(), "0.25");
    SetText(dlg, IDC_NAME, "Grace");
    SetText(dlg, IDC_COUNT, " 42 ");
    SetText(dlg, IDC_RATIO, "-1.5e3");
    r.click(dlg.childByText("OK"));
  });
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(std::string(dialog.name), "Grace");
  EXPECT_EQ(dialog.count, 42);
  EXPECT_DOUBLE_EQ(dialog.ratio, -1500.0);
}

// Runs the dialog with a bad value in one field: the message box must
// name the problem; the second round fixes the field and confirms.
void ExpectFailure(Robot& robot, CValues& dialog, int field, const char* bad, const char* good,
                   const std::string& message) {
  int round = 0;
  std::string shown;
  robot
      .onDialog("Values",
                [&](Robot& r, Window dlg) {
                  if (round++ == 0) {
                    SetText(dlg, field, bad);
                    r.click(dlg.childByText("OK"));
                    return;
                  }
                  // Back on the failing field with all its text selected.
                  EXPECT_EQ(r.focused(), dlg.child(field));
                  DWORD start = 0, end = 0;
                  ::SendMessage(dlg.child(field).hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                                reinterpret_cast<LPARAM>(&end));
                  EXPECT_EQ(start, 0u);
                  EXPECT_EQ(end, std::string(bad).size());
                  SetText(dlg, field, good);
                  r.click(dlg.childByText("OK"));
                })
      .times(2);
  robot.onDialog("Window Tests", [&shown](Robot& r, Window box) {
    for (const std::string& text : r.texts(box)) {
      if (text.find("Please") != std::string::npos) shown = text;
    }
    r.click(box.childByText("OK"));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(shown, message);
}

TEST_F(DdxTest, NotAnIntegerIsRefusedWithTheStandardMessage) {
  CValues dialog;
  ExpectFailure(robot, dialog, IDC_COUNT, "12abc", "12", "Please enter an integer.");
  EXPECT_EQ(dialog.count, 12);
}

TEST_F(DdxTest, OutOfRangeNamesTheBounds) {
  CValues dialog;
  dialog.minCount = -5;
  dialog.maxCount = 20;
  ExpectFailure(robot, dialog, IDC_COUNT, "21", "20", "Please enter an integer between -5 and 20.");
  EXPECT_EQ(dialog.count, 20);
}

TEST_F(DdxTest, TooLongTextNamesTheLimit) {
  CValues dialog;
  dialog.maxName = 4;
  ExpectFailure(robot, dialog, IDC_NAME, "Lovelace", "Ada", "Please enter no more than 4 characters.");
  EXPECT_EQ(std::string(dialog.name), "Ada");
}

TEST_F(DdxTest, NotANumberIsRefused) {
  CValues dialog;
  ExpectFailure(robot, dialog, IDC_RATIO, "1,5", "1.5", "Please enter a number.");
  EXPECT_DOUBLE_EQ(dialog.ratio, 1.5);
}

TEST_F(DdxTest, MaxCharsLimitsTheEditWhenLoading) {
  CValues dialog;
  dialog.maxName = 6;
  robot.onDialog("Values", [](Robot& r, Window dlg) {
    EXPECT_EQ(::SendMessage(dlg.child(IDC_NAME).hwnd(), EM_GETLIMITTEXT, 0, 0), 6);
    r.key(VK_ESCAPE);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

// Counts the name edit's change notifications.
class CWatchedValues : public CValues {
 public:
  int changes = 0;

 protected:
  afx_msg void OnChangeName() { ++changes; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CWatchedValues, CValues)
  ON_EN_CHANGE(IDC_NAME, OnChangeName)
END_MESSAGE_MAP()

TEST_F(DdxTest, LoadingAnUnchangedTextSendsNoChangeNotification) {
  CWatchedValues dialog;
  robot.onDialog("Values", [&dialog](Robot& r, Window) {
    EXPECT_EQ(dialog.changes, 1) << "the first load sets the name";
    dialog.UpdateData(FALSE);
    EXPECT_EQ(dialog.changes, 1);
    dialog.name = "Grace";
    dialog.UpdateData(FALSE);
    EXPECT_EQ(dialog.changes, 2);
    r.key(VK_ESCAPE);
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

class CUnsignedValues : public CDialog {
 public:
  CUnsignedValues() : CDialog(IDD_VALUES) {}
  UINT count = 3;
  long big = -40000L;
  BYTE small = 200;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Text(pDX, IDC_COUNT, count);
    DDV_MinMaxUInt(pDX, count, 1, 9);
    DDX_Text(pDX, IDC_NAME, big);
    DDX_Text(pDX, IDC_RATIO, small);
  }
};

TEST_F(DdxTest, UnsignedLongAndByteFields) {
  CUnsignedValues dialog;
  int round = 0;
  std::vector<std::string> messages;
  robot
      .onDialog("Values",
                [&](Robot& r, Window dlg) {
                  if (round == 0) {
                    EXPECT_EQ(dlg.child(IDC_NAME).text(), "-40000");
                    EXPECT_EQ(dlg.child(IDC_RATIO).text(), "200");
                    SetText(dlg, IDC_COUNT, "-1");
                  } else if (round == 1) {
                    SetText(dlg, IDC_COUNT, "10");
                  } else if (round == 2) {
                    SetText(dlg, IDC_COUNT, "9");
                    SetText(dlg, IDC_RATIO, "256");
                  } else {
                    SetText(dlg, IDC_RATIO, "255");
                  }
                  ++round;
                  r.click(dlg.childByText("OK"));
                })
      .times(4);
  robot
      .onDialog("Window Tests",
                [&messages](Robot& r, Window box) {
                  for (const std::string& text : r.texts(box)) {
                    if (text.find("Please") != std::string::npos) messages.push_back(text);
                  }
                  r.click(box.childByText("OK"));
                })
      .times(3);
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(messages,
            (std::vector<std::string>{"Please enter a positive integer.", "Please enter an integer between 1 and 9.",
                                      "Please enter an integer between 0 and 255."}));
  EXPECT_EQ(dialog.count, 9u);
  EXPECT_EQ(dialog.small, 255);
}

class CChoices : public CDialog {
 public:
  CChoices() : CDialog(IDD_CHOICES) {}
  int verbose = 2;
  int mode = 1;
  CString kind = "Rich";
  CString item = "beta";
  int kindIndex = -2;
  int itemIndex = -2;

 protected:
  BOOL OnInitDialog() override {
    for (const char* text : {"Plain", "Rich", "Richer"}) GetDlgItemAs<CComboBox>(IDC_KIND)->AddString(text);
    for (const char* text : {"alpha", "beta", "gamma"}) GetDlgItemAs<CListBox>(IDC_ITEMS)->AddString(text);
    return CDialog::OnInitDialog();
  }
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Check(pDX, IDC_VERBOSE, verbose);
    DDX_Radio(pDX, IDC_FAST, mode);
    DDX_CBStringExact(pDX, IDC_KIND, kind);
    DDX_LBString(pDX, IDC_ITEMS, item);
    if (pDX->m_bSaveAndValidate) {
      DDX_CBIndex(pDX, IDC_KIND, kindIndex);
      DDX_LBIndex(pDX, IDC_ITEMS, itemIndex);
    }
  }
};

TEST_F(DdxTest, ButtonsRadiosAndListsRoundTrip) {
  CChoices dialog;
  robot.onDialog("Choices", [](Robot& r, Window dlg) {
    EXPECT_EQ(dlg.child(IDC_VERBOSE).checked(), BST_INDETERMINATE);
    EXPECT_EQ(dlg.child(IDC_SAFE).checked(), BST_CHECKED);
    EXPECT_EQ(dlg.child(IDC_FAST).checked(), BST_UNCHECKED);
    EXPECT_EQ(dlg.child(IDC_KIND).selectedIndex(), 1) << "exact match, not the prefix";
    EXPECT_EQ(dlg.child(IDC_ITEMS).selectedIndex(), 1);
    r.snapshot(dlg, "mfc_wnd_choices");
    r.click(dlg.child(IDC_THOROUGH));
    r.click(dlg.child(IDC_VERBOSE));  // indeterminate -> unchecked
    r.choose(dlg.child(IDC_KIND), "Richer");
    r.select(dlg.child(IDC_ITEMS), "gamma");
    r.click(dlg.childByText("OK"));
  });
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.mode, 2);
  EXPECT_EQ(dialog.verbose, BST_UNCHECKED);
  EXPECT_EQ(std::string(dialog.kind), "Richer");
  EXPECT_EQ(std::string(dialog.item), "gamma");
  EXPECT_EQ(dialog.kindIndex, 2);
  EXPECT_EQ(dialog.itemIndex, 2);
}

TEST_F(DdxTest, NoRadioCheckedSavesMinusOne) {
  CChoices dialog;
  dialog.mode = -1;
  robot.onDialog("Choices", [](Robot& r, Window dlg) {
    EXPECT_EQ(dlg.child(IDC_FAST).checked(), BST_UNCHECKED);
    r.click(dlg.childByText("OK"));
  });
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.mode, -1);
}

}  // namespace
