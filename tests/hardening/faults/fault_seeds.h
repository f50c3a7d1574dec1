#pragma once
// Small dealers for the fault suite, each committed before the operation runs
// through the host: one vehicle and at most one rival, so that every
// statement of an operation can be refused in turn within seconds.

#include <string>

#include "support/approval_builders.h"
#include "support/fi_closing_builders.h"
#include "support/kit.h"

namespace veiculo::testing {

// V1 of formula F1 costed for proposal 7 (negotiation 2, 90.000,00 paid) with
// the costing history on: a cost line on index 1 from the factory invoice, the
// sale value, a 10 % share of the profit and a deleted line.
inline void SeedCosting(Connection& c, const std::string&) {
  AddDealer(c, 1, Cols("PCT_PIS PCT_COFINS", {F(1.65), F(7.6)}));
  AddParameters(c, 1, Cols("ATUALIZA_CUSTEIO_HISTORICO", {T("S")}));
  AddModel(c, "M1", Cols("PRECO_PUBLICO", {F(80000)}));
  AddVehicle(c, "V1", "CH1",
             Cols("NOVO_USADO DTA_FAT_FABRICA VAL_COMPRA", {T("N"), D(Day(2024, 1, 5)), F(60000)}));
  AddIndex(c, 1, "D", {{Day(2024, 1, 5), 100}, {Day(2024, 3, 15), 102}});
  const std::string linha = "EMPRESA FORMULA LINHA_FORMULA TIPO STATUS INCIDENCIA";
  InsertRows(c, "VEI_FORMULA_LINHA", linha + " REFERENCIA INDICE CUSTO_TOTAL PERCENTUAL",
             {{I(1), T("F1"), I(1), T("C"), T("A"), T("C"), T("F"), I(1), T("+"), Null()},
              {I(1), T("F1"), I(2), T("N"), T("A"), T("V"), Null(), Null(), Null(), Null()},
              {I(1), T("F1"), I(3), T("N"), T("A"), T("K"), Null(), Null(), T("+"), F(10)},
              {I(1), T("F1"), I(4), T("N"), T("D"), T("V"), Null(), Null(), T("+"), Null()}});
  AddProposal(c, 1, 7, Cols("NEGOCIACAO_FINAL SITUACAO VEICULO", {I(2), T("2"), T("V1")}));
  AddNegotiation(c, 1, 7, 2, Cols("VAL_VEICULO", {F(88000)}));
  AddPayment(c, 1, 7, 2, 1, Cols("VAL_PAGAMENTO", {F(90000)}));
}

// The approval world of the approval tests with one open rival (proposal 31).
inline void SeedApproval(Connection& c, const std::string&) {
  AddApprovalWorld(c);
  AddRivalProposal(c, 1, 31, 13, 21, "1");
}

// Proposal 100 of a direct sale ("D": V1 exists for it alone, so a
// cancellation deletes it with its rows), approved on negotiation 1 and sent
// to the F&I desk for analysis (its service at `url`), with negotiation 2
// pending, contact 701 with one action, the trade-in over-allowance expense
// 90 and V1 reserved for the customer.
inline void SeedRejection(Connection& c, const std::string& url) {
  AddDealer(c, 1, Cols("MARCA", {T("RENA")}));
  AddParameters(c, 1,
                Cols("DIF_AVALIACAO_SAIDA FORMA_CONTATO EXCLUIR_AGENDA_ENTREGA LOJA_FIB CHAVE_FIB "
                     "URL_FIB",
                     {I(90), I(1), T("S"), T("L1"), T("K1"), T(url)}));
  Insert(c, "FAT_VENDEDOR", "EMPRESA REVENDA VENDEDOR USUARIO", {I(1), I(1), I(11), I(5)});
  Insert(c, "CAC_CONTATO", "EMPRESA REVENDA CONTATO CLIENTE SITUACAO",
         {I(1), I(1), I(701), I(40001), T("A")});
  Insert(c, "CAC_PROVIDENCIA", "EMPRESA REVENDA CONTATO PROVIDENCIA", {I(1), I(1), I(701), I(1)});
  AddVehicle(c, "V1", "CH1",
             Cols("RESERVADO CLIENTE_RESERVA VENDEDOR_RESERVA", {T("S"), I(40001), I(11)}));
  Insert(c, "VEI_VEICULO_CUSTEIO", "EMPRESA VEICULO FORMULA LINHA_FORMULA",
         {I(1), T("V1"), T("F1"), I(1)});
  Insert(c, "VEI_AGENDA_ENTREGA", "EMPRESA REVENDA PROPOSTA VEICULO",
         {I(1), I(1), I(100), T("V1")});
  AddProposal(c, 1, 100,
              Cols("SITUACAO NEGOCIACAO_FINAL VENDEDOR VEICULO CONTATO TIPO_VENDA",
                   {T("2"), I(1), I(11), T("V1"), I(701), T("D")}));
  AddNegotiation(
      c, 1, 100, 1,
      Cols("APR_GERENCIAL USU_GERENCIAL DTA_ENVIO_ANALISE", {T("A"), I(3), D(Day(2025, 3, 13))}));
  AddNegotiation(c, 1, 100, 2);
  AddPayment(c, 1, 100, 1, 1, Cols("SITUACAO", {T("N")}));
  Insert(c, "VEI_DESPESA_VEICULO", "EMPRESA VEICULO DOCUMENTO CONTADOR DESPESA",
         {I(1), T("V1"), I(100), I(0), I(90)});
}

// The closing dealer of the F&I Brasil tests, its service at `url`, and an
// earlier integrated return of the negotiation (rewritten by an import).
inline void SeedClosing(Connection& c, const std::string& url) {
  AddClosingDealer(c, url, Cols("SOBREPOR_CONDPAGTO_FIB", {T("S")}));
  Insert(c, "VEI_RETORNO",
         "EMPRESA REVENDA PROPOSTA NEGOCIACAO SEQUENCIA TIPO_RETORNO FIB_INTEGRADO",
         {I(1), I(1), I(10), I(1), I(1), T("FIN"), T("S")});
  Insert(c, "VEI_RETORNO_CONTA",
         "EMPRESA REVENDA PROPOSTA NEGOCIACAO SEQUENCIA CONTA TIPO_LCTO VALOR",
         {I(1), I(1), I(10), I(1), I(1), I(101), T("C"), F(300)});
}

// The sale the played service closes: financed, with a financing return of
// 500,00 and a plus of 120,00, and a customer's bank reference.
inline std::string ClosedSale() {
  return VendaFechada(
      VendaFinanciada(Receita(1, "500.00") + Receita(2, "120.00") +
                      Xml("fichaPF", Xml("referenciasBancarias", Xml("numeroConta", "9-9")))));
}

}  // namespace veiculo::testing
