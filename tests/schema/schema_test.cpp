// The dealer schema as the engine sees it after LoadDealerSchema: every
// inventory column with a type of its family, exactly the declared primary
// keys, nullability, UTF8 text, the all-or-nothing load, and how a script
// is split into statements.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

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
const char* const kFamilyNames[] = {"integer", "exact numeric", "float",
                                    "text",    "date/time",     "other"};

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

// The family of a RDB$FIELDS entry: the integer types hold NUMERIC/DECIMAL
// too, told apart by a negative scale or a sub-type.
Family FamilyOf(int type, int scale, int sub_type) {
  if (type == 7 || type == 8 || type == 16)  // SMALLINT, INTEGER, BIGINT
    return scale < 0 || sub_type != 0 ? Family::ExactNumeric : Family::Integer;
  if (type == 10 || type == 27) return Family::Float;  // FLOAT, DOUBLE PRECISION
  // CHAR, VARCHAR, BLOB SUB_TYPE TEXT
  if (type == 14 || type == 37 || (type == 261 && sub_type == 1)) return Family::Text;
  if (type == 12 || type == 13 || type == 35) return Family::DateTime;  // DATE, TIME, TIMESTAMP
  return Family::Other;
}

// The rows of a select, each column as text.
std::vector<std::vector<std::string>> Query(Connection& connection, const std::string& sql) {
  SqlDataSet data_set("sdsCatalogue", &connection);
  data_set.SetCommandText(sql);
  data_set.Open();
  std::vector<std::vector<std::string>> rows;
  for (; !data_set.Eof(); data_set.Next()) {
    auto& row = rows.emplace_back();
    for (int i = 0; i < data_set.FieldCount(); ++i) row.push_back(data_set.Fields(i).AsText());
  }
  return rows;
}

std::vector<std::string> UserTables(Connection& connection) {
  std::vector<std::string> tables;
  for (const auto& row : Query(connection,
                               "select trim(RDB$RELATION_NAME) from RDB$RELATIONS "
                               "where coalesce(RDB$SYSTEM_FLAG, 0) = 0"))
    tables.push_back(row[0]);
  return tables;
}

std::unique_ptr<Connection> CreateDatabase(const std::string& file) {
  FirebirdOptions options;
  options.create = true;
  options.forced_writes = false;
  return Connection::OpenFirebird(testing::TemporaryFolder() + "/" + file, options);
}

// Loading the schema must fail with the category given and a message holding each part.
void ExpectLoadFails(Connection& connection, ErrorCategory category,
                     const std::vector<std::string>& parts) {
  try {
    LoadDealerSchema(connection);
    ADD_FAILURE() << "the load should fail";
  } catch (const Error& error) {
    EXPECT_EQ(error.category(), category);
    for (const std::string& part : parts) EXPECT_THAT(error.what(), HasSubstr(part));
  }
}

TEST(SchemaInventoryTest, HoldsTheWholeInventory) {
  // 110 tables and 943 columns, plus 4 of VEI_PEDIDO_OPCIONAL, 6 tying work-order
  // lines and requests to their contact, 5 for the bonus criteria values.
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

TEST(SchemaLoadTest, CreatesTheInventoryColumnsWithTheirFamilyKeysAndNullability) {
  const auto connection = CreateDatabase("schema.fdb");
  LoadDealerSchema(*connection);
  EXPECT_EQ(Query(*connection, "select trim(RDB$CHARACTER_SET_NAME) from RDB$DATABASE"),
            (std::vector<std::vector<std::string>>{{"UTF8"}}));
  std::map<std::pair<std::string, std::string>, std::pair<Family, bool>> catalogue;
  for (const auto& r : Query(*connection,
                             "select trim(rf.RDB$RELATION_NAME), trim(rf.RDB$FIELD_NAME), "
                             "f.RDB$FIELD_TYPE, coalesce(f.RDB$FIELD_SCALE, 0), "
                             "coalesce(f.RDB$FIELD_SUB_TYPE, 0), "
                             "coalesce(rf.RDB$NULL_FLAG, f.RDB$NULL_FLAG, 0) "
                             "from RDB$RELATION_FIELDS rf join RDB$RELATIONS r on "
                             "r.RDB$RELATION_NAME = rf.RDB$RELATION_NAME join RDB$FIELDS f on "
                             "f.RDB$FIELD_NAME = rf.RDB$FIELD_SOURCE "
                             "where coalesce(r.RDB$SYSTEM_FLAG, 0) = 0"))
    catalogue[{r[0], r[1]}] = {FamilyOf(std::stoi(r[2]), std::stoi(r[3]), std::stoi(r[4])),
                               r[5] != "0"};
  std::map<std::string, std::vector<std::string>> declared;
  for (const auto& r : Query(*connection,
                             "select trim(rc.RDB$RELATION_NAME), trim(s.RDB$FIELD_NAME) from "
                             "RDB$RELATION_CONSTRAINTS rc join RDB$INDEX_SEGMENTS s on "
                             "s.RDB$INDEX_NAME = rc.RDB$INDEX_NAME where rc.RDB$CONSTRAINT_TYPE "
                             "= 'PRIMARY KEY' order by rc.RDB$RELATION_NAME, s.RDB$FIELD_POSITION"))
    declared[r[0]].push_back(r[1]);

  std::vector<std::string> problems;
  for (const InventoryColumn& entry : kInventory) {
    const std::string name = std::string(entry.table) + "." + entry.column;
    const auto found = catalogue.find({entry.table, entry.column});
    if (found == catalogue.end())
      problems.push_back(name + " is missing");
    else if (found->second.first != entry.family)
      problems.push_back(name + " is " + kFamilyNames[int(found->second.first)] + ", expected " +
                         kFamilyNames[int(entry.family)]);
  }
  // Exactly the inventory's keys: a key where it leaves none would reject rows
  // the module may legitimately write twice.
  std::map<std::string, std::vector<std::string>> expected;
  std::set<std::pair<std::string, std::string>> key_columns;
  for (const PrimaryKey& key : kPrimaryKeys) {
    expected[key.table] = key.columns;
    for (const std::string& column : key.columns) key_columns.insert({key.table, column});
  }
  EXPECT_EQ(declared, expected);
  // Key columns are NOT NULL, every other column nullable.
  for (const auto& [name, column] : catalogue)
    if (column.second != key_columns.contains(name))
      problems.push_back(name.first + "." + name.second +
                         (column.second ? " is NOT NULL" : " is nullable but a key column"));
  EXPECT_THAT(problems, IsEmpty());
}

TEST(SchemaLoadTest, AFailingStatementLeavesNoTableBehind) {
  // The last statement fails because its table exists already; every table
  // created before it must disappear with the rollback.
  const std::string last = DealerSchemaStatements().back();
  ASSERT_EQ(last.rfind("CREATE TABLE ", 0), 0u) << last;
  const std::string clash = last.substr(13, last.find_first_of(" (", 13) - 13);
  auto connection = CreateDatabase("clash.fdb");
  connection->Begin();
  connection->ExecuteDirect("CREATE TABLE " + clash + " (MARCADOR INTEGER)");
  connection->Commit();
  ExpectLoadFails(*connection, ErrorCategory::Database,
                  {"CREATE TABLE " + clash, std::string(EmbeddedSchemaScripts().back().file)});
  EXPECT_FALSE(connection->InTransaction());
  EXPECT_THAT(UserTables(*connection), ElementsAre(clash));
}

TEST(SchemaLoadTest, RefusesToRunInsideAnOpenTransaction) {
  auto connection = CreateDatabase("open.fdb");
  connection->Begin();
  ExpectLoadFails(*connection, ErrorCategory::Validation, {"transaction"});
  connection->Rollback();
  EXPECT_THAT(UserTables(*connection), IsEmpty());
}

TEST(SchemaLoadTest, EmbedsTheScriptsInFileNameOrder) {
  const auto scripts = EmbeddedSchemaScripts();
  ASSERT_FALSE(scripts.empty());
  EXPECT_EQ(scripts.front().file, "01_vei.sql");
  for (size_t i = 1; i < scripts.size(); ++i) EXPECT_LT(scripts[i - 1].file, scripts[i].file);
}

// ---- Splitting a script: a ";" ends a statement only at a line end outside
// quotes and comments.

using Statements = std::vector<std::string>;
const Statements kAB{"CREATE TABLE A (X INTEGER)", "CREATE TABLE B (Y INTEGER)"};

TEST(SplitSqlScriptTest, SplitsAtLineEndSemicolons) {
  const std::pair<std::string, Statements> cases[] = {
      {"CREATE TABLE A (X INTEGER);\nCREATE TABLE B (Y INTEGER);\n", kAB},
      {"CREATE TABLE A (\n  X INTEGER\n);\n", {"CREATE TABLE A (\n  X INTEGER\n)"}},
      // Inside a line a ";" stays in the statement.
      {"SELECT 1 FROM T; SELECT 2 FROM T;\n", {"SELECT 1 FROM T; SELECT 2 FROM T"}},
      // Blanks and a comment may follow the ";"; Windows line ends.
      {"CREATE TABLE A (X INTEGER);  -- the A table\nCREATE TABLE B (Y INTEGER);\t\n", kAB},
      {"CREATE TABLE A (X INTEGER);\r\nCREATE TABLE B (Y INTEGER);\r\n", kAB},
      // A line-end ";" inside a literal (doubled quotes included) or a quoted name.
      {"INSERT INTO T VALUES ('a;\nb');\nSELECT 1 FROM T;\n",
       {"INSERT INTO T VALUES ('a;\nb')", "SELECT 1 FROM T"}},
      {"INSERT INTO T VALUES ('it''s;\n');\n", {"INSERT INTO T VALUES ('it''s;\n')"}},
      {"CREATE TABLE \"A;\n\" (X INTEGER);\n", {"CREATE TABLE \"A;\n\" (X INTEGER)"}},
      // A line comment goes, its line end stays; a block comment becomes one blank.
      {"SELECT 1 -- not the end;\nFROM T;\n", {"SELECT 1 \nFROM T"}},
      {"SELECT 1 /* not the end;\n */ FROM T;\n", {"SELECT 1   FROM T"}},
      // A quote inside a comment opens no literal.
      {"-- the proposal's table\nCREATE TABLE A (X INTEGER);\nCREATE TABLE B (Y INTEGER);\n", kAB},
      {"CREATE TABLE A (X INTEGER);\nCREATE TABLE B (Y INTEGER)\n", kAB},  // no last ";"
      {"-- header\n\n/* nothing */\n  ;\n", {}},
      {"", {}},
  };
  for (const auto& [script, statements] : cases)
    EXPECT_EQ(SplitSqlScript(script), statements) << script;
}

TEST(SplitSqlScriptTest, RejectsAnUnterminatedLiteralOrComment) {
  for (auto [script, what] : {std::pair{"INSERT INTO T VALUES ('open;\n", "quoted literal"},
                              {"CREATE TABLE A (X INTEGER);\n/* open\n", "comment"}}) {
    try {
      SplitSqlScript(script);
      ADD_FAILURE() << "accepted: " << script;
    } catch (const Error& error) {
      EXPECT_EQ(error.category(), ErrorCategory::Validation);
      EXPECT_THAT(error.what(), HasSubstr(what));
    }
  }
}

}  // namespace
}  // namespace veiculo::platform
