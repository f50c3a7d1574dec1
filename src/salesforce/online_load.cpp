// The online stock load: one staging row per new vehicle of the brand in the
// dealer's stock, with the status its situation, reservation and proposal
// give; under the full integration also the vehicles invoiced or returned
// since the last pass.

#include <algorithm>
#include <string>
#include <vector>

#include "salesforce/sales_force_internal.h"
#include "salesforce/staging_insert.h"

namespace veiculo {

using salesforce::Data;
using salesforce::Inteiro;
using salesforce::Texto;

int TSalesForce::GeraCargaEstoqueOnline(Connection* pConexao, bool pUsaPrecoEdicao,
                                        bool pUsaPrecoPacote, int32_t pEmpresa, int32_t pRevenda) {
  CriaDataSets(pConexao);
  salesforce::ParametrosCarga par;
  LeParametrosCarga(pEmpresa, pRevenda, par);
  const std::string dn = BuscaNumeroDN(pEmpresa, pRevenda);
  std::vector<salesforce::LinhaCarga> linhas = LeEstoqueCarga(pEmpresa, pRevenda, par);
  PrecificaCarga(linhas, pEmpresa, pRevenda, pUsaPrecoEdicao, pUsaPrecoPacote);
  int escritas = 0;
  for (const auto& l : linhas) {
    if (l.NOME_MARCA != "RENA") continue;
    ++escritas;
    const TOperacaoEstoque operacao = salesforce::OperacaoDoStatus(
        MontaStatusVeiculo(l.DTA_FIM_RESERVA, l.SITUACAO, par.situacao_transito, par.bloq_qualidade,
                           par.bloq_comercial, l.PROPOSTA));
    if (par.full)
      AtualizaEstoqueFullCargaInicial(operacao, l, dn);
    else
      AtualizaEstoqueCargaInicial(operacao, l, dn);
  }
  if (par.full) escritas += CargaFaturados(pEmpresa, pRevenda, dn);
  return escritas;
}

void TSalesForce::AtualizaEstoqueCargaInicial(TOperacaoEstoque pOperacao,
                                              const salesforce::LinhaCarga& l,
                                              const std::string& pNumeroDN) {
  salesforce::TEstoque e;
  e.METODO = "A";
  e.NUMERO_DN = pNumeroDN;
  e.CHASSI = l.CHASSI;
  e.DATA_INCLUSAO = e.DATA_ULTIMA_ATUALIZACAO = Now();
  e.STATUS_ENVIO = "P";
  e.MODELO = l.MODELO;
  e.VERSAO = l.VERSAO;
  e.ANO_FABRICACAO = l.ANO_FABRICACAO;
  e.ANO_MODELO = l.ANO_MODELO;
  e.COR = l.COR;
  e.STATUS = salesforce::StatusEstoque(pOperacao, false);
  e.DATA_ENTRADA_ESTOQUE = l.DATA_ENTRADA_ESTOQUE;
  e.PRECO = l.PRECO;
  e.OPCIONAIS = l.OPCIONAIS;
  e.VALIDADE_RESERVA = l.DTA_FIM_RESERVA;
  IncluirEstoque(e);
}

void TSalesForce::AtualizaEstoqueFullCargaInicial(TOperacaoEstoque pOperacao,
                                                  const salesforce::LinhaCarga& l,
                                                  const std::string& pNumeroDN) {
  salesforce::TEstoqueFull e;
  e.NUMERO_DN = pNumeroDN;
  e.CHASSI = l.CHASSI;
  e.DATA_INCLUSAO = e.DATA_ULTIMA_ATUALIZACAO = Now();
  e.STATUS_ENVIO = "P";
  e.MODELO = l.MODELO;
  e.VERSAO = l.VERSAO;
  e.ANO_FABRICACAO = l.ANO_FABRICACAO;
  e.ANO_MODELO = l.ANO_MODELO;
  e.COR = l.COR;
  e.OPCIONAIS = l.OPCIONAIS;
  e.DATA_ENTRADA_ESTOQUE = l.DATA_ENTRADA_ESTOQUE;
  e.PRECO = l.PRECO;
  e.STATUS = salesforce::StatusEstoque(pOperacao, true);
  e.ESTADO = salesforce::EstadoEstoque(pOperacao, l.STATUS_NFENTRADA);
  e.DATA_ENTREGA_CLIENTE = l.DATA_ENTREGA_CLIENTE;
  IncluirEstoqueFull(e);
}

int TSalesForce::CargaFaturados(int32_t pEmpresa, int32_t pRevenda, const std::string& pNumeroDN) {
  auto& q = c_->sdsCarga;
  q.Close();
  q.SetCommandText(
      "select DTA_ULT_FATURAMENTO from REN_PARAMETRO where EMPRESA = :EMPRESA and REVENDA = "
      ":REVENDA");
  q.ParamByName("EMPRESA").SetAsInteger(pEmpresa);
  q.ParamByName("REVENDA").SetAsInteger(pRevenda);
  q.Open();
  const double ultimo = q.IsEmpty() ? 0 : Data(q, "DTA_ULT_FATURAMENTO");
  q.Close();

  q.SetCommandText(
      "select V.VEICULO, V.CHASSI, V.MODELO, V.VERSAO_RENAULT, FIC.ANO_FABRICACAO, "
      "FIC.ANO_MODELO, V.COR, V.OPCIONAIS, V.DTA_FAT_FABRICA, F.MARCA NOME_MARCA, "
      "T.SUBTIPO_TRANSACAO, NF.DTA_ENTRADA_SAIDA, coalesce((select max(AE.DTA_ENTREGA_REAL) from "
      "VEI_AGENDA_ENTREGA AE where AE.EMPRESA = V.EMPRESA and AE.VEICULO = V.VEICULO), "
      "NF.DTA_ENTRADA_SAIDA) DTA_ENTREGA, coalesce(NF.TOT_NOTA_FISCAL, 0) - "
      "coalesce(NF.VALDESCONTO, 0) VALOR from FAT_MOVIMENTO_CAPA NF inner join "
      "FAT_MOVIMENTO_VEICULO MV on (MV.EMPRESA = NF.EMPRESA and MV.REVENDA = NF.REVENDA and "
      "MV.NUMERO_NOTA_FISCAL = NF.NUMERO_NOTA_FISCAL and MV.SERIE_NOTA_FISCAL = "
      "NF.SERIE_NOTA_FISCAL and MV.TIPO_TRANSACAO = NF.TIPO_TRANSACAO and MV.CONTADOR = "
      "NF.CONTADOR) inner join FAT_TIPO_TRANSACAO T on (T.TIPO_TRANSACAO = NF.TIPO_TRANSACAO) "
      "inner join VEI_VEICULO V on (V.EMPRESA = MV.EMPRESA and V.VEICULO = MV.VEICULO) inner "
      "join VEI_MODELO M on (M.EMPRESA = V.EMPRESA and M.MODELO = V.MODELO) inner join "
      "VEI_FAMILIA F on (F.EMPRESA = M.EMPRESA and F.FAMILIA = M.FAMILIA) left outer join "
      "OFI_FICHA_SEGUIMENTO FIC on (FIC.CHASSI = V.CHASSI) where NF.EMPRESA = :EMPRESA and "
      "NF.REVENDA = :REVENDA and NF.STATUS = 'F' and T.TIPO = 'S' and V.NOVO_USADO = 'N'" +
      (ultimo > 0 ? " and NF.DTA_ENTRADA_SAIDA > " + DataSql(ultimo, true) : std::string()) +
      " order by NF.NUMERO_NOTA_FISCAL");
  q.ParamByName("EMPRESA").SetAsInteger(pEmpresa);
  q.ParamByName("REVENDA").SetAsInteger(pRevenda);
  q.Open();
  struct Faturado {
    salesforce::LinhaCarga linha;
    std::string subtipo;
  };
  std::vector<Faturado> faturados;
  double mais_recente = ultimo;
  for (q.First(); !q.Eof(); q.Next()) {
    mais_recente = std::max(mais_recente, Data(q, "DTA_ENTRADA_SAIDA"));
    if (Texto(q, "NOME_MARCA") != "RENA") continue;
    Faturado f;
    f.subtipo = Texto(q, "SUBTIPO_TRANSACAO");
    f.linha.CHASSI = Texto(q, "CHASSI");
    f.linha.MODELO = Texto(q, "MODELO");
    f.linha.VERSAO = Texto(q, "VERSAO_RENAULT");
    if (f.linha.VERSAO.empty()) f.linha.VERSAO = f.linha.MODELO;
    f.linha.ANO_FABRICACAO = Inteiro(q, "ANO_FABRICACAO");
    f.linha.ANO_MODELO = Inteiro(q, "ANO_MODELO");
    f.linha.COR = Texto(q, "COR");
    f.linha.OPCIONAIS = Texto(q, "OPCIONAIS");
    f.linha.DATA_ENTRADA_ESTOQUE = Data(q, "DTA_FAT_FABRICA");
    f.linha.DATA_ENTREGA_CLIENTE = Data(q, "DTA_ENTREGA");
    f.linha.PRECO = q.FieldByName("VALOR").AsFloat();
    faturados.push_back(std::move(f));
  }
  q.Close();
  int escritas = 0;
  for (const auto& f : faturados) {
    if (f.subtipo != "N" && f.subtipo != "D") continue;
    AtualizaEstoqueFullCargaInicial(
        f.subtipo == "N" ? TOperacaoEstoque::Faturado : TOperacaoEstoque::Devolvido, f.linha,
        pNumeroDN);
    ++escritas;
  }
  // The next pass starts after the latest invoice this one saw, so that an
  // invoice is sent once and none is skipped for the clock of this machine.
  if (mais_recente > ultimo) {
    auto& x = c_->sdsExecuta;
    x.Close();
    x.SetCommandText(
        "update REN_PARAMETRO set DTA_ULT_FATURAMENTO = :DATA where EMPRESA = :EMPRESA and "
        "REVENDA = :REVENDA");
    x.ParamByName("DATA").SetAsDateTime(mais_recente);
    x.ParamByName("EMPRESA").SetAsInteger(pEmpresa);
    x.ParamByName("REVENDA").SetAsInteger(pRevenda);
    x.ExecSQL();
    x.Close();
  }
  return escritas;
}

}  // namespace veiculo
