// The dealer schema as the engine sees it after LoadDealerSchema: its size,
// exactly the declared primary keys, nullability, the types of the columns
// whose type the module's arithmetic and joins rely on (amounts, dates, keys),
// UTF8 text, the all-or-nothing load, and how a script is split into
// statements.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/db/schema_loader.h"
#include "support/kit.h"
#include "veiculo/connection.h"
#include "veiculo/error.h"

namespace veiculo::platform {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using veiculo::testing::QueryRows;

enum class Family { Integer, ExactNumeric, Float, Text, DateTime, Other };
const char* const kFamilyNames[] = {"integer", "exact numeric", "float",
                                    "text",    "date/time",     "other"};

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

struct CatalogueColumn {
  Family family;
  int decimals;  // of an exact numeric
  bool not_null;
};
using Catalogue = std::map<std::pair<std::string, std::string>, CatalogueColumn>;

Catalogue ColumnsOf(Connection& connection) {
  Catalogue catalogue;
  for (const auto& r : QueryRows(connection,
                                 "select trim(rf.RDB$RELATION_NAME), trim(rf.RDB$FIELD_NAME), "
                                 "f.RDB$FIELD_TYPE, coalesce(f.RDB$FIELD_SCALE, 0), "
                                 "coalesce(f.RDB$FIELD_SUB_TYPE, 0), "
                                 "coalesce(rf.RDB$NULL_FLAG, f.RDB$NULL_FLAG, 0) "
                                 "from RDB$RELATION_FIELDS rf join RDB$RELATIONS r on "
                                 "r.RDB$RELATION_NAME = rf.RDB$RELATION_NAME join RDB$FIELDS f "
                                 "on f.RDB$FIELD_NAME = rf.RDB$FIELD_SOURCE "
                                 "where coalesce(r.RDB$SYSTEM_FLAG, 0) = 0"))
    catalogue[{r[0], r[1]}] = {FamilyOf(std::stoi(r[2]), std::stoi(r[3]), std::stoi(r[4])),
                               -std::stoi(r[3]), r[5] != "0"};
  return catalogue;
}

std::vector<std::string> UserTables(Connection& connection) {
  std::vector<std::string> tables;
  for (const auto& row : QueryRows(connection,
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

bool StartsWithAny(const std::string& name, std::initializer_list<const char*> prefixes) {
  for (const char* prefix : prefixes)
    if (name.rfind(prefix, 0) == 0) return true;
  return false;
}

// What a column's name promises about its type, where the module relies on
// it: amounts and rates are exact numerics with cents (an integer would drop
// them, a float would drift, a text would not add up), dates are dates (the
// windows compare them), and the key codes the module joins on keep one type
// in every table. Empty when the name promises nothing.
std::string TypeProblem(const std::string& table, const std::string& column,
                        const CatalogueColumn& c) {
  static const std::set<std::string> kIntegerKeys = {
      "EMPRESA", "REVENDA", "PROPOSTA", "NEGOCIACAO",    "CLIENTE",           "CONTADOR",
      "INDICE",  "USUARIO", "CONTATO",  "LINHA_FORMULA", "NUMERO_NOTA_FISCAL"};
  static const std::set<std::string> kTextKeys = {"VEICULO", "CHASSI",         "MODELO",
                                                  "FORMULA", "TIPO_TRANSACAO", "SERIE_NOTA_FISCAL"};
  // Named like amounts or dates, but flags (S/N), a count, or an index level
  // or rate that needs more than four decimals.
  static const std::set<std::string> kNotByName = {
      "VEI_FORMULA_LINHA.PRECO_VISTA",        "VEI_PARAMETRO.VAL_VEICULO_C_R",
      "VEI_PARAMETRO.DTA_INVENTARIO_VEICULO", "VEI_PARAMETRO.DTA_CALCULO_ESTOQUE",
      "FAT_MOVIMENTO_CAPA.TOT_QUANTIDADES",   "FIN_VALOR_INDICE.VAL_INDICE"};
  const std::string name = table + "." + column;
  if (kNotByName.contains(name)) return "";
  if (kIntegerKeys.contains(column) && c.family != Family::Integer) return name + " is not integer";
  if (kTextKeys.contains(column) && c.family != Family::Text) return name + " is not text";
  if (StartsWithAny(column, {"VAL_", "TOT_", "PRECO", "PCT_", "PERC", "VALOR"}) &&
      (c.family != Family::ExactNumeric || c.decimals < 2))
    return name + " is " + kFamilyNames[int(c.family)] + " with " + std::to_string(c.decimals) +
           " decimals, not an amount";
  if (StartsWithAny(column, {"DTA_", "DATA_"}) && c.family != Family::DateTime)
    return name + " is " + kFamilyNames[int(c.family)] + ", not a date";
  return "";
}

TEST(SchemaLoadTest, CreatesTheTablesWithTheirKeysNullabilityAndTypes) {
  const auto connection = CreateDatabase("schema.fdb");
  LoadDealerSchema(*connection);
  EXPECT_EQ(QueryRows(*connection, "select trim(RDB$CHARACTER_SET_NAME) from RDB$DATABASE"),
            (veiculo::testing::TextRows{{"UTF8"}}));
  const Catalogue catalogue = ColumnsOf(*connection);
  // 110 tables and 1012 columns (958, the 30 the stock list reads, the 18 the
  // CRM staging reads, the proposal of a title and the 5 more the approval
  // reads): a table or a column lost (or added) shows here.
  std::set<std::string> tables;
  for (const auto& [name, column] : catalogue) tables.insert(name.first);
  EXPECT_EQ(tables.size(), 110u);
  EXPECT_EQ(catalogue.size(), 1012u);

  std::map<std::string, std::vector<std::string>> declared;
  for (const auto& r :
       QueryRows(*connection,
                 "select trim(rc.RDB$RELATION_NAME), trim(s.RDB$FIELD_NAME) from "
                 "RDB$RELATION_CONSTRAINTS rc join RDB$INDEX_SEGMENTS s on "
                 "s.RDB$INDEX_NAME = rc.RDB$INDEX_NAME where rc.RDB$CONSTRAINT_TYPE "
                 "= 'PRIMARY KEY' order by rc.RDB$RELATION_NAME, s.RDB$FIELD_POSITION"))
    declared[r[0]].push_back(r[1]);
  // Exactly the keys listed: a key where none is listed would reject rows the
  // module may legitimately write twice.
  std::map<std::string, std::vector<std::string>> expected;
  std::set<std::pair<std::string, std::string>> key_columns;
  for (const PrimaryKey& key : kPrimaryKeys) {
    expected[key.table] = key.columns;
    for (const std::string& column : key.columns) key_columns.insert({key.table, column});
  }
  EXPECT_EQ(declared, expected);

  std::vector<std::string> problems;
  for (const auto& [name, column] : catalogue) {
    // Key columns are NOT NULL, every other column nullable.
    if (column.not_null != key_columns.contains(name))
      problems.push_back(name.first + "." + name.second +
                         (column.not_null ? " is NOT NULL" : " is nullable but a key column"));
    if (std::string problem = TypeProblem(name.first, name.second, column); !problem.empty())
      problems.push_back(problem);
  }
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
  // The error names the statement and its script.
  for (const std::string& part :
       {"CREATE TABLE " + clash, std::string(EmbeddedSchemaScripts().back().file)})
    EXPECT_VEICULO_ERROR(LoadDealerSchema(*connection), ErrorCategory::Database, part);
  EXPECT_FALSE(connection->InTransaction());
  EXPECT_THAT(UserTables(*connection), ElementsAre(clash));
}

TEST(SchemaLoadTest, RefusesToRunInsideAnOpenTransaction) {
  auto connection = CreateDatabase("open.fdb");
  connection->Begin();
  EXPECT_VEICULO_ERROR(LoadDealerSchema(*connection), ErrorCategory::Validation, "transaction");
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
    EXPECT_VEICULO_ERROR(SplitSqlScript(script), ErrorCategory::Validation, what);
  }
}

}  // namespace
}  // namespace veiculo::platform
