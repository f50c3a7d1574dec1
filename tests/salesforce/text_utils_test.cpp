// The staging's text utilities, the load status of a vehicle and the date
// literals per database kind.

#include <gtest/gtest.h>

#include <string>

#include "support/values.h"
#include "veiculo/sales_force.h"

namespace veiculo::testing {
namespace {

TEST(SalesTextTest, NamesMaritalStatusStreetNumbersAndPhones) {
  struct Nome {
    const char *completo, *nome, *sobrenome;
  } const nomes[] = {{"Maria da Silva", "Maria", "da Silva"},
                     {"  Ana   Paula  Souza ", "Ana", "Paula  Souza"},
                     {"Cher", "Cher", ""},
                     {"", "", ""}};
  for (const Nome& n : nomes) {
    std::string nome = "x", sobrenome = "x";
    TSalesForce::SeparaNomeSobrenome(n.completo, nome, sobrenome);
    EXPECT_EQ(nome + "|" + sobrenome, std::string(n.nome) + "|" + n.sobrenome) << n.completo;
  }
  // The dealer's codes: 1 single, 2-4 married (by property regime), 5 stable
  // union, 6 divorced, 7 widowed, 8 separated, 9 other.
  const char* const estados[] = {"5-UNDEFINED", "2-SINGLE",    "1-MARRIED",  "1-MARRIED",
                                 "1-MARRIED",   "5-UNDEFINED", "3-DIVORCED", "4-WIDOWED",
                                 "3-DIVORCED",  "5-UNDEFINED", "5-UNDEFINED"};
  for (int codigo = 0; codigo <= 10; ++codigo)
    EXPECT_EQ(TSalesForce::ConverteEstadoCivil(codigo), estados[codigo]) << codigo;
  struct Via {
    const char *endereco, *numero, *rua;
  } const vias[] = {{"Rua das Flores, 120", "120", "Rua das Flores"},
                    {"Av. Brasil 1500 B", "1500", "Av. Brasil"},
                    {"Rua 7 de Setembro", "S/N", "Rua 7 de Setembro"},
                    {"Rua 7 de Setembro, 45", "45", "Rua 7 de Setembro"},
                    {"Estrada Velha", "S/N", "Estrada Velha"},
                    {"BR116", "S/N", "BR116"},
                    {"", "S/N", ""}};
  for (const Via& v : vias) {
    std::string rua;
    EXPECT_EQ(TSalesForce::BuscaNroVia(v.endereco, rua), v.numero) << v.endereco;
    EXPECT_EQ(rua, v.rua) << v.endereco;
  }
  EXPECT_EQ(TSalesForce::Telefone(51, 33334444), "5133334444");
  EXPECT_EQ(TSalesForce::Telefone(0, 33334444), "33334444");
  EXPECT_EQ(TSalesForce::Telefone(51, 0), "");
}

TEST(SalesTextTest, LoadStatusOfAVehicle) {
  TSalesForce sf;
  sf.DataProcessamento = Moment(2025, 3, 14, 9, 0, 0);
  const double depois = Moment(2025, 3, 14, 18, 0, 0), antes = Day(2025, 3, 13);
  struct Caso {
    double fim_reserva;
    const char* situacao;
    int proposta;
    const char* status;
  } const casos[] = {
      {0, "E1", 0, "D"},      {0, "TR", 0, "T"},     {0, "Q1", 0, "Q"},
      {0, "C2", 0, "C"},      {0, "QC", 0, "C"},  // in both lists: commercial wins
      {depois, "Q1", 0, "R"}, {antes, "E1", 0, "D"}, {depois, "TR", 4, "A"},
      {depois, "IM", 4, "M"}, {0, "", 0, "D"},
  };
  for (const Caso& c : casos)
    EXPECT_EQ(
        sf.MontaStatusVeiculo(c.fim_reserva, c.situacao, "TR", "Q1, QC", "C1,C2 ,QC", c.proposta),
        c.status)
        << c.situacao << " " << c.proposta;
}

TEST(SalesTextTest, DateLiteralsByDatabaseKind) {
  const double momento = Moment(2025, 3, 4, 13, 5, 9);
  struct Caso {
    const char *banco, *com_hora, *sem_hora;
  } const casos[] = {
      {"ORACLE", "TO_DATE('04/03/2025 13:05:09','dd/mm/yyyy HH24:MI:SS')",
       "TO_DATE('04/03/2025','dd/mm/yyyy')"},
      {"OR", "TO_DATE('04/03/2025 13:05:09','dd/mm/yyyy HH24:MI:SS')",
       "TO_DATE('04/03/2025','dd/mm/yyyy')"},
      {"SQLSERVER", "CAST('2025-03-04T13:05:09' AS DATETIME)",
       "CAST('2025-03-04T13:05:09' AS DATETIME)"},
      {"INFORMIX", "TO_DATE('2025-03-04 13:05:09', '%Y-%m-%d %H:%M:%S')",
       "to_date('2025.03.04', '%Y.%m.%d')"},
      {"INTERBASE", "CAST('2025-03-04 13:05:09' AS TIMESTAMP)", "CAST('2025-03-04' AS DATE)"},
      {"IB", "CAST('2025-03-04 13:05:09' AS TIMESTAMP)", "CAST('2025-03-04' AS DATE)"},
  };
  TSalesForce sf;
  for (const Caso& c : casos) {
    sf.BancoDados = c.banco;
    EXPECT_EQ(sf.DataSql(momento, true), c.com_hora) << c.banco;
    EXPECT_EQ(sf.DataSql(c.banco == std::string("SQLSERVER") ? momento : Day(2025, 3, 4), false),
              c.sem_hora)
        << c.banco;
    EXPECT_EQ(sf.DataSql(0, true), "0");
  }
}

}  // namespace
}  // namespace veiculo::testing
