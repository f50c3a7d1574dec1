// veiculo sql: runs one SQL text on the dealer database and prints its rows as
// a data packet (JSON), or how many rows the statement changed.
//
// Every :Name marker of the text takes exactly one -p Name=VALUE and every
// -p names a marker: a marker left unbound, a value for no marker or a value
// given twice is refused before the database is touched (status 2). With
// --rollback the statement runs and its changes are rolled back.

#include <iostream>
#include <regex>
#include <set>

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
  bool rollback = false;
};

bool IsSelect(const std::string& sql) {
  const std::string head = platform::UpperCase(platform::Trim(sql).substr(0, 6));
  return head == "SELECT" || head.rfind("WITH", 0) == 0;
}

// Binds the -p values to the text's markers; throws InputError for a value
// without a marker, a value given twice or a marker without a value.
void BindParams(platform::SqlDataSet& dataset, const std::vector<std::string>& assignments) {
  std::set<std::string> given;
  for (const std::string& assignment : assignments) {
    const size_t eq = assignment.find('=');
    if (eq == std::string::npos || eq == 0)
      throw InputError(ErrorCategory::Validation,
                       "parameter '" + assignment + "' is not written as NAME=VALUE");
    const std::string name = assignment.substr(0, eq);
    platform::Param* param = dataset.GetParams().FindParam(name);
    if (param == nullptr)
      throw InputError(ErrorCategory::NotFound,
                       "parameter " + name + " matches no :" + name + " in the SQL text");
    if (!given.insert(platform::UpperCase(param->name)).second)
      throw InputError(ErrorCategory::Validation, "parameter " + name + " is given twice");
    param->SetAsText(assignment.substr(eq + 1));
  }
  for (const platform::Param& param : dataset.GetParams())
    if (!given.count(platform::UpperCase(param.name)))
      throw InputError(
          ErrorCategory::Validation,
          "the SQL text's :" + param.name + " has no value; give -p " + param.name + "=VALUE");
}

// For a value too long for its column, as the database library reports it
// ('Value "..." is too long (N bytes) to be stored in column of size M
// bytes'): the parameters that hold that value.
void NameTooLongParams(Error& error, const platform::SqlDataSet& dataset) {
  static const std::regex too_long(
      R"re(Value "([\s\S]*)" is too long \((\d+) bytes\) to be stored in column of size (\d+) bytes)re");
  std::smatch m;
  const std::string message = error.message();
  if (!std::regex_search(message, m, too_long)) return;
  for (const platform::Param& param : dataset.GetParams())
    if (param.value.AsText() == m[1].str())
      error.AddContext("the value of :" + param.name + " (" + m[2].str() +
                       " bytes) is too long for its column (" + m[3].str() + " bytes)");
}

void RunSql(const SqlArgs& args) {
  args.db.Check();
  platform::SqlDataSet dataset("sdsConsulta");
  dataset.SetCommandText(args.sql);
  BindParams(dataset, args.params);
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
      const long long rows = dataset.ExecSQL();
      if (rows < 0)
        std::cout << "done";
      else
        std::cout << rows << (rows == 1 ? " row" : " rows") << " affected";
      std::cout << (args.rollback ? " (rolled back)\n" : "\n");
    }
    if (args.rollback)
      connection->Rollback();
    else
      connection->Commit();
  } catch (Error& e) {
    connection->Rollback();
    NameTooLongParams(e, dataset);
    throw;
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
  command->add_option("--param,-p", args->params, "a value for a :Name marker, NAME=VALUE");
  command->add_flag("--rollback", args->rollback, "run it, then roll its changes back");
  command->callback([args] { RunSql(*args); });
}

}  // namespace veiculo::cli
