// Reading a vehicle and its costing formula lines into the module: keyed
// reads with reuse, the payment index of the "C" line, and the path where the
// host has replaced the queries by ones that load every row.

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "module/catalogue_seed.h"
#include "platform/db/client_dataset.h"
#include "platform/db/sql_dataset.h"
#include "support/kit.h"

namespace veiculo {
namespace {

using testing::F;
using testing::I;
using testing::T;

using testing::Insert;

class VehicleTest : public testing::ModuleTest {
 protected:
  // Company 1: V1 and V2 on formula F1 (its "C" line has index 22), V3 and V5
  // on F2 (no "C" line). Company 2: its own V1 on its own F1 ("C" index 99),
  // and a one-line F2 of its own.
  void SetUp() override {
    ModuleTest::SetUp();
    for (int empresa : {1, 2})
      Insert(connection(), "VEI_MODELO", "EMPRESA MODELO PRECO_PUBLICO",
             {I(empresa), T("M1"), F(50000)});
    const struct {
      int empresa;
      const char *veiculo, *formula;
    } vehicles[] = {
        {1, "V1", "F1"}, {1, "V2", "F1"}, {1, "V3", "F2"}, {1, "V5", "F2"}, {2, "V1", "F1"}};
    for (const auto& v : vehicles) {
      const std::string chassi = "CH" + std::to_string(v.empresa) + v.veiculo;
      Insert(connection(), "OFI_FICHA_SEGUIMENTO", "CHASSI TIPO_PINTURA", {T(chassi), T("S")});
      Insert(connection(), "VEI_VEICULO", "EMPRESA VEICULO FORMULA MODELO CHASSI",
             {I(v.empresa), T(v.veiculo), T(v.formula), T("M1"), T(chassi)});
    }
    const std::tuple<int, const char*, int, const char*, int> lines[] = {
        {1, "F1", 1, "A", 11}, {1, "F1", 2, "C", 22}, {1, "F1", 3, "B", 33}, {1, "F2", 1, "A", 41},
        {1, "F2", 2, "B", 42}, {2, "F1", 1, "A", 98}, {2, "F1", 2, "C", 99}, {2, "F2", 1, "A", 97}};
    for (const auto& [empresa, formula, linha, tipo, indice] : lines)
      Insert(connection(), "VEI_FORMULA_LINHA", "EMPRESA FORMULA LINHA_FORMULA TIPO INDICE",
             {I(empresa), T(formula), I(linha), T(tipo), I(indice)});
  }

  // The vehicle query without its where clause: every vehicle of every company.
  std::string AllVehiclesQuery() const {
    const std::string& text = module().sdsVeiculo->CommandText();
    const size_t where = text.find(" where v.EMPRESA");
    EXPECT_NE(where, std::string::npos) << text;
    return text.substr(0, where);
  }
  long Statements() { return connection().StatementCount(); }
  std::string CurrentVehicle() { return module().cdsVeiculo->FieldByName("VEICULO").AsText(); }
};

TEST_F(VehicleTest, ReadsReopensOnlyWhatChangesAndFindsThePaymentIndex) {
  struct Step {
    int empresa;
    const char* veiculo;
    bool found;
    long statements;  // vehicle query, plus the formula lines when the formula changes
    int indice;
  };
  const Step steps[] = {
      {1, "V1", true, 2, 22},   // F1's "C" line
      {1, "V1", true, 0, 22},   // the same vehicle again: no SQL
      {1, "V2", true, 1, 22},   // same formula F1: its lines are kept
      {1, "V3", true, 2, 41},   // F2 has no "C" line: the first line stays current
      {2, "V1", true, 2, 99},   // same codes in another company are other rows
      {1, "XX", false, -1, 0},  // unknown: no lines, no index
      {1, "V1", true, 2, 22},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(std::to_string(s.empresa) + "/" + s.veiculo);
    module().SetiPvIndicePagamento(-5);
    const long before = Statements();
    EXPECT_EQ(module().LerVeiculo(s.empresa, s.veiculo, true), s.found);
    if (s.statements >= 0) {
      EXPECT_EQ(Statements() - before, s.statements);
    }
    EXPECT_EQ(module().GetiPvIndicePagamento(), s.indice);
    if (!s.found) {
      EXPECT_TRUE(module().cdsVeiculo->IsEmpty());
      EXPECT_TRUE(module().cdsFormulaLinha->IsEmpty());
      continue;
    }
    EXPECT_EQ(module().cdsVeiculo->RecordCount(), 1);
    EXPECT_EQ(module().cdsVeiculo->FieldByName("EMPRESA").AsInteger(), s.empresa);
    EXPECT_EQ(CurrentVehicle(), s.veiculo);
    EXPECT_FALSE(module().cdsFormulaLinha->Filtered());
  }
  EXPECT_EQ(module().cdsVeiculo->FieldByName("FORMULA_CUSTEIO").AsText(), "F1");
  EXPECT_EQ(module().cdsFormulaLinha->RecordCount(), 3);
  EXPECT_TRUE(module().LerVeiculo(1, "V2", false));  // the flag changes nothing
  EXPECT_EQ(CurrentVehicle(), "V2");
  DataPacket veiculo, linhas;  // the server form returns both as packets
  EXPECT_TRUE(module().LerVeiculoServer(1, "V1", veiculo, linhas, true));
  ASSERT_EQ(veiculo.rows.size(), 1u);
  ASSERT_EQ(linhas.rows.size(), 3u);
  EXPECT_EQ(linhas.rows[1][linhas.FieldIndex("TIPO")].AsText(), "C");
}

TEST_F(VehicleTest, FormulaWithoutCLineLeavesTheIndexOfTheCurrentRow) {
  ASSERT_TRUE(module().LerVeiculo(1, "V3", true));
  EXPECT_EQ(module().GetiPvIndicePagamento(), 41);  // freshly opened: line 1 is current
  // A costing loop leaves the cursor on the last line; V5 shares F2, so the
  // lines are kept and the failed search leaves that line current.
  module().cdsFormulaLinha->Last();
  ASSERT_TRUE(module().LerVeiculo(1, "V5", true));
  EXPECT_EQ(module().GetiPvIndicePagamento(), 42);
}

TEST_F(VehicleTest, WithoutParametersEveryVehicleIsLoadedAndFoundByKey) {
  const std::string keyed = module().sdsVeiculo->CommandText();
  module().AlteraCommandText("cdsVeiculo", AllVehiclesQuery());
  EXPECT_TRUE(module().LerVeiculo(1, "V2", true));
  EXPECT_TRUE(module().cdsVeiculo->GetParams().Empty());
  EXPECT_EQ(module().cdsVeiculo->RecordCount(), 5);
  EXPECT_EQ(CurrentVehicle(), "V2");
  EXPECT_EQ(module().GetiPvIndicePagamento(), 22);
  EXPECT_TRUE(module().LerVeiculo(2, "V1", true));
  EXPECT_EQ(module().cdsVeiculo->FieldByName("EMPRESA").AsInteger(), 2);
  EXPECT_EQ(module().GetiPvIndicePagamento(), 99);
  // Positioning on a loaded vehicle with the formula already read sends nothing.
  ASSERT_TRUE(module().LerVeiculo(1, "V1", true));
  long before = Statements();
  EXPECT_TRUE(module().LerVeiculo(1, "V2", true));
  EXPECT_EQ(Statements(), before);
  EXPECT_EQ(CurrentVehicle(), "V2");
  // An unknown vehicle takes no other vehicle's formula.
  EXPECT_FALSE(module().LerVeiculo(1, "XX", true));
  EXPECT_TRUE(module().cdsFormulaLinha->IsEmpty());
  EXPECT_EQ(module().GetiPvIndicePagamento(), 0);
  // The server sends no vehicle packet when every vehicle is loaded.
  DataPacket veiculo, linhas;
  veiculo.fields.push_back(FieldDef{"UNTOUCHED", FieldType::Integer, 0});
  EXPECT_TRUE(module().LerVeiculoServer(1, "V3", veiculo, linhas, true));
  ASSERT_EQ(veiculo.fields.size(), 1u);
  EXPECT_TRUE(veiculo.rows.empty());
  EXPECT_EQ(linhas.rows.size(), 2u);  // F2's two lines
  // Restoring the keyed query reads one vehicle again.
  module().AlteraCommandText("cdsVeiculo", keyed);
  EXPECT_TRUE(module().LerVeiculo(1, "V3", true));
  EXPECT_EQ(module().cdsVeiculo->GetParams().Count(), 2u);
  EXPECT_EQ(module().cdsVeiculo->RecordCount(), 1);
}

TEST_F(VehicleTest, WithoutParametersTheFormulaLinesAreFilteredToTheVehiclesFormula) {
  // Company 2's lines first: a filter without the company would put its F2
  // line (97) ahead of company 1's F2 lines.
  module().AlteraCommandText("cdsFormulaLinha",
                             "select * from VEI_FORMULA_LINHA order by EMPRESA desc, FORMULA, "
                             "LINHA_FORMULA");
  const std::tuple<int, const char*, int> steps[] = {
      {1, "V1", 22},  // company 1's F1, not company 2's (99)
      {2, "V1", 99},
      {1, "V3", 41},  // no "C" line: the first line of company 1's F2
  };
  for (const auto& [empresa, veiculo, indice] : steps) {
    SCOPED_TRACE(std::to_string(empresa) + "/" + veiculo);
    EXPECT_TRUE(module().LerVeiculo(empresa, veiculo, true));
    EXPECT_EQ(module().GetiPvIndicePagamento(), indice);
    EXPECT_FALSE(module().cdsFormulaLinha->Filtered());
    EXPECT_EQ(module().cdsFormulaLinha->RecordCount(), 8);  // every line, once the filter is off
  }
  // The lines stay loaded: another vehicle costs only its own query.
  const long before = Statements();
  EXPECT_TRUE(module().LerVeiculo(1, "V2", true));
  EXPECT_EQ(Statements() - before, 1);
}

}  // namespace
}  // namespace veiculo
