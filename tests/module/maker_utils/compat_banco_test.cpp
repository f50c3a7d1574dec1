#include "module/maker_utils/compat_banco.h"

#include <gtest/gtest.h>

#include "veiculo/error.h"

namespace veiculo::maker {
namespace {

// One query in the common form and what each dialect must receive.
struct Case {
  const char* name;
  const char* common;
  const char* oracle;
  const char* firebird;
  const char* sqlserver;
};

const Case kCases[] = {
    {"appraisal number: the 7 characters after AV.",
     "select VPR.VEICULO from VEI_PAGAMENTO VPA inner join VEI_AVALIACAO VAV on "
     "(VAV.EMPRESA = VPA.EMPRESA and VAV.AVALIACAO = SubStr(VPA.IDENTIFICACAO,4,7))",
     "select VPR.VEICULO from VEI_PAGAMENTO VPA inner join VEI_AVALIACAO VAV on "
     "(VAV.EMPRESA = VPA.EMPRESA and VAV.AVALIACAO = SubStr(VPA.IDENTIFICACAO,4,7))",
     "select VPR.VEICULO from VEI_PAGAMENTO VPA inner join VEI_AVALIACAO VAV on "
     "(VAV.EMPRESA = VPA.EMPRESA and VAV.AVALIACAO = SUBSTRING(VPA.IDENTIFICACAO FROM 4 FOR 7))",
     "select VPR.VEICULO from VEI_PAGAMENTO VPA inner join VEI_AVALIACAO VAV on "
     "(VAV.EMPRESA = VPA.EMPRESA and VAV.AVALIACAO = SUBSTRING(VPA.IDENTIFICACAO, 4, 7))"},
    {"tax classification cut and cast",
     "where N.NCM = cast(SUBSTR(VV.POSICAO_FISCAL,1,8) as CHAR(10))",
     "where N.NCM = cast(SUBSTR(VV.POSICAO_FISCAL,1,8) as CHAR(10))",
     "where N.NCM = cast(SUBSTRING(VV.POSICAO_FISCAL FROM 1 FOR 8) as CHAR(10))",
     "where N.NCM = cast(SUBSTRING(VV.POSICAO_FISCAL, 1, 8) as CHAR(10))"},
    {"the SQL Server spelling of a substring",
     "where N.NCM = cast(SUBSTRING(VV.POSICAO_FISCAL,1,8) as CHAR(10))",
     "where N.NCM = cast(SUBSTR(VV.POSICAO_FISCAL, 1, 8) as CHAR(10))",
     "where N.NCM = cast(SUBSTRING(VV.POSICAO_FISCAL FROM 1 FOR 8) as CHAR(10))",
     "where N.NCM = cast(SUBSTRING(VV.POSICAO_FISCAL,1,8) as CHAR(10))"},
    {"the Firebird spelling of a substring", "select substring(C.NOME from 2 for 3) from C",
     "select SUBSTR(C.NOME, 2, 3) from C", "select substring(C.NOME from 2 for 3) from C",
     "select SUBSTRING(C.NOME, 2, 3) from C"},
    {"substring to the end", "select SUBSTR(C.NOME, 3) from C", "select SUBSTR(C.NOME, 3) from C",
     "select SUBSTRING(C.NOME FROM 3) from C",
     "select SUBSTRING(C.NOME, 3, DATALENGTH(C.NOME)) from C"},
    {"coalesce, case and outer join run everywhere",
     "select v.*, case f.tipo_pintura when 'S' then coalesce(p.preco_publico, m.preco_publico, 0) "
     "else 0 end PRECO_PUBLICO from VEI_VEICULO v left outer join VEI_MODELO_PRECO p on "
     "(v.EMPRESA = P.EMPRESA) where v.EMPRESA = :Empresa and v.VEICULO = :Veiculo",
     "select v.*, case f.tipo_pintura when 'S' then coalesce(p.preco_publico, m.preco_publico, 0) "
     "else 0 end PRECO_PUBLICO from VEI_VEICULO v left outer join VEI_MODELO_PRECO p on "
     "(v.EMPRESA = P.EMPRESA) where v.EMPRESA = :Empresa and v.VEICULO = :Veiculo",
     "select v.*, case f.tipo_pintura when 'S' then coalesce(p.preco_publico, m.preco_publico, 0) "
     "else 0 end PRECO_PUBLICO from VEI_VEICULO v left outer join VEI_MODELO_PRECO p on "
     "(v.EMPRESA = P.EMPRESA) where v.EMPRESA = :Empresa and v.VEICULO = :Veiculo",
     "select v.*, case f.tipo_pintura when 'S' then coalesce(p.preco_publico, m.preco_publico, 0) "
     "else 0 end PRECO_PUBLICO from VEI_VEICULO v left outer join VEI_MODELO_PRECO p on "
     "(v.EMPRESA = P.EMPRESA) where v.EMPRESA = :Empresa and v.VEICULO = :Veiculo"},
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
    {"nested calls", "select SUBSTR(NVL(A.X, 'x'), 1, LENGTH(A.Y)) from A",
     "select SUBSTR(NVL(A.X, 'x'), 1, LENGTH(A.Y)) from A",
     "select SUBSTRING(COALESCE(A.X, 'x') FROM 1 FOR CHAR_LENGTH(A.Y)) from A",
     "select SUBSTRING(COALESCE(A.X, 'x'), 1, LEN(A.Y)) from A"},
    {"char_length", "where char_length(C.CGC) <> 14", "where LENGTH(C.CGC) <> 14",
     "where char_length(C.CGC) <> 14", "where LEN(C.CGC) <> 14"},
    {"date part of a date-time",
     "select CAST(V.DTA_ENTRADA AS DATE) DTA_ENTRADA from VEI_VEICULO V",
     "select TRUNC(V.DTA_ENTRADA) DTA_ENTRADA from VEI_VEICULO V",
     "select CAST(V.DTA_ENTRADA AS DATE) DTA_ENTRADA from VEI_VEICULO V",
     "select CAST(V.DTA_ENTRADA AS DATE) DTA_ENTRADA from VEI_VEICULO V"},
    {"timestamp casts", "where D > cast('2024-02-29 10:00:00' as timestamp)",
     "where D > cast('2024-02-29 10:00:00' as timestamp)",
     "where D > cast('2024-02-29 10:00:00' as timestamp)",
     "where D > CAST('2024-02-29 10:00:00' AS DATETIME)"},
    {"a SQL Server datetime cast", "where D > CAST('2024-02-29T10:00:00' AS DATETIME)",
     "where D > CAST('2024-02-29T10:00:00' AS TIMESTAMP)",
     "where D > CAST('2024-02-29T10:00:00' AS TIMESTAMP)",
     "where D > CAST('2024-02-29T10:00:00' AS DATETIME)"},
    {"today", "where V.DTA_FIM_RESERVA >= current_date",
     "where V.DTA_FIM_RESERVA >= TRUNC(SYSDATE)", "where V.DTA_FIM_RESERVA >= current_date",
     "where V.DTA_FIM_RESERVA >= CAST(GETDATE() AS DATE)"},
    {"year of a date", "select extract(year from V.DTA_VENDA) from V",
     "select extract(year from V.DTA_VENDA) from V", "select extract(year from V.DTA_VENDA) from V",
     "select DATEPART(YEAR, V.DTA_VENDA) from V"},
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

TEST(CompatBanco, RewritesEachConstructForEachDialect) {
  for (const Case& c : kCases) {
    EXPECT_EQ(CompatBanco(c.common, "ORACLE", 1, false), c.oracle) << c.name;
    EXPECT_EQ(CompatBanco(c.common, "INTERBASE", 1, false), c.firebird) << c.name;
    EXPECT_EQ(CompatBanco(c.common, "SQLSERVER", 1, false), c.sqlserver) << c.name;
  }
}

TEST(CompatBanco, ApplyingItToItsOwnOutputChangesNothing) {
  for (const Case& c : kCases) {
    for (const char* dialect : {"ORACLE", "INTERBASE", "SQLSERVER"}) {
      const std::string once = CompatBanco(c.common, dialect, 1, false);
      EXPECT_EQ(CompatBanco(once, dialect, 1, false), once) << c.name << " / " << dialect;
    }
  }
}

TEST(CompatBanco, ShortDialectNamesAreTheSameDialects) {
  EXPECT_EQ(CompatBanco("select SUBSTR(X,1,2) from T", "IB"),
            "select SUBSTRING(X FROM 1 FOR 2) from T");
  EXPECT_EQ(CompatBanco("select SUBSTRING(X FROM 1 FOR 2) from T", "OR"),
            "select SUBSTR(X, 1, 2) from T");
}

TEST(CompatBanco, UnknownDialectLeavesTheTextUnchanged) {
  const std::string sql = "select SUBSTR(X,1,2) || NVL(Y,'') from rdb$database";
  EXPECT_EQ(CompatBanco(sql, ""), sql);        // before the first connection
  EXPECT_EQ(CompatBanco(sql, "oracle"), sql);  // names are exact
  EXPECT_EQ(CompatBanco(sql, "INFORMIX"), sql);
}

TEST(CompatBanco, RefusesModesItDoesNotKnow) {
  EXPECT_THROW(CompatBanco("select 1 from T", "ORACLE", 2, false), Error);
  EXPECT_THROW(CompatBanco("select 1 from T", "ORACLE", 1, true), Error);
}

}  // namespace
}  // namespace veiculo::maker
