#pragma once
// Shared by the value-source tests: the kit, the model price builders, and
// the fixture (the module bound to the test's transaction).

#include "module/catalogue_seed.h"
#include "support/kit.h"

namespace veiculo::testing {

using ValueSourceTest = ModuleTest;

}  // namespace veiculo::testing
