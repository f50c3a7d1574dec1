// The maker's bonuses a vehicle qualifies for: each criterion of a bonus row
// and of its criteria tables, the four kinds of answer, and bad input.
// V1: model M1, chassis CH1, origin dealer 1, produced 10/01/2025 14:30, with
// TETO and RODA; asked about as edition ED25, package PK1, bought 20/01/2025,
// sold 15/03/2025, made 2024, model year 2025, four doors.

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "value_sources/seed.h"
#include "veiculo/error.h"

namespace veiculo::testing {
namespace {

// A bonus of a model; every criterion column left empty restricts nothing.
struct BonusRow {
  int bonus = 1;
  std::string modelo = "M1", grupo = "G1";
  std::optional<std::string> comunicado{};
  double valor = 0;
  std::optional<int64_t> ano_fabricacao{}, ano_modelo{}, portas{};
  std::optional<double> compra_inicio{}, compra_fim{}, venda_inicio{}, venda_fim{},
      producao_inicio{}, producao_fim{};
  std::optional<std::string> valida_todos{};  // VALIDA_TOD_OPC
};

double J(int month, int day) {
  return Day(2025, month, day);
}
BonusRow Sold(std::optional<double> from, std::optional<double> to) {
  return {.venda_inicio = from, .venda_fim = to};
}
BonusRow Produced(std::optional<double> from, std::optional<double> to) {
  return {.producao_inicio = from, .producao_fim = to};
}
Value DateOrNull(std::optional<double> d) {
  return d ? D(*d) : Value::Null();
}

void SeedBonusRow(Connection& c, const BonusRow& b) {
  Insert(c, "VEI_BONUS",
         "EMPRESA BONUS MODELO GRUPO_BONUS NRO_COMUNICADO VAL_BONUS ANO_FABRICACAO ANO_MODELO "
         "PORTAS DTA_COMPRA_INICIO DTA_COMPRA_FIM DTA_VENDA_INICIO DTA_VENDA_FIM "
         "DTA_PRODUCAO_INICIO DTA_PRODUCAO_FIM VALIDA_TOD_OPC",
         {I(1), I(b.bonus), T(b.modelo), T(b.grupo), TextOrNull(b.comunicado), F(b.valor),
          IntOrNull(b.ano_fabricacao), IntOrNull(b.ano_modelo), IntOrNull(b.portas),
          DateOrNull(b.compra_inicio), DateOrNull(b.compra_fim), DateOrNull(b.venda_inicio),
          DateOrNull(b.venda_fim), DateOrNull(b.producao_inicio), DateOrNull(b.producao_fim),
          TextOrNull(b.valida_todos)});
}
// `column` values of a criteria `table` of a bonus (the optionals tables on model M1).
void List(Connection& c, const char* table, const char* column, int bonus,
          const std::vector<Value>& values) {
  const bool opcional = std::string(column) == "OPCIONAL";
  for (const Value& v : values)
    Insert(c, table,
           Columns{{"EMPRESA", I(1)}, {"BONUS", I(bonus)}, {column, v}} +
               (opcional ? Columns{{"MODELO", T("M1")}} : Columns{}));
}
std::vector<Value> Texts(std::vector<std::string> texts) {
  std::vector<Value> v;
  for (const std::string& t : texts) v.push_back(T(t));
  return v;
}
void Vehicle(Connection& c, const char* veiculo, const char* chassi, std::optional<int64_t> origem,
             std::optional<double> producao, std::vector<std::string> opcionais) {
  Insert(c, "VEI_VEICULO", "EMPRESA VEICULO MODELO CHASSI REVENDA_ORIGEM",
         {I(1), T(veiculo), T("M1"), T(chassi), IntOrNull(origem)});
  Insert(c, "OFI_FICHA_SEGUIMENTO", "EMPRESA CHASSI DTA_PRODUCAO",
         {I(1), T(chassi), DateOrNull(producao)});
  for (const std::string& o : opcionais)
    Insert(c, "OFI_FICHA_OPCIONAL", "EMPRESA CHASSI MODELO OPCIONAL",
           {I(1), T(chassi), T("M1"), T(o)});
}

class BonusTest : public ValueSourceTest {
 protected:
  void SetUp() override {
    ValueSourceTest::SetUp();
    Vehicle(connection(), "V1", "CH1", 1, J(1, 10) + platform::EncodeTime(14, 30, 0),
            {"TETO", "RODA"});
  }
  std::string Dados(const std::string& grupo, int tipo) {
    return module().BuscaDadosBonus("V1", "CH1", "M1", "ED25", "PK1", "20/01/2025", "15/03/2025", 1,
                                    2024, 2025, 4, grupo, tipo);
  }
  double Valor(const std::string& grupo, const char* veiculo = "V1", const char* chassi = "CH1") {
    return module().BuscaValorBonus(veiculo, chassi, "M1", "ED25", "PK1", "20/01/2025",
                                    "15/03/2025", 1, 2024, 2025, 4, grupo);
  }
};

using Lists = std::function<void(Connection&, int bonus)>;
Lists Opc(std::vector<std::string> required, std::vector<std::string> excluded = {}) {
  return [=](Connection& c, int b) {
    List(c, "VEI_BONUS_OPCIONAL", "OPCIONAL", b, Texts(required));
    List(c, "VEI_BONUS_OPCIONAL_SEM", "OPCIONAL", b, Texts(excluded));
  };
}
Lists Listed(const char* table, const char* column, std::vector<Value> values) {
  return [=](Connection& c, int b) { List(c, table, column, b, values); };
}

// Each case is a bonus of 100 in a group of its own, asked for by that group.
TEST_F(BonusTest, EachCriterionOfABonus) {
  const struct {
    const char* name;
    BonusRow row;
    Lists lists;
    bool applies;
  } cases[] = {
      {"no criteria", {}, nullptr, true},
      {"year made 2024", {.ano_fabricacao = 2024}, nullptr, true},
      {"year made 2023", {.ano_fabricacao = 2023}, nullptr, false},
      {"model year 2024", {.ano_modelo = 2024}, nullptr, false},
      {"two doors", {.portas = 2}, nullptr, false},
      {"bought in January", {.compra_inicio = J(1, 1), .compra_fim = J(1, 31)}, nullptr, true},
      {"bought in February", {.compra_inicio = J(2, 1), .compra_fim = J(2, 28)}, nullptr, false},
      // Both bounds of a window count on their own day.
      {"bought from 20/01", {.compra_inicio = J(1, 20), .compra_fim = J(1, 31)}, nullptr, true},
      {"bought by 20/01", {.compra_inicio = J(1, 1), .compra_fim = J(1, 20)}, nullptr, true},
      {"bought from 21/01", {.compra_inicio = J(1, 21), .compra_fim = J(1, 31)}, nullptr, false},
      {"bought by 19/01", {.compra_inicio = J(1, 1), .compra_fim = J(1, 19)}, nullptr, false},
      // Only an end: the query lets it through (no start), the check does not.
      {"bought by 19/01 only", {.compra_fim = J(1, 19)}, nullptr, false},
      {"sold by 15/03, the sale day", Sold(J(3, 1), J(3, 15)), nullptr, true},
      {"sold from 15/03, the sale day", Sold(J(3, 15), J(3, 31)), nullptr, true},
      {"sold by 14/03", Sold(J(3, 1), J(3, 14)), nullptr, false},
      {"sold from 16/03", Sold(J(3, 16), J(3, 31)), nullptr, false},
      // Produced at 14:30 on the window's last day: the day counts.
      {"produced by 10/01", Produced(J(1, 1), J(1, 10)), nullptr, true},
      {"produced from 10/01", Produced(J(1, 10), J(1, 31)), nullptr, true},
      {"produced from 11/01", Produced(J(1, 11), J(1, 31)), nullptr, false},
      {"produced by 09/01 only", Produced({}, J(1, 9)), nullptr, false},
      {"requires TETO", {}, Opc({"TETO"}), true},
      {"requires TETO and ARCOND", {}, Opc({"TETO", "ARCOND"}), false},
      {"S with the same set", {.valida_todos = "S"}, Opc({"RODA", "TETO"}), true},
      {"S with TETO only", {.valida_todos = "S"}, Opc({"TETO"}), false},
      {"S with one more", {.valida_todos = "S"}, Opc({"TETO", "RODA", "ARCOND"}), false},
      {"S with RODA listed twice", {.valida_todos = "S"}, Opc({"TETO", "RODA", "RODA"}), true},
      {"S listing none", {.valida_todos = "S"}, nullptr, false},
      {"excludes RODA", {}, Opc({"TETO"}, {"RODA"}), false},
      {"excludes ARCOND", {}, Opc({"TETO"}, {"ARCOND"}), true},
      {"packages PK2, PK1", {}, Listed("VEI_BONUS_PACOTE", "PACOTE", Texts({"PK2", "PK1"})), true},
      {"package PK2", {}, Listed("VEI_BONUS_PACOTE", "PACOTE", Texts({"PK2"})), false},
      {"edition ED25", {}, Listed("VEI_BONUS_EDICAO", "EDICAO", Texts({"ED25"})), true},
      {"edition ED24", {}, Listed("VEI_BONUS_EDICAO", "EDICAO", Texts({"ED24"})), false},
      {"dealers 2, 1", {}, Listed("VEI_BONUS_REVENDA", "REVENDA", {I(2), I(1)}), true},
      {"dealer 2", {}, Listed("VEI_BONUS_REVENDA", "REVENDA", {I(2)}), false},
  };
  int n = 0;
  for (const auto& c : cases) {
    BonusRow row = c.row;
    row.bonus = ++n;
    row.grupo = "C" + std::to_string(n);
    row.valor = 100;
    SeedBonusRow(connection(), row);
    if (c.lists) c.lists(connection(), row.bonus);
  }
  n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_DOUBLE_EQ(Valor("C" + std::to_string(++n)), c.applies ? 100 : 0);
  }
}

TEST_F(BonusTest, VehiclesWithoutOptionalsProductionDateOrOrigin) {
  Vehicle(connection(), "V2", "CH2", 1, std::nullopt, {});
  Vehicle(connection(), "V3", "CH3", std::nullopt, J(1, 10), {});
  SeedBonusRow(connection(), {.bonus = 1, .grupo = "S0", .valor = 100, .valida_todos = "S"});
  SeedBonusRow(connection(), {.bonus = 2, .grupo = "N0", .valor = 100});
  SeedBonusRow(connection(),
               {.bonus = 3, .grupo = "P0", .valor = 100, .producao_fim = Day(2099, 1, 1)});
  SeedBonusRow(connection(), {.bonus = 4, .grupo = "R", .valor = 10});
  List(connection(), "VEI_BONUS_REVENDA", "REVENDA", 4, {I(1)});
  EXPECT_DOUBLE_EQ(Valor("S0", "V2", "CH2"), 0);  // no required optionals is not the same set
  EXPECT_DOUBLE_EQ(Valor("N0", "V2", "CH2"), 100);
  EXPECT_DOUBLE_EQ(Valor("P0", "V2", "CH2"), 0);  // no production date
  EXPECT_DOUBLE_EQ(Valor("", "V9", "CH1"), 0);    // V9 does not exist
  EXPECT_DOUBLE_EQ(Valor("", "V3", "CH3"), 200);  // no origin: N0 and P0, not the dealer's
}

TEST_F(BonusTest, GroupsAndAnswerTypes) {
  // G1..G4 in order; G4 does not suit V1 (model year 2024); G1 also has a
  // second bonus, one of two doors and one of model M2.
  SeedBonusRow(connection(), {.bonus = 11, .grupo = "G1", .comunicado = "COM-11", .valor = 1000});
  SeedBonusRow(connection(), {.bonus = 12, .grupo = "G2", .valor = 250});  // no notice
  SeedBonusRow(connection(), {.bonus = 13, .grupo = "G3", .comunicado = "COM-13", .valor = 300.25});
  SeedBonusRow(
      connection(),
      {.bonus = 14, .grupo = "G4", .comunicado = "COM-14", .valor = 99, .ano_modelo = 2024});
  SeedBonusRow(connection(), {.bonus = 15, .grupo = "G1", .valor = 500.5});
  SeedBonusRow(connection(), {.bonus = 16, .grupo = "G1", .valor = 70, .portas = 2});
  SeedBonusRow(connection(), {.bonus = 17, .modelo = "M2", .grupo = "G1", .valor = 9});
  SeedBonusRow(connection(), {.bonus = 18, .grupo = "D'X", .valor = 10});
  EXPECT_EQ(Dados("G1", 1), "1500,5");  // 1000 + 500,50
  EXPECT_DOUBLE_EQ(Valor("G2"), 250);
  EXPECT_DOUBLE_EQ(Valor(""),
                   2060.75);  // 1500,50 + 250 + 300,25 + 10: the last group does not stick
  EXPECT_DOUBLE_EQ(Valor("D'X"), 10);
  EXPECT_EQ(Dados("G9", 1), "0");
  EXPECT_EQ(Dados("G3", 2), "COM-13");  // notice of the first bonus that applies
  EXPECT_EQ(Dados("G2", 2), "");        // applies, without a notice
  EXPECT_EQ(Dados("G4", 2), "");        // does not apply
  EXPECT_EQ(Dados("G3", 3), "COM-13");
  EXPECT_EQ(Dados("G4", 4), "");
}

TEST_F(BonusTest, NoticesOneALineWithoutATrailingBreak) {
  SeedBonusRow(connection(), {.bonus = 11, .grupo = "G1", .comunicado = "COM-11", .valor = 1000});
  SeedBonusRow(connection(), {.bonus = 12, .grupo = "G2", .valor = 250});
  SeedBonusRow(connection(), {.bonus = 13, .grupo = "G3", .comunicado = "COM-13", .valor = 300.25});
  SeedBonusRow(
      connection(),
      {.bonus = 14, .grupo = "G4", .comunicado = "COM-14", .valor = 99, .ano_modelo = 2024});
  EXPECT_EQ(Dados("", 2), "COM-11");
  EXPECT_EQ(Dados("", 3), "COM-11\r\nCOM-13");  // G4, the last row, does not apply
  EXPECT_EQ(Dados("", 4),
            "11;G1;COM-11;1000,00\xC2\xA7"
            "12;G2;;250,00\xC2\xA7"
            "13;G3;COM-13;300,25\xC2\xA7");
}

TEST_F(BonusTest, BadInputIsRefusedAndNoBonusReadsLittle) {
  for (int tipo : {0, 5}) {
    EXPECT_VEICULO_ERROR(Dados("", tipo), ErrorCategory::Validation, "pfTipo") << tipo;
  }
  for (const char* data : {"", "31/02/2025", "2025-01-20"}) {
    EXPECT_VEICULO_ERROR(module().BuscaDadosBonus("V1", "CH1", "M1", "ED25", "PK1", data,
                                                  "15/03/2025", 1, 2024, 2025, 4, "", 1),
                         ErrorCategory::Validation, "pfDataCompra")
        << data;
  }
  EXPECT_THROW(module().BuscaValorBonus("V1", "CH1", "M1", "ED25", "PK1", "20/01/2025",
                                        "15/13/2025", 1, 2024, 2025, 4, ""),
               Error);
  // A model without bonuses costs the production date and the bonus query.
  EXPECT_EQ(StatementsOf([&] { EXPECT_DOUBLE_EQ(Valor(""), 0); }), 2);
}

}  // namespace
}  // namespace veiculo::testing
