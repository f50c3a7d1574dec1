#pragma once
// The module's test seam: reaches the private state and helpers of
// TddmVeiculoCompartilhadoBD that tests check but hosts never see.

#include <string>

#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo {

class ModuleTestPeer {
 public:
  explicit ModuleTestPeer(TddmVeiculoCompartilhadoBD& module) : m_(module) {}

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

 private:
  TddmVeiculoCompartilhadoBD& m_;
};

}  // namespace veiculo
