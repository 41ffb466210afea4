// The repository's parts: the database itself.
#include <gtest/gtest.h>

#include "BusObjDef.h"
#include "dravon_test_support.h"
#include "store/Repository.h"

namespace dravon_test {
namespace {

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
