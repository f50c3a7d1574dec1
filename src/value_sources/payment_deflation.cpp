// The deflation of a proposal's future payments: what each payment due after
// the reference date loses when its amount is brought back from its due date
// to the reference date by an index.
//
// The payments are those of the proposal's final negotiation (the negotiation
// argument is not read) whose payment condition counts for deflation:
// ordinary payments at their own due date, and financed payments split into
// their instalments (the condition's days, counted from its first one, and
// its amortisation percentages). A proposal without a final negotiation
// answers the deflation the host stored in the module. A payment is deflated
// only when the index has a value both at its due date and at the reference
// date (a monthly index has values on few days).

#include <cmath>
#include <string>
#include <vector>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "module/maker_utils/sql_literals.h"
#include "platform/db/sql_dataset.h"

namespace veiculo {
namespace {

struct Payment {
  double vencimento = 0;
  double valor = 0;
};

std::string FinalNegotiationSql(int32_t empresa, int32_t revenda, int32_t proposta) {
  return " select coalesce(NEGOCIACAO_FINAL,0) NEGOCIACAO from VEI_PROPOSTA      where EMPRESA = " +
         std::to_string(empresa) + "       and REVENDA = " + std::to_string(revenda) +
         "       and PROPOSTA = " + std::to_string(proposta);
}

// Payments of a negotiation due after `after` (a date literal) whose
// condition counts for deflation and passes `tipo_pagto`.
std::string PaymentConditions(int32_t empresa, int32_t revenda, int32_t proposta,
                              int32_t negociacao, const std::string& tipo_pagto,
                              const std::string& after) {
  return " where VPGTO.EMPRESA = " + std::to_string(empresa) +
         "   and VPGTO.REVENDA = " + std::to_string(revenda) +
         "   and VPGTO.PROPOSTA = " + std::to_string(proposta) +
         "   and VPGTO.NEGOCIACAO = " + std::to_string(negociacao) +
         "   and FCP.EMPRESA = VPGTO.EMPRESA" + "   and FCP.CONDICAO = VPGTO.CONDICAO" +
         "   and FCP.TIPO_PAGTO " + tipo_pagto + "   and VPGTO.DTA_VENCIMENTO > " + after +
         "   and FCP.CONSIDERA_DEFLACAO = 'S'";
}

// "union all": two payments of the same amount on the same day are two
// payments, which a plain union would merge into one. The instalment amount
// multiplies before it divides, so that the percentage keeps its decimals in
// exact arithmetic (33.3333 / 100 alone keeps only four).
std::string PaymentsSql(int32_t empresa, int32_t revenda, int32_t proposta, int32_t negociacao,
                        const std::string& after) {
  return "select VPGTO.DTA_VENCIMENTO, VPGTO.VAL_PAGAMENTO"
         "  from VEI_PAGAMENTO VPGTO, FAT_CONDICAO_PAGAMENTO FCP" +
         PaymentConditions(empresa, revenda, proposta, negociacao, "not in ('F','D')", after) +
         " union all "
         "select VPGTO.DTA_VENCIMENTO + FCD.QUANTIDADE_DIAS -"
         " (select min(FCD2.QUANTIDADE_DIAS) from FAT_CONDICAO_DIAS FCD2"
         "   where FCD2.EMPRESA = FCD.EMPRESA and FCD2.CONDICAO = FCD.CONDICAO) DTA_VENCIMENTO,"
         " VPGTO.VAL_PAGAMENTO * FCD.PERAMORTIZA / 100 VAL_PAGAMENTO"
         "  from VEI_PAGAMENTO VPGTO, FAT_CONDICAO_PAGAMENTO FCP, FAT_CONDICAO_DIAS FCD" +
         PaymentConditions(empresa, revenda, proposta, negociacao, "= 'F'", after) +
         "   and FCD.EMPRESA = FCP.EMPRESA and FCD.CONDICAO = FCP.CONDICAO" +
         " order by 1 ";  // a union is ordered by position on every dialect
}

}  // namespace

double TddmVeiculoCompartilhadoBDImpl::BuscaValorDeflacaoPagamento(
    int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta, int32_t /*pfNegociacao*/,
    int32_t pfIndice, DateTime pfDataReferencia) {
  sdsAux->Close();
  sdsAux->SetCommandText(FinalNegotiationSql(pfEmpresa, pfRevenda, pfProposta));
  sdsAux->Open();
  const int64_t negociacao = sdsAux->IsEmpty() ? 0 : sdsAux->FieldByName("NEGOCIACAO").AsInteger();
  sdsAux->Close();
  if (negociacao <= 0) return rPbDeflacaoPagamento;

  // The payments are read whole first: the index lookups use datasets of their own.
  std::vector<Payment> payments;
  sdsAux->SetCommandText(PaymentsSql(pfEmpresa, pfRevenda, pfProposta,
                                     static_cast<int32_t>(negociacao),
                                     maker::DataPSql(pfDataReferencia, sPvBancoDados)));
  sdsAux->Open();
  for (; !sdsAux->Eof(); sdsAux->Next()) {
    payments.push_back({sdsAux->FieldByName("DTA_VENCIMENTO").AsDateTime(),
                        sdsAux->FieldByName("VAL_PAGAMENTO").AsFloat()});
  }
  sdsAux->Close();

  double deflacao = 0;
  bool have_reference = false;
  double indice_referencia = 0;
  for (const Payment& p : payments) {
    const double indice_vencimento = BuscaIndice(pfEmpresa, pfIndice, p.vencimento);
    // A due date without an index value cannot be deflated.
    if (std::fabs(indice_vencimento) <= 0.001) continue;
    if (!have_reference) {  // the same for every payment: looked up once
      indice_referencia = BuscaIndice(pfEmpresa, pfIndice, pfDataReferencia);
      have_reference = true;
    }
    // Nor can one without a value at the reference date: an index of 0 there
    // would count the payment's whole value as deflation.
    if (std::fabs(indice_referencia) <= 0.001) continue;
    deflacao += p.valor - p.valor / indice_vencimento * indice_referencia;
  }
  return deflacao;
}

}  // namespace veiculo
