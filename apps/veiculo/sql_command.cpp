// veiculo sql: runs one SQL text on the dealer database and prints its rows as
// a data packet (JSON), or the statement's outcome.

#include <iostream>

#include "commands.h"
#include "database_options.h"
#include "input_error.h"
#include "platform/db/sql_dataset.h"
#include "platform/text.h"
#include "veiculo/error.h"

namespace veiculo::cli {
namespace {

struct SqlArgs {
  DatabaseOptions db;
  std::string sql;
  std::vector<std::string> params;
};

bool IsSelect(const std::string& sql) {
  const std::string head = platform::UpperCase(platform::Trim(sql).substr(0, 6));
  return head == "SELECT" || head.rfind("WITH", 0) == 0;
}

void RunSql(const SqlArgs& args) {
  args.db.Check();
  platform::SqlDataSet dataset("sdsConsulta");
  dataset.SetCommandText(args.sql);
  for (const std::string& assignment : args.params) {
    const size_t eq = assignment.find('=');
    if (eq == std::string::npos)
      throw InputError(ErrorCategory::Validation,
                       "parameter '" + assignment + "' is not written as NAME=VALUE");
    dataset.ParamByName(assignment.substr(0, eq)).SetAsText(assignment.substr(eq + 1));
  }
  auto connection = args.db.Open();
  dataset.SetConnection(connection.get());
  connection->Begin();
  try {
    if (IsSelect(args.sql)) {
      dataset.Open();
      DataPacket packet;
      packet.fields = dataset.FieldDefs();
      packet.rows = dataset.Rows().rows;
      std::cout << packet.ToJson() << "\n";
    } else {
      dataset.ExecSQL();
      std::cout << "ok\n";
    }
    connection->Commit();
  } catch (...) {
    connection->Rollback();
    throw;
  }
}

}  // namespace

void AddSqlCommand(CLI::App& app) {
  auto args = std::make_shared<SqlArgs>();
  CLI::App* command = app.add_subcommand("sql", "Run one SQL text on the dealer database");
  args->db.AddTo(*command);
  command->add_option("text", args->sql, "the SQL text; :Name markers take --param values")
      ->required();
  command->add_option("--param,-p", args->params, "a parameter value, NAME=VALUE");
  command->callback([args] { RunSql(*args); });
}

}  // namespace veiculo::cli
