// The maker's text and number helpers and the fixed-layout file exporter.

#include "module/maker_utils/date_utils.h"
#include "module/maker_utils/export_file.h"
#include "module/maker_utils/number_utils.h"
#include "module/maker_utils/text_utils.h"
#include "support/expect_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>

#include "platform/format/date_time.h"
#include "platform/format/format_settings.h"
#include "veiculo/error.h"

namespace veiculo::maker {
namespace {

using platform::EncodeDate;

TEST(FiltroVirgula, RemovesOnlyTheFinalComma) {
  const std::tuple<const char*, const char*> cases[] = {
      {"1,'A',NULL,", "1,'A',NULL"},
      {"'a','b', ", "'a','b'"},
      {",", ""},
      {"", ""},
      {"'x,'", "'x,'"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(FiltroVirgula(in), out) << in;
}

TEST(Alinha, PadsAndCutsToTheWidthInCharacters) {
  const std::tuple<const char*, int, const char*, const char*> cases[] = {
      {"AB", 5, "AB   ", "   AB"},
      {"ABCDEF", 3, "ABC", "ABC"},      // longer text keeps its first characters
      {"João", 6, "João  ", "  João"},  // 4 characters, 5 bytes
      {"Conceição", 5, "Conce", "Conce"},
      {"çã", 1, "ç", "ç"},  // never cuts inside a character
      {"X", 0, "", ""},
      {"", 2, "  ", "  "},
  };
  for (const auto& [text, width, left, right] : cases) {
    EXPECT_EQ(AlinhaEsq(text, width), left) << text << " " << width;
    EXPECT_EQ(AlinhaDir(text, width), right) << text << " " << width;
  }
  EXPECT_THROW(AlinhaEsq("A", -1), Error);
  EXPECT_THROW(AlinhaDir("A", -1), Error);
}

TEST(SeparaCampos, SplitsAtTheFirstDash) {
  const std::tuple<const char*, int, bool, const char*> cases[] = {
      {"2-SOLTEIRO", 1, true, "2"},
      {"2-SOLTEIRO", 2, true, "SOLTEIRO"},
      {"2 - SOLTEIRO", 2, true, "SOLTEIRO"},
      {"2 - SOLTEIRO", 2, false, " SOLTEIRO"},
      {"A-B-C", 2, true, "B-C"},
      {"ABC", 2, true, ""},
      {"-X", 1, true, ""},
  };
  for (const auto& [text, part, trim, out] : cases)
    EXPECT_EQ(SeparaCampos(text, part, trim), out) << text << " part " << part;
  EXPECT_THROW(SeparaCampos("A-B", 3, true), Error);
}

TEST(RoundToBrel, HalvesGoAwayFromZeroAsTheAmountPrints) {
  const std::tuple<double, int, double> cases[] = {
      {2.675, -2, 2.68},  // binary 2.67499999... but prints 2.675
      {1.005, -2, 1.01},
      {-0.125, -2, -0.13},
      {0.004, -2, 0.0},
      {2.5, 0, 3.0},
      {-2.5, 0, -3.0},
      {0.0005, -3, 0.001},
      // 1000 * ((1 + 2/100)^(1/30))^45 - 1000: (1.02)^1.5 = 1.030149..., interest 30.149...
      {1000 * std::pow(std::pow(1.02, 1.0 / 30), 45) - 1000, -2, 30.15},
  };
  for (const auto& [value, places, rounded] : cases)
    EXPECT_DOUBLE_EQ(RoundToBrel(value, places), rounded) << value << " " << places;
  EXPECT_TRUE(std::isnan(RoundToBrel(std::nan(""), -2)));
  EXPECT_THROW(RoundToBrel(1.0, 1), Error);
  EXPECT_THROW(RoundToBrel(1.0, -16), Error);
}

TEST(StrToReal, ReadsLocalNumbersWithThousands) {
  const std::tuple<const char*, double> cases[] = {
      {"1.234,56", 1234.56}, {"1.234.567,8", 1234567.8}, {"-0,5", -0.5},
      {",5", 0.5},           {" 7,25 ", 7.25},           {"", 0},
      {"999,", 999},
  };
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(StrToReal(text), value) << text;
}

TEST(StrToReal, RefusesWhatIsNotALocalNumber) {
  // "1234.56" under Brazilian settings would be 123456 if the point were just
  // dropped; it is refused instead.
  for (const char* text :
       {"1234.56", "1.23,4", "12.3456", ".123", "abc", "1,2,3", "1 000", "-", ",", "1e5"}) {
    EXPECT_VEICULO_ERROR(StrToReal(text), ErrorCategory::Validation, std::string("'") + text + "'");
  }
}

TEST(StrToReal, FollowsTheCurrentSettings) {
  platform::ScopedFormatSettings english(platform::FormatSettings::English());
  EXPECT_DOUBLE_EQ(StrToReal("1,234.56"), 1234.56);
  EXPECT_THROW(StrToReal("1.234,56"), Error);
}

TEST(UltimoDia, LastDayOfTheMonth) {
  const std::tuple<const char*, double> cases[] = {
      {"10/02/2024", EncodeDate(2024, 2, 29)},  // leap year
      {"10/02/2023", EncodeDate(2023, 2, 28)},
      {"29/02/2000", EncodeDate(2000, 2, 29)},  // divisible by 400: leap
      {"01/02/1900", EncodeDate(1900, 2, 28)},  // divisible by 100 only: not leap
      {"01/04/2024", EncodeDate(2024, 4, 30)},
  };
  for (const auto& [text, last] : cases) EXPECT_DOUBLE_EQ(UltimoDia(text), last) << text;
  EXPECT_THROW(UltimoDia("31/02/2024"), Error);
  EXPECT_THROW(UltimoDia("fevereiro"), Error);
}

namespace fs = std::filesystem;

class ExportFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("maker_export_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    data_.fields = {{"CHASSI", FieldType::Text, 17},
                    {"PRECO", FieldType::Float, 0},
                    {"DTA_ENTRADA", FieldType::DateTime, 0},
                    {"NOME", FieldType::Text, 40}};
    data_.rows = {
        {Value::Text("9BWZZZ377VT004251"), Value::Float(89990.5),
         Value::DateTime(platform::EncodeDate(2024, 2, 29)), Value::Text("João")},
        {Value::Text("ABC"), Value(), Value::DateTime(0), Value::Text("Conceição Aparecida")},
    };
  }
  void TearDown() override { fs::remove_all(dir_); }

  static std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }
  size_t FilesInDir() const {
    return static_cast<size_t>(std::distance(fs::directory_iterator(dir_), {}));
  }

  static TExportaArquivo FixedLayout() {
    TExportaArquivo e;
    e.Adiciona(std::make_unique<TGravarString>("CHASSI", 17))
        .Adiciona(std::make_unique<TGravarFloat>("PRECO", 10, "0.00"))
        .Adiciona(std::make_unique<TGravarData>("DTA_ENTRADA", 10, "dd/mm/yyyy"))
        .Adiciona(std::make_unique<TGravarString>("nome", 8));  // field names ignore case
    return e;
  }

  fs::path dir_;
  DataPacket data_;
};

TEST_F(ExportFileTest, WritesFixedWidthRecordsAfterTheHeader) {
  TExportaArquivo e = FixedLayout();
  e.IncluiCabecalho("Chassi,Preco,Data,Nome");
  const fs::path file = dir_ / "carga.txt";
  e.GeraArquivo(file.string(), data_);
  // Widths 17 + 10 + 10 + 8. Row 1: "89990.50" is 8 wide, right-aligned in 10;
  // "João" is 4 characters, padded with 4. Row 2: "ABC" + 14 blanks, a null
  // price and date 0 as 10 blanks each, the name cut to 8 characters.
  const std::string expected =
      "Chassi,Preco,Data,Nome\r\n"
      "9BWZZZ377VT004251  89990.5029/02/2024João    \r\n"
      "ABC" +
      std::string(14 + 10 + 10, ' ') + "Conceiçã\r\n";
  EXPECT_EQ(Read(file), expected);
  EXPECT_EQ(FilesInDir(), 1u);  // no temporary left behind
}

TEST_F(ExportFileTest, SeparatedRecordsWithNaturalWidths) {
  TExportaArquivo e;
  e.Adiciona(std::make_unique<TGravarString>("CHASSI", 0))
      .Adiciona(std::make_unique<TGravarFloat>("PRECO", 0, "0.00"))
      .Adiciona(std::make_unique<TGravarData>("DTA_ENTRADA", 0, "yyyy-mm-dd"))
      .Adiciona(std::make_unique<TGravarString>("NOME", 0));
  e.DefineSeparador(",");
  e.DefineFimDeLinha("\n");
  data_.rows[1][3] = Value::Text("Silva, José\r\nFilho");
  const fs::path file = dir_ / "carga.csv";
  e.GeraArquivo(file.string(), data_);
  // The comma inside the name and its line break become blanks.
  EXPECT_EQ(Read(file),
            "9BWZZZ377VT004251,89990.50,2024-02-29,João\n"
            "ABC,,,Silva  José  Filho\n");
}

TEST_F(ExportFileTest, UnknownFieldIsNamedAndNothingIsWritten) {
  TExportaArquivo e = FixedLayout();
  e.Adiciona(std::make_unique<TGravarString>("COR", 3));
  const fs::path file = dir_ / "carga.txt";
  EXPECT_VEICULO_ERROR(e.GeraArquivo(file.string(), data_), ErrorCategory::NotFound, "COR");
  EXPECT_FALSE(fs::exists(file));
  EXPECT_EQ(FilesInDir(), 0u);
}

TEST_F(ExportFileTest, NumberTooWideFailsAndKeepsTheEarlierFile) {
  const fs::path file = dir_ / "carga.txt";
  { std::ofstream(file) << "earlier"; }
  data_.rows[0][1] = Value::Float(12345678.9);  // "12345678.90" is 11 wide
  TExportaArquivo e = FixedLayout();
  // The error names the column and the record.
  for (const char* part : {"PRECO", "record 1"})
    EXPECT_VEICULO_ERROR(e.GeraArquivo(file.string(), data_), ErrorCategory::Validation, part);
  EXPECT_EQ(Read(file), "earlier");
  EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(ExportFileTest, ColumnsWithoutANameOrWithANegativeSizeAreRefused) {
  EXPECT_THROW(TGravarString("", 3), Error);
  EXPECT_THROW(TGravarFloat("PRECO", -1), Error);
  EXPECT_THROW(TExportaArquivo().GeraTexto(data_), Error);  // no columns
}

}  // namespace
}  // namespace veiculo::maker
