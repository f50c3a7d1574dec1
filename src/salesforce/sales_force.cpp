// The CRM staging object: its datasets bound once, the statement runner, the
// dealer number, the vehicle checks every event makes, and the sale value
// taken from a private module that stays bound for the object's life.

#include <string>

#include "module/maker_utils/compat_banco.h"
#include "platform/format/date_time.h"
#include "platform/text.h"
#include "salesforce/sales_force_internal.h"
#include "veiculo/error.h"

namespace veiculo {

using salesforce::Inteiro;
using salesforce::Texto;

TSalesForce::TSalesForce() : c_(std::make_unique<salesforce::Componentes>()) {
  c_->dspConsulta.Options.allow_command_text = true;
  c_->dspCarga.Options.allow_command_text = true;
  // The queries are written once in the common form and adapted to the
  // database kind when they open.
  auto adapta = [this](platform::DataSet& ds) {
    auto& sql = static_cast<platform::SqlDataSet&>(ds);
    sql.ReplaceCommandText(maker::CompatBanco(sql.CommandText(), BancoDados));
  };
  c_->sdsConsulta.BeforeOpen = adapta;
  c_->sdsCarga.BeforeOpen = adapta;
}

TSalesForce::~TSalesForce() {
  if (c_->modulo) c_->modulo->FinalizaDM();
}

void TSalesForce::CriaDataSets(Connection* pConexao) {
  if (pConexao == nullptr)
    throw Error(ErrorCategory::Validation, "TSalesForce: no database connection");
  if (bDataSetsCriados && c_->conexao == pConexao) return;
  c_->sdsConsulta.SetConnection(pConexao);
  c_->sdsCarga.SetConnection(pConexao);
  c_->sdsExecuta.SetConnection(pConexao);
  for (auto* sds : {&c_->sdsConsulta, &c_->sdsCarga, &c_->sdsExecuta}) sds->GetMetadata = false;
  if (c_->modulo) {
    c_->modulo->FinalizaDM();
    c_->modulo.reset();
  }
  c_->conexao = pConexao;
  bDataSetsCriados = true;
}

void TSalesForce::ExecutaComando(const std::string& pComando) {
  c_->sdsExecuta.Close();
  c_->sdsExecuta.SetCommandText(pComando);
  c_->sdsExecuta.ExecSQL();
  c_->sdsExecuta.Close();
}

double TSalesForce::Now() const {
  return Agora ? Agora() : platform::Now();
}

std::string TSalesForce::BuscaNumeroDN(int32_t pEmpresa, int32_t pRevenda) {
  auto& q = c_->sdsConsulta;
  q.Close();
  q.SetCommandText(
      "select NUMERO_DN from REN_PARAMETRO where EMPRESA = :EMPRESA and REVENDA = :REVENDA");
  q.ParamByName("EMPRESA").SetAsInteger(pEmpresa);
  q.ParamByName("REVENDA").SetAsInteger(pRevenda);
  q.Open();
  const std::string numero = q.IsEmpty() ? "" : Texto(q, "NUMERO_DN");
  q.Close();
  if (numero.empty()) return "";
  return numero == "55555" ? "5555555" : "076" + numero;
}

bool TSalesForce::VeiculoNovo(int32_t pEmpresa, const std::string& pVeiculo) {
  auto& q = c_->sdsConsulta;
  q.Close();
  q.SetCommandText(
      "select VV.NOVO_USADO, VF.MARCA from VEI_VEICULO VV "
      "inner join VEI_MODELO VM on (VM.EMPRESA = VV.EMPRESA and VM.MODELO = VV.MODELO) "
      "inner join VEI_FAMILIA VF on (VF.EMPRESA = VM.EMPRESA and VF.FAMILIA = VM.FAMILIA) "
      "where VV.EMPRESA = :EMPRESA and VV.VEICULO = :VEICULO");
  q.ParamByName("EMPRESA").SetAsInteger(pEmpresa);
  q.ParamByName("VEICULO").SetAsText(pVeiculo);
  q.Open();
  const bool novo = !q.IsEmpty() && Texto(q, "NOVO_USADO") == "N" && Texto(q, "MARCA") == "RENA";
  q.Close();
  return novo;
}

bool TSalesForce::VeiculoDisponivelSales(int32_t pEmpresa, const std::string& pVeiculo) {
  auto& q = c_->sdsConsulta;
  q.Close();
  q.SetCommandText(
      "select VS.DISP_VENDA, VS.LOCALIZACAO, VV.SITUACAO from VEI_VEICULO VV, VEI_SITUACAO VS "
      "where VS.EMPRESA = VV.EMPRESA and VS.SITUACAO = VV.SITUACAO "
      "and VV.EMPRESA = :EMPRESA and VV.VEICULO = :VEICULO");
  q.ParamByName("EMPRESA").SetAsInteger(pEmpresa);
  q.ParamByName("VEICULO").SetAsText(pVeiculo);
  q.Open();
  const bool disponivel =
      !q.IsEmpty() && Texto(q, "DISP_VENDA") == "S" && Texto(q, "LOCALIZACAO") == "E";
  q.Close();
  return disponivel;
}

std::string TSalesForce::RetornaOpcionais(int32_t pEmpresa, const std::string& pChassi,
                                          const std::string& pModelo) {
  auto& q = c_->sdsConsulta;
  q.Close();
  q.SetCommandText(
      "select VOM.OPCIONAL_PUB, VO.DES_OPCIONAL "
      "from OFI_FICHA_OPCIONAL OFO, VEI_OPCIONAL_MODELO VOM, VEI_OPCIONAL VO "
      "where VOM.EMPRESA = OFO.EMPRESA and VOM.MODELO = OFO.MODELO "
      "and VOM.OPCIONAL = OFO.OPCIONAL and VO.EMPRESA = VOM.EMPRESA "
      "and VO.OPCIONAL = VOM.OPCIONAL and OFO.CHASSI = :CHASSI and OFO.EMPRESA = :EMPRESA "
      "and OFO.MODELO = :MODELO order by VOM.OPCIONAL");
  q.ParamByName("CHASSI").SetAsText(pChassi);
  q.ParamByName("EMPRESA").SetAsInteger(pEmpresa);
  q.ParamByName("MODELO").SetAsText(pModelo);
  q.Open();
  std::string lista;
  for (q.First(); !q.Eof(); q.Next()) {
    const std::string pub = Texto(q, "OPCIONAL_PUB");
    const std::string des = Texto(q, "DES_OPCIONAL");
    lista += (lista.empty() ? "" : "; ") + pub + (des.empty() ? "" : " - " + des);
  }
  q.Close();
  return lista;
}

double TSalesForce::PrecoVeiculo(int32_t pEmpresa, int32_t pRevenda, const std::string& pVeiculo,
                                 const std::string& pValorCR, bool pUsaPrecoEdicao,
                                 bool pUsaPrecoPacote) {
  if (!c_->modulo) {
    c_->modulo = TddmVeiculoCompartilhadoBD::Cria();
    c_->modulo->InicializaDM();
    c_->modulo->AtribuiConexao(c_->conexao);
  }
  // CalculoValorVenda reads the dealer parameters (kept while the dealer
  // stays the same) and the vehicle itself.
  return c_->modulo->CalculoValorVenda(pEmpresa, pRevenda, pValorCR, pVeiculo, DataProcessamento,
                                       pUsaPrecoEdicao, pUsaPrecoPacote, nullptr);
}

}  // namespace veiculo
