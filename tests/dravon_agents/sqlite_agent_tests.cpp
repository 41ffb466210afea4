#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "BusObjDef.h"
#include "agents_test_support.h"
#include "RepositoryCopyBO.h"

namespace {

using agents_test::AgentTest;

constexpr const char* kAgent = "SQLite Agent";

class SqliteAgentTest : public AgentTest {
 protected:
  void SetUp() override {
    AgentTest::SetUp();
    m_db = m_folder / "shop.sqlite";
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(m_db.c_str(), &db), SQLITE_OK);
    const char* schema =
        "CREATE TABLE customer (id INTEGER PRIMARY KEY, name VARCHAR(40) NOT NULL, balance REAL,"
        " joined DATE, active BOOLEAN, notes TEXT, code);"
        "CREATE TABLE order_line (order_no INTEGER, line INTEGER, customer_id INTEGER REFERENCES customer(id),"
        " PRIMARY KEY (order_no, line));"
        "CREATE VIEW rich AS SELECT id, name FROM customer WHERE balance > 1000;";
    EXPECT_EQ(sqlite3_exec(db, schema, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    m_agent = std::make_unique<CQRBDKAgent>(kAgent, nullptr, 4);
    m_agent->GetListener().SetEventHandler(m_wnd);
  }

  // Connects and sends the properties; the result of SetAgentProperties.
  int Configure(const std::string& file, const char* views = "false", const char* prefix = "") {
    EXPECT_EQ(m_agent->Init(), BDK_OK) << m_agent->GetLastErrorMessage();
    AgentPropArray* props = nullptr;
    EXPECT_EQ(m_agent->GetAgentProperties(1, &props), BDK_OK);
    if (props == nullptr) return -1;
    props->Find("Database file")->SetValue(file.c_str());
    props->Find("Include views")->SetValue(views);
    props->Find("Object name prefix")->SetValue(prefix);
    return m_agent->SetAgentProperties();
  }

  static std::vector<std::string> Names(const TreeNodeList& nodes) {
    std::vector<std::string> names;
    for (const auto& n : nodes) names.emplace_back(static_cast<const char*>(n->m_strName));
    return names;
  }

  // Requests the definitions as the generation step does and parses them.
  std::vector<std::unique_ptr<CQRBusObjDef>> Generate(std::initializer_list<const char*> names) {
    CStringArray array;
    for (const char* n : names) array.Add(n);
    EXPECT_EQ(m_agent->RequestContent(ZTK::CONTENT_BODEFS, array), BDK_OK) << m_agent->GetLastErrorMessage();
    Pump();
    EXPECT_EQ(Messages(), std::vector<UINT>{WM_BDK_CONTENT});
    if (!Notices().empty()) {
      EXPECT_EQ(Notices()[0].wParam, static_cast<WPARAM>(ZTK::CONTENT_BODEFS));
      EXPECT_EQ(Notices()[0].lParam & 0xFFFF, static_cast<LPARAM>(names.size()));
    }
    CString name;
    BYTE* bytes = nullptr;
    long length = 0;
    EXPECT_EQ(m_agent->GetContent(ZTK::CONTENT_BODEFS, ZTK::GET_ALL_OBJECTS, name, bytes, length), BDK_OK);
    const std::string text(reinterpret_cast<const char*>(bytes), static_cast<size_t>(length));
    delete[] bytes;
    std::vector<std::unique_ptr<CQRBusObjDef>> defs;
    dravon::repocopy::LineReader in(text);
    const dravon::repocopy::Error error = dravon::repocopy::ReadDefinitions(in, defs);
    EXPECT_FALSE(error) << dravon::repocopy::ErrorText(error) << "\n" << text;
    EXPECT_TRUE(m_agent->CompleteOnAddContent(ZTK::CONTENT_BODEFS));
    return defs;
  }

  std::string m_db;
  std::unique_ptr<CQRBDKAgent> m_agent;
};

const CBODefAttr* Attr(const CQRBusObjDef& def, const char* name) {
  for (INT_PTR i = 0; i < def.GetAttrs().GetSize(); ++i)
    if (def.GetAttrs()[i]->GetName() == name) return def.GetAttrs()[i];
  return nullptr;
}

TEST_F(SqliteAgentTest, DeclaresItsPropertiesVersionAndMetadata) {
  EXPECT_EQ(m_agent->GetMetaData(), nullptr) << "nothing is known before the connection";
  ASSERT_EQ(m_agent->Init(), BDK_OK) << m_agent->GetLastErrorMessage();
  EXPECT_EQ(m_agent->GetVersion(), ZTK::ZTK_VERSION_2);
  const CQRBDKAgentMetaData* meta = m_agent->GetMetaData();
  ASSERT_NE(meta, nullptr);
  EXPECT_EQ(meta->GetContentProtocol(ZTK::CONTENT_BODEFS), ZTK::CONTENT_PROTOCOL_ONREQUEST);
  EXPECT_EQ(meta->GetContentProtocol(ZTK::CONTENT_FILES), ZTK::CONTENT_PROTOCOL_NONE);
  EXPECT_EQ(meta->GetContentTypes(), std::vector<int>{ZTK::CONTENT_BODEFS});
  EXPECT_TRUE(meta->IsSearchEnabled());
  EXPECT_FALSE(meta->GetSearchHint().IsEmpty());

  AgentPropArray* props = nullptr;
  ASSERT_EQ(m_agent->GetAgentProperties(1, &props), BDK_OK);
  ASSERT_NE(props, nullptr);
  const AgentProperty* file = props->Find("Database file");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->m_strType, "10");
  std::unique_ptr<CStringList> missing(props->GetIncompleteProperties());
  ASSERT_NE(missing, nullptr) << "the database file must be given";
  EXPECT_EQ(missing->GetHead(), "Database file");
  EXPECT_EQ(m_agent->GetAgentProperties(1, nullptr), BDK_BAD_PROPERTIES);
}

TEST_F(SqliteAgentTest, RefusesAMissingFileAndAFileThatIsNoDatabase) {
  EXPECT_EQ(Configure(m_folder / "absent.sqlite"), BDK_PROPERTIES_REFUSED);
  EXPECT_NE(m_agent->GetLastErrorMessage().Find("absent.sqlite"), -1);
  const std::string junk = m_folder / "junk.sqlite";
  std::ofstream(junk) << "this is not a database, only some text that is long enough to be read as a header";
  EXPECT_EQ(Configure(junk), BDK_SEE_MESSAGE);
  EXPECT_NE(m_agent->GetLastErrorMessage().Find("not an SQLite database"), -1) << m_agent->GetLastErrorMessage();
  EXPECT_TRUE(m_agent->GetBOTree("", "", 0, 1).empty()) << "no tree without a database";
  EXPECT_EQ(m_agent->GetLastErrorMessage().IsEmpty(), false);
}

TEST_F(SqliteAgentTest, TreeListsTablesWithColumnsAndHonoursPatternsAndViews) {
  ASSERT_EQ(Configure(m_db), BDK_OK) << m_agent->GetLastErrorMessage();
  TreeNodeList top = m_agent->GetBOTree("", "", 0, 1);
  ASSERT_EQ(Names(top), (std::vector<std::string>{"customer", "order_line"}));
  EXPECT_TRUE(top[0]->m_bGenerable);
  EXPECT_TRUE(top[0]->m_bHasChildren);
  EXPECT_EQ(top[0]->m_strDescription, "Table with 7 columns");
  ASSERT_EQ(top[0]->m_children.size(), 7u);
  EXPECT_EQ(top[0]->m_children[0]->m_strName, "id");
  EXPECT_EQ(top[0]->m_children[0]->m_strDescription, "Integer, primary key");
  EXPECT_FALSE(top[0]->m_children[0]->m_bGenerable);

  EXPECT_EQ(Names(m_agent->GetBOTree("", "ORD*", 2, 1)), std::vector<std::string>{"order_line"})
      << "patterns ignore case";
  EXPECT_EQ(Names(m_agent->GetBOTree("customer", "", 2, 1)).size(), 7u);
  EXPECT_EQ(Names(m_agent->GetBOTree("customer", "n*", 2, 1)), (std::vector<std::string>{"name", "notes"}));
  const TreeNodeList lines = m_agent->GetBOTree("order_line", "", 2, 1);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2]->m_strDescription, "Integer, foreign key");
  EXPECT_TRUE(m_agent->GetBOTree("customer:id", "", 2, 1).empty());
  EXPECT_TRUE(m_agent->GetBOTree("nosuch", "", 2, 1).empty());
  EXPECT_NE(m_agent->GetLastErrorMessage().Find("nosuch"), -1);

  ASSERT_EQ(m_agent->Disconnect(), BDK_OK);
  AgentPropArray* props = nullptr;
  m_agent->GetAgentProperties(1, &props);
  props->Find("Include views")->SetValue("true");
  ASSERT_EQ(m_agent->SetAgentProperties(), BDK_OK);
  const TreeNodeList withViews = m_agent->GetBOTree("", "", 0, 1);
  ASSERT_EQ(Names(withViews), (std::vector<std::string>{"customer", "order_line", "rich"}));
  EXPECT_EQ(withViews[2]->m_strDescription, "View with 2 columns");
}

TEST_F(SqliteAgentTest, GeneratesDefinitionsThatDravonReads) {
  ASSERT_EQ(Configure(m_db, "false", "Shop"), BDK_OK) << m_agent->GetLastErrorMessage();
  const auto defs = Generate({"customer", "order_line:line"});
  ASSERT_EQ(defs.size(), 2u);
  const CQRBusObjDef& customer = *defs[0];
  EXPECT_STREQ(customer.name(), "Shopcustomer");
  EXPECT_EQ(customer.GetAppInfo(), "table=customer");
  struct Expect {
    const char* name;
    const char* type;
    bool key;
    bool required;
    const char* maxLength;
  };
  const Expect expected[] = {{"id", "Integer", true, true, ""},       {"name", "String", false, true, "40"},
                             {"balance", "Double", false, false, ""}, {"joined", "Date", false, false, ""},
                             {"active", "Boolean", false, false, ""}, {"notes", "LongText", false, false, ""},
                             {"code", "String", false, false, "255"}};
  for (const Expect& e : expected) {
    const CBODefAttr* a = Attr(customer, e.name);
    ASSERT_NE(a, nullptr) << e.name;
    EXPECT_EQ(a->GetTypeName(), e.type) << e.name;
    EXPECT_EQ(a->IsKey() != 0, e.key) << e.name;
    EXPECT_EQ(a->IsRequired() != 0, e.required) << e.name;
    EXPECT_EQ(a->GetMaxLength(), e.maxLength) << e.name;
  }
  ASSERT_NE(Attr(customer, "ObjectEventId"), nullptr);
  EXPECT_EQ(customer.GetVerbs().GetSize(), 4);

  const CQRBusObjDef& lines = *defs[1];
  EXPECT_STREQ(lines.name(), "Shoporder_line");
  EXPECT_TRUE(Attr(lines, "order_no")->IsKey());
  EXPECT_TRUE(Attr(lines, "line")->IsKey()) << "every column of a composite key is a key";
  EXPECT_TRUE(Attr(lines, "customer_id")->IsForeignKey());
}

TEST_F(SqliteAgentTest, HandsOutSingleItemsAndTellsWhenDone) {
  ASSERT_EQ(Configure(m_db), BDK_OK);
  CStringArray names;
  names.Add("order_line");
  names.Add("customer");
  ASSERT_EQ(m_agent->RequestContent(ZTK::CONTENT_BODEFS, names), BDK_OK);
  CString name;
  BYTE* bytes = nullptr;
  long length = 0;
  ASSERT_EQ(m_agent->GetContent(ZTK::CONTENT_BODEFS, 1, name, bytes, length), BDK_OK);
  EXPECT_EQ(name, "customer");
  EXPECT_GT(length, 0);
  delete[] bytes;
  EXPECT_EQ(m_agent->GetContent(ZTK::CONTENT_BODEFS, 2, name, bytes, length), BDK_NO_CONTENT);
  EXPECT_EQ(bytes, nullptr);
  EXPECT_EQ(m_agent->GetContent(ZTK::CONTENT_FILES, 0, name, bytes, length), BDK_NO_CONTENT);
  EXPECT_NE(m_agent->RequestContent(ZTK::CONTENT_FILES, names), BDK_OK) << "the agent makes no files";

  names.Add("nosuch");
  EXPECT_EQ(m_agent->RequestContent(ZTK::CONTENT_BODEFS, names), BDK_GENERATION_FAILED);
  EXPECT_NE(m_agent->GetLastErrorMessage().Find("nosuch"), -1);
}

TEST_F(SqliteAgentTest, AColumnNameWithALineBreakIsRefusedRatherThanBreakingTheText) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(m_db.c_str(), &db), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(db, "CREATE TABLE odd (\"two\nlines\" TEXT);", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(db);
  ASSERT_EQ(Configure(m_db), BDK_OK);
  CStringArray names;
  names.Add("odd");
  EXPECT_EQ(m_agent->RequestContent(ZTK::CONTENT_BODEFS, names), BDK_GENERATION_FAILED);
  EXPECT_NE(m_agent->GetLastErrorMessage().Find("odd cannot be written"), -1) << m_agent->GetLastErrorMessage();
}

TEST_F(SqliteAgentTest, GenerateSpecsPostsTheTextAndALostFileIsALostConnection) {
  ASSERT_EQ(Configure(m_db), BDK_OK);
  EXPECT_EQ(m_agent->GetConnectionStatus(), BDK_OK);
  CStringArray names;
  names.Add("customer");
  ASSERT_EQ(m_agent->GenerateSpecs(names), BDK_OK);
  Pump();
  ASSERT_EQ(Messages(), std::vector<UINT>{WM_BDK_GENERATED_TEXT});
  std::vector<std::unique_ptr<CQRBusObjDef>> defs;
  dravon::repocopy::LineReader in(Notices()[0].text1);
  const dravon::repocopy::Error error = dravon::repocopy::ReadDefinitions(in, defs);
  EXPECT_FALSE(error) << dravon::repocopy::ErrorText(error);
  EXPECT_EQ(defs.size(), 1u);

  std::filesystem::remove(m_db);
  EXPECT_EQ(m_agent->GetConnectionStatus(), BDK_CONNECTION_LOST);
  EXPECT_EQ(m_agent->Terminate(), BDK_OK);
  EXPECT_EQ(m_agent->GetConnectionStatus(), BDK_NOT_CONNECTED);
  EXPECT_EQ(m_agent->GenerateSpecs(names), BDK_NOT_CONNECTED);
  EXPECT_EQ(m_agent->Terminate(), BDK_OK) << "terminating twice is harmless";
}

}  // namespace
