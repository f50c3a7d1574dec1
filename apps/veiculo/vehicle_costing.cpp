#include "vehicle_costing.h"

#include <ostream>
#include <sstream>

#include <fmt/format.h>

#include "platform/db/sql_dataset.h"
#include "platform/format/format_float.h"
#include "platform/text.h"
#include "veiculo/connection.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::cli {
namespace {

std::string Quoted(const std::string& text) {
  return "'" + platform::QuoteDoubled(text) + "'";
}

std::string Amount(double value) {
  return platform::FormatFloat("#,##0.00", value);
}

// The records of the summary text ("label;field;...|"), fields trimmed.
std::vector<std::vector<std::string>> SummaryRecords(const std::string& resumo) {
  std::vector<std::vector<std::string>> records;
  std::istringstream text(resumo);
  std::string record;
  while (std::getline(text, record, '|')) {
    std::vector<std::string> fields;
    std::istringstream parts(record);
    std::string field;
    while (std::getline(parts, field, ';')) fields.push_back(platform::Trim(field));
    if (!fields.empty()) records.push_back(fields);
  }
  return records;
}

// The summary's records by their label; an unknown label is shown as it is.
std::string EnglishLabel(const std::string& label) {
  if (label == "Custo") return "Cost";
  if (label == "Lucro (%)") return "Profit";
  if (label == "Lucro Bruto") return "Gross profit";
  if (label == "Lucro Gerencial") return "Managerial profit";
  return label;
}

void PrintSummary(std::ostream& out, const std::string& resumo) {
  out << fmt::format("  {:<18} {:>26} {:>26}\n", "", "historic", "present value");
  for (const std::vector<std::string>& r : SummaryRecords(resumo)) {
    const std::string label = EnglishLabel(r[0]);
    if (r.size() == 3) {
      out << fmt::format("  {:<18} {:>26} {:>26}\n", label, r[1], r[2]);
    } else if (r.size() == 5) {
      out << fmt::format("  {:<18} {:>26} {:>26}\n", label, r[2] + " (" + r[1] + " %)",
                         r[4] + " (" + r[3] + " %)");
    } else {
      out << " ";
      for (const std::string& field : r) out << ' ' << field;
      out << '\n';
    }
  }
}

}  // namespace

std::vector<VehicleToCost> ListVehicles(Connection& connection, int32_t empresa, int32_t revenda,
                                        bool only_stock) {
  std::string sql =
      "select v.VEICULO, v.REVENDA_ORIGEM from VEI_VEICULO v left outer join VEI_SITUACAO s on "
      "(s.EMPRESA = v.EMPRESA and s.SITUACAO = v.SITUACAO) where v.EMPRESA = " +
      std::to_string(empresa);
  if (revenda > 0) sql += " and v.REVENDA_ORIGEM = " + std::to_string(revenda);
  if (only_stock) sql += " and coalesce(s.LOCALIZACAO, ' ') <> 'V'";
  sql += " order by v.VEICULO";
  platform::SqlDataSet query("sdsVeiculosCusto", &connection);
  query.SetCommandText(sql);
  query.Open();
  std::vector<VehicleToCost> vehicles;
  for (; !query.Eof(); query.Next())
    vehicles.push_back({query.FieldByName("VEICULO").AsText(),
                        static_cast<int32_t>(query.FieldByName("REVENDA_ORIGEM").AsInteger())});
  return vehicles;
}

bool VehicleExists(Connection& connection, int32_t empresa, const std::string& veiculo) {
  platform::SqlDataSet query("sdsVeiculoExiste", &connection);
  query.SetCommandText("select VEICULO from VEI_VEICULO where EMPRESA = " +
                       std::to_string(empresa) + " and VEICULO = " + Quoted(veiculo));
  query.Open();
  return !query.IsEmpty();
}

bool DealerExists(Connection& connection, int32_t empresa, int32_t revenda) {
  platform::SqlDataSet query("sdsRevendaExiste", &connection);
  query.SetCommandText("select REVENDA from GER_REVENDA where EMPRESA = " +
                       std::to_string(empresa) + " and REVENDA = " + std::to_string(revenda));
  query.Open();
  return !query.IsEmpty();
}

double CostVehicle(TddmVeiculoCompartilhadoBD& module, Connection& connection, int32_t empresa,
                   int32_t revenda, const std::string& veiculo, double data) {
  module.CalculoCustoVeiculo(&connection, module.BancoDados(), veiculo, data, empresa, revenda, 0,
                             0);
  return module.GetdPbValorVenda();
}

void PrintCosting(std::ostream& out, TddmVeiculoCompartilhadoBD& module, Connection& connection,
                  int32_t empresa, const std::string& veiculo, double venda) {
  DataPacket linhas;
  const std::string resumo =
      module.BuscaCalculoVeiculo(&connection, linhas, empresa, veiculo, venda);
  out << fmt::format("Costing of vehicle {} for a sale value of R$ {}\n", veiculo, Amount(venda));
  out << fmt::format("  {:>3}  {:<40} {:<8} {:>9} {:>15} {:>15}\n", "seq", "line", "CT LB MC", "%",
                     "historic", "present");
  for (const DataPacket::Row& row : linhas.rows) {
    auto cell = [&linhas, &row](const char* field) -> const Value& {
      return row[static_cast<size_t>(linhas.FieldIndex(field))];
    };
    auto sign = [&cell](const char* field) {
      const std::string s = cell(field).AsText();
      return s.empty() ? std::string(".") : s.substr(0, 1);
    };
    const Value& percentual = cell("PERCENTUAL");
    out << fmt::format(
        "  {:>3}  {:<40} {:<2} {:<2} {:<2} {:>9} {:>15} {:>15}\n", cell("SEQUENCIA").AsInteger(),
        cell("DES_LINHA_FORMULA").AsText(), sign("CUSTO_TOTAL"), sign("LUCRO_BRUTO"),
        sign("MARGEM_CONTRIBUICAO"),
        percentual.IsNull() ? "" : platform::FormatFloat("0.00##", percentual.AsFloat()),
        Amount(cell("VAL_HISTORICO").AsFloat()), Amount(cell("VAL_PRESENTE").AsFloat()));
  }
  if (linhas.rows.empty()) out << "  (no stored costing lines)\n";
  out << "  signs: CT total cost, LB gross profit, MC contribution margin (+ adds, - "
         "subtracts)\n\n";
  PrintSummary(out, resumo);
}

}  // namespace veiculo::cli
