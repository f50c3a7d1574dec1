// The maker's bonuses a vehicle qualifies for: each criterion of a bonus row
// and of its criteria tables, the four kinds of answer, and bad input.
//
// The vehicle of these tests: V1 of model M1, chassis CH1, origin dealer 1,
// produced on 10/01/2025 at 14:30, with the optionals TETO and RODA; it is
// asked about as edition ED25, package PK1, bought 20/01/2025, sold
// 15/03/2025, made 2024, model year 2025, four doors.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/format/date_time.h"
#include "value_sources/bonus_seed.h"
#include "value_sources/present_value_fixture.h"
#include "veiculo/error.h"

namespace veiculo::testing {
namespace {

double Dia(int year, int month, int day) {
  return platform::EncodeDate(year, month, day);
}

class BonusTest : public ModuleDbTest {
 protected:
  void SetUp() override {
    ModuleDbTest::SetUp();
    SeedBonusVehicle(connection(), "V1", "CH1", 1,
                     Dia(2025, 1, 10) + platform::EncodeTime(14, 30, 0), {"TETO", "RODA"});
  }

  std::string Dados(const std::string& grupo, int tipo, const std::string& veiculo = "V1",
                    const std::string& chassi = "CH1") {
    return dm.BuscaDadosBonus(veiculo, chassi, "M1", "ED25", "PK1", "20/01/2025", "15/03/2025", 1,
                              2024, 2025, 4, grupo, tipo);
  }
  double Valor(const std::string& grupo, const std::string& veiculo = "V1",
               const std::string& chassi = "CH1") {
    return dm.BuscaValorBonus(veiculo, chassi, "M1", "ED25", "PK1", "20/01/2025", "15/03/2025", 1,
                              2024, 2025, 4, grupo);
  }
};

using Lists = std::function<void(Connection&, int bonus)>;

Lists Required(std::vector<std::string> opcionais) {
  return [=](Connection& c, int bonus) {
    SeedBonusOpcionais(c, "VEI_BONUS_OPCIONAL", bonus, opcionais);
  };
}
Lists Excluded(std::vector<std::string> required, std::vector<std::string> excluded) {
  return [=](Connection& c, int bonus) {
    SeedBonusOpcionais(c, "VEI_BONUS_OPCIONAL", bonus, required);
    SeedBonusOpcionais(c, "VEI_BONUS_OPCIONAL_SEM", bonus, excluded);
  };
}
Lists Listed(const char* table, const char* column, std::vector<Value> values) {
  return [=](Connection& c, int bonus) { SeedBonusLista(c, table, column, bonus, values); };
}

struct CriteriaCase {
  const char* name;
  BonusRow row;  // bonus number, group and value are set per case
  Lists lists;
  bool applies;
};

// Each case is a bonus of 100 in a group of its own, asked for by that group.
TEST_F(BonusTest, EachCriterionOfABonus) {
  const std::vector<CriteriaCase> cases = {
      {"no criteria", {}, nullptr, true},
      {"year made 2024", {.ano_fabricacao = 2024}, nullptr, true},
      {"year made 2023", {.ano_fabricacao = 2023}, nullptr, false},
      {"model year 2025", {.ano_modelo = 2025}, nullptr, true},
      {"model year 2024", {.ano_modelo = 2024}, nullptr, false},
      {"four doors", {.portas = 4}, nullptr, true},
      {"two doors", {.portas = 2}, nullptr, false},
      {"bought in January",
       {.compra_inicio = Dia(2025, 1, 1), .compra_fim = Dia(2025, 1, 31)},
       nullptr,
       true},
      {"bought in February",
       {.compra_inicio = Dia(2025, 2, 1), .compra_fim = Dia(2025, 2, 28)},
       nullptr,
       false},
      // Only an end: the query lets it through (no start), the check does not.
      {"bought by 19/01 only", {.compra_fim = Dia(2025, 1, 19)}, nullptr, false},
      {"sold by 15/03, the sale day",
       {.venda_inicio = Dia(2025, 3, 1), .venda_fim = Dia(2025, 3, 15)},
       nullptr,
       true},
      {"sold from 16/03",
       {.venda_inicio = Dia(2025, 3, 16), .venda_fim = Dia(2025, 3, 31)},
       nullptr,
       false},
      // Produced at 14:30 on the window's last day: the day counts.
      {"produced by 10/01",
       {.producao_inicio = Dia(2025, 1, 1), .producao_fim = Dia(2025, 1, 10)},
       nullptr,
       true},
      {"produced from 11/01",
       {.producao_inicio = Dia(2025, 1, 11), .producao_fim = Dia(2025, 1, 31)},
       nullptr,
       false},
      {"produced by 09/01 only", {.producao_fim = Dia(2025, 1, 9)}, nullptr, false},
      {"requires TETO", {}, Required({"TETO"}), true},
      {"requires TETO and ARCOND", {}, Required({"TETO", "ARCOND"}), false},
      {"N requires RODA", {.valida_todos = "N"}, Required({"RODA"}), true},
      {"S with the same set", {.valida_todos = "S"}, Required({"RODA", "TETO"}), true},
      {"S with TETO only", {.valida_todos = "S"}, Required({"TETO"}), false},
      {"S with one more", {.valida_todos = "S"}, Required({"TETO", "RODA", "ARCOND"}), false},
      // RODA listed twice is still the vehicle's set of two optionals.
      {"S with RODA listed twice", {.valida_todos = "S"}, Required({"TETO", "RODA", "RODA"}), true},
      {"excludes RODA", {}, Excluded({"TETO"}, {"RODA"}), false},
      {"excludes ARCOND", {}, Excluded({"TETO"}, {"ARCOND"}), true},
      {"packages PK2, PK1",
       {},
       Listed("VEI_BONUS_PACOTE", "PACOTE", {Value::Text("PK2"), Value::Text("PK1")}),
       true},
      {"package PK2", {}, Listed("VEI_BONUS_PACOTE", "PACOTE", {Value::Text("PK2")}), false},
      {"edition ED25", {}, Listed("VEI_BONUS_EDICAO", "EDICAO", {Value::Text("ED25")}), true},
      {"edition ED24", {}, Listed("VEI_BONUS_EDICAO", "EDICAO", {Value::Text("ED24")}), false},
      {"dealers 2, 1",
       {},
       Listed("VEI_BONUS_REVENDA", "REVENDA", {Value::Integer(2), Value::Integer(1)}),
       true},
      {"dealer 2", {}, Listed("VEI_BONUS_REVENDA", "REVENDA", {Value::Integer(2)}), false},
  };
  for (size_t i = 0; i < cases.size(); ++i) {
    BonusRow row = cases[i].row;
    row.bonus = static_cast<int>(i) + 1;
    row.grupo = "C" + std::to_string(i);
    row.valor = 100;
    SeedBonusRow(connection(), row);
    if (cases[i].lists) cases[i].lists(connection(), row.bonus);
  }
  for (size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(cases[i].name);
    EXPECT_DOUBLE_EQ(Valor("C" + std::to_string(i)), cases[i].applies ? 100 : 0);
  }
}

TEST_F(BonusTest, AllOptionalsRuleNeedsAVehicleWithOptionals) {
  SeedBonusVehicle(connection(), "V2", "CH2", 1, std::nullopt, {});
  SeedBonusRow(connection(), {.bonus = 1, .grupo = "S0", .valor = 100, .valida_todos = "S"});
  SeedBonusRow(connection(), {.bonus = 2, .grupo = "S1", .valor = 100, .valida_todos = "S"});
  SeedBonusOpcionais(connection(), "VEI_BONUS_OPCIONAL", 2, {"TETO"});
  // Without the rule, a bonus without required optionals suits a bare vehicle.
  SeedBonusRow(connection(), {.bonus = 3, .grupo = "N0", .valor = 100});
  EXPECT_DOUBLE_EQ(Valor("S0", "V2", "CH2"), 0);  // no required optionals: still not the same set
  EXPECT_DOUBLE_EQ(Valor("S1", "V2", "CH2"), 0);
  EXPECT_DOUBLE_EQ(Valor("N0", "V2", "CH2"), 100);
  // V1 has TETO and RODA; a bonus that lists none is not V1's set either.
  EXPECT_DOUBLE_EQ(Valor("S0"), 0);
}

TEST_F(BonusTest, VehicleWithoutProductionDateMissesProductionWindows) {
  SeedBonusVehicle(connection(), "V2", "CH2", 1, std::nullopt, {});
  SeedBonusRow(connection(), {.bonus = 1,
                              .grupo = "P0",
                              .valor = 100,
                              .producao_inicio = Dia(2000, 1, 1),
                              .producao_fim = Dia(2099, 1, 1)});
  SeedBonusRow(connection(),
               {.bonus = 2, .grupo = "P1", .valor = 100, .producao_fim = Dia(2099, 1, 1)});
  EXPECT_DOUBLE_EQ(Valor("P0", "V2", "CH2"), 0);
  EXPECT_DOUBLE_EQ(Valor("P1", "V2", "CH2"), 0);
  EXPECT_DOUBLE_EQ(Valor("", "V2", "CH2"), 0);
}

TEST_F(BonusTest, VehicleMustExistAndCarryAListedOriginDealer) {
  SeedBonusVehicle(connection(), "V3", "CH3", std::nullopt, Dia(2025, 1, 10), {});
  SeedBonusRow(connection(), {.bonus = 1, .grupo = "A", .valor = 100});
  SeedBonusRow(connection(), {.bonus = 2, .grupo = "B", .valor = 10});
  SeedBonusLista(connection(), "VEI_BONUS_REVENDA", "REVENDA", 2, {Value::Integer(1)});
  EXPECT_DOUBLE_EQ(Valor("", "V9", "CH1"), 0);    // V9 does not exist: nothing applies
  EXPECT_DOUBLE_EQ(Valor("", "V3", "CH3"), 100);  // no origin dealer: only the unlimited bonus
  EXPECT_DOUBLE_EQ(Valor(""), 110);
}

TEST_F(BonusTest, TwoValidBonusesOfOneGroupBothCount) {
  SeedBonusRow(connection(), {.bonus = 1, .grupo = "G1", .valor = 1000});
  SeedBonusRow(connection(), {.bonus = 2, .grupo = "G1", .valor = 500.5});
  SeedBonusRow(connection(), {.bonus = 3, .grupo = "G1", .valor = 70, .portas = 2});  // not V1
  SeedBonusRow(connection(), {.bonus = 4, .grupo = "G2", .valor = 250});
  SeedBonusRow(connection(), {.bonus = 5, .modelo = "M2", .grupo = "G1", .valor = 9});
  EXPECT_EQ(Dados("G1", 1), "1500,5");  // 1000 + 500,50
  EXPECT_DOUBLE_EQ(Valor("G1"), 1500.5);
  EXPECT_DOUBLE_EQ(Valor(""), 1750.5);  // every group: 1500,50 + 250
  EXPECT_EQ(Dados("G9", 1), "0");
  EXPECT_DOUBLE_EQ(Valor("G9"), 0);
}

// The group asked for by one call does not restrict the next call.
TEST_F(BonusTest, GroupOfAnEarlierCallDoesNotStick) {
  SeedBonusRow(connection(), {.bonus = 1, .grupo = "G1", .valor = 1000});
  SeedBonusRow(connection(), {.bonus = 2, .grupo = "G2", .valor = 250});
  EXPECT_DOUBLE_EQ(Valor("G2"), 250);
  EXPECT_DOUBLE_EQ(Valor(""), 1250);
}

TEST_F(BonusTest, GroupWithAQuote) {
  SeedBonusRow(connection(), {.bonus = 1, .grupo = "D'X", .valor = 10});
  SeedBonusRow(connection(), {.bonus = 2, .grupo = "DX", .valor = 20});
  EXPECT_DOUBLE_EQ(Valor("D'X"), 10);
}

class BonusTextsTest : public BonusTest {
 protected:
  void SetUp() override {
    BonusTest::SetUp();
    // Group order G1..G4; the last one does not suit V1 (model year 2024).
    SeedBonusRow(connection(), {.bonus = 11, .grupo = "G1", .comunicado = "COM-11", .valor = 1000});
    SeedBonusRow(connection(), {.bonus = 12, .grupo = "G2", .valor = 250});  // no notice
    SeedBonusRow(connection(),
                 {.bonus = 13, .grupo = "G3", .comunicado = "COM-13", .valor = 300.25});
    SeedBonusRow(
        connection(),
        {.bonus = 14, .grupo = "G4", .comunicado = "COM-14", .valor = 99, .ano_modelo = 2024});
  }
};

TEST_F(BonusTextsTest, Type2IsTheNoticeOfTheFirstBonusThatApplies) {
  EXPECT_EQ(Dados("", 2), "COM-11");
  EXPECT_EQ(Dados("G3", 2), "COM-13");
  EXPECT_EQ(Dados("G2", 2), "");  // applies, but has no notice
  EXPECT_EQ(Dados("G4", 2), "");  // does not apply
}

TEST_F(BonusTextsTest, Type3ListsTheNoticesOneALine) {
  // G2 has no notice; G4 is the last row and does not apply: no line break after COM-13.
  EXPECT_EQ(Dados("", 3), "COM-11\r\nCOM-13");
  EXPECT_EQ(Dados("G3", 3), "COM-13");
  EXPECT_EQ(Dados("G4", 3), "");
}

TEST_F(BonusTextsTest, Type4DescribesEachBonus) {
  EXPECT_EQ(Dados("", 4),
            "11;G1;COM-11;1000,00\xC2\xA7"
            "12;G2;;250,00\xC2\xA7"
            "13;G3;COM-13;300,25\xC2\xA7");
  EXPECT_EQ(Dados("G4", 4), "");
}

TEST_F(BonusTest, BadInputIsRefused) {
  for (int tipo : {0, 5}) {
    try {
      Dados("", tipo);
      ADD_FAILURE() << "pfTipo " << tipo << " accepted";
    } catch (const Error& e) {
      EXPECT_EQ(e.category(), ErrorCategory::Validation);
      EXPECT_NE(std::string(e.what()).find("pfTipo"), std::string::npos) << e.what();
    }
  }
  for (const char* data : {"", "31/02/2025", "2025-01-20"}) {
    try {
      dm.BuscaDadosBonus("V1", "CH1", "M1", "ED25", "PK1", data, "15/03/2025", 1, 2024, 2025, 4, "",
                         1);
      ADD_FAILURE() << "purchase date '" << data << "' accepted";
    } catch (const Error& e) {
      EXPECT_EQ(e.category(), ErrorCategory::Validation);
      EXPECT_NE(std::string(e.what()).find("pfDataCompra"), std::string::npos) << e.what();
    }
  }
  EXPECT_THROW(dm.BuscaValorBonus("V1", "CH1", "M1", "ED25", "PK1", "20/01/2025", "15/13/2025", 1,
                                  2024, 2025, 4, ""),
               Error);
}

// A model without bonuses costs the production date and the bonus query;
// the vehicle's optionals and origin are read only for a bonus to check.
TEST_F(BonusTest, ModelWithoutBonusesReadsNothingElse) {
  EXPECT_EQ(StatementsOf([&] { EXPECT_DOUBLE_EQ(Valor(""), 0); }), 2);
}

}  // namespace
}  // namespace veiculo::testing
