// The demo dealer's rows: what the module's queries need to find, and the
// synthetic vehicles' numbering.

#include <gtest/gtest.h>

#include "demo/demo_dealer.h"
#include "demo/demo_rows.h"
#include "platform/db/sql_dataset.h"
#include "support/test_database.h"
#include "veiculo/error.h"

namespace veiculo::demo {
namespace {

class DemoDealerTest : public veiculo::testing::DbTest {
 protected:
  long long Count(const std::string& sql) {
    platform::SqlDataSet query("sdsConta", &connection());
    query.SetCommandText(sql);
    query.Open();
    return query.Fields(0).AsInteger();
  }
};

TEST(Chassis, SeventeenCharactersWithTheModelYearLetter) {
  // 9ZX + HB10L + check 0 + S (2025) + plant B + serial 104311.
  EXPECT_EQ(Chassis("HB10L", 2025, 'B', 104311), "9ZXHB10L0SB104311");
  EXPECT_EQ(Chassis("HB10L", 2022, 'B', 1587), "9ZXHB10L0NB001587");
}

TEST_F(DemoDealerTest, VehiclesJoinTheirModelAndFollowUpAndSyntheticOnesGoOnNumbering) {
  LoadDemoDealer(connection());
  // The vehicle query joins both with inner joins: a vehicle without them would vanish.
  EXPECT_EQ(Count("select count(*) from VEI_VEICULO v join VEI_MODELO m on m.EMPRESA = v.EMPRESA "
                  "and m.MODELO = v.MODELO join OFI_FICHA_SEGUIMENTO f on f.CHASSI = v.CHASSI"),
            6);
  EXPECT_EQ(Count("select count(*) from VEI_FORMULA_LINHA where TIPO = 'C'"), 2);  // one a formula
  LoadSyntheticVehicles(connection(), 10);
  LoadSyntheticVehicles(connection(), 5);
  EXPECT_EQ(Count("select count(*) from VEI_VEICULO where VEICULO = 'S000015'"), 1);
  EXPECT_EQ(Count("select count(distinct f.TIPO_PINTURA) from VEI_VEICULO v join "
                  "OFI_FICHA_SEGUIMENTO f on f.CHASSI = v.CHASSI where v.VEICULO starting 'S'"),
            4);
  EXPECT_THROW(LoadSyntheticVehicles(connection(), -1), Error);
}

}  // namespace
}  // namespace veiculo::demo
