// The agent over an SQLite database: its tables become business objects,
// their columns attributes, the primary key the key attributes.
#include <fnmatch.h>
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "BusObjDef.h"
#include "RepositoryCopyBO.h"
#include "agents/AgentDriver.h"

namespace dravon::agents {
namespace {

constexpr const char* kAgentName = "SQLite Agent";
constexpr const char* kFileProperty = "Database file";
constexpr const char* kViewsProperty = "Include views";
constexpr const char* kPrefixProperty = "Object name prefix";

struct Column {
  std::string name;
  std::string declared;
  bool notNull = false;
  int keyPosition = 0;  // 0: not in the primary key
  bool foreign = false;
};

struct Table {
  std::string name;
  bool view = false;
  std::vector<Column> columns;
};

using Db = std::unique_ptr<sqlite3, int (*)(sqlite3*)>;
using Stmt = std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)>;

Stmt Prepare(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* stmt = nullptr;
  sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr);
  return Stmt(stmt, sqlite3_finalize);
}

std::string Text(sqlite3_stmt* stmt, int column) {
  const unsigned char* text = sqlite3_column_text(stmt, column);
  return text != nullptr ? reinterpret_cast<const char*>(text) : "";
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// The usual affinity rules of SQLite, mapped to business-object types.
std::string AttributeType(const std::string& declared) {
  const std::string t = Upper(declared);
  const auto has = [&](const char* part) { return t.find(part) != std::string::npos; };
  if (has("BOOL")) return "Boolean";
  if (has("INT")) return "Integer";
  if (has("DATE") || has("TIME")) return "Date";
  if (has("REAL") || has("FLOA") || has("DOUB") || has("NUMERIC") || has("DECIMAL")) return "Double";
  if (has("TEXT") || has("CLOB")) return has("CHAR") ? "String" : "LongText";
  return "String";
}

std::string MaxLength(const std::string& declared, const std::string& type) {
  const size_t open = declared.find('(');
  if (open != std::string::npos) return std::to_string(std::atoi(declared.c_str() + open + 1));
  return type == "String" ? "255" : "";
}

// Business-object names are letters, digits and underscores.
std::string ObjectName(const std::string& prefix, const std::string& table) {
  std::string name = prefix + table;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') c = '_';
  return name;
}

// The table as a definition, written as the editor writes one; false with
// the reason when a name of the database cannot stand in the text.
bool Definition(const Table& table, const std::string& prefix, std::string& text, std::string& error) {
  CQRBusObjDef def(ObjectName(prefix, table.name).c_str(), nullptr, HvStateNew);
  def.SetAppInfo(("table=" + table.name).c_str());
  for (const Column& c : table.columns) {
    const std::string type = AttributeType(c.declared);
    auto* attr = new CBODefAttr(static_cast<int>(def.GetAttrs().GetSize()) + 1, c.name.c_str(), type.c_str());
    attr->SetMaxLength(MaxLength(c.declared, type).c_str());
    attr->SetKey(c.keyPosition > 0);
    attr->SetForeignKey(c.foreign);
    attr->SetRequired(c.notNull || c.keyPosition > 0);
    attr->SetAppInfo(("column=" + c.name).c_str());
    attr->SetComments(("Column " + c.name + " of " + (table.view ? "view " : "table ") + table.name +
                       (c.declared.empty() ? "" : " (" + c.declared + ")"))
                          .c_str());
    def.GetAttrs().Add(attr);
  }
  auto* eventId =
      new CBODefAttr(static_cast<int>(def.GetAttrs().GetSize()) + 1, CBODefAttr::ATTR_OBJECT_EVENT_ID, "String");
  eventId->SetMaxLength("255");
  def.GetAttrs().Add(eventId);
  for (const char* verb : {"Create", "Retrieve", "Update", "Delete"}) {
    def.AddVerb(verb, (Upper(verb) + " " + table.name).c_str());
  }
  dravon::repocopy::LineWriter out(text);
  const dravon::repocopy::WriteError written = dravon::repocopy::WriteDefinition(out, def);
  if (written) error = written.message.str();
  return !written;
}

bool Matches(const std::string& pattern, const std::string& name) {
  return pattern.empty() || fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD) == 0;
}

class SqliteAgent : public AgentDriver {
 public:
  SqliteAgent() {
    m_meta.SetContentProtocol(ZTK::CONTENT_BODEFS, ZTK::CONTENT_PROTOCOL_ONREQUEST);
    m_meta.SetSearch(true, "A table name, with * and ? as wildcards (for example cust*)");
  }

  AgentPropArray DefaultProperties() const override {
    AgentPropArray props;
    CStringList none;
    props.Add(AgentProperty(kFileProperty, "The SQLite database whose tables become business objects", "10", none, 1, 1,
                            "1"));
    CStringList no;
    no.AddTail("false");
    AgentProperty& views = props.Add(
        AgentProperty(kViewsProperty, "Offer the database's views as well as its tables", "5", no, 0, 1, "1"));
    views.m_bIsList = 1;
    views.m_allowedValues.AddTail("true");
    views.m_allowedValues.AddTail("false");
    props.Add(
        AgentProperty(kPrefixProperty, "Text put before every generated business-object name", "5", none, 0, 1, "1"));
    return props;
  }

  CString Version() const override { return ZTK::ZTK_VERSION_2; }
  const CQRBDKAgentMetaData& MetaData() const override { return m_meta; }
  int Connect(std::string&) override { return BDK_OK; }

  int Configure(const AgentPropArray& props, std::string& error) override {
    EndSession();
    const AgentProperty* file = props.Find(kFileProperty);
    const std::string path = file != nullptr ? static_cast<const char*>(file->GetValue()) : "";
    if (path.empty() || !std::filesystem::is_regular_file(path)) {
      error = "The database file \"" + path + "\" does not exist.";
      return BDK_PROPERTIES_REFUSED;
    }
    sqlite3* raw = nullptr;
    Db db(nullptr, sqlite3_close);
    const int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
    db.reset(raw);
    if (rc != SQLITE_OK || !Prepare(db.get(), "SELECT name FROM sqlite_master")) {
      error = "\"" + path + "\" is not an SQLite database.";
      return BDK_SEE_MESSAGE;
    }
    const AgentProperty* views = props.Find(kViewsProperty);
    m_views = views != nullptr && views->GetValue().CompareNoCase("true") == 0;
    const AgentProperty* prefix = props.Find(kPrefixProperty);
    m_prefix = prefix != nullptr ? static_cast<const char*>(prefix->GetValue()) : "";
    m_path = path;
    m_db = std::move(db);
    return BDK_OK;
  }

  void EndSession() override {
    m_db.reset();
    m_path.clear();
  }

  int Status() override { return m_db && !std::filesystem::is_regular_file(m_path) ? BDK_CONNECTION_LOST : BDK_OK; }

  int Tree(const std::string& path, const std::string& pattern, int, TreeNodeList& nodes, std::string& error) override {
    if (!m_db) {
      error = "The agent has no database yet; send its properties first.";
      return BDK_NOT_CONNECTED;
    }
    if (path.empty()) {
      for (const Table& table : Tables())
        if (Matches(pattern, table.name)) nodes.push_back(TableNode(table));
      return BDK_OK;
    }
    const std::string tableName = path.substr(0, path.find(':'));
    for (const Table& table : Tables())
      if (table.name == tableName) {
        if (path.find(':') == std::string::npos) nodes = ColumnNodes(table, pattern);
        return BDK_OK;
      }
    error = "The database has no table \"" + tableName + "\".";
    return BDK_NO_SUCH_NODE;
  }

 protected:
  int Produce(int type, const std::vector<std::string>& names, std::vector<ContentItem>& items,
              std::string& error) override {
    if (type != ZTK::CONTENT_BODEFS) {
      error = "The SQLite agent makes business-object definitions only.";
      return BDK_NO_CONTENT;
    }
    if (!m_db) {
      error = "The agent has no database yet; send its properties first.";
      return BDK_NOT_CONNECTED;
    }
    const std::vector<Table> tables = Tables();
    for (const std::string& path : names) {
      const std::string tableName = path.substr(0, path.find(':'));
      const auto it = std::find_if(tables.begin(), tables.end(), [&](const Table& t) { return t.name == tableName; });
      if (it == tables.end()) {
        error = "The database has no table \"" + tableName + "\".";
        return BDK_GENERATION_FAILED;
      }
      std::string text;
      // The first definition carries the header of the whole text.
      if (items.empty()) {
        dravon::repocopy::LineWriter header(text);
        dravon::repocopy::WriteHeader(header, dravon::repocopy::kBusinessObjectVersion);
      }
      if (!Definition(*it, m_prefix, text, error)) return BDK_GENERATION_FAILED;
      items.push_back({ObjectName(m_prefix, it->name), std::move(text)});
    }
    return BDK_OK;
  }

 private:
  std::vector<Table> Tables() const {
    std::vector<Table> tables;
    const std::string kinds = m_views ? "('table','view')" : "('table')";
    Stmt stmt = Prepare(m_db.get(), "SELECT name, type FROM sqlite_master WHERE type IN " + kinds +
                                        " AND name NOT LIKE 'sqlite_%' ORDER BY name");
    while (stmt && sqlite3_step(stmt.get()) == SQLITE_ROW)
      tables.push_back({Text(stmt.get(), 0), Text(stmt.get(), 1) == "view", {}});
    for (Table& table : tables) table.columns = Columns(table.name);
    return tables;
  }

  std::vector<Column> Columns(const std::string& table) const {
    std::vector<Column> columns;
    char* sql = sqlite3_mprintf("SELECT name, type, \"notnull\", pk FROM pragma_table_info(%Q)", table.c_str());
    Stmt stmt = Prepare(m_db.get(), sql);
    sqlite3_free(sql);
    while (stmt && sqlite3_step(stmt.get()) == SQLITE_ROW)
      columns.push_back({Text(stmt.get(), 0), Text(stmt.get(), 1), sqlite3_column_int(stmt.get(), 2) != 0,
                         sqlite3_column_int(stmt.get(), 3), false});
    sql = sqlite3_mprintf("SELECT \"from\" FROM pragma_foreign_key_list(%Q)", table.c_str());
    Stmt keys = Prepare(m_db.get(), sql);
    sqlite3_free(sql);
    while (keys && sqlite3_step(keys.get()) == SQLITE_ROW)
      for (Column& c : columns)
        if (c.name == Text(keys.get(), 0)) c.foreign = true;
    return columns;
  }

  static std::unique_ptr<TreeNode> TableNode(const Table& table) {
    const std::string description = std::string(table.view ? "View" : "Table") + " with " +
                                    std::to_string(table.columns.size()) + " column" +
                                    (table.columns.size() == 1 ? "" : "s");
    auto node = std::make_unique<TreeNode>(table.name.c_str(), description.c_str(), true, !table.columns.empty());
    node->m_children = ColumnNodes(table, "");
    return node;
  }

  static TreeNodeList ColumnNodes(const Table& table, const std::string& pattern) {
    TreeNodeList nodes;
    for (const Column& c : table.columns) {
      if (!Matches(pattern, c.name)) continue;
      std::string description = AttributeType(c.declared);
      if (c.keyPosition > 0) description += ", primary key";
      if (c.foreign) description += ", foreign key";
      nodes.push_back(std::make_unique<TreeNode>(c.name.c_str(), description.c_str(), false, false));
    }
    return nodes;
  }

  CQRBDKAgentMetaData m_meta;
  Db m_db{nullptr, sqlite3_close};
  std::string m_path;
  std::string m_prefix;
  bool m_views = false;
};

const struct Registration {
  Registration() {
    AddAgent(kAgentName, [] { return std::make_unique<SqliteAgent>(); });
  }
} g_registration;

}  // namespace
}  // namespace dravon::agents
