// The "Data Handler" tab of a broker connector's window: filling, the edits
// following ContainerManagedEvents, validation and the [DATAHANDLERS]
// section, which only "JMS" writes.
#include <gtest/gtest.h>

#include "DataHandlerView.h"
#include "forms_fixture.h"
#include "resource.h"

namespace {

using halvane::test::Window;
using kestrun_app_test::Text;
using kforms_test::FormsTest;
using Lines = std::vector<std::string>;

constexpr const char* kTab = "Data Handler";

std::string BrokerConfig(const std::string& events, const std::string& dataHandlers) {
  return "[CONFIGURATION_FILE]\r\nVersion = 3.1.2\r\nINSTALLID=key\r\n\r\n"
         "[ConnectorAgent Feed]\r\nApplicationName = Feed\r\nDeliveryTransport = KBRX-JMS\r\n"
         "ContainerManagedEvents = " +
         events + "\r\n\r\n[DATAHANDLERS]\r\n" + dataHandlers;
}

class DataHandlerTest : public FormsTest {
 protected:
  CDataHandlerView* Open(const std::string& events, const std::string& dataHandlers) {
    doc = OpenConfig(BrokerConfig(events, dataHandlers));
    if (doc == nullptr) return nullptr;
    ShowTab(doc, kTab);
    view = Tab<CDataHandlerView>(doc, kTab);
    return view;
  }
  Window Control(int id) const { return Window(view->GetDlgItem(id)->GetSafeHwnd()); }
  void TypeInto(int id, const std::string& text) {
    robot.click(Control(id));
    ::SendMessage(Control(id).hwnd(), EM_SETSEL, 0, -1);
    robot.key(VK_DELETE);
    robot.type(text);
  }
  void SetEvents(const char* value) { doc->GetConnector()->SetStdProperty("ContainerManagedEvents", value); }

  CKestrunDoc* doc = nullptr;
  CDataHandlerView* view = nullptr;
};

TEST_F(DataHandlerTest, OnlyABrokerWindowHasTheTab) {
  Run([&] {
    CKestrunDoc* qvs = OpenNew("Orders", CONNECTOR_QVS);
    ASSERT_NE(qvs, nullptr);
    EXPECT_EQ(Tab<CDataHandlerView>(qvs, kTab), nullptr);
    CKestrunDoc* kbrx = OpenNew("Feed", CONNECTOR_KBRX);
    ASSERT_NE(kbrx, nullptr);
    EXPECT_NE(Tab<CDataHandlerView>(kbrx, kTab), nullptr);
    EXPECT_EQ(TabLabels(kbrx).back(), kTab);
  });
}

TEST_F(DataHandlerTest, JmsEventsWriteTheSectionFromTheEdits) {
  Run([&] {
    ASSERT_NE(Open("JMS",
                   "MimeType = text/xml\r\nDHClass = com.example.XmlHandler\r\n"
                   "DataHandlerConfigMOName = MO_XmlHandler\r\n"),
              nullptr);
    EXPECT_EQ(Control(IDC_DH_MIMETYPE).text(), "text/xml");
    EXPECT_EQ(Control(IDC_DH_CLASS).text(), "com.example.XmlHandler");
    EXPECT_EQ(Control(IDC_DH_CONFIG_MO).text(), "MO_XmlHandler");
    EXPECT_TRUE(Control(IDC_DH_CLASS).isEnabled());
    EXPECT_EQ(Text(doc->GetTitle()).back(), 'd');
    TypeInto(IDC_DH_CONFIG_MO, "");
    EXPECT_EQ(Text(doc->GetTitle()).back(), '*') << "an edit marks the connector modified";
    EXPECT_EQ(Text(doc->GetConnector()->m_strDataHandlerConfigMOName), "");
    EXPECT_TRUE(view->Validate()) << "the configuration object may be empty";
    EXPECT_EQ(Section(SavedConfig(doc), "[DATAHANDLERS]"),
              (Lines{"[DATAHANDLERS]", "MimeType = text/xml", "DHClass = com.example.XmlHandler",
                     "DataHandlerConfigMOName = "}));
  });
}

TEST_F(DataHandlerTest, JmsEventsNeedMimeTypeAndClass) {
  Run([&] {
    ASSERT_NE(Open("JMS", "MimeType = text/xml\r\n"), nullptr);
    EXPECT_FALSE(view->Validate());
    EXPECT_EQ(ResultLines(), (Lines{"Validating DataHandlers section.", "MimeType and DHClass cannot be empty."}));
    ClearResults();
    // The whole save stops at the validation.
    EXPECT_FALSE(doc->ValidateAll());
    const Lines lines = ResultLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "MimeType and DHClass cannot be empty."), lines.end());
    TypeInto(IDC_DH_CLASS, "   ");
    ClearResults();
    EXPECT_FALSE(view->Validate()) << "blanks are no class";
    TypeInto(IDC_DH_CLASS, "com.example.XmlHandler");
    EXPECT_TRUE(view->Validate());
  });
}

TEST_F(DataHandlerTest, WithoutEventsTheEditsAreOffNothingIsCheckedAndNothingWritten) {
  Run([&] {
    ASSERT_NE(Open("", "MimeType = text/xml\r\n"), nullptr);
    for (int id : {IDC_DH_MIMETYPE, IDC_DH_CLASS, IDC_DH_CONFIG_MO}) EXPECT_FALSE(Control(id).isEnabled()) << id;
    EXPECT_TRUE(view->Validate());
    const std::string saved = SavedConfig(doc);
    EXPECT_TRUE(Section(saved, "[DATAHANDLERS]").empty()) << saved;
    EXPECT_EQ(Text(doc->GetConnector()->m_strMimeType), "text/xml") << "the values stay in the model";
  });
}

TEST_F(DataHandlerTest, LowerCaseJmsKeepsTheEditsOnButWritesAndChecksNothing) {
  Run([&] {
    ASSERT_NE(Open("jms", ""), nullptr);
    EXPECT_TRUE(Control(IDC_DH_MIMETYPE).isEnabled());
    EXPECT_TRUE(view->Validate());
    EXPECT_TRUE(Section(SavedConfig(doc), "[DATAHANDLERS]").empty());
  });
}

TEST_F(DataHandlerTest, BringingTheTabToTheFrontFollowsAChangedEventsValue) {
  Run([&] {
    ASSERT_NE(Open("", ""), nullptr);
    EXPECT_FALSE(Control(IDC_DH_CLASS).isEnabled());
    ShowTab(doc, "Standard Properties");
    SetEvents("JMS");
    ShowTab(doc, kTab);
    EXPECT_TRUE(Control(IDC_DH_CLASS).isEnabled());
    TypeInto(IDC_DH_MIMETYPE, "text/plain");
    TypeInto(IDC_DH_CLASS, "com.example.Plain");
    EXPECT_EQ(Section(SavedConfig(doc), "[DATAHANDLERS]"),
              (Lines{"[DATAHANDLERS]", "MimeType = text/plain", "DHClass = com.example.Plain",
                     "DataHandlerConfigMOName = "}));
  });
}

TEST_F(DataHandlerTest, Snapshot) {
  Run([&] {
    ASSERT_NE(Open("JMS",
                   "MimeType = text/xml\r\nDHClass = com.example.XmlHandler\r\n"
                   "DataHandlerConfigMOName = MO_XmlHandler\r\n"),
              nullptr);
    robot.snapshot(FrameWindow(), "data_handler");
  });
}

}  // namespace
