#pragma once
// The module's test seam: reaches the private state and helpers of
// the module class that tests check but hosts never see.

#include <string>
#include <utility>
#include <vector>

#include "support/module_under_test.h"

namespace veiculo {

class ModuleTestPeer {
 public:
  explicit ModuleTestPeer(testing::ModuleUnderTest& module) : m_(module) {}

  std::string AddSQL(const std::string& value, const std::string& type) const {
    return m_.AddSQL(value, type);
  }
  int32_t EmpresaAnt() const { return m_.iPvEmpresaAnt; }
  int32_t RevendaAnt() const { return m_.iPvRevendaAnt; }
  const std::string& Marca() const { return m_.sPvMarca; }
  double PisCofinsUsados() const { return m_.Pis_Cofins_Usados; }
  void SetBancoDados(const std::string& dialect) { m_.sPvBancoDados = dialect; }

  // Present value, indices and calendar.
  double BuscaIndice(int32_t empresa, int32_t indice, double data) {
    return m_.BuscaIndice(empresa, indice, data);
  }
  double CalculaDataVencimento(int32_t empresa, int32_t condicao, double data) {
    return m_.CalculaDataVencimento(empresa, condicao, data);
  }
  int32_t NroFeriados(const std::string& banco_dados, int32_t empresa, int32_t revenda,
                      double dia_marcado, double data_inicial, double data_final) {
    return m_.NroFeriados(banco_dados, empresa, revenda, dia_marcado, data_inicial, data_final);
  }

  // Expenses, internal sales and payment deflation.
  double BuscaValorDespesas(int32_t empresa, int32_t revenda, const std::string& veiculo,
                            const std::string& tipo_valor, double data_processamento,
                            const std::string& filtro) {
    return m_.BuscaValorDespesas(empresa, revenda, veiculo, tipo_valor, data_processamento, filtro);
  }
  double BuscaVendaInterna(const std::string& banco_dados, int32_t empresa,
                           const std::string& chassi, const std::string& transacoes,
                           double data_inicial, double data_final) {
    return m_.BuscaVendaInterna(banco_dados, empresa, chassi, transacoes, data_inicial, data_final);
  }
  double BuscaValorDeflacaoPagamento(int32_t empresa, int32_t revenda, int32_t proposta,
                                     int32_t negociacao, int32_t indice, double data_referencia) {
    return m_.BuscaValorDeflacaoPagamento(empresa, revenda, proposta, negociacao, indice,
                                          data_referencia);
  }

  // Bonus, subsidy, rebate, return and commission.
  const std::string& ClienteFI() const { return m_.sPvClienteFI; }

  // Proposal support.
  void SetMarca(const std::string& marca) { m_.sPvMarca = marca; }
  void ProrrogaReservaAprovacaoFI(int32_t empresa, int32_t revenda, int32_t proposta,
                                  double data_processamento) {
    m_.ProrrogaReservaAprovacaoFI(empresa, revenda, proposta, data_processamento);
  }
  void GravaHistoricoReserva(int32_t empresa, int32_t revenda, const std::string& veiculo,
                             double data_alteracao, int32_t horas) {
    m_.GravaHistoricoReserva(empresa, revenda, veiculo, data_alteracao, horas);
  }

  // F&I Brasil settings.
  void BuscaIdLojaKeyFIB(std::string& id_loja, std::string& key, std::string& url, int32_t empresa,
                         int32_t revenda) {
    m_.BuscaIdLojaKeyFIB(id_loja, key, url, empresa, revenda);
  }
  bool BuscaParametrosFIA(int32_t empresa, int32_t revenda, std::string& cnpj, std::string& url) {
    return m_.BuscaParametrosFIA(empresa, revenda, cnpj, url);
  }
  std::vector<int32_t> ContasRetornoFIB() const {
    return {m_.iPvContaRetorno,       m_.iPvContaRetornoOutros,   m_.iPvContaRetornoTAC,
            m_.iPvContaRetornoPLUS,   m_.iPvContaRetornoPlusMeta, m_.iPvContaRetornoSEGURO,
            m_.iPvContaRetornoRebate, m_.iPvContaRetornoCortesia};
  }
  std::pair<std::string, std::string> TiposRetornoFIB() const {
    return {m_.sPvTipoCortesia, m_.sPvTipoInterna};
  }

  // Incidence resolution.
  double BuscaIncidenciaLocal(platform::DataSet& dados, const std::string& incidencia,
                              bool mantem_alterado, double valor_fixo, double percentual,
                              double valor_alterado) {
    return m_.BuscaIncidenciaLocal(dados, incidencia, mantem_alterado, valor_fixo, percentual,
                                   valor_alterado);
  }

 private:
  testing::ModuleUnderTest& m_;
};

}  // namespace veiculo
