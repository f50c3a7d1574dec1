// veiculo estoque --database PATH [--empresa E] [--revenda R,...] [--novos|--usados]
//                 [--vendidos DE ATE] [--pedidos] [--valorizar] [--bonus]
//                 [--data YYYY-MM-DD] [--csv FILE] [--json] [--sql-log FILE]
//
// The intermediate stock list of a company (of the dealers given, else all):
// every vehicle in stock, with --vendidos the vehicles sold, sold directly and
// returned between the two dates, with --pedidos the maker orders. With
// --valorizar each row gets its table price, sale value, days in stock and,
// with --bonus, the maker's bonus; a progress bar on stderr while valuing (a
// line per 100 rows when stderr is not a terminal). The list is printed as a
// table; --csv also writes every column of the packet to FILE; --json prints,
// instead of the table, the company, date and the list as a data packet.
//
// One transaction that writes nothing (rolled back at the end). Bad options
// are refused before the database is touched (status 2); SIGINT or SIGTERM
// stops it between statements and blocks of rows (status 130 / 143).

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>

#include <fmt/format.h>

#include "commands.h"
#include "host_session.h"
#include "input_error.h"
#include "interrupts.h"
#include "iso_date.h"
#include "platform/db/connection_impl.h"
#include "platform/format/convert.h"
#include "platform/format/date_time.h"
#include "progress_bar.h"
#include "stock_list_output.h"
#include "veiculo/connection.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::cli {
namespace {

struct EstoqueArgs {
  SessionOptions session;
  int32_t empresa = 1;
  std::string revendas;
  bool novos = false;
  bool usados = false;
  std::vector<std::string> vendidos;
  bool pedidos = false;
  bool valorizar = false;
  bool bonus = false;
  std::string data;
  std::string csv;
  bool json = false;
};

// "1,2" of company 1 as the key list "1.1,1.2"; every dealer a number.
std::string DealerKeys(int32_t empresa, const std::string& revendas) {
  std::string keys;
  size_t start = 0;
  while (start <= revendas.size()) {
    size_t end = revendas.find(',', start);
    if (end == std::string::npos) end = revendas.size();
    const std::string item = revendas.substr(start, end - start);
    int32_t revenda = 0;
    char rest = 0;
    if (std::sscanf(item.c_str(), "%d%c", &revenda, &rest) != 1)
      throw InputError(ErrorCategory::Validation,
                       "--revenda '" + revendas + "' is not a list of dealer numbers");
    keys += fmt::format("{}{}.{}", keys.empty() ? "" : ",", empresa, revenda);
    start = end + 1;
  }
  return keys;
}

// Progress of the valuation, in rows of the list.
class Progress {
 public:
  explicit Progress(size_t total) : bar_(total) {}
  void Step(size_t done) const {
    bar_.Show(done, "rows valued", fmt::format("valued {} of {} rows", done, bar_.total()));
  }
  void CheckInterrupt() const { bar_.CheckInterrupt(); }

 private:
  ProgressBar bar_;
};

// Values the rows a few at a time so that the progress shows while it runs.
DataPacket Valoriza(TddmVeiculoCompartilhadoBD& module, const DataPacket& lista, double data,
                    bool bonus) {
  constexpr size_t kBloco = 20;
  Progress progress(lista.rows.size());
  DataPacket valorizada{lista.fields, {}};
  auto mensagem = [](const std::string& texto) { std::cerr << '\n' << texto << '\n'; };
  for (size_t inicio = 0; inicio < lista.rows.size(); inicio += kBloco) {
    progress.CheckInterrupt();
    DataPacket bloco{lista.fields, {}};
    const size_t fim = std::min(lista.rows.size(), inicio + kBloco);
    bloco.rows.assign(lista.rows.begin() + static_cast<long>(inicio),
                      lista.rows.begin() + static_cast<long>(fim));
    DataPacket valores =
        module.CalculaEstoqueIntermediario(bloco, data, mensagem, false, false, bonus);
    for (auto& row : valores.rows) valorizada.rows.push_back(std::move(row));
    progress.Step(fim);
  }
  return valorizada;
}

void RunEstoque(const EstoqueArgs& args) {
  if (args.bonus && !args.valorizar)
    throw InputError(ErrorCategory::Validation, "--bonus needs --valorizar");
  const double data = args.data.empty() ? platform::Now() : ParseIsoDate("--data", args.data);
  double inicio = 0, fim = 0;
  if (!args.vendidos.empty()) {
    inicio = ParseIsoDate("--vendidos", args.vendidos.at(0));
    fim = ParseIsoDate("--vendidos", args.vendidos.at(1));
    if (fim < inicio)
      throw InputError(ErrorCategory::Validation, "--vendidos: the period ends before it starts");
  }
  const std::string revendas = args.revendas.empty() ? "" : DealerKeys(args.empresa, args.revendas);
  std::unique_ptr<std::ofstream> csv;
  if (!args.csv.empty()) {
    csv = std::make_unique<std::ofstream>(args.csv);
    if (!*csv) throw InputError(ErrorCategory::Validation, "--csv: cannot write " + args.csv);
  }
  auto local = [](double d) { return platform::FormatDateTime("dd/mm/yyyy hh:nn:ss", d); };

  HostSession session(args.session);
  Connection& connection = session.connection();
  TddmVeiculoCompartilhadoBD& module = session.module();
  const long statements_before = connection.StatementCount();
  const auto started = std::chrono::steady_clock::now();
  // Without --revenda, every dealer of the company.
  DataPacket lista = module.BuscaEstoqueIntermediario(
      &connection, module.BancoDados(), local(data), args.vendidos.empty() ? "" : local(inicio),
      args.vendidos.empty() ? "" : local(fim), "", "", "", revendas, "", "", "", "", "", "", "",
      args.novos    ? 0
      : args.usados ? 1
                    : 2,
      0, nullptr, !args.vendidos.empty(), false, false, false, false, args.pedidos, false, false);
  if (revendas.empty()) {
    // The list covers every company; keep the one asked for.
    const int indice = lista.FieldIndex("EMPRESA");
    std::erase_if(lista.rows, [&](const DataPacket::Row& row) {
      return row[static_cast<size_t>(indice)].AsInteger() != args.empresa;
    });
  }
  // Valuing reads the same formula lines, indices and invoices for every
  // row; the command writes nothing, so they are kept for its transaction.
  platform::ImplOf(connection).Rows().SetEnabled(args.valorizar);
  if (args.valorizar) lista = Valoriza(module, lista, data, args.bonus);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  const long statements = connection.StatementCount() - statements_before;

  CheckInterrupt();
  if (args.json) {
    std::cout << fmt::format(
        "{{\"empresa\": {}, \"data\": \"{}\", \"valorizada\": {}, \"linhas\": {}, "
        "\"lista\": {}}}\n",
        args.empresa, platform::FormatDateTime("yyyy-mm-dd", data),
        args.valorizar ? "true" : "false", lista.rows.size(), lista.ToJson());
  } else {
    ImprimeTabela(std::cout, lista, args.valorizar, isatty(fileno(stdout)) != 0);
    std::cout << fmt::format("\n{} rows of company {} as of {}", lista.rows.size(), args.empresa,
                             platform::FormatDateTime("dd/mm/yyyy", data));
    if (args.valorizar && !lista.rows.empty())
      std::cout << fmt::format(
          ", valued in {:.2f} s ({:.1f} SQL statements per row)", seconds,
          static_cast<double>(statements) / static_cast<double>(lista.rows.size()));
    std::cout << '\n';
  }
  if (csv) {
    EscreveCsv(*csv, lista);
    csv->close();
    if (!*csv) throw Error(ErrorCategory::Validation, "--csv: writing " + args.csv + " failed");
  }
  session.End(false);  // reads only
}

}  // namespace

void AddEstoqueCommand(CLI::App& app) {
  auto args = std::make_shared<EstoqueArgs>();
  CLI::App* command = app.add_subcommand(
      "estoque", "Show the intermediate stock list of a company, valued on request");
  args->session.AddTo(*command);
  command->add_option("--empresa", args->empresa, "company")->capture_default_str();
  command->add_option("--revenda", args->revendas,
                      "dealers of the company, R1,R2,... (default: all)");
  CLI::Option* novos = command->add_flag("--novos", args->novos, "new vehicles only");
  CLI::Option* usados = command->add_flag("--usados", args->usados, "used vehicles only");
  novos->excludes(usados);
  command
      ->add_option("--vendidos", args->vendidos,
                   "also the sales and returns from DE to ATE (YYYY-MM-DD)")
      ->expected(2);
  command->add_flag("--pedidos", args->pedidos, "also the maker orders");
  command->add_flag("--valorizar", args->valorizar,
                    "value each row (table price, sale value, days)");
  command->add_flag("--bonus", args->bonus, "with --valorizar: the maker's bonus of each row");
  command->add_option("--data", args->data, "reference date YYYY-MM-DD (default: now)");
  command->add_option("--csv", args->csv, "also write every column to this CSV file");
  command->add_flag("--json", args->json,
                    "print the list as JSON (company, date, the list as a data packet)");
  command->callback([args] { RunEstoque(*args); });
}

}  // namespace veiculo::cli
