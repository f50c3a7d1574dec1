#pragma once
// A proposal ready for a manager's approval, for the approval tests, in
// company 1:
//   dealer 1 (brand RENA) with parameters: reservations of 48 hours, contacts
//   logged as form 5; dealer 2 without parameters;
//   manager 9 "Gerente Silva"; salespeople 11 (user 2, dealer 1), 12 (user 3,
//   dealer 2) and 13 (user 4, dealer 1);
//   customer 500 (delivery state SP, billing state RJ, mail to delivery)
//   with contact 20 of dealer 1;
//   model M1 (no minimum price, maximum discount 10 %) and vehicle V1
//   (chassis CH1, new, in stock "EST", fiscal position 87032310.9, tax code 1
//   of national origin), model year 2025 built 2024, white;
//   proposal 30 of dealer 1 for V1 (salesperson 11, contact 20, open) with
//   negotiation 1 of 100.000,00 paid by one payment of 100.000,00.
// A rival adds another proposal of the same vehicle with its contact.

#include <string>

#include "support/builders.h"
#include "support/rows.h"
#include "support/values.h"

namespace veiculo::testing {

inline void AddApprovalWorld(Connection& c) {
  AddDealer(c, 1, Cols("MARCA", {T("RENA")}));
  AddDealer(c, 2);
  AddParameters(c, 1, Cols("TEMPO_MAXIMO_RESERVA FORMA_CONTATO", {I(48), I(5)}));
  Insert(c, "GER_USUARIO", "USUARIO NOME", {I(9), T("Gerente Silva")});
  InsertRows(c, "FAT_VENDEDOR", "EMPRESA REVENDA VENDEDOR USUARIO",
             {{I(1), I(1), I(11), I(2)}, {I(1), I(2), I(12), I(3)}, {I(1), I(1), I(13), I(4)}});
  InsertRows(c, "FAT_CLIENTE", "CLIENTE UF_ENTREGA UF_COBRANCA ENDERECO_MALA",
             {{I(500), T("SP"), T("RJ"), I(1)}, {I(501), T("MG"), T("MG"), I(1)}});
  Insert(c, "CAC_CONTATO", "EMPRESA REVENDA CONTATO CLIENTE SITUACAO",
         {I(1), I(1), I(20), I(500), T("A")});
  Insert(c, "VEI_SITUACAO", "EMPRESA SITUACAO LOCALIZACAO", {I(1), T("EST"), T("E")});
  AddModel(c, "M1", Cols("DESCONTO_MAXIMO", {F(10)}));
  Insert(c, "GER_CODIGO_TRIBUTACAO", "EMPRESA CODIGO_TRIBUTACAO ORIGEM", {I(1), I(1), I(0)});
  AddVehicle(c, "V1", "CH1",
             Cols("NOVO_USADO SITUACAO COR POSICAO_FISCAL TRIBUTA_VEICULO DTA_COMPRA_FABRICA",
                  {T("N"), T("EST"), T("BRANCO"), T("87032310.9"), I(1), D(Day(2025, 1, 20))}),
             Cols("ANO_FABRICACAO ANO_MODELO", {I(2024), I(2025)}));
  AddProposal(c, 1, 30,
              Cols("VEICULO EMPRESA_VEICULO VENDEDOR CONTATO SITUACAO OBSERVACAO",
                   {T("V1"), I(1), I(11), I(20), T("1"), T("Cliente pediu tapetes")}));
  AddNegotiation(c, 1, 30, 1,
                 Cols("VAL_VEICULO VAL_DESCONTO VAL_FRETE VAL_SEGURO STATUS",
                      {F(100000), F(0), F(0), F(0), T("N")}));
  AddPayment(c, 1, 30, 1, 1, Cols("VAL_PAGAMENTO", {F(100000)}));
}

// Another proposal of V1 (a rival) with its contact for customer 501 and
// one undecided negotiation.
inline void AddRivalProposal(Connection& c, int revenda, int proposta, int vendedor, int contato,
                             const std::string& situacao, const Columns& more = {}) {
  Insert(c, "CAC_CONTATO", "EMPRESA REVENDA CONTATO CLIENTE SITUACAO",
         {I(1), I(revenda), I(contato), I(501), T("A")});
  AddProposal(c, revenda, proposta,
              Overridden(Cols("VEICULO EMPRESA_VEICULO VENDEDOR CONTATO SITUACAO",
                              {T("V1"), I(1), I(vendedor), I(contato), T(situacao)}),
                         more));
  AddNegotiation(c, revenda, proposta, 1, Cols("VAL_VEICULO STATUS", {F(99000), T("N")}));
}

}  // namespace veiculo::testing
