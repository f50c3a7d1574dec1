#pragma once
// TddmVeiculoCompartilhadoBD: the data module that carries every vehicle-domain
// server operation, as a host sees it.
//
// The host creates it with Cria(), calls InicializaDM once, binds its
// connection with AtribuiConexao (or through an operation that receives the
// connection), calls operations and finally FinalizaDM. One instance serves
// one call at a time; between calls it keeps state only in its value holders,
// its parameter cache and the client datasets that serve as caches.
//
// The module never begins, commits or rolls back a transaction: the host owns
// the connection's transaction (veiculo/connection.h). Operations of the
// costing and value sources raise veiculo::Error on database failures;
// workflow operations turn failures into status texts.
//
// Client datasets travel as data packets (veiculo/data_packet.h): an operation
// that fills a client's dataset fills the packet it is given.
//
// Some operations address the module's components (SQL datasets "sds...",
// client datasets "cds...") by name, as FechaSds and AlteraCommandText do.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "veiculo/data_packet.h"

namespace veiculo {

class Connection;

class TddmVeiculoCompartilhadoBD {
 public:
  // A date-time as the module counts it: days since 30/12/1899, fraction = time of day.
  using DateTime = double;
  // "Now" as the module sees it (the system clock unless a host or test sets another).
  using Clock = std::function<DateTime()>;

  // A new module with its components created, not yet initialised nor bound.
  static std::unique_ptr<TddmVeiculoCompartilhadoBD> Cria();

  virtual ~TddmVeiculoCompartilhadoBD() = default;
  TddmVeiculoCompartilhadoBD(const TddmVeiculoCompartilhadoBD&) = delete;
  TddmVeiculoCompartilhadoBD& operator=(const TddmVeiculoCompartilhadoBD&) = delete;

  // ---- Module frame ----
  virtual void InicializaDM() = 0;
  virtual void FinalizaDM() = 0;
  // Binds the connection to every SQL dataset (closing them) and chooses the
  // dialect from its driver name.
  virtual void AtribuiConexao(Connection* pfConexao) = 0;
  virtual void SetaSQLConnection() = 0;
  virtual void LimpaSQLConnection() = 0;
  // Throws veiculo::Error (not found) for a name that is not a component.
  virtual void FechaSds(const std::string& pNomeSds) = 0;
  virtual void AlteraCommandText(const std::string& pNomeCds, const std::string& pCommandText) = 0;

  // ---- Parameters, permissions, vehicle ----
  virtual bool LerParametro(int32_t pfEmpresa, int32_t pfRevenda) = 0;
  virtual bool LerParametroServer(int32_t pfEmpresa, int32_t pfRevenda, DataPacket& pcdsParametro,
                                  DataPacket& pcdsRevenda, int32_t& pUB, int32_t& pUF,
                                  double& pPis_Cofins) = 0;
  // The packet of cdsParametro when it is open; otherwise the integer 1.
  virtual std::variant<DataPacket, int32_t> BuscaCdsParametro() = 0;
  virtual bool PermissaoFuncao(int32_t pfUsuario, int32_t pfFuncao) = 0;
  virtual void BuscaMarca(int32_t pfEmpresa, int32_t pfRevenda) = 0;
  virtual bool LerVeiculo(int32_t pfEmpresa, const std::string& pfVeiculo,
                          bool pfUtilizaFindKey) = 0;
  virtual bool LerVeiculoServer(int32_t pfEmpresa, const std::string& pfVeiculo,
                                DataPacket& pcdsVeiculo, DataPacket& pcdsFormulaLinha,
                                bool pfUtilizaFindKey) = 0;

  // ---- Cost value sources: invoices, present value, registry values ----
  // One value of the current vehicle's entry invoice, selected by an incidence code.
  virtual double BuscaValorNotaEntrada(int32_t pfEmpresa, int32_t pfRevenda,
                                       const std::string& pfIncidencia,
                                       DateTime PDataProcessamento) = 0;
  // One value of the current vehicle's exit invoice, selected by an identification code.
  virtual double BuscaValorNotaSaida(int32_t pfEmpresa, int32_t pfRevenda,
                                     const std::string& pfIdentificacao,
                                     const std::string& pfSomarICMSPartRemeDest) = 0;
  // A value carried from pfData1 to pfData2 by an index or the vehicle's financing plan.
  virtual double BuscaValorPresente(int32_t pfEmpresa, int32_t pfIndice, double pfValor,
                                    DateTime pfData1, DateTime pfData2,
                                    const std::string& pfIncidencia,
                                    const std::string& veiculo) = 0;
  virtual double CalculaValorPresente(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfIndice,
                                      const std::string& pfIncidencia, const std::string& pfVeiculo,
                                      double pfValor, DateTime pfData1, DateTime pfData2) = 0;
  // The registry sale value of the current vehicle and its pieces.
  virtual double BuscaValorCadastroModelos(int32_t PEmpresa, bool PUsaPrecoEdicao,
                                           bool PUsaPrecoPacote, int32_t PRevenda) = 0;
  virtual double BuscaValorEdicao(int32_t PEmpresa, const std::string& PModelo,
                                  const std::string& PTipoPintura, const std::string& PEdicao,
                                  int32_t PAnoModelo) = 0;
  virtual double BuscaValorPacote(int32_t PEmpresa, const std::string& PPacote, int32_t pAnomodelo,
                                  const std::string& pTipoPintura) = 0;
  virtual double SomaOpcionais(int32_t pfEmpresa, const std::string& pfConsideraOpc,
                               const std::string& pfChassi) = 0;
  virtual double BuscarValorFichaGama(int32_t Empresa, const std::string& Modelo,
                                      const std::string& Chassi) = 0;
  virtual bool UtilizaNissanDI(const std::string& pfEmpresa, const std::string& pfRevenda) = 0;
  virtual bool SituacoesVeiculoEstoqueDisponivelVenda(const std::string& pfSituacao) = 0;

  // ---- Proposal support: lookups, messages, contacts, reservations ----
  // Lookups report a missing row by a neutral result (0, -1, 1 for the
  // negotiation, "0" for the situation, empty text); database errors raise.
  //
  // A message to a user, also filed under the proposal when pfProposta > 0.
  // Two messages of one instance are stamped at least a second apart.
  virtual void GravaMensagem(DateTime pfDataProcessamento, int32_t pfEmpresa, int32_t pfRevenda,
                             int32_t pfUsuarioOri, int32_t pfUsuarioDes, int32_t pfProposta,
                             const std::string& pfAssunto, const std::string& pfMensagem) = 0;
  // The proposal that holds a vehicle (pfCliente -1: any customer); pfRevenda
  // receives its dealer, and is left alone when there is none (result 0).
  virtual int32_t BuscaProposta(int32_t pfEmpresa, int32_t& pfRevenda, const std::string& pfVeiculo,
                                int32_t pfCliente) = 0;
  virtual void BuscaDadosProposta(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                                  int32_t& pfContato, int32_t& pfCliente, std::string& pfVeiculo,
                                  int32_t& pfPropostaFIB, std::string& pfTipoVenda) = 0;
  // The situation code ("F" for a pending front-cashier record of the
  // contact); pfDescricao receives its description, unchanged for an unlisted code.
  virtual std::string BuscaSituacaoProposta(int32_t pfEmpresa, int32_t pfRevenda,
                                            int32_t pfProposta, std::string& pfDescricao) = 0;
  virtual int32_t BuscaNegociacao(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta) = 0;
  virtual int32_t BuscaRevendaProposta(int32_t pfEmpresa, int32_t pfProposta,
                                       const std::string& pfVeiculo) = 0;
  // "code;description;value;adds|" per accessory of the negotiation.
  virtual std::string BuscaAcessoriosProposta(Connection* pfConexao, int32_t pfEmpresa,
                                              int32_t pfRevenda, int32_t pfProposta,
                                              int32_t pfNegociacao) = 0;
  virtual int32_t BuscaUsuarioVendedor(int32_t pfEmpresa, int32_t pfRevenda,
                                       int32_t pfProposta) = 0;
  // The customer that supplies a courtesy: kind "1" the salesperson (else the
  // dealer), any other kind the dealer; -1 when there is none.
  virtual int32_t BuscaFornecedor(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                                  const std::string& pfTipo) = 0;
  virtual void CongelaValoresDaProposta(const std::string& pfChassi, int32_t pfEmpresa,
                                        int32_t pfRevenda, int32_t pfProposta) = 0;
  // Books a trade-in over-allowance as a vehicle expense; false on any failure.
  virtual bool GravaDiferencaAvaliacaoSaida(const std::string& pfBancoDados,
                                            const std::string& pfDataProcessamento,
                                            int32_t pfEmpresa, int32_t pfRevenda,
                                            int32_t pfProposta, int32_t pfNegociacao,
                                            int32_t pfDifAvaliacaoSaida) = 0;
  // pfSituacao "CANCELAR", "REABRIR" or "APROVAR"; any other raises
  // veiculo::Error (validation) before anything is written, as does a contact
  // form that is not a number.
  virtual void AtualizaContato(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfContato,
                               int32_t pfProposta, const std::string& pfSituacao,
                               const std::string& pfFormaContato) = 0;
  virtual int32_t BuscaStatusLeads(int32_t pfEmpresa, int32_t pfRevenda, DateTime pfDataContato,
                                   int32_t pfStatusAtual, DateTime pfDataReferencia) = 0;

  // ---- Proposal and negotiation rejection ----
  // Workflow operations: each returns "OK|" or "NOK|" + a text ending with
  // ";", and never raises. A refusal (a situation or titles that forbid the
  // cancellation, an order of the maker's online sale, a proposal that does
  // not exist) writes nothing. Any error returns "NOK|Erro no cancelamento da
  // proposta;" (RejeitarNegociacao: "NOK|Erro na rejeição da negociação;")
  // with the statements executed before it still in the host's transaction:
  // a host must roll back its transaction whenever the result starts with
  // "NOK|", and may commit only on "OK|". An F&I provider that could not be
  // told ("NOK|1-..." / "NOK|2-Não foi possível cancelar a proposta no F&I
  // System.;", "NOK|[Erro Integração F&I Avonale] ...;") comes after the
  // database work: rolling back keeps the proposal live, to be rejected again.
  //
  // Cancels (or, with pfAcaoRejeicao "DEVOLVER", returns) a proposal: its
  // negotiations, payments and the customer's reservation of the vehicle
  // (kept for brand "TOYO", which also keeps the maker's order), a message
  // to the salesperson, the reason (NULL when empty) and dealership on the
  // contact's latest action, a cancellation logged on the contact when
  // pGerarProvidencia, the trade-in over-allowance expense, the delivery
  // schedule when the dealer's EXCLUIR_AGENDA_ENTREGA is 'S'; the F&I sale
  // at F&I Brasil (pfIntegracaoFI 2) or Avonale (4) when a negotiation was
  // sent for analysis; and the vehicle with every row that hangs on it when
  // it was created for this direct sale (type 'D' or 'F', no entry invoice).
  // Reads the clock for the Avonale cancellation date.
  virtual std::string RejeitarProposta(Connection* pfConexao, const std::string& pfBancoDados,
                                       int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                                       int32_t pfUsuario, DateTime pfDataProcessamento,
                                       int32_t pfIntegracaoFI, const std::string& pfMotivo,
                                       const std::string& pfConcessionaria,
                                       const std::string& pfFormaContato, bool pGerarProvidencia,
                                       const std::string& pfAcaoRejeicao) = 0;
  // RejeitarProposta with the date as local text ("dd/mm/yyyy [hh:mm:ss]";
  // another text raises veiculo::Error (validation) before anything runs).
  // pAgenda comes back as the removed delivery schedule rows, or unchanged
  // when the schedule is not removed.
  virtual std::string RejeitarPropostaStr(Connection* pfConexao, const std::string& pfBancoDados,
                                          int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                                          int32_t pfUsuario, const std::string& pfDataProcessamento,
                                          DataPacket& pAgenda, int32_t pfIntegracaoFI,
                                          const std::string& pfMotivo,
                                          const std::string& pfConcessionaria,
                                          const std::string& pfFormaContato, bool pGerarProvidencia,
                                          const std::string& pfAcaoRejeicao) = 0;
  // Rejects one negotiation (pending or approved) and tells the salesperson;
  // the proposal stays open. Refused for a proposal with a sale pending at
  // the front cashier. pfIntegracaoFI is not used.
  virtual std::string RejeitarNegociacao(Connection* pfConexao, const std::string& pfBancoDados,
                                         int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                                         int32_t pfNegociacao, int32_t pfUsuario,
                                         DateTime pfDataProcessamento, int32_t pfIntegracaoFI) = 0;
  // ---- Managerial approval ----
  // The manager pfUsuario approves negotiation pfNegociacao of a proposal on
  // pfDataProcessamento: checks the proposal against the dealer's rules, then
  // approves the negotiation, writes the approximate tax text into the
  // proposal's observation, reserves the vehicle for the customer, freezes
  // the optional values, tells the salesperson and logs it on the contact,
  // and rejects every other live proposal and negotiation of the same vehicle
  // (or factory order), telling their salespeople. pfBancoDados is the
  // database kind ("SQLSERVER", "ORACLE", "INTERBASE"); pfIntegracaoFI 0 =
  // no F&I, any other value requires an approved financing, 2 = F&I Brasil,
  // whose sales of the rejected proposals are cancelled.
  // Returns "OK|" followed by warnings (each ending in ";"), among them
  // "Não foi possível cancelar a proposta [n] no F&I System.;" for a rival
  // whose F&I sale could not be cancelled; or "NOK|" and the refusal. A
  // refusal changes nothing. Any other failure returns "NOK|Erro durante a
  // aprovação da proposta;" and leaves the statements already executed in
  // the host's transaction: a host must roll back whenever the result starts
  // with "NOK|" (and may commit on "OK|").
  virtual std::string AprovacaoGerencialProposta(Connection* pfConexao,
                                                 const std::string& pfBancoDados, int32_t pfEmpresa,
                                                 int32_t pfRevenda, int32_t pfProposta,
                                                 int32_t pfNegociacao, int32_t pfUsuario,
                                                 DateTime pfDataProcessamento,
                                                 int32_t pfIntegracaoFI) = 0;

  // ---- Incidence resolution ----
  // The amount of one line of a costing formula: the value its incidence code
  // draws on (sale value, entry or exit invoice, expenses, bonuses, returns,
  // ...), replaced by the auxiliary value (pfAux), the line's fixed amount or
  // the band fixed amount, times pfPercentual / 100 when pfPercentual >= 0, and
  // turned into ISSQN when the line asks for it. pfTipo "$" makes incidence "C"
  // include the formula's base lines. Reads the vehicle loaded by LerVeiculo
  // and the parameters of LerParametro; 0 when the line does not exist.
  virtual double BuscaIncidencia(const std::string& pfVeiculo, const std::string& pfFormula,
                                 int32_t pfEmpresa, int32_t pfRevenda, int32_t pfLinha,
                                 double pfPercentual, DateTime pfDataProcessamento, bool pfAux,
                                 const std::string& pfTipo) = 0;
  // The line's reference date for present value (0 when none). Throws
  // veiculo::Error (validation) when the line's DIA is not a day of a month.
  virtual DateTime BuscaReferencia(const std::string& pfVeiculo, const std::string& pfFormula,
                                   int32_t pfEmpresa, int32_t pfLinha,
                                   DateTime pfDataProcessamento) = 0;
  // The line's percentage, or the one of the last band whose range holds the
  // profitability figure the band names; -999999999.0 when the line has none.
  // Sets dPvValorFixo to the band fixed amount of a matching band without a
  // percentage (-999999999.0 otherwise); pfEhVariavel is false without bands.
  virtual double BuscaPercentualVariavel(int32_t pfEmpresa, int32_t pfLinhaFormula,
                                         const std::string& pfFormula, double pfPercHistorico,
                                         double pfPercPresente, double pfPercMargemP,
                                         double pfPercMargemH, double pfPercLucroBrutoP,
                                         double pfPercLucroBrutoH, bool& pfEhVariavel) = 0;

  // ---- Bonus, subsidy, rebate, return and commission ----
  // The maker's bonuses the vehicle qualifies for, by pfTipo: 1 the total value
  // as text, 2 the notice number of the first, 3 every notice number (one a
  // line), 4 "bonus;group;notice;value§" per bonus. Dates are local date texts.
  virtual std::string BuscaDadosBonus(const std::string& pfVeiculo, const std::string& pfChassi,
                                      const std::string& pfModelo, const std::string& pfEdicao,
                                      const std::string& pfPacote, const std::string& pfDataCompra,
                                      const std::string& pfDataVenda, int32_t pfEmpresa,
                                      int32_t pfAnoFab, int32_t pfAnoMod, int32_t pfPortas,
                                      const std::string& pfBonus, int32_t pfTipo) = 0;
  // The total value of those bonuses (0 when none).
  virtual double BuscaValorBonus(const std::string& pfVeiculo, const std::string& pfChassi,
                                 const std::string& pfModelo, const std::string& pfEdicao,
                                 const std::string& pfPacote, const std::string& pfDataCompra,
                                 const std::string& pfDataVenda, int32_t pfEmpresa,
                                 int32_t pfAnoFab, int32_t pfAnoMod, int32_t pfPortas,
                                 const std::string& pfBonus) = 0;
  // The maker's financing subsidy over the first pfDias days, at the processing date.
  virtual double BuscaSubsidios(int32_t pfEmpresa, int32_t pfDias, int32_t pfLinha,
                                int32_t pfIndice, const std::string& pfFormula,
                                const std::string& pfVeiculo, const std::string& pfSubsidio,
                                DateTime pfDataProcessamento) = 0;
  // What the financial base gains by being paid pfDias days after pfDataInicio
  // rather than at pfDataFim; never negative.
  virtual double BuscaRebate(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfIndice, int32_t pfDias,
                             DateTime pfDataInicio, DateTime pfDataFim) = 0;
  // Net financing returns (return - commission - withholding) of the proposal
  // and negotiation in context.
  virtual double BuscaRetorno(int32_t pfEmpresa, int32_t pfRevenda,
                              const std::string& pfVeiculo) = 0;
  // The same for one return type; keeps the return's customer as the F&I customer.
  virtual double BuscaRetornoLinha(int32_t pfEmpresa, int32_t pfRevenda,
                                   const std::string& pfVeiculo,
                                   const std::string& pfTipoRetorno) = 0;
  // The salesperson's commission of the vehicle's proposal on BaseComissaoVendedor.
  virtual double BuscaComissaoVendedor(int32_t pfEmpresa, int32_t pfRevenda,
                                       const std::string& pfVeiculo) = 0;

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
  virtual DataPacket CalculaCusteio(
      int32_t pEmpresa, int32_t pE, int32_t pR, const std::string& pV, const std::string& pF,
      double& pControleNovo, double& pValor_PV, double& pLucroHistorico, double& pLucroPresente,
      double& pValorPresente, double& pPercHistoricoPV, double& pPercPresentePV,
      double& pPercLucroBrutoP, double& pPercLucroBrutoH, double& pPercMargemP,
      double& pPercMargemH, double& pPercPresente, double& pPercHistorico, double& pCustoPresente,
      double& pCustoHistorico, double& pMargemP, double& pMargemH, double& pLucroBrutoP,
      double& pLucroBrutoH, const DataPacket& pcdsCusteio, const DataPacket& pcdsDatas,
      const DataPacket& pcdsLocalCadastro) = 0;
  // The financial base of the active lines of cdsFormulaLinha (BASE_FINANCEIRO
  // "+"/"-"); sets BaseComissaoVendedor (COMISSAO) and PrecoAVista
  // (PRECO_VISTA) the same way.
  virtual double CalculaBaseFinanceiro(int32_t pfEmpresa, int32_t pfRevenda,
                                       const std::string& pfVeiculo, const std::string& pfFormula,
                                       DateTime pfDataProcessamento) = 0;

  // ---- Vehicle cost calculation and persistence ----
  // Costs one vehicle from its formula and stores the result: the sale value
  // (registry, the negotiation and payments of pfProposta/pfNegociacao, or the
  // exit invoice) and its present value in VEI_VEICULO.VAL_PRESENTE_VENDA, one
  // VEI_VEICULO_CUSTEIO row per evaluated line (the vehicle's rows replaced),
  // the proposal's costing history when the dealer keeps it, and the
  // accounting cost in VAL_CUSTO_CONTABIL. Returns "OK|" once every step is
  // done; database errors raise, leaving the statements already executed in
  // the caller's transaction.
  virtual std::string CalculoCustoVeiculo(Connection* pfConexao, const std::string& pfBancoDados,
                                          const std::string& pfVeiculo, DateTime pfDataRef,
                                          int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                                          int32_t pfNegociacao) = 0;
  // The accounting cost: the active lines of the formula loaded by LerVeiculo
  // signed by CUSTO_CONTABIL, plus the cost adjustments; 0 for an empty formula.
  virtual double CalculaCustoContabil(int32_t PEmpresa, int32_t PRevenda,
                                      const std::string& PVeiculo, const std::string& PFormula,
                                      DateTime PDataProcessamento, const std::string& PTipo) = 0;
  // The cost adjustments posted on the vehicle up to the date (invoices of
  // adjustment transactions, outgoing ones subtracted); 0 when none.
  virtual double BuscaAjustes(const std::string& pfVeiculo, DateTime pfDataProcessamento) = 0;

  // ---- Calculation query ----
  // The stored costing of a vehicle, for a client to show. Replaces
  // pfCDSFormula (the client's dataset; whatever it held is dropped) with the
  // fields SEQUENCIA, CUSTO_TOTAL, LUCRO_BRUTO, MARGEM_CONTRIBUICAO,
  // DES_LINHA_FORMULA, PERCENTUAL, VAL_HISTORICO, VAL_PRESENTE and one row per
  // active line of the vehicle in SEQUENCIA order, the "C" and "B" lines left
  // out but counted in SEQUENCIA, and returns
  //   "Custo;h;p|Lucro (%);%h;h;%p;p|Lucro Bruto;...|Lucro Gerencial;...|"
  // for the sale value pfValVenda (present basis: the stored present sale
  // value, or pfValVenda when none), in the local number format. Runs on
  // pfConexao; the module's dialect stays as it is. Throws veiculo::Error
  // (validation) for a null connection or a sale value that is not a number;
  // database errors as they come.
  virtual std::string BuscaCalculoVeiculo(Connection* pfConexao, DataPacket& pfCDSFormula,
                                          int32_t pfEmpresa, const std::string& pfVeiculo,
                                          double pfValVenda) = 0;

  // ---- F&I Brasil sale lifecycle ----
  // Each reads the dealer's F&I settings (VEI_PARAMETRO: store key and id,
  // base URL of the services), runs one F&I Brasil command and turns its
  // outcome into a status text: "OK", or the service's status code, " - " and
  // its message. Missing credentials give "Id da loja inválido!" / "Key
  // inválida!", a missing base URL "Url do Webservice inválido!"; where an
  // operation turns errors into text, a transport error or a timeout gives
  // the error's text (what failed and the endpoint).
  virtual std::string StatusFIB(int32_t pfEmpresa, int32_t pfRevenda) = 0;
  // Starts the F&I sale of a proposal: the stock vehicle pfVeiculo (or, when
  // empty, the vehicle the proposal wants) and the customer. "OK"; the
  // refusal text; or, when the customer record lacks required data, the
  // list "Informações Obrigatórias:" and one line per missing datum.
  // Database and credential errors raise.
  virtual std::string IniciaVendaFIB(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                                     const std::string& pfVeiculo, double pfValor) = 0;
  // "chassi;cpfVendedor;numeroPropostaDMS;propostaId;dataInicioVenda" and
  // CR LF per open sale; empty when none or refused. Errors raise.
  virtual std::string VendasAndamentoFIB(int32_t pfEmpresa, int32_t pfRevenda) = 0;
  // The service's state of the proposal's sale; -1 on refusal or error.
  virtual int32_t StatusVendaFIB(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta) = 0;
  virtual std::string ReabrirVendaFIB(int32_t pfEmpresa, int32_t pfRevenda,
                                      int32_t pfPropostaFIB) = 0;
  virtual std::string FaturaPedido(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                                   int32_t pfNota, DateTime pfDataProcessamento) = 0;
  virtual std::string CancelaFaturamento(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                                         int32_t pfNota) = 0;
  // Tells the service whether the dealer accepted a closed sale (pfStatus 0).
  virtual std::string FechaVendaConfirmadaFIB(int32_t pfEmpresa, int32_t pfRevenda,
                                              int32_t pfProposta, int32_t pfPropostaFIB,
                                              int32_t pfStatus, const std::string& pfChassi) = 0;

  // ---- F&I Brasil closing import and financial returns ----
  // Imports the sale the F&I desk closed for proposal pfProposta into its
  // negotiation pfNegociacao: the proposal is linked to the service's sale
  // (PROPOSTA_FIB), and the customer registry, the accessories (with
  // IMPORTAR_AGREGADOS_FIB), the negotiation with its financing approval,
  // the payments (with ATUALIZAR_CONDPAGTO_FIB / SOBREPOR_CONDPAGTO_FIB) and
  // the financial returns take what the desk negotiated. Rows the import
  // writes are marked as its own, so a repeated import replaces them instead
  // of adding to them. The service is then told whether the import worked
  // ("Venda Confirmada." or "Erro na integracao com o Mivo DMS.").
  // "OK", or one line (each followed by CR LF) per notice (missing payment
  // condition, unknown finance company or product codes), refusal or error.
  // A database or conversion error stops the import where it happened; the
  // statements before it stay in the caller's transaction, which the caller
  // should roll back (StatusFechaVendaFIB tells).
  virtual std::string FechaVendaFIB(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                                    int32_t pfNegociacao, int32_t pfPropostaFIB,
                                    const std::string& pfChassi, DateTime pfDataProcessamento) = 0;
  // How the last FechaVendaFIB of this instance ended: 0 the sale was
  // imported (notices aside), 1 the import failed after it began writing
  // (or a database error kept its confirmation from being sent),
  // 9 no sale was fetched (refusal, no sale, missing settings) and nothing
  // was written.
  virtual int32_t StatusFechaVendaFIB() const = 0;
  // Writes one financial return line of a negotiation: pfValorFI (a credit
  // when 0 or more, a debit when negative, stored as its absolute value) on
  // account pfContaFI's entry of a return of the account's type
  // (VEI_CONTA_FI) and customer pfFinanceira (-1: none), found or created
  // with description pfDescricaoFI, whose value becomes its credits minus
  // its debits. pfSQLText "FI_INTEGRACAO" marks a new return as the F&I
  // integration's own; on return it holds the last statement run (the one
  // that failed, on failure) and pfSQLEMessage the error text. False on any
  // error, including an account without a return type.
  virtual bool GravaRetornoFin(int32_t pfEmpresa, int32_t pfRevenda, int32_t pfProposta,
                               int32_t pfNegociacao, int32_t pfFinanceira, int32_t pfContaFI,
                               const std::string& pfDescricaoFI, double pfValorFI,
                               double pfComissao, DateTime pfDataProcessamento,
                               std::string& pfSQLText, std::string& pfSQLEMessage) = 0;

  // ---- Sale pricing and stock valuation ----
  // The progress callback of the pricing and stock operations: receives a
  // message text; an error message begins with "mtError#$#". An empty
  // callback receives nothing.
  using CallbackMensagem = std::function<void(const std::string& pMensagem)>;
  // The message sent when the desired-profit price could not be reached.
  static const char kMensagemLucroNaoAlcancado[];

  // The suggested sale value of a vehicle by source (PValorCR; empty: the
  // dealer parameter VAL_VEICULO_C_R): "1" the model registry value, "2" the
  // dealer price stored on the vehicle, "3" the price that yields the
  // vehicle's PERCENTUAL_LUCRO of profit on total cost at present value;
  // any other source 0. Reads the dealer parameters and the vehicle; 0 for a
  // vehicle that does not exist (an order row of a stock list).
  virtual double CalculoValorVenda(int32_t PEmpresa, int32_t PRevenda, const std::string& PValorCR,
                                   const std::string& PVeiculo, DateTime PDataProcessamento,
                                   bool PUsaPrecoEdicao, bool PUsaPrecoPacote,
                                   const CallbackMensagem& cbPfMensagem) = 0;
  // The sale value, rounded to whole units, at which the vehicle's formula
  // yields PPercentual of profit: PRentabilidade "L" on total cost, "B" on
  // gross profit, "M" on contribution margin; PValorizacao "H" historic, "P"
  // present value. Starts from the public price, freight, insurance and
  // optionals (and the package when PUsaPrecoPacote), or the purchase value
  // when they are 0, and corrects it pass by pass (at most 16). With
  // pPassouCds, lines found in cdsFormulaAlterada (by FORMULA and
  // LINHA_FORMULA) take its PERCENTUAL and signs. Leaves the unrounded value
  // in dPbValorVenda and the total-cost figures of the last pass in the
  // CV_/CVd_ holders. A price that misses the percentage is still returned,
  // and cbPfMensagem receives kMensagemLucroNaoAlcancado once.
  // Throws veiculo::Error (validation) for another PRentabilidade or
  // PValorizacao, or an altered-lines packet without FORMULA, LINHA_FORMULA
  // or PERCENTUAL; (not found) for an unknown vehicle.
  virtual double CalculaValorCfeLucroDesejado(
      int32_t PEmpresa, int32_t PRevenda, const std::string& PVeiculo,
      const std::string& PRentabilidade, const std::string& PValorizacao, double PPercentual,
      DateTime PDataProcessamento, bool PUsaPrecoEdicao, bool PUsaPrecoPacote,
      const CallbackMensagem& cbPfMensagem, const DataPacket& cdsFormulaAlterada,
      bool pPassouCds) = 0;
  // The profitability of the sale value in dPbValorVenda (historic) and
  // Valor_Venda_presente (present; either 0 counts as 0.01): sets the CV_/CVd_
  // holders and returns, by PRetorno, "C" the present total cost, "L" the
  // present profit, "P" the present profit percentage (cents), else 0.
  // Throws veiculo::Error (not found) for an unknown vehicle.
  virtual double CalculaRentabilidade(int32_t PEmpresa, int32_t PRevenda,
                                      const std::string& PVeiculo, const std::string& PRetorno,
                                      DateTime PDataProcessamento) = 0;
  // How many passes the last CalculaValorCfeLucroDesejado ran (for hosts that
  // show the work).
  virtual int32_t PassosLucroDesejado() const = 0;
  // Sets the minimum sale price of the model's new vehicles that stand in a
  // stock situation. "OK|..." or "NOK|..." (never raises).
  virtual std::string AtualizaPrecoMinimo(Connection* pfConexao, const std::string& pfBancoDados,
                                          int32_t pfEmpresa, const std::string& pfModelo,
                                          double pfValMinimo) = 0;

  // Stock valuation: each walks the packet's rows (reading the dealer
  // parameters when company or dealer change, and each vehicle) and returns
  // it with its value columns filled. Throws veiculo::Error (validation)
  // naming the columns a packet lacks.
  // PRECO_TABELA, VENDA (sources "1"-"3" of VCR), EST_MEDIO (stock rows) and,
  // with PListarBonus, BONUS of a stock list.
  virtual DataPacket CalculaEstoqueIntermediario(const DataPacket& pData,
                                                 DateTime PDataProcessamento,
                                                 const CallbackMensagem& cbPfMensagem,
                                                 bool PUsaPrecoEdicao, bool PUsaPrecoPacote,
                                                 bool PListarBonus) = 0;
  // VENDA (sources "1"-"3" of VCR) and, with PCalculaBonus, BONUS.
  virtual DataPacket CalculaVenda(const DataPacket& pData, DateTime PDataProcessamento,
                                  bool PUsaPrecoEdicao, bool PUsaPrecoPacote,
                                  const CallbackMensagem& cbPfMensagem, bool PCalculaBonus) = 0;
  // The grid columns "Dias Est", "Preço Tabela", "Valor Venda" (when asked;
  // direct sales only with PCalculaVendaDireta too), PRECO_MINIMO_COMERCIALIZACAO
  // and VAL_DESCONTO.
  virtual DataPacket CalculaVendaDiasEstoque(const DataPacket& pData, DateTime PDataProcessamento,
                                             bool PUsaPrecoEdicao, bool PUsaPrecoPacote,
                                             const CallbackMensagem& cbPfMensagem,
                                             bool PCalculaVendaDireta, bool PCalculaVenda) = 0;
  // EST_MEDIO of the rows in stock (CONTABIL or TRANSITO 1).
  virtual DataPacket AtualizaEstMedio(const DataPacket& pData, DateTime pDataProcessamento) = 0;
  // Whole days the vehicle has been in stock up to its sale (or the
  // processing date), from the start the dealer parameter DTA_CALCULO_ESTOQUE
  // names ("1" start of correction, "2" factory invoice, "3" entry; the entry
  // without parameters; 0 for another code). Reads the vehicle.
  // Throws veiculo::Error (not found) for an unknown vehicle.
  virtual int32_t CalculoDiasEstoque(int32_t PEmpresa, const std::string& PVeiculo,
                                     DateTime PDataProcessamento) = 0;
  // The sort fields of the dealer parameter ORDEM_CLASSIFICACAO, each
  // followed by ";", ending with "SEQUENCIA" (a default order when none).
  virtual std::string MontaClassificacaoVeiculo() = 0;

  // ---- Intermediate stock list ----
  // The stock list of a company as a data packet: every vehicle in stock
  // (a stock situation, or pre-reserved in transit), and with pfListarVenda
  // the vehicles sold, sold directly by the maker and returned between
  // pfDataInicioVenda and pfDataFimVenda, with pfListarPedido the maker
  // orders. Each row carries the vehicle, model and family data, status
  // flags, reservation and proposal data and the stored cost (CUSTO,
  // CUSTO_PRES); VENDA, BONUS, PRECO_TABELA and EST_MEDIO are filled by the
  // stock valuation when pCalcEstoque is set, and the valued rows are kept:
  // a later call without it copies those four values into the rows of the
  // same vehicles (0 for the others). Dates are local date(-time) texts
  // (pfDataRef empty: now; sale dates empty: no date). pfNovoUsadoTodos 0
  // new, 1 used (and no orders), other all. Lists: pfRevenda and
  // pfRevendaVendas "company.dealer,...", pfFamilia "company.family,...",
  // pfModelo "company.model,...", pfDepartamento integers, pfSituacao,
  // pfTransDevolucaoVenda and pfPacotes codes. Throws veiculo::Error
  // (validation) naming the parameter whose text is not a date or whose
  // list holds a bad code; texts are quoted, never run as SQL.
  virtual DataPacket BuscaEstoqueIntermediario(
      Connection* pfConexao, const std::string& pfBancoDados, const std::string& pfDataRef,
      const std::string& pfDataInicioVenda, const std::string& pfDataFimVenda,
      const std::string& pfChassi, const std::string& pfCodigoVeiculo,
      const std::string& pfAnoModelo, const std::string& pfRevenda, const std::string& pfFamilia,
      const std::string& pfTransDevolucaoVenda, const std::string& pfPacotes,
      const std::string& pfDepartamento, const std::string& pfSituacao,
      const std::string& pfRevendaVendas, const std::string& pfModelo, int32_t pfNovoUsadoTodos,
      int32_t pfConsiderarRevenda, const CallbackMensagem& cbPfMensagem, bool pfListarVenda,
      bool pfListarBonus, bool pfUsaPrecoEdicao, bool pfUsaPrecoPacote, bool pfAtualizaEstMedio,
      bool pfListarPedido, bool pCalcEstoque, bool pICarros) = 0;

  // ---- CRM staging (the makers' integrations; see veiculo/sales_force.h) ----
  // Each creates one TSalesForce with the processing date and the module's
  // database kind, makes its calls on the connection bound to the module
  // (veiculo::Error (validation) when none is) and releases it. Vehicles that
  // are not new vehicles of the CRM brand write nothing. Processing dates
  // given as text are local date(-time) texts (empty: now); another text
  // raises veiculo::Error (validation) naming the parameter. Database errors
  // raise, except where ProcessaSalesForce falls back to a stock event.
  //
  // A returned vehicle (sPfSubTipo "D") of a "RENA" dealer: its latest
  // invoiced or closed proposal's order cancelled, or without one a stock
  // event. Any other brand or subtype does nothing.
  virtual void AtualizaSalesforce(int32_t iPfEmpresa, int32_t iPfRevenda,
                                  const std::string& sPfVeiculo, const std::string& sPfSubTipo,
                                  const std::string& pMarca,
                                  const std::string& pDataProcessamento) = 0;
  // An invoice was issued: pTipo "E" entry / "S" exit, pSub_Tipo "N" normal,
  // "T" transfer, "D" return. Updates the orders of both makers' integrations
  // and writes the stock event the invoice means.
  virtual void ProcessaSalesForce(const std::string& pDataProcessamento, const std::string& pTipo,
                                  const std::string& pSub_Tipo, const std::string& pVeiculo,
                                  int32_t pEmpresa, int32_t pRevenda, int32_t pProposta) = 0;
  // An invoice was cancelled (same codes).
  virtual void ProcCanSalesForce(const std::string& pDataProcessamento, const std::string& pTipo,
                                 const std::string& pSubTipo, const std::string& pVeiculo,
                                 int32_t pEmpresa, int32_t pRevenda) = 0;
  // One stock event by name ("Transito", "Transferencia", "Faturado",
  // "Reservado", "Alocado", "Inclusao", "BloqQualidade", "BloqComercial",
  // "Devolvido", "Imobilizado"; any other text: the vehicle is in stock).
  virtual void SalesAtualizaEstoque(int32_t Empresa, int32_t Revenda, const std::string& Veiculo,
                                    const std::string& Operacao, DateTime DataProcessamento) = 0;
  // The proposal's order: "Faturar", "Enviado" or "Cancelar"; another text
  // raises veiculo::Error (validation) before anything is written.
  virtual void SalesAtualizaPedido(int32_t Empresa, int32_t Revenda, int32_t Proposta,
                                   const std::string& Operacao) = 0;
  // A reservation event: "Reserva" reserved, any other text released.
  virtual void SalesAtualizaReserva(int32_t Empresa, int32_t Revenda, const std::string& Veiculo,
                                    const std::string& Operacao) = 0;
  // The online stock load of a dealer (pfBancoDados: the database kind of
  // the load queries' date literals).
  virtual void SalesGeraCargaEstoqueOnline(bool UsaPrecoEdicao, bool UsaPrecoPacote,
                                           int32_t Empresa, int32_t Revenda,
                                           const std::string& pfBancoDados,
                                           DateTime DataProcessamento) = 0;

  // ---- Value holders: Get<field> / Set<field> ----
  // Named fields through which the host passes inputs to operations and reads
  // their results (the list is in veiculo/value_holders.inc).
#define HOLDER(type, field)            \
  virtual type Get##field() const = 0; \
  virtual void Set##field(const type& value) = 0;
#define HOLDER_NO_ACCESSORS(type, field)
#include "veiculo/value_holders.inc"
#undef HOLDER
#undef HOLDER_NO_ACCESSORS
  virtual double getrPbDeflacaoPagamento() const = 0;
  virtual void setrPbDeflacaoPagamento(double value) = 0;

  // Every value holder with its current value, for hosts that show them.
  struct ValueHolder {
    enum class Kind { Integer, Float, DateTime, Text, Packet };
    std::string name;
    Kind kind;
    std::variant<int32_t, double, std::string, DataPacket> value;
  };
  virtual std::vector<ValueHolder> ValueHolders() const = 0;

  // ---- Frame state ----
  // The connection bound by AtribuiConexao (nullptr before and after FinalizaDM).
  virtual Connection* GetConexao() const = 0;
  // The dialect chosen from the bound connection's driver: "INTERBASE",
  // "ORACLE" or "SQLSERVER" (empty before the first binding).
  virtual const std::string& BancoDados() const = 0;
  // Replaces the module's "now" (the time stamps of messages, contacts and
  // stored costings); the system clock until set.
  virtual void SetClock(Clock clock) = 0;

 protected:
  TddmVeiculoCompartilhadoBD() = default;
};

}  // namespace veiculo
