// CongelaValoresDaProposta: where each optional's value comes from, values
// already set, and the proposal's rebuilt list.

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "proposal/proposal_seed.h"

namespace veiculo::testing {
namespace {

TEST_F(ProposalDbTest, CongelaValoresTakesTheProposalElseTheEditionElseTheModel) {
  const char* chassi = "9BW'X0001";  // the quote must reach the SQL doubled
  InsertRow(connection(), "OFI_FICHA_SEGUIMENTO",
            {{"CHASSI", Txt(chassi)}, {"ANO_MODELO", Int(2025)}, {"EDICAO", Txt("ED1")}});
  for (auto [o, v] : {std::pair{"O1", 1000.0}, {"O2", 700.0}, {"O3", 600.0}, {"O4", 400.0}})
    Seed("VEI_OPCIONAL_MODELO",
         {{"MODELO", Txt("M1")}, {"OPCIONAL", Txt(o)}, {"VAL_OPCIONAL", Num(v)}});
  // Edition values for 2025/ED1 of O1 and O2; O3's is another model year's.
  for (auto [o, ano, v] :
       {std::tuple{"O1", 2025, 1200.0}, {"O2", 2025, 800.0}, {"O3", 2024, 650.0}})
    Seed("VEI_OPCIONAL_MODELO_EDICAO", {{"MODELO", Txt("M1")},
                                        {"OPCIONAL", Txt(o)},
                                        {"ANO_MODELO", Int(ano)},
                                        {"EDICAO", Txt("ED1")},
                                        {"VAL_OPCIONAL", Num(v)}});
  // Proposal 30 froze O1, and O9 that the vehicle lacks; proposal 31 has O1 at 1100.
  for (auto [p, o, v] : {std::tuple{30, "O1", 1500.0}, {30, "O9", 50.0}, {31, "O1", 1100.0}})
    Seed("VEI_PROPOSTA_OPCIONAL", {{"REVENDA", Int(1)},
                                   {"PROPOSTA", Int(p)},
                                   {"OPCIONAL", Txt(o)},
                                   {"VAL_OPCIONAL", Num(v)}});
  for (auto [c, o, v] : {std::tuple{chassi, "O1", std::optional<double>()},
                         {chassi, "O2", std::nullopt},
                         {chassi, "O3", std::nullopt},
                         {chassi, "O4", 999.0},  // already valued
                         {"OUTRO", "O2", std::nullopt}})
    Seed("OFI_FICHA_OPCIONAL", {{"CHASSI", Txt(c)},
                                {"MODELO", Txt("M1")},
                                {"OPCIONAL", Txt(o)},
                                {"VAL_OPCIONAL", Money(v)}});

  // O1 proposal 1500 (not edition 1200 nor model 1000); O2 edition 800; O3
  // model 600; O4 keeps 999. O9 leaves the proposal's list.
  const TextRows frozen{{"O1", "1500.00"}, {"O2", "800.00"}, {"O3", "600.00"}, {"O4", "999.00"}};
  auto lista = [&](int proposta) {
    return Rows("select OPCIONAL, VAL_OPCIONAL from VEI_PROPOSTA_OPCIONAL where PROPOSTA = " +
                std::to_string(proposta) + " order by OPCIONAL");
  };
  dm.CongelaValoresDaProposta(chassi, 1, 1, 30);
  EXPECT_EQ(Rows("select OPCIONAL, VAL_OPCIONAL from OFI_FICHA_OPCIONAL where CHASSI = "
                 "'9BW''X0001' order by OPCIONAL"),
            frozen);
  EXPECT_EQ(lista(30), frozen);
  EXPECT_EQ(lista(31), (TextRows{{"O1", "1100.00"}}));
  EXPECT_EQ(One("select VAL_OPCIONAL from OFI_FICHA_OPCIONAL where CHASSI = 'OUTRO'"), "NULL");

  // Later price changes do not reach frozen values; another proposal of the
  // vehicle takes them (31's O1 becomes 1500).
  connection().ExecuteDirect("update VEI_OPCIONAL_MODELO set VAL_OPCIONAL = 1");
  connection().ExecuteDirect("update VEI_OPCIONAL_MODELO_EDICAO set VAL_OPCIONAL = 1");
  dm.CongelaValoresDaProposta(chassi, 1, 1, 30);
  dm.CongelaValoresDaProposta(chassi, 1, 1, 31);
  EXPECT_EQ(lista(30), frozen);
  EXPECT_EQ(lista(31), frozen);
}

}  // namespace
}  // namespace veiculo::testing
