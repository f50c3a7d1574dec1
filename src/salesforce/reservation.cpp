// One reservation event of a new vehicle (REN_SALES_FULL_RESERVA): the
// reserving salesperson and customer, 'R' for a reservation and 'D' for a
// release.

#include <string>

#include <fmt/format.h>

#include "salesforce/sales_force_internal.h"
#include "salesforce/staging_insert.h"

namespace veiculo {

using salesforce::Texto;
using salesforce::TextoOuNulo;

namespace {

// A CPF keeps its leading zeros: 11 digits; none when 0 or absent.
std::string Cpf(platform::DataSet& ds, const char* campo) {
  const int64_t cpf = ds.FieldByName(campo).AsInteger();
  return cpf > 0 ? fmt::format("{:011}", cpf) : "";
}

}  // namespace

void TSalesForce::AtualizaReserva(Connection* pConexao, int32_t pEmpresa, int32_t pRevenda,
                                  const std::string& pVeiculo, TOperacaoReserva pOperacao) {
  CriaDataSets(pConexao);
  if (!VeiculoNovo(pEmpresa, pVeiculo)) return;
  salesforce::TReserva reserva;
  bool achou = false;
  AlimentaReserva(pEmpresa, pRevenda, pVeiculo, reserva, achou);
  reserva.DATA_INCLUSAO = Now();
  reserva.STATUS_ENVIO = "P";
  reserva.STATUS_VEICULO = pOperacao == TOperacaoReserva::Reserva ? "R" : "D";
  IncluirReserva(reserva);
}

void TSalesForce::AlimentaReserva(int32_t pEmpresa, int32_t pRevenda, const std::string& pVeiculo,
                                  salesforce::TReserva& pReserva, bool& pAchou) {
  pReserva.NUMERO_DN = BuscaNumeroDN(pEmpresa, pRevenda);
  pReserva.STATUS_INTEGRACAO = "Vehicle Booking Received";

  auto& q = c_->sdsConsulta;
  q.Close();
  // A reservation without the salesperson's dealer falls back to the
  // vehicle's origin dealer (never to the company number).
  q.SetCommandText(
      "select VV.CHASSI, FV.NOME NOME_VENDEDOR, FV.CPF CPF_VENDEDOR, VV.CLIENTE_RESERVA, FC.NOME "
      "NOME_CLIENTE, FPF.CPF CPF_CLIENTE, FC.DDD_TELEFONE, FC.TELEFONE, FC.DDD_CELULAR, "
      "FC.CELULAR, FC.E_MAIL_CASA from VEI_VEICULO VV, FAT_VENDEDOR FV, FAT_CLIENTE FC left outer "
      "join FAT_PESSOA_FISICA FPF on (FPF.CLIENTE = FC.CLIENTE) where "
      "coalesce(VV.EMPRESA_VENDEDOR_RESERVA, VV.EMPRESA) = FV.EMPRESA and "
      "coalesce(VV.REVENDA_VENDEDOR_RESERVA, VV.REVENDA_ORIGEM) = FV.REVENDA and "
      "VV.VENDEDOR_RESERVA = FV.VENDEDOR and VV.CLIENTE_RESERVA = FC.CLIENTE and VV.EMPRESA = "
      ":EMPRESA and VV.VEICULO = :VEICULO");
  q.ParamByName("EMPRESA").SetAsInteger(pEmpresa);
  q.ParamByName("VEICULO").SetAsText(pVeiculo);
  q.Open();
  pAchou = !q.IsEmpty();
  if (pAchou) {
    pReserva.CHASSI = Texto(q, "CHASSI");
    pReserva.NOME_VENDEDOR = Texto(q, "NOME_VENDEDOR");
    pReserva.CPF_VENDEDOR = Cpf(q, "CPF_VENDEDOR");
    SeparaNomeSobrenome(Texto(q, "NOME_CLIENTE"), pReserva.NOME_CLIENTE,
                        pReserva.SOBRENOME_CLIENTE);
    pReserva.CPF_CLIENTE = Cpf(q, "CPF_CLIENTE");
    pReserva.TELEFONE_RESIDENCIAL =
        Telefone(q.FieldByName("DDD_TELEFONE").AsInteger(), q.FieldByName("TELEFONE").AsInteger());
    pReserva.TELEFONE_CELULAR =
        Telefone(q.FieldByName("DDD_CELULAR").AsInteger(), q.FieldByName("CELULAR").AsInteger());
    pReserva.EMAIL_CLIENTE = Texto(q, "E_MAIL_CASA");
  }
  q.Close();
  if (pAchou) return;
  // A released vehicle no longer names its customer: the row still says
  // which chassis the event is about.
  q.SetCommandText(
      "select CHASSI from VEI_VEICULO where EMPRESA = :EMPRESA and VEICULO = :VEICULO");
  q.ParamByName("EMPRESA").SetAsInteger(pEmpresa);
  q.ParamByName("VEICULO").SetAsText(pVeiculo);
  q.Open();
  if (!q.IsEmpty()) pReserva.CHASSI = Texto(q, "CHASSI");
  q.Close();
}

void TSalesForce::IncluirReserva(const salesforce::TReserva& r) {
  salesforce::InsereLinha(c_->sdsExecuta, "REN_SALES_FULL_RESERVA",
                          {{"NUMERO_DN", salesforce::NumeroDNValor(r.NUMERO_DN)},
                           {"NUMERO_ATENDIMENTO", TextoOuNulo(r.NUMERO_ATENDIMENTO)},
                           {"DATA_INCLUSAO", salesforce::DataOuNulo(r.DATA_INCLUSAO)},
                           {"STATUS_ENVIO", TextoOuNulo(r.STATUS_ENVIO)},
                           {"NOME_VENDEDOR", TextoOuNulo(r.NOME_VENDEDOR)},
                           {"CPF_VENDEDOR", TextoOuNulo(r.CPF_VENDEDOR)},
                           {"NOME_CLIENTE", TextoOuNulo(r.NOME_CLIENTE)},
                           {"SOBRENOME_CLIENTE", TextoOuNulo(r.SOBRENOME_CLIENTE)},
                           {"TELEFONE_RESIDENCIAL", TextoOuNulo(r.TELEFONE_RESIDENCIAL)},
                           {"EMAIL_CLIENTE", TextoOuNulo(r.EMAIL_CLIENTE)},
                           {"TELEFONE_CELULAR", TextoOuNulo(r.TELEFONE_CELULAR)},
                           {"CHASSI", TextoOuNulo(r.CHASSI)},
                           {"STATUS_VEICULO", TextoOuNulo(r.STATUS_VEICULO)},
                           {"CPF_CLIENTE", TextoOuNulo(r.CPF_CLIENTE)},
                           {"STATUS_INTEGRACAO", TextoOuNulo(r.STATUS_INTEGRACAO)},
                           {"COD_RETORNO", Value()},
                           {"DES_RETORNO", Value()}});
}

}  // namespace veiculo
