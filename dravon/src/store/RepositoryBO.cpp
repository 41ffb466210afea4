// Business-object definitions in the repository: a row per definition and
// ordered rows of its attributes, verbs and properties.
#include "BusObjDef.h"
#include "store/Repository.h"

namespace dravon {

namespace {

std::string S(const CString& text) { return std::string(text.GetString()); }

bool InsertAttr(sql::Db& db, const std::string& bo, int seq, const CBODefAttr& a) {
  return sql::Stmt(db,
                   "INSERT INTO bo_attrs(bo, seq, position, name, type, simple, is_key, is_foreign_key, required, "
                   "cardinality, max_length, default_value, app_info, comments, relationship, contained_version) "
                   "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
      .Bind(1, bo)
      .Bind(2, seq)
      .Bind(3, a.GetPosition())
      .Bind(4, S(a.GetName()))
      .Bind(5, S(a.GetTypeName()))
      .Bind(6, a.IsSimpleType() ? 1 : 0)
      .Bind(7, a.IsKey() ? 1 : 0)
      .Bind(8, a.IsForeignKey() ? 1 : 0)
      .Bind(9, a.IsRequired() ? 1 : 0)
      .Bind(10, S(a.GetCardinality()))
      .Bind(11, S(a.GetMaxLength()))
      .Bind(12, S(a.GetDefaultValue()))
      .Bind(13, S(a.GetAppInfo()))
      .Bind(14, S(a.GetComments()))
      .Bind(15, S(a.GetRelationship()))
      .Bind(16, S(a.GetContainedObjectVersion()))
      .Run();
}

bool InsertVerb(sql::Db& db, const std::string& bo, int seq, const CBODefVerb& v) {
  return sql::Stmt(db,
                   "INSERT INTO bo_verbs(bo, seq, name, app_info, subscription, scenario) VALUES (?, ?, ?, ?, ?, ?)")
      .Bind(1, bo)
      .Bind(2, seq)
      .Bind(3, S(v.GetName()))
      .Bind(4, S(v.GetAppInfo()))
      .Bind(5, S(v.GetSubscription()))
      .Bind(6, S(v.GetScenario()))
      .Run();
}

bool InsertProp(sql::Db& db, const std::string& bo, int seq, const CBOSpecProperty& p) {
  return sql::Stmt(db, "INSERT INTO bo_props(bo, seq, name, type, value, description) VALUES (?, ?, ?, ?, ?, ?)")
      .Bind(1, bo)
      .Bind(2, seq)
      .Bind(3, S(p.name))
      .Bind(4, S(p.type))
      .Bind(5, S(p.value))
      .Bind(6, S(p.description))
      .Run();
}

bool LoadAttrs(sql::Db& db, const std::string& name, CQRBusObjDef& def) {
  sql::Stmt stmt(db,
                 "SELECT position, name, type, simple, is_key, is_foreign_key, required, cardinality, max_length, "
                 "default_value, app_info, comments, relationship, contained_version FROM bo_attrs WHERE bo = ? "
                 "ORDER BY seq");
  stmt.Bind(1, name);
  while (stmt.Next()) {
    auto* a = new CBODefAttr(static_cast<int>(stmt.Int(0)), stmt.Text(1).c_str(), stmt.Text(2).c_str());
    def.GetAttrs().Add(a);
    a->SetSimpleType(stmt.Int(3) != 0);
    a->SetKey(stmt.Int(4) != 0);
    a->SetForeignKey(stmt.Int(5) != 0);
    a->SetRequired(stmt.Int(6) != 0);
    a->SetCardinality(stmt.Text(7).c_str());
    a->SetMaxLength(stmt.Text(8).c_str());
    a->SetDefaultValue(stmt.Text(9).c_str());
    a->SetAppInfo(stmt.Text(10).c_str());
    a->SetComments(stmt.Text(11).c_str());
    a->SetRelationship(stmt.Text(12).c_str());
    a->SetContainedObjectVersion(stmt.Text(13).c_str());
  }
  return stmt.Done();
}

bool LoadVerbs(sql::Db& db, const std::string& name, CQRBusObjDef& def) {
  sql::Stmt stmt(db, "SELECT name, app_info, subscription, scenario FROM bo_verbs WHERE bo = ? ORDER BY seq");
  stmt.Bind(1, name);
  while (stmt.Next()) {
    auto* v = new CBODefVerb(stmt.Text(0).c_str(), stmt.Text(1).c_str());
    def.GetVerbs().Add(v);
    v->SetSubscription(stmt.Text(2).c_str());
    v->SetScenario(stmt.Text(3).c_str());
    v->SetState(0);
  }
  return stmt.Done();
}

bool LoadProps(sql::Db& db, const std::string& name, CQRBusObjDef& def) {
  sql::Stmt stmt(db, "SELECT name, type, value, description FROM bo_props WHERE bo = ? ORDER BY seq");
  stmt.Bind(1, name);
  while (stmt.Next()) {
    def.AddProperty(stmt.Text(0).c_str(), stmt.Text(1).c_str(), stmt.Text(2).c_str(), stmt.Text(3).c_str());
  }
  return stmt.Done();
}

}  // namespace

std::optional<std::vector<std::string>> Repository::BONames() {
  sql::Stmt stmt(m_db, "SELECT name FROM bo_defs ORDER BY name");
  std::vector<std::string> names;
  while (stmt.Next()) names.push_back(stmt.Text(0));
  if (!stmt.Done()) return std::nullopt;
  return names;
}

Found Repository::HasBO(const std::string& name) {
  sql::Stmt stmt(m_db, "SELECT 1 FROM bo_defs WHERE name = ?");
  stmt.Bind(1, name);
  if (stmt.Next()) return Found::Yes;
  return stmt.Done() ? Found::No : Found::Failed;
}

Found Repository::LoadBO(const std::string& name, CQRBusObjDef& def) {
  sql::Stmt head(m_db, "SELECT version, app_info FROM bo_defs WHERE name = ?");
  head.Bind(1, name);
  if (!head.Next()) return head.Done() ? Found::No : Found::Failed;
  def.CleanBusObjDef();
  def.SetVersion(head.Text(0).c_str());
  def.SetAppInfo(head.Text(1).c_str());
  const bool ok = LoadAttrs(m_db, name, def) && LoadVerbs(m_db, name, def) && LoadProps(m_db, name, def);
  return ok ? Found::Yes : Found::Failed;
}

bool Repository::WriteBO(const CQRBusObjDef& def) {
  const std::string name = def.name();
  if (name.empty()) return false;
  if (!sql::Stmt(m_db, "DELETE FROM bo_defs WHERE name = ?").Bind(1, name).Run() ||
      !sql::Stmt(m_db, "INSERT INTO bo_defs(name, version, app_info) VALUES (?, ?, ?)")
           .Bind(1, name)
           .Bind(2, S(def.GetVersion()))
           .Bind(3, S(def.GetAppInfo()))
           .Run()) {
    return false;
  }
  for (INT_PTR i = 0; i < def.GetAttrs().GetSize(); ++i) {
    if (!InsertAttr(m_db, name, static_cast<int>(i), *def.GetAttrs()[i])) return false;
  }
  for (INT_PTR i = 0; i < def.GetVerbs().GetSize(); ++i) {
    if (!InsertVerb(m_db, name, static_cast<int>(i), *def.GetVerbs()[i])) return false;
  }
  for (INT_PTR i = 0; i < def.GetProperties().GetSize(); ++i) {
    if (!InsertProp(m_db, name, static_cast<int>(i), def.GetProperties()[i])) return false;
  }
  return true;
}

bool Repository::SaveBO(const CQRBusObjDef& def) {
  return Write(17, def.name(), 'S', [&] { return WriteBO(def); });
}

bool Repository::SaveBOs(const std::function<bool(const BOSaver& save)>& produce) {
  sql::Transaction tx(m_db);
  if (!tx.Began()) return false;
  const BOSaver save = [this](const CQRBusObjDef& def) { return WriteBO(def) && AppendToLog(17, def.name(), 'S'); };
  // One step of the counter: the pollers read the log for the names.
  return produce(save) && BumpCounter(1) && tx.Commit();
}

Found Repository::DeleteBO(const std::string& name) {
  return Delete("DELETE FROM bo_defs WHERE name = ?", 17, name, false);
}

bool Repository::RenameBO(const std::string& oldName, const std::string& newName) {
  if (newName.empty()) return false;
  sql::Transaction tx(m_db);
  return tx.Began() &&
         sql::Stmt(m_db, "UPDATE bo_defs SET name = ? WHERE name = ?").Bind(1, newName).Bind(2, oldName).Run() &&
         sqlite3_changes(m_db.Handle()) == 1 && LogChange(17, oldName, 'D') && LogChange(17, newName, 'S') &&
         tx.Commit();
}

}  // namespace dravon
