// What a proposal rejection writes once its checks have passed: the proposal
// cancelled, the salesperson told, the contact's latest action annotated, the
// reservation and frozen optional values released, the negotiations and
// payments rejected, the trade-in over-allowance and (when the dealer asks)
// the delivery schedule removed.

#include <string>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/client_dataset.h"
#include "platform/text.h"
#include "proposal/proposal_sql.h"
#include "proposal/rejection.h"

namespace veiculo {
namespace {

using proposal::Executa;
using proposal::Quoted;

std::string Num(int64_t value) {
  return std::to_string(value);
}

}  // namespace

void TddmVeiculoCompartilhadoBDImpl::GravaRejeicao(const RejeicaoProposta& r) {
  const std::string chave = " where EMPRESA = " + Num(r.empresa) +
                            " and REVENDA = " + Num(r.revenda) +
                            " and PROPOSTA = " + Num(r.proposta);
  const bool toyota = platform::Trim(sPvMarca) == "TOYO";

  // The proposal: cancelled, without its final negotiation; the maker's order
  // stays for "TOYO" dealers, and a vehicle created for the sale is let go.
  Executa(*sdsExecuta, "update VEI_PROPOSTA set NEGOCIACAO_FINAL = NULL, SITUACAO = '8'" +
                           std::string(toyota ? "" : ", PEDIDO = NULL") +
                           (r.VeiculoDaVenda() ? ", VEICULO = NULL" : "") + chave);

  const std::string assunto = "Proposta Nr.[" + Num(r.proposta) + "] Rejeitada";
  Mens_UsuarioDestino = BuscaUsuarioVendedor(r.empresa, r.revenda, r.proposta);
  Mens_Assunto = assunto;
  Mens_Mensagem = assunto;
  Mens_Proposta = r.proposta;
  GravaMensagem(r.data_processamento, r.empresa, r.revenda, r.usuario, Mens_UsuarioDestino,
                Mens_Proposta, Mens_Assunto, Mens_Mensagem);

  if (r.gerar_providencia)
    AtualizaContato(r.empresa, r.revenda, r.contato, r.proposta, "CANCELAR", r.forma_contato);
  // The reason and the dealership go on the contact's latest action.
  const std::string contato = "EMPRESA = " + Num(r.empresa) + " and REVENDA = " + Num(r.revenda) +
                              " and CONTATO = " + Num(r.contato);
  Executa(*sdsExecuta,
          "update CAC_PROVIDENCIA set MOTIVO = " +
              (r.motivo.empty() ? std::string("NULL") : Quoted(r.motivo)) +
              ", CONCESSIONARIA = " + Quoted(r.concessionaria) + " where " + contato +
              " and PROVIDENCIA = (select max(CP2.PROVIDENCIA) from CAC_PROVIDENCIA CP2 where "
              "CP2.EMPRESA = " +
              Num(r.empresa) + " and CP2.REVENDA = " + Num(r.revenda) +
              " and CP2.CONTATO = " + Num(r.contato) + ")");

  // The reservation of this customer (another customer's stays).
  if (!toyota)
    Executa(*sdsExecuta,
            "update VEI_VEICULO set CLIENTE_RESERVA = NULL, EMPRESA_VENDEDOR_RESERVA = NULL, "
            "REVENDA_VENDEDOR_RESERVA = NULL, VENDEDOR_RESERVA = NULL, DTA_RESERVA = NULL, "
            "DTA_FIM_RESERVA = NULL, OBSERVACAO_RESERVA = NULL, RESERVADO = 'N' where EMPRESA = " +
                Num(r.empresa) + " and VEICULO = " + Quoted(r.veiculo) +
                " and CLIENTE_RESERVA = " + Num(r.cliente));
  Executa(*sdsExecuta,
          "update OFI_FICHA_OPCIONAL set VAL_OPCIONAL = NULL where CHASSI = " + Quoted(r.chassi));

  Executa(
      *sdsExecuta,
      "update VEI_NEGOCIACAO set USU_GERENCIAL = " + Num(r.usuario) +
          ", APR_GERENCIAL = 'R', DTA_APR_GERENCIAL = NULL" +
          (r.integracao_fi == 2 ? ", APR_FINANCIAMENTO = 'N', DTA_APR_FINANCIAMENTO = NULL" : "") +
          chave);
  Executa(*sdsExecuta, "update VEI_PAGAMENTO set SITUACAO = 'R'" + chave);

  sdsAux->Close();
  sdsAux->SetCommandText(
      "select EXCLUIR_AGENDA_ENTREGA, DIF_AVALIACAO_SAIDA from VEI_PARAMETRO where EMPRESA = " +
      Num(r.empresa) + " and REVENDA = " + Num(r.revenda));
  sdsAux->Open();
  const bool tem = !sdsAux->IsEmpty();
  const bool excluir_agenda =
      tem && platform::Trim(sdsAux->FieldByName("EXCLUIR_AGENDA_ENTREGA").AsText()) == "S";
  const bool tem_despesa = tem && !sdsAux->FieldByName("DIF_AVALIACAO_SAIDA").IsNull();
  const int64_t despesa = tem_despesa ? sdsAux->FieldByName("DIF_AVALIACAO_SAIDA").AsInteger() : 0;
  sdsAux->Close();
  if (tem_despesa)
    Executa(*sdsExecuta, "delete from VEI_DESPESA_VEICULO where EMPRESA = " + Num(r.empresa) +
                             " and VEICULO = " + Quoted(r.veiculo) + " and DOCUMENTO = " +
                             Num(r.proposta) + " and CONTADOR = 0 and DESPESA = " + Num(despesa));
  if (excluir_agenda) {
    // The removed schedule goes back to the caller in the packet holder.
    cdsAuxiliar->Close();
    cdsAuxiliar->CommandText = "SELECT * from VEI_AGENDA_ENTREGA" + chave;
    cdsAuxiliar->Open();
    oPvAgenda = cdsAuxiliar->Data();
    cdsAuxiliar->Close();
    Executa(*sdsExecuta, "delete from VEI_AGENDA_ENTREGA" + chave);
  }
}

}  // namespace veiculo
