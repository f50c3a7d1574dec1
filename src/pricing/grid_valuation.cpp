// CalculaVendaDiasEstoque: the vehicle grid of a client, each row with its
// days in stock, table price, sale value (when asked), minimum sale price and
// the discount the sale value leaves over that minimum.
//
// A direct sale by the maker (TIPO_VENDA "D" or "F") is priced only when the
// caller asks for direct sales too. A used vehicle's sale value is its dealer
// price; any other takes the dealer's own source (VAL_VEICULO_C_R).

#include <climits>
#include <string>

#include "platform/db/client_dataset.h"
#include "platform/text.h"
#include "pricing/stock_rows.h"

namespace veiculo {

DataPacket TddmVeiculoCompartilhadoBDImpl::CalculaVendaDiasEstoque(
    const DataPacket& pData, DateTime PDataProcessamento, bool PUsaPrecoEdicao,
    bool PUsaPrecoPacote, const CallbackMensagem& cbPfMensagem, bool PCalculaVendaDireta,
    bool PCalculaVenda) {
  platform::ClientDataSet dados("cdsGrade");
  dados.SetData(pData);
  pricing::VerificaColunas(
      dados, "CalculaVendaDiasEstoque",
      {"EMPRESA", "REVENDA", "VEICULO", "NOVO_USADO", "TIPO_VENDA", "Dias Est", "Preço Tabela",
       "Valor Venda", "PRECO_MINIMO_COMERCIALIZACAO", "VAL_DESCONTO"});

  int32_t empresa_ant = INT32_MIN, revenda_ant = INT32_MIN;
  for (dados.First(); !dados.Eof(); dados.Next()) {
    LeLinhaEstoque(dados, empresa_ant, revenda_ant);
    const auto empresa = static_cast<int32_t>(dados.FieldByName("EMPRESA").AsInteger());
    const auto revenda = static_cast<int32_t>(dados.FieldByName("REVENDA").AsInteger());
    const std::string veiculo = dados.FieldByName("VEICULO").AsText();
    const std::string novo_usado = platform::Trim(dados.FieldByName("NOVO_USADO").AsText());
    const std::string tipo_venda = platform::Trim(dados.FieldByName("TIPO_VENDA").AsText());
    auto valor_venda = [&](const std::string& fonte) {
      return CalculoValorVenda(empresa, revenda, fonte, veiculo, PDataProcessamento,
                               PUsaPrecoEdicao, PUsaPrecoPacote, cbPfMensagem);
    };

    dados.Edit();
    dados.FieldByName("Dias Est")
        .SetAsInteger(CalculoDiasEstoque(empresa, veiculo, PDataProcessamento));
    dados.FieldByName("Preço Tabela").SetAsFloat(valor_venda(novo_usado == "N" ? "1" : "2"));
    const bool venda_direta = tipo_venda == "D" || tipo_venda == "F";
    if (venda_direta ? PCalculaVendaDireta && PCalculaVenda : PCalculaVenda)
      dados.FieldByName("Valor Venda").SetAsFloat(valor_venda(novo_usado == "U" ? "2" : ""));
    const double minimo = cdsVeiculo->FieldByName("PRECO_MINIMO_COMERCIALIZACAO").AsFloat();
    dados.FieldByName("PRECO_MINIMO_COMERCIALIZACAO").SetAsFloat(minimo);
    dados.FieldByName("VAL_DESCONTO")
        .SetAsFloat(dados.FieldByName("Valor Venda").AsFloat() - minimo);
    dados.Post();
  }
  return dados.Data();
}

}  // namespace veiculo
