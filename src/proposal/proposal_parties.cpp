// Who and what a proposal involves: the accessories of a negotiation as one
// text, the salesperson's user and the customer record that supplies a
// courtesy (the salesperson or the dealer itself).

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/format_float.h"

namespace veiculo {
namespace {

std::string Num(int32_t value) {
  return std::to_string(value);
}

}  // namespace

std::string TddmVeiculoCompartilhadoBDImpl::BuscaAcessoriosProposta(Connection* pfConexao,
                                                                    int32_t pfEmpresa,
                                                                    int32_t pfRevenda,
                                                                    int32_t pfProposta,
                                                                    int32_t pfNegociacao) {
  AtribuiConexao(pfConexao);
  sdsAux->Close();
  sdsAux->SetCommandText(
      "select AC.ACESSORIO, AC.DES_ACESSORIO, AN.VAL_ACESSORIO, AN.SOMAR from "
      "VEI_ACESSORIO_NEGOCIACAO AN inner join VEI_ACESSORIO AC on (AC.EMPRESA = AN.EMPRESA and "
      "AC.ACESSORIO = AN.ACESSORIO) where AN.EMPRESA = " +
      Num(pfEmpresa) + " and AN.REVENDA = " + Num(pfRevenda) +
      " and AN.PROPOSTA = " + Num(pfProposta) + " and AN.NEGOCIACAO = " + Num(pfNegociacao));
  sdsAux->Open();
  // code;description;value;adds|  -- the value in the server's local form.
  std::string lista;
  for (; !sdsAux->Eof(); sdsAux->Next()) {
    lista += sdsAux->FieldByName("ACESSORIO").AsText() + ";" +
             sdsAux->FieldByName("DES_ACESSORIO").AsText() + ";" +
             platform::FormatFloat("#0.00", sdsAux->FieldByName("VAL_ACESSORIO").AsFloat()) + ";" +
             sdsAux->FieldByName("SOMAR").AsText() + "|";
  }
  sdsAux->Close();
  return lista;
}

int32_t TddmVeiculoCompartilhadoBDImpl::BuscaUsuarioVendedor(int32_t pfEmpresa, int32_t pfRevenda,
                                                             int32_t pfProposta) {
  sdsAux->Close();
  sdsAux->SetCommandText(
      "SELECT FV.USUARIO FROM VEI_PROPOSTA VP inner join FAT_VENDEDOR FV on (FV.EMPRESA = "
      "VP.EMPRESA and FV.REVENDA = VP.REVENDA and FV.VENDEDOR = VP.VENDEDOR) WHERE VP.EMPRESA "
      "= " +
      Num(pfEmpresa) + " AND VP.REVENDA = " + Num(pfRevenda) +
      " AND VP.PROPOSTA = " + Num(pfProposta));
  sdsAux->Open();
  int32_t usuario = 0;
  if (!sdsAux->IsEmpty())
    usuario = static_cast<int32_t>(sdsAux->FieldByName("USUARIO").AsInteger());
  sdsAux->Close();
  return usuario;
}

int32_t TddmVeiculoCompartilhadoBDImpl::BuscaFornecedor(int32_t pfEmpresa, int32_t pfRevenda,
                                                        int32_t pfProposta,
                                                        const std::string& pfTipo) {
  // The salesperson's customer record is found through the CPF of the
  // salesperson's person record.
  sdsAux->Close();
  sdsAux->SetCommandText(
      "SELECT REV.CLIENTE CLIENTE_REVENDA, FIS.CLIENTE CLIENTE_VENDEDOR FROM VEI_PROPOSTA VP "
      "inner join GER_REVENDA REV on (REV.EMPRESA = VP.EMPRESA and REV.REVENDA = VP.REVENDA) "
      "left outer join FAT_VENDEDOR FV on (FV.EMPRESA = VP.EMPRESA and FV.REVENDA = VP.REVENDA "
      "and FV.VENDEDOR = VP.VENDEDOR) left outer join FAT_PESSOA_FISICA FIS on (FIS.CPF = "
      "FV.CPF) WHERE VP.EMPRESA = " +
      Num(pfEmpresa) + " AND VP.REVENDA = " + Num(pfRevenda) +
      " AND VP.PROPOSTA = " + Num(pfProposta));
  sdsAux->Open();
  if (sdsAux->IsEmpty()) {
    sdsAux->Close();
    return -1;
  }
  const auto revenda = static_cast<int32_t>(sdsAux->FieldByName("CLIENTE_REVENDA").AsInteger());
  const auto vendedor = static_cast<int32_t>(sdsAux->FieldByName("CLIENTE_VENDEDOR").AsInteger());
  sdsAux->Close();
  // Kind "1" is the salesperson's, falling back to the dealer's; 0 is never a customer.
  const int32_t cliente = pfTipo == "1" && vendedor != 0 ? vendedor : revenda;
  return cliente == 0 ? -1 : cliente;
}

}  // namespace veiculo
