#pragma once
// The class the module tests drive: the one place that names it.

#include "veiculo/ddm_veiculo_compartilhado_bd.h"

namespace veiculo::testing {

using ModuleUnderTest = TddmVeiculoCompartilhadoBD;

}  // namespace veiculo::testing
