#include "costing_report.h"

#include <ostream>
#include <sstream>

#include <fmt/format.h>

#include "platform/format/convert.h"
#include "platform/format/format_settings.h"
#include "platform/text.h"
#include "veiculo/connection.h"
#include "veiculo/data_packet.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"
#include "veiculo/value.h"

namespace veiculo::cli {
namespace {

// "80.000,00 " in the local form (thousands separators and all) as a number.
double LocalNumber(std::string text) {
  text = platform::Trim(text);
  const char thousands = platform::CurrentFormatSettings().thousand_separator;
  std::string plain;
  for (char c : text)
    if (c != thousands) plain += c;
  return platform::StrToFloat(plain);
}

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
  return parts;
}

std::string Name(const std::string& label) {
  return label == "Lucro (%)" ? "Lucro" : label;
}

std::string Key(const std::string& name) {
  std::string key = platform::LowerCase(name);
  for (char& c : key)
    if (c == ' ') c = '_';
  return key;
}

// A CSV field: quoted when it holds a comma, a quote or a line break.
std::string Csv(const std::string& text) {
  if (text.find_first_of(",\"\n\r") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string Number(double value) {
  return fmt::format("{:.2f}", value);
}

std::string Optional(const std::optional<double>& value) {
  return value ? fmt::format("{}", *value) : "";
}

}  // namespace

std::vector<SummaryFigure> ParseSummary(const std::string& resumo) {
  std::vector<SummaryFigure> figures;
  for (const std::string& record : Split(resumo, '|')) {
    const std::vector<std::string> f = Split(record, ';');
    if (f.size() == 3) {
      figures.push_back({Name(f[0]), LocalNumber(f[1]), LocalNumber(f[2]), {}, {}});
    } else if (f.size() == 5) {
      figures.push_back(
          {Name(f[0]), LocalNumber(f[2]), LocalNumber(f[4]), LocalNumber(f[1]), LocalNumber(f[3])});
    }
  }
  return figures;
}

StoredCosting ReadCosting(TddmVeiculoCompartilhadoBD& module, Connection& connection,
                          int32_t empresa, const std::string& veiculo, double venda) {
  DataPacket linhas;
  const std::string resumo =
      module.BuscaCalculoVeiculo(&connection, linhas, empresa, veiculo, venda);
  StoredCosting costing{veiculo, venda, {}, ParseSummary(resumo)};
  for (const DataPacket::Row& row : linhas.rows) {
    auto cell = [&linhas, &row](const char* field) -> const Value& {
      return row[static_cast<size_t>(linhas.FieldIndex(field))];
    };
    const Value& percentual = cell("PERCENTUAL");
    costing.lines.push_back(
        {cell("SEQUENCIA").AsInteger(), cell("DES_LINHA_FORMULA").AsText(),
         cell("CUSTO_TOTAL").AsText(), cell("LUCRO_BRUTO").AsText(),
         cell("MARGEM_CONTRIBUICAO").AsText(),
         percentual.IsNull() ? std::nullopt : std::optional<double>(percentual.AsFloat()),
         cell("VAL_HISTORICO").AsFloat(), cell("VAL_PRESENTE").AsFloat()});
  }
  return costing;
}

nlohmann::ordered_json CostingJson(const StoredCosting& costing) {
  using Json = nlohmann::ordered_json;
  Json lines = Json::array();
  for (const CostingLine& l : costing.lines) {
    lines.push_back({{"sequencia", l.sequencia},
                     {"descricao", l.descricao},
                     {"custo_total", l.custo_total},
                     {"lucro_bruto", l.lucro_bruto},
                     {"margem_contribuicao", l.margem_contribuicao},
                     {"percentual", l.percentual ? Json(*l.percentual) : Json(nullptr)},
                     {"historico", l.historico},
                     {"presente", l.presente}});
  }
  Json summary = Json::object();
  for (const SummaryFigure& f : costing.summary) {
    Json figure = {{"historico", f.historico}, {"presente", f.presente}};
    if (f.percentual_historico) {
      figure["percentual_historico"] = *f.percentual_historico;
      figure["percentual_presente"] = *f.percentual_presente;
    }
    summary[Key(f.nome)] = figure;
  }
  return {{"veiculo", costing.veiculo},
          {"valor_venda", costing.valor_venda},
          {"lines", lines},
          {"summary", summary}};
}

void WriteCostingCsv(std::ostream& out, const StoredCosting& costing) {
  out << "veiculo,sequencia,descricao,custo_total,lucro_bruto,margem_contribuicao,percentual,"
         "historico,presente\n";
  for (const CostingLine& l : costing.lines)
    out << Csv(costing.veiculo) << ',' << l.sequencia << ',' << Csv(l.descricao) << ','
        << l.custo_total << ',' << l.lucro_bruto << ',' << l.margem_contribuicao << ','
        << Optional(l.percentual) << ',' << Number(l.historico) << ',' << Number(l.presente)
        << '\n';
  for (const SummaryFigure& f : costing.summary)
    out << Csv(costing.veiculo) << ",," << Csv(f.nome) << ",,,," << Optional(f.percentual_historico)
        << ',' << Number(f.historico) << ',' << Number(f.presente) << '\n';
}

}  // namespace veiculo::cli
