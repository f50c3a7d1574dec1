#pragma once
// TddmVeiculoCompartilhadoBDImpl: the module behind the public interface
// TddmVeiculoCompartilhadoBD (veiculo/ddm_veiculo_compartilhado_bd.h, where
// the operations' contracts are). It owns the components (SQL datasets
// "sds...", providers "dsp...", client datasets "cds..."), the value holders,
// the caches and the helpers every subsystem shares; each subsystem defines
// its operations in its own folder.
//
// The components are members of the same names and are also found by name
// (FindComponent), as some operations address them that way. Hosts use the
// interface; tests and the host's demo reach the components through this class.

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo {

namespace platform {
class Component;
class DataSet;
class SqlDataSet;
class Provider;
class ClientDataSet;
}  // namespace platform

namespace costing {
struct DatasCusteio;
struct LinhaCusteio;
struct AvaliacaoCusteio;
struct ValoracaoLinha;
struct FaixasLinha;
struct MemoriaLinha;
}  // namespace costing

namespace pricing {
struct SolucaoLucro;
}  // namespace pricing

namespace fi_brasil {
class TFIBase;
class ImportacaoFechamento;
}  // namespace fi_brasil

class TSalesForce;

class TddmVeiculoCompartilhadoBDImpl final : public TddmVeiculoCompartilhadoBD {
 public:
  TddmVeiculoCompartilhadoBDImpl();
  ~TddmVeiculoCompartilhadoBDImpl() override;

  // ---- Module frame ----
  void InicializaDM() override;
  void FinalizaDM() override;
  void AtribuiConexao(Connection* pfConexao) override;
  void SetaSQLConnection() override;
  void LimpaSQLConnection() override;
  void FechaSds(const std::string& pNomeSds) override;
  void AlteraCommandText(const std::string& pNomeCds, const std::string& pCommandText) override;
  // ---- Parameters, permissions, vehicle ----
  bool LerParametro(int32_t pfEmpresa, int32_t pfRevenda) override;
  bool LerParametroServer(int32_t pfEmpresa, int32_t pfRevenda, DataPacket& pcdsParametro,
                          DataPacket& pcdsRevenda, int32_t& pUB, int32_t& pUF,
                          double& pPis_Cofins) override;
  std::variant<DataPacket, int32_t> BuscaCdsParametro() override;
  bool PermissaoFuncao(int32_t pfUsuario, int32_t pfFuncao) override;
  void BuscaMarca(int32_t pfEmpresa, int32_t pfRevenda) override;
  bool LerVeiculo(int32_t pfEmpresa, const std::string& pfVeiculo, bool pfUtilizaFindKey) override;
  bool LerVeiculoServer(int32_t pfEmpresa, const std::string& pfVeiculo, DataPacket& pcdsVeiculo,
                        DataPacket& pcdsFormulaLinha, bool pfUtilizaFindKey) override;
  // ---- Cost value sources: invoices, present value, registry values ----
  double BuscaValorNotaEntrada(int32_t pfEmpresa, int32_t pfRevenda,
                               const std::string& pfIncidencia,
                               DateTime PDataProcessamento) override;
  double BuscaValorNotaSaida(int32_t pfEmpresa, int32_t pfRevenda,
                             const std::string& pfIdentificacao,
                             const std::string& pfSomarICMSPartRemeDest) override;
  double BuscaValorPresente(int32_t pfEmpresa, int32_t pfIndice, double pfValor, DateTime pfData1,
                            DateTime pfData2, const std::string& pfIncidencia,
                            const std::string& veiculo) override;
  double CalculaValorPresente(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfIndice,
                              const std::string& pfIncidencia, const std::string& pfVeiculo,
                              double pfValor, DateTime pfData1, DateTime pfData2) override;
  double BuscaValorCadastroModelos(int32_t PEmpresa, bool PUsaPrecoEdicao, bool PUsaPrecoPacote,
                                   int32_t PRevenda) override;
  double BuscaValorEdicao(int32_t PEmpresa, const std::string& PModelo,
                          const std::string& PTipoPintura, const std::string& PEdicao,
                          int32_t PAnoModelo) override;
  double BuscaValorPacote(int32_t PEmpresa, const std::string& PPacote, int32_t pAnomodelo,
                          const std::string& pTipoPintura) override;
  double SomaOpcionais(int32_t pfEmpresa, const std::string& pfConsideraOpc,
                       const std::string& pfChassi) override;
  double BuscarValorFichaGama(int32_t Empresa, const std::string& Modelo,
                              const std::string& Chassi) override;
  bool UtilizaNissanDI(const std::string& pfEmpresa, const std::string& pfRevenda) override;
  bool SituacoesVeiculoEstoqueDisponivelVenda(const std::string& pfSituacao) override;
  // ---- Proposal support: lookups, messages, contacts, reservations ----
  void GravaMensagem(DateTime pfDataProcessamento, int32_t pfEmpresa, int32_t pfRevenda,
                     int32_t pfUsuarioOri, int32_t pfUsuarioDes, int32_t pfProposta,
                     const std::string& pfAssunto, const std::string& pfMensagem) override;
  int32_t BuscaProposta(int32_t pfEmpresa, int32_t& pfRevenda, const std::string& pfVeiculo,
                        int32_t pfCliente) override;
  void BuscaDadosProposta(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                          int32_t& pfContato, int32_t& pfCliente, std::string& pfVeiculo,
                          int32_t& pfPropostaFIB, std::string& pfTipoVenda) override;
  std::string BuscaSituacaoProposta(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                                    std::string& pfDescricao) override;
  int32_t BuscaNegociacao(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta) override;
  int32_t BuscaRevendaProposta(int32_t pfEmpresa, int32_t pfProposta,
                               const std::string& pfVeiculo) override;
  std::string BuscaAcessoriosProposta(Connection* pfConexao, int32_t pfEmpresa, int32_t pfRevenda,
                                      int32_t pfProposta, int32_t pfNegociacao) override;
  int32_t BuscaUsuarioVendedor(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta) override;
  int32_t BuscaFornecedor(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                          const std::string& pfTipo) override;
  void CongelaValoresDaProposta(const std::string& pfChassi, int32_t pfEmpresa, int32_t pfRevenda,
                                int32_t pfProposta) override;
  bool GravaDiferencaAvaliacaoSaida(const std::string& pfBancoDados,
                                    const std::string& pfDataProcessamento, int32_t pfEmpresa,
                                    int32_t pfRevenda, int32_t pfProposta, int32_t pfNegociacao,
                                    int32_t pfDifAvaliacaoSaida) override;
  void AtualizaContato(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfContato, int32_t pfProposta,
                       const std::string& pfSituacao, const std::string& pfFormaContato) override;
  int32_t BuscaStatusLeads(int32_t pfEmpresa, int32_t pfRevenda, DateTime pfDataContato,
                           int32_t pfStatusAtual, DateTime pfDataReferencia) override;
  // ---- Proposal and negotiation rejection ----
  std::string RejeitarProposta(Connection* pfConexao, const std::string& pfBancoDados,
                               int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                               int32_t pfUsuario, DateTime pfDataProcessamento,
                               int32_t pfIntegracaoFI, const std::string& pfMotivo,
                               const std::string& pfConcessionaria,
                               const std::string& pfFormaContato, bool pGerarProvidencia,
                               const std::string& pfAcaoRejeicao) override;
  std::string RejeitarPropostaStr(Connection* pfConexao, const std::string& pfBancoDados,
                                  int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                                  int32_t pfUsuario, const std::string& pfDataProcessamento,
                                  DataPacket& pAgenda, int32_t pfIntegracaoFI,
                                  const std::string& pfMotivo, const std::string& pfConcessionaria,
                                  const std::string& pfFormaContato, bool pGerarProvidencia,
                                  const std::string& pfAcaoRejeicao) override;
  std::string RejeitarNegociacao(Connection* pfConexao, const std::string& pfBancoDados,
                                 int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                                 int32_t pfNegociacao, int32_t pfUsuario,
                                 DateTime pfDataProcessamento, int32_t pfIntegracaoFI) override;
  // ---- Managerial approval ----
  std::string AprovacaoGerencialProposta(Connection* pfConexao, const std::string& pfBancoDados,
                                         int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                                         int32_t pfNegociacao, int32_t pfUsuario,
                                         DateTime pfDataProcessamento,
                                         int32_t pfIntegracaoFI) override;
  // ---- Incidence resolution ----
  double BuscaIncidencia(const std::string& pfVeiculo, const std::string& pfFormula,
                         int32_t pfEmpresa, int32_t pfRevenda, int32_t pfLinha, double pfPercentual,
                         DateTime pfDataProcessamento, bool pfAux,
                         const std::string& pfTipo) override;
  DateTime BuscaReferencia(const std::string& pfVeiculo, const std::string& pfFormula,
                           int32_t pfEmpresa, int32_t pfLinha,
                           DateTime pfDataProcessamento) override;
  double BuscaPercentualVariavel(int32_t pfEmpresa, int32_t pfLinhaFormula,
                                 const std::string& pfFormula, double pfPercHistorico,
                                 double pfPercPresente, double pfPercMargemP, double pfPercMargemH,
                                 double pfPercLucroBrutoP, double pfPercLucroBrutoH,
                                 bool& pfEhVariavel) override;
  // ---- Bonus, subsidy, rebate, return and commission ----
  std::string BuscaDadosBonus(const std::string& pfVeiculo, const std::string& pfChassi,
                              const std::string& pfModelo, const std::string& pfEdicao,
                              const std::string& pfPacote, const std::string& pfDataCompra,
                              const std::string& pfDataVenda, int32_t pfEmpresa, int32_t pfAnoFab,
                              int32_t pfAnoMod, int32_t pfPortas, const std::string& pfBonus,
                              int32_t pfTipo) override;
  double BuscaValorBonus(const std::string& pfVeiculo, const std::string& pfChassi,
                         const std::string& pfModelo, const std::string& pfEdicao,
                         const std::string& pfPacote, const std::string& pfDataCompra,
                         const std::string& pfDataVenda, int32_t pfEmpresa, int32_t pfAnoFab,
                         int32_t pfAnoMod, int32_t pfPortas, const std::string& pfBonus) override;
  double BuscaSubsidios(int32_t pfEmpresa, int32_t pfDias, int32_t pfLinha, int32_t pfIndice,
                        const std::string& pfFormula, const std::string& pfVeiculo,
                        const std::string& pfSubsidio, DateTime pfDataProcessamento) override;
  double BuscaRebate(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfIndice, int32_t pfDias,
                     DateTime pfDataInicio, DateTime pfDataFim) override;
  double BuscaRetorno(int32_t pfEmpresa, int32_t pfRevenda, const std::string& pfVeiculo) override;
  double BuscaRetornoLinha(int32_t pfEmpresa, int32_t pfRevenda, const std::string& pfVeiculo,
                           const std::string& pfTipoRetorno) override;
  double BuscaComissaoVendedor(int32_t pfEmpresa, int32_t pfRevenda,
                               const std::string& pfVeiculo) override;
  // ---- Costing evaluation ----
  DataPacket CalculaCusteio(int32_t pEmpresa, int32_t pE, int32_t pR, const std::string& pV,
                            const std::string& pF, double& pControleNovo, double& pValor_PV,
                            double& pLucroHistorico, double& pLucroPresente, double& pValorPresente,
                            double& pPercHistoricoPV, double& pPercPresentePV,
                            double& pPercLucroBrutoP, double& pPercLucroBrutoH,
                            double& pPercMargemP, double& pPercMargemH, double& pPercPresente,
                            double& pPercHistorico, double& pCustoPresente, double& pCustoHistorico,
                            double& pMargemP, double& pMargemH, double& pLucroBrutoP,
                            double& pLucroBrutoH, const DataPacket& pcdsCusteio,
                            const DataPacket& pcdsDatas,
                            const DataPacket& pcdsLocalCadastro) override;
  double CalculaBaseFinanceiro(int32_t pfEmpresa, int32_t pfRevenda, const std::string& pfVeiculo,
                               const std::string& pfFormula, DateTime pfDataProcessamento) override;
  // ---- Vehicle cost calculation and persistence ----
  std::string CalculoCustoVeiculo(Connection* pfConexao, const std::string& pfBancoDados,
                                  const std::string& pfVeiculo, DateTime pfDataRef,
                                  int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                                  int32_t pfNegociacao) override;
  double CalculaCustoContabil(int32_t PEmpresa, int32_t PRevenda, const std::string& PVeiculo,
                              const std::string& PFormula, DateTime PDataProcessamento,
                              const std::string& PTipo) override;
  double BuscaAjustes(const std::string& pfVeiculo, DateTime pfDataProcessamento) override;
  // ---- Calculation query ----
  std::string BuscaCalculoVeiculo(Connection* pfConexao, DataPacket& pfCDSFormula,
                                  int32_t pfEmpresa, const std::string& pfVeiculo,
                                  double pfValVenda) override;

  // The calculation query on a client dataset of the caller's.
  std::string BuscaCalculoVeiculo(Connection* pfConexao, platform::ClientDataSet& pfCDSFormula,
                                  int32_t pfEmpresa, const std::string& pfVeiculo,
                                  double pfValVenda);

  // ---- F&I Brasil sale lifecycle ----
  std::string StatusFIB(int32_t pfEmpresa, int32_t pfRevenda) override;
  std::string IniciaVendaFIB(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                             const std::string& pfVeiculo, double pfValor) override;
  std::string VendasAndamentoFIB(int32_t pfEmpresa, int32_t pfRevenda) override;
  int32_t StatusVendaFIB(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta) override;
  std::string ReabrirVendaFIB(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfPropostaFIB) override;
  std::string FaturaPedido(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta, int32_t pfNota,
                           DateTime pfDataProcessamento) override;
  std::string CancelaFaturamento(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                                 int32_t pfNota) override;
  std::string FechaVendaConfirmadaFIB(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                                      int32_t pfPropostaFIB, int32_t pfStatus,
                                      const std::string& pfChassi) override;

  // ---- F&I Brasil closing import and financial returns ----
  std::string FechaVendaFIB(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                            int32_t pfNegociacao, int32_t pfPropostaFIB,
                            const std::string& pfChassi, DateTime pfDataProcessamento) override;
  int32_t StatusFechaVendaFIB() const override { return iPvStatusFechaVendaFIB; }
  bool GravaRetornoFin(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                       int32_t pfNegociacao, int32_t pfFinanceira, int32_t pfContaFI,
                       const std::string& pfDescricaoFI, double pfValorFI, double pfComissao,
                       DateTime pfDataProcessamento, std::string& pfSQLText,
                       std::string& pfSQLEMessage) override;

  // ---- Sale pricing and stock valuation ----
  double CalculoValorVenda(int32_t PEmpresa, int32_t PRevenda, const std::string& PValorCR,
                           const std::string& PVeiculo, DateTime PDataProcessamento,
                           bool PUsaPrecoEdicao, bool PUsaPrecoPacote,
                           const CallbackMensagem& cbPfMensagem) override;
  double CalculaValorCfeLucroDesejado(int32_t PEmpresa, int32_t PRevenda,
                                      const std::string& PVeiculo,
                                      const std::string& PRentabilidade,
                                      const std::string& PValorizacao, double PPercentual,
                                      DateTime PDataProcessamento, bool PUsaPrecoEdicao,
                                      bool PUsaPrecoPacote, const CallbackMensagem& cbPfMensagem,
                                      const DataPacket& cdsFormulaAlterada,
                                      bool pPassouCds) override;
  double CalculaRentabilidade(int32_t PEmpresa, int32_t PRevenda, const std::string& PVeiculo,
                              const std::string& PRetorno, DateTime PDataProcessamento) override;
  int32_t PassosLucroDesejado() const override { return iPvPassosLucro; }
  std::string AtualizaPrecoMinimo(Connection* pfConexao, const std::string& pfBancoDados,
                                  int32_t pfEmpresa, const std::string& pfModelo,
                                  double pfValMinimo) override;
  DataPacket CalculaEstoqueIntermediario(const DataPacket& pData, DateTime PDataProcessamento,
                                         const CallbackMensagem& cbPfMensagem, bool PUsaPrecoEdicao,
                                         bool PUsaPrecoPacote, bool PListarBonus) override;
  DataPacket CalculaVenda(const DataPacket& pData, DateTime PDataProcessamento,
                          bool PUsaPrecoEdicao, bool PUsaPrecoPacote,
                          const CallbackMensagem& cbPfMensagem, bool PCalculaBonus) override;
  DataPacket CalculaVendaDiasEstoque(const DataPacket& pData, DateTime PDataProcessamento,
                                     bool PUsaPrecoEdicao, bool PUsaPrecoPacote,
                                     const CallbackMensagem& cbPfMensagem, bool PCalculaVendaDireta,
                                     bool PCalculaVenda) override;
  DataPacket AtualizaEstMedio(const DataPacket& pData, DateTime pDataProcessamento) override;
  int32_t CalculoDiasEstoque(int32_t PEmpresa, const std::string& PVeiculo,
                             DateTime PDataProcessamento) override;
  std::string MontaClassificacaoVeiculo() override;

  // ---- Intermediate stock list ----
  DataPacket BuscaEstoqueIntermediario(
      Connection* pfConexao, const std::string& pfBancoDados, const std::string& pfDataRef,
      const std::string& pfDataInicioVenda, const std::string& pfDataFimVenda,
      const std::string& pfChassi, const std::string& pfCodigoVeiculo,
      const std::string& pfAnoModelo, const std::string& pfRevenda, const std::string& pfFamilia,
      const std::string& pfTransDevolucaoVenda, const std::string& pfPacotes,
      const std::string& pfDepartamento, const std::string& pfSituacao,
      const std::string& pfRevendaVendas, const std::string& pfModelo, int32_t pfNovoUsadoTodos,
      int32_t pfConsiderarRevenda, const CallbackMensagem& cbPfMensagem, bool pfListarVenda,
      bool pfListarBonus, bool pfUsaPrecoEdicao, bool pfUsaPrecoPacote, bool pfAtualizaEstMedio,
      bool pfListarPedido, bool pCalcEstoque, bool pICarros) override;

  // ---- CRM staging ----
  void AtualizaSalesforce(int32_t iPfEmpresa, int32_t iPfRevenda, const std::string& sPfVeiculo,
                          const std::string& sPfSubTipo, const std::string& pMarca,
                          const std::string& pDataProcessamento) override;
  void ProcessaSalesForce(const std::string& pDataProcessamento, const std::string& pTipo,
                          const std::string& pSub_Tipo, const std::string& pVeiculo,
                          int32_t pEmpresa, int32_t pRevenda, int32_t pProposta) override;
  void ProcCanSalesForce(const std::string& pDataProcessamento, const std::string& pTipo,
                         const std::string& pSubTipo, const std::string& pVeiculo, int32_t pEmpresa,
                         int32_t pRevenda) override;
  void SalesAtualizaEstoque(int32_t Empresa, int32_t Revenda, const std::string& Veiculo,
                            const std::string& Operacao, DateTime DataProcessamento) override;
  void SalesAtualizaPedido(int32_t Empresa, int32_t Revenda, int32_t Proposta,
                           const std::string& Operacao) override;
  void SalesAtualizaReserva(int32_t Empresa, int32_t Revenda, const std::string& Veiculo,
                            const std::string& Operacao) override;
  void SalesGeraCargaEstoqueOnline(bool UsaPrecoEdicao, bool UsaPrecoPacote, int32_t Empresa,
                                   int32_t Revenda, const std::string& pfBancoDados,
                                   DateTime DataProcessamento) override;

  // ---- Value holders ----
#define HOLDER(type, field)                     \
  type Get##field() const override {            \
    return field;                               \
  }                                             \
  void Set##field(const type& value) override { \
    field = value;                              \
  }
#define HOLDER_NO_ACCESSORS(type, field)
#include "veiculo/value_holders.inc"
#undef HOLDER
#undef HOLDER_NO_ACCESSORS
  double getrPbDeflacaoPagamento() const override {
    return rPbDeflacaoPagamento;
  }
  void setrPbDeflacaoPagamento(double value) override {
    rPbDeflacaoPagamento = value;
  }
  std::vector<ValueHolder> ValueHolders() const override;

  // ---- Component handlers ----
  // The open-time hook of every SQL dataset: adapts its text to the dialect.
  void sdsPadraoBeforeOpen(platform::DataSet& DataSet);
  // Handlers of cdsProposta, installed when the module is created.
  void cdsPropostaAfterPost(platform::DataSet& DataSet);
  void cdsPropostaAfterCancel(platform::DataSet& DataSet);
  void cdsPropostaAfterDelete(platform::DataSet& DataSet);

  // ---- Components ----
  // Finds an owned component by name, without regard to letter case; nullptr when absent.
  platform::Component* FindComponent(const std::string& name) const;
  // Every owned component in component order.
  const std::vector<std::unique_ptr<platform::Component>>& Components() const {
    return components_;
  }

  // Free SQL datasets (SQL set per call) and their providers and client datasets.
  platform::SqlDataSet* sdsAux = nullptr;
  platform::SqlDataSet* sdsConsulta = nullptr;
  platform::SqlDataSet* sdsExecuta = nullptr;
  platform::SqlDataSet* sdsAuxiliar = nullptr;
  platform::SqlDataSet* sdsConsultaLoc = nullptr;
  platform::SqlDataSet* sdsEstoqueIntermediario = nullptr;
  platform::SqlDataSet* sdsAuxConsulta = nullptr;
  platform::Provider* dspAux = nullptr;
  platform::Provider* dspConsulta = nullptr;
  platform::Provider* dspExecuta = nullptr;
  platform::Provider* dspAuxiliar = nullptr;
  platform::Provider* dspEstoqueIntermediario = nullptr;
  platform::ClientDataSet* cdsAuxiliar = nullptr;
  platform::ClientDataSet* cdsEstoqueIntermediario = nullptr;

  // Fixed queries: SQL dataset, provider and client dataset of each stem.
#define VEICULO_COMPONENT_TRIPLE(stem)       \
  platform::SqlDataSet* sds##stem = nullptr; \
  platform::Provider* dsp##stem = nullptr;   \
  platform::ClientDataSet* cds##stem = nullptr;
  VEICULO_COMPONENT_TRIPLE(Veiculo)
  VEICULO_COMPONENT_TRIPLE(FormulaLinha)
  VEICULO_COMPONENT_TRIPLE(Linha)
  VEICULO_COMPONENT_TRIPLE(Despesa)
  VEICULO_COMPONENT_TRIPLE(Indice)
  VEICULO_COMPONENT_TRIPLE(Indice1)
  VEICULO_COMPONENT_TRIPLE(ValorIndice)
  VEICULO_COMPONENT_TRIPLE(Movimento)
  VEICULO_COMPONENT_TRIPLE(MovimentoVeiculo)
  VEICULO_COMPONENT_TRIPLE(Bonus)
  VEICULO_COMPONENT_TRIPLE(BonusPacote)
  VEICULO_COMPONENT_TRIPLE(BonusOpcional)
  VEICULO_COMPONENT_TRIPLE(BonusOpcionalSem)
  VEICULO_COMPONENT_TRIPLE(BonusEdicao)
  VEICULO_COMPONENT_TRIPLE(BonusRevenda)
  VEICULO_COMPONENT_TRIPLE(BonusOpcVei)
  VEICULO_COMPONENT_TRIPLE(Retorno)
  VEICULO_COMPONENT_TRIPLE(RetornoTotal)
  VEICULO_COMPONENT_TRIPLE(Parametro)
  VEICULO_COMPONENT_TRIPLE(Revenda)
  VEICULO_COMPONENT_TRIPLE(RevendaOrigem)
  VEICULO_COMPONENT_TRIPLE(Subsidio)
  VEICULO_COMPONENT_TRIPLE(SubsidioPeriodo)
  VEICULO_COMPONENT_TRIPLE(Edicao)
  VEICULO_COMPONENT_TRIPLE(Proposta)
#undef VEICULO_COMPONENT_TRIPLE
  // Packages are read directly from their SQL datasets (no client dataset).
  platform::SqlDataSet* sdsPacote = nullptr;
  platform::Provider* dspPacote = nullptr;
  platform::SqlDataSet* sdsPacoteAno = nullptr;
  platform::Provider* dspPacoteAno = nullptr;

  // Client datasets the module builds in memory as caches (not components):
  // the valued stock list and the optional sums.
  platform::ClientDataSet* cdsPvEstoqueIntermediario = nullptr;
  platform::ClientDataSet* cdsPvOpcionais = nullptr;

  // ---- Frame state ----
  Connection* GetConexao() const override {
    return Conexao;
  }
  const std::string& BancoDados() const override {
    return sPvBancoDados;
  }
  void SetClock(Clock clock) override {
    clock_ = std::move(clock);
  }
  DateTime Agora() const {
    return clock_();
  }

 private:
  friend class ModuleTestPeer;  // tests reach private state and helpers through it
  // The F&I closing import works with the module's datasets, settings and helpers.
  friend class fi_brasil::ImportacaoFechamento;
  int32_t iPvStatusFechaVendaFIB = 9;  // how the last FechaVendaFIB ended
  // Whether the last FechaVendaConfirmadaFIB failed on a database error
  // (before anything reached the service).
  bool bPvConfirmacaoErroBanco = false;

  void CriaComponentes();

  // Cost value sources used inside the module only.
  double BuscaValorDespesas(int32_t pfEmpresa, int32_t pfRevenda, const std::string& pfVeiculo,
                            const std::string& pfTipoValor, DateTime pfDataProcessamento,
                            const std::string& pfFiltro);
  double BuscaVendaInterna(const std::string& pfBancoDados, int32_t pfEmpresa,
                           const std::string& pfChassi, const std::string& pfTransacoes,
                           DateTime pfDataInicial, DateTime pfDataFinal);
  double BuscaValorDeflacaoPagamento(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                                     int32_t pfNegociacao, int32_t pfIndice,
                                     DateTime pfDataReferencia);
  double BuscaIndice(int32_t pfEmpresa, int32_t pfIndice, DateTime pfData);

  // Proposal support used inside the module only.
  // Called by the F&I closing import when the financing is approved.
  void ProrrogaReservaAprovacaoFI(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                                  DateTime pfDataProcessamento);
  void GravaHistoricoReserva(int32_t pfEmpresa, int32_t pfRevenda, const std::string& pfVeiculo,
                             DateTime pfDataAlteracao, int32_t pfHoras);
  void InstalaEventosProposta();
  // Time stamp of the last message this instance wrote (0: none yet).
  DateTime tPvUltimaMensagem = 0;

  // Proposal rejection used inside the module only (the state of one
  // rejection is defined in src/proposal/rejection.h).
  struct RejeicaoProposta;
  // The checks and the reads they need; "" when the rejection may go on,
  // else the refusal's "NOK|" text.
  std::string RecusaRejeicao(RejeicaoProposta& pRejeicao);
  // The database work of a rejection whose checks passed.
  void GravaRejeicao(const RejeicaoProposta& pRejeicao);
  // The F&I provider's cancellation; "" when done or not needed, else the "NOK|" text.
  std::string CancelaFIRejeicao(const RejeicaoProposta& pRejeicao);
  // Deletes a vehicle created for a direct sale and every row that hangs on it.
  void ExcluiVeiculoDaVenda(int32_t pfEmpresa, const std::string& pfVeiculo);
  // Managerial approval used inside the module only: one approval's state
  // (src/proposal/approval.h) and its steps, each in its own file. A step
  // that refuses returns the "NOK|" text; "" lets the approval go on.
  struct Aprovacao;
  std::string LeDadosAprovacao(Aprovacao& pfAprovacao);
  std::string VerificaUnicidade(Aprovacao& pfAprovacao);
  std::string LeNegociacaoAprovacao(Aprovacao& pfAprovacao);
  void CalculaTributosAproximados(Aprovacao& pfAprovacao);
  std::string VerificaCondicoesAprovacao(Aprovacao& pfAprovacao);
  std::string VerificaPrecoMinimo(Aprovacao& pfAprovacao);
  void AvisaVeiculosSemelhantes(Aprovacao& pfAprovacao);
  std::string VerificaAvaliacoes(Aprovacao& pfAprovacao);
  std::string VerificaDesconto(Aprovacao& pfAprovacao);
  void AprovaERejeitaPropostas(Aprovacao& pfAprovacao);
  // Cancels the F&I Brasil sale of a rejected proposal; false when it could not.
  bool CancelaVendaRival(const Aprovacao& pfAprovacao, int32_t pfProposta);

  // Incidence resolution used inside the module only.
  // The what-if amount of a line from the current row of a client's packet
  // (pfDados) instead of the database; see src/costing/incidence_local.cpp.
  double BuscaIncidenciaLocal(platform::DataSet& pfDados, const std::string& pfIncidencia,
                              bool pfMantemAlterado, double pfValorFixo, double pfPercentual,
                              double pfValorAlterado);
  // The line being resolved, with the dates BuscaIncidencia works with
  // (defined in src/costing/incidence_line.h).
  struct LinhaIncidencia;
  double ValorCodigoIncidencia(const LinhaIncidencia& pfLinha);
  double ValorLinhasBase(const LinhaIncidencia& pfLinha);
  double ValorPisCofinsVenda(const LinhaIncidencia& pfLinha);
  double ValorRebateNotaEntrada(const LinhaIncidencia& pfLinha);
  double ValorPlanilhaBonus(const LinhaIncidencia& pfLinha);
  double AplicaRegrasValor(const LinhaIncidencia& pfLinha, double pfValor);

  // Costing evaluation used inside the module only (the dates, line and
  // totals it works with are in src/costing/costing_line.h).
  // The present value of a line whose incidence is neither "K" nor "8":
  // VAL_HISTORICO carried from the line's reference date to the end date
  // (D2 for base lines, D1 otherwise), in two legs for reference "R".
  double ValorPresenteLinha(int32_t pE, int32_t pR, const std::string& pV, const std::string& pF,
                            const costing::DatasCusteio& pDatas,
                            const costing::LinhaCusteio& pLinha);
  // The percentage of the current costing row: its bands' (posted into the
  // row and cdsFormulaLinha, the financial base recomputed) or its own.
  double PercentualLinhaCusteio(costing::AvaliacaoCusteio& pAvaliacao,
                                const costing::LinhaCusteio& pLinha);
  // The historic and present amounts of the current costing row.
  void ValoresLinhaCusteio(costing::AvaliacaoCusteio& pAvaliacao, costing::LinhaCusteio& pLinha,
                           double pPercentual);

  // Vehicle cost used inside the module only (the state of one costing is
  // defined in src/costing/vehicle_cost.h).
  struct CustoVeiculo;
  // The vehicle's columns and the dealer's settings the costing works with.
  void LeVeiculoCusto(CustoVeiculo& pCusto);
  // The sale value (dPbValorVenda), its present value and the proposal and
  // negotiation in context (iPvProposta, iPvNegociacao).
  void ValorVendaCusto(CustoVeiculo& pCusto);
  void ValorVendaCadastro(CustoVeiculo& pCusto);
  void ValorVendaNotaSaida(CustoVeiculo& pCusto);
  void PropostaCusto(CustoVeiculo& pCusto);
  // The current line of cdsFormulaLinha evaluated, added to the totals and
  // written; deleted lines and the base lines "(" and ")" write nothing.
  void AvaliaLinhaCusto(CustoVeiculo& pCusto);
  // The line's percentage; a band percentage is posted into cdsFormulaLinha
  // and the financial base recomputed with it.
  double PercentualLinhaCusto(CustoVeiculo& pCusto, int32_t pLinha);
  void GravaLinhaCusto(const CustoVeiculo& pCusto, const costing::LinhaCusteio& pLinha,
                       double pPercentual, const std::string& pClienteFI);
  void ExecutaCusto(const std::string& pSql);

  // Due dates of payment conditions and holiday minutes of the calendar.
  DateTime CalculaDataVencimento(int32_t pfEmpresa, int32_t pfCondicao, DateTime pfData);
  int32_t NroFeriados(const std::string& pfBancoDados, int32_t pfEmpresa, int32_t pfRevenda,
                      DateTime pfDiaMarcado, DateTime pfDataInicial, DateTime pfDataFinal);
  // One SQL literal of an insert's value list followed by a comma; see add_sql.cpp.
  std::string AddSQL(const std::string& value, const std::string& type) const;

  // Reads that leave the loaded state alone, used inside the module only.
  // The cost adjustments of a vehicle code in one company (the accounting
  // cost's); SomaAjustes is the sum both readings share, pfFiltroEmpresa ""
  // or a condition on MV.EMPRESA.
  double BuscaAjustesEmpresa(int32_t pfEmpresa, const std::string& pfVeiculo,
                             DateTime pfDataProcessamento);
  double SomaAjustes(const std::string& pfVeiculo, DateTime pfDataProcessamento,
                     const std::string& pfFiltroEmpresa);
  // One column of a dealer's parameter row (VEI_PARAMETRO), read without
  // disturbing the parameters LerParametro loaded; "" without a row.
  std::string ColunaParametro(int32_t pfEmpresa, int32_t pfRevenda, const std::string& pfColuna);

  // F&I Brasil settings used inside the module only.
  // Store id, key and base URL of the dealer, and the return accounts and
  // types (iPvContaRetorno..., sPvTipoCortesia, sPvTipoInterna) the closing
  // import reads; empty and 0 without a settings row.
  void BuscaIdLojaKeyFIB(std::string& pfIdLoja, std::string& pfKey, std::string& pfUrl,
                         int32_t pfEmpresa, int32_t pfRevenda);
  // Puts the dealer's store id, key and endpoint (base URL + pfSufixo) on an
  // F&I Brasil command; raises as fi_brasil::Credencia does for missing settings.
  void CredenciaFIB(fi_brasil::TFIBase& pfComando, int32_t pfEmpresa, int32_t pfRevenda,
                    const char* pfSufixo);
  // The dealer's CNPJ and Avonale URL; true when the Avonale integration is on.
  bool BuscaParametrosFIA(int32_t pfEmpresa, int32_t pfRevenda, std::string& pfCNPJ,
                          std::string& pfUrl);

  // Sale pricing and stock valuation used inside the module only.
  // The amounts of one line of a vehicle's own formula (shared with the
  // vehicle cost; see src/costing/vehicle_line.h).
  // The solver passes the line's memory of its solution (pMemoria), which
  // keeps what does not depend on the sale value from pass to pass; the
  // vehicle cost passes none and resolves everything afresh.
  void ValoraLinhaVeiculo(const costing::ValoracaoLinha& pDados, costing::LinhaCusteio& pLinha,
                          double pPercentual, costing::MemoriaLinha* pMemoria = nullptr);
  // The line's own percentage and its percentage bands, as BuscaPercentualVariavel reads them.
  costing::FaixasLinha LeFaixasLinha(int32_t pfEmpresa, int32_t pfLinhaFormula,
                                     const std::string& pfFormula);
  // One pass of the desired-profit solver over the filtered formula lines
  // (src/pricing/desired_profit.h).
  void PassoLucroDesejado(pricing::SolucaoLucro& pSolucao);
  // The twelve CV_/CVd_ holders from total costs and sale values.
  void GravaResultadosLucro(double pVendaH, double pCustoH, double pPerH, double pVendaP,
                            double pCustoP, double pPerP);
  // Reads the dealer parameters when (company, dealer) differ from the last
  // row's, then the row's vehicle; false when the vehicle is not found.
  bool LeLinhaEstoque(platform::ClientDataSet& pDados, int32_t& pEmpresaAnt, int32_t& pRevendaAnt);
  int32_t iPvPassosLucro = 0;

  // Intermediate stock list used inside the module only: the valued rows
  // kept in cdsPvEstoqueIntermediario, and their values copied into a list
  // that was not valued.
  void GuardaEstoqueValorizado(const DataPacket& pData);
  void CopiaEstoqueValorizado(DataPacket& pData);

  // CRM staging used inside the module only: a staging object for one call,
  // and the latest invoiced or closed proposal of a vehicle (0: none).
  std::unique_ptr<TSalesForce> NovoSalesForce(DateTime pDataProcessamento,
                                              const std::string& pBancoDados);
  int32_t PropostaFaturadaVeiculo(int32_t pfEmpresa, int32_t pfRevenda,
                                  const std::string& pfVeiculo);

  Connection* Conexao = nullptr;
  std::string sPvBancoDados;
  int32_t iPvEmpresaAnt = -1;
  int32_t iPvRevendaAnt = -1;
  Clock clock_;

#define HOLDER(type, field) type field{};
#define HOLDER_NO_ACCESSORS(type, field) type field{};
#include "veiculo/value_holders.inc"
#undef HOLDER
#undef HOLDER_NO_ACCESSORS
  double rPbDeflacaoPagamento = 0;

  std::vector<std::unique_ptr<platform::Component>> components_;
  std::vector<std::unique_ptr<platform::ClientDataSet>> caches_;
};

}  // namespace veiculo
