// The request model's text cleaning, credentials and value formats.

#include <gtest/gtest.h>

#include "fi_brasil/commands/fi_format.h"
#include "fi_brasil/commands/fi_objetos.h"
#include "fi_brasil/fi_test_support.h"
#include "platform/format/date_time.h"
#include "platform/format/format_settings.h"
#include "support/expect_error.h"
#include "veiculo/error.h"

namespace veiculo::fi_brasil {
namespace {

TEST(LimpaString, FoldsAccentsRepairsDoubleDecodingAndTrims) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"  Conceição & Filhos  ", "Conceicao e Filhos"},
      {"D'Ávila", "D\"Avila"},
      {"ÀÁÂÃÄ Ç ÈÉÊË ÌÍÎÏ Ñ ÒÓÔÕÖ ÙÚÛÜ", "AAAAA C EEEE IIII N OOOOO UUUU"},
      {"àáâãä ç èéêë ìíîï ñ òóôõö ùúûü", "aaaaa c eeee iiii n ooooo uuuu"},
      {"Rua 1º de Maio", "Rua 1o de Maio"},
      // Text decoded twice: "Ã§" and "Ã£" are ç and ã, then folded.
      {"ConceiÃ§Ã£o", "Conceicao"},
      // Kept: ª, Å, Æ, Ð, ×, Ø, Ý, ß, å, æ, ð, ÷, ø, ý, and the markup characters.
      {"1ª ÅÆÐ×ØÝß åæð÷øý <b>", "1ª ÅÆÐ×ØÝß åæð÷øý <b>"},
      {"\t\r\nlinha\x01\n", "linha"},
      {"", ""},
      {"\xBA solto", "\xBA solto"},  // a stray byte that is not UTF-8 stays as it is
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(LimpaString(text), expected) << text;
}

TEST(RequestModel, CleanedFieldsCleanAndTheOthersKeepTheirText) {
  TReferenciaBancariaIn referencia;
  referencia.banco = " Banco & Cia ";
  referencia.contatoAgencia = " Sr. Jo\xC3\xA3o ";
  referencia.telefoneAgencia = " 11-1234.5678 ";
  EXPECT_EQ(referencia.banco.str(), "Banco e Cia");
  EXPECT_EQ(referencia.contatoAgencia, " Sr. Jo\xC3\xA3o ");
  EXPECT_EQ(referencia.telefoneAgencia, " 11-1234.5678 ");
  EXPECT_EQ(TFichaCadastralPFIn().grauInstrucao, -1);
}

TEST(RequestModel, CredentialsRefuseEmptyValuesAndKeepOthersUnchanged) {
  THeader header;
  EXPECT_VEICULO_ERROR(header.SetidLoja(""), ErrorCategory::Validation, "Id da loja inválido!");
  EXPECT_VEICULO_ERROR(header.Setkey(""), ErrorCategory::Validation, "Key inválida!");
  header.SetidLoja(" Loja & 1 ");
  EXPECT_EQ(header.idLoja(), " Loja & 1 ");
}

TEST(RequestModel, CollectionsInsertAndAddressItemsByIndex) {
  TFornecedorIns fornecedores;
  fornecedores.Add().nome = "B";
  fornecedores.Insert(0).nome = "A";
  fornecedores.Add().nome = "C";
  TFornecedorIn novo;
  novo.nome = "Ç";
  fornecedores.SetItem(2, novo);
  ASSERT_EQ(fornecedores.Count(), 3u);
  EXPECT_EQ(fornecedores.GetItem(0).nome.str(), "A");
  EXPECT_EQ(fornecedores.GetItem(1).nome.str(), "B");
  EXPECT_EQ(fornecedores.GetItem(2).nome.str(), "C");
  EXPECT_THROW(fornecedores.GetItem(3), Error);
  EXPECT_THROW(fornecedores.Insert(5), Error);
}

TEST(ValorMonetario, FourIntegerDigitsGroupedInTheProcessFormat) {
  struct Case {
    double valor;
    const char* brasil;
    const char* ingles;
  };
  const std::vector<Case> cases = {
      {45000, "45.000,00", "45,000.00"},
      {0.5, "0.000,50", "0,000.50"},
      {12.5, "0.012,50", "0,012.50"},
      {1234567.891, "1.234.567,89", "1,234,567.89"},
  };
  for (const Case& c : cases) {
    {
      platform::ScopedFormatSettings br(platform::FormatSettings::Brazilian());
      EXPECT_EQ(ValorMonetario(c.valor), c.brasil);
    }
    platform::ScopedFormatSettings en(platform::FormatSettings::English());
    EXPECT_EQ(ValorMonetario(c.valor), c.ingles);
  }
  EXPECT_EQ(ValorData(platform::EncodeDateTime(2025, 3, 7, 14, 30, 0)), "2025-03-07");
}

TEST(SalvaArq, ReplacesOrAppendsWholeLines) {
  test::InTemporaryFolder pasta;
  const auto ler = [] { return test::ReadFile("saida.xml"); };
  SalvaArq("saida.xml", "<a/>", "N");
  EXPECT_EQ(ler(), "<a/>\r\n");
  SalvaArq("saida.xml", "<b/>", "A");
  EXPECT_EQ(ler(), "<a/>\r\n<b/>\r\n");
  SalvaArq("saida.xml", "<c/>", "N");
  EXPECT_EQ(ler(), "<c/>\r\n");
  // Nothing but the file itself is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pasta.folder()),
                          std::filesystem::directory_iterator()),
            1);
}

}  // namespace
}  // namespace veiculo::fi_brasil
