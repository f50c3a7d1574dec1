// Lookups on a sales proposal: the proposal that holds a vehicle, its contact
// data, its situation, its final negotiation and the dealer of a vehicle's
// proposal.
//
// Each runs on sdsAux and closes it before returning. A missing row gives the
// neutral result each operation names (0, 1 for the negotiation, "0" for the
// situation); database errors propagate.

#include <string>

#include "costing/kept_rows.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/sql_dataset.h"
#include "proposal/proposal_sql.h"

namespace veiculo {
namespace {

using proposal::Codigo;
using proposal::Quoted;

std::string Num(int32_t value) {
  return std::to_string(value);
}

// The description of a situation code, by its first character; nullptr for a
// code that has none ("F" is not stored: it stands for a pending front-cashier
// record of the proposal's contact).
const char* DescricaoSituacao(char codigo) {
  switch (codigo) {
    case '0':
    case '*':
      return "Aberta";
    case '1':
      return "Pendente";
    case '2':
      return "Aprovada(Ger)";
    case '5':
      return "Aprovada(Fin)";
    case '7':
      return "NF Emitida";
    case '8':
      return "Cancelada";
    case '9':
      return "Encerrada";
    case 'I':
      return "Interna";
    case 'F':
      return "Frente Caixa";
    default:
      return nullptr;
  }
}

}  // namespace

int32_t TddmVeiculoCompartilhadoBDImpl::BuscaProposta(int32_t pfEmpresa, int32_t& pfRevenda,
                                                      const std::string& pfVeiculo,
                                                      int32_t pfCliente) {
  // Rank 0: past "5" and the vehicle is sold (its situation is located "V");
  // rank 1: live proposals up to "5"; rank 2: past "5" with the vehicle
  // elsewhere. Within a rank the newest issue, then the highest number. The
  // contact is joined on its whole key so that another dealer's contact of the
  // same number cannot lend the proposal its customer.
  std::string sql =
      "SELECT case when VSI.LOCALIZACAO = 'V' and VPR.SITUACAO > '5' then '0' when "
      "VSI.LOCALIZACAO <> 'V' and VPR.SITUACAO > '5' then '2' else '1' end, VPR.PROPOSTA, "
      "VPR.REVENDA, VPR.DTA_EMISSAO FROM VEI_PROPOSTA VPR inner join VEI_VEICULO VVE on "
      "(VVE.EMPRESA = VPR.EMPRESA and VVE.VEICULO = VPR.VEICULO) inner join VEI_SITUACAO VSI on "
      "(VSI.EMPRESA = VVE.EMPRESA and VSI.SITUACAO = VVE.SITUACAO) inner join CAC_CONTATO CC on "
      "(CC.EMPRESA = VPR.EMPRESA and CC.REVENDA = VPR.REVENDA and CC.CONTATO = VPR.CONTATO) "
      "WHERE VPR.EMPRESA = " +
      Num(pfEmpresa) + " AND VPR.VEICULO = " + Quoted(pfVeiculo) +
      " AND VPR.SITUACAO NOT IN ('8','I')";
  if (pfCliente > -1) sql += " AND CC.CLIENTE = " + Num(pfCliente);
  sql += " order by 1, 4 desc, 2 desc ";

  sdsAux->Close();
  sdsAux->SetCommandText(sql);
  {
    // A costing asks for the vehicle's proposal from several lines: a batch
    // keeps the answer until a table it reads (proposals, vehicles,
    // situations, contacts) is written.
    const costing::KeptRows kept(*sdsAux);
    sdsAux->Open();
  }
  int32_t proposta = 0;
  if (!sdsAux->IsEmpty()) {
    proposta = static_cast<int32_t>(sdsAux->FieldByName("PROPOSTA").AsInteger());
    pfRevenda = static_cast<int32_t>(sdsAux->FieldByName("REVENDA").AsInteger());
  }
  sdsAux->Close();
  return proposta;
}

void TddmVeiculoCompartilhadoBDImpl::BuscaDadosProposta(int32_t pfEmpresa, int32_t pfRevenda,
                                                        int32_t pfProposta, int32_t& pfContato,
                                                        int32_t& pfCliente, std::string& pfVeiculo,
                                                        int32_t& pfPropostaFIB,
                                                        std::string& pfTipoVenda) {
  sdsAux->Close();
  sdsAux->SetCommandText(
      "SELECT VP.CONTATO, CC.CLIENTE, VP.VEICULO, VP.PROPOSTA_FIB, VP.TIPO_VENDA FROM "
      "VEI_PROPOSTA VP inner join CAC_CONTATO CC on (CC.EMPRESA = VP.EMPRESA and CC.REVENDA = "
      "VP.REVENDA and CC.CONTATO = VP.CONTATO) WHERE VP.EMPRESA = " +
      Num(pfEmpresa) + " AND VP.REVENDA = " + Num(pfRevenda) +
      " AND VP.PROPOSTA = " + Num(pfProposta));
  sdsAux->Open();
  pfContato = 0;
  pfCliente = 0;
  pfVeiculo.clear();
  pfPropostaFIB = 0;
  pfTipoVenda.clear();
  if (!sdsAux->IsEmpty()) {
    pfContato = static_cast<int32_t>(sdsAux->FieldByName("CONTATO").AsInteger());
    pfCliente = static_cast<int32_t>(sdsAux->FieldByName("CLIENTE").AsInteger());
    pfVeiculo = sdsAux->FieldByName("VEICULO").AsText();
    pfPropostaFIB = static_cast<int32_t>(sdsAux->FieldByName("PROPOSTA_FIB").AsInteger());
    pfTipoVenda = Codigo(sdsAux->FieldByName("TIPO_VENDA").AsText());
  }
  sdsAux->Close();
}

std::string TddmVeiculoCompartilhadoBDImpl::BuscaSituacaoProposta(int32_t pfEmpresa,
                                                                  int32_t pfRevenda,
                                                                  int32_t pfProposta,
                                                                  std::string& pfDescricao) {
  sdsAux->Close();
  sdsAux->SetCommandText(
      "SELECT SITUACAO, (SELECT COUNT(*) FROM FAT_FRENTE_CAIXA WHERE EMPRESA = "
      "VEI_PROPOSTA.EMPRESA AND REVENDA = VEI_PROPOSTA.REVENDA AND CONTATO = "
      "VEI_PROPOSTA.CONTATO AND SITUACAO = 'P') FRENTE_CAIXA FROM VEI_PROPOSTA WHERE EMPRESA = " +
      Num(pfEmpresa) + " AND REVENDA = " + Num(pfRevenda) + " AND PROPOSTA = " + Num(pfProposta));
  sdsAux->Open();
  std::string codigo = "0";
  if (!sdsAux->IsEmpty()) {
    codigo = sdsAux->FieldByName("FRENTE_CAIXA").AsInteger() >= 1
                 ? "F"
                 : Codigo(sdsAux->FieldByName("SITUACAO").AsText());
  }
  sdsAux->Close();
  // An unlisted code leaves the caller's description as it was.
  if (!codigo.empty())
    if (const char* descricao = DescricaoSituacao(codigo[0])) pfDescricao = descricao;
  return codigo;
}

int32_t TddmVeiculoCompartilhadoBDImpl::BuscaNegociacao(int32_t pfEmpresa, int32_t pfRevenda,
                                                        int32_t pfProposta) {
  sdsAux->Close();
  sdsAux->SetCommandText(
      "SELECT NEGOCIACAO_FINAL FROM VEI_PROPOSTA WHERE EMPRESA = " + Num(pfEmpresa) +
      " AND REVENDA = " + Num(pfRevenda) + " AND PROPOSTA = " + Num(pfProposta));
  sdsAux->Open();
  int32_t negociacao = 0;
  if (!sdsAux->IsEmpty())
    negociacao = static_cast<int32_t>(sdsAux->FieldByName("NEGOCIACAO_FINAL").AsInteger());
  sdsAux->Close();
  // A proposal without a chosen negotiation works on its first one.
  return negociacao == 0 ? 1 : negociacao;
}

int32_t TddmVeiculoCompartilhadoBDImpl::BuscaRevendaProposta(int32_t pfEmpresa, int32_t pfProposta,
                                                             const std::string& pfVeiculo) {
  sdsAux->Close();
  sdsAux->SetCommandText(
      "SELECT REVENDA, PROPOSTA FROM VEI_PROPOSTA WHERE EMPRESA = " + Num(pfEmpresa) +
      " AND PROPOSTA = " + Num(pfProposta) + " AND VEICULO = " + Quoted(pfVeiculo) +
      " AND SITUACAO NOT IN ('8','I') ORDER BY SITUACAO DESC, PROPOSTA");
  sdsAux->Open();
  int32_t revenda = 0;
  if (!sdsAux->IsEmpty())
    revenda = static_cast<int32_t>(sdsAux->FieldByName("REVENDA").AsInteger());
  sdsAux->Close();
  return revenda;
}

}  // namespace veiculo
