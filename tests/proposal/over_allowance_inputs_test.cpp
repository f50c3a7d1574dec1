// GravaDiferencaAvaliacaoSaida takes the processing date as the host sends it
// (ISO) or in the local form, and refuses a database kind or a date it cannot
// use before any statement, so the booked expense is never deleted without
// being written again.

#include <gtest/gtest.h>

#include <string>

#include "support/kit.h"
#include "veiculo/error.h"

namespace veiculo::testing {
namespace {

class OverAllowanceInputsTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    // Proposal 40 of V40 paid 25,000.00 for trade-in 123 appraised at 23,500.00;
    // a booking of 999.00 on 01/01/2025 is already there.
    Connection& c = connection();
    Insert(c, "VEI_AVALIACAO", "EMPRESA AVALIACAO VAL_AVALIACAO", {I(1), I(123), F(23500)});
    AddProposal(c, 1, 40, {{"VEICULO", T("V40")}});
    AddPayment(c, 1, 40, 1, 1, Cols("IDENTIFICACAO VAL_PAGAMENTO", {T("AV.0000123"), F(25000)}));
    Insert(c, "VEI_DESPESA_VEICULO",
           "EMPRESA VEICULO DOCUMENTO CONTADOR DESPESA TIPO DTA_DESPESA_VEICULO "
           "VAL_DESPESA_VEICULO COMPOE_CUSTO_CONTABIL",
           {I(1), T("V40"), I(40), I(0), I(77), T("NF"), D(Day(2025, 1, 1)), F(999), T("N")});
  }
  bool Grava(const std::string& banco, const std::string& data) {
    return module().GravaDiferencaAvaliacaoSaida(banco, data, 1, 1, 40, 1, 77);
  }
  TextRows Despesas() {
    return Rows(
        "select VEICULO, DOCUMENTO, DTA_DESPESA_VEICULO, VAL_DESPESA_VEICULO "
        "from VEI_DESPESA_VEICULO");
  }
};

TEST_F(OverAllowanceInputsTest, TheHostsIsoDatesAndTheLocalFormAreTaken) {
  for (const char* data : {"2025-03-14", "2025-03-14T10:00:00", "14/03/2025"}) {
    SCOPED_TRACE(data);
    ASSERT_TRUE(Grava("INTERBASE", data));
    // 25,000.00 - 23,500.00 booked on the day, replacing the earlier booking.
    EXPECT_EQ(Despesas(), (TextRows{{"V40", "40", "2025-03-14T00:00:00", "1500.00"}}));
  }
}

TEST_F(OverAllowanceInputsTest, BadInputIsRefusedBeforeAnythingIsDeleted) {
  struct Case {
    const char* banco;
    const char* data;
    const char* message;
  };
  const Case cases[] = {
      {"DBASE", "14/03/2025",
       "GravaDiferencaAvaliacaoSaida: pfBancoDados 'DBASE' is not a database kind (ORACLE, "
       "INTERBASE or SQLSERVER)"},
      {"INTERBASE", "ontem",
       "GravaDiferencaAvaliacaoSaida: pfDataProcessamento 'ontem' is not a date (dd/mm/yyyy, "
       "YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS)"},
      {"INTERBASE", "31/02/2025",
       "GravaDiferencaAvaliacaoSaida: pfDataProcessamento '31/02/2025' is not a date "
       "(dd/mm/yyyy, YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS)"},
      {"INTERBASE", "",
       "GravaDiferencaAvaliacaoSaida: pfDataProcessamento '' is not a date (dd/mm/yyyy, "
       "YYYY-MM-DD or YYYY-MM-DDTHH:MM:SS)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.banco) + " " + c.data);
    const long before = connection().StatementCount();
    EXPECT_VEICULO_ERROR(Grava(c.banco, c.data), ErrorCategory::Validation, c.message);
    EXPECT_EQ(connection().StatementCount(), before);
    EXPECT_EQ(Despesas(), (TextRows{{"V40", "40", "2025-01-01T00:00:00", "999.00"}}));
  }
}

}  // namespace
}  // namespace veiculo::testing
