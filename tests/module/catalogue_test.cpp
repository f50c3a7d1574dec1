// The module's components: names, kinds and order, the wiring and options of
// every fixed query, and its SQL adapted to each dialect (golden files).

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "module/maker_utils/compat_banco.h"
#include "platform/db/client_dataset.h"
#include "platform/db/provider.h"
#include "platform/db/sql_dataset.h"
#include "platform/text.h"
#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo {
namespace {

using platform::ClientDataSet;
using platform::Provider;
using platform::SqlDataSet;
using platform::UpdateMode;
using Names = std::vector<std::string>;

enum class Kind { Sql, Provider, Client };

// The free components, in component order.
const std::vector<std::pair<std::string, Kind>> kFreeComponents = {
    {"sdsAux", Kind::Sql},
    {"dspAux", Kind::Provider},
    {"sdsConsulta", Kind::Sql},
    {"dspConsulta", Kind::Provider},
    {"sdsExecuta", Kind::Sql},
    {"dspExecuta", Kind::Provider},
    {"sdsAuxiliar", Kind::Sql},
    {"dspAuxiliar", Kind::Provider},
    {"cdsAuxiliar", Kind::Client},
    {"sdsConsultaLoc", Kind::Sql},
    {"sdsEstoqueIntermediario", Kind::Sql},
    {"dspEstoqueIntermediario", Kind::Provider},
    {"cdsEstoqueIntermediario", Kind::Client},
    {"sdsAuxConsulta", Kind::Sql},
};

// One fixed query: its SQL dataset's declared parameters, its provider's
// options and update mode, and its client dataset (absent for packages).
struct FixedQuery {
  const char* stem;
  Names sds_params;
  platform::ProviderOptions options;
  UpdateMode mode;
  std::optional<Names> cds_params;
  bool read_only;
};

constexpr platform::ProviderOptions kNone{};
constexpr platform::ProviderOptions kCommandQuoted{false, true, true};
constexpr platform::ProviderOptions kAll{true, true, true};
constexpr auto kAllRows = UpdateMode::WhereAll;
const Names kInvoice = {"Empresa", "Revenda", "Tipo", "Numero", "Serie", "Contador"};
const Names kRetorno = {"Empresa", "Revenda", "Proposta", "Negociacao"};

const std::vector<FixedQuery> kFixedQueries = {
    {"Veiculo", {}, kAll, kAllRows, Names{"Empresa", "Veiculo"}, false},
    {"FormulaLinha",
     {"Empresa", "Formula"},
     kCommandQuoted,
     kAllRows,
     Names{"Empresa", "Formula"},
     false},
    {"Linha",
     {"Empresa", "Formula", "Linha"},
     kNone,
     kAllRows,
     Names{"Empresa", "Formula", "Linha"},
     false},
    {"Despesa", {"Empresa", "Veiculo"}, kNone, kAllRows, Names{"Empresa", "Veiculo"}, false},
    {"Indice", {"Empresa"}, kNone, kAllRows, Names{"Empresa"}, false},
    {"Indice1", {"Empresa", "Indice"}, kNone, kAllRows, Names{"Empresa", "Indice"}, false},
    {"ValorIndice",
     {"Empresa", "Indice", "Data"},
     kNone,
     kAllRows,
     Names{"Empresa", "Indice", "Data"},
     false},
    {"Movimento", kInvoice, kNone, kAllRows, kInvoice, false},
    {"MovimentoVeiculo",
     {},
     kNone,
     UpdateMode::WhereChanged,
     Names{"Empresa", "Revenda", "Tipo", "Numero", "Serie", "Contador", "Veiculo"},
     false},
    {"Bonus",
     {},
     kNone,
     kAllRows,
     Names{"Empresa", "Modelo", "DataCompra", "DataVenda", "DataProducao"},
     true},
    {"BonusPacote", {"Empresa", "Bonus"}, kNone, kAllRows, Names{"Empresa", "Bonus"}, true},
    {"BonusOpcional",
     {"Empresa", "Bonus", "Modelo"},
     kNone,
     kAllRows,
     Names{"Empresa", "Bonus", "Modelo"},
     true},
    {"BonusOpcionalSem", {}, kNone, kAllRows, Names{"Empresa", "Bonus", "Modelo"}, true},
    {"BonusEdicao", {}, kNone, kAllRows, Names{"Empresa", "Bonus"}, true},
    {"BonusRevenda", {}, kNone, kAllRows, Names{"Empresa", "Bonus"}, true},
    {"BonusOpcVei", {"chassi", "modelo"}, kNone, kAllRows, Names{"chassi", "modelo"}, true},
    {"Retorno",
     {"Empresa", "Revenda", "Proposta", "Negociacao", "Tipo"},
     kNone,
     kAllRows,
     Names{"Empresa", "Revenda", "Proposta", "Negociacao", "Tipo"},
     false},
    {"RetornoTotal", kRetorno, kNone, kAllRows, kRetorno, false},
    {"Parametro", {"Empresa", "Revenda"}, kNone, kAllRows, Names{"Empresa", "Revenda"}, false},
    {"Revenda", {"Empresa", "Revenda"}, kNone, kAllRows, Names{"Empresa", "Revenda"}, false},
    {"RevendaOrigem", {}, kNone, kAllRows, Names{"Empresa", "Veiculo"}, true},
    {"Subsidio", {"Empresa"}, kNone, UpdateMode::WhereKeyOnly, Names{"Empresa"}, false},
    {"SubsidioPeriodo",
     {"Empresa", "Subsidio"},
     kNone,
     UpdateMode::WhereKeyOnly,
     Names{"Empresa", "Subsidio"},
     false},
    {"Edicao", {}, kNone, UpdateMode::WhereKeyOnly, Names{"Empresa", "Modelo"}, false},
    {"Pacote", {"Empresa", "Pacote"}, kCommandQuoted, kAllRows, std::nullopt, false},
    {"PacoteAno",
     {"Empresa", "Pacote", "AnoModelo", "TipoPintura", "TipoPreco"},
     kCommandQuoted,
     kAllRows,
     std::nullopt,
     false},
    {"Proposta", {}, kNone, kAllRows, Names{"EMPRESA", "REVENDA", "PROPOSTA"}, false},
};

Kind KindOf(const platform::Component& component) {
  if (dynamic_cast<const SqlDataSet*>(&component)) return Kind::Sql;
  if (dynamic_cast<const Provider*>(&component)) return Kind::Provider;
  EXPECT_NE(dynamic_cast<const ClientDataSet*>(&component), nullptr) << component.Name();
  return Kind::Client;
}

Names ParamNames(const platform::Params& params) {
  Names names;
  for (const platform::Param& param : params) names.push_back(param.name);
  return names;
}

TEST(Catalogue, EveryComponentInComponentOrderWithItsKind) {
  std::vector<std::pair<std::string, Kind>> expected = kFreeComponents;
  for (const FixedQuery& q : kFixedQueries) {
    expected.push_back({std::string("sds") + q.stem, Kind::Sql});
    expected.push_back({std::string("dsp") + q.stem, Kind::Provider});
    if (q.cds_params) expected.push_back({std::string("cds") + q.stem, Kind::Client});
  }
  // 14 free components + 25 stems in threes + 2 packages in twos = 14 + 75 + 4.
  ASSERT_EQ(expected.size(), 93u);

  TddmVeiculoCompartilhadoBD dm;
  ASSERT_EQ(dm.Components().size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const platform::Component& component = *dm.Components()[i];
    EXPECT_EQ(component.Name(), expected[i].first) << "position " << i;
    EXPECT_EQ(KindOf(component), expected[i].second) << component.Name();
  }
}

TEST(Catalogue, FindComponentFindsEveryNameInAnyLetterCase) {
  TddmVeiculoCompartilhadoBD dm;
  for (const auto& component : dm.Components()) {
    const std::string& name = component->Name();
    EXPECT_EQ(dm.FindComponent(name), component.get()) << name;
    EXPECT_EQ(dm.FindComponent(platform::UpperCase(name)), component.get()) << name;
    EXPECT_EQ(dm.FindComponent(platform::LowerCase(name)), component.get()) << name;
  }
  EXPECT_EQ(dm.FindComponent("sdsNaoExiste"), nullptr);
  EXPECT_EQ(dm.FindComponent("cdsPacote"), nullptr);  // packages have no client dataset
}

TEST(Catalogue, MembersAreTheNamedComponents) {
  TddmVeiculoCompartilhadoBD dm;
  EXPECT_EQ(dm.FindComponent("sdsVeiculo"), dm.sdsVeiculo);
  EXPECT_EQ(dm.FindComponent("dspMovimentoVeiculo"), dm.dspMovimentoVeiculo);
  EXPECT_EQ(dm.FindComponent("cdsProposta"), dm.cdsProposta);
  EXPECT_EQ(dm.FindComponent("sdsPacoteAno"), dm.sdsPacoteAno);
  EXPECT_EQ(dm.FindComponent("dspPacote"), dm.dspPacote);
  EXPECT_EQ(dm.FindComponent("cdsEstoqueIntermediario"), dm.cdsEstoqueIntermediario);
  EXPECT_EQ(dm.FindComponent("sdsAuxConsulta"), dm.sdsAuxConsulta);
}

TEST(Catalogue, FixedQueriesAreWiredWithTheirParametersAndOptions) {
  TddmVeiculoCompartilhadoBD dm;
  for (const FixedQuery& q : kFixedQueries) {
    SCOPED_TRACE(q.stem);
    auto* sds = dynamic_cast<SqlDataSet*>(dm.FindComponent(std::string("sds") + q.stem));
    auto* dsp = dynamic_cast<Provider*>(dm.FindComponent(std::string("dsp") + q.stem));
    ASSERT_NE(sds, nullptr);
    ASSERT_NE(dsp, nullptr);
    EXPECT_FALSE(sds->CommandText().empty());
    EXPECT_EQ(sds->MaxBlobSize, -1);
    EXPECT_EQ(ParamNames(sds->GetParams()), q.sds_params);
    EXPECT_EQ(dsp->DataSet(), sds);
    EXPECT_EQ(dsp->Options.fetch_blobs_on_demand, q.options.fetch_blobs_on_demand);
    EXPECT_EQ(dsp->Options.allow_command_text, q.options.allow_command_text);
    EXPECT_EQ(dsp->Options.use_quote_char, q.options.use_quote_char);
    EXPECT_EQ(dsp->Mode, q.mode);
    EXPECT_TRUE(dsp->KeyFields.empty());  // the table's primary key
    if (!q.cds_params) continue;
    auto* cds = dynamic_cast<ClientDataSet*>(dm.FindComponent(std::string("cds") + q.stem));
    ASSERT_NE(cds, nullptr);
    EXPECT_EQ(cds->GetProvider(), dsp);
    EXPECT_EQ(ParamNames(cds->GetParams()), *q.cds_params);
    EXPECT_EQ(cds->ReadOnly, q.read_only);
  }
}

TEST(Catalogue, FreeProvidersAllowCommandText) {
  TddmVeiculoCompartilhadoBD dm;
  for (Provider* dsp : {dm.dspAux, dm.dspConsulta, dm.dspExecuta, dm.dspEstoqueIntermediario}) {
    EXPECT_TRUE(dsp->Options.allow_command_text) << dsp->Name();
    EXPECT_TRUE(dsp->Options.use_quote_char) << dsp->Name();
  }
  EXPECT_TRUE(dm.dspAuxiliar->Options.allow_command_text);
  EXPECT_FALSE(dm.dspAuxiliar->Options.use_quote_char);
  EXPECT_EQ(dm.cdsAuxiliar->GetProvider(), dm.dspAuxiliar);
  EXPECT_EQ(dm.cdsEstoqueIntermediario->GetProvider(), dm.dspEstoqueIntermediario);
  for (SqlDataSet* sds : {dm.sdsAux, dm.sdsConsulta, dm.sdsExecuta, dm.sdsAuxiliar,
                          dm.sdsConsultaLoc, dm.sdsEstoqueIntermediario, dm.sdsAuxConsulta}) {
    EXPECT_TRUE(sds->CommandText().empty()) << sds->Name();
    EXPECT_TRUE(sds->GetParams().Empty()) << sds->Name();
  }
}

TEST(Catalogue, TypedParametersAndTheVehicleIndex) {
  TddmVeiculoCompartilhadoBD dm;
  EXPECT_TRUE(dm.cdsEdicao->ParamByName("Modelo").typed_as_text);
  EXPECT_FALSE(dm.cdsEdicao->ParamByName("Empresa").typed_as_text);

  ASSERT_EQ(dm.cdsVeiculo->IndexDefs.size(), 1u);
  const platform::IndexDef& index = dm.cdsVeiculo->IndexDefs[0];
  EXPECT_EQ(index.name, "cdsVeiculoIndex1");
  EXPECT_EQ(index.fields, "EMPRESA; VEICULO");
  EXPECT_TRUE(index.primary);
  EXPECT_TRUE(index.unique);
  EXPECT_EQ(dm.cdsVeiculo->IndexName(), "cdsVeiculoIndex1");
}

// ---- golden files: the fixed SQL adapted to Oracle and SQL Server ----

using Blocks = std::vector<std::pair<std::string, std::string>>;

// Blocks of a golden file: a "-- sdsName" line, then the text up to the next
// such line (blank lines between blocks are not part of the text).
Blocks ReadGolden(const std::string& path) {
  std::ifstream in(path);
  EXPECT_TRUE(in.good()) << "cannot read " << path;
  Blocks blocks;
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("-- ", 0) == 0) {
      blocks.push_back({line.substr(3), ""});
    } else if (!blocks.empty() && !line.empty()) {
      std::string& text = blocks.back().second;
      text += (text.empty() ? "" : "\n") + line;
    }
  }
  return blocks;
}

Blocks AdaptedTexts(const TddmVeiculoCompartilhadoBD& dm, const std::string& dialect) {
  Blocks blocks;
  for (const auto& component : dm.Components()) {
    const auto* sds = dynamic_cast<const SqlDataSet*>(component.get());
    if (sds == nullptr || sds->CommandText().empty()) continue;
    blocks.push_back({sds->Name(), maker::CompatBanco(sds->CommandText(), dialect, 1, false)});
  }
  return blocks;
}

class CatalogueGolden : public ::testing::TestWithParam<const char*> {};

TEST_P(CatalogueGolden, AdaptedTextsMatchTheReviewedFile) {
  const std::string dialect = GetParam();
  const Blocks golden =
      ReadGolden(std::string(VEICULO_GOLDEN_DIR) + "/catalogue_" + dialect + ".sql");
  TddmVeiculoCompartilhadoBD dm;
  const Blocks actual = AdaptedTexts(dm, dialect);
  ASSERT_EQ(actual.size(), 27u);  // every fixed query has its SQL dataset
  Names golden_names, actual_names;
  for (const auto& block : golden) golden_names.push_back(block.first);
  for (const auto& block : actual) actual_names.push_back(block.first);
  ASSERT_EQ(actual_names, golden_names);
  for (size_t i = 0; i < actual.size(); ++i)
    EXPECT_TRUE(actual[i].second == golden[i].second)
        << actual[i].first << " (" << dialect << ")\n  expected: " << golden[i].second
        << "\n  actual:   " << actual[i].second;
}

INSTANTIATE_TEST_SUITE_P(Dialects, CatalogueGolden, ::testing::Values("ORACLE", "SQLSERVER"));

}  // namespace
}  // namespace veiculo
