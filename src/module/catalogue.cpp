// The module's components: every SQL dataset, provider and client dataset with
// its SQL, parameters and options, created in component order (the free
// components first, then sds, dsp and cds of each fixed query).
//
// Parameter lists are set exactly as each query declares them. Setting a
// command text builds a list from the text's markers; a query that declares
// none gets an empty list, and its client dataset supplies the values when it
// opens through the provider.

#include <string>
#include <vector>

#include "module/catalogue_sql.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/client_dataset.h"
#include "platform/db/provider.h"
#include "platform/db/sql_dataset.h"

namespace veiculo {
namespace {

using platform::ClientDataSet;
using platform::IndexDef;
using platform::Provider;
using platform::ProviderOptions;
using platform::SqlDataSet;
using platform::UpdateMode;
using Names = std::vector<std::string>;

constexpr ProviderOptions kAllowCommandText{false, true, false};
constexpr ProviderOptions kAllowCommandTextQuoted{false, true, true};
constexpr ProviderOptions kBlobsOnDemandCommandTextQuoted{true, true, true};

// Replaces a parameter list with the names given, in that order and spelling.
void Declare(platform::Params& params, const Names& names) {
  params.Clear();
  for (const std::string& name : names) params.Add(name);
}

}  // namespace

void TddmVeiculoCompartilhadoBDImpl::CriaComponentes() {
  using namespace catalogue_sql;

  auto sql = [&](const char* name, const std::string& text = "", const Names& declared = {}) {
    auto owned = std::make_unique<SqlDataSet>(name);
    if (!text.empty()) owned->SetCommandText(text);
    Declare(owned->GetParams(), declared);
    SqlDataSet* raw = owned.get();
    components_.push_back(std::move(owned));
    return raw;
  };
  auto provider = [&](const char* name, SqlDataSet* dataset, ProviderOptions options = {},
                      UpdateMode mode = UpdateMode::WhereAll) {
    auto owned = std::make_unique<Provider>(name, dataset);
    owned->Options = options;
    owned->Mode = mode;
    Provider* raw = owned.get();
    components_.push_back(std::move(owned));
    return raw;
  };
  auto client = [&](const char* name, Provider* source, const Names& params = {},
                    bool read_only = false) {
    auto owned = std::make_unique<ClientDataSet>(name, source);
    Declare(owned->GetParams(), params);
    owned->ReadOnly = read_only;
    ClientDataSet* raw = owned.get();
    components_.push_back(std::move(owned));
    return raw;
  };
  constexpr bool kReadOnly = true;

  // Free SQL datasets: their SQL is set per call.
  sdsAux = sql("sdsAux");
  dspAux = provider("dspAux", sdsAux, kAllowCommandTextQuoted);
  sdsConsulta = sql("sdsConsulta");
  dspConsulta = provider("dspConsulta", sdsConsulta, kAllowCommandTextQuoted);
  sdsExecuta = sql("sdsExecuta");
  dspExecuta = provider("dspExecuta", sdsExecuta, kAllowCommandTextQuoted);
  sdsAuxiliar = sql("sdsAuxiliar");
  dspAuxiliar = provider("dspAuxiliar", sdsAuxiliar, kAllowCommandText);
  cdsAuxiliar = client("cdsAuxiliar", dspAuxiliar);
  sdsConsultaLoc = sql("sdsConsultaLoc");
  sdsEstoqueIntermediario = sql("sdsEstoqueIntermediario");
  dspEstoqueIntermediario =
      provider("dspEstoqueIntermediario", sdsEstoqueIntermediario, kAllowCommandTextQuoted);
  cdsEstoqueIntermediario = client("cdsEstoqueIntermediario", dspEstoqueIntermediario);
  sdsAuxConsulta = sql("sdsAuxConsulta");

  // The vehicle with its model, follow-up record and public price. The
  // primary index keeps one row per company and vehicle, and FindKey uses it.
  sdsVeiculo = sql("sdsVeiculo", kSqlVeiculo);
  dspVeiculo = provider("dspVeiculo", sdsVeiculo, kBlobsOnDemandCommandTextQuoted);
  cdsVeiculo = client("cdsVeiculo", dspVeiculo, {"Empresa", "Veiculo"});
  cdsVeiculo->IndexDefs.push_back(IndexDef{"cdsVeiculoIndex1", "EMPRESA; VEICULO", true, true});
  cdsVeiculo->SetIndexName("cdsVeiculoIndex1");

  // Costing formula lines.
  sdsFormulaLinha = sql("sdsFormulaLinha", kSqlFormulaLinha, {"Empresa", "Formula"});
  dspFormulaLinha = provider("dspFormulaLinha", sdsFormulaLinha, kAllowCommandTextQuoted);
  cdsFormulaLinha = client("cdsFormulaLinha", dspFormulaLinha, {"Empresa", "Formula"});
  sdsLinha = sql("sdsLinha", kSqlLinha, {"Empresa", "Formula", "Linha"});
  dspLinha = provider("dspLinha", sdsLinha);
  cdsLinha = client("cdsLinha", dspLinha, {"Empresa", "Formula", "Linha"});

  // Expenses, financial indices and their values.
  sdsDespesa = sql("sdsDespesa", kSqlDespesa, {"Empresa", "Veiculo"});
  dspDespesa = provider("dspDespesa", sdsDespesa);
  cdsDespesa = client("cdsDespesa", dspDespesa, {"Empresa", "Veiculo"});
  sdsIndice = sql("sdsIndice", kSqlIndice, {"Empresa"});
  dspIndice = provider("dspIndice", sdsIndice);
  cdsIndice = client("cdsIndice", dspIndice, {"Empresa"});
  sdsIndice1 = sql("sdsIndice1", kSqlIndice1, {"Empresa", "Indice"});
  dspIndice1 = provider("dspIndice1", sdsIndice1);
  cdsIndice1 = client("cdsIndice1", dspIndice1, {"Empresa", "Indice"});
  sdsValorIndice = sql("sdsValorIndice", kSqlValorIndice, {"Empresa", "Indice", "Data"});
  dspValorIndice = provider("dspValorIndice", sdsValorIndice);
  cdsValorIndice = client("cdsValorIndice", dspValorIndice, {"Empresa", "Indice", "Data"});

  // Invoices: header and vehicle line.
  const Names invoice = {"Empresa", "Revenda", "Tipo", "Numero", "Serie", "Contador"};
  sdsMovimento = sql("sdsMovimento", kSqlMovimento, invoice);
  dspMovimento = provider("dspMovimento", sdsMovimento);
  cdsMovimento = client("cdsMovimento", dspMovimento, invoice);

  // Rows a costing reads again and again and never changes: a formula and
  // its lines, the vehicle's expenses, the index definitions and values, invoice
  // headers. A batch command's connection keeps them for the transaction
  // (row_cache.h); a write to any table they read drops them.
  for (platform::SqlDataSet* kept :
       {sdsFormulaLinha, sdsLinha, sdsDespesa, sdsIndice1, sdsValorIndice, sdsMovimento})
    kept->SetRowsCacheable(true);
  sdsMovimentoVeiculo = sql("sdsMovimentoVeiculo", kSqlMovimentoVeiculo);
  dspMovimentoVeiculo =
      provider("dspMovimentoVeiculo", sdsMovimentoVeiculo, {}, UpdateMode::WhereChanged);
  cdsMovimentoVeiculo =
      client("cdsMovimentoVeiculo", dspMovimentoVeiculo,
             {"Empresa", "Revenda", "Tipo", "Numero", "Serie", "Contador", "Veiculo"});

  // Bonuses: read only.
  sdsBonus = sql("sdsBonus", kSqlBonus);
  dspBonus = provider("dspBonus", sdsBonus);
  cdsBonus = client("cdsBonus", dspBonus,
                    {"Empresa", "Modelo", "DataCompra", "DataVenda", "DataProducao"}, kReadOnly);
  sdsBonusPacote = sql("sdsBonusPacote", kSqlBonusPacote, {"Empresa", "Bonus"});
  dspBonusPacote = provider("dspBonusPacote", sdsBonusPacote);
  cdsBonusPacote = client("cdsBonusPacote", dspBonusPacote, {"Empresa", "Bonus"}, kReadOnly);
  sdsBonusOpcional = sql("sdsBonusOpcional", kSqlBonusOpcional, {"Empresa", "Bonus", "Modelo"});
  dspBonusOpcional = provider("dspBonusOpcional", sdsBonusOpcional);
  cdsBonusOpcional =
      client("cdsBonusOpcional", dspBonusOpcional, {"Empresa", "Bonus", "Modelo"}, kReadOnly);
  sdsBonusOpcionalSem = sql("sdsBonusOpcionalSem", kSqlBonusOpcionalSem);
  dspBonusOpcionalSem = provider("dspBonusOpcionalSem", sdsBonusOpcionalSem);
  cdsBonusOpcionalSem =
      client("cdsBonusOpcionalSem", dspBonusOpcionalSem, {"Empresa", "Bonus", "Modelo"}, kReadOnly);
  sdsBonusEdicao = sql("sdsBonusEdicao", kSqlBonusEdicao);
  dspBonusEdicao = provider("dspBonusEdicao", sdsBonusEdicao);
  cdsBonusEdicao = client("cdsBonusEdicao", dspBonusEdicao, {"Empresa", "Bonus"}, kReadOnly);
  sdsBonusRevenda = sql("sdsBonusRevenda", kSqlBonusRevenda);
  dspBonusRevenda = provider("dspBonusRevenda", sdsBonusRevenda);
  cdsBonusRevenda = client("cdsBonusRevenda", dspBonusRevenda, {"Empresa", "Bonus"}, kReadOnly);
  // Declared in lower case; names match the :Chassi and :Modelo markers regardless of case.
  sdsBonusOpcVei = sql("sdsBonusOpcVei", kSqlBonusOpcVei, {"chassi", "modelo"});
  dspBonusOpcVei = provider("dspBonusOpcVei", sdsBonusOpcVei);
  cdsBonusOpcVei = client("cdsBonusOpcVei", dspBonusOpcVei, {"chassi", "modelo"}, kReadOnly);

  // Financing returns.
  const Names retorno = {"Empresa", "Revenda", "Proposta", "Negociacao", "Tipo"};
  sdsRetorno = sql("sdsRetorno", kSqlRetorno, retorno);
  dspRetorno = provider("dspRetorno", sdsRetorno);
  cdsRetorno = client("cdsRetorno", dspRetorno, retorno);
  const Names retorno_total = {"Empresa", "Revenda", "Proposta", "Negociacao"};
  sdsRetornoTotal = sql("sdsRetornoTotal", kSqlRetornoTotal, retorno_total);
  dspRetornoTotal = provider("dspRetornoTotal", sdsRetornoTotal);
  cdsRetornoTotal = client("cdsRetornoTotal", dspRetornoTotal, retorno_total);

  // Dealer parameters, the dealer and the vehicle's origin dealer.
  sdsParametro = sql("sdsParametro", kSqlParametro, {"Empresa", "Revenda"});
  dspParametro = provider("dspParametro", sdsParametro);
  cdsParametro = client("cdsParametro", dspParametro, {"Empresa", "Revenda"});
  sdsRevenda = sql("sdsRevenda", kSqlRevenda, {"Empresa", "Revenda"});
  dspRevenda = provider("dspRevenda", sdsRevenda);
  cdsRevenda = client("cdsRevenda", dspRevenda, {"Empresa", "Revenda"});
  sdsRevendaOrigem = sql("sdsRevendaOrigem", kSqlRevendaOrigem);
  dspRevendaOrigem = provider("dspRevendaOrigem", sdsRevendaOrigem);
  cdsRevendaOrigem =
      client("cdsRevendaOrigem", dspRevendaOrigem, {"Empresa", "Veiculo"}, kReadOnly);

  // Subsidies, written back by key.
  sdsSubsidio = sql("sdsSubsidio", kSqlSubsidio, {"Empresa"});
  dspSubsidio = provider("dspSubsidio", sdsSubsidio, {}, UpdateMode::WhereKeyOnly);
  cdsSubsidio = client("cdsSubsidio", dspSubsidio, {"Empresa"});
  sdsSubsidioPeriodo = sql("sdsSubsidioPeriodo", kSqlSubsidioPeriodo, {"Empresa", "Subsidio"});
  dspSubsidioPeriodo =
      provider("dspSubsidioPeriodo", sdsSubsidioPeriodo, {}, UpdateMode::WhereKeyOnly);
  cdsSubsidioPeriodo = client("cdsSubsidioPeriodo", dspSubsidioPeriodo, {"Empresa", "Subsidio"});

  // Model editions with their paint values (falling back to the model's).
  sdsEdicao = sql("sdsEdicao", kSqlEdicao);
  dspEdicao = provider("dspEdicao", sdsEdicao, {}, UpdateMode::WhereKeyOnly);
  cdsEdicao = client("cdsEdicao", dspEdicao, {"Empresa", "Modelo"});
  cdsEdicao->ParamByName("Modelo").typed_as_text = true;

  // Packages: read straight from their SQL datasets, no client dataset.
  sdsPacote = sql("sdsPacote", kSqlPacote, {"Empresa", "Pacote"});
  dspPacote = provider("dspPacote", sdsPacote, kAllowCommandTextQuoted);
  sdsPacoteAno = sql("sdsPacoteAno", kSqlPacoteAno,
                     {"Empresa", "Pacote", "AnoModelo", "TipoPintura", "TipoPreco"});
  dspPacoteAno = provider("dspPacoteAno", sdsPacoteAno, kAllowCommandTextQuoted);

  // The proposal's state. Its key parameters are fixed-point decimals; values
  // bind by their own kind, which the engine converts to the column's type.
  sdsProposta = sql("sdsProposta", kSqlProposta);
  dspProposta = provider("dspProposta", sdsProposta);
  cdsProposta = client("cdsProposta", dspProposta, {"EMPRESA", "REVENDA", "PROPOSTA"});
}

}  // namespace veiculo
