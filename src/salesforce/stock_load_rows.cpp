// The rows of the stock loads: the dealer's settings, its new vehicles in
// stock (available for sale, immobilised or blocked) and their sale values.

#include <string>
#include <vector>

#include "platform/text.h"
#include "salesforce/sales_force_internal.h"

namespace veiculo {

using salesforce::Data;
using salesforce::Inteiro;
using salesforce::Texto;

namespace {

// "'A', 'B'" of the situations of a comma-separated list, quotes doubled.
std::string Situacoes(const std::string& lista) {
  std::string sql;
  size_t inicio = 0;
  while (inicio <= lista.size()) {
    size_t fim = lista.find(',', inicio);
    if (fim == std::string::npos) fim = lista.size();
    const std::string item = platform::Trim(lista.substr(inicio, fim - inicio));
    if (!item.empty()) sql += (sql.empty() ? "" : ", ") + salesforce::Quoted(item);
    inicio = fim + 1;
  }
  return sql;
}

}  // namespace

void TSalesForce::LeParametrosCarga(int32_t pEmpresa, int32_t pRevenda,
                                    salesforce::ParametrosCarga& pPar) {
  auto& q = c_->sdsConsulta;
  q.Close();
  q.SetCommandText(
      "select VP.SITUACAO, RP.BLOQ_COMERCIAL_SALES, RP.BLOQ_QUALIDADE_SALES, "
      "RP.ENVIO_OPCIONAIS_SALESFORCE, RP.UTILIZA_SALES_FORCE_FULL from REN_PARAMETRO RP left "
      "outer join VEI_PARAMETRO VP on (VP.EMPRESA = RP.EMPRESA and VP.REVENDA = RP.REVENDA) where "
      "RP.EMPRESA = :EMPRESA and RP.REVENDA = :REVENDA");
  q.ParamByName("EMPRESA").SetAsInteger(pEmpresa);
  q.ParamByName("REVENDA").SetAsInteger(pRevenda);
  q.Open();
  if (!q.IsEmpty()) {
    pPar.situacao_transito = Texto(q, "SITUACAO");
    pPar.bloq_comercial = Texto(q, "BLOQ_COMERCIAL_SALES");
    pPar.bloq_qualidade = Texto(q, "BLOQ_QUALIDADE_SALES");
    pPar.envio_opcionais = Texto(q, "ENVIO_OPCIONAIS_SALESFORCE");
    pPar.full = Texto(q, "UTILIZA_SALES_FORCE_FULL") == "S";
  }
  q.Close();
  if (pPar.envio_opcionais.empty()) pPar.envio_opcionais = "C";
}

std::vector<salesforce::LinhaCarga> TSalesForce::LeEstoqueCarga(
    int32_t pEmpresa, int32_t pRevenda, const salesforce::ParametrosCarga& pPar) {
  const std::string bloqueadas = Situacoes(pPar.bloq_comercial + "," + pPar.bloq_qualidade);
  const std::string data = DataSql(DataProcessamento, true);
  auto& q = c_->sdsCarga;
  q.Close();
  q.SetCommandText(
      "select V.VEICULO, V.CHASSI, V.MODELO, V.VERSAO_RENAULT, FIC.ANO_FABRICACAO, "
      "FIC.ANO_MODELO, V.COR, V.OPCIONAIS, V.DTA_FAT_FABRICA, F.MARCA NOME_MARCA, V.SITUACAO, "
      "case when V.DTA_FIM_RESERVA > " +
      data +
      " then V.DTA_FIM_RESERVA else null end "
      "DTA_FIM_RESERVA, P.VAL_VEICULO_C_R VCR, (select max(PR.PROPOSTA) from VEI_PROPOSTA PR "
      "where PR.EMPRESA = V.EMPRESA and PR.VEICULO = V.VEICULO and PR.SITUACAO in ('2', '5')) "
      "PROPOSTA, NFE.STATUS STATUS_NFENTRADA from VEI_VEICULO V inner join VEI_SITUACAO I on "
      "(I.EMPRESA = V.EMPRESA and I.SITUACAO = V.SITUACAO) inner join VEI_MODELO M on "
      "(M.EMPRESA = V.EMPRESA and M.MODELO = V.MODELO) inner join VEI_FAMILIA F on (F.EMPRESA = "
      "M.EMPRESA and F.FAMILIA = M.FAMILIA) left outer join OFI_FICHA_SEGUIMENTO FIC on "
      "(FIC.CHASSI = V.CHASSI) left outer join VEI_PARAMETRO P on (P.EMPRESA = V.EMPRESA and "
      "P.REVENDA = V.REVENDA_ORIGEM) left outer join FAT_MOVIMENTO_CAPA NFE on (NFE.EMPRESA = "
      "V.EMPRESA_NFENTRADA and NFE.REVENDA = V.REVENDA_NFENTRADA and NFE.NUMERO_NOTA_FISCAL = "
      "V.NUMERO_NOTA_NFENTRADA and NFE.SERIE_NOTA_FISCAL = V.SERIE_NOTA_NFENTRADA and "
      "NFE.TIPO_TRANSACAO = V.TIPO_TRANSACAO_NFENTRADA and NFE.CONTADOR = V.CONTADOR_NFENTRADA) "
      "where V.EMPRESA = :EMPRESA and V.REVENDA_ORIGEM = :REVENDA and V.NOVO_USADO = 'N' and "
      "I.LOCALIZACAO = 'E' and (I.DISP_VENDA = 'S' or V.SITUACAO = 'IM'" +
      (bloqueadas.empty() ? std::string() : " or V.SITUACAO in (" + bloqueadas + ")") +
      ") order by V.VEICULO");
  q.ParamByName("EMPRESA").SetAsInteger(pEmpresa);
  q.ParamByName("REVENDA").SetAsInteger(pRevenda);
  q.Open();
  std::vector<salesforce::LinhaCarga> linhas;
  linhas.reserve(static_cast<size_t>(q.RecordCount()));
  for (q.First(); !q.Eof(); q.Next()) {
    salesforce::LinhaCarga l;
    l.VEICULO = q.FieldByName("VEICULO").AsText();
    l.CHASSI = Texto(q, "CHASSI");
    l.MODELO = Texto(q, "MODELO");
    l.VERSAO = Texto(q, "VERSAO_RENAULT");
    if (l.VERSAO.empty()) l.VERSAO = l.MODELO;
    l.ANO_FABRICACAO = Inteiro(q, "ANO_FABRICACAO");
    l.ANO_MODELO = Inteiro(q, "ANO_MODELO");
    l.COR = Texto(q, "COR");
    l.OPCIONAIS = Texto(q, "OPCIONAIS");
    l.NOME_MARCA = Texto(q, "NOME_MARCA");
    l.SITUACAO = Texto(q, "SITUACAO");
    l.DTA_FIM_RESERVA = Data(q, "DTA_FIM_RESERVA");
    l.DATA_ENTRADA_ESTOQUE = Data(q, "DTA_FAT_FABRICA");
    l.VCR = Texto(q, "VCR");
    l.PROPOSTA = Inteiro(q, "PROPOSTA");
    l.STATUS_NFENTRADA = Texto(q, "STATUS_NFENTRADA");
    linhas.push_back(std::move(l));
  }
  q.Close();
  if (pPar.envio_opcionais != "C")
    for (auto& l : linhas)
      if (l.NOME_MARCA == "RENA") l.OPCIONAIS = RetornaOpcionais(pEmpresa, l.CHASSI, l.MODELO);
  return linhas;
}

void TSalesForce::PrecificaCarga(std::vector<salesforce::LinhaCarga>& pLinhas, int32_t pEmpresa,
                                 int32_t pRevenda, bool pUsaPrecoEdicao, bool pUsaPrecoPacote) {
  const int total = static_cast<int>(pLinhas.size());
  int feitos = 0;
  for (auto& l : pLinhas) {
    // Only the brand's rows are sent; pricing the others would change nothing.
    if (l.NOME_MARCA == "RENA")
      l.PRECO =
          PrecoVeiculo(pEmpresa, pRevenda, l.VEICULO, l.VCR, pUsaPrecoEdicao, pUsaPrecoPacote);
    if (Progresso) Progresso(++feitos, total);
  }
}

}  // namespace veiculo
