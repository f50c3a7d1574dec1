#pragma once
// The proposal the rejection tests reject: proposal 100 of dealer 1 (brand
// RENA), managerially approved on negotiation 1, for vehicle V1 (chassis
// CH1, reserved for the proposal's customer 40001, one frozen optional) sold
// by salesperson 11 (user 5), contact 701 (active, two actions logged),
// negotiations 1 (approved, financing approved) and 2 (pending), payments 1
// and 2, and two expenses of V1 under the proposal: 90 the trade-in
// over-allowance (the dealer's DIF_AVALIACAO_SAIDA), 91 another.
//
// Rejeita() rejects it as user 9 on 14/03/2025 with the call's fields.

#include <string>

#include "support/kit.h"
#include "support/row_lines.h"

namespace veiculo::testing {

// The fields of a rejection call.
struct Chamada {
  int proposta = 100;
  int integracao_fi = 0;
  std::string motivo = "Cliente desistiu";
  std::string concessionaria = "Matriz";
  std::string forma_contato = "";
  bool gerar_providencia = true;
  std::string acao = "CANCELAR";
};

class RejectionTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    module().SetClock([] { return Moment(2025, 3, 14, 16, 20, 5); });
    Connection& c = connection();
    AddDealer(c, 1, Cols("MARCA CNPJ", {T("RENA"), T("12345678000195")}));
    AddParameters(c, 1, Cols("DIF_AVALIACAO_SAIDA FORMA_CONTATO", {I(90), I(1)}));
    Insert(c, "FAT_VENDEDOR", "EMPRESA REVENDA VENDEDOR USUARIO", {I(1), I(1), I(11), I(5)});
    Insert(c, "CAC_CONTATO",
           "EMPRESA REVENDA CONTATO CLIENTE SITUACAO USUARIO_ENCAMINHADO_ORIGINAL",
           {I(1), I(1), I(701), I(40001), T("A"), I(5)});
    InsertRows(c, "CAC_PROVIDENCIA", "EMPRESA REVENDA CONTATO PROVIDENCIA MOTIVO",
               {{I(1), I(1), I(701), I(1), T("antes")}, {I(1), I(1), I(701), I(2), T("antes")}});
    AddVehicle(c, "V1", "CH1",
               Cols("RESERVADO CLIENTE_RESERVA VENDEDOR_RESERVA DTA_RESERVA",
                    {T("S"), I(40001), I(11), D(Day(2025, 3, 10))}));
    Insert(c, "OFI_FICHA_OPCIONAL", "EMPRESA CHASSI OPCIONAL VAL_OPCIONAL",
           {I(1), T("CH1"), T("TETO"), F(1500)});
    AddProposal(c, 1, 100,
                Cols("SITUACAO NEGOCIACAO_FINAL VENDEDOR VEICULO CONTATO PEDIDO TIPO_VENDA",
                     {T("2"), I(1), I(11), T("V1"), I(701), I(555), T("N")}));
    AddNegotiation(c, 1, 100, 1,
                   Cols("APR_GERENCIAL USU_GERENCIAL DTA_APR_GERENCIAL APR_FINANCIAMENTO",
                        {T("A"), I(3), D(Day(2025, 3, 12)), T("A")}));
    AddNegotiation(c, 1, 100, 2);
    AddPayment(c, 1, 100, 1, 1, Cols("SITUACAO", {T("N")}));
    AddPayment(c, 1, 100, 2, 1, Cols("SITUACAO", {T("N")}));
    InsertRows(c, "VEI_DESPESA_VEICULO", "EMPRESA VEICULO DOCUMENTO CONTADOR DESPESA",
               {{I(1), T("V1"), I(100), I(0), I(90)}, {I(1), T("V1"), I(100), I(0), I(91)}});
  }

  std::string Rejeita() { return Rejeita(Chamada{}); }
  std::string Rejeita(const Chamada& c) {
    return module().RejeitarProposta(&connection(), "INTERBASE", 1, 1, c.proposta, 9,
                                     Day(2025, 3, 14), c.integracao_fi, c.motivo, c.concessionaria,
                                     c.forma_contato, c.gerar_providencia, c.acao);
  }
  // A title of the proposal: 'CR' receivable or 'AD' advance, with its status.
  void Titulo(int titulo, const std::string& tipo, const std::string& status) {
    Insert(connection(), "FIN_TITULO",
           "EMPRESA REVENDA TITULO DUPLICATA CLIENTE TIPO STATUS PROPOSTA",
           {I(1), I(1), I(titulo), I(1), I(40001), T(tipo), T(status), I(100)});
  }
  std::string Situacao() {
    return One("select coalesce(max(SITUACAO), '-') from VEI_PROPOSTA where PROPOSTA = 100");
  }
};

}  // namespace veiculo::testing
