// Order staging rows (both makers' integrations) and the module's entry
// points that dispatch invoice, stock, order and reservation events.

#include <gtest/gtest.h>

#include <string>

#include "support/kit.h"
#include "support/row_lines.h"
#include "support/salesforce_builders.h"
#include "veiculo/sales_force.h"

namespace veiculo::testing {
namespace {

class OrderTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    module().SetClock([] { return Moment(2025, 3, 14, 10, 30, 0); });
  }
  // Proposal `proposta` of dealer 1 for `veiculo`, contact 5 of customer 50,
  // final negotiation 2, and its order row for the maker.
  void Proposta(int proposta, const std::string& veiculo, const std::string& situacao) {
    AddProposal(connection(), 1, proposta,
                Cols("VEICULO CONTATO NEGOCIACAO_FINAL SITUACAO DTA_EMISSAO",
                     {T(veiculo), I(5), I(2), T(situacao), D(Day(2025, 3, 1))}));
    Insert(connection(), "REN_SALES_PEDIDO", "NUMERO_DN NUMERO_PEDIDO_DMS STATUS",
           {I(7612345), I(proposta), T("X")});
  }
  void Base(bool full) {
    SeedSalesDealer(connection(), full);
    Insert(connection(), "CAC_CONTATO", "EMPRESA REVENDA CONTATO CLIENTE",
           {I(1), I(1), I(5), I(50)});
    Insert(connection(), "FAT_CLIENTE", "CLIENTE NOME FISJUR", {I(50), T("Maria"), T("F")});
    AddNewVehicle(connection(), "V1", "CH1",
                  Cols("CLIENTE_RESERVA RESERVADO DTA_FIM_RESERVA VENDEDOR_RESERVA",
                       {I(50), T("S"), D(Day(2025, 3, 20)), I(7)}));
  }
  std::string Pedido(int proposta) {
    return One(
        "select coalesce(STATUS, '') || coalesce(METODO, '') || coalesce(STATUS_ENVIO, '') from "
        "REN_SALES_PEDIDO where NUMERO_PEDIDO_DMS = " +
        std::to_string(proposta));
  }
};

TEST_F(OrderTest, InvoicedOrderCarriesSaleValuesAndCustomer) {
  Base(false);
  Proposta(100, "V1", "7");
  Exec(
      "update FAT_CLIENTE set NOME = 'Maria O''Neil', TIPOVIA_ENTREGA = 'RUA', "
      "LOGRADOURO_ENTREGA = 'das Flores, 120', COMPLEMENTO_ENTREGA = 'ap 3', BAIRRO_ENTREGA = "
      "'Centro', MUNICIPIO_ENTREGA = 'Porto Alegre', CEP_ENTREGA = '90000-000', UF_ENTREGA = "
      "'RS', PAIS = 'BRASIL', E_MAIL_TRABALHO = 'm@t.br', DDD_TELEFONE = 51, TELEFONE = "
      "33334444, DDD_CELULAR = 51, CELULAR = 999998888 where CLIENTE = 50");
  Insert(
      connection(), "FAT_PESSOA_FISICA",
      "CLIENTE IDENTIDADE SEXO DTA_NASCIMENTO ESTADO_CIVIL PROFISSAO RENDA QTD_DEPENDENTES CLUBE",
      {I(50), T("123"), T("F"), D(Day(1990, 5, 4)), I(3), T("Engenheira"), F(8000), I(2),
       T("Grêmio")});
  AddNegotiation(connection(), 1, 100, 1, {{"VAL_VEICULO", F(1)}});
  AddNegotiation(
      connection(), 1, 100, 2,
      Cols("VAL_VEICULO VAL_FRETE VAL_SEGURO VAL_IPI VAL_DESCONTO VAL_BONUS ICMS_DESONERADO "
           "ICMSDESONERADO_DESCONTADONOTA QTD_PARCELAS VAL_PARCELAS VAL_FINANCIADO",
           {F(90000), F(1500), F(500), F(300), F(2000), F(1000), F(700), T("S"), I(24), F(2500),
            F(60000)}));
  InsertRows(
      connection(), "VEI_PROPOSTA_OPC_VEIC", "EMPRESA REVENDA PROPOSTA VAL_OPCIONAL",
      {{I(1), I(1), I(100), F(1200)}, {I(1), I(1), I(100), F(800)}, {I(1), I(1), I(101), F(999)}});
  InsertRows(connection(), "VEI_ACESSORIO_NEGOCIACAO",
             "EMPRESA REVENDA PROPOSTA NEGOCIACAO ACESSORIO VAL_ACESSORIO SOMAR",
             {{I(1), I(1), I(100), I(2), I(1), F(400), T("S")},
              {I(1), I(1), I(100), I(2), I(2), F(250), T("N")},
              {I(1), I(1), I(100), I(1), I(1), F(5000), T("S")}});
  Insert(connection(), "VEI_AVALIACAO_PROPOSTA", "EMPRESA REVENDA PROPOSTA AVALIACAO",
         {I(1), I(1), I(100), I(33)});
  Insert(connection(), "VEI_AVALIACAO",
         "EMPRESA AVALIACAO DES_VEICULO ANO_FABRICACAO VAL_AVALIACAO PLACA",
         {I(1), I(33), T("Gol 1.0"), I(2018), F(35000), T("ABC1D23")});

  module().SalesAtualizaPedido(1, 1, 100, "Faturar");
  // VALOR = 90,000 + optionals 2,000 + freight 1,500 + insurance 500 +
  // accessories 400 (the summed one of the final negotiation) + IPI 300 -
  // discount 2,000 - bonus 1,000 - exempted ICMS 700 = 91,000.
  EXPECT_EQ(
      Read("select STATUS, METODO, STATUS_ENVIO, DATA_ULTIMA_ATUALIZACAO, VEICULO_USADO, "
           "ANO_VEICULO_USADO, VALOR_VEICULO_USADO, PLACA_USADO, VALOR, NUMERO_PARCELAS, "
           "VALOR_PARCELAS, VALOR_FINANCIAMENTO from REN_SALES_PEDIDO"),
      Lines{
          "F|A|P|2025-03-14T10:30:00|Gol 1.0|2018|35000.00|ABC1D23|91000.00|24|2500.00|60000.00"});
  EXPECT_EQ(Read("select NOME_CLIENTE, LOGRADOURO, RUA, NUMERO, COMPLEMENTO, BAIRRO_F, BAIRRO, "
                 "CIDADE, CEP, ESTADO, PAIS, EMAIL_CLIENTE, PAIS_RESIDENCIA, DATA_NASCIMENTO, "
                 "RG_INSCRICAO_ESTADUAL, OCUPACAO, FAIXA_SALARIAL, TELEFONE_RESIDENCIAL, "
                 "TELEFONE_CELULAR, NUMERO_FILHOS, IDENTIFICACAO_HOBBY, SEXO, ESTADO_CIVIL "
                 "from REN_SALES_PEDIDO"),
            Lines{"Maria O'Neil|RUA|das Flores|120|ap 3|Centro|Centro|Porto "
                  "Alegre|90000-000|RS|BRASIL|m@t.br|BRASIL|1990-05-04T00:00:00|123|Engenheira|"
                  "6001 A 10000|5133334444|51999998888|2|Grêmio|F|1-MARRIED"});
  // The invoice also sends the vehicle's stock event, status 'F'.
  EXPECT_EQ(One("select STATUS from REN_SALES_ESTOQUE"), "F");
}

TEST_F(OrderTest, CancelSendAndOtherBrands) {
  for (bool full : {false, true}) {
    SCOPED_TRACE(full ? "full integration" : "simple integration");
    Base(full);
    Proposta(100, "V1", "7");
    AddNewVehicle(connection(), "F1", "CHF", {{"MODELO", T("FM1")}});
    Proposta(101, "F1", "7");
    module().SalesAtualizaPedido(1, 1, 101, "Faturar");
    module().SalesAtualizaPedido(1, 1, 100, "Enviado");
    EXPECT_EQ(Pedido(100), "EAP");
    EXPECT_EQ(Pedido(101), "X");  // another brand's order is not touched
    EXPECT_EQ(One("select count(*) from REN_SALES_ESTOQUE"), "0");
    module().SalesAtualizaPedido(1, 1, 100, "Cancelar");
    EXPECT_EQ(Pedido(100), "CAP");
    // The reservation is released; under the full integration the vehicle
    // goes back to stock ('D', state 'E').
    EXPECT_EQ(Read("select RESERVADO, CLIENTE_RESERVA, DTA_FIM_RESERVA, VENDEDOR_RESERVA from "
                   "VEI_VEICULO where VEICULO = 'V1'"),
              Lines{"N|NULL|NULL|NULL"});
    EXPECT_EQ(Read("select STATUS, ESTADO from REN_SALES_FULL_ESTOQUE"),
              (full ? Lines{"D|E"} : Lines{}));
    connection().Rollback();
    connection().Begin();
  }
}

TEST_F(OrderTest, OtherMakerOrdersByChassisAndByProposal) {
  SeedSalesDealer(connection(), false);
  AddNewVehicle(connection(), "F1", "CHF1", {{"MODELO", T("FM1")}});
  // Company 2 has a vehicle of the same code with another chassis.
  Insert(connection(), "VEI_VEICULO", "EMPRESA VEICULO CHASSI", {I(2), T("F1"), T("CHF2")});
  InsertRows(connection(), "FOR_SALES_PEDIDO", "CHASSI NUMERO_PEDIDO_DMS STATUS STATUS_ENVIO",
             {{T("CHF1"), I(200), T("Open"), T("E")}, {T("CHF2"), I(201), T("Open"), T("E")}});
  auto pedidos = [this] {
    return Read("select CHASSI, STATUS, STATUS_ENVIO from FOR_SALES_PEDIDO order by CHASSI");
  };
  TSalesForce sf;
  sf.AtualizaPedidoFord(&connection(), 1, 1, "F1", TOperacaoPedido::Enviado);
  sf.AtualizaPedidoFord(&connection(), 1, 1, 201, TOperacaoPedido::Enviado);
  EXPECT_EQ(pedidos(), (Lines{"CHF1|Open|E", "CHF2|Open|E"}));
  sf.AtualizaPedidoFord(&connection(), 1, 1, "F1", TOperacaoPedido::Faturar);
  EXPECT_EQ(pedidos(), (Lines{"CHF1|Billed|A", "CHF2|Open|E"}));
  sf.AtualizaPedidoFord(&connection(), 1, 1, 201, TOperacaoPedido::Cancelar);
  EXPECT_EQ(pedidos(), (Lines{"CHF1|Billed|A", "CHF2|Canceled|A"}));
  // A vehicle code holding a quote is a value, not SQL.
  sf.AtualizaPedidoFord(&connection(), 1, 1, "F1' or '1'='1", TOperacaoPedido::Cancelar);
  EXPECT_EQ(pedidos(), (Lines{"CHF1|Billed|A", "CHF2|Canceled|A"}));
}

// Invoice events: pTipo, pSub_Tipo, the vehicle, and what they write.
TEST_F(OrderTest, InvoiceEvents) {
  struct Caso {
    const char* nome;
    bool cancelamento;
    const char *tipo, *subtipo, *veiculo;
    int proposta;        // the invoice's proposal (sales only)
    Lines estoque;       // STATUS of the stock rows, in chassis order
    const char* pedido;  // REN order 100 afterwards
    const char* ford;    // FOR order of F1 afterwards
  } const casos[] = {
      {"sale of the brand's vehicle", false, "S", "N", "V1", 100, {"CH1|F"}, "FAP", "Open"},
      {"sale of the other maker's vehicle", false, "S", "N", "F1", 103, {}, "X", "Billed"},
      {"transfer entry, reserved until the 20th", false, "E", "T", "V1", 0, {"CH1|C"}, "X", "Open"},
      {"transfer entry, reservation over", false, "E", "T", "V2", 0, {"CH2|D"}, "X", "Open"},
      {"transfer entry, promised in a proposal", false, "E", "T", "V3", 0, {"CH3|C"}, "X", "Open"},
      {"return entry with an invoiced proposal", false, "E", "D", "V1", 0, {}, "CAP", "Open"},
      {"return entry without a proposal", false, "E", "D", "V2", 0, {"CH2|D"}, "X", "Open"},
      {"other maker's return entry", false, "E", "D", "F1", 0, {}, "X", "Canceled"},
      {"transfer exit", false, "S", "T", "V1", 0, {"CH1|B"}, "X", "Open"},
      {"return exit", false, "S", "D", "V1", 0, {"CH1|V"}, "X", "Open"},
      {"cancelled sale", true, "S", "N", "F1", 0, {}, "X", "Canceled"},
      {"cancelled return entry", true, "E", "D", "V1", 0, {"CH1|F"}, "X", "Open"},
      {"cancelled transfer entry", true, "E", "T", "V1", 0, {"CH1|B"}, "X", "Open"},
      {"cancelled transfer exit", true, "S", "T", "V1", 0, {"CH1|D"}, "X", "Open"},
      {"cancelled return exit", true, "S", "D", "V1", 0, {"CH1|D"}, "X", "Open"},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nome);
    Base(false);
    Proposta(100, "V1", "7");
    AddNewVehicle(connection(), "V2", "CH2", {{"DTA_FIM_RESERVA", D(Day(2025, 3, 10))}});
    AddNewVehicle(connection(), "V3", "CH3");
    AddProposal(connection(), 1, 102, {{"VEICULO", T("V3")}, {"SITUACAO", T("5")}});
    AddNewVehicle(connection(), "F1", "CHF", {{"MODELO", T("FM1")}});
    AddProposal(connection(), 1, 103, {{"VEICULO", T("F1")}, {"SITUACAO", T("9")}});
    Insert(connection(), "FOR_SALES_PEDIDO", "CHASSI NUMERO_PEDIDO_DMS STATUS",
           {T("CHF"), I(300), T("Open")});
    if (c.cancelamento)
      module().ProcCanSalesForce("14/03/2025", c.tipo, c.subtipo, c.veiculo, 1, 1);
    else
      module().ProcessaSalesForce("14/03/2025", c.tipo, c.subtipo, c.veiculo, 1, 1, c.proposta);
    EXPECT_EQ(Read("select CHASSI, STATUS from REN_SALES_ESTOQUE order by CHASSI"), c.estoque);
    EXPECT_EQ(Pedido(100), c.pedido);
    EXPECT_EQ(One("select STATUS from FOR_SALES_PEDIDO"), c.ford);
    connection().Rollback();
    connection().Begin();
  }
}

TEST_F(OrderTest, OperationTextsAndBrands) {
  Base(false);
  Proposta(100, "V1", "7");
  // Any stock text that is not a listed operation means the vehicle is in stock.
  module().SalesAtualizaEstoque(1, 1, "V1", "Estoque", Day(2025, 3, 14));
  module().SalesAtualizaEstoque(1, 1, "V1", "qualquer", Day(2025, 3, 14));
  module().SalesAtualizaEstoque(1, 1, "V1", "Imobilizado", Day(2025, 3, 14));
  EXPECT_EQ(Read("select STATUS from REN_SALES_ESTOQUE order by STATUS"), (Lines{"D", "D", "M"}));
  Exec("update REN_PARAMETRO set UTILIZA_SALES_FORCE_FULL = 'S'");
  module().SalesAtualizaReserva(1, 1, "V1", "Reserva");
  module().SalesAtualizaReserva(1, 1, "V1", "outra");
  EXPECT_EQ(Read("select STATUS_VEICULO from REN_SALES_FULL_RESERVA order by STATUS_VEICULO"),
            (Lines{"D", "R"}));
  // A misspelt order operation would cancel the order and release the
  // vehicle: it is refused and nothing changes.
  EXPECT_VEICULO_ERROR(module().SalesAtualizaPedido(1, 1, 100, "faturar"),
                       ErrorCategory::Validation, "Operacao 'faturar' is not Faturar");
  EXPECT_EQ(Pedido(100), "X");
  EXPECT_EQ(One("select RESERVADO from VEI_VEICULO where VEICULO = 'V1'"), "S");
  // Another brand's dealer, or another subtype, does nothing.
  module().AtualizaSalesforce(1, 1, "V1", "D", "FORD", "14/03/2025");
  module().AtualizaSalesforce(1, 1, "V1", "N", "RENA", "14/03/2025");
  EXPECT_EQ(Pedido(100), "X");
  module().AtualizaSalesforce(1, 1, "V1", "D", "RENA", "14/03/2025");
  EXPECT_EQ(Pedido(100), "CAP");
  EXPECT_VEICULO_ERROR(module().ProcessaSalesForce("31/02/2025", "S", "T", "V1", 1, 1, 0),
                       ErrorCategory::Validation, "pDataProcessamento '31/02/2025' is not a date");
}

}  // namespace
}  // namespace veiculo::testing
