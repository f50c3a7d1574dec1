// The dealer schema as the engine sees it after LoadDealerSchema: every table
// and column of the inventory with a type of the right family, the declared
// primary keys, nullability, the database character set, and the all-or-
// nothing load.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/db/schema_loader.h"
#include "platform/db/sql_dataset.h"
#include "support/test_database.h"
#include "veiculo/connection.h"
#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

enum class Family { Integer, ExactNumeric, Float, Text, DateTime, Other };

const char* FamilyName(Family family) {
  switch (family) {
    case Family::Integer:
      return "integer";
    case Family::ExactNumeric:
      return "exact numeric";
    case Family::Float:
      return "float";
    case Family::Text:
      return "text";
    case Family::DateTime:
      return "date/time";
    case Family::Other:
      break;
  }
  return "other";
}

struct InventoryColumn {
  const char* table;
  const char* column;
  Family family;
};

const InventoryColumn kInventory[] = {
#include "schema/inventory.inc"
};

struct PrimaryKey {
  const char* table;
  std::vector<std::string> columns;
};

const PrimaryKey kPrimaryKeys[] = {
#include "schema/primary_keys.inc"
};

// The family of a column from its catalogue entry (RDB$FIELDS): the integer
// types hold NUMERIC/DECIMAL too, told apart by a negative scale or a sub-type.
Family FamilyOf(int type, int scale, int sub_type) {
  switch (type) {
    case 7:
    case 8:
    case 16:  // SMALLINT, INTEGER, BIGINT
      return scale < 0 || sub_type != 0 ? Family::ExactNumeric : Family::Integer;
    case 10:
    case 27:
      return Family::Float;  // FLOAT, DOUBLE PRECISION
    case 14:
    case 37:
      return Family::Text;  // CHAR, VARCHAR
    case 261:
      return sub_type == 1 ? Family::Text : Family::Other;  // BLOB SUB_TYPE TEXT
    case 12:
    case 13:
    case 35:
      return Family::DateTime;  // DATE, TIME, TIMESTAMP
    default:
      return Family::Other;
  }
}

using Row = std::map<std::string, std::string>;

// Runs a select and returns each row as name -> text.
std::vector<Row> Query(Connection& connection, const std::string& sql,
                       const std::vector<std::string>& fields) {
  SqlDataSet data_set("sdsCatalogue", &connection);
  data_set.SetCommandText(sql);
  data_set.Open();
  std::vector<Row> rows;
  for (; !data_set.Eof(); data_set.Next()) {
    Row row;
    for (const std::string& field : fields) row[field] = data_set.FieldByName(field).AsText();
    rows.push_back(std::move(row));
  }
  return rows;
}

std::set<std::string> UserTables(Connection& connection) {
  std::set<std::string> tables;
  for (const Row& row : Query(connection,
                              "select trim(RDB$RELATION_NAME) TABLE_NAME from RDB$RELATIONS "
                              "where coalesce(RDB$SYSTEM_FLAG, 0) = 0",
                              {"TABLE_NAME"})) {
    tables.insert(row.at("TABLE_NAME"));
  }
  return tables;
}

std::unique_ptr<Connection> CreateDatabase(const std::string& file) {
  FirebirdOptions options;
  options.create = true;
  options.forced_writes = false;
  return Connection::OpenFirebird(testing::TemporaryFolder() + "/" + file, options);
}

struct CatalogueColumn {
  Family family;
  bool not_null;
};

class LoadedSchemaTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    connection_ = CreateDatabase("schema.fdb").release();
    const auto start = std::chrono::steady_clock::now();
    LoadDealerSchema(*connection_);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    ::testing::Test::RecordProperty("load_seconds", std::to_string(took.count()));
  }
  static void TearDownTestSuite() {
    delete connection_;
    connection_ = nullptr;
  }

  static std::map<std::pair<std::string, std::string>, CatalogueColumn> CatalogueColumns() {
    std::map<std::pair<std::string, std::string>, CatalogueColumn> columns;
    const auto rows = Query(
        *connection_,
        "select trim(rf.RDB$RELATION_NAME) TABLE_NAME, trim(rf.RDB$FIELD_NAME) COLUMN_NAME, "
        "f.RDB$FIELD_TYPE FIELD_TYPE, coalesce(f.RDB$FIELD_SCALE, 0) FIELD_SCALE, "
        "coalesce(f.RDB$FIELD_SUB_TYPE, 0) FIELD_SUB_TYPE, "
        "coalesce(rf.RDB$NULL_FLAG, f.RDB$NULL_FLAG, 0) NOT_NULL "
        "from RDB$RELATION_FIELDS rf "
        "join RDB$RELATIONS r on r.RDB$RELATION_NAME = rf.RDB$RELATION_NAME "
        "join RDB$FIELDS f on f.RDB$FIELD_NAME = rf.RDB$FIELD_SOURCE "
        "where coalesce(r.RDB$SYSTEM_FLAG, 0) = 0",
        {"TABLE_NAME", "COLUMN_NAME", "FIELD_TYPE", "FIELD_SCALE", "FIELD_SUB_TYPE", "NOT_NULL"});
    for (const Row& row : rows) {
      const Family family =
          FamilyOf(std::stoi(row.at("FIELD_TYPE")), std::stoi(row.at("FIELD_SCALE")),
                   std::stoi(row.at("FIELD_SUB_TYPE")));
      columns[{row.at("TABLE_NAME"), row.at("COLUMN_NAME")}] = {family, row.at("NOT_NULL") != "0"};
    }
    return columns;
  }

  static std::map<std::string, std::vector<std::string>> CataloguePrimaryKeys() {
    std::map<std::string, std::vector<std::string>> keys;
    for (const Row& row : Query(*connection_,
                                "select trim(rc.RDB$RELATION_NAME) TABLE_NAME, "
                                "trim(s.RDB$FIELD_NAME) COLUMN_NAME "
                                "from RDB$RELATION_CONSTRAINTS rc "
                                "join RDB$INDEX_SEGMENTS s on s.RDB$INDEX_NAME = rc.RDB$INDEX_NAME "
                                "where rc.RDB$CONSTRAINT_TYPE = 'PRIMARY KEY' "
                                "order by rc.RDB$RELATION_NAME, s.RDB$FIELD_POSITION",
                                {"TABLE_NAME", "COLUMN_NAME"})) {
      keys[row.at("TABLE_NAME")].push_back(row.at("COLUMN_NAME"));
    }
    return keys;
  }

  static Connection* connection_;
};

Connection* LoadedSchemaTest::connection_ = nullptr;

TEST(SchemaInventoryTest, HoldsTheWholeInventory) {
  // The inventory counts 110 tables and 943 columns; the schema adds four
  // columns to VEI_PEDIDO_OPCIONAL, which the inventory lists without any, and
  // six that tie work-order service lines and requests to their order's
  // contact (EMPRESA, REVENDA, CONTATO of OFI_SERVICO_OS and OFI_SOLICITACAO),
  // and five for the value each bonus criteria table lists.
  std::set<std::string> tables;
  std::set<std::pair<std::string, std::string>> columns;
  for (const InventoryColumn& entry : kInventory) {
    tables.insert(entry.table);
    columns.insert({entry.table, entry.column});
  }
  EXPECT_EQ(tables.size(), 110u);
  EXPECT_EQ(columns.size(), 943u + 4u + 6u + 5u);
  EXPECT_EQ(std::size(kInventory), columns.size()) << "a column is listed twice";
}

TEST_F(LoadedSchemaTest, CreatesEveryInventoryColumnWithATypeOfItsFamily) {
  const auto catalogue = CatalogueColumns();
  std::vector<std::string> problems;
  for (const InventoryColumn& entry : kInventory) {
    const std::string name = std::string(entry.table) + "." + entry.column;
    const auto found = catalogue.find({entry.table, entry.column});
    if (found == catalogue.end()) {
      problems.push_back(name + " is missing");
    } else if (found->second.family != entry.family) {
      problems.push_back(name + " is " + FamilyName(found->second.family) + ", expected " +
                         FamilyName(entry.family));
    }
  }
  EXPECT_THAT(problems, IsEmpty());
}

TEST_F(LoadedSchemaTest, CreatesEveryInventoryTable) {
  const std::set<std::string> tables = UserTables(*connection_);
  std::vector<std::string> missing;
  for (const InventoryColumn& entry : kInventory) {
    if (!tables.contains(entry.table)) missing.push_back(entry.table);
  }
  EXPECT_THAT(missing, IsEmpty());
}

TEST_F(LoadedSchemaTest, DeclaresExactlyTheInventoryPrimaryKeys) {
  std::map<std::string, std::vector<std::string>> expected;
  for (const PrimaryKey& key : kPrimaryKeys) expected[key.table] = key.columns;
  const auto declared = CataloguePrimaryKeys();
  auto joined = [](const std::vector<std::string>& columns) {
    std::string text;
    for (const std::string& column : columns) text += (text.empty() ? "" : ", ") + column;
    return "(" + text + ")";
  };
  std::vector<std::string> differences;
  for (const auto& [table, columns] : expected) {
    const auto found = declared.find(table);
    if (found == declared.end()) {
      differences.push_back(table + " has no primary key, expected " + joined(columns));
    } else if (found->second != columns) {
      differences.push_back(table + " has key " + joined(found->second) + ", expected " +
                            joined(columns));
    }
  }
  // Tables whose key the inventory leaves open have none: a key there would
  // reject rows the module may legitimately write twice.
  for (const auto& [table, columns] : declared) {
    if (!expected.contains(table)) {
      differences.push_back(table + " has key " + joined(columns) + ", expected none");
    }
  }
  EXPECT_THAT(differences, IsEmpty());
}

TEST_F(LoadedSchemaTest, LeavesEveryColumnOutsideTheKeyNullable) {
  std::set<std::pair<std::string, std::string>> key_columns;
  for (const PrimaryKey& key : kPrimaryKeys) {
    for (const std::string& column : key.columns) key_columns.insert({key.table, column});
  }
  std::vector<std::string> wrong;
  for (const auto& [name, column] : CatalogueColumns()) {
    if (column.not_null != key_columns.contains(name)) {
      wrong.push_back(name.first + "." + name.second +
                      (column.not_null ? " is NOT NULL" : " is nullable but a key column"));
    }
  }
  EXPECT_THAT(wrong, IsEmpty());
}

TEST_F(LoadedSchemaTest, StoresTextAsUtf8) {
  const auto rows = Query(
      *connection_, "select trim(RDB$CHARACTER_SET_NAME) CHARSET from RDB$DATABASE", {"CHARSET"});
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].at("CHARSET"), "UTF8");
}

// The text of the schema's last statement names the table it creates.
std::string LastCreatedTable() {
  const std::vector<std::string> statements = DealerSchemaStatements();
  EXPECT_FALSE(statements.empty());
  const std::string& last = statements.back();
  const std::string prefix = "CREATE TABLE ";
  EXPECT_EQ(last.rfind(prefix, 0), 0u) << last;
  return last.substr(prefix.size(), last.find_first_of(" (", prefix.size()) - prefix.size());
}

TEST(SchemaLoadTest, AFailingStatementLeavesNoTableBehind) {
  // The last statement fails because its table exists already; every table
  // the statements before it created must disappear with the rollback.
  const std::string clash = LastCreatedTable();
  auto connection = CreateDatabase("clash.fdb");
  connection->Begin();
  connection->ExecuteDirect("CREATE TABLE " + clash + " (MARCADOR INTEGER)");
  connection->Commit();

  try {
    LoadDealerSchema(*connection);
    FAIL() << "the load should fail on " << clash;
  } catch (const Error& error) {
    EXPECT_EQ(error.category(), ErrorCategory::Database);
    EXPECT_THAT(error.what(), HasSubstr("CREATE TABLE " + clash));
    EXPECT_THAT(error.what(), HasSubstr(std::string(EmbeddedSchemaScripts().back().file)));
  }
  EXPECT_FALSE(connection->InTransaction());
  EXPECT_THAT(UserTables(*connection), ElementsAre(clash));
}

TEST(SchemaLoadTest, RefusesToRunInsideAnOpenTransaction) {
  auto connection = CreateDatabase("open.fdb");
  connection->Begin();
  try {
    LoadDealerSchema(*connection);
    FAIL() << "the load should refuse an open transaction";
  } catch (const Error& error) {
    EXPECT_EQ(error.category(), ErrorCategory::Validation);
    EXPECT_THAT(error.what(), HasSubstr("transaction"));
  }
  connection->Rollback();
  EXPECT_THAT(UserTables(*connection), IsEmpty());
}

TEST(SchemaLoadTest, EmbedsTheScriptsInFileNameOrder) {
  const auto scripts = EmbeddedSchemaScripts();
  ASSERT_FALSE(scripts.empty());
  EXPECT_EQ(scripts.front().file, "01_vei.sql");
  for (size_t i = 1; i < scripts.size(); ++i) {
    EXPECT_LT(scripts[i - 1].file, scripts[i].file);
  }
}

}  // namespace
}  // namespace veiculo::platform
