// The row walk every stock valuation shares: the dealer parameters read again
// only when company or dealer change from one row to the next, then the
// row's vehicle; and the pieces a row's values are made of.

#include <string>

#include "platform/db/client_dataset.h"
#include "platform/format/convert.h"
#include "platform/text.h"
#include "pricing/stock_rows.h"
#include "veiculo/error.h"

namespace veiculo {

namespace pricing {

void VerificaColunas(const platform::ClientDataSet& dados, const char* operacao,
                     std::initializer_list<const char*> colunas) {
  std::string faltam;
  for (const char* coluna : colunas)
    if (!dados.HasField(coluna)) faltam += (faltam.empty() ? "" : ", ") + std::string(coluna);
  if (!faltam.empty())
    throw Error(ErrorCategory::Validation,
                std::string(operacao) + ": the packet lacks the columns " + faltam);
}

std::string FonteVenda(platform::ClientDataSet& dados) {
  if (platform::Trim(dados.FieldByName("NOVO_USADO").AsText()) != "N") return "2";
  return platform::Trim(dados.FieldByName("VCR").AsText());
}

bool FontePrecificavel(const std::string& vcr) {
  return vcr == "1" || vcr == "2" || vcr == "3";
}

double BonusLinha(TddmVeiculoCompartilhadoBD& dm, platform::ClientDataSet& dados,
                  const char* coluna_edicao, double data_processamento) {
  auto texto = [&dados](const char* coluna) { return dados.FieldByName(coluna).AsText(); };
  auto inteiro = [&dados](const char* coluna) {
    return static_cast<int32_t>(dados.FieldByName(coluna).AsInteger());
  };
  auto data = [&dados, data_processamento](const char* coluna) {
    const double d = dados.FieldByName(coluna).AsDateTime();
    return platform::DateToStr(d > 0 ? d : data_processamento);
  };
  return dm.BuscaValorBonus(texto("VEICULO"), texto("CHASSI"), texto("MODELO"),
                            texto(coluna_edicao), texto("PACOTE"), data("DTA_FAT_FABRICA"),
                            data("DTA_VENDA"), inteiro("EMPRESA"), inteiro("ANO_FABRICACAO"),
                            inteiro("ANO_MODELO"), inteiro("NUMERO_PORTAS"), "");
}

}  // namespace pricing

bool TddmVeiculoCompartilhadoBDImpl::LeLinhaEstoque(platform::ClientDataSet& pDados,
                                                    int32_t& pEmpresaAnt, int32_t& pRevendaAnt) {
  const auto empresa = static_cast<int32_t>(pDados.FieldByName("EMPRESA").AsInteger());
  const auto revenda = static_cast<int32_t>(pDados.FieldByName("REVENDA").AsInteger());
  if (empresa != pEmpresaAnt || revenda != pRevendaAnt) {
    LerParametro(empresa, revenda);
    pEmpresaAnt = empresa;
    pRevendaAnt = revenda;
  }
  return LerVeiculo(empresa, pDados.FieldByName("VEICULO").AsText(), false);
}

}  // namespace veiculo
