#pragma once
// A dealer ready for the F&I Brasil closing import, and the closed sale the
// played service answers with.
//
// Dealer 1 (customer 900) imports proposal 10 (contact 3 of customer 500,
// stock vehicle V1 reserved until 2026-12-08 00:00, evaluation 45) into
// negotiation 1 (VAL_DESCONTO 1000). Settings: payment conditions 21 cash,
// 22 used car, 23 change, 24 financing (30 days, FINANCIAMENTO_VEICULO 'S');
// return accounts 101 "FIN", 102 "PLUS", 103 "TAC", 104 "META", 106 "CORT",
// 109 "REB" (VEI_CONTA_FI types); reservations extended by 48 hours on
// approval; standard observation "Padrao. ". Registry: finance company 341
// (operator 77), accessory 55, postal code 01000-000, state SP. The import
// flags are "N" unless `parametros` says otherwise.

#include <string>

#include "support/builders.h"
#include "support/rows.h"
#include "support/values.h"

namespace veiculo::testing {

inline void AddClosingDealer(Connection& c, const std::string& url,
                             const Columns& parametros = {}) {
  AddDealer(c, 1, Cols("CLIENTE", {I(900)}));
  AddParameters(
      c, 1,
      Overridden(
          Cols("LOJA_FIB CHAVE_FIB URL_FIB CONDICAO_ENTRADA_ESPECIE CONDICAO_ENTRADA_USADO "
               "CONDICAO_TROCO CONDICAO_FINANCIAMENTO CONTA CONTA_RETORNO_PLUS "
               "CONTA_RETORNO_TAC CONTA_RETORNO_PLUS_META CONTA_RETORNO_CORTESIA "
               "CONTA_RETORNO_REBATE SOBREPOR_OBSERVACOES_FIB IMPORTAR_AGREGADOS_FIB "
               "ATUALIZAR_CONDPAGTO_FIB SOBREPOR_CONDPAGTO_FIB RESERVA_PROCESSOS "
               "TEMPO_RESERVA_APROVOU_FI OBSERVACAO_PROPOSTA",
               {T("L1"), T("K1"), T(url), I(21),  I(22),  I(23),  I(24),  I(101), I(102), I(103),
                I(104),  I(106),  I(109), T("N"), T("N"), T("N"), T("N"), T("S"), I(48),  I(1)}),
          parametros));
  InsertRows(c, "VEI_CONTA_FI", "EMPRESA CONTA TIPO_RETORNO",
             {{I(1), I(101), T("FIN")},
              {I(1), I(102), T("PLUS")},
              {I(1), I(103), T("TAC")},
              {I(1), I(104), T("META")},
              {I(1), I(106), T("CORT")},
              {I(1), I(109), T("REB")}});
  InsertRows(c, "FAT_CONDICAO_PAGAMENTO", "EMPRESA CONDICAO DES_CONDICAO FINANCIAMENTO_VEICULO",
             {{I(1), I(21), T("ESPECIE"), T("N")},
              {I(1), I(22), T("USADO"), T("N")},
              {I(1), I(23), T("TROCO"), T("N")},
              {I(1), I(24), T("FINANC"), T("S")},
              {I(1), I(31), T("CDC ANTIGO"), T("S")}});
  Insert(c, "FAT_CONDICAO_DIAS", "EMPRESA CONDICAO QUANTIDADE_DIAS", {I(1), I(24), I(30)});
  Insert(c, "GER_OBSERVACAO_PADRAO", "EMPRESA REVENDA OBSERVACAO_PADRAO OBSERVACAO",
         {I(1), I(1), I(1), T("Padrao. ")});
  Insert(c, "FAT_FINANCEIRA", "CLIENTE USUARIO_OPERADOR", {I(341), I(77)});
  Insert(c, "VEI_ACESSORIO", "EMPRESA ACESSORIO DES_ACESSORIO", {I(1), I(55), T("Tapete")});
  Insert(c, "FAT_CEP", "CEP", {T("01000-000")});
  Insert(c, "GER_ESTADO", "UF", {T("SP")});

  AddProposal(c, 1, 10, Cols("CONTATO VEICULO", {I(3), T("V1")}));
  Insert(c, "CAC_CONTATO", "EMPRESA REVENDA CONTATO CLIENTE", {I(1), I(1), I(3), I(500)});
  AddNegotiation(c, 1, 10, 1, Cols("VAL_DESCONTO", {F(1000)}));
  AddVehicle(c, "V1", "CH1", Cols("DTA_FIM_RESERVA", {D(Moment(2026, 12, 8))}));
  Insert(c, "VEI_AVALIACAO", "EMPRESA AVALIACAO", {I(1), I(45)});
  Insert(c, "VEI_AVALIACAO_PROPOSTA", "EMPRESA REVENDA PROPOSTA AVALIACAO",
         {I(1), I(1), I(10), I(45)});
  Insert(c, "FAT_CLIENTE", "CLIENTE NOME FISJUR", {I(500), T("Cliente"), T("F")});
  Insert(c, "FAT_PESSOA_FISICA", "CLIENTE", {I(500)});
  Insert(c, "FAT_PESSOA_JURIDICA", "CLIENTE", {I(500)});
}

// <name>content</name>
inline std::string Xml(const std::string& name, const std::string& content) {
  return "<" + name + ">" + content + "</" + name + ">";
}

// The content of a fechaVenda return: status 0 and one sale.
inline std::string VendaFechada(const std::string& venda) {
  return "<statusCode>0</statusCode>" + Xml("vendas", venda);
}

// One financial revenue of the sale.
inline std::string Receita(int tipo, const std::string& valor) {
  return Xml("receitasFinanceiras", Xml("tipo", std::to_string(tipo)) + Xml("valor", valor));
}

// A sale financed through the F&I desk, sold by a person: sale 777; invoice
// 50000.00, cash 10000.00, used car 15000.00, vehicle 48000.00; credit
// proposal of bank 341 (36 instalments, table 5, chattel mortgage, rate 1.49,
// factor 0.0345, plan PL9, 26000.00 financed, 25000.00 from the bank,
// 24000.00 entry, observation "Obs FI"); billing authorised. `extra` adds
// elements (revenues, items, the person's record).
inline std::string VendaFinanciada(const std::string& extra = "") {
  return Xml("codigoProposta", "777") + Xml("dataAutorizacaoFaturamento", "2026-12-01") +
         Xml("fonteFinanciamento", "1") + extra +
         Xml("ultimaPropostaCredito",
             Xml("codigoBanco", "341") + Xml("codigoPlano", "PL9") + Xml("coeficiente", "0.0345") +
                 Xml("fator", "5") + Xml("numeroParcelas", "36") + Xml("observacao", "Obs FI") +
                 Xml("taxaMes", "1.49") + Xml("tipoFinanciamento", "1") +
                 Xml("valorEntrada", "24000.00") + Xml("valorFinanciado", "26000.00") +
                 Xml("valorReceberBanco", "25000.00")) +
         Xml("valorEntradaEspecie", "10000.00") + Xml("valorEntradaVU", "15000.00") +
         Xml("valorNotaFiscal", "50000.00") + Xml("valorTroco", "0") +
         Xml("valorVeiculo", "48000.00");
}

}  // namespace veiculo::testing
