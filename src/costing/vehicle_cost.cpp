// CalculoCustoVeiculo: the cost of one vehicle from its costing formula,
// evaluated line by line on the historic and the present-value basis, and
// stored.
//
// Order of work: bind the connection; read the dealer and the vehicle (with
// the edition-priced vehicle query); find the sale value and its present value
// (vehicle_cost_sale.cpp) and store the latter; replace the vehicle's costing
// lines (and the proposal's history) by the lines evaluated now
// (vehicle_cost_line.cpp); store the accounting cost (accounting_cost.cpp).
// Statements run one by one on sdsExecuta in the caller's transaction; an
// error leaves the ones already executed to the caller's rollback.

#include <string>

#include "costing/kept_rows.h"
#include "costing/vehicle_cost.h"
#include "module/maker_utils/sql_literals.h"
#include "platform/db/client_dataset.h"
#include "platform/db/sql_dataset.h"
#include "platform/text.h"
#include "veiculo/error.h"

namespace veiculo {
namespace {

using platform::ClientDataSet;

std::string Texto(ClientDataSet& dataset, const char* field) {
  return platform::Trim(dataset.FieldByName(field).AsText());
}
int32_t Inteiro(ClientDataSet& dataset, const char* field) {
  return static_cast<int32_t>(dataset.FieldByName(field).AsInteger());
}

// Reopens the formula's lines, so that band percentages posted by an earlier
// costing are gone, and returns the payment index: the INDICE of its "C"
// lines (the last one wins; 0 without one). When the host made the dataset
// load every formula, the lines of this formula are filtered in until
// FiltroLinhas is destroyed.
class FiltroLinhas {
 public:
  FiltroLinhas(ClientDataSet& linhas, int32_t empresa, const std::string& formula)
      : linhas_(linhas) {
    linhas_.Close();
    if (linhas_.GetParams().Empty()) {
      linhas_.Open();
      linhas_.SetFilter(" EMPRESA = " + std::to_string(empresa) + " and FORMULA = '" +
                        platform::QuoteDoubled(formula) + "'");
      linhas_.SetFiltered(true);
      filtrado_ = true;
    } else {
      linhas_.ParamByName("Empresa").SetAsInteger(empresa);
      linhas_.ParamByName("Formula").SetAsText(formula);
      linhas_.Open();
    }
  }
  ~FiltroLinhas() {
    if (filtrado_) linhas_.SetFiltered(false);
  }
  FiltroLinhas(const FiltroLinhas&) = delete;
  FiltroLinhas& operator=(const FiltroLinhas&) = delete;

  int32_t IndicePagamento() {
    int32_t indice = 0;
    for (linhas_.First(); !linhas_.Eof(); linhas_.Next())
      if (Texto(linhas_, "TIPO") == "C") indice = Inteiro(linhas_, "INDICE");
    return indice;
  }

 private:
  ClientDataSet& linhas_;
  bool filtrado_ = false;
};

// Why a vehicle could not be read with the costing's vehicle query, which
// joins its model and its chassis' follow-up record: the row it lacks, or
// "not found" when the vehicle itself does not exist.
std::string VeiculoIlegivel(platform::SqlDataSet& aux, int32_t empresa,
                            const std::string& veiculo) {
  const std::string nome =
      "CalculoCustoVeiculo: vehicle '" + veiculo + "' of company " + std::to_string(empresa);
  aux.Close();
  aux.SetCommandText(
      "select v.MODELO, v.CHASSI, (select count(*) from VEI_MODELO m where m.EMPRESA = "
      "v.EMPRESA and m.MODELO = v.MODELO) N_MODELO, (select count(*) from "
      "OFI_FICHA_SEGUIMENTO f where f.CHASSI = v.CHASSI) N_FICHA from VEI_VEICULO v where "
      "v.EMPRESA = " +
      std::to_string(empresa) + " and v.VEICULO = '" + platform::QuoteDoubled(veiculo) + "'");
  aux.Open();
  std::string motivo = nome + " not found";
  if (!aux.IsEmpty()) {
    const std::string modelo = platform::Trim(aux.FieldByName("MODELO").AsText());
    const std::string chassi = platform::Trim(aux.FieldByName("CHASSI").AsText());
    if (aux.FieldByName("N_MODELO").AsInteger() == 0)
      motivo = nome + " cannot be read: its model '" + modelo + "' has no row in VEI_MODELO";
    else if (aux.FieldByName("N_FICHA").AsInteger() == 0)
      motivo = nome + " cannot be read: its chassis '" + chassi +
               "' has no follow-up record in OFI_FICHA_SEGUIMENTO";
  }
  aux.Close();
  return motivo;
}

}  // namespace

costing::DatasCusteio TddmVeiculoCompartilhadoBDImpl::CustoVeiculo::Datas() const {
  costing::DatasCusteio datas;
  datas.D1 = data_referencia;
  datas.D2 = dta_fim_correcao;
  datas.D3 = dta_inicio_correcao;
  datas.D4 = dta_recompra != 0 ? dta_recompra : data_referencia;
  datas.D5 = data_referencia;
  return datas;
}

void TddmVeiculoCompartilhadoBDImpl::ExecutaCusto(const std::string& pSql) {
  sdsExecuta->Close();
  sdsExecuta->SetCommandText(pSql);
  sdsExecuta->ExecSQL();
  sdsExecuta->Close();
}

void TddmVeiculoCompartilhadoBDImpl::LeVeiculoCusto(CustoVeiculo& pCusto) {
  ClientDataSet& v = *cdsVeiculo;
  auto data = [&v](const char* field) { return v.FieldByName(field).AsDateTime(); };
  auto valor = [&v](const char* field) { return v.FieldByName(field).AsFloat(); };
  pCusto.formula = Texto(v, "FORMULA");
  pCusto.chassi = Texto(v, "CHASSI");
  pCusto.dta_fim_correcao = data("DTA_FIM_CORRECAO");
  pCusto.dta_inicio_correcao = v.FieldByName("DTA_INICIO_CORRECAO").IsNull()
                                   ? data("DTA_FAT_FABRICA")
                                   : data("DTA_INICIO_CORRECAO");
  pCusto.dta_recompra = data("DTA_RECOMPRA");
  pCusto.empresa_nfsaida = Inteiro(v, "EMPRESA_NFSAIDA");
  pCusto.revenda_nfsaida = Inteiro(v, "REVENDA_NFSAIDA");
  pCusto.serie_nfsaida = Texto(v, "SERIE_NOTA_FISCAL_NFSAIDA");
  pCusto.numero_nfsaida = Inteiro(v, "NUMERO_NOTA_NFSAIDA");
  pCusto.tipo_transacao_nfsaida = Texto(v, "TIPO_TRANSACAO_NFSAIDA");
  pCusto.contador_nfsaida = Inteiro(v, "CONTADOR_NFSAIDA");
  pCusto.notificacao_credito = Texto(v, "NOTIFICACAO_CREDITO");
  pCusto.novo_usado = Texto(v, "NOVO_USADO");
  pCusto.val_compra = valor("VAL_COMPRA");
  pCusto.val_comissao_concessionaria = valor("VAL_COMISSAO_CONCESSIONARIA");
  pCusto.preco_concessionaria = valor("PRECO_CONCESSIONARIA");
  pCusto.preco_publico = valor("PRECO_PUBLICO");
  pCusto.frete_venda = valor("FRETE_VENDA");
  pCusto.val_seguro = valor("VAL_SEGURO");

  pCusto.historico = cdsParametro->Active() && !cdsParametro->IsEmpty() &&
                     Texto(*cdsParametro, "ATUALIZA_CUSTEIO_HISTORICO") == "S";
  const costing::KeptRows kept(*sdsAux);  // the dealer's settings
  sdsAux->Close();
  sdsAux->SetCommandText("Select VAL_VEICULO_C_R from VEI_PARAMETRO where EMPRESA = " +
                         std::to_string(pCusto.empresa) +
                         "   and REVENDA = " + std::to_string(pCusto.revenda));
  sdsAux->Open();
  pCusto.val_veiculo_c_r =
      sdsAux->IsEmpty() ? "" : platform::Trim(sdsAux->FieldByName("VAL_VEICULO_C_R").AsText());
  sdsAux->Close();
}

std::string TddmVeiculoCompartilhadoBDImpl::CalculoCustoVeiculo(
    Connection* pfConexao, const std::string& pfBancoDados, const std::string& pfVeiculo,
    DateTime pfDataRef, int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
    int32_t pfNegociacao) {
  sPvBancoDados = pfBancoDados;
  AtribuiConexao(pfConexao);
  BuscaMarca(pfEmpresa, pfRevenda);
  AlteraCommandText("cdsVeiculo", costing::kSqlVeiculoEdicao);
  LerParametro(pfEmpresa, pfRevenda);
  // Nothing is written for a vehicle that cannot be read; the error names
  // the row it lacks.
  if (!LerVeiculo(pfEmpresa, pfVeiculo, true))
    throw Error(ErrorCategory::NotFound, VeiculoIlegivel(*sdsAux, pfEmpresa, pfVeiculo));

  CustoVeiculo custo;
  custo.veiculo = pfVeiculo;
  custo.empresa = pfEmpresa;
  custo.revenda = pfRevenda;
  custo.proposta = pfProposta;
  custo.negociacao = pfNegociacao;
  custo.data_referencia = pfDataRef;
  LeVeiculoCusto(custo);
  // One time stamp for every history row of this costing.
  custo.dta_custo = maker::DataHoraPSql(Agora(), BancoDados());

  iPvProposta = 0;
  iPvNegociacao = 0;
  dPvPrecoPublico = 0;
  dPvPrecoPublicoOri = 0;
  dPvFreteVenda = 0;
  dPvValorSeguro = 0;
  dPbValorVenda = 0;

  FiltroLinhas linhas(*cdsFormulaLinha, custo.empresa, custo.formula);
  custo.indice_pagamento = linhas.IndicePagamento();

  ValorVendaCusto(custo);
  ExecutaCusto(costing::UpdateValorVeiculo("VAL_PRESENTE_VENDA", custo.valor_presente_venda,
                                           custo.empresa, custo.veiculo));

  ExecutaCusto(costing::DeleteCusteio(custo.empresa, custo.veiculo));
  if (custo.historico && iPvProposta != 0)
    ExecutaCusto(costing::DeleteCusteioHistorico(custo.empresa, custo.revenda, iPvProposta));

  Base_Financeiro = CalculaBaseFinanceiro(custo.empresa, custo.revenda, custo.veiculo,
                                          custo.formula, custo.data_referencia);
  for (cdsFormulaLinha->First(); !cdsFormulaLinha->Eof(); cdsFormulaLinha->Next())
    AvaliaLinhaCusto(custo);

  const double contabil = CalculaCustoContabil(custo.empresa, custo.revenda, custo.veiculo,
                                               custo.formula, custo.data_referencia, "C");
  ExecutaCusto(
      costing::UpdateValorVeiculo("VAL_CUSTO_CONTABIL", contabil, custo.empresa, custo.veiculo));
  return "OK|";
}

}  // namespace veiculo
