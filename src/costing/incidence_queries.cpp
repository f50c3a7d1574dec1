// The incidences that read tables of their own: the base lines that the cost
// "C" takes along under "$", the rebate "8" counted to the day the maker paid
// the entry invoice's titles, and the imported bonus sheet "BP".

#include <string>
#include <vector>

#include "costing/incidence_line.h"
#include "costing/kept_rows.h"
#include "module/maker_utils/sql_literals.h"
#include "platform/db/client_dataset.h"
#include "platform/db/sql_dataset.h"
#include "platform/text.h"
#include "value_sources/invoice_datasets.h"

namespace veiculo {
namespace {

std::string Quoted(const std::string& text) {
  return "'" + platform::QuoteDoubled(text) + "'";
}

// The titles of an invoice's operation, each with the day of its last
// bonus payment ('BN') that was not reversed.
std::string TitulosOperacaoSql(int64_t empresa, int64_t revenda, int64_t operacao) {
  return "select STATUS,         DTA_ULTIMA_ALTERACAO,         (select max(dta_pagamento)    "
         "      from fin_titulo_pagamento          where fin_titulo.empresa = empresa         "
         " and fin_titulo.revenda   = revenda          and fin_titulo.titulo    = titulo       "
         "   and fin_titulo.duplicata = duplicata          and fin_titulo.cliente   = cliente   "
         "       and TIPO_TRANSACAO = 'BN'           and LCTO_ESTORNO IS NULL           and "
         "fin_titulo.tipo      = tipo) DTA_PAGTO  from fin_titulo  where empresa  = " +
         std::to_string(empresa) + " and   revenda  = " + std::to_string(revenda) +
         " and   operacao = " + std::to_string(operacao);
}

}  // namespace

double TddmVeiculoCompartilhadoBDImpl::ValorLinhasBase(const LinhaIncidencia& pfLinha) {
  // The codes are read first: the entry-invoice source runs on sdsAux too.
  std::vector<std::string> codigos;
  {
    const costing::KeptRows kept(*sdsAux);  // the formula's lines
    sdsAux->Close();
    sdsAux->SetCommandText("select INCIDENCIA  from VEI_FORMULA_LINHA where EMPRESA = " +
                           std::to_string(pfLinha.empresa) +
                           "   and FORMULA = " + Quoted(pfLinha.formula) +
                           "   and (INCIDENCIA = '(' or INCIDENCIA = ')' or INCIDENCIA = '[') "
                           "   and TIPO = 'B' "
                           "   and STATUS <> 'D' ");
    for (sdsAux->Open(); !sdsAux->Eof(); sdsAux->Next())
      codigos.push_back(sdsAux->FieldByName("INCIDENCIA").AsText());
    sdsAux->Close();
  }

  double total = 0;
  for (const std::string& codigo : codigos)
    total += BuscaValorNotaEntrada(pfLinha.empresa, pfLinha.revenda, codigo, 0);
  return total;
}

double TddmVeiculoCompartilhadoBDImpl::ValorRebateNotaEntrada(const LinhaIncidencia& pfLinha) {
  // The operation of the entry invoice links it to its titles; -1 links to none.
  const value_sources::InvoiceKey key = value_sources::EntryInvoiceKey(*cdsVeiculo);
  value_sources::OpenInvoiceHeader(*cdsMovimento, key);
  int64_t operacao = -1;
  if (!cdsMovimento->IsEmpty() && !cdsMovimento->FieldByName("OPERACAO").IsNull())
    operacao = cdsMovimento->FieldByName("OPERACAO").AsInteger();
  cdsMovimento->Close();

  // Paid titles date the payment by their last bonus payment (or their last
  // change); otherwise the vehicle counts as paid on its sale. A vehicle
  // without an entry invoice has company and dealer 0 in its key and finds no
  // title, instead of splicing empty text into the query.
  DateTime pagamento = pfLinha.data_venda;
  sdsAux->Close();
  sdsAux->SetCommandText(TitulosOperacaoSql(key.empresa, key.revenda, operacao));
  sdsAux->Open();
  if (!sdsAux->IsEmpty() && sdsAux->FieldByName("STATUS").AsText() == "PT") {
    const Value pagto = sdsAux->FieldByName("DTA_PAGTO").AsValue();
    pagamento = pagto.IsNull() ? sdsAux->FieldByName("DTA_ULTIMA_ALTERACAO").AsDateTime()
                               : pagto.AsDateTime();
  }
  sdsAux->Close();

  return BuscaRebate(pfLinha.empresa, pfLinha.revenda, pfLinha.indice, pfLinha.dia,
                     pfLinha.data_fat_fabrica, pagamento);
}

double TddmVeiculoCompartilhadoBDImpl::ValorPlanilhaBonus(const LinhaIncidencia& pfLinha) {
  sdsAux->Close();
  sdsAux->SetCommandText(
      "select sum(VALOR_BONUS) VALOR_BONUS  from VEI_PLANILHA_BONUS  where EMPRESA   = " +
      std::to_string(pfLinha.empresa_linha) + " and   VEICULO   = " + Quoted(pfLinha.veiculo) +
      "  and   COD_BONUS = " + Quoted(pfLinha.cod_bonus) +
      "  and   DTA_IMPORTACAO <= " + maker::DataPSql(pfLinha.data_processamento, sPvBancoDados));
  sdsAux->Open();
  // A sum over no rows is null, which reads as 0.
  const double valor = sdsAux->IsEmpty() ? 0 : sdsAux->FieldByName("VALOR_BONUS").AsFloat();
  sdsAux->Close();
  return valor > 0 ? valor : 0;
}

}  // namespace veiculo
