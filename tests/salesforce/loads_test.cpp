// The initial loads: the online stock load with the status of each vehicle,
// the invoiced-vehicles pass of the full integration, and the stock and
// customer files.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "support/kit.h"
#include "support/row_lines.h"
#include "support/salesforce_builders.h"
#include "veiculo/sales_force.h"

namespace veiculo::testing {
namespace {

class LoadTest : public ModuleTest {
 protected:
  // Dealer 1's stock: A1 available, A2 reserved after the processing date,
  // A3 in the transit situation, A4 commercially blocked, A5 immobilised, A6
  // promised in a proposal; left out: A7 sold, A8 used, A9 of dealer 2; F1
  // is read but of another brand.
  void Estoque(bool full) {
    SeedSalesDealer(connection(), full);
    Exec("update VEI_SITUACAO set DISP_VENDA = 'S' where SITUACAO = 'TR'");
    Exec("update REN_PARAMETRO set BLOQ_COMERCIAL_SALES = 'X9, B1'");
    AddNewVehicle(connection(), "A1", "CH-A1",
                  Cols("COR PRECO_CONCESSIONARIA DTA_FAT_FABRICA OPCIONAIS",
                       {T("BR"), F(95000), D(Day(2025, 1, 10)), T("ABS, AR")}),
                  {{"ANO_FABRICACAO", I(2024)}, {"ANO_MODELO", I(2025)}});
    AddNewVehicle(connection(), "A2", "CH-A2", {{"DTA_FIM_RESERVA", D(Day(2025, 3, 20))}});
    AddNewVehicle(connection(), "A3", "CH-A3", {{"SITUACAO", T("TR")}});
    AddNewVehicle(connection(), "A4", "CH-A4", {{"SITUACAO", T("B1")}});
    AddNewVehicle(connection(), "A5", "CH-A5", {{"SITUACAO", T("IM")}});
    AddNewVehicle(connection(), "A6", "CH-A6");
    AddProposal(connection(), 1, 60, {{"VEICULO", T("A6")}, {"SITUACAO", T("2")}});
    AddNewVehicle(connection(), "A7", "CH-A7", {{"SITUACAO", T("VD")}});
    AddNewVehicle(connection(), "A8", "CH-A8", {{"NOVO_USADO", T("U")}});
    AddNewVehicle(connection(), "A9", "CH-A9", {{"REVENDA_ORIGEM", I(2)}});
    AddNewVehicle(connection(), "F1", "CH-F1", {{"MODELO", T("FM1")}});
  }
  std::unique_ptr<TSalesForce> Sales() {
    auto sf = std::make_unique<TSalesForce>();
    sf->DataProcessamento = Day(2025, 3, 14);
    sf->BancoDados = "INTERBASE";
    sf->Agora = [] { return Moment(2025, 3, 14, 10, 30, 0); };
    return sf;
  }
  static std::string Arquivo(const std::string& caminho) {
    std::ifstream in(caminho, std::ios::binary);
    std::stringstream texto;
    texto << in.rdbuf();
    return texto.str();
  }
};

TEST_F(LoadTest, OnlineLoadSimpleIntegration) {
  Estoque(false);
  auto sf = Sales();
  int ultimo = 0, total = 0;
  sf->Progresso = [&](int feitos, int de) { ultimo = feitos, total = de; };
  EXPECT_EQ(sf->GeraCargaEstoqueOnline(&connection(), false, false, 1, 1), 6);
  EXPECT_EQ(ultimo, 7);  // A1-A6 and F1 were read
  EXPECT_EQ(total, 7);
  EXPECT_EQ(Read("select CHASSI, STATUS, PRECO from REN_SALES_ESTOQUE order by CHASSI"),
            (Lines{"CH-A1|D|95000.00", "CH-A2|R|0.00", "CH-A3|T|0.00", "CH-A4|C|0.00",
                   "CH-A5|M|0.00", "CH-A6|A|0.00"}));
  EXPECT_EQ(
      Read("select METODO, NUMERO_DN, STATUS_ENVIO, VERSAO, ANO_FABRICACAO, ANO_MODELO, "
           "COR, OPCIONAIS, DATA_ENTRADA_ESTOQUE, DATA_INCLUSAO, VALIDADE_RESERVA from "
           "REN_SALES_ESTOQUE where CHASSI in ('CH-A1', 'CH-A2') order by CHASSI"),
      (Lines{"A|7612345|P|RM1|2024|2025|BR|ABS, AR|2025-01-10T00:00:00|2025-03-14T10:30:00|NULL",
             "A|7612345|P|RM1|0|0|NULL|NULL|NULL|2025-03-14T10:30:00|2025-03-20T00:00:00"}));
}

TEST_F(LoadTest, OnlineLoadFullIntegrationWithInvoicedVehicles) {
  Estoque(true);
  Exec("update REN_PARAMETRO set DTA_ULT_FATURAMENTO = '2025-03-01 00:00:00'");
  InsertRows(connection(), "FAT_TIPO_TRANSACAO", "TIPO_TRANSACAO TIPO SUBTIPO_TRANSACAO",
             {{T("S51"), T("S"), T("N")}, {T("S52"), T("S"), T("D")}, {T("E51"), T("E"), T("N")}});
  struct Nota {
    int numero;
    const char *tipo, *veiculo, *status;
    double data, total, desconto;
  } const notas[] = {
      {901, "S51", "S1", "F", Moment(2025, 3, 10, 9, 0, 0), 100000, 3000},
      {902, "S52", "S2", "F", Moment(2025, 3, 11, 16, 0, 0), 80000, 0},
      {903, "S51", "S3", "F", Moment(2025, 2, 28, 9, 0, 0), 1, 0},  // before the last pass
      {904, "S51", "S4", "C", Moment(2025, 3, 12, 9, 0, 0), 1, 0},  // not invoiced
      {905, "E51", "S5", "F", Moment(2025, 3, 12, 9, 0, 0), 1, 0},  // an entry
  };
  for (const Nota& n : notas) {
    const Invoice nf{1, n.numero, n.tipo};
    AddInvoice(connection(), nf,
               Cols("STATUS DTA_ENTRADA_SAIDA TOT_NOTA_FISCAL VALDESCONTO",
                    {T(n.status), D(n.data), F(n.total), F(n.desconto)}));
    AddInvoiceVehicle(connection(), nf, n.veiculo);
    AddNewVehicle(connection(), n.veiculo, std::string("CH-") + n.veiculo, {{"SITUACAO", T("VD")}});
  }
  Insert(connection(), "VEI_AGENDA_ENTREGA", "EMPRESA VEICULO DTA_ENTREGA_REAL",
         {I(1), T("S1"), D(Day(2025, 3, 12))});

  EXPECT_EQ(Sales()->GeraCargaEstoqueOnline(&connection(), false, false, 1, 1), 8);
  // Stock: transit and allocated are 'D' under the full integration; the
  // states of the reserved and blocked vehicles follow the entry invoice
  // (none here: 'E'); transit is 'T'. Invoiced: S1 sold for 100,000 - 3,000,
  // delivered on the 12th; S2 returned, delivered on its invoice date.
  EXPECT_EQ(
      Read("select CHASSI, STATUS, ESTADO, PRECO, DATA_ENTREGA_CLIENTE from "
           "REN_SALES_FULL_ESTOQUE order by CHASSI"),
      (Lines{"CH-A1|D|E|95000.00|NULL", "CH-A2|R|E|0.00|NULL", "CH-A3|D|T|0.00|NULL",
             "CH-A4|C|E|0.00|NULL", "CH-A5|M|E|0.00|NULL", "CH-A6|D|E|0.00|NULL",
             "CH-S1|F|E|97000.00|2025-03-12T00:00:00", "CH-S2|V|E|80000.00|2025-03-11T16:00:00"}));
  // The next pass starts after the latest invoice seen, so a second load
  // sends the stock again but no invoice twice.
  EXPECT_EQ(One("select DTA_ULT_FATURAMENTO from REN_PARAMETRO"), "2025-03-11T16:00:00");
  EXPECT_EQ(Sales()->GeraCargaEstoqueOnline(&connection(), false, false, 1, 1), 6);
  EXPECT_EQ(One("select count(*) from REN_SALES_FULL_ESTOQUE where STATUS in ('F', 'V')"), "2");
}

TEST_F(LoadTest, StockAndCustomerFiles) {
  Estoque(false);
  Exec("delete from VEI_VEICULO where VEICULO <> 'A1' and VEICULO <> 'A2'");
  const std::string pasta = TemporaryFolder();
  EXPECT_EQ(Sales()->GeraCargaEstoque(pasta + "/estoque.csv", &connection(), false, false, 1, 1),
            2);
  // The years as the first of January; a comma inside a value becomes a blank.
  EXPECT_EQ(Arquivo(pasta + "/estoque.csv"),
            "Chassi,Modelo,AnoFabricacao,AnoModelo,Cor,Opcionais,DataEntradanoEstoque,Preco,"
            "Status,DataUltimaAtualizacao,ValidadedaReserva\r\n"
            "CH-A1,RM1,01/01/2024,01/01/2025,BR,ABS  AR,10/01/2025,95000.00,D,"
            "14/03/2025 10:30:00,\r\n"
            "CH-A2,RM1,,,,,,0.00,R,14/03/2025 10:30:00,20/03/2025 00:00:00\r\n");

  Insert(
      connection(), "FAT_CLIENTE",
      "CLIENTE NOME FISJUR DDD_CELULAR CELULAR DDD_TELEFONE TELEFONE ENDERECO_COBRANCA "
      "LOGRADOURO_ENTREGA MUNICIPIO_ENTREGA UF_ENTREGA CEP_ENTREGA EMPRESA_ORIGEM REVENDA_ORIGEM",
      {I(1), T("Maria O'Neil Souza"), T("F"), I(51), I(999998888), I(51), I(33334444), T("N"),
       T("Rua A, 10"), T("Canoas"), T("RS"), T("92000-000"), I(1), I(1)});
  Insert(connection(), "FAT_PESSOA_FISICA", "CLIENTE CPF", {I(1), I(1234567890)});
  Insert(connection(), "FAT_CLIENTE",
         "CLIENTE NOME FISJUR DDD_TELEFONE TELEFONE ENDERECO_COBRANCA LOGRADOURO_ENTREGA "
         "LOGRADOURO_COBRANCA MUNICIPIO_COBRANCA UF_COBRANCA CEP_COBRANCA EMPRESA_ORIGEM "
         "REVENDA_ORIGEM",
         {I(2), T("Auto Peças, Ltda"), T("J"), I(11), I(30303030), T("S"), T("Entrega, 1"),
          T("Av. B, 2"), T("São Paulo"), T("SP"), T("01000-000"), I(1), I(1)});
  Insert(connection(), "FAT_PESSOA_JURIDICA", "CLIENTE CGC", {I(2), I(12345678000190)});
  Insert(connection(), "FAT_CLIENTE", "CLIENTE NOME EMPRESA_ORIGEM REVENDA_ORIGEM",
         {I(3), T("De Outra Revenda"), I(1), I(2)});
  EXPECT_EQ(Sales()->GeraCargaClientes(pasta + "/clientes.csv", &connection(), 1, 1), 2);
  EXPECT_EQ(Arquivo(pasta + "/clientes.csv"),
            "Nome,Sobrenome,CPF,Telefone,Endereco,Cidade,Estado,CEP\r\n"
            "Maria,O'Neil Souza,01234567890,51999998888,Rua A  10,Canoas,RS,92000-000\r\n"
            "Auto,Peças  Ltda,12345678000190,1130303030,Av. B  2,São Paulo,SP,01000-000\r\n");
}

}  // namespace
}  // namespace veiculo::testing
