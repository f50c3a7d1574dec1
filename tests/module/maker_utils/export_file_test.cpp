#include "module/maker_utils/export_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/format/date_time.h"
#include "veiculo/error.h"

namespace veiculo::maker {
namespace {

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
  try {
    e.GeraArquivo(file.string(), data_);
    ADD_FAILURE() << "no error";
  } catch (const Error& err) {
    EXPECT_EQ(err.category(), ErrorCategory::NotFound);
    EXPECT_NE(err.message().find("COR"), std::string::npos);
  }
  EXPECT_FALSE(fs::exists(file));
  EXPECT_EQ(FilesInDir(), 0u);
}

TEST_F(ExportFileTest, NumberTooWideFailsAndKeepsTheEarlierFile) {
  const fs::path file = dir_ / "carga.txt";
  { std::ofstream(file) << "earlier"; }
  data_.rows[0][1] = Value::Float(12345678.9);  // "12345678.90" is 11 wide
  TExportaArquivo e = FixedLayout();
  try {
    e.GeraArquivo(file.string(), data_);
    ADD_FAILURE() << "no error";
  } catch (const Error& err) {
    EXPECT_EQ(err.category(), ErrorCategory::Validation);
    EXPECT_NE(err.message().find("PRECO"), std::string::npos);
    EXPECT_NE(std::string(err.what()).find("record 1"), std::string::npos);
  }
  EXPECT_EQ(Read(file), "earlier");
  EXPECT_EQ(FilesInDir(), 1u);
}

TEST_F(ExportFileTest, MissingFolderIsNamed) {
  const std::string file = (dir_ / "nao_existe" / "carga.txt").string();
  try {
    FixedLayout().GeraArquivo(file, data_);
    ADD_FAILURE() << "no error";
  } catch (const Error& err) {
    EXPECT_EQ(err.category(), ErrorCategory::NotFound);
    EXPECT_NE(err.message().find(file), std::string::npos);
  }
}

TEST_F(ExportFileTest, ColumnsWithoutANameOrWithANegativeSizeAreRefused) {
  EXPECT_THROW(TGravarString("", 3), Error);
  EXPECT_THROW(TGravarFloat("PRECO", -1), Error);
  EXPECT_THROW(TExportaArquivo().GeraTexto(data_), Error);  // no columns
}

}  // namespace
}  // namespace veiculo::maker
