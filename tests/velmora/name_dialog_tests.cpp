// The new-object name dialogs: trimming, the OK button while typing, the
// order in which OK refuses a name, uniqueness against a real server and
// without one, the caller's texts, and snapshots.
#include <string>

#include "DlgBODefine.h"
#include "DlgConnectorDefine.h"
#include "DlgMapDefine.h"
#include "DlgTmplDefine.h"
#include "fennick_test_support.h"
#include "host_fixture.h"
#include "resource.h"

namespace {

using halvane::test::Robot;
using halvane::test::Window;

class NameDialogTest : public HostTest {
 protected:
  // Replaces the edit's text by typing, as a user does.
  static void TypeInto(Robot& r, Window edit, const std::string& text) {
    r.click(edit);
    ::SendMessage(edit.hwnd(), EM_SETSEL, 0, -1);
    r.type(text);
  }
  static int LimitOf(Window edit) { return static_cast<int>(::SendMessage(edit.hwnd(), EM_GETLIMITTEXT, 0, 0)); }
};

// --- Business object -----------------------------------------------------

TEST_F(NameDialogTest, AnEmptyNameLeavesOkEnabledAtFirstAndIsRefusedOnOk) {
  CDlgBODefine dialog(nullptr);
  robot.onDialog("New Business Object Definition", [&](Robot& r, Window dlg) {
    EXPECT_TRUE(dlg.child(IDOK).isEnabled()) << "as the template has it";
    EXPECT_EQ(LimitOf(dlg.child(IDC_NEW_NAME)), 80);
    EXPECT_EQ(RefusalOfOk(r, dlg), "Please enter name .");
    ASSERT_TRUE(dlg.exists());
    TypeInto(r, dlg.child(IDC_NEW_NAME), "   ");
    EXPECT_FALSE(dlg.child(IDOK).isEnabled()) << "blanks only count as empty";
    TypeInto(r, dlg.child(IDC_NEW_NAME), "Customer  ");
    EXPECT_TRUE(dlg.child(IDOK).isEnabled());
    TypeInto(r, dlg.child(IDC_APP_INFO), "table=CUST");
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(std::string(dialog.m_strName), "Customer") << "handed back without the trailing blanks";
  EXPECT_EQ(std::string(dialog.m_strAppInfo), "table=CUST");
  EXPECT_EQ(AfxGetResourceHandle(), Host());
}

TEST_F(NameDialogTest, ANameThatIsNotAlphanumericKeepsTheDialogOpenWithoutAMessage) {
  CDlgBODefine dialog(nullptr);
  robot.onDialog("New Business Object Definition", [&](Robot& r, Window dlg) {
    TypeInto(r, dlg.child(IDC_NEW_NAME), "Order-Line");
    r.click(dlg.child(IDOK));  // a message box here would have no handler
    ASSERT_TRUE(dlg.exists());
    TypeInto(r, dlg.child(IDC_NEW_NAME), "Order_Line");
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(std::string(dialog.m_strName), "Order_Line");
}

TEST_F(NameDialogTest, ABusinessObjectNameHeldByTheSessionIsRefused) {
  fennick_test::TestServer server;
  server.Define("Invoice", {{"Id", "String"}}, {});  // on the server, not held
  ASSERT_NE(server.Dm().GetBO("Customer", 1, 0), nullptr);
  CDlgBODefine dialog(&server.Dm());
  robot.onDialog("New Business Object Definition", [&](Robot& r, Window dlg) {
    TypeInto(r, dlg.child(IDC_NEW_NAME), "Customer");
    EXPECT_EQ(RefusalOfOk(r, dlg), "Please give unique name to business object.");
    ASSERT_TRUE(dlg.exists());
    // The check asks only for definitions in hand, not the server's.
    TypeInto(r, dlg.child(IDC_NEW_NAME), "Invoice");
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(std::string(dialog.m_strName), "Invoice");
}

TEST_F(NameDialogTest, WithoutADataManagerEveryWellFormedNameIsAccepted) {
  fennick_test::TestServer server;
  ASSERT_NE(server.Dm().GetBO("Customer", 1, 0), nullptr);
  server.AddObject(HvObjNativeMap, "CustomerMap");
  server.AddObject(HvObjCollabTemplate, "Billing");
  CDlgBODefine bo(nullptr);
  bo.m_strName = "Customer";
  CDlgMapDefine map(nullptr);
  map.m_strName = "CustomerMap";
  CDlgTmplDefine tmpl(nullptr);
  tmpl.m_strName = "Billing";
  for (const char* title : {"New Business Object Definition", "New Component", "New Collaboration Template"})
    robot.onDialog(title, [](Robot& r, Window dlg) { r.click(dlg.child(IDOK)); });
  EXPECT_EQ(bo.DoModal(), IDOK);
  EXPECT_EQ(map.DoModal(), IDOK);
  EXPECT_EQ(tmpl.DoModal(), IDOK);
}

// --- Connector -------------------------------------------------------------

TEST_F(NameDialogTest, TheConnectorDialogShowsTheCallersTitleAndStartsInTheName) {
  CDlgConnectorDefine dialog(nullptr, HvObjConnector);
  dialog.m_strTitle = "Save As Connector";
  dialog.m_strName = "Ledger ";
  robot.onDialog("Save As Connector", [&](Robot& r, Window dlg) {
    EXPECT_EQ(r.focused(), dlg.child(IDC_CONNECTOR_NAME));
    EXPECT_EQ(dlg.child(IDC_CONNECTOR_NAME).text(), "Ledger");
    EXPECT_EQ(LimitOf(dlg.child(IDC_CONNECTOR_NAME)), 80);
    r.snapshot(dlg, "connector_define");
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(std::string(dialog.m_strName), "Ledger");

  CDlgConnectorDefine untitled(nullptr, HvObjConnector);
  robot.onDialog("", [](Robot& r, Window dlg) {
    EXPECT_TRUE(dlg.child(IDC_CONNECTOR_NAME)) << "the connector dialog, titled as its caller left it: empty";
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_EQ(untitled.DoModal(), IDCANCEL);
}

TEST_F(NameDialogTest, AConnectorNameInUseIsRefusedUnlessTheObjectTypeIs0) {
  fennick_test::TestServer server;
  const CList<CQRSupportedBO*, CQRSupportedBO*> none;
  const CList<HvProperty*, HvProperty*> noProps;
  ASSERT_NE(server.Dm().AddConnector("Ledger", "1.0", 2, none, noProps, noProps), nullptr);
  CDlgConnectorDefine checked(&server.Dm(), HvObjConnector);
  checked.m_strTitle = "Connector";
  robot.onDialog("Connector", [&](Robot& r, Window dlg) {
    TypeInto(r, dlg.child(IDC_CONNECTOR_NAME), "LEDGER");
    EXPECT_EQ(RefusalOfOk(r, dlg), "Please give unique name.");
    ASSERT_TRUE(dlg.exists());
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_EQ(checked.DoModal(), IDCANCEL);

  CDlgConnectorDefine unchecked(&server.Dm(), static_cast<_E_HvObjType>(0));
  unchecked.m_strTitle = "Connector";
  unchecked.m_strName = "Ledger";
  robot.onDialog("Connector", [](Robot& r, Window dlg) { r.click(dlg.child(IDOK)); });
  EXPECT_EQ(unchecked.DoModal(), IDOK);
  EXPECT_EQ(std::string(unchecked.m_strName), "Ledger");
}

// --- Map ---------------------------------------------------------------------

TEST_F(NameDialogTest, TheMapLabelIsTheCallersAndAMapOfTheServerIsRefused) {
  fennick_test::TestServer server;
  server.AddObject(HvObjNativeMap, "CustomerMap");
  CDlgMapDefine unlabelled(&server.Dm());
  robot.onDialog("New Component", [](Robot& r, Window dlg) {
    EXPECT_EQ(dlg.child(IDC_NAME_LABEL).text(), "");
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_EQ(unlabelled.DoModal(), IDCANCEL);

  CDlgMapDefine dialog(&server.Dm());
  dialog.m_strLabel = "Map name:";
  robot.onDialog("New Component", [&](Robot& r, Window dlg) {
    EXPECT_EQ(dlg.child(IDC_NAME_LABEL).text(), "Map name:");
    EXPECT_EQ(LimitOf(dlg.child(IDC_NEW_NAME)), 80);
    TypeInto(r, dlg.child(IDC_NEW_NAME), "CustomerMap");
    r.snapshot(dlg, "map_define");
    EXPECT_EQ(RefusalOfOk(r, dlg), "Please give unique name to new object.");
    TypeInto(r, dlg.child(IDC_NEW_NAME), "OrderMap");
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(std::string(dialog.m_strName), "OrderMap");
}

// --- Collaboration template -------------------------------------------------

TEST_F(NameDialogTest, TheTemplateDialogEnablesOkOnlyWithANameAndFormatsItsMessage) {
  fennick_test::TestServer server;
  server.AddObject(HvObjCollabTemplate, "Billing");
  CDlgTmplDefine dialog(&server.Dm());
  robot.onDialog("New Collaboration Template", [&](Robot& r, Window dlg) {
    EXPECT_FALSE(dlg.child(IDOK).isEnabled()) << "no name yet";
    EXPECT_EQ(LimitOf(dlg.child(IDC_NEW_NAME)), 79);
    EXPECT_GT(LimitOf(dlg.child(IDC_DESCRIPTION)), 30000) << "the description has no limit of its own";
    TypeInto(r, dlg.child(IDC_NEW_NAME), "  ");
    EXPECT_FALSE(dlg.child(IDOK).isEnabled());
    TypeInto(r, dlg.child(IDC_NEW_NAME), "Billing");
    EXPECT_TRUE(dlg.child(IDOK).isEnabled());
    TypeInto(r, dlg.child(IDC_DESCRIPTION), "Bills the orders of a day.");
    r.snapshot(dlg, "template_define");
    EXPECT_EQ(RefusalOfOk(r, dlg),
              "Collaboration template with name \"Billing\" already exists. \nPlease enter a new name before "
              "continuing.");
    TypeInto(r, dlg.child(IDC_NEW_NAME), "Billing2");
    r.click(dlg.child(IDOK));
  });
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(std::string(dialog.m_strName), "Billing2");
  EXPECT_EQ(std::string(dialog.m_strDescription), "Bills the orders of a day.");
}

TEST_F(NameDialogTest, TheTemplateDialogRefusesABlankNameWithItsOwnText) {
  CDlgTmplDefine dialog(nullptr);
  std::string message;
  robot.onDialog("New Collaboration Template", [&](Robot& r, Window dlg) {
    AnswerMessage(message);
    // OK is grey for a blank name; its own check still answers.
    ::SendMessage(dlg.hwnd(), WM_COMMAND, IDOK, 0);
    r.pumpUntilIdle();
    EXPECT_EQ(message, "Please, enter the valid name");
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

// --- All four ----------------------------------------------------------------

TEST_F(NameDialogTest, TheDialogsComeThroughTheResourceChainAndLeaveTheHostsHandle) {
  CDlgBODefine bo(nullptr);
  robot.onDialog("New Business Object Definition", [&](Robot& r, Window dlg) {
    EXPECT_EQ(AfxGetResourceHandle(), Host()) << "the name dialogs do not switch";
    EXPECT_TRUE(dlg.child(IDC_APP_INFO));
    r.snapshot(dlg, "business_object_define");
    r.click(dlg.child(IDCANCEL));
  });
  EXPECT_EQ(bo.DoModal(), IDCANCEL);
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(IDD_BO_DEFINE), RT_DIALOG), Library());
  EXPECT_EQ(AfxGetResourceHandle(), Host());
}

}  // namespace
