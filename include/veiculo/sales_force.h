#pragma once
// TSalesForce: writes the staging rows the makers' CRM integrations read
// (stock events, reservations, orders) and produces the initial stock and
// customer loads. A separate sender transmits the pending rows ('P') and
// writes back their return codes; this class never updates a staging row
// after writing it.
//
// One object serves one call of the host: it is given the processing date
// and the database kind, binds its datasets to the caller's connection on
// first use and is released afterwards. It never begins, commits or rolls
// back a transaction. Database errors raise veiculo::Error (database); a
// vehicle that is not a new vehicle of the dealer's CRM brand, or that is not
// available for sale where an operation requires it, writes nothing and
// raises nothing.
//
// Values written into staging rows are bound as parameters; texts spliced
// into the load queries are quoted with their quotes doubled.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace veiculo {

class Connection;

// Stock events, in the order the staging status tables list them.
enum class TOperacaoEstoque {
  Transito,
  Estoque,
  Transferencia,
  Faturado,
  Reservado,
  Alocado,
  Inclusao,
  BloqQualidade,
  BloqComercial,
  Devolvido,
  Imobilizado
};
enum class TOperacaoReserva { Disponivel, Reserva };
enum class TOperacaoPedido { Cancelar, Faturar, Enviado };

namespace salesforce {
struct Componentes;
struct TEstoque;
struct TEstoqueFull;
struct TReserva;
struct LinhaCarga;
struct ParametrosCarga;
}  // namespace salesforce

class TSalesForce {
 public:
  TSalesForce();
  ~TSalesForce();
  TSalesForce(const TSalesForce&) = delete;
  TSalesForce& operator=(const TSalesForce&) = delete;

  // The business date of the call (days since 30/12/1899).
  double DataProcessamento = 0;
  // "ORACLE"/"OR", "INTERBASE"/"IB", "SQLSERVER" or "INFORMIX": the form of
  // the date literals of the load queries (DataSql).
  std::string BancoDados;
  // "Now": the inclusion and last-update stamps of the rows written (the
  // system clock unless a host or test sets another).
  std::function<double()> Agora;
  // Progress of the stock loads: rows done and rows in all, after each row.
  std::function<void(int feitos, int total)> Progresso;

  // ---- Stock, reservation and order events ----
  // One stock event of a new vehicle of the CRM brand: REN_SALES_FULL_ESTOQUE
  // when the dealer uses the full integration, else REN_SALES_ESTOQUE.
  // Transferencia, Reservado, Alocado and Inclusao need the vehicle to be
  // available for sale.
  void AtualizaEstoque(Connection* pConexao, int32_t pEmpresa, int32_t pRevenda,
                       const std::string& pVeiculo, TOperacaoEstoque pOperacao);
  // One reservation event (REN_SALES_FULL_RESERVA) of a new vehicle of the
  // CRM brand: 'R' reserved, 'D' released.
  void AtualizaReserva(Connection* pConexao, int32_t pEmpresa, int32_t pRevenda,
                       const std::string& pVeiculo, TOperacaoReserva pOperacao);
  // The proposal's order row (REN_SALES_PEDIDO): status 'C', 'E' or 'F', the
  // sale values and customer data when invoiced; a cancellation also releases
  // the vehicle's reservation. Nothing without a new vehicle of the CRM brand.
  void AtualizaPedido(Connection* pConexao, int32_t pEmpresa, int32_t pRevenda, int32_t pProposta,
                      TOperacaoPedido pOperacao);
  // The order rows of the other maker's integration (FOR_SALES_PEDIDO):
  // "Canceled" or "Billed", by the vehicle's chassis (of this company) or by
  // the proposal number. Enviado writes nothing.
  void AtualizaPedidoFord(Connection* pConexao, int32_t pEmpresa, int32_t pRevenda,
                          const std::string& pVeiculo, TOperacaoPedido pOperacao);
  void AtualizaPedidoFord(Connection* pConexao, int32_t pEmpresa, int32_t pRevenda,
                          int32_t pProposta, TOperacaoPedido pOperacao);

  // ---- Initial loads ----
  // One stock row per new vehicle of the dealer in stock (and, under the full
  // integration, one per vehicle invoiced or returned since
  // REN_PARAMETRO.DTA_ULT_FATURAMENTO, which then moves to the latest invoice
  // processed). Sale values by the dealer's source, with the edition and
  // package prices when asked. Returns the rows written.
  int GeraCargaEstoqueOnline(Connection* pConexao, bool pUsaPrecoEdicao, bool pUsaPrecoPacote,
                             int32_t pEmpresa, int32_t pRevenda);
  // The same stock as a file: a header line of the record's property names
  // joined by ",", then one record a vehicle. Returns the records written.
  int GeraCargaEstoque(const std::string& pArquivo, Connection* pConexao, bool pUsaPrecoEdicao,
                       bool pUsaPrecoPacote, int32_t pEmpresa, int32_t pRevenda);
  // The customers of the dealer as a file, the same way. Returns the records written.
  int GeraCargaClientes(const std::string& pArquivo, Connection* pConexao, int32_t pEmpresa,
                        int32_t pRevenda);

  // ---- Lookups ----
  // "076" followed by the dealer's REN_PARAMETRO.NUMERO_DN; "5555555" for a
  // stored 55555; "" without a dealer number.
  std::string BuscaNumeroDN(int32_t pEmpresa, int32_t pRevenda);
  // A new vehicle ('N') whose family's brand is "RENA".
  bool VeiculoNovo(int32_t pEmpresa, const std::string& pVeiculo);
  // Its situation is available for sale ('S') and in the stock location ('E').
  bool VeiculoDisponivelSales(int32_t pEmpresa, const std::string& pVeiculo);
  // "OPCIONAL_PUB - DES_OPCIONAL" of the chassis' optionals, joined by "; ".
  std::string RetornaOpcionais(int32_t pEmpresa, const std::string& pChassi,
                               const std::string& pModelo);
  // The stock status letter of a vehicle in the loads: 'D', replaced in turn
  // by 'T' (transit situation), 'Q' (in the quality-block list), 'C' (in the
  // commercial-block list), 'R' (reserved after the processing date), 'A'
  // (approved proposal) and 'M' (situation "IM"). Lists are comma-separated.
  std::string MontaStatusVeiculo(double pFimReserva, const std::string& pSituacao,
                                 const std::string& pSituacaoTransito,
                                 const std::string& pBloqQualidade,
                                 const std::string& pBloqComercial, int32_t pProposta) const;
  // A date literal of the load queries for BancoDados; "0" for date 0.
  std::string DataSql(double pData, bool pComHora) const;
  // Runs one statement on the statement dataset.
  void ExecutaComando(const std::string& pComando);

  // ---- Text utilities ----
  // Cuts a full name at its first blank: the first name and the rest (trimmed).
  static void SeparaNomeSobrenome(const std::string& pNomeCompleto, std::string& pNome,
                                  std::string& pSobrenome);
  // The dealer's marital-status code (FAT_PESSOA_FISICA.ESTADO_CIVIL) as the
  // CRM text: 2-4 married, 1 single, 6 and 8 divorced or separated, 7
  // widowed, anything else undefined.
  static std::string ConverteEstadoCivil(int32_t pEstadoCivil);
  // The number of a street address ("Rua A, 120" -> "120"), "S/N" without one;
  // pRua receives the street without it.
  static std::string BuscaNroVia(const std::string& pEndereco, std::string& pRua);
  // Area code and number as one text ("51" "33334444" -> "5133334444"); ""
  // without a number.
  static std::string Telefone(int64_t pDDD, int64_t pNumero);

 private:
  void CriaDataSets(Connection* pConexao);
  void AlimentaEstoque(int32_t pEmpresa, int32_t pRevenda, const std::string& pVeiculo,
                       salesforce::TEstoque& pEstoque);
  void AlimentaEstoqueFull(int32_t pEmpresa, int32_t pRevenda, const std::string& pVeiculo,
                           salesforce::TEstoqueFull& pEstoque);
  void AlimentaReserva(int32_t pEmpresa, int32_t pRevenda, const std::string& pVeiculo,
                       salesforce::TReserva& pReserva, bool& pAchou);
  void IncluirEstoque(const salesforce::TEstoque& pEstoque);
  void IncluirEstoqueFull(const salesforce::TEstoqueFull& pEstoque);
  void IncluirReserva(const salesforce::TReserva& pReserva);
  void AtualizaEstoqueCargaInicial(TOperacaoEstoque pOperacao, const salesforce::LinhaCarga& pLinha,
                                   const std::string& pNumeroDN);
  void AtualizaEstoqueFullCargaInicial(TOperacaoEstoque pOperacao,
                                       const salesforce::LinhaCarga& pLinha,
                                       const std::string& pNumeroDN);
  // The sale value of one vehicle by a private module bound to the same connection.
  double PrecoVeiculo(int32_t pEmpresa, int32_t pRevenda, const std::string& pVeiculo,
                      const std::string& pValorCR, bool pUsaPrecoEdicao, bool pUsaPrecoPacote);
  // The dealer's load settings, and its new vehicles in stock as the loads
  // send them (priced, in vehicle order; other brands come unpriced).
  void LeParametrosCarga(int32_t pEmpresa, int32_t pRevenda, salesforce::ParametrosCarga& pPar);
  std::vector<salesforce::LinhaCarga> LeEstoqueCarga(int32_t pEmpresa, int32_t pRevenda,
                                                     const salesforce::ParametrosCarga& pPar);
  void PrecificaCarga(std::vector<salesforce::LinhaCarga>& pLinhas, int32_t pEmpresa,
                      int32_t pRevenda, bool pUsaPrecoEdicao, bool pUsaPrecoPacote);
  // Full integration: the vehicles invoiced or returned since the last pass.
  int CargaFaturados(int32_t pEmpresa, int32_t pRevenda, const std::string& pNumeroDN);
  void GravaDadosVenda(int32_t pEmpresa, int32_t pRevenda, int32_t pProposta,
                       const std::string& pNumeroDN, int32_t pCliente);
  double Now() const;

  std::unique_ptr<salesforce::Componentes> c_;
  bool bDataSetsCriados = false;
};

}  // namespace veiculo
