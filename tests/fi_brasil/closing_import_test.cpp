// FechaVendaFIB against a seeded dealer (tests/support/fi_closing_builders.h)
// and an F&I Brasil service played on 127.0.0.1 that answers the closed sale
// and records the confirmation.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "fi_brasil/fi_test_support.h"
#include "platform/format/format_settings.h"
#include "support/fi_closing_builders.h"
#include "support/kit.h"
#include "support/row_lines.h"

namespace veiculo::testing {
namespace {

using ::testing::HasSubstr;

using fi_brasil::test::Reply;

// A person's record: phones split at "-", a known address, quotes in names.
const std::string kFichaPF = Xml(
    "fichaPF",
    Xml("CNH", "CNH1") + Xml("dataNascimento", "1980-05-20") + Xml("email", "novo@x.com") +
        Xml("enderecos", Xml("bairro", "Centro") + Xml("cep", "01000-000") +
                             Xml("complemento", "Ap 1") + Xml("logradouro", "Rua Nova") +
                             Xml("municipio", "Sao Paulo") + Xml("uf", "SP")) +
        Xml("estadoCivil", "3") + Xml("grauInstrucao", "4") + Xml("nomeMae", "Maria D'Avila") +
        Xml("nomePai", "Jose") + Xml("quantidadeDependentes", "2") +
        Xml("referenciasBancarias",
            Xml("agencia", "0001") + Xml("banco", "341") + Xml("numeroConta", "12345-6")) +
        Xml("referenciasPessoais", Xml("nome", "Ana O'Neil") + Xml("telefone", "21-2222.3333")) +
        Xml("rg", "RG1") + Xml("rgOrgaoEmissor", "SSP") + Xml("sexo", "F") +
        Xml("telefoneCelular", "11-9.8765.4321") + Xml("telefoneResidencial", "11-3333.4444"));
// Accessory 55 twice at 150.00, built into the financing; ABC unknown.
const std::string kItens =
    Xml("itensAgregados", Xml("codigo", "55") + Xml("descricao", "Tapete") +
                              Xml("embutidoFinanciamento", "3") + Xml("quantidade", "2") +
                              Xml("valorUnitario", "150.00")) +
    Xml("itensAgregados", Xml("codigo", "ABC") + Xml("descricao", "Pelicula") +
                              Xml("quantidade", "1") + Xml("valorUnitario", "10.00"));
// Kind 1 twice (500.00 + 250,50 = 750.50), one of each other kind, a rebate
// debit; kind 5 makes no return line.
const std::string kReceitas = Receita(1, "500.00") + Receita(1, "250,50") + Receita(2, "100.00") +
                              Receita(3, "80.00") + Receita(4, "60.00") + Receita(6, "40.00") +
                              Receita(9, "-30.00") + Receita(5, "999.00");

class ClosingImportTest : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    fi_brasil::test::UseShortNamespaces();
    module().SetClock([] { return Moment(2026, 12, 7, 10, 30, 0); });
  }
  std::string Import() { return module().FechaVendaFIB(1, 1, 10, 1, 0, "CH1", Day(2026, 12, 7)); }
  // The body of the confirmation the service received; empty when none came.
  std::string Confirmation() {
    for (const SoapRequestSeen& seen : server_.Requests())
      if (seen.soap_action == "\"urn:fechaVendaConfirma\"") return seen.body;
    return "";
  }
  Lines Payments() {
    return Read(
        "select NUMERO_PAGAMENTO, CONDICAO, IDENTIFICACAO, VAL_PAGAMENTO, SITUACAO, FI_INTEGRADO, "
        "DTA_VENCIMENTO, DES_PAGAMENTO from VEI_PAGAMENTO order by 1");
  }
  Lines Returns() {
    return Read(
        "select R.SEQUENCIA, R.TIPO_RETORNO, R.VAL_RETORNO, R.CLIENTE, R.OBSERVACAO, "
        "R.FIB_INTEGRADO, C.CONTA, C.TIPO_LCTO, C.VALOR from VEI_RETORNO R left join "
        "VEI_RETORNO_CONTA C on C.EMPRESA = R.EMPRESA and C.REVENDA = R.REVENDA and C.PROPOSTA = "
        "R.PROPOSTA and C.NEGOCIACAO = R.NEGOCIACAO and C.SEQUENCIA = R.SEQUENCIA order by 1");
  }

  platform::ScopedFormatSettings brasil_{platform::FormatSettings::Brazilian()};
  std::string sale_ = VendaFechada(VendaFinanciada(kFichaPF + kItens + kReceitas));
  SoapTestServer server_{[this](const SoapRequestSeen& seen) {
    return Reply(seen.soap_action == "\"urn:fechaVenda\"" ? sale_ : "<statusCode>0</statusCode>");
  }};
};

TEST_F(ClosingImportTest, APersonFinancedThroughTheDeskWritesEveryRow) {
  AddClosingDealer(connection(), server_.Url(),
                   Cols("SOBREPOR_OBSERVACOES_FIB IMPORTAR_AGREGADOS_FIB SOBREPOR_CONDPAGTO_FIB",
                        {T("S"), T("S"), T("S")}));
  AddPayment(connection(), 1, 10, 1, 1, Cols("CONDICAO VAL_PAGAMENTO", {I(99), F(1)}));
  InsertRows(connection(), "VEI_ACESSORIO_NEGOCIACAO",
             "EMPRESA REVENDA PROPOSTA NEGOCIACAO ACESSORIO VAL_ACESSORIO FIB_INTEGRADO SOMAR",
             {{I(1), I(1), I(10), I(1), I(56), F(9), T("S"), T("N")},
              {I(1), I(1), I(10), I(1), I(57), F(1), T("N"), T("N")}});
  // A return of the desk's own (replaced) and one keyed in by hand (kept).
  InsertRows(connection(), "VEI_RETORNO",
             "EMPRESA REVENDA PROPOSTA NEGOCIACAO SEQUENCIA TIPO_RETORNO VAL_RETORNO OBSERVACAO "
             "FIB_INTEGRADO",
             {{I(1), I(1), I(10), I(1), I(1), T("MANUAL"), F(5), T("A MAO"), T("N")},
              {I(1), I(1), I(10), I(1), I(2), T("FIN"), F(999), T("VELHO"), T("S")}});
  InsertRows(connection(), "VEI_RETORNO_CONTA",
             "EMPRESA REVENDA PROPOSTA NEGOCIACAO SEQUENCIA CONTA TIPO_LCTO VALOR",
             {{I(1), I(1), I(10), I(1), I(1), I(200), T("C"), F(5)},
              {I(1), I(1), I(10), I(1), I(2), I(101), T("C"), F(999)}});

  const std::string result = Import();
  // Only the unknown product is noticed: its notice and its line.
  EXPECT_EQ(result.rfind("* Os códigos dos produtos", 0), 0u) << result;
  EXPECT_EQ(result.substr(result.find("\r\n") + 2), "[ABC-Pelicula]\r\n");
  EXPECT_EQ(module().StatusFechaVendaFIB(), 0);
  EXPECT_THAT(Confirmation(),
              HasSubstr("<q0:status>0</q0:status><q0:mensagem>Venda Confirmada.</"
                        "q0:mensagem><q0:propostaID>777</q0:propostaID><q0:"
                        "numeroPedidoDMS>10</q0:numeroPedidoDMS><q0:chassi>CH1</q0:chassi>"));

  EXPECT_EQ(Read("select PROPOSTA_FIB, OBSERVACAO from VEI_PROPOSTA"), Lines{"777|Padrao. Obs FI"});
  EXPECT_EQ(
      Read("select E_MAIL_CASA, DDD_TELEFONE, TELEFONE, DDD_CELULAR, CELULAR, "
           "LOGRADOURO_ENTREGA, BAIRRO_ENTREGA, MUNICIPIO_ENTREGA, UF_ENTREGA, "
           "COMPLEMENTO_ENTREGA, CEP_ENTREGA from FAT_CLIENTE"),
      Lines{"novo@x.com|11|33334444|11|987654321|Rua Nova|Centro|Sao Paulo|SP|Ap 1|01000-000"});
  // Marital status 3 -> 6 and schooling 4 -> 5 in the dealer's codes.
  EXPECT_EQ(Read("select DTA_NASCIMENTO, CARTEIRA_HABILITACAO, QTD_DEPENDENTES, ESTADO_CIVIL, "
                 "FORMACAO_ACADEMICA, NOME_MAE, NOME_PAI, IDENTIDADE, ORGAO_EXPEDIDOR_ID, SEXO "
                 "from FAT_PESSOA_FISICA"),
            Lines{"1980-05-20T00:00:00|CNH1|2|6|5|Maria D'Avila|Jose|RG1|SSP|F"});
  EXPECT_EQ(Read("select CLIENTE, CONTA_CORRENTE, NRO_BANCO, NRO_AGENCIA from FAT_CLIENTE_BANCO"),
            Lines{"500|12345-6|341|0001"});
  EXPECT_EQ(Read("select CLIENTE, SEQUENCIA, NOME, DDD, TELEFONE, TIPO from "
                 "FAT_CLIENTE_REFERENCIA"),
            Lines{"500|1|Ana O'Neil|21|22223333|P"});
  // 2 x 150.00; the desk's earlier accessory 56 goes, the hand-made 57 stays.
  EXPECT_EQ(Read("select ACESSORIO, VAL_ACESSORIO, FIB_INTEGRADO, SOMAR from "
                 "VEI_ACESSORIO_NEGOCIACAO order by 1"),
            (Lines{"55|300.00|S|S", "57|1.00|N|N"}));
  // Bank pays 25000.00; cash 24000.00 + 0 - 15000.00 = 9000.00; instalment
  // 0.0345 x 26000.00 = 897.00; vehicle 1000.00 discount + 48000.00.
  EXPECT_EQ(
      Read("select STATUS, DTA_NEGOCIACAO, VAL_VEICULO, VAL_FRETE, QTD_PARCELAS, "
           "VAL_FINANCIADO, VAL_PARCELAS, VAL_RETORNO_FINANC, VAL_RET_TAC_FIN, VAL_PLUS_FIN, "
           "TABELA_RETORNO, TAXA_FINANC, FATOR_PARCELA, COD_TABELA_FIN, FIB_INTEGRADO, "
           "FINANCEIRA, USU_FINANCIAMENTO, APR_FINANCIAMENTO, DTA_APR_FINANCIAMENTO, "
           "ALIENACAO from VEI_NEGOCIACAO"),
      Lines{"N|2026-12-07T00:00:00|49000.00|0.00|36|25000.00|897.00|750.50|80.00|100.00|5|1.49|0,"
            "0345|PL9|S|341|77|A|2026-12-07T10:30:00|S"});
  EXPECT_EQ(Payments(), (Lines{"1|22|AV.0000045|15000.00|N|S|2026-12-07T00:00:00|USADO",
                               "2|24|AUT|25000.00|N|S|2027-01-06T00:00:00|FINANC",
                               "3|21|AUT|9000.00|N|S|2026-12-07T00:00:00|ESPECIE"}));
  // The courtesy's customer is the dealer's (900): the proposal has no salesperson.
  EXPECT_EQ(Returns(), (Lines{"1|MANUAL|5.00|NULL|A MAO|N|200|C|5.00",
                              "2|FIN|750.50|341|RETORNO FINANCIAMENTO|S|101|C|750.50",
                              "3|PLUS|100.00|341|RETORNO FIN. PLUS|S|102|C|100.00",
                              "4|TAC|80.00|341|RETORNO FIN. TAC|S|103|C|80.00",
                              "5|META|60.00|341|RETORNO FIN. PLUS META|S|104|C|60.00",
                              "6|CORT|40.00|900|CORTESIA|S|106|C|40.00",
                              "7|REB|-30.00|341|REBATE|S|109|D|30.00"}));
  // Approved financing: the reservation moves 48 hours, once.
  EXPECT_EQ(One("select DTA_FIM_RESERVA from VEI_VEICULO"), "2026-12-10T00:00:00");
  EXPECT_EQ(One("select count(*) from VEI_HISTORICO_RESERVA"), "1");

  // Importing the same sale again leaves the same rows; a re-imported
  // financing payment may take a new number: compared without it.
  const auto snapshot = [&] {
    Lines all = Returns();
    for (const char* sql :
         {"select CONDICAO, VAL_PAGAMENTO, FI_INTEGRADO from VEI_PAGAMENTO order by CONDICAO",
          "select ACESSORIO, VAL_ACESSORIO from VEI_ACESSORIO_NEGOCIACAO order by 1",
          "select CONTA_CORRENTE from FAT_CLIENTE_BANCO", "select NOME from FAT_CLIENTE_REFERENCIA",
          "select count(*) from VEI_HISTORICO_RESERVA", "select DTA_FIM_RESERVA from VEI_VEICULO"})
      for (auto& row : Read(sql)) all.push_back(row);
    return all;
  };
  const Lines first = snapshot();
  EXPECT_EQ(Import(), result);
  EXPECT_EQ(snapshot(), first);
}

TEST_F(ClosingImportTest, ACompanyWithoutCreditProposalUpdatesPaymentsInPlace) {
  AddClosingDealer(connection(), server_.Url(),
                   Cols("ATUALIZAR_CONDPAGTO_FIB CONTA_RETORNO_PLUS_META", {T("S"), I(0)}));
  AddPayment(connection(), 1, 10, 1, 1, Cols("CONDICAO VAL_PAGAMENTO", {I(21), F(1)}));
  AddPayment(connection(), 1, 10, 1, 2, Cols("CONDICAO VAL_PAGAMENTO", {I(31), F(1)}));
  // Unknown postal code (no address), 150000 employees (not written), a
  // bank reference without account (skipped); kind 4's account is 0.
  sale_ = VendaFechada(
      Xml("codigoProposta", "778") +
      Xml("fichaPJ", Xml("dataFundacao", "2001-02-03") + Xml("email", "pj@x.com") +
                         Xml("endereco", Xml("cep", "99999-999") + Xml("uf", "SP") +
                                             Xml("logradouro", "Rua X")) +
                         Xml("quantidadeEmpregados", "150000") +
                         Xml("referenciasBancarias", Xml("banco", "1")) +
                         Xml("registroJuntaComercial", "JC1") + Xml("telefone", "11-5555.6666")) +
      Receita(1, "300.00") + Receita(4, "60.00") + Xml("valorEntradaEspecie", "20000,00") +
      Xml("valorEntradaVU", "10000.00") + Xml("valorNotaFiscal", "50.000,00") +
      Xml("valorTroco", "500.00") + Xml("valorVeiculo", "47000.00"));

  EXPECT_EQ(Import(), "OK");
  EXPECT_EQ(Read("select E_MAIL_TRABALHO, DDD_TELEFONE, TELEFONE, CEP_ENTREGA from FAT_CLIENTE"),
            Lines{"pj@x.com|11|55556666|NULL"});
  EXPECT_EQ(Read("select DTA_FUNDACAO, REGISTRO_JUNTA, NUMERO_EMPREGADOS from FAT_PESSOA_JURIDICA"),
            Lines{"2001-02-03T00:00:00|JC1|NULL"});
  EXPECT_EQ(One("select count(*) from FAT_CLIENTE_BANCO"), "0");
  // Financed 50000.00 - 20000.00 - 10000.00 + 500.00 = 20500.00, on the
  // payment whose condition 31 is a vehicle financing; change as -500.00.
  EXPECT_EQ(Payments(), (Lines{"1|21|AUT|20000.00|N|S|2026-12-07T00:00:00|ESPECIE",
                               "2|24|AUT|20500.00|N|S|2027-01-06T00:00:00|FINANC",
                               "3|22|AV.0000045|10000.00|N|S|2026-12-07T00:00:00|USADO",
                               "4|23|AUT|-500.00|N|S|2026-12-07T00:00:00|TROCO"}));
  EXPECT_EQ(Read("select VAL_VEICULO, QTD_PARCELAS, VAL_PARCELAS, TABELA_RETORNO, TAXA_FINANC, "
                 "FINANCEIRA, USU_FINANCIAMENTO, APR_FINANCIAMENTO, ALIENACAO from VEI_NEGOCIACAO"),
            Lines{"48000.00|0|0.00|0|NULL|NULL|NULL|A|N"});
  EXPECT_EQ(Returns(), Lines{"1|FIN|300.00|NULL|RETORNO FINANCIAMENTO|S|101|C|300.00"});
}

TEST_F(ClosingImportTest, ANegotiationImportedBeforeGetsOnlyItsFinancingAgain) {
  AddClosingDealer(connection(), server_.Url());
  sale_ = VendaFechada(VendaFinanciada(Receita(1, "10.00")));
  // Updating in place, or deleting the financing payment 2 and writing it
  // anew after the highest left (1): the same rows.
  for (const char* flag : {"ATUALIZAR_CONDPAGTO_FIB", "SOBREPOR_CONDPAGTO_FIB"}) {
    SCOPED_TRACE(flag);
    Exec("update VEI_PARAMETRO set ATUALIZAR_CONDPAGTO_FIB = 'N', SOBREPOR_CONDPAGTO_FIB = 'N'");
    Exec(std::string("update VEI_PARAMETRO set ") + flag + " = 'S'");
    Exec("delete from VEI_PAGAMENTO");
    Exec("update VEI_NEGOCIACAO set FIB_INTEGRADO = 'S'");
    AddPayment(connection(), 1, 10, 1, 1, Cols("CONDICAO VAL_PAGAMENTO", {I(21), F(123)}));
    AddPayment(connection(), 1, 10, 1, 2, Cols("CONDICAO VAL_PAGAMENTO", {I(24), F(1)}));
    Import();
    EXPECT_EQ(
        Read("select NUMERO_PAGAMENTO, CONDICAO, VAL_PAGAMENTO from VEI_PAGAMENTO order by 1"),
        (Lines{"1|21|123.00", "2|24|25000.00"}));
    EXPECT_EQ(One("select sum(VAL_RETORNO) from VEI_RETORNO"), "10.00");
  }
}

TEST_F(ClosingImportTest, MissingConditionsAndAnUnknownFinanceCompanyAreNoticedNotFatal) {
  AddClosingDealer(connection(), server_.Url(),
                   Cols("CONDICAO_ENTRADA_ESPECIE CONDICAO_ENTRADA_USADO CONDICAO_FINANCIAMENTO "
                        "SOBREPOR_CONDPAGTO_FIB",
                        {Null(), Null(), Null(), T("S")}));
  Exec("delete from FAT_FINANCEIRA");
  sale_ = VendaFechada(VendaFinanciada());
  const std::string result = Import();
  const std::string expected_start =
      "Condição Pagamento utilizada para Entrada Espécie não informada nos parâmetros de veículos "
      "aba \"F&I Brasil\".\r\nCondição Pagamento utilizada para Veículo Usado não informada nos "
      "parâmetros de veículos aba \"F&I Brasil\".\r\nCondição Pagamento utilizada para "
      "Financiamento não informada nos parâmetros de veículos aba \"Financiamento\".\r\n"
      "Financeira [341]\r\n* O código da financeira";
  EXPECT_EQ(result.rfind(expected_start, 0), 0u) << result;
  EXPECT_EQ(module().StatusFechaVendaFIB(), 0);
  // Nothing is written for kinds without their condition; the operator is unknown.
  EXPECT_EQ(One("select count(*) from VEI_PAGAMENTO"), "0");
  EXPECT_EQ(One("select USU_FINANCIAMENTO from VEI_NEGOCIACAO"), "NULL");
}

TEST_F(ClosingImportTest, ARefusedOrEmptyFetchWritesAndConfirmsNothing) {
  AddClosingDealer(connection(), server_.Url());
  const std::pair<std::string, std::string> cases[] = {
      {"<message>bloqueada</message><statusCode>5</statusCode>", "5 - bloqueada\r\n"},
      // Accepted but without a sale: said, not answered "OK".
      {"<statusCode>0</statusCode>", "Nenhuma venda fechada no F&I Brasil para a proposta 10.\r\n"},
  };
  for (const auto& [reply, expected] : cases) {
    sale_ = reply;
    EXPECT_EQ(Import(), expected);
    EXPECT_EQ(module().StatusFechaVendaFIB(), 9);
  }
  EXPECT_EQ(Confirmation(), "");
  EXPECT_EQ(One("select PROPOSTA_FIB from VEI_PROPOSTA"), "NULL");
}

TEST_F(ClosingImportTest, AnErrorStopsTheImportAndTellsTheServiceItFailed) {
  AddClosingDealer(connection(), server_.Url());
  const std::pair<std::string, std::string> cases[] = {
      // A reference name longer than the column: the database refuses the insert.
      {Xml("fichaPF", Xml("referenciasPessoais", Xml("nome", std::string(70, 'N')))),
       "INSERT INTO FAT_CLIENTE_REFERENCIA"},
      {Xml("valorTroco", "abc"), "F&I Brasil sent 'abc' as valorTroco, which is not a number"},
  };
  for (const auto& [extra, expected] : cases) {
    sale_ = VendaFechada(Xml("codigoProposta", "777") + extra);
    const std::string result = Import();
    EXPECT_THAT(result, HasSubstr(expected));
    EXPECT_EQ(module().StatusFechaVendaFIB(), 1);
    EXPECT_THAT(Confirmation(),
                HasSubstr("<q0:status>1</q0:status><q0:mensagem>Erro na integracao com o "
                          "Mivo DMS.</q0:mensagem><q0:propostaID>777</q0:propostaID>"));
    // The link came before the failure; the negotiation after it.
    EXPECT_EQ(One("select PROPOSTA_FIB from VEI_PROPOSTA"), "777");
    EXPECT_EQ(One("select FIB_INTEGRADO from VEI_NEGOCIACAO"), "NULL");
  }
}

TEST_F(ClosingImportTest, AReturnOrANegotiationThatCannotBeWrittenFailsTheImport) {
  AddClosingDealer(connection(), server_.Url());
  sale_ = VendaFechada(VendaFinanciada(Receita(1, "5.00")));
  const std::pair<const char*, std::string> cases[] = {
      {"delete from VEI_CONTA_FI",
       "Conta FI 101 sem tipo de retorno cadastrado (VEI_CONTA_FI). - while executing: SELECT "
       "TIPO_RETORNO"},
      {"delete from VEI_NEGOCIACAO", "Negociação 1 da proposta 10 não encontrada."},
  };
  for (const auto& [mutation, expected] : cases) {
    Exec(mutation);
    const std::string result = Import();
    EXPECT_THAT(result, HasSubstr(expected));
    EXPECT_EQ(module().StatusFechaVendaFIB(), 1);
  }
}

TEST_F(ClosingImportTest, AProposalWithoutCustomerGetsNoRegistryRows) {
  AddClosingDealer(connection(), server_.Url());
  Exec("delete from CAC_CONTATO");
  sale_ = VendaFechada(VendaFinanciada(kFichaPF));
  EXPECT_EQ(Import(), "OK");
  EXPECT_EQ(One("select count(*) from FAT_CLIENTE_BANCO"), "0");
  EXPECT_EQ(One("select count(*) from FAT_CLIENTE_REFERENCIA"), "0");
}

}  // namespace
}  // namespace veiculo::testing
