// The maker's SQL helpers: dialect rewrites, date literals and key-list conditions.

#include "module/maker_utils/compat_banco.h"
#include "module/maker_utils/sql_conditions.h"
#include "module/maker_utils/sql_literals.h"
#include "support/expect_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "veiculo/error.h"

namespace veiculo::maker {
namespace {

using platform::EncodeDate;

// One query in the common form and what each dialect must receive.
struct Case {
  const char* name;
  const char* common;
  const char* oracle;
  const char* firebird;
  const char* sqlserver;
};

const Case kCases[] = {
    {"the Firebird spelling of a substring", "select substring(C.NOME from 2 for 3) from C",
     "select SUBSTR(C.NOME, 2, 3) from C", "select substring(C.NOME from 2 for 3) from C",
     "select SUBSTRING(C.NOME, 2, 3) from C"},
    {"substring to the end", "select SUBSTR(C.NOME, 3) from C", "select SUBSTR(C.NOME, 3) from C",
     "select SUBSTRING(C.NOME FROM 3) from C",
     "select SUBSTRING(C.NOME, 3, DATALENGTH(C.NOME)) from C"},
    {"text concatenation", "select C.DDD_CELULAR || '-' || C.CELULAR from FAT_CLIENTE C",
     "select C.DDD_CELULAR || '-' || C.CELULAR from FAT_CLIENTE C",
     "select C.DDD_CELULAR || '-' || C.CELULAR from FAT_CLIENTE C",
     "select C.DDD_CELULAR + '-' + C.CELULAR from FAT_CLIENTE C"},
    {"literals, comments and the SQL Server parameter tags are left alone",
     "select 'a || SUBSTR(b,1,2)', SUBSTR(X,1,2) /* NVL(y,1) || */ from T -- LENGTH(z)\n"
     "where E = /*EMPRESA*/'1' and \"SUBSTR\" = 'it''s NVL(q,1)'",
     "select 'a || SUBSTR(b,1,2)', SUBSTR(X,1,2) /* NVL(y,1) || */ from T -- LENGTH(z)\n"
     "where E = /*EMPRESA*/'1' and \"SUBSTR\" = 'it''s NVL(q,1)'",
     "select 'a || SUBSTR(b,1,2)', SUBSTRING(X FROM 1 FOR 2) /* NVL(y,1) || */ from T -- "
     "LENGTH(z)\nwhere E = /*EMPRESA*/'1' and \"SUBSTR\" = 'it''s NVL(q,1)'",
     "select 'a || SUBSTR(b,1,2)', SUBSTRING(X, 1, 2) /* NVL(y,1) || */ from T -- LENGTH(z)\n"
     "where E = /*EMPRESA*/'1' and \"SUBSTR\" = 'it''s NVL(q,1)'"},
    {"an argument ending in a line comment keeps its line break",
     "select SUBSTR(X, 1 -- first\n), CAST(D -- day\n AS DATE) from T",
     "select SUBSTR(X, 1 -- first\n), TRUNC(D -- day\n) from T",
     "select SUBSTRING(X FROM 1 -- first\n), CAST(D -- day\n AS DATE) from T",
     "select SUBSTRING(X, 1 -- first\n, DATALENGTH(X)), CAST(D -- day\n AS DATE) from T"},
    {"nested calls", "select SUBSTR(NVL(A.X, 'x'), 1, LENGTH(A.Y)) from A",
     "select SUBSTR(NVL(A.X, 'x'), 1, LENGTH(A.Y)) from A",
     "select SUBSTRING(COALESCE(A.X, 'x') FROM 1 FOR CHAR_LENGTH(A.Y)) from A",
     "select SUBSTRING(COALESCE(A.X, 'x'), 1, LEN(A.Y)) from A"},
    {"char_length", "where char_length(C.CGC) <> 14", "where LENGTH(C.CGC) <> 14",
     "where char_length(C.CGC) <> 14", "where LEN(C.CGC) <> 14"},
    {"today", "where V.DTA_FIM_RESERVA >= current_date",
     "where V.DTA_FIM_RESERVA >= TRUNC(SYSDATE)", "where V.DTA_FIM_RESERVA >= current_date",
     "where V.DTA_FIM_RESERVA >= CAST(GETDATE() AS DATE)"},
    {"trim", "where TRIM(C.NOME) = 'A'", "where TRIM(C.NOME) = 'A'", "where TRIM(C.NOME) = 'A'",
     "where LTRIM(RTRIM(C.NOME)) = 'A'"},
    {"one-row table", "select 1 from rdb$database", "select 1 from DUAL",
     "select 1 from rdb$database", "select 1 "},
    {"a name after a dot is a column, not a function",
     "select T.SUBSTR, T.LENGTH, T.CURRENT_DATE from T",
     "select T.SUBSTR, T.LENGTH, T.CURRENT_DATE from T",
     "select T.SUBSTR, T.LENGTH, T.CURRENT_DATE from T",
     "select T.SUBSTR, T.LENGTH, T.CURRENT_DATE from T"},
    {"an unclosed call is left as written", "select SUBSTR(X,1", "select SUBSTR(X,1",
     "select SUBSTR(X,1", "select SUBSTR(X,1"},
    {"empty text", "", "", "", ""},
};

TEST(CompatBanco, RewritesEachConstructForEachDialectOnce) {
  // The second pass is served from the translations kept per dialect: the
  // same text must still come out in each dialect's own form.
  for (int pass = 1; pass <= 2; ++pass)
    for (const Case& c : kCases) {
      const std::pair<const char*, const char*> expected[] = {
          {"ORACLE", c.oracle}, {"INTERBASE", c.firebird}, {"SQLSERVER", c.sqlserver}};
      for (const auto& [dialect, text] : expected) {
        EXPECT_EQ(CompatBanco(c.common, dialect, 1, false), text)
            << c.name << " / " << dialect << " / pass " << pass;
        EXPECT_EQ(CompatBanco(text, dialect, 1, false), text) << "again: " << c.name;
      }
    }
}

TEST(CompatBanco, UnknownDialectLeavesTheTextUnchangedUnknownModesAreRefused) {
  const std::string sql = "select SUBSTR(X,1,2) || NVL(Y,'') from rdb$database";
  EXPECT_EQ(CompatBanco(sql, ""), sql);        // before the first connection
  EXPECT_EQ(CompatBanco(sql, "oracle"), sql);  // names are exact
  EXPECT_EQ(CompatBanco(sql, "INFORMIX"), sql);
  EXPECT_EQ(CompatBanco("select SUBSTR(X,1,2) from T", "IB"),
            "select SUBSTRING(X FROM 1 FOR 2) from T");
  EXPECT_THROW(CompatBanco("select 1 from T", "ORACLE", 2, false), Error);
  EXPECT_THROW(CompatBanco("select 1 from T", "ORACLE", 1, true), Error);
}

using platform::EncodeDateTime;

struct Literal {
  const char* name;
  double value;
  const char* dialect;
  const char* date;
  const char* date_time;
};

TEST(SqlLiterals, DateAndDateTimePerDialect) {
  const double leap_afternoon = EncodeDateTime(2024, 2, 29, 13, 45, 10);
  // 45323 is 2024-02-01 (2024-01-31 is 45322); a tenth of a millisecond before
  // it still decodes as that midnight.
  const double hair_before_midnight = 45323 - 0.0001 / 86400;
  const Literal cases[] = {
      {"firebird", leap_afternoon, "INTERBASE", "'2024-02-29'", "'2024-02-29 13:45:10'"},
      {"oracle", leap_afternoon, "ORACLE", "TO_DATE('2024-02-29','YYYY-MM-DD')",
       "TO_DATE('2024-02-29 13:45:10','YYYY-MM-DD HH24:MI:SS')"},
      {"sql server", leap_afternoon, "SQLSERVER", "'20240229'", "'2024-02-29T13:45:10'"},
      {"short oracle name", EncodeDate(2024, 3, 7), "OR", "TO_DATE('2024-03-07','YYYY-MM-DD')",
       "TO_DATE('2024-03-07 00:00:00','YYYY-MM-DD HH24:MI:SS')"},
      {"date 0 is 30 December 1899", 0, "INTERBASE", "'1899-12-30'", "'1899-12-30 00:00:00'"},
      {"milliseconds are dropped", EncodeDateTime(2024, 1, 31, 23, 59, 59, 999), "INTERBASE",
       "'2024-01-31'", "'2024-01-31 23:59:59'"},
      {"a hair before midnight is midnight", hair_before_midnight, "INTERBASE", "'2024-02-01'",
       "'2024-02-01 00:00:00'"},
  };
  for (const Literal& c : cases) {
    EXPECT_EQ(DataPSql(c.value, c.dialect), c.date) << c.name;
    EXPECT_EQ(DataHoraPSql(c.value, c.dialect), c.date_time) << c.name;
  }
}

TEST(SqlLiterals, UnknownDialectsAndValuesThatAreNoDateAreRefused) {
  for (const std::string dialect : {"", "oracle", "INFORMIX"}) {
    EXPECT_VEICULO_ERROR(DataPSql(EncodeDate(2024, 1, 1), dialect), ErrorCategory::Validation,
                         '"' + dialect + '"');
    EXPECT_THROW(DataHoraPSql(EncodeDate(2024, 1, 1), dialect), Error) << dialect;
  }
  EXPECT_THROW(DataPSql(1e9, "INTERBASE"), Error);  // about the year 2.7 million
  EXPECT_THROW(DataHoraPSql(std::nan(""), "ORACLE"), Error);
}

const char* const kDealerColumns = "V.EMPRESA;V.REVENDA_ORIGEM";

TEST(SQLEmpresaRevenda, GroupsDealersByCompany) {
  const std::tuple<const char*, const char*> cases[] = {
      {"1.2", "(V.EMPRESA = 1 and V.REVENDA_ORIGEM in (2))"},
      {"1.2,1.3,2.1",
       "(V.EMPRESA = 1 and V.REVENDA_ORIGEM in (2,3)) or (V.EMPRESA = 2 and V.REVENDA_ORIGEM in "
       "(1))"},
      {" 1.2 , 2.5 ,",
       "(V.EMPRESA = 1 and V.REVENDA_ORIGEM in (2)) or (V.EMPRESA = 2 and V.REVENDA_ORIGEM in "
       "(5))"},
      {"", "1 = 0"},
  };
  for (const auto& [keys, condition] : cases)
    EXPECT_EQ(SQLEmpresaRevendaBrelUtils(keys, kDealerColumns, 2), condition) << keys;
}

TEST(SQLEmpresaRevenda, ModeOneRestrictsTheCompaniesOnly) {
  EXPECT_EQ(SQLEmpresaRevendaBrelUtils("1.2,1.3,2.1", kDealerColumns, 1), "V.EMPRESA in (1,2)");
  EXPECT_EQ(SQLEmpresaRevendaBrelUtils("3", "C.EMPRESA", 1), "C.EMPRESA in (3)");
}

TEST(SQLEmpresaRevenda, RefusesMalformedKeysAndSettings) {
  EXPECT_VEICULO_ERROR(SQLEmpresaRevendaBrelUtils("1.x", kDealerColumns, 2),
                       ErrorCategory::Validation, "1.x");
  EXPECT_VEICULO_ERROR(SQLEmpresaRevendaBrelUtils("1.2,7", kDealerColumns, 2),
                       ErrorCategory::Validation, "\"7\"");
  EXPECT_VEICULO_ERROR(SQLEmpresaRevendaBrelUtils("1.2 or 1=1", kDealerColumns, 2),
                       ErrorCategory::Validation, "1.2 or 1=1");
  EXPECT_VEICULO_ERROR(SQLEmpresaRevendaBrelUtils("99999999999.1", kDealerColumns, 2),
                       ErrorCategory::Validation, "99999999999");
  EXPECT_VEICULO_ERROR(SQLEmpresaRevendaBrelUtils("1.2", kDealerColumns, 3),
                       ErrorCategory::Validation, "mode 3");
  EXPECT_VEICULO_ERROR(SQLEmpresaRevendaBrelUtils("1.2", "V.EMPRESA", 2), ErrorCategory::Validation,
                       "V.EMPRESA");
  EXPECT_VEICULO_ERROR(SQLEmpresaRevendaBrelUtils("1.2", "V.EMPRESA;X--", 2),
                       ErrorCategory::Validation, "X--");
}

TEST(SQLEmpresaDeEmpresaRevenda, ListsEachCompanyOnce) {
  EXPECT_EQ(SQLEmpresaDeEmpresaRevenda("1.2,1.3,2.1"), "1,2");
  EXPECT_EQ(SQLEmpresaDeEmpresaRevenda("4.1"), "4");
  EXPECT_EQ(SQLEmpresaDeEmpresaRevenda(""), "NULL");  // "EMPRESA IN (NULL)" matches nothing
  EXPECT_VEICULO_ERROR(SQLEmpresaDeEmpresaRevenda("a.1"), ErrorCategory::Validation, "a.1");
}

TEST(SQLChaveComposta, OneTermPerKey) {
  const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
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
  for (const auto& [keys, columns, kinds, condition] : cases)
    EXPECT_EQ(SQLChaveCompostaBrelUtils(keys, ".", columns, kinds, ","), condition) << keys;
}

TEST(SQLChaveComposta, RefusesMalformedKeysAndSettings) {
  EXPECT_VEICULO_ERROR(SQLChaveCompostaBrelUtils("x.ABC", ".", "M.EMPRESA;M.MODELO", "N;S"),
                       ErrorCategory::Validation, "x.ABC");
  EXPECT_VEICULO_ERROR(SQLChaveCompostaBrelUtils("1.10,1", ".", "M.EMPRESA;M.FAMILIA", "N;N"),
                       ErrorCategory::Validation, "\"1\"");
  EXPECT_VEICULO_ERROR(SQLChaveCompostaBrelUtils("1.2.5", ".", "M.EMPRESA;M.FAMILIA", "N;N"),
                       ErrorCategory::Validation, "2.5");
  EXPECT_VEICULO_ERROR(SQLChaveCompostaBrelUtils("1.'AB", ".", "M.EMPRESA;M.MODELO", "N;S"),
                       ErrorCategory::Validation, "'AB");
  EXPECT_VEICULO_ERROR(SQLChaveCompostaBrelUtils("1.2", ".", "M.EMPRESA;M.FAMILIA", "N"),
                       ErrorCategory::Validation, "kinds \"N\"");
  EXPECT_VEICULO_ERROR(SQLChaveCompostaBrelUtils("1.2", ".", "M.EMPRESA;M.FAMILIA", "N;X"),
                       ErrorCategory::Validation, "\"X\"");
}

TEST(AjustaInSelect, QuotesTextValues) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"in", "'P1','P2'", "F.PACOTE in ('P1','P2')"},
      {"in", "P1, P2", "F.PACOTE in ('P1','P2')"},
      {"in", "D'AVILA", "F.PACOTE in ('D''AVILA')"},
      {"IN", "'A,B'", "F.PACOTE in ('A,B')"},
      {"not  in", "P1", "F.PACOTE not in ('P1')"},
      {"in", "", "1 = 0"},
      {"not in", " ", "1 = 1"},
  };
  for (const auto& [op, values, condition] : cases)
    EXPECT_EQ(AjustaInSelect("F.PACOTE", op, values), condition) << values;
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
  EXPECT_VEICULO_ERROR(AjustaInSelect("V.DEPARTAMENTO", "in", "1,a", KeyKind::Number),
                       ErrorCategory::Validation, "\"a\"");
  EXPECT_VEICULO_ERROR(AjustaInSelect("V.DEPARTAMENTO", "in", "1;drop", KeyKind::Number),
                       ErrorCategory::Validation, "1;drop");
  EXPECT_VEICULO_ERROR(AjustaInSelect("F.PACOTE", "=", "P1"), ErrorCategory::Validation, "\"=\"");
  EXPECT_VEICULO_ERROR(AjustaInSelect("F.PACOTE", "in", "'P1"), ErrorCategory::Validation, "'P1");
  EXPECT_VEICULO_ERROR(AjustaInSelect("F.PACOTE or 1=1", "in", "P1"), ErrorCategory::Validation,
                       "F.PACOTE or 1=1");
}

}  // namespace
}  // namespace veiculo::maker
