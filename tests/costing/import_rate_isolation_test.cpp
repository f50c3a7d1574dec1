// The PIS/COFINS of the sale (incidence "I") of an imported vehicle is taxed
// at the vehicle's own import rates, which the module shows as its rate; the
// dealer's vehicles costed after it are taxed at the dealer's rate again.

#include <gtest/gtest.h>

#include "costing/incidence_seed.h"

namespace veiculo::testing {
namespace {

class ImportRateIsolationTest : public IncidenceTest {
 protected:
  void SetUp() override {
    IncidenceTest::SetUp();
    Connection& c = connection();
    SeedDealer(c, 1, Value(), {});  // PIS 1.65 + COFINS 7.6 = 9.25 %
    AddModel(c, "M1");
    // IMP: imported, PIS 2.1 + COFINS 9.65 = 11.75 %, no reduced base.
    AddVehicle(c, "IMP", "CHI",
               Cols("NOVO_USADO PCT_PIS_IMPORTA PCT_COFINS_IMPORTA", {T("N"), F(2.1), F(9.65)}));
    AddVehicle(c, "NAC", "CHN", Cols("NOVO_USADO", {T("N")}));
    SeedLine(c, 1, "I");
    module().SetdPbValorVenda(100000);
  }

  double PisCofins(const std::string& veiculo) {
    module().LerParametro(1, 1);  // the costing reads the parameters before each vehicle
    Load(veiculo);
    return Incidencia(veiculo, 1);
  }
};

TEST_F(ImportRateIsolationTest, TheImportRateHoldsForTheImportedVehicleOnly) {
  struct Step {
    const char* veiculo;
    double valor;  // 100,000 x the rate
    double taxa;   // the module's rate afterwards
  };
  const Step steps[] = {
      {"NAC", 9250, 9.25},    // the dealer's 9.25 %
      {"IMP", 11750, 11.75},  // the import 2.1 + 9.65 %, shown as the module's rate
      {"NAC", 9250, 9.25},    // the dealer's again, not the import rate
      {"IMP", 11750, 11.75},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.veiculo);
    EXPECT_NEAR(PisCofins(s.veiculo), s.valor, 1e-6);
    EXPECT_NEAR(module().GetPis_Cofins(), s.taxa, 1e-9);
  }
  // The parameters read back after the imported vehicle give the dealer's rate.
  DataPacket parametro, revenda;
  int32_t ub = 0, uf = 0;
  double pis_cofins = 0;
  EXPECT_TRUE(module().LerParametroServer(1, 1, parametro, revenda, ub, uf, pis_cofins));
  EXPECT_NEAR(pis_cofins, 9.25, 1e-9);
}

}  // namespace
}  // namespace veiculo::testing
