#include "module/maker_utils/sql_conditions.h"

#include <gtest/gtest.h>

#include "veiculo/error.h"

namespace veiculo::maker {
namespace {

// Runs `f` and expects a validation error whose message names `bad`.
template <class F>
void ExpectRefused(F f, const std::string& bad) {
  try {
    f();
    ADD_FAILURE() << "accepted " << bad;
  } catch (const Error& e) {
    EXPECT_EQ(e.category(), ErrorCategory::Validation) << bad;
    EXPECT_NE(e.message().find(bad), std::string::npos) << e.message();
  }
}

const char* const kDealerColumns = "V.EMPRESA;V.REVENDA_ORIGEM";

TEST(SQLEmpresaRevenda, GroupsDealersByCompany) {
  struct Case {
    const char* keys;
    const char* condition;
  };
  const Case cases[] = {
      {"1.2", "(V.EMPRESA = 1 and V.REVENDA_ORIGEM in (2))"},
      {"1.2,1.3,2.1",
       "(V.EMPRESA = 1 and V.REVENDA_ORIGEM in (2,3)) or (V.EMPRESA = 2 and V.REVENDA_ORIGEM in "
       "(1))"},
      {" 1.2 , 2.5 ,",
       "(V.EMPRESA = 1 and V.REVENDA_ORIGEM in (2)) or (V.EMPRESA = 2 and V.REVENDA_ORIGEM in "
       "(5))"},
      {"", "1 = 0"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SQLEmpresaRevendaBrelUtils(c.keys, kDealerColumns, 2), c.condition) << c.keys;
}

TEST(SQLEmpresaRevenda, ModeOneRestrictsTheCompaniesOnly) {
  EXPECT_EQ(SQLEmpresaRevendaBrelUtils("1.2,1.3,2.1", kDealerColumns, 1), "V.EMPRESA in (1,2)");
  EXPECT_EQ(SQLEmpresaRevendaBrelUtils("3", "C.EMPRESA", 1), "C.EMPRESA in (3)");
}

TEST(SQLEmpresaRevenda, RefusesMalformedKeysAndSettings) {
  ExpectRefused([] { SQLEmpresaRevendaBrelUtils("1.x", kDealerColumns, 2); }, "1.x");
  ExpectRefused([] { SQLEmpresaRevendaBrelUtils("1.2,7", kDealerColumns, 2); }, "\"7\"");
  ExpectRefused([] { SQLEmpresaRevendaBrelUtils("1.2 or 1=1", kDealerColumns, 2); }, "1.2 or 1=1");
  ExpectRefused([] { SQLEmpresaRevendaBrelUtils("99999999999.1", kDealerColumns, 2); },
                "99999999999");
  ExpectRefused([] { SQLEmpresaRevendaBrelUtils("1.2", kDealerColumns, 3); }, "mode 3");
  ExpectRefused([] { SQLEmpresaRevendaBrelUtils("1.2", "V.EMPRESA", 2); }, "V.EMPRESA");
  ExpectRefused([] { SQLEmpresaRevendaBrelUtils("1.2", "V.EMPRESA;X--", 2); }, "X--");
}

TEST(SQLEmpresaDeEmpresaRevenda, ListsEachCompanyOnce) {
  EXPECT_EQ(SQLEmpresaDeEmpresaRevenda("1.2,1.3,2.1"), "1,2");
  EXPECT_EQ(SQLEmpresaDeEmpresaRevenda("4.1"), "4");
  EXPECT_EQ(SQLEmpresaDeEmpresaRevenda(""), "NULL");  // "EMPRESA IN (NULL)" matches nothing
  ExpectRefused([] { SQLEmpresaDeEmpresaRevenda("a.1"); }, "a.1");
}

TEST(SQLChaveComposta, OneTermPerKey) {
  struct Case {
    const char* keys;
    const char* columns;
    const char* kinds;
    const char* condition;
  };
  const Case cases[] = {
      {"1.10,1.20", "M.EMPRESA;M.FAMILIA", "N;N",
       "(M.EMPRESA = 1 and M.FAMILIA = 10) or (M.EMPRESA = 1 and M.FAMILIA = 20)"},
      {"1.ABC,2.O'BRIEN", "M.EMPRESA;M.MODELO", "N;S",
       "(M.EMPRESA = 1 and M.MODELO = 'ABC') or (M.EMPRESA = 2 and M.MODELO = 'O''BRIEN')"},
      // The last part keeps further separators: a model code may hold a point.
      {"1.1.6 FLEX", "M.EMPRESA;M.MODELO", "N;S", "(M.EMPRESA = 1 and M.MODELO = '1.6 FLEX')"},
      // Literals as the host may send them, one holding the list separator.
      {"1.'A,B',1.'X''Y'", "M.EMPRESA;M.MODELO", "N;S",
       "(M.EMPRESA = 1 and M.MODELO = 'A,B') or (M.EMPRESA = 1 and M.MODELO = 'X''Y')"},
      // A quote in a text key stays inside the literal.
      {"1.A' or '1'='1", "M.EMPRESA;M.MODELO", "N;S",
       "(M.EMPRESA = 1 and M.MODELO = 'A'' or ''1''=''1')"},
      {"", "M.EMPRESA;M.FAMILIA", "N;N", "1 = 0"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SQLChaveCompostaBrelUtils(c.keys, ".", c.columns, c.kinds, ","), c.condition)
        << c.keys;
}

TEST(SQLChaveComposta, RefusesMalformedKeysAndSettings) {
  ExpectRefused([] { SQLChaveCompostaBrelUtils("x.ABC", ".", "M.EMPRESA;M.MODELO", "N;S"); },
                "x.ABC");
  ExpectRefused([] { SQLChaveCompostaBrelUtils("1.10,1", ".", "M.EMPRESA;M.FAMILIA", "N;N"); },
                "\"1\"");
  ExpectRefused([] { SQLChaveCompostaBrelUtils("1.2.5", ".", "M.EMPRESA;M.FAMILIA", "N;N"); },
                "2.5");
  ExpectRefused([] { SQLChaveCompostaBrelUtils("1.'AB", ".", "M.EMPRESA;M.MODELO", "N;S"); },
                "'AB");
  ExpectRefused([] { SQLChaveCompostaBrelUtils("1.2", ".", "M.EMPRESA;M.FAMILIA", "N"); },
                "kinds \"N\"");
  ExpectRefused([] { SQLChaveCompostaBrelUtils("1.2", ".", "M.EMPRESA;M.FAMILIA", "N;X"); },
                "\"X\"");
}

TEST(AjustaInSelect, QuotesTextValues) {
  struct Case {
    const char* op;
    const char* values;
    const char* condition;
  };
  const Case cases[] = {
      {"in", "'P1','P2'", "F.PACOTE in ('P1','P2')"},
      {"in", "P1, P2", "F.PACOTE in ('P1','P2')"},
      {"in", "D'AVILA", "F.PACOTE in ('D''AVILA')"},
      {"IN", "'A,B'", "F.PACOTE in ('A,B')"},
      {"not  in", "P1", "F.PACOTE not in ('P1')"},
      {"in", "", "1 = 0"},
      {"not in", " ", "1 = 1"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(AjustaInSelect("F.PACOTE", c.op, c.values), c.condition) << c.values;
  EXPECT_EQ(AjustaInSelect("F.PACOTE", "'P1'"), "F.PACOTE in ('P1')");
}

TEST(AjustaInSelect, SplitsListsAboveAThousandValues) {
  std::string values;
  for (int i = 1; i <= 2500; ++i) values += std::to_string(i) + ",";
  const std::string c = AjustaInSelect("V.DEPARTAMENTO", "in", values, KeyKind::Number);
  // 2500 values: chunks 1-1000, 1001-2000, 2001-2500.
  EXPECT_EQ(c.rfind("(V.DEPARTAMENTO in (1,2,3,", 0), 0u) << c.substr(0, 40);
  EXPECT_NE(c.find(",999,1000) or V.DEPARTAMENTO in (1001,1002,"), std::string::npos);
  EXPECT_NE(c.find(",2000) or V.DEPARTAMENTO in (2001,"), std::string::npos);
  EXPECT_EQ(c.substr(c.size() - 12), ",2499,2500))");
  size_t chunks = 0;
  for (size_t p = c.find(" in ("); p != std::string::npos; p = c.find(" in (", p + 1)) ++chunks;
  EXPECT_EQ(chunks, 3u);

  std::string thousand;
  for (int i = 1; i <= 1000; ++i) thousand += std::to_string(i) + ",";
  const std::string one = AjustaInSelect("V.DEPARTAMENTO", "not in", thousand, KeyKind::Number);
  EXPECT_EQ(one.rfind("V.DEPARTAMENTO not in (1,2,", 0), 0u);
  EXPECT_EQ(one.find(" and "), std::string::npos);
  const std::string two =
      AjustaInSelect("V.DEPARTAMENTO", "not in", thousand + "1001", KeyKind::Number);
  EXPECT_NE(two.find(",1000) and V.DEPARTAMENTO not in (1001))"), std::string::npos);
}

TEST(AjustaInSelect, RefusesBadValuesAndOperators) {
  ExpectRefused([] { AjustaInSelect("V.DEPARTAMENTO", "in", "1,a", KeyKind::Number); }, "\"a\"");
  ExpectRefused([] { AjustaInSelect("V.DEPARTAMENTO", "in", "1;drop", KeyKind::Number); },
                "1;drop");
  ExpectRefused([] { AjustaInSelect("F.PACOTE", "=", "P1"); }, "\"=\"");
  ExpectRefused([] { AjustaInSelect("F.PACOTE", "in", "'P1"); }, "'P1");
  ExpectRefused([] { AjustaInSelect("F.PACOTE or 1=1", "in", "P1"); }, "F.PACOTE or 1=1");
}

}  // namespace
}  // namespace veiculo::maker
