// Stock and reservation staging rows of single events: which vehicles and
// operations write, the status and state letters, and the exact rows.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/kit.h"
#include "support/row_lines.h"
#include "support/salesforce_builders.h"
#include "veiculo/sales_force.h"

namespace veiculo::testing {
namespace {

constexpr TOperacaoEstoque kTodas[] = {
    TOperacaoEstoque::Transito,  TOperacaoEstoque::Estoque,       TOperacaoEstoque::Transferencia,
    TOperacaoEstoque::Faturado,  TOperacaoEstoque::Reservado,     TOperacaoEstoque::Alocado,
    TOperacaoEstoque::Inclusao,  TOperacaoEstoque::BloqQualidade, TOperacaoEstoque::BloqComercial,
    TOperacaoEstoque::Devolvido, TOperacaoEstoque::Imobilizado};

class StockEventTest : public ModuleTest {
 protected:
  std::unique_ptr<TSalesForce> Sales() {
    auto sf = std::make_unique<TSalesForce>();
    sf->DataProcessamento = Day(2025, 3, 14);
    sf->BancoDados = "INTERBASE";
    sf->Agora = [] { return Moment(2025, 3, 14, 10, 30, 0); };
    return sf;
  }
  void Evento(const std::string& veiculo, TOperacaoEstoque operacao) {
    Sales()->AtualizaEstoque(&connection(), 1, 1, veiculo, operacao);
  }
  std::string Contagem(const char* tabela) {
    return One(std::string("select count(*) from ") + tabela);
  }
};

TEST_F(StockEventTest, OnlyNewVehiclesOfTheBrandAvailableWhereNeededWrite) {
  SeedSalesDealer(connection(), false);
  AddNewVehicle(connection(), "USADO", "CH-U", {{"NOVO_USADO", T("U")}});
  AddNewVehicle(connection(), "FORD", "CH-F", {{"MODELO", T("FM1")}});
  AddNewVehicle(connection(), "BLOQ", "CH-B", {{"SITUACAO", T("B1")}});
  // The four availability-bound operations write nothing for BLOQ; the other
  // seven do: 7 rows of BLOQ, none of the used or the other brand's vehicle.
  for (TOperacaoEstoque operacao : kTodas)
    for (const char* veiculo : {"USADO", "FORD", "BLOQ"}) Evento(veiculo, operacao);
  EXPECT_EQ(Read("select CHASSI, STATUS from REN_SALES_ESTOQUE order by STATUS"),
            (Lines{"CH-B|C", "CH-B|D", "CH-B|F", "CH-B|M", "CH-B|Q", "CH-B|T", "CH-B|V"}));
}

TEST_F(StockEventTest, StatusAndStateLetters) {
  struct Caso {
    TOperacaoEstoque operacao;
    const char *simples, *full, *estado_nf_aberta, *estado_nf_fechada;
  } const casos[] = {
      {TOperacaoEstoque::Transito, "T", "D", "T", "T"},
      {TOperacaoEstoque::Estoque, "D", "D", "E", "E"},
      {TOperacaoEstoque::Transferencia, "B", "B", "E", "E"},
      {TOperacaoEstoque::Faturado, "F", "F", "E", "E"},
      {TOperacaoEstoque::Reservado, "R", "R", "T", "E"},
      {TOperacaoEstoque::Alocado, "A", "D", "E", "E"},
      {TOperacaoEstoque::Inclusao, "I", "I", "E", "E"},
      {TOperacaoEstoque::BloqQualidade, "Q", "Q", "T", "E"},
      {TOperacaoEstoque::BloqComercial, "C", "C", "T", "E"},
      {TOperacaoEstoque::Devolvido, "V", "V", "E", "E"},
      {TOperacaoEstoque::Imobilizado, "M", "M", "E", "E"},
  };
  SeedSalesDealer(connection(), false);
  // NFA's entry invoice has status 'A', NFF's 'F'.
  const Invoice aberta{1, 10, "E51"}, fechada{1, 11, "E51"};
  AddInvoice(connection(), aberta, {{"STATUS", T("A")}});
  AddInvoice(connection(), fechada, {{"STATUS", T("F")}});
  AddNewVehicle(connection(), "NFA", "CH-A", EntryInvoiceOf(aberta));
  AddNewVehicle(connection(), "NFF", "CH-F", EntryInvoiceOf(fechada));
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.simples);
    Exec("update REN_PARAMETRO set UTILIZA_SALES_FORCE_FULL = 'N'");
    Evento("NFA", c.operacao);
    EXPECT_EQ(One("select STATUS from REN_SALES_ESTOQUE"), c.simples);
    Exec("update REN_PARAMETRO set UTILIZA_SALES_FORCE_FULL = 'S'");
    Evento("NFA", c.operacao);
    Evento("NFF", c.operacao);
    EXPECT_EQ(Read("select CHASSI, STATUS, ESTADO from REN_SALES_FULL_ESTOQUE order by CHASSI"),
              (Lines{std::string("CH-A|") + c.full + "|" + c.estado_nf_aberta,
                     std::string("CH-F|") + c.full + "|" + c.estado_nf_fechada}));
    Exec("delete from REN_SALES_ESTOQUE");
    Exec("delete from REN_SALES_FULL_ESTOQUE");
  }
}

TEST_F(StockEventTest, ExactSimpleRow) {
  SeedSalesDealer(connection(), false);
  AddNewVehicle(
      connection(), "V1", "CH'1",
      Cols("VERSAO_RENAULT COR PRECO_CONCESSIONARIA DTA_FAT_FABRICA DTA_FIM_RESERVA OPCIONAIS",
           {T(" ZEN 1.6 "), T("BR"), F(95000), D(Day(2025, 1, 10)),
            D(Moment(2025, 3, 20, 18, 0, 0)), T("Teto d'vidro, ABS")}),
      {{"ANO_FABRICACAO", I(2024)}, {"ANO_MODELO", I(2025)}});
  Evento("V1", TOperacaoEstoque::Reservado);
  // Dealer number "076" + 12345 sent as a number; the version trimmed; the
  // price is the dealer price (source "2"); the optionals text unchanged
  // (no optionals setting means "C").
  EXPECT_EQ(Read("select METODO, NUMERO_DN, CHASSI, DATA_INCLUSAO, STATUS_ENVIO, MODELO, VERSAO, "
                 "ANO_FABRICACAO, ANO_MODELO, COR, STATUS, COD_RETORNO, DES_RETORNO, "
                 "DATA_ENTRADA_ESTOQUE, PRECO, OPCIONAIS, DATA_ULTIMA_ATUALIZACAO, "
                 "VALIDADE_RESERVA from REN_SALES_ESTOQUE"),
            Lines{"A|7612345|CH'1|2025-03-14T10:30:00|P|RM1|ZEN "
                  "1.6|2024|2025|BR|R|NULL|NULL|2025-01-10T00:00:00|95000.00|Teto d'vidro, "
                  "ABS|2025-03-14T10:30:00|2025-03-20T18:00:00"});
}

TEST_F(StockEventTest, ExactFullRowWithModelAsVersionAndOptionalRecords) {
  SeedSalesDealer(connection(), true);
  Exec("update REN_PARAMETRO set NUMERO_DN = 55555, ENVIO_OPCIONAIS_SALESFORCE = 'R'");
  AddNewVehicle(connection(), "V1", "CH1",
                Cols("VERSAO_RENAULT COR PRECO_CONCESSIONARIA DTA_FAT_FABRICA OPCIONAIS",
                     {T(" "), T("BR"), F(90000), D(Day(2025, 1, 10)), T("ignored")}),
                {{"ANO_FABRICACAO", I(2024)}, {"ANO_MODELO", I(2024)}});
  InsertRows(connection(), "OFI_FICHA_OPCIONAL", "EMPRESA CHASSI MODELO OPCIONAL",
             {{I(1), T("CH1"), T("RM1"), T("O2")}, {I(1), T("CH1"), T("RM1"), T("O1")}});
  InsertRows(connection(), "VEI_OPCIONAL_MODELO", "EMPRESA MODELO OPCIONAL OPCIONAL_PUB",
             {{I(1), T("RM1"), T("O1"), T("PUB1")}, {I(1), T("RM1"), T("O2"), T("PUB2")}});
  InsertRows(connection(), "VEI_OPCIONAL", "EMPRESA OPCIONAL DES_OPCIONAL",
             {{I(1), T("O1"), T("Rodas")}, {I(1), T("O2"), T("Teto")}});
  InsertRows(connection(), "VEI_AGENDA_ENTREGA", "EMPRESA VEICULO DTA_ENTREGA_REAL",
             {{I(1), T("V1"), D(Day(2025, 3, 1))}, {I(1), T("V1"), D(Day(2025, 3, 5))}});
  Evento("V1", TOperacaoEstoque::Estoque);
  // 55555 is sent as 5555555; the empty version sends the model; the
  // optionals come from the records, in optional order; the delivery is the
  // latest real delivery date.
  EXPECT_EQ(Read("select NUMERO_DN, CHASSI, DATA_INCLUSAO, STATUS_ENVIO, MODELO, VERSAO, "
                 "ANO_FABRICACAO, ANO_MODELO, COR, OPCIONAIS, DATA_ENTRADA_ESTOQUE, PRECO, "
                 "DATA_ULTIMA_ATUALIZACAO, STATUS, ESTADO, DATA_ENTREGA_CLIENTE, COD_RETORNO, "
                 "DES_RETORNO from REN_SALES_FULL_ESTOQUE"),
            Lines{"5555555|CH1|2025-03-14T10:30:00|P|RM1|RM1|2024|2024|BR|PUB1 - Rodas; PUB2 - "
                  "Teto|2025-01-10T00:00:00|90000.00|2025-03-14T10:30:00|D|E|2025-03-05T00:00:00|"
                  "NULL|NULL"});
  EXPECT_EQ(Contagem("REN_SALES_ESTOQUE"), "0");
}

TEST_F(StockEventTest, ReservationRows) {
  SeedSalesDealer(connection(), true);
  AddDealer(connection(), 2);
  // V1's salesperson belongs to dealer 2, its origin, and the reservation
  // does not name the dealer: the origin dealer is taken, not the company (1).
  Insert(connection(), "FAT_VENDEDOR", "EMPRESA REVENDA VENDEDOR NOME CPF",
         {I(1), I(2), I(7), T("Ana Souza"), I(1234567890)});
  Insert(connection(), "FAT_CLIENTE",
         "CLIENTE NOME DDD_TELEFONE TELEFONE DDD_CELULAR CELULAR E_MAIL_CASA",
         {I(50), T("João  D'Ávila Neto"), I(51), I(33334444), I(51), I(999998888), T("j@x.br")});
  Insert(connection(), "FAT_PESSOA_FISICA", "CLIENTE CPF", {I(50), I(98765432100)});
  AddNewVehicle(connection(), "V1", "CH1",
                Cols("CLIENTE_RESERVA EMPRESA_VENDEDOR_RESERVA VENDEDOR_RESERVA REVENDA_ORIGEM",
                     {I(50), I(1), I(7), I(2)}));
  AddNewVehicle(connection(), "V2", "CH2");  // released: no customer any more
  Sales()->AtualizaReserva(&connection(), 1, 1, "V1", TOperacaoReserva::Reserva);
  Sales()->AtualizaReserva(&connection(), 1, 1, "V2", TOperacaoReserva::Disponivel);
  EXPECT_EQ(
      Read("select NUMERO_DN, NUMERO_ATENDIMENTO, DATA_INCLUSAO, STATUS_ENVIO, NOME_VENDEDOR, "
           "CPF_VENDEDOR, NOME_CLIENTE, SOBRENOME_CLIENTE, TELEFONE_RESIDENCIAL, EMAIL_CLIENTE, "
           "TELEFONE_CELULAR, CHASSI, STATUS_VEICULO, CPF_CLIENTE, STATUS_INTEGRACAO, "
           "COD_RETORNO, DES_RETORNO from REN_SALES_FULL_RESERVA order by CHASSI"),
      (Lines{
          "7612345|NULL|2025-03-14T10:30:00|P|Ana Souza|01234567890|João|D'Ávila "
          "Neto|5133334444|j@x.br|51999998888|CH1|R|98765432100|Vehicle Booking Received|NULL|NULL",
          "7612345|NULL|2025-03-14T10:30:00|P|NULL|NULL|NULL|NULL|NULL|NULL|NULL|CH2|D|NULL|"
          "Vehicle Booking Received|NULL|NULL"}));
  // Other brands and used vehicles: no reservation row.
  AddNewVehicle(connection(), "F1", "CHF", {{"MODELO", T("FM1")}});
  Sales()->AtualizaReserva(&connection(), 1, 1, "F1", TOperacaoReserva::Reserva);
  EXPECT_EQ(Contagem("REN_SALES_FULL_RESERVA"), "2");
}

}  // namespace
}  // namespace veiculo::testing
