// BuscaEstoqueIntermediario: the intermediate stock list of a company, run on
// sdsEstoqueIntermediario, optionally valued, with the valued rows kept in the
// module (cdsPvEstoqueIntermediario, index IDX_CHAVE on EMPRESA;VEICULO) so
// that a later list without valuation shows the values of the last valued one.

#include <string>
#include <utility>

#include "module/ddm_veiculo_compartilhado_bd_impl.h"
#include "platform/db/client_dataset.h"
#include "platform/db/sql_dataset.h"
#include "platform/format/convert.h"
#include "platform/text.h"
#include "pricing/stock_list_sql.h"
#include "veiculo/error.h"

namespace veiculo {
namespace {

// A date text of the caller; empty gives `vazia`, anything that is not a
// local date (and time) raises naming the parameter.
double DataDoTexto(const std::string& texto, const char* parametro, double vazia) {
  if (platform::Trim(texto).empty()) return vazia;
  double data = 0;
  if (!platform::TryStrToDateTime(platform::Trim(texto), data))
    throw Error(ErrorCategory::Validation,
                std::string(parametro) + ": '" + texto + "' is not a valid date");
  return data;
}

// Closes the dataset however the query ends.
class FechaAoSair {
 public:
  explicit FechaAoSair(platform::SqlDataSet& dataset) : dataset_(dataset) {}
  ~FechaAoSair() { dataset_.Close(); }
  FechaAoSair(const FechaAoSair&) = delete;
  FechaAoSair& operator=(const FechaAoSair&) = delete;

 private:
  platform::SqlDataSet& dataset_;
};

int Coluna(const DataPacket& data, const char* nome) {
  const int indice = data.FieldIndex(nome);
  if (indice < 0)
    throw Error(ErrorCategory::NotFound, std::string("stock list without the column ") + nome);
  return indice;
}

}  // namespace

DataPacket TddmVeiculoCompartilhadoBDImpl::BuscaEstoqueIntermediario(
    Connection* pfConexao, const std::string& pfBancoDados, const std::string& pfDataRef,
    const std::string& pfDataInicioVenda, const std::string& pfDataFimVenda,
    const std::string& pfChassi, const std::string& pfCodigoVeiculo, const std::string& pfAnoModelo,
    const std::string& pfRevenda, const std::string& pfFamilia,
    const std::string& pfTransDevolucaoVenda, const std::string& pfPacotes,
    const std::string& pfDepartamento, const std::string& pfSituacao,
    const std::string& pfRevendaVendas, const std::string& pfModelo, int32_t pfNovoUsadoTodos,
    int32_t pfConsiderarRevenda, const CallbackMensagem& cbPfMensagem, bool pfListarVenda,
    bool pfListarBonus, bool pfUsaPrecoEdicao, bool pfUsaPrecoPacote, bool pfAtualizaEstMedio,
    bool pfListarPedido, bool pCalcEstoque, bool pICarros) {
  if (pfConexao == nullptr)
    throw Error(ErrorCategory::Validation, "BuscaEstoqueIntermediario: no connection");
  AtribuiConexao(pfConexao);

  pricing::FiltrosEstoque filtros;
  // Literals follow the dialect the connection was bound with; the kind the
  // caller names serves only when the driver name told none.
  filtros.banco_dados = sPvBancoDados.empty() ? pfBancoDados : sPvBancoDados;
  filtros.data_ref = DataDoTexto(pfDataRef, "pfDataRef", Agora());
  filtros.inicio_venda = DataDoTexto(pfDataInicioVenda, "pfDataInicioVenda", 0);
  filtros.fim_venda = DataDoTexto(pfDataFimVenda, "pfDataFimVenda", 0);
  filtros.chassi = pfChassi;
  filtros.codigo_veiculo = pfCodigoVeiculo;
  filtros.ano_modelo = pfAnoModelo;
  filtros.revendas = pfRevenda;
  filtros.familias = pfFamilia;
  filtros.trans_devolucao = pfTransDevolucaoVenda;
  filtros.pacotes = pfPacotes;
  filtros.departamentos = pfDepartamento;
  filtros.situacoes = pfSituacao;
  filtros.revendas_vendas = pfRevendaVendas;
  filtros.modelos = pfModelo;
  filtros.novo_usado_todos = pfNovoUsadoTodos;
  filtros.considerar_revenda = pfConsiderarRevenda;
  filtros.listar_venda = pfListarVenda;
  filtros.listar_pedido = pfListarPedido;
  filtros.icarros = pICarros;
  const std::string sql = pricing::SqlEstoqueIntermediario(filtros);

  DataPacket data;
  {
    FechaAoSair fecha(*sdsEstoqueIntermediario);
    sdsEstoqueIntermediario->Close();
    sdsEstoqueIntermediario->SetCommandText(sql);
    sdsEstoqueIntermediario->Open();
    platform::QueryRows rows = sdsEstoqueIntermediario->TakeRows();
    data.fields = *rows.columns;
    data.rows = std::move(rows.rows);
  }

  if (pCalcEstoque) {
    data = CalculaEstoqueIntermediario(data, filtros.data_ref, cbPfMensagem, pfUsaPrecoEdicao,
                                       pfUsaPrecoPacote, pfListarBonus);
    GuardaEstoqueValorizado(data);
  } else {
    CopiaEstoqueValorizado(data);
  }
  if (pfAtualizaEstMedio) data = AtualizaEstMedio(data, filtros.data_ref);
  return data;
}

void TddmVeiculoCompartilhadoBDImpl::GuardaEstoqueValorizado(const DataPacket& pData) {
  cdsPvEstoqueIntermediario->Close();
  cdsPvEstoqueIntermediario->IndexDefs = {{"IDX_CHAVE", "EMPRESA;VEICULO"}};
  cdsPvEstoqueIntermediario->SetData(pData);
  cdsPvEstoqueIntermediario->SetIndexName("IDX_CHAVE");
}

void TddmVeiculoCompartilhadoBDImpl::CopiaEstoqueValorizado(DataPacket& pData) {
  if (!cdsPvEstoqueIntermediario->Active()) return;
  const int empresa = Coluna(pData, "EMPRESA");
  const int veiculo = Coluna(pData, "VEICULO");
  const char* const kValores[] = {"PRECO_TABELA", "EST_MEDIO", "VENDA", "BONUS"};
  for (DataPacket::Row& row : pData.rows) {
    // An order not yet a vehicle has no code: nothing of the copy is its own.
    if (row[static_cast<size_t>(veiculo)].IsNull()) continue;
    if (!cdsPvEstoqueIntermediario->FindKey(
            {row[static_cast<size_t>(empresa)], row[static_cast<size_t>(veiculo)]}))
      continue;
    for (const char* nome : kValores)
      row[static_cast<size_t>(Coluna(pData, nome))] =
          cdsPvEstoqueIntermediario->FieldByName(nome).AsValue();
  }
}

}  // namespace veiculo
