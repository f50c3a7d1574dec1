// One stock event of a new vehicle: the row of REN_SALES_ESTOQUE, or of
// REN_SALES_FULL_ESTOQUE when the dealer uses the full integration, filled
// from the vehicle, its follow-up record, its optionals and its sale value.

#include <string>

#include "salesforce/sales_force_internal.h"
#include "salesforce/staging_insert.h"

namespace veiculo {

using salesforce::Data;
using salesforce::DataOuNulo;
using salesforce::Inteiro;
using salesforce::Texto;
using salesforce::TextoOuNulo;

namespace {

bool OperacaoDeDisponibilidade(TOperacaoEstoque operacao) {
  return operacao == TOperacaoEstoque::Transferencia || operacao == TOperacaoEstoque::Reservado ||
         operacao == TOperacaoEstoque::Alocado || operacao == TOperacaoEstoque::Inclusao;
}

}  // namespace

void TSalesForce::AtualizaEstoque(Connection* pConexao, int32_t pEmpresa, int32_t pRevenda,
                                  const std::string& pVeiculo, TOperacaoEstoque pOperacao) {
  CriaDataSets(pConexao);
  if (!VeiculoNovo(pEmpresa, pVeiculo)) return;
  if (OperacaoDeDisponibilidade(pOperacao) && !VeiculoDisponivelSales(pEmpresa, pVeiculo)) return;

  auto& q = c_->sdsConsulta;
  q.Close();
  q.SetCommandText(
      "select UTILIZA_SALES_FORCE_FULL from REN_PARAMETRO where EMPRESA = :EMPRESA and REVENDA = "
      ":REVENDA");
  q.ParamByName("EMPRESA").SetAsInteger(pEmpresa);
  q.ParamByName("REVENDA").SetAsInteger(pRevenda);
  q.Open();
  const bool full = !q.IsEmpty() && Texto(q, "UTILIZA_SALES_FORCE_FULL") == "S";
  q.Close();

  const double agora = Now();
  if (full) {
    salesforce::TEstoqueFull estoque;
    AlimentaEstoqueFull(pEmpresa, pRevenda, pVeiculo, estoque);
    estoque.DATA_INCLUSAO = estoque.DATA_ULTIMA_ATUALIZACAO = agora;
    estoque.STATUS_ENVIO = "P";
    estoque.STATUS = salesforce::StatusEstoque(pOperacao, true);
    estoque.ESTADO = salesforce::EstadoEstoque(pOperacao, estoque.STATUS_NFENTRADA);
    IncluirEstoqueFull(estoque);
  } else {
    salesforce::TEstoque estoque;
    AlimentaEstoque(pEmpresa, pRevenda, pVeiculo, estoque);
    estoque.METODO = "A";
    estoque.DATA_INCLUSAO = estoque.DATA_ULTIMA_ATUALIZACAO = agora;
    estoque.STATUS_ENVIO = "P";
    estoque.STATUS = salesforce::StatusEstoque(pOperacao, false);
    IncluirEstoque(estoque);
  }
}

void TSalesForce::AlimentaEstoqueFull(int32_t pEmpresa, int32_t pRevenda,
                                      const std::string& pVeiculo,
                                      salesforce::TEstoqueFull& pEstoque) {
  salesforce::TEstoque simples;
  AlimentaEstoque(pEmpresa, pRevenda, pVeiculo, simples);
  static_cast<salesforce::TEstoqueBase&>(pEstoque) = simples;

  auto& q = c_->sdsConsulta;
  q.Close();
  q.SetCommandText(
      "select NFE.STATUS STATUS_NFENTRADA, (select max(AE.DTA_ENTREGA_REAL) from "
      "VEI_AGENDA_ENTREGA AE where AE.EMPRESA = VEI.EMPRESA and AE.VEICULO = VEI.VEICULO) "
      "DTA_ENTREGA_REAL from VEI_VEICULO VEI left outer join FAT_MOVIMENTO_CAPA NFE on "
      "(NFE.EMPRESA = VEI.EMPRESA_NFENTRADA and NFE.REVENDA = VEI.REVENDA_NFENTRADA and "
      "NFE.NUMERO_NOTA_FISCAL = VEI.NUMERO_NOTA_NFENTRADA and NFE.SERIE_NOTA_FISCAL = "
      "VEI.SERIE_NOTA_NFENTRADA and NFE.TIPO_TRANSACAO = VEI.TIPO_TRANSACAO_NFENTRADA and "
      "NFE.CONTADOR = VEI.CONTADOR_NFENTRADA) where VEI.EMPRESA = :EMPRESA and VEI.VEICULO = "
      ":VEICULO");
  q.ParamByName("EMPRESA").SetAsInteger(pEmpresa);
  q.ParamByName("VEICULO").SetAsText(pVeiculo);
  q.Open();
  if (!q.IsEmpty()) {
    pEstoque.STATUS_NFENTRADA = Texto(q, "STATUS_NFENTRADA");
    pEstoque.DATA_ENTREGA_CLIENTE = Data(q, "DTA_ENTREGA_REAL");
  }
  q.Close();
}

void TSalesForce::AlimentaEstoque(int32_t pEmpresa, int32_t pRevenda, const std::string& pVeiculo,
                                  salesforce::TEstoque& pEstoque) {
  pEstoque.NUMERO_DN = BuscaNumeroDN(pEmpresa, pRevenda);

  auto& q = c_->sdsConsulta;
  q.Close();
  q.SetCommandText(
      "select VP.VAL_VEICULO_C_R, VP.UTILIZA_PRECO_EDICAO, VP.UTILIZA_PRECO_PACOTE, "
      "RP.ENVIO_OPCIONAIS_SALESFORCE from VEI_PARAMETRO VP, REN_PARAMETRO RP where RP.EMPRESA = "
      "VP.EMPRESA and RP.REVENDA = VP.REVENDA and VP.EMPRESA = :EMPRESA and VP.REVENDA = :REVENDA");
  q.ParamByName("EMPRESA").SetAsInteger(pEmpresa);
  q.ParamByName("REVENDA").SetAsInteger(pRevenda);
  q.Open();
  std::string vcr, envio_opcionais;
  bool edicao = false, pacote = false;
  if (!q.IsEmpty()) {
    vcr = Texto(q, "VAL_VEICULO_C_R");
    edicao = Texto(q, "UTILIZA_PRECO_EDICAO") == "S";
    pacote = Texto(q, "UTILIZA_PRECO_PACOTE") == "S";
    envio_opcionais = Texto(q, "ENVIO_OPCIONAIS_SALESFORCE");
  }
  q.Close();
  if (envio_opcionais.empty()) envio_opcionais = "C";

  q.SetCommandText(
      "select VEI.CHASSI, VEI.MODELO, VEI.VERSAO_RENAULT, FIC.ANO_MODELO, FIC.ANO_FABRICACAO, "
      "VEI.COR, COR.DES_COR, VEI.DTA_FAT_FABRICA, VEI.OPCIONAIS, VEI.DTA_FIM_RESERVA, "
      "MOD.DES_MODELO from VEI_VEICULO VEI left outer join OFI_FICHA_SEGUIMENTO FIC on "
      "(FIC.CHASSI = VEI.CHASSI) left outer join VEI_COR COR on (COR.EMPRESA = VEI.EMPRESA and "
      "COR.COR = VEI.COR) left outer join VEI_MODELO MOD on (MOD.EMPRESA = VEI.EMPRESA and "
      "MOD.MODELO = VEI.MODELO) where VEI.EMPRESA = :EMPRESA and VEI.VEICULO = :VEICULO");
  q.ParamByName("EMPRESA").SetAsInteger(pEmpresa);
  q.ParamByName("VEICULO").SetAsText(pVeiculo);
  q.Open();
  if (q.IsEmpty()) {
    q.Close();
    return;
  }
  pEstoque.CHASSI = Texto(q, "CHASSI");
  pEstoque.MODELO = Texto(q, "MODELO");
  pEstoque.VERSAO = Texto(q, "VERSAO_RENAULT");
  if (pEstoque.VERSAO.empty()) pEstoque.VERSAO = pEstoque.MODELO;
  pEstoque.ANO_FABRICACAO = Inteiro(q, "ANO_FABRICACAO");
  pEstoque.ANO_MODELO = Inteiro(q, "ANO_MODELO");
  pEstoque.COR = Texto(q, "COR");
  pEstoque.DATA_ENTRADA_ESTOQUE = Data(q, "DTA_FAT_FABRICA");
  pEstoque.VALIDADE_RESERVA = Data(q, "DTA_FIM_RESERVA");
  const std::string opcionais = Texto(q, "OPCIONAIS");
  q.Close();

  pEstoque.OPCIONAIS = envio_opcionais == "C"
                           ? opcionais
                           : RetornaOpcionais(pEmpresa, pEstoque.CHASSI, pEstoque.MODELO);
  pEstoque.PRECO = PrecoVeiculo(pEmpresa, pRevenda, pVeiculo, vcr, edicao, pacote);
}

void TSalesForce::IncluirEstoque(const salesforce::TEstoque& e) {
  salesforce::InsereLinha(c_->sdsExecuta, "REN_SALES_ESTOQUE",
                          {{"METODO", TextoOuNulo(e.METODO)},
                           {"NUMERO_DN", salesforce::NumeroDNValor(e.NUMERO_DN)},
                           {"CHASSI", TextoOuNulo(e.CHASSI)},
                           {"DATA_INCLUSAO", DataOuNulo(e.DATA_INCLUSAO)},
                           {"STATUS_ENVIO", TextoOuNulo(e.STATUS_ENVIO)},
                           {"MODELO", TextoOuNulo(e.MODELO)},
                           {"VERSAO", TextoOuNulo(e.VERSAO)},
                           {"ANO_FABRICACAO", Value::Integer(e.ANO_FABRICACAO)},
                           {"ANO_MODELO", Value::Integer(e.ANO_MODELO)},
                           {"COR", TextoOuNulo(e.COR)},
                           {"STATUS", TextoOuNulo(e.STATUS)},
                           {"COD_RETORNO", Value()},
                           {"DES_RETORNO", Value()},
                           {"DATA_ENTRADA_ESTOQUE", DataOuNulo(e.DATA_ENTRADA_ESTOQUE)},
                           {"PRECO", Value::Float(e.PRECO)},
                           {"OPCIONAIS", TextoOuNulo(e.OPCIONAIS)},
                           {"DATA_ULTIMA_ATUALIZACAO", DataOuNulo(e.DATA_ULTIMA_ATUALIZACAO)},
                           {"VALIDADE_RESERVA", DataOuNulo(e.VALIDADE_RESERVA)}});
}

void TSalesForce::IncluirEstoqueFull(const salesforce::TEstoqueFull& e) {
  salesforce::InsereLinha(c_->sdsExecuta, "REN_SALES_FULL_ESTOQUE",
                          {{"NUMERO_DN", salesforce::NumeroDNValor(e.NUMERO_DN)},
                           {"CHASSI", TextoOuNulo(e.CHASSI)},
                           {"DATA_INCLUSAO", DataOuNulo(e.DATA_INCLUSAO)},
                           {"STATUS_ENVIO", TextoOuNulo(e.STATUS_ENVIO)},
                           {"MODELO", TextoOuNulo(e.MODELO)},
                           {"VERSAO", TextoOuNulo(e.VERSAO)},
                           {"ANO_FABRICACAO", Value::Integer(e.ANO_FABRICACAO)},
                           {"ANO_MODELO", Value::Integer(e.ANO_MODELO)},
                           {"COR", TextoOuNulo(e.COR)},
                           {"OPCIONAIS", TextoOuNulo(e.OPCIONAIS)},
                           {"DATA_ENTRADA_ESTOQUE", DataOuNulo(e.DATA_ENTRADA_ESTOQUE)},
                           {"PRECO", Value::Float(e.PRECO)},
                           {"DATA_ULTIMA_ATUALIZACAO", DataOuNulo(e.DATA_ULTIMA_ATUALIZACAO)},
                           {"STATUS", TextoOuNulo(e.STATUS)},
                           {"ESTADO", TextoOuNulo(e.ESTADO)},
                           {"DATA_ENTREGA_CLIENTE", DataOuNulo(e.DATA_ENTREGA_CLIENTE)},
                           {"COD_RETORNO", Value()},
                           {"DES_RETORNO", Value()}});
}

}  // namespace veiculo
