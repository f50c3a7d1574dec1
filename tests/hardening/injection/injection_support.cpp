#include "hardening/injection/injection_support.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "demo/demo_dealer.h"
#include "exit_codes.h"
#include "host_session.h"
#include "input_error.h"
#include "messages.h"
#include "operations/arguments.h"
#include "platform/db/schema_loader.h"
#include "support/query.h"
#include "support/test_database.h"
#include "veiculo/error.h"

namespace veiculo::testing {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Good values of text parameters by name (letter case ignored), "Op.param"
// for one operation's own.
const std::map<std::string, std::string>& GoodTexts() {
  static const std::map<std::string, std::string> values = {
      {"pfveiculo", "V1001"},
      {"pveiculo", "V1001"},
      {"veiculo", "V1001"},
      {"spfveiculo", "V1001"},
      {"pv", "V1001"},
      {"pfchassi", "9ZXHB10L0SB104311"},
      {"chassi", "9ZXHB10L0SB104311"},
      {"pfmodelo", "HATCH10"},
      {"pmodelo", "HATCH10"},
      {"modelo", "HATCH10"},
      {"pfformula", "NOVOS"},
      {"pformula", "NOVOS"},
      {"pf", "NOVOS"},
      {"pfbancodados", "INTERBASE"},
      {"bancodados", "INTERBASE"},
      {"pfdataprocessamento", "14/03/2025"},
      {"pdataprocessamento", "14/03/2025"},
      {"pfdatacompra", "10/01/2025"},
      {"pfdatavenda", "14/03/2025"},
      {"pfdataref", "14/03/2025"},
      {"pfincidencia", "N"},
      {"pfidentificacao", "D"},
      {"pfsomaricmspartremedest", "N"},
      {"pfconsideraopc", "S"},
      {"ptipopintura", "M"},
      {"pedicao", "2025"},
      {"ppacote", "TECH"},
      {"pfempresa", "1"},
      {"pfrevenda", "1"},
      {"pfmotivo", "Cliente desistiu"},
      {"pfconcessionaria", "Matriz"},
      {"pfacaorejeicao", "CANCELAR"},
      {"pfassunto", "Proposta"},
      {"pfmensagem", "Cliente ligou"},
      {"pfdescricaofi", "Retorno"},
      {"spfsubtipo", "N"},
      {"psub_tipo", "N"},
      {"psubtipo", "N"},
      {"pmarca", "RENA"},
      {"ptipo", "S"},
      {"pnomesds", "sdsAux"},
      {"AtualizaContato.pfsituacao", "CANCELAR"},
      {"SituacoesVeiculoEstoqueDisponivelVenda.pfsituacao", "D"},
      {"BuscaFornecedor.pftipo", "1"},
      {"BuscaEstoqueIntermediario.pfrevenda", "1.1"},
      {"BuscaEstoqueIntermediario.pfmodelo", ""},
      {"CalculaValorCfeLucroDesejado.prentabilidade", "L"},
      {"CalculaValorCfeLucroDesejado.pvalorizacao", "P"},
      {"SalesAtualizaEstoque.operacao", "Estoque"},
      {"SalesAtualizaPedido.operacao", "Enviado"},
      {"SalesAtualizaReserva.operacao", "Reserva"},
  };
  return values;
}

std::string GoodInteger(const cli::Operation& operation, const std::string& name) {
  // 5201 is the demo's proposal that a salesperson may reject.
  if (operation.name.rfind("RejeitarProposta", 0) == 0 && name == "pfproposta") return "5201";
  if (name.find("proposta") != std::string::npos && name.find("fib") == std::string::npos)
    return "5004";
  if (name.find("contato") != std::string::npos) return "804";
  if (name.find("cliente") != std::string::npos) return "-1";
  if (name.find("ano") != std::string::npos) return "2025";
  if (name.find("fib") != std::string::npos || name.find("integracao") != std::string::npos)
    return "0";
  return "1";
}

std::string GoodValue(const cli::Operation& operation, const cli::ParamSpec& param) {
  const std::string name = Lower(param.name);
  switch (param.type) {
    case cli::ParamType::Integer:
      return GoodInteger(operation, name);
    case cli::ParamType::Double:
      return "1000";
    case cli::ParamType::DateTime:
      return "2025-03-14";
    case cli::ParamType::Boolean:
      return "false";
    case cli::ParamType::DataPacket:
      return R"({"fields": [], "rows": []})";
    default:
      break;
  }
  const auto& texts = GoodTexts();
  if (auto it = texts.find(operation.name + "." + name); it != texts.end()) return it->second;
  if (auto it = texts.find(name); it != texts.end()) return it->second;
  return "";
}

// The statement that counts every user table's rows and those written by the
// current transaction (a new record version: inserted or updated).
std::string CountsSql(Connection& connection) {
  std::string sql;
  for (const auto& row : QueryRows(connection,
                                   "select trim(RDB$RELATION_NAME) from RDB$RELATIONS where "
                                   "coalesce(RDB$SYSTEM_FLAG, 0) = 0 and RDB$VIEW_BLR is null "
                                   "order by 1")) {
    sql += sql.empty() ? "" : " union all ";
    sql += "select '" + row[0] +
           "', count(*), count(iif(RDB$RECORD_VERSION = CURRENT_TRANSACTION, 1, null)) from " +
           row[0];
  }
  return sql;
}

}  // namespace

const std::vector<std::pair<std::string, std::string>>& HostileValues() {
  static const std::vector<std::pair<std::string, std::string>> values = {
      {"quote", "O'Brien d'Ávila"},
      {"doubled", "a''b \"c\"\"d\""},
      {"backslash", "C:\\temp\\'x\\"},
      {"comments", "x -- y /* z */ w /*"},
      {"semicolon", "a; b;; commit;"},
      {"delete", "'; delete from VEI_VEICULO; --"},
      {"or", "' or '1'='1"},
      {"markers", ":Empresa ::x :1 ? %_%"},
      {"non-ascii", "São João ç 🚗💨"},
      {"control",
       "a\x01"
       "b\x1f"
       "c\td\ne\rf"},
      {"long", std::string(100 * 1024, 'A')},
      {"longquotes", std::string(100 * 1024, '\'')},
  };
  return values;
}

InjectionBed& InjectionBed::Instance() {
  static InjectionBed bed;
  return bed;
}

InjectionBed::InjectionBed()
    : folder_(TemporaryFolder()), seed_(folder_ + "/seed.fdb"), bed_(folder_ + "/bed.fdb") {
  // A sale start keeps its envelope in the working folder.
  std::filesystem::current_path(folder_);
  {
    FirebirdOptions options;
    options.create = true;
    options.forced_writes = false;
    auto connection = Connection::OpenFirebird(seed_, options);
    platform::LoadDealerSchema(*connection);
    connection->Begin();
    demo::LoadDemoDealer(*connection);
    // The F&I services answer nowhere: a refused connection on this machine.
    connection->ExecuteDirect("update VEI_PARAMETRO set URL_FIB = 'http://127.0.0.1:1/'");
    connection->Commit();
  }
  std::filesystem::copy_file(seed_, bed_);
  keeper_ = Connection::OpenFirebird(bed_);
  keeper_->Begin();
  counts_sql_ = CountsSql(*keeper_);
  for (const auto& row : QueryRows(*keeper_, counts_sql_))
    seed_counts_[row[0]] = std::stoll(row[1]);
  keeper_->Rollback();
}

bool InjectionBed::Skipped(const cli::Operation& operation) const {
  // AlteraCommandText takes SQL on purpose; AtualizarFaturamentoTipado sends
  // its texts to the URL it is given and touches no database (the SOAP
  // suite covers what reaches a service).
  return operation.name == "AlteraCommandText" || operation.name == "AtualizarFaturamentoTipado";
}

std::vector<std::string> InjectionBed::Words(const cli::Operation& operation,
                                             const std::string& param,
                                             const std::string& value) const {
  std::vector<std::string> words;
  for (const cli::ParamSpec& p : operation.params) {
    if (cli::SuppliedByHost(p.type) || p.direction == cli::Direction::Out) continue;
    words.push_back(p.name + "=" + (p.name == param ? value : GoodValue(operation, p)));
  }
  return words;
}

std::set<std::string> InjectionBed::Changed(Connection& connection) {
  std::set<std::string> changed;
  // The transaction's own record counters first: most calls wrote nothing,
  // and reading them costs far less than counting every table.
  const std::string writes =
      QueryValue(connection,
                 "select r.MON$RECORD_INSERTS + r.MON$RECORD_UPDATES + r.MON$RECORD_DELETES "
                 "from MON$TRANSACTIONS t join MON$RECORD_STATS r on r.MON$STAT_ID = t.MON$STAT_ID "
                 "where t.MON$TRANSACTION_ID = CURRENT_TRANSACTION");
  if (writes == "0") return changed;
  for (const auto& row : QueryRows(connection, counts_sql_))
    if (std::stoll(row[1]) != seed_counts_[row[0]] || row[2] != "0") changed.insert(row[0]);
  return changed;
}

cli::HostSession& InjectionBed::Session(const std::string& operation) {
  if (session_ == nullptr || session_operation_ != operation) {
    session_.reset();
    cli::SessionOptions options;
    options.db.database = bed_;
    session_ = std::make_unique<cli::HostSession>(options);
    session_operation_ = operation;
  }
  return *session_;
}

InjectionOutcome InjectionBed::Call(const cli::Operation& operation,
                                    const std::vector<std::string>& words,
                                    const std::string& probe) {
  InjectionOutcome outcome;
  cli::Arguments arguments;
  try {
    arguments = cli::BindCommandLine(operation, words);
  } catch (const cli::InputError& e) {
    return {cli::kExitBadInput, e.what(), false, {}, {}};
  }
  try {
    cli::HostSession& session = Session(operation.name);
    Connection& connection = session.connection();
    try {
      cli::HostSession::Outcome call = session.Call(operation, std::move(arguments));
      outcome.text = cli::JsonText(call.json);
      outcome.exit = call.failed ? cli::kExitReportedFailure : cli::kExitDone;
      if (!call.failed) outcome.changed = Changed(connection);
      if (!call.failed && !probe.empty())
        for (const auto& row : QueryRows(connection, probe)) outcome.probed.push_back(row[0]);
    } catch (...) {
      // The next case starts from a fresh session, as the host would.
      session_.reset();
      throw;
    }
    // One module instance per operation, as an application server keeps it;
    // one transaction per case, rolled back.
    connection.Rollback();
    connection.Begin();
  } catch (const cli::InputError& e) {
    return {cli::kExitBadInput, e.what(), false, {}, {}};
  } catch (const Error& e) {
    return {cli::kExitDatabase,
            std::string(ToString(e.category())) + " error: " + cli::ErrorText(e),
            e.category() == ErrorCategory::Database,
            {},
            {}};
  } catch (const std::exception& e) {
    return {cli::kExitDatabase, std::string("error: ") + e.what(), true, {}, {}};
  }
  return outcome;
}

}  // namespace veiculo::testing
