// veiculo demo --database PATH: shows, readably, what the module reads for the
// demo dealer: its parameters (LerParametroServer), its brand (BuscaMarca)
// and one vehicle with its public price and costing formula (LerVeiculoServer),
// then that vehicle's cost value sources: its invoices, its registry value and
// its purchase value carried to its sale date; finally it costs every demo
// vehicle (CalculoCustoVeiculo, under its origin dealer, as of that sale date)
// and shows the stored costing of that vehicle with its summary
// (BuscaCalculoVeiculo). The session is rolled back: the demo database stays
// as it was loaded.

#include <iostream>

#include <fmt/format.h>

#include "commands.h"
#include "demo/demo_dealer.h"
#include "host_session.h"
#include "platform/format/convert.h"
#include "platform/format/date_time.h"
#include "platform/format/format_float.h"
#include "vehicle_costing.h"
#include "veiculo/connection.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::cli {
namespace {

struct DemoArgs {
  SessionOptions session;
  int32_t empresa = demo::kEmpresa;
  int32_t revenda = demo::kRevendaMatriz;
  std::string veiculo = demo::kDemoVehicle;
};

// A field of a packet's first row as text ("" when there is no row or field).
const Value& Cell(const DataPacket& packet, const char* field) {
  static const Value kNull;
  const int index = packet.FieldIndex(field);
  if (packet.rows.empty() || index < 0) return kNull;
  return packet.rows.front()[static_cast<size_t>(index)];
}

std::string Money(double value) {
  return "R$ " + platform::FormatFloat("#,##0.00", value);
}
std::string Percent(double value) {
  return platform::FormatFloat("0.00##", value) + " %";
}

std::string PaintName(const std::string& code) {
  if (code == "S") return "solid";
  if (code == "M") return "metallic";
  if (code == "P") return "pearl";
  if (code == "E") return "special";
  return "no surcharge";
}

void ShowDealer(TddmVeiculoCompartilhadoBD& module, const DemoArgs& args) {
  DataPacket parametro, revenda;
  int32_t ub = 0, uf = 0;
  double pis_cofins = 0;
  const bool found =
      module.LerParametroServer(args.empresa, args.revenda, parametro, revenda, ub, uf, pis_cofins);
  std::cout << fmt::format("Dealer {}/{}: {} (CNPJ {})\n", args.empresa, args.revenda,
                           Cell(revenda, "NOME_FANTASIA").AsText(), Cell(revenda, "CNPJ").AsText());
  std::cout << fmt::format("  parameters (LerParametro)      {}\n", found ? "found" : "not found");
  std::cout << fmt::format("  UB, first index of the legs    {}\n", module.GetUB());
  std::cout << fmt::format("  UF, second index of the legs   {}\n", module.GetUF());
  std::cout << fmt::format(
      "  PIS + COFINS                   {} ({} + {})\n", Percent(module.GetPis_Cofins()),
      Percent(Cell(revenda, "PCT_PIS").AsFloat()), Percent(Cell(revenda, "PCT_COFINS").AsFloat()));
  std::cout << fmt::format("  PIS + COFINS, used vehicles    {}\n",
                           Percent(Cell(revenda, "PCT_PIS_USADOS").AsFloat() +
                                   Cell(revenda, "PCT_COFINS_USADOS").AsFloat()));
  module.BuscaMarca(args.empresa, args.revenda);
  for (const auto& holder : module.ValueHolders())
    if (holder.name == "sPvMarca")
      std::cout << fmt::format("  brand (BuscaMarca)             {}\n",
                               std::get<std::string>(holder.value));
}

void ShowFormulaLines(const DataPacket& lines) {
  const int linha = lines.FieldIndex("LINHA_FORMULA"), tipo = lines.FieldIndex("TIPO"),
            incidencia = lines.FieldIndex("INCIDENCIA"),
            descricao = lines.FieldIndex("DES_LINHA_FORMULA"),
            percentual = lines.FieldIndex("PERCENTUAL"), indice = lines.FieldIndex("INDICE");
  std::cout << "  line type incidence description                           %       index\n";
  for (const DataPacket::Row& row : lines.rows) {
    auto at = [&row](int i) -> const Value& { return row[static_cast<size_t>(i)]; };
    std::cout << fmt::format("  {:>4} {:<4} {:<9} {:<37} {:<7} {}\n", at(linha).AsInteger(),
                             at(tipo).AsText(), at(incidencia).AsText(), at(descricao).AsText(),
                             at(percentual).IsNull() ? "-" : Percent(at(percentual).AsFloat()),
                             at(indice).IsNull() ? "-" : at(indice).AsText());
  }
}

// Leaves the vehicle current in the module and its row in `veiculo`.
bool ShowVehicle(TddmVeiculoCompartilhadoBD& module, const DemoArgs& args, DataPacket& veiculo) {
  DataPacket linhas;
  const bool found = module.LerVeiculoServer(args.empresa, args.veiculo, veiculo, linhas, true);
  std::cout << fmt::format("\nVehicle {} (LerVeiculo): {}\n", args.veiculo,
                           found ? "found" : "not found");
  if (!found) return false;
  auto text = [&veiculo](const char* field) { return Cell(veiculo, field).AsText(); };
  std::cout << fmt::format("  model          {} - {}\n", text("MODELO"), text("DES_MODELO"));
  std::cout << fmt::format("  chassis        {}\n", text("CHASSI"));
  std::cout << fmt::format("  year           {}/{}, edition {}\n", text("ANO_FABRICACAO"),
                           text("ANO_MODELO"),
                           text("EDICAO_MODELO").empty() ? "-" : text("EDICAO_MODELO"));
  std::cout << fmt::format("  paint, colour  {} ({}), {}\n", text("TIPO_PINTURA"),
                           PaintName(text("TIPO_PINTURA")), text("COR"));
  std::cout << fmt::format("  origin dealer  {}\n", text("REVENDA_ORIGEM"));
  std::cout << fmt::format("  public price   {} (model price at the origin dealer plus paint)\n",
                           Money(Cell(veiculo, "PRECO_PUBLICO").AsFloat()));
  std::cout << fmt::format("  formula        {}, payment index {}\n", text("FORMULA_CUSTEIO"),
                           module.GetiPvIndicePagamento());
  ShowFormulaLines(linhas);
  return true;
}

std::string DateText(double date) {
  return platform::FormatDateTime("dd/mm/yyyy", date);
}

std::string InvoiceNumber(const Value& numero, const Value& serie) {
  return numero.IsNull() ? "none" : numero.AsText() + "/" + serie.AsText();
}

// The current vehicle's values as the costing draws them: the purchase value
// of its entry invoice, the total of its exit invoice, its registry value, and
// its purchase value carried from its entry to the demo's sale date by the
// daily index.
void ShowValueSources(TddmVeiculoCompartilhadoBD& module, const DemoArgs& args,
                      const DataPacket& veiculo) {
  auto line = [](const std::string& label, double amount) {
    std::cout << fmt::format("  {:<48} {:>15}\n", label, Money(amount));
  };
  const demo::DemoDate sale = demo::kDemoVehicleSaleDate;
  const double sold = platform::EncodeDate(sale.year, sale.month, sale.day);
  const double entered = platform::DateOf(Cell(veiculo, "DTA_ENTRADA").AsDateTime());
  std::cout << fmt::format("\nCost value sources of {}\n", args.veiculo);
  const double compra = module.BuscaValorNotaEntrada(args.empresa, args.revenda, "C", sold);
  line("purchase value (C), entry invoice " + InvoiceNumber(Cell(veiculo, "NUMERO_NOTA_NFENTRADA"),
                                                            Cell(veiculo, "SERIE_NOTA_NFENTRADA")),
       compra);
  line("invoice total (T), exit invoice " +
           InvoiceNumber(Cell(veiculo, "NUMERO_NOTA_NFSAIDA"),
                         Cell(veiculo, "SERIE_NOTA_FISCAL_NFSAIDA")),
       module.BuscaValorNotaSaida(args.empresa, args.revenda, "T", "N"));
  line("registry value (BuscaValorCadastroModelos)",
       module.BuscaValorCadastroModelos(args.empresa, false, false, args.revenda));
  line("  with the edition and package prices",
       module.BuscaValorCadastroModelos(args.empresa, true, true, args.revenda));
  std::cout << fmt::format("  purchase value on {}, by the daily index {}\n", DateText(sold),
                           demo::kIndiceDiario);
  line("  from " + DateText(entered) + " (CalculaValorPresente)",
       module.CalculaValorPresente(args.empresa, args.revenda, demo::kIndiceDiario, "C",
                                   args.veiculo, compra, entered, sold));
}

// Costs every vehicle of the company and shows the costing of the demo one.
void ShowCosting(TddmVeiculoCompartilhadoBD& module, Connection& connection, const DemoArgs& args) {
  const demo::DemoDate sale = demo::kDemoVehicleSaleDate;
  const double data = platform::EncodeDate(sale.year, sale.month, sale.day);
  const std::vector<VehicleToCost> vehicles =
      ListVehicles(connection, args.empresa, 0, /*only_stock=*/false);
  double venda = 0;
  bool costed = false;
  for (const VehicleToCost& v : vehicles) {
    const double valor = CostVehicle(module, connection, args.empresa, v.revenda, v.veiculo, data);
    if (v.veiculo == args.veiculo) {
      venda = valor;
      costed = true;
    }
  }
  std::cout << fmt::format(
      "\nCosted the {} vehicles of company {} as of {} (CalculoCustoVeiculo)\n", vehicles.size(),
      args.empresa, DateText(data));
  if (costed) PrintCosting(std::cout, module, connection, args.empresa, args.veiculo, venda);
}

void RunDemo(const DemoArgs& args) {
  HostSession session(args.session);
  try {
    ShowDealer(session.module(), args);
    DataPacket veiculo;
    if (ShowVehicle(session.module(), args, veiculo))
      ShowValueSources(session.module(), args, veiculo);
    ShowCosting(session.module(), session.connection(), args);
    const long statements = session.connection().StatementCount();
    session.End(false);  // the demo leaves the database as it was
    std::cout << fmt::format("\n{} SQL statements sent\n", statements);
  } catch (...) {
    session.End(false);
    throw;
  }
}

}  // namespace

void AddDemoCommand(CLI::App& app) {
  auto args = std::make_shared<DemoArgs>();
  CLI::App* command = app.add_subcommand(
      "demo", "Show the demo dealer's parameters, brand and one vehicle as the module reads them");
  args->session.AddTo(*command);
  command->add_option("--empresa", args->empresa, "company")->capture_default_str();
  command->add_option("--revenda", args->revenda, "dealer")->capture_default_str();
  command->add_option("--veiculo", args->veiculo, "vehicle code")->capture_default_str();
  command->callback([args] { RunDemo(*args); });
}

}  // namespace veiculo::cli
