// The dealer's F&I settings: F&I Brasil credentials, base URL and return
// accounts; the Avonale switch and URL.

#include <string>

#include "fi_brasil/fi_credentials.h"
#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/sql_dataset.h"
#include "platform/text.h"

namespace veiculo {
namespace {

std::string Num(int32_t value) {
  return std::to_string(value);
}

int32_t Inteiro(platform::SqlDataSet& ds, const char* campo) {
  return static_cast<int32_t>(ds.FieldByName(campo).AsInteger());  // null reads as 0
}

}  // namespace

void TddmVeiculoCompartilhadoBDImpl::BuscaIdLojaKeyFIB(std::string& pfIdLoja, std::string& pfKey,
                                                       std::string& pfUrl, int32_t pfEmpresa,
                                                       int32_t pfRevenda) {
  sdsAux->Close();
  sdsAux->SetCommandText(
      "select CHAVE_FIB, LOJA_FIB, URL_FIB,       CONTA, TIPO_RETORNO_CORTESIA,       "
      "TIPO_RETORNO_ACESSORIOS, CONTA_RETORNO_OUTROS,       CONTA_RETORNO_TAC, "
      "CONTA_RETORNO_PLUS,       CONTA_RETORNO_PLUS_META, CONTA_RETORNO_SEGURO,       "
      "CONTA_RETORNO_REBATE, CONTA_RETORNO_CORTESIA  from VEI_PARAMETRO where EMPRESA = " +
      Num(pfEmpresa) + "   and REVENDA = " + Num(pfRevenda));
  sdsAux->Open();
  platform::SqlDataSet& ds = *sdsAux;
  const bool tem = !ds.IsEmpty();
  const auto texto = [&](const char* campo) { return tem ? ds.FieldByName(campo).AsText() : ""; };
  const auto inteiro = [&](const char* campo) { return tem ? Inteiro(ds, campo) : 0; };
  pfKey = texto("CHAVE_FIB");
  pfIdLoja = texto("LOJA_FIB");
  pfUrl = texto("URL_FIB");
  iPvContaRetorno = inteiro("CONTA");
  sPvTipoCortesia = texto("TIPO_RETORNO_CORTESIA");
  sPvTipoInterna = texto("TIPO_RETORNO_ACESSORIOS");
  iPvContaRetornoOutros = inteiro("CONTA_RETORNO_OUTROS");
  iPvContaRetornoTAC = inteiro("CONTA_RETORNO_TAC");
  iPvContaRetornoPLUS = inteiro("CONTA_RETORNO_PLUS");
  iPvContaRetornoPlusMeta = inteiro("CONTA_RETORNO_PLUS_META");
  iPvContaRetornoSEGURO = inteiro("CONTA_RETORNO_SEGURO");
  iPvContaRetornoRebate = inteiro("CONTA_RETORNO_REBATE");
  iPvContaRetornoCortesia = inteiro("CONTA_RETORNO_CORTESIA");
  sdsAux->Close();
}

bool TddmVeiculoCompartilhadoBDImpl::BuscaParametrosFIA(int32_t pfEmpresa, int32_t pfRevenda,
                                                        std::string& pfCNPJ, std::string& pfUrl) {
  sdsAux->Close();
  sdsAux->SetCommandText(
      "select REV.CNPJ, PAR.USA_INTEGRACAO_AVONALE, PAR.URL_WS_AVONALE  from GER_REVENDA REV, "
      "VEI_PARAMETRO PAR where REV.EMPRESA = PAR.EMPRESA   and REV.REVENDA = PAR.REVENDA   and "
      "REV.EMPRESA = " +
      Num(pfEmpresa) + "   and REV.REVENDA = " + Num(pfRevenda));
  sdsAux->Open();
  bool usa = false;
  pfCNPJ.clear();
  pfUrl.clear();
  if (!sdsAux->IsEmpty()) {
    pfCNPJ = sdsAux->FieldByName("CNPJ").AsText();
    pfUrl = sdsAux->FieldByName("URL_WS_AVONALE").AsText();
    usa = platform::Trim(sdsAux->FieldByName("USA_INTEGRACAO_AVONALE").AsText()) == "S";
  }
  sdsAux->Close();
  return usa;
}

void TddmVeiculoCompartilhadoBDImpl::CredenciaFIB(fi_brasil::TFIBase& pfComando, int32_t pfEmpresa,
                                                  int32_t pfRevenda, const char* pfSufixo) {
  std::string idLoja, key, url;
  BuscaIdLojaKeyFIB(idLoja, key, url, pfEmpresa, pfRevenda);
  fi_brasil::Credencia(pfComando, idLoja, key, url, pfSufixo);
}

}  // namespace veiculo
