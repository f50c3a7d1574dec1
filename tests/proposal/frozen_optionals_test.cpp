// CongelaValoresDaProposta: where each optional's value comes from, values
// already set, and the proposal's rebuilt list.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "proposal/proposal_seed.h"

namespace veiculo::testing {
namespace {

// The chassis carries a quote: it must reach the SQL doubled.
constexpr const char* kChassi = "9BW'X0001";

class CongelaValoresTest : public ProposalDbTest {
 protected:
  void SetUp() override {
    ProposalDbTest::SetUp();
    Connection& c = connection();
    InsertRow(c, "OFI_FICHA_SEGUIMENTO",
              {{"CHASSI", Txt(kChassi)}, {"ANO_MODELO", Int(2025)}, {"EDICAO", Txt("ED1")}});
    // Model values of M1's optionals.
    for (auto [opcional, valor] :
         {std::pair{"O1", 1000.0}, {"O2", 700.0}, {"O3", 600.0}, {"O4", 400.0}}) {
      InsertRow(c, "VEI_OPCIONAL_MODELO",
                {{"EMPRESA", Int(1)},
                 {"MODELO", Txt("M1")},
                 {"OPCIONAL", Txt(opcional)},
                 {"VAL_OPCIONAL", Value::Float(valor)}});
    }
    // Edition values: O1 and O2 for 2025/ED1; O3 only for another model year.
    Edicao("O1", 2025, 1200);
    Edicao("O2", 2025, 800);
    Edicao("O3", 2024, 650);
    // The proposal's own frozen values: O1, and O9 that the vehicle lacks.
    PropostaOpcional(30, "O1", 1500);
    PropostaOpcional(30, "O9", 50);
    // Another proposal's list is not touched.
    PropostaOpcional(31, "O1", 1100);

    FichaOpcional(kChassi, "O1", std::nullopt);
    FichaOpcional(kChassi, "O2", std::nullopt);
    FichaOpcional(kChassi, "O3", std::nullopt);
    FichaOpcional(kChassi, "O4", 999);  // already valued
    FichaOpcional("OUTRO", "O2", std::nullopt);
  }

  void Edicao(const char* opcional, int ano, double valor) {
    InsertRow(connection(), "VEI_OPCIONAL_MODELO_EDICAO",
              {{"EMPRESA", Int(1)},
               {"MODELO", Txt("M1")},
               {"OPCIONAL", Txt(opcional)},
               {"ANO_MODELO", Int(ano)},
               {"EDICAO", Txt("ED1")},
               {"VAL_OPCIONAL", Value::Float(valor)}});
  }
  void PropostaOpcional(int proposta, const char* opcional, double valor) {
    InsertRow(connection(), "VEI_PROPOSTA_OPCIONAL",
              {{"EMPRESA", Int(1)},
               {"REVENDA", Int(1)},
               {"PROPOSTA", Int(proposta)},
               {"OPCIONAL", Txt(opcional)},
               {"VAL_OPCIONAL", Value::Float(valor)}});
  }
  void FichaOpcional(const char* chassi, const char* opcional, std::optional<double> valor) {
    InsertRow(connection(), "OFI_FICHA_OPCIONAL",
              {{"EMPRESA", Int(1)},
               {"CHASSI", Txt(chassi)},
               {"MODELO", Txt("M1")},
               {"OPCIONAL", Txt(opcional)},
               {"VAL_OPCIONAL", Money(valor)}});
  }
};

TEST_F(CongelaValoresTest, ValueComesFromTheProposalElseTheEditionElseTheModel) {
  dm.CongelaValoresDaProposta(kChassi, 1, 1, 30);
  // O1 proposal 1500 (not edition 1200 nor model 1000); O2 edition 800;
  // O3 model 600 (its edition row is another year's); O4 keeps 999.
  EXPECT_EQ(Rows("select OPCIONAL, VAL_OPCIONAL from OFI_FICHA_OPCIONAL where CHASSI = "
                 "'9BW''X0001' order by OPCIONAL"),
            (TextRows{{"O1", "1500.00"}, {"O2", "800.00"}, {"O3", "600.00"}, {"O4", "999.00"}}));
  // Another vehicle's optionals stay without value.
  EXPECT_EQ(One("select coalesce(VAL_OPCIONAL, -1) from OFI_FICHA_OPCIONAL where CHASSI = 'OUTRO'"),
            "-1.00");
}

TEST_F(CongelaValoresTest, TheProposalsListIsRebuiltFromTheVehicle) {
  dm.CongelaValoresDaProposta(kChassi, 1, 1, 30);
  EXPECT_EQ(Rows("select OPCIONAL, VAL_OPCIONAL from VEI_PROPOSTA_OPCIONAL where PROPOSTA = 30 "
                 "order by OPCIONAL"),
            (TextRows{{"O1", "1500.00"}, {"O2", "800.00"}, {"O3", "600.00"}, {"O4", "999.00"}}));
  EXPECT_EQ(Rows("select OPCIONAL, VAL_OPCIONAL from VEI_PROPOSTA_OPCIONAL where PROPOSTA = 31"),
            (TextRows{{"O1", "1100.00"}}));
}

TEST_F(CongelaValoresTest, FreezingAgainChangesNothing) {
  dm.CongelaValoresDaProposta(kChassi, 1, 1, 30);
  // Later price changes of the model and edition do not reach frozen values.
  connection().ExecuteDirect("update VEI_OPCIONAL_MODELO set VAL_OPCIONAL = 1");
  connection().ExecuteDirect("update VEI_OPCIONAL_MODELO_EDICAO set VAL_OPCIONAL = 1");
  dm.CongelaValoresDaProposta(kChassi, 1, 1, 30);
  EXPECT_EQ(Rows("select OPCIONAL, VAL_OPCIONAL from VEI_PROPOSTA_OPCIONAL where PROPOSTA = 30 "
                 "order by OPCIONAL"),
            (TextRows{{"O1", "1500.00"}, {"O2", "800.00"}, {"O3", "600.00"}, {"O4", "999.00"}}));
}

TEST_F(CongelaValoresTest, AnotherProposalOfTheSameVehicleTakesTheFrozenValues) {
  dm.CongelaValoresDaProposta(kChassi, 1, 1, 30);
  // Proposal 31 had O1 at 1100, but the vehicle's O1 is frozen at 1500 now.
  dm.CongelaValoresDaProposta(kChassi, 1, 1, 31);
  EXPECT_EQ(Rows("select OPCIONAL, VAL_OPCIONAL from VEI_PROPOSTA_OPCIONAL where PROPOSTA = 31 "
                 "order by OPCIONAL"),
            (TextRows{{"O1", "1500.00"}, {"O2", "800.00"}, {"O3", "600.00"}, {"O4", "999.00"}}));
}

}  // namespace
}  // namespace veiculo::testing
