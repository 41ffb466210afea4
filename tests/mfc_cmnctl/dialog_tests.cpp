// The wrappers on the controls of a dialog template: DDX_Control and
// SubclassDlgItem attach them, resources load through the chain, the
// robot works the dialog, and a subclassed tree sees its reflected
// notifications.
#include <string>
#include <vector>

#include "cmnctl_fixture.h"
#include "resource.h"

namespace {

using halvane::test::Robot;
using halvane::test::Window;

// A tree that records the selections it is told of through reflection.
class CSelectionTree : public CTreeCtrl {
 public:
  std::vector<std::string> selected;

 protected:
  void OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult) {
    const auto* info = reinterpret_cast<NMTREEVIEW*>(pNMHDR);
    selected.emplace_back(GetItemText(info->itemNew.hItem));
    *pResult = 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelectionTree, CTreeCtrl)
  ON_NOTIFY_REFLECT(TVN_SELCHANGED, OnSelChanged)
END_MESSAGE_MAP()

class CControlsDialog : public CDialog {
 public:
  CControlsDialog() : CDialog(IDD_CONTROLS) {}

  CListCtrl list;
  CSelectionTree tree;
  CTabCtrl tabs;
  CProgressCtrl progress;
  CAnimateCtrl animate;
  CSpinButtonCtrl spin;
  CImageList images;
  BOOL clipOpened = FALSE;
  int chosenRow = -1;
  int spinPos = 0;

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    // The animation is attached by hand, the others by data exchange.
    animate.SubclassDlgItem(IDC_ANIMATE, this);
    clipOpened = animate.Open(IDR_CLIP);
    images.Create(IDB_STRIP, 4, 1, RGB(255, 0, 255));
    list.SetImageList(&images, LVSIL_SMALL);
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
    for (const char* name : {"first", "second", "third"}) list.InsertItem(list.GetItemCount(), name, 0);
    HTREEITEM root = tree.InsertItem("Root");
    tree.InsertItem("Leaf", root);
    tabs.InsertItem(0, "One");
    tabs.InsertItem(1, "Two");
    progress.SetRange(0, 10);
    progress.SetPos(3);
    spin.SetRange(0, 50);
    spin.SetPos(5);
    return TRUE;
  }
  void OnOK() override {
    chosenRow = list.GetNextItem(-1, LVNI_SELECTED);
    spinPos = LOWORD(spin.GetPos());
    CDialog::OnOK();
  }

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LIST, list);
    DDX_Control(pDX, IDC_TREE, tree);
    DDX_Control(pDX, IDC_TABS, tabs);
    DDX_Control(pDX, IDC_PROGRESS, progress);
    DDX_Control(pDX, IDC_SPIN, spin);
  }
};

class DialogControlsTest : public CmnCtlTest {
 protected:
  CWinApp app{"Common Controls Tests"};
};

TEST_F(DialogControlsTest, TemplateControlsAttachAndAnswerTheRobot) {
  CControlsDialog dialog;
  robot.onDialog("Controls", [&](Robot& r, Window dlg) {
    EXPECT_EQ(CWnd::FromHandlePermanent(dlg.child(IDC_LIST).hwnd()), &dialog.list);
    EXPECT_EQ(CWnd::FromHandlePermanent(dlg.child(IDC_ANIMATE).hwnd()), &dialog.animate);
    EXPECT_TRUE(dialog.clipOpened) << "the clip came from the resources";
    EXPECT_TRUE(dialog.animate.Play(0, 0xFFFF, 1));
    EXPECT_EQ(dialog.images.GetImageCount(), 2) << "the strip held two images";
    EXPECT_EQ(dialog.list.GetImageList(LVSIL_SMALL), &dialog.images);
    int low = 0, high = 0;
    dialog.progress.GetRange(low, high);
    EXPECT_EQ(high, 10);
    EXPECT_EQ(dialog.progress.GetPos(), 3);
    EXPECT_EQ(dialog.spin.GetBuddy()->GetDlgCtrlID(), IDC_SPIN_BUDDY) << "UDS_AUTOBUDDY took the edit";
    EXPECT_EQ(dlg.child(IDC_SPIN_BUDDY).text(), "5");

    r.clickListViewItem(dlg.child(IDC_LIST), 1);
    r.selectTreeItem(dlg.child(IDC_TREE), {"Root", "Leaf"});
    r.selectTab(dlg.child(IDC_TABS), "Two");
    EXPECT_EQ(dialog.tabs.GetCurSel(), 1);
    r.click(dlg.child(IDC_SPIN_BUDDY));
    r.key(VK_UP);
    r.click(dlg.childByText("OK"));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.chosenRow, 1);
  EXPECT_EQ(dialog.spinPos, 6) << "the arrow key stepped the buddy's spin";
  EXPECT_EQ(dialog.tree.selected, std::vector<std::string>{"Leaf"});
  EXPECT_EQ(dialog.list.m_hWnd, nullptr) << "the wrappers let go with the dialog";
}

TEST_F(DialogControlsTest, MissingResourcesFailWithoutHarm) {
  CImageList images;
  EXPECT_FALSE(images.Create(9999, 4, 1, CLR_NONE));
  EXPECT_EQ(images.GetSafeHandle(), nullptr);
  CWnd parent;
  ASSERT_TRUE(CreateParent(parent, "Missing"));
  CAnimateCtrl animate;
  ASSERT_TRUE(animate.Create(WS_VISIBLE, CRect(0, 0, 20, 20), &parent, 1));
  EXPECT_FALSE(animate.Open(9999));
  EXPECT_FALSE(animate.IsPlaying());
  parent.DestroyWindow();
}

}  // namespace
