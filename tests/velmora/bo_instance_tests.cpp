// The business-object instance editor in its dialog, over a real instance
// of a business object that contains another and a container of them: the
// rows, in-place value editing, the context menu's enabling and commands,
// the verbs, the library's own resources and a snapshot.
#include <BOAttrType.h>
#include <BusObjContainer.h>
#include <BusinessObject.h>
#include <win32/winuser.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "DlgBase.h"
#include "fennick_test_support.h"
#include "resource.h"
#include "tree_list_fixture.h"
#include "velmora_fixture.h"

namespace {

using halvane::test::Robot;
using halvane::test::Window;
using namespace tree_list_test;

constexpr const char* kTitle = "Business Object";

// Customer attributes, in order.
constexpr int kName = 0;
constexpr int kAge = 1;
constexpr int kHome = 2;
constexpr int kShipping = 3;
// Address attributes.
constexpr int kStreet = 0;

constexpr UINT kMenuCommands[] = {
    ID_BOINST_ADD,    ID_BOINST_REMOVE, ID_BOINST_REMOVE_ALL, ID_BOINST_RETRIEVE,
    ID_BOINST_DELETE, ID_BOINST_CREATE, ID_BOINST_UPDATE,     ID_BOINST_NONE,
};
const std::vector<UINT> kVerbCommands = {ID_BOINST_RETRIEVE, ID_BOINST_DELETE, ID_BOINST_CREATE, ID_BOINST_UPDATE,
                                         ID_BOINST_NONE};

std::vector<UINT> With(std::vector<UINT> ids, const std::vector<UINT>& more) {
  ids.insert(ids.end(), more.begin(), more.end());
  return ids;
}

// The dialog as a host uses it: the editor filled when the dialog starts.
class CInstanceDlg : public CDlgBase {
 public:
  BusinessObject* object = nullptr;

 protected:
  BOOL OnInitDialog() override {
    CDlgBase::OnInitDialog();
    m_tlBOInst.Initialize(CDataManager::InitInstance()->GetServer());
    m_tlBOInst.Populate(object);
    return TRUE;
  }
};

class InstanceEditorTest : public VelmoraTest {
 protected:
  void SetUp() override {
    VelmoraTest::SetUp();
    server = std::make_unique<fennick_test::TestServer>();
    server->DefineCustomer();
    ASSERT_FALSE(HasFailure());
    // Ann, at home at the default address whose verb is "null", ships to
    // two addresses of which the first is to be created.
    customer = std::make_unique<BusinessObject>("Customer");
    ASSERT_EQ(customer->setAttrText(kName, "Ann"), BO_OK);
    auto home = Address("Home St");
    home->setVerb("null");
    ASSERT_EQ(customer->setAttributeValue(kHome, home.release(), 0), BO_OK);
    auto first = Address("First St");
    first->setVerb("Create");
    ASSERT_EQ(customer->setAttributeValue(kShipping, first.release(), 0), BO_OK);
    ASSERT_EQ(customer->setAttributeValue(kShipping, Address("Second St").release(), 0), BO_OK);
    dialog.object = customer.get();
  }
  void TearDown() override {
    customer.reset();
    server.reset();
    VelmoraTest::TearDown();
  }

  static std::unique_ptr<BusinessObject> Address(const char* street) {
    auto address = std::make_unique<BusinessObject>("Address");
    EXPECT_EQ(address->setAttrText(kStreet, street), BO_OK);
    return address;
  }
  BusinessObject* Home() const { return static_cast<BusinessObject*>(customer->getAttrValue(kHome)); }
  BusObjContainer* Shipping() const { return static_cast<BusObjContainer*>(customer->getAttrValue(kShipping)); }

  // Runs `body` while the dialog is open, then cancels it.
  void Run(const std::function<void(Window dialog, Window list)>& body) {
    robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
      body(dlg, dlg.child(IDC_BASE_TREE));
      if (dlg.exists()) r.click(dlg.child(IDCANCEL));
    });
    dialog.DoModal();
  }
  CTLBOInst& Tree() { return dialog.m_tlBOInst; }

  std::vector<std::string> Column(Window list, int column) const { return robot.listViewColumn(list, column); }
  int RowOf(Window list, const std::string& text) const {
    const std::vector<std::string> rows = Column(list, 0);
    for (size_t i = 0; i < rows.size(); ++i) {
      if (rows[i] == text) return static_cast<int>(i);
    }
    ADD_FAILURE() << "no row \"" << text << "\"";
    return 0;
  }
  int Depth(Window list, int row) {
    LVITEM item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    ::SendMessage(list.hwnd(), LVM_GETITEM, 0, reinterpret_cast<LPARAM>(&item));
    return reinterpret_cast<CItemDesc*>(item.lParam)->GetDepth();
  }
  // Opens the row with a click on its box.
  void Open(Window list, const std::string& text) {
    const int row = RowOf(list, text);
    robot.click(list, BoxPoint(list, row, Depth(list, row)));
  }
  void OpenAll(Window list) {
    Open(list, "Home.<none>");
    Open(list, "Shipping[N]");
  }
  // Right-clicks the row and chooses the item of its context menu.
  void Choose(Window list, const std::string& row, const std::string& item) {
    robot.onPopupMenu({item});
    robot.rightClick(list, CellPoint(list, RowOf(list, row), 1));
  }
  // Which commands the row's context menu enables.
  std::map<UINT, bool> MenuStates(Window list, const std::string& row) {
    std::map<UINT, bool> states;
    robot.onMenu([&](Robot& r, Window popup) {
      const auto menu = reinterpret_cast<HMENU>(::SendMessage(popup.hwnd(), MN_GETHMENU, 0, 0));
      for (UINT id : kMenuCommands) states[id] = !(::GetMenuState(menu, id, MF_BYCOMMAND) & MF_GRAYED);
      r.key(VK_ESCAPE);
    });
    robot.rightClick(list, CellPoint(list, RowOf(list, row), 1));
    return states;
  }
  static std::map<UINT, bool> Enabled(const std::vector<UINT>& enabled) {
    std::map<UINT, bool> states;
    for (UINT id : kMenuCommands) states[id] = std::find(enabled.begin(), enabled.end(), id) != enabled.end();
    return states;
  }
  size_t Beeps() const { return win32::GetRecordedBeeps().size(); }

  CWinApp app{"Instance Host"};
  std::unique_ptr<fennick_test::TestServer> server;
  std::unique_ptr<BusinessObject> customer;
  CInstanceDlg dialog;
};

// ---- Rows ---------------------------------------------------------------------

TEST_F(InstanceEditorTest, RowsShowAttributesChildObjectsAndContainerElements) {
  Run([&](Window, Window list) {
    EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"Name", "Age", "Home.<none>", "Shipping[N]", "Since"}))
        << "a verb \"null\" shows as <none>; a multiple attribute shows its cardinality";
    EXPECT_EQ(Column(list, 1), (std::vector<std::string>{"String", "Integer", "Address", "Address", "Date"}));
    EXPECT_EQ(Column(list, 2), (std::vector<std::string>{"Ann", "", "", "", ""}));
    OpenAll(list);
    EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"Name", "Age", "Home.<none>", "Street", "Zip", "Verified",
                                                         "Shipping[N]", "[0].Create", "[1].<none>", "Since"}));
    EXPECT_EQ(Column(list, 1)[7], "") << "element rows have no type";
    EXPECT_EQ(Column(list, 2)[3], "Home St");
    Open(list, "[1].<none>");
    EXPECT_EQ(Column(list, 2)[9], "Second St");
  });
}

TEST_F(InstanceEditorTest, TheColumnsAreTheLibrarysOwnStrings) {
  Run([&](Window, Window list) {
    const HWND header = reinterpret_cast<HWND>(::SendMessage(list.hwnd(), LVM_GETHEADER, 0, 0));
    std::vector<std::string> titles;
    for (int i = 0; i < 3; ++i) {
      char text[64] = {};
      HDITEM item{};
      item.mask = HDI_TEXT;
      item.pszText = text;
      item.cchTextMax = sizeof(text);
      ::SendMessage(header, HDM_GETITEM, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
      titles.emplace_back(text);
    }
    EXPECT_EQ(titles, (std::vector<std::string>{"Attribute name", "Type", "Value"}))
        << "the host's strings 1 to 3 never stand in";
    EXPECT_EQ(ColumnWidth(list, 0), 140);
    EXPECT_EQ(ColumnWidth(list, 1), 70);
    EXPECT_EQ(ColumnWidth(list, 2), 120);
  });
}

TEST_F(InstanceEditorTest, TheDialogIsTheLibrarysWithTheHostsHandleBackAfterwards) {
  dialog.m_strComment = "first";
  Run([&](Window dlg, Window list) {
    EXPECT_TRUE(list) << "the library's template 129, not the host's";
    EXPECT_FALSE(dlg.child(IDC_BASE_TEXT2).isVisible());
    EXPECT_FALSE(dlg.child(IDC_BASE_STATIC).isVisible());
    EXPECT_TRUE(dlg.child(IDC_BASE_VERB).isVisible());
    EXPECT_EQ(dlg.child(IDC_BASE_TEXT1).text(), "first");
  });
  EXPECT_EQ(AfxGetResourceHandle(), Host());
}

TEST_F(InstanceEditorTest, OkHandsBackTheVerbAndTheComment) {
  robot.onDialog(kTitle, [&](Robot& r, Window dlg) {
    r.click(dlg.child(IDC_BASE_TEXT1));
    r.type("note");
    r.click(dlg.child(IDC_BASE_VERB).childByClass("Edit"));
    r.type("Create");
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.m_strComment, "note");
  EXPECT_EQ(dialog.m_strVerb, "Create");
}

// ---- Editing values -------------------------------------------------------------

TEST_F(InstanceEditorTest, AValueIsEditedInPlaceAndStoredByEnterOrByLeaving) {
  Run([&](Window, Window list) {
    robot.click(list, CellPoint(list, kName, 2));
    robot.advance(::GetDoubleClickTime() + 1);
    robot.click(list, CellPoint(list, kName, 2));
    robot.advance(CTLBase::kSlowClickDelay);
    Window editor = Editor(list);
    ASSERT_TRUE(editor);
    EXPECT_EQ(editor.text(), "Ann");
    DWORD start = 0;
    DWORD end = 0;
    ::SendMessage(editor.hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end - start, 3u) << "the whole text is selected";
    RECT cell = RowRect(list, kName);
    cell.left += ColumnWidth(list, 0) + ColumnWidth(list, 1);
    ::MapWindowPoints(list.hwnd(), nullptr, reinterpret_cast<POINT*>(&cell), 2);
    EXPECT_EQ(editor.rect().left, cell.left + 2);
    EXPECT_EQ(editor.rect().top, cell.top + 2);
    robot.type("Bob");
    robot.key(VK_RETURN);
    EXPECT_STREQ(customer->getAttrText(kName), "Bob");
    EXPECT_EQ(Column(list, 2)[kName], "Bob");

    robot.doubleClick(list, CellPoint(list, kAge, 2));
    robot.type("42");
    robot.click(list, CellPoint(list, kName, 0));
    EXPECT_FALSE(Editor(list));
    EXPECT_STREQ(customer->getAttrText(kAge), "42");
    EXPECT_EQ(Column(list, 2)[kAge], "42");
  });
}

TEST_F(InstanceEditorTest, EscapeLeavesTheValueAndAnEmptyTextClearsIt) {
  Run([&](Window, Window list) {
    robot.doubleClick(list, CellPoint(list, kName, 2));
    robot.type("Zed");
    robot.key(VK_ESCAPE);
    EXPECT_STREQ(customer->getAttrText(kName), "Ann");
    robot.doubleClick(list, CellPoint(list, kName, 2));
    robot.key(VK_DELETE);
    robot.key(VK_RETURN);
    EXPECT_EQ(customer->getAttrValue(kName), nullptr) << "cleared, not an empty text";
    EXPECT_EQ(Column(list, 2)[kName], "");
  });
}

TEST_F(InstanceEditorTest, ARefusedValueBeepsAndTheCellShowsWhatTheObjectHolds) {
  ASSERT_EQ(customer->setAttrText(kAge, "7"), BO_OK);
  Run([&](Window, Window list) {
    const size_t before = Beeps();
    robot.doubleClick(list, CellPoint(list, kAge, 2));
    robot.type("seven");
    robot.key(VK_RETURN);
    EXPECT_EQ(Beeps(), before + 1);
    EXPECT_STREQ(customer->getAttrText(kAge), "7");
    EXPECT_EQ(Column(list, 2)[kAge], "7");
  });
}

TEST_F(InstanceEditorTest, OnlyTheValueCellsOfSimpleAttributesEdit) {
  Run([&](Window, Window list) {
    OpenAll(list);
    for (const auto& [row, column] : std::vector<std::pair<std::string, int>>{
             {"Name", 0}, {"Name", 1}, {"Home.<none>", 2}, {"Shipping[N]", 2}, {"[0].Create", 2}}) {
      robot.doubleClick(list, CellPoint(list, RowOf(list, row), column));
      EXPECT_FALSE(Editor(list)) << row << " column " << column;
    }
    robot.doubleClick(list, CellPoint(list, RowOf(list, "Street"), 2));
    ASSERT_TRUE(Editor(list));
    robot.type("Elm");
    robot.key(VK_RETURN);
    EXPECT_STREQ(Home()->getAttrText(kStreet), "Elm") << "a child's value";
  });
}

// ---- The context menu ----------------------------------------------------------

TEST_F(InstanceEditorTest, TheMenuEnablesWhatEachKindOfRowAllows) {
  Run([&](Window, Window list) {
    OpenAll(list);
    EXPECT_EQ(MenuStates(list, "Name"), Enabled({})) << "simple rows: nothing, <none> included";
    EXPECT_EQ(MenuStates(list, "Street"), Enabled({}));
    EXPECT_EQ(MenuStates(list, "Home.<none>"), Enabled(With({ID_BOINST_REMOVE}, kVerbCommands)));
    EXPECT_EQ(MenuStates(list, "Shipping[N]"), Enabled({ID_BOINST_ADD, ID_BOINST_REMOVE_ALL}));
    EXPECT_EQ(MenuStates(list, "[1].<none>"), Enabled(With({ID_BOINST_ADD, ID_BOINST_REMOVE}, kVerbCommands)))
        << "Remove All is not for element rows";
    Choose(list, "Home.<none>", "Remove Instance");
    EXPECT_EQ(MenuStates(list, "Home"), Enabled({ID_BOINST_ADD})) << "no object: no verb, not even <none>";
    Choose(list, "Shipping[N]", "Remove All Instance");
    EXPECT_EQ(MenuStates(list, "Shipping[N]"), Enabled({ID_BOINST_ADD})) << "an empty container";
  });
}

TEST_F(InstanceEditorTest, TheMenuIsTheLibrarysOwn) {
  Run([&](Window, Window list) {
    std::vector<std::string> items;
    robot.onMenu([&](Robot& r, Window) {
      items = r.openMenuItems();
      r.key(VK_ESCAPE);
    });
    robot.rightClick(list, CellPoint(list, kName, 0));
    EXPECT_EQ(items, (std::vector<std::string>{"Add Instance", "Remove Instance", "Remove All Instance", "-",
                                               "Retrieve", "Delete", "Create", "Update", "<none>"}));
  });
}

TEST_F(InstanceEditorTest, AddAndRemoveASingleChildObject) {
  Run([&](Window, Window list) {
    Open(list, "Home.<none>");
    Choose(list, "Home.<none>", "Remove Instance");
    EXPECT_EQ(customer->getAttrValue(kHome), nullptr);
    EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"Name", "Age", "Home", "Shipping[N]", "Since"}));
    Choose(list, "Home", "Add Instance");
    ASSERT_NE(Home(), nullptr);
    EXPECT_EQ(Home()->getVerb(), nullptr);
    EXPECT_STREQ(Home()->getAttrText(kStreet), "Main") << "the definition's defaults";
    EXPECT_TRUE(Home()->getTheSpec()->isVerbSupported("Retrieve")) << "the definition's verbs";
    // The row was open: the new child's rows show at once.
    EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"Name", "Age", "Home.<none>", "Street", "Zip", "Verified",
                                                         "Shipping[N]", "Since"}));
    EXPECT_EQ(Column(list, 2)[3], "Main");
    EXPECT_EQ(Column(list, 2)[5], "") << "a default that is no Boolean is not taken";
  });
}

TEST_F(InstanceEditorTest, AddInstancePutsANewElementFirstOrAfterTheSelectedOne) {
  BusinessObject* first = Shipping()->getObject(0);
  BusinessObject* second = Shipping()->getObject(1);
  Run([&](Window, Window list) {
    Open(list, "Shipping[N]");
    Choose(list, "[0].Create", "Add Instance");
    ASSERT_EQ(Shipping()->getObjectCount(), 3);
    EXPECT_EQ(Shipping()->getObject(0), first);
    EXPECT_EQ(Shipping()->getObject(2), second);
    Choose(list, "Shipping[N]", "Add Instance");
    ASSERT_EQ(Shipping()->getObjectCount(), 4);
    EXPECT_EQ(Shipping()->getObject(1), first);
    EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"Name", "Age", "Home.<none>", "Shipping[N]", "[0].<none>",
                                                         "[1].Create", "[2].<none>", "[3].<none>", "Since"}));
  });
}

TEST_F(InstanceEditorTest, AddInstanceMakesTheContainerOfAnAttributeThatHasNone) {
  ASSERT_EQ(customer->setAttributeValue(kShipping, nullptr, 0), BO_OK);
  Run([&](Window, Window list) {
    EXPECT_EQ(MenuStates(list, "Shipping[N]"), Enabled({ID_BOINST_ADD}));
    Choose(list, "Shipping[N]", "Add Instance");
    ASSERT_NE(Shipping(), nullptr);
    EXPECT_EQ(Shipping()->getObjectCount(), 1);
    Open(list, "Shipping[N]");
    EXPECT_EQ(Column(list, 0)[4], "[0].<none>");
    EXPECT_EQ(MenuStates(list, "Shipping[N]"), Enabled({ID_BOINST_ADD, ID_BOINST_REMOVE_ALL}));
  });
}

TEST_F(InstanceEditorTest, RemoveInstanceAndRemoveAllRebuildTheElementRows) {
  BusinessObject* second = Shipping()->getObject(1);
  Run([&](Window, Window list) {
    Open(list, "Shipping[N]");
    Open(list, "[0].Create");
    Choose(list, "[0].Create", "Remove Instance");
    ASSERT_EQ(Shipping()->getObjectCount(), 1);
    EXPECT_EQ(Shipping()->getObject(0), second);
    EXPECT_EQ(Column(list, 0),
              (std::vector<std::string>{"Name", "Age", "Home.<none>", "Shipping[N]", "[0].<none>", "Since"}));
    Open(list, "[0].<none>");
    Choose(list, "Shipping[N]", "Remove All Instance");
    EXPECT_EQ(Shipping()->getObjectCount(), 0);
    EXPECT_EQ(customer->getAttrValue(kShipping), Shipping()) << "the container stays";
    EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"Name", "Age", "Home.<none>", "Shipping[N]", "Since"}));
  });
}

// ---- Verbs -------------------------------------------------------------------------

TEST_F(InstanceEditorTest, VerbsAreSetOnTheRowsObjectAndUnsupportedOnesOnlyBeep) {
  Run([&](Window, Window list) {
    Choose(list, "Home.<none>", "Create");
    EXPECT_STREQ(Home()->getVerb(), "Create");
    EXPECT_EQ(Column(list, 0)[kHome], "Home.Create");
    const size_t before = Beeps();
    Choose(list, "Home.Create", "Update");
    EXPECT_EQ(Beeps(), before + 1) << "Address has no Update";
    EXPECT_STREQ(Home()->getVerb(), "Create");
    EXPECT_EQ(Column(list, 0)[kHome], "Home.Create");
    Choose(list, "Home.Create", "<none>");
    EXPECT_EQ(Home()->getVerb(), nullptr);
    EXPECT_EQ(Column(list, 0)[kHome], "Home.<none>");

    Open(list, "Shipping[N]");
    Choose(list, "[1].<none>", "Retrieve");
    EXPECT_STREQ(Shipping()->getObject(1)->getVerb(), "Retrieve");
    Choose(list, "[0].Create", "<none>");
    EXPECT_EQ(Shipping()->getObject(0)->getVerb(), nullptr);
    EXPECT_EQ(Column(list, 0)[4], "[0].<none>");
    EXPECT_EQ(Column(list, 0)[5], "[1].Retrieve");
  });
}

TEST_F(InstanceEditorTest, ShowingAnotherObjectReplacesTheRows) {
  BusinessObject other("Address");
  Run([&](Window, Window list) {
    OpenAll(list);
    Tree().Populate(&other);
    EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"Street", "Zip", "Verified"}));
    EXPECT_EQ(Tree().GetBusObj(), &other);
    Tree().Populate(nullptr);
    EXPECT_EQ(robot.listViewItemCount(list), 0);
  });
}

// ---- Picture -------------------------------------------------------------------------

TEST_F(InstanceEditorTest, Snapshot) {
  Run([&](Window dlg, Window list) {
    OpenAll(list);
    Open(list, "[0].Create");
    robot.click(list, CellPoint(list, RowOf(list, "Zip"), 0));
    robot.snapshot(dlg, "bo_instance_expanded");
  });
}

}  // namespace
