// The values of a stock list's rows (CalculaEstoqueIntermediario) and the
// sale values of a client's rows (CalculaVenda).
//
// The stock list is walked in company and dealer order, so that the dealer
// parameters are read once per dealer. Each row gets its table price (the
// registry value of a new vehicle, the dealer price of a used one), its days
// in stock when it is in stock or in transit, its sale value when the list's
// source (VCR) is one the pricing knows, and, when asked, the maker's bonuses.

#include <climits>
#include <string>

#include "platform/db/client_dataset.h"
#include "platform/text.h"
#include "pricing/stock_rows.h"

namespace veiculo {
namespace {

int32_t Inteiro(platform::ClientDataSet& dados, const char* coluna) {
  return static_cast<int32_t>(dados.FieldByName(coluna).AsInteger());
}
std::string Texto(platform::ClientDataSet& dados, const char* coluna) {
  return platform::Trim(dados.FieldByName(coluna).AsText());
}

}  // namespace

DataPacket TddmVeiculoCompartilhadoBDImpl::CalculaEstoqueIntermediario(
    const DataPacket& pData, DateTime PDataProcessamento, const CallbackMensagem& cbPfMensagem,
    bool PUsaPrecoEdicao, bool PUsaPrecoPacote, bool PListarBonus) {
  platform::ClientDataSet dados("cdsEstoque");
  dados.SetData(pData);
  pricing::VerificaColunas(dados, "CalculaEstoqueIntermediario",
                           {"EMPRESA", "REVENDA", "VEICULO", "NOVO_USADO", "VCR", "CONTABIL",
                            "TRANSITO", "PRECO_TABELA", "VENDA", "BONUS", "EST_MEDIO"});
  if (PListarBonus)
    pricing::VerificaColunas(dados, "CalculaEstoqueIntermediario",
                             {"CHASSI", "MODELO", "EDICAO", "PACOTE", "DTA_FAT_FABRICA",
                              "DTA_VENDA", "ANO_FABRICACAO", "ANO_MODELO", "NUMERO_PORTAS"});
  dados.SetIndexFieldNames("EMPRESA;REVENDA");

  int32_t empresa_ant = INT32_MIN, revenda_ant = INT32_MIN;
  for (dados.First(); !dados.Eof(); dados.Next()) {
    LeLinhaEstoque(dados, empresa_ant, revenda_ant);
    const int32_t empresa = Inteiro(dados, "EMPRESA");
    const int32_t revenda = Inteiro(dados, "REVENDA");
    const std::string veiculo = dados.FieldByName("VEICULO").AsText();
    const bool novo = Texto(dados, "NOVO_USADO") == "N";

    dados.Edit();
    dados.FieldByName("PRECO_TABELA")
        .SetAsFloat(CalculoValorVenda(empresa, revenda, novo ? "1" : "2", veiculo,
                                      PDataProcessamento, PUsaPrecoEdicao, PUsaPrecoPacote,
                                      cbPfMensagem));
    if (Inteiro(dados, "CONTABIL") == 1 || Inteiro(dados, "TRANSITO") == 1)
      dados.FieldByName("EST_MEDIO")
          .SetAsInteger(CalculoDiasEstoque(empresa, veiculo, PDataProcessamento));
    if (pricing::FontePrecificavel(Texto(dados, "VCR")))
      dados.FieldByName("VENDA").SetAsFloat(
          CalculoValorVenda(empresa, revenda, pricing::FonteVenda(dados), veiculo,
                            PDataProcessamento, PUsaPrecoEdicao, PUsaPrecoPacote, cbPfMensagem));
    if (PListarBonus)
      dados.FieldByName("BONUS").SetAsFloat(
          pricing::BonusLinha(*this, dados, "EDICAO", PDataProcessamento));
    dados.Post();
  }
  return dados.Data();
}

DataPacket TddmVeiculoCompartilhadoBDImpl::CalculaVenda(const DataPacket& pData,
                                                        DateTime PDataProcessamento,
                                                        bool PUsaPrecoEdicao, bool PUsaPrecoPacote,
                                                        const CallbackMensagem& cbPfMensagem,
                                                        bool PCalculaBonus) {
  platform::ClientDataSet dados("cdsVenda");
  dados.SetData(pData);
  pricing::VerificaColunas(dados, "CalculaVenda",
                           {"EMPRESA", "REVENDA", "VEICULO", "NOVO_USADO", "VCR", "VENDA"});
  if (PCalculaBonus)
    pricing::VerificaColunas(
        dados, "CalculaVenda",
        {"BONUS", "CHASSI", "MODELO", "EDICAO_MODELO", "PACOTE", "DTA_FAT_FABRICA", "DTA_VENDA",
         "ANO_FABRICACAO", "ANO_MODELO", "NUMERO_PORTAS"});

  int32_t empresa_ant = INT32_MIN, revenda_ant = INT32_MIN;
  for (dados.First(); !dados.Eof(); dados.Next()) {
    LeLinhaEstoque(dados, empresa_ant, revenda_ant);
    dados.Edit();
    if (pricing::FontePrecificavel(Texto(dados, "VCR")))
      dados.FieldByName("VENDA").SetAsFloat(
          CalculoValorVenda(Inteiro(dados, "EMPRESA"), Inteiro(dados, "REVENDA"),
                            pricing::FonteVenda(dados), dados.FieldByName("VEICULO").AsText(),
                            PDataProcessamento, PUsaPrecoEdicao, PUsaPrecoPacote, cbPfMensagem));
    if (PCalculaBonus)
      dados.FieldByName("BONUS").SetAsFloat(
          pricing::BonusLinha(*this, dados, "EDICAO_MODELO", PDataProcessamento));
    dados.Post();
  }
  return dados.Data();
}

}  // namespace veiculo
