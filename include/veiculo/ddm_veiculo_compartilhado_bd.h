#pragma once
// TddmVeiculoCompartilhadoBD: the data module that carries every vehicle-domain
// server operation.
//
// The host creates it, calls InicializaDM once, binds its connection with
// AtribuiConexao (or through an operation that receives the connection), calls
// operations and finally FinalizaDM. One instance serves one call at a time;
// between calls it keeps state only in its value holders, its parameter cache
// and the client datasets that serve as caches.
//
// The module never begins, commits or rolls back a transaction. Operations of
// the costing and value sources raise veiculo::Error on database failures;
// workflow operations turn failures into status texts.
//
// The components of the module (SQL datasets "sds...", providers "dsp...",
// client datasets "cds...") are members of the same names and are also found
// by name (FindComponent), as some operations address them that way.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "veiculo/data_packet.h"

namespace veiculo {

class Connection;

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
}  // namespace costing

class TddmVeiculoCompartilhadoBD {
 public:
  // A date-time as the module counts it: days since 30/12/1899, fraction = time of day.
  using DateTime = double;
  // "Now" as the module sees it (the system clock unless a host or test sets another).
  using Clock = std::function<DateTime()>;

  TddmVeiculoCompartilhadoBD();
  ~TddmVeiculoCompartilhadoBD();
  TddmVeiculoCompartilhadoBD(const TddmVeiculoCompartilhadoBD&) = delete;
  TddmVeiculoCompartilhadoBD& operator=(const TddmVeiculoCompartilhadoBD&) = delete;

  // ---- Module frame ----
  void InicializaDM();
  void FinalizaDM();
  // Binds the connection to every SQL dataset (closing them) and chooses the
  // dialect from its driver name.
  void AtribuiConexao(Connection* pfConexao);
  void SetaSQLConnection();
  void LimpaSQLConnection();
  // Throws veiculo::Error (not found) for a name that is not a component.
  void FechaSds(const std::string& pNomeSds);
  void AlteraCommandText(const std::string& pNomeCds, const std::string& pCommandText);
  // The open-time hook of every SQL dataset: adapts its text to the dialect.
  void sdsPadraoBeforeOpen(platform::DataSet& DataSet);

  // ---- Parameters, permissions, vehicle ----
  bool LerParametro(int32_t pfEmpresa, int32_t pfRevenda);
  bool LerParametroServer(int32_t pfEmpresa, int32_t pfRevenda, DataPacket& pcdsParametro,
                          DataPacket& pcdsRevenda, int32_t& pUB, int32_t& pUF,
                          double& pPis_Cofins);
  // The packet of cdsParametro when it is open; otherwise the integer 1.
  std::variant<DataPacket, int32_t> BuscaCdsParametro();
  bool PermissaoFuncao(int32_t pfUsuario, int32_t pfFuncao);
  void BuscaMarca(int32_t pfEmpresa, int32_t pfRevenda);
  bool LerVeiculo(int32_t pfEmpresa, const std::string& pfVeiculo, bool pfUtilizaFindKey);
  bool LerVeiculoServer(int32_t pfEmpresa, const std::string& pfVeiculo, DataPacket& pcdsVeiculo,
                        DataPacket& pcdsFormulaLinha, bool pfUtilizaFindKey);

  // ---- Cost value sources: invoices, present value, registry values ----
  // One value of the current vehicle's entry invoice, selected by an incidence code.
  double BuscaValorNotaEntrada(int32_t pfEmpresa, int32_t pfRevenda,
                               const std::string& pfIncidencia, DateTime PDataProcessamento);
  // One value of the current vehicle's exit invoice, selected by an identification code.
  double BuscaValorNotaSaida(int32_t pfEmpresa, int32_t pfRevenda,
                             const std::string& pfIdentificacao,
                             const std::string& pfSomarICMSPartRemeDest);
  // A value carried from pfData1 to pfData2 by an index or the vehicle's financing plan.
  double BuscaValorPresente(int32_t pfEmpresa, int32_t pfIndice, double pfValor, DateTime pfData1,
                            DateTime pfData2, const std::string& pfIncidencia,
                            const std::string& veiculo);
  double CalculaValorPresente(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfIndice,
                              const std::string& pfIncidencia, const std::string& pfVeiculo,
                              double pfValor, DateTime pfData1, DateTime pfData2);
  // The registry sale value of the current vehicle and its pieces.
  double BuscaValorCadastroModelos(int32_t PEmpresa, bool PUsaPrecoEdicao, bool PUsaPrecoPacote,
                                   int32_t PRevenda);
  double BuscaValorEdicao(int32_t PEmpresa, const std::string& PModelo,
                          const std::string& PTipoPintura, const std::string& PEdicao,
                          int32_t PAnoModelo);
  double BuscaValorPacote(int32_t PEmpresa, const std::string& PPacote, int32_t pAnomodelo,
                          const std::string& pTipoPintura);
  double SomaOpcionais(int32_t pfEmpresa, const std::string& pfConsideraOpc,
                       const std::string& pfChassi);
  double BuscarValorFichaGama(int32_t Empresa, const std::string& Modelo, const std::string& Chassi);
  bool UtilizaNissanDI(const std::string& pfEmpresa, const std::string& pfRevenda);
  bool SituacoesVeiculoEstoqueDisponivelVenda(const std::string& pfSituacao);

  // ---- Proposal support: lookups, messages, contacts, reservations ----
  // Lookups report a missing row by a neutral result (0, -1, 1 for the
  // negotiation, "0" for the situation, empty text); database errors raise.
  //
  // A message to a user, also filed under the proposal when pfProposta > 0.
  // Two messages of one instance are stamped at least a second apart.
  void GravaMensagem(DateTime pfDataProcessamento, int32_t pfEmpresa, int32_t pfRevenda,
                     int32_t pfUsuarioOri, int32_t pfUsuarioDes, int32_t pfProposta,
                     const std::string& pfAssunto, const std::string& pfMensagem);
  // The proposal that holds a vehicle (pfCliente -1: any customer); pfRevenda
  // receives its dealer, and is left alone when there is none (result 0).
  int32_t BuscaProposta(int32_t pfEmpresa, int32_t& pfRevenda, const std::string& pfVeiculo,
                        int32_t pfCliente);
  void BuscaDadosProposta(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                          int32_t& pfContato, int32_t& pfCliente, std::string& pfVeiculo,
                          int32_t& pfPropostaFIB, std::string& pfTipoVenda);
  // The situation code ("F" for a pending front-cashier record of the
  // contact); pfDescricao receives its description, unchanged for an unlisted code.
  std::string BuscaSituacaoProposta(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                                    std::string& pfDescricao);
  int32_t BuscaNegociacao(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta);
  int32_t BuscaRevendaProposta(int32_t pfEmpresa, int32_t pfProposta, const std::string& pfVeiculo);
  // "code;description;value;adds|" per accessory of the negotiation.
  std::string BuscaAcessoriosProposta(Connection* pfConexao, int32_t pfEmpresa, int32_t pfRevenda,
                                      int32_t pfProposta, int32_t pfNegociacao);
  int32_t BuscaUsuarioVendedor(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta);
  // The customer that supplies a courtesy: kind "1" the salesperson (else the
  // dealer), any other kind the dealer; -1 when there is none.
  int32_t BuscaFornecedor(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                          const std::string& pfTipo);
  void CongelaValoresDaProposta(const std::string& pfChassi, int32_t pfEmpresa, int32_t pfRevenda,
                                int32_t pfProposta);
  // Books a trade-in over-allowance as a vehicle expense; false on any failure.
  bool GravaDiferencaAvaliacaoSaida(const std::string& pfBancoDados,
                                    const std::string& pfDataProcessamento, int32_t pfEmpresa,
                                    int32_t pfRevenda, int32_t pfProposta, int32_t pfNegociacao,
                                    int32_t pfDifAvaliacaoSaida);
  // pfSituacao "CANCELAR", "REABRIR" or "APROVAR"; any other raises
  // veiculo::Error (validation) before anything is written, as does a contact
  // form that is not a number.
  void AtualizaContato(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfContato, int32_t pfProposta,
                       const std::string& pfSituacao, const std::string& pfFormaContato);
  int32_t BuscaStatusLeads(int32_t pfEmpresa, int32_t pfRevenda, DateTime pfDataContato,
                           int32_t pfStatusAtual, DateTime pfDataReferencia);
  // Handlers of cdsProposta, installed when the module is created.
  void cdsPropostaAfterPost(platform::DataSet& DataSet);
  void cdsPropostaAfterCancel(platform::DataSet& DataSet);
  void cdsPropostaAfterDelete(platform::DataSet& DataSet);

  // ---- Incidence resolution ----
  // The amount of one line of a costing formula: the value its incidence code
  // draws on (sale value, entry or exit invoice, expenses, bonuses, returns,
  // ...), replaced by the auxiliary value (pfAux), the line's fixed amount or
  // the band fixed amount, times pfPercentual / 100 when pfPercentual >= 0, and
  // turned into ISSQN when the line asks for it. pfTipo "$" makes incidence "C"
  // include the formula's base lines. Reads the vehicle loaded by LerVeiculo
  // and the parameters of LerParametro; 0 when the line does not exist.
  double BuscaIncidencia(const std::string& pfVeiculo, const std::string& pfFormula,
                         int32_t pfEmpresa, int32_t pfRevenda, int32_t pfLinha,
                         double pfPercentual, DateTime pfDataProcessamento, bool pfAux,
                         const std::string& pfTipo);
  // The line's reference date for present value (0 when none). Throws
  // veiculo::Error (validation) when the line's DIA is not a day of a month.
  DateTime BuscaReferencia(const std::string& pfVeiculo, const std::string& pfFormula,
                           int32_t pfEmpresa, int32_t pfLinha, DateTime pfDataProcessamento);
  // The line's percentage, or the one of the last band whose range holds the
  // profitability figure the band names; -999999999.0 when the line has none.
  // Sets dPvValorFixo to the band fixed amount of a matching band without a
  // percentage (-999999999.0 otherwise); pfEhVariavel is false without bands.
  double BuscaPercentualVariavel(int32_t pfEmpresa, int32_t pfLinhaFormula,
                                 const std::string& pfFormula, double pfPercHistorico,
                                 double pfPercPresente, double pfPercMargemP, double pfPercMargemH,
                                 double pfPercLucroBrutoP, double pfPercLucroBrutoH,
                                 bool& pfEhVariavel);

  // ---- Bonus, subsidy, rebate, return and commission ----
  // The maker's bonuses the vehicle qualifies for, by pfTipo: 1 the total value
  // as text, 2 the notice number of the first, 3 every notice number (one a
  // line), 4 "bonus;group;notice;value§" per bonus. Dates are local date texts.
  std::string BuscaDadosBonus(const std::string& pfVeiculo, const std::string& pfChassi,
                              const std::string& pfModelo, const std::string& pfEdicao,
                              const std::string& pfPacote, const std::string& pfDataCompra,
                              const std::string& pfDataVenda, int32_t pfEmpresa, int32_t pfAnoFab,
                              int32_t pfAnoMod, int32_t pfPortas, const std::string& pfBonus,
                              int32_t pfTipo);
  // The total value of those bonuses (0 when none).
  double BuscaValorBonus(const std::string& pfVeiculo, const std::string& pfChassi,
                         const std::string& pfModelo, const std::string& pfEdicao,
                         const std::string& pfPacote, const std::string& pfDataCompra,
                         const std::string& pfDataVenda, int32_t pfEmpresa, int32_t pfAnoFab,
                         int32_t pfAnoMod, int32_t pfPortas, const std::string& pfBonus);
  // The maker's financing subsidy over the first pfDias days, at the processing date.
  double BuscaSubsidios(int32_t pfEmpresa, int32_t pfDias, int32_t pfLinha, int32_t pfIndice,
                        const std::string& pfFormula, const std::string& pfVeiculo,
                        const std::string& pfSubsidio, DateTime pfDataProcessamento);
  // What the financial base gains by being paid pfDias days after pfDataInicio
  // rather than at pfDataFim; never negative.
  double BuscaRebate(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfIndice, int32_t pfDias,
                     DateTime pfDataInicio, DateTime pfDataFim);
  // Net financing returns (return - commission - withholding) of the proposal
  // and negotiation in context.
  double BuscaRetorno(int32_t pfEmpresa, int32_t pfRevenda, const std::string& pfVeiculo);
  // The same for one return type; keeps the return's customer as the F&I customer.
  double BuscaRetornoLinha(int32_t pfEmpresa, int32_t pfRevenda, const std::string& pfVeiculo,
                           const std::string& pfTipoRetorno);
  // The salesperson's commission of the vehicle's proposal on BaseComissaoVendedor.
  double BuscaComissaoVendedor(int32_t pfEmpresa, int32_t pfRevenda, const std::string& pfVeiculo);

  // ---- Costing evaluation ----
  // Evaluates a costing formula line by line: fills VAL_HISTORICO and
  // VAL_PRESENTE of every row of pcdsCusteio and returns it. The totals
  // (pCusto..., pLucroBruto..., pMargem...) and pControleNovo are added to,
  // so the caller starts them at 0; the profits and percentages are computed
  // from them after each line. pcdsDatas holds five rows whose first field is
  // a date: the end of the present-value period, the end for base lines, the
  // reference and the second-leg start of "R" lines, the processing date.
  // pV empty evaluates locally from the first row of pcdsLocalCadastro
  // (VALOR_VENDA, PRECO_REPOSICAO, ...). Leaves Base_Financeiro,
  // BaseComissaoVendedor and PrecoAVista set and band percentages posted in
  // cdsFormulaLinha. Expects LerParametro and LerVeiculo to have run.
  // Throws veiculo::Error (validation), before anything is evaluated, for a
  // dates packet of fewer than five rows (a null date counts as 0, no date),
  // a costing packet without the fields the evaluation reads or writes, or a
  // registry packet without VALOR_VENDA.
  DataPacket CalculaCusteio(int32_t pEmpresa, int32_t pE, int32_t pR, const std::string& pV,
                            const std::string& pF, double& pControleNovo, double& pValor_PV,
                            double& pLucroHistorico, double& pLucroPresente,
                            double& pValorPresente, double& pPercHistoricoPV,
                            double& pPercPresentePV, double& pPercLucroBrutoP,
                            double& pPercLucroBrutoH, double& pPercMargemP, double& pPercMargemH,
                            double& pPercPresente, double& pPercHistorico,
                            double& pCustoPresente, double& pCustoHistorico, double& pMargemP,
                            double& pMargemH, double& pLucroBrutoP, double& pLucroBrutoH,
                            const DataPacket& pcdsCusteio, const DataPacket& pcdsDatas,
                            const DataPacket& pcdsLocalCadastro);
  // The financial base of the active lines of cdsFormulaLinha (BASE_FINANCEIRO
  // "+"/"-"); sets BaseComissaoVendedor (COMISSAO) and PrecoAVista
  // (PRECO_VISTA) the same way.
  double CalculaBaseFinanceiro(int32_t pfEmpresa, int32_t pfRevenda, const std::string& pfVeiculo,
                               const std::string& pfFormula, DateTime pfDataProcessamento);

  // ---- Vehicle cost calculation and persistence ----
  // Costs one vehicle from its formula and stores the result: the sale value
  // (registry, the negotiation and payments of pfProposta/pfNegociacao, or the
  // exit invoice) and its present value in VEI_VEICULO.VAL_PRESENTE_VENDA, one
  // VEI_VEICULO_CUSTEIO row per evaluated line (the vehicle's rows replaced),
  // the proposal's costing history when the dealer keeps it, and the
  // accounting cost in VAL_CUSTO_CONTABIL. Returns "OK|" once every step is
  // done; database errors raise, leaving the statements already executed in
  // the caller's transaction.
  std::string CalculoCustoVeiculo(Connection* pfConexao, const std::string& pfBancoDados,
                                  const std::string& pfVeiculo, DateTime pfDataRef,
                                  int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                                  int32_t pfNegociacao);
  // The accounting cost: the active lines of the formula loaded by LerVeiculo
  // signed by CUSTO_CONTABIL, plus the cost adjustments; 0 for an empty formula.
  double CalculaCustoContabil(int32_t PEmpresa, int32_t PRevenda, const std::string& PVeiculo,
                              const std::string& PFormula, DateTime PDataProcessamento,
                              const std::string& PTipo);
  // The cost adjustments posted on the vehicle up to the date (invoices of
  // adjustment transactions, outgoing ones subtracted); 0 when none.
  double BuscaAjustes(const std::string& pfVeiculo, DateTime pfDataProcessamento);

  // ---- Calculation query ----
  // The stored costing of a vehicle, for a client to show. Rebuilds
  // pfCDSFormula (fields SEQUENCIA, CUSTO_TOTAL, LUCRO_BRUTO,
  // MARGEM_CONTRIBUICAO, DES_LINHA_FORMULA, PERCENTUAL, VAL_HISTORICO,
  // VAL_PRESENTE; indexed on SEQUENCIA) with the vehicle's active lines, the
  // "C" and "B" lines left out but counted in SEQUENCIA, and returns
  //   "Custo;h;p|Lucro (%);%h;h;%p;p|Lucro Bruto;...|Lucro Gerencial;...|"
  // for the sale value pfValVenda (present basis: the stored present sale
  // value, or pfValVenda when none), in the local number format. Runs on
  // sdsAux attached to pfConexao; the module's dialect stays as it is.
  // Throws veiculo::Error (validation) for a null connection, database
  // errors as they come.
  std::string BuscaCalculoVeiculo(Connection* pfConexao, platform::ClientDataSet& pfCDSFormula,
                                  int32_t pfEmpresa, const std::string& pfVeiculo,
                                  double pfValVenda);

  // ---- Value holders: Get<field> / Set<field> ----
#define HOLDER(type, field)                    \
  type Get##field() const { return field; }   \
  void Set##field(const type& value) { field = value; }
#define HOLDER_NO_ACCESSORS(type, field)
#include "veiculo/value_holders.inc"
#undef HOLDER
#undef HOLDER_NO_ACCESSORS
  double getrPbDeflacaoPagamento() const { return rPbDeflacaoPagamento; }
  void setrPbDeflacaoPagamento(double value) { rPbDeflacaoPagamento = value; }

  // Every value holder with its current value, for hosts that show them.
  struct ValueHolder {
    enum class Kind { Integer, Float, DateTime, Text, Packet };
    std::string name;
    Kind kind;
    std::variant<int32_t, double, std::string, DataPacket> value;
  };
  std::vector<ValueHolder> ValueHolders() const;

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
#define VEICULO_COMPONENT_TRIPLE(stem)          \
  platform::SqlDataSet* sds##stem = nullptr;    \
  platform::Provider* dsp##stem = nullptr;      \
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
  Connection* GetConexao() const { return Conexao; }
  const std::string& BancoDados() const { return sPvBancoDados; }
  void SetClock(Clock clock) { clock_ = std::move(clock); }
  DateTime Agora() const { return clock_(); }

 private:
  friend class ModuleTestPeer;  // tests reach private state and helpers through it

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
