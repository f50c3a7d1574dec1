// veiculo salesforce carga --database PATH --empresa E --revenda R
//                          [--arquivo FILE] [--clientes FILE] [--data YYYY-MM-DD]
//                          [--preco-edicao] [--preco-pacote] [--sql-log FILE]
//
// The initial load of a dealer's CRM staging: without files, one stock
// staging row per new vehicle of the brand in stock (and, under the full
// integration, the vehicles invoiced since the last pass), committed as one
// transaction; with --arquivo the same stock written to FILE instead, with
// --clientes the dealer's customers (the database is not changed then).
// Pricing the vehicles shows a progress bar on stderr (a line per 100
// vehicles when stderr is not a terminal). Bad options are refused before
// the database is touched (status 2); SIGINT or SIGTERM stops it between
// vehicles and rolls back (130 / 143).

#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>

#include <fmt/format.h>

#include "commands.h"
#include "host_session.h"
#include "input_error.h"
#include "interrupts.h"
#include "iso_date.h"
#include "platform/format/date_time.h"
#include "progress_bar.h"
#include "veiculo/connection.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"
#include "veiculo/sales_force.h"

namespace veiculo::cli {
namespace {

struct CargaArgs {
  SessionOptions session;
  int32_t empresa = 0;
  int32_t revenda = 0;
  std::string arquivo;
  std::string clientes;
  std::string data;
  bool preco_edicao = false;
  bool preco_pacote = false;
};

// Progress of the pricing, in vehicles; an interrupt stops the load
// between vehicles.
void MostraProgresso(int feitos, int total) {
  const ProgressBar barra(static_cast<size_t>(total));
  const auto n = static_cast<size_t>(feitos);
  barra.Show(n, "vehicles priced", fmt::format("priced {} of {} vehicles", feitos, total));
  barra.CheckInterrupt();
}

void RunCarga(const CargaArgs& args) {
  if (args.empresa <= 0 || args.revenda <= 0)
    throw InputError(ErrorCategory::Validation, "--empresa and --revenda must be positive numbers");
  const double data = args.data.empty() ? platform::Now() : ParseIsoDate("--data", args.data);
  const bool arquivos = !args.arquivo.empty() || !args.clientes.empty();

  HostSession session(args.session);
  Connection& connection = session.connection();
  TSalesForce sales;
  sales.DataProcessamento = data;
  sales.BancoDados = session.module().BancoDados();
  const long antes = connection.StatementCount();
  const auto inicio = std::chrono::steady_clock::now();
  int veiculos = 0;
  sales.Progresso = [&veiculos](int feitos, int total) {
    veiculos = total;
    MostraProgresso(feitos, total);
  };

  std::string resumo;
  if (!arquivos) {
    const int linhas = sales.GeraCargaEstoqueOnline(&connection, args.preco_edicao,
                                                    args.preco_pacote, args.empresa, args.revenda);
    resumo = fmt::format("{} stock staging rows written for company {} dealer {}", linhas,
                         args.empresa, args.revenda);
  } else {
    if (!args.arquivo.empty()) {
      const int linhas = sales.GeraCargaEstoque(args.arquivo, &connection, args.preco_edicao,
                                                args.preco_pacote, args.empresa, args.revenda);
      resumo = fmt::format("{} vehicles written to {}", linhas, args.arquivo);
    }
    if (!args.clientes.empty()) {
      const int linhas =
          sales.GeraCargaClientes(args.clientes, &connection, args.empresa, args.revenda);
      resumo += fmt::format("{}{} customers written to {}", resumo.empty() ? "" : "; ", linhas,
                            args.clientes);
    }
  }
  const double segundos =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
  const long comandos = connection.StatementCount() - antes;
  CheckInterrupt();
  std::cout << resumo;
  if (veiculos > 0)
    std::cout << fmt::format(" ({} vehicles in {:.2f} s, {:.1f} SQL statements per vehicle)",
                             veiculos, segundos,
                             static_cast<double>(comandos) / static_cast<double>(veiculos));
  std::cout << '\n';
  session.End(!arquivos);  // the file loads read only
}

}  // namespace

void AddSalesforceCommand(CLI::App& app) {
  CLI::App* salesforce =
      app.add_subcommand("salesforce", "The makers' CRM staging: initial loads of a dealer");
  salesforce->require_subcommand(1);
  auto args = std::make_shared<CargaArgs>();
  CLI::App* carga = salesforce->add_subcommand(
      "carga", "Write the stock staging rows of a dealer, or the stock and customer load files");
  args->session.AddTo(*carga);
  carga->add_option("--empresa", args->empresa, "company")->required();
  carga->add_option("--revenda", args->revenda, "dealer")->required();
  carga->add_option("--arquivo", args->arquivo,
                    "write the stock load to this file instead of the staging table");
  carga->add_option("--clientes", args->clientes, "write the customer load to this file");
  carga->add_option("--data", args->data, "processing date YYYY-MM-DD (default: now)");
  carga->add_flag("--preco-edicao", args->preco_edicao, "price with the edition's price");
  carga->add_flag("--preco-pacote", args->preco_pacote, "price with the package's price");
  carga->callback([args] { RunCarga(*args); });
}

}  // namespace veiculo::cli
