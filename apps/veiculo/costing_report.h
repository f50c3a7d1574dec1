#pragma once
// A vehicle's stored costing for scripts: `veiculo custo --json` and
// `--csv`. Amounts are plain numbers ("." for decimals, no thousands
// separators), whatever the local number format.
//
// JSON: {"empresa", "revenda", "data", "vehicles", "costed", "failed",
//        "seconds", "costing": {"veiculo", "valor_venda", "lines": [{"sequencia",
//        "descricao", "custo_total", "lucro_bruto", "margem_contribuicao",
//        "percentual", "historico", "presente"}], "summary": {"custo",
//        "lucro", "lucro_bruto", "lucro_gerencial": {"historico", "presente"
//        and, for profits, "percentual_historico", "percentual_presente"}}}}
// ("costing" is null when no vehicle was costed).
// CSV: a header, then one row per costing line and one per summary figure
// (sequencia empty, descricao "Custo", "Lucro", "Lucro Bruto", "Lucro Gerencial").

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace veiculo {
class Connection;
class TddmVeiculoCompartilhadoBD;
}  // namespace veiculo

namespace veiculo::cli {

struct CostingLine {
  int64_t sequencia = 0;
  std::string descricao;
  std::string custo_total, lucro_bruto, margem_contribuicao;  // "+", "-" or ""
  std::optional<double> percentual;
  double historico = 0;
  double presente = 0;
};

struct SummaryFigure {
  std::string nome;  // "Custo", "Lucro", "Lucro Bruto", "Lucro Gerencial"
  double historico = 0;
  double presente = 0;
  std::optional<double> percentual_historico, percentual_presente;
};

struct StoredCosting {
  std::string veiculo;
  double valor_venda = 0;
  std::vector<CostingLine> lines;
  std::vector<SummaryFigure> summary;
};

// The costing BuscaCalculoVeiculo gives for the sale value, its summary text
// read back into numbers.
StoredCosting ReadCosting(TddmVeiculoCompartilhadoBD& module, Connection& connection,
                          int32_t empresa, const std::string& veiculo, double venda);

// The summary text ("Custo;h;p|Lucro (%);%h;h;%p;p|...") in numbers.
std::vector<SummaryFigure> ParseSummary(const std::string& resumo);

nlohmann::ordered_json CostingJson(const StoredCosting& costing);
void WriteCostingCsv(std::ostream& out, const StoredCosting& costing);

}  // namespace veiculo::cli
