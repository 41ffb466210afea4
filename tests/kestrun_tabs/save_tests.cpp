// A whole connector window written to a configuration file through the
// tab-view base's writer and read back: each tab's section comes through
// in both modes.
#include <fstream>
#include <sstream>

#include "AssocMapsView.h"
#include "StdPropsView.h"
#include "SuppBOViewNVRT.h"
#include "UserPropsView.h"
#include "tabs_fixture.h"

namespace kestrun_tabs_test {
namespace {

class SaveTest : public TabsTest {
 protected:
  std::unique_ptr<CConnector> ReadBack(const std::string& path) {
    auto connector = std::make_unique<CConnector>("", CONNECTOR_QVS, CONNECTOR_NEW | CONNECTOR_MODIFIED);
    EXPECT_TRUE(App().GetCodec()->ReadConfigFile(path.c_str(), connector.get()));
    return connector;
  }
  std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
};

TEST_F(SaveTest, AQvsWindowsTabsComeBackFromItsFile) {
  auto connector = NewModel("RoundTrip");
  connector->SetSupportedBO("Customer", 1);
  NameType map("CustomerMap", "HlMap", 1);
  connector->m_maps.SetAt("Customer", map);
  const std::string path = Path("round.cfg");
  Run([&] {
    CKestrunDoc* doc = Open(std::move(connector));
    CStdPropGridCtrl& std = Tab<CStdPropsView>(doc, 0)->PropGrid();
    TypeInto(std, std.FindPropertyRow("CharacterSet"), 2, "ISO-8859-1");
    ShowTab(doc, "Application Config Properties");
    CUserPropGridCtrl& user = Tab<CUserPropsView>(doc, 1)->PropGrid();
    TypeInto(user, 1, 1, "Password");
    TypeInto(user, 1, 2, "Secret1");
    ClickCheckBox(user, 1, 4);
    ASSERT_TRUE(CKestrunView::WriteConfigFile(path.c_str(), doc));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(FileText(path).find("Secret1"), std::string::npos) << "the secret is written encrypted";

    auto read = ReadBack(path);
    EXPECT_EQ(Text(read->m_strName), "RoundTrip");
    EXPECT_EQ(Text(read->FindStdProperty("CharacterSet")->GetValue()), "ISO-8859-1");
    const HvProperty* password = read->FindAppProperty("Password");
    ASSERT_NE(password, nullptr);
    EXPECT_EQ(Text(password->GetValue()), "Secret1");
    EXPECT_EQ(password->GetType(), HvPropCipherText);
    ASSERT_NE(read->FindSupportedBO("Customer"), nullptr);
    EXPECT_EQ(read->FindSupportedBO("Customer")->agentSupport, 1);
    NameType readMap;
    ASSERT_TRUE(read->m_maps.Lookup("Customer", readMap));
    EXPECT_EQ(Text(readMap.m_strName), "CustomerMap");
    EXPECT_EQ(readMap.m_nFlag, 1);
  });
}

TEST_F(SaveTest, AKbrxWindowsMessageSetsComeBackFromItsFile) {
  auto connector = NewModel("Broker", true);
  connector->AddMessageSetRecord(new CMessageSetRecord{"Order", "MS-2", RECORD_NEW});
  const std::string path = Path("broker.cfg");
  Run([&] {
    CKestrunDoc* doc = Open(std::move(connector));
    ShowTab(doc, "Supported Business Objects");
    TypeInto(Tab<CSuppBOViewNVRT>(doc, 2)->BOGrid(), 2, 1, "Customer");
    TypeInto(Tab<CSuppBOViewNVRT>(doc, 2)->BOGrid(), 2, 2, "MS-1");
    ASSERT_TRUE(CKestrunView::WriteConfigFile(path.c_str(), doc));
    auto read = ReadBack(path);
    EXPECT_EQ(read->m_nType, CONNECTOR_KBRX);
    std::vector<std::string> sets;
    for (POSITION pos = read->m_messageSets.GetHeadPosition(); pos != nullptr;) {
      const CMessageSetRecord* record = read->m_messageSets.GetNext(pos);
      sets.push_back(Text(record->m_strName) + "=" + Text(record->m_strId));
    }
    EXPECT_EQ(sets, (std::vector<std::string>{"Order=MS-2", "Customer=MS-1"}));
    EXPECT_EQ(FileText(path).find("AssociatedMaps"), std::string::npos) << "no maps line in the broker's mode";
  });
}

}  // namespace
}  // namespace kestrun_tabs_test
