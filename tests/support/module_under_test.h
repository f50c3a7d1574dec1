#pragma once
// The class the module tests drive: the one place that names it.

#include "module/ddm_veiculo_compartilhado_bd_impl.h"

namespace veiculo::testing {

using ModuleUnderTest = TddmVeiculoCompartilhadoBDImpl;

}  // namespace veiculo::testing
