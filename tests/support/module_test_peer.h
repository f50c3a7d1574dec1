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

 private:
  TddmVeiculoCompartilhadoBD& m_;
};

}  // namespace veiculo
