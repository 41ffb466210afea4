// The repository's parts: the repository-copy reader and the database
// itself.
#include <gtest/gtest.h>

#include "BusObjDef.h"
#include "dravon_test_support.h"
#include "store/Repository.h"
#include "store/RepositoryCopy.h"

namespace dravon_test {
namespace {

using Defs = std::vector<std::unique_ptr<CQRBusObjDef>>;

TEST(RepositoryCopyTest, ReadsDefinitionsWithEveryKindOfSubBlock) {
  const std::string text =
      "[Pellisk]\r\nVersion = 3.0.0\r\n[End]\r\n"
      "[BusinessObjectDefinition]\r\nName = Customer\r\nVersion = 2.0.0\r\nAppSpecificInfo = table=cust\r\n\r\n"
      "\t[Attribute]\r\n\tName = Id\r\n\tType = String\r\n\tMaxLength = 32\r\n\tIsKey = true\r\n"
      "\tIsForeignKey = false\r\n\tIsRequired = TRUE\r\n\tIsRequiredServerBound = false\r\n\t[End]\r\n\r\n"
      "\t[Attribute]\r\n\tName = Address\r\n\tType = Address\r\n\tContainedObjectVersion = 1.0.0\r\n"
      "\tRelationship = Containment\r\n\tCardinality = N\r\n\t[End]\r\n\r\n"
      "\t[Verb]\r\n\tName = Create\r\n\tAppSpecificInfo = ins\r\n\t[End]\r\n\r\n"
      "\t[Property]\r\n\tName = BO_SPEC_PROPERTY\r\n\tAttrName = Owner\r\n\tAttrType = String\r\n"
      "\tAttrValue = sales \r\n\tAttrDescription = \r\n\t[End]\r\n[End]\r\n";
  Defs defs;
  std::string error;
  ASSERT_TRUE(dravon::ParseRepositoryCopy(text, defs, error)) << error;
  ASSERT_EQ(defs.size(), 1u);
  const CQRBusObjDef& def = *defs[0];
  EXPECT_STREQ(def.name(), "Customer");
  EXPECT_EQ(def.GetVersion(), "2.0.0");
  EXPECT_EQ(def.GetAppInfo(), "table=cust");
  ASSERT_EQ(def.GetAttrs().GetSize(), 2);
  EXPECT_TRUE(def.GetAttrs()[0]->IsKey());
  EXPECT_FALSE(def.GetAttrs()[0]->IsRequired()) << "only lower-case true is true";
  EXPECT_EQ(def.GetAttrs()[0]->GetMaxLength(), "32");
  EXPECT_FALSE(def.GetAttrs()[1]->IsSimpleType());
  EXPECT_EQ(def.GetAttrs()[1]->GetPosition(), 2);
  EXPECT_EQ(def.GetAttrs()[1]->GetCardinality(), "N");
  ASSERT_EQ(def.GetVerbs().GetSize(), 1);
  EXPECT_EQ(def.GetVerbs()[0]->GetAppInfo(), "ins");
  ASSERT_EQ(def.GetProperties().GetSize(), 1);
  EXPECT_EQ(def.GetProperties()[0].value, "sales ") << "trailing blanks of a value stay";
}

TEST(RepositoryCopyTest, AcceptsAMissingHeaderAndGivesEmptyDefinitionsTheEventId) {
  Defs defs;
  std::string error;
  ASSERT_TRUE(dravon::ParseRepositoryCopy("[BusinessObjectDefinition]\nName = Bare\n[End]\n", defs, error)) << error;
  ASSERT_EQ(defs.size(), 1u);
  ASSERT_EQ(defs[0]->GetAttrs().GetSize(), 1);
  EXPECT_EQ(defs[0]->GetAttrs()[0]->GetName(), CBODefAttr::ATTR_OBJECT_EVENT_ID);
  EXPECT_EQ(defs[0]->GetAttrs()[0]->GetTypeName(), "String");
}

TEST(RepositoryCopyTest, SkipsConnectorBlocks) {
  Defs defs;
  std::string error;
  ASSERT_TRUE(dravon::ParseRepositoryCopy("[Pellisk]\nVersion = 4.0.0\nRepositoryID = k\n[End]\n[Connector]\nName = C\n"
                                          "\t[Property]\n\tName = AppEndConfInfo\n\t[End]\n[End]\n"
                                          "[BusinessObjectDefinition]\nName = After\n[End]\n",
                                          defs, error))
      << error;
  ASSERT_EQ(defs.size(), 1u);
  EXPECT_STREQ(defs[0]->name(), "After");
}

TEST(RepositoryCopyTest, RejectsBadInputWithTheLineNumber) {
  struct Case {
    const char* text;
    const char* lineText;
  };
  const Case cases[] = {
      {"[Pellisk]\nVersion = 3.0.0\n[End]\n[BusinessObjectDefinition]\nName = X\n\t[Attribute]\n\tName = A\n"
       "\tColour = red\n\t[End]\n[End]\n",
       "line 8:"},
      {"[BusinessObjectDefinition]\nVersion = 1\n[End]\n", "line 2:"},
      {"[BusinessObjectDefinition]\nName = X\n\t[Verb]\n\tName = \n\t[End]\n[End]\n", "line 4:"},
      {"[BusinessObjectDefinition]\nName = X\n", "line 2:"},
      {"", "line 0:"},
  };
  for (const Case& c : cases) {
    Defs defs;
    std::string error;
    EXPECT_FALSE(dravon::ParseRepositoryCopy(c.text, defs, error)) << c.text;
    EXPECT_EQ(error.rfind(c.lineText, 0), 0u) << error;
  }
}

class RepositoryTest : public DravonTest {};

TEST_F(RepositoryTest, SchemaIsVersionedAndWritesBumpTheCounter) {
  dravon::Repository repo;
  ASSERT_TRUE(repo.Open(ServerFilePath(), false));
  const auto before = repo.Counter();
  ASSERT_TRUE(before.has_value());
  CQRBusObjDef def("Order", nullptr, HvStateNew);
  def.GetAttrs().Add(new CBODefAttr(1, "Id", "Integer"));
  ASSERT_TRUE(repo.SaveBO(def));
  EXPECT_EQ(repo.Counter(), *before + 1);
  EXPECT_EQ(repo.DeleteBO("Order"), dravon::Found::Yes);
  EXPECT_EQ(repo.DeleteBO("Order"), dravon::Found::No);
  EXPECT_EQ(repo.Counter(), *before + 2) << "a delete of nothing writes nothing";

  sqlite3* raw = nullptr;
  ASSERT_EQ(sqlite3_open(ServerFilePath().c_str(), &raw), SQLITE_OK);
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(raw, "PRAGMA user_version", -1, &stmt, nullptr);
  ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
  EXPECT_EQ(sqlite3_column_int(stmt, 0), dravon::Repository::kSchemaVersion);
  sqlite3_finalize(stmt);
  // The password is not stored as given.
  sqlite3_prepare_v2(raw, "SELECT COUNT(*) FROM accounts WHERE hash = 'secret' OR salt = 'secret'", -1, &stmt, nullptr);
  ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
  EXPECT_EQ(sqlite3_column_int(stmt, 0), 0);
  sqlite3_finalize(stmt);
  sqlite3_close(raw);
}

TEST_F(RepositoryTest, ANewerSchemaIsNotOpened) {
  sqlite3* raw = nullptr;
  ASSERT_EQ(sqlite3_open(ServerFilePath().c_str(), &raw), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(raw, "PRAGMA user_version = 99", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(raw);
  dravon::Repository repo;
  EXPECT_FALSE(repo.Open(ServerFilePath(), false));
  EXPECT_FALSE(LogIn());
}

}  // namespace
}  // namespace dravon_test
