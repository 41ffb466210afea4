// Connectors in the repository: a row per connector with its resource
// table, and ordered rows of properties, supported objects and maps.
#include "QRConnector.h"
#include "store/Repository.h"

namespace dravon {

namespace {

std::string S(const CString& text) { return std::string(text.GetString()); }

// A standard property the server holds is as current as the list it was
// saved with: it no longer asks for an upgrade.
bool InsertProps(sql::Db& db, const std::string& connector, int standard, const COwnedPtrArray<HvProperty>& props) {
  for (INT_PTR i = 0; i < props.GetSize(); ++i) {
    const HvProperty& p = *props[i];
    if (!sql::Stmt(db,
                   "INSERT INTO connector_props(connector, standard, seq, name, value, type, update_method, flags, "
                   "description) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
             .Bind(1, connector)
             .Bind(2, standard)
             .Bind(3, static_cast<int>(i))
             .Bind(4, S(p.GetName()))
             .Bind(5, S(p.GetValue()))
             .Bind(6, p.GetType())
             .Bind(7, S(p.GetUpdateMethod()))
             .Bind(8, standard != 0 ? p.GetFlags() & ~HvPropFlagNew : p.GetFlags())
             .Bind(9, S(p.GetDescription()))
             .Run()) {
      return false;
    }
  }
  return true;
}

bool LoadProps(sql::Db& db, const std::string& name, CQRConnector& c) {
  sql::Stmt stmt(db,
                 "SELECT standard, name, value, type, update_method, flags, description FROM connector_props "
                 "WHERE connector = ? ORDER BY standard DESC, seq");
  stmt.Bind(1, name);
  while (stmt.Next()) {
    auto* p = new HvProperty(stmt.Text(1).c_str(), stmt.Text(2).c_str(), static_cast<int>(stmt.Int(3)),
                             stmt.Text(4).c_str(), static_cast<int>(stmt.Int(5)));
    p->SetDescription(stmt.Text(6).c_str());
    p->SetTemplate(HvProperty::FindStandard(p->GetName()));
    if (stmt.Int(0) != 0) {
      c.AddStdProperty(p);
    } else {
      c.AddProperty(p);
    }
  }
  return stmt.Done();
}

bool LoadBOs(sql::Db& db, const std::string& name, CQRConnector& c) {
  sql::Stmt stmt(db, "SELECT name, agent_support, state FROM connector_bos WHERE connector = ? ORDER BY seq");
  stmt.Bind(1, name);
  while (stmt.Next()) {
    c.GetSupportedBOs().Add(
        new CQRSupportedBO{stmt.Text(0).c_str(), static_cast<int>(stmt.Int(1)), static_cast<int>(stmt.Int(2))});
  }
  return stmt.Done();
}

bool LoadMaps(sql::Db& db, const std::string& name, CQRConnector& c) {
  sql::Stmt stmt(db, "SELECT bo, map, type, flag FROM connector_maps WHERE connector = ? ORDER BY seq");
  stmt.Bind(1, name);
  while (stmt.Next()) {
    c.GetMapps().Add(new CQRConnectorMap{stmt.Text(0).c_str(), stmt.Text(1).c_str(), stmt.Text(2).c_str(),
                                         static_cast<int>(stmt.Int(3))});
  }
  return stmt.Done();
}

}  // namespace

std::optional<std::vector<std::string>> Repository::ConnectorNames() {
  sql::Stmt stmt(m_db, "SELECT name FROM connectors ORDER BY name");
  std::vector<std::string> names;
  while (stmt.Next()) names.push_back(stmt.Text(0));
  if (!stmt.Done()) return std::nullopt;
  return names;
}

Found Repository::LoadConnector(const std::string& name, CQRConnector& c) {
  sql::Stmt head(m_db,
                 "SELECT version, trans_level, has_res_table, res_degree, res0_class, res0_min, res0_max, "
                 "res1_class, res1_min, res1_max FROM connectors WHERE name = ?");
  head.Bind(1, name);
  if (!head.Next()) return head.Done() ? Found::No : Found::Failed;
  CQRConnector fresh(name.c_str(), nullptr, 0);
  fresh.SetVersion(head.Text(0).c_str());
  fresh.SetTransLevel(static_cast<int>(head.Int(1)));
  if (head.Int(2) != 0) {
    fresh.CreateResTable();
    fresh.setResValue(0, static_cast<int>(head.Int(3)));
  }
  for (int pool = 0; pool < kResourcePools; ++pool) {
    fresh.setResClass(0, pool, head.Text(4 + 3 * pool).c_str());
    fresh.setMinAllocValue(0, pool, static_cast<int>(head.Int(5 + 3 * pool)));
    fresh.setMaxAllocValue(0, pool, static_cast<int>(head.Int(6 + 3 * pool)));
  }
  if (!LoadProps(m_db, name, fresh) || !LoadBOs(m_db, name, fresh) || !LoadMaps(m_db, name, fresh)) {
    return Found::Failed;
  }
  c.CopyContent(fresh);
  return Found::Yes;
}

bool Repository::WriteConnector(const CQRConnector& c) {
  const std::string name = c.name();
  const bool hasTable = c.GetResTable() != nullptr;
  sql::Stmt head(m_db,
                 "INSERT INTO connectors(name, version, trans_level, has_res_table, res_degree, res0_class, "
                 "res0_min, res0_max, res1_class, res1_min, res1_max) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
  head.Bind(1, name).Bind(2, S(c.GetVersion())).Bind(3, c.GetTransLevel()).Bind(4, hasTable ? 1 : 0);
  head.Bind(5, hasTable ? c.getResValue(0) : 0);
  for (int pool = 0; pool < kResourcePools; ++pool) {
    head.Bind(6 + 3 * pool, S(c.getResClass(0, pool)));
    head.Bind(7 + 3 * pool, hasTable ? c.getMinAllocValue(0, pool) : 0);
    head.Bind(8 + 3 * pool, hasTable ? c.getMaxAllocValue(0, pool) : 0);
  }
  if (name.empty() || !sql::Stmt(m_db, "DELETE FROM connectors WHERE name = ?").Bind(1, name).Run() || !head.Run() ||
      !InsertProps(m_db, name, 1, c.GetStandardProperties()) || !InsertProps(m_db, name, 0, c.GetAppProperties())) {
    return false;
  }
  for (INT_PTR i = 0; i < c.GetSupportedBOs().GetSize(); ++i) {
    const CQRSupportedBO& bo = *c.GetSupportedBOs()[i];
    if (!sql::Stmt(m_db, "INSERT INTO connector_bos(connector, seq, name, agent_support, state) VALUES (?, ?, ?, ?, ?)")
             .Bind(1, name)
             .Bind(2, static_cast<int>(i))
             .Bind(3, S(bo.name))
             .Bind(4, bo.agentSupport)
             .Bind(5, bo.state)
             .Run()) {
      return false;
    }
  }
  for (INT_PTR i = 0; i < c.GetMapps().GetSize(); ++i) {
    const CQRConnectorMap& m = *c.GetMapps()[i];
    if (!sql::Stmt(m_db, "INSERT INTO connector_maps(connector, seq, bo, map, type, flag) VALUES (?, ?, ?, ?, ?, ?)")
             .Bind(1, name)
             .Bind(2, static_cast<int>(i))
             .Bind(3, S(m.boName))
             .Bind(4, S(m.mapName))
             .Bind(5, S(m.mapType))
             .Bind(6, m.flag)
             .Run()) {
      return false;
    }
  }
  return true;
}

bool Repository::SaveConnector(const CQRConnector& connector) {
  return Write(20, connector.name(), 'S', [&] { return WriteConnector(connector); });
}

Found Repository::DeleteConnector(const std::string& name) {
  return Delete("DELETE FROM connectors WHERE name = ?", 20, name, false);
}

}  // namespace dravon
